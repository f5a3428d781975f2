// test_frame_imagelist.cpp - Draw3DFrame's bands by style, the embossed and shadow looks of
// image-list images, DrawBitmap and the debugging dumps.
#include "BitmapTestUtil.h"
#include <gtest/gtest.h>
#include "colors/FrameColors.h"
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include "wexotest.h"

namespace
{
const COLORREF clrCanvas = RGB(255, 255, 255);
const COLORREF clrBlack = RGB(0, 0, 0);

class Frame3D : public testing::Test
{
protected:
    // face, light, highlight, shadow, dark shadow: light and dark shadow are never drawn
    Frame3D() : m_canvas(40, 40, clrCanvas),
        m_colors(RGB(192, 192, 192), RGB(1, 2, 3), RGB(255, 255, 180), RGB(100, 100, 120), RGB(4, 5, 6))
    {
        // the square (10, 10) - (30, 30): its filled copies cover x 10..29, y 10..29
        static const POINT square[] = { { 10, 10 }, { 30, 10 }, { 30, 30 }, { 10, 30 } };
        memcpy(m_points, square, sizeof(square));
    }

    CPixelCanvas m_canvas;
    CFrameColors m_colors;
    POINT m_points[4];

    int Draw(UINT nStyle, CFrameColors* pColors)
    {
        m_canvas.Fill(clrCanvas);
        return Draw3DFrame(m_canvas.DC(), m_points, 4, nStyle, pColors);
    }
    COLORREF At(int x, int y) const { return m_canvas.Pixel(x, y); }
};
}

TEST_F(Frame3D, RaisedFrameBands)
{
    ASSERT_TRUE(Draw(0, &m_colors));
    for (int i = 12; i <= 27; i++)
    {
        // outermost along the right and bottom: black; along the top and left: highlight
        ASSERT_EQ(clrBlack, At(31, i)) << i;
        ASSERT_EQ(clrBlack, At(i, 31)) << i;
        ASSERT_EQ(m_colors.m_clrHighlight, At(8, i)) << i;
        ASSERT_EQ(m_colors.m_clrHighlight, At(i, 8)) << i;
        // then the shadow inside the black, the face inside the highlight
        ASSERT_EQ(m_colors.m_clrShadow, At(30, i)) << i;
        ASSERT_EQ(m_colors.m_clrShadow, At(i, 30)) << i;
        ASSERT_EQ(m_colors.m_clrFace, At(9, i)) << i;
        ASSERT_EQ(m_colors.m_clrFace, At(i, 9)) << i;
    }
    EXPECT_EQ(m_colors.m_clrFace, At(20, 20));
    EXPECT_EQ(clrCanvas, At(7, 20));
    EXPECT_EQ(clrCanvas, At(32, 20));
    EXPECT_EQ(0, m_canvas.Count(m_colors.m_clrLight) + m_canvas.Count(m_colors.m_clrDarkShadow));
}

TEST_F(Frame3D, StylesWithoutOrWithBlackInnerBand)
{
    // 4: no outer dark band and no black at all
    ASSERT_TRUE(Draw(FRAME3D_NOOUTERDARK, &m_colors));
    EXPECT_EQ(0, m_canvas.Count(clrBlack));
    EXPECT_EQ(clrCanvas, At(31, 20));
    EXPECT_EQ(m_colors.m_clrShadow, At(30, 20));

    // 16 alone: no outer dark band, the inner one black
    ASSERT_TRUE(Draw(FRAME3D_BLACKINNER, &m_colors));
    EXPECT_EQ(clrCanvas, At(31, 20));
    EXPECT_EQ(clrBlack, At(30, 20));
    EXPECT_EQ(clrBlack, At(20, 30));
    EXPECT_EQ(m_colors.m_clrHighlight, At(8, 20));

    // 4 wins over 16
    ASSERT_TRUE(Draw(FRAME3D_NOOUTERDARK | FRAME3D_BLACKINNER, &m_colors));
    EXPECT_EQ(0, m_canvas.Count(clrBlack));
    EXPECT_EQ(m_colors.m_clrShadow, At(30, 20));
}

TEST_F(Frame3D, SoftAndDarkFaceColours)
{
    // face (192, 192, 192), highlight (255, 255, 180), shadow (100, 100, 120); a mix is
    // a x (1 - t) + b x t, truncated
    struct SCase
    {
        UINT nStyle;
        COLORREF clrHighlight, clrShadow, clrFace;
    };
    const SCase cases[] = {
        // soft: highlight and shadow three quarters of the way from the face: 48 + 191.25,
        // 48 + 135; 48 + 75, 48 + 90
        { FRAME3D_SOFT, RGB(239, 239, 183), RGB(123, 123, 138), RGB(192, 192, 192) },
        // dark face: 0.3 of the way to the shadow: 134.4 + 30, 134.4 + 36
        { FRAME3D_DARKFACE, RGB(255, 255, 180), RGB(100, 100, 120), RGB(164, 164, 170) },
        // both: toward the softened shadow, 134.4 + 36.9, 134.4 + 41.4
        { FRAME3D_DARKFACE | FRAME3D_SOFT, RGB(239, 239, 183), RGB(123, 123, 138), RGB(171, 171, 175) },
    };
    for (const SCase& c : cases)
    {
        ASSERT_TRUE(Draw(c.nStyle, &m_colors));
        EXPECT_EQ(c.clrHighlight, At(8, 20)) << c.nStyle;
        EXPECT_EQ(c.clrShadow, At(30, 20)) << c.nStyle;
        EXPECT_EQ(c.clrFace, At(20, 20)) << c.nStyle;
    }
}

TEST_F(Frame3D, FrameOnlyLeavesTheInsideAndTheClipping)
{
    ASSERT_TRUE(Draw(FRAME3D_FRAMEONLY, &m_colors));
    // the inside, up to where the face copies reach, keeps what was there
    EXPECT_EQ(clrCanvas, At(20, 20));
    EXPECT_EQ(clrCanvas, At(9, 9));
    EXPECT_EQ(clrCanvas, At(29, 29));
    // the protected region is the polygon and its copy moved up and left, which leaves the face
    // copies moved only up or only left two corner pixels
    EXPECT_EQ(2, m_canvas.Count(m_colors.m_clrFace));
    EXPECT_EQ(m_colors.m_clrFace, At(29, 9));
    EXPECT_EQ(m_colors.m_clrFace, At(9, 29));
    EXPECT_EQ(clrBlack, At(31, 20));
    EXPECT_EQ(m_colors.m_clrShadow, At(30, 20));
    // the highlight becomes a touch (0.1) of shadow on the face: 172.8 + 10, 172.8 + 12
    EXPECT_EQ(RGB(182, 182, 184), At(8, 20));
    // afterwards the DC has no clipping region
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, ::GetClipRgn(m_canvas.DC().m_hDC, hRgn));
    ::DeleteObject(hRgn);
}

TEST_F(Frame3D, SystemColoursPointsAndDcState)
{
    HGDIOBJ hPen = ::GetCurrentObject(m_canvas.DC().m_hDC, OBJ_PEN);
    HGDIOBJ hBrush = ::GetCurrentObject(m_canvas.DC().m_hDC, OBJ_BRUSH);
    ASSERT_TRUE(Draw(0, NULL));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), At(20, 20));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), At(30, 20));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), At(8, 20));
    EXPECT_EQ(hPen, ::GetCurrentObject(m_canvas.DC().m_hDC, OBJ_PEN));
    EXPECT_EQ(hBrush, ::GetCurrentObject(m_canvas.DC().m_hDC, OBJ_BRUSH));

    // at most 50 points, at least a triangle
    POINT many[51];
    for (int i = 0; i < 51; i++)
    {
        many[i].x = 20 + (i % 2) * 5;
        many[i].y = 5 + i / 2;
    }
    m_canvas.Fill(clrCanvas);
    EXPECT_EQ(0, Draw3DFrame(m_canvas.DC(), many, 51, 0, &m_colors));
    EXPECT_EQ(0, Draw3DFrame(m_canvas.DC(), m_points, 2, 0, &m_colors));
    EXPECT_EQ(0, Draw3DFrame(m_canvas.DC(), NULL, 4, 0, &m_colors));
    EXPECT_EQ(40 * 40, m_canvas.Count(clrCanvas));
    EXPECT_EQ(1, Draw3DFrame(m_canvas.DC(), many, 50, 0, &m_colors));
}

/////////////////////////////////////////////////////////////////////////////
// Image-list looks

namespace
{
const COLORREF clrBack = RGB(90, 100, 110);

// 16 x 16 images on a magenta mask: image 0 a black square at 4..11, image 1 a red one
class ImageLooks : public testing::Test
{
protected:
    CImageList m_list;
    CPixelCanvas m_canvas;

    ImageLooks() : m_canvas(40, 40, clrBack) {}

    void SetUp() override
    {
        ASSERT_TRUE(m_list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0));
        AddSquare(RGB(0, 0, 0));
        AddSquare(RGB(255, 0, 0));
        ASSERT_EQ(2, m_list.GetImageCount());
    }

    void AddSquare(COLORREF clr)
    {
        CClientDC dcScreen(NULL);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcScreen, 16, 16);
        CDC dc;
        dc.CreateCompatibleDC(&dcScreen);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));
        dc.FillSolidRect(4, 4, 8, 8, clr);
        dc.SelectObject(pOld);
        m_list.Add(&bitmap, RGB(255, 0, 255));
    }

    // where the two stamps of the square land, for a drawing at (10, 10)
    static bool InSquare(int x, int y, int dx, int dy)
    {
        return x >= 14 + dx && x < 22 + dx && y >= 14 + dy && y < 22 + dy;
    }
};

// P ^ (S & (D ^ P)) channel by channel
COLORREF Rop(COLORREF p, COLORREF s, COLORREF d)
{
    return p ^ (s & (d ^ p));
}
}

TEST_F(ImageLooks, EmbossedIsHighlightEdgeUnderShadowFace)
{
    const COLORREF clrHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    CDC& dc = m_canvas.DC();
    dc.SetBkColor(RGB(1, 1, 1));
    dc.SetTextColor(RGB(2, 2, 2));
    HGDIOBJ hBrush = ::GetCurrentObject(dc.m_hDC, OBJ_BRUSH);

    ASSERT_TRUE(ImageListDrawEmbossed(dc, &m_list, 0, CPoint(10, 10), FALSE));
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 40; x++)
        {
            const COLORREF clr = InSquare(x, y, 0, 0) ? clrShadow
                : (InSquare(x, y, 1, 1) ? clrHighlight : clrBack);
            ASSERT_EQ(clr, m_canvas.Pixel(x, y)) << x << "," << y;
        }
    EXPECT_EQ(RGB(1, 1, 1), dc.GetBkColor());
    EXPECT_EQ(RGB(2, 2, 2), dc.GetTextColor());
    EXPECT_EQ(hBrush, ::GetCurrentObject(dc.m_hDC, OBJ_BRUSH));

    // a coloured image: in monochrome every drawn pixel counts, in colour the bits mix
    m_canvas.Fill(clrBack);
    ASSERT_TRUE(ImageListDrawEmbossed(dc, &m_list, 1, CPoint(10, 10), FALSE));
    EXPECT_EQ(clrShadow, m_canvas.Pixel(15, 15));
    EXPECT_EQ(clrHighlight, m_canvas.Pixel(22, 22));
    m_canvas.Fill(clrBack);
    ASSERT_TRUE(ImageListDrawEmbossed(dc, &m_list, 1, CPoint(10, 10), TRUE));
    EXPECT_EQ(Rop(clrShadow, RGB(255, 0, 0), Rop(clrHighlight, RGB(255, 0, 0), clrBack)),
        m_canvas.Pixel(15, 15));
    EXPECT_EQ(Rop(clrHighlight, RGB(255, 0, 0), clrBack), m_canvas.Pixel(22, 22));
    EXPECT_EQ(clrBack, m_canvas.Pixel(5, 5));
}

TEST_F(ImageLooks, ShadowIsTwoStampsBelowTheImage)
{
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    CDC& dc = m_canvas.DC();
    dc.SetBkColor(RGB(1, 1, 1));
    dc.SetTextColor(RGB(0, 0, 0));
    ASSERT_TRUE(ImageListDrawShadow(dc, &m_list, 0, CPoint(10, 10), FALSE));
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 40; x++)
        {
            const bool bShadow = InSquare(x, y, 1, 1) || InSquare(x, y, 0, 1);
            ASSERT_EQ(bShadow ? clrShadow : clrBack, m_canvas.Pixel(x, y)) << x << "," << y;
        }
    EXPECT_EQ(RGB(1, 1, 1), dc.GetBkColor());
}

TEST_F(ImageLooks, RefuseMissingListsAndImages)
{
    CDC& dc = m_canvas.DC();
    CImageList empty;
    EXPECT_EQ(0, ImageListDrawEmbossed(dc, NULL, 0, CPoint(0, 0), FALSE));
    EXPECT_EQ(0, ImageListDrawEmbossed(dc, &empty, 0, CPoint(0, 0), FALSE));
    EXPECT_EQ(0, ImageListDrawEmbossed(dc, &m_list, 2, CPoint(0, 0), FALSE));
    EXPECT_EQ(0, ImageListDrawShadow(dc, &m_list, -1, CPoint(0, 0), TRUE));
    EXPECT_EQ(40 * 40, m_canvas.Count(clrBack));
}

TEST_F(ImageLooks, DebuggingDumpsAreNumberedFiles)
{
    // the numbers go on from whatever other tests dumped before: the first one is looked up
    DeleteTestTree("C:\\BmpSpy");
    CBitmapEx bitmap;
    FillTestBitmap(bitmap, 5, 3, 24, [](int x, int y) { return RGB(x * 50, y * 100, 7); });
    ASSERT_TRUE(Spy(&bitmap, "first"));
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA("C:\\BmpSpy\\*-first.bmp", &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFind);
    ::FindClose(hFind);
    const int nFirst = atoi(found.cFileName);
    auto path = [nFirst](int n, const char* lpszName) {
        char sz[MAX_PATH];
        sprintf(sz, "C:\\BmpSpy\\%03d-%s.bmp", nFirst + n, lpszName);
        return std::string(sz);
    };
    ASSERT_TRUE(Spy((HIMAGELIST)m_list, "icons"));

    CBitmapEx loaded;
    ASSERT_TRUE(loaded.Load(path(0, "first").c_str()));
    EXPECT_EQ(bitmap.GetPixel(4, 2), loaded.GetPixel(4, 2));
    ASSERT_TRUE(loaded.Load(path(1, "icons").c_str()));
    EXPECT_EQ(CSize(32, 16), loaded.GetRect().Size());
    CPixelCanvas canvas(32, 16);
    loaded.Draw(&canvas.DC());
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(0, 0));     // the mask shows white
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(8, 8));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(16 + 8, 8));

    // an empty list is not dumped and takes no number; an empty bitmap takes one
    CImageList none;
    ASSERT_TRUE(none.Create(16, 16, ILC_COLOR24, 0, 1));
    EXPECT_EQ(0, Spy((HIMAGELIST)none, "none"));
    CBitmapEx empty;
    EXPECT_EQ(0, Spy(&empty, "empty"));
    ASSERT_TRUE(Spy(&bitmap, "last"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path(2, "none").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path(2, "empty").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path(3, "last").c_str()));
    EXPECT_TRUE(DeleteTestTree("C:\\BmpSpy"));
}

TEST(DrawBitmap, CopiesTheWholeBitmapToTheOrigin)
{
    CClientDC dcScreen(NULL);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dcScreen, 6, 4));
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 6, 4, RGB(10, 20, 30));
    dc.FillSolidRect(5, 3, 1, 1, RGB(200, 0, 0));
    dc.SelectObject(pOld);

    CPixelCanvas canvas(10, 10, RGB(255, 255, 255));
    EXPECT_TRUE(DrawBitmap(canvas.DC(), &bitmap));
    EXPECT_EQ(RGB(10, 20, 30), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(200, 0, 0), canvas.Pixel(5, 3));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(6, 3));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(5, 4));
    CBitmap none;
    EXPECT_EQ(0, DrawBitmap(canvas.DC(), &none));
    EXPECT_EQ(0, DrawBitmap(canvas.DC(), NULL));
}
