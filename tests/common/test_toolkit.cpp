// test_toolkit.cpp - the test toolkit's own checks: the parts whose failure would make other
// tests pass wrongly or hang (the watchdog, dialog answers, pixel rows, GDI counts, scopes).
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include "wexotest.h"

namespace
{
const UINT nMenuFirst = 101;
}

TEST(ScriptedInput, AnswersTheThreadsMessageBoxWithTheButtonAsked)
{
    CMouseScript script;
    script.AnswerDialog(IDNO);
    int nResult = 0;
    EXPECT_TRUE(script.Run([&] { nResult = ::MessageBoxA(NULL, "Keep the drawing?", "Test", MB_YESNOCANCEL); }));
    EXPECT_EQ(IDNO, nResult);
    EXPECT_EQ(CString("Keep the drawing?"), script.m_strDialogText);
    EXPECT_EQ(NULL, FindThreadDialog());
}

// Each loop below waits for input that never comes; the watchdog must end it and report it.
TEST(ScriptedInput, WatchdogEndsEveryKindOfModalLoopWithAFailure)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel(CRect(100, 100, 300, 260)));
    const struct
    {
        const char* lpszLoop;
        std::function<void()> fnLoop;
    } loops[] = {
        { "message box", [] { ::MessageBoxA(NULL, "Nobody answers", "Test", MB_OK); } },
        { "popup menu", [&] {
             CMenu menu;
             menu.CreatePopupMenu();
             menu.AppendMenu(MF_STRING, nMenuFirst, "Only");
             ::TrackPopupMenu(menu.m_hMenu, TPM_RETURNCMD, 150, 150, 0, wnd.m_hWnd, NULL);
         } },
        { "capture loop", [&] {
             wnd.SetCapture();
             while (::GetCapture() == wnd.m_hWnd)
                 PumpTestMessages(10);
         } },
    };
    for (const auto& loop : loops)
    {
        CMouseScript script;
        script.WaitFor([] { return false; });
        const DWORD dwStart = ::GetTickCount();
        EXPECT_FALSE(script.Run(loop.fnLoop, 300)) << loop.lpszLoop;
        EXPECT_TRUE(script.m_bWatchdogFired) << loop.lpszLoop;
        EXPECT_LT(::GetTickCount() - dwStart, 2500u) << loop.lpszLoop;
    }
}

TEST(ScriptedInput, PicksAPopupMenuEntryAndReadsTheOpenMenu)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel(CRect(100, 100, 300, 260)));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, nMenuFirst, "First");
    menu.AppendMenu(MF_STRING | MF_GRAYED, nMenuFirst + 1, "Grey");
    menu.AppendMenu(MF_STRING, nMenuFirst + 2, "Third");
    std::vector<CString> items;
    std::vector<UINT> states;
    CMouseScript script;
    // the first arrow press selects the first entry
    script.Wait(100).Call([&] { items = ReadOpenMenu(&states); })
        .KeyPress(VK_DOWN).KeyPress(VK_DOWN).KeyPress(VK_DOWN).KeyPress(VK_RETURN);
    UINT nPicked = 0;
    EXPECT_TRUE(script.Run([&] {
        nPicked = ::TrackPopupMenu(menu.m_hMenu, TPM_RETURNCMD, 150, 150, 0, wnd.m_hWnd, NULL);
    }));
    EXPECT_EQ(nMenuFirst + 2, nPicked);
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ(CString("Grey"), items[1]);
    EXPECT_TRUE(states[1] & MF_GRAYED);
}

TEST(ScriptedInput, RecordingWindowKeepsWatchedMessagesOrAll)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel(CRect(100, 100, 300, 260)));
    wnd.Watch(WM_USER + 1);
    wnd.SendMessage(WM_USER + 2, 7, 0);
    wnd.SendMessage(WM_USER + 1, 5, 0);
    EXPECT_EQ(0, wnd.Count(WM_USER + 2));
    ASSERT_EQ(1, wnd.Count(WM_USER + 1, 5));
    wnd.WatchAll();
    wnd.SendMessage(WM_USER + 2, 7, 0);
    EXPECT_EQ(1, wnd.Count(WM_USER + 2, 7));
}

// A 3 x 2 block at (2, 1): the canvas must read it back where it was drawn, not mirrored.
TEST(PixelCanvas, ReadsBackWhatWasDrawnRowZeroAtTheTop)
{
    CPixelCanvas canvas(8, 6, RGB(255, 255, 255));
    canvas.DC().FillSolidRect(2, 1, 3, 2, RGB(10, 20, 30));
    EXPECT_EQ(RGB(10, 20, 30), canvas.Pixel(2, 1));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(2, 4));
    EXPECT_EQ(CRect(2, 1, 5, 3), canvas.Bounds(RGB(10, 20, 30)));
    EXPECT_EQ(6, canvas.Count(RGB(10, 20, 30)));
    EXPECT_EQ(6, canvas.CountOther(RGB(10, 20, 30), CRect(0, 0, 4, 2)));
    EXPECT_EQ(CLR_INVALID, canvas.Pixel(8, 0));
}

TEST(TestImages, EachImageIsItsColourInsideATransparentBorder)
{
    CImageList list;
    ASSERT_TRUE(CTestImages::Fill(list, 3, 16, 15, 2));
    EXPECT_EQ(3, list.GetImageCount());
    CPixelCanvas canvas(20, 20, RGB(0, 0, 0));
    list.Draw(&canvas.DC(), 1, CPoint(2, 2), ILD_TRANSPARENT);
    EXPECT_EQ(CRect(3, 3, 17, 16), canvas.Bounds(CTestImages::Color(2, 1)));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(2, 2));
    EXPECT_NE(CTestImages::Color(2, 0), CTestImages::Color(2, 1));
}

TEST(GdiCount, SeesObjectsMadeAndFreed)
{
    const long nBefore = CountGdiObjects();
    ASSERT_GT(nBefore, 0);
    HBRUSH brushes[5];
    for (HBRUSH& hBrush : brushes)
        hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(nBefore + 5, CountGdiObjects());
    for (HBRUSH hBrush : brushes)
        ::DeleteObject(hBrush);
    EXPECT_EQ(nBefore, CountGdiObjects());
}

TEST(ApplicationScopes, MainWindowAndProfileComeBackAfterTheScope)
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pMainBefore = AfxGetMainWnd();
    const LPCSTR pszProfileBefore = pApp->m_pszProfileName;
    {
        CMainWindowScope host;
        host.SetColor(COLOR_BTNFACE, RGB(1, 2, 3));
        EXPECT_EQ(host.GetWnd(), AfxGetMainWnd());
        EXPECT_EQ(RGB(1, 2, 3), GetMainWndSysColor(COLOR_BTNFACE, UIL_COLORCONTEXT_CONTROL));

        CTestProfileScope profile;
        const std::string strIni = profile.UseIni();
        EXPECT_TRUE(pApp->WriteProfileString("S", "k", "v"));
        char szValue[16] = "";
        ::GetPrivateProfileStringA("S", "k", "", szValue, sizeof(szValue), strIni.c_str());
        EXPECT_STREQ("v", szValue);
    }
    EXPECT_EQ(pMainBefore, AfxGetMainWnd());
    EXPECT_EQ(pszProfileBefore, pApp->m_pszProfileName);
}
