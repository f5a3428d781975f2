// test_item_draw.cpp - items drawn as bar buttons and as menu entries: normal, hot, pressed,
// checked and disabled looks, popup arrows, check marks, shortcut texts and vertical items, all
// in the colours the host gives for the toolbar context.
#include "ItemTestUtil.h"
#include <gtest/gtest.h>

namespace
{
// the host's toolbar colours: distinct from each other and from every system colour
const COLORREF clrFace = RGB(200, 220, 180);
const COLORREF clrLight = RGB(250, 250, 210);
const COLORREF clrShadow = RGB(90, 70, 130);
const COLORREF clrText = RGB(130, 0, 20);
const COLORREF clrMenu = RGB(235, 225, 245);
const COLORREF clrMenuText = RGB(0, 60, 120);
const COLORREF clrHighlight = RGB(20, 120, 60);
const COLORREF clrHighlightText = RGB(255, 240, 0);
const COLORREF clrGray = RGB(140, 150, 140);
const COLORREF clrCanvas = RGB(255, 255, 255);

class ItemDraw : public testing::Test
{
protected:
    ItemDraw() : m_canvas(200, 120, clrCanvas)
    {
        m_host.SetColor(COLOR_BTNFACE, clrFace);
        m_host.SetColor(COLOR_BTNHIGHLIGHT, clrLight);
        m_host.SetColor(COLOR_BTNSHADOW, clrShadow);
        m_host.SetColor(COLOR_BTNTEXT, clrText);
        m_host.SetColor(COLOR_MENU, clrMenu);
        m_host.SetColor(COLOR_MENUTEXT, clrMenuText);
        m_host.SetColor(COLOR_HIGHLIGHT, clrHighlight);
        m_host.SetColor(COLOR_HIGHLIGHTTEXT, clrHighlightText);
        m_host.SetColor(COLOR_GRAYTEXT, clrGray);
        m_images.Add(CreateColorList(0, 4), UILIMAGELIST_OWNED);
        m_image = CTestImages::Color(0, 2);
    }

    // a bar button with image 2 (and a text when given), placed at (10, 10)
    void MakeButton(CUILItem& item, const char* lpszText, int nLook)
    {
        item.m_pImages = &m_images;
        item.m_iBitmap = 2;
        item.m_idCommand = 100;
        item.m_fsState = TBSTATE_ENABLED;
        item.m_strText = lpszText;
        CClientDC dc(NULL);
        item.MeasureItem(dc, nLook, -1);
        item.SetItemPos(10, 10, 0, NULL);
    }

    void Draw(CUILItem& item, int nMode)
    {
        m_canvas.Fill(clrCanvas);
        item.DrawItem(m_canvas.DC(), -1, -1, nMode);
    }

    // the smallest rectangle holding every pixel of the colour
    CRect Bounds(COLORREF clr, const CRect& rcWithin)
    {
        CRect rc(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = rcWithin.top; y < rcWithin.bottom; y++)
            for (int x = rcWithin.left; x < rcWithin.right; x++)
                if (m_canvas.Pixel(x, y) == clr)
                    rc.UnionRect(rc.left == INT_MAX ? CRect(x, y, x + 1, y + 1) : rc, CRect(x, y, x + 1, y + 1));
        return rc.left == INT_MAX ? CRect(0, 0, 0, 0) : rc;
    }

    // the pixels glyph nImage of the service images has
    int GlyphPixels(int nImage)
    {
        CPixelCanvas glyph(UILSI_SIZE, UILSI_SIZE, RGB(255, 0, 0));
        CUILItem::m_ServiceImageList.Draw(&glyph.DC(), nImage, CPoint(0, 0), ILD_TRANSPARENT);
        return glyph.CountOther(RGB(255, 0, 0), CRect(0, 0, UILSI_SIZE, UILSI_SIZE));
    }

    CMainWindowScope m_host;
    CPixelCanvas m_canvas;
    CUILImagesCollection m_images;
    COLORREF m_image;
};

CRect ItemRect(CUILItem& item, UINT nFlags = 0) { CRect rc; item.GetRect(&rc, nFlags); return rc; }
CRect BmpRect(CUILItem& item) { CRect rc; item.GetBmpRect(&rc); return rc; }
CRect TextRect(CUILItem& item) { CRect rc; item.GetTextRect(&rc); return rc; }
CRect ArrowRect(CUILItem& item) { CRect rc; item.GetRightBmpRect(&rc); return rc; }
}

TEST_F(ItemDraw, BarButtonAtRestIsFlat)
{
    CUILItem item;
    MakeButton(item, "", UILIS_BARITEM | UILIS_CUSTOMLOOK | UILIS_IMAGE);
    Draw(item, UILDRAW_NORMAL);
    const CRect rc = ItemRect(item);
    // its own background, no frame, the image in its rectangle, nothing outside the item
    EXPECT_EQ(clrFace, m_canvas.Pixel(rc.left, rc.top));
    EXPECT_EQ(clrFace, m_canvas.Pixel(rc.right - 1, rc.bottom - 1));
    CRect rcImage = BmpRect(item);
    rcImage.DeflateRect(1, 1);      // the image lists' images have a transparent border
    EXPECT_EQ(rcImage, Bounds(m_image, rc));
    EXPECT_EQ(m_canvas.Count(clrCanvas, CRect(0, 0, 200, 120)), 200 * 120 - rc.Width() * rc.Height());
    // the host was asked, as a toolbar
    ASSERT_FALSE(m_host.GetContexts().empty());
    EXPECT_EQ((WORD)UIL_COLORCONTEXT_TOOLBAR, m_host.GetContexts()[0]);
}

TEST_F(ItemDraw, HotPressedAndCheckedFrames)
{
    CUILItem item;
    MakeButton(item, "", UILIS_BARITEM | UILIS_CUSTOMLOOK | UILIS_IMAGE);
    const CRect rc = ItemRect(item);
    CRect rcImage = BmpRect(item);
    rcImage.DeflateRect(1, 1);

    // hot: raised, the image lifted by a pixel over its shadow
    Draw(item, UILDRAW_HOT);
    EXPECT_EQ(clrLight, m_canvas.Pixel(rc.left, rc.top));
    EXPECT_EQ(clrShadow, m_canvas.Pixel(rc.right - 1, rc.bottom - 1));
    EXPECT_EQ(CRect(rcImage.left - 1, rcImage.top - 1, rcImage.right - 1, rcImage.bottom - 1), Bounds(m_image, rc));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), m_canvas.Pixel(rcImage.right - 1, rcImage.bottom - 1));

    // pressed: sunken, the image pushed a pixel down and right
    item.m_fsState |= TBSTATE_PRESSED;
    Draw(item, UILDRAW_HOT);
    EXPECT_EQ(clrShadow, m_canvas.Pixel(rc.left, rc.top));
    EXPECT_EQ(clrLight, m_canvas.Pixel(rc.right - 1, rc.bottom - 1));
    EXPECT_EQ(CRect(rcImage.left + 1, rcImage.top + 1, rcImage.right + 1, rcImage.bottom + 1), Bounds(m_image, rc));

    // checked at rest: sunken on a dither of highlight and face
    item.m_fsState = TBSTATE_ENABLED | TBSTATE_CHECKED;
    Draw(item, UILDRAW_NORMAL);
    EXPECT_EQ(clrShadow, m_canvas.Pixel(rc.left, rc.top));
    const COLORREF a = m_canvas.Pixel(rc.left + 1, rc.top + 1), b = m_canvas.Pixel(rc.left + 2, rc.top + 1);
    EXPECT_NE(a, b);
    EXPECT_TRUE((a == clrLight && b == clrFace) || (a == clrFace && b == clrLight));
    EXPECT_EQ(a, m_canvas.Pixel(rc.left + 2, rc.top + 2));
    // in the other mode the ground is the highlight alone
    Draw(item, UILDRAW_CHECKLIGHT);
    EXPECT_EQ(clrLight, m_canvas.Pixel(rc.left + 1, rc.top + 1));
    EXPECT_EQ(clrLight, m_canvas.Pixel(rc.left + 2, rc.top + 1));
    // checked under the mouse: plain face
    Draw(item, UILDRAW_HOT);
    EXPECT_EQ(clrFace, m_canvas.Pixel(rc.left + 1, rc.top + 1));
    EXPECT_EQ(clrFace, m_canvas.Pixel(rc.left + 2, rc.top + 1));
}

TEST_F(ItemDraw, DisabledButtonIsEmbossedAndNeverHot)
{
    CUILItem item;
    MakeButton(item, "Erase", UILIS_BARITEM | UILIS_CUSTOMLOOK | UILIS_IMAGE | UILIS_TEXT);
    Draw(item, UILDRAW_NORMAL);
    const CRect rc = ItemRect(item), rcText = TextRect(item);
    EXPECT_GT(m_canvas.Count(clrText, rcText), 0);
    EXPECT_EQ(0, m_canvas.Count(clrLight, rc));

    for (BYTE fsState : { (BYTE)0, (BYTE)(TBSTATE_ENABLED | TBSTATE_INDETERMINATE) })
    {
        item.m_fsState = fsState;
        ASSERT_TRUE(item.IsDisabled());
        Draw(item, UILDRAW_HOT);
        EXPECT_EQ(clrFace, m_canvas.Pixel(rc.left, rc.top)) << (int)fsState;
        EXPECT_EQ(0, m_canvas.Count(m_image, rc)) << (int)fsState;
        EXPECT_EQ(0, m_canvas.Count(clrText, rc)) << (int)fsState;
        // engraved text: a highlight copy under a shadow-coloured one
        EXPECT_GT(m_canvas.Count(clrShadow, rcText), 0) << (int)fsState;
        EXPECT_GT(m_canvas.Count(clrLight, rcText), 0) << (int)fsState;
    }
}

TEST_F(ItemDraw, BarPopupShowsTheCornerMark)
{
    CUILItem item;
    MakeButton(item, "", UILIS_BARITEM | UILIS_CUSTOMLOOK | UILIS_IMAGE | UILIS_POPUP);
    Draw(item, UILDRAW_NORMAL);
    const CRect rc = ItemRect(item), rcArrow = ArrowRect(item);
    EXPECT_EQ(GlyphPixels(UILSI_CORNER), m_canvas.Count(clrText, rcArrow));
    EXPECT_EQ(GlyphPixels(UILSI_CORNER), m_canvas.Count(clrText, rc));
    // the mark lies in the bottom-right quarter
    const CRect rcMark = Bounds(clrText, rc);
    EXPECT_GT(rcMark.left, rc.CenterPoint().x);
    EXPECT_GT(rcMark.top, rc.CenterPoint().y);
}

TEST_F(ItemDraw, MenuEntryLooks)
{
    CUILItem item;
    MakeButton(item, "Properties", UILIS_MENUITEM | UILIS_CUSTOMLOOK | UILIS_IMAGE | UILIS_TEXT | UILIS_MENUIMAGES);
    const CRect rc = ItemRect(item), rcBmp = BmpRect(item), rcText = TextRect(item);

    Draw(item, UILDRAW_NORMAL);
    EXPECT_EQ(clrMenu, m_canvas.Pixel(rc.left, rc.top));
    EXPECT_GT(m_canvas.Count(clrMenuText, rcText), 0);
    EXPECT_GT(m_canvas.Count(m_image, rcBmp), 0);

    // selected: the highlight right of the image column, the text in the highlighted colour,
    // a raised frame around the image
    Draw(item, UILDRAW_HOT);
    EXPECT_EQ(clrHighlight, m_canvas.Pixel(rc.right - 1, rc.top));
    EXPECT_EQ(clrMenu, m_canvas.Pixel(rc.left, rc.top));
    EXPECT_EQ(0, m_canvas.Count(clrMenuText, rc));
    EXPECT_GT(m_canvas.Count(clrHighlightText, rcText), 0);
    EXPECT_EQ(clrLight, m_canvas.Pixel(rcBmp.left - 1, rcBmp.top - 1));
    EXPECT_EQ(clrShadow, m_canvas.Pixel(rcBmp.right, rcBmp.bottom));

    // disabled and selected: grey text on the highlight, the image embossed
    item.m_fsState = 0;
    Draw(item, UILDRAW_HOT);
    EXPECT_GT(m_canvas.Count(clrGray, rcText), 0);
    EXPECT_EQ(0, m_canvas.Count(clrHighlightText, rc));
    EXPECT_EQ(0, m_canvas.Count(m_image, rc));
}

TEST_F(ItemDraw, CheckedMenuEntryWithoutImageShowsTheCheckMark)
{
    CUILItem item;
    MakeButton(item, "Snap", UILIS_MENUITEM | UILIS_CUSTOMLOOK | UILIS_TEXT | UILIS_MENUIMAGES);
    item.m_iBitmap = -1;
    item.m_fsState = TBSTATE_ENABLED | TBSTATE_CHECKED;
    Draw(item, UILDRAW_NORMAL);
    const CRect rcBmp = BmpRect(item);
    EXPECT_EQ(GlyphPixels(UILSI_CHECK), m_canvas.Count(clrMenuText, rcBmp));
    // in a sunken well
    EXPECT_EQ(clrShadow, m_canvas.Pixel(rcBmp.left - 1, rcBmp.top - 1));
    EXPECT_EQ(clrLight, m_canvas.Pixel(rcBmp.right, rcBmp.bottom));

    // not checked: an empty column
    item.m_fsState = TBSTATE_ENABLED;
    Draw(item, UILDRAW_NORMAL);
    EXPECT_EQ(rcBmp.Width() * rcBmp.Height(), m_canvas.Count(clrMenu, rcBmp));
}

TEST_F(ItemDraw, ShortcutRightAlignedAndSubmenuArrow)
{
    CUILItem item;
    MakeButton(item, "Open\tCtrl+O", UILIS_MENUITEM | UILIS_CUSTOMLOOK | UILIS_TEXT | UILIS_ACCELTEXT | UILIS_MENUIMAGES);
    item.SetMinSize(CSize(ItemRect(item).Width() + 40, 0));
    item.SetItemPos(10, 10, 0, NULL);
    Draw(item, UILDRAW_NORMAL);
    const CRect rcText = TextRect(item);
    const CRect rcInk = Bounds(clrMenuText, rcText);
    // the caption starts at the left of the text, the shortcut ends at its right
    EXPECT_LE(rcInk.left, rcText.left + 5);
    EXPECT_GE(rcInk.right, rcText.right - 8);

    // without the shortcut look the same text stops at the tab
    CUILItem plain;
    MakeButton(plain, "Open\tCtrl+O", UILIS_MENUITEM | UILIS_CUSTOMLOOK | UILIS_TEXT | UILIS_MENUIMAGES);
    plain.SetMinSize(CSize(ItemRect(item).Width(), 0));
    plain.SetItemPos(10, 10, 0, NULL);
    Draw(plain, UILDRAW_NORMAL);
    EXPECT_LT(Bounds(clrMenuText, TextRect(plain)).right, rcText.CenterPoint().x);

    // a submenu entry: the right-pointing arrow after the text
    CUILItem popup;
    MakeButton(popup, "Recent", UILIS_MENUITEM | UILIS_CUSTOMLOOK | UILIS_TEXT | UILIS_MENUIMAGES | UILIS_POPUP);
    Draw(popup, UILDRAW_NORMAL);
    const CRect rcArrow = ArrowRect(popup);
    EXPECT_EQ(GlyphPixels(UILSI_RIGHTARROW), m_canvas.Count(clrMenuText, rcArrow));
    Draw(popup, UILDRAW_HOT);
    EXPECT_EQ(GlyphPixels(UILSI_RIGHTARROW), m_canvas.Count(clrHighlightText, rcArrow));
}

TEST_F(ItemDraw, MenuBarEntryRaisedOrSunken)
{
    CUILItem item;
    MakeButton(item, "&View", UILIS_MENUITEM | UILIS_CUSTOMLOOK | UILIS_TEXT);
    const CRect rc = ItemRect(item);
    Draw(item, UILDRAW_NORMAL);
    EXPECT_EQ(clrFace, m_canvas.Pixel(rc.left, rc.top));
    EXPECT_GT(m_canvas.Count(clrMenuText, rc), 0);
    Draw(item, UILDRAW_HOT);
    EXPECT_EQ(clrLight, m_canvas.Pixel(rc.left, rc.top));
    EXPECT_EQ(clrShadow, m_canvas.Pixel(rc.right - 1, rc.bottom - 1));
    item.m_fsState |= TBSTATE_PRESSED;
    Draw(item, UILDRAW_HOT);
    EXPECT_EQ(clrShadow, m_canvas.Pixel(rc.left, rc.top));
    EXPECT_EQ(clrLight, m_canvas.Pixel(rc.right - 1, rc.bottom - 1));
}

TEST_F(ItemDraw, VerticalItemsDrawTurned)
{
    CUILItem item;
    MakeButton(item, "Measure", UILIS_BARITEM | UILIS_CUSTOMLOOK | UILIS_IMAGE | UILIS_TEXT | UILIS_VERTICAL);
    Draw(item, UILDRAW_NORMAL);
    const CRect R = ItemRect(item, UILRECT_TURNED);
    ASSERT_GT(R.Height(), R.Width());
    // nothing outside the turned rectangle
    EXPECT_EQ(R.Width() * R.Height(), m_canvas.CountOther(clrCanvas, CRect(0, 0, 200, 120)));
    // the text's ink runs along the item: far taller than wide
    const CRect rcInk = Bounds(clrText, R);
    ASSERT_FALSE(rcInk.IsRectEmpty());
    EXPECT_GT(rcInk.Height(), 2 * rcInk.Width());
    EXPECT_TRUE(CRect(TextRect(item)).PtInRect(rcInk.CenterPoint()));
    // the image in its turned place at the bottom
    const CRect rcImage = Bounds(m_image, R);
    EXPECT_TRUE(CRect(BmpRect(item)).PtInRect(rcImage.CenterPoint()));
    EXPECT_GT(rcImage.top, rcInk.bottom);
}

TEST_F(ItemDraw, DrawItemLeavesTheDeviceContextAsItWas)
{
    CUILItem item;
    MakeButton(item, "Zoom", UILIS_BARITEM | UILIS_CUSTOMLOOK | UILIS_IMAGE | UILIS_TEXT | UILIS_VERTICAL);
    CDC& dc = m_canvas.DC();
    CFont font;
    font.CreatePointFont(120, "Courier");
    dc.SelectObject(&font);
    dc.SetTextColor(RGB(1, 2, 3));
    dc.SetBkColor(RGB(4, 5, 6));
    dc.SetBkMode(OPAQUE);
    item.DrawItem(dc, -1, -1, UILDRAW_HOT);
    EXPECT_EQ((HGDIOBJ)font.m_hObject, ::GetCurrentObject(dc.m_hDC, OBJ_FONT));
    EXPECT_EQ(RGB(1, 2, 3), dc.GetTextColor());
    EXPECT_EQ(RGB(4, 5, 6), dc.GetBkColor());
    EXPECT_EQ(OPAQUE, dc.GetBkMode());
    dc.SelectStockObject(SYSTEM_FONT);
}

TEST_F(ItemDraw, SeparatorsAndControls)
{
    CUILItem separator;
    separator.m_fsStyle = TBSTYLE_SEP;
    separator.m_iBitmap = 8;
    CClientDC dc(NULL);
    separator.MeasureItem(dc, UILIS_BARITEM | UILIS_CUSTOMLOOK, -1);
    separator.SetItemPos(10, 10, 0, NULL);
    Draw(separator, UILDRAW_NORMAL);
    // an etched groove down the middle of a bar separator
    EXPECT_EQ(clrShadow, m_canvas.Pixel(13, 12));
    EXPECT_EQ(clrLight, m_canvas.Pixel(14, 12));
    EXPECT_EQ(clrFace, m_canvas.Pixel(11, 12));

    // an embedded control draws itself: the item paints nothing
    CUILItem control;
    control.m_fsStyle = TBSTYLE_SEP;
    control.m_idCommand = 55;
    control.m_iBitmap = 60;
    control.MeasureItem(dc, UILIS_BARITEM | UILIS_CUSTOMLOOK, -1);
    Draw(control, UILDRAW_HOT);
    EXPECT_EQ(200 * 120, m_canvas.Count(clrCanvas, CRect(0, 0, 200, 120)));
}
