// A console program that records that it ran and ends at once.
#include "run_marker.h"

int wmain() {
    WriteRunMarker();
    return 0;
}
