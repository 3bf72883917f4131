#include "page_text_format.h"

namespace Velkora {
namespace {

std::string Replaced(std::string_view text, std::string_view marker, std::string_view value) {
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos)
        return std::string(text) + (text.empty() ? "" : " ") + std::string(value);
    return std::string(text.substr(0, at)) + std::string(value) +
           std::string(text.substr(at + marker.size()));
}

} // namespace

std::string NumberInText(std::string_view text, std::string_view markup) {
    return Replaced(text, "%d", markup);
}

std::string WithNumber(std::string_view text, long long value) {
    return Replaced(text, "%d", std::to_string(value));
}

std::string WithText(std::string_view text, std::string_view value) {
    return Replaced(text, "%s", value);
}

} // namespace Velkora
