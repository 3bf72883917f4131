#pragma once
// Two small shader programs compiled, linked and validated through the OpenGL 2.0 calls, on the
// context current on the calling thread: the shader work of a diagnostics run, without its checks.
#include "gl_context.h"

namespace VelkoraBench {

// True when both programs compiled, linked and validated.
[[nodiscard]] bool BuildShaderPrograms(Zentoli::IGlFunctions& gl);

} // namespace VelkoraBench
