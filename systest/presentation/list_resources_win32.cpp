#include "list_resources_win32.h"

#include "list_geometry.h"
#include "res/presentation_resource.h"

namespace Velkora {

CImageListHandle LoadImageStrip(HINSTANCE module, int bitmapId) {
    return CImageListHandle(ImageList_LoadImageW(module, MAKEINTRESOURCEW(bitmapId), kListImageSize, 0,
                                                 RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

bool LoadListResources(HINSTANCE module, ListResources& resources) {
    resources.rowImages = LoadImageStrip(module, IDB_LIST_STATUS);
    if (!resources.rowImages)
        return false;
    resources.glyphs = LoadImageStrip(module, IDB_LIST_GLYPHS);
    if (!resources.glyphs)
        return false;
    resources.divider = LoadCursorW(module, MAKEINTRESOURCEW(IDC_LIST_DIVIDER));
    if (!resources.divider)
        return false;
    resources.hand = LoadCursorW(module, MAKEINTRESOURCEW(IDC_LIST_HAND));
    return resources.hand != nullptr;
}

} // namespace Velkora
