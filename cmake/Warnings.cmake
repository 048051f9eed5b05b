# Warning flags and text encoding shared by every target of the project.
add_compile_options(-Wall -Wextra -Wshadow -Wimplicit-fallthrough -Wformat=2 -Wundef)

# Sources are UTF-8; string literals become GBK bytes (code page 936), the program's text encoding.
# clang cannot convert literals, so code compiled by clang (the fuzz build) uses hex escapes only.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-finput-charset=UTF-8 -fexec-charset=GBK)
endif()

if(WIN32)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601)
    # Static runtime: the program needs no DLL beyond those Windows ships.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()
