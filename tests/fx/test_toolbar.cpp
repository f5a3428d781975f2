// test_toolbar.cpp - the framework toolbar and status bar: loading from resources, button
// records, the fixed layout docked across and along, the idle update docked and floating, clicks
// as commands, tool-tip texts, and the status bar as the frame's message bar.
#include <afxext.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include "wexotest.h"
#include "TestInput.h"
#include "TestGdi.h"
#include "docking_test_res.h"

namespace
{
class CBarTestFrame : public CFrameWnd
{
public:
    BOOL m_bOpenEnabled = TRUE;
    BOOL m_bSaveChecked = FALSE;
    int m_nOpens = 0;

protected:
    afx_msg void OnOpen() { m_nOpens++; }
    afx_msg void OnUpdateOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bOpenEnabled); }
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bSaveChecked); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarTestFrame, CFrameWnd)
    ON_COMMAND(ID_DOCKTEST_OPEN, &CBarTestFrame::OnOpen)
    ON_UPDATE_COMMAND_UI(ID_DOCKTEST_OPEN, &CBarTestFrame::OnUpdateOpen)
    ON_UPDATE_COMMAND_UI(ID_DOCKTEST_SAVE, &CBarTestFrame::OnUpdateSave)
END_MESSAGE_MAP()

class ToolBar : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CBarTestFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, "Bar test", WS_POPUP | WS_VISIBLE, CRect(100, 100, 500, 400)));
        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_DOCKTEST_BAR));
    }
    void TearDown() override
    {
        if (::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        PumpTestMessages(20);
    }
    BOOL IsEnabled(UINT nID) { return !(m_bar.GetButtonStyle(m_bar.CommandToIndex(nID)) & TBBS_DISABLED); }
    BOOL IsChecked(UINT nID) { return (m_bar.GetButtonStyle(m_bar.CommandToIndex(nID)) & TBBS_CHECKED) != 0; }
    CPoint ButtonCentre(UINT nID)
    {
        CRect rect;
        m_bar.GetItemRect(m_bar.CommandToIndex(nID), &rect);
        m_bar.ClientToScreen(&rect);
        return rect.CenterPoint();
    }
    CBarTestFrame* m_pFrame = NULL;
    CToolBar m_bar;
};

TEST_F(ToolBar, LoadsButtonsSizesAndImagesFromItsResource)
{
    EXPECT_EQ(4, m_bar.GetCount());
    struct { int nIndex; UINT nID; UINT nStyle; int iImage; } buttons[] = {
        { 0, ID_DOCKTEST_OPEN, TBBS_BUTTON, 0 },
        { 1, ID_DOCKTEST_SAVE, TBBS_BUTTON, 1 },
        { 2, 0, TBBS_SEPARATOR, 8 },            // a separator's "image" is its width
        { 3, ID_DOCKTEST_PRINT, TBBS_BUTTON, 2 },
    };
    for (const auto& b : buttons)
    {
        UINT nID, nStyle;
        int iImage;
        m_bar.GetButtonInfo(b.nIndex, nID, nStyle, iImage);
        EXPECT_EQ(b.nID, nID) << b.nIndex;
        EXPECT_EQ(b.nStyle, nStyle) << b.nIndex;
        EXPECT_EQ(b.iImage, iImage) << b.nIndex;
        EXPECT_EQ(b.nID, m_bar.GetItemID(b.nIndex));
    }
    EXPECT_EQ(3, m_bar.CommandToIndex(ID_DOCKTEST_PRINT));
    EXPECT_EQ(-1, m_bar.CommandToIndex(4599));
    EXPECT_EQ(0u, m_bar.GetItemID(17));
    // 16 x 15 images in buttons 7 larger each way
    EXPECT_EQ(CSize(16, 15), m_bar.m_sizeImage);
    EXPECT_EQ(CSize(23, 22), m_bar.m_sizeButton);
    EXPECT_NE(nullptr, m_bar.m_hbmImageWell);
    // the toolbar id makes the bar disappear in place when hidden
    EXPECT_TRUE(m_bar.m_dwStyle & CBRS_HIDE_INPLACE);
}

TEST_F(ToolBar, RejectsDamagedOrUnknownResources)
{
    CToolBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | CBRS_TOP, 0xE810));
    EXPECT_FALSE(bar.LoadToolBar(IDR_DOCKTEST_BADBAR)) << "version 2";
    EXPECT_FALSE(bar.LoadToolBar(IDR_DOCKTEST_SHORT)) << "nine ids announced, one present";
    EXPECT_FALSE(bar.LoadToolBar(4598)) << "no such resource";
    EXPECT_FALSE(bar.LoadBitmap(4598));
    EXPECT_EQ(0, bar.GetCount());
}

// Three raised buttons and an 8-pixel separator with borders 6/3/6/3 and the 2-pixel bottom
// border of a top bar: 23+23+8+23 = 77 + 12 across, 22 + 3 + 3 + 2 down.  Along a side every
// button wraps except the one before the separator: rows [Open] [Save, sep] [Print], the
// separator adding two thirds of 8 = 5 between rows: 22 * 3 + 5 = 71 + 6 + 2, 23 + 3 + 3.
TEST_F(ToolBar, FixedLayoutAcrossAndAlong)
{
    EXPECT_EQ(CSize(89, 30), m_bar.CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(CSize(29, 85), m_bar.CalcFixedLayout(FALSE, FALSE));
    // stretched across, it takes the whole length
    EXPECT_EQ(32767, m_bar.CalcFixedLayout(TRUE, TRUE).cx);
    // the frame's layout gives the bar that size at the top
    m_pFrame->RecalcLayout();
    CRect rect;
    m_bar.GetWindowRect(&rect);
    EXPECT_EQ(CSize(400, 30), rect.Size());
}

TEST_F(ToolBar, SetHeightSharesTheRestBetweenTopAndBottom)
{
    // 31 high: less the bottom border 2 and the button 22 leaves 7, the odd pixel on top
    m_bar.SetHeight(31);
    EXPECT_EQ(4, m_bar.m_cyTopBorder);
    EXPECT_EQ(3, m_bar.m_cyBottomBorder);
    m_bar.SetHeight(10);
    EXPECT_EQ(0, m_bar.m_cyTopBorder);
    EXPECT_EQ(-14, m_bar.m_cyBottomBorder);
}

TEST_F(ToolBar, IdleUpdateFollowsTheFrameDockedAndFloating)
{
    // the main window: a floating frame is none of its descendants, yet is updated too
    CMainWindowScope mainWnd(m_pFrame);
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    m_bar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&m_bar);
    m_pFrame->RecalcLayout();

    m_pFrame->m_bOpenEnabled = FALSE;
    m_pFrame->m_bSaveChecked = TRUE;
    RunTestIdle();
    EXPECT_FALSE(IsEnabled(ID_DOCKTEST_OPEN));
    EXPECT_TRUE(IsChecked(ID_DOCKTEST_SAVE));
    EXPECT_FALSE(IsEnabled(ID_DOCKTEST_PRINT)) << "no handler: disabled";
    EXPECT_FALSE(IsEnabled(ID_DOCKTEST_SAVE)) << "its update handler does not enable it and no command handles it";

    m_pFrame->FloatControlBar(&m_bar, CPoint(600, 400));
    ASSERT_TRUE(m_bar.IsFloating());
    m_pFrame->m_bOpenEnabled = TRUE;
    m_pFrame->m_bSaveChecked = FALSE;
    RunTestIdle();
    EXPECT_TRUE(IsEnabled(ID_DOCKTEST_OPEN));
    EXPECT_FALSE(IsChecked(ID_DOCKTEST_SAVE));
}

TEST_F(ToolBar, AClickReachesTheFrameAsACommandDockedAndFloating)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    m_bar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&m_bar);
    m_pFrame->RecalcLayout();
    RunTestIdle();

    CMouseScript script;
    script.MoveTo(ButtonCentre(ID_DOCKTEST_OPEN)).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(1, m_pFrame->m_nOpens);

    m_pFrame->FloatControlBar(&m_bar, CPoint(600, 400));
    RunTestIdle();
    CMouseScript floating;
    floating.MoveTo(ButtonCentre(ID_DOCKTEST_OPEN)).LeftDown().LeftUp().Wait(50);
    ASSERT_TRUE(floating.Run());
    EXPECT_EQ(2, m_pFrame->m_nOpens);
    EXPECT_TRUE(m_bar.IsFloating()) << "a press on a button is no drag";
}

TEST_F(ToolBar, ToolTipTextIsThePartAfterTheNewline)
{
    struct { UINT nID; const char* pszTip; } table[] = {
        { ID_DOCKTEST_OPEN, "Open" },
        { ID_DOCKTEST_SAVE, "Saves the drawing" },     // no newline: the whole prompt
        { ID_DOCKTEST_PRINT, "" },                     // no string
    };
    for (const auto& row : table)
    {
        TOOLTIPTEXTA ttt;
        memset(&ttt, 0, sizeof(ttt));
        ttt.hdr.hwndFrom = m_bar.m_hWnd;
        ttt.hdr.idFrom = row.nID;
        ttt.hdr.code = TTN_NEEDTEXTA;
        // sent to the bar, as the tip control does: the bar passes it on to its owner
        m_bar.SendMessage(WM_NOTIFY, row.nID, (LPARAM)&ttt);
        EXPECT_STREQ(row.pszTip, ttt.szText) << row.nID;
    }
}

TEST_F(ToolBar, HitTestNamesButtonsNotSeparatorsOrBorders)
{
    m_pFrame->RecalcLayout();
    CRect rectSave, rectSep;
    m_bar.GetItemRect(1, &rectSave);
    m_bar.GetItemRect(2, &rectSep);
    TOOLINFOA ti;
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    EXPECT_EQ((INT_PTR)ID_DOCKTEST_SAVE, m_bar.OnToolHitTest(rectSave.CenterPoint(), &ti));
    EXPECT_EQ(m_bar.m_hWnd, ti.hwnd);
    EXPECT_EQ((UINT_PTR)ID_DOCKTEST_SAVE, ti.uId);
    EXPECT_EQ(-1, m_bar.OnToolHitTest(rectSep.CenterPoint(), NULL));
    EXPECT_EQ(-1, m_bar.OnToolHitTest(CPoint(-3, 5), NULL));
}

/////////////////////////////////////////////////////////////////////////////
// Status bar

class StatusBar : public ToolBar
{
protected:
    void SetUp() override
    {
        ToolBar::SetUp();
        ASSERT_TRUE(m_status.Create(m_pFrame));
        static const UINT indicators[] = { ID_SEPARATOR, ID_DOCKTEST_PANE };
        ASSERT_TRUE(m_status.SetIndicators(indicators, 2));
        m_pFrame->RecalcLayout();
    }
    CStatusBar m_status;
};

TEST_F(StatusBar, PaneZeroIsTheFramesMessageBar)
{
    EXPECT_EQ(&m_status, m_pFrame->GetMessageBar());
    EXPECT_EQ("CAPS", m_status.GetPaneText(1));
    EXPECT_EQ(1, m_status.CommandToIndex(ID_DOCKTEST_PANE));
    EXPECT_EQ((UINT)ID_DOCKTEST_PANE, m_status.GetItemID(1));
    EXPECT_EQ(0u, m_status.GetItemID(5));

    m_pFrame->SetMessageText(ID_DOCKTEST_OPEN);
    EXPECT_EQ("Opens a drawing", m_status.GetPaneText(0));
    CString strText;
    m_status.GetWindowText(strText);
    EXPECT_EQ("Opens a drawing", strText);
    m_pFrame->SetMessageText("Pick a point");
    EXPECT_EQ("Pick a point", m_status.GetPaneText(0));
    EXPECT_FALSE(m_status.SetPaneText(7, "x"));

    // the message pane stretches: the indicator keeps its text's width at the right end
    CRect rectMessage, rectPane, rectBar;
    m_status.GetItemRect(0, &rectMessage);
    m_status.GetItemRect(1, &rectPane);
    m_status.GetClientRect(&rectBar);
    EXPECT_GT(rectMessage.Width(), rectPane.Width());
    EXPECT_LE(rectMessage.right, rectPane.left + 2);
    // the status bar lies along the bottom, under the toolbar's part
    CRect rectWindow;
    m_status.GetWindowRect(&rectWindow);
    m_pFrame->ScreenToClient(&rectWindow);
    EXPECT_EQ(300, rectWindow.bottom);
    EXPECT_EQ(400, rectWindow.Width());
}

TEST_F(StatusBar, IndicatorsFollowTheIdleUpdate)
{
    // a pane without a handler is disabled: its text goes
    RunTestIdle();
    EXPECT_TRUE(m_status.GetPaneStyle(1) & SBPS_DISABLED);
    char szText[32] = "";
    m_status.SendMessage(SB_GETTEXTA, 1, (LPARAM)szText);
    EXPECT_STREQ("", szText);
    EXPECT_EQ("CAPS", m_status.GetPaneText(1)) << "the pane keeps it";
}
}

TEST_F(ToolBar, ButtonTextsShareOneStringPerText)
{
    struct { int nIndex; const char* pszText; } texts[] = {
        { 0, "Open" }, { 1, "Save" }, { 3, "Open" },
    };
    for (const auto& t : texts)
        EXPECT_TRUE(m_bar.SetButtonText(t.nIndex, t.pszText)) << t.nIndex;
    for (const auto& t : texts)
        EXPECT_STREQ(t.pszText, m_bar.GetButtonText(t.nIndex)) << t.nIndex;
    EXPECT_STREQ("", m_bar.GetButtonText(2)) << "the separator has none";
    ASSERT_NE(nullptr, m_bar.m_pStringMap);
    EXPECT_EQ(2, (int)m_bar.m_pStringMap->GetCount());
    EXPECT_FALSE(m_bar.SetButtonText(9, "lost"));
    EXPECT_FALSE(m_bar.SetButtonText(0, NULL));
    EXPECT_EQ(2, (int)m_bar.m_pStringMap->GetCount());
}

TEST_F(ToolBar, OneImageOfTheControlsListIsReplaced)
{
    CImageList* pList = m_bar.GetToolBarCtrl().GetImageList();
    ASSERT_NE(nullptr, pList);
    ASSERT_EQ(3, pList->GetImageCount());
    CImageList icons;
    ASSERT_TRUE(CTestImages::Fill(icons, 1, 16, 15, 3));
    HICON hIcon = icons.ExtractIcon(0);
    ASSERT_NE(nullptr, hIcon);
    EXPECT_EQ(1, pList->Replace(1, hIcon));
    ::DestroyIcon(hIcon);
    // image 1 now has the icon's colour, images 0 and 2 are untouched
    CPixelCanvas canvas(48, 15, RGB(255, 255, 255));
    for (int i = 0; i < 3; i++)
        pList->Draw(&canvas.DC(), i, CPoint(16 * i, 0), ILD_NORMAL);
    EXPECT_GT(canvas.Count(CTestImages::Color(3, 0), CRect(16, 0, 32, 15)), 50);
    EXPECT_EQ(0, canvas.Count(CTestImages::Color(3, 0), CRect(0, 0, 16, 15)));
    EXPECT_EQ(0, canvas.Count(CTestImages::Color(3, 0), CRect(32, 0, 48, 15)));
    EXPECT_EQ(3, pList->GetImageCount());
}
