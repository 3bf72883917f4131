#include "product_identity.h"

namespace Velkora {

std::wstring ExtractProductYear(std::wstring_view literal) {
    std::wstring year;
    for (wchar_t c : literal) {
        if (c >= L'0' && c <= L'9')
            year += c;
        else if (!year.empty())
            break;
    }
    return year;
}

ProductIdentity SettleProductIdentity(std::wstring_view literal) {
    std::wstring year = ExtractProductYear(literal);
    return ProductIdentity{std::wstring(kProductNamePrefix) + year, year};
}

} // namespace Velkora
