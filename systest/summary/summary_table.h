#pragma once
// The site's latest runs as one results table: the columns of the shared table, one row per
// machine, so that a spreadsheet gets the site without its repeats.
#include <string>

#include "site_summary.h"

namespace Velkora {

// The whole file: byte-order mark, header and the rows by computer name; text that a spreadsheet
// would take as a formula is guarded as in the shared table.
std::string BuildSummaryTable(const CSiteSummary& site, char separator);

} // namespace Velkora
