#include "run_progress.h"

namespace Velkora {

StepProgress ProgressOf(RunStep step) {
    switch (step) {
    case RunStep::OperatingSystem:
        return {kTextStepOperatingSystem, 0};
    case RunStep::Processor:
        return {kTextStepProcessor, 10};
    case RunStep::Memory:
        return {kTextStepMemory, 15};
    case RunStep::DiskSpace:
        return {kTextStepDiskSpace, 20};
    case RunStep::Screen:
        return {kTextStepScreen, 25};
    case RunStep::Graphics:
        break;
    }
    return {kTextStepGraphics, 30};
}

} // namespace Velkora
