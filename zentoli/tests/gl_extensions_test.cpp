#include "gl_extensions.h"

#include <gtest/gtest.h>

#include "fake_gl_device.h"
#include "log_text.h"
#include "string_log_sink.h"

namespace Zentoli {
namespace {

std::string Without(std::string text, const std::string& name) {
    std::size_t at = text.find(name);
    text.erase(at, name.size());
    return text;
}

struct GroupCase {
    const char* name;
    std::string extensions;
    std::set<std::string> missingProcs;
    int result;
    std::string missingLines;
};

class ExtensionGroups : public testing::TestWithParam<GroupCase> {};

TEST_P(ExtensionGroups, GiveResultAndMissingLinesInTableOrder) {
    const GroupCase& c = GetParam();
    CFakeGlDevice gl;
    gl.strings[kGlExtensions] = c.extensions;
    gl.missingProcs = c.missingProcs;
    GlEntryPoints entryPoints;
    CStringLogSink sink;
    CDiagLog log(sink);
    EXPECT_EQ(LoadGlExtensions(kQuietly, gl, entryPoints, log), c.result);
    EXPECT_EQ(sink.text, "");
    EXPECT_EQ(LoadGlExtensions(kListExtensions, gl, entryPoints, log), c.result);
    std::string tail = c.missingLines.empty() ? "" : sink.text.substr(sink.text.find("OpenGL extension: "));
    EXPECT_EQ(tail, Crlf(c.missingLines));
}

const std::string kAll = kAllGroupExtensions;

INSTANTIATE_TEST_SUITE_P(
    Table, ExtensionGroups,
    testing::Values(
        GroupCase{"All", kAll, {}, 1, ""},
        GroupCase{"NoBlit",
                  Without(kAll, " GL_EXT_framebuffer_blit"),
                  {},
                  2,
                  "OpenGL extension: GL_EXT_framebuffer_blit is not supported !\n"},
        GroupCase{"NoOcclusionNoMultisample",
                  Without(Without(kAll, "GL_ARB_occlusion_query "), "GL_EXT_framebuffer_multisample "),
                  {},
                  0,
                  "OpenGL extension: GL_ARB_occlusion_query is not supported !\n"
                  "OpenGL extension: GL_EXT_framebuffer_multisample is not supported !\n"},
        GroupCase{"NoBlendFuncSeparateHasNoLine", kAll, {"glBlendFuncSeparate"}, 0, ""},
        // Present groups with null entry points are not tested.
        GroupCase{"NullEntryInPresentGroup", kAll, {"glGetHandleARB", "glBlitFramebufferEXT"}, 1, ""},
        // A longer name that contains a group's name counts for it.
        GroupCase{
            "SubstringCounts",
            "GL_ARB_multitexture_x GL_ARB_shader_objects GL_ARB_occlusion_query2 GL_ARB_vertex_buffer_object "
            "GL_EXT_framebuffer_object GL_EXT_framebuffer_multisample_blit_scaled",
            {},
            2,
            "OpenGL extension: GL_EXT_framebuffer_blit is not supported !\n"}),
    [](const testing::TestParamInfo<GroupCase>& info) { return info.param.name; });

TEST(LoadGlExtensions, ListsEveryNameOnceWithoutEmptyLines) {
    CFakeGlDevice gl;
    gl.strings[kGlExtensions] = "  GL_ARB_multitexture   GL_ARB_shader_objects GL_X  ";
    GlEntryPoints entryPoints;
    CStringLogSink sink;
    CDiagLog log(sink);
    EXPECT_EQ(LoadGlExtensions(kListExtensions, gl, entryPoints, log), 0);
    EXPECT_EQ(sink.text, Crlf("\nSupported OpenGL extensions :\n-------------------------\n"
                              "GL_ARB_multitexture\nGL_ARB_shader_objects\nGL_X\n"
                              "OpenGL extension: GL_ARB_occlusion_query is not supported !\n"
                              "OpenGL extension: GL_ARB_vertex_buffer_object is not supported !\n"
                              "OpenGL extension: GL_EXT_framebuffer_object is not supported !\n"
                              "OpenGL extension: GL_EXT_framebuffer_multisample is not supported !\n"
                              "OpenGL extension: GL_EXT_framebuffer_blit is not supported !\n"));
    EXPECT_EQ(entryPoints.extensions, gl.strings[kGlExtensions]);
}

TEST(LoadGlExtensions, ResolvesGroupsInTableOrderWithBlendFuncSeparateAfterMultitexture) {
    CFakeGlDevice gl;
    GlEntryPoints entryPoints;
    CStringLogSink sink;
    CDiagLog log(sink);
    ASSERT_EQ(LoadGlExtensions(kListExtensions, gl, entryPoints, log), 1);
    ASSERT_EQ(gl.resolved.size(), 4u + 1 + 37 + 8 + 6 + 17 + 1 + 1);
    EXPECT_EQ(gl.resolved[3], "glMultiTexCoord4f");
    EXPECT_EQ(gl.resolved[4], "glBlendFuncSeparate");
    EXPECT_EQ(gl.resolved[5], "glDeleteObjectARB");
    EXPECT_EQ(gl.resolved.back(), "glBlitFramebufferEXT");
    EXPECT_NE(entryPoints.Find("glCreateShaderObjectARB"), nullptr);
    EXPECT_NE(entryPoints.Find("glGenQueries"), nullptr);
    EXPECT_EQ(entryPoints.Find("glNotThere"), nullptr);
}

TEST(LoadGlExtensions, NullExtensionStringCountsEveryGroupMissing) {
    CFakeGlDevice gl;
    gl.nullStrings.insert(kGlExtensions);
    GlEntryPoints entryPoints;
    CStringLogSink sink;
    CDiagLog log(sink);
    EXPECT_EQ(LoadGlExtensions(kListExtensions, gl, entryPoints, log), 0);
    EXPECT_EQ(sink.text.find("Supported OpenGL extensions"), std::string::npos);
    EXPECT_EQ(sink.text.rfind("error : OpenGL gives no extension string !\r\n", 0), 0u);
    EXPECT_NE(sink.text.find("GL_ARB_multitexture is not supported"), std::string::npos);
    EXPECT_FALSE(entryPoints.extensions.has_value());
    EXPECT_EQ(entryPoints.Find("glCreateShaderObjectARB"), nullptr);
}

struct ContextCase {
    int pixelFormat;
    bool setWorks;
    bool contextWorks;
    bool result;
    const char* log;
};

class ContextRows : public testing::TestWithParam<ContextCase> {};

TEST_P(ContextRows, CreateGlContext) {
    const ContextCase& c = GetParam();
    CFakeGlDevice gl;
    gl.pixelFormat = c.pixelFormat;
    gl.setPixelFormatWorks = c.setWorks;
    gl.contextWorks = c.contextWorks;
    CStringLogSink sink;
    CDiagLog log(sink);
    EXPECT_EQ(CreateGlContext(gl, log), c.result);
    EXPECT_EQ(sink.text, Crlf(c.log));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ContextRows,
    testing::Values(ContextCase{13, true, true, true, ""},
                    ContextCase{0, true, true, false, "error : ChoosePixelFormat fails !\n"},
                    ContextCase{13, false, true, false, "error : SetPixelFormat fails !\n"},
                    ContextCase{13, true, false, false, ""}));

} // namespace
} // namespace Zentoli
