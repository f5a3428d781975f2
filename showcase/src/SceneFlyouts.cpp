// SceneFlyouts.cpp - the flyouts scene.  The drawing bar's flyout menu is really dropped down and
// tracked; inside its loop a timer selects the arc, waits for the tip to show, keeps the pixels
// of menu and tip and closes the menu.  Pictures of both then stand where they stood until
// another scene comes, since the screenshot is taken after the scene's set-up.
#include "SceneFlyouts.h"
#include "MainFrm.h"

namespace
{
// a borderless topmost window showing kept pixels
class CPictureWnd : public CWnd
{
public:
    CBitmap m_bitmap;
    CSize m_size;

    // keeps the pixels of hWnd; FALSE when they could not be read
    BOOL Grab(HWND hWnd)
    {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        m_rect = rect;
        m_size = rect.Size();
        HDC hdcWnd = ::GetWindowDC(hWnd);
        CDC dcMem;
        dcMem.CreateCompatibleDC(CDC::FromHandle(hdcWnd));
        m_bitmap.DeleteObject();
        BOOL bDone = FALSE;
        if (m_bitmap.CreateCompatibleBitmap(CDC::FromHandle(hdcWnd), m_size.cx, m_size.cy))
        {
            CBitmap* pOld = dcMem.SelectObject(&m_bitmap);
            bDone = ::BitBlt(dcMem.GetSafeHdc(), 0, 0, m_size.cx, m_size.cy, hdcWnd, 0, 0, SRCCOPY);
            dcMem.SelectObject(pOld);
        }
        ::ReleaseDC(hWnd, hdcWnd);
        return bDone;
    }
    BOOL Show(CWnd* pOwner)
    {
        if (GetSafeHwnd() == NULL
            && !CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, AfxRegisterWndClass(0), "Flyout",
                WS_POPUP, m_rect, pOwner, 0))
            return FALSE;
        SetWindowPos(&wndTopMost, m_rect.left, m_rect.top, m_size.cx, m_size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        return TRUE;
    }

protected:
    CRect m_rect;
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CDC dcMem;
        dcMem.CreateCompatibleDC(&dc);
        CBitmap* pOld = dcMem.SelectObject(&m_bitmap);
        dc.BitBlt(0, 0, m_size.cx, m_size.cy, &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPictureWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// the pictures of menu and tip, owned by the frame (destroyed with it or by the next scene)
CPictureWnd s_menuPicture;
CPictureWnd s_tipPicture;

struct SFlyoutCapture
{
    int nTick;
    BOOL bCaptured;
};
SFlyoutCapture s_capture;

// tick by tick inside the menu's loop: two steps down to the arc, then wait for its tip
void CALLBACK OnCaptureTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hMenuWnd = ::FindWindowA("#32768", NULL);
    s_capture.nTick++;
    if (s_capture.nTick > 60)
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
    CToolTip2* pTip = CPopupToolBar::FindTipWnd();
    if (pTip == NULL || !pTip->IsWindowVisible())
        return;
    ::KillTimer(NULL, nIDEvent);
    s_capture.bCaptured = s_menuPicture.Grab(hMenuWnd) && s_tipPicture.Grab(pTip->GetSafeHwnd());
    ::EndMenu();
}
}

// The drawing bar's flyout dropped down from its button, the arc selected and its tip beside it.
BOOL SceneFlyouts(CMainFrame* pFrame)
{
    CToolBarEx& bar = pFrame->GetDrawBar();
    pFrame->ShowControlBar(&bar, TRUE, FALSE);
    pFrame->RecalcLayout();
    bar.UpdateWindow();
    s_capture.nTick = 0;
    s_capture.bCaptured = FALSE;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 60, OnCaptureTimer);
    if (nTimer == 0)
        return FALSE;
    bar.DropFlyOut(0);
    ::KillTimer(NULL, nTimer);
    pFrame->SetMessageText("Hold the drawing tool's button for the other tools");
    return s_capture.bCaptured && s_menuPicture.Show(pFrame) && s_tipPicture.Show(pFrame);
}

void HideFlyoutsScene()
{
    for (CPictureWnd* pPicture : { &s_menuPicture, &s_tipPicture })
        if (pPicture->GetSafeHwnd() != NULL)
            pPicture->DestroyWindow();
}
