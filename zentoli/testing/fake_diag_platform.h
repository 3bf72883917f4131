#pragma once
// A whole machine as recorded, for replaying the diagnostic run.
#include "diag_run.h"
#include "fake_adapter_platform.h"
#include "fake_gl_device.h"
#include "fake_profile_store.h"
#include "fake_shader_files.h"
#include "string_log_sink.h"

namespace Zentoli {

class CFakeDiagPlatform : public IDiagPlatform {
  public:
    std::vector<std::wstring> Arguments() override { return arguments; }
    LocalTime Now() override { return time; }
    std::optional<std::wstring> ComputerName() override { return computerName; }
    std::wstring ProgramPath() override { return programPath; }
    ILogSink& Output() override { return output; }
    void RedirectOutput(const std::wstring& target) override { redirectedTo = target; }
    void CloseOutput() override {
        closed = true;
        closedBeforeSave = profile.writes == 0;
    }
    IProfileStore& Profile() override { return profile; }
    bool IsRemoteSession() override { return remoteSession; }
    IAdapterPlatform& Adapters() override { return adapters; }
    [[nodiscard]] bool CreateHiddenWindow() override {
        windowCreated = true;
        return hasDeviceContext;
    }
    void DestroyHiddenWindow() override { windowDestroyed = true; }
    IGlDevice& Gl() override { return gl; }
    IShaderFiles& ShaderFiles() override { return files; }

    std::vector<std::wstring> arguments{L"Zentoli.exe"};
    LocalTime time{2018, 3, 5, 9, 7};
    std::optional<std::wstring> computerName = L"WS01";
    std::wstring programPath = L"C:\\Velkora\\Zentoli.exe";
    bool remoteSession = false;
    bool hasDeviceContext = true;

    CStringLogSink console; // the stream before it is redirected
    CStringLogSink log;     // the log file (or what "nul" swallowed)
    std::wstring redirectedTo;
    bool closed = false;
    std::string writtenAfterClose;
    bool closedBeforeSave = false;
    bool windowCreated = false;
    bool windowDestroyed = false;
    CFakeProfileStore profile;
    CFakeAdapterPlatform adapters;
    CFakeGlDevice gl;
    CFakeShaderFiles files;

  private:
    // Like the standard output stream: the same stream, connected elsewhere once redirected.
    class CStream : public ILogSink {
      public:
        explicit CStream(CFakeDiagPlatform& owner) : owner(owner) {}
        void Write(std::string_view bytes) override {
            if (owner.closed)
                owner.writtenAfterClose += bytes;
            else
                (owner.redirectedTo.empty() ? owner.console : owner.log).Write(bytes);
        }

      private:
        CFakeDiagPlatform& owner;
    };
    CStream output{*this};
};

} // namespace Zentoli
