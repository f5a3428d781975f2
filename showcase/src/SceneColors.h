// SceneColors.h - the colours scene: a colour map and the six channel sliders editing one colour.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

BOOL SceneColors(CMainFrame* pFrame);
// takes the scene's panel away again (every scene starts from the bare frame)
void HideColorsScene();
