// SceneTabs.h - the tabs scene: bookmark tab strips with more tabs than fit, scrolled, one tab
// selected, along the bottom and the side of palette-like panes, and squeezed in fit mode.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

BOOL SceneTabs(CMainFrame* pFrame);
// takes the scene's panel away again (every scene starts from the bare frame)
void HideTabsScene();
