#pragma once
// Reads the platform facts of the operating system and hardware checks, at the moment asked.
#include <windows.h>

#include <cstdint>

#include "hardware_facts.h"

namespace Velkora {

OSSupportFacts ReadOSSupportFacts();
ProcessorFacts ReadProcessorFacts();
MemoryFacts ReadMemoryFacts();
DriveTable ReadDriveTable();
ScreenFacts ReadScreenFacts();

// Free bytes of a drive (total free, not only what the caller may use), 0 on failure.
// GetDiskFreeSpaceExW is looked up at run time; without it the cluster counts are used.
std::int64_t GetDriveFreeBytes(const wchar_t* root);

using GetDiskFreeSpaceExFn = decltype(&GetDiskFreeSpaceExW);
// The same with the looked-up function given; nullptr takes the fall-back.
std::int64_t GetDriveFreeBytesWith(GetDiskFreeSpaceExFn getDiskFreeSpaceEx, const wchar_t* root);

} // namespace Velkora
