#pragma once
// The adapter check before OpenGL is touched and the driver-date verdict after the version is known.
#include "adapter_table.h"
#include "diag_log.h"
#include "diag_settings.h"
#include "diagnostics_exit_code.h"
#include "gl_vendor.h"

namespace Zentoli {

// What CheckAdapters found; the negative values end the run.
inline constexpr int kNoActiveAdapter = -1;
inline constexpr int kAdaptersNotIdentical = -2;
inline constexpr int kTooLittleMemory = -3;
inline constexpr int kSingleIntelAdapter = 0; // memory not examined: it shares the system's
inline constexpr int kAdaptersFine = 1;

// Fills the table and returns one of the values above.
[[nodiscard]] int CheckAdapters(AdapterTable& table, IAdapterPlatform& platform, const DiagSettings& settings,
                                CDiagLog& log);

// The verdict on the active adapter's driver date: kNotSupported (no active adapter), kNotExamined
// (Intel not qualified), kOldDriver (older than required), kSupported or kSupportedGl42.
[[nodiscard]] Velkora::DiagnosticsVerdict CheckDriverDate(const AdapterTable& table, bool gl42,
                                                          GlVendor vendor, const DiagSettings& settings,
                                                          CDiagLog& log);

} // namespace Zentoli
