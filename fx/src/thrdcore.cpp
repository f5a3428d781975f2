// thrdcore.cpp - CWinThread: threads, the message pump and idle processing.
#include "afximpl_.h"
#include <process.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::operator HANDLE() const
{
    return this == NULL ? NULL : m_hThread;
}

CWinThread::CWinThread()
    : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_bAutoDelete(TRUE), m_hThread(NULL), m_nThreadID(0),
      m_pfnThreadProc(NULL), m_pThreadParams(NULL), m_ptCursorLast(-1, -1), m_nMsgLast(WM_NULL),
      m_nDisablePumpCount(0)
{
    memset(&m_msgCur, 0, sizeof(m_msgCur));
}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_bAutoDelete(TRUE), m_hThread(NULL), m_nThreadID(0),
      m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam), m_ptCursorLast(-1, -1),
      m_nMsgLast(WM_NULL), m_nDisablePumpCount(0)
{
    memset(&m_msgCur, 0, sizeof(m_msgCur));
}

CWinThread::~CWinThread()
{
    if (m_hThread != NULL && m_pfnThreadProc != NULL)
        ::CloseHandle(m_hThread);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pCurrentWinThread == this)
        pState->m_pCurrentWinThread = NULL;
}

namespace
{
struct ThreadStartup
{
    CWinThread* pThread;
    HANDLE hEventStarted;
    HANDLE hEventContinue;   // the creator has suspended the thread if it asked to
};
}

static unsigned __stdcall AfxThreadEntry(void* pParam)
{
    ThreadStartup* pStartup = (ThreadStartup*)pParam;
    CWinThread* pThread = pStartup->pThread;
    AfxGetThreadState()->m_pCurrentWinThread = pThread;
    HANDLE hEventContinue = pStartup->hEventContinue;
    ::SetEvent(pStartup->hEventStarted);
    ::WaitForSingleObject(hEventContinue, INFINITE);   // pStartup is gone after this
    ::CloseHandle(hEventContinue);

    UINT nResult;
    if (pThread->m_pfnThreadProc != NULL)
        nResult = (*pThread->m_pfnThreadProc)(pThread->m_pThreadParams);
    else if (!pThread->InitInstance())
        nResult = pThread->ExitInstance();
    else
        nResult = pThread->Run();
    AfxEndThread(nResult, TRUE);
    return nResult;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    ThreadStartup startup = { this, ::CreateEventA(NULL, TRUE, FALSE, NULL),
        ::CreateEventA(NULL, TRUE, FALSE, NULL) };
    if (startup.hEventStarted == NULL || startup.hEventContinue == NULL)
    {
        if (startup.hEventStarted != NULL) ::CloseHandle(startup.hEventStarted);
        if (startup.hEventContinue != NULL) ::CloseHandle(startup.hEventContinue);
        return FALSE;
    }
    unsigned nThreadID = 0;
    m_hThread = (HANDLE)_beginthreadex(lpSecurityAttrs, nStackSize, &AfxThreadEntry, &startup,
        dwCreateFlags & ~CREATE_SUSPENDED, &nThreadID);
    if (m_hThread == NULL)
    {
        ::CloseHandle(startup.hEventStarted);
        ::CloseHandle(startup.hEventContinue);
        return FALSE;
    }
    m_nThreadID = nThreadID;
    ::WaitForSingleObject(startup.hEventStarted, INFINITE);
    ::CloseHandle(startup.hEventStarted);
    // the thread waits for the continue event, so it is suspended before it runs any user code
    if (dwCreateFlags & CREATE_SUSPENDED)
        ::SuspendThread(m_hThread);
    ::SetEvent(startup.hEventContinue);
    return TRUE;
}

int CWinThread::GetThreadPriority() { return ::GetThreadPriority(m_hThread); }
BOOL CWinThread::SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }
DWORD CWinThread::SuspendThread() { return ::SuspendThread(m_hThread); }
DWORD CWinThread::ResumeThread() { return ::ResumeThread(m_hThread); }
BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostThreadMessageA(m_nThreadID, message, wParam, lParam);
}

BOOL CWinThread::InitInstance() { return FALSE; }

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != NULL)
        return m_pActiveWnd;
    return m_pMainWnd;
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

int CWinThread::ExitInstance()
{
    int nResult = (int)m_msgCur.wParam;
    return nResult;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Mouse moves to the same point and the framework's idle kick do not restart the idle pass;
    // otherwise a blinking caret's timer would keep the update pass running all the time.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (m_ptCursorLast == CPoint(pMsg->pt) && pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118 /* WM_SYSTIMER */ &&
        pMsg->message != WM_KICKIDLE;
}

BOOL AFXAPI AfxIsIdleMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
        return pThread->IsIdleMessage(pMsg);
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118 && pMsg->message != WM_KICKIDLE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == NULL)
        return FALSE;              // thread messages have no window to walk
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // a modeless window that is not a descendant of the main window still lets the main window see it
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::ProcessMessageFilter(int, LPMSG)
{
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, NULL, 0, 0))
        return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
        return pThread->PumpMessage();
    MSG msg;
    if (!::GetMessageA(&msg, NULL, 0, 0))
        return FALSE;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return TRUE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        // the command-update pass: the main window and, through it, every permanent descendant
        // (control bars update their items here)
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsWindowVisible())
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
        }
        // then every other frame of the thread: floating frames are not the main window's
        // descendants, and a delayed show or hide of one is applied here
        for (CFrameWnd* pFrameWnd = AfxGetFirstFrameWnd(); pFrameWnd != NULL; pFrameWnd = pFrameWnd->m_pNextFrameWnd)
        {
            if (pFrameWnd->m_hWnd == NULL || pFrameWnd == pMainWnd)
                continue;
            if (pFrameWnd->m_nShowDelay == SW_HIDE)
                pFrameWnd->ShowWindow(pFrameWnd->m_nShowDelay);
            if (pFrameWnd->IsWindowVisible() || pFrameWnd->m_nShowDelay >= 0)
            {
                AfxCallWndProc(pFrameWnd, pFrameWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
                pFrameWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
            }
            if (pFrameWnd->m_nShowDelay > SW_HIDE)
                pFrameWnd->ShowWindow(pFrameWnd->m_nShowDelay);
            pFrameWnd->m_nShowDelay = -1;
        }
    }
    else
    {
        // free the temporary wrappers made since the last idle time
        AfxLockTempMaps();
        AfxUnlockTempMaps(TRUE);
    }
    return lCount < 0;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    // A failure in WM_CREATE fails the creation; in WM_PAINT the window is validated so that the
    // failure does not repeat forever; otherwise the user sees the error.
    if (pMsg != NULL && pMsg->message == WM_CREATE)
        return -1;
    if (pMsg != NULL && pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, NULL);
    if (e != NULL && !e->IsKindOf(RUNTIME_CLASS(CUserException)))
        e->ReportError(MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
    return 0;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority,
    UINT nStackSize, DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    CWinThread* pThread = new CWinThread(pfnThreadProc, pParam);
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        pThread->Delete();
        return NULL;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWinThread* pThread = pState->m_pCurrentWinThread;
    if (pThread != NULL && bDelete && pThread != (CWinThread*)AfxGetApp())
    {
        pState->m_pCurrentWinThread = NULL;
        pThread->Delete();
    }
    AfxLockTempMaps();
    AfxUnlockTempMaps(TRUE);
    _endthreadex(nExitCode);
}
