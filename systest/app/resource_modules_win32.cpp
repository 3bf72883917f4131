#include "resource_modules_win32.h"

#include "later_texts.h"
#include "string_table_block.h"

namespace Velkora {

std::wstring LoadTextFromModule(HINSTANCE module, TextId id, bool* found) {
    if (found)
        *found = false;
    if (module == nullptr)
        return {};
    // Walked by hand rather than with LoadStringW: the block's lengths are checked against its size.
    HRSRC resource =
        FindResourceW(module, MAKEINTRESOURCEW(StringBlockOf(id)), MAKEINTRESOURCEW(6) /*RT_STRING*/);
    if (resource == nullptr)
        return {};
    DWORD bytes = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return {};
    auto text = ReadStringTableEntry(static_cast<const std::uint16_t*>(data), bytes / 2, StringIndexOf(id));
    if (!text)
        return {};
    if (found)
        *found = true;
    return *text;
}

std::wstring CModuleTextSource::Text(TextId id) const {
    return TextWithFallback(id, LoadTextFromModule(modules.Current(), id),
                            [&] { return LoadTextFromModule(modules.English(), id); });
}

std::wstring CModuleTextSource::RegisteredText(TextId id) const {
    for (HINSTANCE module : modules.Registered()) {
        bool found = false;
        std::wstring text = LoadTextFromModule(module, id, &found);
        if (found)
            return text;
    }
    return {};
}

} // namespace Velkora
