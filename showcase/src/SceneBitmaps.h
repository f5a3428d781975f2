// SceneBitmaps.h - the bitmaps scene: one picture drawn fitted, smoothed, and smoothed and
// sharpened, and the 3-D frames the library draws along polygons.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

BOOL SceneBitmaps(CMainFrame* pFrame);
// takes the scene's panel away again (every scene starts from the bare frame)
void HideBitmapsScene();
