#include "desktop_session.h"

namespace Velkora {

bool HasUserDesktop(const DesktopSessionFacts& facts) {
    if (facts.station == WindowStationVisibility::kNotVisible)
        return false;
    // Services run in session 0, users from session 1 on (Windows Vista and later).
    return !(facts.sessionId && *facts.sessionId == 0);
}

} // namespace Velkora
