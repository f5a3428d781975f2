// test_dockbars.cpp - a host frame of the library: its dock bars, rows shared by dock windows
// with splitters, floating frames that roll up (one or all), dragging by the band with the real
// mouse, the palettes manager's lists, and what bad input gives.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include "wexotest.h"
#include <memory>
#include <string>

namespace
{
// A host frame: answers the palettes manager when asked to, nothing else.
class CTestHost : public CUILMainFrame
{
public:
    CToolPalettes m_palettes;
    BOOL m_bAnswerManager = FALSE;

protected:
    afx_msg LRESULT OnGetPalettesManager(WPARAM wParam, LPARAM)
    {
        if (!m_bAnswerManager || wParam == 0)
            return 0;
        *(CToolPalettes**)wParam = &m_palettes;
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestHost, CUILMainFrame)
    ON_REGISTERED_MESSAGE(WM_GET_PALETTES_MANAGER, OnGetPalettesManager)
END_MESSAGE_MAP()

class Docking : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = new CTestHost;     // a frame deletes itself with its window
        ASSERT_TRUE(m_pHost->Create(NULL, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 700, 560)));
        m_pMainScope.reset(new CMainWindowScope(m_pHost));
    }
    void TearDown() override
    {
        m_pMainScope.reset();
        for (CDockWnd* p : m_windows)
            if (p->GetSafeHwnd() != NULL)
                p->DestroyWindow();
        if (m_pHost->GetSafeHwnd() != NULL)
            m_pHost->DestroyWindow();
        for (CDockWnd* p : m_windows)
            delete p;
        PumpTestMessages(10);
    }
    CDockWnd* MakeDockWnd(const char* pszTitle, CSize size)
    {
        CDockWnd* p = new CDockWnd;
        m_windows.push_back(p);
        EXPECT_TRUE(p->Create(m_pHost, pszTitle, WS_VISIBLE, 1000 + (UINT)m_windows.size()));
        p->SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        p->EnableDocking(CBRS_ALIGN_ANY);
        return p;
    }
    // Layers on the left, Objects in the same row below it
    void DockTwoInLeftRow(CDockWnd*& pFirst, CDockWnd*& pSecond)
    {
        m_pHost->EnableDocking(CBRS_ALIGN_ANY);
        pFirst = MakeDockWnd("Layers", CSize(150, 200));
        pSecond = MakeDockWnd("Objects", CSize(150, 200));
        m_pHost->DockControlBar(pFirst, AFX_IDW_DOCKBAR_LEFT);
        CRect rect;
        pFirst->GetWindowRect(&rect);
        rect.OffsetRect(0, rect.Height());
        m_pHost->DockControlBar(pSecond, AFX_IDW_DOCKBAR_LEFT, &rect);
        m_pHost->RecalcLayout();
    }
    CUILDockBar* DockBar(UINT nID)
    {
        CControlBar* p = m_pHost->GetControlBar(nID);
        return p != NULL && p->IsKindOf(RUNTIME_CLASS(CUILDockBar)) ? (CUILDockBar*)p : NULL;
    }
    static CRect ScreenRect(CWnd* p)
    {
        CRect rect;
        p->GetWindowRect(&rect);
        return rect;
    }

    CTestHost* m_pHost = NULL;
    std::unique_ptr<CMainWindowScope> m_pMainScope;
    std::vector<CDockWnd*> m_windows;
};
}

TEST_F(Docking, EnableDockingMakesTheLibrarysDockBarsOncePerSide)
{
    struct { DWORD dwStyle; bool bTop, bBottom, bLeft, bRight; } cases[] =
    {
        { 0, false, false, false, false },
        { CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT, true, false, true, false },
        { CBRS_ALIGN_ANY, true, true, true, true },     // the two made before are kept
    };
    CUILDockBar* pTopBefore = NULL;
    for (const auto& c : cases)
    {
        m_pHost->EnableDocking(c.dwStyle);
        EXPECT_EQ(c.bTop, DockBar(59419) != NULL) << c.dwStyle;
        EXPECT_EQ(c.bLeft, DockBar(59420) != NULL) << c.dwStyle;
        EXPECT_EQ(c.bRight, DockBar(59421) != NULL) << c.dwStyle;
        EXPECT_EQ(c.bBottom, DockBar(59422) != NULL) << c.dwStyle;
        if (pTopBefore != NULL)
        {
            EXPECT_EQ(pTopBefore, DockBar(59419));
        }
        pTopBefore = DockBar(59419);
    }
    EXPECT_EQ(RUNTIME_CLASS(CMiniDockFrameWnd), m_pHost->m_pFloatingFrameClass);
    const DWORD dwStyles[4] = { CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT,
        CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP };
    for (UINT i = 0; i < 4; i++)
    {
        EXPECT_EQ(dwStyles[i], DockBar(59419 + i)->GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY));
        EXPECT_TRUE(DockBar(59419 + i)->GetStyle() & WS_CLIPCHILDREN);
    }
}

TEST_F(Docking, TwoDockWindowsShareARowThroughOneBarSplitter)
{
    CDockWnd *pLayers, *pObjects;
    DockTwoInLeftRow(pLayers, pObjects);
    CUILDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    ASSERT_TRUE(pLeft != NULL);
    ASSERT_EQ(1, pLeft->m_info.GetLineCount());
    SDockLine* pLine = pLeft->m_info.GetLine(0);
    ASSERT_EQ(2, pLine->GetItemCount());
    EXPECT_EQ((DWORD)DLI_RESIZABLE, pLine->GetItem(0)->m_dwFlags);
    EXPECT_EQ((DWORD)(DLI_RESIZABLE | DLI_SPLITTERBEFORE), pLine->GetItem(1)->m_dwFlags);
    EXPECT_FLOAT_EQ(0.5f, pLine->GetItem(0)->m_fShare);     // both were 200 tall
    EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, (int)pLayers->GetDockSide());

    // one bar splitter between them and one row splitter towards the frame's inside
    ASSERT_EQ(2, pLeft->GetSpliterCount());
    CDockBarSpliter* pBarSplit = NULL;
    for (int i = 0; i < 2; i++)
        if (pLeft->GetSpliter(i)->m_dwKind & DBS_BAR)
            pBarSplit = pLeft->GetSpliter(i);
    ASSERT_TRUE(pBarSplit != NULL);
    const CRect rectLayers = ScreenRect(pLayers), rectObjects = ScreenRect(pObjects);
    const CRect rectSplit = ScreenRect(pBarSplit);
    // 5 for the splitter, less the 2 by which neighbours overlap their borders
    EXPECT_EQ(rectLayers.bottom + 3, rectObjects.top);
    EXPECT_EQ(rectObjects.top, rectSplit.bottom);
    EXPECT_EQ(4, rectSplit.Height());
    EXPECT_EQ(rectLayers.Width(), rectSplit.Width());
    // a layout that changes nothing makes and destroys no splitter
    const int nChanges = pLeft->m_nSpliterChanges;
    m_pHost->RecalcLayout();
    m_pHost->RecalcLayout();
    EXPECT_EQ(nChanges, pLeft->m_nSpliterChanges);

    // dragging it 30 pixels down moves the shared edge
    const CPoint ptSplit = rectSplit.CenterPoint();
    CMouseScript down;
    down.MoveTo(ptSplit).LeftDown().MoveTo(ptSplit + CPoint(0, 15)).MoveTo(ptSplit + CPoint(0, 30)).LeftUp();
    ASSERT_TRUE(down.Run());
    PumpTestMessages(50);
    EXPECT_NEAR(rectLayers.Height() + 30, ScreenRect(pLayers).Height(), 1);
    EXPECT_NEAR(rectObjects.Height() - 30, ScreenRect(pObjects).Height(), 1);
    EXPECT_EQ(rectLayers.top, ScreenRect(pLayers).top);
    EXPECT_EQ(rectObjects.bottom, ScreenRect(pObjects).bottom);

    // far up: Layers stops at its minimum length (26 pixels under the default, tabbed, band style)
    const CPoint ptSplit2 = ScreenRect(pLeft->GetSpliter(0)->m_dwKind & DBS_BAR ? pLeft->GetSpliter(0) : pLeft->GetSpliter(1)).CenterPoint();
    CMouseScript up;
    up.MoveTo(ptSplit2).LeftDown().MoveTo(ptSplit2 - CPoint(0, 150)).MoveTo(ptSplit2 - CPoint(0, 400)).LeftUp();
    ASSERT_TRUE(up.Run());
    PumpTestMessages(50);
    EXPECT_NEAR(26, ScreenRect(pLayers).Height(), 1);
    EXPECT_EQ(rectObjects.bottom, ScreenRect(pObjects).bottom);
}

// Three in a row: two bar splitters and a row splitter.  They stand above the bars, and a layout
// that changes nothing moves no window in the z-order (each splitter used to push the others
// down, so the order changed on every layout).
TEST_F(Docking, SplittersStayAboveTheBarsAndALayoutThatChangesNothingKeepsTheOrder)
{
    CDockWnd *pFirst, *pSecond;
    DockTwoInLeftRow(pFirst, pSecond);
    CDockWnd* pThird = MakeDockWnd("Third", CSize(150, 120));
    CRect rect = ScreenRect(pSecond);
    rect.OffsetRect(0, rect.Height());
    m_pHost->DockControlBar(pThird, AFX_IDW_DOCKBAR_LEFT, &rect);
    m_pHost->RecalcLayout();
    CUILDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    ASSERT_EQ(3, pLeft->GetSpliterCount());
    auto zOrder = [&]()
    {
        std::vector<HWND> order;
        for (HWND h = ::GetWindow(pLeft->m_hWnd, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
            order.push_back(h);
        return order;
    };
    // a child with no C++ object counts as no splitter; the class name tells what it is
    auto isSpliter = [](HWND h)
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(h);
        char szClass[64] = "";
        ::GetClassNameA(h, szClass, sizeof(szClass));
        return testing::AssertionResult(pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CDockBarSpliter)))
            << szClass << (pWnd != NULL ? " " + std::string(pWnd->GetRuntimeClass()->m_lpszClassName) : " (no object)");
    };
    m_pHost->RecalcLayout();
    const std::vector<HWND> before = zOrder();
    ASSERT_EQ(6u, before.size());
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(isSpliter(before[i])) << i;
    m_pHost->RecalcLayout();
    m_pHost->RecalcLayout();
    EXPECT_EQ(before, zOrder());

    // a bar raised over them goes back under them once a layout moves the bars
    pFirst->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(pFirst->m_hWnd, zOrder()[0]);
    m_pHost->SetWindowPos(NULL, 0, 0, 600, 520, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const std::vector<HWND> after = zOrder();
    ASSERT_EQ(6u, after.size());
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(isSpliter(after[i])) << i;
}

// Resizing the frame step by step, smaller and back, keeps a row of dock windows closed up: the
// second starts 3 pixels after the first ends (the splitter's 5 less the 2 of overlapping borders)
// and the row ends inside the dock bar.  Each step changes both lengths.
TEST_F(Docking, ResizingTheFrameInStepsKeepsARowOfDockWindowsClosedUp)
{
    CDockWnd *pFirst, *pSecond;
    DockTwoInLeftRow(pFirst, pSecond);
    CUILDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    auto inDock = [&](CWnd* p)
    {
        CRect rect = ScreenRect(p);
        pLeft->ScreenToClient(&rect);
        return rect;
    };
    const CRect rectHost = ScreenRect(m_pHost);
    const int steps[] = { -20, -20, -20, -20, -20, 30, 30, 30, 30, -7, 3 };
    int nHeight = rectHost.Height();
    for (int nStep : steps)
    {
        nHeight += nStep;
        SCOPED_TRACE(nHeight);
        m_pHost->SetWindowPos(NULL, 0, 0, rectHost.Width(), nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const CRect rectFirst = inDock(pFirst), rectSecond = inDock(pSecond);
        EXPECT_EQ(-2, rectFirst.top);
        EXPECT_EQ(rectFirst.bottom + 3, rectSecond.top);
        EXPECT_LE(rectSecond.bottom, pLeft->m_nLayoutLength);
        EXPECT_GE(rectSecond.bottom, pLeft->m_nLayoutLength - 12);
    }
}

// ShowControlBar with a delay hides or shows a docked window at the next idle pass, and the row
// is shared out again then.
TEST_F(Docking, DelayedHideAndShowOfADockedWindowHappenAtTheIdlePass)
{
    CDockWnd *pFirst, *pSecond;
    DockTwoInLeftRow(pFirst, pSecond);
    const CRect rectFirst = ScreenRect(pFirst);

    m_pHost->ShowControlBar(pSecond, FALSE, TRUE);
    EXPECT_TRUE(pSecond->IsWindowVisible()) << "not before the idle pass";
    RunTestIdle();
    EXPECT_FALSE(pSecond->IsWindowVisible());
    // alone, the first takes the whole row length L from 2 pixels before the inside
    CUILDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    CRect rectAlone = ScreenRect(pFirst);
    pLeft->ScreenToClient(&rectAlone);
    EXPECT_EQ(rectFirst.top, ScreenRect(pFirst).top);
    EXPECT_EQ(-2, rectAlone.top);
    EXPECT_EQ(pLeft->m_nLayoutLength - 2, rectAlone.bottom);
    EXPECT_EQ(1, pLeft->GetSpliterCount()) << "only the row splitter";

    m_pHost->ShowControlBar(pSecond, TRUE, TRUE);
    EXPECT_FALSE(pSecond->IsWindowVisible());
    RunTestIdle();
    EXPECT_TRUE(pSecond->IsWindowVisible());
    EXPECT_EQ(2, pLeft->GetSpliterCount());
    EXPECT_LT(ScreenRect(pFirst).bottom, ScreenRect(pSecond).top);
}

// Fixed bars follow the framework's row arithmetic.  Three toolbars of width w and height h in the
// top row of length L; the second and third are dropped at x positions in the dock bar's client
// coordinates.  Hand-worked from the rules: the first stands at -2 (two pixels before the inside);
// the next position is the previous bar's end less 2 (their borders overlap); a bar keeps a gap
// the user left before it; a bar that would end past L is pushed back to start at L - w + 2 (not
// before the next position); a bar whose start is L - 2 or later shows nothing and starts a row of
// its own at -2, whose top lies h - 2 below the first row's top of -2.
// Every position is written a + b * w.
struct SRowCase
{
    const char* pszName;
    int nL[2], nDrop2[2], nDrop3[2];
    int nLeft2[2], nLeft3[2], nRow3;
};

TEST_F(Docking, ToolbarsInARowKeepGapsArePushedBackAndWrap)
{
    const SRowCase cases[] = {
        // name                       L          drop 2      drop 3      left 2      left 3     row 3
        { "side by side",          { 40, 3 }, { -4, 1 }, { -6, 2 },  { -4, 1 }, { -6, 2 },   0 },
        { "gaps kept",             { 60, 3 }, { 50, 1 }, { 60, 2 },  { 50, 1 }, { 60, 2 },   0 },
        { "the third pushed back", { 20, 3 }, { 10, 1 }, { 30, 2 },  { 10, 1 }, { 22, 2 },   0 },
        { "the second pushed back, the third wrapped",
                                   { 20, 2 }, { 40, 1 }, { 30, 2 },  { 22, 1 }, { -2, 0 },   1 },
    };
    for (const SRowCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CTestHost* pHost = new CTestHost;     // deletes itself with its window
        ASSERT_TRUE(pHost->Create(NULL, "Row", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 900, 400)));
        pHost->EnableDocking(CBRS_ALIGN_ANY);
        CToolBar bars[3];
        const UINT ids[] = { 1, 2, 3, 4 };
        for (CToolBar& bar : bars)
        {
            ASSERT_TRUE(bar.Create(pHost, WS_CHILD | WS_VISIBLE | CBRS_TOP));
            bar.SetButtons(ids, 4);
            bar.EnableDocking(CBRS_ALIGN_ANY);
        }
        CUILDockBar* pTop = (CUILDockBar*)pHost->GetControlBar(AFX_IDW_DOCKBAR_TOP);
        pHost->DockControlBar(&bars[0], AFX_IDW_DOCKBAR_TOP);
        pHost->RecalcLayout();
        auto inDock = [&](CWnd* p)
        {
            CRect rect = ScreenRect(p);
            pTop->ScreenToClient(&rect);
            return rect;
        };
        const int w = inDock(&bars[0]).Width(), h = inDock(&bars[0]).Height();
        auto at = [w](const int n[2]) { return n[0] + n[1] * w; };
        ASSERT_EQ(CRect(-2, -2, w - 2, h - 2), inDock(&bars[0]));

        // the frame's client width is the row length
        CRect rectWindow, rectClient;
        pHost->GetWindowRect(&rectWindow);
        pHost->GetClientRect(&rectClient);
        pHost->SetWindowPos(NULL, 0, 0, at(c.nL) + rectWindow.Width() - rectClient.Width(), rectWindow.Height(),
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_EQ(at(c.nL), pTop->m_nLayoutLength);

        for (int i = 1; i < 3; i++)
        {
            CRect rectDrop = inDock(&bars[0]);
            rectDrop.OffsetRect(at(i == 1 ? c.nDrop2 : c.nDrop3) + 2, 0);
            pTop->ClientToScreen(&rectDrop);
            pHost->DockControlBar(&bars[i], AFX_IDW_DOCKBAR_TOP, &rectDrop);
        }
        pHost->RecalcLayout();
        pHost->RecalcLayout();      // a second layout changes nothing

        EXPECT_EQ(CRect(-2, -2, w - 2, h - 2), inDock(&bars[0]));
        EXPECT_EQ(CRect(CPoint(at(c.nLeft2), -2), CSize(w, h)), inDock(&bars[1]));
        EXPECT_EQ(CRect(CPoint(at(c.nLeft3), c.nRow3 == 0 ? -2 : h - 4), CSize(w, h)), inDock(&bars[2]));
        EXPECT_EQ(c.nRow3 + 1, pTop->m_info.GetLineCount());
        pHost->DestroyWindow();
        PumpTestMessages(5);
    }
}

TEST_F(Docking, RowWithAToolbarBetweenGetsSplittersAfterAndBefore)
{
    m_pHost->EnableDocking(CBRS_ALIGN_ANY);
    CDockWnd* pFirst = MakeDockWnd("First", CSize(160, 80));
    CDockWnd* pSecond = MakeDockWnd("Second", CSize(160, 80));
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(m_pHost, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    const UINT ids[] = { 1, 2, 3 };
    toolBar.SetButtons(ids, 3);
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_pHost->DockControlBar(pFirst, AFX_IDW_DOCKBAR_TOP);
    CRect rect = ScreenRect(pFirst);
    rect.OffsetRect(rect.Width() + 5, 0);
    m_pHost->DockControlBar(&toolBar, AFX_IDW_DOCKBAR_TOP, &rect);
    rect.OffsetRect(200, 0);
    m_pHost->DockControlBar(pSecond, AFX_IDW_DOCKBAR_TOP, &rect);
    m_pHost->RecalcLayout();
    CUILDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_EQ(1, pTop->m_info.GetLineCount());
    SDockLine* pLine = pTop->m_info.GetLine(0);
    ASSERT_EQ(3, pLine->GetItemCount());
    EXPECT_EQ((DWORD)(DLI_RESIZABLE | DLI_SPLITTERAFTER), pLine->GetItem(0)->m_dwFlags);
    EXPECT_EQ(0u, pLine->GetItem(1)->m_dwFlags);
    EXPECT_EQ((DWORD)(DLI_RESIZABLE | DLI_SPLITTERBEFORE), pLine->GetItem(2)->m_dwFlags);
    EXPECT_EQ(2, pLine->m_nRszBars);
    // two bar splitters and the row splitter below the row
    EXPECT_EQ(3, pTop->GetSpliterCount());
    // the toolbar is no resizable bar, and the non-resizable length is its window's
    EXPECT_EQ(0, pTop->IsBarResizable(&toolBar));
    EXPECT_EQ(ScreenRect(&toolBar).Width(), pTop->GetNonRszBarSumSpace(0).cx);
    EXPECT_EQ(CSize(10, 10), pTop->GetNonClientSumSpace(0));
    toolBar.DestroyWindow();
}

TEST_F(Docking, FloatingFrameRollsUpAndBackAndWithControlAllOfThem)
{
    m_pHost->EnableDocking(CBRS_ALIGN_ANY);
    m_pHost->m_pFloatingFrameClass = RUNTIME_CLASS(CUILMiniDockFrameWnd);
    const int nFramesBefore = (int)g_UILMiniDockFrameWndArray.GetSize();
    CUILMiniDockFrameWnd* pFrames[3];
    for (int i = 0; i < 3; i++)
    {
        CDockWnd* p = MakeDockWnd("Palette", CSize(140, 120));
        m_pHost->FloatControlBar(p, CPoint(150 + 160 * i, 200), CBRS_ALIGN_TOP);
        CFrameWnd* pFrame = p->GetParentFrame();
        ASSERT_TRUE(pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CUILMiniDockFrameWnd)));
        pFrames[i] = (CUILMiniDockFrameWnd*)pFrame;
        EXPECT_EQ(p, pFrames[i]->GetControlBar());
    }
    EXPECT_EQ(nFramesBefore + 3, (int)g_UILMiniDockFrameWndArray.GetSize());
    const int nHeight = ScreenRect(pFrames[0]).Height();

    // 61952 rolls the frame up to its caption band (23 + 3 + 1 pixel of inside) and back
    pFrames[0]->SendMessage(WM_SYSCOMMAND, UIL_SC_ROLLUP);
    EXPECT_TRUE(pFrames[0]->IsCollapsed());
    EXPECT_EQ(27, ScreenRect(pFrames[0]).Height());
    EXPECT_EQ(0x12200u, pFrames[0]->CalcBandState());
    EXPECT_FALSE(pFrames[1]->IsCollapsed());
    pFrames[0]->SendMessage(WM_SYSCOMMAND, UIL_SC_ROLLUP);
    EXPECT_FALSE(pFrames[0]->IsCollapsed());
    EXPECT_EQ(nHeight, ScreenRect(pFrames[0]).Height());

    // with Control down, every floating frame follows the first: rolled up, then all back
    BYTE keys[256];
    ASSERT_TRUE(::GetKeyboardState(keys));
    BYTE keysDown[256];
    memcpy(keysDown, keys, sizeof(keys));
    keysDown[VK_CONTROL] |= 0x80;
    keysDown[VK_LCONTROL] |= 0x80;
    ::SetKeyboardState(keysDown);
    pFrames[1]->SendMessage(WM_SYSCOMMAND, UIL_SC_ROLLUP);
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(pFrames[i]->IsCollapsed()) << i;
    pFrames[0]->SendMessage(WM_SYSCOMMAND, UIL_SC_ROLLUP);     // already rolled up: all come back
    for (int i = 0; i < 3; i++)
        EXPECT_FALSE(pFrames[i]->IsCollapsed()) << i;
    ::SetKeyboardState(keys);
    EXPECT_EQ(0, CUILMiniDockFrameWnd::m_bDoForAll);
    EXPECT_TRUE(CUILMiniDockFrameWnd::m_pDoForAllCaller == NULL);

    // a destroyed frame (its bar goes with it) leaves the list
    pFrames[2]->DestroyWindow();
    PumpTestMessages(20);
    EXPECT_EQ(nFramesBefore + 2, (int)g_UILMiniDockFrameWndArray.GetSize());
}

TEST_F(Docking, ABarFloatedOffEveryMonitorComesBackWhenDocked)
{
    m_pHost->EnableDocking(CBRS_ALIGN_ANY);
    m_pHost->m_pFloatingFrameClass = RUNTIME_CLASS(CUILMiniDockFrameWnd);
    CDockWnd* p = MakeDockWnd("Far away", CSize(140, 120));
    m_pHost->FloatControlBar(p, CPoint(-30000, -30000), CBRS_ALIGN_TOP);
    CFrameWnd* pFloating = p->GetParentFrame();
    ASSERT_TRUE(pFloating != NULL && pFloating != m_pHost);
    CRect rectFar = ScreenRect(pFloating);
    EXPECT_TRUE(::MonitorFromRect(&rectFar, MONITOR_DEFAULTTONULL) == NULL);
    HWND hFloating = pFloating->m_hWnd;

    // docking takes the place on the dock bar, not the far position it came from
    m_pHost->DockControlBar(p, AFX_IDW_DOCKBAR_RIGHT);
    m_pHost->RecalcLayout();
    PumpTestMessages(20);
    EXPECT_EQ((CWnd*)DockBar(AFX_IDW_DOCKBAR_RIGHT), p->GetParent());
    CRect rectBoth;
    EXPECT_TRUE(rectBoth.IntersectRect(ScreenRect(p), ScreenRect(m_pHost)));
    EXPECT_TRUE(p->IsWindowVisible());
    EXPECT_FALSE(::IsWindow(hFloating) && ::IsWindowVisible(hFloating)) << "the empty floating frame stays up";
}

TEST_F(Docking, RollingUpOneDockWindowRollsUpItsRow)
{
    m_pHost->m_bAnswerManager = TRUE;
    CDockWnd *pLayers, *pObjects;
    DockTwoInLeftRow(pLayers, pObjects);
    pLayers->SendMessage(WM_SYSCOMMAND, UIL_SC_ROLLUP);
    PumpTestMessages(20);
    EXPECT_TRUE(pLayers->IsCollapsed(FALSE));
    EXPECT_TRUE(pObjects->IsCollapsed(FALSE));
    EXPECT_EQ((UINT)DWS_ROLLEDACROSS, pObjects->GetState());
    // rolled up across the left dock bar: as narrow as a tabbed band's least width
    EXPECT_EQ(26, ScreenRect(pLayers).Width());
    EXPECT_EQ(26, ScreenRect(pObjects).Width());
    // each reported its state to the palettes manager
    EXPECT_TRUE(m_pHost->m_palettes.IsWindowCollapsed(pLayers->m_hWnd));
    EXPECT_TRUE(m_pHost->m_palettes.IsWindowCollapsed(pObjects->m_hWnd));
    // unrolled from the other one: both get their width back
    pObjects->SendMessage(WM_SYSCOMMAND, UIL_SC_ROLLUP);
    PumpTestMessages(20);
    EXPECT_FALSE(pLayers->IsCollapsed(FALSE));
    EXPECT_EQ(150, ScreenRect(pLayers).Width());
    EXPECT_EQ(150, ScreenRect(pObjects).Width());
    EXPECT_FALSE(m_pHost->m_palettes.IsWindowCollapsed(pLayers->m_hWnd));
}

TEST_F(Docking, DraggingByTheBandDocksOnAnotherSideAndEscapeCancels)
{
    CDockWnd *pLayers, *pObjects;
    DockTwoInLeftRow(pLayers, pObjects);
    CRect rectClient;
    m_pHost->GetClientRect(&rectClient);
    m_pHost->ClientToScreen(&rectClient);
    const CPoint ptBand = ScreenRect(pLayers).TopLeft() + CPoint(40, 10);
    const CPoint ptRight(rectClient.right - 10, rectClient.CenterPoint().y);

    // Escape in mid-drag: nothing moves
    CMouseScript cancelled;
    cancelled.MoveTo(ptBand).LeftDown().MoveTo(ptBand + CPoint(10, 5)).MoveTo(ptBand + CPoint(100, 40))
        .KeyPress(VK_ESCAPE).LeftUp();
    ASSERT_TRUE(cancelled.Run());
    PumpTestMessages(50);
    EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, (int)pLayers->GetDockSide());
    EXPECT_TRUE(::GetCapture() == NULL);

    // elsewhere on the band and a while later: two presses in one place are a double click
    const CPoint ptBand2 = ptBand + CPoint(30, 2);
    CMouseScript drag;
    drag.Wait(600).MoveTo(ptBand2).LeftDown().MoveTo(ptBand2 + CPoint(10, 5)).MoveTo(ptRight - CPoint(20, 0))
        .MoveTo(ptRight).LeftUp();
    ASSERT_TRUE(drag.Run());
    PumpTestMessages(50);
    EXPECT_EQ(AFX_IDW_DOCKBAR_RIGHT, (int)pLayers->GetDockSide());
    EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, (int)pObjects->GetDockSide());
    EXPECT_EQ(0x50u, pLayers->CalcBandState((UINT)-1) & 0xFFFF);
}

TEST_F(Docking, BadInputGivesTheEmptyAnswers)
{
    CDockWnd *pLayers, *pObjects;
    DockTwoInLeftRow(pLayers, pObjects);
    CUILDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    CUILDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    CDWordArray arr;
    // a bar that is not docked there, no bar, no array
    EXPECT_EQ(0, pTop->SendMessage(WM_GET_NEIBORS, (WPARAM)pLayers, (LPARAM)&arr));
    EXPECT_EQ(0, pLeft->SendMessage(WM_GET_NEIBORS, 0, (LPARAM)&arr));
    EXPECT_EQ(0, (int)arr.GetSize());
    EXPECT_EQ(2, pLeft->SendMessage(WM_GET_NEIBORS, (WPARAM)pObjects, (LPARAM)&arr));
    ASSERT_EQ(2, (int)arr.GetSize());
    EXPECT_EQ((DWORD)(DWORD_PTR)pLayers->m_hWnd, arr[0]);
    EXPECT_EQ(2, pLeft->SendMessage(WM_GET_NEIBORS, (WPARAM)pObjects, 0));
    EXPECT_EQ(0, pLeft->SendMessage(WM_ENDSPLIT, (WPARAM)m_pHost->m_hWnd, 0));
    EXPECT_EQ(0, pLeft->SendMessage(WM_ENDSPLIT, 0, 0));
    EXPECT_EQ(0, pTop->SendMessage(WM_SPACE_REDISTRIBUTION, (WPARAM)pLayers, 257));
    EXPECT_EQ(1, pLeft->SendMessage(WM_DRAGSPLIT, 0, 0));
    EXPECT_EQ(CSize(0, 0), pLeft->CalcSpaceForRszBar(5, pLayers, CSize(100, 100)));
    EXPECT_EQ(CSize(0, 0), pLeft->CalcSpaceForRszBar(0, NULL, CSize(100, 100)));
    EXPECT_EQ(CSize(0, 0), pLeft->GetNonRszBarSumSpace(-1));
    EXPECT_EQ(CSize(0, 0), pLeft->GetNonClientSumSpace(7));
    CRect rectEmpty(0, 0, 0, 0);
    EXPECT_EQ(0, pLeft->InsertBarSpliter(9, 0, 0, rectEmpty, TRUE));
    EXPECT_EQ(0, pLeft->InsertLineSpliter(9, 3, rectEmpty, FALSE));
    EXPECT_EQ(0, pLeft->ApplyLineHeight(4, NULL));
    EXPECT_TRUE(pLeft->GetSpliter(-1) == NULL);
    EXPECT_EQ(0, DetachControlBarEx(NULL, pLayers, NULL, -1, 0));
    EXPECT_EQ(0, DetachControlBarEx(pTop, pLayers, NULL, -1, 0));     // not docked there
    EXPECT_EQ(0, pLeft->IsBarResizable((CControlBar*)NULL));

    // a host that answers nothing: no manager, the framework's docking context
    EXPECT_TRUE(GetPalettesManager() == NULL);
    EXPECT_EQ(-1, SetPaletteCollapsed(pLayers->m_hWnd, 1));
    EXPECT_TRUE(dynamic_cast<CUILDockContext*>(pLayers->m_pDockContext) == NULL);
    EXPECT_TRUE(pLayers->m_pDockContext != NULL);

    // a bar taken out of its dock bar leaves a placeholder when asked to
    const int nPos = pLeft->FindBar(pObjects);
    ASSERT_GT(nPos, 0);
    EXPECT_EQ(0, DetachControlBarEx(pLeft, pObjects, NULL, -1, 1));
    EXPECT_EQ((void*)(UINT_PTR)pObjects->GetDlgCtrlID(), pLeft->m_arrBars[nPos]);
}

TEST(Palettes, CollapsedAndAutoExpandedLists)
{
    CToolPalettes manager;
    HWND a = (HWND)(UINT_PTR)0x1234, b = (HWND)(UINT_PTR)0x5678;
    EXPECT_EQ(0, manager.SetWindowCollapsed(a, 1));
    EXPECT_EQ(1, manager.SetWindowCollapsed(b, 1));
    EXPECT_EQ(0, manager.SetWindowCollapsed(a, 1));     // once only
    EXPECT_EQ(2, (int)manager.m_arrCollapsed.GetSize());
    EXPECT_EQ(0, manager.SetWindowCollapsed(a, 0));     // left the list at index 0
    EXPECT_FALSE(manager.IsWindowAutoExpanded(a));      // no automatic roll-up
    manager.m_bAutoRollUp = 1;
    EXPECT_EQ(0, manager.SetWindowCollapsed(b, 0));     // joins the auto-expanded list at 0
    EXPECT_TRUE(manager.IsWindowAutoExpanded(b));
    EXPECT_EQ(0, manager.SetWindowCollapsed(b, 1));     // and leaves it again
    EXPECT_FALSE(manager.IsWindowAutoExpanded(b));
    EXPECT_EQ(0, manager.SetWindowAutoExpanded(a, 1));
    EXPECT_EQ(1, manager.SetWindowAutoExpanded(b, 1));     // after a
    EXPECT_FALSE(manager.IsWindowCollapsed(b));
    EXPECT_EQ(1, manager.SetWindowAutoExpanded(b, 0));
    EXPECT_EQ(-1, manager.SetWindowAutoExpanded(b, 0));
    EXPECT_EQ(-1, manager.SetWindowCollapsed(NULL, 1));
    // what comes with the palettes themselves fails closed
    EXPECT_EQ(0, manager.DoPaletteOptionsDlg());
    EXPECT_TRUE(manager.GetWndPacketFromPoint(CPoint(10, 10)) == NULL);
    EXPECT_EQ(0, manager.DropPalette(NULL, NULL, NULL, NULL));
}
