/* LangRes.c - LangRes.dll holds resources only (LangRes.rc); the linker still needs a unit. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    (void)hInstance;
    (void)dwReason;
    (void)lpReserved;
    return TRUE;
}
