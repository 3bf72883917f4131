#pragma once
// A language module for tests: texts by number from a map.
#include <map>

#include "text_source.h"

namespace Velkora {

class FakeTextSource : public ITextSource {
  public:
    FakeTextSource() = default;
    FakeTextSource(std::initializer_list<std::pair<const TextId, std::wstring>> entries) : texts(entries) {}

    void Set(TextId id, std::wstring text) { texts[id] = std::move(text); }
    std::wstring Text(TextId id) const override {
        auto it = texts.find(id);
        return it == texts.end() ? std::wstring() : it->second;
    }
    std::wstring RegisteredText(TextId id) const override { return Text(id); }

  private:
    std::map<TextId, std::wstring> texts;
};

} // namespace Velkora
