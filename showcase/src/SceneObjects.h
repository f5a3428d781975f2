// SceneObjects.h - the drawing's shapes as named objects: layers and line styles whose name,
// colour, line width and visibility are property collections.  The drawing repaints from the
// change events it sinks, View > Recolour Walls changes a colour late-bound, and an animated
// indicator in the status bar shows when the drawing is being changed.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

BOOL SceneObjects(CMainFrame* pFrame);
void HideObjectsScene();
// the shapes, when the scene shows them (called by the drawing view's paint)
void DrawObjectsScene(CDC* pDC, const CRect& rectClient);
// View > Recolour Walls: the colour of the "Walls" layer through a late-bound Invoke
void OnObjectsRecolour();
