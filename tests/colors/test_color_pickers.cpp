// test_color_pickers.cpp - asking for a colour: the host first, then the system dialog or nobody;
// the popup button, the colour field with its eyedropper, the pen and brush indicator, the combo
// box's items, the plain swatch and the icons of special colours.
#include "ColorTestWindows.h"
#include <gtest/gtest.h>
#include "wexotest.h"

namespace
{
const UINT nPickerID = 1200;
const unsigned long clrNone = (unsigned long)-1;

// A host main window that answers WM_PICKCOLOR with m_dwAnswer (or not at all while m_bAnswer is
// FALSE) and keeps what each request carried.
class CPickHost
{
public:
    struct SRequest
    {
        unsigned long dwColor;
        CRect rcAnchor;
        BOOL bAnchor;
        ULONG_PTR nFlags;
    };

    CPickHost() : m_bAnswer(TRUE), m_dwAnswer(0)
    {
        m_wnd.Watch(WM_PICKCOLOR);
        m_wnd.m_fnAnswer = [this](UINT message, WPARAM wParam, LPARAM lParam, BOOL& bHandled) -> LRESULT {
            if (message != WM_PICKCOLOR)
                return 0;
            SPickColorValue* pValue = (SPickColorValue*)wParam;
            const SPickColorRequest* pRequest = (const SPickColorRequest*)lParam;
            SRequest request = { pValue->dwColor, CRect(0, 0, 0, 0), pRequest->pAnchor != NULL, pRequest->nFlags };
            if (pRequest->pAnchor != NULL)
                request.rcAnchor = *pRequest->pAnchor;
            m_requests.push_back(request);
            bHandled = TRUE;
            if (!m_bAnswer)
                return 0;
            pValue->dwColor = m_dwAnswer;
            return 1;
        };
        m_wnd.CreateTopLevel(CRect(700, 500, 760, 540), "Host", WS_POPUP);
        m_pScope.reset(new CMainWindowScope(&m_wnd));
    }
    ~CPickHost()
    {
        m_pScope.reset();
        m_wnd.DestroyWindow();
    }

    BOOL m_bAnswer;
    unsigned long m_dwAnswer;
    std::vector<SRequest> m_requests;
    CRecordingWnd m_wnd;
    std::unique_ptr<CMainWindowScope> m_pScope;
};

// visible top-level windows of this thread, dialogs and message boxes included
int CountThreadWindows()
{
    int nCount = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM lParam) -> BOOL {
        if (::IsWindowVisible(hWnd))
            ++*(int*)lParam;
        return TRUE;
    }, (LPARAM)&nCount);
    return nCount;
}

class PickerWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        ::SetCursorPos(1000, 700);
        m_parent.Watch(WM_COMMAND);
        ASSERT_TRUE(m_parent.CreateTopLevel(CRect(40, 40, 440, 300), "Picker test"));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        PumpTestMessages(10);
    }
    CRecordingWnd m_parent;
};
}

/////////////////////////////////////////////////////////////////////////////
// RunColorSelector

// The host is asked first with the colour, the anchor and the flags; its answer is the result,
// whatever the flags say.
TEST(ColorSelector, HostAnswerIsTheResultForEveryFlagValue)
{
    const unsigned short flags[] = { 0, 1, 0x8000, 0xFFFF };
    for (unsigned short wFlags : flags)
    {
        CPickHost host;
        host.m_dwAnswer = RGB(12, 34, 56);
        CRect rcAnchor(100, 200, 180, 222);
        EXPECT_EQ(RGB(12, 34, 56), RunColorSelector(RGB(1, 2, 3), &rcAnchor, wFlags)) << wFlags;
        ASSERT_EQ(1u, host.m_requests.size());
        EXPECT_EQ(RGB(1, 2, 3), host.m_requests[0].dwColor);
        EXPECT_TRUE(host.m_requests[0].bAnchor);
        EXPECT_EQ(CRect(100, 200, 180, 222), host.m_requests[0].rcAnchor);
        EXPECT_EQ((ULONG_PTR)wFlags, host.m_requests[0].nFlags);
    }
}

// With non-zero flags only the host may pick: nobody answering gives -1 at once, and no window
// appears meanwhile.
TEST(ColorSelector, UnansweredRequestWithFlagsGivesMinusOneAndNoWindow)
{
    for (unsigned short wFlags : { (unsigned short)1, (unsigned short)2, (unsigned short)0x100 })
    {
        CPickHost host;
        host.m_bAnswer = FALSE;
        const int nWindows = CountThreadWindows();
        BOOL bDialogSeen = FALSE;
        CMouseScript script;
        script.Call([&bDialogSeen] { bDialogSeen = FindThreadDialog() != NULL; });
        unsigned long c = 0;
        ASSERT_TRUE(script.Run([&c, wFlags] { c = RunColorSelector(RGB(9, 9, 9), NULL, wFlags); }, 2000));
        EXPECT_EQ(clrNone, c) << wFlags;
        EXPECT_FALSE(bDialogSeen);
        EXPECT_EQ(nWindows, CountThreadWindows());
        EXPECT_EQ(1u, host.m_requests.size());
    }
}

// Flags 0 and no answer: the system colour dialog, starting from the colour; OK gives its colour,
// Cancel -1.
TEST(ColorSelector, UnansweredRequestWithoutFlagsRunsTheSystemDialog)
{
    struct SCase
    {
        UINT nButton;
        unsigned long dwExpected;
    } cases[] = { { IDOK, RGB(0, 128, 255) }, { IDCANCEL, clrNone } };
    for (const SCase& t : cases)
    {
        CPickHost host;
        host.m_bAnswer = FALSE;
        CMouseScript script;
        script.AnswerDialog(t.nButton);
        unsigned long c = 0;
        EXPECT_TRUE(script.Run([&c] { c = RunColorSelector(RGB(0, 128, 255), NULL, 0); }, 10000));
        EXPECT_EQ(t.dwExpected, c) << t.nButton;
        EXPECT_EQ(1u, host.m_requests.size());
    }
}

/////////////////////////////////////////////////////////////////////////////
// Popup button, colour field, indicator: a pick is stored and posted unless it is -1 or the same

struct SPickCase
{
    unsigned long dwAnswer;     // the host's answer
    unsigned long dwExpected;   // the colour afterwards
    int nPosts;                 // WM_COMMANDs to the parent
};
const SPickCase s_pickCases[] = {
    { RGB(200, 10, 10), RGB(200, 10, 10), 1 },     // a new colour
    { RGB(5, 6, 7), RGB(5, 6, 7), 0 },             // the colour it has: nothing
    { clrNone, RGB(5, 6, 7), 0 },                  // nothing picked
};

TEST_F(PickerWindow, PopupButtonTakesANewColourOnly)
{
    for (const SPickCase& t : s_pickCases)
    {
        CPickHost host;
        host.m_dwAnswer = t.dwAnswer;
        CColorPopupButton button;
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 34), &m_parent, nPickerID));
        button.SetColor(RGB(5, 6, 7));
        m_parent.Clear();
        ClickAt(&button, CPoint(20, 12));
        EXPECT_EQ(t.dwExpected, button.GetColor());
        EXPECT_EQ(t.nPosts, m_parent.Count(WM_COMMAND, nPickerID));
        ASSERT_EQ(1u, host.m_requests.size());
        // anchored at the whole button
        CRect rcButton;
        button.GetWindowRect(&rcButton);
        EXPECT_EQ(rcButton, host.m_requests[0].rcAnchor);
        EXPECT_EQ(0u, host.m_requests[0].nFlags);
        // inside the frame, 3 pixels and the sunken frame: (4,4)-(46,20) shows the colour
        button.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(t.dwExpected, WindowPixel(&button, 25, 12));
        button.DestroyWindow();
    }
}

TEST_F(PickerWindow, ColourFieldTakesANewColourFromItsSwatch)
{
    for (const SPickCase& t : s_pickCases)
    {
        CPickHost host;
        host.m_dwAnswer = t.dwAnswer;
        CColorCtrl field;
        field.SetColor(RGB(5, 6, 7));
        ASSERT_TRUE(field.Create("Fill", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), &m_parent, nPickerID));
        field.m_bChangedByUser = 1;
        m_parent.Clear();
        // client 100 x 24: the swatch is (2,2)-(80,22), and a click counts 2 pixels further in
        ClickAt(&field, CPoint(40, 12));
        EXPECT_EQ(t.dwExpected, field.GetColor());
        EXPECT_EQ(t.nPosts, m_parent.Count(WM_COMMAND, nPickerID));
        EXPECT_EQ(t.nPosts, field.m_bChangedByUser);
        ASSERT_EQ(1u, host.m_requests.size());
        CRect rcAnchor(4, 4, 78, 20);
        field.ClientToScreen(&rcAnchor);
        EXPECT_EQ(rcAnchor, host.m_requests[0].rcAnchor);
        EXPECT_EQ(t.dwExpected, field.m_ProbeButton.m_dwProbedColor);
        field.DestroyWindow();
    }
}

// The edge of the swatch and the eyedropper's strip do not ask.
TEST_F(PickerWindow, ColourFieldIgnoresClicksOutsideTheInnerSwatch)
{
    CPickHost host;
    CColorCtrl field;
    ASSERT_TRUE(field.Create("Fill", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), &m_parent, nPickerID));
    for (CPoint pt : { CPoint(3, 12), CPoint(40, 3), CPoint(78, 12), CPoint(40, 20) })
        ClickAt(&field, pt);
    EXPECT_EQ(0u, host.m_requests.size());
    CRect rcProbe;
    field.m_ProbeButton.GetWindowRect(&rcProbe);
    field.ScreenToClient(&rcProbe);
    EXPECT_EQ(CRect(82, 0, 100, 24), rcProbe);
}

// Squares of side 3H/5 + 1, the brush's offset by 2H/5 - 1, integer arithmetic.
TEST_F(PickerWindow, IndicatorGeometry)
{
    struct SCase
    {
        int cy;
        CRect rcPen, rcBrush;
    } cases[] = {
        { 50, CRect(0, 0, 31, 31), CRect(19, 19, 50, 50) },    // 150/5+1, 100/5-1
        { 20, CRect(0, 0, 13, 13), CRect(7, 7, 20, 20) },      // 60/5+1, 40/5-1
        { 33, CRect(0, 0, 20, 20), CRect(12, 12, 32, 32) },    // 99/5+1 = 20, 66/5-1 = 12
    };
    for (const SCase& t : cases)
    {
        CColorsIndicator indicator;
        ASSERT_TRUE(indicator.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 10 + t.cy), &m_parent, nPickerID));
        CRect rcPen, rcBrush;
        indicator.GetPenRect(&rcPen);
        indicator.GetBrushRect(&rcBrush);
        EXPECT_EQ(t.rcPen, rcPen) << t.cy;
        EXPECT_EQ(t.rcBrush, rcBrush) << t.cy;
        indicator.DestroyWindow();
    }
}

// A click in the pen's square picks the pen, one in the brush's alone the brush; the overlap
// belongs to the pen, which lies on top.
TEST_F(PickerWindow, IndicatorPicksPenOrBrush)
{
    struct SCase
    {
        CPoint pt;
        unsigned long dwAnswer;
        unsigned long dwPen, dwBrush;
        int nWhich, nPosts;
    } cases[] = {
        { CPoint(5, 5), RGB(0, 0, 200), RGB(0, 0, 200), RGB(255, 0, 0), 1, 1 },
        { CPoint(25, 25), RGB(0, 0, 200), RGB(0, 0, 200), RGB(255, 0, 0), 1, 1 },   // overlap
        { CPoint(44, 44), RGB(0, 0, 200), 0, RGB(0, 0, 200), 2, 1 },
        { CPoint(44, 44), RGB(255, 0, 0), 0, RGB(255, 0, 0), 0, 0 },                // the same
        { CPoint(49, 49), RGB(0, 0, 200), 0, RGB(255, 0, 0), 0, 0 },                // its frame
    };
    for (const SCase& t : cases)
    {
        CPickHost host;
        host.m_dwAnswer = t.dwAnswer;
        CColorsIndicator indicator;
        ASSERT_TRUE(indicator.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), &m_parent, nPickerID));
        m_parent.Clear();
        ClickAt(&indicator, t.pt);
        EXPECT_EQ(t.dwPen, indicator.GetPenColor()) << t.pt.x;
        EXPECT_EQ(t.dwBrush, indicator.GetBrushColor()) << t.pt.x;
        EXPECT_EQ(t.nWhich, indicator.m_nWhichChanged) << t.pt.x;
        EXPECT_EQ(t.nPosts, m_parent.Count(WM_COMMAND, nPickerID)) << t.pt.x;
        indicator.DestroyWindow();
    }
}

// The brush "same as the pen" is filled with the pen's colour; another special brush is crossed.
TEST_F(PickerWindow, IndicatorPaintsTheBrushAsThePenOrCrossed)
{
    CColorsIndicator indicator;
    ASSERT_TRUE(indicator.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), &m_parent, nPickerID));
    indicator.SetPenColor(RGB(0, 160, 0));
    indicator.SetBrushColor(COLOR_SAME_AS_PEN);
    indicator.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(RGB(0, 160, 0), WindowPixel(&indicator, 45, 45));    // brush only
    EXPECT_EQ(RGB(0, 160, 0), WindowPixel(&indicator, 10, 10));    // pen
    indicator.SetBrushColor(0x80000007);
    indicator.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    // the inside (21,21)-(48,48): white, with the diagonal through (40,40)
    EXPECT_EQ(RGB(255, 255, 255), WindowPixel(&indicator, 44, 36));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), WindowPixel(&indicator, 40, 40));
}

/////////////////////////////////////////////////////////////////////////////
// Eyedropper

// Press the eyedropper, move over a window of a known colour, click: the field takes that colour.
TEST_F(PickerWindow, EyedropperPicksThePixelUnderTheMouse)
{
    CWnd target;
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), ::CreateSolidBrush(RGB(30, 140, 90)));
    ASSERT_TRUE(target.CreateEx(0, lpszClass, "Target", WS_POPUP | WS_VISIBLE, CRect(500, 100, 600, 200), NULL, 0));
    target.UpdateWindow();
    CColorCtrl field;
    field.SetColor(RGB(5, 6, 7));
    ASSERT_TRUE(field.Create("Fill", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), &m_parent, nPickerID));
    field.UpdateWindow();
    m_parent.Clear();

    ClickAt(&field.m_ProbeButton, CPoint(9, 12));
    EXPECT_TRUE(field.m_ProbeButton.m_bProbing);
    EXPECT_EQ(field.m_ProbeButton.GetSafeHwnd(), ::GetCapture());
    MoveMouseTo(&target, CPoint(50, 50));
    EXPECT_TRUE(field.m_ProbeButton.m_bMoved);
    ClickAt(&target, CPoint(50, 50));
    PumpTestMessages(30);
    EXPECT_FALSE(field.m_ProbeButton.m_bProbing);
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(RGB(30, 140, 90), field.GetColor());
    EXPECT_EQ(1, field.m_bChangedByUser);
    EXPECT_EQ(1, m_parent.Count(WM_COMMAND, nPickerID));
    target.DestroyWindow();
}

// Over its own button the probe answers the stored colour, not what the screen shows there.
TEST_F(PickerWindow, EyedropperOverItsOwnButtonGivesTheStoredColour)
{
    CColorProbeButton probe;
    ASSERT_TRUE(probe.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 40, 40), &m_parent, nPickerID));
    probe.m_dwProbedColor = RGB(77, 66, 55);
    probe.UpdateWindow();
    MoveMouseTo(&probe, CPoint(15, 15));
    HDC hScreen = ::GetDC(NULL);
    CPixelCanvas canvas(8, 8);
    CRect rc(0, 0, 8, 8);
    EXPECT_EQ(RGB(77, 66, 55), probe.Probe(hScreen, canvas.DC().GetSafeHdc(), &rc));
    ::ReleaseDC(NULL, hScreen);
    EXPECT_EQ(64, canvas.Count(RGB(77, 66, 55)));
}

/////////////////////////////////////////////////////////////////////////////
// Combo box items, swatch, icons

TEST_F(PickerWindow, ComboItemsNamesAndOutOfRangeIndexes)
{
    CColorCombo combo;
    ASSERT_TRUE(combo.Create(CRect(10, 10, 160, 200), &m_parent, nPickerID));
    EXPECT_EQ(0, combo.AddItem(RGB(10, 20, 30), NULL));
    EXPECT_EQ(1, combo.AddItem(RGB(255, 0, 0), "Red"));
    EXPECT_EQ(2, combo.AddItem(0x80000001, "ByLayer"));
    char szName[256];
    struct SCase
    {
        int nIndex;
        unsigned long dwColor;
        const char* lpszName;
    } cases[] = {
        { 0, RGB(10, 20, 30), "10,20,30" }, { 1, RGB(255, 0, 0), "Red" }, { 2, 0x80000001, "ByLayer" },
        { -1, clrNone, "" }, { 3, clrNone, "" }, { 1000, clrNone, "" },
    };
    for (const SCase& t : cases)
    {
        EXPECT_EQ(t.dwColor, combo.GetColor(t.nIndex)) << t.nIndex;
        combo.GetName(t.nIndex, szName);
        EXPECT_STREQ(t.lpszName, szName) << t.nIndex;
    }
    EXPECT_EQ(1, combo.GetIndex(RGB(255, 0, 0)));
    EXPECT_EQ(2, combo.GetIndex(0x80000001));
    EXPECT_EQ(-1, combo.GetIndex(RGB(255, 0, 1)));
    combo.DestroyWindow();
}

TEST_F(PickerWindow, SwatchPaintsItsColourOrTheFace)
{
    CColorStatic swatch;
    ASSERT_TRUE(swatch.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 40, 30), &m_parent));
    for (unsigned long c : { (unsigned long)RGB(1, 99, 200), 0x80000002UL, clrNone })
    {
        swatch.SetColor(c);
        swatch.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        const COLORREF clrExpected = IsSpecialColor(c) ? ::GetSysColor(COLOR_BTNFACE) : c;
        EXPECT_EQ(clrExpected, WindowPixel(&swatch, 0, 0));
        EXPECT_EQ(clrExpected, WindowPixel(&swatch, 29, 19));
    }
}

// No icons for a special colour: a white box, framed and crossed in the shadow colour.
TEST(CustomColorIcons, UnregisteredSpecialColourIsACrossedWhiteBox)
{
    CPixelCanvas canvas(20, 20, RGB(1, 2, 3));
    CRect rc(2, 2, 12, 12);
    CCustomColorIcons icons;
    icons.Draw(0x80000042, canvas.DC().GetSafeHdc(), &rc);
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(clrShadow, canvas.Pixel(2, 7));      // frame
    EXPECT_EQ(clrShadow, canvas.Pixel(5, 5));      // diagonal
    EXPECT_EQ(clrShadow, canvas.Pixel(9, 4));      // the other diagonal: x + y = 13
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(8, 4));
    EXPECT_EQ(RGB(1, 2, 3), canvas.Pixel(12, 12)); // nothing outside
    // the inner 8 x 8 less the 8 + 8 pixels of the two diagonals, which do not meet
    EXPECT_EQ(48, canvas.Count(RGB(255, 255, 255), rc));
}
