// appprof.cpp - CWinApp profile: the registry below HKCU\Software\<key>\<profile> when the
// application called SetRegistryKey, else the INI file m_pszProfileName.
#include "afximpl_.h"

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    if (lpszRegistryKey == NULL || *lpszRegistryKey == '\0')
        return;
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = _strdup(lpszRegistryKey);
    // Below the company key the application's own key carries the application's name.
    free((void*)m_pszProfileName);
    m_pszProfileName = _strdup(m_pszAppName != NULL ? m_pszAppName : "Application");
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    if (strKey.LoadString(nIDRegistryKey))
        SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    HKEY hSoftKey = NULL, hCompanyKey = NULL, hAppKey = NULL;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) == ERROR_SUCCESS)
    {
        DWORD dw;
        if (::RegCreateKeyExA(hSoftKey, m_pszRegistryKey, 0, NULL, REG_OPTION_NON_VOLATILE,
                KEY_WRITE | KEY_READ, NULL, &hCompanyKey, &dw) == ERROR_SUCCESS)
        {
            ::RegCreateKeyExA(hCompanyKey, m_pszProfileName, 0, NULL, REG_OPTION_NON_VOLATILE,
                KEY_WRITE | KEY_READ, NULL, &hAppKey, &dw);
        }
    }
    if (hSoftKey != NULL)
        ::RegCloseKey(hSoftKey);
    if (hCompanyKey != NULL)
        ::RegCloseKey(hCompanyKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    if (lpszSection == NULL)
        return NULL;
    HKEY hSectionKey = NULL;
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == NULL)
        return NULL;
    DWORD dw;
    ::RegCreateKeyExA(hAppKey, lpszSection, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ,
        NULL, &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

// Removes a key with everything below it.  RegDeleteTree with a subkey name removes the subkey
// itself on some systems and only its contents on others, so the key is deleted afterwards too.
static LONG DeleteKeyTree(HKEY hParentKey, LPCSTR lpszKeyName)
{
    LONG lResult = ::RegDeleteTreeA(hParentKey, lpszKeyName);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    lResult = ::RegDeleteKeyA(hParentKey, lpszKeyName);
    return lResult == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : lResult;
}

BOOL CWinApp::DelRegTree(HKEY hParentKey, const CString& strKeyName)
{
    return DeleteKeyTree(hParentKey, strKeyName) == ERROR_SUCCESS;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    if (lpszSection == NULL || lpszEntry == NULL)
        return (UINT)nDefault;
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return (UINT)nDefault;
        DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
        LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &dwCount);
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
            return (UINT)dwValue;
        return (UINT)nDefault;
    }
    return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    if (lpszDefault == NULL)
        lpszDefault = "";
    if (lpszSection == NULL || lpszEntry == NULL)
        return lpszDefault;
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return lpszDefault;
        CString strValue;
        DWORD dwType = 0, dwCount = 0;
        LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
        if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
        {
            char* pBuf = strValue.GetBuffer((int)dwCount + 1);
            lResult = ::RegQueryValueExA(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)pBuf, &dwCount);
            pBuf[dwCount] = '\0';
            strValue.ReleaseBuffer();
        }
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
            return strValue;
        return lpszDefault;
    }

    // The INI API truncates silently: read again with a larger buffer until the value fits.
    CString strValue;
    for (DWORD nSize = 256;; nSize *= 2)
    {
        char* pBuf = strValue.GetBuffer((int)nSize);
        DWORD nRead = ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, pBuf, nSize,
            m_pszProfileName);
        strValue.ReleaseBuffer((int)nRead);
        if (nRead < nSize - 1 || nSize >= 0x100000)
            break;
    }
    return strValue;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    if (lpszSection == NULL || lpszEntry == NULL)
        return FALSE;
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        DWORD dwValue = (DWORD)nValue;
        LONG lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_DWORD, (LPBYTE)&dwValue, sizeof(dwValue));
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    char szT[16];
    sprintf(szT, "%d", nValue);
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, szT, m_pszProfileName);
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (lpszSection == NULL)
        return FALSE;
    if (m_pszRegistryKey != NULL)
    {
        LONG lResult;
        if (lpszEntry == NULL)
        {
            // no entry: the whole section goes
            HKEY hAppKey = GetAppRegistryKey();
            if (hAppKey == NULL)
                return FALSE;
            lResult = DeleteKeyTree(hAppKey, lpszSection);
            ::RegCloseKey(hAppKey);
            return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
        }
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        if (lpszValue == NULL)
        {
            lResult = ::RegDeleteValueA(hSecKey, lpszEntry);
            if (lResult == ERROR_FILE_NOT_FOUND)
                lResult = ERROR_SUCCESS;
        }
        else
        {
            lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                (DWORD)(strlen(lpszValue) + 1));
        }
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    // WritePrivateProfileString deletes the key for a NULL value and the section for a NULL key.
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    if (ppData == NULL || pBytes == NULL)
        return FALSE;
    *ppData = NULL;
    *pBytes = 0;
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        DWORD dwType = 0, dwCount = 0;
        LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
        if (lResult == ERROR_SUCCESS && dwType == REG_BINARY)
        {
            *ppData = new BYTE[dwCount ? dwCount : 1];
            lResult = ::RegQueryValueExA(hSecKey, lpszEntry, NULL, &dwType, *ppData, &dwCount);
            *pBytes = dwCount;
        }
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS && dwType == REG_BINARY)
            return TRUE;
        delete[] *ppData;
        *ppData = NULL;
        *pBytes = 0;
        return FALSE;
    }
    // INI: two letters per byte, 'A' + nibble, as the framework has always written it
    CString str = GetProfileString(lpszSection, lpszEntry, NULL);
    if (str.IsEmpty())
        return FALSE;
    int nLen = str.GetLength();
    *pBytes = (UINT)(nLen / 2);
    *ppData = new BYTE[*pBytes ? *pBytes : 1];
    for (int i = 0; i + 1 < nLen; i += 2)
        (*ppData)[i / 2] = (BYTE)(((str[i + 1] - 'A') << 4) + (str[i] - 'A'));
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        LONG lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    CString str;
    char* p = str.GetBuffer((int)nBytes * 2);
    for (UINT i = 0; i < nBytes; i++)
    {
        p[i * 2] = (char)((pData[i] & 0x0F) + 'A');
        p[i * 2 + 1] = (char)(((pData[i] >> 4) & 0x0F) + 'A');
    }
    str.ReleaseBuffer((int)nBytes * 2);
    return WriteProfileString(lpszSection, lpszEntry, str);
}
