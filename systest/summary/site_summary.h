#pragma once
// The results of a site gathered into what its overview shows: every machine once, with its
// latest run, and the figures of the site drawn from those runs.
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "machine_result.h"
#include "skipped_input.h"

namespace Velkora {

struct CheckBar {
    std::string id;
    int failed = 0; // machines with a row of the check that is not met
    int warned = 0; // machines with a warning row of it and none not met
};

struct GraphicsGroup {
    std::string caption;
    std::string driverVersion;
    Verdict verdict = Verdict::kUnknown; // the worse of the card's and the driver's rows
    int machines = 0;
};

struct VersionCount {
    std::string version;
    int machines = 0;
};

struct SiteFigures {
    int machines = 0;
    std::array<int, 4> byState{};                // indexed by MachineState
    std::vector<CheckBar> bars;                  // the checks in the table's order, then ids it does not know
    std::vector<const MachineResult*> attention; // not ready, not judged, warnings; worst first
    std::vector<GraphicsGroup> graphics;         // most machines first
    std::vector<VersionCount> versions;          // newest version first
    const std::vector<SkippedInput>* skipped = nullptr;

    int Count(MachineState state) const { return byState[static_cast<int>(state)]; }
};

class CSiteSummary {
  public:
    // A run; it replaces the machine's earlier run, and is dropped when the machine has a later
    // one. Runs at the same instant: the one added last counts.
    void Add(MachineResult result);
    void Skip(SkippedInput skipped) { skippedInputs.push_back(std::move(skipped)); }

    // Valid as long as the summary is, and not changed by it.
    SiteFigures Figures() const;
    const std::vector<MachineResult>& Machines() const { return machines; }
    const std::vector<SkippedInput>& Skipped() const { return skippedInputs; }

  private:
    std::vector<MachineResult> machines;
    std::unordered_map<std::string, std::size_t> machineByName; // the name in capitals
    std::vector<SkippedInput> skippedInputs;
};

// The verdict on a machine's graphics: the worst of its card's and its driver's rows; unknown when
// it has neither.
Verdict GraphicsVerdictOf(const MachineResult& machine);

} // namespace Velkora
