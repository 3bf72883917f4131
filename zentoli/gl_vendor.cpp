#include "gl_vendor.h"

#include <string>

#include "text_rules.h"

namespace Zentoli {

GlVendor ClassifyVendor(const char* vendor) {
    constexpr std::size_t kVendorBuffer = 100;
    std::string text = LowerAscii(CutText<char>(vendor ? vendor : "", kVendorBuffer - 1));
    if (text.find("nvidia") != std::string::npos)
        return GlVendor::nvidia;
    if (text.find("intel") != std::string::npos)
        return GlVendor::intel;
    return GlVendor::other;
}

GlVersionLevel ClassifyVersion(const char* version) {
    std::string_view text = version ? version : "";
    char c0 = text.size() > 0 ? text[0] : '\0';
    char c2 = text.size() > 2 ? text[2] : '\0';
    GlVersionLevel level;
    level.atLeast33 = !(c0 < '3' || (c0 == '3' && c2 < '3'));
    level.gl42 = c0 > '4' || (c0 == '4' && c2 >= '2');
    return level;
}

} // namespace Zentoli
