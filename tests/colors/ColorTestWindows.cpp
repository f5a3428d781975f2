// ColorTestWindows.cpp - parent window, input and menu helpers of the colour control tests.
#include "ColorTestWindows.h"
#include <gtest/gtest.h>
#include "wexotest.h"

CRecordingParent::CRecordingParent()
{
}

CRecordingParent::~CRecordingParent()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CRecordingParent::CreateParent(int cx, int cy)
{
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW),
        (HBRUSH)(COLOR_BTNFACE + 1));
    if (!CreateEx(0, lpszClass, "Colour test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, cx, cy,
        NULL, NULL))
        return FALSE;
    SetForegroundWindow();
    UpdateWindow();
    PumpTestMessages(20);
    return TRUE;
}

int CRecordingParent::Count(UINT message) const
{
    int n = 0;
    for (const SMessage& m : m_messages)
        n += m.message == message;
    return n;
}

int CRecordingParent::Count(UINT message, WPARAM wParam) const
{
    int n = 0;
    for (const SMessage& m : m_messages)
        n += m.message == message && m.wParam == wParam;
    return n;
}

const CRecordingParent::SMessage* CRecordingParent::Last(UINT message) const
{
    for (size_t i = m_messages.size(); i-- > 0;)
    {
        if (m_messages[i].message == message)
            return &m_messages[i];
    }
    return NULL;
}

LRESULT CRecordingParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || message == WM_HSCROLL)
        m_messages.push_back(SMessage{ message, wParam, lParam });

    return CWnd::WindowProc(message, wParam, lParam);
}

namespace
{
void SendMouse(DWORD dwFlags, CPoint ptScreen)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT in;
    memset(&in, 0, sizeof(in));
    in.type = INPUT_MOUSE;
    in.mi.dx = ptScreen.x * 65535 / (cx - 1);
    in.mi.dy = ptScreen.y * 65535 / (cy - 1);
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &in, sizeof(INPUT));
    PumpTestMessages(30);
}

CPoint ToScreen(CWnd* pWnd, CPoint point)
{
    pWnd->ClientToScreen(&point);
    return point;
}
}

void MoveMouseTo(CWnd* pWnd, CPoint point)
{
    SendMouse(0, ToScreen(pWnd, point));
}

void PressAt(CWnd* pWnd, CPoint point, BOOL bRight)
{
    SendMouse(0, ToScreen(pWnd, point));
    SendMouse(bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, ToScreen(pWnd, point));
}

void ReleaseAt(CWnd* pWnd, CPoint point, BOOL bRight)
{
    SendMouse(bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, ToScreen(pWnd, point));
}

void ClickAt(CWnd* pWnd, CPoint point, BOOL bRight)
{
    PressAt(pWnd, point, bRight);
    ReleaseAt(pWnd, point, bRight);
}

void DoubleClickAt(CWnd* pWnd, CPoint point)
{
    const CPoint pt = ToScreen(pWnd, point);
    SendMouse(0, pt);
    for (int i = 0; i < 2; i++)
    {
        INPUT in[2];
        memset(in, 0, sizeof(in));
        in[0].type = in[1].type = INPUT_MOUSE;
        in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, in, sizeof(INPUT));
    }
    PumpTestMessages(50);
}

void PressKey(WORD wVirtualKey)
{
    INPUT in[2];
    memset(in, 0, sizeof(in));
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = wVirtualKey;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
    PumpTestMessages(30);
}

void TypeText(const char* lpszText)
{
    for (const char* p = lpszText; *p != '\0'; p++)
    {
        const SHORT vk = ::VkKeyScanA(*p);
        const BOOL bShift = (vk >> 8) & 1;
        if (bShift)
        {
            INPUT in;
            memset(&in, 0, sizeof(in));
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = VK_SHIFT;
            ::SendInput(1, &in, sizeof(INPUT));
        }
        PressKey((WORD)(vk & 0xFF));
        if (bShift)
        {
            INPUT in;
            memset(&in, 0, sizeof(in));
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = VK_SHIFT;
            in.ki.dwFlags = KEYEVENTF_KEYUP;
            ::SendInput(1, &in, sizeof(INPUT));
        }
    }
}

COLORREF WindowPixel(CWnd* pWnd, int x, int y)
{
    HDC hDC = ::GetDC(pWnd->m_hWnd);
    const COLORREF clr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(pWnd->m_hWnd, hDC);
    return clr;
}

CMenuPicker* CMenuPicker::s_pActive = NULL;

CMenuPicker::CMenuPicker(HWND hWndKeys, int nDowns)
    : m_bFired(FALSE), m_nItemsShown(-1), m_hWndKeys(hWndKeys), m_nDowns(nDowns)
{
    s_pActive = this;
    m_nTimer = ::SetTimer(NULL, 0, 150, OnTimer);
}

CMenuPicker::~CMenuPicker()
{
    if (m_nTimer != 0)
        ::KillTimer(NULL, m_nTimer);
    s_pActive = NULL;
}

void CALLBACK CMenuPicker::OnTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    CMenuPicker* pThis = s_pActive;
    ::KillTimer(NULL, nID);
    if (pThis == NULL || pThis->m_bFired)
        return;
    pThis->m_nTimer = 0;
    pThis->m_bFired = TRUE;

    // the open menu: the popup-menu window of this thread
    HWND hMenuWnd = ::FindWindowA("#32768", NULL);
    if (hMenuWnd != NULL)
    {
        HMENU hMenu = (HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0);
        if (hMenu != NULL)
            pThis->m_nItemsShown = ::GetMenuItemCount(hMenu);
    }
    if (pThis->m_nDowns < 0)
        ::PostMessageA(pThis->m_hWndKeys, WM_KEYDOWN, VK_ESCAPE, 0);
    else
    {
        for (int i = 0; i < pThis->m_nDowns; i++)
            ::PostMessageA(pThis->m_hWndKeys, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(pThis->m_hWndKeys, WM_KEYDOWN, VK_RETURN, 0);
    }
}
