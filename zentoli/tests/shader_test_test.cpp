#include "shader_test.h"

#include <gtest/gtest.h>

#include "fake_shader_api.h"
#include "fake_shader_files.h"
#include "gl_extensions.h"
#include "log_text.h"
#include "string_log_sink.h"

namespace Zentoli {
namespace {

struct Bench {
    Bench() {
        for (const char* name :
             {"glCreateShaderObjectARB", "glShaderSourceARB", "glCompileShaderARB", "glLinkProgramARB"})
            entryPoints.Set(name, this);
    }
    bool Run(const std::wstring& directory = L"") {
        return TestShaders(directory, entryPoints, ShaderContext{api, files, log});
    }
    GlEntryPoints entryPoints;
    CFakeShaderApi api;
    CFakeShaderFiles files;
    CStringLogSink sink;
    CDiagLog log{sink};
};

TEST(TestShaders, BuildsBothProgramsAndReleasesEach) {
    Bench b;
    b.files.AddValidSet(L"C:\\shaders\\");
    EXPECT_TRUE(b.Run(L"C:\\shaders\\"));
    EXPECT_EQ(b.sink.text,
              Crlf("Compile shaders: C:\\shaders\\Lines.vert C:\\shaders\\Lines.frag\n"
                   "Compile shaders: C:\\shaders\\HiddenEdges.vert C:\\shaders\\HiddenEdges.frag\n"));
    std::vector<std::string> first(b.api.calls.begin(), b.api.calls.begin() + 17);
    EXPECT_EQ(first, (std::vector<std::string>{
                         "create vertex 1", "source 1", "compile 1", "create fragment 2", "source 2",
                         "compile 2", "program 3", "attach 3 1", "attach 3 2", "link 3", "validate 3",
                         "detach 3 2", "delete 2", "detach 3 1", "delete 1", "use 0", "delete 3"}));
    EXPECT_EQ(b.api.calls.size(), 34u);
}

TEST(TestShaders, MissingFragmentFileDeletesTheVertexShaderAndStops) {
    Bench b;
    b.files.AddValidSet();
    b.files.files.erase(L"Lines.frag");
    EXPECT_FALSE(b.Run());
    EXPECT_EQ(b.sink.text, Crlf("Compile shaders: Lines.vert Lines.frag\n"
                                "error: file Lines.frag was not found !!!\n"
                                "loading error of file: Lines.frag!\n"));
    EXPECT_EQ(b.api.calls,
              (std::vector<std::string>{"create vertex 1", "source 1", "compile 1", "delete 1"}));
    EXPECT_EQ(b.files.opened, (std::vector<std::wstring>{L"Lines.vert", L"Lines.frag"}));
}

TEST(TestShaders, NeedsTheFourCoreEntryPoints) {
    for (const char* name :
         {"glCreateShaderObjectARB", "glShaderSourceARB", "glCompileShaderARB", "glLinkProgramARB"}) {
        Bench b;
        b.files.AddValidSet();
        b.entryPoints.Set(name, nullptr);
        EXPECT_FALSE(b.Run()) << name;
        EXPECT_EQ(b.sink.text, "");
        EXPECT_TRUE(b.files.opened.empty());
    }
}

struct FailureCase {
    const char* name;
    const wchar_t* file;
    FakeFile content;
    const char* log; // after the first "Compile shaders" line
};

class ShaderFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(ShaderFailures, EndTheTestWithTheirLines) {
    const FailureCase& c = GetParam();
    Bench b;
    b.files.AddValidSet();
    b.files.files[c.file] = c.content;
    EXPECT_FALSE(b.Run());
    EXPECT_EQ(b.sink.text, Crlf(std::string("Compile shaders: Lines.vert Lines.frag\n") + c.log));
    for (const std::wstring& path : b.files.opened)
        EXPECT_EQ(path.find(L"HiddenEdges"), std::wstring::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShaderFailures,
    testing::Values(
        FailureCase{
            "Empty", L"Lines.vert", {"", std::nullopt, false}, "loading error of file: Lines.vert!\n"},
        FailureCase{
            "SizeFails", L"Lines.vert", {"x", std::nullopt, true}, "loading error of file: Lines.vert!\n"},
        // A size whose + 1 would wrap, and a size the file does not hold: never a crash, never half a shader.
        FailureCase{
            "SizeWraps", L"Lines.vert", {"x", 0xFFFFFFFFull, false}, "loading error of file: Lines.vert!\n"},
        FailureCase{"Huge", L"Lines.vert", {"x", 1ull << 40, false}, "loading error of file: Lines.vert!\n"},
        FailureCase{"ShortRead",
                    L"Lines.frag",
                    {"void main() {}", 100, false},
                    "loading error of file: Lines.frag!\n"},
        FailureCase{"CompileError",
                    L"Lines.frag",
                    {"BROKEN", std::nullopt, false},
                    "compiler error:\n0:1(1): error: syntax error, unexpected BROKEN\n"},
        FailureCase{"LinkError",
                    L"Lines.vert",
                    {"NOLINK", std::nullopt, false},
                    "linker error:\n0:1(1): error: syntax error, unexpected BROKEN\n"},
        FailureCase{"ValidationError",
                    L"Lines.frag",
                    {"NOVALIDATE", std::nullopt, false},
                    "program validation error:\n0:1(1): error: syntax error, unexpected BROKEN\n"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(TestShaders, SecondProgramFailingAfterTheFirstBuilt) {
    Bench b;
    b.files.AddValidSet(L"dir/");
    b.files.files.erase(L"dir/HiddenEdges.vert");
    EXPECT_FALSE(b.Run(L"dir/"));
    EXPECT_EQ(b.sink.text, Crlf("Compile shaders: dir/Lines.vert dir/Lines.frag\n"
                                "Compile shaders: dir/HiddenEdges.vert dir/HiddenEdges.frag\n"
                                "error: file dir/HiddenEdges.vert was not found !!!\n"
                                "loading error of file: dir/HiddenEdges.vert!\n"));
}

TEST(TestShaders, ByteOrderMarkReachesTheCompilerUnchanged) {
    Bench b;
    b.files.AddValidSet();
    b.files.files[L"Lines.vert"].bytes = "\xEF\xBB\xBFvoid main() {}";
    std::optional<std::string> text = ReadShaderFile(L"Lines.vert", b.files, b.log);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "\xEF\xBB\xBFvoid main() {}");
}

TEST(TestShaders, LongInformationLogIsCutAtTheMaximum) {
    Bench b;
    b.files.AddValidSet();
    b.files.files[L"Lines.vert"].bytes = "BROKEN";
    b.api.infoLog = std::string(5000, 'e');
    EXPECT_FALSE(b.Run());
    EXPECT_NE(b.sink.text.find("compiler error:\r\n" + std::string(999, 'e') + "\r\n"), std::string::npos);
}

TEST(CompileShader, RefusesAnOccupiedSlotOrNoPathAndAPathTooLongForItsBuffer) {
    Bench b;
    b.files.AddValidSet();
    ShaderContext context{b.api, b.files, b.log};
    ShaderSlot occupied{7, kGlVertexShader};
    EXPECT_FALSE(CompileShader(occupied, L"Lines.vert", context));
    ShaderSlot empty{0, kGlVertexShader};
    EXPECT_FALSE(CompileShader(empty, L"", context));
    EXPECT_TRUE(b.api.calls.empty());
    std::wstring longPath = std::wstring(255, L'd') + L"Lines.vert";
    b.files.files[longPath] = {"void main() {}", std::nullopt, false};
    EXPECT_FALSE(CompileShader(empty, longPath, context));
    EXPECT_TRUE(b.files.opened.empty());
    EXPECT_NE(b.sink.text.find("was not found"), std::string::npos);
}

TEST(ReleaseProgram, DoesNothingWithoutAProgram) {
    CFakeShaderApi api;
    ShaderProgram record;
    record.vertexShader.handle = 4;
    ReleaseProgram(record, api);
    EXPECT_TRUE(api.calls.empty());
    EXPECT_EQ(record.vertexShader.handle, 4u);
}

} // namespace
} // namespace Zentoli
