#include "summary_input.h"

#include "result_document_read.h"
#include "result_table_read.h"

namespace Velkora {
namespace {

bool EndsWithCsv(const std::string& source) {
    if (source.size() < 4)
        return false;
    std::string end = source.substr(source.size() - 4);
    for (char& c : end)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return end == ".csv";
}

} // namespace

void ReadSummaryInput(std::string_view bytes, const std::string& source, CSiteSummary& site) {
    if (LooksLikeResultTable(bytes) || EndsWithCsv(source)) {
        ReadResultTable(
            bytes, source, [&](MachineResult result) { site.Add(std::move(result)); },
            [&](SkippedInput skipped) { site.Skip(std::move(skipped)); });
        return;
    }
    if (bytes.size() > kLargestDocumentBytes) {
        site.Skip({source, SkipReason::kTooLarge, 0});
        return;
    }
    auto read = ReadResultDocument(bytes, source);
    if (auto* result = std::get_if<MachineResult>(&read))
        site.Add(std::move(*result));
    else
        site.Skip(std::move(std::get<SkippedInput>(read)));
}

} // namespace Velkora
