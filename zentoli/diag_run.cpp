#include "diag_run.h"

#include "adapter_checks.h"
#include "gl_extensions.h"
#include "gl_vendor.h"

namespace Zentoli {
namespace {

constexpr int kGl42Bit = 8;

// From the hidden window on: the part of the run that has a verdict.
class CVerdictRun {
  public:
    CVerdictRun(IDiagPlatform& platform, const DiagSettings& settings, const AdapterTable& table,
                const RunArguments& arguments, CDiagLog& log)
        : platform(platform), settings(settings), table(table), arguments(arguments), log(log) {}

    int Run(int adapterResult) {
        verdict = adapterResult;
        if (!platform.CreateHiddenWindow())
            log.LogWide(L"error : Can't create window !\n");
        else if (CreateGlContext(platform.Gl(), log))
            RunWithContext(adapterResult);
        platform.DestroyHiddenWindow();
        if (switchable)
            log.LogWide(L"\nDynamic switchable graphics detected.\n\n");
        log.LogWide(verdict > 1 ? L"*** The graphics card is supported ! ***\n"
                                : L"*** The graphics card is NOT supported ! ***\n");
        log.LogWide(L"return value: %d\n", {verdict});
        return verdict;
    }

  private:
    void RunWithContext(int adapterResult) {
        IGlDevice& gl = platform.Gl();
        const GlVendor vendor = ClassifyVendor(gl.GetString(kGlVendor));
        // One active adapter, an Intel one, while another vendor's driver renders.
        switchable = adapterResult == 0 && vendor != GlVendor::intel;
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

    // False when the version is below 3.3 (the verdict is then 0).
    bool CheckVersionAndDate(GlVendor vendor) {
        const GlVersionLevel level = ClassifyVersion(platform.Gl().GetString(kGlVersion));
        if (!level.atLeast33) {
            log.LogWide(L"OpenGL version 3.3 is required ! \n\n");
            verdict = 0;
            return false;
        }
        log.LogWide(L"Version is 3.3 or greater \n\n");
        log.LogWide(L"Checking driver date \n");
        verdict = CheckDriverDate(table, level.gl42, vendor, settings, log);
        if (verdict > 2 && switchable)
            verdict = (verdict & ~3) | 4;
        if (verdict & kGl42Bit)
            log.LogWide(L"OpenGl version 4.2 is supported.\n");
        else if (verdict > 2)
            log.LogWide(L"OpenGl version 3.3 is supported.\n");
        return true;
    }

    void TestExtensionsAndShaders() {
        GlEntryPoints entryPoints;
        if (verdict > 1 && LoadGlExtensions(true, platform.Gl(), entryPoints, log) != 0) {
            std::unique_ptr<IShaderApi> api = platform.Gl().ShaderApi(entryPoints);
            ShaderContext context{*api, platform.ShaderFiles(), log};
            if (TestShaders(arguments.shaderDirectory, entryPoints, context)) {
                log.LogWide(L"Shader is supported !!!\n");
            } else {
                log.LogWide(L"\nShader is NOT supported !!!\n");
                verdict = 0;
            }
        } else {
            verdict = 0;
        }
    }

    void ApplyVendorGates(GlVendor vendor) {
        if (vendor == GlVendor::intel && !settings.allowIntel) {
            verdict = 0;
            log.LogWide(L"\nIntel graphics is not supported !!!\n");
        } else if (vendor == GlVendor::nvidia && !settings.allowNvidia) {
            verdict = 0;
            log.LogWide(L"\nNVidia graphics is not supported !!!\n");
        } else if (vendor == GlVendor::other && !settings.allowAmd) {
            verdict = 0;
            log.LogWide(L"\nAMD graphics is not supported !!!\n");
        }
    }

    IDiagPlatform& platform;
    const DiagSettings& settings;
    const AdapterTable& table;
    const RunArguments& arguments;
    CDiagLog& log;
    int verdict = 0;
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
            return finish(1);
    }
    AdapterTable table;
    const int adapterResult = CheckAdapters(table, platform.Adapters(), settings, log);
    if (adapterResult < 0)
        return finish(0);

    CVerdictRun run(platform, settings, table, arguments, log);
    return finish(run.Run(adapterResult));
}

} // namespace Zentoli
