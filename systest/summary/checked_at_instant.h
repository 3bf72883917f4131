#pragma once
// The moment a run was made, from the local time and offset its document or table row gives
// ("2026-12-01T09:30:00+01:00", or "Z" at UTC), so that runs in different time zones compare.
#include <cstdint>
#include <optional>
#include <string_view>

namespace Velkora {

// Seconds since 1970-01-01T00:00:00Z; nothing when the text is not such a time (or names a day
// the calendar does not have).
std::optional<std::int64_t> ParseCheckedAtInstant(std::string_view text);

} // namespace Velkora
