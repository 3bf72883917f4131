#pragma once
// Appends one row to a results table that hundreds of workstations may append to at once, on a
// share. The file is held with no sharing allowed while the row (and a header where one is due)
// is written in one write; a writer that finds it held tries again after growing, jittered waits
// until its time limit; a row that cannot be written whole is taken back.
#include <cstdint>
#include <optional>
#include <string>

#include "shared_table_row.h"

namespace Velkora {

// The file as the append sees it; the Win32 one opens it with no sharing, tests use a fake.
class ISharedTableFile {
  public:
    enum class OpenResult { kOpened, kHeld, kFailed };
    virtual ~ISharedTableFile() = default;
    // Opened for reading and writing, made when missing, no other opener allowed until Close.
    virtual OpenResult Open() = 0;
    virtual std::optional<std::uint64_t> Size() = 0;
    // Up to `length` bytes from `offset`; nothing when the read fails.
    virtual std::optional<std::string> Read(std::uint64_t offset, std::uint32_t length) = 0;
    // The bytes at the end in one write, then flushed; false unless all of them were written.
    virtual bool Append(const std::string& bytes) = 0;
    virtual bool CutTo(std::uint64_t size) = 0;
    virtual void Close() = 0;
};

class IAppendClock {
  public:
    virtual ~IAppendClock() = default;
    virtual std::uint64_t NowMilliseconds() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // A number from 0 to below `bound`, different for every writer.
    virtual std::uint32_t Random(std::uint32_t bound) = 0;
};

enum class TableAppendOutcome {
    kWritten,
    kHeld,    // another writer held the file until the time limit
    kNotOurs, // the file holds something other than our table: left untouched
    kFailed,  // it could not be opened, read or written; a partly written row was taken back
};

// The wait before the next try: doubling from 50 ms to at most 2 s, each drawn between half and
// the whole of it so that writers that met once do not meet again.
std::uint32_t RetryWait(int attempt, IAppendClock& clock);

TableAppendOutcome AppendToSharedTable(ISharedTableFile& file, IAppendClock& clock, const TableRecord& record,
                                       char localeSeparator, std::uint32_t limitMilliseconds);

} // namespace Velkora
