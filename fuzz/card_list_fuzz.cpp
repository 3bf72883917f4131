// The graphics card list against an adapter made of the input: caption, device ID, driver
// version and date texts on the first four lines, list lines after them. Runs the scan with
// the verbose boxes (which format the comparison trace) and every step of a match on each line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "card_list.h"
#include "fuzz_input.h"
#include "graphics_driver_version.h"
#include "graphics_fakes.h"

using namespace Velkora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    const std::uint8_t mode = input.TakeByte();
    GraphicsAdapterInfo info;
    info.caption = input.TakeWideLine();
    info.pnpDeviceId = input.TakeWideLine();
    // Whatever the parsers leave is an adapter the card list must cope with, failed parse or not.
    (void)ParseDriverVersion(input.TakeWideLine(), (mode & 1) != 0, info.driverVersion);
    RenumberNvidiaVersion(info.caption, info.driverVersion);
    (void)ParseDriverDate(input.TakeWideLine(), info.driverDate);
    std::vector<std::wstring> lines;
    while (!input.Empty())
        lines.push_back(input.TakeWideLine());

    for (const std::wstring& line : lines) {
        CardListEntry entry;
        bool versionNotOlder = false, dateNotOlder = false;
        const std::int32_t outcome = MatchCardListEntry(info, line, entry, versionNotOlder, dateNotOlder);
        if (outcome != kCardListNotAnEntry && outcome != kCardListOtherAdapter &&
            outcome != kCardListThisAdapter)
            std::abort();
        if (outcome != kCardListNotAnEntry) {
            if (CardListComparisonTrace(info.driverVersion, entry.version).rfind(L"GC:", 0) != 0)
                std::abort();
        }
    }
    FakeMessageBoxes boxes;
    FakeCardListLines scanned(lines, (mode & 2) != 0);
    const CardListMatch match = ScanCardList(info, &scanned, (mode & 4) ? &boxes : nullptr);
    // A list whose reading failed decides nothing, unless a met "CD" entry ended the scan before.
    if ((mode & 2) && !match.code.empty() && match.code != L"CD")
        std::abort();
    for (const ShownBox& box : boxes.shown) {
        if (box.narrow && box.text.size() > 499)
            std::abort();
    }
    return 0;
}
