// test_bookmark.cpp - the tab strip: tab states and numbering, horizontal, vertical and fitted
// layouts, scrolling, selection by real clicks and the commands it sends, pulling a tab, the tab
// menu with the host's entries, the window picker, tool tips, painting and GDI balance.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include "wexotest.h"
#include "res/resource.h"
#include <functional>

namespace
{
const UINT nStripID = 5000;
const char* const s_names[] = { "Model", "Layer properties", "Blocks", "Xref", "Sheet set manager",
    "Tool palette", "Quick calc", "Markup", "Lights", "Materials", "Render", "Layouts" };

// The host's main window: a frame with a message bar that may answer the strip's questions.
class CHostFrame : public CFrameWnd
{
public:
    CHostFrame() : m_nFills(0) {}
    CStatic m_bar;
    int m_nFills;
    std::function<LRESULT(CMenu*)> m_fnFill;        // answers WM_FILL_BOOKMARKS_EXTENDED_MENU
    std::function<BOOL(int, COLORREF*)> m_fnColor;  // answers WM_GET_SYS_COLOR
    CString m_strBarWhileFilling;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_FILL_BOOKMARKS_EXTENDED_MENU)
        {
            m_nFills++;
            return m_fnFill ? m_fnFill((CMenu*)wParam) : 0;
        }
        if (message == WM_GET_SYS_COLOR && m_fnColor)
            return m_fnColor((int)(wParam & 0xFFFF), (COLORREF*)lParam);
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    virtual void PostNcDestroy() {}     // a member of the test, not on the heap
};

class TabStrip : public testing::Test
{
protected:
    void SetUp() override
    {
        ::SetCursorPos(1000, 740);
        ASSERT_TRUE(m_parent.CreateTopLevel(CRect(100, 100, 700, 420)));
        m_parent.Watch(WM_COMMAND);
        m_parent.Watch(WM_USER_LDRAG);
        ASSERT_TRUE(m_strip.Create(CRect(20, 200, 320, 222), &m_parent, nStripID, 0));
        PumpTestMessages(20);
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        if (m_host.m_hWnd != NULL)
            m_host.DestroyWindow();
        m_strip.DestroyWindow();
        m_parent.DestroyWindow();
        PumpTestMessages(10);
    }
    void AddTabs(int nCount)
    {
        for (int i = 0; i < nCount; i++)
            m_strip.AddMark(s_names[i % 12]);
        m_strip.UpdateWindow();
        PumpTestMessages(20);
    }
    CRect InStrip(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        m_strip.ScreenToClient(&rect);
        return rect;
    }
    CPoint TabCentre(int i)
    {
        CRect rect;
        m_strip.GetButton(i)->GetWindowRect(&rect);
        return CPoint(rect.CenterPoint().x, rect.top + 2 + (rect.Height() - 2) / 2);
    }
    BOOL ClickScreen(CPoint pt)
    {
        CMouseScript script;
        script.MoveTo(pt).LeftDown().LeftUp().MoveTo(pt + CPoint(0, 60));
        return script.Run();
    }
    void CreateHost()
    {
        ASSERT_TRUE(m_host.Create(NULL, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(720, 80, 1010, 300)));
        ASSERT_TRUE(m_host.m_bar.Create("Ready", WS_CHILD | WS_VISIBLE, CRect(0, 150, 280, 170), &m_host,
            AFX_IDW_STATUS_BAR));
        AfxGetApp()->m_pMainWnd = &m_host;
    }
    UINT State(int i) { return m_strip.GetButton(i)->GetState(); }

    CRecordingWnd m_parent;
    CBookMark m_strip;
    CHostFrame m_host;
};

// a list of one image of cx x cy pixels
BOOL MakeImageList(CImageList& images, int cx, int cy)
{
    CBitmap bitmap;
    return images.Create(cx, cy, ILC_COLOR24 | ILC_MASK, 1, 1) && bitmap.CreateBitmap(cx, cy, 1, 32, NULL)
        && images.Add(&bitmap, RGB(255, 0, 255)) == 0;
}

// nCount tabs of length 100 along the strip: no text (16 pixels of margins) and an 84-pixel image
BOOL AddLongTabs(CBookMark& strip, CImageList& images, int nCount)
{
    if (!MakeImageList(images, 84, 84))
        return FALSE;
    for (int i = 0; i < nCount; i++)
    {
        strip.AddMark("");
        strip.GetButton(i)->SetImage(&images, 0);
    }
    return TRUE;
}

// the items of the popup menu open now, read from the menu's window
std::vector<CString> OpenMenuItems(std::vector<UINT>* pStates = NULL)
{
    std::vector<CString> items;
    HWND hMenuWnd = ::FindWindowA("#32768", NULL);
    HMENU hMenu = hMenuWnd != NULL ? (HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0) : NULL;
    for (int i = 0; hMenu != NULL && i < ::GetMenuItemCount(hMenu); i++)
    {
        char sz[128] = "";
        ::GetMenuStringA(hMenu, i, sz, sizeof(sz), MF_BYPOSITION);
        items.push_back(sz);
        if (pStates != NULL)
            pStates->push_back(::GetMenuState(hMenu, i, MF_BYPOSITION));
    }
    return items;
}
}

/////////////////////////////////////////////////////////////////////////////
// Creation, adding and numbering

TEST_F(TabStrip, StartsEmptyWithDisabledScrollButtons)
{
    CString strText;
    m_strip.GetWindowText(strText);
    EXPECT_STREQ("BookMark", (LPCSTR)strText);
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS),
        m_strip.GetStyle() & (WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS));
    EXPECT_EQ(0, m_strip.GetCount());
    EXPECT_EQ(-1, m_strip.GetCurSel());
    EXPECT_EQ(-1, m_strip.GetFirstVisible());
    EXPECT_EQ((UINT)BM_ID_FIRSTTAB, m_strip.GetBaseCmdID());

    // back at (0, 2, h, h - 1), forward one height + 1 further right; disabled, with arrows
    EXPECT_EQ(CRect(0, 2, 22, 21), InStrip(&m_strip.m_btnBack));
    EXPECT_EQ(CRect(23, 2, 45, 21), InStrip(&m_strip.m_btnForward));
    for (CScrollButton* pButton : { &m_strip.m_btnBack, &m_strip.m_btnForward })
    {
        EXPECT_FALSE(pButton->IsWindowEnabled());
        EXPECT_TRUE(pButton->GetStyle() & BS_ICON);
        EXPECT_TRUE(pButton->GetIcon() != NULL);
        EXPECT_FALSE(pButton->IsVertical());
    }
    EXPECT_EQ(BM_ID_SCROLLBACK, m_strip.m_btnBack.GetDlgCtrlID());
    EXPECT_EQ(BM_ID_SCROLLFORWARD, m_strip.m_btnForward.GetDlgCtrlID());
    m_strip.m_btnBack.GetWindowText(strText);
    EXPECT_STREQ("<", (LPCSTR)strText);
    m_strip.m_btnForward.GetWindowText(strText);
    EXPECT_STREQ(">", (LPCSTR)strText);

    // nothing to lay out or to keep in view
    EXPECT_EQ(0, m_strip.ArrangeButtons());
    EXPECT_EQ(0, m_strip.RemoveMark(0));
    EXPECT_EQ(0, m_strip.InsertMark(0, "x"));
}

TEST_F(TabStrip, TheFirstTabIsSelectedAndLaterOnesTakeTheLastFlag)
{
    EXPECT_EQ(0, m_strip.AddMark("Model"));
    EXPECT_EQ((UINT)(BMB_FIRST | BMB_LAST | BMB_SELECTED), State(0));       // 19
    EXPECT_EQ(0, m_strip.GetCurSel());
    EXPECT_EQ(0, m_strip.GetFirstVisible());

    EXPECT_EQ(1, m_strip.AddMark("Layer properties"));
    EXPECT_EQ((UINT)(BMB_FIRST | BMB_SELECTED), State(0));
    EXPECT_EQ((UINT)(BMB_LAST | BMB_AFTERSELECTED), State(1));
    EXPECT_EQ(2, m_strip.AddMark("Blocks"));
    EXPECT_EQ((UINT)BMB_AFTERSELECTED, State(1));
    EXPECT_EQ((UINT)BMB_LAST, State(2));        // not next to the selected one
    for (int i = 0; i < 3; i++)
    {
        EXPECT_EQ(BM_ID_FIRSTTAB + i, m_strip.GetButton(i)->GetDlgCtrlID());
        EXPECT_EQ((UINT)(BM_ID_FIRSTTAB + i), m_strip.GetButton(i)->m_nID);
        EXPECT_TRUE(m_strip.GetButton(i)->IsWindowVisible());
    }
    CString strText;
    m_strip.GetButton(1)->GetWindowText(strText);
    EXPECT_STREQ("Layer properties", (LPCSTR)strText);
}

TEST_F(TabStrip, StateChangesFollowTheRules)
{
    AddTabs(1);
    CBookMarkButton* pTab = m_strip.GetButton(0);
    EXPECT_EQ(0x03u, pTab->ModifyState(0x10, 0));
    EXPECT_EQ(0x63u, pTab->ModifyState(0, 0x60));
    EXPECT_EQ(0x21u, pTab->ModifyState(0x42, 0x20));
    // selecting ends a pending press: no drag can start from it
    pTab->m_bPressed = 1;
    pTab->m_ptPress = CPoint(5, 5);
    pTab->ModifyState(0, BMB_SELECTED);
    EXPECT_EQ(0, pTab->m_bPressed);
    EXPECT_EQ(CPoint(-1, -1), pTab->m_ptPress);

    // only a selection change repaints the tab
    pTab->ValidateRect(NULL);
    CRect rect;
    pTab->ModifyState(0, BMB_FIRST);
    EXPECT_FALSE(pTab->GetUpdateRect(&rect));
    pTab->ModifyState(BMB_SELECTED, 0);
    EXPECT_TRUE(pTab->GetUpdateRect(&rect));
}

TEST_F(TabStrip, InsertingRenumbersAndMovesTheNeighbourFlags)
{
    AddTabs(4);
    m_strip.ResetActFlags();
    m_strip.SetCurSel(2);
    ASSERT_EQ(1, m_strip.InsertMark(1, "Inserted"));
    ASSERT_EQ(5, m_strip.GetCount());
    // the same window stays selected, one place further on
    EXPECT_EQ(3, m_strip.GetCurSel());
    const UINT expected[5] = { BMB_FIRST, 0, BMB_BEFORESELECTED, BMB_SELECTED, BMB_AFTERSELECTED | BMB_LAST };
    for (int i = 0; i < 5; i++)
    {
        EXPECT_EQ(expected[i], State(i)) << i;
        EXPECT_EQ(BM_ID_FIRSTTAB + i, m_strip.GetButton(i)->GetDlgCtrlID());
        EXPECT_EQ((UINT)(BM_ID_FIRSTTAB + i), m_strip.GetButton(i)->m_nID);
    }
    CString strText;
    m_strip.GetButton(1)->GetWindowText(strText);
    EXPECT_STREQ("Inserted", (LPCSTR)strText);
    EXPECT_TRUE(m_strip.GetButton(1)->IsWindowVisible());

    EXPECT_EQ(0, m_strip.InsertMark(5, "end"));      // appending is AddMark's
    EXPECT_EQ(0, m_strip.InsertMark(-1, "before"));
    EXPECT_EQ(5, m_strip.GetCount());
}

TEST_F(TabStrip, RemovingKeepsTheSelectedWindowOrTakesTheNewLast)
{
    AddTabs(5);
    m_strip.ResetActFlags();
    m_strip.SetCurSel(3);
    CString strText;

    // a tab before the current one: the same window stays selected
    ASSERT_EQ(1, m_strip.RemoveMark(1));
    EXPECT_EQ(2, m_strip.GetCurSel());
    m_strip.GetButton(2)->GetWindowText(strText);
    EXPECT_STREQ("Xref", (LPCSTR)strText);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(BM_ID_FIRSTTAB + i, m_strip.GetButton(i)->GetDlgCtrlID());

    // the current last tab: the new last one is selected
    m_strip.ResetActFlags();
    m_strip.SetCurSel(3);
    ASSERT_EQ(1, m_strip.RemoveMark(3));
    EXPECT_EQ(2, m_strip.GetCurSel());
    EXPECT_EQ((UINT)(BMB_SELECTED | BMB_LAST), State(2));
    EXPECT_EQ((UINT)BMB_BEFORESELECTED, State(1));

    // the current one, not last: its follower takes its place
    m_strip.ResetActFlags();
    m_strip.SetCurSel(1);
    ASSERT_EQ(1, m_strip.RemoveMark(1));
    EXPECT_EQ(1, m_strip.GetCurSel());
    m_strip.GetButton(1)->GetWindowText(strText);
    EXPECT_STREQ("Xref", (LPCSTR)strText);

    EXPECT_EQ(0, m_strip.RemoveMark(2));
    EXPECT_EQ(0, m_strip.RemoveMark(-1));
    ASSERT_EQ(1, m_strip.RemoveMark(0));
    ASSERT_EQ(1, m_strip.RemoveMark(0));
    EXPECT_EQ(0, m_strip.GetCount());
    EXPECT_EQ(-1, m_strip.GetCurSel());
    // the windows of removed tabs are gone
    EXPECT_TRUE(m_strip.GetDlgItem(BM_ID_FIRSTTAB) == NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Layouts

// The three layouts with three tabs of length 100, more than the strip holds, so both scroll
// buttons are on.
TEST_F(TabStrip, TheThreeLayoutsPlaceTabsAfterTheScrollButtons)
{
    struct
    {
        DWORD dwStyle;
        CSize sizeStrip;
        CRect rectBack, rectForward, rectFirst;
    } cases[] = {
        // along the top edge, after the buttons at x 0 and 12
        { 0, CSize(300, 22), CRect(0, 3, 12, 21), CRect(12, 3, 24, 21), CRect(26, -2, 126, 22) },
        // down the right edge, below the buttons
        { BMS_VERT_LEFT, CSize(24, 260), CRect(1, 0, 21, 12), CRect(1, 12, 21, 24), CRect(0, 26, 26, 126) },
        // down the left edge from the top, the buttons at the bottom
        { BMS_VERT_RIGHT, CSize(24, 260), CRect(3, 236, 23, 248), CRect(3, 248, 23, 260), CRect(-2, 4, 24, 104) },
    };
    CImageList images;
    ASSERT_TRUE(AddLongTabs(m_strip, images, 3));
    for (const auto& c : cases)
    {
        m_strip.SetWindowPos(NULL, 0, 0, c.sizeStrip.cx, c.sizeStrip.cy, SWP_NOMOVE | SWP_NOZORDER);
        m_strip.SetBMStyle(c.dwStyle);
        const bool bVert = c.dwStyle != 0;
        EXPECT_EQ(c.rectBack, InStrip(&m_strip.m_btnBack)) << c.dwStyle;
        EXPECT_EQ(c.rectForward, InStrip(&m_strip.m_btnForward)) << c.dwStyle;
        EXPECT_EQ(bVert, m_strip.m_btnBack.IsVertical() != FALSE) << c.dwStyle;
        for (int i = 0; i < 3; i++)
        {
            EXPECT_EQ(c.rectFirst + CPoint(bVert ? 0 : 100 * i, bVert ? 100 * i : 0), InStrip(m_strip.GetButton(i)))
                << "style " << c.dwStyle << " tab " << i;
            EXPECT_EQ(c.dwStyle, m_strip.GetButton(i)->GetBMStyle()) << c.dwStyle;
        }
        // the length along the strip counts from 26 in every layout
        EXPECT_EQ(bVert ? 24 : 326, m_strip.m_nTotalCX) << c.dwStyle;
        if (bVert)
        {
            EXPECT_EQ(326, m_strip.m_nTotalCY) << c.dwStyle;
        }
        EXPECT_TRUE(m_strip.m_btnBack.IsWindowEnabled()) << c.dwStyle;
        EXPECT_TRUE(m_strip.m_btnForward.IsWindowEnabled()) << c.dwStyle;
    }
}

TEST_F(TabStrip, ATabIsItsTextPlusMarginsAndItsImage)
{
    AddTabs(1);
    CBookMarkButton* pTab = m_strip.GetButton(0);
    CClientDC dc(pTab);
    CFont* pOld = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
    CRect rectText(0, 0, 0, 0);
    dc.DrawText("Model", &rectText, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_VCENTER);
    dc.SelectObject(pOld);

    EXPECT_EQ(CSize(rectText.Width() + 16, rectText.Height() + 4), pTab->CalcSize(0));
    EXPECT_EQ(CSize(rectText.Width() + 16, 30), pTab->CalcSize(30));

    CImageList images;
    ASSERT_TRUE(MakeImageList(images, 16, 15));
    pTab->SetImage(&images, 0);
    EXPECT_EQ(CSize(rectText.Width() + 32, 22), pTab->CalcSize(22));

    // a vertical tab: the same length, turned
    pTab->SetBMStyle(BMS_VERT_LEFT);
    EXPECT_EQ(CSize(22, rectText.Width() + 31), pTab->CalcSize(22));
    pTab->SetImage(NULL, -1);
    EXPECT_EQ(CSize(22, rectText.Width() + 16), pTab->CalcSize(22));
}

TEST_F(TabStrip, TheImageAndItsIndicatorChildSitAtTheTabsStart)
{
    AddTabs(2);
    CBookMarkButton* pTab = m_strip.GetButton(1);
    CImageList images;
    ASSERT_TRUE(MakeImageList(images, 16, 16));
    pTab->SetImage(&images, 0);
    CStatic indicator;
    ASSERT_TRUE(indicator.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), pTab, BM_ID_INDICATOR));
    m_strip.ResizeButtons(SWP_SHOWWINDOW);

    CRect rectClient;
    pTab->GetClientRect(&rectClient);
    const int y = (rectClient.Height() - 16) / 2;
    EXPECT_EQ(CRect(4, y, 20, y + 16), pTab->GetIndicatorRect());
    CRect rectIndicator;
    indicator.GetWindowRect(&rectIndicator);
    pTab->ScreenToClient(&rectIndicator);
    EXPECT_EQ(pTab->GetIndicatorRect(), rectIndicator);

    // vertical: centred across, its bottom 4 pixels above the tab's end
    m_strip.SetBMStyle(BMS_VERT_LEFT);
    pTab->GetClientRect(&rectClient);
    const int x = (rectClient.Width() - 16) / 2;
    EXPECT_EQ(CRect(x, rectClient.bottom - 20, x + 16, rectClient.bottom - 4), pTab->GetIndicatorRect());
    indicator.GetWindowRect(&rectIndicator);
    pTab->ScreenToClient(&rectIndicator);
    EXPECT_EQ(pTab->GetIndicatorRect(), rectIndicator);
}

TEST_F(TabStrip, OverflowEnablesScrollingAndTheLengthCountsEveryTab)
{
    // four tabs of 100 after the buttons: 26 + 400 = 426 on a strip of 300
    CImageList images;
    ASSERT_TRUE(AddLongTabs(m_strip, images, 4));
    m_strip.ResizeButtons(SWP_SHOWWINDOW);
    EXPECT_EQ(426, m_strip.m_nTotalCX);
    EXPECT_TRUE(m_strip.m_btnBack.IsWindowEnabled());
    EXPECT_TRUE(m_strip.m_btnForward.IsWindowEnabled());

    // scrolled by one, the length stays: the scrolled-away tab still counts
    m_strip.SendMessage(WM_COMMAND, MAKEWPARAM(BM_ID_SCROLLFORWARD, BN_CLICKED), (LPARAM)m_strip.m_btnForward.m_hWnd);
    EXPECT_EQ(1, m_strip.GetFirstVisible());
    EXPECT_EQ(426, m_strip.m_nTotalCX);
    EXPECT_FALSE(m_strip.GetButton(0)->IsWindowVisible());
    EXPECT_EQ(26, InStrip(m_strip.GetButton(1)).left);
    EXPECT_TRUE(m_strip.m_btnBack.IsWindowEnabled());

    // one pixel wider than all of it: the tabs come back and scrolling is off
    m_strip.SetWindowPos(NULL, 0, 0, 427, 22, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(0, m_strip.GetFirstVisible());
    EXPECT_TRUE(m_strip.GetButton(0)->IsWindowVisible());
    EXPECT_EQ(26, InStrip(m_strip.GetButton(0)).left);
    EXPECT_FALSE(m_strip.m_btnBack.IsWindowEnabled());
    EXPECT_FALSE(m_strip.m_btnForward.IsWindowEnabled());
}

TEST_F(TabStrip, TheScrollButtonsScrollByOneTabWithinTheTabs)
{
    AddTabs(6);
    ASSERT_TRUE(m_strip.m_btnForward.IsWindowEnabled());
    CRect rectForward, rectBack;
    m_strip.m_btnForward.GetWindowRect(&rectForward);
    m_strip.m_btnBack.GetWindowRect(&rectBack);

    // real clicks; each press lands a little apart so that none is a double click
    for (int i = 1; i <= 5; i++)
    {
        ASSERT_TRUE(ClickScreen(rectForward.CenterPoint() + CPoint(0, (i % 2) * 4 - 2)));
        EXPECT_EQ(i, m_strip.GetFirstVisible());
    }
    // the last tab is as far as it goes
    ASSERT_TRUE(ClickScreen(rectForward.CenterPoint()));
    EXPECT_EQ(5, m_strip.GetFirstVisible());
    for (int i = 0; i < 5; i++)
        EXPECT_FALSE(m_strip.GetButton(i)->IsWindowVisible()) << i;
    EXPECT_EQ(26, InStrip(m_strip.GetButton(5)).left);

    ASSERT_TRUE(ClickScreen(rectBack.CenterPoint()));
    EXPECT_EQ(4, m_strip.GetFirstVisible());
    EXPECT_EQ(26, InStrip(m_strip.GetButton(4)).left);
    m_strip.SetFirstVisible(0);
    m_strip.SendMessage(WM_COMMAND, BM_ID_SCROLLBACK, (LPARAM)m_strip.m_btnBack.m_hWnd);
    EXPECT_EQ(0, m_strip.GetFirstVisible());
    // scrolling sends nothing on
    EXPECT_EQ(0, m_parent.Count(WM_COMMAND));
}

// Fit mode with four tabs of length 100, the scroll buttons hidden in every orientation.
//   horizontal 300 x 22: ratio (4 + 400) / (300 - 6) = 1.374, each tab (int)(100 / 1.374) = 72
//   style 4, 24 x 260: each tab cut to (260 - 4) / 4 - 1 = 63, from y = 4, hanging off the right
//   style 8, 24 x 260: each tab cut to (260 - 26) / 4 - 1 = 57, from y = 4, hanging off the left
TEST_F(TabStrip, FitModeSharesTheStripAmongTheTabs)
{
    struct
    {
        DWORD dwStyle;
        CSize sizeStrip;
        CRect rectFirst;    // the first tab; the next ones follow along the strip
    } cases[] = {
        { BMS_FIT, CSize(300, 22), CRect(4, -2, 76, 22) },
        { BMS_FIT | BMS_VERT_LEFT, CSize(24, 260), CRect(0, 4, 26, 67) },
        { BMS_FIT | BMS_VERT_RIGHT, CSize(24, 260), CRect(-2, 4, 24, 61) },
    };
    CImageList images;
    ASSERT_TRUE(AddLongTabs(m_strip, images, 4));
    for (const auto& c : cases)
    {
        m_strip.SetWindowPos(NULL, 0, 0, c.sizeStrip.cx, c.sizeStrip.cy, SWP_NOMOVE | SWP_NOZORDER);
        m_strip.SetFirstVisible(0);
        m_strip.SetBMStyle(c.dwStyle);
        const bool bVert = (c.dwStyle & BMS_VERTMASK) != 0;
        const CPoint ptStep = bVert ? CPoint(0, c.rectFirst.Height()) : CPoint(c.rectFirst.Width(), 0);
        for (int i = 0; i < 4; i++)
            EXPECT_EQ(c.rectFirst + CPoint(ptStep.x * i, ptStep.y * i), InStrip(m_strip.GetButton(i)))
                << "style " << c.dwStyle << " tab " << i;
        EXPECT_FALSE(m_strip.m_btnBack.IsWindowVisible());
        EXPECT_FALSE(m_strip.m_btnForward.IsWindowVisible());
    }
    // out of fit mode the scroll buttons return and the tabs keep their length
    m_strip.SetBMStyle(BMS_VERT_LEFT);
    EXPECT_TRUE(m_strip.m_btnBack.IsWindowVisible());
    EXPECT_EQ(CRect(0, 26, 26, 126), InStrip(m_strip.GetButton(0)));
}

namespace
{
class VerticalTabStrip : public TabStrip
{
protected:
    void SetUp() override
    {
        TabStrip::SetUp();
        m_strip.SetWindowPos(NULL, 0, 0, 24, 260, SWP_NOMOVE | SWP_NOZORDER);
    }
};
}

TEST_F(VerticalTabStrip, OverflowScrollsByOneTab)
{
    AddTabs(8);
    m_strip.SetBMStyle(BMS_VERT_LEFT);
    EXPECT_TRUE(m_strip.m_btnForward.IsWindowEnabled());
    m_strip.SendMessage(WM_COMMAND, BM_ID_SCROLLFORWARD, (LPARAM)m_strip.m_btnForward.m_hWnd);
    EXPECT_EQ(1, m_strip.GetFirstVisible());
    EXPECT_FALSE(m_strip.GetButton(0)->IsWindowVisible());
    EXPECT_EQ(26, InStrip(m_strip.GetButton(1)).top);
}

/////////////////////////////////////////////////////////////////////////////
// Selection and the commands it sends

TEST_F(TabStrip, ClickingATabSelectsItAndTellsTheOwner)
{
    AddTabs(4);
    ASSERT_TRUE(ClickScreen(TabCentre(2)));
    EXPECT_EQ(2, m_strip.GetCurSel());
    EXPECT_EQ((UINT)BMB_FIRST, State(0));
    EXPECT_EQ((UINT)BMB_BEFORESELECTED, State(1));
    EXPECT_EQ((UINT)BMB_SELECTED, State(2));
    EXPECT_EQ((UINT)(BMB_AFTERSELECTED | BMB_LAST), State(3));
    // a tab without a command of its own: the base (1010) plus its index, from the tab's window
    ASSERT_EQ(1, m_parent.Count(WM_COMMAND));
    EXPECT_EQ((WPARAM)(BM_ID_FIRSTTAB + 2), m_parent.Last(WM_COMMAND)->wParam);
    EXPECT_EQ((LPARAM)m_strip.GetButton(2)->m_hWnd, m_parent.Last(WM_COMMAND)->lParam);
    // the keyboard goes back to the top-level window
    EXPECT_TRUE(::GetFocus() == m_parent.m_hWnd);

    // a command of its own, and another base
    m_strip.SetCmdID(0, 4567);
    EXPECT_EQ(4567u, m_strip.GetCmdID(0));
    EXPECT_EQ(0u, m_strip.GetCmdID(7));
    m_strip.SetBaseCmdID(300);
    m_parent.Clear();
    ASSERT_TRUE(ClickScreen(TabCentre(0)));
    ASSERT_TRUE(ClickScreen(TabCentre(3)));
    ASSERT_EQ(2, m_parent.Count(WM_COMMAND));
    EXPECT_EQ(4567u, (UINT)m_parent.m_messages[0].wParam);
    EXPECT_EQ(303u, (UINT)m_parent.m_messages[1].wParam);
    EXPECT_EQ(3, m_strip.GetCurSel());
}

TEST_F(TabStrip, ANotifyWindowGetsTheCommandsWithoutTheTabsWindow)
{
    AddTabs(3);
    CRecordingWnd notify;
    ASSERT_TRUE(notify.CreateTopLevel(CRect(720, 320, 820, 420)));
    notify.Watch(WM_COMMAND);
    m_strip.SetNotifyWnd(notify.m_hWnd);
    m_parent.SetForegroundWindow();
    ASSERT_TRUE(ClickScreen(TabCentre(1)));
    EXPECT_EQ(0, m_parent.Count(WM_COMMAND));
    ASSERT_EQ(1, notify.Count(WM_COMMAND));
    EXPECT_EQ((WPARAM)(BM_ID_FIRSTTAB + 1), notify.Last(WM_COMMAND)->wParam);
    EXPECT_EQ(0, notify.Last(WM_COMMAND)->lParam);

    // other commands keep the lParam they came with
    m_strip.SendMessage(WM_COMMAND, 777, 0x55);
    PumpTestMessages(20);
    ASSERT_EQ(2, notify.Count(WM_COMMAND));
    EXPECT_EQ(777u, (UINT)notify.Last(WM_COMMAND)->wParam);
    EXPECT_EQ(0x55, notify.Last(WM_COMMAND)->lParam);
}

TEST_F(TabStrip, SelectingATabBeyondTheEndScrollsItIntoView)
{
    AddTabs(10);
    CRect rectStrip;
    m_strip.GetWindowRect(&rectStrip);
    CRect rectTab;
    m_strip.GetButton(8)->GetWindowRect(&rectTab);
    ASSERT_GT(rectTab.right - rectTab.Height(), rectStrip.right);

    m_strip.ResetActFlags();
    EXPECT_EQ(8, m_strip.SetCurSel(8));
    const int nFirst = m_strip.GetFirstVisible();
    EXPECT_GT(nFirst, 0);
    m_strip.GetButton(8)->GetWindowRect(&rectTab);
    EXPECT_LE(rectTab.right - rectTab.Height(), rectStrip.right);
    // and not a tab further than needed
    m_strip.SetFirstVisible(nFirst - 1);
    m_strip.ResizeButtons(SWP_SHOWWINDOW);
    m_strip.GetButton(8)->GetWindowRect(&rectTab);
    EXPECT_GT(rectTab.right - rectTab.Height(), rectStrip.right);

    // one before the first visible: it becomes the first
    m_strip.SetFirstVisible(nFirst);
    m_strip.ResetActFlags();
    m_strip.SetCurSel(1);
    EXPECT_EQ(1, m_strip.GetFirstVisible());
    EXPECT_TRUE(m_strip.GetButton(1)->IsWindowVisible());
    EXPECT_EQ(1, m_strip.ArrangeButtons());
}

/////////////////////////////////////////////////////////////////////////////
// Pulling a tab

TEST_F(TabStrip, APullOfFourPixelsPostsOneDragRequest)
{
    AddTabs(3);
    const CPoint pt = TabCentre(1);
    CMouseScript script;
    int nAfterThree = -1;
    script.MoveTo(pt).LeftDown().MoveTo(pt + CPoint(3, 0)).MoveTo(pt + CPoint(3, -3))
        .Call([&]() { nAfterThree = m_parent.Count(WM_USER_LDRAG); })
        .MoveTo(pt + CPoint(4, 0)).MoveTo(pt + CPoint(12, 5)).MoveTo(pt + CPoint(30, 80)).LeftUp();
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(0, nAfterThree);
    ASSERT_EQ(1, m_parent.Count(WM_USER_LDRAG));
    EXPECT_EQ((WPARAM)(BM_ID_FIRSTTAB + 1), m_parent.Last(WM_USER_LDRAG)->wParam);
    EXPECT_EQ(MAKELPARAM(pt.x, pt.y), m_parent.Last(WM_USER_LDRAG)->lParam);
    // released away from the tab: no click
    EXPECT_EQ(0, m_parent.Count(WM_COMMAND));
    EXPECT_EQ(0, m_strip.GetButton(1)->m_bPressed);

    // down the other axis
    m_parent.Clear();
    const CPoint pt2 = TabCentre(2);
    CMouseScript down;
    down.MoveTo(pt2).LeftDown().MoveTo(pt2 + CPoint(0, 4)).MoveTo(pt2 + CPoint(0, 90)).LeftUp();
    ASSERT_TRUE(down.Run());
    ASSERT_EQ(1, m_parent.Count(WM_USER_LDRAG));
    EXPECT_EQ((WPARAM)(BM_ID_FIRSTTAB + 2), m_parent.Last(WM_USER_LDRAG)->wParam);
}

TEST_F(TabStrip, AMoveWithoutTheButtonEndsThePress)
{
    AddTabs(2);
    CBookMarkButton* pTab = m_strip.GetButton(1);
    pTab->m_bPressed = 1;
    pTab->m_ptPress = CPoint(10, 10);
    pTab->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
    EXPECT_EQ(0, pTab->m_bPressed);
    pTab->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 10));
    PumpTestMessages(20);
    EXPECT_EQ(0, m_parent.Count(WM_USER_LDRAG));
}

/////////////////////////////////////////////////////////////////////////////
// The tab menu

TEST_F(TabStrip, ARightClickOffersEveryTabAndChoosingOneSelectsIt)
{
    AddTabs(4);
    CreateHost();
    std::vector<CString> items;
    std::vector<UINT> states;
    CString strBar;
    const CPoint pt = TabCentre(1);
    CMouseScript script;
    script.MoveTo(pt).RightDown().Wait(300)
        .Call([&]() {
            items = OpenMenuItems(&states);
            m_host.m_bar.GetWindowText(strBar);
        })
        .KeyPress(VK_DOWN).KeyPress(VK_DOWN).KeyPress(VK_DOWN).KeyPress(VK_RETURN).Wait(100).RightUp();
    ASSERT_TRUE(script.Run());

    ASSERT_EQ(4u, items.size());
    for (int i = 0; i < 4; i++)
        EXPECT_STREQ(s_names[i], (LPCSTR)items[i]);
    EXPECT_TRUE(states[0] & MF_CHECKED);
    EXPECT_FALSE(states[1] & MF_CHECKED);
    EXPECT_EQ(1, m_host.m_nFills);
    // the host said nothing: the prompt showed while the menu was open, and went again
    CString strPrompt;
    strPrompt.LoadString(g_hUILResource, IDS_BOOKMARK_CHOOSETAB);
    EXPECT_STREQ("Chose tab name to activate tab", (LPCSTR)strPrompt);
    EXPECT_STREQ((LPCSTR)strPrompt, (LPCSTR)strBar);
    CString strAfter;
    m_host.m_bar.GetWindowText(strAfter);
    EXPECT_STREQ("Ready", (LPCSTR)strAfter);

    // the third entry: tab 2, as if it had been clicked
    EXPECT_EQ(2, m_strip.GetCurSel());
    ASSERT_EQ(1, m_parent.Count(WM_COMMAND));
    EXPECT_EQ((WPARAM)(BM_ID_FIRSTTAB + 2), m_parent.Last(WM_COMMAND)->wParam);
}

TEST_F(TabStrip, TheHostsEntriesComeBackWithTheirText)
{
    AddTabs(2);
    CreateHost();
    m_host.m_fnFill = [](CMenu* pMenu) -> LRESULT {
        pMenu->AppendMenu(MF_SEPARATOR);
        pMenu->AppendMenu(MF_STRING, 2005, "Close palette");
        CBookMark::GetExtendedMenu()->AppendMenu(MF_STRING, 2010, "Float palette");
        return 1;
    };
    std::vector<CString> items;
    CString strBar;
    // the menu opens from a scroll button too
    CRect rectForward;
    m_strip.m_btnForward.GetWindowRect(&rectForward);
    CMouseScript script;
    script.MoveTo(rectForward.CenterPoint()).RightDown().Wait(300)
        .Call([&]() {
            items = OpenMenuItems();
            m_host.m_bar.GetWindowText(strBar);
        })
        .KeyPress(VK_UP).KeyPress(VK_UP).KeyPress(VK_RETURN).Wait(100).RightUp();
    ASSERT_TRUE(script.Run());

    ASSERT_EQ(6u, items.size());
    EXPECT_STREQ("Close palette", (LPCSTR)items[3]);
    EXPECT_STREQ("Float palette", (LPCSTR)items[5]);
    // the host answered: its message bar was left alone
    EXPECT_STREQ("Ready", (LPCSTR)strBar);
    ASSERT_EQ(1, m_parent.Count(WM_COMMAND));
    EXPECT_EQ(2005u, (UINT)m_parent.Last(WM_COMMAND)->wParam);
    EXPECT_STREQ("Close palette", (LPCSTR)m_strip.GetChosenHostText());
    EXPECT_EQ(0, m_strip.GetCurSel());      // a host entry selects no tab
}

TEST_F(TabStrip, TheEscapeKeyClosesTheMenuWithoutACommand)
{
    AddTabs(2);
    CMouseScript script;
    script.MoveTo(TabCentre(0)).RightDown().Wait(300).KeyPress(VK_ESCAPE).Wait(100).RightUp();
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(0, m_parent.Count(WM_COMMAND));
    EXPECT_TRUE(::FindWindowA("#32768", NULL) == NULL || !::IsWindowVisible(::FindWindowA("#32768", NULL)));
}

/////////////////////////////////////////////////////////////////////////////
// The window picker

TEST_F(TabStrip, ThePickLoopFindsTheWindowUnderTheCursor)
{
    AddTabs(2);
    CRecordingWnd target;
    ASSERT_TRUE(target.CreateTopLevel(CRect(720, 440, 900, 560), "Pick me"));
    m_parent.SetForegroundWindow();
    PumpTestMessages(20);

    CWnd* pPicked = NULL;
    const CPoint ptTarget(800, 500);
    CMouseScript script;
    script.MoveTo(CPoint(600, 300))
        .Call([&]() { pPicked = m_strip.PickWindow(); })
        .MoveTo(CPoint(700, 450)).MoveTo(ptTarget).LeftDown().LeftUp();
    ASSERT_TRUE(script.Run());
    ASSERT_TRUE(pPicked != NULL);
    EXPECT_EQ(target.m_hWnd, pPicked->m_hWnd);
    EXPECT_TRUE(::GetCapture() == NULL);
    // the moves went nowhere while picking
    EXPECT_EQ(0, target.Count(WM_MOUSEMOVE));

    // the right button gives up
    pPicked = &m_parent;
    CMouseScript cancel;
    cancel.Call([&]() { pPicked = m_strip.PickWindow(); }).MoveTo(ptTarget).RightDown().RightUp();
    ASSERT_TRUE(cancel.Run());
    EXPECT_TRUE(pPicked == NULL);
    EXPECT_TRUE(::GetCapture() == NULL);
}

TEST_F(TabStrip, ThePickEntryOfTheMenuReportsThePickedWindowToTheOwner)
{
    AddTabs(2);
    CreateHost();
    m_host.m_fnFill = [](CMenu* pMenu) -> LRESULT {
        pMenu->AppendMenu(MF_STRING, BM_ID_PICKWINDOW, "Pick window...");
        return 1;
    };
    CRecordingWnd target;
    ASSERT_TRUE(target.CreateTopLevel(CRect(720, 440, 900, 560), "Pick me"));
    m_parent.SetForegroundWindow();
    PumpTestMessages(20);

    CMouseScript script;
    script.MoveTo(TabCentre(1)).RightDown().Wait(300).KeyPress(VK_UP).KeyPress(VK_RETURN).Wait(100).RightUp()
        .Wait(100).MoveTo(CPoint(810, 500)).LeftDown().LeftUp();
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(target.m_hWnd, m_strip.GetPickedWnd());
    ASSERT_EQ(1, m_parent.Count(WM_COMMAND));
    EXPECT_EQ((WPARAM)BM_ID_PICKWINDOW, m_parent.Last(WM_COMMAND)->wParam);
}

/////////////////////////////////////////////////////////////////////////////
// Tool tips

TEST_F(TabStrip, ATabsToolTipIsItsText)
{
    AddTabs(3);
    TOOLTIPTEXTA tta;
    memset(&tta, 0, sizeof(tta));
    tta.hdr.hwndFrom = m_parent.m_hWnd;
    tta.hdr.idFrom = (UINT_PTR)m_strip.GetButton(1)->m_hWnd;
    tta.hdr.code = TTN_NEEDTEXTA;
    tta.uFlags = TTF_IDISHWND;
    m_strip.SendMessage(WM_NOTIFY, 0, (LPARAM)&tta);
    EXPECT_STREQ("Layer properties", tta.szText);

    // the wide form, by control ID, and cut at 80 characters
    m_strip.GetButton(2)->SetWindowText(CString('w', 120));
    TOOLTIPTEXTW ttw;
    memset(&ttw, 0, sizeof(ttw));
    ttw.hdr.hwndFrom = m_parent.m_hWnd;
    ttw.hdr.idFrom = BM_ID_FIRSTTAB + 2;
    ttw.hdr.code = TTN_NEEDTEXTW;
    m_strip.SendMessage(WM_NOTIFY, 0, (LPARAM)&ttw);
    EXPECT_EQ(79u, wcslen(ttw.szText));
    EXPECT_EQ(L'w', ttw.szText[0]);
}

TEST_F(TabStrip, HoveringATabShowsItsToolTip)
{
    AddTabs(3);
    const CPoint pt = TabCentre(2);
    CMouseScript script;
    script.MoveTo(pt).MoveTo(pt + CPoint(1, 0)).Wait(1200).MoveTo(pt + CPoint(2, 0)).Wait(300);
    ASSERT_TRUE(script.Run());

    struct SFound { HWND hWnd; };
    SFound found = { NULL };
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM lParam) -> BOOL {
        char szClass[64] = "";
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0 && ::IsWindowVisible(hWnd))
            ((SFound*)lParam)->hWnd = hWnd;
        return TRUE;
    }, (LPARAM)&found);
    ASSERT_TRUE(found.hWnd != NULL);
    char szText[128] = "";
    ::GetWindowTextA(found.hWnd, szText, sizeof(szText));
    EXPECT_STREQ("Blocks", szText);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

TEST_F(TabStrip, TheSelectedTabStandsOpenToTheWindowItShows)
{
    AddTabs(3);
    m_strip.ResetActFlags();
    m_strip.SetCurSel(1);
    m_strip.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    CClientDC dc(&m_strip);
    const COLORREF clrEdge = ::GetSysColor(COLOR_3DDKSHADOW);
    // the strip's edge line runs along the top, under the unselected tabs too
    CRect rectTab0 = InStrip(m_strip.GetButton(0)), rectTab1 = InStrip(m_strip.GetButton(1));
    EXPECT_EQ(clrEdge, dc.GetPixel(rectTab0.CenterPoint().x, 0));
    EXPECT_EQ(clrEdge, dc.GetPixel(280, 0));
    EXPECT_NE(clrEdge, dc.GetPixel(rectTab1.CenterPoint().x, 0));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), dc.GetPixel(280, 10));

    // a pressed tab keeps the look it had
    CBookMarkButton* pTab = m_strip.GetButton(0);
    CClientDC dcTab(pTab);
    const CPoint ptProbe(rectTab0.Width() / 2, 3);
    const COLORREF clrBefore = dcTab.GetPixel(ptProbe);
    pTab->SetState(TRUE);
    dcTab.FillSolidRect(0, 0, rectTab0.Width(), rectTab0.Height(), RGB(1, 2, 3));
    pTab->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(RGB(1, 2, 3), dcTab.GetPixel(ptProbe));
    pTab->SetState(FALSE);
    pTab->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(clrBefore, dcTab.GetPixel(ptProbe));
}

TEST_F(TabStrip, TheHostCanRecolourTheStrip)
{
    CreateHost();
    m_host.m_fnColor = [](int nIndex, COLORREF* pColor) -> BOOL {
        if (nIndex == COLOR_BTNFACE)
            *pColor = RGB(40, 44, 52);
        else if (nIndex == COLOR_3DDKSHADOW)
            *pColor = RGB(200, 0, 0);
        else
            return FALSE;
        return TRUE;
    };
    AddTabs(2);
    m_strip.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    CClientDC dc(&m_strip);
    EXPECT_EQ(RGB(40, 44, 52), dc.GetPixel(280, 10));
    EXPECT_EQ(RGB(200, 0, 0), dc.GetPixel(280, 0));
    EXPECT_EQ(RGB(200, 0, 0), dc.GetPixel(InStrip(m_strip.GetButton(1)).CenterPoint().x, 0));
}

TEST_F(TabStrip, TheScrollArrowsTurnWithTheStrip)
{
    HICON hHorizontal = m_strip.m_btnBack.GetIcon();
    m_strip.m_btnBack.SetVertical(false);
    EXPECT_EQ(hHorizontal, m_strip.m_btnBack.GetIcon());     // unchanged: nothing to do
    m_strip.m_btnBack.SetVertical(true);
    EXPECT_NE(hHorizontal, m_strip.m_btnBack.GetIcon());
    EXPECT_TRUE(m_strip.m_btnBack.IsVertical());

    // the four arrows differ
    ICONINFO info;
    std::vector<std::vector<DWORD>> masks;
    for (int nVert = 0; nVert < 2; nVert++)
    {
        for (CScrollButton* pButton : { &m_strip.m_btnBack, &m_strip.m_btnForward })
        {
            pButton->SetVertical(nVert != 0);
            ASSERT_TRUE(::GetIconInfo(pButton->GetIcon(), &info));
            BITMAP bm;
            ::GetObject(info.hbmMask, sizeof(bm), &bm);
            EXPECT_EQ(7, bm.bmWidth);
            std::vector<DWORD> bits(64, 0);
            ::GetBitmapBits(info.hbmMask, (LONG)(bits.size() * sizeof(DWORD)), bits.data());
            masks.push_back(bits);
            ::DeleteObject(info.hbmMask);
            ::DeleteObject(info.hbmColor);
        }
    }
    for (size_t i = 0; i < masks.size(); i++)
        for (size_t j = i + 1; j < masks.size(); j++)
            EXPECT_NE(masks[i], masks[j]) << i << " " << j;
}

/////////////////////////////////////////////////////////////////////////////
// GDI balance

TEST(TabStripResources, CreateUseAndDestroyGiveEveryGdiObjectBack)
{
    CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel(CRect(100, 100, 500, 300)));
    CImageList images;
    ASSERT_TRUE(MakeImageList(images, 16, 16));

    auto cycle = [&](int i) {
        CBookMark strip;
        if (!strip.Create(CRect(10, 10, 250, 32), &parent, 5000, (i % 3) == 1 ? BMS_FIT : 0))
            return FALSE;
        for (int k = 0; k < 12; k++)
        {
            strip.AddMark(s_names[k]);
            strip.GetButton(k)->SetImage(&images, 0);
        }
        strip.ResetActFlags();
        strip.SetCurSel(9);
        strip.SetBMStyle((i % 3) == 2 ? BMS_VERT_LEFT : strip.GetBMStyle());
        strip.RemoveMark(3);
        strip.InsertMark(2, "Inserted");
        strip.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        strip.DestroyWindow();
        return TRUE;
    };
    // Wine keeps objects for painting windows in caches that grow with the number of windows
    // painted at once (plain system buttons do the same) and live as long as the process; one
    // cycle of each kind fills them
    for (int i = 0; i < 3; i++)
        ASSERT_TRUE(cycle(i));
    PumpTestMessages(10);
    const long nBefore = CountGdiObjects();
    ASSERT_GT(nBefore, 0);
    const int nCycles = 150;
    for (int i = 3; i < 3 + nCycles; i++)
        ASSERT_TRUE(cycle(i)) << i;
    PumpTestMessages(10);
    EXPECT_EQ(nBefore, CountGdiObjects());
}
