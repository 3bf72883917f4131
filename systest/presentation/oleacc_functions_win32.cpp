#include "oleacc_functions_win32.h"

#include "system_library_win32.h"

namespace Velkora {
namespace {

struct OleaccFunctions {
    CSystemLibrary library{L"oleacc.dll"};
    decltype(&LresultFromObject) lresultFromObject =
        library.Find<decltype(&LresultFromObject)>("LresultFromObject");
    decltype(&CreateStdAccessibleObject) createStandard =
        library.Find<decltype(&CreateStdAccessibleObject)>("CreateStdAccessibleObject");
    decltype(&AccessibleObjectFromWindow) fromWindow =
        library.Find<decltype(&AccessibleObjectFromWindow)>("AccessibleObjectFromWindow");
};

// Loaded at the first call and kept for the process: objects it made may outlive any window.
const OleaccFunctions& Oleacc() {
    static const OleaccFunctions functions;
    return functions;
}

} // namespace

LRESULT LresultFromAccessible(REFIID interfaceId, WPARAM wParam, IUnknown* object) {
    return Oleacc().lresultFromObject ? Oleacc().lresultFromObject(interfaceId, wParam, object) : 0;
}

HRESULT CreateStandardAccessible(HWND window, LONG objectId, REFIID interfaceId, void** object) {
    if (object)
        *object = nullptr;
    return Oleacc().createStandard ? Oleacc().createStandard(window, objectId, interfaceId, object)
                                   : E_NOTIMPL;
}

HRESULT AccessibleFromWindow(HWND window, DWORD objectId, REFIID interfaceId, void** object) {
    if (object)
        *object = nullptr;
    return Oleacc().fromWindow ? Oleacc().fromWindow(window, objectId, interfaceId, object) : E_NOTIMPL;
}

} // namespace Velkora
