#include "list_resources_win32.h"

#include "list_geometry.h"
#include "res/presentation_resource.h"

namespace Velkora {

CBitmapHandle StretchedBitmap(HBITMAP source, int width, int height, bool smooth) {
    BITMAP info{};
    if (!source || !GetObjectW(source, sizeof(info), &info) || width <= 0 || height <= 0)
        return CBitmapHandle();
    CWindowDc screen(nullptr);
    CBitmapHandle stretched(CreateCompatibleBitmap(screen.Get(), width, height));
    CMemoryDc from(screen.Get()), to(screen.Get());
    if (!stretched || !from.Get() || !to.Get())
        return CBitmapHandle();
    CSelection fromSelected(from.Get(), source);
    CSelection toSelected(to.Get(), stretched.Get());
    SetStretchBltMode(to.Get(), smooth ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(to.Get(), 0, 0, nullptr);
    StretchBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    return stretched;
}

CImageListHandle LoadImageStrip(HINSTANCE module, int bitmapId, int imageSize) {
    constexpr COLORREF kTransparent = RGB(255, 0, 255);
    if (imageSize == kListImageSize || imageSize <= 0)
        return CImageListHandle(ImageList_LoadImageW(module, MAKEINTRESOURCEW(bitmapId), kListImageSize, 0,
                                                     kTransparent, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    CBitmapHandle strip(static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!strip || !GetObjectW(strip.Get(), sizeof(info), &info))
        return CImageListHandle();
    int images = info.bmWidth / kListImageSize;
    CBitmapHandle scaled = StretchedBitmap(
        strip.Get(), (info.bmWidth * imageSize + kListImageSize / 2) / kListImageSize, imageSize, false);
    CImageListHandle list(ImageList_Create(imageSize, imageSize, ILC_COLOR24 | ILC_MASK, images, 0));
    if (!scaled || !list || ImageList_AddMasked(list.Get(), scaled.Get(), kTransparent) < 0)
        return CImageListHandle();
    return list;
}

bool LoadListResources(HINSTANCE module, ListResources& resources, int imageSize) {
    resources.imageSize = imageSize;
    resources.rowImages = LoadImageStrip(module, IDB_LIST_STATUS, imageSize);
    if (!resources.rowImages)
        return false;
    resources.glyphs = LoadImageStrip(module, IDB_LIST_GLYPHS, imageSize);
    if (!resources.glyphs)
        return false;
    resources.divider = LoadCursorW(module, MAKEINTRESOURCEW(IDC_LIST_DIVIDER));
    if (!resources.divider)
        return false;
    resources.hand = LoadCursorW(module, MAKEINTRESOURCEW(IDC_LIST_HAND));
    return resources.hand != nullptr;
}

} // namespace Velkora
