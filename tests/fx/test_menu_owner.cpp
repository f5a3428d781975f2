// test_menu_owner.cpp - owner-drawn entries of a tracked popup menu reach the C++ menu object
// that owns them, for measuring as for drawing, submenus included.
#include <afxwin.h>
#include <afxpriv.h>
#include "wexotest.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace
{
const UINT nFirstID = 47100;

// a menu that measures and draws its entries itself and notes which it was asked for
class COwnerMenu : public CMenu
{
public:
    std::vector<UINT> m_measured;
    std::vector<UINT> m_drawn;

    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpms)
    {
        m_measured.push_back(lpms->itemID);
        lpms->itemWidth = 60;
        lpms->itemHeight = 18;
    }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpds)
    {
        m_drawn.push_back(lpds->itemID);
        ::FillRect(lpds->hDC, &lpds->rcItem, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    }
};

bool Has(const std::vector<UINT>& ids, UINT nID)
{
    return std::find(ids.begin(), ids.end(), nID) != ids.end();
}
}

// The popup holds one owner-drawn entry and a submenu with another; opening the submenu with the
// keys makes Windows measure its entry too.  Each entry must reach its own menu object, and the
// tracking record must be gone after the loop.
TEST(MenuOwnerDraw, MeasureAndDrawReachTheMenuObjectOfTheEntry)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "Owner-draw host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 400, 300)));
    pFrame->SetForegroundWindow();

    COwnerMenu menu, sub;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(sub.CreatePopupMenu());
    sub.AppendMenu(MF_OWNERDRAW, nFirstID + 1, (LPCSTR)NULL);
    menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.m_hMenu, "Sub");
    menu.AppendMenu(MF_OWNERDRAW, nFirstID, (LPCSTR)NULL);

    HWND hTracking = NULL;
    HMENU hTrackingMenu = NULL;
    CMouseScript script;
    script.WaitFor([] { return ::FindWindowA("#32768", NULL) != NULL; }).Wait(100).Call([&] {
        hTracking = AfxGetThreadState()->m_hTrackingWindow;
        hTrackingMenu = AfxGetThreadState()->m_hTrackingMenu;
    }).KeyPress(VK_DOWN).KeyPress(VK_RIGHT).Wait(150).KeyPress(VK_ESCAPE).KeyPress(VK_ESCAPE);
    EXPECT_TRUE(script.Run([&] { menu.TrackPopupMenu(TPM_RETURNCMD, 150, 150, pFrame); }));

    EXPECT_EQ(pFrame->m_hWnd, hTracking);
    EXPECT_EQ(menu.m_hMenu, hTrackingMenu);
    EXPECT_EQ(NULL, AfxGetThreadState()->m_hTrackingWindow);
    EXPECT_EQ(NULL, AfxGetThreadState()->m_hTrackingMenu);

    EXPECT_TRUE(Has(menu.m_measured, nFirstID));
    EXPECT_FALSE(Has(menu.m_measured, nFirstID + 1));
    EXPECT_TRUE(Has(sub.m_measured, nFirstID + 1));
    EXPECT_FALSE(Has(sub.m_measured, nFirstID));
    EXPECT_TRUE(Has(menu.m_drawn, nFirstID));
    EXPECT_TRUE(Has(sub.m_drawn, nFirstID + 1));
    pFrame->DestroyWindow();
}

// Outside a tracked popup the window's menu bar is searched: an entry of its "File" popup is
// measured by that popup's object, not by the bar's.
TEST(MenuOwnerDraw, WithoutTrackedPopupTheMenuBarsPopupMeasures)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "Owner-draw host", WS_OVERLAPPEDWINDOW, CRect(100, 100, 400, 300)));
    COwnerMenu bar, file;
    ASSERT_TRUE(bar.CreateMenu());
    ASSERT_TRUE(file.CreatePopupMenu());
    file.AppendMenu(MF_STRING, nFirstID + 3, "Plain");
    file.AppendMenu(MF_OWNERDRAW, nFirstID + 2, (LPCSTR)NULL);
    bar.AppendMenu(MF_POPUP, (UINT_PTR)file.m_hMenu, "File");
    ASSERT_TRUE(::SetMenu(pFrame->m_hWnd, bar.m_hMenu));

    MEASUREITEMSTRUCT mis;
    memset(&mis, 0, sizeof(mis));
    mis.CtlType = ODT_MENU;
    mis.itemID = nFirstID + 2;
    pFrame->SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis);
    EXPECT_EQ((std::vector<UINT>{ nFirstID + 2 }), file.m_measured);
    EXPECT_TRUE(bar.m_measured.empty());
    EXPECT_EQ(60u, mis.itemWidth);

    ::SetMenu(pFrame->m_hWnd, NULL);
    pFrame->DestroyWindow();
}

TEST(MenuCmdUI, SetRadioMarksTheEntryWithTheSharedDot)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, nFirstID, "Plan");
    menu.AppendMenu(MF_STRING, nFirstID + 1, "Elevation");
    CCmdUI ui;
    ui.m_pMenu = &menu;
    ui.m_nIndexMax = 2;
    ui.m_nIndex = 1;
    ui.m_nID = nFirstID + 1;
    ui.SetRadio(TRUE);
    EXPECT_EQ((UINT)MF_CHECKED, menu.GetMenuState(1, MF_BYPOSITION) & MF_CHECKED);

    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_CHECKMARKS;
    ASSERT_TRUE(::GetMenuItemInfoA(menu.m_hMenu, 1, TRUE, &mii));
    ASSERT_TRUE(mii.hbmpChecked != NULL);
    EXPECT_EQ(afxData.hbmMenuDot, mii.hbmpChecked);
    EXPECT_TRUE(mii.hbmpUnchecked == NULL);
    // the check mark's size, a dark centre on a light ground
    BITMAP bm;
    ASSERT_NE(0, ::GetObjectA(mii.hbmpChecked, sizeof(bm), &bm));
    const LONG lSize = ::GetMenuCheckMarkDimensions();
    EXPECT_EQ(LOWORD(lSize), bm.bmWidth);
    EXPECT_EQ(HIWORD(lSize), bm.bmHeight);
    EXPECT_EQ(1, bm.bmBitsPixel);
    HDC hdc = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hdc, mii.hbmpChecked);
    EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(hdc, bm.bmWidth / 2, bm.bmHeight / 2));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(hdc, 0, 0));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(hdc, bm.bmWidth - 1, bm.bmHeight - 1));
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);

    // the other entry keeps the system's check mark; a second entry shares the one dot
    ASSERT_TRUE(::GetMenuItemInfoA(menu.m_hMenu, 0, TRUE, &mii));
    EXPECT_TRUE(mii.hbmpChecked == NULL);
    ui.m_nIndex = 0;
    ui.m_nID = nFirstID;
    ui.SetRadio(FALSE);
    EXPECT_EQ(0u, menu.GetMenuState(0, MF_BYPOSITION) & MF_CHECKED);
    ASSERT_TRUE(::GetMenuItemInfoA(menu.m_hMenu, 0, TRUE, &mii));
    EXPECT_EQ(afxData.hbmMenuDot, mii.hbmpChecked);
}
