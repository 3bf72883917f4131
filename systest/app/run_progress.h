#pragma once
// What the progress window shows for each step of a run: the step's text and how far along the
// bar stands as it begins. The graphics step waits for the diagnostics program and takes longest.
#include "check_run.h"
#include "text_ids.h"

namespace Velkora {

// The progress window shows only when the checks take longer than this.
inline constexpr unsigned kProgressDelayMilliseconds = 500;
inline constexpr int kProgressRange = 100;

struct StepProgress {
    TextId text;
    int position; // of kProgressRange, as the step begins
};

StepProgress ProgressOf(RunStep step);

} // namespace Velkora
