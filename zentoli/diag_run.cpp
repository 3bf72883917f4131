#include "diag_run.h"

#include "adapter_checks.h"
#include "gl_extensions.h"
#include "gl_vendor.h"

namespace Zentoli {
namespace {

using Velkora::DiagnosticsVerdict;
using Velkora::ExitCodeOf;

// Until OpenGL says more, the verdict is the adapter check's: adapters that are fine give "not
// examined", a lone Intel adapter "not supported".
DiagnosticsVerdict VerdictBeforeOpenGl(int adapterResult) {
    return adapterResult == kAdaptersFine ? DiagnosticsVerdict::kNotExamined
                                          : DiagnosticsVerdict::kNotSupported;
}

// The switchable-graphics rule: the level becomes "switchable", the OpenGL 4.2 bit stays.
DiagnosticsVerdict AsSwitchable(DiagnosticsVerdict verdict) {
    return static_cast<DiagnosticsVerdict>((ExitCodeOf(verdict) & Velkora::kOpenGl42Bit) |
                                           ExitCodeOf(DiagnosticsVerdict::kSwitchable));
}

// From the hidden window on: the part of the run that has a verdict.
class CVerdictRun {
  public:
    CVerdictRun(IDiagPlatform& platform, const DiagSettings& settings, const AdapterTable& table,
                const RunArguments& arguments, CDiagLog& log)
        : platform(platform), settings(settings), table(table), arguments(arguments), log(log) {}

    DiagnosticsVerdict Run(int adapterResult) {
        verdict = VerdictBeforeOpenGl(adapterResult);
        if (!platform.CreateHiddenWindow())
            log.LogWide(L"error : Can't create window !\n");
        else if (CreateGlContext(platform.Gl(), log))
            RunWithContext(adapterResult);
        platform.DestroyHiddenWindow();
        if (switchable)
            log.LogWide(L"\nDynamic switchable graphics detected.\n\n");
        log.LogWide(verdict > DiagnosticsVerdict::kNotExamined
                        ? L"*** The graphics card is supported ! ***\n"
                        : L"*** The graphics card is NOT supported ! ***\n");
        log.LogWide(L"return value: %d\n", {ExitCodeOf(verdict)});
        return verdict;
    }

  private:
    void RunWithContext(int adapterResult) {
        IGlDevice& gl = platform.Gl();
        const GlVendor vendor = ClassifyVendor(gl.GetString(kGlVendor));
        // One active adapter, an Intel one, while another vendor's driver renders.
        switchable = adapterResult == kSingleIntelAdapter && vendor != GlVendor::intel;
        log.LogWide(L"OpenGL test ... \n\n");
        log.LogWide(L"Vendor : %S\n", {gl.GetString(kGlVendor)});
        log.LogWide(L"Renderer : %S\n", {gl.GetString(kGlRenderer)});
        log.LogWide(L"GLSL version: %S\n", {gl.GetString(kGlShadingLanguageVersion)});
        log.LogWide(L"Version : %S\n", {gl.GetString(kGlVersion)});
        if (CheckVersionAndDate(vendor))
            TestExtensionsAndShaders();
        gl.ReleaseContext();
        ApplyVendorGates(vendor);
    }

    // False when the version is below 3.3 (the verdict is then kNotSupported).
    bool CheckVersionAndDate(GlVendor vendor) {
        const GlVersionLevel level = ClassifyVersion(platform.Gl().GetString(kGlVersion));
        if (!level.atLeast33) {
            log.LogWide(L"OpenGL version 3.3 is required ! \n\n");
            verdict = DiagnosticsVerdict::kNotSupported;
            return false;
        }
        log.LogWide(L"Version is 3.3 or greater \n\n");
        log.LogWide(L"Checking driver date \n");
        verdict = CheckDriverDate(table, level.gl42, vendor, settings, log);
        if (verdict > DiagnosticsVerdict::kOldDriver && switchable)
            verdict = AsSwitchable(verdict);
        if (Velkora::HasOpenGl42(verdict))
            log.LogWide(L"OpenGl version 4.2 is supported.\n");
        else if (verdict > DiagnosticsVerdict::kOldDriver)
            log.LogWide(L"OpenGl version 3.3 is supported.\n");
        return true;
    }

    void TestExtensionsAndShaders() {
        GlEntryPoints entryPoints;
        if (verdict > DiagnosticsVerdict::kNotExamined &&
            LoadGlExtensions(kListExtensions, platform.Gl(), entryPoints, log) !=
                kRequiredExtensionsMissing) {
            std::unique_ptr<IShaderApi> api = platform.Gl().ShaderApi(entryPoints);
            ShaderContext context{*api, platform.ShaderFiles(), log};
            if (TestShaders(arguments.shaderDirectory, entryPoints, context)) {
                log.LogWide(L"Shader is supported !!!\n");
            } else {
                log.LogWide(L"\nShader is NOT supported !!!\n");
                verdict = DiagnosticsVerdict::kNotSupported;
            }
        } else {
            verdict = DiagnosticsVerdict::kNotSupported;
        }
    }

    void ApplyVendorGates(GlVendor vendor) {
        if (vendor == GlVendor::intel && !settings.allowIntel) {
            verdict = DiagnosticsVerdict::kNotSupported;
            log.LogWide(L"\nIntel graphics is not supported !!!\n");
        } else if (vendor == GlVendor::nvidia && !settings.allowNvidia) {
            verdict = DiagnosticsVerdict::kNotSupported;
            log.LogWide(L"\nNVidia graphics is not supported !!!\n");
        } else if (vendor == GlVendor::other && !settings.allowAmd) {
            verdict = DiagnosticsVerdict::kNotSupported;
            log.LogWide(L"\nAMD graphics is not supported !!!\n");
        }
    }

    IDiagPlatform& platform;
    const DiagSettings& settings;
    const AdapterTable& table;
    const RunArguments& arguments;
    CDiagLog& log;
    DiagnosticsVerdict verdict = DiagnosticsVerdict::kNotSupported;
    bool switchable = false;
};

} // namespace

int RunDiagnostics(IDiagPlatform& platform) {
    const RunArguments arguments = ParseRunArguments(platform.Arguments());
    const LocalTime time = platform.Now();
    const std::optional<std::wstring> computer = platform.ComputerName();
    CDiagLog log(platform.Output());
    std::wstring target = L"nul";
    if (arguments.logToFile) {
        // Still the stream the program was started with: this line never reaches the log.
        log.LogWide(L"create file\n");
        target = LogFileName(computer, time);
    }
    platform.RedirectOutput(target);
    log.LogWide(L"OpenGL test application version: 3.3\n\n");

    DiagSettings settings;
    settings.iniPath = SettingsPathFor(platform.ProgramPath());
    LoadSettings(settings, platform.Profile(), log);
    // Every way out from here on closes the log first and then saves the settings.
    auto finish = [&](int exitCode) {
        platform.CloseOutput();
        SaveSettings(settings, platform.Profile());
        return exitCode;
    };

    log.LogWide(L"Adapters test ...\n\n");
    if (platform.IsRemoteSession()) {
        log.LogWide(L"Remote session detected \n");
        if (settings.skipRemoteCheck)
            return finish(ExitCodeOf(DiagnosticsVerdict::kNotExamined));
    }
    AdapterTable table;
    const int adapterResult = CheckAdapters(table, platform.Adapters(), settings, log);
    if (adapterResult < 0) // the run ends here: no adapter to examine
        return finish(ExitCodeOf(DiagnosticsVerdict::kNotSupported));

    CVerdictRun run(platform, settings, table, arguments, log);
    return finish(ExitCodeOf(run.Run(adapterResult)));
}

} // namespace Zentoli
