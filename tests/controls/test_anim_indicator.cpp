// The animated indicator with a host's states: still pictures by size, clips that start once and
// switch with the size, unknown states, and the late-bound way in.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include "wexotest.h"

namespace {

const UINT CLIP_SMALL = 201, CLIP_LARGE = 202, STILL_SMALL = 211, STILL_LARGE = 212;
const COLORREF BLUE = RGB(0, 0, 255), GREEN = RGB(0, 160, 0), CREAM = RGB(250, 240, 200), NAVY = RGB(0, 0, 90);

// counts the clip starts the animation control reports
class CCountingIndicator : public CAnimIndicator
{
public:
    int m_nStarts = 0;
protected:
    void OnStart()
    {
        m_nStarts++;
        OnAnimStart();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingIndicator, CAnimIndicator)
    ON_CONTROL(ACN_START, INDICATOR_ANIM_ID, OnStart)
END_MESSAGE_MAP()

class AnimIndicatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxOleInit();
        ASSERT_TRUE(m_parent.CreateTopLevel(CRect(0, 0, 200, 200), "status", WS_POPUP | WS_VISIBLE));
        ASSERT_TRUE(m_ind.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 40, 40), &m_parent, 300));
        m_ind.SetSize(CSize(16, 16), CSize(34, 34));
        const SIndicatorState states[] = {
            { 1, CREAM, INDICATOR_KIND_BITMAP, STILL_SMALL, STILL_LARGE },
            { 2, NAVY, INDICATOR_KIND_AVI, CLIP_SMALL, CLIP_LARGE },
            { 3, CREAM, 7, 0, 0 },      // a kind the indicator does not know
        };
        EXPECT_EQ(1, m_ind.SetIndicatorStates(states, 3));
    }
    CSize WindowSize()
    {
        CRect rect;
        m_ind.GetWindowRect(&rect);
        return rect.Size();
    }

    CRecordingWnd m_parent;
    CCountingIndicator m_ind;
};

TEST_F(AnimIndicatorTest, DefaultSizesFollowTheMenuButtonHeight)
{
    CAnimIndicator fresh;
    int m = ::GetSystemMetrics(SM_CYMENUSIZE);
    EXPECT_EQ(CSize(m + 8, m + 8), fresh.GetSmallSize());
    EXPECT_EQ(CSize(2 * m + 14, 2 * m + 14), fresh.GetLargeSize());
}

TEST_F(AnimIndicatorTest, StillPictureFitsTheWindow)
{
    const struct { int nSize; CSize sizeAfter; int nShown; COLORREF clrCentre; } cases[] = {
        { 60, CSize(36, 36), 2, GREEN },    // the large one fits: the window takes its size + 2
        { 24, CSize(18, 18), 1, BLUE },     // only the small one: small size + 2
    };
    for (const auto& c : cases)
    {
        m_ind.SetWindowPos(NULL, 0, 0, c.nSize, c.nSize, SWP_NOMOVE | SWP_NOZORDER);
        m_ind.ChangeState(1);
        m_ind.UpdatePositions(-1, -1);
        EXPECT_EQ(c.sizeAfter, WindowSize()) << c.nSize;
        EXPECT_EQ(c.nShown, m_ind.GetShownBitmap()) << c.nSize;
        CPixelCanvas canvas(c.sizeAfter.cx, c.sizeAfter.cy);
        m_ind.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.DC().GetSafeHdc(), PRF_CLIENT);
        int nMid = c.sizeAfter.cx / 2;
        EXPECT_EQ(c.clrCentre, canvas.Pixel(nMid, nMid)) << c.nSize;
        EXPECT_EQ(CREAM, canvas.Pixel(2, 2)) << c.nSize;          // the state's colour around it
        // the sunken frame
        EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.Pixel(0, nMid)) << c.nSize;
        EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.Pixel(c.sizeAfter.cx - 1, nMid)) << c.nSize;
        m_ind.ChangeState(3);
    }
}

TEST_F(AnimIndicatorTest, UnknownStatesChangeNothing)
{
    m_ind.ChangeState(1);
    EXPECT_EQ(0, m_ind.ChangeState(42));
    EXPECT_EQ(1u, m_ind.GetCurrentState());
    EXPECT_EQ(CREAM, m_ind.GetBkColor());
    EXPECT_EQ(1, m_ind.ChangeState(3));     // a row of an unknown kind: found, nothing done
    EXPECT_EQ(1u, m_ind.GetCurrentState());
    // the previous state comes back from a change
    EXPECT_EQ(1, m_ind.ChangeState(2));
    EXPECT_EQ(2u, m_ind.GetCurrentState());
    EXPECT_EQ(NAVY, m_ind.GetAnimCtrl().GetBkColor());
}

TEST_F(AnimIndicatorTest, SameClipsDoNotRestartAndGrowingSwitchesToTheLargeOne)
{
    m_ind.ChangeState(2);
    PumpTestMessages(50);
    EXPECT_TRUE(m_ind.IsPlaying());
    EXPECT_FALSE(m_ind.IsLargeClipOpen());      // 30 px less the frame is below 34
    int nStarts = m_ind.m_nStarts;
    EXPECT_EQ(1, m_ind.PlayAVI(CLIP_SMALL, CLIP_LARGE, 0, (UINT)-1, (UINT)-1));
    PumpTestMessages(50);
    EXPECT_EQ(nStarts, m_ind.m_nStarts);
    EXPECT_TRUE(m_ind.GetAnimCtrl().IsWindowVisible());

    m_ind.SetWindowPos(NULL, 0, 0, 60, 60, SWP_NOMOVE | SWP_NOZORDER);
    PumpTestMessages(50);
    EXPECT_TRUE(m_ind.IsLargeClipOpen());
    EXPECT_TRUE(m_ind.IsPlaying());
    CRect rectAnim;
    m_ind.GetAnimCtrl().GetWindowRect(&rectAnim);
    EXPECT_EQ(CSize(58, 58), rectAnim.Size());

    // a still state stops and hides the clip
    m_ind.ChangeState(1);
    PumpTestMessages(50);
    EXPECT_FALSE(m_ind.IsPlaying());
    EXPECT_FALSE(m_ind.GetAnimCtrl().IsWindowVisible());
}

TEST_F(AnimIndicatorTest, ReachableLateBound)
{
    IDispatch* pDisp = m_ind.GetIDispatch(FALSE);
    ASSERT_NE(nullptr, pDisp);
    VARIANT id;
    id.vt = VT_I4;
    id.lVal = 1;
    COleVariant result;
    EXPECT_EQ(S_OK, TestDispCall(pDisp, L"ChangeState", { id }, &result));
    EXPECT_EQ(VT_I4, result.vt);
    EXPECT_EQ(0, result.lVal);                  // nothing was current before
    COleVariant current;
    EXPECT_EQ(S_OK, TestDispGet(pDisp, L"CurrentState", &current));
    EXPECT_EQ(1, current.lVal);
    EXPECT_NE(S_OK, TestDispPut(pDisp, L"CurrentState", id));
}

} // namespace
