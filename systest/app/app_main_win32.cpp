#include <windows.h>

#include "program_entry_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return Velkora::RunProgram(instance, showCommand);
}
