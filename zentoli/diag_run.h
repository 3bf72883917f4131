#pragma once
// The whole diagnostic run: settings, remote session, adapters, OpenGL context, version gate,
// driver date, extensions, shaders, vendor gates; its verdict is the exit code.
// The platform comes in through IDiagPlatform, so the run can be replayed from recorded facts.
#include <optional>
#include <string>
#include <vector>

#include "adapter_table.h"
#include "diag_log.h"
#include "diag_settings.h"
#include "gl_context.h"
#include "run_arguments.h"
#include "shader_test.h"

namespace Zentoli {

class IDiagPlatform {
  public:
    virtual ~IDiagPlatform() = default;
    // The split command line; element 0 is the program.
    virtual std::vector<std::wstring> Arguments() = 0;
    virtual LocalTime Now() = 0;
    virtual std::optional<std::wstring> ComputerName() = 0;
    // The program's own full path.
    virtual std::wstring ProgramPath() = 0;
    // The standard output stream: where it was connected at start, then the log.
    virtual ILogSink& Output() = 0;
    // Reopens the standard output stream on the file (created or truncated) or on "nul".
    virtual void RedirectOutput(const std::wstring& target) = 0;
    // Closes the stream, writing out what is buffered.
    virtual void CloseOutput() = 0;
    virtual IProfileStore& Profile() = 0;
    virtual bool IsRemoteSession() = 0;
    virtual IAdapterPlatform& Adapters() = 0;
    // The hidden window; true when it has a device context.
    [[nodiscard]] virtual bool CreateHiddenWindow() = 0;
    virtual void DestroyHiddenWindow() = 0;
    // OpenGL on the hidden window's device context.
    virtual IGlDevice& Gl() = 0;
    virtual IShaderFiles& ShaderFiles() = 0;
};

// Runs once and returns the exit code: one of the DiagnosticsVerdict values.
int RunDiagnostics(IDiagPlatform& platform);

} // namespace Zentoli
