// test_flyouts.cpp - flyout toolbars under real input (click, press and hold, the menu and its
// tip), the tip window's size and mirroring, show levels, and the hover popup bar's place and
// approach logic driven tick by tick.
#include "ToolBarTestUtil.h"

namespace
{
class FlyOutTest : public ToolBarTest
{
protected:
    void TearDown() override
    {
        m_popup.reset();
        for (auto& p : m_flyBars)
            if (p->GetSafeHwnd() != NULL)
                p->DestroyWindow();
        m_flyBars.clear();
        ToolBarTest::TearDown();
    }
    // A B sep C docked on top, button A a flyout of X Y Z (images red, green, blue like A B C)
    CToolBarEx* MakeFlyBar(int nMode)
    {
        m_flyBars.emplace_back(new CToolBarEx);
        CToolBarEx* pBar = m_flyBars.back().get();
        pBar->m_nFlyOutMode = nMode;
        EXPECT_TRUE(pBar->CreateEx(m_pHost, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
        EXPECT_TRUE(pBar->LoadToolBar(IDR_TBTEST_BAR));
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pHost->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        m_pHost->RecalcLayout();
        EXPECT_EQ(1, pBar->SetFlyOut(0, IDR_TBTEST_MENU, 0));
        PumpTestMessages(20);
        return pBar;
    }
    static CPoint Centre(CToolBar* pBar, int nIndex)
    {
        CRect rect;
        pBar->GetItemRect(nIndex, &rect);
        return ScreenPoint(pBar, rect.CenterPoint());
    }
    // the centre pixel of image i of the bar's image list
    static COLORREF ImageColor(CToolBar* pBar, int i)
    {
        CPixelCanvas canvas(16, 15);
        ::ImageList_Draw((HIMAGELIST)pBar->SendMessage(TB_GETIMAGELIST), i, canvas.DC().GetSafeHdc(), 0, 0, ILD_NORMAL);
        return canvas.Pixel(8, 7);
    }
    std::vector<std::unique_ptr<CToolBarEx>> m_flyBars;
    std::unique_ptr<CPopupBar> m_popup;
};
}

TEST_F(FlyOutTest, ShortClickOnAFlyoutIsAnOrdinaryClick)
{
    CToolBarEx* pBar = MakeFlyBar(0);
    CMouseScript script;
    script.MoveTo(Centre(pBar, 0)).LeftDown().Wait(100).LeftUp().Wait(400);
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(std::vector<UINT>({ ID_TBTEST_A }), m_pHost->m_commands);
    EXPECT_TRUE(::FindWindowA("#32768", NULL) == NULL || !::IsWindowVisible(::FindWindowA("#32768", NULL)));
}

TEST_F(FlyOutTest, HoldOpensTheMenuAndTheChosenCommandStaysOnTheButton)
{
    // mode, keys down to the entry, entry, the bar image of the same colour (Y green like B, Z blue like C)
    struct { int nMode; int nDowns; UINT nChosen; int nSameImage; } rows[] = {
        { 0, 2, ID_TBTEST_Y, 1 },
        { 1, 3, ID_TBTEST_Z, 2 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.nMode);
        CToolBarEx* pBar = MakeFlyBar(row.nMode);
        m_pHost->m_commands.clear();
        // the tip text comes from the main window's tooltip answer
        CMainWindowScope mainScope;
        CRecordingWnd* pMain = (CRecordingWnd*)mainScope.GetWnd();
        pMain->Watch(WM_NOTIFY);
        pMain->m_fnAnswer = [](UINT, WPARAM wParam, LPARAM lParam, BOOL& bHandled) -> LRESULT {
            if (((NMHDR*)lParam)->code == TTN_NEEDTEXTA)
                wsprintfA(((TOOLTIPTEXTA*)lParam)->szText, "Tip %u", (UINT)wParam);
            bHandled = TRUE;
            return 0;
        };
        size_t nEntries = 0;
        CRect rcTip, rcEntry;
        CString strTip;
        CMouseScript script;
        script.MoveTo(Centre(pBar, 0)).LeftDown().Wait(800).LeftUp()
              .Call([&] { nEntries = ReadOpenMenu().size(); });
        for (int i = 0; i < row.nDowns; i++)
            script.KeyPress(VK_DOWN).Wait(30);
        script.Wait(150).Call([&] {
            CToolTip2* pTip = CPopupToolBar::FindTipWnd();
            if (pTip != NULL && pTip->IsWindowVisible())
            {
                pTip->GetWindowRect(&rcTip);
                pTip->GetWindowText(strTip);
            }
            rcEntry = CPopupToolBar::GetTipRect();
        }).KeyPress(VK_RETURN).Wait(100);
        ASSERT_TRUE(script.Run());
        EXPECT_EQ(3u, nEntries);
        CString strExpected;
        strExpected.Format("Tip %u", row.nChosen);
        EXPECT_EQ(strExpected, strTip);
        EXPECT_EQ(rcEntry.right, rcTip.left) << "the tip stands right of its entry";
        EXPECT_EQ(rcEntry.top, rcTip.top);
        EXPECT_FALSE(CPopupToolBar::FindTipWnd()->IsWindowVisible()) << "hidden when the menu closes";
        PumpTestMessages(50);
        ASSERT_EQ(std::vector<UINT>({ row.nChosen }), m_pHost->m_commands);
        if (row.nMode == 0)
            pBar->UpdateFlyOutButtons(m_pHost->m_commands.back());   // the host's handler does this
        EXPECT_EQ(row.nChosen, pBar->GetItemID(0));
        EXPECT_EQ(ImageColor(pBar, row.nSameImage), ImageColor(pBar, 0));
        EXPECT_FALSE(pBar->GetButtonStyle(0) & TBBS_PRESSED);

        CMouseScript click;
        click.MoveTo(Centre(pBar, 0)).LeftDown().LeftUp().Wait(400);
        ASSERT_TRUE(click.Run());
        EXPECT_EQ(std::vector<UINT>({ row.nChosen, row.nChosen }), m_pHost->m_commands);
        pBar->DestroyWindow();
    }
}

TEST_F(FlyOutTest, FlyoutMenuButtonAsksTheOwnerForItsMenu)
{
    CToolBarEx* pBar = MakeFlyBar(0);
    CRecordingWnd owner;
    ASSERT_TRUE(owner.CreateTopLevel(CRect(700, 500, 760, 540)));
    owner.Watch(WM_TRACK_FLYOUTMENU);
    owner.Watch(WM_COMMAND);
    pBar->SetOwner(&owner);
    pBar->SetFlyOutMenu(ID_TBTEST_C);
    EXPECT_EQ(1, pBar->IsFlyOutMenu(ID_TBTEST_C));
    EXPECT_EQ(0, pBar->IsFlyOutMenu(ID_TBTEST_B));
    CMouseScript script;
    script.MoveTo(Centre(pBar, 3)).LeftDown().Wait(800).LeftUp().Wait(50);
    ASSERT_TRUE(script.Run());
    ASSERT_EQ(1, owner.Count(WM_TRACK_FLYOUTMENU));
    EXPECT_EQ((WPARAM)pBar, owner.Last(WM_TRACK_FLYOUTMENU)->wParam);
    EXPECT_EQ(3, owner.Last(WM_TRACK_FLYOUTMENU)->lParam);
    EXPECT_EQ(0, owner.Count(WM_COMMAND)) << "a held button sends no command";
    EXPECT_EQ(-1, pBar->m_nPressed);
}

TEST_F(FlyOutTest, DescriptionsIconsAndBadInput)
{
    CToolBarEx* pBar = MakeFlyBar(0);
    // a description over an image list of the host: P, separator, Q
    CImageList images;
    ASSERT_TRUE(CTestImages::Fill(images, 2));
    const UINT ids[] = { ID_TBTEST_P, 0, ID_TBTEST_Q };
    CTBarInfo info(images.GetSafeHandle(), ids, 3);
    EXPECT_EQ(1, info.CommandToImage(ID_TBTEST_Q));
    EXPECT_EQ(1, pBar->SetFlyOut(1, &info, ID_TBTEST_Q));
    EXPECT_EQ(1, pBar->IsFlyOut(1));
    EXPECT_EQ(&info, pBar->GetTBarInfo(1));
    EXPECT_EQ(ID_TBTEST_Q, pBar->GetItemID(1));
    EXPECT_EQ(CTestImages::Color(0, 1), ImageColor(pBar, 1));
    EXPECT_EQ(1, pBar->IsItemFromTBar(ID_TBTEST_P, 1));
    EXPECT_EQ(1, pBar->IsItemFromTBar(ID_TBTEST_Z, IDR_TBTEST_MENU));
    EXPECT_EQ(0, pBar->IsItemFromTBar(ID_TBTEST_A, IDR_TBTEST_MENU));
    // a command of one flyout changes only that flyout's button
    EXPECT_EQ(1, pBar->ActivateFlyOutButton(ID_TBTEST_P));
    EXPECT_EQ(ID_TBTEST_P, pBar->GetItemID(1));
    EXPECT_EQ(ID_TBTEST_A, pBar->GetItemID(0));
    EXPECT_EQ(0, pBar->ActivateFlyOutButton(ID_TBTEST_C));

    // bad indexes, separators and missing resources change nothing
    EXPECT_EQ(0, pBar->SetFlyOut(2, IDR_TBTEST_MENU, ID_TBTEST_X));    // separator
    EXPECT_EQ(0, pBar->SetFlyOut(9, IDR_TBTEST_MENU, ID_TBTEST_X));
    EXPECT_EQ(0, pBar->SetFlyOut(9, &info, 0));
    EXPECT_EQ(0, pBar->SetFlyOut((UINT)-1, IDR_TBTEST_MENU, 0));
    EXPECT_EQ(0, pBar->SetFlyOut(3, (CTBarInfo*)NULL, 0));
    EXPECT_EQ(0, pBar->IsFlyOut(2));
    EXPECT_EQ(0, pBar->IsFlyOut(9));
    EXPECT_EQ(NULL, pBar->GetTBarInfo(2));
    EXPECT_EQ(ID_TBTEST_C, pBar->GetItemID(3));
    EXPECT_EQ(NULL, CToolBarEx::GetToolBarButtonIcon(NULL, ID_TEST_NOWHERE, ID_TBTEST_X, 16, 0xC0C0C0));
    EXPECT_EQ(NULL, CToolBarEx::GetToolBarButtonIcon(NULL, IDR_TBTEST_MENU, ID_TBTEST_A, 16, 0xC0C0C0));
    CPopupToolBar menu(pBar);
    EXPECT_EQ(0, menu.AppendFromToolBar(ID_TEST_NOWHERE, 16, 0));
    EXPECT_EQ(0, menu.AppendFromToolBar(IDR_TBTEST_NOBITMAP, 16, 0));
    EXPECT_EQ(0, menu.AppendFromTBarInfo(NULL, 16, 0));
    EXPECT_EQ(1, menu.AppendFromTBarInfo(&info, 16, 1));
    EXPECT_TRUE(menu.HasSeparators());
    EXPECT_EQ((UINT)MF_MENUBREAK | MF_OWNERDRAW, menu.GetMenuState(0, MF_BYPOSITION) & (MF_MENUBREAK | MF_OWNERDRAW));

    // the host's image for a command
    HICON hIcon = CToolBarEx::GetToolBarButtonIcon(ID_TBTEST_X);
    EXPECT_EQ(NULL, hIcon) << "the frame gives no image";
    CMainWindowScope mainScope;
    CRecordingWnd* pMain = (CRecordingWnd*)mainScope.GetWnd();
    pMain->Watch(WM_GET_COMMAND_IMAGE);
    pMain->m_fnAnswer = [&](UINT, WPARAM, LPARAM lParam, BOOL& bHandled) -> LRESULT {
        ((SImageStruct*)lParam)->m_hImageList = images.GetSafeHandle();
        ((SImageStruct*)lParam)->m_nImage = 1;
        bHandled = TRUE;
        return 1;
    };
    hIcon = CToolBarEx::GetToolBarButtonIcon(ID_TBTEST_X);
    ASSERT_TRUE(hIcon != NULL);
    CPixelCanvas canvas(16, 16);
    ::DrawIconEx(canvas.DC().GetSafeHdc(), 0, 0, hIcon, 16, 15, 0, NULL, DI_NORMAL);
    EXPECT_EQ(CTestImages::Color(0, 1), canvas.Pixel(8, 7));
    ::DestroyIcon(hIcon);
}

TEST(ToolTip2, SizesToItsTextAndMirrorsAboutTheCursorAtTheScreensEdge)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    CToolTip2::SetTipFont(&font);
    CToolTip2 tip;
    ASSERT_TRUE(tip.Create(NULL));
    EXPECT_EQ(1, tip.SendMessage(WM_DISABLEMODAL));
    // the text and a blank measured in the same font
    CPixelCanvas canvas(4, 4);
    CFont* pOld = canvas.DC().SelectObject(&font);
    const CSize sizeText = canvas.DC().GetTextExtent("Circle by 3 points", 18);
    const int cxBlank = canvas.DC().GetTextExtent(" ", 1).cx;
    canvas.DC().SelectObject(pOld);
    const int cx = sizeText.cx + 2 * cxBlank, cy = sizeText.cy + 2;
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    struct { CPoint ptAnchor; CPoint ptCursor; int nLeft; } rows[] = {
        { CPoint(100, 200), CPoint(90, 190), 100 },
        { CPoint(cxScreen - cx, 50), CPoint(10, 10), cxScreen - cx },                  // just fits
        // anchor 30 right of the cursor: the right edge goes 30 left of it
        { CPoint(cxScreen - 20, 60), CPoint(cxScreen - 50, 60), cxScreen - 80 - cx },
    };
    for (const auto& row : rows)
    {
        ::SetCursorPos(row.ptCursor.x, row.ptCursor.y);
        tip.SetAnchor(row.ptAnchor);
        tip.SendMessage(WM_SETTEXT, 0, (LPARAM)"Circle by 3 points");
        CRect rect;
        tip.GetWindowRect(&rect);
        EXPECT_EQ(row.nLeft, rect.left) << row.ptAnchor.x;
        EXPECT_EQ(row.ptAnchor.y, rect.top);
        EXPECT_EQ(CSize(cx, cy), rect.Size());
        EXPECT_TRUE(tip.GetExStyle() & WS_EX_TOPMOST);
    }
    CToolTip2::SetTipFont(NULL);
}

TEST_F(FlyOutTest, ShowLevelsHideLowLevelsFirstAndFitTheWidth)
{
    // A B sep C D in a plain window (no frame lays it out) at the widths the test sets
    CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel(CRect(50, 300, 650, 360)));
    m_flyBars.emplace_back(new CToolBarEx);
    CToolBarEx* pBar = m_flyBars.back().get();
    ASSERT_TRUE(pBar->CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
    ASSERT_TRUE(pBar->LoadToolBar(IDR_TBTEST_WIDE));
    // without stored levels the last button goes first: A 4, B 3, sep 2, C 1, D 0
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(4 - i, pBar->GetButtonShowLevel(i));
    EXPECT_EQ(-1, pBar->GetButtonShowLevel(5));

    // Needed widths: all shown W, without D W - 23, without C and D W - 46, without the (flat,
    // 6 wide) separator too W - 52.  The bar fits while that is below its client width less its
    // client height (T below).
    const int W = pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK).cx;
    pBar->SetWindowPos(NULL, 0, 0, 400, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    const int cxFrame = 400 - rcClient.Width(), cyClient = rcClient.Height();
    pBar->EnableShowLevels(TRUE);
    struct { int T; int nLevel; } sizes[] = {
        { W + 1, 0 },        // all fit
        { W - 45, 2 },       // narrowed: D and C go
        { W - 51, 3 },       // the separator too
        { W - 45, 2 },       // widened a little: C stays hidden
        { W, 1 },            // showing D would not fit: one step back
        { W + 200, 0 },
    };
    for (const auto& size : sizes)
    {
        pBar->SetWindowPos(NULL, 0, 0, size.T + cyClient + cxFrame, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(size.nLevel, pBar->GetCurrentShowLevel()) << size.T - W;
    }
    pBar->EnableShowLevels(FALSE);

    // levels from the host: A 1, B 1, the separator after B 2, C 3; D keeps 5 - 4 - 1 = 0
    int nLevel = 0;
    EXPECT_EQ(1, pBar->AddButtonToShowLevel(ID_TBTEST_A, nLevel, TRUE));
    EXPECT_EQ(1, pBar->AddButtonToShowLevel(ID_TBTEST_B, nLevel, FALSE));
    EXPECT_EQ(1, pBar->AddSeperatorToShowLevel(ID_TBTEST_B, nLevel, TRUE));
    EXPECT_EQ(1, pBar->AddButtonToShowLevel(ID_TBTEST_C, nLevel, TRUE));
    EXPECT_EQ(0, pBar->AddButtonToShowLevel(ID_TEST_NOWHERE, nLevel, FALSE));
    EXPECT_EQ(0, pBar->AddSeperatorToShowLevel(ID_TBTEST_C, nLevel, FALSE)) << "D is no separator";
    EXPECT_EQ(3, nLevel);
    struct { int nLevel; const char* pszHidden; } rows[] = {
        { 0, "-----" }, { 1, "----H" }, { 2, "HH--H" }, { 3, "HHH-H" }, { 9, "HHHHH" }, { -3, "-----" },
    };
    for (const auto& row : rows)
    {
        pBar->ShowLevel(row.nLevel);
        std::string strHidden;
        for (int i = 0; i < 5; i++)
            strHidden += (pBar->GetButtonStyle(i) & TBBS_HIDDEN) ? 'H' : '-';
        EXPECT_EQ(row.pszHidden, strHidden) << row.nLevel;
    }
    EXPECT_EQ(0, pBar->GetCurrentShowLevel());
    pBar->ResetShowLevel();
    pBar->ShowLevel(4);
    EXPECT_EQ(4, pBar->GetCurrentShowLevel());
    for (int i = 0; i < 5; i++)
        EXPECT_FALSE(pBar->GetButtonStyle(i) & TBBS_HIDDEN) << i;
    pBar->DestroyWindow();
}

TEST_F(FlyOutTest, PopupBarPlaceAndApproach)
{
    CRecordingWnd watched, target;
    ASSERT_TRUE(watched.CreateTopLevel(CRect(100, 100, 500, 400)));
    ASSERT_TRUE(target.CreateChild(&watched, CRect(20, 30, 220, 130), 501));
    watched.Watch(WM_COMMAND);
    m_popup.reset(new CPopupBar);
    ASSERT_TRUE(m_popup->Create(&watched, IDR_TBTEST_BAR));
    CPopupBar& popup = *m_popup;
    popup.AddWindow(501);
    const CSize tb = popup.m_wndToolBar.CalcFixedLayout(FALSE, TRUE);
    // the target's client area is (120, 130) - (320, 230) on the screen
    struct { WORD wAlign; int nExtra; CRect rect; } places[] = {
        { 0, 0, CRect(120, 130, 122 + tb.cx, 132 + tb.cy) },
        { POPUPBAR_ALIGNRIGHT, 0, CRect(318 - tb.cx, 130, 320, 132 + tb.cy) },
        { POPUPBAR_ALIGNBOTTOM, 0, CRect(120, 228 - tb.cy, 122 + tb.cx, 230) },
        { POPUPBAR_ALIGNRIGHT | POPUPBAR_ALIGNBOTTOM, 10, CRect(308 - tb.cx, 218 - tb.cy, 320, 230) },
    };
    for (const auto& place : places)
    {
        popup.m_wAlign = place.wAlign;
        EXPECT_EQ(place.rect, popup.GetPlace(&target, place.nExtra)) << place.wAlign;
    }
    EXPECT_EQ(0, popup.ShowUponWindow(NULL, TRUE));

    // top-left corner: A = (120, 130) - (122 + cx, 132 + cy); B grows by A's height
    popup.m_wAlign = 0;
    const CRect rcA(120, 130, 122 + tb.cx, 132 + tb.cy);
    const int e = rcA.Height();
    const CPoint inA(121, 131), nearB(rcA.right + 1, rcA.bottom + 1), farB(rcA.right + e - 2, rcA.bottom + e - 2);
    const CPoint outB(300, 220), offTarget(110, 110);
    popup.WatchMouse(TRUE, 100000);
    // cursor, then visible and target after the tick
    struct { CPoint pt; BOOL bVisible; UINT nTarget; } ticks[] = {
        { nearB, FALSE, 0 },      // first sighting: no previous position to approach from
        { farB, FALSE, 0 },       // moving away inside B
        { nearB, TRUE, 501 },     // coming nearer inside B
        { farB, TRUE, 501 },      // stays while inside B
        { outB, FALSE, 0 },
        { offTarget, FALSE, 0 },
        { inA, TRUE, 501 },       // inside A it shows at once
    };
    for (const auto& tick : ticks)
    {
        ::SetCursorPos(tick.pt.x, tick.pt.y);
        popup.SendMessage(WM_TIMER, POPUPBAR_TIMER);
        EXPECT_EQ(tick.bVisible, popup.IsWindowVisible()) << tick.pt.x << "," << tick.pt.y;
        EXPECT_EQ(tick.nTarget, popup.m_nTarget) << tick.pt.x << "," << tick.pt.y;
    }
    CRect rcPopup;
    popup.GetWindowRect(&rcPopup);
    EXPECT_EQ(rcA, rcPopup);

    // a command of the toolbar goes to the watched window with the extra value; the popup stays
    // away until the cursor has left B
    popup.SetExtra(77);
    CRect rcB;
    popup.m_wndToolBar.GetItemRect(1, &rcB);
    CMouseScript click;
    click.MoveTo(ScreenPoint(&popup.m_wndToolBar, rcB.CenterPoint())).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(click.Run());
    ASSERT_EQ(1, watched.Count(WM_COMMAND));
    EXPECT_EQ((WPARAM)ID_TBTEST_B, watched.Last(WM_COMMAND)->wParam);
    EXPECT_EQ(77, watched.Last(WM_COMMAND)->lParam);
    EXPECT_FALSE(popup.IsWindowVisible());
    for (CPoint pt : { inA, inA, outB, inA })
    {
        ::SetCursorPos(pt.x, pt.y);
        popup.SendMessage(WM_TIMER, POPUPBAR_TIMER);
    }
    EXPECT_TRUE(popup.IsWindowVisible()) << "back after the cursor left B";
    EXPECT_FALSE(popup.m_bSuppressed);
}

TEST_F(FlyOutTest, MenuEntriesTakeTheHostsStateAndAreDrawnFromTheToolbarsImages)
{
    CToolBarEx* pBar = MakeFlyBar(0);
    m_pHost->m_enable[ID_TBTEST_Y] = FALSE;
    m_pHost->m_check[ID_TBTEST_Z] = 1;
    CPopupToolBar menu(pBar);
    ASSERT_EQ(1, menu.AppendFromToolBar(IDR_TBTEST_MENU, 16, 0));
    ASSERT_EQ(3u, menu.GetMenuItemCount());
    EXPECT_FALSE(menu.GetMenuState(0, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED));
    EXPECT_TRUE(menu.GetMenuState(1, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(2, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(menu.HasSeparators());

    // buttons 23 x 22: entries as high, 23 - check mark + 7 wide
    MEASUREITEMSTRUCT mis = { ODT_MENU, 0, ID_TBTEST_X, 0, 0, 0 };
    menu.MeasureItem(&mis);
    EXPECT_EQ(22u, mis.itemHeight);
    EXPECT_EQ((UINT)(30 - ::GetSystemMetrics(SM_CXMENUCHECK)), mis.itemWidth);

    // a 30 x 22 entry: the 16 x 15 image goes to (7, 3); selected one up and left in a raised
    // frame, checked one down and right
    const COLORREF clrLight = ::GetSysColor(COLOR_3DHILIGHT), clrShadow = ::GetSysColor(COLOR_3DSHADOW);
    struct { UINT nState; int dx; COLORREF clrTopLeft; } rows[] = {
        { 0, 0, ::GetSysColor(COLOR_BTNFACE) },
        { ODS_SELECTED, -1, clrLight },
        { ODS_CHECKED, 1, clrShadow },
    };
    CRect rcNormal;
    COLORREF clrImage = 0;
    for (const auto& row : rows)
    {
        CPixelCanvas canvas(30, 22);
        DRAWITEMSTRUCT dis = { ODT_MENU, 0, ID_TBTEST_Z, ODA_DRAWENTIRE, row.nState, NULL, canvas.DC().GetSafeHdc(),
            { 0, 0, 30, 22 }, 2 };
        menu.DrawItem(&dis);
        if (row.nState == 0)
        {
            clrImage = canvas.Pixel(15, 10);
            rcNormal = canvas.Bounds(clrImage);
            EXPECT_TRUE(CRect(7, 3, 23, 18).PtInRect(rcNormal.TopLeft())) << "centred";
        }
        CRect rcShifted(rcNormal);
        rcShifted.OffsetRect(row.dx, row.dx);
        EXPECT_EQ(rcShifted, canvas.Bounds(clrImage)) << row.nState;
        EXPECT_EQ(row.clrTopLeft, canvas.Pixel(0, 0)) << row.nState;
    }
    EXPECT_EQ(ID_TBTEST_Z, CPopupToolBar::GetTipCommand()) << "the selected entry's tip is next";
    EXPECT_TRUE(CPopupToolBar::GetLastIcon() != NULL);
    // a disabled entry is embossed: none of the image's own colour
    CPixelCanvas canvas(30, 22);
    DRAWITEMSTRUCT dis = { ODT_MENU, 0, ID_TBTEST_Y, ODA_DRAWENTIRE, ODS_GRAYED, NULL, canvas.DC().GetSafeHdc(),
        { 0, 0, 30, 22 }, 1 };
    menu.DrawItem(&dis);
    EXPECT_EQ(0, canvas.Count(ImageColor(pBar, 1)));
    CPopupToolBar::SetTipCommand(0);
}

TEST_F(FlyOutTest, TipGoesLeftOfItsEntryAtTheMonitorsEdgeAndHidesAfterItsTime)
{
    CToolBarEx* pBar = MakeFlyBar(0);
    CToolTip2* pTip = CPopupToolBar::GetTipWnd(pBar);
    ASSERT_TRUE(pTip != NULL);
    const CRect rcMonitor = GetMonitorRect(CPoint(10, 10));
    const CRect rcRight(rcMonitor.right - 40, 100, rcMonitor.right - 10, 122);
    pTip->ShowBeside(rcRight, "Arc");
    CRect rect;
    pTip->GetWindowRect(&rect);
    EXPECT_EQ(rcRight.left, rect.right);
    EXPECT_EQ(100, rect.top);
    pTip->ShowBeside(CRect(100, 50, 130, 72), "Arc");
    pTip->GetWindowRect(&rect);
    EXPECT_EQ(CPoint(130, 50), rect.TopLeft()) << "the same text is placed anew";
    EXPECT_TRUE(pTip->IsWindowVisible());
    pBar->SendMessage(WM_TIMER, FLYOUT_TIMER_TIPHIDE);
    EXPECT_FALSE(pTip->IsWindowVisible());
}
