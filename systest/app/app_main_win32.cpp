#include <windows.h>

#include "language_selection_win32.h"
#include "product_identity.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Velkora::ProductIdentity identity = Velkora::SettleProductIdentity();
    Velkora::CResourceModules modules(instance);
    Velkora::LanguageSelection language;
    if (!Velkora::SelectLanguage(modules, language)) return -1;
    return 0;
}
