#include "desktop_session_win32.h"

#include <windows.h>

namespace Velkora {

DesktopSessionFacts ReadDesktopSessionFacts() {
    DesktopSessionFacts facts;
    // The station handle belongs to the process and must not be closed.
    if (HWINSTA station = GetProcessWindowStation()) {
        USEROBJECTFLAGS flags = {};
        DWORD needed = 0;
        if (GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, &needed)) {
            facts.station = (flags.dwFlags & WSF_VISIBLE) != 0 ? WindowStationVisibility::kVisible
                                                               : WindowStationVisibility::kNotVisible;
        }
    }
    DWORD session = 0;
    if (ProcessIdToSessionId(GetCurrentProcessId(), &session))
        facts.sessionId = session;
    return facts;
}

} // namespace Velkora
