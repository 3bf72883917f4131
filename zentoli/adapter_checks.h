#pragma once
// The adapter check before OpenGL is touched and the driver-date verdict after the version is known.
#include "adapter_table.h"
#include "diag_log.h"
#include "diag_settings.h"
#include "gl_vendor.h"

namespace Zentoli {

// Fills the table and returns -1 (no active adapter), -2 (adapters not identical), -3 (too little
// memory), 0 (one active adapter, an Intel one) or 1 (adapters fine).
int CheckAdapters(AdapterTable& table, IAdapterPlatform& platform, const DiagSettings& settings,
                  CDiagLog& log);

// The verdict on the active adapter's driver date: 0 (no active adapter), 1 (Intel not
// qualified), 2 (driver older than required), 3 (OpenGL 3.3 level) or 11 (OpenGL 4.2 level).
int CheckDriverDate(const AdapterTable& table, bool gl42, GlVendor vendor, const DiagSettings& settings,
                    CDiagLog& log);

} // namespace Zentoli
