#pragma once
// The pictures the result list takes from the program's resources.
#include <windows.h>

#include "gdi_objects_win32.h"

namespace Velkora {

// A strip of 16 x 16 images read in 16-pixel steps from the left, magenta transparent, as a DIB
// section. Null when the bitmap is missing.
CImageListHandle LoadImageStrip(HINSTANCE module, int bitmapId);

struct ListResources {
    CImageListHandle rowImages; // the status images
    CImageListHandle glyphs;    // the control's own glyphs (sort arrows)
    HCURSOR divider = nullptr;  // shared resource cursors: never destroyed
    HCURSOR hand = nullptr;
};

// Stops at the first strip or cursor that cannot be loaded and answers false.
bool LoadListResources(HINSTANCE module, ListResources& resources);

} // namespace Velkora
