// ShowcaseApp.h - the showcase application object.
#pragma once

#include <WEXOctrl.h>
#include "HostProfile.h"

class CMainFrame;

class CShowcaseApp : public CWinApp
{
public:
    CShowcaseApp();

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // what the main window hands the library on WM_GET_PPM
    CHostProfileManager* GetProfileManager() { return &m_profile; }

protected:
    // Reads the program's arguments:
    //   --scene NAME        start in the named scene
    //   --screenshots DIR   save every scene as DIR\<scene>.png, then exit
    //   --list-scenes       print the scene names, then exit
    // FALSE (with m_nExitCode set) when they are wrong.
    BOOL ParseArguments(int argc, char** argv);
    BOOL CreateMainFrame();
    BOOL TakeScreenshots(CMainFrame* pFrame);
    // lets the frame process everything pending, then repaints it completely
    void SettleWindow(CWnd* pWnd);
    void ReportError(LPCSTR lpszText);

    BOOL m_bScreenshots;
    BOOL m_bListScenes;
    CString m_strScreenshotDir;
    CString m_strScene;
    int m_nExitCode;        // what the program returns when it does not run its message loop
    CShowcaseProfile m_profile;
    CString m_strProfilePath;   // empty until the profile was loaded

    afx_msg void OnAppAbout();
    DECLARE_MESSAGE_MAP()
};
