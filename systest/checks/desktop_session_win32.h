#pragma once
// The facts of this process's window station and session.
#include "desktop_session.h"

namespace Velkora {

DesktopSessionFacts ReadDesktopSessionFacts();

} // namespace Velkora
