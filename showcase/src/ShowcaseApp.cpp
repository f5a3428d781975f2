// ShowcaseApp.cpp - the showcase application: a host shell of the WEXOctrl library.
#include "ShowcaseApp.h"
#include "MainFrm.h"
#include "Scenes.h"
#include "Screenshot.h"
#include "resource.h"
#include <stdio.h>
#include <stdlib.h>

BEGIN_MESSAGE_MAP(CShowcaseApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_APP_EXIT, CWinApp::OnAppExit)
END_MESSAGE_MAP()

CShowcaseApp theApp;

CShowcaseApp::CShowcaseApp()
    : CWinApp("WEXOctrl Showcase"), m_bScreenshots(FALSE), m_bListScenes(FALSE), m_nExitCode(0)
{
}

void CShowcaseApp::ReportError(LPCSTR lpszText)
{
    // batch runs (screenshots, bad arguments) report on stderr; a user at the screen gets a box
    if (m_bScreenshots || m_bListScenes || m_pMainWnd == NULL)
    {
        fprintf(stderr, "showcase: %s\n", lpszText);
        fflush(stderr);
    }
    else
    {
        AfxMessageBox(lpszText, MB_OK | MB_ICONSTOP);
    }
}

BOOL CShowcaseApp::ParseArguments(int argc, char** argv)
{
    for (int i = 1; i < argc; i++)
    {
        CString strArg = argv[i];
        if (strArg == "--screenshots" && i + 1 < argc)
        {
            m_bScreenshots = TRUE;
            m_strScreenshotDir = argv[++i];
        }
        else if (strArg == "--scene" && i + 1 < argc)
        {
            m_strScene = argv[++i];
            if (FindShowcaseScene(m_strScene) == NULL)
            {
                CString strMsg;
                strMsg.Format("no scene named \"%s\" (see --list-scenes)", (LPCSTR)m_strScene);
                ReportError(strMsg);
                m_nExitCode = 2;
                return FALSE;
            }
        }
        else if (strArg == "--list-scenes")
        {
            m_bListScenes = TRUE;
        }
        else
        {
            CString strMsg;
            strMsg.Format("unknown or incomplete argument \"%s\"; usage: showcase "
                "[--scene NAME] [--screenshots DIR] [--list-scenes]", (LPCSTR)strArg);
            ReportError(strMsg);
            m_nExitCode = 2;
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CShowcaseApp::InitInstance()
{
    if (!CWinApp::InitInstance())
        return FALSE;
    if (!ParseArguments(__argc, __argv))
        return FALSE;

    if (m_bListScenes)
    {
        int nCount = 0;
        const SHOWCASE_SCENE* pScenes = GetShowcaseScenes(&nCount);
        for (int i = 0; i < nCount; i++)
            printf("%-16s %s\n", pScenes[i].lpszName, pScenes[i].lpszDescription);
        fflush(stdout);
        m_nExitCode = 0;
        return FALSE;
    }

    // the profile lives beside the program; the main frame reads its settings while it is made
    char szProfile[MAX_PATH];
    DWORD nLength = ::GetModuleFileNameA(NULL, szProfile, MAX_PATH);
    char* pszName = nLength > 0 && nLength < MAX_PATH ? strrchr(szProfile, '\\') : NULL;
    if (pszName != NULL && (size_t)(pszName - szProfile) + sizeof("\\showcase-profile.ini") <= MAX_PATH)
    {
        strcpy(pszName, "\\showcase-profile.ini");
        m_strProfilePath = szProfile;
        if (!m_profile.Load(m_strProfilePath))
            ReportError("the profile could not be read; starting with default settings");
    }

    if (!CreateMainFrame())
    {
        ReportError("the main window could not be created");
        m_nExitCode = 1;
        return FALSE;
    }
    CMainFrame* pFrame = static_cast<CMainFrame*>(m_pMainWnd);

    if (m_bScreenshots)
    {
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->UpdateWindow();
        m_nExitCode = TakeScreenshots(pFrame) ? 0 : 1;
        return FALSE;   // the framework destroys the frame and calls ExitInstance
    }

    if (!m_strScene.IsEmpty())
        FindShowcaseScene(m_strScene)->pfnSetUp(pFrame);
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    return TRUE;
}

int CShowcaseApp::ExitInstance()
{
    int nCode = CWinApp::ExitInstance();
    if (!m_strProfilePath.IsEmpty() && !m_profile.Save(m_strProfilePath))
        ReportError("the profile could not be saved");
    // without a message loop there is no WM_QUIT code: report the batch result instead
    if (m_bScreenshots || m_bListScenes || m_nExitCode != 0)
        return m_nExitCode;
    return nCode;
}

BOOL CShowcaseApp::CreateMainFrame()
{
    CMainFrame* pFrame = new CMainFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW))
    {
        // a frame whose window never came to be is not deleted by the framework
        m_pMainWnd = NULL;
        if (pFrame->GetSafeHwnd() == NULL)
            delete pFrame;
        return FALSE;
    }
    return TRUE;
}

void CShowcaseApp::SettleWindow(CWnd* pWnd)
{
    MSG msg;
    for (int nRound = 0; nRound < 2; nRound++)
    {
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!PumpMessage())
                return;
        }
        // idle processing updates command states the way the message loop would
        for (LONG lCount = 0; lCount < 16 && OnIdle(lCount); lCount++)
            ;
        pWnd->RedrawWindow(NULL, NULL,
            RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

BOOL CShowcaseApp::TakeScreenshots(CMainFrame* pFrame)
{
    if (!::CreateDirectoryA(m_strScreenshotDir, NULL) && ::GetLastError() != ERROR_ALREADY_EXISTS)
    {
        CString strMsg;
        strMsg.Format("cannot create the folder \"%s\" (error %lu)", (LPCSTR)m_strScreenshotDir,
            ::GetLastError());
        ReportError(strMsg);
        return FALSE;
    }

    BOOL bAllOk = TRUE;
    int nCount = 0;
    const SHOWCASE_SCENE* pScenes = GetShowcaseScenes(&nCount);
    for (int i = 0; i < nCount; i++)
    {
        CString strFile = m_strScreenshotDir;
        if (strFile.Right(1) != "\\" && strFile.Right(1) != "/")
            strFile += "\\";
        strFile += pScenes[i].lpszName;
        strFile += ".png";

        CString strMsg;
        if (!pScenes[i].pfnSetUp(pFrame))
        {
            strMsg.Format("scene \"%s\" could not be set up", pScenes[i].lpszName);
            ReportError(strMsg);
            bAllOk = FALSE;
            continue;
        }
        SettleWindow(pFrame);
        if (!SaveWindowAsPng(pFrame, strFile))
        {
            strMsg.Format("scene \"%s\": cannot write \"%s\"", pScenes[i].lpszName,
                (LPCSTR)strFile);
            ReportError(strMsg);
            bAllOk = FALSE;
        }
    }
    return bAllOk;
}

void CShowcaseApp::OnAppAbout()
{
    AfxMessageBox("WEXOctrl Showcase\n\nA small CAD-style host of the WEXOctrl user-interface "
        "controls.", MB_OK | MB_ICONINFORMATION);
}

// The framework is a DLL and a program's entry point cannot live in one: the host's WinMain
// hands over to the framework's.
extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
    int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
