#pragma once
// Where the check run appends its rows: the result list in the program, a vector in tests.
#include "check_result.h"

namespace Velkora {

class IResultRowSink {
public:
    virtual ~IResultRowSink() = default;
    // Answers the new row's index, -1 when the row could not be shown.
    virtual int AppendRow(const ResultRow& row) = 0;
};

} // namespace Velkora
