// test_docking.cpp - control bars in a frame: dock bars on the sides, the row layout, docking,
// floating and showing bars, the drag loop under real mouse input, and the bad inputs.
#include <afxext.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include "wexotest.h"
#include "TestInput.h"
#include "TestGdi.h"
#include "docking_test_res.h"

namespace
{
// A bar of a fixed size: the row arithmetic of the dock bar is all that decides where it goes.
class CFixedBar : public CControlBar
{
public:
    explicit CFixedBar(CSize size) : m_size(size)
    {
        m_bAutoDelete = TRUE;
        SetBorders(0, 0, 0, 0);
    }
    BOOL Create(CWnd* pParent, UINT nID, DWORD dwStyle = CBRS_TOP)
    {
        m_dwStyle = dwStyle;
        AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG);
        return CWnd::Create(AFX_WNDCONTROLBAR, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
    }
    virtual CSize CalcFixedLayout(BOOL, BOOL) { return m_size; }
    virtual void OnUpdateCmdUI(CFrameWnd*, BOOL) {}
    CSize m_size;
};

// The frame of the tests: a borderless popup at a known place, with command handlers whose
// answers the tests set.
class CDockTestFrame : public CFrameWnd
{
public:
    CDockTestFrame() : m_bOpenEnabled(TRUE), m_bSaveChecked(FALSE), m_nOpens(0) {}
    BOOL CreateAt(const CRect& rect)
    {
        return Create(NULL, "Dock test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rect);
    }
    CRect ClientOnScreen() const
    {
        CRect rect;
        GetClientRect(&rect);
        ClientToScreen(&rect);
        return rect;
    }
    BOOL m_bOpenEnabled;
    BOOL m_bSaveChecked;
    int m_nOpens;

protected:
    afx_msg void OnOpen() { m_nOpens++; }
    afx_msg void OnUpdateOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bOpenEnabled); }
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bSaveChecked); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDockTestFrame, CFrameWnd)
    ON_COMMAND(ID_DOCKTEST_OPEN, &CDockTestFrame::OnOpen)
    ON_UPDATE_COMMAND_UI(ID_DOCKTEST_OPEN, &CDockTestFrame::OnUpdateOpen)
    ON_UPDATE_COMMAND_UI(ID_DOCKTEST_SAVE, &CDockTestFrame::OnUpdateSave)
END_MESSAGE_MAP()

// a floating frame class of the host's own, to see that floating honours it
class CHostFloatingFrame : public CMiniDockFrameWnd
{
    DECLARE_DYNCREATE(CHostFloatingFrame)
};
IMPLEMENT_DYNCREATE(CHostFloatingFrame, CMiniDockFrameWnd)

CRect WindowRectIn(CWnd* pWnd, CWnd* pParent)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

class Docking : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockTestFrame;
        ASSERT_TRUE(m_pFrame->CreateAt(CRect(100, 100, 500, 400)));
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame()))
            m_pFrame->DestroyWindow();
        PumpTestMessages(20);
    }
    HWND m_hFrame() const { return m_pFrame->m_hWnd; }
    CDockBar* DockBar(UINT nID) { return (CDockBar*)m_pFrame->GetControlBar(nID); }
    CFixedBar* MakeBar(CSize size, UINT nID, DWORD dwDockStyle = CBRS_ALIGN_ANY, DWORD dwStyle = CBRS_TOP)
    {
        CFixedBar* pBar = new CFixedBar(size);
        EXPECT_TRUE(pBar->Create(m_pFrame, nID, dwStyle));
        pBar->EnableDocking(dwDockStyle);
        return pBar;
    }
    // a bar's array of the dock bar as text: "|" ends a row, "#id" a placeholder, "b" + id a bar
    static std::string Rows(CDockBar* pDock)
    {
        std::string s;
        for (int i = 1; i < pDock->m_arrBars.GetSize(); i++)
        {
            void* p = pDock->m_arrBars[i];
            if (p == NULL)
                s += "|";
            else if ((UINT_PTR)p < 0x10000)
                s += "#" + std::to_string((UINT_PTR)p);
            else
                s += "b" + std::to_string(((CControlBar*)p)->GetDlgCtrlID());
        }
        return s;
    }
    CDockTestFrame* m_pFrame = NULL;
};

TEST(DockingConstants, HaveTheFrameworkValues)
{
    struct { const char* name; DWORD value; DWORD expected; } table[] = {
        { "CBRS_ALL", CBRS_ALL, 0x40FFFF }, { "CBRS_HIDE_INPLACE", CBRS_HIDE_INPLACE, 8 },
        { "CBRS_ORIENT_VERT", CBRS_ORIENT_VERT, 0x5000 }, { "CBRS_TOOLTIPS", CBRS_TOOLTIPS, 0x10 },
        { "CBRS_FLYBY", CBRS_FLYBY, 0x20 }, { "CBRS_FLOAT_MULTI", CBRS_FLOAT_MULTI, 0x40 },
        { "CBRS_SIZE_DYNAMIC", CBRS_SIZE_DYNAMIC, 4 }, { "CBRS_FLOATING", CBRS_FLOATING, 1 },
        { "LM_COMMIT", LM_COMMIT, 0x40 }, { "LM_LENGTHY", LM_LENGTHY, 0x20 }, { "LM_VERTDOCK", LM_VERTDOCK, 0x10 },
        { "MFS_SYNCACTIVE", MFS_SYNCACTIVE, 0x100 }, { "MFS_BLOCKSYSMENU", MFS_BLOCKSYSMENU, 0x1000 },
        { "AFX_IDW_DOCKBAR_RIGHT", AFX_IDW_DOCKBAR_RIGHT, 59421 },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, row.value) << row.name;
    EXPECT_STREQ("AfxControlBar42", AFX_WNDCONTROLBAR);
    EXPECT_EQ(32u, sizeof(TBBUTTON));
}

TEST_F(Docking, EnableDockingMakesOneDockBarPerRequestedSide)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_RIGHT);
    EXPECT_EQ(RUNTIME_CLASS(CMiniDockFrameWnd), m_pFrame->m_pFloatingFrameClass);
    struct { UINT nID; DWORD dwStyle; } sides[] = {
        { AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM },
        { AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT },
    };
    for (const auto& side : sides)
    {
        CDockBar* pDock = DockBar(side.nID);
        ASSERT_NE(nullptr, pDock) << side.nID;
        EXPECT_TRUE(pDock->IsKindOf(RUNTIME_CLASS(CDockBar)));
        EXPECT_EQ(side.dwStyle, pDock->m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY));
        EXPECT_FALSE(pDock->m_bFloating);
    }
    EXPECT_EQ(nullptr, DockBar(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(nullptr, DockBar(AFX_IDW_DOCKBAR_BOTTOM));
    // asking again adds the missing sides only
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    int nDockBars = 0;
    for (POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition(); pos != NULL;)
        nDockBars += ((CControlBar*)m_pFrame->m_listControlBars.GetNext(pos))->IsDockBar();
    EXPECT_EQ(4, nDockBars);
}

TEST_F(Docking, EnableDockingWithoutSidesMakesNoDockBarAndABarFloats)
{
    m_pFrame->EnableDocking(0);
    EXPECT_TRUE(m_pFrame->m_listControlBars.IsEmpty());
    CFixedBar* pBar = MakeBar(CSize(60, 20), 0xE810);
    m_pFrame->DockControlBar(pBar);
    EXPECT_TRUE(pBar->IsFloating());
    EXPECT_TRUE(pBar->GetParentFrame()->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
}

TEST_F(Docking, ABarThatMayDockNowhereFloats)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CFixedBar* pBar = MakeBar(CSize(60, 20), 0xE810, 0, 0);
    m_pFrame->DockControlBar(pBar);
    ASSERT_TRUE(pBar->IsFloating());
    // and a double click on its frame cannot dock it anywhere
    pBar->m_pDockContext->ToggleDocking();
    EXPECT_TRUE(pBar->IsFloating());
}

// Rows of a top dock bar 400 wide: bars overlap by two pixels, rows by two, and a bar that
// would start beyond the end wraps into a row of its own.
TEST_F(Docking, TopDockBarLaysOutRowsByTheFrameworkArithmetic)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_TOP);
    CDockBar* pDock = DockBar(AFX_IDW_DOCKBAR_TOP);
    CFixedBar* pA = MakeBar(CSize(100, 30), 0xE810);
    CFixedBar* pB = MakeBar(CSize(80, 20), 0xE811);
    CFixedBar* pC = MakeBar(CSize(60, 25), 0xE812);
    m_pFrame->DockControlBar(pA, pDock);
    m_pFrame->RecalcLayout();
    // B dropped right of A, in A's row; C in a row of its own
    CRect rectA;
    pA->GetWindowRect(&rectA);
    CRect rectB(rectA.right + 10, rectA.top, rectA.right + 90, rectA.top + 20);
    m_pFrame->DockControlBar(pB, pDock, &rectB);
    m_pFrame->DockControlBar(pC, pDock);
    m_pFrame->RecalcLayout();
    EXPECT_EQ("b59408b59409|b59410|", Rows(pDock));

    // A at (-2,-2); B keeps the gap it was dropped with (x 108 in the dock bar's client); the
    // second row starts at -2 + 30 - 2 = 26
    EXPECT_EQ(CRect(-2, -2, 98, 28), WindowRectIn(pA, pDock));
    EXPECT_EQ(CRect(108, -2, 188, 18), WindowRectIn(pB, pDock));
    EXPECT_EQ(CRect(-2, 26, 58, 51), WindowRectIn(pC, pDock));
    // the dock bar: rows down to 26 + 25 - 2 = 49, plus its bottom border of 2
    CRect rectDock;
    pDock->GetWindowRect(&rectDock);
    EXPECT_EQ(CSize(400, 51), rectDock.Size());
    EXPECT_EQ(CRect(-2, 26, 58, 51), pC->m_pDockContext->m_rectMRUDockPos);
}

TEST_F(Docking, ABarBeyondTheEndOfItsRowWrapsIntoANewRow)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_TOP);
    CDockBar* pDock = DockBar(AFX_IDW_DOCKBAR_TOP);
    CFixedBar* pBars[3];
    for (int i = 0; i < 3; i++)
        pBars[i] = MakeBar(CSize(210, 24), 0xE810 + i);
    // all three in one row
    m_pFrame->DockControlBar(pBars[0], pDock);
    pDock->m_arrBars.RemoveAll();
    pDock->m_arrBars.Add(NULL);
    for (int i = 0; i < 3; i++)
    {
        pBars[i]->SetParent(pDock);
        pBars[i]->m_pDockBar = pDock;
        pDock->m_arrBars.Add(pBars[i]);
    }
    pDock->m_arrBars.Add(NULL);
    m_pFrame->RecalcLayout();
    // the second bar follows at 206 (pushing it back to end at 400 would uncover the first);
    // the third would start at 414, beyond 400 - 2: it opens a row of its own at the left, one
    // bar height down less the overlap (-2 + 24 - 2 = 20)
    EXPECT_EQ("b59408b59409|b59410|", Rows(pDock));
    EXPECT_EQ(CRect(-2, -2, 208, 22), WindowRectIn(pBars[0], pDock));
    EXPECT_EQ(CRect(206, -2, 416, 22), WindowRectIn(pBars[1], pDock));
    EXPECT_EQ(CRect(-2, 20, 208, 44), WindowRectIn(pBars[2], pDock));
}

TEST_F(Docking, FloatingLeavesAPlaceholderAndDockingBackTakesIt)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CHostFloatingFrame);
    CDockBar* pDock = DockBar(AFX_IDW_DOCKBAR_TOP);
    CFixedBar* pA = MakeBar(CSize(200, 30), 0xE810);
    CFixedBar* pB = MakeBar(CSize(80, 30), 0xE811);
    m_pFrame->DockControlBar(pA, pDock);
    m_pFrame->DockControlBar(pB, pDock);
    m_pFrame->RecalcLayout();
    ASSERT_EQ("b59408|b59409|", Rows(pDock));

    m_pFrame->FloatControlBar(pA, CPoint(600, 500));
    EXPECT_EQ("#59408|b59409|", Rows(pDock));
    ASSERT_TRUE(pA->IsFloating());
    CFrameWnd* pFloat = pA->GetParentFrame();
    EXPECT_TRUE(pFloat->IsKindOf(RUNTIME_CLASS(CHostFloatingFrame)));
    EXPECT_TRUE(pFloat->IsWindowVisible());
    EXPECT_EQ(1, pA->m_pDockBar->GetDockedCount());
    // the floating frame snaps to the bar: its client area is the bar's size less the two
    // overlaps of the floating dock bar's row
    CRect rectClient;
    pFloat->GetClientRect(&rectClient);
    EXPECT_EQ(CSize(200 - 4, 30 - 4), rectClient.Size());

    const HWND hFloat = pFloat->m_hWnd;
    m_pFrame->ReDockControlBar(pA, pDock);
    EXPECT_EQ("b59408|b59409|", Rows(pDock));
    EXPECT_FALSE(pA->IsFloating());
    EXPECT_FALSE(::IsWindow(hFloat)) << "the empty floating frame goes";
    EXPECT_EQ(pDock->GetDockedCount(), 2);
}

TEST_F(Docking, DelayedShowWaitsForTheIdlePassAndTakesTheFloatingFrameAlong)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CFixedBar* pBar = MakeBar(CSize(100, 30), 0xE810);
    m_pFrame->FloatControlBar(pBar, CPoint(600, 500));
    CFrameWnd* pFloat = pBar->GetParentFrame();
    ASSERT_TRUE(pFloat->IsWindowVisible());

    m_pFrame->ShowControlBar(pBar, FALSE, TRUE);
    EXPECT_FALSE(pBar->IsVisible());
    EXPECT_TRUE(pFloat->IsWindowVisible()) << "not before the idle pass";
    RunTestIdle();
    EXPECT_FALSE(pBar->IsWindowVisible());
    EXPECT_FALSE(pFloat->IsWindowVisible());

    m_pFrame->ShowControlBar(pBar, TRUE, FALSE);
    EXPECT_TRUE(pBar->IsWindowVisible());
    EXPECT_TRUE(pFloat->IsWindowVisible());
}

TEST_F(Docking, RemovingTheLastBarOfAFloatingFrameDestroysIt)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CFixedBar* pBar = MakeBar(CSize(100, 30), 0xE810);
    m_pFrame->FloatControlBar(pBar, CPoint(600, 500));
    CDockBar* pFloatDock = pBar->m_pDockBar;
    const HWND hFloat = pBar->GetParentFrame()->m_hWnd;
    // a bar that is not docked there changes nothing
    CFixedBar* pOther = MakeBar(CSize(10, 10), 0xE811);
    EXPECT_FALSE(pFloatDock->RemoveControlBar(pOther));
    EXPECT_TRUE(::IsWindow(hFloat));

    pBar->SetParent(m_pFrame);
    EXPECT_TRUE(pFloatDock->RemoveControlBar(pBar));
    EXPECT_FALSE(::IsWindow(hFloat));
}

TEST_F(Docking, BordersUseTheReplaceableColours)
{
    CFixedBar* pBar = MakeBar(CSize(40, 20), 0xE810);
    pBar->SetBarStyle(CBRS_ALIGN_TOP | CBRS_BORDER_ANY | CBRS_BORDER_3D);
    CPixelCanvas canvas(40, 20, RGB(1, 2, 3));

    const COLORREF clrShadow = afxData.clrBtnShadow;
    const COLORREF clrHilite = afxData.clrBtnHilite;
    afxData.clrBtnShadow = RGB(255, 0, 0);
    afxData.clrBtnHilite = RGB(0, 0, 255);
    CRect rect(0, 0, 40, 20);
    pBar->DrawBorders(&canvas.DC(), rect);
    afxData.clrBtnShadow = clrShadow;
    afxData.clrBtnHilite = clrHilite;

    // dark line outside, light line inside at the top and left; at the right and bottom the
    // light line is outermost
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(10, 0));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(10, 1));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(0, 10));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(39, 10));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(38, 10));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(10, 19));
    EXPECT_EQ(36 * 16, canvas.Count(RGB(1, 2, 3))) << "nothing inside the borders";
    EXPECT_EQ(CRect(2, 2, 38, 18), rect);
}

/////////////////////////////////////////////////////////////////////////////
// Dragging with the mouse

class DockingDrag : public Docking
{
protected:
    void SetUp() override
    {
        Docking::SetUp();
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pBar = MakeBar(CSize(120, 28), 0xE810);
        m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        m_pBar->GetWindowRect(&m_rectStart);
        // a press on the bar's empty space starts the drag
        m_ptGrab = m_rectStart.TopLeft() + CSize(30, 14);
    }
    CFixedBar* m_pBar = NULL;
    CRect m_rectStart;
    CPoint m_ptGrab;
};

TEST_F(DockingDrag, DraggedDownTheLeftEdgeItDocksLeft)
{
    CMouseScript script;
    script.MoveTo(m_ptGrab).LeftDown().MoveTo(m_ptGrab + CSize(-20, 60)).MoveTo(m_ptGrab + CSize(-25, 120))
        .LeftUp();
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_LEFT), m_pBar->m_pDockBar);
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, m_pBar->m_dwStyle & CBRS_ALIGN_ANY);
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_LEFT, m_pBar->m_pDockContext->m_uMRUDockID);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(DockingDrag, DroppedInTheMiddleItFloatsAndControlKeepsItFloatingOverASide)
{
    CMouseScript script;
    script.MoveTo(m_ptGrab).LeftDown().MoveTo(m_ptGrab + CSize(100, 100)).MoveTo(m_ptGrab + CSize(150, 130))
        .LeftUp();
    ASSERT_TRUE(script.Run());
    ASSERT_TRUE(m_pBar->IsFloating());
    EXPECT_EQ((DWORD)CBRS_ALIGN_TOP, m_pBar->m_pDockContext->m_dwMRUFloatStyle & CBRS_ALIGN_ANY);

    // dragged by its caption back over the top side with Control down, it stays floating
    CRect rectFloat;
    m_pBar->GetParentFrame()->GetWindowRect(&rectFloat);
    const CPoint ptCaption(rectFloat.left + 20, rectFloat.top + 5);
    CMouseScript back;
    back.MoveTo(ptCaption).LeftDown().MoveTo(ptCaption + CSize(-5, -20))
        .Call([] { keybd_event(VK_CONTROL, 0, 0, 0); }).MoveTo(m_ptGrab).LeftUp()
        .Call([] { keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0); });
    ASSERT_TRUE(back.Run());
    EXPECT_TRUE(m_pBar->IsFloating());
}

// Escape, the right button and a capture taken away all leave the bar where it was.
class DockingDragCancel : public DockingDrag, public testing::WithParamInterface<int>
{
};

TEST_P(DockingDragCancel, LeavesTheBarWhereItWas)
{
    CMouseScript script;
    script.MoveTo(m_ptGrab).LeftDown().MoveTo(m_ptGrab + CSize(100, 120));
    switch (GetParam())
    {
    case 0:
        script.KeyPress(VK_ESCAPE);
        break;
    case 1:
        script.RightDown().RightUp();
        break;
    case 2:
        script.Call([this] { ::SetCapture(m_hFrame()); ::ReleaseCapture(); });
        break;
    }
    script.MoveTo(m_ptGrab + CSize(150, 150)).LeftUp();
    ASSERT_TRUE(script.Run());
    EXPECT_FALSE(m_pBar->IsFloating());
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_TOP), m_pBar->m_pDockBar);
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    EXPECT_EQ(m_rectStart, rect);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(nullptr, m_pBar->m_pDockContext->m_pDC);
}

INSTANTIATE_TEST_SUITE_P(EscapeRightButtonLostCapture, DockingDragCancel, testing::Values(0, 1, 2));

TEST_F(DockingDrag, DoubleClicksToggleBetweenDockedAndFloating)
{
    CMouseScript script;
    script.MoveTo(m_ptGrab).LeftDown().LeftUp().LeftDown().LeftUp();
    ASSERT_TRUE(script.Run());
    ASSERT_TRUE(m_pBar->IsFloating());

    CRect rectFloat;
    m_pBar->GetParentFrame()->GetWindowRect(&rectFloat);
    const CPoint ptCaption(rectFloat.left + 20, rectFloat.top + 5);
    CMouseScript back;
    back.MoveTo(ptCaption).LeftDown().LeftUp().LeftDown().LeftUp();
    ASSERT_TRUE(back.Run());
    EXPECT_FALSE(m_pBar->IsFloating());
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_TOP), m_pBar->m_pDockBar);
}
}
