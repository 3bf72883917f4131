#pragma once
// What the windows of the program share: product identity, resource modules and texts.
#include "product_identity.h"
#include "resource_modules_win32.h"

namespace Velkora {

class ICheckSuite;

struct AppContext {
    ProductIdentity identity;
    CResourceModules* modules = nullptr;
    const ITextSource* texts = nullptr;
    ICheckSuite* checks = nullptr;
};

} // namespace Velkora
