#pragma once
// The diagnostics run's table of cases: a machine and its settings, the exit code and the whole
// log they give. The run's own tests replay them; the contract test hands every exit code that
// comes out to the checker.
#include <functional>
#include <string>
#include <vector>

#include "fake_diag_platform.h"

namespace Zentoli {

// The machine every row starts from: one NVIDIA adapter on the desktop, an NVIDIA OpenGL 4.6
// driver, the four shader files in the current directory, no settings file.
inline void StandardMachine(CFakeDiagPlatform& m) {
    m.adapters.AddActive(L"NVIDIA Quadro P2000", 3072u << 20, L"20200101000000.000000-000", L"23.21.13.8813",
                         L"PCI\\VEN_10DE&DEV_1C30&SUBSYS_11BD10DE&REV_A1\\4&1&0&0008",
                         L"PCI\\VEN_10DE&DEV_1C30&SUBSYS_11BD10DE&REV_A1");
    m.gl.strings[kGlExtensions] = "GL_ARB_multitexture GL_ARB_shader_objects  GL_ARB_occlusion_query "
                                  "GL_ARB_vertex_buffer_object GL_EXT_framebuffer_object "
                                  "GL_EXT_framebuffer_multisample GL_EXT_framebuffer_blit";
    m.files.AddValidSet();
}

inline void SingleIntelAdapter(CFakeDiagPlatform& m) {
    m.adapters = CFakeAdapterPlatform();
    m.adapters.AddActive(L"Intel(R) UHD Graphics 630", 128u << 20, L"20190601000000.000000-000",
                         L"26.20.100.6890", L"PCI\\VEN_8086&DEV_3E92&SUBSYS_85F01043&REV_00\\3&1&0&10",
                         L"PCI\\VEN_8086&DEV_3E92&SUBSYS_85F01043&REV_00");
}

inline void Setting(CFakeDiagPlatform& m, const wchar_t* key, const wchar_t* value) {
    if (!m.profile.Find(L"zentoli"))
        m.profile.sections.push_back({L"zentoli", {}});
    m.profile.Find(L"zentoli")->keys.emplace_back(key, value);
}

inline std::string SettingsLines(const std::string& allowIntel = "1", const std::string& allowNvidia = "1",
                                 const std::string& allowAmd = "1", const std::string& skipRemote = "1") {
    return "Reading config file...\nversion = 1\nAllow Intel = " + allowIntel +
           "\nAllow NVIDIA = " + allowNvidia + "\nAllow AMD = " + allowAmd +
           "\nAllow multi GPU = 0\nSkip remote check = " + skipRemote +
           "\nReq. driver date = 20111219\nGL4.2 NV driver date = 20130529\nGL4.2 AMD driver date = "
           "20140520\n"
           "GL4.2 Intel driver date = 20160331\n\n";
}

inline const std::string kVersionLine = "OpenGL test application version: 3.3\n\n";
inline const std::string kHead = kVersionLine + SettingsLines() + "Adapters test ...\n\n";
inline const std::string kNvAdapter = "1 active video adapters were found.\ncaption: nvidia quadro p2000 \n"
                                      "Memory size: 3072 MB\n";
inline const std::string kIntelAdapter =
    "1 active video adapters were found.\ncaption: intel(r) uhd graphics 630 \n";

inline std::string GlHead(const std::string& vendor, const std::string& version) {
    return "OpenGL test ... \n\nVendor : " + vendor +
           "\nRenderer : GeForce GTX 1080/PCIe/SSE2\n"
           "GLSL version: 4.60 NVIDIA\nVersion : " +
           version + "\n";
}
inline const std::string kNvGlHead = GlHead("NVIDIA Corporation", "4.6.0 NVIDIA 388.13");
inline const std::string kGateOk = "Version is 3.3 or greater \n\nChecking driver date \n";
inline const std::string kGateFails = "OpenGL version 3.3 is required ! \n\n";
inline const std::string kNvCheck =
    "Check nvidia quadro p2000 (pci\\ven_10de&dev_1c30&subsys_11bd10de&rev_a1\\4&1&0&0008) "
    "driver version: 388.13.0.0  date: 20200101...\n\n";
inline const std::string kIntelCheck =
    "Check intel(r) uhd graphics 630 (pci\\ven_8086&dev_3e92&subsys_85f01043&rev_00\\3&1&0&10) "
    "driver version: 26.20.100.6890  date: 20190601...\n\n";
inline const std::string kNv42 =
    "Check driver date for NVidia OpenGL 4.2 support (required min: 20130529)\ndate OK\n";
inline const std::string kGl42 = "OpenGl version 4.2 is supported.\n";
inline const std::string kGl33 = "OpenGl version 3.3 is supported.\n";
inline const std::string kExtensions =
    "\nSupported OpenGL extensions :\n-------------------------\nGL_ARB_multitexture\n"
    "GL_ARB_shader_objects\nGL_ARB_occlusion_query\nGL_ARB_vertex_buffer_object\n"
    "GL_EXT_framebuffer_object\nGL_EXT_framebuffer_multisample\nGL_EXT_framebuffer_blit\n";
inline const std::string kShaders =
    "Compile shaders: Lines.vert Lines.frag\n"
    "Compile shaders: HiddenEdges.vert HiddenEdges.frag\nShader is supported !!!\n";
inline std::string Supported(int code) {
    return "*** The graphics card is supported ! ***\nreturn value: " + std::to_string(code) + "\n";
}
inline std::string NotSupported(int code) {
    return "*** The graphics card is NOT supported ! ***\nreturn value: " + std::to_string(code) + "\n";
}

// Each case's setup changes the standard machine.
struct RunCase {
    const char* name;
    std::function<void(CFakeDiagPlatform&)> setup;
    int exitCode;
    std::string log;
};

inline void Version(CFakeDiagPlatform& m, const char* version) {
    m.gl.strings[kGlVersion] = version;
}

inline std::vector<RunCase> DiagRunCases() {
    return {
        RunCase{"Gl46Nvidia", [](auto&) {}, 11,
                kHead + kNvAdapter + kNvGlHead + kGateOk + kNvCheck + kNv42 + kGl42 + kExtensions + kShaders +
                    Supported(11)},
        RunCase{"Gl320", [](auto& m) { Version(m, "3.2.0"); }, 0,
                kHead + kNvAdapter + GlHead("NVIDIA Corporation", "3.2.0") + kGateFails + NotSupported(0)},
        RunCase{"Gl10IsBelow33", [](auto& m) { Version(m, "10.0"); }, 0,
                kHead + kNvAdapter + GlHead("NVIDIA Corporation", "10.0") + kGateFails + NotSupported(0)},
        RunCase{"Gl41", [](auto& m) { Version(m, "4.1"); }, 3,
                kHead + kNvAdapter + GlHead("NVIDIA Corporation", "4.1") + kGateOk + kNvCheck + kGl33 +
                    kExtensions + kShaders + Supported(3)},
        RunCase{"Gl42", [](auto& m) { Version(m, "4.2"); }, 11,
                kHead + kNvAdapter + GlHead("NVIDIA Corporation", "4.2") + kGateOk + kNvCheck + kNv42 +
                    kGl42 + kExtensions + kShaders + Supported(11)},
        RunCase{"Gl50", [](auto& m) { Version(m, "5.0"); }, 11,
                kHead + kNvAdapter + GlHead("NVIDIA Corporation", "5.0") + kGateOk + kNvCheck + kNv42 +
                    kGl42 + kExtensions + kShaders + Supported(11)},
        RunCase{"ShortVersionString", [](auto& m) { Version(m, "3"); }, 0,
                kHead + kNvAdapter + GlHead("NVIDIA Corporation", "3") + kGateFails + NotSupported(0)},
        RunCase{"RemoteSessionDefaults", [](auto& m) { m.remoteSession = true; }, 1,
                kHead + "Remote session detected \n"},
        RunCase{"RemoteSessionExamined",
                [](auto& m) {
                    m.remoteSession = true;
                    Setting(m, L"Skip remote check", L"0");
                },
                11,
                kVersionLine + SettingsLines("1", "1", "1", "0") +
                    "Adapters test ...\n\nRemote session detected \n" + kNvAdapter + kNvGlHead + kGateOk +
                    kNvCheck + kNv42 + kGl42 + kExtensions + kShaders + Supported(11)},
        RunCase{
            "SwitchableGraphics",
            [](auto& m) {
                SingleIntelAdapter(m);
                m.adapters.controllers[0].driverDate = L"20130529000000.000000-000";
            },
            12,
            kHead + kIntelAdapter + kNvGlHead + kGateOk +
                "Check intel(r) uhd graphics 630 (pci\\ven_8086&dev_3e92&subsys_85f01043&rev_00\\3&1&0&10) "
                "driver version: 26.20.100.6890  date: 20130529...\n\n" +
                kNv42 + kGl42 + kExtensions + kShaders + "\nDynamic switchable graphics detected.\n\n" +
                Supported(12)},
        RunCase{"SwitchableGl41",
                [](auto& m) {
                    SingleIntelAdapter(m);
                    Version(m, "4.1.0");
                },
                4,
                kHead + kIntelAdapter + GlHead("NVIDIA Corporation", "4.1.0") + kGateOk + kIntelCheck +
                    kGl33 + kExtensions + kShaders + "\nDynamic switchable graphics detected.\n\n" +
                    Supported(4)},
        RunCase{"NvidiaNotAllowed", [](auto& m) { Setting(m, L"Allow NVIDIA", L"0"); }, 0,
                kVersionLine + SettingsLines("1", "0") + "Adapters test ...\n\n" + kNvAdapter + kNvGlHead +
                    kGateOk + kNvCheck + kNv42 + kGl42 + kExtensions + kShaders +
                    "\nNVidia graphics is not supported !!!\n" + NotSupported(0)},
        RunCase{"AmdNotAllowedEvenBelow33",
                [](auto& m) {
                    Setting(m, L"Allow AMD", L"0");
                    m.gl.strings[kGlVendor] = "ATI Technologies Inc.";
                    Version(m, "2.1");
                },
                0,
                kVersionLine + SettingsLines("1", "1", "0") + "Adapters test ...\n\n" + kNvAdapter +
                    GlHead("ATI Technologies Inc.", "2.1") + kGateFails +
                    "\nAMD graphics is not supported !!!\n" + NotSupported(0)},
        RunCase{"IntelGl33Refused",
                [](auto& m) {
                    SingleIntelAdapter(m);
                    m.gl.strings[kGlVendor] = "Intel";
                    Version(m, "3.3.0 - Build 26.20.100.6890");
                },
                0,
                kHead + kIntelAdapter + GlHead("Intel", "3.3.0 - Build 26.20.100.6890") + kGateOk +
                    kIntelCheck +
                    "Not supported GPU or old driver! Allow Intel GPU with min. OpenGL 4.2 and driver date "
                    "20160331 "
                    "\n" +
                    NotSupported(0)},
        RunCase{"OldDriver",
                [](auto& m) { m.adapters.controllers[0].driverDate = L"20100101000000.000000-000"; }, 2,
                kHead + kNvAdapter + kNvGlHead + kGateOk +
                    "Check nvidia quadro p2000 (pci\\ven_10de&dev_1c30&subsys_11bd10de&rev_a1\\4&1&0&0008) "
                    "driver version: 388.13.0.0  date: 20100101...\n\n" +
                    kExtensions + kShaders + Supported(2)},
        RunCase{"RequiredExtensionMissing",
                [](auto& m) { m.gl.strings[kGlExtensions] = "GL_ARB_multitexture GL_ARB_shader_objects"; }, 0,
                kHead + kNvAdapter + kNvGlHead + kGateOk + kNvCheck + kNv42 + kGl42 +
                    "\nSupported OpenGL extensions :\n-------------------------\nGL_ARB_multitexture\n"
                    "GL_ARB_shader_objects\n"
                    "OpenGL extension: GL_ARB_occlusion_query is not supported !\n"
                    "OpenGL extension: GL_ARB_vertex_buffer_object is not supported !\n"
                    "OpenGL extension: GL_EXT_framebuffer_object is not supported !\n"
                    "OpenGL extension: GL_EXT_framebuffer_multisample is not supported !\n"
                    "OpenGL extension: GL_EXT_framebuffer_blit is not supported !\n" +
                    NotSupported(0)},
        RunCase{"ShaderFileMissing", [](auto& m) { m.files.files.erase(L"Lines.frag"); }, 0,
                kHead + kNvAdapter + kNvGlHead + kGateOk + kNvCheck + kNv42 + kGl42 + kExtensions +
                    "Compile shaders: Lines.vert Lines.frag\nerror: file Lines.frag was not found !!!\n"
                    "loading error of file: Lines.frag!\n\nShader is NOT supported !!!\n" +
                    NotSupported(0)},
        RunCase{
            "AdapterMemoryTooSmall", [](auto& m) { m.adapters.controllers[0].adapterRam = 999u << 20; }, 0,
            kHead +
                "1 active video adapters were found.\ncaption: nvidia quadro p2000 \nMemory size: 999 MB\n"
                "Error! The memory is less than 1 GB !\n"},
        RunCase{"NoAdapterMatches", [](auto& m) { m.adapters.devices.clear(); }, 0,
                kHead + "0 active video adapters were found.\n"},
        RunCase{"WmiFails", [](auto& m) { m.adapters.queryWorks = false; }, 0,
                kHead + "-1 active video adapters were found.\n"},
        RunCase{"NoDeviceContext", [](auto& m) { m.hasDeviceContext = false; }, 1,
                kHead + kNvAdapter + "error : Can't create window !\n" + NotSupported(1)},
        RunCase{"NoDeviceContextIntel",
                [](auto& m) {
                    SingleIntelAdapter(m);
                    m.hasDeviceContext = false;
                },
                0, kHead + kIntelAdapter + "error : Can't create window !\n" + NotSupported(0)},
        RunCase{"NoPixelFormat", [](auto& m) { m.gl.pixelFormat = 0; }, 1,
                kHead + kNvAdapter + "error : ChoosePixelFormat fails !\n" + NotSupported(1)},
        RunCase{"NoOpenGlContext", [](auto& m) { m.gl.contextWorks = false; }, 1,
                kHead + kNvAdapter + NotSupported(1)},
        RunCase{"NullGlStrings",
                [](auto& m) {
                    m.gl.nullStrings = {kGlVendor, kGlRenderer, kGlVersion, kGlShadingLanguageVersion,
                                        kGlExtensions};
                },
                0,
                kHead + kNvAdapter +
                    "OpenGL test ... \n\nVendor : \nRenderer : \nGLSL version: \nVersion : \n" + kGateFails +
                    NotSupported(0)}};
}

} // namespace Zentoli
