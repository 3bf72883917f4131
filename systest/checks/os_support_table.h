#pragma once
// Which Windows the product supports, by a fragment of the display name and the service pack.
#include <cstddef>
#include <cstdint>

namespace Velkora::Utilities {

struct OSSupportRow {
    const wchar_t* nameFragment;
    // One character: the verdict for every service pack. Longer: the character at position k is
    // the verdict for service pack k; '+' marks the first fully supported one.
    const wchar_t* supportPattern;
};

// The first row whose fragment occurs in the name wins, so longer names stand first.
extern const OSSupportRow OSSupportTable[];
extern const std::size_t kOSSupportRowCount;

// The text that makes a version newer than the table known as such.
inline constexpr const wchar_t* kUnknownNewOSText = L"UNKNOWN_BUT_NEW_OS!";

// Gives the support letter ('D' when no row matches) and writes the digit character: '0' plus
// the first fully supported service pack (or the pattern length), 0 when there is none.
wchar_t LookUpSupportCode(const wchar_t* text, std::uint32_t servicePack, wchar_t& digit);

} // namespace Velkora::Utilities
