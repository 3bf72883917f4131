#include "gl_device_win32.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include "gl_extensions.h"
#include "shader_test.h"
#include "trace_marks_win32.h"

namespace Zentoli {
namespace {

PIXELFORMATDESCRIPTOR PixelFormatRequest() {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof(pfd);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 16;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

template <class Proc> Proc Entry(const GlEntryPoints& entryPoints, const char* name) {
    return reinterpret_cast<Proc>(entryPoints.Find(name));
}

// The ARB shader-object calls. An entry point the driver did not give is skipped, and its
// query reads as 0 (failed), so a half-resolved group cannot crash the test.
class CArbShaderApi : public IShaderApi {
  public:
    explicit CArbShaderApi(const GlEntryPoints& e)
        : createShader(Entry<PFNGLCREATESHADEROBJECTARBPROC>(e, "glCreateShaderObjectARB")),
          shaderSource(Entry<PFNGLSHADERSOURCEARBPROC>(e, "glShaderSourceARB")),
          compileShader(Entry<PFNGLCOMPILESHADERARBPROC>(e, "glCompileShaderARB")),
          getParameter(Entry<PFNGLGETOBJECTPARAMETERIVARBPROC>(e, "glGetObjectParameterivARB")),
          getInfoLog(Entry<PFNGLGETINFOLOGARBPROC>(e, "glGetInfoLogARB")),
          deleteObject(Entry<PFNGLDELETEOBJECTARBPROC>(e, "glDeleteObjectARB")),
          createProgram(Entry<PFNGLCREATEPROGRAMOBJECTARBPROC>(e, "glCreateProgramObjectARB")),
          attachObject(Entry<PFNGLATTACHOBJECTARBPROC>(e, "glAttachObjectARB")),
          linkProgram(Entry<PFNGLLINKPROGRAMARBPROC>(e, "glLinkProgramARB")),
          validateProgram(Entry<PFNGLVALIDATEPROGRAMARBPROC>(e, "glValidateProgramARB")),
          detachObject(Entry<PFNGLDETACHOBJECTARBPROC>(e, "glDetachObjectARB")),
          useProgram(Entry<PFNGLUSEPROGRAMOBJECTARBPROC>(e, "glUseProgramObjectARB")) {}

    GlHandle CreateShaderObject(std::uint32_t type) override { return createShader ? createShader(type) : 0; }
    void ShaderSource(GlHandle shader, const std::string& text) override {
        const GLcharARB* source = text.c_str();
        if (shaderSource)
            shaderSource(shader, 1, &source, nullptr);
    }
    void CompileShader(GlHandle shader) override {
        if (compileShader)
            compileShader(shader);
    }
    int GetObjectParameter(GlHandle object, std::uint32_t name) override {
        GLint value = 0;
        if (getParameter)
            getParameter(object, name, &value);
        return value;
    }
    std::string GetInfoLog(GlHandle object, int maxLength) override {
        if (!getInfoLog || maxLength <= 0)
            return {};
        std::string text(static_cast<std::size_t>(maxLength), '\0');
        GLsizei length = 0;
        getInfoLog(object, maxLength, &length, text.data());
        // The returned length marks the end; never trust it beyond the buffer.
        length = std::max<GLsizei>(0, std::min<GLsizei>(length, maxLength - 1));
        text.resize(static_cast<std::size_t>(length));
        return text;
    }
    void DeleteObject(GlHandle object) override {
        if (deleteObject)
            deleteObject(object);
    }
    GlHandle CreateProgramObject() override { return createProgram ? createProgram() : 0; }
    void AttachObject(GlHandle program, GlHandle shader) override {
        if (attachObject)
            attachObject(program, shader);
    }
    void LinkProgram(GlHandle program) override {
        if (linkProgram)
            linkProgram(program);
    }
    void ValidateProgram(GlHandle program) override {
        if (validateProgram)
            validateProgram(program);
    }
    void DetachObject(GlHandle program, GlHandle shader) override {
        if (detachObject)
            detachObject(program, shader);
    }
    void UseProgramObject(GlHandle program) override {
        if (useProgram)
            useProgram(program);
    }

  private:
    PFNGLCREATESHADEROBJECTARBPROC createShader;
    PFNGLSHADERSOURCEARBPROC shaderSource;
    PFNGLCOMPILESHADERARBPROC compileShader;
    PFNGLGETOBJECTPARAMETERIVARBPROC getParameter;
    PFNGLGETINFOLOGARBPROC getInfoLog;
    PFNGLDELETEOBJECTARBPROC deleteObject;
    PFNGLCREATEPROGRAMOBJECTARBPROC createProgram;
    PFNGLATTACHOBJECTARBPROC attachObject;
    PFNGLLINKPROGRAMARBPROC linkProgram;
    PFNGLVALIDATEPROGRAMARBPROC validateProgram;
    PFNGLDETACHOBJECTARBPROC detachObject;
    PFNGLUSEPROGRAMOBJECTARBPROC useProgram;
};

} // namespace

const char* CWin32GlDevice::GetString(unsigned name) {
    return reinterpret_cast<const char*>(glGetString(name));
}

void* CWin32GlDevice::GetProcAddress(const char* name) {
    PROC address = wglGetProcAddress(name);
    // Some drivers answer a missing function with a small number instead of null.
    auto value = reinterpret_cast<std::intptr_t>(address);
    if (value == 1 || value == 2 || value == 3 || value == -1)
        return nullptr;
    return reinterpret_cast<void*>(address);
}

int CWin32GlDevice::ChoosePixelFormat() {
    PIXELFORMATDESCRIPTOR pfd = PixelFormatRequest();
    return ::ChoosePixelFormat(dc, &pfd);
}

bool CWin32GlDevice::SetPixelFormat(int format) {
    PIXELFORMATDESCRIPTOR pfd = PixelFormatRequest();
    return ::SetPixelFormat(dc, format, &pfd) != FALSE;
}

bool CWin32GlDevice::CreateCurrentContext() {
    Velkora::TraceMark(L"Zentoli: GL context");
    context = wglCreateContext(dc);
    if (!context)
        return false;
    if (wglMakeCurrent(dc, context))
        return true;
    // A context that is not current is of no use to anything that follows.
    wglDeleteContext(context);
    context = nullptr;
    return false;
}

void CWin32GlDevice::ReleaseContext() {
    if (!context)
        return;
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context);
    context = nullptr;
}

std::unique_ptr<IShaderApi> CWin32GlDevice::ShaderApi(const GlEntryPoints& entryPoints) {
    return std::make_unique<CArbShaderApi>(entryPoints);
}

} // namespace Zentoli
