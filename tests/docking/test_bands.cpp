// test_bands.cpp - title bands: button layout and hiding, glyphs, drawing of hot and pushed
// buttons, hover over a real window, the band style and its colour schemes.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include "wexotest.h"

namespace
{
// the four buttons of a dock window with a title, in the order the library adds them
void AddDockWindowButtons(CBand& band)
{
    band.AddItem(UIL_BANDITEM_HIDE, 0x0600, SC_CLOSE);
    band.AddItem(UIL_BANDITEM_DOCKABLE, 0x1600, UIL_SC_DOCKABLE);
    band.AddItem(UIL_BANDITEM_REDISTRIBUTE, 0x2600, UIL_SC_REDISTRIBUTE);
    band.AddItem(UIL_BANDITEM_ROLLUP, 0x4900, UIL_SC_ROLLUP);
}

struct SLayoutCase
{
    const char* pszName;
    CRect rectBand;
    BOOL bHorz;
    int nMustHide;
    CRect rectItems[4];     // hide, dockable, redistribute, roll-up; empty = hidden
    CRect rectText;
};

// Worked by hand: a 22-pixel strip has 18-pixel buttons 2 pixels in; roll-up starts the strip
// (2..20), the others stack back from 2 pixels before its end; the text runs from 4 after the
// start buttons to 4 before the end ones.  200 pixels hold everything (26 + 4 * 18 + 4 + 4 = 106);
// at 100 one button must go ((4 - 1) * 18 + 4 = 58 fits in 100 - 26): the dockable one (order 1).
const SLayoutCase s_layouts[] =
{
    { "wide", CRect(0, 0, 200, 22), TRUE, 0,
      { CRect(180, 2, 198, 20), CRect(162, 2, 180, 20), CRect(144, 2, 162, 20), CRect(2, 2, 20, 20) },
      CRect(24, 0, 140, 22) },
    { "short", CRect(0, 0, 100, 22), TRUE, 1,
      { CRect(80, 2, 98, 20), CRect(), CRect(62, 2, 80, 20), CRect(2, 2, 20, 20) },
      CRect(24, 0, 58, 22) },
    // a vertical strip: hide, dockable, redistribute from the top, roll-up at the bottom
    { "vertical", CRect(10, 30, 32, 230), FALSE, 0,
      { CRect(2, 2, 20, 20), CRect(2, 20, 20, 38), CRect(2, 38, 20, 56), CRect(2, 180, 20, 198) },
      CRect(0, 60, 22, 176) },
};

class BandLayout : public testing::TestWithParam<SLayoutCase> {};
}

TEST_P(BandLayout, PlacesAndHidesButtons)
{
    const SLayoutCase& c = GetParam();
    CBand band;
    band.SetStyle(UIL_BANDSTYLE_HIDE | UIL_BANDSTYLE_ROLLUP);   // title style
    AddDockWindowButtons(band);
    CRect rect = c.rectBand;
    EXPECT_EQ(1, band.ResizeBand(rect, FALSE));
    EXPECT_EQ(c.bHorz, band.IsHorz());
    EXPECT_EQ(c.nMustHide, band.m_nMustHide);
    for (int i = 0; i < 4; i++)
    {
        EXPECT_EQ(c.rectItems[i].IsRectEmpty(), band.GetItem(i)->m_bHidden != 0) << "button " << i;
        if (!c.rectItems[i].IsRectEmpty())
        {
            EXPECT_EQ(c.rectItems[i], band.GetItem(i)->m_rect) << "button " << i;
        }
    }
    EXPECT_EQ(c.rectText, band.GetTextRect());
}

INSTANTIATE_TEST_SUITE_P(Bands, BandLayout, testing::ValuesIn(s_layouts),
    [](const testing::TestParamInfo<SLayoutCase>& info) { return std::string(info.param.pszName); });

TEST(Bands, OrientationSizesAndBadIndexes)
{
    CBand band;
    CRect rect(0, 0, 200, 21);     // thinner than a band: taken as vertical
    band.ResizeBand(rect, FALSE);
    EXPECT_FALSE(band.IsHorz());
    rect.SetRect(0, 0, 21, 40);    // narrower than a band: horizontal
    band.ResizeBand(rect, FALSE);
    EXPECT_TRUE(band.IsHorz());
    rect.SetRect(50, 60, 90, 90);  // keeping the origin moves the new size to the old corner
    band.ResizeBand(rect, TRUE);
    EXPECT_EQ(CRect(0, 0, 40, 30), band.GetBandRect());

    band.SetStyle(UIL_BANDSTYLE_TABBED);
    AddDockWindowButtons(band);
    EXPECT_EQ(4 * 16 + 8 + 4, band.GetAllItemsSize());
    EXPECT_EQ(26, band.GetMinTextSize());       // no packet: room for one tab
    band.SetStyle(0);
    EXPECT_EQ(4 * 18 + 4, band.GetAllItemsSize());

    EXPECT_EQ(NULL, band.GetItem(-1));
    EXPECT_EQ(NULL, band.GetItem(4));
    EXPECT_EQ(0u, band.GetItemSysCommand(-1));
    EXPECT_EQ((UINT)UIL_SC_ROLLUP, band.GetItemSysCommand(3));
    EXPECT_EQ(-1, band.GetItemFromPt(CPoint(-5, -5)));
    EXPECT_EQ(-1, band.GetTabFromPt(CPoint(5, 5)));
    EXPECT_EQ(0, band.NoSpaceForAllItems(NULL, TRUE));
    EXPECT_EQ(0u, band.SetState(0x300));
    EXPECT_EQ(0x300u, band.SetState(0));
    EXPECT_EQ(1, band.DeleteAllItems());
    EXPECT_EQ(0, band.GetItemCount());
}

TEST(Bands, GlyphFollowsKindAndState)
{
    struct { UINT nKind; UINT nState; int nGlyph; BOOL bDisabled; } cases[] =
    {
        { UIL_BANDITEM_ROLLUP, 0x0300, 0, FALSE },      // docked on top: up
        { UIL_BANDITEM_ROLLUP, 0x2300, 1, FALSE },      // rolled up there: down
        { UIL_BANDITEM_ROLLUP, 0x0500, 1, FALSE },      // bottom
        { UIL_BANDITEM_ROLLUP, 0x2500, 0, FALSE },
        { UIL_BANDITEM_ROLLUP, 0x0030, 2, FALSE },      // left
        { UIL_BANDITEM_ROLLUP, 0x1030, 3, FALSE },
        { UIL_BANDITEM_ROLLUP, 0x0050, 3, FALSE },      // right
        { UIL_BANDITEM_ROLLUP, 0x1050, 2, FALSE },
        { UIL_BANDITEM_REDISTRIBUTE, 0x0100, 0, FALSE },
        { UIL_BANDITEM_REDISTRIBUTE, 0x0010, 1, FALSE },
        { UIL_BANDITEM_DOCKABLE, 0x10200, 1, FALSE },
        { UIL_BANDITEM_DOCKABLE, 0x00200, 0, FALSE },
        { UIL_BANDITEM_EXTRA, 0x10100, 2, FALSE },
        { UIL_BANDITEM_EXTRA, 0x00010, 0, TRUE },
        { UIL_BANDITEM_EXTRA2, 0x20100, 3, FALSE },
        { UIL_BANDITEM_EXTRA2, 0x10010, 1, TRUE },
        { UIL_BANDITEM_HIDE, 0x12345, 0, FALSE },
    };
    for (const auto& c : cases)
    {
        CBandItem item(c.nKind, 0);
        EXPECT_EQ(c.nGlyph, item.GetGlyph(c.nState)) << "kind " << c.nKind << " state " << std::hex << c.nState;
        EXPECT_EQ(c.bDisabled, item.IsDisabled(c.nState)) << "kind " << c.nKind;
    }
    // every kind's bitmap loads into one shared list of 12-pixel images, three per glyph
    struct { UINT nKind; int nImages; } lists[] = { { 1, 3 }, { 2, 12 }, { 4, 6 }, { 8, 12 }, { 24, 12 }, { 32, 6 } };
    for (const auto& l : lists)
    {
        CUILImageList* pList = GetBandItemImages(l.nKind);
        ASSERT_TRUE(pList != NULL) << "kind " << l.nKind;
        EXPECT_EQ(l.nImages, pList->GetImageCount());
        EXPECT_EQ(pList, GetBandItemImages(l.nKind));
    }
    EXPECT_EQ(GetBandItemImages(UIL_BANDITEM_EXTRA), GetBandItemImages(UIL_BANDITEM_EXTRA2));
    EXPECT_EQ(NULL, GetBandItemImages(3));
}

TEST(Bands, HotAndPushedButtonsGetRaisedAndSunkenFrames)
{
    CBand band;
    band.SetStyle(UIL_BANDSTYLE_HIDE);     // plain, title style
    band.AddItem(UIL_BANDITEM_HIDE, 0x0600, SC_CLOSE);
    CRect rect(10, 10, 210, 32);
    band.ResizeBand(rect, FALSE);

    CPixelCanvas canvas(240, 60, RGB(1, 2, 3));
    CDC& dc = canvas.DC();
    const COLORREF clrLight = GetMainWndSysColor(COLOR_BTNHIGHLIGHT, 8);
    const COLORREF clrShadow = GetMainWndSysColor(COLOR_BTNSHADOW, 8);
    // the hide button: 190..208 across, 12..30 down, in the DC
    const CPoint ptTopLeft(190, 12), ptBottomRight(207, 29);

    band.Draw(dc, UIL_BANDSTATE_HORZ | UIL_BANDSTATE_TOP);
    EXPECT_EQ(GetMainWndSysColor(COLOR_BTNFACE, 8), dc.GetPixel(10, 10));  // the strip
    EXPECT_EQ(RGB(1, 2, 3), dc.GetPixel(9, 9));                             // nothing outside
    EXPECT_EQ(GetMainWndSysColor(COLOR_BTNFACE, 8), dc.GetPixel(ptTopLeft));

    band.SelectItem(0, dc);
    EXPECT_EQ(0, band.GetHilightItem());
    EXPECT_EQ(clrLight, dc.GetPixel(ptTopLeft));
    EXPECT_EQ(clrShadow, dc.GetPixel(ptBottomRight));
    band.PushItem(0, dc);
    EXPECT_TRUE(band.IsPushed());
    EXPECT_EQ(clrShadow, dc.GetPixel(ptTopLeft));
    EXPECT_EQ(clrLight, dc.GetPixel(ptBottomRight));
    band.PushItem(-1, dc);
    EXPECT_FALSE(band.IsPushed());
    band.SelectItem(-1, dc);
    EXPECT_EQ(GetMainWndSysColor(COLOR_BTNFACE, 8), dc.GetPixel(ptTopLeft));
}

TEST(Bands, HoverHighlightsUnderTheCursorAndClearsWhenItLeaves)
{
    CRecordingWnd owner;
    ASSERT_TRUE(owner.CreateTopLevel(CRect(100, 100, 400, 300)));
    owner.Watch(WM_TIMER);
    CBand band;
    band.SetStyle(UIL_BANDSTYLE_HIDE);
    band.m_hOwner = owner.GetSafeHwnd();
    band.AddItem(UIL_BANDITEM_HIDE, 0x0600, SC_CLOSE);
    CRect rect(0, 0, 200, 22);     // along the top of the window
    band.ResizeBand(rect, FALSE);
    const CPoint ptButton(100 + 185, 100 + 10), ptAway(100 + 50, 100 + 10);

    EXPECT_EQ(UIL_HTBAND, band.OnNcHitTest(&owner, ptButton));
    EXPECT_EQ(0, band.GetHilightItem());
    EXPECT_EQ(0, band.OnNcHitTest(&owner, ptAway));
    // the highlight stays while the cursor is on the button and goes with it
    SendMouseAt(ptButton);
    PumpTestMessages(100);
    EXPECT_GT(owner.Count(WM_TIMER, UIL_BAND_TIMER), 0);
    band.UpdateHilightState(&owner);
    EXPECT_EQ(0, band.GetHilightItem());
    SendMouseAt(ptAway);
    band.UpdateHilightState(&owner);
    EXPECT_EQ(-1, band.GetHilightItem());
    owner.Clear();
    PumpTestMessages(150);
    EXPECT_EQ(0, owner.Count(WM_TIMER, UIL_BAND_TIMER));
    owner.DestroyWindow();
}

TEST(Bands, StyleSwitchesTheColourScheme)
{
    struct { DWORD dwStyle; COLORREF clrLight, clrShadow, clrTitle; UINT nActiveBitmap; } cases[] =
    {
        { 0xD19, RGB(173, 173, 173), RGB(128, 128, 128), RGB(240, 240, 240), 26061 },   // silver
        { 0xD1A, RGB(200, 200, 170), RGB(180, 180, 154), RGB(244, 246, 203), 26062 },   // olive
        { 0xD1F, RGB(172, 191, 255), RGB(122, 156, 194), RGB(237, 255, 255), 26060 },   // 7: blue
        { 0xD18, RGB(172, 191, 255), RGB(122, 156, 194), RGB(237, 255, 255), 26060 },   // blue
    };
    const DWORD dwSaved = g_dwDefaultBandStyleEx;
    DWORD dwPrevious = dwSaved;
    for (const auto& c : cases)
    {
        EXPECT_EQ(dwPrevious, SetDefaultBandStyle(c.dwStyle));
        dwPrevious = c.dwStyle;
        EXPECT_EQ(c.dwStyle, g_dwDefaultBandStyleEx);
        EXPECT_EQ(c.clrLight, BandStyleGetLightBorderColor());
        EXPECT_EQ(c.clrShadow, BandStyleGetShadowBorderColor());
        EXPECT_EQ(c.clrTitle, BandStyleGetLightTitleColor());
        EXPECT_EQ(c.nActiveBitmap, GetBandScheme()->GetResourceID(bandBmpActive));
        EXPECT_TRUE(GetBandScheme()->GetBitmap(bandBmpActive) != NULL);
    }
    // a new band copies the module-wide style; a skinned strip is painted from the scheme
    SetDefaultBandStyle(0x0109);
    CBand band;
    EXPECT_EQ(0x0109u, band.GetStyle());
    CRect rect(0, 0, 100, 22);
    band.ResizeBand(rect, FALSE);
    CPixelCanvas canvas(100, 22);
    band.Draw(canvas.DC(), UIL_BANDSTATE_HORZ | UIL_BANDSTATE_ACTIVE);
    // the silver strip's flat middle slice (res/bandimages.py) lies across the strip's centre
    EXPECT_EQ(RGB(204, 204, 210), canvas.Pixel(50, 11));
    SetDefaultBandStyle(dwSaved);
}
