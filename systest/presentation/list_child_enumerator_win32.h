#pragma once
// The children that get_accSelection hands out when several rows are selected: an IEnumVARIANT
// over their child IDs.
#include <windows.h>

#include <oleauto.h>

#include <vector>

namespace Velkora {

// A VT_I4 VARIANT.
void SetI4(VARIANT* variant, long value);

// A new enumerator with one reference; null when out of memory.
IEnumVARIANT* CreateChildEnumerator(std::vector<long> ids);

} // namespace Velkora
