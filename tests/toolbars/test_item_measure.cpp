// test_item_measure.cpp - the measuring rules of command items: minimum size, the image room of
// text-only bar buttons, default look, separators and embedded controls, numbers naming their
// list, popup arrows in bar and menu looks, shortcut texts, the turned rectangles of vertical
// items, and the setters that measure again.
#include "ItemTestUtil.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace
{
// what a line of text measures in the horizontal item font
CSize TextExtent(const char* lpszText)
{
    CClientDC dc(NULL);
    CFont* pOld = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
    const CSize size = dc.GetTextExtent(lpszText, lstrlenA(lpszText));
    dc.SelectObject(pOld);
    return size;
}

CSize Measure(CUILItem& item, int nExStyle)
{
    CClientDC dc(NULL);
    return item.MeasureItem(dc, nExStyle, -1);
}

CRect BmpRect(CUILItem& item) { CRect rc; item.GetBmpRect(&rc); return rc; }
CRect TextRect(CUILItem& item) { CRect rc; item.GetTextRect(&rc); return rc; }
CRect ArrowRect(CUILItem& item) { CRect rc; item.GetRightBmpRect(&rc); return rc; }
CRect ItemRect(CUILItem& item, UINT nFlags = 0) { CRect rc; item.GetRect(&rc, nFlags); return rc; }

const int nBar = UILIS_BARITEM | UILIS_CUSTOMLOOK;
const int nMenu = UILIS_MENUITEM | UILIS_CUSTOMLOOK;
}

TEST(ItemMeasure, NewItemIsItsMinimumSize)
{
    CUILItem item;
    EXPECT_EQ(-1, item.GetIBitmap());
    EXPECT_EQ(0, item.GetIDCommand());
    EXPECT_EQ(-1, item.GetIList());
    EXPECT_EQ(UILIS_BARITEM | UILIS_IMAGE | UILIS_CUSTOMLOOK, item.GetExStyle());
    EXPECT_EQ(0x21200, item.GetExStyle());
    EXPECT_EQ(CSize(22, 21), item.GetMinSize());
    EXPECT_TRUE(ItemRect(item).IsRectNull());

    // no collection: room for a 16 x 15 image and a 3-pixel border, which is the minimum size
    EXPECT_EQ(CSize(22, 21), Measure(item, -1));
    EXPECT_EQ(CRect(0, 0, 22, 21), ItemRect(item));
    EXPECT_EQ(CRect(3, 3, 19, 18), BmpRect(item));
    EXPECT_TRUE(TextRect(item).IsRectEmpty());
    EXPECT_TRUE(ArrowRect(item).IsRectEmpty());

}

// The parts that are there but have nothing in them still measure by the rules: an empty caption
// is the text box DrawText gives for it plus its 6-pixel margins; an image number no list holds
// gives an image of no size.  Minimum size 0 x 0, so that nothing is grown.
TEST(ItemMeasure, EmptyCaptionAndMissingImageMeasureByTheRules)
{
    // what DrawText makes of an empty text here: no width and no height
    CRect rcEmpty(0, 0, 0, 0);
    {
        CClientDC dc(NULL);
        CFont* pOld = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
        dc.DrawText("", 0, &rcEmpty, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
        dc.SelectObject(pOld);
    }
    ASSERT_EQ(CSize(0, 0), rcEmpty.Size());
    CUILImagesCollection images;
    images.Add(CreateColorList(0, 4), UILIMAGELIST_OWNED);
    struct
    {
        int nLook;
        bool bCollection;
        int iBitmap;
        CRect rcItem, rcBmp, rcText;
    } cases[] = {
        // no collection: a 16 x 15 image; the empty text box, 6 x 6 with its margins, 4 after
        // it and centred on it; both inside a 3-pixel border
        { nBar | UILIS_IMAGE | UILIS_TEXT, false, -1, CRect(0, 0, 32, 21), CRect(3, 3, 19, 18), CRect(23, 7, 29, 13) },
        { nMenu | UILIS_TEXT, false, -1, CRect(0, 0, 12, 12), CRect(0, 0, 0, 0), CRect(3, 3, 9, 9) },
        // number 9 is in no list of the collection: no image room, only the border
        { nBar | UILIS_IMAGE, true, 9, CRect(0, 0, 6, 6), CRect(0, 0, 0, 0), CRect(0, 0, 0, 0) },
        { nBar | UILIS_IMAGE | UILIS_TEXT, true, 9, CRect(0, 0, 12, 12), CRect(0, 0, 0, 0), CRect(3, 3, 9, 9) },
        // a number the collection holds: its 16 x 15
        { nBar | UILIS_IMAGE, true, 3, CRect(0, 0, 22, 21), CRect(3, 3, 19, 18), CRect(0, 0, 0, 0) },
    };
    for (const auto& c : cases)
    {
        CUILItem item;
        item.SetMinSize(CSize(0, 0));
        item.m_pImages = c.bCollection ? &images : NULL;
        item.m_iBitmap = c.iBitmap;
        EXPECT_EQ(c.rcItem.Size(), Measure(item, c.nLook)) << c.nLook << " image " << c.iBitmap;
        EXPECT_EQ(c.rcItem, ItemRect(item)) << c.nLook << " image " << c.iBitmap;
        if (!c.rcBmp.IsRectEmpty())
        {
            EXPECT_EQ(c.rcBmp, BmpRect(item)) << c.nLook << " image " << c.iBitmap;
        }
        EXPECT_EQ(c.rcText, TextRect(item)) << c.nLook << " image " << c.iBitmap;
    }
}

TEST(ItemMeasure, TextOnlyBarItemKeepsTheImageWidth)
{
    CUILItem item;
    item.m_strText = "Layers";
    const CSize sizeText = TextExtent("Layers");
    const CSize size = Measure(item, nBar | UILIS_TEXT);

    // the image is not shown but its 16 pixels stay in front of the text
    EXPECT_TRUE(BmpRect(item).IsRectEmpty());
    const CRect rcText = TextRect(item);
    EXPECT_EQ(3 + 16 + 4, rcText.left);
    EXPECT_EQ(sizeText.cx + 6, rcText.Width());
    EXPECT_EQ(sizeText.cy + 6, rcText.Height());
    EXPECT_EQ(rcText.right + 3, size.cx);
    EXPECT_EQ(std::max<int>(15, sizeText.cy + 6) + 6, size.cy);

    // the same in menu look starts the text at 3: menu entries keep no image room
    Measure(item, nMenu | UILIS_TEXT);
    EXPECT_EQ(3, TextRect(item).left);
    EXPECT_TRUE(BmpRect(item).IsRectEmpty());
}

TEST(ItemMeasure, ImageAndTextAreCentredOnEachOther)
{
    CUILItem item;
    item.m_strText = "Hatch";
    item.m_iBitmap = 0;
    Measure(item, nBar | UILIS_IMAGE | UILIS_TEXT);
    const CRect rcBmp = BmpRect(item), rcText = TextRect(item);
    ASSERT_FALSE(rcBmp.IsRectEmpty());
    ASSERT_FALSE(rcText.IsRectEmpty());
    // the shorter part moves down by half the difference; the taller one touches the border
    const int nDiff = rcText.Height() - rcBmp.Height();
    if (nDiff > 0)
    {
        EXPECT_EQ(3, rcText.top);
        EXPECT_EQ(3 + nDiff / 2, rcBmp.top);
    }
    else
    {
        EXPECT_EQ(3, rcBmp.top);
        EXPECT_EQ(3 - nDiff / 2, rcText.top);
    }
    EXPECT_EQ(rcBmp.right + 4, rcText.left);
    EXPECT_EQ(3, rcBmp.left);
}

TEST(ItemMeasure, DefaultLookLetsTheBarDecide)
{
    CUILImagesCollection images;
    images.Add(CreateColorList(0, 4), UILIMAGELIST_OWNED);
    CUILItem item;
    item.m_pImages = &images;
    item.m_iBitmap = 2;
    item.m_strText = "Move";

    // a menu entry shows its text only
    Measure(item, UILIS_MENUITEM | UILIS_DEFAULTLOOK | UILIS_IMAGE | UILIS_TEXT);
    EXPECT_EQ(UILIS_MENUITEM | UILIS_DEFAULTLOOK | UILIS_TEXT, item.GetExStyle());
    EXPECT_TRUE(BmpRect(item).IsRectEmpty());
    EXPECT_EQ(3, TextRect(item).left);

    // a bar button its image only: the size of the image with its border
    const CSize size = Measure(item, UILIS_BARITEM | UILIS_DEFAULTLOOK | UILIS_IMAGE | UILIS_TEXT);
    EXPECT_EQ(UILIS_BARITEM | UILIS_DEFAULTLOOK | UILIS_IMAGE, item.GetExStyle());
    EXPECT_TRUE(TextRect(item).IsRectEmpty());
    EXPECT_EQ(CSize(22, 21), size);

    // with its own look the item keeps both
    Measure(item, UILIS_BARITEM | UILIS_CUSTOMLOOK | UILIS_IMAGE | UILIS_TEXT);
    EXPECT_FALSE(TextRect(item).IsRectEmpty());
    EXPECT_FALSE(BmpRect(item).IsRectEmpty());
}

TEST(ItemMeasure, SeparatorsAndControls)
{
    CUILItem separator;
    separator.m_fsStyle = TBSTYLE_SEP;
    separator.m_iBitmap = 8;
    EXPECT_TRUE(separator.IsSeparator());
    EXPECT_FALSE(separator.IsControl());
    // square, and never grown to the minimum size
    EXPECT_EQ(CSize(8, 8), Measure(separator, -1));
    separator.SetMinSize(CSize(30, 30));
    EXPECT_EQ(CRect(0, 0, 8, 8), ItemRect(separator));
    EXPECT_EQ(CSize(22, 21), separator.GetMinSize());

    // an embedded control without its window yet: the number is its width
    CUILItem control;
    control.m_fsStyle = TBSTYLE_SEP;
    control.m_idCommand = 1200;
    control.m_iBitmap = 120;
    EXPECT_TRUE(control.IsControl());
    EXPECT_EQ(CSize(120, 15), Measure(control, -1));
    // its rectangle does not turn in a vertical bar
    EXPECT_EQ(CRect(0, 0, 120, 15), ItemRect(control, UILRECT_TURNED));

    // with its window: the window's client size
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, CRect(0, 0, 300, 100), NULL, 0));
    HWND hCombo = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 90, 24, parent.m_hWnd, NULL, NULL, NULL);
    control.m_hWndControl = hCombo;
    EXPECT_EQ(CSize(90, 24), Measure(control, -1));
    parent.DestroyWindow();
}

TEST(ItemMeasure, HighWordOfTheNumberNamesTheList)
{
    CUILImagesCollection images;
    for (int i = 0; i < 3; i++)
        images.Add(CreateColorList(i, 2), UILIMAGELIST_OWNED);
    images.Add(CreateColorList(3, 8, 24, 22), UILIMAGELIST_OWNED);

    CUILItem item;
    item.m_pImages = &images;
    item.m_fsState = TBSTATE_ENABLED;
    item.SetIBitmap(0x30005);
    EXPECT_EQ(3, item.GetIList());
    EXPECT_EQ(0x30005, item.GetIBitmap());
    // measured with list 3's image size, not that of the list whose range holds 5
    EXPECT_EQ(CSize(30, 28), Measure(item, -1));

    // and drawn from position 5 of list 3
    CPixelCanvas canvas(40, 40, RGB(255, 255, 255));
    item.DrawItem(canvas.DC(), -1, -1, UILDRAW_NORMAL);
    const CRect rcBmp = BmpRect(item);
    EXPECT_EQ(CTestImages::Color(3, 5), canvas.Pixel(rcBmp.CenterPoint().x, rcBmp.CenterPoint().y));

    // a plain number leaves the list alone
    CUILItem plain;
    plain.SetIBitmap(5);
    EXPECT_EQ(-1, plain.GetIList());
}

TEST(ItemMeasure, PopupArrowInBarLookSitsInTheCorner)
{
    CUILItem item;
    const CSize sizePlain = Measure(item, nBar | UILIS_IMAGE);
    const CSize size = Measure(item, nBar | UILIS_IMAGE | UILIS_POPUP);
    EXPECT_EQ(sizePlain, size);
    EXPECT_EQ(CRect(size.cx - 11, size.cy - 11, size.cx, size.cy), ArrowRect(item));

    // with a text too: still inside, in the corner
    item.m_strText = "Snap";
    const CSize sizeText = Measure(item, nBar | UILIS_IMAGE | UILIS_TEXT | UILIS_POPUP);
    EXPECT_EQ(CRect(sizeText.cx - 11, sizeText.cy - 11, sizeText.cx, sizeText.cy), ArrowRect(item));
    EXPECT_EQ(TextRect(item).right + 3, sizeText.cx);
}

TEST(ItemMeasure, PopupArrowInMenuLookWidensTheItem)
{
    CUILItem item;
    item.m_strText = "Recent Files";
    const CSize sizePlain = Measure(item, nMenu | UILIS_TEXT | UILIS_MENUIMAGES);
    const CSize size = Measure(item, nMenu | UILIS_TEXT | UILIS_MENUIMAGES | UILIS_POPUP);
    const CRect rcArrow = ArrowRect(item), rcText = TextRect(item);
    EXPECT_EQ(sizePlain.cx + 11, size.cx);
    EXPECT_EQ(sizePlain.cy, size.cy);
    EXPECT_EQ(CSize(11, 11), rcArrow.Size());
    EXPECT_EQ(rcText.right, rcArrow.left);
    EXPECT_EQ(size.cx - 3, rcArrow.right);
    // centred on the parts it follows
    EXPECT_EQ(3 + (size.cy - 6 - 11) / 2, rcArrow.top);

    // a menu entry shows its arrow only with the image column
    EXPECT_EQ(sizePlain.cx - 0, Measure(item, nMenu | UILIS_TEXT | UILIS_MENUIMAGES).cx);
    const CSize sizeNoColumn = Measure(item, nMenu | UILIS_TEXT | UILIS_POPUP);
    EXPECT_TRUE(CRect(item.m_rcRightBmp).IsRectEmpty());
    EXPECT_EQ(TextRect(item).right + 3, sizeNoColumn.cx);
}

TEST(ItemMeasure, MenuImageColumn)
{
    CUILItem item;
    item.m_strText = "Grid";
    Measure(item, nMenu | UILIS_TEXT | UILIS_MENUIMAGES);
    const int nSide = ::GetSystemMetrics(SM_CXMENUCHECK) + 2;
    const CRect rcBmp = BmpRect(item);
    EXPECT_EQ(nSide, rcBmp.Width());
    EXPECT_EQ(nSide, rcBmp.Height());
    EXPECT_EQ(rcBmp.right + 4, TextRect(item).left);

    // an image of its own sets the column's size instead
    CUILImagesCollection images;
    images.Add(CreateColorList(0, 1, 20, 20), UILIMAGELIST_OWNED);
    item.m_pImages = &images;
    item.m_iBitmap = 0;
    Measure(item, nMenu | UILIS_TEXT | UILIS_IMAGE | UILIS_MENUIMAGES);
    EXPECT_EQ(CSize(20, 20), BmpRect(item).Size());
}

TEST(ItemMeasure, ShortcutTextOnlyWithAccelLook)
{
    CUILItem item, plain;
    item.m_strText = "Open\tCtrl+O";
    plain.m_strText = "Open";
    const int cxPlain = Measure(plain, nMenu | UILIS_TEXT).cx;
    EXPECT_EQ(cxPlain, Measure(item, nMenu | UILIS_TEXT).cx);
    const int cxAccel = Measure(item, nMenu | UILIS_TEXT | UILIS_ACCELTEXT).cx;
    EXPECT_GT(cxAccel, cxPlain + TextExtent("Ctrl+O").cx);
}

TEST(ItemMeasure, MinimumSizeGrowsTheParts)
{
    CUILItem item;
    item.m_strText = "Dimension";
    const CSize size = Measure(item, nMenu | UILIS_TEXT | UILIS_MENUIMAGES | UILIS_POPUP);
    const CRect rcBmp = BmpRect(item), rcText = TextRect(item), rcArrow = ArrowRect(item);

    item.SetMinSize(CSize(size.cx + 10, size.cy + 7));
    EXPECT_EQ(CSize(size.cx + 10, size.cy + 7), item.GetMinSize());
    EXPECT_EQ(CRect(0, 0, size.cx + 10, size.cy + 7), ItemRect(item));
    // the text widens, the arrow moves right; the parts move down by half the extra height
    EXPECT_EQ(CRect(rcText.left, rcText.top + 3, rcText.right + 10, rcText.bottom + 3), TextRect(item));
    EXPECT_EQ(CRect(rcArrow.left + 10, rcArrow.top + 3, rcArrow.right + 10, rcArrow.bottom + 3), ArrowRect(item));
    EXPECT_EQ(CRect(rcBmp.left, rcBmp.top + 3, rcBmp.right, rcBmp.bottom + 3), BmpRect(item));

    // a smaller minimum never shrinks; measuring again applies the stored minimum
    item.SetMinSize(CSize(5, 5));
    EXPECT_EQ(CRect(0, 0, size.cx + 10, size.cy + 7), ItemRect(item));
    EXPECT_EQ(CSize(size.cx, size.cy), Measure(item, -1));
    item.SetMinSize(CSize(size.cx + 10, size.cy + 7));
    EXPECT_EQ(CSize(size.cx + 10, size.cy + 7), Measure(item, -1));
}

TEST(ItemMeasure, VerticalItemsGiveTurnedRectangles)
{
    CUILItem item;
    item.m_strText = "Orbit";
    item.m_iBitmap = 0;
    const CSize size = Measure(item, nBar | UILIS_IMAGE | UILIS_TEXT | UILIS_POPUP | UILIS_VERTICAL);
    item.SetItemPos(10, 20, 0, NULL);
    const CRect rcTextFlat = item.m_rcText, rcBmpFlat = item.m_rcBmp;

    const CRect R = ItemRect(item, UILRECT_TURNED);
    EXPECT_EQ(CRect(10, 20, 10 + size.cy, 20 + size.cx), R);
    EXPECT_EQ(CRect(10, 20, 10 + size.cx, 20 + size.cy), ItemRect(item));
    // the image at the bottom, the text above it, the arrow in the corner
    EXPECT_EQ(CRect(R.left + 3, R.bottom - 3 - rcBmpFlat.Width(), R.left + 3 + rcBmpFlat.Height(), R.bottom - 3),
        BmpRect(item));
    EXPECT_EQ(CRect(R.left + 3, R.top + 11 + 3, R.right - 3, R.top + 11 + 3 + rcTextFlat.Width() - 1),
        TextRect(item));
    EXPECT_EQ(CRect(R.right - 11, R.bottom - 11, R.right, R.bottom), ArrowRect(item));

    // a menu entry's arrow: centred across the item, at its top
    Measure(item, nMenu | UILIS_TEXT | UILIS_MENUIMAGES | UILIS_POPUP | UILIS_VERTICAL);
    const CRect R2 = ItemRect(item, UILRECT_TURNED);
    EXPECT_EQ(CRect(R2.left + (R2.Width() - 11) / 2, R2.top + 3, R2.left + (R2.Width() - 11) / 2 + 11, R2.top + 14),
        ArrowRect(item));
    // parts not shown are empty in either orientation
    Measure(item, nBar | UILIS_TEXT | UILIS_VERTICAL);
    EXPECT_TRUE(BmpRect(item).IsRectEmpty());
    EXPECT_TRUE(ArrowRect(item).IsRectEmpty());
}

TEST(ItemPosition, MovesRectanglesAndTheControlWindow)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "bar", WS_POPUP, CRect(0, 0, 400, 100), NULL, 0));
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 80, 20, parent.m_hWnd, NULL, NULL, NULL);
    CUILItem item;
    item.m_fsStyle = TBSTYLE_SEP;
    item.m_idCommand = 1300;
    item.m_hWndControl = hEdit;
    Measure(item, -1);

    auto ControlRect = [&]() {
        CRect rc;
        ::GetWindowRect(hEdit, &rc);
        ::MapWindowPoints(NULL, parent.m_hWnd, (POINT*)&rc, 2);
        return rc;
    };
    EXPECT_EQ(nullptr, item.SetItemPos(30, 4, 0, NULL));
    EXPECT_EQ(CRect(30, 4, 110, 24), ItemRect(item));
    EXPECT_EQ(CRect(30, 4, 110, 24), ControlRect());

    // deferred: nothing moves until the whole batch is applied, and the size never changes
    HDWP hDefer = ::BeginDeferWindowPos(1);
    void* hNext = item.SetItemPos(150, 40, 0, hDefer);
    ASSERT_NE(nullptr, hNext);
    EXPECT_EQ(CRect(150, 40, 230, 60), ItemRect(item));
    EXPECT_EQ(CRect(30, 4, 110, 24), ControlRect());
    ASSERT_TRUE(::EndDeferWindowPos((HDWP)hNext));
    EXPECT_EQ(CRect(150, 40, 230, 60), ControlRect());

    // an ordinary item moves its four rectangles together
    CUILItem button;
    button.m_strText = "Pan";
    Measure(button, nBar | UILIS_IMAGE | UILIS_TEXT | UILIS_POPUP);
    const CRect rcText = TextRect(button), rcArrow = ArrowRect(button), rcBmp = BmpRect(button);
    button.SetItemPos(100, 7, 0, NULL);
    EXPECT_EQ(CRect(rcText.left + 100, rcText.top + 7, rcText.right + 100, rcText.bottom + 7), TextRect(button));
    EXPECT_EQ(CRect(rcArrow.left + 100, rcArrow.top + 7, rcArrow.right + 100, rcArrow.bottom + 7), ArrowRect(button));
    EXPECT_EQ(CRect(rcBmp.left + 100, rcBmp.top + 7, rcBmp.right + 100, rcBmp.bottom + 7), BmpRect(button));
    button.OffsetRects(-100, -7);
    EXPECT_EQ(rcArrow, ArrowRect(button));
    parent.DestroyWindow();
}

TEST(ItemSetters, MeasureAgainWhereTheItemStands)
{
    CUILItem item;
    item.m_strText = "Fit";
    Measure(item, nBar | UILIS_IMAGE | UILIS_TEXT);
    item.SetItemPos(40, 50, 0, NULL);
    const CRect rcBefore = ItemRect(item);

    item.SetText("Fit to window");
    CRect rcAfter = ItemRect(item);
    EXPECT_EQ(rcBefore.TopLeft(), rcAfter.TopLeft());
    EXPECT_EQ(rcBefore.Width() + TextExtent("Fit to window").cx - TextExtent("Fit").cx, rcAfter.Width());
    EXPECT_EQ(40 + 3 + 16 + 4, TextRect(item).left);
    CString strText;
    item.GetText(strText);
    EXPECT_STREQ("Fit to window", strText);

    // the look: previous value back, the new look measured at once
    EXPECT_EQ(nBar | UILIS_IMAGE | UILIS_TEXT, item.SetExStyle(nBar | UILIS_IMAGE));
    EXPECT_EQ(CRect(40, 50, 62, 71), ItemRect(item));
    EXPECT_TRUE(TextRect(item).IsRectEmpty());

    EXPECT_EQ(0, item.SetExState(77));
    EXPECT_EQ(77, item.SetExState(5));
    EXPECT_EQ(5, item.GetExState());

    // state and style measure again too: a style that makes the item a separator
    item.SetState(TBSTATE_ENABLED | TBSTATE_CHECKED);
    EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_CHECKED, item.GetState());
    item.m_iBitmap = 6;
    item.SetStyle(TBSTYLE_SEP);
    EXPECT_EQ(CRect(40, 50, 46, 56), ItemRect(item));
}
