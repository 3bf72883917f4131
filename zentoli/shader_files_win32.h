#pragma once
// Shader files read with CreateFileW and one ReadFile.
#include "shader_test.h"

namespace Zentoli {

class CWin32ShaderFiles : public IShaderFiles {
  public:
    std::unique_ptr<IShaderFile> Open(const std::wstring& path) override;
};

} // namespace Zentoli
