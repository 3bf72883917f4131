#include "list_slide.h"

#include <gtest/gtest.h>

#include <vector>

namespace Velkora {
namespace {

// The remaining distance of every frame, the first frame included.
std::vector<int> Frames(int rows, int rowHeight) {
    CSlide slide;
    std::vector<int> frames;
    if (!slide.Start(rows, rowHeight))
        return frames;
    do {
        frames.push_back(slide.Remaining());
        if (frames.size() > 10000)
            break;
    } while (slide.Advance());
    return frames;
}

// Frames of the big steps: those before the remaining distance reaches n.
int MainSteps(const std::vector<int>& frames, int n) {
    int count = 0;
    for (std::size_t i = 1; i < frames.size(); ++i)
        count += frames[i - 1] > n;
    return count;
}

TEST(Slide, TenRowsTakeEightMainStepsThenSinglePixels) {
    std::vector<int> frames = Frames(10, 19);
    EXPECT_EQ(frames, (std::vector<int>{190, 168, 146, 124, 102, 80, 58, 36, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
}

struct SlideCase {
    int rows, rowHeight;
    int n;
};

class SlideTest : public testing::TestWithParam<SlideCase> {};

TEST_P(SlideTest, FourToEightMainStepsAndAnEnd) {
    const SlideCase& c = GetParam();
    std::vector<int> frames = Frames(c.rows, c.rowHeight);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front(), std::abs(c.rows) * c.rowHeight);
    EXPECT_EQ(frames.back(), 0);
    EXPECT_LT(frames.size(), 10000u) << "the slide must end";
    int main = MainSteps(frames, c.n);
    EXPECT_LE(main, 8);
    if (c.rowHeight >= 4) {
        EXPECT_GE(main, 4);
    }
    for (std::size_t i = 1; i < frames.size(); ++i)
        EXPECT_LT(frames[i], frames[i - 1]) << "always towards the new position";
}

INSTANTIATE_TEST_SUITE_P(Cases, SlideTest,
                         testing::Values(SlideCase{1, 19, 4}, SlideCase{-1, 19, 4}, SlideCase{3, 19, 4},
                                         SlideCase{5, 19, 5}, SlideCase{8, 22, 8}, SlideCase{-9, 19, 8},
                                         SlideCase{1000, 19, 8},
                                         // tiny rows: at least a pixel per step, the slide still ends
                                         SlideCase{10, 1, 8}, SlideCase{4, 1, 4}));

TEST(Slide, NothingToSlide) {
    CSlide slide;
    EXPECT_FALSE(slide.Start(0, 19));
    EXPECT_FALSE(slide.Running());
    EXPECT_FALSE(slide.Advance());
    EXPECT_FALSE(slide.Start(3, 0));
}

} // namespace
} // namespace Velkora
