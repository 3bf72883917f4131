#pragma once
// The number of every text the dialog program asks its language module for, and what each text
// is for. "F:" marks a printf-style format, with its arguments in order. Both language modules
// (systest/app/lang) hold a text under each of these numbers.
#include "text_source.h"

namespace Velkora {

// Main window.
inline constexpr TextId kTextIntroduction = 900;
inline constexpr TextId kTextColumnStatus = 901;
inline constexpr TextId kTextColumnDescription = 902;
inline constexpr TextId kTextMainCaption = 903; // F: product name
inline constexpr TextId kTextReportButton = 915;
// Report header line. F: 34, computer name, 34, today's date, product year, build date.
inline constexpr TextId kTextReportHeader = 916;

// Status labels of list rows and of the summary, by severity.
inline constexpr TextId kTextLabelNotMet = 904;  // severity 1
inline constexpr TextId kTextLabelWarning = 905; // severity 2
inline constexpr TextId kTextLabelMet = 906;     // severities 3 and 4
inline constexpr TextId kTextLabelNotice = 907;  // severity 5
inline constexpr TextId kTextLabelUnknown = 908; // any other severity

// Operating system verdicts.
inline constexpr TextId kTextOSNotSupported = 910;
inline constexpr TextId kTextOSNeedsServicePack = 912; // F: number of the first supported service pack
inline constexpr TextId kTextOSSupported = 913;
inline constexpr TextId kTextOSNewer = 914;
inline constexpr TextId kTextOSNotRecommended = 917;

// Processor verdicts.
inline constexpr TextId kTextProcessorNoSse2 = 920;
inline constexpr TextId kTextProcessorSse2 = 922;

// Licence window.
inline constexpr TextId kTextLicenceAccept = 924;
inline constexpr TextId kTextLicenceDecline = 925;
inline constexpr TextId kTextLicenceInstructions = 926;
inline constexpr TextId kTextLicenceConsent = 927;
inline constexpr TextId kTextLicenceCaption = 928; // F: product name

// Disk space verdicts. F: drive letter, limit in GB.
inline constexpr TextId kTextDiskBelow = 930;
inline constexpr TextId kTextDiskAtLeast = 931;

// Video memory verdicts. F: adapter caption, requirement text (kTextRequirement...).
inline constexpr TextId kTextVideoMemoryBelow = 940;
inline constexpr TextId kTextVideoMemoryMeets = 941;

// Installed memory verdicts.
inline constexpr TextId kTextMemoryBelow4 = 950;
inline constexpr TextId kTextMemoryBelow16 = 951;
inline constexpr TextId kTextMemory16 = 952;
inline constexpr TextId kTextMemoryAbove16 = 953;
inline constexpr TextId kTextMemoryUnknown = 954;

// Screen verdicts. F: width, height.
inline constexpr TextId kTextScreenBelow = 960;
inline constexpr TextId kTextScreenAtLeast = 961;

// Summary texts. F: product name.
inline constexpr TextId kTextSummaryNotMet = 970;
inline constexpr TextId kTextSummaryWarning = 971;
inline constexpr TextId kTextSummaryMet = 972;

// Graphics card, driver and adapter verdicts.
inline constexpr TextId kTextCardNotCertified = 980;        // F: adapter caption
inline constexpr TextId kTextCardDriverNotCertified = 981;  // list row
inline constexpr TextId kTextCardDriverNotForProduct = 982; // report line; F: product name
inline constexpr TextId kTextDriverCertifiedOther = 983;    // F: listed major, minor, installed major, minor
inline constexpr TextId kTextDriverTooOld = 984; // F: installed major, minor, required major, minor
inline constexpr TextId kTextCardSupported = 985;
inline constexpr TextId kTextAdaptersDiffer = 987;
inline constexpr TextId kTextDriverVersionUnknown = 988;
inline constexpr TextId kTextSwitchableGraphics = 989;
inline constexpr TextId kTextCardNotCertifiedUnnamed = 999; // the adapter's caption is unknown

// Notes of the check run.
inline constexpr TextId kTextListReplacedNote = 990; // the card list was replaced, the test repeated
inline constexpr TextId kTextClosingNote = 991;      // always the last row

// Requirement texts quoted by the video memory verdicts. F: one number.
inline constexpr TextId kTextRequirementRecommended = 992; // in GB
inline constexpr TextId kTextRequirementMinimum = 993;     // in MB

// What could not be checked: each a counted warning row.
inline constexpr TextId kTextDiagnosticsStopped = 994;         // stopped at the time limit; F: seconds
inline constexpr TextId kTextDiagnosticsNotStarted = 995;      // the diagnostics program could not start
inline constexpr TextId kTextDiagnosticsEndedAbnormally = 996; // F: its exit code in hexadecimal
inline constexpr TextId kTextAdapterNotIdentified = 997;       // the adapter inventory failed
inline constexpr TextId kTextOSNotIdentified = 998;            // the operating system query failed

// The result list beyond its columns.
inline constexpr TextId kTextResultListName = 1100; // what assistive technology calls the result list
inline constexpr TextId kTextMenuCopy = 1101;       // the list's context menu, with access key and Ctrl+C
inline constexpr TextId kTextMenuSelectAll = 1102;  // the list's context menu, with access key and Ctrl+A

// The progress window: the step that is running, and its button (with access key).
inline constexpr TextId kTextStepOperatingSystem = 1103;
inline constexpr TextId kTextStepProcessor = 1104;
inline constexpr TextId kTextStepMemory = 1105;
inline constexpr TextId kTextStepDiskSpace = 1106;
inline constexpr TextId kTextStepScreen = 1107;
inline constexpr TextId kTextStepGraphics = 1108; // waits for the diagnostics program
inline constexpr TextId kTextProgressCancel = 1109;
inline constexpr TextId kTextProgressCaption = 1110; // F: product name

// Video memory that could not be determined: of a named adapter that WMI gives no size for
// (F: adapter caption), or of an adapter that was not found on the primary display.
inline constexpr TextId kTextVideoMemoryUnknown = 1111;
inline constexpr TextId kTextVideoMemoryUnknownUnnamed = 1112;

// The card list is missing, unreadable or holds no entry: the card was checked against nothing.
inline constexpr TextId kTextCardListNotRead = 1113;

// The run has no user's desktop (session 0, a station that is not visible): the graphics
// hardware was not checked and the diagnostics program not started.
inline constexpr TextId kTextGraphicsWithoutDesktop = 1114;

// What "-?" shows: the usage line, the options and exit codes, lines ended by CR LF.
inline constexpr TextId kTextHelp = 1120;

// The overview of a site's results (-summary): the name of each check.
inline constexpr TextId kTextCheckNameOperatingSystem = 1130;
inline constexpr TextId kTextCheckNameProcessor = 1131;
inline constexpr TextId kTextCheckNameMemory = 1132;
inline constexpr TextId kTextCheckNameDiskSpace = 1133;
inline constexpr TextId kTextCheckNameScreen = 1134;
inline constexpr TextId kTextCheckNameVideoMemory = 1135;
inline constexpr TextId kTextCheckNameGraphicsCard = 1136;
inline constexpr TextId kTextCheckNameGraphicsDriver = 1137;
inline constexpr TextId kTextCheckNameAdaptersIdentical = 1138;
inline constexpr TextId kTextCheckNameListReplaced = 1139;
inline constexpr TextId kTextCheckNameClosingNote = 1140;
inline constexpr TextId kTextCheckNameDiagnosticsTimeout = 1141;
inline constexpr TextId kTextCheckNameDiagnosticsNotStarted = 1142;
inline constexpr TextId kTextCheckNameDiagnosticsEndedAbnormally = 1143;
inline constexpr TextId kTextCheckNameAdapterNotIdentified = 1144;
inline constexpr TextId kTextCheckNameOperatingSystemNotIdentified = 1145;
inline constexpr TextId kTextCheckNameCardListNotRead = 1146;
inline constexpr TextId kTextCheckNameGraphicsWithoutDesktop = 1147;
// The page. F: product name.
inline constexpr TextId kTextSitePageTitle = 1150;
inline constexpr TextId kTextSiteMachines = 1151; // F: the number of machines
inline constexpr TextId kTextSiteReady = 1152;
inline constexpr TextId kTextSiteWarnings = 1153;
inline constexpr TextId kTextSiteNotReady = 1154;
inline constexpr TextId kTextSiteNotJudged = 1155;
inline constexpr TextId kTextSiteChecksHeading = 1156;
inline constexpr TextId kTextSiteFailed = 1157; // F: a number of machines
inline constexpr TextId kTextSiteWarned = 1158; // F: a number of machines
inline constexpr TextId kTextSiteAttentionHeading = 1159;
inline constexpr TextId kTextSiteComputer = 1160;
inline constexpr TextId kTextSiteCheckedAt = 1161;
inline constexpr TextId kTextSiteState = 1162;
inline constexpr TextId kTextSiteChecks = 1163;
inline constexpr TextId kTextSiteGraphicsHeading = 1164;
inline constexpr TextId kTextSiteGraphicsCard = 1165;
inline constexpr TextId kTextSiteDriverVersion = 1166;
inline constexpr TextId kTextSiteMachineCount = 1167;
inline constexpr TextId kTextSiteVerdict = 1168;
inline constexpr TextId kTextSiteVersionsHeading = 1169;
inline constexpr TextId kTextSiteCheckerVersion = 1170;
inline constexpr TextId kTextSiteUnreadMany = 1171; // F: the number of inputs
inline constexpr TextId kTextSiteUnreadOne = 1172;
inline constexpr TextId kTextSiteNoResults = 1173;
inline constexpr TextId kTextSiteNoAttention = 1174;
inline constexpr TextId kTextSiteNoChecks = 1175;
inline constexpr TextId kTextSiteUnknown = 1176; // a card, driver or version that was not known
// Verdict words of a check.
inline constexpr TextId kTextSiteNotMet = 1177;
inline constexpr TextId kTextSiteWarning = 1178;
inline constexpr TextId kTextSiteMet = 1179;
inline constexpr TextId kTextSiteNoVerdict = 1180;
// Why an input was skipped.
inline constexpr TextId kTextSiteNotOpened = 1181;
inline constexpr TextId kTextSiteNotJson = 1182;
inline constexpr TextId kTextSiteNotOurs = 1183;
inline constexpr TextId kTextSiteSchemaVersion = 1184; // F: the version
inline constexpr TextId kTextSiteIncomplete = 1185;
inline constexpr TextId kTextSiteNotTable = 1186;
inline constexpr TextId kTextSiteRowMalformed = 1187;
inline constexpr TextId kTextSiteTooLarge = 1188;

} // namespace Velkora
