#include "gl_device_win32.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include "gl_extensions.h"
#include "shader_test.h"
#include "system_library_win32.h"
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

// opengl32.dll from the system folder, loaded before the first pixel-format call: gdi32 asks for
// it by its bare name then, and is given the one already loaded.
struct OpenGlFunctions {
    Velkora::CSystemLibrary library{L"opengl32.dll"};
    decltype(&glGetString) getString = library.Find<decltype(&glGetString)>("glGetString");
    decltype(&wglGetProcAddress) getProcAddress =
        library.Find<decltype(&wglGetProcAddress)>("wglGetProcAddress");
    decltype(&wglCreateContext) createContext = library.Find<decltype(&wglCreateContext)>("wglCreateContext");
    decltype(&wglMakeCurrent) makeCurrent = library.Find<decltype(&wglMakeCurrent)>("wglMakeCurrent");
    decltype(&wglDeleteContext) deleteContext = library.Find<decltype(&wglDeleteContext)>("wglDeleteContext");
    bool IsComplete() const {
        return getString && getProcAddress && createContext && makeCurrent && deleteContext;
    }
};

const OpenGlFunctions& OpenGl() {
    static const OpenGlFunctions functions;
    return functions;
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
    if (!OpenGl().IsComplete())
        return nullptr;
    return reinterpret_cast<const char*>(OpenGl().getString(name));
}

void* CWin32GlDevice::GetProcAddress(const char* name) {
    if (!OpenGl().IsComplete())
        return nullptr;
    PROC address = OpenGl().getProcAddress(name);
    // Some drivers answer a missing function with a small number instead of null.
    auto value = reinterpret_cast<std::intptr_t>(address);
    if (value == 1 || value == 2 || value == 3 || value == -1)
        return nullptr;
    return reinterpret_cast<void*>(address);
}

int CWin32GlDevice::ChoosePixelFormat() {
    // Without the system's opengl32.dll there is no format to choose (and none loaded by its bare name).
    if (!OpenGl().IsComplete())
        return 0;
    PIXELFORMATDESCRIPTOR pfd = PixelFormatRequest();
    return ::ChoosePixelFormat(dc, &pfd);
}

bool CWin32GlDevice::SetPixelFormat(int format) {
    PIXELFORMATDESCRIPTOR pfd = PixelFormatRequest();
    return ::SetPixelFormat(dc, format, &pfd) != FALSE;
}

bool CWin32GlDevice::CreateCurrentContext() {
    Velkora::TraceMark(L"Zentoli: GL context");
    if (!OpenGl().IsComplete())
        return false;
    context = OpenGl().createContext(dc);
    if (!context)
        return false;
    if (OpenGl().makeCurrent(dc, context))
        return true;
    // A context that is not current is of no use to anything that follows.
    OpenGl().deleteContext(context);
    context = nullptr;
    return false;
}

void CWin32GlDevice::ReleaseContext() {
    if (!context)
        return;
    OpenGl().makeCurrent(nullptr, nullptr);
    OpenGl().deleteContext(context);
    context = nullptr;
}

std::unique_ptr<IShaderApi> CWin32GlDevice::ShaderApi(const GlEntryPoints& entryPoints) {
    return std::make_unique<CArbShaderApi>(entryPoints);
}

} // namespace Zentoli
