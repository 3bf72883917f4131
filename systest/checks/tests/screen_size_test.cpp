#include "hardware_checks.h"

#include <gtest/gtest.h>

#include "fake_text_source.h"

namespace Velkora {
namespace {

// A 1920 x 1080 laptop at 150 % and 175 % scaling: a DPI-unaware reading of the metrics gives
// 1280 x 720 and 1097 x 617; the display mode is the real size and the screen check is met.
TEST(ScreenSize, TheDisplayModeWinsOverScaledMetrics) {
    for (ScreenFacts scaled : {ScreenFacts{1280, 720}, ScreenFacts{1097, 617}, ScreenFacts{1920, 1080}}) {
        ScreenFacts real = RealScreenSize({1920, 1080}, scaled);
        EXPECT_EQ(real.width, 1920);
        EXPECT_EQ(real.height, 1080);
        CheckResult result;
        CheckScreen(FakeTextSource(), real, result);
        EXPECT_EQ(result.severity, kSeverityMet) << scaled.width;
    }
}

TEST(ScreenSize, MetricsWhenTheModeIsUnknown) {
    for (ScreenFacts unknown : {ScreenFacts{0, 0}, ScreenFacts{1920, 0}, ScreenFacts{-1, 1080}}) {
        ScreenFacts size = RealScreenSize(unknown, {1600, 900});
        EXPECT_EQ(size.width, 1600);
        EXPECT_EQ(size.height, 900);
    }
}

} // namespace
} // namespace Velkora
