// Many writers, one table: a held file is tried again after growing waits until the time limit,
// and a row that could not be written whole is taken back.
#include "shared_table_append.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

class CFakeTableFile : public ISharedTableFile {
  public:
    std::string content;
    int heldFor = 0; // opens that find the file held by another writer
    bool openFails = false;
    std::size_t writesOnly = ~std::size_t{0}; // an append that stops after this many bytes
    int opens = 0;
    bool open = false;

    OpenResult Open() override {
        ++opens;
        if (openFails)
            return OpenResult::kFailed;
        if (heldFor > 0) {
            --heldFor;
            return OpenResult::kHeld;
        }
        open = true;
        return OpenResult::kOpened;
    }
    std::optional<std::uint64_t> Size() override { return content.size(); }
    std::optional<std::string> Read(std::uint64_t offset, std::uint32_t length) override {
        return content.substr(offset, length);
    }
    bool Append(const std::string& bytes) override {
        EXPECT_TRUE(open) << "written while not held";
        content += bytes.substr(0, writesOnly);
        return bytes.size() <= writesOnly;
    }
    bool CutTo(std::uint64_t size) override {
        content.resize(size);
        return true;
    }
    void Close() override { open = false; }
};

class CFakeClock : public IAppendClock {
  public:
    std::uint64_t now = 0;
    std::vector<std::uint32_t> sleeps;
    std::uint64_t NowMilliseconds() override { return now; }
    void Sleep(std::uint32_t milliseconds) override {
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }
    std::uint32_t Random(std::uint32_t bound) override { return bound - 1; } // the longest wait
};

const TableRecord kRecord{{"computerName", {"WS-1", false}}};
const std::string kTable = "computerName\r\nWS-0\r\n";

TEST(SharedTableAppend, AHeldFileGetsTheRowOnceFreed) {
    CFakeTableFile file;
    file.content = kTable;
    file.heldFor = 5;
    CFakeClock clock;
    EXPECT_EQ(AppendToSharedTable(file, clock, kRecord, ',', 60000), TableAppendOutcome::kWritten);
    EXPECT_EQ(file.content, kTable + "WS-1\r\n");
    EXPECT_EQ(file.opens, 6);
    EXPECT_EQ(clock.sleeps, (std::vector<std::uint32_t>{50, 100, 200, 400, 800})) << "waits that grow";
    EXPECT_FALSE(file.open) << "closed again";
}

TEST(SharedTableAppend, AFileHeldPastTheLimitIsLeftAsItWas) {
    CFakeTableFile file;
    file.content = kTable;
    file.heldFor = 1000000;
    CFakeClock clock;
    EXPECT_EQ(AppendToSharedTable(file, clock, kRecord, ',', 10000), TableAppendOutcome::kHeld);
    EXPECT_EQ(file.content, kTable);
    EXPECT_EQ(clock.now, 10000u) << "waited exactly to the limit";
    for (std::uint32_t wait : clock.sleeps)
        EXPECT_LE(wait, 2000u) << "no wait longer than two seconds";
}

TEST(SharedTableAppend, WaitsAreJitteredBetweenHalfAndWhole) {
    struct CLowClock : CFakeClock {
        std::uint32_t Random(std::uint32_t) override { return 0; }
    } low;
    CFakeClock high;
    const struct {
        int attempt;
        std::uint32_t shortest, longest;
    } cases[] = {{0, 25, 50}, {1, 50, 100}, {3, 200, 400}, {6, 1000, 2000}, {30, 1000, 2000}};
    for (const auto& c : cases) {
        EXPECT_EQ(RetryWait(c.attempt, low), c.shortest) << c.attempt;
        EXPECT_EQ(RetryWait(c.attempt, high), c.longest) << c.attempt;
    }
}

TEST(SharedTableAppend, ARowNotWrittenWholeIsTakenBack) {
    CFakeTableFile file;
    file.content = kTable;
    file.writesOnly = 3;
    CFakeClock clock;
    EXPECT_EQ(AppendToSharedTable(file, clock, kRecord, ',', 60000), TableAppendOutcome::kFailed);
    EXPECT_EQ(file.content, kTable);
}

TEST(SharedTableAppend, AFileNotOursOrNotOpenedIsLeftAlone) {
    CFakeTableFile foreign;
    foreign.content = "name,age\r\nx,1\r\n";
    CFakeClock clock;
    EXPECT_EQ(AppendToSharedTable(foreign, clock, kRecord, ',', 60000), TableAppendOutcome::kNotOurs);
    EXPECT_EQ(foreign.content, "name,age\r\nx,1\r\n");

    CFakeTableFile unopened;
    unopened.openFails = true;
    EXPECT_EQ(AppendToSharedTable(unopened, clock, kRecord, ',', 60000), TableAppendOutcome::kFailed);
    EXPECT_TRUE(clock.sleeps.empty()) << "only a held file is tried again";
}

} // namespace
} // namespace Velkora
