// Runs with and without a user's desktop, for real. Under Wine the test's own window station is
// the visible one, as in a user's session; a station of the test's own making is not visible,
// as a service's is, and a run started on one of its desktops must leave the graphics unjudged.
#include "unattended_program_win32.h"

#include "scoped_handle_win32.h"

namespace {

using namespace VelkoraTest;

bool HasId(const json& document, const char* id) {
    for (const json& check : document["checks"])
        if (check["id"] == id)
            return true;
    return false;
}

bool StationVisible(HWINSTA station) {
    USEROBJECTFLAGS flags = {};
    DWORD needed = 0;
    return GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, &needed) &&
           (flags.dwFlags & WSF_VISIBLE) != 0;
}

// A window station of the test's own with one desktop, closed when the test ends. A desktop is
// made on the process's station, so the process visits the new one for that moment.
class CHiddenStation {
  public:
    explicit CHiddenStation(const std::wstring& name) : name(name) {
        station.Reset(CreateWindowStationW(name.c_str(), 0, WINSTA_ALL_ACCESS, nullptr));
        if (!station)
            return;
        HWINSTA own = GetProcessWindowStation();
        if (SetProcessWindowStation(station.Get())) {
            desktop.Reset(CreateDesktopW(L"Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr));
            SetProcessWindowStation(own);
        }
    }
    bool IsValid() const { return station && desktop; }
    HWINSTA Station() const { return station.Get(); }
    std::wstring DesktopPath() const { return name + L"\\Default"; }

  private:
    std::wstring name;
    Velkora::CWindowStation station;
    Velkora::CDesktop desktop;
};

TEST_F(UnattendedProgram, ARunInTheUsersSessionHasADesktop) {
    ASSERT_TRUE(StationVisible(GetProcessWindowStation()));
    RunOutcome run = Run(L"-accepteula -silent -json \"" + out + L"result.json\"");
    ASSERT_TRUE(run.exitCode);
    json document = ParseJson(ReadFileBytes(out + L"result.json"));
    ASSERT_FALSE(document.is_discarded());
    EXPECT_FALSE(HasId(document, "graphicsWithoutDesktop"));
    EXPECT_EQ(document["diagnostics"]["started"], true);
}

TEST_F(UnattendedProgram, WithoutAVisibleWindowStationTheGraphicsAreNotChecked) {
    CHiddenStation hidden(L"VelkoraNoDesktop" + std::to_wstring(GetCurrentProcessId()));
    ASSERT_TRUE(hidden.IsValid()) << "no window station: " << GetLastError();
    ASSERT_FALSE(StationVisible(hidden.Station()));
    desktop = hidden.DesktopPath();
    RunOutcome run = Run(L"-accepteula -silent -json \"" + out + L"result.json\"");
    ASSERT_TRUE(run.exitCode);
    json document = ParseJson(ReadFileBytes(out + L"result.json"));
    ASSERT_FALSE(document.is_discarded());
    // One counted warning instead of every graphics verdict, and no diagnostics program.
    EXPECT_TRUE(HasId(document, "graphicsWithoutDesktop"));
    for (const char* id : {"videoMemory", "graphicsCard", "graphicsDriver", "adaptersIdentical",
                           "listReplaced", "diagnosticsNotStarted", "adapterNotIdentified"})
        EXPECT_FALSE(HasId(document, id)) << id;
    for (const json& check : document["checks"]) {
        if (check["id"] == "graphicsWithoutDesktop") {
            EXPECT_EQ(check["severity"], 2);
            EXPECT_EQ(check["countsForSummary"], true);
            EXPECT_EQ(check["text"],
                      "The graphics hardware could not be checked without a user's desktop (the "
                      "check ran in a service session); run the check in the user's session.");
        }
    }
    EXPECT_EQ(document["diagnostics"]["started"], false);
    EXPECT_TRUE(document["diagnostics"]["exitCode"].is_null());
    EXPECT_EQ(document["diagnostics"]["code"], 7);
    // A warning at most: the hardware checks may still find something unmet.
    EXPECT_LE(document["summary"]["severity"].get<int>(), 2);
    EXPECT_EQ(*run.exitCode, 10u + document["summary"]["severity"].get<unsigned>());
}

} // namespace
