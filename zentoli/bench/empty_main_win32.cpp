// The smallest Windows program: its run under Wine is the start-up cost every program pays.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return 0;
}
