// ScenePicture.cpp - kept pixels of a window that cannot outlast a scene's set-up.
#include "ScenePicture.h"

BEGIN_MESSAGE_MAP(CScenePicture, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CScenePicture::Grab(HWND hWnd)
{
    ::GetWindowRect(hWnd, &m_rect);
    HDC hdcWnd = ::GetWindowDC(hWnd);
    CDC dcMem;
    dcMem.CreateCompatibleDC(CDC::FromHandle(hdcWnd));
    m_bitmap.DeleteObject();
    BOOL bDone = FALSE;
    if (m_bitmap.CreateCompatibleBitmap(CDC::FromHandle(hdcWnd), m_rect.Width(), m_rect.Height()))
    {
        CBitmap* pOld = dcMem.SelectObject(&m_bitmap);
        bDone = ::BitBlt(dcMem.GetSafeHdc(), 0, 0, m_rect.Width(), m_rect.Height(), hdcWnd, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
    }
    ::ReleaseDC(hWnd, hdcWnd);
    return bDone;
}

BOOL CScenePicture::Show(CWnd* pOwner)
{
    if (GetSafeHwnd() == NULL
        && !CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, AfxRegisterWndClass(0), "Picture",
            WS_POPUP, m_rect, pOwner, 0))
        return FALSE;
    SetWindowPos(&wndTopMost, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(),
        SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return TRUE;
}

void CScenePicture::Hide()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
}

void CScenePicture::OnPaint()
{
    CPaintDC dc(this);
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dc);
    CBitmap* pOld = dcMem.SelectObject(&m_bitmap);
    dc.BitBlt(0, 0, m_rect.Width(), m_rect.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
}

/////////////////////////////////////////////////////////////////////////////
// Capturing a menu inside its loop

namespace
{
// a thread timer has no context of its own: the one capture running keeps its state here
struct SMenuCapture
{
    const std::function<BOOL(HWND, int)>* pfnReady;
    const std::function<BOOL(HWND)>* pfnGrab;
    int nMaxTicks;
    int nTick;
    BOOL bCaptured;
};
SMenuCapture s_capture;

void CALLBACK OnCaptureTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hMenuWnd = ::FindWindowA("#32768", NULL);
    s_capture.nTick++;
    if (s_capture.nTick > s_capture.nMaxTicks)
    {
        ::KillTimer(NULL, nIDEvent);
        ::EndMenu();
        return;
    }
    if (hMenuWnd == NULL || !::IsWindowVisible(hMenuWnd))
        return;
    if (s_capture.nTick <= 2)
    {
        ::PostMessageA(hMenuWnd, WM_KEYDOWN, VK_DOWN, 0);
        return;
    }
    if (!(*s_capture.pfnReady)(hMenuWnd, s_capture.nTick))
        return;
    ::KillTimer(NULL, nIDEvent);
    s_capture.bCaptured = (*s_capture.pfnGrab)(hMenuWnd);
    ::EndMenu();
}
}

BOOL CaptureMenuLoop(const std::function<void()>& fnOpen, const std::function<BOOL(HWND, int)>& fnReady,
    const std::function<BOOL(HWND)>& fnGrab, int nMaxTicks)
{
    s_capture = { &fnReady, &fnGrab, nMaxTicks, 0, FALSE };
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 60, OnCaptureTimer);
    if (nTimer == 0)
        return FALSE;
    fnOpen();
    // the timer ends itself inside the loop; should the menu not have opened, it goes here
    ::KillTimer(NULL, nTimer);
    return s_capture.bCaptured;
}
