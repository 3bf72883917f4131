#pragma once
// Result documents as the program writes them, for reading back.
#include <string>

#include "result_json.h"

namespace Velkora::SummaryFixtures {

struct Row {
    CheckId id;
    Severity severity;
    const wchar_t* text;
    bool counts = true;
};

// A run whose summary is the worst counted row (no verdict without rows).
inline RunSummary RunOf(std::initializer_list<Row> rows) {
    RunSummary run;
    run.level = kSeverityMet;
    bool any = false;
    for (const Row& row : rows) {
        run.entries.push_back({row.id, {row.severity, row.text, row.text}, {}, L"label", row.counts});
        if (row.counts && (!any || row.severity < run.level))
            run.level = row.severity;
        any = any || row.counts;
    }
    if (!any)
        run.level = kSeverityNoVerdict;
    return run;
}

inline std::string Document(const wchar_t* computer, LocalDateTime at, const RunSummary& run,
                            const wchar_t* card = L"Radeon Pro W6600",
                            DriverVersionParts driver = {31, 0, 21, 912}) {
    ResultDocument d;
    d.productName = L"Velkora 2018";
    d.computerName = computer;
    d.checkedAt = at;
    d.languageCode = L"en";
    d.run = &run;
    d.adapter.caption = card;
    d.adapter.driverVersion = driver;
    d.adapter.driverDate = 20260115;
    d.diagnostics.exitCode = 11;
    return BuildResultJson(d);
}

} // namespace Velkora::SummaryFixtures
