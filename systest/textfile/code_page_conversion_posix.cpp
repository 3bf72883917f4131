// Systems without the Windows code-page functions use the portable tables.
#include "code_page_conversion.h"
#include "portable_code_pages.h"

namespace Velkora {

bool MultiByteToWide(std::uint32_t codePage, std::string_view in, std::wstring& out) {
    return PortableMultiByteToWide(codePage, in, out);
}

bool WideToMultiByte(std::uint32_t codePage, std::wstring_view in, char replacement, std::string& out,
                     bool& usedReplacement) {
    return PortableWideToMultiByte(codePage, in, replacement, out, usedReplacement);
}

} // namespace Velkora
