#include "checked_at_instant.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

TEST(CheckedAtInstant, TheSameMomentInAnyZoneIsOneInstant) {
    const std::optional<std::int64_t> utc = ParseCheckedAtInstant("2026-12-01T08:00:00Z");
    ASSERT_TRUE(utc);
    EXPECT_EQ(*utc, 1796112000); // date -u -d 2026-12-01T08:00:00Z +%s
    EXPECT_EQ(ParseCheckedAtInstant("2026-12-01T09:00:00+01:00"), utc);
    EXPECT_EQ(ParseCheckedAtInstant("2026-12-01T02:30:00-05:30"), utc);
    EXPECT_EQ(ParseCheckedAtInstant("2026-12-02T00:00:00+16:00"), utc) << "across midnight";
    // A later clock reading in the east is an earlier moment.
    EXPECT_LT(*ParseCheckedAtInstant("2026-12-01T10:00:00+05:00"),
              *ParseCheckedAtInstant("2026-12-01T09:00:00+01:00"));
}

TEST(CheckedAtInstant, CalendarEdges) {
    EXPECT_EQ(ParseCheckedAtInstant("1970-01-01T00:00:00Z"), 0);
    EXPECT_EQ(ParseCheckedAtInstant("2024-02-29T00:00:00Z"), 1709164800);
    EXPECT_EQ(ParseCheckedAtInstant("2000-03-01T00:00:00Z"), 951868800);
    EXPECT_EQ(ParseCheckedAtInstant("1969-12-31T23:59:59Z"), -1);
}

TEST(CheckedAtInstant, RefusesWhatIsNotATimeOfARun) {
    for (const char* text :
         {"", "2026-12-01", "2026-12-01T08:00:00", "2026-12-01T08:00:00z", "2026-12-01 08:00:00Z",
          "2026-13-01T08:00:00Z", "2026-00-01T08:00:00Z", "2023-02-29T08:00:00Z", "2026-04-31T08:00:00Z",
          "2026-12-01T24:00:00Z", "2026-12-01T08:60:00Z", "2026-12-01T08:00:60Z", "2026-12-01T08:00:00+1:00",
          "2026-12-01T08:00:00+01:60", "2026-12-01T08:00:00*01:00", "2026-12-01T08:00:00+0100",
          "２026-12-01T08:00:00Z", "2026-12-01T08:00:00+01:00 "})
        EXPECT_FALSE(ParseCheckedAtInstant(text)) << text;
}

} // namespace
} // namespace Velkora
