/* keepalive.exe - holds one hidden window for the lifetime of a test session.
 *
 * Under Wine the first window of a session starts "explorer.exe /desktop", which inherits the
 * standard handles of whichever process created that window and lingers about a second after the
 * last window is gone.  When that process is a test started by ctest, ctest waits for the
 * inherited pipe to close, so every GUI test costs an extra second or more.  Started once by
 * scripts/wine-env.sh with its stdio on /dev/null, this program makes the desktop belong to a
 * process that never talks to ctest and keeps it alive until the session is over.
 *
 * It ends when its process is killed (wine-env.sh stops it by process id) or when the event
 * below is set, whichever comes first.
 */
#include <windows.h>

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd)
{
    HANDLE hStop;
    HWND hWnd;
    (void)hInstance; (void)hPrevInstance; (void)lpCmdLine; (void)nShowCmd;

    hStop = CreateEventA(NULL, TRUE, FALSE, "WEXOctrlTestKeepaliveStop");
    hWnd = CreateWindowExA(0, "STATIC", "keepalive", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    if (hStop == NULL || hWnd == NULL)
        return 1;

    for (;;)
    {
        MSG msg;
        DWORD dw = MsgWaitForMultipleObjects(1, &hStop, FALSE, INFINITE, QS_ALLINPUT);
        if (dw != WAIT_OBJECT_0 + 1)
            break;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    DestroyWindow(hWnd);
    CloseHandle(hStop);
    return 0;
}
