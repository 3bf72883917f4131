#pragma once
// The checks of the run, on this machine.
#include <cstdint>
#include <memory>
#include <optional>

#include "check_suite.h"
#include "graphics_check_state.h"
#include "graphics_message_boxes.h"
#include "product_identity.h"
#include "text_source.h"

namespace Velkora {

struct CheckSuiteOptions {
    IMessageBoxes* boxes = nullptr;               // nullptr: real message boxes
    std::optional<std::int32_t> timeLimitSeconds; // for the diagnostics program; none: no limit
    std::optional<bool> verbose;                  // none: "-verbosevideo" anywhere on the command line
};

class CSystemCheckSuite : public ICheckSuite {
  public:
    // What the graphics side found, for the machine-readable result.
    virtual const GraphicsCheckState& GraphicsState() const = 0;
    virtual std::optional<std::int32_t> TimeLimitSeconds() const = 0;
    // Ends the diagnostics program with everything it started, and starts it no more: the user
    // cancelled the run. Safe to call from another thread than the run's.
    virtual void CancelGraphicsDiagnostics() = 0;
    // Starts the queries that write nothing (the operating system and adapter queries of WMI) so
    // that their answers are there when the run needs them; they may run while the licence shows.
    virtual void PrepareFacts() = 0;
};

std::unique_ptr<CSystemCheckSuite> CreateSystemCheckSuite(const ITextSource& texts,
                                                          const ProductIdentity& identity,
                                                          const CheckSuiteOptions& options = {});

} // namespace Velkora
