// SceneFiles.h - the tree-combo scene: a tree combo box of drawing templates with its popup tree
// dropped down beneath it, shown modelessly so the screenshot is not held up by a modal run.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

BOOL SceneTreeCombo(CMainFrame* pFrame);
void HideTreeComboScene();
