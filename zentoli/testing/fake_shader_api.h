#pragma once
// A shader compiler in memory. A source containing "BROKEN" does not compile, "NOLINK" does not
// link, "NOVALIDATE" does not validate. Every call is recorded in order.
#include <map>
#include <string>
#include <vector>

#include "shader_test.h"

namespace Zentoli {

class CFakeShaderApi : public IShaderApi {
  public:
    GlHandle CreateShaderObject(std::uint32_t type) override {
        GlHandle h = next++;
        Record("create " + std::string(type == kGlVertexShader ? "vertex " : "fragment ") +
               std::to_string(h));
        return h;
    }
    void ShaderSource(GlHandle shader, const std::string& text) override {
        sources[shader] = text;
        Record("source " + std::to_string(shader));
    }
    void CompileShader(GlHandle shader) override { Record("compile " + std::to_string(shader)); }
    int GetObjectParameter(GlHandle object, std::uint32_t name) override {
        if (name == kGlCompileStatus)
            return sources[object].find("BROKEN") == std::string::npos;
        if (name == kGlLinkStatus)
            return !Any(object, "NOLINK");
        if (name == kGlValidateStatus)
            return !Any(object, "NOVALIDATE");
        return 0;
    }
    std::string GetInfoLog(GlHandle object, int maxLength) override {
        Record("infolog " + std::to_string(object));
        std::string text = infoLog.empty() ? "0:1(1): error: syntax error, unexpected BROKEN" : infoLog;
        return text.substr(0, static_cast<std::size_t>(maxLength - 1));
    }
    void DeleteObject(GlHandle object) override { Record("delete " + std::to_string(object)); }
    GlHandle CreateProgramObject() override {
        GlHandle h = next++;
        Record("program " + std::to_string(h));
        return h;
    }
    void AttachObject(GlHandle program, GlHandle shader) override {
        attached[program].push_back(shader);
        Record("attach " + std::to_string(program) + " " + std::to_string(shader));
    }
    void LinkProgram(GlHandle program) override { Record("link " + std::to_string(program)); }
    void ValidateProgram(GlHandle program) override { Record("validate " + std::to_string(program)); }
    void DetachObject(GlHandle program, GlHandle shader) override {
        Record("detach " + std::to_string(program) + " " + std::to_string(shader));
    }
    void UseProgramObject(GlHandle program) override { Record("use " + std::to_string(program)); }

    std::vector<std::string> calls;
    std::string infoLog; // when set, every information log is this text (cut to the maximum)

  private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
    bool Any(GlHandle program, const char* word) {
        for (GlHandle s : attached[program])
            if (sources[s].find(word) != std::string::npos)
                return true;
        return false;
    }
    GlHandle next = 1;
    std::map<GlHandle, std::string> sources;
    std::map<GlHandle, std::vector<GlHandle>> attached;
};

} // namespace Zentoli
