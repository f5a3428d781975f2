// test_frame_services.cpp - what the library asks of its host: system colours, the message box
// owner; and the resource scope every resource load of the library goes through.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include <string>
#include "wexotest.h"
#include "frame_test.h"

namespace
{
const int s_colorIndexes[] = { COLOR_BTNFACE, COLOR_WINDOW, COLOR_HIGHLIGHT, COLOR_3DSHADOW, COLOR_GRAYTEXT };

// A window that answers WM_GET_SYS_COLOR the way a host's main window may, and records how it
// was asked.
class CColorHostWnd : public CWnd
{
public:
    CColorHostWnd() : m_lAnswer(1), m_clrAnswer(RGB(12, 34, 56)), m_nCalls(0), m_wParamLast(0),
        m_bColorZeroOnEntry(FALSE) {}

    BOOL Create()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "colour host", WS_POPUP, 0, 0, 50, 50, NULL, 0);
    }

    LRESULT m_lAnswer;          // what the handler returns
    COLORREF m_clrAnswer;       // what it stores
    int m_nCalls;
    WPARAM m_wParamLast;
    BOOL m_bColorZeroOnEntry;

protected:
    afx_msg LRESULT OnGetSysColor(WPARAM wParam, LPARAM lParam)
    {
        m_nCalls++;
        m_wParamLast = wParam;
        COLORREF* pColor = (COLORREF*)lParam;
        m_bColorZeroOnEntry = pColor != NULL && *pColor == 0;
        if (pColor != NULL)
            *pColor = m_clrAnswer;
        return m_lAnswer;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorHostWnd, CWnd)
    ON_REGISTERED_MESSAGE(WM_GET_SYS_COLOR, OnGetSysColor)
END_MESSAGE_MAP()

// Makes pWnd the application's main window for the length of a test.
class CMainWndScope
{
public:
    explicit CMainWndScope(CWnd* pWnd) : m_pSaved(AfxGetApp()->m_pMainWnd) { AfxGetApp()->m_pMainWnd = pWnd; }
    ~CMainWndScope() { AfxGetApp()->m_pMainWnd = m_pSaved; }
private:
    CWnd* m_pSaved;
};
}

// Whoever cannot answer leaves the Windows colours: no window, a window object without a
// handle, a window that answers 0; asked directly or as the host's main window.
TEST(FrameSysColors, WithoutAnAnswerTheWindowsColours)
{
    CWnd wndNoHandle;
    CRecordingWnd wndSilent;        // answers nothing: every message gets the default 0
    ASSERT_TRUE(wndSilent.CreateTopLevel(CRect(0, 0, 50, 50), "silent host", WS_POPUP));
    for (CWnd* pWnd : { (CWnd*)NULL, &wndNoHandle, (CWnd*)&wndSilent })
    {
        CMainWndScope mainWnd(pWnd);
        for (int nIndex : s_colorIndexes)
        {
            EXPECT_EQ(::GetSysColor(nIndex), GetAppSysColor(pWnd, nIndex, UIL_COLORCONTEXT_TOOLBAR)) << nIndex;
            EXPECT_EQ(::GetSysColor(nIndex), GetMainWndSysColor(nIndex, UIL_COLORCONTEXT_DOCKBAR)) << nIndex;
            EXPECT_EQ(::GetSysColor(nIndex), GetControlSysColor(nIndex)) << nIndex;
        }
    }
}

TEST(FrameSysColors, AnsweringWindowIsObeyedAndToldWhoAsks)
{
    CColorHostWnd wnd;
    ASSERT_TRUE(wnd.Create());

    EXPECT_EQ(RGB(12, 34, 56), GetAppSysColor(&wnd, COLOR_BTNFACE, UIL_COLORCONTEXT_DOCKBAR));
    EXPECT_EQ(1, wnd.m_nCalls);
    EXPECT_EQ((WPARAM)(COLOR_BTNFACE | (8 << 16)), wnd.m_wParamLast);
    EXPECT_TRUE(wnd.m_bColorZeroOnEntry);

    // the index keeps its low 16 bits only: the context owns the rest
    GetAppSysColor(&wnd, 0x10005, UIL_COLORCONTEXT_TOOLBAR);
    EXPECT_EQ((WPARAM)0x60005, wnd.m_wParamLast);

    // black is a colour: a non-zero answer counts, not the value stored
    wnd.m_clrAnswer = RGB(0, 0, 0);
    EXPECT_EQ(RGB(0, 0, 0), GetAppSysColor(&wnd, COLOR_WINDOW, UIL_COLORCONTEXT_CONTROL));

    // a colour stored without a non-zero answer is not taken
    wnd.m_clrAnswer = RGB(1, 2, 3);
    wnd.m_lAnswer = 0;
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), GetAppSysColor(&wnd, COLOR_WINDOW, UIL_COLORCONTEXT_CONTROL));
    wnd.DestroyWindow();
}

TEST(FrameSysColors, MainWindowColoursComeFromTheHostsMainWindow)
{
    CColorHostWnd wndHost;
    ASSERT_TRUE(wndHost.Create());
    {
        CMainWndScope mainWnd(&wndHost);
        EXPECT_EQ(RGB(12, 34, 56), GetMainWndSysColor(COLOR_3DSHADOW, UIL_COLORCONTEXT_TOOLBAR));
        EXPECT_EQ((WPARAM)(COLOR_3DSHADOW | (6 << 16)), wndHost.m_wParamLast);
    }
    {
        // a host without a main window: the library's defaults, nobody asked
        CMainWndScope mainWnd(NULL);
        const int nCalls = wndHost.m_nCalls;
        EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), GetMainWndSysColor(COLOR_3DSHADOW, UIL_COLORCONTEXT_TOOLBAR));
        EXPECT_EQ(nCalls, wndHost.m_nCalls);
    }
    {
        // the controls' colours: the main window asked with the controls' context
        CMainWndScope mainWnd(&wndHost);
        EXPECT_EQ(RGB(12, 34, 56), GetControlSysColor(COLOR_BTNTEXT));
        EXPECT_EQ((WPARAM)COLOR_BTNTEXT, wndHost.m_wParamLast);
    }
    wndHost.DestroyWindow();
}

TEST(FrameResourceScope, LibraryWithoutLanguageExtensionUsesItsOwnResources)
{
    // no LangExt.dll lies beside the test programs
    ASSERT_NE(nullptr, ::GetModuleHandleA("WEXOctrl.dll"));
    EXPECT_EQ(::GetModuleHandleA("WEXOctrl.dll"), g_hUILResource);
}

TEST(FrameResourceScope, SwitchesToTheLibraryAndRestores)
{
    const HINSTANCE hBefore = AfxGetResourceHandle();
    ASSERT_NE(g_hUILResource, hBefore);
    {
        CUILResourceScope scope;
        EXPECT_EQ(g_hUILResource, AfxGetResourceHandle());
        EXPECT_EQ(hBefore, scope.GetPreviousHandle());
    }
    EXPECT_EQ(hBefore, AfxGetResourceHandle());
}

TEST(FrameResourceScope, NestedScopesRestoreWhatEachFound)
{
    const HINSTANCE hBefore = AfxGetResourceHandle();
    const HINSTANCE hOther = ::GetModuleHandleA("WEXOfx.dll");
    ASSERT_NE(nullptr, hOther);
    {
        CUILResourceScope outer;
        // code inside a scope may switch on its own; the next scope puts that back too
        AfxSetResourceHandle(hOther);
        {
            CUILResourceScope inner;
            EXPECT_EQ(g_hUILResource, AfxGetResourceHandle());
            {
                CUILResourceScope innermost;
                EXPECT_EQ(g_hUILResource, AfxGetResourceHandle());
            }
            EXPECT_EQ(g_hUILResource, AfxGetResourceHandle());
        }
        EXPECT_EQ(hOther, AfxGetResourceHandle());
    }
    EXPECT_EQ(hBefore, AfxGetResourceHandle());
}

namespace
{
// Shows the library's message box and answers it with nButton, noting who owns it and whether
// hWndWatched still took input while it was open.
int AnswerAppMessageBox(LPCSTR lpszText, UINT nType, UINT nButton, HWND hWndWatched, HWND* phWndOwner,
    BOOL* pbWatchedEnabled)
{
    *phWndOwner = (HWND)-1;
    int nResult = 0;
    CMouseScript script;
    script.WaitForDialog()
        .Call([&] {
            *phWndOwner = ::GetWindow(FindThreadDialog(), GW_OWNER);
            *pbWatchedEnabled = ::IsWindowEnabled(hWndWatched);
        })
        .AnswerDialog(nButton);
    EXPECT_TRUE(script.Run([&] { nResult = AppMessageBox(lpszText, "frame test", nType); }));
    return nResult;
}
}

TEST(FrameAppMessageBox, OwnedByTheHostsMainWindowOrTaskModal)
{
    CRecordingWnd wndMain, wndOther;
    ASSERT_TRUE(wndMain.CreateTopLevel(CRect(0, 0, 50, 50), "main", WS_POPUP));
    ASSERT_TRUE(wndOther.CreateTopLevel(CRect(60, 0, 110, 50), "other", WS_POPUP));
    wndMain.ShowWindow(SW_SHOWNA);
    wndOther.ShowWindow(SW_SHOWNA);
    HWND hWndOwner = NULL;
    BOOL bEnabled = TRUE;
    {
        // (the framework ends the thread's loop when its main window is destroyed: the scope
        // ends first)
        CMainWndScope mainWnd(&wndMain);
        EXPECT_EQ(IDNO, AnswerAppMessageBox("Keep the drawing?", MB_YESNO | MB_ICONQUESTION, IDNO,
                            wndMain.m_hWnd, &hWndOwner, &bEnabled));
        EXPECT_EQ(wndMain.m_hWnd, hWndOwner);
        EXPECT_FALSE(bEnabled);
    }
    EXPECT_TRUE(wndMain.IsWindowEnabled());
    {
        // without a main window: task-modal keeps the thread's other windows from input
        CMainWndScope mainWnd(NULL);
        bEnabled = TRUE;
        EXPECT_EQ(IDRETRY, AnswerAppMessageBox("The file is locked.", MB_RETRYCANCEL, IDRETRY, wndOther.m_hWnd,
                               &hWndOwner, &bEnabled));
        EXPECT_EQ(nullptr, hWndOwner);
        EXPECT_FALSE(bEnabled);
    }
    EXPECT_TRUE(wndOther.IsWindowEnabled());
}

TEST(FrameStringArrayName, EveryDigitOfTheAddressInUpperCase)
{
    // the whole pointer, however wide: no 32-bit cut, no padding, upper-case digits
    EXPECT_STREQ("pStringArray:123456789ABCDEF0",
        MakeStringArrayName((const CStringArray*)(ULONG_PTR)0x123456789ABCDEF0ull));
    EXPECT_STREQ("pStringArray:FFFFFFFF00000001",
        MakeStringArrayName((const CStringArray*)(ULONG_PTR)0xFFFFFFFF00000001ull));
    EXPECT_STREQ("pStringArray:A0", MakeStringArrayName((const CStringArray*)(ULONG_PTR)0xA0));
    EXPECT_STREQ("pStringArray:0", MakeStringArrayName(NULL));
}
