// SceneFlyouts.cpp - the flyouts scene.  The drawing bar's flyout menu is really dropped down and
// tracked; inside its loop the arc is selected and, once its tip shows, the pixels of menu and
// tip are kept and the menu closed.  Pictures of both then stand where they stood until
// another scene comes, since the screenshot is taken after the scene's set-up.
#include "SceneFlyouts.h"
#include "MainFrm.h"
#include "ScenePicture.h"

namespace
{
// the pictures of menu and tip, owned by the frame (destroyed with it or by the next scene)
CScenePicture s_menuPicture;
CScenePicture s_tipPicture;
}

// The drawing bar's flyout dropped down from its button, the arc selected and its tip beside it.
BOOL SceneFlyouts(CMainFrame* pFrame)
{
    CToolBarEx& bar = pFrame->GetDrawBar();
    pFrame->ShowControlBar(&bar, TRUE, FALSE);
    pFrame->RecalcLayout();
    bar.UpdateWindow();
    // two steps down to the arc, then wait for its tip
    const BOOL bCaptured = CaptureMenuLoop([&] { bar.DropFlyOut(0); },
        [](HWND, int)
        {
            CToolTip2* pTip = CPopupToolBar::FindTipWnd();
            return pTip != NULL && pTip->IsWindowVisible();
        },
        [](HWND hMenuWnd)
        {
            return s_menuPicture.Grab(hMenuWnd) && s_tipPicture.Grab(CPopupToolBar::FindTipWnd()->GetSafeHwnd());
        },
        60);
    pFrame->SetMessageText("Hold the drawing tool's button for the other tools");
    return bCaptured && s_menuPicture.Show(pFrame) && s_tipPicture.Show(pFrame);
}

void HideFlyoutsScene()
{
    s_menuPicture.Hide();
    s_tipPicture.Hide();
}
