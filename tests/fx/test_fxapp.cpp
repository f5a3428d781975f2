// The application side of the framework: frames and command routing, the idle update pass,
// profile storage, the resource chain and extension DLLs, run-time classes and threads.
#include <afxwin.h>
#include <afxmt.h>
#include <gtest/gtest.h>
#include "extdll/fxtest_ext.h"
#include "fxtest.h"
#include "wexotest.h"

#define IDS_FXTEST_APP_STRING 4300

namespace
{
const UINT ID_TEST_VIEWCMD = 1001;
const UINT ID_TEST_FRAMECMD = 1002;
const UINT ID_TEST_BOTHCMD = 1003;
const UINT ID_TEST_NOBODY = 1004;

class CTestView : public CWnd
{
public:
    int m_nViewCmds = 0;
protected:
    afx_msg void OnViewCmd() { ++m_nViewCmds; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestView, CWnd)
    ON_COMMAND(ID_TEST_VIEWCMD, &CTestView::OnViewCmd)
    ON_COMMAND(ID_TEST_BOTHCMD, &CTestView::OnViewCmd)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
public:
    int m_nFrameCmds = 0;
    int* m_pDestroyed = nullptr;
    virtual ~CTestFrame()
    {
        if (m_pDestroyed != nullptr)
            ++*m_pDestroyed;
    }
protected:
    afx_msg void OnFrameCmd() { ++m_nFrameCmds; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_FRAMECMD, &CTestFrame::OnFrameCmd)
    ON_COMMAND(ID_TEST_BOTHCMD, &CTestFrame::OnFrameCmd)
END_MESSAGE_MAP()

// A bar-like child that takes part in the idle update pass as control bars do.
class CIdleChild : public CWnd
{
public:
    int m_nIdleUpdates = 0;
    BOOL m_bFrameCmdEnabled = -1;
protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
    {
        ++m_nIdleUpdates;
        // what a toolbar does for each button
        struct CProbe : public CCmdUI
        {
            BOOL m_bOn = -1;
            virtual void Enable(BOOL bOn) { m_bOn = bOn; m_bEnableChanged = TRUE; }
        } probe;
        probe.m_nID = ID_TEST_FRAMECMD;
        probe.DoUpdate(GetParentFrame(), TRUE);
        m_bFrameCmdEnabled = probe.m_bOn;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CIdleChild, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CIdleChild::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CTestFrame* CreateTestFrame(int* pDestroyed = nullptr)
{
    CTestFrame* pFrame = new CTestFrame;
    pFrame->m_pDestroyed = pDestroyed;
    if (!pFrame->Create(NULL, "Test frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)))
        return nullptr;          // a failed Create deleted the frame
    return pFrame;
}
} // namespace

TEST(Frames, CommandsGoToTheActiveViewThenTheFrame)
{
    int nDestroyed = 0;
    CTestFrame* pFrame = CreateTestFrame(&nDestroyed);
    ASSERT_TRUE(pFrame != nullptr);
    CTestView view;
    ASSERT_TRUE(view.Create(NULL, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, AFX_IDW_PANE_FIRST));
    pFrame->SetActiveView(&view);

    pFrame->SendMessage(WM_COMMAND, ID_TEST_VIEWCMD);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_FRAMECMD);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_BOTHCMD);     // the view is asked first and keeps it
    EXPECT_EQ(2, view.m_nViewCmds);
    EXPECT_EQ(1, pFrame->m_nFrameCmds);

    // the frame lays the view out over its client area
    pFrame->RecalcLayout();
    CRect rcClient, rcView;
    pFrame->GetClientRect(&rcClient);
    view.GetWindowRect(&rcView);
    pFrame->ScreenToClient(&rcView);
    EXPECT_EQ(rcClient, rcView);

    pFrame->SetActiveView(NULL);
    pFrame->DestroyWindow();                          // frames delete themselves
    EXPECT_EQ(1, nDestroyed);
}

TEST(Frames, MenuPopupsAreUpdatedAndUnhandledCommandsDisabled)
{
    CTestFrame* pFrame = CreateTestFrame();
    ASSERT_TRUE(pFrame != nullptr);
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenuA(hPopup, MF_STRING, ID_TEST_FRAMECMD, "Frame");
    ::AppendMenuA(hPopup, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(hPopup, MF_STRING, ID_TEST_NOBODY, "Nobody");
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, MAKELPARAM(0, FALSE));
    EXPECT_FALSE(::GetMenuState(hPopup, ID_TEST_FRAMECMD, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(hPopup, ID_TEST_NOBODY, MF_BYCOMMAND) & MF_GRAYED);

    pFrame->m_bAutoMenuEnable = FALSE;
    ::EnableMenuItem(hPopup, ID_TEST_NOBODY, MF_BYCOMMAND | MF_ENABLED);
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, MAKELPARAM(0, FALSE));
    EXPECT_FALSE(::GetMenuState(hPopup, ID_TEST_NOBODY, MF_BYCOMMAND) & MF_GRAYED);
    ::DestroyMenu(hPopup);
    pFrame->DestroyWindow();
}

TEST(Frames, TheIdlePassReachesPermanentDescendantsOfTheVisibleMainWindow)
{
    CTestFrame* pFrame = CreateTestFrame();
    ASSERT_TRUE(pFrame != nullptr);
    CIdleChild child;
    ASSERT_TRUE(child.Create(NULL, "bar", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, 77));
    CWinApp* pApp = AfxGetApp();
    ASSERT_TRUE(pApp != nullptr);
    pApp->m_pMainWnd = pFrame;
    EXPECT_EQ(pFrame, AfxGetMainWnd());

    RunTestIdle();
    EXPECT_EQ(0, child.m_nIdleUpdates);        // an invisible main window gets no update pass

    pFrame->ShowWindow(SW_SHOWNA);
    RunTestIdle();
    EXPECT_GE(child.m_nIdleUpdates, 1);
    EXPECT_EQ(TRUE, child.m_bFrameCmdEnabled);  // the frame handles it

    pApp->m_pMainWnd = NULL;
    pFrame->DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Profile storage

namespace
{
// Points the application's profile at a scratch INI file or registry key for one test and puts
// the application's own settings back afterwards.
class ProfileTest : public ::testing::Test
{
protected:
    CWinApp* m_pApp = nullptr;
    LPCSTR m_pszSavedProfile = nullptr;
    LPCSTR m_pszSavedKey = nullptr;
    CTestTempDir m_dir;

    void SetUp() override
    {
        m_pApp = AfxGetApp();
        ASSERT_TRUE(m_pApp != nullptr);
        m_pszSavedProfile = m_pApp->m_pszProfileName;
        m_pszSavedKey = m_pApp->m_pszRegistryKey;
        m_pApp->m_pszProfileName = nullptr;
        m_pApp->m_pszRegistryKey = nullptr;
    }
    void TearDown() override
    {
        if (m_pApp->m_pszRegistryKey != nullptr)
        {
            HKEY hSoft;
            if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoft) == ERROR_SUCCESS)
            {
                ::RegDeleteTreeA(hSoft, m_pApp->m_pszRegistryKey);
                ::RegDeleteKeyA(hSoft, m_pApp->m_pszRegistryKey);
                ::RegCloseKey(hSoft);
            }
        }
        free((void*)m_pApp->m_pszProfileName);
        free((void*)m_pApp->m_pszRegistryKey);
        m_pApp->m_pszProfileName = m_pszSavedProfile;
        m_pApp->m_pszRegistryKey = m_pszSavedKey;
    }
    void UseIni()
    {
        m_pApp->m_pszProfileName = _strdup(m_dir.GetFilePath("profile.ini").c_str());
    }
    void UseRegistry()
    {
        m_pApp->m_pszProfileName = _strdup("placeholder");
        m_pApp->SetRegistryKey("WEXOfx Profile Test");
    }
    void ExpectRoundTripsAndRemoval()
    {
        CWinApp* pApp = m_pApp;
        EXPECT_TRUE(pApp->WriteProfileString("Sec", "Name", "value with spaces"));
        EXPECT_TRUE(pApp->WriteProfileInt("Sec", "Count", -42));
        EXPECT_TRUE(pApp->WriteProfileString("Other", "Keep", "kept"));
        EXPECT_STREQ("value with spaces", pApp->GetProfileString("Sec", "Name"));
        EXPECT_EQ(-42, (int)pApp->GetProfileInt("Sec", "Count", 5));
        EXPECT_STREQ("dflt", pApp->GetProfileString("Sec", "Missing", "dflt"));
        EXPECT_EQ(5, (int)pApp->GetProfileInt("Sec", "Missing", 5));

        CString strLong('x', 5000);
        EXPECT_TRUE(pApp->WriteProfileString("Sec", "Long", strLong));
        EXPECT_EQ(5000, pApp->GetProfileString("Sec", "Long").GetLength());

        BYTE data[] = { 0x00, 0x7F, 0x80, 0xFF, 0x12 };
        EXPECT_TRUE(pApp->WriteProfileBinary("Sec", "Bin", data, sizeof(data)));
        LPBYTE pRead = nullptr;
        UINT nRead = 0;
        ASSERT_TRUE(pApp->GetProfileBinary("Sec", "Bin", &pRead, &nRead));
        ASSERT_EQ(sizeof(data), (size_t)nRead);
        EXPECT_EQ(0, memcmp(data, pRead, nRead));
        delete[] pRead;

        // a NULL value removes the key, a NULL key the whole section
        EXPECT_TRUE(pApp->WriteProfileString("Sec", "Name", NULL));
        EXPECT_STREQ("gone", pApp->GetProfileString("Sec", "Name", "gone"));
        EXPECT_EQ(-42, (int)pApp->GetProfileInt("Sec", "Count", 5));
        EXPECT_TRUE(pApp->WriteProfileString("Sec", NULL, NULL));
        EXPECT_EQ(5, (int)pApp->GetProfileInt("Sec", "Count", 5));
        EXPECT_STREQ("kept", pApp->GetProfileString("Other", "Keep"));
    }
};
} // namespace

TEST_F(ProfileTest, IniFileRoundTripAndRemoval)
{
    ASSERT_TRUE(m_dir.IsValid());
    UseIni();
    ExpectRoundTripsAndRemoval();
    // it really is that file
    char szValue[32];
    ::GetPrivateProfileStringA("Other", "Keep", "", szValue, sizeof(szValue), m_dir.GetFilePath("profile.ini").c_str());
    EXPECT_STREQ("kept", szValue);
}

TEST_F(ProfileTest, RegistryRoundTripAndRemoval)
{
    UseRegistry();
    ExpectRoundTripsAndRemoval();
    // the values live below HKCU\Software\<key>\<application>\<section>
    CString strPath;
    strPath.Format("Software\\WEXOfx Profile Test\\%s\\Other", m_pApp->m_pszAppName);
    char szValue[32] = "";
    DWORD cb = sizeof(szValue);
    EXPECT_EQ(ERROR_SUCCESS, ::RegGetValueA(HKEY_CURRENT_USER, strPath, "Keep", RRF_RT_REG_SZ, NULL, szValue, &cb));
    EXPECT_STREQ("kept", szValue);
    // the removed section holds nothing any more (reading a section opens its key again, as the
    // framework always did, so the key itself may be back, empty)
    HKEY hKey;
    strPath.Format("Software\\WEXOfx Profile Test\\%s\\Sec", m_pApp->m_pszAppName);
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, strPath, 0, KEY_READ, &hKey) == ERROR_SUCCESS)
    {
        DWORD nSubKeys = 99, nValues = 99;
        EXPECT_EQ(ERROR_SUCCESS, ::RegQueryInfoKeyA(hKey, NULL, NULL, NULL, &nSubKeys, NULL, NULL, &nValues,
            NULL, NULL, NULL, NULL));
        EXPECT_EQ(0u, nValues);
        EXPECT_EQ(0u, nSubKeys);
        ::RegCloseKey(hKey);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Resource chain and extension DLLs

TEST(ResourceChain, StringsAreFoundInExtensionDllsAndTheCurrentModuleWins)
{
    CString str;
    EXPECT_FALSE(str.LoadString(IDS_FXTEST_EXT_STRING));
    EXPECT_EQ(NULL, CRuntimeClass::FromName("CFxTestExtObject"));

    HINSTANCE hResourceBefore = AfxGetResourceHandle();
    HMODULE hExt = LoadTestExtension();
    ASSERT_TRUE(hExt != NULL);

    EXPECT_TRUE(str.LoadString(IDS_FXTEST_EXT_STRING));
    EXPECT_STREQ(FXTEST_EXT_STRING_TEXT, str);
    EXPECT_EQ(hExt, AfxFindStringResourceHandle(IDS_FXTEST_EXT_STRING));
    EXPECT_EQ(hResourceBefore, AfxGetResourceHandle());        // searching changes nothing

    // the application's module comes before the libraries
    EXPECT_TRUE(str.LoadString(IDS_FXTEST_EXT_SHADOWED));
    EXPECT_STREQ("application's copy", str);
    // ... unless the library is made the current resource module
    AfxSetResourceHandle(hExt);
    EXPECT_TRUE(str.LoadString(IDS_FXTEST_EXT_SHADOWED));
    EXPECT_STREQ("extension's copy", str);
    EXPECT_TRUE(str.LoadString(IDS_FXTEST_APP_STRING));      // the chain still reaches the application
    EXPECT_STREQ("application string", str);
    AfxSetResourceHandle(hResourceBefore);

    // the DLL's serialisable class is known by name while the DLL is in the chain
    CRuntimeClass* pClass = CRuntimeClass::FromName("CFxTestExtObject");
    ASSERT_TRUE(pClass != NULL);
    CObject* pObject = pClass->CreateObject();
    ASSERT_TRUE(pObject != NULL);
    typedef int (*PFNVALUE)(CObject*);
    PFNVALUE pfnValue = (PFNVALUE)::GetProcAddress(hExt, "FxTestExtValue");
    ASSERT_TRUE(pfnValue != NULL);
    EXPECT_EQ(7, pfnValue(pObject));
    delete pObject;
    // the framework's own serialisable classes stay known as well
    EXPECT_TRUE(CRuntimeClass::FromName("CStringArray") != NULL);

    ASSERT_TRUE(::FreeLibrary(hExt));
    EXPECT_FALSE(str.LoadString(IDS_FXTEST_EXT_STRING));
    EXPECT_EQ(NULL, CRuntimeClass::FromName("CFxTestExtObject"));
    EXPECT_EQ(hResourceBefore, AfxGetResourceHandle());
}

TEST(RuntimeClasses, KindOfDynamicCreationAndNames)
{
    CObject* pFrame = RUNTIME_CLASS(CFrameWnd)->CreateObject();
    ASSERT_TRUE(pFrame != NULL);
    EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(pFrame->IsKindOf(RUNTIME_CLASS(CWinApp)));
    EXPECT_STREQ("CFrameWnd", pFrame->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(pFrame, DYNAMIC_DOWNCAST(CWnd, pFrame));
    EXPECT_EQ(NULL, DYNAMIC_DOWNCAST(CWinThread, pFrame));
    delete pFrame;
    // an abstract or merely dynamic class cannot be created
    EXPECT_EQ(NULL, RUNTIME_CLASS(CCmdTarget)->CreateObject());
}

/////////////////////////////////////////////////////////////////////////////
// Threads

namespace
{
UINT AFX_CDECL WorkerProc(LPVOID pParam)
{
    CEvent* pEvent = (CEvent*)pParam;
    // a worker thread has no main window of its own
    return (AfxGetMainWnd() == NULL && AfxGetThread() != NULL && pEvent->SetEvent()) ? 11 : 12;
}
} // namespace

TEST(Threads, AfxBeginThreadRunsTheProcedureWithItsOwnThreadState)
{
    CEvent done(FALSE, TRUE);
    CWinThread* pThread = AfxBeginThread(&WorkerProc, &done, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_TRUE(pThread != NULL);
    pThread->m_bAutoDelete = FALSE;
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, ::WaitForSingleObject(done, 100));    // suspended: not started yet
    pThread->ResumeThread();
    EXPECT_EQ((DWORD)WAIT_OBJECT_0, ::WaitForSingleObject(done, 5000));
    EXPECT_EQ((DWORD)WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 5000));
    DWORD dwExit = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(11u, dwExit);
    delete pThread;
}
