// Placed where an unquoted path with spaces would find a program (C:\...\Program.exe): it must never run.
#include "run_marker.h"

int wmain() {
    WriteRunMarker();
    return 99;
}
