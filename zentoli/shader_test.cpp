#include "shader_test.h"

#include "gl_extensions.h"
#include "text_rules.h"

namespace Zentoli {
namespace {

std::string InfoLog(IShaderApi& api, GlHandle object) {
    return CutText<char>(api.GetInfoLog(object, kInfoLogMax), kInfoLogMax - 1);
}

} // namespace

std::optional<std::string> ReadShaderFile(const std::wstring& path, IShaderFiles& files, CDiagLog& log) {
    // A path that does not fit the path buffer is one no file can be opened by.
    std::unique_ptr<IShaderFile> file = path.size() < kShaderPathCapacity ? files.Open(path) : nullptr;
    if (!file) {
        log.LogWide(L"error: file %s was not found !!!\n", {path});
        return std::nullopt;
    }
    // Beyond the limit, size + 1 could wrap and a huge allocation could fail: not a shader.
    std::optional<std::uint64_t> size = file->Size();
    if (!size || *size == 0 || *size > kMaxShaderFileSize)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(*size), '\0');
    std::size_t read = file->Read(text.data(), text.size());
    // A file that cannot be read whole would reach the compiler cut short.
    if (read != text.size())
        return std::nullopt;
    return text;
}

bool CompileShader(ShaderSlot& slot, const std::wstring& path, const ShaderContext& context) {
    if (slot.handle != 0 || path.empty())
        return false;
    std::optional<std::string> text = ReadShaderFile(path, context.files, context.log);
    if (!text) {
        context.log.LogWide(L"loading error of file: %s!\n", {path});
        return false;
    }
    IShaderApi& api = context.api;
    GlHandle shader = api.CreateShaderObject(slot.type);
    api.ShaderSource(shader, *text);
    api.CompileShader(shader);
    if (api.GetObjectParameter(shader, kGlCompileStatus) == 0) {
        context.log.LogWide(L"compiler error:\n%S\n", {InfoLog(api, shader)});
        api.DeleteObject(shader);
        return false;
    }
    slot.handle = shader;
    return shader != 0;
}

bool BuildProgram(ShaderProgram& record, const std::wstring& vertexPath, const std::wstring& fragmentPath,
                  const ShaderContext& context) {
    IShaderApi& api = context.api;
    context.log.LogWide(L"Compile shaders: %s %s\n", {vertexPath, fragmentPath});
    if (!CompileShader(record.vertexShader, vertexPath, context))
        return false;
    if (!CompileShader(record.fragmentShader, fragmentPath, context)) {
        api.DeleteObject(record.vertexShader.handle);
        record.vertexShader.handle = 0;
        return false;
    }
    GlHandle program = api.CreateProgramObject();
    api.AttachObject(program, record.vertexShader.handle);
    api.AttachObject(program, record.fragmentShader.handle);
    api.LinkProgram(program);
    if (api.GetObjectParameter(program, kGlLinkStatus) == 0) {
        context.log.LogNarrow("linker error:\n%s\n", {InfoLog(api, program)});
        return false;
    }
    api.ValidateProgram(program);
    if (api.GetObjectParameter(program, kGlValidateStatus) != 0) {
        record.program = program;
        return true;
    }
    context.log.LogNarrow("program validation error:\n%s\n", {InfoLog(api, program)});
    return false;
}

void ReleaseProgram(ShaderProgram& record, IShaderApi& api) {
    if (record.program == 0)
        return;
    for (ShaderSlot* slot : {&record.fragmentShader, &record.vertexShader}) {
        if (slot->handle == 0)
            continue;
        api.DetachObject(record.program, slot->handle);
        api.DeleteObject(slot->handle);
        slot->handle = 0;
    }
    api.UseProgramObject(0);
    api.DeleteObject(record.program);
    record.program = 0;
}

bool TestShaders(const std::wstring& directory, const GlEntryPoints& entryPoints,
                 const ShaderContext& context) {
    for (const char* name :
         {"glCreateShaderObjectARB", "glShaderSourceARB", "glCompileShaderARB", "glLinkProgramARB"})
        if (!entryPoints.Find(name))
            return false;
    static const wchar_t* const kPrograms[][2] = {{L"Lines.vert", L"Lines.frag"},
                                                  {L"HiddenEdges.vert", L"HiddenEdges.frag"}};
    ShaderProgram record;
    for (const auto& files : kPrograms) {
        if (!BuildProgram(record, directory + files[0], directory + files[1], context))
            return false;
        ReleaseProgram(record, context.api);
    }
    return true;
}

} // namespace Zentoli
