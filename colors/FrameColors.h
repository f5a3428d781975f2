// FrameColors.h - the five colours of a three-dimensional frame.
#pragma once

#include <afxwin.h>

// The face and the four edge colours with which a raised or sunken frame is drawn.  A default
// object holds the system's button colours at the time it was made; a control that lets its
// host recolour it fills one from its own colour lookup instead.
class AFX_EXT_CLASS CFrameColors
{
public:
    // COLOR_BTNFACE, COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DDKSHADOW
    CFrameColors();
    CFrameColors(COLORREF clrFace, COLORREF clrLight, COLORREF clrHighlight, COLORREF clrShadow,
        COLORREF clrDarkShadow);
    CFrameColors(const CFrameColors& src);
    CFrameColors& operator=(const CFrameColors& src);

    COLORREF m_clrFace;
    COLORREF m_clrLight;
    COLORREF m_clrHighlight;
    COLORREF m_clrShadow;
    COLORREF m_clrDarkShadow;
};
