# The announcement strip's address, a build setting. Empty: the page the program carries itself,
# res://<program path>/announcement.html, so a fresh build reaches no server.
# Included from platform/CMakeLists.txt; only the file that holds the address sees the definition.
set(HZ_ANNOUNCEMENT_URL "" CACHE STRING "Address of the announcement page (empty: the program's own resource page)")
if(NOT HZ_ANNOUNCEMENT_URL STREQUAL "")
    string(REPLACE "\\" "\\\\" hz_announcement_escaped "${HZ_ANNOUNCEMENT_URL}")
    string(REPLACE "\"" "\\\"" hz_announcement_escaped "${hz_announcement_escaped}")
    set_property(SOURCE ${PROJECT_SOURCE_DIR}/platform/web_view_address.cpp
        DIRECTORY ${PROJECT_SOURCE_DIR}/platform
        APPEND PROPERTY COMPILE_DEFINITIONS "HZ_ANNOUNCEMENT_URL=\"${hz_announcement_escaped}\"")
endif()
