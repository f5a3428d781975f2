// SceneMenus.h - the drawing's context menu and the menus scene.  The frame's popup menus are
// drawn by the library's menu manager with the toolbar's images and the accelerators' shortcut
// names; a right click on the drawing opens the drawing's menu through the library's context-menu
// frame.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

// Hooks the frame (popup menus) and the drawing view (its context menu); the frame and the view
// must exist.  FALSE when the toolbar's images cannot be loaded.
BOOL InstallDrawingMenus(CMainFrame* pFrame);
// the drawing's context menu at ptScreen, tracked until the user chooses or cancels
void ShowDrawingMenu(CMainFrame* pFrame, CPoint ptScreen);

BOOL SceneMenus(CMainFrame* pFrame);
void HideMenusScene();
