#include "card_list_file.h"

#include "text_file_read.h"

namespace Velkora {
namespace {

class CCardListFileLines : public ICardListLines {
  public:
    explicit CCardListFileLines(const std::wstring& path) : reader(path) {}
    CCardListFileLines(const CCardListFileLines&) = delete;
    CCardListFileLines& operator=(const CCardListFileLines&) = delete;

    bool IsOpen() const { return reader.IsFileOpen(); }

    Read ReadLine(std::wstring& line) override {
        try {
            if (reader.AtEndOfFile() || !reader.ReadTextLine(line))
                return Read::kEnd;
            return Read::kLine;
        } catch (const CTextFileException&) {
            return Read::kFailed;
        }
    }

  private:
    CTextFileRead reader;
};

} // namespace

std::unique_ptr<ICardListLines> OpenCardListFile(const std::wstring& path) {
    try {
        auto lines = std::make_unique<CCardListFileLines>(path);
        if (!lines->IsOpen())
            return nullptr;
        return lines;
    } catch (const CTextFileException&) {
        return nullptr;
    }
}

} // namespace Velkora
