// test_windrag.cpp - the drag loop: where a drag ends, what it finds there, the ways out of it,
// the constrained drag, the status-bar prompt and the inverted outline.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include "wexotest.h"
#include "res/resource.h"
#include <vector>

namespace
{
// the class of window a drag looks for
class CDropTarget : public CRecordingWnd
{
    DECLARE_DYNAMIC(CDropTarget)
};
IMPLEMENT_DYNAMIC(CDropTarget, CWnd)

struct SCallbackLog
{
    int nStarts = 0;
    int nMoves = 0;
    CPoint ptLastOffset;
};

void CALLBACK LogCallback(CWinDrag* pDrag, int nReason, DWORD_PTR dwLog, DWORD_PTR dwTag)
{
    SCallbackLog* pLog = (SCallbackLog*)dwLog;
    EXPECT_EQ(0x77u, dwTag);
    if (nReason == WINDRAG_START)
        pLog->nStarts++;
    else if (nReason == WINDRAG_MOVE)
    {
        pLog->nMoves++;
        pLog->ptLastOffset = pDrag->GetOffset();
    }
}

// A window that starts a drag of itself when pressed, the way a tab or a bar does.
class CDragSource : public CRecordingWnd
{
public:
    CDragSource() : m_pDropClass(NULL), m_pResult(NULL), m_nDrags(0)
    {
        m_fnPress = [this](CPoint pt) {
            m_nDrags++;
            m_pResult = m_drag.Drag(this, m_pDropClass, pt);
        };
    }
    CWinDrag m_drag;
    CRuntimeClass* m_pDropClass;
    CWnd* m_pResult;
    int m_nDrags;
};

class WinDrag : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_desk.CreateTopLevel(CRect(50, 50, 650, 450)));
        ASSERT_TRUE(m_source.CreateChild(&m_desk, CRect(20, 20, 120, 100), 1));
        ASSERT_TRUE(m_target.CreateChild(&m_desk, CRect(300, 50, 500, 250), 2));
        ASSERT_TRUE(m_inner.CreateChild(&m_target, CRect(20, 20, 120, 120), 3));
        ASSERT_TRUE(m_box.CreateChild(&m_desk, CRect(50, 280, 250, 380), 4));
        ASSERT_TRUE(m_hidden.CreateChild(&m_box, CRect(10, 10, 110, 90), 5));
        // a disabled window is not what WindowFromPoint answers: the box is
        m_hidden.EnableWindow(FALSE);
        m_source.m_pDropClass = RUNTIME_CLASS(CDropTarget);
        m_source.m_drag.SetDragCallback(LogCallback, (DWORD_PTR)&m_log, 0x77);
        PumpTestMessages(20);
    }
    void TearDown() override
    {
        m_desk.DestroyWindow();
        PumpTestMessages(10);
    }
    // presses the source at its centre and releases at ptEnd (screen), moving there in steps
    BOOL DragSourceTo(CPoint ptEnd)
    {
        const CPoint ptStart = ScreenPoint(&m_source, CPoint(50, 40));
        CMouseScript script;
        script.MoveTo(ptStart).LeftDown();
        for (int i = 1; i <= 4; i++)
            script.MoveTo(ptStart + CPoint((ptEnd.x - ptStart.x) * i / 4, (ptEnd.y - ptStart.y) * i / 4));
        script.LeftUp();
        return script.Run();
    }
    CRect SourceRect()
    {
        CRect rect;
        m_source.GetWindowRect(&rect);
        return rect;
    }

    CRecordingWnd m_desk;
    CDragSource m_source;
    CDropTarget m_target;
    CRecordingWnd m_inner;
    CRecordingWnd m_box;
    CDropTarget m_hidden;
    SCallbackLog m_log;
};
}

TEST_F(WinDrag, DropOnATargetReturnsItWithTheOutlineMovedByTheMouse)
{
    const CRect rectStart = SourceRect();
    const CPoint ptEnd = ScreenPoint(&m_target, CPoint(150, 170));
    ASSERT_TRUE(DragSourceTo(ptEnd));
    EXPECT_EQ(1, m_source.m_nDrags);
    EXPECT_EQ(&m_target, m_source.m_pResult);
    EXPECT_EQ(1, m_source.m_drag.GetResult());

    const CPoint ptOffset = ptEnd - ScreenPoint(&m_source, CPoint(50, 40));
    EXPECT_EQ(ptOffset, m_source.m_drag.GetOffset());
    EXPECT_EQ(rectStart + ptOffset, m_source.m_drag.GetDragRect());
    EXPECT_EQ(rectStart, SourceRect());         // the window itself stays: only its outline moved

    EXPECT_EQ(1, m_log.nStarts);
    EXPECT_GE(m_log.nMoves, 4);
    EXPECT_EQ(ptOffset, m_log.ptLastOffset);
    EXPECT_TRUE(::GetCapture() == NULL);
}

TEST_F(WinDrag, TheDropWindowIsFoundAmongChildrenAndAncestors)
{
    // over a plain child of the target: its ancestor
    ASSERT_TRUE(DragSourceTo(ScreenPoint(&m_inner, CPoint(50, 50))));
    EXPECT_EQ(&m_target, m_source.m_pResult);

    // over the box, whose disabled child under the point is a target
    ASSERT_TRUE(DragSourceTo(ScreenPoint(&m_hidden, CPoint(50, 40))));
    EXPECT_EQ(&m_hidden, m_source.m_pResult);

    // over nothing of the class
    ASSERT_TRUE(DragSourceTo(ScreenPoint(&m_desk, CPoint(560, 380))));
    EXPECT_TRUE(m_source.m_pResult == NULL);
    EXPECT_EQ(1, m_source.m_drag.GetResult());

    // without a class: whatever window is there
    EXPECT_EQ(m_box.m_hWnd, m_source.m_drag.GetDropWindow(NULL, ScreenPoint(&m_box, CPoint(150, 50)))->m_hWnd);
    EXPECT_EQ(&m_target, m_source.m_drag.GetDropWindow(RUNTIME_CLASS(CDropTarget),
        ScreenPoint(&m_target, CPoint(190, 190))));
}

TEST_F(WinDrag, RightPressEscapeAndLostCaptureCancel)
{
    const CPoint ptStart = ScreenPoint(&m_source, CPoint(50, 40));
    const CPoint ptOver = ScreenPoint(&m_target, CPoint(100, 100));

    CMouseScript right;
    right.MoveTo(ptStart).LeftDown().MoveTo(ptOver).RightDown().RightUp().LeftUp();
    ASSERT_TRUE(right.Run());
    EXPECT_TRUE(m_source.m_pResult == NULL);
    EXPECT_EQ(0, m_source.m_drag.GetResult());
    EXPECT_EQ(CPoint(0, 0), m_source.m_drag.GetOffset());
    EXPECT_EQ(SourceRect(), m_source.m_drag.GetDragRect());

    CMouseScript escape;
    escape.MoveTo(ptStart + CPoint(1, 0)).LeftDown().MoveTo(ptOver).KeyPress(VK_ESCAPE).LeftUp();
    ASSERT_TRUE(escape.Run());
    EXPECT_EQ(2, m_source.m_nDrags);
    EXPECT_TRUE(m_source.m_pResult == NULL);
    EXPECT_EQ(0, m_source.m_drag.GetResult());

    // a WM_CANCELMODE takes the capture away, as a window that pops up does
    CMouseScript cancel;
    cancel.MoveTo(ptStart).LeftDown().MoveTo(ptOver).Call([]() {
        if (::GetCapture() != NULL)
            ::SendMessageA(::GetCapture(), WM_CANCELMODE, 0, 0);
    }).MoveTo(ptOver + CPoint(5, 5)).LeftUp();
    ASSERT_TRUE(cancel.Run());
    EXPECT_EQ(3, m_source.m_nDrags);
    EXPECT_TRUE(m_source.m_pResult == NULL);
    EXPECT_EQ(0, m_source.m_drag.GetResult());
    EXPECT_TRUE(::GetCapture() == NULL);
}

TEST_F(WinDrag, ThePromptShowsInTheStatusBarWhileDragging)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "Prompt frame", WS_OVERLAPPEDWINDOW, CRect(700, 50, 1000, 250)));
    CStatic bar;
    ASSERT_TRUE(bar.Create("Ready", WS_CHILD | WS_VISIBLE, CRect(0, 150, 300, 170), pFrame, AFX_IDW_STATUS_BAR));
    CString strPrompt;
    strPrompt.LoadString(g_hUILResource, IDS_COLOR_HUE);
    ASSERT_FALSE(strPrompt.IsEmpty());

    CString strDuring;
    m_source.m_drag.SetStartDragPrompt(pFrame, IDS_COLOR_HUE);
    CMouseScript script;
    script.MoveTo(ScreenPoint(&m_source, CPoint(50, 40))).LeftDown()
        .MoveTo(ScreenPoint(&m_target, CPoint(50, 50)))
        .Call([&]() { bar.GetWindowText(strDuring); })
        .LeftUp();
    ASSERT_TRUE(script.Run());
    EXPECT_STREQ((LPCSTR)strPrompt, (LPCSTR)strDuring);
    CString strAfter;
    bar.GetWindowText(strAfter);
    EXPECT_STREQ("Ready", (LPCSTR)strAfter);
    pFrame->DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// The constrained drag of a child window

namespace
{
class CHVSource : public CRecordingWnd
{
public:
    CHVSource() : m_bVert(FALSE), m_ptLimits(0, 0)
    {
        m_fnPress = [this](CPoint pt) {
            CRect rect;
            GetWindowRect(&rect);
            GetParent()->ScreenToClient(&rect);
            const int nStart = m_bVert ? pt.y : pt.x;
            m_drag.DragHV(this, rect, m_bVert, CPoint(nStart + m_ptLimits.x, nStart + m_ptLimits.y), pt);
            m_rectResult = rect;
        };
    }
    CWinDrag m_drag;
    int m_bVert;
    CPoint m_ptLimits;      // relative to the press
    CRect m_rectResult;
};
}

TEST_F(WinDrag, ConstrainedDragMovesTheWindowAlongOneAxisWithinItsLimits)
{
    CHVSource bar;
    ASSERT_TRUE(bar.CreateChild(&m_desk, CRect(200, 100, 204, 300), 9));
    bar.m_ptLimits = CPoint(-30, 50);
    const CPoint ptPress = ScreenPoint(&bar, CPoint(2, 100));

    CRect rectDuring;
    CMouseScript script;
    script.MoveTo(ptPress).LeftDown().MoveTo(ptPress + CPoint(20, 33))
        .Call([&]() {
            bar.GetWindowRect(&rectDuring);
            m_desk.ScreenToClient(&rectDuring);
        })
        .MoveTo(ptPress + CPoint(90, -40)).LeftUp();
    ASSERT_TRUE(script.Run());
    // it followed the mouse live, across only
    EXPECT_EQ(CRect(220, 100, 224, 300), rectDuring);
    // and stopped at the upper limit
    EXPECT_EQ(CRect(250, 100, 254, 300), bar.m_rectResult);
    EXPECT_EQ(CPoint(50, 0), bar.m_drag.GetOffset());
    CRect rectNow;
    bar.GetWindowRect(&rectNow);
    m_desk.ScreenToClient(&rectNow);
    EXPECT_EQ(bar.m_rectResult, rectNow);

    // vertically, to the lower limit, and cancelled: back where it was
    bar.m_bVert = TRUE;
    const CRect rectBefore = rectNow;
    const CPoint ptPress2 = ScreenPoint(&bar, CPoint(2, 100));
    CMouseScript vert;
    vert.MoveTo(ptPress2).LeftDown().MoveTo(ptPress2 + CPoint(10, -80))
        .Call([&]() {
            bar.GetWindowRect(&rectDuring);
            m_desk.ScreenToClient(&rectDuring);
        })
        .RightDown().RightUp().LeftUp();
    ASSERT_TRUE(vert.Run());
    EXPECT_EQ(rectBefore + CPoint(0, -30), rectDuring);
    EXPECT_EQ(rectBefore, bar.m_rectResult);
    bar.GetWindowRect(&rectNow);
    m_desk.ScreenToClient(&rectNow);
    EXPECT_EQ(rectBefore, rectNow);
}

/////////////////////////////////////////////////////////////////////////////
// The outline

TEST(WinDragOutline, ARectangleGivesItsFourCorners)
{
    CWinDrag drag;
    POINT pts[8];
    int nCount = 8;
    const CRect rect(10, 20, 110, 70);
    drag.PointsFromRect(pts, nCount, &rect, CPoint(0, 0), NULL);
    ASSERT_EQ(4, nCount);
    EXPECT_EQ(CPoint(10, 20), CPoint(pts[0]));
    EXPECT_EQ(CPoint(110, 20), CPoint(pts[1]));
    EXPECT_EQ(CPoint(110, 70), CPoint(pts[2]));
    EXPECT_EQ(CPoint(10, 70), CPoint(pts[3]));
    nCount = 3;
    drag.PointsFromRect(pts, nCount, &rect, CPoint(0, 0), NULL);
    EXPECT_EQ(0, nCount);
}

TEST(WinDragOutline, TheBandIsInvertedInsideThePolygonAndComesOffAgain)
{
    const int cx = 60, cy = 40;
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    std::vector<DWORD> bits(cx * cy, 0x00808080);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(cx, cy, 1, 32, bits.data()));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    const DWORD* pBits = bits.data();
    auto read = [&]() { bitmap.GetBitmapBits((DWORD)(bits.size() * sizeof(DWORD)), bits.data()); };

    // an L shape: an outline of a window with a tab below it
    POINT pts[6] = { { 10, 5 }, { 50, 5 }, { 50, 25 }, { 30, 25 }, { 30, 35 }, { 10, 35 } };
    CWinDrag drag;
    drag.DrawDragPolygon(&dc, pts, 6);
    read();
    auto changed = [&](int x, int y) { return pBits[y * cx + x] != 0x00808080; };
    // the halftone inverts every other pixel of the band
    EXPECT_NE(changed(10, 10), changed(11, 10));
    EXPECT_TRUE(changed(10, 10) || changed(10, 11));
    EXPECT_TRUE(changed(47, 15) || changed(47, 16));        // three pixels in from the right edge
    EXPECT_FALSE(changed(46, 15) || changed(46, 16));       // and no more
    EXPECT_TRUE(changed(20, 32) || changed(20, 33));        // along the tab's bottom
    EXPECT_FALSE(changed(20, 15) || changed(20, 16));       // the inside stays
    EXPECT_FALSE(changed(40, 30) || changed(40, 31));       // outside the L
    EXPECT_FALSE(changed(9, 10) || changed(9, 11));

    drag.DrawDragPolygon(&dc, pts, 6);
    read();
    int nDiffer = 0;
    for (int i = 0; i < cx * cy; i++)
        nDiffer += pBits[i] != 0x00808080;
    EXPECT_EQ(0, nDiffer);

    dc.SelectObject(pOld);
}
