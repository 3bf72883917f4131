#pragma once
// What the run reads from the OpenGL strings: the vendor class and the version level.
#include <string_view>

namespace Zentoli {

enum class GlVendor { nvidia = 0, other = 1, intel = 2 };

// GL_VENDOR as the run classifies it: the first 99 bytes, lower-cased; "nvidia" before "intel";
// anything else (a missing string too) counts as AMD.
GlVendor ClassifyVendor(const char* vendor);

struct GlVersionLevel {
    bool atLeast33 = false;
    bool gl42 = false;
};

// The version gate reads single characters of GL_VERSION: the first and the third. Characters
// beyond the end of a short (or missing) string count as nothing, which is below every digit.
GlVersionLevel ClassifyVersion(const char* version);

} // namespace Zentoli
