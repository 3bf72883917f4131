#pragma once
// The shader compile test: two test programs (lines, hidden edges) built from GLSL files beside
// the program through the ARB shader-object interface.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "diag_log.h"

namespace Zentoli {

class GlEntryPoints;

using GlHandle = std::uint32_t;

inline constexpr std::uint32_t kGlFragmentShader = 0x8B30;
inline constexpr std::uint32_t kGlVertexShader = 0x8B31;
inline constexpr std::uint32_t kGlCompileStatus = 0x8B81;
inline constexpr std::uint32_t kGlLinkStatus = 0x8B82;
inline constexpr std::uint32_t kGlValidateStatus = 0x8B83;
// Information logs are fetched with this maximum length, terminator included.
inline constexpr int kInfoLogMax = 1000;
// Paths are formed in a buffer of this many characters, terminator included.
inline constexpr std::size_t kShaderPathCapacity = 260;
// No test shader comes near this; a larger file is not read at all.
inline constexpr std::uint64_t kMaxShaderFileSize = 16u * 1024 * 1024;

// The ARB shader-object calls.
class IShaderApi {
  public:
    virtual ~IShaderApi() = default;
    virtual GlHandle CreateShaderObject(std::uint32_t type) = 0;
    virtual void ShaderSource(GlHandle shader, const std::string& text) = 0;
    virtual void CompileShader(GlHandle shader) = 0;
    virtual int GetObjectParameter(GlHandle object, std::uint32_t name) = 0;
    // At most maxLength - 1 characters, ending where the driver says the text ends.
    virtual std::string GetInfoLog(GlHandle object, int maxLength) = 0;
    virtual void DeleteObject(GlHandle object) = 0;
    virtual GlHandle CreateProgramObject() = 0;
    virtual void AttachObject(GlHandle program, GlHandle shader) = 0;
    virtual void LinkProgram(GlHandle program) = 0;
    virtual void ValidateProgram(GlHandle program) = 0;
    virtual void DetachObject(GlHandle program, GlHandle shader) = 0;
    virtual void UseProgramObject(GlHandle program) = 0;
};

// An opened shader file.
class IShaderFile {
  public:
    virtual ~IShaderFile() = default;
    // The size in bytes; none when it cannot be taken.
    virtual std::optional<std::uint64_t> Size() = 0;
    // One read of up to size bytes into buffer; the number of bytes read (0 on failure).
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

class IShaderFiles {
  public:
    virtual ~IShaderFiles() = default;
    // Opens for reading; null when the file cannot be opened.
    virtual std::unique_ptr<IShaderFile> Open(const std::wstring& path) = 0;
};

struct ShaderSlot {
    GlHandle handle = 0;
    std::uint32_t type;
};

struct ShaderProgram {
    GlHandle program = 0;
    ShaderSlot vertexShader{0, kGlVertexShader};
    ShaderSlot fragmentShader{0, kGlFragmentShader};
};

struct ShaderContext {
    IShaderApi& api;
    IShaderFiles& files;
    CDiagLog& log;
};

// The file's bytes as read; none when it cannot be opened, sized or read whole, or is empty.
[[nodiscard]] std::optional<std::string> ReadShaderFile(const std::wstring& path, IShaderFiles& files,
                                                        CDiagLog& log);
[[nodiscard]] bool CompileShader(ShaderSlot& slot, const std::wstring& path, const ShaderContext& context);
[[nodiscard]] bool BuildProgram(ShaderProgram& record, const std::wstring& vertexPath,
                                const std::wstring& fragmentPath, const ShaderContext& context);
void ReleaseProgram(ShaderProgram& record, IShaderApi& api);

// True when both test programs build. directory is a prefix used verbatim; empty for none.
[[nodiscard]] bool TestShaders(const std::wstring& directory, const GlEntryPoints& entryPoints,
                               const ShaderContext& context);

} // namespace Zentoli
