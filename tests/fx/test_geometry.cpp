// CPoint, CSize and CRect: layout compatibility with the Win32 structures and the arithmetic the
// classes do themselves.
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

// The classes are the Win32 structures, so arrays and pointers of them pass to the API as is.
static_assert(sizeof(RECT) == sizeof(CRect), "CRect is a RECT");
static_assert(sizeof(POINT) == sizeof(CPoint), "CPoint is a POINT");
static_assert(sizeof(SIZE) == sizeof(CSize), "CSize is a SIZE");

// What the classes compute themselves; the rectangle operations Windows does (intersection,
// union, subtraction, hit tests) are not repeated here.
TEST(Geometry, ArithmeticThatTheClassesDoThemselves)
{
    CPoint pt(10, 20);
    EXPECT_TRUE(pt - CPoint(4, 5) == CSize(6, 15)) << "point minus point is a size";
    EXPECT_TRUE(CSize(1, 2) + CPoint(1, 1) == CPoint(2, 3));
    // packed message coordinates are signed 16-bit values
    CPoint ptPacked((LPARAM)MAKELPARAM(-5, -7));
    EXPECT_TRUE(ptPacked == CPoint(-5, -7));
    CSize sizePacked((DWORD)MAKELONG(0xFFFE, 3));
    EXPECT_TRUE(sizePacked == CSize(-2, 3));

    CRect rect(10, 20, 50, 80);
    EXPECT_TRUE(rect.CenterPoint() == CPoint(30, 50));
    rect.TopLeft().x = 0;
    rect.BottomRight() = CPoint(5, 6);
    EXPECT_TRUE(RectIs(rect, 0, 20, 5, 6)) << "the corners are the rectangle's own members";
    EXPECT_TRUE(CRect(CPoint(1, 2), CSize(3, 4)) == CRect(1, 2, 4, 6));
    EXPECT_TRUE(RectIs(CSize(1, 2) - CRect(10, 10, 20, 20), 9, 8, 19, 18));

    CRect rectBorders(1, 2, 3, 4);
    CRect rectGrown(10, 10, 20, 20);
    rectGrown.InflateRect(&rectBorders);
    EXPECT_TRUE(RectIs(rectGrown, 9, 8, 23, 24)) << "a rectangle of border widths";
    rectGrown.DeflateRect(1, 2, 3, 4);
    EXPECT_TRUE(RectIs(rectGrown, 10, 10, 20, 20));
    rectGrown.MoveToXY(100, 200);
    EXPECT_TRUE(RectIs(rectGrown, 100, 200, 110, 210)) << "moving keeps the size";

    CRect rectInverted(20, 30, 10, 5);
    rectInverted.NormalizeRect();
    EXPECT_TRUE(RectIs(rectInverted, 10, 5, 20, 30));
    rectInverted.SwapLeftRight();
    EXPECT_TRUE(RectIs(rectInverted, 20, 5, 10, 30));
    EXPECT_TRUE(RectIs(CRect(10, 20, 30, 40).MulDiv(3, 2), 15, 30, 45, 60));
}
