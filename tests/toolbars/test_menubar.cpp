// test_menubar.cpp - the menu bar: items made from a menu (popups, separators, nested popups),
// loading and installing, commands from clicks and from the keyboard walk, its right-click
// popup of looks, command images from toolbars and the bar styles a toolbar switches itself.
#include "ToolBarTestUtil.h"

namespace
{
class MenuBarTest : public ToolBarTest
{
protected:
    CUILMenuBar* MakeMenuBar(BOOL bLoad = TRUE)
    {
        CUILMenuBar* pBar = new CUILMenuBar;
        m_bars.emplace_back(pBar);
        EXPECT_TRUE(pBar->Create(m_pHost, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE980));
        if (bLoad)
        {
            EXPECT_EQ(1, pBar->LoadMenu(IDR_TBTEST_MENUBAR));
        }
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pHost->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        m_pHost->RecalcLayout();
        PumpTestMessages(20);
        return pBar;
    }
};

// Alt held over a key press, as a user types a mnemonic
void AltKey(WORD wKey)
{
    INPUT in[4];
    memset(in, 0, sizeof(in));
    const WORD keys[4] = { VK_MENU, wKey, wKey, VK_MENU };
    for (int i = 0; i < 4; i++)
    {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = keys[i];
        in[i].ki.dwFlags = (i >= 2) ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(4, in, sizeof(INPUT));
}
}

TEST_F(MenuBarTest, LoadedMenuBecomesItemsWithPopupBarsAllTheWayDown)
{
    CUILMenuBar* pBar = MakeMenuBar();
    EXPECT_EQ(0x12, pBar->GetBarStyleEx());
    EXPECT_EQ(3, pBar->m_cxLeftBorder);
    CUILToolBar* pAlpha = pBar->_GetButtonPtr(0)->m_pPopupBar;
    ASSERT_NE(nullptr, pAlpha);
    CUILToolBar* pMore = pAlpha->_GetButtonPtr(2)->m_pPopupBar;
    ASSERT_NE(nullptr, pMore);
    struct { CUILToolBar* pBar; int nIndex; const char* pszText; UINT nID; bool bSep, bPopup, bDisabled, bChecked; } rows[] = {
        { pBar, 0, "&Alpha", 0, false, true, false, false },
        { pBar, 1, "", 0, true, false, false, false },
        { pBar, 2, "&Xray", 0, false, true, false, false },
        { pBar, 3, "&Direct", ID_TBTEST_D, false, false, false, false },
        { pAlpha, 0, "&Apple\tCtrl+A", ID_TBTEST_A, false, false, false, false },
        { pAlpha, 1, "", 0, true, false, false, false },
        { pAlpha, 2, "&More", 0, false, true, false, false },
        { pAlpha, 3, "&Banana", ID_TBTEST_B, false, false, true, false },
        { pMore, 1, "&Quince", ID_TBTEST_Q, false, false, false, true },
    };
    for (const auto& r : rows)
    {
        CUILItem* pItem = r.pBar->_GetButtonPtr(r.nIndex);
        ASSERT_NE(nullptr, pItem) << r.pszText;
        EXPECT_STREQ(r.pszText, pItem->m_strText) << r.nIndex;
        EXPECT_EQ(r.nID, (UINT)pItem->m_idCommand) << r.pszText;
        EXPECT_EQ(r.bSep, pItem->IsSeparator() != 0) << r.pszText;
        EXPECT_EQ(r.bPopup, (pItem->m_nExStyle & UILIS_POPUP) != 0) << r.pszText;
        EXPECT_EQ(r.bDisabled, pItem->IsDisabled() != 0) << r.pszText;
        EXPECT_EQ(r.bChecked, (pItem->m_fsState & TBSTATE_CHECKED) != 0) << r.pszText;
    }
    EXPECT_EQ(4, pBar->GetItemCount());
    EXPECT_EQ(4, pAlpha->GetItemCount());
    EXPECT_EQ(2, pMore->GetItemCount());
    EXPECT_EQ(0x14, pAlpha->GetBarStyleEx());
    EXPECT_EQ(0x14, pMore->GetBarStyleEx());
    EXPECT_EQ(UIL_MENUBAR_ITEMLOOK, pBar->_GetButtonPtr(3)->m_nExStyle & ~UILIS_VERTICAL);
    EXPECT_EQ(UILIS_MENUITEM | UILIS_MENUIMAGES | UILIS_ACCELTEXT,
        pAlpha->_GetButtonPtr(3)->m_nExStyle & (UILIS_MENUITEM | UILIS_MENUIMAGES | UILIS_ACCELTEXT | UILIS_BARITEM));
    EXPECT_FALSE(pAlpha->IsWindowVisible());

    // what cannot be loaded leaves the bar as it was
    EXPECT_EQ(0, pBar->LoadMenu(4999));
    EXPECT_EQ(0, pBar->LoadMenu("NoSuchMenu"));
    EXPECT_EQ(4, pBar->GetItemCount());
    EXPECT_EQ(-1, pBar->ConvertMenu(NULL, UIL_MENUBAR_ITEMLOOK));
}

TEST_F(MenuBarTest, InstallTakesTheFramesMenuAway)
{
    CUILMenuBar* pBar = MakeMenuBar(FALSE);
    EXPECT_EQ(0, pBar->Install(m_pHost)) << "a frame without a menu";
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_TBTEST_MENUBAR));
    ASSERT_NE(nullptr, hMenu);
    ::SetMenu(m_pHost->m_hWnd, hMenu);
    EXPECT_EQ(1, pBar->Install(m_pHost));
    EXPECT_EQ(nullptr, ::GetMenu(m_pHost->m_hWnd));
    EXPECT_FALSE(::IsMenu(hMenu));
    EXPECT_EQ(4, pBar->GetItemCount());
    EXPECT_EQ(2, pBar->GetOwnedPopupCount());
}

TEST_F(MenuBarTest, ClickOpensThePopupAndAnEntrySendsItsCommandToTheFrame)
{
    m_pHost->m_pFloatingFrameClass = RUNTIME_CLASS(CUILMiniDockFrameWnd);
    CUILMenuBar* pBar = MakeMenuBar();
    CUILToolBar* pXray = pBar->_GetButtonPtr(2)->m_pPopupBar;
    CMouseScript open;
    open.MoveTo(ItemCentre(pBar, 2)).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(open.Run());
    ASSERT_TRUE(pXray->IsWindowVisible());
    EXPECT_EQ(2, pBar->GetExpandedItem());
    // the popup's frame shows no caption: its entries start right under the item
    CFrameWnd* pPopupFrame = pXray->GetParentFrame();
    ASSERT_TRUE(pPopupFrame != NULL && pPopupFrame->IsKindOf(RUNTIME_CLASS(CUILMiniDockFrameWnd)));
    EXPECT_EQ(0u, pPopupFrame->GetStyle() & WS_CAPTION & ~WS_BORDER);
    CRect rectItem, rectPopup;
    pBar->GetItemRect(2, &rectItem);
    pBar->ClientToScreen(&rectItem);
    pXray->GetWindowRect(&rectPopup);
    EXPECT_LE(rectItem.bottom, rectPopup.top);
    EXPECT_GE(rectItem.bottom + 4, rectPopup.top);
    CMouseScript choose;
    choose.MoveTo(ItemCentre(pXray, 1)).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(choose.Run());
    EXPECT_EQ(std::vector<UINT>({ ID_TBTEST_Y }), m_pHost->m_commands);
    EXPECT_FALSE(pXray->IsWindowVisible());
    // a top-level entry without a popup is a command of its own
    CMouseScript direct;
    direct.MoveTo(ItemCentre(pBar, 3)).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(direct.Run());
    EXPECT_EQ(std::vector<UINT>({ ID_TBTEST_Y, ID_TBTEST_D }), m_pHost->m_commands);
}

TEST_F(MenuBarTest, KeyboardWalkOpensChoosesAndGivesTheFocusBack)
{
    CUILMenuBar* pBar = MakeMenuBar();
    CUILToolBar* pXray = pBar->_GetButtonPtr(2)->m_pPopupBar;
    CRecordingWnd view;
    ASSERT_TRUE(view.CreateChild(m_pHost, CRect(200, 200, 300, 300), 77));
    view.SetFocus();
    struct { WORD wKey; int nSelected; bool bBarFocused; } walk[] = {
        { VK_F10, 0, true },        // the first entry
        { VK_RIGHT, 2, true },      // over the separator
        { VK_RIGHT, 3, true },
        { VK_RIGHT, 0, true },      // wraps
        { VK_LEFT, 3, true },
        { VK_ESCAPE, -1, false },   // back to the view
    };
    for (const auto& w : walk)
    {
        CMouseScript keys;
        keys.KeyPress(w.wKey).Wait(30);
        ASSERT_TRUE(keys.Run());
        EXPECT_EQ(w.nSelected, pBar->GetSelectedItem()) << w.wKey;
        EXPECT_EQ(w.bBarFocused, ::GetFocus() == pBar->m_hWnd) << w.wKey;
    }
    EXPECT_EQ(view.m_hWnd, ::GetFocus());

    CMouseScript open;
    open.KeyPress(VK_F10).Wait(30).KeyPress(VK_RIGHT).Wait(30).KeyPress(VK_DOWN).Wait(50);
    ASSERT_TRUE(open.Run());
    ASSERT_TRUE(pXray->IsWindowVisible());
    EXPECT_EQ(0, pXray->GetSelectedItem());
    EXPECT_EQ(pXray->m_hWnd, ::GetFocus());
    CMouseScript choose;
    choose.KeyPress(VK_DOWN).Wait(30).KeyPress(VK_RETURN).Wait(50);
    ASSERT_TRUE(choose.Run());
    EXPECT_EQ(std::vector<UINT>({ ID_TBTEST_Y }), m_pHost->m_commands);
    EXPECT_FALSE(pXray->IsWindowVisible());
    EXPECT_FALSE(pBar->IsKeyboardActive());
    EXPECT_EQ(view.m_hWnd, ::GetFocus());

    // Alt+X opens Xray at once
    CMouseScript mnemonic;
    mnemonic.Call([] { AltKey('X'); }).Wait(80);
    ASSERT_TRUE(mnemonic.Run());
    EXPECT_TRUE(pXray->IsWindowVisible());
    EXPECT_EQ(2, pBar->GetExpandedItem());
    CMouseScript leave;
    leave.KeyPress(VK_ESCAPE).Wait(30).KeyPress(VK_ESCAPE).Wait(30);
    ASSERT_TRUE(leave.Run());
    EXPECT_FALSE(pXray->IsWindowVisible());
    EXPECT_EQ(view.m_hWnd, ::GetFocus());
}

TEST_F(MenuBarTest, RightClickPopupSwitchesLooksAndItemOptions)
{
    CUILMenuBar* pBar = MakeMenuBar();
    std::vector<CString> texts;
    std::vector<UINT> states;
    // Down n times and Return in the popup that a right click on entry 3 opens
    auto choose = [&](int nDowns) {
        CMouseScript script;
        script.MoveTo(ItemCentre(pBar, 3)).RightDown().RightUp()
              .WaitFor([] { return !ReadOpenMenu().empty(); })
              .Call([&] { states.clear(); texts = ReadOpenMenu(&states); });
        for (int i = 0; i < nDowns; i++)
            script.KeyPress(VK_DOWN).Wait(20);
        script.KeyPress(VK_RETURN).Wait(50);
        return script.Run();
    };
    ASSERT_TRUE(choose(1));
    ASSERT_EQ(6u, texts.size());
    EXPECT_EQ(std::vector<CString>({ "WEXO MenuBar", "WEXO MenuBar'97", "", "Bitmap Only", "Text Only", "Bitmap and Text" }), texts);
    EXPECT_FALSE(states[0] & MF_CHECKED);
    EXPECT_TRUE(states[1] & MF_CHECKED);
    EXPECT_EQ(0x2, pBar->GetBarStyleEx());
    EXPECT_EQ(UILIS_DEFAULTLOOK, pBar->_GetButtonPtr(3)->m_nExStyle & (UILIS_DEFAULTLOOK | UILIS_CUSTOMLOOK));

    ASSERT_TRUE(choose(2));
    ASSERT_EQ(2u, texts.size()) << "no item options without own look";
    EXPECT_TRUE(states[0] & MF_CHECKED);
    EXPECT_FALSE(states[1] & MF_CHECKED);
    EXPECT_EQ(0x12, pBar->GetBarStyleEx());

    ASSERT_TRUE(choose(4));     // Text Only
    EXPECT_EQ(UILIS_TEXT, pBar->_GetButtonPtr(3)->m_nExStyle & (UILIS_TEXT | UILIS_IMAGE));
    EXPECT_EQ(UILIS_TEXT | UILIS_IMAGE, pBar->_GetButtonPtr(0)->m_nExStyle & (UILIS_TEXT | UILIS_IMAGE));
}

TEST_F(MenuBarTest, ImagesComeFromToolbarsIntoTheBarTree)
{
    CUILMenuBar* pBar = MakeMenuBar();
    const UINT wide = IDR_TBTEST_WIDE;     // A, B, C, D
    EXPECT_EQ(1, pBar->ExtractImages(&wide, 1, RGB(192, 192, 192), 0)) << "D only";
    EXPECT_EQ(3, pBar->ExtractImages(&wide, 1, RGB(192, 192, 192), 1)) << "D, and A and B in Alpha";
    CUILItem* pApple = pBar->_GetButtonPtr(0)->m_pPopupBar->_GetButtonPtr(0);
    EXPECT_NE(nullptr, pApple->GetImageList());
    EXPECT_EQ(2, pBar->ExtractImagesFromResource(MAKEINTRESOURCEA(IDR_TBTEST_BAR), RGB(192, 192, 192)));
    EXPECT_EQ(-1, pBar->ExtractImagesFromResource(MAKEINTRESOURCEA(IDR_TBTEST_NOBITMAP), 0));
    EXPECT_EQ(-1, pBar->ExtractImagesFromResource("NoSuchToolbar", 0));
}

TEST_F(MenuBarTest, ToolbarCommandsSwitchItsBarStyle)
{
    CUILToolBar* pBar = MakeBar(IDR_TBTEST_BAR, 0x11, AFX_IDW_DOCKBAR_TOP);
    struct { UINT nID; int nStyle; int nLook; } rows[] = {
        { UIL_ID_BARSTYLE_MENU, 0x2, UILIS_MENUITEM | UILIS_TEXT | UILIS_ACCELTEXT },
        // the bar's own look shows bar buttons as images only
        { UIL_ID_BARSTYLE_PLAIN, 0x0, UILIS_BARITEM | UILIS_IMAGE | UILIS_ACCELTEXT },
        { UIL_ID_BARSTYLE_FOLLOW, 0x1, UILIS_BARITEM | UILIS_IMAGE | UILIS_ACCELTEXT },
        { UIL_ID_BARSTYLE_POPUPMENU, 0x14, UILIS_MENUIMAGES | UILIS_TEXT | UILIS_IMAGE },
        { UIL_ID_BARSTYLE_OWNLOOK, 0x11, UILIS_BARITEM | UILIS_IMAGE | UILIS_TEXT },
    };
    for (const auto& r : rows)
    {
        pBar->SendMessage(WM_COMMAND, r.nID, 0);
        EXPECT_EQ(r.nStyle, pBar->GetBarStyleEx()) << r.nID;
        EXPECT_EQ(r.nLook, pBar->_GetButtonPtr(0)->m_nExStyle & r.nLook) << r.nID;
    }
}
