// HostColors.cpp - the showcase's colour schemes.
#include "HostColors.h"

namespace
{
struct SSchemeColor
{
    int nIndex;
    COLORREF clr;
};

const COLORREF clrDarkFace = RGB(56, 60, 68);
const COLORREF clrDarkText = RGB(220, 223, 228);

const SSchemeColor s_darkColors[] =
{
    { COLOR_WINDOW, RGB(40, 44, 52) },
    { COLOR_WINDOWTEXT, clrDarkText },
    { COLOR_WINDOWFRAME, RGB(20, 22, 26) },
    { COLOR_BTNFACE, clrDarkFace },
    { COLOR_BTNTEXT, clrDarkText },
    { COLOR_BTNHIGHLIGHT, RGB(96, 102, 114) },
    { COLOR_3DLIGHT, RGB(74, 79, 89) },
    { COLOR_BTNSHADOW, RGB(30, 33, 38) },
    { COLOR_3DDKSHADOW, RGB(16, 18, 21) },
    { COLOR_HIGHLIGHT, RGB(62, 110, 180) },
    { COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255) },
    { COLOR_GRAYTEXT, RGB(128, 134, 145) },
    { COLOR_MENU, clrDarkFace },
    { COLOR_MENUTEXT, clrDarkText },
    { COLOR_APPWORKSPACE, RGB(30, 33, 38) },
    { COLOR_INFOBK, RGB(64, 68, 78) },
    { COLOR_INFOTEXT, clrDarkText },
};

// dock bars sit a shade deeper than the toolbars docked on them
const COLORREF clrDarkDockFace = RGB(46, 50, 57);
}

BOOL CHostColorScheme::Lookup(int nIndex, UINT nContext, COLORREF* pColor) const
{
    if (m_scheme != schemeDark || pColor == NULL)
        return FALSE;
    if (nContext == UIL_COLORCONTEXT_DOCKBAR && nIndex == COLOR_BTNFACE)
    {
        *pColor = clrDarkDockFace;
        return TRUE;
    }
    for (const SSchemeColor& color : s_darkColors)
    {
        if (color.nIndex == nIndex)
        {
            *pColor = color.clr;
            return TRUE;
        }
    }
    return FALSE;
}
