// OpenGL for real on Wine's Mesa: the hidden window, the context, the strings, the extension
// groups and both shader programs, through the same code Zentoli.exe runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "gl_device_win32.h"
#include "gl_extensions.h"
#include "hidden_window_win32.h"
#include "shader_files_win32.h"
#include "string_log_sink.h"
#include "temp_folder_win32.h"

namespace Zentoli {
namespace {

const std::wstring kDeliverable = VelkoraTest::WinePathOf(L"" ZENTOLI_DELIVERABLE_DIR) + L"\\";

class GlOnMesa : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create());
        gl = std::make_unique<CWin32GlDevice>(window.Dc());
        ASSERT_TRUE(CreateGlContext(*gl, log)) << sink.text;
    }
    void TearDown() override {
        gl.reset();
        window.Destroy();
    }
    bool BuildShaders(const std::wstring& directory) {
        std::unique_ptr<IShaderApi> api = gl->ShaderApi(entryPoints);
        return TestShaders(directory, entryPoints, ShaderContext{*api, files, log});
    }

    CHiddenWindow window;
    std::unique_ptr<CWin32GlDevice> gl;
    CStringLogSink sink;
    CDiagLog log{sink};
    GlEntryPoints entryPoints;
    CWin32ShaderFiles files;
};

TEST_F(GlOnMesa, GivesStringsAndResolvesTheGroups) {
    const char* vendor = gl->GetString(kGlVendor);
    const char* renderer = gl->GetString(kGlRenderer);
    const char* version = gl->GetString(kGlVersion);
    const char* glsl = gl->GetString(kGlShadingLanguageVersion);
    ASSERT_NE(vendor, nullptr);
    ASSERT_NE(renderer, nullptr);
    ASSERT_NE(version, nullptr);
    std::cout << "vendor: " << vendor << "\nrenderer: " << renderer << "\nversion: " << version
              << "\nGLSL: " << (glsl ? glsl : "(none)") << "\n";
    RecordProperty("vendor", vendor);
    RecordProperty("version", version);

    int result = LoadGlExtensions(kListExtensions, *gl, entryPoints, log);
    ASSERT_TRUE(entryPoints.extensions.has_value());
    std::string missing;
    for (const GlExtensionGroup& group : GlExtensionGroups())
        if (group.extension && !ExtensionListed(*entryPoints.extensions, group.extension))
            missing += std::string(group.extension) + " ";
    std::cout << "extension result: " << result
              << "\ngroups missing: " << (missing.empty() ? "none" : missing) << "\n";
    EXPECT_NE(result, 0) << sink.text;
    EXPECT_NE(sink.text.find("\r\nSupported OpenGL extensions :\r\n-------------------------\r\n"),
              std::string::npos);
    EXPECT_EQ(sink.text.find("\r\n\r\n", 2), std::string::npos) << "empty line in the listing";
    for (const char* name :
         {"glBlendFuncSeparate", "glCreateShaderObjectARB", "glShaderSourceARB", "glCompileShaderARB",
          "glLinkProgramARB", "glGetInfoLogARB", "glValidateProgramARB"})
        EXPECT_NE(entryPoints.Find(name), nullptr) << name;
}

TEST_F(GlOnMesa, ShippedShadersCompileLinkAndValidate) {
    ASSERT_NE(LoadGlExtensions(kQuietly, *gl, entryPoints, log), 0);
    EXPECT_TRUE(BuildShaders(kDeliverable)) << sink.text;
    std::string narrowDir(kDeliverable.begin(), kDeliverable.end());
    EXPECT_EQ(sink.text, "Compile shaders: " + narrowDir + "Lines.vert " + narrowDir + "Lines.frag\r\n" +
                             "Compile shaders: " + narrowDir + "HiddenEdges.vert " + narrowDir +
                             "HiddenEdges.frag\r\n");
}

TEST_F(GlOnMesa, BrokenShaderBringsTheCompilersMessageToTheLog) {
    ASSERT_NE(LoadGlExtensions(kQuietly, *gl, entryPoints, log), 0);
    VelkoraTest::CTempFolder folder(L"zentoli-shaders");
    ASSERT_TRUE(folder.IsValid());
    for (const wchar_t* name : {L"Lines.vert", L"HiddenEdges.vert", L"HiddenEdges.frag"})
        ASSERT_TRUE(VelkoraTest::CopyInto(kDeliverable + name, folder.Path(), name));
    std::ofstream(std::filesystem::path(folder.Path() + L"Lines.frag"), std::ios::binary)
        << "#version 120\nvoid main()\n{\n    gl_FragColor = undefinedColour;\n}\n";
    EXPECT_FALSE(BuildShaders(folder.Path()));
    std::cout << sink.text;
    std::size_t at = sink.text.find("compiler error:\r\n");
    ASSERT_NE(at, std::string::npos) << sink.text;
    // Mesa names the line and the identifier it did not know.
    EXPECT_NE(sink.text.find("undefinedColour", at), std::string::npos) << sink.text;
    EXPECT_EQ(sink.text.find("HiddenEdges"), std::string::npos);
}

} // namespace
} // namespace Zentoli
