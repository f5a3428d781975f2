// SystemVars.h - the system settings the library's controls share: the menu and status fonts
// and how numbers are shown (decimal separator, display precision).
//
// One record for the module (GetSystemVars()).  Fonts are made on first use from the system's
// non-client metrics and made again after Refresh(), which a host calls on WM_SETTINGCHANGE.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CSystemVars
{
public:
    CSystemVars();
    ~CSystemVars();

    // the system's menu font and status-bar font (owned here; valid until the next Refresh)
    CFont* GetMenuFont();
    CFont* GetStatusFont();
    // the user's decimal separator ("." when the locale gives none)
    char GetDecimalSeparator();
    // digits after the separator that numbers are shown with (0..15)
    int GetPrecision() const { return m_nPrecision; }
    void SetPrecision(int nPrecision);

    // The value with nPrecision digits (the display precision for -1), the user's separator,
    // and trailing zeros of the fraction dropped ("2.50" -> "2.5", "3.000" -> "3").
    CString FormatNumber(double dValue, int nPrecision = -1);
    // Reads a number written with the user's separator or with "."; blanks around it are
    // allowed.  1 and *pValue set for a whole number, 0 (nothing written) otherwise.
    int ParseNumber(const char* lpszText, double* pValue);

    // forgets the fonts and the separator, so that the next use reads the system again
    void Refresh();

protected:
    void LoadFonts();

    CFont m_fontMenu;
    CFont m_fontStatus;
    char m_cDecimal;            // 0 until read from the locale
    int m_nPrecision;
};

// the module's record
AFX_EXT_API CSystemVars& GetSystemVars();
