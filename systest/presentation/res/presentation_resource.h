#pragma once
// Resource IDs of the result list's pictures in the program's own resources.
#define IDB_LIST_STATUS 103 // 16 x 16 status images, magenta transparent
#define IDB_LIST_GLYPHS 104 // 16 x 16 glyphs: 0 sort arrow up, 1 sort arrow down
#define IDC_LIST_DIVIDER 105
#define IDC_LIST_HAND 106
