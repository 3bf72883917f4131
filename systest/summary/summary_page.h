#pragma once
// The overview page of a site: one self-contained HTML file (no script, nothing fetched from
// elsewhere, pictures as inline SVG) that opens from a share in any browser and prints well.
#include <functional>
#include <string>

#include "site_summary.h"
#include "text_source.h"

namespace Velkora {

// A text of the language module, as UTF-8.
using PageTextFn = std::function<std::string(TextId)>;

struct SummaryPageFrame {
    std::string languageTag; // "en", "de": the page's language
    std::string productName;
};

std::string BuildSummaryPage(const SiteFigures& figures, const PageTextFn& text,
                             const SummaryPageFrame& frame);

// The name of a check in the user's language; an id this program does not know shows as it is.
std::string CheckNameText(std::string_view checkId, const PageTextFn& text);

} // namespace Velkora
