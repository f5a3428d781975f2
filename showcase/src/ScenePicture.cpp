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
