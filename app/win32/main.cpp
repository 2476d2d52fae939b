// The Windows program's entry.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr, L"Velmora", L"Velmora", MB_OK | MB_ICONINFORMATION);
    return 0;
}
