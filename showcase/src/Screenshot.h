// Screenshot.h - saving a window's current appearance as a PNG file.
#pragma once

#include <WEXOctrl.h>

// Copies pWnd as it is on screen now - caption, menu bar, borders and children included - into a
// 32-bit bitmap with the thread's other visible top-level windows (floating frames, popups,
// menus, tool tips, dialogs) laid over it bottom to top, and saves it as lpszPath.  The copy is taken from the window's own DC, which Wine's
// headless display driver backs with an off-screen surface, so no display is needed.
BOOL SaveWindowAsPng(CWnd* pWnd, LPCSTR lpszPath);

// Writes cx by cy pixels of 32-bit top-down BGRX data (no row padding) as an RGB PNG; the fourth
// byte is ignored, since GDI leaves it undefined.
BOOL WritePngFile(LPCSTR lpszPath, const BYTE* pPixels, int cx, int cy);
