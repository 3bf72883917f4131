#pragma once
// Resource and control IDs of the driver's fixture dialog, for its script and its tests.

#define IDD_FIXTURE 100
#define IDC_FIXTURE_LIST 1001
#define IDC_FIXTURE_TICK 1006
