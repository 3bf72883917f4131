#include "summary_page.h"

#include <algorithm>
#include <cstdio>

#include "html_text.h"
#include "page_text_format.h"

namespace Velkora {
namespace {

// Colours that read in print and for the common colour blindnesses; the numbers are always
// beside them, so no figure is told by colour alone.
constexpr std::string_view kStyle = R"(
body { font-family: "Segoe UI", Arial, sans-serif; margin: 1.5em; color: #1b1b1b; background: #fff; }
h1 { font-size: 1.6em; margin: 0 0 .3em; }
h2 { font-size: 1.25em; margin: 1.6em 0 .5em; border-bottom: 1px solid #999; }
table { border-collapse: collapse; width: 100%; }
th, td { text-align: left; vertical-align: top; padding: .3em .6em; border-bottom: 1px solid #ccc; overflow-wrap: anywhere; }
.totals { display: flex; flex-wrap: wrap; gap: .8em; list-style: none; padding: 0; }
.totals li { border: 2px solid #999; border-radius: 6px; padding: .5em 1em; min-width: 8em; }
.totals .figure { display: block; font-size: 2em; font-weight: bold; }
.ready { border-color: #2e7d32 !important; } .warnings { border-color: #b26a00 !important; }
.notReady { border-color: #c62828 !important; } .notJudged { border-color: #555 !important; }
.bars th { width: 30%; font-weight: normal; } .bars td.chart { width: 45%; } .bars svg { width: 100%; height: 1.2em; }
.failed { fill: #c62828; } .warned { fill: #e0a100; }
.checks ul { margin: 0; padding-left: 1.1em; } .label { font-weight: bold; }
.count { text-align: right; }
@media print { body { margin: 0; } h2 { break-after: avoid; } tr { break-inside: avoid; } }
@media (forced-colors: active) { .failed, .warned { fill: CanvasText; } }
)";

const char* StateName(MachineState state) {
    switch (state) {
    case MachineState::kNotReady:
        return "notReady";
    case MachineState::kNotJudged:
        return "notJudged";
    case MachineState::kWarnings:
        return "warnings";
    case MachineState::kReady:
        break;
    }
    return "ready";
}

TextId StateText(MachineState state) {
    switch (state) {
    case MachineState::kNotReady:
        return kTextSiteNotReady;
    case MachineState::kNotJudged:
        return kTextSiteNotJudged;
    case MachineState::kWarnings:
        return kTextSiteWarnings;
    case MachineState::kReady:
        break;
    }
    return kTextSiteReady;
}

TextId VerdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::kNotMet:
        return kTextSiteNotMet;
    case Verdict::kWarning:
        return kTextSiteWarning;
    case Verdict::kMet:
        return kTextSiteMet;
    case Verdict::kUnknown:
        break;
    }
    return kTextSiteNoVerdict;
}

TextId ReasonText(SkipReason reason) {
    switch (reason) {
    case SkipReason::kNotOpened:
        return kTextSiteNotOpened;
    case SkipReason::kNotJson:
        return kTextSiteNotJson;
    case SkipReason::kNotOurs:
        return kTextSiteNotOurs;
    case SkipReason::kSchemaVersion:
        return kTextSiteSchemaVersion;
    case SkipReason::kIncomplete:
        return kTextSiteIncomplete;
    case SkipReason::kNotTable:
        return kTextSiteNotTable;
    case SkipReason::kRowMalformed:
        return kTextSiteRowMalformed;
    case SkipReason::kTooLarge:
        break;
    }
    return kTextSiteTooLarge;
}

TextId CheckNameTextId(CheckId id) {
    switch (id) {
    case CheckId::kOperatingSystem:
        return kTextCheckNameOperatingSystem;
    case CheckId::kProcessor:
        return kTextCheckNameProcessor;
    case CheckId::kMemory:
        return kTextCheckNameMemory;
    case CheckId::kDiskSpace:
        return kTextCheckNameDiskSpace;
    case CheckId::kScreen:
        return kTextCheckNameScreen;
    case CheckId::kVideoMemory:
        return kTextCheckNameVideoMemory;
    case CheckId::kGraphicsCard:
        return kTextCheckNameGraphicsCard;
    case CheckId::kGraphicsDriver:
        return kTextCheckNameGraphicsDriver;
    case CheckId::kAdaptersIdentical:
        return kTextCheckNameAdaptersIdentical;
    case CheckId::kListReplaced:
        return kTextCheckNameListReplaced;
    case CheckId::kClosingNote:
        return kTextCheckNameClosingNote;
    case CheckId::kDiagnosticsTimeout:
        return kTextCheckNameDiagnosticsTimeout;
    case CheckId::kDiagnosticsNotStarted:
        return kTextCheckNameDiagnosticsNotStarted;
    case CheckId::kDiagnosticsEndedAbnormally:
        return kTextCheckNameDiagnosticsEndedAbnormally;
    case CheckId::kAdapterNotIdentified:
        return kTextCheckNameAdapterNotIdentified;
    case CheckId::kOperatingSystemNotIdentified:
        return kTextCheckNameOperatingSystemNotIdentified;
    case CheckId::kCardListNotRead:
        return kTextCheckNameCardListNotRead;
    case CheckId::kGraphicsWithoutDesktop:
        break;
    }
    return kTextCheckNameGraphicsWithoutDesktop;
}

std::string Number(long long value) {
    return std::to_string(value);
}

class CPageWriter {
  public:
    CPageWriter(const SiteFigures& figures, const PageTextFn& text, const SummaryPageFrame& frame)
        : figures(figures), text(text), frame(frame) {}

    std::string Build() {
        const std::string title = HtmlText(WithText(text(kTextSitePageTitle), frame.productName));
        page.reserve(4096 + figures.attention.size() * 512);
        page += "<!DOCTYPE html>\n<html lang=\"" + HtmlText(frame.languageTag) + "\">\n<head>\n";
        page += "<meta charset=\"utf-8\">\n<meta name=\"viewport\" content=\"width=device-width, "
                "initial-scale=1\">\n";
        page += "<title>" + title + "</title>\n<style>" + std::string(kStyle) + "</style>\n</head>\n<body>\n";
        page += "<main>\n<h1>" + title + "</h1>\n";
        Totals();
        if (figures.machines == 0) {
            page += "<p id=\"no-results\">" + Text(kTextSiteNoResults) + "</p>\n";
        } else {
            Bars();
            Attention();
            Graphics();
            Versions();
        }
        Unread();
        page += "</main>\n</body>\n</html>\n";
        return std::move(page);
    }

  private:
    std::string Text(TextId id) const { return HtmlText(text(id)); }

    // A text whose %d is a figure the tests and readers find by its data-count.
    std::string Counted(TextId id, const char* name, long long value) const {
        return NumberInText(Text(id), "<span class=\"figure\" data-count=\"" + std::string(name) + "\">" +
                                          Number(value) + "</span>");
    }

    void Totals() {
        page += "<section id=\"totals\">\n<p>" + Counted(kTextSiteMachines, "machines", figures.machines) +
                "</p>\n";
        page += "<ul class=\"totals\">\n";
        for (MachineState state : {MachineState::kReady, MachineState::kWarnings, MachineState::kNotReady,
                                   MachineState::kNotJudged}) {
            page += std::string("<li class=\"") + StateName(state) +
                    "\"><span class=\"figure\" data-count=\"" + StateName(state) + "\">" +
                    Number(figures.Count(state)) + "</span> " + Text(StateText(state)) + "</li>\n";
        }
        page += "</ul>\n</section>\n";
    }

    // One row per check: its name, a bar of the machines that failed and warned on it (of all
    // machines), and the figures in words.
    void Bars() {
        page += "<section id=\"checks\">\n<h2>" + Text(kTextSiteChecksHeading) + "</h2>\n";
        if (figures.bars.empty()) {
            page += "<p>" + Text(kTextSiteNoChecks) + "</p>\n</section>\n";
            return;
        }
        page += "<table class=\"bars\">\n<tbody>\n";
        const double scale = 1000.0 / std::max(1, figures.machines);
        for (const CheckBar& bar : figures.bars) {
            char widths[96];
            std::snprintf(widths, sizeof widths, "width=\"%.1f\"", bar.failed * scale);
            const std::string failedWidth = widths;
            std::snprintf(widths, sizeof widths, "x=\"%.1f\" width=\"%.1f\"", bar.failed * scale,
                          bar.warned * scale);
            const std::string words = WithNumber(Text(kTextSiteFailed), bar.failed) + ", " +
                                      WithNumber(Text(kTextSiteWarned), bar.warned);
            page += "<tr><th scope=\"row\">" + HtmlText(CheckNameText(bar.id, text)) + "</th>";
            page +=
                "<td class=\"chart\"><svg viewBox=\"0 0 1000 20\" preserveAspectRatio=\"none\" role=\"img\" "
                "aria-label=\"" +
                words + "\"><g class=\"bar\" data-check=\"" + HtmlText(bar.id) + "\" data-failed=\"" +
                Number(bar.failed) + "\" data-warned=\"" + Number(bar.warned) + "\">";
            page += "<rect class=\"failed\" x=\"0\" y=\"0\" height=\"20\" " + failedWidth + "/>";
            page +=
                "<rect class=\"warned\" y=\"0\" height=\"20\" " + std::string(widths) + "/></g></svg></td>";
            page += "<td>" + words + "</td></tr>\n";
        }
        page += "</tbody>\n</table>\n</section>\n";
    }

    void Attention() {
        page += "<section id=\"attention\">\n<h2>" + Text(kTextSiteAttentionHeading) + "</h2>\n";
        if (figures.attention.empty()) {
            page += "<p>" + Text(kTextSiteNoAttention) + "</p>\n</section>\n";
            return;
        }
        page += "<table>\n<thead><tr><th scope=\"col\">" + Text(kTextSiteComputer) +
                "</th><th scope=\"col\">" + Text(kTextSiteCheckedAt) + "</th><th scope=\"col\">" +
                Text(kTextSiteState) + "</th><th scope=\"col\">" + Text(kTextSiteChecks) +
                "</th></tr></thead>\n<tbody>\n";
        const std::size_t name = TableColumn(kFirstTableColumn), time = TableColumn("checkedAt");
        for (const MachineResult* machine : figures.attention) {
            page += std::string("<tr class=\"machine\" data-verdict=\"") + StateName(machine->state) + "\">";
            page += "<td class=\"name\">" + HtmlText(machine->Cell(name)) + "</td><td class=\"time\">" +
                    HtmlText(machine->Cell(time)) + "</td><td class=\"state\">" +
                    Text(StateText(machine->state)) + "</td><td class=\"checks\">";
            std::string items;
            for (const CheckOutcome& check : machine->checks) {
                if (check.verdict == Verdict::kMet)
                    continue;
                const std::string said = check.text.empty() ? text(VerdictText(check.verdict)) : check.text;
                items += "<li data-check=\"" + HtmlText(check.id) + "\" data-verdict=\"" +
                         std::string(NameOfVerdict(check.verdict)) + "\"><span class=\"label\">" +
                         HtmlText(CheckNameText(check.id, text)) + "</span>: <span class=\"text\">" +
                         HtmlText(said) + "</span></li>";
            }
            if (!items.empty())
                page += "<ul>" + items + "</ul>";
            page += "</td></tr>\n";
        }
        page += "</tbody>\n</table>\n</section>\n";
    }

    std::string OrUnknown(const std::string& value) const {
        return value.empty() ? Text(kTextSiteUnknown) : HtmlText(value);
    }

    void Graphics() {
        page += "<section id=\"graphics\">\n<h2>" + Text(kTextSiteGraphicsHeading) + "</h2>\n<table>\n";
        page += "<thead><tr><th scope=\"col\">" + Text(kTextSiteGraphicsCard) + "</th><th scope=\"col\">" +
                Text(kTextSiteDriverVersion) + "</th><th scope=\"col\">" + Text(kTextSiteVerdict) +
                "</th><th scope=\"col\" class=\"count\">" + Text(kTextSiteMachineCount) +
                "</th></tr></thead>\n<tbody>\n";
        for (const GraphicsGroup& group : figures.graphics) {
            page += "<tr class=\"card\" data-verdict=\"" + std::string(NameOfVerdict(group.verdict)) + "\">";
            page += "<td class=\"card-name\">" + OrUnknown(group.caption) + "</td><td class=\"driver\">" +
                    OrUnknown(group.driverVersion) + "</td><td class=\"verdict\">" +
                    Text(VerdictText(group.verdict)) + "</td><td class=\"count\">" + Number(group.machines) +
                    "</td></tr>\n";
        }
        page += "</tbody>\n</table>\n</section>\n";
    }

    void Versions() {
        page += "<section id=\"versions\">\n<h2>" + Text(kTextSiteVersionsHeading) + "</h2>\n<table>\n";
        page += "<thead><tr><th scope=\"col\">" + Text(kTextSiteCheckerVersion) +
                "</th><th scope=\"col\" class=\"count\">" + Text(kTextSiteMachineCount) +
                "</th></tr></thead>\n<tbody>\n";
        for (const VersionCount& version : figures.versions)
            page += "<tr class=\"version\"><td class=\"version-name\">" + OrUnknown(version.version) +
                    "</td><td class=\"count\">" + Number(version.machines) + "</td></tr>\n";
        page += "</tbody>\n</table>\n</section>\n";
    }

    void Unread() {
        const std::vector<SkippedInput>& skipped = *figures.skipped;
        if (skipped.empty())
            return;
        const long long count = static_cast<long long>(skipped.size());
        page += "<section id=\"unread\" data-count=\"" + Number(count) + "\">\n<h2>" +
                (count == 1 ? Text(kTextSiteUnreadOne) : WithNumber(Text(kTextSiteUnreadMany), count)) +
                "</h2>\n<ul>\n";
        for (const SkippedInput& input : skipped) {
            std::string reason = Text(ReasonText(input.reason));
            if (input.reason == SkipReason::kSchemaVersion)
                reason = WithNumber(reason, input.schemaVersion);
            page += "<li class=\"unread\"><span class=\"source\">" + HtmlText(input.source) +
                    "</span>: <span class=\"reason\">" + reason + "</span></li>\n";
        }
        page += "</ul>\n</section>\n";
    }

    const SiteFigures& figures;
    const PageTextFn& text;
    const SummaryPageFrame& frame;
    std::string page;
};

} // namespace

std::string CheckNameText(std::string_view checkId, const PageTextFn& text) {
    for (CheckId id : kAllCheckIds)
        if (CheckIdName(id) == checkId)
            return text(CheckNameTextId(id));
    return std::string(checkId);
}

std::string BuildSummaryPage(const SiteFigures& figures, const PageTextFn& text,
                             const SummaryPageFrame& frame) {
    return CPageWriter(figures, text, frame).Build();
}

} // namespace Velkora
