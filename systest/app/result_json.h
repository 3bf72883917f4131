#pragma once
// The machine-readable result of a run: one JSON document for scripts that check many
// workstations. Its layout has a version number of its own (kResultSchemaVersion); the README
// documents it. Plain records in, UTF-8 text out, so that it is tested on the host.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "check_run.h"
#include "graphics_adapter_info.h"
#include "product_version.h"

namespace Velkora {

inline constexpr std::string_view kResultSchemaName = "velkora-systest-result";
// Raise on any change that a reader could notice; adding a field counts.
// 2: checks that could not be done have rows of their own; an abnormal end of the diagnostics
// program is code 7. 3: the card list that could not be read. 4: the checker's version; the row
// for graphics that could not be checked without a desktop.
inline constexpr int kResultSchemaVersion = 4;

// A local time and its distance from UTC, as the run saw the clock.
struct LocalDateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int utcOffsetMinutes = 0; // local minus UTC
};

struct DiagnosticsFacts {
    std::int32_t exitCode = 0; // the program's own exit code; not reported unless it ended by itself
    std::int32_t code = 0;     // as the checks judged it (DiagnosticsCodeOf)
    bool started = true;
    bool timedOut = false;
    std::optional<std::int32_t> timeLimitSeconds; // no value: waited without limit
};

struct ResultDocument {
    std::string checkerVersion = VELKORA_VERSION_TEXT;
    std::wstring productName;
    std::wstring productYear;
    std::wstring buildDate;
    std::wstring computerName;
    LocalDateTime checkedAt;
    std::wstring languageCode;
    std::wstring reportHeader;
    const RunSummary* run = nullptr;
    DiagnosticsFacts diagnostics;
    std::optional<std::wstring> osDisplayName; // no value: the system could not be identified
    std::optional<std::wstring> osSupportCode;
    GraphicsAdapterInfo adapter;
};

// "2018-03-05T14:07:09+01:00" (or "Z" at UTC).
std::string FormatIsoDateTime(const LocalDateTime& time);

// The stable identifier of a check in the document ("operatingSystem", "diagnosticsTimeout", ...).
std::string_view CheckIdName(CheckId id);

// A word for a severity that needs no language module: "notMet", "warning", "met", "unknown".
std::string_view VerdictName(Severity severity);

// Fields as the document writes them, for the shared results table too: text as UTF-8 (U+FFFD for
// what is not valid UTF-16), "a.b.c.d", "yyyy-mm-dd" (empty when unknown).
std::string DocumentText(std::wstring_view text);
std::string DriverVersionText(const DriverVersionParts& version);
std::string DriverDateText(std::uint32_t yyyymmdd);
// The diagnostics' own exit code, when they ended by themselves.
std::optional<std::int32_t> ReportedExitCode(const DiagnosticsFacts& facts);

// The document as UTF-8 JSON, indented by two blanks, ended by a line feed. Text that is not
// valid UTF-16 is carried with U+FFFD in its place.
std::string BuildResultJson(const ResultDocument& document);

} // namespace Velkora
