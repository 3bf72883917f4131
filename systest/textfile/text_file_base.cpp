#include "text_file_base.h"

#include "code_page_conversion.h"

namespace Velkora {

void CTextFileBase::CloseFile() {
    file.Close();
}

bool CTextFileBase::ConvertToWide(std::string_view in, std::wstring& out) const {
    return MultiByteToWide(codePage, in, out);
}

bool CTextFileBase::ConvertToNarrow(std::wstring_view in, std::string& out) {
    return WideToMultiByte(codePage, in, replacementChar, out, conversionLost);
}

} // namespace Velkora
