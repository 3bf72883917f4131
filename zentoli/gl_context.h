#pragma once
// The OpenGL context on the hidden window's device context, through a small device interface
// so that the sequence and its messages can be tested without a driver.
#include <cstdint>
#include <memory>

#include "diag_log.h"

namespace Zentoli {

class GlEntryPoints;
class IShaderApi;

// OpenGL string names.
inline constexpr unsigned kGlVendor = 0x1F00;
inline constexpr unsigned kGlRenderer = 0x1F01;
inline constexpr unsigned kGlVersion = 0x1F02;
inline constexpr unsigned kGlExtensions = 0x1F03;
inline constexpr unsigned kGlShadingLanguageVersion = 0x8B8C;

// What the run and the extension loader ask of OpenGL. Strings may be null.
class IGlFunctions {
  public:
    virtual ~IGlFunctions() = default;
    virtual const char* GetString(unsigned name) = 0;
    virtual void* GetProcAddress(const char* name) = 0;
};

// The device context of the hidden window and the context made on it.
class IGlDevice : public IGlFunctions {
  public:
    // ChoosePixelFormat with the request (RGBA, 32 colour bits, 16 depth bits, double buffered,
    // drawn to a window, OpenGL); 0 when none fits.
    virtual int ChoosePixelFormat() = 0;
    [[nodiscard]] virtual bool SetPixelFormat(int format) = 0;
    // wglCreateContext and wglMakeCurrent; false when either fails (a context that cannot be
    // made current is deleted again).
    [[nodiscard]] virtual bool CreateCurrentContext() = 0;
    // wglMakeCurrent with nothing, then wglDeleteContext.
    virtual void ReleaseContext() = 0;
    // The ARB shader-object calls through the resolved entry points.
    virtual std::unique_ptr<IShaderApi> ShaderApi(const GlEntryPoints& entryPoints) = 0;
};

// True when a context is current on the device.
[[nodiscard]] bool CreateGlContext(IGlDevice& device, CDiagLog& log);

} // namespace Zentoli
