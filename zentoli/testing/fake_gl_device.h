#pragma once
// An OpenGL implementation as recorded: its strings, which entry points it has, and whether a
// pixel format and a context can be made.
#include <map>
#include <set>
#include <string>

#include "fake_shader_api.h"
#include "gl_context.h"
#include "gl_extensions.h"

namespace Zentoli {

// Every group's extension name, as a conforming implementation lists them.
inline const char* const kAllGroupExtensions =
    "GL_ARB_multitexture GL_ARB_shader_objects GL_ARB_occlusion_query GL_ARB_vertex_buffer_object "
    "GL_EXT_framebuffer_object GL_EXT_framebuffer_multisample GL_EXT_framebuffer_blit";

class CFakeGlDevice : public IGlDevice {
  public:
    CFakeGlDevice() {
        strings[0x1F00] = "NVIDIA Corporation";
        strings[0x1F01] = "GeForce GTX 1080/PCIe/SSE2";
        strings[0x1F02] = "4.6.0 NVIDIA 388.13";
        strings[0x8B8C] = "4.60 NVIDIA";
        strings[0x1F03] = kAllGroupExtensions;
    }
    const char* GetString(unsigned name) override {
        auto it = strings.find(name);
        return it == strings.end() || nullStrings.count(name) ? nullptr : it->second.c_str();
    }
    void* GetProcAddress(const char* name) override {
        resolved.push_back(name);
        return missingProcs.count(name) ? nullptr : static_cast<void*>(&resolved);
    }
    int ChoosePixelFormat() override { return pixelFormat; }
    [[nodiscard]] bool SetPixelFormat(int) override { return setPixelFormatWorks; }
    [[nodiscard]] bool CreateCurrentContext() override {
        contextCurrent = contextWorks;
        return contextWorks;
    }
    void ReleaseContext() override {
        contextCurrent = false;
        ++releases;
    }
    std::unique_ptr<IShaderApi> ShaderApi(const GlEntryPoints&) override {
        auto api = std::make_unique<CFakeShaderApi>();
        shaderApi = api.get();
        return api;
    }

    std::map<unsigned, std::string> strings;
    std::set<unsigned> nullStrings;
    std::set<std::string> missingProcs;
    std::vector<std::string> resolved;
    int pixelFormat = 13;
    bool setPixelFormatWorks = true;
    bool contextWorks = true;
    bool contextCurrent = false;
    int releases = 0;
    CFakeShaderApi* shaderApi = nullptr;
};

} // namespace Zentoli
