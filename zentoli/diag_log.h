#pragma once
// Zentoli's log: 8-bit text with CR LF line ends, written to one sink (the standard output
// stream of the process, or a buffer in tests). Wide messages are narrowed one code unit at
// a time: units up to U+00FF become that byte, anything else becomes '?'.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace Zentoli {

class ILogSink {
  public:
    virtual ~ILogSink() = default;
    virtual void Write(std::string_view bytes) = 0;
};

// One value for a log format: a number (%d), a wide text or an 8-bit text. In wide formats
// %s takes a wide text and %S an 8-bit one; in 8-bit formats %s takes an 8-bit text.
class LogArg {
  public:
    LogArg(long long number) : value(number) {}
    LogArg(int number) : value(static_cast<long long>(number)) {}
    LogArg(unsigned number) : value(static_cast<long long>(number)) {}
    LogArg(std::wstring_view text) : value(text) {}
    LogArg(const std::wstring& text) : value(std::wstring_view(text)) {}
    LogArg(const wchar_t* text) : value(std::wstring_view(text ? text : L"")) {}
    LogArg(std::string_view bytes) : value(bytes) {}
    LogArg(const std::string& bytes) : value(std::string_view(bytes)) {}
    // OpenGL may hand out null strings; they log as empty text.
    LogArg(const char* bytes) : value(std::string_view(bytes ? bytes : "")) {}

    const long long* Number() const { return std::get_if<long long>(&value); }
    const std::wstring_view* Wide() const { return std::get_if<std::wstring_view>(&value); }
    const std::string_view* Narrow() const { return std::get_if<std::string_view>(&value); }

  private:
    std::variant<long long, std::wstring_view, std::string_view> value;
};

// The 8-bit form of a wide text, as the log holds it.
std::string NarrowForLog(std::wstring_view text);

// Formats one message. Conversions: %s, %S, %d with an optional '0' flag and width, and %%.
// A conversion without a fitting argument is copied as it stands. Line ends stay "\n" here.
std::string FormatLogWide(std::wstring_view format, std::initializer_list<LogArg> args);
std::string FormatLogNarrow(std::string_view format, std::initializer_list<LogArg> args);

class CDiagLog {
  public:
    explicit CDiagLog(ILogSink& sink) : sink(sink) {}
    CDiagLog(const CDiagLog&) = delete;
    CDiagLog& operator=(const CDiagLog&) = delete;

    void LogWide(std::wstring_view format, std::initializer_list<LogArg> args = {});
    void LogNarrow(std::string_view format, std::initializer_list<LogArg> args = {});

  private:
    void Put(const std::string& message);
    ILogSink& sink;
};

} // namespace Zentoli
