#pragma once
// Driver version and date texts as WMI, the registry and the card list give them.
#include <cstdint>
#include <string_view>

#include "graphics_adapter_info.h"

namespace Velkora {

// Splits "a.b.c.d" ('-' counts as '.') into parts; 1.2.3 reads as 1.2.0.0. False when the
// text has no '.' or nothing after its first, or no second '.' (the parts read so far stay).
// The registry writes the second part in tenths: below 100 it is multiplied by 10.
[[nodiscard]] bool ParseDriverVersion(std::wstring_view text, bool fromRegistry, DriverVersionParts& version);

// A date yyyymmdd of exactly 8 digits, year 2000..3000, month 1..12, day 1..31.
// value is the date, or 0 when the text is not one.
[[nodiscard]] bool ParseDriverDate(std::wstring_view text, std::uint32_t& value);

// NVIDIA captions: a.b.c.d becomes ((c mod 10) * 100 + d / 100).(d mod 100).0.0.
void RenumberNvidiaVersion(std::wstring_view caption, DriverVersionParts& version);

// The number at the start of a text as the C library reads it: white space, an optional sign,
// decimal digits; 0 without digits. Saturates at the limits of 32 bits instead of overflowing.
std::int32_t LeadingNumber(std::wstring_view text);

} // namespace Velkora
