// wexotest.h - the test toolkit every test program shares (linked in through wexo_testmain).
// Include this one header; it brings the whole toolkit.
//
// Messages and idle time
//   PumpTestMessages(ms)     dispatch the thread's messages for ms, as the application's loop does
//   RunTestIdle()            the application's idle processing until it needs no more
// Real input and modal loops (TestInput.h)
//   CMouseScript             steps of real mouse/keyboard input played from a timer, so they reach
//                            any modal loop (menus, drag loops, DoModal, message boxes); Run(...)
//                            returns FALSE when its watchdog had to end the loop
//   .AnswerDialog(id)        waits for the thread's dialog or message box and presses button id
//   FindThreadDialog()       the thread's dialog or message box taking input now, or NULL
//   DialogText(hDlg)         a dialog's static texts (a message box's message)
//   ReadOpenMenu()           the item texts of the popup menu open now
//   SendMouseAt, ScreenPoint one absolute mouse event; a client point on the screen
//   CRecordingWnd            a top-level or child window recording the messages it is sent, with
//                            an answer hook and a press hook that starts a test's drag loop
// Drawing without a screen (TestGdi.h)
//   CPixelCanvas             a memory DC over a 32-bit top-down DIB section; Pixel, Count, Bounds
//   CTestImages::Fill        an image list of plain-coloured images, CTestImages::Color(list, i)
//   CountGdiObjects()        the process's GDI objects, also under Wine (compare two counts)
// Application state for one test (this header)
//   CMainWindowScope         a window (given, or its own that answers WM_GET_SYS_COLOR) is the
//                            main window (AfxGetMainWnd, the application's m_pMainWnd) meanwhile
//   CTestProfileScope        the application's profile is a scratch INI file or registry key
//                            meanwhile; the application's own comes back afterwards
//   CTestTempDir             an empty folder, deleted with its content afterwards
// Automation (wexodisp.h)
//   TestDispId, TestDispGet, TestDispPut, TestDispCall, TestDispInvoke
//                            late-bound calls through IDispatch as an automation host makes them
#pragma once

#include <afxwin.h>
#include <string>
#include <vector>
#include "TestInput.h"
#include "TestGdi.h"
#include "wexodisp.h"

// Dispatches the calling thread's messages for dwMilliseconds, through the framework's
// PreTranslateMessage like the application's own loop.  Wine delivers some notifications late
// (WM_MOUSELEAVE, timers), so tests that wait for them pump for a while instead of once.
void PumpTestMessages(DWORD dwMilliseconds);

// Runs the application's idle processing (CWinApp::OnIdle with growing counts) until it reports
// that it needs no more, as the message loop does when the queue is empty.
void RunTestIdle();

// A fresh, empty folder below the temporary folder; it is deleted with everything in it when the
// object goes out of scope.
class CTestTempDir
{
public:
    CTestTempDir();
    ~CTestTempDir();

    bool IsValid() const { return !m_strPath.empty(); }
    // the folder, without a trailing backslash
    const char* GetPath() const { return m_strPath.c_str(); }
    // GetPath() + "\" + lpszName
    std::string GetFilePath(const char* lpszName) const;
    // creates lpszName (relative to the folder) holding nSize bytes of pData; true on success
    bool WriteFile(const char* lpszName, const void* pData, DWORD nSize) const;

private:
    CTestTempDir(const CTestTempDir&) = delete;
    CTestTempDir& operator=(const CTestTempDir&) = delete;

    std::string m_strPath;
};

// Deletes a folder and everything below it; true when it is gone afterwards.
bool DeleteTestTree(const char* lpszPath);

// Makes a window the main window of the application (AfxGetMainWnd, m_pMainWnd of the
// application and of the calling thread) for the object's lifetime and puts the previous one
// back.  Given no window, it makes its own hidden top-level window (with hMenu, when given) that
// records WM_GET_SYS_COLOR and answers it for the indices set with SetColor, as a host does.
class CMainWindowScope
{
public:
    explicit CMainWindowScope(CWnd* pWnd = NULL, HMENU hMenu = NULL);
    ~CMainWindowScope();

    CWnd* GetWnd() const { return m_pWnd; }
    HWND GetSafeHwnd() const { return m_pWnd != NULL ? m_pWnd->GetSafeHwnd() : NULL; }
    // own window only: the colour the host gives for a system colour index
    void SetColor(int nIndex, COLORREF clr);
    // own window only: the context codes (high word of wParam) of WM_GET_SYS_COLOR, in order
    std::vector<WORD> GetContexts() const;

private:
    CMainWindowScope(const CMainWindowScope&) = delete;
    CMainWindowScope& operator=(const CMainWindowScope&) = delete;

    CRecordingWnd m_wndOwn;
    CWnd* m_pWnd;
    CWnd* m_pPreviousApp;
    CWnd* m_pPreviousThread;
    std::vector<std::pair<int, COLORREF>> m_colors;
};

// Points the application's profile at a scratch INI file or a scratch registry key for one test
// and puts the application's own settings back afterwards (the scratch key is deleted).
class CTestProfileScope
{
public:
    CTestProfileScope();
    ~CTestProfileScope();

    // the INI form; returns the file's path
    std::string UseIni();
    // the registry form below HKCU\Software\<key>\<application>
    void UseRegistry();
    // the registry key of a section in the registry form
    CString GetSectionKeyPath(LPCSTR lpszSection) const;

private:
    CTestProfileScope(const CTestProfileScope&) = delete;
    CTestProfileScope& operator=(const CTestProfileScope&) = delete;

    CWinApp* m_pApp;
    LPCSTR m_pszSavedProfile;
    LPCSTR m_pszSavedKey;
    CTestTempDir m_dir;
};
