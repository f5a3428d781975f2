// TestInput.cpp - scripted real input, the thread's dialogs and menus, a recording window.
#include "TestInput.h"
#include "wexotest.h"
#include <stdio.h>
#include <vector>

CMouseScript* CMouseScript::s_pRunning = NULL;

namespace
{
const UINT nTickPeriod = 20;
// how long a loop may keep running after the watchdog asked it to end
const DWORD nGraceMilliseconds = 3000;

BOOL CALLBACK CollectDialog(HWND hWnd, LPARAM lParam)
{
    char szClass[16];
    if (::IsWindowVisible(hWnd) && ::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0
        && strcmp(szClass, "#32770") == 0)
        ((std::vector<HWND>*)lParam)->push_back(hWnd);
    return TRUE;
}

// the thread's visible dialogs and message boxes
std::vector<HWND> ThreadDialogs()
{
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectDialog, (LPARAM)&dialogs);
    return dialogs;
}

BOOL CALLBACK AppendStaticText(HWND hWnd, LPARAM lParam)
{
    char szClass[16];
    if (::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0 && _stricmp(szClass, "Static") == 0)
    {
        char szText[1024] = "";
        ::GetWindowTextA(hWnd, szText, sizeof(szText));
        CString& str = *(CString*)lParam;
        if (szText[0] != '\0')
        {
            if (!str.IsEmpty())
                str += '\n';
            str += szText;
        }
    }
    return TRUE;
}
}

HWND FindThreadDialog()
{
    // a message box a dialog opened is the one that takes input, and it is disabled by none
    for (HWND hDlg : ThreadDialogs())
    {
        if (::IsWindowEnabled(hDlg))
            return hDlg;
    }
    return NULL;
}

CString DialogText(HWND hDlg)
{
    CString str;
    if (hDlg != NULL)
        ::EnumChildWindows(hDlg, AppendStaticText, (LPARAM)&str);
    return str;
}

std::vector<CString> ReadOpenMenu(std::vector<UINT>* pStates)
{
    std::vector<CString> items;
    HWND hMenuWnd = ::FindWindowA("#32768", NULL);
    HMENU hMenu = hMenuWnd != NULL ? (HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0) : NULL;
    for (int i = 0; hMenu != NULL && i < ::GetMenuItemCount(hMenu); i++)
    {
        char sz[128] = "";
        ::GetMenuStringA(hMenu, i, sz, sizeof(sz), MF_BYPOSITION);
        items.push_back(sz);
        if (pStates != NULL)
            pStates->push_back(::GetMenuState(hMenu, i, MF_BYPOSITION));
    }
    return items;
}

void SendMouseAt(CPoint ptScreen, DWORD dwFlags)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT in;
    memset(&in, 0, sizeof(in));
    in.type = INPUT_MOUSE;
    // rounded up, so that the division Windows makes on the way back gives the same pixel
    in.mi.dx = (ptScreen.x * 65535 + cx - 2) / (cx - 1);
    in.mi.dy = (ptScreen.y * 65535 + cy - 2) / (cy - 1);
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &in, sizeof(INPUT));
}

CPoint ScreenPoint(CWnd* pWnd, CPoint ptClient)
{
    pWnd->ClientToScreen(&ptClient);
    return ptClient;
}

CMouseScript::CMouseScript()
    : m_bWatchdogFired(FALSE), m_nNext(0), m_dwWaitUntil(0), m_dwDeadline(0), m_nTimer(0), m_bDone(FALSE),
      m_bInModal(FALSE), m_pPrevious(NULL)
{
}

CMouseScript::~CMouseScript()
{
    if (m_nTimer != 0)
        ::KillTimer(NULL, m_nTimer);
    if (s_pRunning == this)
        s_pRunning = m_pPrevious;
}

CMouseScript& CMouseScript::AddStep(int nKind, CPoint pt, DWORD dwFlags, std::function<void()> fn)
{
    SStep step;
    step.nKind = (SStep::EKind)nKind;
    step.pt = pt;
    step.dwFlags = dwFlags;
    step.fn = fn;
    m_steps.push_back(step);
    return *this;
}

CMouseScript& CMouseScript::MoveTo(CPoint pt) { return AddStep(SStep::move, pt, 0, nullptr); }
CMouseScript& CMouseScript::Button(DWORD dwFlags) { return AddStep(SStep::input, CPoint(0, 0), dwFlags, nullptr); }
CMouseScript& CMouseScript::LeftDown() { return Button(MOUSEEVENTF_LEFTDOWN); }
CMouseScript& CMouseScript::LeftUp() { return Button(MOUSEEVENTF_LEFTUP); }
CMouseScript& CMouseScript::RightDown() { return Button(MOUSEEVENTF_RIGHTDOWN); }
CMouseScript& CMouseScript::RightUp() { return Button(MOUSEEVENTF_RIGHTUP); }
CMouseScript& CMouseScript::MiddleDown() { return Button(MOUSEEVENTF_MIDDLEDOWN); }
CMouseScript& CMouseScript::MiddleUp() { return Button(MOUSEEVENTF_MIDDLEUP); }
CMouseScript& CMouseScript::KeyPress(WORD wVirtualKey) { return AddStep(SStep::key, CPoint(0, 0), wVirtualKey, nullptr); }
CMouseScript& CMouseScript::Wait(DWORD nMilliseconds) { return AddStep(SStep::wait, CPoint(0, 0), nMilliseconds, nullptr); }
CMouseScript& CMouseScript::Call(std::function<void()> fn) { return AddStep(SStep::call, CPoint(0, 0), 0, fn); }

CMouseScript& CMouseScript::TypeText(LPCSTR lpszText)
{
    AddStep(SStep::chars, CPoint(0, 0), 0, nullptr);
    m_steps.back().strText = lpszText;
    return *this;
}

CMouseScript& CMouseScript::WaitFor(std::function<bool()> fnReady)
{
    AddStep(SStep::until, CPoint(0, 0), 0, nullptr);
    m_steps.back().fnReady = fnReady;
    return *this;
}

CMouseScript& CMouseScript::WaitForDialog()
{
    return WaitFor([] { return FindThreadDialog() != NULL; });
}

CMouseScript& CMouseScript::AnswerDialog(UINT nButtonID)
{
    WaitForDialog();
    return Call([this, nButtonID] {
        HWND hDlg = FindThreadDialog();
        m_strDialogText = DialogText(hDlg);
        // as a click would: the button's notification, from the button when the dialog has one
        HWND hButton = ::GetDlgItem(hDlg, (int)nButtonID);
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nButtonID, BN_CLICKED), (LPARAM)hButton);
    });
}

void CALLBACK CMouseScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_pRunning != NULL)
        s_pRunning->Tick();
}

void CMouseScript::FireWatchdog(DWORD dwNow)
{
    m_bWatchdogFired = TRUE;
    m_bDone = TRUE;
    m_dwDeadline = dwNow + nGraceMilliseconds;
    // ask whatever loop still runs to end, the way the user or the system would
    ::EndMenu();
    HWND hCapture = ::GetCapture();
    if (hCapture != NULL)
        ::SendMessageA(hCapture, WM_CANCELMODE, 0, 0);
    ::ReleaseCapture();
    for (HWND hDlg : ThreadDialogs())
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    // buttons the script left down would confuse the next test
    SendMouseAt(CPoint(1000, 740), 0);
    INPUT in[3];
    memset(in, 0, sizeof(in));
    in[0].type = in[1].type = in[2].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    in[2].mi.dwFlags = MOUSEEVENTF_MIDDLEUP;
    ::SendInput(3, in, sizeof(INPUT));
}

void CMouseScript::Tick()
{
    const DWORD dwNow = ::GetTickCount();
    if (m_bWatchdogFired)
    {
        if ((LONG)(dwNow - m_dwDeadline) < 0)
            return;
        // The loop ignored every request to end: the test cannot come back, so it ends here
        // rather than at the test runner's time limit, with the reason.
        fprintf(stderr, "CMouseScript: a modal loop did not end after the watchdog fired; stopping\n");
        fflush(stderr);
        ::ExitProcess(3);
    }
    // a modal call that outlives its script is as stuck as a script that cannot finish
    if ((!m_bDone || m_bInModal) && (LONG)(dwNow - m_dwDeadline) >= 0)
    {
        FireWatchdog(dwNow);
        return;
    }
    if (m_bDone || (LONG)(dwNow - m_dwWaitUntil) < 0)
        return;
    if (m_nNext >= m_steps.size())
    {
        m_bDone = TRUE;
        return;
    }
    SStep& step = m_steps[m_nNext];
    if (step.nKind == SStep::until && !step.fnReady())
        return;
    m_nNext++;
    switch (step.nKind)
    {
    case SStep::move:
        SendMouseAt(step.pt, 0);
        break;
    case SStep::input:
    {
        INPUT in;
        memset(&in, 0, sizeof(in));
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = step.dwFlags;
        ::SendInput(1, &in, sizeof(INPUT));
        break;
    }
    case SStep::key:
    {
        INPUT in[2];
        memset(in, 0, sizeof(in));
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = (WORD)step.dwFlags;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
        break;
    }
    case SStep::chars:
    {
        HWND hFocus = ::GetFocus();
        for (int i = 0; hFocus != NULL && i < step.strText.GetLength(); i++)
            ::SendMessageA(hFocus, WM_CHAR, (BYTE)step.strText[i], 1);
        break;
    }
    case SStep::wait:
        m_dwWaitUntil = dwNow + step.dwFlags;
        break;
    case SStep::call:
        step.fn();
        break;
    case SStep::until:
        break;
    }
}

void CMouseScript::Start(DWORD dwTimeout)
{
    m_nNext = 0;
    m_bDone = FALSE;
    m_bWatchdogFired = FALSE;
    m_dwWaitUntil = ::GetTickCount();
    m_dwDeadline = m_dwWaitUntil + dwTimeout;
    m_pPrevious = s_pRunning;
    s_pRunning = this;
    m_nTimer = ::SetTimer(NULL, 0, nTickPeriod, OnTimer);
}

BOOL CMouseScript::Finish()
{
    while (!m_bDone)
        PumpTestMessages(nTickPeriod);
    ::KillTimer(NULL, m_nTimer);
    m_nTimer = 0;
    s_pRunning = m_pPrevious;
    // what the last steps caused (posted notifications, repaints) arrives now
    PumpTestMessages(60);
    return !m_bWatchdogFired;
}

BOOL CMouseScript::Run(DWORD dwTimeout)
{
    Start(dwTimeout);
    return Finish();
}

BOOL CMouseScript::Run(std::function<void()> fnModal, DWORD dwTimeout)
{
    Start(dwTimeout);
    m_bInModal = TRUE;
    fnModal();
    m_bInModal = FALSE;
    return Finish();
}

/////////////////////////////////////////////////////////////////////////////

CRecordingWnd::CRecordingWnd()
    : m_bWatchAll(FALSE)
{
}

CRecordingWnd::~CRecordingWnd()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CRecordingWnd::CreateTopLevel(const CRect& rect, LPCSTR lpszTitle, DWORD dwStyle, HMENU hMenu)
{
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW),
        (HBRUSH)(COLOR_WINDOW + 1));
    if (!CreateEx(0, lpszClass, lpszTitle, dwStyle, rect.left, rect.top, rect.Width(), rect.Height(), NULL,
            hMenu))
        return FALSE;
    if (!(dwStyle & WS_VISIBLE))
        return TRUE;
    SetForegroundWindow();
    UpdateWindow();
    PumpTestMessages(20);
    return TRUE;
}

BOOL CRecordingWnd::CreateChild(CWnd* pParent, const CRect& rect, UINT nID)
{
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW),
        (HBRUSH)(COLOR_WINDOW + 1));
    return CreateEx(0, lpszClass, "child", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect,
        pParent, nID);
}

int CRecordingWnd::Count(UINT message) const
{
    int n = 0;
    for (const SMessage& m : m_messages)
        n += m.message == message;
    return n;
}

int CRecordingWnd::Count(UINT message, WPARAM wParam) const
{
    int n = 0;
    for (const SMessage& m : m_messages)
        n += m.message == message && m.wParam == wParam;
    return n;
}

const CRecordingWnd::SMessage* CRecordingWnd::Last(UINT message) const
{
    for (size_t i = m_messages.size(); i-- > 0;)
    {
        if (m_messages[i].message == message)
            return &m_messages[i];
    }
    return NULL;
}

LRESULT CRecordingWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // a quick second press makes a double click of a window with CS_DBLCLKS: it is a press too
    if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) && m_fnPress)
    {
        CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
        ClientToScreen(&pt);
        m_fnPress(pt);
        return 0;
    }
    if (IsWatched(message))
    {
        m_messages.push_back(SMessage{ message, wParam, lParam });
        if (m_fnAnswer)
        {
            BOOL bHandled = FALSE;
            const LRESULT lResult = m_fnAnswer(message, wParam, lParam, bHandled);
            if (bHandled)
                return lResult;
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CRecordingWnd::IsWatched(UINT message) const
{
    if (m_bWatchAll)
        return TRUE;
    for (UINT watched : m_watched)
    {
        // an unregistered message (0) of a test stands for nothing
        if (watched == message && message != 0)
            return TRUE;
    }
    return FALSE;
}

////////////////////////////////////////////////////////////////////////
