// SceneItems.h - the items scene: command items in bar and menu looks, horizontal and vertical,
// in each of their states.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

BOOL SceneItems(CMainFrame* pFrame);
// takes the scene's panel away again (every scene starts from the bare frame)
void HideItemsScene();
