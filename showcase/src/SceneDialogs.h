// SceneDialogs.h - the dialogs scene: the integer input dialog and a resizing dialog at two
// sizes, shown modelessly inside a panel so the screenshot is not held up by a modal run.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

BOOL SceneDialogs(CMainFrame* pFrame);
void HideDialogsScene();
