// test_color_sliders.cpp - the channel slider: value and mark arithmetic, notifications, the mouse,
// labels, the edit box with its spin button and the keyboard, painting of the gradient.
#include "ColorTestWindows.h"
#include <gtest/gtest.h>
#include "wexotest.h"
#include "res/resource.h"

namespace
{
const UINT nSliderID = 1025;
const int nHeight = 24;     // strip 16 high

class ColorSliderWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        CColorParam::m_bHexValues = 0;
        ::SetCursorPos(1000, 700);
        m_color.SetRGB(RGB(10, 100, 50));
        m_parent.Watch(WM_COMMAND);
        m_parent.Watch(WM_HSCROLL);
        ASSERT_TRUE(m_parent.CreateTopLevel(CRect(40, 40, 640, 240), "Colour test"));
    }
    void TearDown() override
    {
        CColorParam::m_bHexValues = 0;
        if (m_slider.m_hWnd != NULL)
            m_slider.DestroyWindow();
        m_parent.DestroyWindow();
        PumpTestMessages(10);
    }
    // a slider whose client area is cx wide (strip cx - 8 wide without label and edit box)
    void CreateSlider(unsigned short wType, int cx, CUILColor* pColor)
    {
        m_slider.SetColorRef(pColor);
        ASSERT_TRUE(m_slider.Create(WS_CHILD | WS_VISIBLE, wType, CRect(10, 10, 10 + cx, 10 + nHeight),
            &m_parent, nSliderID, CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT))));
        m_slider.UpdateWindow();
        PumpTestMessages(20);
    }
    CRect Strip()
    {
        CRect rc;
        m_slider.GetBitmapRect(rc);
        return rc;
    }
    CPoint StripPoint(int x)
    {
        const CRect rc = Strip();
        return CPoint(rc.left + x, rc.CenterPoint().y);
    }

    CRecordingWnd m_parent;
    CColorParam m_slider;
    CUILColor m_color;
};
}

/////////////////////////////////////////////////////////////////////////////
// Values and mark positions

TEST_F(ColorSliderWindow, StripIsTheClientAreaLessFourPixels)
{
    CreateSlider(COLORPARAM_RED, 255 + 8, &m_color);
    EXPECT_EQ(CRect(4, 4, 259, nHeight - 4), Strip());
    CRect rcMark;
    m_slider.m_nMarkPos = 30;
    m_slider.GetMarkRect(rcMark);
    EXPECT_EQ(CRect(4 + 30 - 4, 0, 4 + 30 + 4, nHeight), rcMark);
}

TEST_F(ColorSliderWindow, StripOfTheChannelsWidthMapsPixelToValue)
{
    for (unsigned short wType : { COLORPARAM_GREEN, COLORPARAM_HUE })
    {
        const int nMax = wType == COLORPARAM_HUE ? 359 : 255;
        CreateSlider(wType, nMax + 8, &m_color);
        for (int x = 0; x <= nMax; x++)
        {
            ASSERT_EQ(x, m_slider.GetNewValue(x)) << wType;
            if (wType == COLORPARAM_HUE)
                m_color.SetH((unsigned short)x);
            else
                m_color.SetG((unsigned char)x);
            m_slider.m_nMarkPos = -100;
            ASSERT_EQ(x, m_slider.CalcPos()) << wType;
        }
        m_slider.DestroyWindow();
    }
}

TEST_F(ColorSliderWindow, MarkStaysUnderTheMouseOnAnyWidth)
{
    for (int cx : { 60, 180, 300, 700 })
    {
        CreateSlider(COLORPARAM_SATURATION, cx + 8, &m_color);
        int nLast = -1;
        for (int x = 0; x <= cx; x++)
        {
            const int nValue = m_slider.GetNewValue(x);
            ASSERT_GE(nValue, nLast) << cx;
            nLast = nValue;
            // the value truncates (one pixel per value step) and the mark moves only by two
            // pixels or more
            const int nMark = m_slider.SetPos(x);
            ASSERT_LE(abs(nMark - x), cx > 255 ? cx / 255 + 2 : 2) << cx << " " << x;
        }
        EXPECT_EQ(255, nLast);
        EXPECT_EQ(0, m_slider.GetNewValue(0));
        m_slider.DestroyWindow();
    }
}

TEST_F(ColorSliderWindow, MarkHoldsStillOnADifferenceBelowTwoPixels)
{
    CreateSlider(COLORPARAM_RED, 255 + 8, &m_color);
    const struct { int nRed, nMark; } cases[] = { { 101, 100 }, { 99, 100 }, { 102, 102 }, { 98, 98 } };
    for (const auto& c : cases)
    {
        m_slider.m_nMarkPos = 100;
        m_color.SetR((unsigned char)c.nRed);
        EXPECT_EQ(c.nMark, m_slider.CalcPos()) << c.nRed;
    }
}

TEST_F(ColorSliderWindow, SetPosChangesOneChannelAndNotifies)
{
    struct { unsigned short wType; int nValue; } cases[] = {
        { COLORPARAM_RED, 200 }, { COLORPARAM_GREEN, 7 }, { COLORPARAM_BLUE, 255 },
        { COLORPARAM_HUE, 300 }, { COLORPARAM_SATURATION, 128 }, { COLORPARAM_BRIGHTNESS, 64 },
    };
    for (const auto& t : cases)
    {
        m_color.SetHSV(40, 180, 220);
        const CUILColor before(m_color);
        CreateSlider(t.wType, (t.wType == COLORPARAM_HUE ? 359 : 255) + 8, &m_color);
        m_parent.Clear();
        m_slider.SetPos(t.nValue);

        ASSERT_EQ(1, m_parent.Count(WM_HSCROLL)) << t.wType;
        EXPECT_EQ(((WPARAM)t.nValue << 16) | SB_THUMBPOSITION, m_parent.Last(WM_HSCROLL)->wParam);
        EXPECT_EQ((LPARAM)m_slider.m_hWnd, m_parent.Last(WM_HSCROLL)->lParam);
        switch (t.wType)
        {
        case COLORPARAM_RED:
            EXPECT_EQ(RGB(200, before.G(), before.B()), m_color.GetRGB());
            break;
        case COLORPARAM_GREEN:
            EXPECT_EQ(RGB(before.R(), 7, before.B()), m_color.GetRGB());
            break;
        case COLORPARAM_BLUE:
            EXPECT_EQ(RGB(before.R(), before.G(), 255), m_color.GetRGB());
            break;
        case COLORPARAM_HUE:
            EXPECT_EQ(300, m_color.H());
            EXPECT_EQ(180, m_color.S());
            EXPECT_EQ(220, m_color.V());
            break;
        case COLORPARAM_SATURATION:
            EXPECT_EQ(40, m_color.H());
            EXPECT_EQ(128, m_color.S());
            EXPECT_EQ(220, m_color.V());
            break;
        case COLORPARAM_BRIGHTNESS:
            EXPECT_EQ(40, m_color.H());
            EXPECT_EQ(180, m_color.S());
            EXPECT_EQ(64, m_color.V());
            break;
        }
        EXPECT_EQ(t.nValue, m_slider.m_nMarkPos);
        m_slider.DestroyWindow();
    }
}

TEST_F(ColorSliderWindow, HueAndBrightnessBitsWinOverTheRGBOnes)
{
    m_color.SetHSV(10, 20, 30);
    CreateSlider(COLORPARAM_RED | COLORPARAM_HUE, 359 + 8, &m_color);
    m_slider.SetPos(250);
    EXPECT_EQ(250, m_color.H());
    m_slider.DestroyWindow();

    CreateSlider(COLORPARAM_BLUE | COLORPARAM_GREEN | COLORPARAM_BRIGHTNESS, 255 + 8, &m_color);
    m_slider.SetPos(77);
    EXPECT_EQ(77, m_color.V());
    EXPECT_EQ(250, m_color.H());
    m_slider.DestroyWindow();

    CreateSlider(COLORPARAM_BLUE | COLORPARAM_GREEN, 255 + 8, &m_color);
    m_slider.SetPos(5);
    EXPECT_EQ(5, m_color.G());
}

TEST_F(ColorSliderWindow, WithoutAColourOrWithASpecialOneNothingMoves)
{
    CreateSlider(COLORPARAM_RED, 255 + 8, NULL);
    m_slider.m_nMarkPos = 50;
    EXPECT_EQ(0, m_slider.CalcPos());
    m_slider.SetNewValue(100, 1);
    m_slider.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(0, m_parent.Count(WM_HSCROLL));
    m_slider.DestroyWindow();

    m_color.SetRGB(0x80000004);
    CreateSlider(COLORPARAM_RED, 255 + 8, &m_color);
    EXPECT_EQ(0, m_slider.m_nMarkPos);
    ClickAt(&m_slider, StripPoint(100));
    DoubleClickAt(&m_slider, StripPoint(100));
    PumpTestMessages(30);
    EXPECT_EQ(0x80000004u, m_color.GetRGB());
    EXPECT_EQ(0, m_parent.Count(WM_HSCROLL));
    EXPECT_EQ(0, m_parent.Count(WM_COMMAND));
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(ColorSliderWindow, SetColorOnlyActsOnAChange)
{
    m_color.SetRGB(RGB(128, 128, 128));
    m_color.SetH(200);
    CreateSlider(COLORPARAM_HUE, 359 + 8, &m_color);
    m_slider.SetColor(RGB(128, 128, 128));
    EXPECT_EQ(200, m_color.H()) << "the same value must not be set again and lose the hue";
    m_slider.SetColor(RGB(0, 0, 255));
    EXPECT_EQ(240, m_color.H());
    EXPECT_EQ(240, m_slider.m_nMarkPos);
    EXPECT_EQ(0, m_parent.Count(WM_HSCROLL)) << "the owner set it; nobody is told";
}

TEST_F(ColorSliderWindow, ResizingMovesTheMark)
{
    m_color.SetR(128);
    CreateSlider(COLORPARAM_RED, 255 + 8, &m_color);
    EXPECT_EQ(128, m_slider.m_nMarkPos);
    m_slider.SetWindowPos(NULL, 0, 0, 510 + 8, nHeight, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(256, m_slider.m_nMarkPos);
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

TEST_F(ColorSliderWindow, ClickOnTheStripJumpsAndDragFollows)
{
    CreateSlider(COLORPARAM_RED, 255 + 8, &m_color);
    ClickAt(&m_slider, StripPoint(100));
    EXPECT_EQ(100, m_color.R());
    EXPECT_EQ(100, m_slider.m_nMarkPos);
    EXPECT_EQ(1, m_parent.Count(WM_HSCROLL));
    EXPECT_EQ(NULL, ::GetCapture());

    // grab the mark a little off its centre and drag it, past the strip's end
    PressAt(&m_slider, StripPoint(102));
    EXPECT_EQ(100, m_color.R()) << "a press on the mark itself does not move it";
    EXPECT_EQ(m_slider.m_hWnd, ::GetCapture());
    EXPECT_EQ(1, m_slider.m_bDragging);
    MoveMouseTo(&m_slider, StripPoint(180));
    EXPECT_EQ(180, m_color.R());
    MoveMouseTo(&m_slider, CPoint(400, 5));
    EXPECT_EQ(255, m_color.R()) << "clamped to the strip";
    MoveMouseTo(&m_slider, CPoint(-50, 5));
    EXPECT_EQ(0, m_color.R());
    ReleaseAt(&m_slider, CPoint(-50, 5));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(0, m_slider.m_bDragging);
    MoveMouseTo(&m_slider, StripPoint(60));
    EXPECT_EQ(0, m_color.R()) << "no drag after the release";
    EXPECT_EQ(RGB(0, 100, 50), m_color.GetRGB());
}

TEST_F(ColorSliderWindow, PressOutsideTheStripAndMarkDoesNothing)
{
    CreateSlider(COLORPARAM_BLUE, 255 + 8, &m_color);
    ClickAt(&m_slider, CPoint(261, 12));        // right margin
    ClickAt(&m_slider, CPoint(100, 1));         // above the strip, away from the mark
    EXPECT_EQ(50, m_color.B());
    EXPECT_EQ(0, m_parent.Count(WM_HSCROLL));
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(ColorSliderWindow, DoubleClickPostsTheSlidersID)
{
    CreateSlider(COLORPARAM_RED, 255 + 8, &m_color);
    DoubleClickAt(&m_slider, StripPoint(30));
    PumpTestMessages(30);
    ASSERT_EQ(1, m_parent.Count(WM_COMMAND));
    EXPECT_EQ((WPARAM)nSliderID, m_parent.Last(WM_COMMAND)->wParam);
}

TEST_F(ColorSliderWindow, SizingCursorOverTheMarkOnly)
{
    m_color.SetR(200);
    CreateSlider(COLORPARAM_RED, 255 + 8, &m_color);
    MoveMouseTo(&m_slider, StripPoint(200));
    EXPECT_EQ(::LoadCursorA(NULL, IDC_SIZEWE), ::GetCursor());
    MoveMouseTo(&m_slider, StripPoint(50));
    EXPECT_EQ(::LoadCursorA(NULL, IDC_ARROW), ::GetCursor());
}

/////////////////////////////////////////////////////////////////////////////
// Painting

TEST_F(ColorSliderWindow, GradientRunsThroughTheChannelOnly)
{
    CreateSlider(COLORPARAM_RED, 200 + 8, &m_color);
    const CRect rc = Strip();
    for (int x : { 0, 33, 99, 150, 199 })
    {
        if (abs(x - m_slider.m_nMarkPos) <= 5)
            continue;
        EXPECT_EQ(RGB((int)(x * 255.0 / 200), 100, 50), WindowPixel(&m_slider, rc.left + x, rc.top + 2)) << x;
    }
    m_slider.DestroyWindow();

    // hue strip of a grey whose hue and saturation were set: the stored values are used
    m_color.SetRGB(RGB(90, 90, 90));
    m_color.SetS(255);
    CreateSlider(COLORPARAM_HUE, 359 + 8, &m_color);
    for (int x : { 30, 120, 200, 330 })
    {
        unsigned long c;
        HSB2RGB((unsigned short)x, 255, 90, c);
        EXPECT_EQ((COLORREF)c, WindowPixel(&m_slider, Strip().left + x, Strip().bottom - 2)) << x;
    }
    // the mark is an open box: dark outside, light inside, the colour in the middle; all in
    // the host's colours when it gives them
    const int xMark = Strip().left + m_slider.m_nMarkPos;
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), WindowPixel(&m_slider, xMark - 4, Strip().top));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), WindowPixel(&m_slider, xMark - 3, Strip().top + 2));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), WindowPixel(&m_slider, Strip().right + 2, 1));
    CMainWindowScope host;
    host.SetColor(COLOR_BTNTEXT, RGB(1, 2, 3));
    host.SetColor(COLOR_WINDOW, RGB(4, 5, 6));
    host.SetColor(COLOR_BTNFACE, RGB(7, 8, 9));
    host.SetColor(COLOR_BTNSHADOW, RGB(10, 11, 12));
    m_slider.RedrawWindow();
    EXPECT_EQ(RGB(1, 2, 3), WindowPixel(&m_slider, xMark - 4, Strip().top));
    EXPECT_EQ(RGB(4, 5, 6), WindowPixel(&m_slider, xMark - 3, Strip().top + 2));
    EXPECT_EQ(RGB(7, 8, 9), WindowPixel(&m_slider, Strip().right + 2, 1));
    EXPECT_EQ(RGB(10, 11, 12), WindowPixel(&m_slider, Strip().left - 1, Strip().top));
}

/////////////////////////////////////////////////////////////////////////////
// Label

TEST(ColorSliderLabels, ChannelNamesComeFromTheLibrary)
{
    const char* names[] = { "Red", "Green", "Blue", "Hue", "Sat&uration", "Value" };
    for (UINT i = 0; i < 6; i++)
    {
        char sz[64] = "";
        ASSERT_GT(::LoadStringA(g_hUILResource, IDS_COLOR_RED + i, sz, sizeof(sz)), 0) << i;
        EXPECT_STREQ(names[i], sz);
    }
}

TEST_F(ColorSliderWindow, LabelTakesTheLongestFormThatLeavesHalfTheWidth)
{
    CreateSlider(COLORPARAM_SATURATION | COLORPARAM_LABEL, 400, &m_color);
    const int w0 = m_slider.m_nTextWidth[0], w1 = m_slider.m_nTextWidth[1], w2 = m_slider.m_nTextWidth[2];
    ASSERT_GT(w2, 0);
    ASSERT_GT(w1, w2) << "\"Green\" is wider than any first letter";
    ASSERT_GT(w0, w1) << "\"Saturation\" is wider than \"Green\"";
    EXPECT_EQ(0, m_slider.m_nTextForm);
    EXPECT_EQ(4 + w0 + 4, Strip().left);
    EXPECT_EQ(w0, m_slider.GetTextWidth());

    // the strip would be exactly half: form 0 no longer fits
    const int nWidth0 = 2 * (w0 + 4) + 8;
    m_slider.SetWindowPos(NULL, 0, 0, nWidth0, nHeight, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(1, m_slider.m_nTextForm);
    EXPECT_EQ(4 + w1 + 4, Strip().left);
    m_slider.SetWindowPos(NULL, 0, 0, nWidth0 + 1, nHeight, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(0, m_slider.m_nTextForm);
    m_slider.SetWindowPos(NULL, 0, 0, 2 * (w1 + 4) + 8, nHeight, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(2, m_slider.m_nTextForm);
    EXPECT_EQ(4 + w2 + 4, Strip().left);
    EXPECT_EQ(w2, m_slider.GetTextWidth());
}

/////////////////////////////////////////////////////////////////////////////
// Edit box, spin button and keyboard

TEST_F(ColorSliderWindow, EditBoxShowsTheValueInDecimalOrHex)
{
    CreateSlider(COLORPARAM_RED | COLORPARAM_EDIT | COLORPARAM_LABEL, 420, &m_color);
    ASSERT_NE((HWND)NULL, m_slider.m_Edit.m_hWnd);
    ASSERT_NE((HWND)NULL, m_slider.m_Spin.m_hWnd);
    EXPECT_EQ(100, m_slider.m_Edit.GetDlgCtrlID());
    EXPECT_EQ(101, m_slider.m_Spin.GetDlgCtrlID());
    EXPECT_EQ(m_slider.m_Edit.m_hWnd, m_slider.m_Spin.GetBuddy()->GetSafeHwnd());
    int nLower = -1, nUpper = -1;
    m_slider.m_Spin.GetRange32(nLower, nUpper);
    EXPECT_EQ(0, nLower);
    EXPECT_EQ(255, nUpper);
    EXPECT_TRUE(m_slider.m_Edit.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(m_slider.m_Edit.GetStyle() & WS_BORDER);
    // label, edit box, strip from left to right
    CRect rcEdit;
    m_slider.m_Edit.GetWindowRect(&rcEdit);
    m_slider.ScreenToClient(&rcEdit);
    EXPECT_EQ(m_slider.GetTextWidth() + 4, rcEdit.left);
    EXPECT_LE(rcEdit.right, Strip().left);
    EXPECT_EQ(4 + m_slider.GetTextWidth() + 4 + m_slider.m_nEditWidth + 4, Strip().left);

    CString str;
    m_slider.m_Edit.GetWindowText(str);
    EXPECT_STREQ("10", str);
    CColorParam::m_bHexValues = 1;
    m_color.SetR(0xAB);
    m_slider.UpdateControl();
    m_slider.m_Edit.GetWindowText(str);
    EXPECT_STREQ("AB", str);
    EXPECT_EQ(16u, m_slider.m_Spin.GetBase());
    EXPECT_EQ(0, m_parent.Count(WM_HSCROLL)) << "writing its own edit box is no change";

    m_color.SetRGB(0x80000001);
    m_slider.UpdateControl();
    m_slider.m_Edit.GetWindowText(str);
    EXPECT_STREQ("", str);
    EXPECT_FALSE(m_slider.m_Edit.IsWindowEnabled());
    EXPECT_EQ(0, m_slider.m_nMarkPos);
    m_color.SetRGB(RGB(1, 2, 3));
    m_slider.UpdateControl();
    EXPECT_TRUE(m_slider.m_Edit.IsWindowEnabled());
}

TEST_F(ColorSliderWindow, HueEditBoxRangeAndSpecialColourAtCreation)
{
    m_color.SetRGB(0xFFFFFFFF);
    CreateSlider(COLORPARAM_HUE | COLORPARAM_EDIT, 420, &m_color);
    int nLower = -1, nUpper = -1;
    m_slider.m_Spin.GetRange32(nLower, nUpper);
    EXPECT_EQ(359, nUpper);
    EXPECT_FALSE(m_slider.m_Edit.IsWindowEnabled());
    EXPECT_EQ(0, m_slider.m_Edit.GetWindowTextLength());
}

TEST_F(ColorSliderWindow, TypedTextSetsTheChannel)
{
    CreateSlider(COLORPARAM_GREEN | COLORPARAM_EDIT, 420, &m_color);
    m_slider.m_Edit.SetWindowText("200");
    EXPECT_EQ(200, m_color.G());
    ASSERT_EQ(1, m_parent.Count(WM_HSCROLL));
    EXPECT_EQ(((WPARAM)200 << 16) | SB_THUMBPOSITION, m_parent.Last(WM_HSCROLL)->wParam);
    CString str;
    m_slider.m_Edit.GetWindowText(str);
    EXPECT_STREQ("200", str) << "the text being typed stays as typed";
    EXPECT_EQ(200, m_slider.m_nMarkPos * 255 / Strip().Width() + (m_slider.m_nMarkPos * 255 % Strip().Width() != 0));

    m_slider.m_Edit.SetWindowText("nonsense");
    EXPECT_EQ(0, m_color.G());
    m_slider.m_Edit.SetWindowText("999");
    EXPECT_EQ(255, m_color.G()) << "beyond the range means the end of the range";
    CColorParam::m_bHexValues = 1;
    m_slider.m_Edit.SetWindowText("1f");
    EXPECT_EQ(0x1F, m_color.G());
    EXPECT_EQ(RGB(10, 0x1F, 50), m_color.GetRGB());
}

TEST_F(ColorSliderWindow, KeyboardEditsThroughTheEditBox)
{
    CreateSlider(COLORPARAM_BLUE | COLORPARAM_EDIT, 420, &m_color);
    m_slider.SetFocus();
    ASSERT_EQ(m_slider.m_Edit.m_hWnd, ::GetFocus()) << "the focus goes on to the edit box";
    int nStart = -1, nEnd = -1;
    m_slider.m_Edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(2, nEnd) << "its whole text \"50\" is selected";

    CMouseScript().TypeText("123").Run();
    PumpTestMessages(30);
    EXPECT_EQ(123, m_color.B());
    EXPECT_EQ(3, m_parent.Count(WM_HSCROLL)) << "one change per key: 1, 12, 123";

    // the spin button's arrow keys step the value
    CMouseScript().KeyPress(VK_UP).Run();
    EXPECT_EQ(124, m_color.B());
    CMouseScript().KeyPress(VK_DOWN).KeyPress(VK_DOWN).Run();
    EXPECT_EQ(122, m_color.B());
    CString str;
    m_slider.m_Edit.GetWindowText(str);
    EXPECT_STREQ("122", str);
}

TEST_F(ColorSliderWindow, TakesOverAStaticOfADialog)
{
    CStatic placeholder;
    ASSERT_TRUE(placeholder.CreateEx(WS_EX_STATICEDGE, "STATIC", "Hue",
        WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 10 + 359 + 8, 10 + nHeight),
        &m_parent, nSliderID));
    placeholder.UnsubclassWindow();
    m_color.SetHSV(123, 200, 200);

    ASSERT_TRUE(m_slider.SubclassDlgItemEx(nSliderID, &m_parent, COLORPARAM_HUE, &m_color));
    EXPECT_EQ(&m_color, m_slider.GetColorRef());
    EXPECT_EQ(COLORPARAM_HUE, m_slider.m_wType);
    EXPECT_FALSE(m_slider.GetStyle() & WS_BORDER);
    EXPECT_FALSE(m_slider.GetExStyle() & WS_EX_STATICEDGE);
    EXPECT_TRUE(m_slider.GetStyle() & WS_CLIPCHILDREN);
    ASSERT_EQ(359, Strip().Width()) << "the border is gone from the client area";
    EXPECT_EQ(123, m_slider.m_nMarkPos);

    ClickAt(&m_slider, StripPoint(300));
    EXPECT_EQ(300, m_color.H());
    EXPECT_EQ(1, m_parent.Count(WM_HSCROLL));
}
