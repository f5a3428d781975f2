// Scenes.cpp - the showcase's scenes: one function each, listed in the table at the end.
#include "Scenes.h"
#include "MainFrm.h"
#include "SceneColors.h"
#include "SceneBitmaps.h"
#include "SceneItems.h"
#include "SceneTabs.h"
#include "SceneDialogs.h"
#include "SceneMenus.h"
#include "SceneFlyouts.h"
#include "SceneColorPickers.h"
#include "SceneFiles.h"
#include "SceneObjects.h"
#include <initializer_list>

namespace
{
// every scene starts from the same frame size, so screenshots are comparable run to run
const int nSceneWidth = 800;
const int nSceneHeight = 600;

void SetBandScheme(CMainFrame* pFrame, DWORD dwStyle);

void ResetFrame(CMainFrame* pFrame)
{
    if (pFrame->IsIconic() || pFrame->IsZoomed())
        pFrame->ShowWindow(SW_RESTORE);
    pFrame->SetWindowPos(NULL, 0, 0, nSceneWidth, nSceneHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->GetDrawingView().ResetDrawing();
    HideColorsScene();
    HideBitmapsScene();
    HideItemsScene();
    HideTabsScene();
    HideDialogsScene();
    HideMenusScene();
    HideFlyoutsScene();
    HideColorPickersScene();
    HideTreeComboScene();
    HideObjectsScene();
    pFrame->SetColorScheme(CHostColorScheme::schemeStandard);
    SetBandScheme(pFrame, UIL_BANDSTYLE_DEFAULT);
    pFrame->ResetDocking(FALSE, CPoint(0, 0));
    pFrame->ResetToolBars();
}

// The module-wide band style, given to every band on screen.
void SetBandScheme(CMainFrame* pFrame, DWORD dwStyle)
{
    if (g_dwDefaultBandStyleEx == dwStyle)
        return;
    SetDefaultBandStyle(dwStyle);
    for (CDockWnd* pWnd : { &pFrame->GetLayersWnd(), &pFrame->GetObjectsWnd(), &pFrame->GetPropertiesWnd() })
    {
        pWnd->InitBand((DWORD)-1);
        pWnd->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    for (int i = 0; i < (int)g_UILMiniDockFrameWndArray.GetSize(); i++)
    {
        CUILMiniDockFrameWnd* pFloating = g_UILMiniDockFrameWndArray[i];
        pFloating->InitBand((DWORD)-1);
        pFloating->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

// where the floating palette stands in the docking scenes, relative to the frame
CPoint FloatingPalettePoint(CMainFrame* pFrame)
{
    CRect rect;
    pFrame->GetWindowRect(&rect);
    return CPoint(rect.right - 230, rect.top + 140);
}

// The application as it starts: an empty drawing with grid and axes.
BOOL SceneMain(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return TRUE;
}

// The colour map and the channel sliders (SceneColors.cpp) over the bare frame.
BOOL SceneColorsOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneColors(pFrame);
}

// The host answers the library's colour requests with its dark scheme (View > Dark Colour
// Scheme): the drawing and the library's controls on it (the colour map and the channel
// sliders of the colours scene) turn dark.
BOOL SceneDarkScheme(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    pFrame->SetColorScheme(CHostColorScheme::schemeDark);
    return SceneColors(pFrame);
}

// A small picture enlarged stretched, smoothed and sharpened, and 3-D frames (SceneBitmaps.cpp).
BOOL SceneBitmapsOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneBitmaps(pFrame);
}

// Command items in bar and menu looks, horizontal and vertical, in each state (SceneItems.cpp).
BOOL SceneItemsOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneItems(pFrame);
}

// Bookmark tab strips: more tabs than fit, scrolled, one selected; vertical; fitted (SceneTabs.cpp).
BOOL SceneTabsOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneTabs(pFrame);
}

// The docking host: toolbar on top, Layers and Objects sharing the left row with a splitter
// between them, the Properties palette floating in the library's frame with its caption band.
BOOL SceneDocking(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    pFrame->ResetDocking(TRUE, FloatingPalettePoint(pFrame));
    pFrame->SetMessageText("Drag a palette by its title to another side, or off the frame to float it");
    return pFrame->GetPropertiesWnd().IsFloating();
}

// The left row rolled up to its bands, the floating palette rolled up to its caption, and the
// silver colour scheme.
BOOL SceneDockingRolled(CMainFrame* pFrame)
{
    if (!SceneDocking(pFrame))
        return FALSE;
    SetBandScheme(pFrame, (UIL_BANDSTYLE_DEFAULT & ~UIL_BANDSTYLE_SCHEME) | UIL_SCHEME_SILVER);
    pFrame->GetLayersWnd().SendMessage(WM_SYSCOMMAND, UIL_SC_ROLLUP);
    CFrameWnd* pFloating = pFrame->GetPropertiesWnd().GetParentFrame();
    if (pFloating == NULL || !pFloating->IsKindOf(RUNTIME_CLASS(CUILMiniDockFrameWnd)))
        return FALSE;
    pFloating->SendMessage(WM_SYSCOMMAND, UIL_SC_ROLLUP);
    pFrame->RecalcLayout();
    return pFrame->GetLayersWnd().IsCollapsed(FALSE) && ((CUILMiniDockFrameWnd*)pFloating)->IsCollapsed();
}

// The drawing's context menu open, drawn by the library's menu manager (SceneMenus.cpp).
BOOL SceneMenusOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneMenus(pFrame);
}

// The drawing bar's flyout menu open, the arc's tip beside it (SceneFlyouts.cpp).
BOOL SceneFlyoutsOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneFlyouts(pFrame);
}

// The integer input dialog and a resizing dialog at two sizes, modeless (SceneDialogs.cpp).
BOOL SceneDialogsOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneDialogs(pFrame);
}

// The library's toolbars: the menu bar with its File popup open, toolbars docked on top and on
// the left, the short bar scrolled along its band with its popup chain open.
BOOL SceneToolBars(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    pFrame->ResetToolBars();
    CUILToolBar& shortBar = pFrame->GetShortToolBar();
    // the short bar on the right, so that its chain opens clear of the File menu
    pFrame->DockControlBar(&shortBar, AFX_IDW_DOCKBAR_RIGHT);
    pFrame->RecalcLayout();
    shortBar.SendMessage(WM_SYSCOMMAND, UIL_SC_BANDFORWARD);
    shortBar.SendMessage(WM_SYSCOMMAND, UIL_SC_BANDBACK);
    if (!shortBar.ExpandPopup(0))
        return FALSE;
    CUILToolBar& popup = pFrame->GetPopupBar(0);
    popup.SelectItem(-1);
    popup.SelectItem(0);
    CUILMenuBar& menuBar = pFrame->GetMenuBar();
    menuBar.SelectItem(0);
    if (!menuBar.ExpandPopup(0))
        return FALSE;
    CUILItem* pFile = menuBar._GetButtonPtr(0);
    CUILToolBar* pFilePopup = pFile != NULL ? pFile->m_pPopupBar : NULL;
    if (pFilePopup == NULL)
        return FALSE;
    pFilePopup->SelectItem(0);
    pFrame->SetMessageText("The menu bar with its File menu open; toolbars on top and on the left, a popup chain open");
    return pFilePopup->IsWindowVisible() && popup.IsWindowVisible() && pFrame->GetPopupBar(1).IsWindowVisible();
}

// The colour pickers on a tool panel: combo box, popup button, colour field with its eyedropper,
// pen and brush indicator, a special colour without icons (SceneColorPickers.cpp).
BOOL SceneColorPickersOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneColorPickers(pFrame);
}

// The colour popup in its advanced view, opened under the pickers' colour combo box.
BOOL SceneColorPopupOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneColorPopup(pFrame);
}

// A tree combo box with its popup tree dropped down (SceneFiles.cpp).
BOOL SceneTreeComboOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneTreeCombo(pFrame);
}

// Layers and a line style as named objects drawn from their properties, one recoloured
// late-bound, and the animated indicator in the status bar (SceneObjects.cpp).
BOOL SceneObjectsOnFrame(CMainFrame* pFrame)
{
    ResetFrame(pFrame);
    return SceneObjects(pFrame);
}

const SHOWCASE_SCENE s_scenes[] =
{
    { "main", "Main window with an empty drawing", SceneMain },
    { "colors", "Colour map and the six channel sliders editing one colour", SceneColorsOnFrame },
    { "dark-scheme", "The host's dark colour scheme, given to the library as system colours: the drawing, the colour map and the sliders", SceneDarkScheme },
    { "bitmaps", "A picture drawn fitted, smoothed, smoothed and sharpened, and 3-D frames", SceneBitmapsOnFrame },
    { "items", "Command items as bar buttons and menu entries, horizontal and vertical, in every state", SceneItemsOnFrame },
    { "tabs", "Tab strips with more tabs than fit, scrolled, one selected; vertical and fitted", SceneTabsOnFrame },
    { "docking", "Toolbar, two dock windows sharing the left row, a floating palette with its caption band", SceneDocking },
    { "docking-rolled", "The left row and the floating palette rolled up, in the silver scheme", SceneDockingRolled },
    { "toolbars", "The menu bar with its File popup open; library toolbars docked on top and on the left, one scrolled along its band with its popup chain open", SceneToolBars },
    { "dialogs", "The integer input dialog and a resizing dialog at its own size and grown", SceneDialogsOnFrame },
    { "menus", "The drawing's context menu open: toolbar images, check marks and shortcut names beside the entries", SceneMenusOnFrame },
    { "flyouts", "A flyout toolbar's menu held open from its button: drawing tools with the selected one's tip beside it", SceneFlyoutsOnFrame },
    { "pickers", "Colour combo, popup button, colour field with eyedropper, pen and brush indicator, an unregistered special colour", SceneColorPickersOnFrame },
    { "color-popup", "The colour popup in its advanced view, anchored under a colour combo box", SceneColorPopupOnFrame },
    { "tree-combo", "A tree combo box of drawing templates with its popup tree dropped down", SceneTreeComboOnFrame },
    { "objects", "Layers and a line style as named objects, the walls recoloured late-bound, the indicator busy in the status bar", SceneObjectsOnFrame },
};
}

const SHOWCASE_SCENE* GetShowcaseScenes(int* pnCount)
{
    *pnCount = (int)(sizeof(s_scenes) / sizeof(s_scenes[0]));
    return s_scenes;
}

const SHOWCASE_SCENE* FindShowcaseScene(LPCSTR lpszName)
{
    int nCount = 0;
    const SHOWCASE_SCENE* pScenes = GetShowcaseScenes(&nCount);
    for (int i = 0; i < nCount; i++)
    {
        if (lstrcmpiA(pScenes[i].lpszName, lpszName) == 0)
            return &pScenes[i];
    }
    return NULL;
}
