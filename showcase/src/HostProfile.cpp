// HostProfile.cpp - the showcase's profile manager.
#include "HostProfile.h"
#include <shlwapi.h>

namespace
{
// longest value the showcase keeps; the library's own texts stay far below it
const int nMaxValue = 4096;
}

CShowcaseProfile::CShowcaseProfile()
{
}

CShowcaseProfile::~CShowcaseProfile()
{
    // a later array at the same address must not inherit what the library's caches know of this one
    StringArrayClearSectionCaches(&m_lines);
}

BOOL CShowcaseProfile::Load(LPCSTR lpszPath)
{
    m_lines.RemoveAll();
    StringArrayClearSectionCaches(&m_lines);
    if (::GetFileAttributesA(lpszPath) == INVALID_FILE_ATTRIBUTES)
        return TRUE;
    IStream* pStream = NULL;
    if (FAILED(::SHCreateStreamOnFileA(lpszPath, STGM_READ | STGM_SHARE_DENY_WRITE, &pStream)))
        return FALSE;
    StringArrayReadFromStream(&m_lines, pStream);
    pStream->Release();
    return TRUE;
}

BOOL CShowcaseProfile::Save(LPCSTR lpszPath)
{
    CString strNew = lpszPath;
    strNew += ".new";
    IStream* pStream = NULL;
    if (FAILED(::SHCreateStreamOnFileA(strNew, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, &pStream)))
        return FALSE;
    int nWritten = StringArrayWriteToStream(&m_lines, pStream);
    HRESULT hr = pStream->Commit(STGC_DEFAULT);
    pStream->Release();
    if (nWritten != (int)m_lines.GetSize() || FAILED(hr) ||
        !::MoveFileExA(strNew, lpszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        ::DeleteFileA(strNew);
        return FALSE;
    }
    return TRUE;
}

BOOL CShowcaseProfile::RemoveSection(LPCSTR lpszSection)
{
    int nStart = StringArrayGetStartSectionIndex(lpszSection, &m_lines, FALSE);
    if (nStart < 0)
        return TRUE;
    int nEnd = StringArrayGetNextSectionIndex(&m_lines, nStart);
    if (nEnd < 0)
        nEnd = (int)m_lines.GetSize();
    m_lines.RemoveAt(nStart, nEnd - nStart);
    // the header indexes the library remembered for this array have moved
    StringArrayClearSectionCaches(&m_lines);
    return TRUE;
}

int CShowcaseProfile::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (lpszSection == NULL)
        return 0;
    if (lpszEntry == NULL)
        return lpszValue == NULL ? RemoveSection(lpszSection) : 0;
    // a NULL value removes the key, as in the application profile
    return SaveStringToStringArray(lpszSection, lpszEntry, lpszValue, &m_lines);
}

int CShowcaseProfile::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    return SaveIntToStringArray(lpszSection, lpszEntry, nValue, &m_lines);
}

LPCSTR CShowcaseProfile::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    char szValue[nMaxValue];
    if (LoadStringFromStringArray(lpszSection, lpszEntry, szValue, sizeof(szValue), &m_lines) > 0)
        m_strValue = szValue;
    else
        m_strValue = lpszDefault != NULL ? lpszDefault : "";
    return m_strValue;
}

int CShowcaseProfile::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    return LoadIntFromStringArray(lpszSection, lpszEntry, nDefault, &m_lines);
}
