// SceneMenus.cpp - the drawing's context menu, drawn by the library's menu manager, and the menus
// scene that shows it open.
#include "SceneMenus.h"
#include "MainFrm.h"
#include "resource.h"

namespace
{
// popup menus of the frame with the toolbar's images and the frame's shortcut names
CCoolMenuManager s_menuManager;

// A right click on the drawing (or the menu key) opens the drawing's menu.  The view does not
// know about the menu: a hook sees its WM_CONTEXTMENU first.
class CDrawingMenuHook : public CSubclassWnd
{
public:
    CMainFrame* m_pFrame = NULL;

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_CONTEXTMENU && m_pFrame != NULL)
        {
            CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
            if (pt == CPoint(-1, -1))
            {
                // from the keyboard: at the middle of the drawing
                CRect rect;
                m_pWndHooked->GetClientRect(&rect);
                pt = rect.CenterPoint();
                m_pWndHooked->ClientToScreen(&pt);
            }
            ShowDrawingMenu(m_pFrame, pt);
            return 0;
        }
        return CSubclassWnd::WindowProc(message, wParam, lParam);
    }
};
CDrawingMenuHook s_drawingHook;

// The menus scene: the real context menu is opened and tracked, but its loop cannot outlast the
// scene's set-up, after which the screenshot is taken.  So, once the open menu has painted
// itself (with an entry selected), its window's pixels are kept and the menu closes; this window
// shows them where the menu stood, above the frame, until another scene comes.
class CMenuPictureWnd : public CWnd
{
public:
    CBitmap m_bitmap;
    CSize m_size;

    // owned by the frame, so it goes with it
    BOOL Show(CWnd* pOwner, const CRect& rect)
    {
        if (GetSafeHwnd() == NULL &&
            !CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, AfxRegisterWndClass(0), "Menu",
                WS_POPUP, rect, pOwner, 0))
            return FALSE;
        SetWindowPos(&wndTopMost, rect.left, rect.top, rect.Width(), rect.Height(),
            SWP_NOACTIVATE | SWP_SHOWWINDOW);
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        return TRUE;
    }

protected:
    virtual void PostNcDestroy();
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

BEGIN_MESSAGE_MAP(CMenuPictureWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CMenuPictureWnd* s_pPicture = NULL;

void CMenuPictureWnd::PostNcDestroy()
{
    if (s_pPicture == this)
        s_pPicture = NULL;
    delete this;
}

// What the timer inside the menu's loop does, tick by tick: select the "Grid" entry (two steps
// down), let it paint, keep the pixels, close the menu.
struct SMenuCapture
{
    int nTick;
    BOOL bCaptured;
    CRect rect;
};
SMenuCapture s_capture;

void CALLBACK OnCaptureTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hMenuWnd = ::FindWindowA("#32768", NULL);
    s_capture.nTick++;
    if (hMenuWnd == NULL || !::IsWindowVisible(hMenuWnd))
    {
        if (s_capture.nTick > 50)
        {
            ::KillTimer(NULL, nIDEvent);
            ::EndMenu();
        }
        return;
    }
    if (s_capture.nTick <= 2)
    {
        ::PostMessageA(hMenuWnd, WM_KEYDOWN, VK_DOWN, 0);
        return;
    }
    if (s_capture.nTick < 5)
        return;

    ::KillTimer(NULL, nIDEvent);
    ::GetWindowRect(hMenuWnd, &s_capture.rect);
    HDC hdcMenu = ::GetWindowDC(hMenuWnd);
    CDC dcMem;
    dcMem.CreateCompatibleDC(CDC::FromHandle(hdcMenu));
    if (s_pPicture == NULL)
        s_pPicture = new CMenuPictureWnd;
    s_pPicture->m_bitmap.DeleteObject();
    s_pPicture->m_size = s_capture.rect.Size();
    if (s_pPicture->m_bitmap.CreateCompatibleBitmap(CDC::FromHandle(hdcMenu), s_pPicture->m_size.cx,
            s_pPicture->m_size.cy))
    {
        CBitmap* pOld = dcMem.SelectObject(&s_pPicture->m_bitmap);
        s_capture.bCaptured = ::BitBlt(dcMem.GetSafeHdc(), 0, 0, s_pPicture->m_size.cx, s_pPicture->m_size.cy,
            hdcMenu, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
    }
    ::ReleaseDC(hMenuWnd, hdcMenu);
    ::EndMenu();
}
}

BOOL InstallDrawingMenus(CMainFrame* pFrame)
{
    s_menuManager.Install(pFrame);
    s_menuManager.m_bShowAccel = 1;
    s_menuManager.m_bAutoAccel = 1;
    s_drawingHook.m_pFrame = pFrame;
    s_drawingHook.HookWindow(&pFrame->GetDrawingView());
    return s_menuManager.LoadToolbar(IDR_MAINFRAME);
}

void ShowDrawingMenu(CMainFrame* pFrame, CPoint ptScreen)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_DRAWING_CONTEXT))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup != NULL)
        CUILPopupMenuFrame::TrackPopupMenu(pPopup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, pFrame);
}

// The drawing's context menu open over the drawing, its "Grid" entry selected: images from the
// toolbar, check marks, shortcut names from the frame's accelerators.
BOOL SceneMenus(CMainFrame* pFrame)
{
    CRect rect;
    pFrame->GetDrawingView().GetWindowRect(&rect);
    s_capture.nTick = 0;
    s_capture.bCaptured = FALSE;
    s_capture.rect.SetRectEmpty();
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 60, OnCaptureTimer);
    if (nTimer == 0)
        return FALSE;
    ShowDrawingMenu(pFrame, CPoint(rect.left + 160, rect.top + 60));
    // the timer ends itself inside the loop; should the menu not have opened, it goes here
    ::KillTimer(NULL, nTimer);
    pFrame->SetMessageText("Right-click the drawing for its menu");
    if (!s_capture.bCaptured || s_pPicture == NULL)
        return FALSE;
    if (s_pPicture->Show(pFrame, s_capture.rect))
        return TRUE;
    // never made: nothing deletes it but this
    delete s_pPicture;
    s_pPicture = NULL;
    return FALSE;
}

void HideMenusScene()
{
    if (s_pPicture != NULL && s_pPicture->GetSafeHwnd() != NULL)
        s_pPicture->DestroyWindow();
}
