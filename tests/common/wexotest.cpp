// wexotest.cpp - message pumping, scratch folders and profiles, the main-window scope.
#include "wexotest.h"
#include <WEXOctrl.h>

void PumpTestMessages(DWORD dwMilliseconds)
{
    const ULONGLONG tEnd = ::GetTickCount64() + dwMilliseconds;
    CWinThread* pThread = AfxGetThread();
    for (;;)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                // leave it for whoever runs the real loop
                ::PostQuitMessage((int)msg.wParam);
                return;
            }
            if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        const ULONGLONG tNow = ::GetTickCount64();
        if (tNow >= tEnd)
            break;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, (DWORD)(tEnd - tNow), QS_ALLINPUT);
    }
}

void RunTestIdle()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    // the framework's loop stops calling OnIdle once it returns FALSE; a guard keeps a faulty
    // OnIdle from hanging the test instead of failing it
    for (LONG lCount = 0; lCount < 1000; lCount++)
    {
        if (!pApp->OnIdle(lCount))
            break;
    }
}

bool DeleteTestTree(const char* lpszPath)
{
    std::string strPattern = std::string(lpszPath) + "\\*";
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(strPattern.c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (strcmp(fd.cFileName, ".") == 0 || strcmp(fd.cFileName, "..") == 0)
                continue;
            std::string strChild = std::string(lpszPath) + "\\" + fd.cFileName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                ::SetFileAttributesA(strChild.c_str(), fd.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteTestTree(strChild.c_str());
            else
                ::DeleteFileA(strChild.c_str());
        } while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(lpszPath);
    return ::GetFileAttributesA(lpszPath) == INVALID_FILE_ATTRIBUTES;
}

CTestTempDir::CTestTempDir()
{
    char szTemp[MAX_PATH];
    DWORD n = ::GetTempPathA(MAX_PATH, szTemp);
    if (n == 0 || n >= MAX_PATH)
        return;
    // process id and a counter keep parallel test programs and repeated fixtures apart
    static LONG s_nSerial = 0;
    for (int nTry = 0; nTry < 100; nTry++)
    {
        char szName[MAX_PATH];
        wsprintfA(szName, "%swexotest-%lu-%ld", szTemp, ::GetCurrentProcessId(),
            ::InterlockedIncrement(&s_nSerial));
        if (::CreateDirectoryA(szName, NULL))
        {
            m_strPath = szName;
            return;
        }
    }
}

CTestTempDir::~CTestTempDir()
{
    if (IsValid())
        DeleteTestTree(m_strPath.c_str());
}

std::string CTestTempDir::GetFilePath(const char* lpszName) const
{
    return m_strPath + "\\" + lpszName;
}

bool CTestTempDir::WriteFile(const char* lpszName, const void* pData, DWORD nSize) const
{
    HANDLE hFile = ::CreateFileA(GetFilePath(lpszName).c_str(), GENERIC_WRITE, 0, NULL,
        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD nWritten = 0;
    BOOL bOk = ::WriteFile(hFile, pData, nSize, &nWritten, NULL);
    ::CloseHandle(hFile);
    return bOk && nWritten == nSize;
}

/////////////////////////////////////////////////////////////////////////////
// CMainWindowScope

CMainWindowScope::CMainWindowScope(CWnd* pWnd, HMENU hMenu)
    : m_pWnd(pWnd), m_pPreviousApp(NULL), m_pPreviousThread(NULL)
{
    if (m_pWnd == NULL)
    {
        m_wndOwn.Watch(WM_GET_SYS_COLOR);
        m_wndOwn.m_fnAnswer = [this](UINT, WPARAM wParam, LPARAM lParam, BOOL& bHandled) -> LRESULT {
            for (const auto& color : m_colors)
            {
                if (color.first == (int)LOWORD(wParam))
                {
                    *(COLORREF*)lParam = color.second;
                    bHandled = TRUE;
                    return 1;
                }
            }
            return 0;
        };
        m_wndOwn.CreateTopLevel(CRect(0, 0, 300, 200), "Test main window", WS_OVERLAPPEDWINDOW, hMenu);
        m_pWnd = &m_wndOwn;
    }
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    if (pThread != NULL)
    {
        m_pPreviousThread = pThread->m_pMainWnd;
        pThread->m_pMainWnd = m_pWnd;
    }
    if (pApp != NULL)
    {
        m_pPreviousApp = pApp->m_pMainWnd;
        pApp->m_pMainWnd = m_pWnd;
    }
}

CMainWindowScope::~CMainWindowScope()
{
    // in the reverse order, so that the application's own thread ends with what it had
    if (AfxGetApp() != NULL)
        AfxGetApp()->m_pMainWnd = m_pPreviousApp;
    if (AfxGetThread() != NULL)
        AfxGetThread()->m_pMainWnd = m_pPreviousThread;
}

void CMainWindowScope::SetColor(int nIndex, COLORREF clr)
{
    m_colors.push_back(std::make_pair(nIndex, clr));
}

std::vector<WORD> CMainWindowScope::GetContexts() const
{
    std::vector<WORD> contexts;
    for (const CRecordingWnd::SMessage& m : m_wndOwn.m_messages)
        contexts.push_back(HIWORD(m.wParam));
    return contexts;
}

/////////////////////////////////////////////////////////////////////////////
// CTestProfileScope

CTestProfileScope::CTestProfileScope()
    : m_pApp(AfxGetApp())
{
    m_pszSavedProfile = m_pApp->m_pszProfileName;
    m_pszSavedKey = m_pApp->m_pszRegistryKey;
    m_pApp->m_pszProfileName = NULL;
    m_pApp->m_pszRegistryKey = NULL;
}

CTestProfileScope::~CTestProfileScope()
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

std::string CTestProfileScope::UseIni()
{
    std::string strPath = m_dir.GetFilePath("app.ini");
    m_pApp->m_pszProfileName = _strdup(strPath.c_str());
    return strPath;
}

void CTestProfileScope::UseRegistry()
{
    m_pApp->m_pszProfileName = _strdup("placeholder");
    m_pApp->SetRegistryKey("WEXOctrl Test Profile");
}

CString CTestProfileScope::GetSectionKeyPath(LPCSTR lpszSection) const
{
    CString strPath;
    strPath.Format("Software\\%s\\%s\\%s", m_pApp->m_pszRegistryKey, m_pApp->m_pszProfileName, lpszSection);
    return strPath;
}
