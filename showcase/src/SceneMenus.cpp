// SceneMenus.cpp - the drawing's context menu, drawn by the library's menu manager, and the menus
// scene that shows it open.
#include "SceneMenus.h"
#include "MainFrm.h"
#include "ScenePicture.h"
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
// scene's set-up, after which the screenshot is taken; its kept pixels stand in for it.
CScenePicture s_picture;

// What the timer inside the menu's loop does, tick by tick: select the "Grid" entry (two steps
// down), let it paint, keep the pixels, close the menu.
struct SMenuCapture
{
    int nTick;
    BOOL bCaptured;
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
    s_capture.bCaptured = s_picture.Grab(hMenuWnd);
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
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 60, OnCaptureTimer);
    if (nTimer == 0)
        return FALSE;
    ShowDrawingMenu(pFrame, CPoint(rect.left + 160, rect.top + 60));
    // the timer ends itself inside the loop; should the menu not have opened, it goes here
    ::KillTimer(NULL, nTimer);
    pFrame->SetMessageText("Right-click the drawing for its menu");
    return s_capture.bCaptured && s_picture.Show(pFrame);
}

void HideMenusScene()
{
    s_picture.Hide();
}
