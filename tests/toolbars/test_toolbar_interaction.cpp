// test_toolbar_interaction.cpp - the library toolbar driven by real input: clicks arriving as
// commands, popup chains opened and closed by clicks, the keys of a popup menu bar, the idle
// update, popup placement at the monitor's edges, and popups or timers outliving their bars.
#include "ToolBarTestUtil.h"

namespace
{
class ToolBarInput : public ToolBarTest
{
protected:
    // the root bar docked on top (A B sep C) whose A opens a popup menu bar (X Y Z) whose X
    // opens a second one (P Q)
    void MakeChain()
    {
        m_pRoot = MakeBar(IDR_TBTEST_BAR, 0x11, AFX_IDW_DOCKBAR_TOP);
        m_pMenu = MakeBar(IDR_TBTEST_MENU, 0x14, 0, WS_CHILD | CBRS_ALIGN_TOP);
        m_pSub = MakeBar(IDR_TBTEST_SUB, 0x14, 0, WS_CHILD | CBRS_ALIGN_TOP);
        for (CUILToolBar* p : { m_pMenu, m_pSub })
            m_pHost->ShowControlBar(p, FALSE, FALSE);
        ASSERT_EQ(1, m_pRoot->SetItemPopup(0, m_pMenu));
        ASSERT_EQ(1, m_pMenu->SetItemPopup(0, m_pSub));
        m_pHost->RecalcLayout();
        PumpTestMessages(20);
    }
    CUILToolBar* m_pRoot = NULL;
    CUILToolBar* m_pMenu = NULL;
    CUILToolBar* m_pSub = NULL;
};
}

TEST_F(ToolBarInput, ClicksArriveAsCommandsOnlyFromPressedEnabledButtons)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, 0x11, AFX_IDW_DOCKBAR_TOP);
    m_pHost->m_enable[ID_TBTEST_B] = FALSE;
    pBar->OnUpdateCmdUI(m_pHost, TRUE);
    PumpTestMessages(20);
    CMouseScript script;
    script.MoveTo(ItemCentre(pBar, 0)).LeftDown().LeftUp().Wait(30)
          .MoveTo(ItemCentre(pBar, 1)).LeftDown().LeftUp().Wait(30)      // disabled
          .MoveTo(ItemCentre(pBar, 3)).LeftDown().Wait(30)
          .MoveTo(ScreenPoint(pBar, CPoint(-40, 10))).LeftUp().Wait(30)   // released elsewhere
          .MoveTo(ItemCentre(pBar, 3)).LeftDown().LeftUp().Wait(30);
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(std::vector<UINT>({ ID_TBTEST_A, ID_TBTEST_C }), m_pHost->m_commands);
    // nothing stays pressed
    for (int i = 0; i < 4; i++)
        EXPECT_FALSE(pBar->GetButtonStyle(i) & TBBS_PRESSED) << i;
}

TEST_F(ToolBarInput, StyleZeroLeavesTheClickToTheControl)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, 0, AFX_IDW_DOCKBAR_TOP);
    CMouseScript script;
    script.MoveTo(ItemCentre(pBar, 3)).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(std::vector<UINT>({ ID_TBTEST_C }), m_pHost->m_commands);
    EXPECT_EQ(-1, pBar->GetSelectedItem()) << "the bar's own selection is not used";
}

TEST_F(ToolBarInput, PopupChainOpensAndClosesByClicks)
{
    MakeChain();
    CMouseScript open;
    open.MoveTo(ItemCentre(m_pRoot, 0)).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(open.Run());
    EXPECT_EQ(0, m_pRoot->GetExpandedItem());
    EXPECT_TRUE(m_pMenu->IsWindowVisible());
    EXPECT_EQ(m_pRoot, m_pMenu->GetParentBar());
    EXPECT_EQ(m_pMenu->m_hWnd, ::GetCapture());
    EXPECT_TRUE(m_pHost->m_commands.empty()) << "a popup button sends nothing while its popup opens";

    // moving onto X in the popup menu bar opens the second level at once
    CMouseScript hover;
    hover.MoveTo(ItemCentre(m_pMenu, 0)).Wait(50);
    ASSERT_TRUE(hover.Run());
    EXPECT_EQ(0, m_pMenu->GetExpandedItem());
    EXPECT_TRUE(m_pSub->IsWindowVisible());
    EXPECT_EQ(m_pSub->m_hWnd, ::GetFocus());

    // clicking A again closes the whole chain, deepest first, and sends nothing
    CMouseScript close;
    close.MoveTo(ItemCentre(m_pRoot, 0)).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(close.Run());
    EXPECT_EQ(-1, m_pRoot->GetExpandedItem());
    EXPECT_EQ(-1, m_pMenu->GetExpandedItem());
    EXPECT_FALSE(m_pMenu->IsWindowVisible());
    EXPECT_FALSE(m_pSub->IsWindowVisible());
    EXPECT_EQ(nullptr, m_pMenu->GetParentBar());
    EXPECT_EQ(nullptr, m_pSub->GetParentBar());
    EXPECT_NE(m_pMenu->m_hWnd, ::GetCapture());
    EXPECT_NE(m_pSub->m_hWnd, ::GetCapture());
    EXPECT_TRUE(m_pHost->m_commands.empty());
}

TEST_F(ToolBarInput, ChoosingInAPopupClosesTheChainThenSendsTheCommand)
{
    MakeChain();
    // each step's point is taken once the popup it lies in stands where it opened
    CMouseScript open;
    open.MoveTo(ItemCentre(m_pRoot, 0)).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(open.Run());
    CMouseScript hover;
    hover.MoveTo(ItemCentre(m_pMenu, 0)).Wait(50);
    ASSERT_TRUE(hover.Run());
    ASSERT_TRUE(m_pSub->IsWindowVisible());
    CMouseScript choose;
    choose.MoveTo(ItemCentre(m_pSub, 1)).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(choose.Run());
    EXPECT_EQ(std::vector<UINT>({ ID_TBTEST_Q }), m_pHost->m_commands);
    EXPECT_FALSE(m_pMenu->IsWindowVisible());
    EXPECT_FALSE(m_pSub->IsWindowVisible());
    EXPECT_EQ(-1, m_pRoot->GetExpandedItem());
}

TEST_F(ToolBarInput, KeyboardWalkSkipsNoKeySelectItemsAndWraps)
{
    MakeChain();
    m_pMenu->SetItemPopup(0, NULL);                      // X Y Z, no second level
    CUILItem* pY = m_pMenu->_GetButtonPtr(1);
    pY->SetExStyle(pY->GetExStyle() | UILIS_NOKEYSELECT);
    CRecordingWnd focus;
    ASSERT_TRUE(focus.CreateTopLevel(CRect(700, 500, 760, 540)));
    focus.SetFocus();
    ASSERT_EQ(1, m_pRoot->ExpandPopup(0));
    ASSERT_EQ(m_pMenu->m_hWnd, ::GetFocus());
    m_pMenu->SelectItem(-1);

    struct { WORD wKey; int nSelected; } walk[] = {
        { VK_DOWN, 0 },     // from nothing to the first
        { VK_DOWN, 2 },     // Y is skipped
        { VK_RIGHT, 0 },    // past the end to the first
        { VK_UP, 2 },       // before the first to the last
        { VK_LEFT, 0 },
    };
    for (const auto& w : walk)
    {
        CMouseScript keys;
        keys.KeyPress(w.wKey).Wait(20);
        ASSERT_TRUE(keys.Run());
        EXPECT_EQ(w.nSelected, m_pMenu->GetSelectedItem()) << w.wKey;
    }
    // Escape closes the popup and gives the focus back to the window that had it
    CMouseScript escape;
    escape.KeyPress(VK_ESCAPE).Wait(30);
    ASSERT_TRUE(escape.Run());
    EXPECT_FALSE(m_pMenu->IsWindowVisible());
    EXPECT_EQ(focus.m_hWnd, ::GetFocus());
    EXPECT_TRUE(m_pHost->m_commands.empty());

    // Return sends the selected entry's command
    focus.SetFocus();
    ASSERT_EQ(1, m_pRoot->ExpandPopup(0));
    CMouseScript choose;
    choose.KeyPress(VK_DOWN).KeyPress(VK_DOWN).KeyPress(VK_RETURN).Wait(30);
    ASSERT_TRUE(choose.Run());
    EXPECT_EQ(std::vector<UINT>({ ID_TBTEST_Z }), m_pHost->m_commands);
    EXPECT_FALSE(m_pMenu->IsWindowVisible());
    EXPECT_EQ(focus.m_hWnd, ::GetFocus());
}

TEST_F(ToolBarInput, IdleUpdateAsksTheHostItemByItemAndRepaints)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, 0x11, AFX_IDW_DOCKBAR_TOP);
    const CRect rectB = ItemRect(pBar, 1);
    CPixelCanvas before(200, 40);
    pBar->SendMessage(WM_PRINTCLIENT, (WPARAM)before.DC().m_hDC, PRF_CLIENT);

    m_pHost->m_enable[ID_TBTEST_B] = FALSE;
    m_pHost->m_check[ID_TBTEST_C] = 1;
    m_pHost->m_check[ID_TBTEST_A] = 2;
    RunTestIdle();
    struct { int nIndex; BOOL bDisabled; BOOL bChecked; BOOL bIndeterminate; } cases[] = {
        { 0, FALSE, FALSE, TRUE },
        { 1, TRUE, FALSE, FALSE },
        { 3, FALSE, TRUE, FALSE },
    };
    for (const auto& c : cases)
    {
        const UINT nStyle = pBar->GetButtonStyle(c.nIndex);
        EXPECT_EQ(c.bDisabled, (nStyle & TBBS_DISABLED) != 0) << c.nIndex;
        EXPECT_EQ(c.bChecked, (nStyle & TBBS_CHECKED) != 0) << c.nIndex;
        EXPECT_EQ(c.bIndeterminate, (nStyle & TBBS_INDETERMINATE) != 0) << c.nIndex;
        // the bar's own item follows the record
        EXPECT_EQ(c.bDisabled || c.bIndeterminate, pBar->_GetButtonPtr(c.nIndex)->IsDisabled()) << c.nIndex;
    }
    // the green image of B is no longer drawn in its own colour
    CPixelCanvas after(200, 40);
    pBar->SendMessage(WM_PRINTCLIENT, (WPARAM)after.DC().m_hDC, PRF_CLIENT);
    EXPECT_GT(before.Count(RGB(0, 160, 0), rectB), 100);
    EXPECT_EQ(0, after.Count(RGB(0, 160, 0), rectB));

    // enabled again: drawn again
    m_pHost->m_enable[ID_TBTEST_B] = TRUE;
    RunTestIdle();
    CPixelCanvas again(200, 40);
    pBar->SendMessage(WM_PRINTCLIENT, (WPARAM)again.DC().m_hDC, PRF_CLIENT);
    EXPECT_EQ(before.Count(RGB(0, 160, 0), rectB), again.Count(RGB(0, 160, 0), rectB));
}

TEST_F(ToolBarInput, MissingImagesDrawNothingAndBarsPaintWithTheHostsColours)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_FEW, 0x11, 0);     // three buttons, two images
    // a main window that recolours the button face
    m_pMainScope.reset();
    m_pMainScope.reset(new CMainWindowScope);
    m_pMainScope->SetColor(COLOR_BTNFACE, RGB(10, 20, 30));
    CPixelCanvas canvas(120, 40, RGB(255, 255, 255));
    pBar->SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.DC().m_hDC, PRF_CLIENT);
    EXPECT_GT(canvas.Count(RGB(255, 0, 0), ItemRect(pBar, 0)), 100);
    EXPECT_GT(canvas.Count(RGB(0, 160, 0), ItemRect(pBar, 1)), 100);
    // the third has no image: nothing but the frame and the face in its square
    const CRect rectC = ItemRect(pBar, 2);
    for (COLORREF clr : { RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255) })
        EXPECT_EQ(0, canvas.Count(clr, rectC));
    // the background between and after the items is the host's face colour
    EXPECT_EQ(RGB(10, 20, 30), canvas.Pixel(rectC.right + 5, 10));
    // asked by others, the bar passes the question to the host as a toolbar
    COLORREF clr = 0;
    EXPECT_NE(0, pBar->SendMessage(WM_GET_SYS_COLOR, COLOR_BTNFACE, (LPARAM)&clr));
    EXPECT_EQ(RGB(10, 20, 30), clr);
    std::vector<WORD> contexts = m_pMainScope->GetContexts();
    ASSERT_FALSE(contexts.empty());
    EXPECT_EQ(UIL_COLORCONTEXT_TOOLBAR, contexts.back());
}

// Item R = (100, 50, 122, 72), popup 80 x 60, worked from the anchor rules.
TEST_F(ToolBarInput, PopupPositionsFromTheDirectionFlags)
{
    const CRect r(100, 50, 122, 72);
    const CSize size(80, 60);
    struct { DWORD dwDir; CPoint pt; } cases[] = {
        { UILPOP_BELOW, CPoint(98, 72) },
        { UILPOP_BESIDE, CPoint(122, 48) },
        { UILPOP_LEFT | UILPOP_ANCHORRIGHT | UILPOP_DOWN | UILPOP_ANCHORBOTTOM, CPoint(44, 72) },
        { UILPOP_LEFT | UILPOP_ANCHORLEFT | UILPOP_UP | UILPOP_ANCHORBOTTOM, CPoint(20, 14) },
        { UILPOP_RIGHT | UILPOP_ANCHORLEFT | UILPOP_UP | UILPOP_ANCHORTOP, CPoint(98, -10) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pt, CUILToolBar::GetPopupPosition(c.dwDir, r, size)) << c.dwDir;

    // from a horizontal bar: below; near the monitor's right edge it opens leftward with its
    // right edge at the item's right edge + 2; near the bottom it opens upward
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, 0x11, AFX_IDW_DOCKBAR_TOP);
    const CRect rectMonitor = GetMonitorRect(CPoint(0, 0));
    const int W = rectMonitor.right, H = rectMonitor.bottom;
    EXPECT_EQ((DWORD)UILPOP_BELOW, pBar->GetPopupDirection(r, size));
    const CRect rRight(W - 30, 50, W - 8, 72);
    const DWORD dwRight = pBar->GetPopupDirection(rRight, size);
    EXPECT_EQ((DWORD)(UILPOP_LEFT | UILPOP_ANCHORRIGHT | UILPOP_DOWN | UILPOP_ANCHORBOTTOM), dwRight);
    EXPECT_EQ(W - 8 + 2, CUILToolBar::GetPopupPosition(dwRight, rRight, size).x + size.cx);
    const CRect rBottom(100, H - 40, 122, H - 18);
    EXPECT_EQ((DWORD)(UILPOP_RIGHT | UILPOP_ANCHORLEFT | UILPOP_UP | UILPOP_ANCHORTOP),
        pBar->GetPopupDirection(rBottom, size));
}

TEST_F(ToolBarInput, ExpandAndCollapseResultsForBadItems)
{
    MakeChain();
    struct { int nIndex; int nExpand; int nCollapse; } cases[] = {
        { -1, 1, 1 },       // nothing to do
        { 1, 0, 0 },        // B has no popup
        { 2, 0, 0 },        // a separator
        { 9, 0, 0 },        // no such item
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.nExpand, m_pRoot->ExpandPopup(c.nIndex)) << c.nIndex;
        EXPECT_EQ(c.nCollapse, m_pRoot->CollapsPopup(c.nIndex, 0)) << c.nIndex;
        EXPECT_EQ(-1, m_pRoot->GetExpandedItem());
    }
    // a bar is not its own popup
    EXPECT_EQ(0, m_pRoot->SetItemPopup(1, m_pRoot));
}

TEST_F(ToolBarInput, PopupDestroyedWhileOpenGivesBackFocusAndCapture)
{
    MakeChain();
    CRecordingWnd focus;
    ASSERT_TRUE(focus.CreateTopLevel(CRect(700, 500, 760, 540)));
    focus.SetFocus();
    ASSERT_EQ(1, m_pRoot->ExpandPopup(0));
    ASSERT_EQ(m_pMenu->m_hWnd, ::GetCapture());
    // the host deletes the open popup
    for (auto& p : m_bars)
        if (p.get() == m_pMenu)
            p.reset();
    EXPECT_FALSE(CUILToolBar::IsLiveBar(m_pMenu));
    EXPECT_EQ(-1, m_pRoot->GetExpandedItem());
    EXPECT_EQ(nullptr, m_pRoot->_GetButtonPtr(0)->m_pPopupBar);
    EXPECT_EQ(nullptr, m_pSub->GetParentBar());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(focus.m_hWnd, ::GetFocus());
    EXPECT_EQ(0, m_pRoot->ExpandPopup(0)) << "the item has no popup any more";

    // a click on A is now an ordinary click
    CMouseScript click;
    click.MoveTo(ItemCentre(m_pRoot, 0)).LeftDown().LeftUp().Wait(30);
    ASSERT_TRUE(click.Run());
    EXPECT_EQ(std::vector<UINT>({ ID_TBTEST_A }), m_pHost->m_commands);
}

TEST_F(ToolBarInput, LateTimersChangeNothing)
{
    MakeChain();
    // hover and band timers with nothing open, nothing hot and no band button held
    m_pRoot->SendMessage(WM_TIMER, UIL_TBTIMER_HOVER, 0);
    m_pRoot->SendMessage(WM_TIMER, UIL_TBTIMER_BANDREPEAT, 0);
    EXPECT_EQ(-1, m_pRoot->GetSelectedItem());
    EXPECT_EQ(-1, m_pRoot->GetExpandedItem());
    EXPECT_EQ(0, m_pRoot->GetScrollOffset());
    // a bar destroyed with its hover timer running: the timer goes with the window
    ASSERT_EQ(1, m_pRoot->ExpandPopup(0));
    m_pRoot->SetTimer(UIL_TBTIMER_HOVER, 1, NULL);
    m_pRoot->DestroyWindow();
    PumpTestMessages(50);
    EXPECT_FALSE(m_pMenu->IsWindowVisible()) << "its popup closed with it";
    EXPECT_EQ(nullptr, m_pMenu->GetParentBar());
    EXPECT_NE(m_pMenu->m_hWnd, ::GetCapture());
}

// Holding the scroll-forward button of the band scrolls 16 pixels a step until the end (54).
TEST_F(ToolBarInput, HoldingTheBandButtonScrollsToTheEnd)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, 0x111, AFX_IDW_DOCKBAR_TOP);
    PumpTestMessages(30);
    CBandItem* pForward = pBar->m_band.GetItem(1);
    ASSERT_NE(nullptr, pForward);
    CRect rectButton = pForward->m_rect;
    pBar->m_band.BandToParent(rectButton);
    CRect rectWindow;
    pBar->GetWindowRect(&rectWindow);
    rectButton.OffsetRect(rectWindow.TopLeft());
    // the part of the button that shows: docked bars overlap the dock bar's edges, which clip them
    CRect rectDock;
    pBar->GetParent()->GetClientRect(&rectDock);
    pBar->GetParent()->ClientToScreen(&rectDock);
    rectButton &= rectDock;
    ASSERT_FALSE(rectButton.IsRectEmpty());
    CMouseScript hold;
    hold.MoveTo(rectButton.CenterPoint()).LeftDown().Wait(400).LeftUp().Wait(30);
    ASSERT_TRUE(hold.Run());
    EXPECT_EQ(54, pBar->GetScrollOffset());
    EXPECT_EQ(-54, ItemRect(pBar, 0).left);
}
