// test_color_map.cpp - the colour map: items and sort order, layout arithmetic, hit testing with
// real mouse input, selections and their notifications, the sort menu, tooltips and painting.
#include "ColorTestWindows.h"
#include <gtest/gtest.h>
#include <stdlib.h>
#include "wexotest.h"
#include "res/resource.h"

namespace
{
const UINT nMapID = 1024;

unsigned long RandomColor()
{
    return (((unsigned long)rand() << 12) ^ (unsigned long)rand()) & 0xFFFFFF;
}

// the order the map promises: no item goes before its predecessor
void ExpectSorted(CColorArray& map)
{
    for (int i = 1; i < map.m_Colors.GetSize(); i++)
        ASSERT_GE(CompareColors(map.m_Colors[i - 1], map.m_Colors[i], map.m_dwSortFlags), 0)
            << "items " << i - 1 << " and " << i << " flags " << map.m_dwSortFlags;
}

class ColorMapWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        CColorArray::m_bExpanded = 0;
        ::SetCursorPos(1000, 700);      // nothing of ours under the mouse to begin with
        m_parent.Watch(WM_COMMAND);
        ASSERT_TRUE(m_parent.CreateTopLevel(CRect(40, 40, 460, 360), "Colour test"));
    }
    void TearDown() override
    {
        if (m_map.m_hWnd != NULL)
            m_map.DestroyWindow();
        m_parent.DestroyWindow();
        PumpTestMessages(10);
    }
    // a map of nColors colours in a client area of cx x cy
    void CreateMap(int nColors, int cx, int cy)
    {
        srand(1234);
        for (int i = 0; i < nColors; i++)
            m_map.AddItem(RandomColor(), NULL);
        ASSERT_TRUE(m_map.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + cx, 10 + cy), &m_parent, nMapID));
        m_map.UpdateWindow();
        PumpTestMessages(20);
    }
    CPoint CellCentre(int nIndex)
    {
        CRect rc;
        m_map.GetItemRect(nIndex, rc);
        return rc.CenterPoint();
    }

    CRecordingWnd m_parent;
    CColorArray m_map;
};
}

/////////////////////////////////////////////////////////////////////////////
// Items

// Each colour lands where the walk from index 0 stops: at the first colour it goes before, after
// all its equals.  Flags 0 give every colour the key 0, so only the brightness tells them apart
// and most colours have equals; a host that changes the flags without re-sorting leaves a list
// out of order, where only the walk gives the documented place.
TEST(ColorMapItems, InsertionStopsWhereTheWalkFromTheStartStops)
{
    const unsigned long flags[] = { 0, COLORSORT_RED, COLORSORT_GREEN | COLORSORT_REVERSE, COLORSORT_BLUE,
        COLORSORT_HUE | COLORSORT_GROUPGRAY, COLORSORT_SATURATION, COLORSORT_BRIGHTNESS | COLORSORT_REVERSE,
        COLORSORT_GRAYSCALE | COLORSORT_GROUPGRAY | COLORSORT_REVERSE };
    for (unsigned long f : flags)
    {
        CColorArray map;
        map.m_dwSortFlags = f;
        std::vector<unsigned long> walked;
        srand((unsigned)f + 1);
        for (int i = 0; i < 600; i++)
        {
            if (i == 400)
                map.m_dwSortFlags = f ^ COLORSORT_REVERSE;
            unsigned long c = RandomColor() & 0xE0E0E0;    // few distinct values: many equals
            if (i % 9 == 0)
                c = RGB(i % 4 * 60, i % 4 * 60, i % 4 * 60);
            if (i % 31 == 0)
                c = 0x80000000 | (unsigned long)(i % 3);
            size_t nWalk = 0;
            while (nWalk < walked.size() && CompareColors(c, walked[nWalk], map.m_dwSortFlags) <= 0)
                nWalk++;
            walked.insert(walked.begin() + nWalk, c);
            ASSERT_EQ((int)nWalk, map.AddItem(c, NULL)) << "flags " << f << " item " << i;
        }
        ASSERT_EQ(600, map.m_Names.GetSize());
        for (int i = 0; i < 600; i++)
            ASSERT_EQ(walked[i], map.m_Colors[i]) << "flags " << f << " index " << i;
    }
    // equal colours keep their arrival order, and a grey goes before a colour by saturation
    CColorArray map;
    EXPECT_EQ(0, map.AddItem(RGB(10, 20, 30), "first"));
    EXPECT_EQ(1, map.AddItem(RGB(10, 20, 30), "second"));
    EXPECT_EQ(0, map.AddItem(RGB(90, 90, 90), "grey"));
    EXPECT_EQ(3, map.AddItem(RGB(255, 0, 0), "red"));
    EXPECT_EQ(4, map.AddItem(0x80000001, "special"));   // special colours go after
    EXPECT_STREQ("second", map.GetName(2));
}

TEST(ColorMapItems, NamesAndFallbacks)
{
    CColorArray map;
    map.AddItem(RGB(1, 22, 250), NULL);
    map.AddItem(0x80000001, "By layer");
    EXPECT_STREQ("(1,22,250)", map.GetName(map.GetColorIndex(RGB(1, 22, 250))));
    EXPECT_EQ(3, map.GetItemCount());
    // the menu cell and everything past the colours
    EXPECT_STREQ("Menu", map.GetName(2));
    EXPECT_STREQ("Menu", map.GetName(99));
    EXPECT_STREQ("Menu", map.GetName(-1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), map.GetColor(2));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), map.GetColor(-5));
    map.m_bShowMenu = 0;
    EXPECT_EQ(2, map.GetItemCount());
}

TEST(ColorMapItems, ColourIndexComparesTheWholeValue)
{
    CColorArray map;
    map.AddItem(0x00FF0000, "blue");
    map.AddItem(0x01FF0000, "blue, host flag");
    map.AddItem(0x00FF0000, "blue again");
    EXPECT_EQ(0, map.GetColorIndex(0x00FF0000));
    EXPECT_STREQ("blue, host flag", map.GetName(map.GetColorIndex(0x01FF0000)));
    EXPECT_EQ(-1, map.GetColorIndex(0x02FF0000));
    map.ResetContent();
    EXPECT_EQ(-1, map.GetColorIndex(0x00FF0000));
    EXPECT_EQ(1, map.GetItemCount());
    EXPECT_EQ(-1, map.m_nCurSel);
    EXPECT_EQ(-1, map.m_nCurSel2);
}

TEST(ColorMapItems, CustomIconsAreLookedUpByValueAndNotOwned)
{
    CColorArray map;
    EXPECT_EQ(NULL, map.GetCustomIcon(0x80000001));
    HIMAGELIST hIcons = ::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0);
    map.AddCustomIcon(0x80000001, hIcons);
    EXPECT_EQ(hIcons, map.GetCustomIcon(0x80000001));
    EXPECT_EQ(NULL, map.GetCustomIcon(0x00000001));
    {
        CColorArray other;
        other.AddCustomIcon(0x80000001, hIcons);
    }
    EXPECT_TRUE(::ImageList_Destroy(hIcons)) << "the map must not destroy the image lists it is given";
}

/////////////////////////////////////////////////////////////////////////////
// Layout arithmetic

TEST(ColorMapLayout, SquareishGridForTheDocumentedCases)
{
    const struct { CRect rect; int nItems, nRows, nColumns; double cx, cy; } cases[] = {
        { CRect(0, 0, 100, 40), 10, 2, 5, 20.0, 20.0 },
        // side 23.9 rounds to 4 columns and 2 rows; the 2 rows stay and the columns must hold 7
        { CRect(0, 0, 100, 40), 7, 2, 4, 25.0, 20.0 },
        // tall: the columns stay and the rows are recomputed (6.58 rounds to 7, 13 / 2 needs 7)
        { CRect(0, 0, 60, 200), 13, 7, 2, 30.0, 200.0 / 7 },
    };
    for (const auto& c : cases)
    {
        CColorArray map;
        int nRows = 0, nColumns = 0;
        double cx = 0, cy = 0;
        map.CalcParams(c.rect, c.nItems, nRows, nColumns, cx, cy);
        EXPECT_EQ(c.nRows, nRows) << c.nItems;
        EXPECT_EQ(c.nColumns, nColumns) << c.nItems;
        EXPECT_DOUBLE_EQ(c.cx, cx) << c.nItems;
        EXPECT_DOUBLE_EQ(c.cy, cy) << c.nItems;
    }
}

TEST(ColorMapLayout, EmptyAreasLeaveTheOutputsAlone)
{
    CColorArray map;
    int nRows = 3, nColumns = 4;
    double cx = 1.5, cy = 2.5;
    map.CalcParams(CRect(0, 0, 0, 50), 10, nRows, nColumns, cx, cy);
    map.CalcParams(CRect(0, 0, 50, 0), 10, nRows, nColumns, cx, cy);
    map.CalcParams(CRect(0, 0, 50, 50), 0, nRows, nColumns, cx, cy);
    // a very flat strip: the rows round to 0
    map.CalcParams(CRect(0, 0, 1000, 1), 2, nRows, nColumns, cx, cy);
    map.CalcParams(CRect(10, 10, 0, 0), 4, nRows, nColumns, cx, cy);
    EXPECT_EQ(3, nRows);
    EXPECT_EQ(4, nColumns);
    EXPECT_EQ(1.5, cx);
    EXPECT_EQ(2.5, cy);
}

TEST(ColorMapLayout, EveryItemGetsACellAndNoLineIsWasted)
{
    CColorArray map;
    for (int cx = 20; cx <= 400; cx += 29)
        for (int cy = 20; cy <= 300; cy += 23)
            for (int nCount = 1; nCount <= 80; nCount++)
            {
                int nRows = 0, nColumns = 0;
                double dw = 0, dh = 0;
                map.CalcParams(CRect(0, 0, cx, cy), nCount, nRows, nColumns, dw, dh);
                if (nRows == 0)
                    continue;       // too flat for its count: left alone (checked above)
                ASSERT_GE(nRows * nColumns, nCount) << cx << "x" << cy << " n=" << nCount;
                // the recomputed dimension has no empty line
                ASSERT_TRUE((nRows - 1) * nColumns < nCount || (nColumns - 1) * nRows < nCount)
                    << cx << "x" << cy << " n=" << nCount;
                ASSERT_DOUBLE_EQ((double)cx, dw * nColumns);
                ASSERT_DOUBLE_EQ((double)cy, dh * nRows);
            }
}

TEST(ColorMapLayout, MinRectIsCellsTimesGrid)
{
    CColorArray map;
    CRect rc(5, 7, 0, 0);
    map.CalcMinRect(3, 8, rc, 14);
    EXPECT_EQ(CRect(5, 7, 5 + 112, 7 + 42), rc);
}

TEST(ColorMapLayout, ItemRectsFillRowsFromTheTopLeft)
{
    CColorArray map;
    for (int i = 0; i < 6; i++)
        map.AddItem(RGB(i * 40, 0, 0), NULL);
    // no grid yet: rectangles are left as they are
    CRect rc(1, 2, 3, 4);
    map.GetItemRect(0, rc);
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);

    map.m_nColumns = 3;
    map.m_nRows = 3;
    map.m_dCellWidth = 10.5;
    map.m_dCellHeight = 7.25;
    map.GetItemRect(0, rc);
    EXPECT_EQ(CRect(0, 0, 10, 7), rc);
    map.GetItemRect(4, rc);
    EXPECT_EQ(CRect(10, 7, 21, 14), rc);
    map.GetItemRect(6, rc);          // the menu cell starts the third row
    EXPECT_EQ(CRect(0, 14, 10, 21), rc);
    map.GetItemRect(7, rc);          // one past the item count is still a cell
    EXPECT_EQ(CRect(10, 14, 21, 21), rc);
    map.GetItemRect(8, rc);
    EXPECT_TRUE(rc.IsRectEmpty());
    rc.SetRect(1, 2, 3, 4);
    map.GetItemRect(-1, rc);
    EXPECT_TRUE(rc.IsRectEmpty());
}

/////////////////////////////////////////////////////////////////////////////
// On a window

TEST_F(ColorMapWindow, SizeLaysOutTheGridAndOneToolPerCell)
{
    CreateMap(9, 100, 40);      // 9 colours + the menu cell = the 10-item case
    EXPECT_EQ(2, m_map.m_nRows);
    EXPECT_EQ(5, m_map.m_nColumns);
    EXPECT_EQ(10, m_map.m_ToolTip.GetToolCount());

    for (int i = 0; i < 10; i++)
    {
        CToolInfo ti;
        ASSERT_TRUE(m_map.m_ToolTip.GetToolInfo(ti, &m_map, i + 1)) << i;
        CRect rc;
        m_map.GetItemRect(i, rc);
        EXPECT_EQ(rc, CRect(ti.rect)) << i;
        EXPECT_STREQ(m_map.GetName(i), ti.lpszText) << i;
    }

    m_map.SetWindowPos(NULL, 0, 0, 60, 150, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(2, m_map.m_nColumns);
    EXPECT_EQ(5, m_map.m_nRows);
    EXPECT_EQ(10, m_map.m_ToolTip.GetToolCount()) << "the old tools are replaced, not added to";
}

TEST_F(ColorMapWindow, EveryPixelHitsTheCellThatHoldsIt)
{
    CreateMap(13, 100, 40);     // 14 items in a 7 x 2 grid of 14.28 x 20 cells
    ASSERT_EQ(7, m_map.m_nColumns);
    int nHits[14] = { 0 };
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 100; x++)
        {
            const int n = m_map.GetHitItem(CPoint(x, y));
            ASSERT_GE(n, 0) << x << "," << y;
            CRect rc;
            m_map.GetItemRect(n, rc);
            ASSERT_TRUE(rc.PtInRect(CPoint(x, y)));
            nHits[n]++;
        }
    for (int i = 0; i < 14; i++)
        EXPECT_GE(nHits[i], 14 * 20) << i;
    EXPECT_EQ(-1, m_map.GetHitItem(CPoint(100, 10)));
    EXPECT_EQ(-1, m_map.GetHitItem(CPoint(-1, 10)));
}

TEST_F(ColorMapWindow, ClicksSelectAndNotifyTheParent)
{
    CreateMap(9, 100, 40);
    ClickAt(&m_map, CellCentre(3));
    PumpTestMessages(30);
    EXPECT_EQ(3, m_map.m_nCurSel);
    EXPECT_EQ(0, m_map.m_nLastChanged);
    ASSERT_EQ(1, m_parent.Count(WM_COMMAND));
    EXPECT_EQ((WPARAM)nMapID, m_parent.Last(WM_COMMAND)->wParam);
    EXPECT_EQ(0, m_parent.Last(WM_COMMAND)->lParam);

    ClickAt(&m_map, CellCentre(7), TRUE);
    PumpTestMessages(30);
    EXPECT_EQ(3, m_map.m_nCurSel);
    EXPECT_EQ(7, m_map.m_nCurSel2);
    EXPECT_EQ(1, m_map.m_nLastChanged);
    EXPECT_EQ(2, m_parent.Count(WM_COMMAND, nMapID));

    // a press on one cell released over another selects where it was released (along the row:
    // the tooltip of the cell pressed shows below the mouse)
    PressAt(&m_map, CellCentre(0));
    MoveMouseTo(&m_map, CellCentre(3));
    EXPECT_EQ(3, m_map.m_nHotIndex);
    EXPECT_EQ(1, m_map.m_bButtonDown);
    ReleaseAt(&m_map, CellCentre(3));
    PumpTestMessages(30);
    EXPECT_EQ(3, m_map.m_nCurSel);
    EXPECT_EQ(0, m_map.m_bButtonDown);
}

TEST_F(ColorMapWindow, SecondSelectionNeedsItsFlagOrTheAdvancedView)
{
    m_map.m_bEnableSelection2 = 0;
    CreateMap(9, 100, 40);
    ClickAt(&m_map, CellCentre(2), TRUE);
    PumpTestMessages(30);
    EXPECT_EQ(-1, m_map.m_nCurSel);
    EXPECT_EQ(-1, m_map.m_nCurSel2);
    EXPECT_EQ(0, m_parent.Count(WM_COMMAND));

    // in the advanced view the right button works, and without its own selection it sets the first
    CColorArray::m_bExpanded = 1;
    ClickAt(&m_map, CellCentre(2), TRUE);
    PumpTestMessages(30);
    CColorArray::m_bExpanded = 0;
    EXPECT_EQ(2, m_map.m_nCurSel);
    EXPECT_EQ(-1, m_map.m_nCurSel2);
    EXPECT_EQ(1, m_map.m_nLastChanged);
    EXPECT_EQ(1, m_parent.Count(WM_COMMAND, nMapID));
}

TEST_F(ColorMapWindow, ReleaseOutsideEveryCellClearsTheSelection)
{
    CreateMap(6, 100, 40);      // 7 items in a 4 x 2 grid: the last cell holds nothing
    ASSERT_EQ(4, m_map.m_nColumns);
    ClickAt(&m_map, CellCentre(1));
    PumpTestMessages(30);
    ASSERT_EQ(1, m_map.m_nCurSel);
    CRect rcEmpty;
    m_map.GetItemRect(7, rcEmpty);
    ASSERT_EQ(-1, m_map.GetHitItem(rcEmpty.CenterPoint()));
    ClickAt(&m_map, rcEmpty.CenterPoint());
    PumpTestMessages(30);
    EXPECT_EQ(-1, m_map.m_nCurSel);
    EXPECT_EQ(2, m_parent.Count(WM_COMMAND, nMapID));
}

TEST_F(ColorMapWindow, HotCellFollowsTheMouseAndDropsWhenItLeaves)
{
    CreateMap(9, 100, 40);
    MoveMouseTo(&m_map, CellCentre(6));
    EXPECT_EQ(6, m_map.m_nHotIndex);
    EXPECT_EQ(0, m_map.m_bButtonDown);
    MoveMouseTo(&m_map, CellCentre(8));
    EXPECT_EQ(8, m_map.m_nHotIndex);
    // the window gets no message once the mouse is elsewhere; its timer notices
    MoveMouseTo(&m_map, CPoint(300, 200));
    PumpTestMessages(200);
    EXPECT_EQ(-1, m_map.m_nHotIndex);
}

TEST_F(ColorMapWindow, ProgrammaticSelectionDoesNotNotify)
{
    CreateMap(9, 100, 40);
    m_map.SetCurentSelection(4);
    m_map.SetCurentSelection2(6);
    PumpTestMessages(30);
    EXPECT_EQ(4, m_map.m_nCurSel);
    EXPECT_EQ(6, m_map.m_nCurSel2);
    EXPECT_EQ(0, m_parent.Count(WM_COMMAND));
    m_map.OnSelChange2();
    PumpTestMessages(30);
    EXPECT_EQ(1, m_map.m_nLastChanged);
    EXPECT_EQ(1, m_parent.Count(WM_COMMAND, nMapID));
}

/////////////////////////////////////////////////////////////////////////////
// Sort menu

TEST_F(ColorMapWindow, SortMenuResortsAndTheSelectionFollowsItsColour)
{
    CreateMap(9, 100, 40);
    m_map.m_dwSortFlags = COLORSORT_SATURATION | COLORSORT_GROUPGRAY;
    m_map.SetCurentSelection(2);
    m_map.SetCurentSelection2(6);
    const unsigned long cSel = m_map.m_Colors[2], cSel2 = m_map.m_Colors[6];
    ASSERT_EQ(13, PickFromMenu(&m_map, CellCentre(9), 1));     // "Sort By Red"
    PumpTestMessages(30);
    EXPECT_EQ(COLORSORT_RED | COLORSORT_GROUPGRAY, m_map.m_dwSortFlags);
    ExpectSorted(m_map);
    EXPECT_EQ(cSel, m_map.m_Colors[m_map.m_nCurSel]);
    EXPECT_EQ(cSel2, m_map.m_Colors[m_map.m_nCurSel2]);
    EXPECT_EQ(0, m_parent.Count(WM_COMMAND)) << "sorting is the map's own business";

    PickFromMenu(&m_map, CellCentre(9), 8);     // past the separator: "Reverse Sorting"
    EXPECT_EQ(COLORSORT_RED | COLORSORT_GROUPGRAY | COLORSORT_REVERSE, m_map.m_dwSortFlags);
    ExpectSorted(m_map);

    PickFromMenu(&m_map, CellCentre(9), 7);     // "Sort By Grayscale" keeps the modifiers
    EXPECT_EQ(COLORSORT_GRAYSCALE | COLORSORT_GROUPGRAY | COLORSORT_REVERSE, m_map.m_dwSortFlags);
    ExpectSorted(m_map);
    EXPECT_EQ(cSel, m_map.m_Colors[m_map.m_nCurSel]);
}

TEST_F(ColorMapWindow, OtherMenuCommandsGoToTheParent)
{
    CreateMap(9, 100, 40);
    const unsigned long dwFlags = m_map.m_dwSortFlags;
    ASSERT_GT(PickFromMenu(&m_map, CellCentre(9), 10), 0);     // "Hexadecimal display"
    PumpTestMessages(30);
    EXPECT_EQ(1, m_parent.Count(WM_COMMAND, ID_COLORMAP_HEXADECIMAL));
    EXPECT_EQ(0, m_parent.Last(WM_COMMAND)->lParam);
    EXPECT_EQ(dwFlags, m_map.m_dwSortFlags);
    ASSERT_GT(PickFromMenu(&m_map, CellCentre(9), -1), 0);     // dismissed
    PumpTestMessages(30);
    EXPECT_EQ(1, m_parent.Count(WM_COMMAND, 0));
    EXPECT_EQ(-1, m_map.m_nCurSel) << "pressing the menu cell selects nothing";
}

TEST_F(ColorMapWindow, SmallMenuAndTheMenuCellOfAnEmptyMap)
{
    m_map.m_bSmallMenu = 1;
    CreateMap(0, 60, 60);
    EXPECT_EQ(1, m_map.GetItemCount());
    EXPECT_EQ(0, m_map.GetHitItem(CPoint(30, 30)));
    EXPECT_EQ(10, PickFromMenu(&m_map, CPoint(30, 30), -1));
}

/////////////////////////////////////////////////////////////////////////////
// Painting

// Painted in the colours the host gives (a silent host: the system's), read off the screen.
TEST_F(ColorMapWindow, PaintsSwatchesFramesAndSpecialColoursInTheHostsColours)
{
    m_map.AddItem(RGB(200, 30, 40), "red");
    m_map.AddItem(0x80000007, "unregistered special");
    ASSERT_TRUE(m_map.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 130, 50), &m_parent, nMapID));
    ASSERT_EQ(3, m_map.m_nColumns);     // 40 x 40 cells
    m_map.SetCurentSelection(0);
    const std::pair<int, COLORREF> hostColors[] = { { COLOR_HIGHLIGHT, RGB(1, 2, 3) }, { COLOR_WINDOW, RGB(4, 5, 6) },
        { COLOR_BTNSHADOW, RGB(7, 8, 9) }, { COLOR_BTNFACE, RGB(10, 11, 12) } };
    for (bool bHostAnswers : { false, true })
    {
        CMainWindowScope host;
        if (bHostAnswers)
            for (const auto& c : hostColors)
                host.SetColor(c.first, c.second);
        m_map.RedrawWindow();
        auto color = [&](int nIndex) {
            for (const auto& c : hostColors)
                if (bHostAnswers && c.first == nIndex)
                    return c.second;
            return ::GetSysColor(nIndex);
        };
        const COLORREF clrShadow = color(COLOR_BTNSHADOW), clrFace = color(COLOR_BTNFACE);
        // selected cell: highlight frame, window band, shadow border, then the colour
        EXPECT_EQ(color(COLOR_HIGHLIGHT), WindowPixel(&m_map, 0, 20));
        EXPECT_EQ(color(COLOR_WINDOW), WindowPixel(&m_map, 1, 20));
        EXPECT_EQ(clrShadow, WindowPixel(&m_map, 2, 20));
        EXPECT_EQ(RGB(200, 30, 40), WindowPixel(&m_map, 3, 20));
        EXPECT_EQ(RGB(200, 30, 40), WindowPixel(&m_map, 20, 20));
        // a plain cell has face where the frames would be
        EXPECT_EQ(clrFace, WindowPixel(&m_map, 40, 20));
        EXPECT_EQ(clrFace, WindowPixel(&m_map, 41, 20));
        EXPECT_EQ(clrShadow, WindowPixel(&m_map, 42, 20));
        // an unregistered special colour: a white box crossed by its diagonals
        // (swatch 43..76 x 3..36: the diagonals cross y = 20 at x = 60 and x = 59)
        EXPECT_EQ(RGB(255, 255, 255), WindowPixel(&m_map, 55, 20));
        EXPECT_EQ(clrShadow, WindowPixel(&m_map, 60, 20));
        EXPECT_EQ(clrShadow, WindowPixel(&m_map, 59, 20));
        EXPECT_EQ(RGB(255, 255, 255), WindowPixel(&m_map, 66, 20));
        // the menu cell: the 16-pixel glyph (64 black pixels) on the face, no swatch border
        int nBlack = 0;
        for (int y = 0; y < 40; y++)
            for (int x = 80; x < 120; x++)
                nBlack += WindowPixel(&m_map, x, y) == RGB(0, 0, 0);
        EXPECT_EQ(64, nBlack);
        EXPECT_EQ(clrFace, WindowPixel(&m_map, 82, 20));
    }
}

TEST_F(ColorMapWindow, SpecialColourUsesTheMapsOwnIconFirst)
{
    // a 16-pixel icon list whose three images are solid green, blue and yellow squares
    CImageList icons;
    ASSERT_TRUE(icons.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0));
    const COLORREF fills[3] = { RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0) };
    for (COLORREF clr : fills)
    {
        CClientDC dcScreen(NULL);
        CBitmap bmp;
        bmp.CreateCompatibleBitmap(&dcScreen, 16, 16);
        CDC dc;
        dc.CreateCompatibleDC(&dcScreen);
        CBitmap* pOld = dc.SelectObject(&bmp);
        dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));
        dc.FillSolidRect(0, 0, 9, 9, clr);
        dc.SelectObject(pOld);
        ASSERT_GE(icons.Add(&bmp, RGB(255, 0, 255)), 0);
    }
    m_map.AddItem(0x80000003, "by block");
    m_map.AddCustomIcon(0x80000003, icons.GetSafeHandle());
    m_map.m_bShowMenu = 0;
    // one item in a 22 x 22 cell: the icon area 3..18 is 16 pixels, so image 1 (12 pixels) is
    // drawn at 3 + (16 - 12) / 2 = 5; its test image is coloured only in its top-left 9 x 9
    ASSERT_TRUE(m_map.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 32, 32), &m_parent, nMapID));
    m_map.RedrawWindow();
    EXPECT_EQ(RGB(0, 0, 255), WindowPixel(&m_map, 5, 5));
    EXPECT_EQ(RGB(0, 0, 255), WindowPixel(&m_map, 13, 13));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), WindowPixel(&m_map, 4, 4));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), WindowPixel(&m_map, 15, 15)) << "masked part";
}

TEST_F(ColorMapWindow, TakesOverAStaticOfADialog)
{
    // as a dialog template makes it: a bordered static without SS_NOTIFY
    CStatic placeholder;
    ASSERT_TRUE(placeholder.CreateEx(WS_EX_STATICEDGE, "STATIC", "ColorMap",
        WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 110, 50), &m_parent, nMapID));
    placeholder.UnsubclassWindow();
    srand(99);
    for (int i = 0; i < 9; i++)
        m_map.AddItem(RandomColor(), NULL);

    ASSERT_TRUE(m_map.SubclassDlgItemEx(nMapID, &m_parent));
    EXPECT_FALSE(m_map.GetStyle() & WS_BORDER);
    EXPECT_FALSE(m_map.GetExStyle() & WS_EX_STATICEDGE);
    ASSERT_NE((HWND)NULL, m_map.m_ToolTip.m_hWnd);
    EXPECT_TRUE(m_map.m_ToolTip.GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ(200, m_map.m_ToolTip.GetDelayTime(TTDT_INITIAL));
    EXPECT_EQ(1, m_map.m_ToolTip.GetDelayTime(TTDT_RESHOW));
    CRect rcClient;
    m_map.GetClientRect(&rcClient);
    ASSERT_EQ(CRect(0, 0, 100, 40), rcClient) << "the border is gone from the client area";
    EXPECT_EQ(5, m_map.m_nColumns);
    EXPECT_EQ(10, m_map.m_ToolTip.GetToolCount());

    // the mouse reaches the map, not the dialog behind the static
    ClickAt(&m_map, CellCentre(6));
    PumpTestMessages(30);
    EXPECT_EQ(6, m_map.m_nCurSel);
    EXPECT_EQ(1, m_parent.Count(WM_COMMAND, nMapID));
    // quick clicks on a static come as double clicks; each one still counts
    m_parent.Clear();
    DoubleClickAt(&m_map, CellCentre(2));
    PumpTestMessages(30);
    EXPECT_EQ(2, m_map.m_nCurSel);
    EXPECT_EQ(2, m_parent.Count(WM_COMMAND, nMapID));
}
