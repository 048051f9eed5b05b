#pragma once

// Resource identifiers shared by the resource script and the program.
#define IDI_APP 1
// The common-controls v6 manifest, activated at run time only for controls created after start-up
// (id 123, not 1, so the loader does not apply it to the whole process).
#define IDR_THEMED_CONTROLS 123
