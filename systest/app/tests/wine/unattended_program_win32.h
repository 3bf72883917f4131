#pragma once
// What the Wine tests of unattended runs share: the program in a copy of the deliverable folder,
// started the way a deployment script starts it, with its standard output and error captured,
// and the files it leaves. Each test program includes it once.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "deliverable_copy_win32.h"
#include "driven_process_win32.h"
#include "file_contents_win32.h"
#include "temp_folder_win32.h"
#include "window_probe_win32.h"

namespace VelkoraTest {

using nlohmann::json;

const std::wstring kDeliverable = WinePathOf(VELKORA_DELIVERABLE_DIR) + L"\\";
constexpr DWORD kWait = 90000;
const char kBom[] = "\xEF\xBB\xBF";

// Every result document a run wrote is also kept for the schema check (result_schema_tests).
inline void KeepForSchemaCheck(const std::string& text) {
    static int count = 0;
    const std::filesystem::path dir(WinePathOf(VELKORA_JSON_DOCUMENT_DIR));
    std::filesystem::create_directories(dir);
    const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::ofstream(dir / ("wine-" + test + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(++count) + ".json"),
                  std::ios::binary)
        << text;
}

// The report's lines without their CR LF; empty when a line end is not CR LF.
inline std::vector<std::string> ReportLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            return {};
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

struct RunOutcome {
    std::optional<DWORD> exitCode;
    std::string output, errors;
    std::size_t windowsSeen = 0;       // visible top-level windows of the program, at any time
    std::size_t hiddenWindowsSeen = 0; // and hidden ones
    std::set<std::string> hiddenClasses;
    DWORD milliseconds = 0;
};

// A copy of the deliverable folder in which the program runs.
class UnattendedProgram : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.IsValid());
        ASSERT_EQ(Utf8Of(CopyDeliverable(kDeliverable, folder.Path(), true)), "") << "not copied";
        out = folder.Path() + L"out\\";
        ASSERT_TRUE(CreateDirectoryW(out.c_str(), nullptr));
    }

    // Runs the program with these words after its name and waits for it, watching for windows.
    RunOutcome Run(const std::wstring& arguments, std::vector<std::wstring> environment = {}) {
        RunOutcome outcome;
        CDrivenProcess program;
        DWORD start = GetTickCount();
        if (!program.Start({L"\"" + folder.Path() + L"VelkoraSysTest.exe\" " + arguments, folder.Path(),
                            std::move(environment)},
                           desktop)) {
            ADD_FAILURE() << "the program did not start";
            return outcome;
        }
        while (GetTickCount() - start < kWait) {
            outcome.exitCode = program.WaitForExit(20);
            if (outcome.exitCode)
                break;
            std::vector<HWND> all = TopLevelWindowsOf(program.ProcessId(), false);
            std::size_t visible = TopLevelWindowsOf(program.ProcessId()).size();
            outcome.windowsSeen = std::max(outcome.windowsSeen, visible);
            outcome.hiddenWindowsSeen = std::max(outcome.hiddenWindowsSeen, all.size() - visible);
            for (HWND w : all)
                outcome.hiddenClasses.insert(Utf8Of(ClassNameOf(w)));
        }
        outcome.milliseconds = GetTickCount() - start;
        if (!outcome.exitCode) {
            ADD_FAILURE() << "the program did not end within " << kWait << " ms";
            program.Terminate();
            return outcome;
        }
        outcome.output = program.Output();
        outcome.errors = program.Errors();
        return outcome;
    }

    static json ParseJson(const std::optional<std::string>& text) {
        if (!text) {
            ADD_FAILURE() << "no result document";
            return json::object();
        }
        KeepForSchemaCheck(*text);
        return json::parse(*text, nullptr, false);
    }

    CTempFolder folder{L"velkora-unattended"};
    std::wstring out;
    std::wstring desktop; // "station\\desktop" for the runs; empty: the test's own
};

} // namespace VelkoraTest
