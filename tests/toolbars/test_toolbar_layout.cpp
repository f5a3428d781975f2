// test_toolbar_layout.cpp - the library toolbar's layout: item and button sizes per bar style,
// the fixed sizes docked and undocked, wrapping into rows, placing the items, the band strip's
// scrolling, and what bad resources and indexes give.
//
// Sizes worked by hand.  A button of the 16 x 15 test images measures 16 x 15 + 3 on every side
// = 22 x 21 and is grown to the minimum of button height x button height = 22 x 22.  The
// measuring starts at (button + 2) = 25 x 24; a docked bar starts 26 further along its length.
// The dock bar gives its bars all four 2-pixel borders; a bar's own borders are 3 on each side.
#include "ToolBarTestUtil.h"

namespace
{
using ToolBarLayout = ToolBarTest;

// the bar's items as copies, as a layout pass takes them; deleted with the object
struct SItemCopies
{
    explicit SItemCopies(CUILToolBar* pBar)
    {
        for (int i = 0; i < pBar->GetItemCount(); i++)
            items.push_back(pBar->_GetButtonCopy(i));
    }
    ~SItemCopies()
    {
        for (CUILItem* p : items)
            delete p;
    }
    CUILItem** Data() { return items.data(); }
    int Count() const { return (int)items.size(); }
    // indexes of the items with the wrap bit
    std::vector<int> Wraps() const
    {
        std::vector<int> v;
        for (int i = 0; i < (int)items.size(); i++)
            if (items[i]->m_fsState & TBSTATE_WRAP)
                v.push_back(i);
        return v;
    }
    std::vector<CUILItem*> items;
};
}

TEST_F(ToolBarLayout, ButtonSizePerBarStyle)
{
    // style 0: every button the bar's button size; otherwise each item's own size
    struct { int nStyle; CSize size; } cases[] = {
        { 0, CSize(23, 22) },
        { 0x11, CSize(22, 22) },
        { 0x01, CSize(22, 22) },
    };
    for (const auto& c : cases)
    {
        CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, c.nStyle, 0);
        for (int i : { 0, 1, 3 })
            EXPECT_EQ(c.size, pBar->GetButtonSize(i, 0)) << "style " << c.nStyle << " item " << i;
        // beyond the items: the bar's button size
        EXPECT_EQ(CSize(23, 22), pBar->GetButtonSize(9, 0));
    }
}

// [A][B][sep 8][C]:
//   docked 0x11: 26 + 22 + 22 + 8 + 22 = 100 by 24, plus borders 2 + 3 each side = (110, 34)
//   docked 0   : 26 + 23 + 23 + 8 + 23 = 103; at style 0 the framework's side borders of 6
//                remain: 103 + 2 * (2 + 6) = 119 -> (119, 34)
//   plain 0x11 : 22 + 22 + 8 + 22 = 74 by 24, plus 3 each side = (80, 30)
//   plain 0    : 23 + 23 + 8 + 23 = 77 + 2 * 6 -> (89, 30)
TEST_F(ToolBarLayout, FixedSizeDockedAndUndocked)
{
    struct { int nStyle; UINT nDock; CSize size; } cases[] = {
        { 0x11, AFX_IDW_DOCKBAR_TOP, CSize(110, 34) },
        { 0, AFX_IDW_DOCKBAR_TOP, CSize(119, 34) },
        { 0x11, 0, CSize(80, 30) },
        { 0, 0, CSize(89, 30) },
    };
    for (const auto& c : cases)
    {
        CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, c.nStyle, c.nDock);
        EXPECT_EQ(c.size, pBar->CalcFixedLayout(FALSE, TRUE)) << "style " << c.nStyle << " dock " << c.nDock;
        EXPECT_EQ(c.size, pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK));
        if (c.nDock != 0)
        {
            EXPECT_EQ(c.size, WindowSize(pBar)) << "the dock bar gives it that size";
        }
    }
}

TEST_F(ToolBarLayout, WrappingPrefersSeparatorsAndNeverBreaksAtControls)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_WIDE, 0x11, 0);    // A B sep C D
    struct { int nWidth; int nRows; std::vector<int> wraps; } cases[] = {
        // every button on a row of its own; the first has nothing before it to break after
        { 0, 4, { 0, 2, 3 } },
        // C would end at 74 > 60: the row breaks at the separator before it
        { 60, 2, { 2 } },
        // A and B fit (44), the separator ends at 52 > 50: it wraps itself
        { 50, 2, { 2 } },
        { 96, 1, {} },
    };
    for (const auto& c : cases)
    {
        SItemCopies copies(pBar);
        EXPECT_EQ(c.nRows, pBar->WrapToolBar(copies.Data(), copies.Count(), c.nWidth)) << c.nWidth;
        EXPECT_EQ(c.wraps, copies.Wraps()) << c.nWidth;
    }

    // an embedded control (separator style with a command, 30 wide) at index 1 of A ctrl C
    CUILToolBar* pCtl = MakeBar(IDR_TBTEST_BAR, 0x11, 0);      // A B sep C
    pCtl->SetButtonInfo(1, 4711, TBBS_SEPARATOR, 30);
    pCtl->DeleteButton(2);                                     // A ctrl C
    pCtl->SetNewStyle(0x11, 0);
    SItemCopies copies(pCtl);
    // A 22, ctrl 52 > 50: break after A; C at 30 + 22 = 52 > 50 finds no place: the control
    // never takes the wrap bit
    EXPECT_EQ(2, pCtl->WrapToolBar(copies.Data(), copies.Count(), 50));
    EXPECT_EQ(std::vector<int>({ 0 }), copies.Wraps());

    // a hidden item neither counts nor wraps
    struct { int nHidden; int nWidth; int nRows; std::vector<int> wraps; } hiddenCases[] = {
        // A (B) sep C D: 22 + 8 + 22 + 22 = 74 fits in 80 (with B it would not)
        { 1, 80, 1, {} },
        // A B (sep) C D at 60: C ends at 66; the hidden separator is passed over, B ends the row
        { 2, 60, 2, { 1 } },
    };
    for (const auto& c : hiddenCases)
    {
        SItemCopies hidden(pBar);
        hidden.items[c.nHidden]->m_fsState |= TBSTATE_HIDDEN;
        EXPECT_EQ(c.nRows, pBar->WrapToolBar(hidden.Data(), hidden.Count(), c.nWidth)) << c.nHidden;
        EXPECT_EQ(c.wraps, hidden.Wraps()) << c.nHidden;
    }
}

// [A][B][sep, wrapping] / [C][D], not docked: width 44; height: the separator's row 22 + 5,
// then C and D from 27 to 49.
TEST_F(ToolBarLayout, MeasuringAndPlacingWrappedRows)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_WIDE, 0x11, 0);
    SItemCopies copies(pBar);
    pBar->WrapToolBar(copies.Data(), copies.Count(), 60);
    EXPECT_EQ(CSize(44, 49), pBar->CalcSize(copies.Data(), copies.Count()));

    // the same rows on the bar's own items: 2 pixels below the client top, 5 between the rows
    for (int i = 0; i < copies.Count(); i++)
        pBar->_GetButtonPtr(i)->m_fsState = copies.items[i]->m_fsState ^ TBSTATE_ENABLED;
    pBar->RepositionItems((CUILItem**)pBar->m_arrItems.GetData(), pBar->GetItemCount(), NULL);
    struct { int nIndex; CRect rect; } cases[] = {
        { 0, CRect(0, 2, 22, 24) },
        { 1, CRect(22, 2, 44, 24) },
        { 3, CRect(0, 29, 22, 51) },
        { 4, CRect(22, 29, 44, 51) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rect, CRect(pBar->_GetButtonPtr(c.nIndex)->m_rcItem)) << c.nIndex;
}

TEST_F(ToolBarLayout, DockedBarPlacesItemsFromItsClientTop)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, 0x11, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(CRect(0, 2, 22, 24), ItemRect(pBar, 0));
    EXPECT_EQ(CRect(52, 2, 74, 24), ItemRect(pBar, 3));
    // the client area starts after the borders (5) and the band room (26); top border 5 - 2
    CRect rectClient, rectWindow;
    pBar->GetClientRect(&rectClient);
    pBar->ClientToScreen(&rectClient);
    pBar->GetWindowRect(&rectWindow);
    EXPECT_EQ(CSize(31, 3), CSize(rectClient.left - rectWindow.left, rectClient.top - rectWindow.top));
}

// Docked on top the bar is 110 x 34: the scroll limit is 110 - 34 - 22 = 54.  Forward moves by
// 16 (16, 32, 48, then clamped at 54), back by 20 (34, 14, then 0).
TEST_F(ToolBarLayout, BandScrollStepsAndLimits)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, 0x111, AFX_IDW_DOCKBAR_TOP);
    ASSERT_EQ(CSize(110, 34), WindowSize(pBar));
    ASSERT_EQ(2, pBar->m_band.GetItemCount());
    EXPECT_EQ(UIL_BANDSTATE_TOP | UIL_BANDSTATE_ENABLE2, pBar->CalcBandState());

    struct { UINT nCommand; int nOffset; UINT nState; } steps[] = {
        { UIL_SC_BANDFORWARD, 16, UIL_BANDSTATE_TOP | UIL_BANDSTATE_ENABLE2 | UIL_BANDSTATE_DOCKABLE },
        { UIL_SC_BANDFORWARD, 32, UIL_BANDSTATE_TOP | UIL_BANDSTATE_ENABLE2 | UIL_BANDSTATE_DOCKABLE },
        { UIL_SC_BANDFORWARD, 48, UIL_BANDSTATE_TOP | UIL_BANDSTATE_ENABLE2 | UIL_BANDSTATE_DOCKABLE },
        { UIL_SC_BANDFORWARD, 54, UIL_BANDSTATE_TOP | UIL_BANDSTATE_DOCKABLE },
        { UIL_SC_BANDFORWARD, 54, UIL_BANDSTATE_TOP | UIL_BANDSTATE_DOCKABLE },
        { UIL_SC_BANDBACK, 34, UIL_BANDSTATE_TOP | UIL_BANDSTATE_ENABLE2 | UIL_BANDSTATE_DOCKABLE },
        { UIL_SC_BANDBACK, 14, UIL_BANDSTATE_TOP | UIL_BANDSTATE_ENABLE2 | UIL_BANDSTATE_DOCKABLE },
        { UIL_SC_BANDBACK, 0, UIL_BANDSTATE_TOP | UIL_BANDSTATE_ENABLE2 },
    };
    for (const auto& s : steps)
    {
        pBar->SendMessage(WM_SYSCOMMAND, s.nCommand, 0);
        EXPECT_EQ(s.nOffset, pBar->GetScrollOffset());
        EXPECT_EQ(s.nState, pBar->m_band.GetState());
        EXPECT_EQ(s.nState, pBar->CalcBandState());
        // the items move back by the offset
        EXPECT_EQ(-s.nOffset, ItemRect(pBar, 0).left);
    }
    // a floating bar has no band state
    m_pHost->FloatControlBar(pBar, CPoint(300, 300), CBRS_ALIGN_TOP);
    EXPECT_EQ(0u, pBar->CalcBandState());
}

TEST_F(ToolBarLayout, StyleChangesGiveItemLooks)
{
    struct { int nStyle; int nLook; int nExpected; } cases[] = {
        { 0x11, UILIS_INITIAL | UILIS_TEXT, UILIS_BARITEM | UILIS_IMAGE | UILIS_CUSTOMLOOK },
        { 0x02, UILIS_INITIAL, UILIS_MENUITEM | UILIS_TEXT | UILIS_ACCELTEXT | UILIS_DEFAULTLOOK },
        { 0x14, UILIS_MENUITEM | UILIS_TEXT | UILIS_DEFAULTLOOK,
          UILIS_BARITEM | UILIS_IMAGE | UILIS_MENUIMAGES | UILIS_CUSTOMLOOK },
        { 0x06, UILIS_POPUP | UILIS_BARITEM,
          UILIS_POPUP | UILIS_MENUITEM | UILIS_TEXT | UILIS_ACCELTEXT | UILIS_MENUIMAGES | UILIS_DEFAULTLOOK },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nExpected, CUILToolBar::GetDefaultItemStyle(c.nStyle, c.nLook)) << c.nStyle;

    CUILToolBar* pBar = MakeBar(IDR_TBTEST_MENU, 0x11, 0);
    pBar->SetButtonText(0, "Xenon");
    // a refresh keeps the items; the look and the text follow
    CUILItem* pFirst = pBar->_GetButtonPtr(0);
    EXPECT_EQ(1, pBar->SetNewStyle(0x12, 0));
    EXPECT_EQ(pFirst, pBar->_GetButtonPtr(0));
    EXPECT_EQ(UILIS_MENUITEM | UILIS_TEXT | UILIS_ACCELTEXT | UILIS_CUSTOMLOOK, pFirst->GetExStyle());
    CString strText;
    pFirst->GetText(strText);
    EXPECT_STREQ("Xenon", strText);
    EXPECT_EQ(0x12, pBar->GetBarStyleEx());
    // a popup menu bar makes every item as wide as the widest
    pBar->SetNewStyle(0x14, UILIS_TEXT);
    const int cx0 = ItemRect(pBar, 0).Width();
    for (int i = 1; i < 3; i++)
        EXPECT_EQ(cx0, ItemRect(pBar, i).Width()) << i;
    // another number of records rebuilds the items
    pBar->DeleteButton(2);
    const UINT ids[] = { ID_TBTEST_X, ID_TBTEST_Y, 0, ID_TBTEST_Z };
    pBar->SetButtons(ids, 4);
    EXPECT_EQ(0, pBar->GetItemCount()) << "new records drop the old items";
    EXPECT_EQ(1, pBar->SetNewStyle(0x11, 0));
    EXPECT_EQ(4, pBar->GetItemCount());
    EXPECT_TRUE(pBar->_GetButtonPtr(2)->IsSeparator());
}

TEST_F(ToolBarLayout, ButtonTextsGoThroughTheStringMap)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, 0x11, 0);
    EXPECT_STREQ("", pBar->GetButtonText(0));
    EXPECT_TRUE(pBar->SetButtonText(0, "Open"));
    EXPECT_TRUE(pBar->SetButtonText(1, "Save"));
    EXPECT_TRUE(pBar->SetButtonText(3, "Open"));
    EXPECT_STREQ("Open", pBar->GetButtonText(0));
    EXPECT_STREQ("Save", pBar->GetButtonText(1));
    EXPECT_STREQ("Open", pBar->GetButtonText(3));
    // one string for the two "Open"s
    ASSERT_NE(nullptr, pBar->m_pStringMap);
    EXPECT_EQ(2, (int)pBar->m_pStringMap->GetCount());
}

/////////////////////////////////////////////////////////////////////////////
// Bad input

TEST_F(ToolBarLayout, BadResourcesFailOrGiveAnEmptyBar)
{
    CUILToolBar bar;
    ASSERT_TRUE(bar.Create(m_pHost, WS_CHILD | CBRS_ALIGN_TOP, 0xE950));
    struct { UINT nID; int nResult; const char* pszWhy; } cases[] = {
        { 4698, 0, "no such toolbar" },
        { IDR_TBTEST_NOBITMAP, 0, "no bitmap of that name" },
        { IDR_TBTEST_BADVERSION, 0, "unknown version" },
        { IDR_TBTEST_EMPTY, 1, "no buttons: an empty bar" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nResult, bar.LoadToolBar(c.nID)) << c.pszWhy;
    EXPECT_EQ(0, bar.GetCount());
    EXPECT_EQ(1, bar.SetNewStyle(0x11, 0));
    EXPECT_EQ(0, bar.GetItemCount());
    // nothing but the starting size (25 x 24) and the borders
    EXPECT_EQ(CSize(31, 30), bar.CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(0, bar.LoadBitmap(4698));

    // no ids: separators
    EXPECT_EQ(1, bar.SetButtons(NULL, 3));
    bar.SetNewStyle(0x11, 0);
    ASSERT_EQ(3, bar.GetItemCount());
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(bar._GetButtonPtr(i)->IsSeparator()) << i;
}

TEST_F(ToolBarLayout, IndexesOutOfRangeChangeNothing)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, 0x11, 0);
    const UINT nStyle1 = pBar->GetButtonStyle(1);
    for (int nIndex : { -1, 4, 99 })
    {
        pBar->SetButtonStyle(nIndex, TBBS_CHECKED);
        pBar->SetButtonInfo(nIndex, 4711, TBBS_BUTTON, 0);
        EXPECT_EQ(0, pBar->SetButtonText(nIndex, "lost"));
        CUILItem item;
        EXPECT_EQ(0, pBar->SetItemInfo(nIndex, item));
        EXPECT_EQ(0, pBar->GetItemInfo(nIndex, item));
        EXPECT_EQ(0, pBar->DeleteButton(nIndex));
        EXPECT_TRUE(ItemRect(pBar, nIndex).IsRectEmpty());
        EXPECT_EQ(nullptr, pBar->_GetButtonPtr(nIndex));
        pBar->SelectItem(nIndex);
    }
    EXPECT_EQ(4, pBar->GetCount());
    EXPECT_EQ(4, pBar->GetItemCount());
    EXPECT_EQ(-1, pBar->CommandToIndex(4711));
    EXPECT_EQ(nStyle1, pBar->GetButtonStyle(1));
    EXPECT_EQ(-1, pBar->GetSelectedItem());
}
