#include "shader_programs_win32.h"

#include <windows.h>

#include <GL/gl.h>
#include <GL/glext.h>

namespace VelkoraBench {
namespace {

struct ProgramSources {
    const char* vertex;
    const char* fragment;
};

// Lines in one colour, and edges faded with their depth: the size of what a diagnostics run builds.
constexpr ProgramSources kPrograms[] = {
    {"#version 110\n"
     "void main() { gl_Position = ftransform(); }\n",
     "#version 110\n"
     "uniform vec4 colour;\n"
     "void main() { gl_FragColor = colour; }\n"},
    {"#version 110\n"
     "varying float depth;\n"
     "void main() { gl_Position = ftransform(); depth = gl_Position.z / gl_Position.w; }\n",
     "#version 110\n"
     "uniform vec4 colour;\n"
     "varying float depth;\n"
     "void main() { gl_FragColor = vec4(colour.rgb * (1.0 - 0.5 * depth), colour.a); }\n"},
};

class CShaderCalls {
  public:
    explicit CShaderCalls(Zentoli::IGlFunctions& gl)
        : createShader(Find<PFNGLCREATESHADERPROC>(gl, "glCreateShader")),
          shaderSource(Find<PFNGLSHADERSOURCEPROC>(gl, "glShaderSource")),
          compileShader(Find<PFNGLCOMPILESHADERPROC>(gl, "glCompileShader")),
          getShaderiv(Find<PFNGLGETSHADERIVPROC>(gl, "glGetShaderiv")),
          deleteShader(Find<PFNGLDELETESHADERPROC>(gl, "glDeleteShader")),
          createProgram(Find<PFNGLCREATEPROGRAMPROC>(gl, "glCreateProgram")),
          attachShader(Find<PFNGLATTACHSHADERPROC>(gl, "glAttachShader")),
          linkProgram(Find<PFNGLLINKPROGRAMPROC>(gl, "glLinkProgram")),
          validateProgram(Find<PFNGLVALIDATEPROGRAMPROC>(gl, "glValidateProgram")),
          getProgramiv(Find<PFNGLGETPROGRAMIVPROC>(gl, "glGetProgramiv")),
          deleteProgram(Find<PFNGLDELETEPROGRAMPROC>(gl, "glDeleteProgram")) {}

    bool Complete() const {
        return createShader && shaderSource && compileShader && getShaderiv && deleteShader &&
               createProgram && attachShader && linkProgram && validateProgram && getProgramiv &&
               deleteProgram;
    }

    // The shader, or 0 when it did not compile.
    GLuint Compile(GLenum type, const char* source) {
        GLuint shader = createShader(type);
        if (shader == 0)
            return 0;
        shaderSource(shader, 1, &source, nullptr);
        compileShader(shader);
        GLint compiled = GL_FALSE;
        getShaderiv(shader, GL_COMPILE_STATUS, &compiled);
        if (compiled == GL_TRUE)
            return shader;
        deleteShader(shader);
        return 0;
    }

    bool Build(const ProgramSources& sources) {
        GLuint vertex = Compile(GL_VERTEX_SHADER, sources.vertex);
        GLuint fragment = Compile(GL_FRAGMENT_SHADER, sources.fragment);
        GLuint program = vertex && fragment ? createProgram() : 0;
        GLint linked = GL_FALSE, valid = GL_FALSE;
        if (program) {
            attachShader(program, vertex);
            attachShader(program, fragment);
            linkProgram(program);
            getProgramiv(program, GL_LINK_STATUS, &linked);
            if (linked == GL_TRUE) {
                validateProgram(program);
                getProgramiv(program, GL_VALIDATE_STATUS, &valid);
            }
            deleteProgram(program);
        }
        if (vertex)
            deleteShader(vertex);
        if (fragment)
            deleteShader(fragment);
        return valid == GL_TRUE;
    }

  private:
    template <class Proc> static Proc Find(Zentoli::IGlFunctions& gl, const char* name) {
        return reinterpret_cast<Proc>(gl.GetProcAddress(name));
    }

    PFNGLCREATESHADERPROC createShader;
    PFNGLSHADERSOURCEPROC shaderSource;
    PFNGLCOMPILESHADERPROC compileShader;
    PFNGLGETSHADERIVPROC getShaderiv;
    PFNGLDELETESHADERPROC deleteShader;
    PFNGLCREATEPROGRAMPROC createProgram;
    PFNGLATTACHSHADERPROC attachShader;
    PFNGLLINKPROGRAMPROC linkProgram;
    PFNGLVALIDATEPROGRAMPROC validateProgram;
    PFNGLGETPROGRAMIVPROC getProgramiv;
    PFNGLDELETEPROGRAMPROC deleteProgram;
};

} // namespace

bool BuildShaderPrograms(Zentoli::IGlFunctions& gl) {
    CShaderCalls calls(gl);
    if (!calls.Complete())
        return false;
    bool built = true;
    for (const ProgramSources& sources : kPrograms)
        built = calls.Build(sources) && built;
    return built;
}

} // namespace VelkoraBench
