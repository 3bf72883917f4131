#pragma once
// One input of the site summary, whatever it holds: a result document, our results table, or
// something else, which is skipped and named.
#include <cstdint>
#include <string>
#include <string_view>

#include "site_summary.h"

namespace Velkora {

// Result documents are a few kilobytes; a file larger than this is none of ours.
inline constexpr std::uint64_t kLargestDocumentBytes = 16u << 20;
// A results table of a site is larger, but not this large: such a file is skipped unread.
inline constexpr std::uint64_t kLargestInputBytes = 1u << 30;

// The runs the bytes hold go to the site; what cannot be used is counted there.
void ReadSummaryInput(std::string_view bytes, const std::string& source, CSiteSummary& site);

} // namespace Velkora
