// oleinit.cpp - OLE start and stop, type-library registration, COleException.
#include "afximpl_.h"
#include "afxdisp.h"

IMPLEMENT_DYNAMIC(COleException, CException)

COleException::COleException() : m_sc(S_OK) {}
COleException::~COleException() {}

BOOL COleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, (DWORD)m_sc,
        0, lpszError, nMaxError, NULL);
    if (n == 0)
        _snprintf(lpszError, nMaxError, "OLE error 0x%08lX", (unsigned long)m_sc);
    lpszError[nMaxError - 1] = '\0';
    return TRUE;
}

SCODE PASCAL COleException::Process(const CException* pAnyException)
{
    if (pAnyException == NULL)
        return E_UNEXPECTED;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(COleException)))
        return ((COleException*)pAnyException)->m_sc;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CNotSupportedException)))
        return E_NOTIMPL;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CInvalidArgException)))
        return E_INVALIDARG;
    return E_UNEXPECTED;
}

void AFXAPI AfxThrowOleException(SCODE sc)
{
    COleException* pException = new COleException;
    pException->m_sc = sc;
    throw pException;
}

BOOL AFXAPI AfxOleInit()
{
    static thread_local BOOL t_bInitialized = FALSE;
    if (t_bInitialized)
        return TRUE;
    HRESULT hr = ::OleInitialize(NULL);
    if (FAILED(hr))
        return FALSE;
    t_bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxOleTerm(BOOL bJustRevoke)
{
    if (!bJustRevoke)
        ::OleUninitialize();
}

static BOOL ToWide(LPCSTR psz, WCHAR* pwsz, int nMax)
{
    return ::MultiByteToWideChar(CP_ACP, 0, psz, -1, pwsz, nMax) != 0;
}

BOOL AFXAPI AfxOleRegisterTypeLib(HINSTANCE hInstance, REFGUID tlid, LPCSTR pszFileName, LPCSTR pszHelpDir)
{
    char szModule[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(hInstance, szModule, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return FALSE;
    char szPath[MAX_PATH];
    lstrcpynA(szPath, szModule, MAX_PATH);
    if (pszFileName != NULL)
    {
        // the named file lies beside the module
        char* pszSlash = strrchr(szPath, '\\');
        char* pszName = pszSlash != NULL ? pszSlash + 1 : szPath;
        if ((size_t)(pszName - szPath) + strlen(pszFileName) >= MAX_PATH)
            return FALSE;
        strcpy(pszName, pszFileName);
    }

    WCHAR wszPath[MAX_PATH];
    if (!ToWide(szPath, wszPath, MAX_PATH))
        return FALSE;
    ITypeLib* pTypeLib = NULL;
    if (FAILED(::LoadTypeLib(wszPath, &pTypeLib)) || pTypeLib == NULL)
        return FALSE;

    // a file of that name that holds another library is not registered in its place
    TLIBATTR* pAttr = NULL;
    BOOL bSameLibrary = FALSE;
    if (SUCCEEDED(pTypeLib->GetLibAttr(&pAttr)) && pAttr != NULL)
    {
        bSameLibrary = IsEqualGUID(pAttr->guid, tlid);
        pTypeLib->ReleaseTLibAttr(pAttr);
    }
    if (!bSameLibrary)
    {
        pTypeLib->Release();
        return FALSE;
    }

    // the help folder is the library's own folder unless given
    char szHelpDir[MAX_PATH];
    if (pszHelpDir != NULL)
        lstrcpynA(szHelpDir, pszHelpDir, MAX_PATH);
    else
    {
        lstrcpynA(szHelpDir, szPath, MAX_PATH);
        char* pszSlash = strrchr(szHelpDir, '\\');
        if (pszSlash != NULL)
            *pszSlash = '\0';
    }
    WCHAR wszHelpDir[MAX_PATH];
    ToWide(szHelpDir, wszHelpDir, MAX_PATH);
    HRESULT hr = ::RegisterTypeLib(pTypeLib, wszPath, wszHelpDir);
    pTypeLib->Release();
    return SUCCEEDED(hr);
}

BOOL AFXAPI AfxOleUnregisterTypeLib(REFGUID tlid, WORD wVerMajor, WORD wVerMinor, LCID lcid)
{
    return SUCCEEDED(::UnRegisterTypeLib(tlid, wVerMajor, wVerMinor, lcid, SYS_WIN64));
}
