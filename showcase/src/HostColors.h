// HostColors.h - the colour schemes the showcase offers, as the host that answers the
// library's WM_GET_SYS_COLOR.
//
// The library's controls take their system colours from the host's main window (GetAppSysColor,
// GetMainWndSysColor); a host that answers the message recolours all of them at once.
#pragma once

#include <WEXOctrl.h>

class CHostColorScheme
{
public:
    enum Scheme
    {
        schemeStandard,     // the Windows colours: the host answers nothing
        schemeDark          // dark surfaces, light text
    };

    CHostColorScheme() : m_scheme(schemeStandard) {}

    Scheme GetScheme() const { return m_scheme; }
    void SetScheme(Scheme scheme) { m_scheme = scheme; }

    // The answer to WM_GET_SYS_COLOR: TRUE with *pColor set when the scheme has a colour of its
    // own for the index and the asking kind of control (UIL_COLORCONTEXT_...), FALSE to leave
    // the Windows colour.
    BOOL Lookup(int nIndex, UINT nContext, COLORREF* pColor) const;

private:
    Scheme m_scheme;
};
