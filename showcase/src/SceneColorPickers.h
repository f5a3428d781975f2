// SceneColorPickers.h - the colour pickers scenes: the pickers side by side, and the colour popup
// in its advanced view opened under a colour combo box.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

BOOL SceneColorPickers(CMainFrame* pFrame);
BOOL SceneColorPopup(CMainFrame* pFrame);
// takes the scenes' panel and popup away again
void HideColorPickersScene();
