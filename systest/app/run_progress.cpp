#include "run_progress.h"

namespace Velkora {

StepProgress ProgressOf(RunStep step) {
    switch (step) {
    case RunStep::kOperatingSystem:
        return {kTextStepOperatingSystem, 0};
    case RunStep::kProcessor:
        return {kTextStepProcessor, 10};
    case RunStep::kMemory:
        return {kTextStepMemory, 15};
    case RunStep::kDiskSpace:
        return {kTextStepDiskSpace, 20};
    case RunStep::kScreen:
        return {kTextStepScreen, 25};
    case RunStep::kGraphics:
        break;
    }
    return {kTextStepGraphics, 30};
}

} // namespace Velkora
