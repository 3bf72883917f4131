#pragma once
// The pictures the result list takes from the program's resources.
#include <windows.h>

#include "gdi_objects_win32.h"
#include "list_geometry.h"

namespace Velkora {

// A strip of 16 x 16 images read in 16-pixel steps from the left, magenta transparent, as a DIB
// section; for another DPI stretched to imageSize pixels per image, pixel for pixel (so the
// magenta key stays exact and the edges stay sharp). Null when the bitmap is missing.
CImageListHandle LoadImageStrip(HINSTANCE module, int bitmapId, int imageSize = kListImageSize);

// A copy of a bitmap at another size: smooth for pictures, else nearest pixel.
CBitmapHandle StretchedBitmap(HBITMAP source, int width, int height, bool smooth);

struct ListResources {
    int imageSize = kListImageSize; // the strips' image edge at the list's DPI
    CImageListHandle rowImages;     // the status images
    CImageListHandle glyphs;        // the control's own glyphs (sort arrows)
    HCURSOR divider = nullptr;      // shared resource cursors: never destroyed
    HCURSOR hand = nullptr;
};

// Stops at the first strip or cursor that cannot be loaded and answers false.
[[nodiscard]] bool LoadListResources(HINSTANCE module, ListResources& resources,
                                     int imageSize = kListImageSize);

} // namespace Velkora
