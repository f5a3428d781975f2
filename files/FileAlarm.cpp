// FileAlarm.cpp - the folder watcher thread.
#include "FileAlarm.h"
#include "frame/UILMessages.h"
#include "frame/UILMessagesImpl.h"
#include <vector>

namespace
{
// Module-wide state, touched by StartFileAlarmThread and StopFileAlarmThread on the
// user-interface thread; a watcher only reads the path and uses the two semaphores.
char g_szWatchedPath[MAX_PATH];
HANDLE g_hStartSemaphore = NULL;    // taken by a start, given back once its thread has its parameters
HANDLE g_hRunSemaphore = NULL;      // held by the running watcher for its whole life
HANDLE g_hSpareSemaphore = NULL;    // created with the others for a later user; not waited on here

// the watchers not yet stopped, newest last
struct SWatcher
{
    CEvent* pStop;
    HANDLE hThread;
};
std::vector<SWatcher> g_watchers;

struct SAlarmParams
{
    HWND hWndTarget;
    const char* lpszPath;
    BOOL bSubtree;
    DWORD dwExtra;
    HANDLE hStop;
};

// the notification filters in the order they are opened and waited on, with their bits
const struct
{
    DWORD dwFilter;
    WPARAM nBit;
} s_filters[] = {
    {FILE_NOTIFY_CHANGE_DIR_NAME, FILEALARM_DIRNAME},
    {FILE_NOTIFY_CHANGE_FILE_NAME, FILEALARM_FILENAME},
    {FILE_NOTIFY_CHANGE_LAST_WRITE, FILEALARM_LASTWRITE},
    {FILE_NOTIFY_CHANGE_SIZE, FILEALARM_SIZE},
    {FILE_NOTIFY_CHANGE_ATTRIBUTES, FILEALARM_ATTRIBUTES},
    {FILE_NOTIFY_CHANGE_SECURITY, FILEALARM_SECURITY},
};
const int s_nFilters = sizeof(s_filters) / sizeof(s_filters[0]);

DWORD WINAPI FileAlarmThread(LPVOID pParam)
{
    SAlarmParams params = *(SAlarmParams*)pParam;
    delete (SAlarmParams*)pParam;
    ::WaitForSingleObject(g_hRunSemaphore, INFINITE);
    ::ReleaseSemaphore(g_hStartSemaphore, 1, NULL);

    BOOL bRun = TRUE;
    while (bRun)
    {
        // Opened anew every pass (so a new start's path applies from the next pass on); what
        // changes between two passes is not reported.
        HANDLE handles[1 + s_nFilters];
        handles[0] = params.hStop;
        int nOpened = 0;
        for (int i = 0; i < s_nFilters; ++i)
        {
            handles[1 + i] = ::FindFirstChangeNotificationA(params.lpszPath, params.bSubtree, s_filters[i].dwFilter);
            if (handles[1 + i] != INVALID_HANDLE_VALUE)
                ++nOpened;
        }
        // A folder that cannot be watched fails the wait: the watcher ends without a word.
        DWORD dwWait = nOpened == s_nFilters ? ::WaitForMultipleObjects(1 + s_nFilters, handles, FALSE, INFINITE)
                                             : WAIT_FAILED;
        if (dwWait >= WAIT_OBJECT_0 + 1 && dwWait <= WAIT_OBJECT_0 + s_nFilters)
        {
            WPARAM nBits = 0;
            for (int i = 0; i < s_nFilters; ++i)
                if (::WaitForSingleObject(handles[1 + i], 0) == WAIT_OBJECT_0)
                    nBits |= s_filters[i].nBit;
            ::PostMessageA(params.hWndTarget, WM_FILEALARM, nBits, 0);
        }
        else
            bRun = FALSE;       // stopped, or the wait failed
        for (int i = 0; i < s_nFilters; ++i)
            if (handles[1 + i] != INVALID_HANDLE_VALUE)
                ::FindCloseChangeNotification(handles[1 + i]);
    }

    ::ReleaseSemaphore(g_hRunSemaphore, 1, NULL);
    return 0;
}
} // namespace

CEvent* StartFileAlarmThread(HWND hWndTarget, const char* lpszFolder, int bSubtree, DWORD dwExtra)
{
    RegisterFileAlarmMessage();
    lstrcpynA(g_szWatchedPath, lpszFolder != NULL ? lpszFolder : "", MAX_PATH);
    if (g_hStartSemaphore == NULL)
    {
        g_hStartSemaphore = ::CreateSemaphoreA(NULL, 1, 1, NULL);
        g_hRunSemaphore = ::CreateSemaphoreA(NULL, 1, 1, NULL);
        g_hSpareSemaphore = ::CreateSemaphoreA(NULL, 0, 1, NULL);
    }
    ::WaitForSingleObject(g_hStartSemaphore, 0);

    CEvent* pStop = new CEvent(FALSE, FALSE);
    pStop->ResetEvent();
    SAlarmParams* pParams = new SAlarmParams{hWndTarget, g_szWatchedPath, bSubtree != 0, dwExtra, pStop->m_hObject};
    HANDLE hThread = ::CreateThread(NULL, 0, FileAlarmThread, pParams, 0, NULL);
    if (hThread == NULL)
    {
        // no watcher runs: give the start back so that the next one is not held up
        delete pParams;
        ::ReleaseSemaphore(g_hStartSemaphore, 1, NULL);
    }
    else
        g_watchers.push_back(SWatcher{pStop, hThread});
    return pStop;
}

void StopFileAlarmThread(CEvent* pStop)
{
    if (pStop != NULL)
        pStop->SetEvent();
    // the watcher of this event; the last one started when none is named
    int nIndex = -1;
    for (int i = (int)g_watchers.size() - 1; i >= 0; --i)
        if (pStop == NULL || g_watchers[i].pStop == pStop)
        {
            nIndex = i;
            break;
        }
    if (nIndex >= 0)
    {
        // the event dies only after its thread has ended, so the thread never waits on a dead one
        ::WaitForSingleObject(g_watchers[nIndex].hThread, INFINITE);
        ::CloseHandle(g_watchers[nIndex].hThread);
        g_watchers.erase(g_watchers.begin() + nIndex);
    }
    delete pStop;
}
