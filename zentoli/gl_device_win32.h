#pragma once
// OpenGL through WGL on a window's device context, and the ARB shader calls through the
// entry points resolved for that context.
#include <windows.h>

#include "gl_context.h"

namespace Zentoli {

class CWin32GlDevice : public IGlDevice {
  public:
    explicit CWin32GlDevice(HDC dc) : dc(dc) {}
    ~CWin32GlDevice() override { ReleaseContext(); }
    CWin32GlDevice(const CWin32GlDevice&) = delete;
    CWin32GlDevice& operator=(const CWin32GlDevice&) = delete;

    const char* GetString(unsigned name) override;
    void* GetProcAddress(const char* name) override;
    int ChoosePixelFormat() override;
    [[nodiscard]] bool SetPixelFormat(int format) override;
    [[nodiscard]] bool CreateCurrentContext() override;
    void ReleaseContext() override;
    std::unique_ptr<IShaderApi> ShaderApi(const GlEntryPoints& entryPoints) override;

  private:
    HDC dc;
    HGLRC context = nullptr;
};

} // namespace Zentoli
