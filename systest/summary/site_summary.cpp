#include "site_summary.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace Velkora {
namespace {

// Computer names are the same in any letter case (Windows keeps them in capitals).
std::string MachineKey(const std::string& name) {
    std::string key = name;
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return key;
}

int CountVerdict(const MachineResult& machine, Verdict verdict) {
    return static_cast<int>(std::count_if(machine.checks.begin(), machine.checks.end(),
                                          [&](const CheckOutcome& c) { return c.verdict == verdict; }));
}

// The order of the list of machines that need attention.
bool WorseFirst(const MachineResult* a, const MachineResult* b) {
    const int aNotMet = CountVerdict(*a, Verdict::kNotMet), bNotMet = CountVerdict(*b, Verdict::kNotMet);
    const int aWarned = CountVerdict(*a, Verdict::kWarning), bWarned = CountVerdict(*b, Verdict::kWarning);
    const std::size_t name = TableColumn(kFirstTableColumn);
    return std::make_tuple(a->state, -aNotMet, -aWarned, MachineKey(a->Cell(name))) <
           std::make_tuple(b->state, -bNotMet, -bWarned, MachineKey(b->Cell(name)));
}

// Version texts ordered by their numbers, so that "1.10" comes after "1.9".
bool VersionBefore(const std::string& a, const std::string& b) {
    auto parts = [](const std::string& v) {
        std::vector<long long> numbers;
        long long n = 0;
        bool digits = false;
        for (char c : v) {
            if (c >= '0' && c <= '9' && n < 100000000) {
                n = n * 10 + (c - '0');
                digits = true;
            } else if (c == '.') {
                numbers.push_back(digits ? n : -1);
                n = 0;
                digits = false;
            }
        }
        numbers.push_back(digits ? n : -1);
        return numbers;
    };
    const auto pa = parts(a), pb = parts(b);
    return pa != pb ? pa < pb : a < b;
}

} // namespace

Verdict GraphicsVerdictOf(const MachineResult& machine) {
    Verdict worst = Verdict::kMet;
    bool any = false;
    for (const CheckOutcome& check : machine.checks) {
        if (check.id != CheckIdName(CheckId::kGraphicsCard) &&
            check.id != CheckIdName(CheckId::kGraphicsDriver))
            continue;
        any = true;
        worst = std::min(worst, check.verdict);
    }
    return any ? worst : Verdict::kUnknown;
}

void CSiteSummary::Add(MachineResult result) {
    const std::string key = MachineKey(result.Cell(TableColumn(kFirstTableColumn)));
    auto [found, added] = machineByName.emplace(key, machines.size());
    if (added) {
        machines.push_back(std::move(result));
    } else if (result.instant >= machines[found->second].instant) {
        machines[found->second] = std::move(result);
    }
}

SiteFigures CSiteSummary::Figures() const {
    SiteFigures figures;
    figures.machines = static_cast<int>(machines.size());
    figures.skipped = &skippedInputs;

    std::vector<std::string> checkOrder;
    for (CheckId id : kAllCheckIds)
        checkOrder.emplace_back(CheckIdName(id));
    std::map<std::string, CheckBar> bars;
    std::map<std::tuple<std::string, std::string, Verdict>, int> graphics;
    std::map<std::string, int> versions;
    const std::size_t captionColumn = TableColumn("graphicsAdapter");
    const std::size_t driverColumn = TableColumn("driverVersion");
    const std::size_t versionColumn = TableColumn("checkerVersion");

    for (const MachineResult& machine : machines) {
        ++figures.byState[static_cast<int>(machine.state)];
        if (machine.state != MachineState::kReady)
            figures.attention.push_back(&machine);
        std::map<std::string_view, Verdict> worst;
        for (const CheckOutcome& check : machine.checks) {
            auto [it, added] = worst.emplace(check.id, check.verdict);
            if (!added)
                it->second = std::min(it->second, check.verdict);
        }
        for (const auto& [id, verdict] : worst) {
            if (verdict != Verdict::kNotMet && verdict != Verdict::kWarning)
                continue;
            CheckBar& bar = bars[std::string(id)];
            bar.id = id;
            (verdict == Verdict::kNotMet ? bar.failed : bar.warned) += 1;
            if (std::find(checkOrder.begin(), checkOrder.end(), id) == checkOrder.end())
                checkOrder.emplace_back(id);
        }
        ++graphics[{machine.Cell(captionColumn), machine.Cell(driverColumn), GraphicsVerdictOf(machine)}];
        ++versions[machine.Cell(versionColumn)];
    }

    for (const std::string& id : checkOrder)
        if (auto found = bars.find(id); found != bars.end())
            figures.bars.push_back(found->second);
    std::stable_sort(figures.attention.begin(), figures.attention.end(), WorseFirst);
    for (const auto& [key, count] : graphics)
        figures.graphics.push_back({std::get<0>(key), std::get<1>(key), std::get<2>(key), count});
    std::stable_sort(figures.graphics.begin(), figures.graphics.end(),
                     [](const GraphicsGroup& a, const GraphicsGroup& b) { return a.machines > b.machines; });
    for (const auto& [version, count] : versions)
        figures.versions.push_back({version, count});
    std::sort(
        figures.versions.begin(), figures.versions.end(),
        [](const VersionCount& a, const VersionCount& b) { return VersionBefore(b.version, a.version); });
    return figures;
}

} // namespace Velkora
