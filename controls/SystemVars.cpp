// SystemVars.cpp - shared fonts and number formats.
#include "SystemVars.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>

// three digits: a CAD host's lengths in millimetres to the micrometre
#define SYSTEMVARS_DEFAULT_PRECISION 3

CSystemVars::CSystemVars() : m_cDecimal(0), m_nPrecision(SYSTEMVARS_DEFAULT_PRECISION)
{
}

CSystemVars::~CSystemVars()
{
}

void CSystemVars::LoadFonts()
{
    NONCLIENTMETRICSA ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = sizeof(ncm);
    BOOL bMetrics = ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    if (m_fontMenu.m_hObject == NULL)
    {
        if (!bMetrics || !m_fontMenu.CreateFontIndirect(&ncm.lfMenuFont))
            m_fontMenu.CreateStockObject(DEFAULT_GUI_FONT);
    }
    if (m_fontStatus.m_hObject == NULL)
    {
        if (!bMetrics || !m_fontStatus.CreateFontIndirect(&ncm.lfStatusFont))
            m_fontStatus.CreateStockObject(DEFAULT_GUI_FONT);
    }
}

CFont* CSystemVars::GetMenuFont()
{
    if (m_fontMenu.m_hObject == NULL)
        LoadFonts();
    return &m_fontMenu;
}

CFont* CSystemVars::GetStatusFont()
{
    if (m_fontStatus.m_hObject == NULL)
        LoadFonts();
    return &m_fontStatus;
}

char CSystemVars::GetDecimalSeparator()
{
    if (m_cDecimal == 0)
    {
        char szSep[8] = "";
        m_cDecimal = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, szSep, sizeof(szSep)) > 1
                && szSep[0] != '\0' ? szSep[0] : '.';
    }
    return m_cDecimal;
}

void CSystemVars::SetPrecision(int nPrecision)
{
    m_nPrecision = nPrecision < 0 ? 0 : nPrecision > 15 ? 15 : nPrecision;
}

CString CSystemVars::FormatNumber(double dValue, int nPrecision)
{
    if (nPrecision < 0)
        nPrecision = m_nPrecision;
    if (nPrecision > 15)
        nPrecision = 15;
    CString str;
    str.Format("%.*f", nPrecision, dValue);
    int nDot = str.Find('.');
    if (nDot >= 0)
    {
        str.TrimRight('0');
        if (str[str.GetLength() - 1] == '.')
            str.Truncate(str.GetLength() - 1);
        else
            str.SetAt(nDot, GetDecimalSeparator());
    }
    // a value that rounds to zero shows no sign
    if (str == "-0")
        str = "0";
    return str;
}

int CSystemVars::ParseNumber(const char* lpszText, double* pValue)
{
    if (lpszText == NULL || pValue == NULL)
        return 0;
    CString str = lpszText;
    str.Trim(" \t");
    if (str.IsEmpty())
        return 0;
    char cSep = GetDecimalSeparator();
    if (cSep != '.')
    {
        // one separator at most, and "." only where the user's separator is not used
        if (str.Find(cSep) >= 0 && str.Find('.') >= 0)
            return 0;
        str.Replace(cSep, '.');
    }
    char* pEnd = NULL;
    double d = strtod(str, &pEnd);
    if (pEnd == NULL || *pEnd != '\0' || !std::isfinite(d))
        return 0;
    *pValue = d;
    return 1;
}

void CSystemVars::Refresh()
{
    m_fontMenu.DeleteObject();
    m_fontStatus.DeleteObject();
    m_cDecimal = 0;
}

CSystemVars& GetSystemVars()
{
    // made on first use, after the framework is up, and gone with the module
    static CSystemVars s_vars;
    return s_vars;
}
