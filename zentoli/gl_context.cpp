#include "gl_context.h"

namespace Zentoli {

bool CreateGlContext(IGlDevice& device, CDiagLog& log) {
    int format = device.ChoosePixelFormat();
    if (format == 0) {
        log.LogWide(L"error : ChoosePixelFormat fails !\n");
        return false;
    }
    if (!device.SetPixelFormat(format)) {
        log.LogWide(L"error : SetPixelFormat fails !\n");
        return false;
    }
    return device.CreateCurrentContext();
}

} // namespace Zentoli
