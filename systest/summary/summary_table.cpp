#include "summary_table.h"

#include <algorithm>

namespace Velkora {

std::string BuildSummaryTable(const CSiteSummary& site, char separator) {
    const std::vector<std::string> columns = SharedTableColumns();
    const std::size_t name = TableColumn(kFirstTableColumn);
    std::vector<const MachineResult*> rows;
    for (const MachineResult& machine : site.Machines())
        rows.push_back(&machine);
    std::stable_sort(rows.begin(), rows.end(), [&](const MachineResult* a, const MachineResult* b) {
        return a->Cell(name) < b->Cell(name);
    });
    // The header alone first, then each row as a table of ours would get it appended.
    std::string table = PlanTableAppend({}, 0, '\n', TableRecord{}, separator).bytes;
    table.erase(table.find('\n') + 1);
    for (const MachineResult* machine : rows) {
        TableRecord record;
        for (std::size_t column = 0; column < columns.size(); ++column)
            if (!machine->cells[column].text.empty())
                record.emplace(columns[column], machine->cells[column]);
        table += PlanTableAppend(table, table.size(), '\n', record, separator).bytes;
    }
    return table;
}

} // namespace Velkora
