#pragma once
// What a program under test wrote, read back as bytes, files a test prepares for it, and wide
// texts as the UTF-8 bytes to compare them with.
#include <optional>
#include <string>

namespace VelkoraTest {

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
// Writes the file anew with exactly these bytes; false when it could not be written whole.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

std::string Utf8Of(const std::wstring& text);

} // namespace VelkoraTest
