#pragma once
// A log sink that keeps what was written.
#include <string>

#include "diag_log.h"

namespace Zentoli {

class CStringLogSink : public ILogSink {
  public:
    void Write(std::string_view bytes) override { text += bytes; }
    std::string text;
};

} // namespace Zentoli
