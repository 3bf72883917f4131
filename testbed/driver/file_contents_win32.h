#pragma once
// What a program under test wrote, read back as bytes, and wide texts as the UTF-8 bytes to
// compare them with.
#include <optional>
#include <string>

namespace VelkoraTest {

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::wstring& path);

std::string Utf8Of(const std::wstring& text);

} // namespace VelkoraTest
