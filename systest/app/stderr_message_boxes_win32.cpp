#include "stderr_message_boxes_win32.h"

#include "message_line.h"
#include "standard_streams_win32.h"

namespace Velkora {
namespace {

// The 8-bit boxes carry ASCII texts (the graphics checks make them so).
std::wstring Widen(const std::string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return wide;
}

} // namespace

void CStandardErrorBoxes::ShowWide(const std::wstring& text, const std::wstring& title, MessageBoxStyle) {
    WriteErrorLine(MessageBoxLine(title, text));
}

void CStandardErrorBoxes::ShowNarrow(const std::string& text, const std::string& title) {
    WriteErrorLine(MessageBoxLine(Widen(title), Widen(text)));
}

void WriteFatalMessageLine(const std::wstring& message, const std::wstring& title) {
    WriteErrorLine(MessageBoxLine(title, message));
}

} // namespace Velkora
