#include "csv_reader.h"

namespace Velkora {

bool CCsvReader::Next(CsvRecord& record) {
    if (position >= text.size())
        return false;
    record.line = line;
    record.fields.assign(1, std::string());
    record.cutShort = false;
    bool quoted = false;
    while (position < text.size()) {
        const char c = text[position++];
        if (quoted) {
            if (c == '"' && position < text.size() && text[position] == '"') {
                record.fields.back() += '"';
                ++position;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n')
                    ++line;
                record.fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            record.fields.emplace_back();
        } else if (c == '\n') {
            ++line;
            return true;
        } else if (c == '\r' && position < text.size() && text[position] == '\n') {
            continue; // the line feed ends the record
        } else {
            record.fields.back() += c;
        }
    }
    record.cutShort = quoted;
    return true;
}

} // namespace Velkora
