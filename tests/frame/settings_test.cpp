// settings_test.cpp - helpers of the settings-store tests.
#include "settings_test.h"
#include "frame/UILFrame.h"

CString ArrayName(CStringArray* pArray)
{
    return MakeStringArrayName(pArray);
}

IStream* CreateTestStream(const std::string& strBytes)
{
    IStream* pStream = NULL;
    if (FAILED(::CreateStreamOnHGlobal(NULL, TRUE, &pStream)))
        return NULL;
    ULONG nWritten = 0;
    pStream->Write(strBytes.data(), (ULONG)strBytes.size(), &nWritten);
    LARGE_INTEGER liStart = {};
    pStream->Seek(liStart, STREAM_SEEK_SET, NULL);
    return pStream;
}

std::string ReadWholeStream(IStream* pStream)
{
    HGLOBAL hGlobal = NULL;
    if (FAILED(::GetHGlobalFromStream(pStream, &hGlobal)))
        return "<no memory>";
    STATSTG stat = {};
    pStream->Stat(&stat, STATFLAG_NONAME);
    const char* p = (const char*)::GlobalLock(hGlobal);
    std::string strBytes(p, (size_t)stat.cbSize.QuadPart);
    ::GlobalUnlock(hGlobal);
    return strBytes;
}

CAppProfileScope::CAppProfileScope()
    : m_pApp(AfxGetApp())
{
    m_pszSavedProfile = m_pApp->m_pszProfileName;
    m_pszSavedKey = m_pApp->m_pszRegistryKey;
    m_pApp->m_pszProfileName = NULL;
    m_pApp->m_pszRegistryKey = NULL;
}

CAppProfileScope::~CAppProfileScope()
{
    if (m_pApp->m_pszRegistryKey != NULL)
    {
        HKEY hSoft;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoft) == ERROR_SUCCESS)
        {
            ::RegDeleteTreeA(hSoft, m_pApp->m_pszRegistryKey);
            ::RegCloseKey(hSoft);
        }
    }
    free((void*)m_pApp->m_pszProfileName);
    free((void*)m_pApp->m_pszRegistryKey);
    m_pApp->m_pszProfileName = m_pszSavedProfile;
    m_pApp->m_pszRegistryKey = m_pszSavedKey;
}

std::string CAppProfileScope::UseIni()
{
    std::string strPath = m_dir.GetFilePath("app.ini");
    m_pApp->m_pszProfileName = _strdup(strPath.c_str());
    return strPath;
}

void CAppProfileScope::UseRegistry()
{
    m_pApp->m_pszProfileName = _strdup("placeholder");
    m_pApp->SetRegistryKey("WEXOctrl Settings Test");
}

CString CAppProfileScope::GetSectionKeyPath(LPCSTR lpszSection) const
{
    CString strPath;
    strPath.Format("Software\\%s\\%s\\%s", m_pApp->m_pszRegistryKey, m_pApp->m_pszProfileName, lpszSection);
    return strPath;
}
