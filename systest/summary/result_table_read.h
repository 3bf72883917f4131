#pragma once
// The shared results table (the -csv output many workstations append to) read back for the site
// summary: each row a run, each bad row skipped on its own.
#include <functional>
#include <string>
#include <string_view>

#include "machine_result.h"
#include "skipped_input.h"

namespace Velkora {

// Whether the bytes begin as our table does: its first column's name, after a byte-order mark.
bool LooksLikeResultTable(std::string_view bytes);

// Every row of the table: a run to `take`, a row that cannot be used to `skip` (named by the
// source and its line). A file that is not our table is skipped whole.
void ReadResultTable(std::string_view bytes, const std::string& source,
                     const std::function<void(MachineResult)>& take,
                     const std::function<void(SkippedInput)>& skip);

} // namespace Velkora
