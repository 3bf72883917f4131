#include "desktop_session.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

struct DesktopCase {
    const char* name;
    WindowStationVisibility station;
    std::optional<std::uint32_t> sessionId;
    bool desktop;
};

class HasUserDesktopTest : public testing::TestWithParam<DesktopCase> {};

TEST_P(HasUserDesktopTest, ByStationAndSession) {
    const DesktopCase& c = GetParam();
    EXPECT_EQ(HasUserDesktop(DesktopSessionFacts{c.station, c.sessionId}), c.desktop);
}

using V = WindowStationVisibility;
INSTANTIATE_TEST_SUITE_P(
    Cases, HasUserDesktopTest,
    testing::Values(DesktopCase{"UserSession", V::kVisible, 1u, true},
                    DesktopCase{"SecondUserSession", V::kVisible, 7u, true},
                    DesktopCase{"ServiceSession", V::kNotVisible, 0u, false},
                    // A visible station in session 0: the console of Windows XP and Server 2003,
                    // where services could still show windows; OpenGL there is software only too.
                    DesktopCase{"VisibleStationInSessionZero", V::kVisible, 0u, false},
                    // A service in a user's session (a station of its own, not visible).
                    DesktopCase{"HiddenStationInUserSession", V::kNotVisible, 2u, false},
                    DesktopCase{"StationUnknownUserSession", V::kUnknown, 1u, true},
                    DesktopCase{"StationUnknownSessionZero", V::kUnknown, 0u, false},
                    DesktopCase{"HiddenStationSessionUnknown", V::kNotVisible, std::nullopt, false},
                    DesktopCase{"VisibleStationSessionUnknown", V::kVisible, std::nullopt, true},
                    DesktopCase{"NothingKnown", V::kUnknown, std::nullopt, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace Velkora
