#pragma once
// An input the site summary could not use: counted and named on the page, never a stop.
#include <string>

namespace Velkora {

enum class SkipReason {
    kNotOpened,     // the file could not be opened or read
    kNotJson,       // not JSON at all, or cut short
    kNotOurs,       // JSON, but not a result document of this checker
    kSchemaVersion, // a result document of a version this program cannot read
    kIncomplete,    // ours, but without a computer name or a readable time of the run
    kNotTable,      // neither a result document nor our results table
    kRowMalformed,  // a row of our table that cannot be read
    kTooLarge,      // larger than any input of ours could be
};

struct SkippedInput {
    std::string source; // the file, and for a table row its line
    SkipReason reason = SkipReason::kNotOpened;
    long long schemaVersion = 0; // for kSchemaVersion
};

} // namespace Velkora
