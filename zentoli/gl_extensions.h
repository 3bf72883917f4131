#pragma once
// The extension entry points the test needs, grouped by the extension that provides them.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "diag_log.h"
#include "gl_context.h"

namespace Zentoli {

struct GlExtensionGroup {
    const char* extension; // null: resolved without an extension test
    bool required;
    std::span<const char* const> entryPoints;
};

// The groups in the order they are examined.
std::span<const GlExtensionGroup> GlExtensionGroups();

// Resolved entry points by name and the extension string they came with. Valid only while the
// context they were resolved in is current.
class GlEntryPoints {
  public:
    void* Find(std::string_view name) const;
    void Set(std::string_view name, void* address);
    void Clear();

    std::optional<std::string> extensions;

  private:
    std::map<std::string, void*, std::less<>> entries;
};

// Whether the extension string names the extension (a plain substring test, so a longer name
// that contains it also counts).
bool ExtensionListed(std::string_view extensions, std::string_view name);

// What LoadGlExtensions found.
inline constexpr int kRequiredExtensionsMissing = 0; // a required group or glBlendFuncSeparate
inline constexpr int kAllExtensions = 1;
inline constexpr int kOptionalExtensionsMissing = 2;

// Its first argument.
inline constexpr bool kListExtensions = true;
inline constexpr bool kQuietly = false;

// Returns one of the values above. With kListExtensions, the extension string is logged one name
// a line, and every missing group too. A null extension string lists nothing and counts every
// group as missing.
[[nodiscard]] int LoadGlExtensions(bool list, IGlFunctions& gl, GlEntryPoints& entryPoints, CDiagLog& log);

} // namespace Zentoli
