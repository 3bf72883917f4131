#include "shared_table_append.h"

#include <algorithm>

namespace Velkora {
namespace {

// Enough for any header of ours, of an older or a newer checker.
constexpr std::uint32_t kHeadBytes = 65536;

TableAppendOutcome AppendOnce(ISharedTableFile& file, const TableRecord& record, char localeSeparator) {
    const std::optional<std::uint64_t> size = file.Size();
    if (!size)
        return TableAppendOutcome::kFailed;
    std::string head;
    char lastByte = '\n';
    if (*size > 0) {
        std::optional<std::string> start = file.Read(0, kHeadBytes);
        std::optional<std::string> last = file.Read(*size - 1, 1);
        if (!start || !last || last->size() != 1)
            return TableAppendOutcome::kFailed;
        head = std::move(*start);
        lastByte = last->front();
    }
    const TableAppend append = PlanTableAppend(head, *size, lastByte, record, localeSeparator);
    if (append.refused)
        return TableAppendOutcome::kNotOurs;
    if (file.Append(append.bytes))
        return TableAppendOutcome::kWritten;
    file.CutTo(*size);
    return TableAppendOutcome::kFailed;
}

} // namespace

std::uint32_t RetryWait(int attempt, IAppendClock& clock) {
    const std::uint32_t full = std::min<std::uint32_t>(2000, 50u << std::min(attempt, 6));
    return full / 2 + clock.Random(full / 2 + 1);
}

TableAppendOutcome AppendToSharedTable(ISharedTableFile& file, IAppendClock& clock, const TableRecord& record,
                                       char localeSeparator, std::uint32_t limitMilliseconds) {
    const std::uint64_t start = clock.NowMilliseconds();
    for (int attempt = 0;; ++attempt) {
        switch (file.Open()) {
        case ISharedTableFile::OpenResult::kOpened: {
            const TableAppendOutcome outcome = AppendOnce(file, record, localeSeparator);
            file.Close();
            return outcome;
        }
        case ISharedTableFile::OpenResult::kFailed:
            return TableAppendOutcome::kFailed;
        case ISharedTableFile::OpenResult::kHeld:
            break;
        }
        const std::uint64_t waited = clock.NowMilliseconds() - start;
        if (waited >= limitMilliseconds)
            return TableAppendOutcome::kHeld;
        clock.Sleep(static_cast<std::uint32_t>(
            std::min<std::uint64_t>(RetryWait(attempt, clock), limitMilliseconds - waited)));
    }
}

} // namespace Velkora
