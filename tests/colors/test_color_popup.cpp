// test_color_popup.cpp - the colour popup run modally with real input: where it opens next to its
// anchor, picking from the map in both views, Add and Reset, the advanced view, closing when it
// loses its place on top, and the colour combo box that opens it.
#include "ColorTestWindows.h"
#include <gtest/gtest.h>
#include "wexotest.h"
#include "res/resource.h"

namespace
{
const unsigned long clrBlue = RGB(0, 0, 255), clrRed = RGB(255, 0, 0), clrGreen = RGB(0, 255, 0);

class ColorPopupRun : public testing::Test
{
protected:
    void SetUp() override
    {
        CColorArray::m_bExpanded = 0;
        CColorPopup::m_PopupRect.SetRect(0, 0, 500, 400);
        ::SetCursorPos(1000, 700);
    }
    void TearDown() override
    {
        CColorArray::m_bExpanded = 0;
        CColorPopup::m_PopupRect.SetRectEmpty();
        PumpTestMessages(10);
    }
    // the screen centre of the map cell that holds colour c
    static CPoint CellOf(CColorArray& map, unsigned long c)
    {
        CRect rc;
        map.GetItemRect(map.GetColorIndex(c), rc);
        map.ClientToScreen(&rc);
        return rc.CenterPoint();
    }
    static CPoint CentreOf(CWnd* pDlg, UINT nID)
    {
        CRect rc;
        pDlg->GetDlgItem(nID)->GetWindowRect(&rc);
        return rc.CenterPoint();
    }
    static BOOL IsEnabled(CWnd* pDlg, UINT nID) { return pDlg->GetDlgItem(nID)->IsWindowEnabled(); }
    static CRect CtrlRect(CWnd* pDlg, UINT nID)
    {
        CRect rc;
        pDlg->GetDlgItem(nID)->GetWindowRect(&rc);
        pDlg->ScreenToClient(&rc);
        return rc;
    }
    void FillMap(CColorPopup& popup)
    {
        popup.m_ColorMap.AddItem(clrBlue, "Blue");
        popup.m_ColorMap.AddItem(clrRed, "Red");
        popup.m_ColorMap.AddItem(clrGreen, "Green");
    }
};
}

/////////////////////////////////////////////////////////////////////////////
// Placement

// Below the anchor at its left edge; right-aligned with it when that passes the monitor's right
// edge; above it when it passes the bottom.  The popup is 500 x 400 (the last popup's size).
TEST_F(ColorPopupRun, OpensNextToItsAnchorInsideTheMonitor)
{
    const CRect rcMon = GetMonitorRect(CPoint(300, 300));
    const int L = rcMon.left, T = rcMon.top, R = rcMon.right, B = rcMon.bottom;
    struct SCase
    {
        const char* lpszName;
        CRect rcAnchor, rcExpected;
    } cases[] = {
        { "free", CRect(L + 100, T + 100, L + 180, T + 122), CRect(L + 100, T + 122, L + 600, T + 522) },
        { "right edge", CRect(R - 120, T + 100, R - 20, T + 122), CRect(R - 520, T + 122, R - 20, T + 522) },
        { "bottom edge", CRect(L + 100, B - 60, L + 180, B - 38), CRect(L + 100, B - 460, L + 600, B - 60) },
        { "bottom right", CRect(R - 120, B - 60, R - 20, B - 38), CRect(R - 520, B - 460, R - 20, B - 60) },
    };
    for (const SCase& t : cases)
    {
        CColorPopup::m_PopupRect.SetRect(0, 0, 500, 400);
        CColorPopup popup;
        FillMap(popup);
        popup.SetColor(clrRed);
        popup.m_AnchorRect = t.rcAnchor;
        CRect rcOpen;
        CMouseScript script;
        script.WaitForDialog().Call([&] { popup.GetWindowRect(&rcOpen); }).AnswerDialog(IDCANCEL);
        INT_PTR nResult = 0;
        EXPECT_TRUE(script.Run([&] { nResult = popup.DoModal(); }));
        EXPECT_EQ(IDCANCEL, nResult) << t.lpszName;
        EXPECT_EQ(t.rcExpected, rcOpen) << t.lpszName;
        // the next popup opens with this one's size
        EXPECT_EQ(rcOpen, CColorPopup::m_PopupRect) << t.lpszName;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Picking

// In the compact view a left click on a colour takes it and closes the popup with OK.
TEST_F(ColorPopupRun, CompactViewLeftClickPicksAndCloses)
{
    CColorPopup popup;
    FillMap(popup);
    popup.SetColor(clrBlue);
    BOOL bSlidersShown = TRUE;
    CMouseScript script;
    script.WaitForDialog().Call([&] {
        bSlidersShown = popup.GetDlgItem(IDC_COLORPOPUP_RED)->IsWindowVisible();
        SendMouseAt(CellOf(popup.m_ColorMap, clrGreen));
    }).LeftDown().LeftUp();
    INT_PTR nResult = 0;
    EXPECT_TRUE(script.Run([&] { nResult = popup.DoModal(); }));
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(clrGreen, popup.GetColor());
    EXPECT_FALSE(bSlidersShown);
    EXPECT_EQ(0, popup.m_bColorsAdded);
}

// In the advanced view the right button picks without closing; the sliders show the colour.
TEST_F(ColorPopupRun, AdvancedViewRightClickPicksAndStaysOpen)
{
    CColorArray::m_bExpanded = 1;
    CColorPopup popup;
    FillMap(popup);
    popup.SetColor(clrBlue);
    BOOL bOpenAfterPick = FALSE, bSlidersShown = FALSE;
    unsigned long dwPicked = 0;
    CMouseScript script;
    script.WaitForDialog().Call([&] {
        bSlidersShown = popup.GetDlgItem(IDC_COLORPOPUP_HUE)->IsWindowVisible();
        SendMouseAt(CellOf(popup.m_ColorMap, clrRed));
    }).RightDown().RightUp().Wait(50).Call([&] {
        bOpenAfterPick = FindThreadDialog() == popup.m_hWnd;
        dwPicked = popup.GetColor();
    }).AnswerDialog(IDCANCEL);
    INT_PTR nResult = 0;
    EXPECT_TRUE(script.Run([&] { nResult = popup.DoModal(); }));
    EXPECT_TRUE(bSlidersShown);
    EXPECT_TRUE(bOpenAfterPick);
    EXPECT_EQ(clrRed, dwPicked);
    EXPECT_EQ(IDCANCEL, nResult);
}

// Add is there for a colour the map lacks, Reset for one that is not the old colour.  Adding
// puts the colour into the map and remembers it; a colour the map has is never added.
TEST_F(ColorPopupRun, AddAndResetFollowTheCurrentColour)
{
    CColorArray::m_bExpanded = 1;
    CColorPopup popup;
    FillMap(popup);
    popup.SetColor(clrRed);
    struct SState
    {
        BOOL bAdd, bReset;
        int nItems;
        unsigned long dwColor;
    } states[5];
    auto snap = [&](int i) {
        states[i] = { IsEnabled(&popup, IDC_COLORPOPUP_ADD), IsEnabled(&popup, IDC_COLORPOPUP_RESET),
            (int)popup.m_ColorMap.m_Colors.GetSize(), popup.GetColor() };
    };
    CMouseScript script;
    script.WaitForDialog().Call([&] {
        snap(0);                                    // opened on a colour of the map
        popup.SelectColor(clrGreen);
        snap(1);                                    // another colour of the map
        popup.SelectColor(RGB(1, 2, 3));
        snap(2);                                    // a colour the map lacks
        SendMouseAt(CentreOf(&popup, IDC_COLORPOPUP_ADD));
    }).LeftDown().LeftUp().Wait(50).Call([&] {
        snap(3);                                    // added
        popup.SendMessage(WM_COMMAND, IDC_COLORPOPUP_ADD);
        SendMouseAt(CentreOf(&popup, IDC_COLORPOPUP_RESET));
    }).LeftDown().LeftUp().Wait(50).Call([&] { snap(4); }).AnswerDialog(IDOK);
    EXPECT_TRUE(script.Run([&] { popup.DoModal(); }));

    const SState expected[5] = {
        { FALSE, FALSE, 3, clrRed }, { FALSE, TRUE, 3, clrGreen }, { TRUE, TRUE, 3, RGB(1, 2, 3) },
        { FALSE, TRUE, 4, RGB(1, 2, 3) }, { FALSE, FALSE, 4, clrRed },
    };
    for (int i = 0; i < 5; i++)
    {
        EXPECT_EQ(expected[i].bAdd, states[i].bAdd) << "step " << i;
        EXPECT_EQ(expected[i].bReset, states[i].bReset) << "step " << i;
        EXPECT_EQ(expected[i].nItems, states[i].nItems) << "step " << i;
        EXPECT_EQ(expected[i].dwColor, states[i].dwColor) << "step " << i;
    }
    EXPECT_EQ(1, popup.m_bColorsAdded);
    ASSERT_EQ(1, popup.m_AddedColors.GetSize());
    EXPECT_EQ(RGB(1, 2, 3), popup.m_AddedColors[0]);
    EXPECT_EQ(CString("(1,2,3)"), popup.m_ColorMap.GetName(popup.m_ColorMap.GetColorIndex(RGB(1, 2, 3))));
}

TEST_F(ColorPopupRun, AddingAColourOfTheMapChangesNothing)
{
    CColorPopup popup;
    FillMap(popup);
    popup.SetColor(clrGreen);
    CMouseScript script;
    script.WaitForDialog().Call([&] { popup.SendMessage(WM_COMMAND, IDC_COLORPOPUP_ADD); }).AnswerDialog(IDOK);
    EXPECT_TRUE(script.Run([&] { popup.DoModal(); }));
    EXPECT_EQ(0, popup.m_bColorsAdded);
    EXPECT_EQ(0, popup.m_AddedColors.GetSize());
    EXPECT_EQ(3, popup.m_ColorMap.m_Colors.GetSize());
}

/////////////////////////////////////////////////////////////////////////////
// Views and closing

// The advanced view adds (bottom of Cancel - top of the first slider) to the height and shows the
// sliders under the map; switching twice gives back the height it had.
TEST_F(ColorPopupRun, AdvancedViewTwiceRestoresTheHeight)
{
    CColorPopup popup;
    FillMap(popup);
    popup.SetColor(clrRed);
    int cy[3] = { 0, 0, 0 }, nAdvanced = 0;
    BOOL bShown[3] = { TRUE, FALSE, TRUE };
    int nMapBottom[3] = { 0, 0, 0 }, nExpectedBottom[3] = { 0, 0, 0 };
    auto snap = [&](int i) {
        CRect rc, rcClient;
        popup.GetWindowRect(&rc);
        popup.GetClientRect(&rcClient);
        cy[i] = rc.Height();
        bShown[i] = popup.GetDlgItem(IDC_COLORPOPUP_BRIGHTNESS)->IsWindowVisible();
        nMapBottom[i] = CtrlRect(&popup, IDC_COLORPOPUP_MAP).bottom;
        nExpectedBottom[i] = bShown[i] ? CtrlRect(&popup, IDC_COLORPOPUP_RED).top - 2 : rcClient.bottom - 2;
    };
    CMouseScript script;
    script.WaitForDialog().Call([&] {
        snap(0);
        nAdvanced = CtrlRect(&popup, IDCANCEL).bottom - CtrlRect(&popup, IDC_COLORPOPUP_RED).top;
        popup.SendMessage(WM_COMMAND, ID_COLORMAP_ADVANCED_VIEW);
        snap(1);
        popup.SendMessage(WM_COMMAND, ID_COLORMAP_ADVANCED_VIEW);
        snap(2);
    }).AnswerDialog(IDCANCEL);
    EXPECT_TRUE(script.Run([&] { popup.DoModal(); }));
    EXPECT_GT(nAdvanced, 0);
    EXPECT_EQ(cy[0] + nAdvanced, cy[1]);
    EXPECT_EQ(cy[0], cy[2]);
    EXPECT_FALSE(bShown[0]);
    EXPECT_TRUE(bShown[1]);
    EXPECT_FALSE(bShown[2]);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(nExpectedBottom[i], nMapBottom[i]) << i;
    EXPECT_EQ(0, CColorArray::m_bExpanded);
}

// With close-on-deactivate, losing the place on top cancels the popup; without it, it stays.
TEST_F(ColorPopupRun, LosingThePlaceOnTopCancelsOnlyWhenAsked)
{
    for (int bClose = 0; bClose <= 1; bClose++)
    {
        CColorPopup popup;
        FillMap(popup);
        popup.SetColor(clrRed);
        popup.m_bCloseOnDeactivate = bClose;
        BOOL bStillOpen = FALSE;
        CMouseScript script;
        script.WaitForDialog().Call([&] {
            ::SetWindowPos(popup.m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        }).Wait(50).Call([&] {
            // the modal loop may still run this tick; whether it is told to go on is what counts
            bStillOpen = popup.ContinueModal();
            if (bStillOpen)
                popup.EndDialog(IDABORT);
        });
        INT_PTR nResult = 0;
        EXPECT_TRUE(script.Run([&] { nResult = popup.DoModal(); }));
        EXPECT_EQ(bClose ? IDCANCEL : IDABORT, nResult) << bClose;
        EXPECT_EQ(!bClose, bStillOpen) << bClose;
    }
}

/////////////////////////////////////////////////////////////////////////////
// The combo box's popup

namespace
{
class ColorComboRun : public ColorPopupRun
{
protected:
    void SetUp() override
    {
        ColorPopupRun::SetUp();
        m_parent.Watch(WM_COMMAND);
        ASSERT_TRUE(m_parent.CreateTopLevel(CRect(40, 40, 440, 300), "Combo test"));
        ASSERT_TRUE(m_combo.Create(CRect(10, 10, 160, 200), &m_parent, 1300));
        m_combo.AddItem(clrBlue, "Blue");
        m_combo.AddItem(clrRed, "Red");
        m_combo.AddItem(clrGreen, "Green");
        m_combo.SetCurSel(0);
        m_combo.UpdateWindow();
        m_parent.Clear();
    }
    void TearDown() override
    {
        m_combo.DestroyWindow();
        m_parent.DestroyWindow();
        ColorPopupRun::TearDown();
    }
    // the popup the combo box runs now
    static CColorPopup* OpenPopup()
    {
        return (CColorPopup*)CWnd::FromHandlePermanent(FindThreadDialog());
    }
    std::vector<unsigned long> Items()
    {
        std::vector<unsigned long> items;
        for (int i = 0; i < m_combo.GetCount(); i++)
            items.push_back(m_combo.GetColor(i));
        return items;
    }

    CRecordingWnd m_parent;
    CColorCombo m_combo;
};
}

// OK without added colours: the items stay as they were and only the selection moves.
TEST_F(ColorComboRun, PickKeepsTheItemsAndMovesTheSelection)
{
    unsigned long dwOpenedWith = 0;
    CRect rcPopup, rcCombo;
    m_combo.GetWindowRect(&rcCombo);
    CMouseScript script;
    script.MoveTo(ScreenPoint(&m_combo, CPoint(20, 8))).LeftDown().LeftUp().WaitForDialog().Call([&] {
        CColorPopup* pPopup = OpenPopup();
        dwOpenedWith = pPopup->m_dwBaseColor;
        pPopup->GetWindowRect(&rcPopup);
        SendMouseAt(CellOf(pPopup->m_ColorMap, clrRed));
    }).LeftDown().LeftUp().Wait(50);
    EXPECT_TRUE(script.Run());
    EXPECT_EQ(clrBlue, dwOpenedWith);
    EXPECT_EQ(rcCombo.left, rcPopup.left);
    EXPECT_EQ(rcCombo.bottom, rcPopup.top);
    EXPECT_EQ((std::vector<unsigned long>{ clrBlue, clrRed, clrGreen }), Items());
    EXPECT_EQ(1, m_combo.GetCurSel());
    EXPECT_EQ(1, m_parent.Count(WM_COMMAND, 1300));
}

// Colours added in the popup come back: the items are those of the map, in its order (by
// saturation, then brightness, then hue: (1,2,3) has saturation 170, the others 255 and hues
// 0, 120, 240), and the new colour is selected.
TEST_F(ColorComboRun, AddedColoursComeBackInTheMapsOrder)
{
    CMouseScript script;
    script.MoveTo(ScreenPoint(&m_combo, CPoint(20, 8))).LeftDown().LeftUp().WaitForDialog().Call([&] {
        CColorPopup* pPopup = OpenPopup();
        pPopup->SelectColor(RGB(1, 2, 3));
        pPopup->SendMessage(WM_COMMAND, IDC_COLORPOPUP_ADD);
    }).AnswerDialog(IDOK).Wait(50);
    EXPECT_TRUE(script.Run());
    EXPECT_EQ((std::vector<unsigned long>{ RGB(1, 2, 3), clrRed, clrGreen, clrBlue }), Items());
    char szName[256];
    m_combo.GetName(0, szName);
    EXPECT_STREQ("(1,2,3)", szName);
    EXPECT_EQ(0, m_combo.GetCurSel());
    EXPECT_EQ(1, m_parent.Count(WM_COMMAND, 1300));
}

// Cancel changes nothing and tells nobody.
TEST_F(ColorComboRun, CancelChangesNothing)
{
    CMouseScript script;
    script.MoveTo(ScreenPoint(&m_combo, CPoint(20, 8))).LeftDown().LeftUp().WaitForDialog().Call([&] {
        OpenPopup()->SelectColor(clrGreen);
    }).AnswerDialog(IDCANCEL).Wait(50);
    EXPECT_TRUE(script.Run());
    EXPECT_EQ((std::vector<unsigned long>{ clrBlue, clrRed, clrGreen }), Items());
    EXPECT_EQ(0, m_combo.GetCurSel());
    EXPECT_EQ(0, m_parent.Count(WM_COMMAND, 1300));
}
