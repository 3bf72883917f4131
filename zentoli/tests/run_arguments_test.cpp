#include "run_arguments.h"

#include <gtest/gtest.h>

namespace Zentoli {
namespace {

struct ArgumentCase {
    std::vector<std::wstring> arguments;
    std::wstring directory;
    bool logToFile;
};

class Arguments : public testing::TestWithParam<ArgumentCase> {};

TEST_P(Arguments, GiveDirectoryAndLogDestination) {
    RunArguments parsed = ParseRunArguments(GetParam().arguments);
    EXPECT_EQ(parsed.shaderDirectory, GetParam().directory);
    EXPECT_EQ(parsed.logToFile, GetParam().logToFile);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Arguments,
    testing::Values(
        ArgumentCase{{}, L"", true}, ArgumentCase{{L"Zentoli.exe"}, L"", true},
        ArgumentCase{{L"Zentoli.exe", L"C:\\shaders\\"}, L"C:\\shaders\\", false},
        ArgumentCase{{L"Zentoli.exe", L"C:\\shaders\\xyz", L"-1"}, L"C:\\shaders\\", true},
        ArgumentCase{{L"Zentoli.exe", L"C:\\shaders\\xyz", L"x-1y", L"more"}, L"C:\\shaders\\", true},
        ArgumentCase{{L"Zentoli.exe", L"C:\\shaders\\", L"-2"}, L"C:\\shaders\\", false},
        ArgumentCase{{L"Zentoli.exe", L"ab", L"-1"}, L"", true},
        ArgumentCase{{L"Zentoli.exe", L"", L"-1"}, L"", true},
        ArgumentCase{{L"Zentoli.exe", std::wstring(300, L'a')}, std::wstring(259, L'a'), false},
        ArgumentCase{{L"Zentoli.exe", std::wstring(300, L'a'), L"-1"}, std::wstring(256, L'a'), true}));

TEST(LogFileName, HasComputerAndStartTime) {
    EXPECT_EQ(LogFileName(L"WS01", {2018, 3, 5, 9, 7}), L"zentoli_WS01_2018-3-5_0907.txt");
    EXPECT_EQ(LogFileName(L"CAD-STATION-12", {2026, 12, 31, 23, 59}),
              L"zentoli_CAD-STATION-12_2026-12-31_2359.txt");
}

TEST(LogFileName, UnreadableComputerNameStillGivesAUsableName) {
    EXPECT_EQ(LogFileName(std::nullopt, {2018, 3, 5, 9, 7}), L"zentoli_unknown_2018-3-5_0907.txt");
    EXPECT_EQ(LogFileName(L"", {2018, 3, 5, 9, 7}), L"zentoli_unknown_2018-3-5_0907.txt");
    EXPECT_EQ(LogFileName(std::wstring(40, L'X'), {2018, 3, 5, 9, 7}),
              L"zentoli_" + std::wstring(15, L'X') + L"_2018-3-5_0907.txt");
}

} // namespace
} // namespace Zentoli
