#pragma once
// The diagnostic run's view of Windows.
#include <memory>

#include "adapter_platform_win32.h"
#include "diag_run.h"
#include "gl_device_win32.h"
#include "hidden_window_win32.h"
#include "profile_store_win32.h"
#include "shader_files_win32.h"

namespace Zentoli {

// The process's standard output stream, which the run reopens on its log.
class CStdoutSink : public ILogSink {
  public:
    CStdoutSink();
    void Write(std::string_view bytes) override;
    // Reopened in binary mode: the log brings its own CR LF.
    void Reopen(const std::wstring& target);
    void Close();

  private:
    bool usable = true;
};

class CWin32DiagPlatform : public IDiagPlatform {
  public:
    std::vector<std::wstring> Arguments() override;
    LocalTime Now() override;
    std::optional<std::wstring> ComputerName() override;
    std::wstring ProgramPath() override;
    ILogSink& Output() override { return output; }
    void RedirectOutput(const std::wstring& target) override { output.Reopen(target); }
    void CloseOutput() override { output.Close(); }
    IProfileStore& Profile() override { return profile; }
    bool IsRemoteSession() override;
    IAdapterPlatform& Adapters() override { return adapters; }
    [[nodiscard]] bool CreateHiddenWindow() override;
    void DestroyHiddenWindow() override;
    IGlDevice& Gl() override { return *gl; }
    IShaderFiles& ShaderFiles() override { return files; }

  private:
    CStdoutSink output;
    CWin32ProfileStore profile;
    CWin32AdapterPlatform adapters;
    CHiddenWindow window;
    std::unique_ptr<CWin32GlDevice> gl = std::make_unique<CWin32GlDevice>(nullptr);
    CWin32ShaderFiles files;
};

} // namespace Zentoli
