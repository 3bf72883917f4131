#include "diag_log.h"

#include <algorithm>

namespace Zentoli {
namespace {

// Widths above this are cut down; no format of ours needs more.
constexpr std::size_t kMaxWidth = 64;

char NarrowUnit(wchar_t c) {
    auto unit = static_cast<std::uint32_t>(c);
    return unit <= 0xFF ? static_cast<char>(static_cast<unsigned char>(unit)) : '?';
}

std::string NumberText(long long n, bool zeroPad, std::size_t width) {
    unsigned long long magnitude =
        n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    std::size_t length = digits.size() + (n < 0 ? 1 : 0);
    if (length < width)
        digits.insert(0, width - length, zeroPad ? '0' : ' ');
    if (n < 0)
        digits.insert(zeroPad ? 0 : digits.find_first_not_of(' '), 1, '-');
    return digits;
}

// wide: the format is wide, so %s wants a wide text and %S an 8-bit one.
template <class Char>
std::string Format(std::basic_string_view<Char> format, std::initializer_list<LogArg> args, bool wide) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] != Char('%')) {
            out += wide ? NarrowUnit(static_cast<wchar_t>(format[i])) : static_cast<char>(format[i]);
            ++i;
            continue;
        }
        std::size_t start = i++;
        bool zeroPad = false;
        std::size_t width = 0;
        if (i < format.size() && format[i] == Char('0')) {
            zeroPad = true;
            ++i;
        }
        while (i < format.size() && format[i] >= Char('0') && format[i] <= Char('9'))
            width = std::min<std::size_t>(width * 10 + static_cast<std::size_t>(format[i++] - Char('0')),
                                          kMaxWidth);
        Char type = i < format.size() ? format[i++] : Char(0);
        std::string text;
        bool done = false;
        if (type == Char('%')) {
            text = "%";
            done = true;
        } else if (next != args.end()) {
            const LogArg& arg = *next;
            bool wantsWide = (type == Char('s')) == wide;
            if (type == Char('d') && arg.Number()) {
                text = NumberText(*arg.Number(), zeroPad, width);
                done = true;
            } else if ((type == Char('s') || type == Char('S')) && wantsWide && arg.Wide()) {
                text = NarrowForLog(*arg.Wide());
                done = true;
            } else if ((type == Char('s') || type == Char('S')) && !wantsWide && arg.Narrow()) {
                text = std::string(*arg.Narrow());
                done = true;
            }
            // A conversion uses up its argument even when the types do not fit, as printf would.
            ++next;
        }
        if (!done) {
            for (std::size_t k = start; k < i; ++k)
                out += wide ? NarrowUnit(static_cast<wchar_t>(format[k])) : static_cast<char>(format[k]);
            continue;
        }
        out += text;
    }
    return out;
}

} // namespace

std::string NarrowForLog(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        out += NarrowUnit(c);
    return out;
}

std::string FormatLogWide(std::wstring_view format, std::initializer_list<LogArg> args) {
    return Format(format, args, true);
}

std::string FormatLogNarrow(std::string_view format, std::initializer_list<LogArg> args) {
    return Format(format, args, false);
}

void CDiagLog::LogWide(std::wstring_view format, std::initializer_list<LogArg> args) {
    Put(FormatLogWide(format, args));
}

void CDiagLog::LogNarrow(std::string_view format, std::initializer_list<LogArg> args) {
    Put(FormatLogNarrow(format, args));
}

// The log is a text-mode stream: every "\n" goes out as CR LF, on every platform alike.
void CDiagLog::Put(const std::string& message) {
    std::string out;
    out.reserve(message.size() + 8);
    for (char c : message) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    sink.Write(out);
}

} // namespace Zentoli
