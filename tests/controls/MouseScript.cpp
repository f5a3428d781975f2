// MouseScript.cpp - scripted real mouse input, a recording window, GDI object counts.
#include "MouseScript.h"
#include "wexotest.h"
#include <vector>

CMouseScript* CMouseScript::s_pRunning = NULL;

namespace
{
const UINT nTickPeriod = 20;
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
    : m_bWatchdogFired(FALSE), m_nNext(0), m_dwWaitUntil(0), m_dwDeadline(0), m_nTimer(0), m_bDone(FALSE)
{
}

CMouseScript::~CMouseScript()
{
    if (m_nTimer != 0)
        ::KillTimer(NULL, m_nTimer);
    if (s_pRunning == this)
        s_pRunning = NULL;
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

void CALLBACK CMouseScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_pRunning != NULL)
        s_pRunning->Tick();
}

void CMouseScript::Tick()
{
    const DWORD dwNow = ::GetTickCount();
    if (!m_bDone && (LONG)(dwNow - m_dwDeadline) >= 0)
    {
        // the watchdog: end any loop that is still running
        m_bWatchdogFired = TRUE;
        m_bDone = TRUE;
        ::EndMenu();
        ::ReleaseCapture();
        // buttons the script left down would confuse the next test
        SendMouseAt(CPoint(1000, 740), 0);
        INPUT in[3];
        memset(in, 0, sizeof(in));
        in[0].type = in[1].type = in[2].type = INPUT_MOUSE;
        in[0].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        in[2].mi.dwFlags = MOUSEEVENTF_MIDDLEUP;
        ::SendInput(3, in, sizeof(INPUT));
        return;
    }
    if (m_bDone || (LONG)(dwNow - m_dwWaitUntil) < 0)
        return;
    if (m_nNext >= m_steps.size())
    {
        m_bDone = TRUE;
        return;
    }
    SStep& step = m_steps[m_nNext++];
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
    case SStep::wait:
        m_dwWaitUntil = dwNow + step.dwFlags;
        break;
    case SStep::call:
        step.fn();
        break;
    }
}

BOOL CMouseScript::Run(DWORD dwTimeout)
{
    m_nNext = 0;
    m_bDone = FALSE;
    m_bWatchdogFired = FALSE;
    m_dwWaitUntil = ::GetTickCount();
    m_dwDeadline = m_dwWaitUntil + dwTimeout;
    CMouseScript* pPrevious = s_pRunning;
    s_pRunning = this;
    m_nTimer = ::SetTimer(NULL, 0, nTickPeriod, OnTimer);
    while (!m_bDone)
        PumpTestMessages(nTickPeriod);
    ::KillTimer(NULL, m_nTimer);
    m_nTimer = 0;
    s_pRunning = pPrevious;
    // what the last steps caused (posted notifications, repaints) arrives now
    PumpTestMessages(60);
    return !m_bWatchdogFired;
}

/////////////////////////////////////////////////////////////////////////////

CRecordingWnd::CRecordingWnd()
{
}

CRecordingWnd::~CRecordingWnd()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CRecordingWnd::CreateTopLevel(const CRect& rect, LPCSTR lpszTitle)
{
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW),
        (HBRUSH)(COLOR_WINDOW + 1));
    if (!CreateEx(0, lpszClass, lpszTitle, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rect.left, rect.top,
            rect.Width(), rect.Height(), NULL, NULL))
        return FALSE;
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
    for (UINT watched : m_watched)
    {
        if (watched != message || message == 0)
            continue;
        m_messages.push_back(SMessage{ message, wParam, lParam });
        if (m_fnAnswer)
        {
            BOOL bHandled = FALSE;
            const LRESULT lResult = m_fnAnswer(message, wParam, lParam, bHandled);
            if (bHandled)
                return lResult;
        }
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

/////////////////////////////////////////////////////////////////////////////

long CountGdiObjects()
{
    const DWORD dwReported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (dwReported != 0)
        return (long)dwReported;

    // Fill the handle table to the brim with the smallest objects there are and free them again:
    // what fits is the room left.  Wine's table holds 65,536 handles; filling it takes a few
    // milliseconds.
    const size_t nTableSize = 65536;
    std::vector<HRGN> fill;
    fill.reserve(nTableSize);
    while (fill.size() < nTableSize)
    {
        HRGN hRgn = ::CreateRectRgn(0, 0, 1, 1);
        if (hRgn == NULL)
            break;
        fill.push_back(hRgn);
    }
    const long nRoom = (long)fill.size();
    for (HRGN hRgn : fill)
        ::DeleteObject(hRgn);
    return nRoom == 0 || nRoom == (long)nTableSize ? -1 : (long)nTableSize - nRoom;
}
