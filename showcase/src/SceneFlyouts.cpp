// SceneFlyouts.cpp - the flyouts scene.  The drawing bar's flyout menu is really dropped down and
// tracked; inside its loop a timer selects the arc, waits for the tip to show, keeps the pixels
// of menu and tip and closes the menu.  Pictures of both then stand where they stood until
// another scene comes, since the screenshot is taken after the scene's set-up.
#include "SceneFlyouts.h"
#include "MainFrm.h"
#include "ScenePicture.h"

namespace
{
// the pictures of menu and tip, owned by the frame (destroyed with it or by the next scene)
CScenePicture s_menuPicture;
CScenePicture s_tipPicture;

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
    s_menuPicture.Hide();
    s_tipPicture.Hide();
}
