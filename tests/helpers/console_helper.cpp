// A console program that records that it ran and ends at once; with "--linger" it stays for 30 seconds,
// as a program left running in a session.
#include <cwchar>

#include "run_marker.h"

int wmain(int argc, wchar_t** argv) {
    WriteRunMarker();
    if (argc > 1 && std::wcscmp(argv[1], L"--linger") == 0) Sleep(30000);
    return 0;
}
