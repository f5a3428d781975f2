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
    // "Grid" is two steps down; two more ticks let it paint
    const BOOL bCaptured = CaptureMenuLoop([&] { ShowDrawingMenu(pFrame, CPoint(rect.left + 160, rect.top + 60)); },
        [](HWND, int nTick) { return nTick >= 5; },
        [](HWND hMenuWnd) { return s_picture.Grab(hMenuWnd); },
        50);
    pFrame->SetMessageText("Right-click the drawing for its menu");
    return bCaptured && s_picture.Show(pFrame);
}

void HideMenusScene()
{
    s_picture.Hide();
}
