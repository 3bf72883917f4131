#pragma once
// A copy of the deliverable folder for one test: the programs, both language modules, the card
// list and the shaders, and the English module under the locale's name when the locale has none
// of its own, so the program starts in any locale the test runs in.
#include <string>

namespace VelkoraTest {

// The user's language code as the program picks its module by ("en", "de", "fr" ...).
std::wstring UserLanguageCode();

// Copies the deliverable into folder (ending with a backslash); the English licence text too when
// withLicence is set. Empty when every file was copied, otherwise the name that could not be.
std::wstring CopyDeliverable(const std::wstring& deliverable, const std::wstring& folder, bool withLicence);

} // namespace VelkoraTest
