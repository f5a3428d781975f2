// SceneFlyouts.h - the flyouts scene: the drawing bar's flyout menu open with the tip of its
// selected entry beside it.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

BOOL SceneFlyouts(CMainFrame* pFrame);
void HideFlyoutsScene();
