// appinit.cpp - CWinApp and the framework's start for GUI and console programs.
#include "afximpl_.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(0xE141 /* ID_APP_EXIT */, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName != NULL ? _strdup(lpszAppName) : NULL), m_hInstance(NULL),
      m_hPrevInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL), m_pszExeName(NULL),
      m_pszHelpFilePath(NULL), m_pszProfileName(NULL), m_pszRegistryKey(NULL)
{
    // The application object is the module's application and the constructing thread's thread.
    AFX_MODULE_STATE* pModuleState = AfxGetAppModuleState();
    pModuleState->m_pCurrentWinApp = this;
    AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    pThreadState->m_pCurrentWinThread = this;
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
    m_bAutoDelete = FALSE;
}

CWinApp::~CWinApp()
{
    free((void*)m_pszAppName);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    free((void*)m_pszProfileName);
    free((void*)m_pszRegistryKey);
    m_hThread = NULL;       // the pseudo handle of the thread is not ours to close
    AFX_MODULE_STATE* pModuleState = AfxGetAppModuleState();
    if (pModuleState->m_pCurrentWinApp == this)
        pModuleState->m_pCurrentWinApp = NULL;
}

BOOL CWinApp::InitApplication() { return TRUE; }
BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance()
{
    return m_msgCur.message == WM_QUIT ? (int)m_msgCur.wParam : 0;
}

int CWinApp::Run()
{
    if (m_pMainWnd == NULL && AfxGetApp() == this)
    {
        // nothing to run: a program without a main window ends here
        ::PostQuitMessage(0);
    }
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWinThread::OnIdle(lCount);
        return TRUE;
    }
    if (lCount == 1)
        CWinThread::OnIdle(lCount);
    return lCount < 1;
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndOwner = pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL;
    if (hWndOwner != NULL)
        hWndOwner = ::GetLastActivePopup(hWndOwner);
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK: case MB_OKCANCEL: nType |= MB_ICONEXCLAMATION; break;
        case MB_YESNO: case MB_YESNOCANCEL: nType |= MB_ICONQUESTION; break;
        case MB_ABORTRETRYIGNORE: case MB_RETRYCANCEL: break;
        }
    }
    return ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

void CWinApp::WinHelp(DWORD_PTR, UINT)
{
    // help files are not part of this framework
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != NULL)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEA(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(NULL, lpszCursorName); }
HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const { return ::LoadCursorA(NULL, MAKEINTRESOURCEA(nIDCursor)); }
HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const { return ::LoadIconA(NULL, lpszIconName); }

/////////////////////////////////////////////////////////////////////////////
// Start and stop

static void SetAppNames(CWinApp* pApp)
{
    char szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(pApp->m_hInstance, szPath, MAX_PATH);
    szPath[n < MAX_PATH ? n : MAX_PATH - 1] = '\0';
    const char* pszName = strrchr(szPath, '\\');
    pszName = pszName != NULL ? pszName + 1 : szPath;
    char szExeName[MAX_PATH];
    lstrcpynA(szExeName, pszName, MAX_PATH);
    char* pszDot = strrchr(szExeName, '.');
    if (pszDot != NULL)
        *pszDot = '\0';

    if (pApp->m_pszExeName == NULL)
        pApp->m_pszExeName = _strdup(szExeName);
    if (pApp->m_pszAppName == NULL)
    {
        // the application's title string, else the program's name
        CString strTitle;
        if (strTitle.LoadString(AFX_IDS_APP_TITLE) && !strTitle.IsEmpty())
            pApp->m_pszAppName = _strdup(strTitle);
        else
            pApp->m_pszAppName = _strdup(szExeName);
    }
    if (pApp->m_pszProfileName == NULL)
    {
        CString strIni(szExeName);
        strIni += ".INI";
        pApp->m_pszProfileName = _strdup(strIni);
    }
    AfxGetAppModuleState()->m_lpszCurrentAppName = pApp->m_pszAppName;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    (void)hPrevInstance;
    ::SetErrorMode(::SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

    AFX_MODULE_STATE* pModuleState = AfxGetAppModuleState();
    pModuleState->m_hCurrentInstanceHandle = hInstance;
    pModuleState->m_hCurrentResourceHandle = hInstance;

    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES |
        ICC_TAB_CLASSES | ICC_USEREX_CLASSES | ICC_ANIMATE_CLASS };
    ::InitCommonControlsEx(&icc);

    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = NULL;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        SetAppNames(pApp);
    }
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        goto InitFailure;
    if (pApp != NULL && !pApp->InitApplication())
        goto InitFailure;
    if (pApp == NULL || !pApp->InitInstance())
    {
        if (pApp != NULL && pApp->m_pMainWnd != NULL)
            pApp->m_pMainWnd->DestroyWindow();
        nReturnCode = pApp != NULL ? pApp->ExitInstance() : -1;
        goto InitFailure;
    }
    nReturnCode = pApp->Run();

InitFailure:
    AfxWinTerm();
    return nReturnCode;
}

void AFXAPI AfxWinTerm()
{
    AfxLockTempMaps();
    AfxUnlockTempMaps(TRUE);
}
