#include "diag_log.h"

#include <gtest/gtest.h>

#include "string_log_sink.h"

namespace Zentoli {
namespace {

TEST(DiagLog, WideFormatsTakeWideAndNarrowTextsAndNumbers) {
    EXPECT_EQ(FormatLogWide(L"%s = %s\n", {L"version", L"7"}), "version = 7\n");
    EXPECT_EQ(FormatLogWide(L"Vendor : %S\n", {"Mesa/X.org"}), "Vendor : Mesa/X.org\n");
    EXPECT_EQ(FormatLogWide(L"%d active video adapters were found.\n", {-1}),
              "-1 active video adapters were found.\n");
    EXPECT_EQ(FormatLogWide(L"_%02d%02d.", {9, 7}), "_0907.");
    EXPECT_EQ(FormatLogWide(L"%05d|%3d|%d%%", {-5, 4, 100}), "-0005|  4|100%");
    EXPECT_EQ(FormatLogNarrow("OpenGL extension: %s is not supported !\n", {"GL_EXT_framebuffer_blit"}),
              "OpenGL extension: GL_EXT_framebuffer_blit is not supported !\n");
}

TEST(DiagLog, ConversionsWithoutAFittingArgumentStayAsWritten) {
    EXPECT_EQ(FormatLogWide(L"a %s b %d c", {}), "a %s b %d c");
    EXPECT_EQ(FormatLogWide(L"%d and %s", {L"text", 3}), "%d and %s");
    EXPECT_EQ(FormatLogNarrow("%x %", {1}), "%x %");
    EXPECT_EQ(FormatLogWide(L"%S", {static_cast<const char*>(nullptr)}), "");
}

TEST(DiagLog, WideTextIsNarrowedOneUnitAtATime) {
    EXPECT_EQ(NarrowForLog(L"caf\u00e9 \u00ff"), "caf\xe9 \xff");
    EXPECT_EQ(NarrowForLog(L"GPU \u4e2d\u6587"), "GPU ??");
    EXPECT_EQ(FormatLogWide(L"caption: %s \n", {std::wstring(L"radeon\u2122")}), "caption: radeon? \n");
}

TEST(DiagLog, EveryLineEndGoesOutAsCrLf) {
    CStringLogSink sink;
    CDiagLog log(sink);
    log.LogWide(L"\nSupported:\n%S\n", {"a\nb"});
    log.LogNarrow("%s\n", {"x"});
    EXPECT_EQ(sink.text, "\r\nSupported:\r\na\r\nb\r\nx\r\n");
}

} // namespace
} // namespace Zentoli
