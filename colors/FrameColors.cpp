// FrameColors.cpp - CFrameColors.
#include "FrameColors.h"

CFrameColors::CFrameColors()
    : m_clrFace(::GetSysColor(COLOR_BTNFACE)),
      m_clrLight(::GetSysColor(COLOR_3DLIGHT)),
      m_clrHighlight(::GetSysColor(COLOR_BTNHIGHLIGHT)),
      m_clrShadow(::GetSysColor(COLOR_BTNSHADOW)),
      m_clrDarkShadow(::GetSysColor(COLOR_3DDKSHADOW))
{
}

CFrameColors::CFrameColors(COLORREF clrFace, COLORREF clrLight, COLORREF clrHighlight,
    COLORREF clrShadow, COLORREF clrDarkShadow)
    : m_clrFace(clrFace), m_clrLight(clrLight), m_clrHighlight(clrHighlight),
      m_clrShadow(clrShadow), m_clrDarkShadow(clrDarkShadow)
{
}

CFrameColors::CFrameColors(const CFrameColors& src)
{
    *this = src;
}

CFrameColors& CFrameColors::operator=(const CFrameColors& src)
{
    m_clrFace = src.m_clrFace;
    m_clrLight = src.m_clrLight;
    m_clrHighlight = src.m_clrHighlight;
    m_clrShadow = src.m_clrShadow;
    m_clrDarkShadow = src.m_clrDarkShadow;
    return *this;
}
