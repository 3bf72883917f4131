#pragma once
// The program's resource modules: a current module from which texts, images and window layouts
// are loaded, and the registered extra modules (the language module).
#include <windows.h>

#include <vector>

#include "text_source.h"

namespace Velkora {

class CResourceModules {
  public:
    explicit CResourceModules(HINSTANCE program) : program(program), current(program) {}
    CResourceModules(const CResourceModules&) = delete;
    CResourceModules& operator=(const CResourceModules&) = delete;

    HINSTANCE Program() const { return program; }
    HINSTANCE Current() const { return current; }
    void SetCurrent(HINSTANCE module) { current = module; }
    void Register(HINSTANCE module) { registered.push_back(module); }
    // The language module: the one registered extra module, or the program when there is none.
    HINSTANCE LanguageModule() const { return registered.empty() ? program : registered.front(); }
    const std::vector<HINSTANCE>& Registered() const { return registered; }
    // The English module, asked for the later texts that the language module lacks; null when
    // there is none beside the program.
    HINSTANCE English() const { return english; }
    void SetEnglish(HINSTANCE module) { english = module; }

  private:
    HINSTANCE program;
    HINSTANCE current;
    std::vector<HINSTANCE> registered;
    HINSTANCE english = nullptr;
};

// Reads a text by number from a module's string table; empty when the module has none.
std::wstring LoadTextFromModule(HINSTANCE module, TextId id, bool* found = nullptr);

// Texts by number as the rest of the program sees them: a later text that the current module
// lacks comes from the English module, then from the program itself.
class CModuleTextSource : public ITextSource {
  public:
    explicit CModuleTextSource(const CResourceModules& modules) : modules(modules) {}
    std::wstring Text(TextId id) const override;
    std::wstring RegisteredText(TextId id) const override;

  private:
    const CResourceModules& modules;
};

} // namespace Velkora
