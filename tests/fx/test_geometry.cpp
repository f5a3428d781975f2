// CPoint, CSize and CRect: layout compatibility with the Win32 structures, arithmetic, the
// rectangle operations and their edge cases (empty results, exclusive right and bottom edges).
#include <afx.h>
#include <gtest/gtest.h>

namespace
{

::testing::AssertionResult RectIs(const CRect& rect, int l, int t, int r, int b)
{
    if (rect.left == l && rect.top == t && rect.right == r && rect.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << rect.left << "," << rect.top << "," << rect.right
        << "," << rect.bottom << ") instead of (" << l << "," << t << "," << r << "," << b << ")";
}

} // namespace

TEST(Geometry, LayoutIsTheWin32Structures)
{
    EXPECT_EQ(sizeof(RECT), sizeof(CRect));
    EXPECT_EQ(sizeof(POINT), sizeof(CPoint));
    EXPECT_EQ(sizeof(SIZE), sizeof(CSize));
    CPoint rgPoints[2] = { CPoint(1, 2), CPoint(3, 4) };
    EXPECT_EQ(3, ((POINT*)rgPoints)[1].x);
    CRect rect(10, 20, 30, 40);
    LPRECT lpRect = rect;
    EXPECT_EQ(30, lpRect->right);
    ::OffsetRect(rect, 1, 1);
    EXPECT_TRUE(RectIs(rect, 11, 21, 31, 41));
}

TEST(Geometry, PointsAndSizes)
{
    CPoint pt(10, 20);
    CSize size(3, 4);
    EXPECT_TRUE(pt + size == CPoint(13, 24));
    EXPECT_TRUE(pt - size == CPoint(7, 16));
    EXPECT_TRUE(pt - CPoint(4, 5) == CSize(6, 15)) << "point minus point is a size";
    EXPECT_TRUE(-pt == CPoint(-10, -20));
    EXPECT_TRUE(size + CSize(1, 1) == CSize(4, 5));
    EXPECT_TRUE(size + CPoint(1, 1) == CPoint(4, 5));
    pt += size;
    pt -= CPoint(1, 1);
    pt.Offset(-2, -3);
    EXPECT_TRUE(pt == CPoint(10, 20));
    EXPECT_TRUE(pt != CPoint(10, 21));

    // packed message coordinates are signed 16-bit values
    CPoint ptPacked((LPARAM)MAKELPARAM(-5, -7));
    EXPECT_EQ(-5, ptPacked.x);
    EXPECT_EQ(-7, ptPacked.y);
    CSize sizePacked((DWORD)MAKELONG(0xFFFE, 3));
    EXPECT_EQ(-2, sizePacked.cx);
    EXPECT_EQ(3, sizePacked.cy);

    CRect rect = CPoint(5, 5) + CRect(0, 0, 2, 2);
    EXPECT_TRUE(RectIs(rect, 5, 5, 7, 7));
    rect = CSize(1, 2) - CRect(10, 10, 20, 20);
    EXPECT_TRUE(RectIs(rect, 9, 8, 19, 18));
}

TEST(Geometry, RectAttributes)
{
    CRect rect(10, 20, 50, 80);
    EXPECT_EQ(40, rect.Width());
    EXPECT_EQ(60, rect.Height());
    EXPECT_TRUE(rect.Size() == CSize(40, 60));
    EXPECT_TRUE(rect.CenterPoint() == CPoint(30, 50));
    rect.TopLeft().x = 0;
    rect.BottomRight() = CPoint(5, 6);
    EXPECT_TRUE(RectIs(rect, 0, 20, 5, 6)) << "the corners are the rectangle's own members";
    EXPECT_TRUE(CRect(CPoint(1, 2), CSize(3, 4)) == CRect(1, 2, 4, 6));
    EXPECT_TRUE(CRect(CPoint(1, 2), CPoint(3, 4)) == CRect(1, 2, 3, 4));

    EXPECT_TRUE(CRect(0, 0, 0, 5).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 1, 10).IsRectEmpty()) << "an inverted rectangle is empty";
    EXPECT_FALSE(CRect(5, 5, 1, 10).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());

    CRect rectHit(0, 0, 10, 10);
    EXPECT_TRUE(rectHit.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(rectHit.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(rectHit.PtInRect(CPoint(10, 5))) << "the right edge is outside";
    EXPECT_FALSE(rectHit.PtInRect(CPoint(5, 10))) << "the bottom edge is outside";
    EXPECT_FALSE(rectHit.PtInRect(CPoint(-1, 5)));
}

TEST(Geometry, InflateDeflateOffsetMove)
{
    CRect rect(10, 10, 20, 20);
    rect.InflateRect(2, 3);
    EXPECT_TRUE(RectIs(rect, 8, 7, 22, 23));
    rect.DeflateRect(2, 3);
    EXPECT_TRUE(RectIs(rect, 10, 10, 20, 20));
    rect.InflateRect(1, 2, 3, 4);
    EXPECT_TRUE(RectIs(rect, 9, 8, 23, 24));
    rect.DeflateRect(1, 2, 3, 4);
    rect.InflateRect(CSize(1, 1));
    rect.DeflateRect(CSize(1, 1));
    CRect rectBorders(1, 2, 3, 4);
    rect.InflateRect(&rectBorders);
    EXPECT_TRUE(RectIs(rect, 9, 8, 23, 24)) << "a rectangle of border widths";
    rect.DeflateRect(&rectBorders);
    EXPECT_TRUE(RectIs(rect, 10, 10, 20, 20));
    rect += &rectBorders;
    rect -= &rectBorders;
    EXPECT_TRUE(RectIs(rect, 10, 10, 20, 20));

    rect.OffsetRect(5, -5);
    EXPECT_TRUE(RectIs(rect, 15, 5, 25, 15));
    rect.OffsetRect(CPoint(-5, 5));
    rect += CSize(1, 1);
    rect -= CPoint(1, 1);
    EXPECT_TRUE(RectIs(rect, 10, 10, 20, 20));
    EXPECT_TRUE(RectIs(rect + CPoint(1, 2), 11, 12, 21, 22));
    EXPECT_TRUE(RectIs(rect - CSize(1, 2), 9, 8, 19, 18));
    EXPECT_TRUE(RectIs(rect + &rectBorders, 9, 8, 23, 24));

    rect.MoveToXY(100, 200);
    EXPECT_TRUE(RectIs(rect, 100, 200, 110, 210)) << "moving keeps the size";
    rect.MoveToX(0);
    rect.MoveToY(1);
    EXPECT_TRUE(RectIs(rect, 0, 1, 10, 11));

    CRect rectInverted(20, 30, 10, 5);
    rectInverted.NormalizeRect();
    EXPECT_TRUE(RectIs(rectInverted, 10, 5, 20, 30));
    rectInverted.SwapLeftRight();
    EXPECT_TRUE(RectIs(rectInverted, 20, 5, 10, 30));
    EXPECT_TRUE(RectIs(CRect(10, 20, 30, 40).MulDiv(3, 2), 15, 30, 45, 60));
}

TEST(Geometry, IntersectUnionSubtract)
{
    CRect rectA(0, 0, 10, 10), rectB(5, 5, 15, 15), rectFar(20, 20, 30, 30);
    CRect rect;
    EXPECT_TRUE(rect.IntersectRect(rectA, rectB));
    EXPECT_TRUE(RectIs(rect, 5, 5, 10, 10));
    rect.SetRect(1, 2, 3, 4);
    EXPECT_FALSE(rect.IntersectRect(rectA, rectFar));
    EXPECT_TRUE(rect.IsRectNull()) << "no intersection gives the null rectangle";
    EXPECT_FALSE(rect.IntersectRect(rectA, CRect(10, 0, 20, 10))) << "touching edges do not intersect";

    EXPECT_TRUE(rect.UnionRect(rectA, rectFar));
    EXPECT_TRUE(RectIs(rect, 0, 0, 30, 30));
    EXPECT_TRUE(rect.UnionRect(rectA, CRect()));
    EXPECT_TRUE(RectIs(rect, 0, 0, 10, 10)) << "an empty rectangle adds nothing";

    EXPECT_TRUE(RectIs(rectA & rectB, 5, 5, 10, 10));
    EXPECT_TRUE(RectIs(rectA | rectB, 0, 0, 15, 15));
    CRect rectAnd = rectA;
    rectAnd &= rectB;
    CRect rectOr = rectA;
    rectOr |= rectFar;
    EXPECT_TRUE(RectIs(rectAnd, 5, 5, 10, 10));
    EXPECT_TRUE(RectIs(rectOr, 0, 0, 30, 30));

    // subtraction works only when the result is still a rectangle
    EXPECT_TRUE(rect.SubtractRect(rectA, CRect(5, -1, 11, 11)));
    EXPECT_TRUE(RectIs(rect, 0, 0, 5, 10));
    EXPECT_TRUE(rect.SubtractRect(rectA, CRect(2, 2, 4, 4)));
    EXPECT_TRUE(RectIs(rect, 0, 0, 10, 10)) << "a hole leaves the rectangle as it was";
    EXPECT_FALSE(rect.SubtractRect(rectA, CRect(-1, -1, 11, 11)));
    EXPECT_TRUE(rect.IsRectEmpty());

    rect.SetRectEmpty();
    EXPECT_TRUE(rect.IsRectNull());
    rect.CopyRect(rectB);
    EXPECT_TRUE(rect.EqualRect(rectB));
    EXPECT_TRUE(rect == rectB);
    EXPECT_TRUE(rect != rectA);
}
