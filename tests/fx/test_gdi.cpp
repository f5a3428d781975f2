// Tests of the GDI object, device-context and menu wrappers (afxgdi_.h).
#include <afxwin.h>
#include <gtest/gtest.h>
#include "wexotest.h"
#include <string>
#include <vector>

namespace
{
const COLORREF clrWhite = RGB(255, 255, 255);
const COLORREF clrRed = RGB(255, 0, 0);
const COLORREF clrBlue = RGB(0, 0, 255);
const COLORREF clrGreen = RGB(0, 255, 0);

// A memory DC drawing into a 32-bpp top-down DIB, filled white, for pixel checks.
class CCanvas
{
public:
    CCanvas(int cx, int cy)
        : m_cx(cx), m_cy(cy), m_pOldBitmap(NULL)
    {
        BITMAPINFO bmi;
        memset(&bmi, 0, sizeof(bmi));
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        void* pBits = NULL;
        m_bitmap.Attach(::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0));
        m_dc.CreateCompatibleDC(NULL);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        RECT rc = { 0, 0, cx, cy };
        ::FillRect(m_dc.m_hDC, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    }
    ~CCanvas()
    {
        if (m_pOldBitmap != NULL)
            m_dc.SelectObject(m_pOldBitmap);
    }

    bool IsValid() const { return m_bitmap.m_hObject != NULL && m_dc.m_hDC != NULL; }
    COLORREF Pixel(int x, int y) const { return m_dc.GetPixel(x, y); }

    // One character per pixel: 'R', 'B', 'G', 'W' for red, blue, green, white, '?' otherwise.
    std::string Picture() const
    {
        std::string str;
        for (int y = 0; y < m_cy; y++)
        {
            for (int x = 0; x < m_cx; x++)
            {
                COLORREF clr = Pixel(x, y);
                str += clr == clrRed ? 'R' : clr == clrBlue ? 'B' : clr == clrGreen ? 'G'
                    : clr == clrWhite ? 'W' : '?';
            }
            str += '\n';
        }
        return str;
    }

    CDC m_dc;
    CBitmap m_bitmap;
    int m_cx, m_cy;
    CBitmap* m_pOldBitmap;
};

std::string Lines(std::initializer_list<const char*> rows)
{
    std::string str;
    for (const char* row : rows)
        str += std::string(row) + "\n";
    return str;
}

int TempCount(CHandleMap* pMap)
{
    return pMap != NULL ? pMap->GetTemporaryCount() : 0;
}
}

/////////////////////////////////////////////////////////////////////////////
// Handle maps: permanent owners and temporary wrappers

TEST(GdiHandleMaps, TemporaryWrappersOfForeignHandlesAreSharedAndFreedWithoutTheirHandles)
{
    HBRUSH hBrush = ::CreateSolidBrush(clrRed);
    HDC hDC = ::CreateCompatibleDC(NULL);
    HMENU hMenu = ::CreatePopupMenu();
    ASSERT_TRUE(hBrush != NULL && hDC != NULL && hMenu != NULL);

    // wrappers the program made before this test (stock objects of earlier code) may still be
    // waiting for an idle time: count from here
    AfxLockTempMaps();
    const int nGdiBefore = TempCount(afxMapHGDIOBJ());
    const int nDCBefore = TempCount(afxMapHDC());
    const int nMenuBefore = TempCount(afxMapHMENU());
    CBrush* pBrush = CBrush::FromHandle(hBrush);
    CDC* pDC = CDC::FromHandle(hDC);
    CMenu* pMenu = CMenu::FromHandle(hMenu);
    ASSERT_TRUE(pBrush != NULL && pDC != NULL && pMenu != NULL);
    EXPECT_EQ(pBrush, CBrush::FromHandle(hBrush));
    EXPECT_EQ(pBrush, CGdiObject::FromHandle(hBrush));
    EXPECT_EQ(pDC, CDC::FromHandle(hDC));
    EXPECT_EQ(pMenu, CMenu::FromHandle(hMenu));
    EXPECT_EQ(hBrush, (HBRUSH)pBrush->m_hObject);
    EXPECT_EQ(hDC, pDC->m_hDC);
    EXPECT_EQ(hDC, pDC->m_hAttribDC);
    EXPECT_EQ(hMenu, pMenu->m_hMenu);
    EXPECT_EQ(nGdiBefore + 1, TempCount(afxMapHGDIOBJ()));
    EXPECT_EQ(nDCBefore + 1, TempCount(afxMapHDC()));
    EXPECT_EQ(nMenuBefore + 1, TempCount(afxMapHMENU()));

    EXPECT_TRUE(AfxUnlockTempMaps());
    EXPECT_EQ(0, TempCount(afxMapHGDIOBJ()));
    EXPECT_EQ(0, TempCount(afxMapHDC()));
    EXPECT_EQ(0, TempCount(afxMapHMENU()));

    // the wrappers went, the handles stayed
    EXPECT_EQ((DWORD)OBJ_BRUSH, ::GetObjectType(hBrush));
    EXPECT_EQ((DWORD)OBJ_MEMDC, ::GetObjectType(hDC));
    EXPECT_TRUE(::IsMenu(hMenu));

    ::DeleteObject(hBrush);
    ::DeleteDC(hDC);
    ::DestroyMenu(hMenu);
}

TEST(GdiHandleMaps, OwnerIsFoundByItsHandleAndFreesItOnDestruction)
{
    HGDIOBJ hPen = NULL;
    HDC hDC = NULL;
    HMENU hMenu = NULL;
    {
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, clrBlue));
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        hPen = pen.m_hObject;
        hDC = dc.m_hDC;
        hMenu = menu.m_hMenu;

        EXPECT_EQ(&pen, CPen::FromHandle((HPEN)hPen));
        EXPECT_EQ(&dc, CDC::FromHandle(hDC));
        EXPECT_EQ(&menu, CMenu::FromHandle(hMenu));
        EXPECT_EQ(&menu, CMenu::FromHandlePermanent(hMenu));
        EXPECT_EQ(hPen, (HGDIOBJ)(HPEN)pen);
        EXPECT_EQ(hDC, (HDC)dc);
        EXPECT_EQ(hMenu, (HMENU)menu);
    }
    EXPECT_EQ(0u, ::GetObjectType(hPen));
    EXPECT_EQ(0u, ::GetObjectType(hDC));
    EXPECT_FALSE(::IsMenu(hMenu));
}

TEST(GdiHandleMaps, DetachHandsTheHandleBackAndLeavesItAlive)
{
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(clrGreen));
    HGDIOBJ hBrush = brush.Detach();
    EXPECT_TRUE(brush.m_hObject == NULL);
    EXPECT_FALSE(brush.DeleteObject());

    AfxLockTempMaps();
    CGdiObject* pTemp = CGdiObject::FromHandle(hBrush);
    EXPECT_NE(static_cast<CGdiObject*>(&brush), pTemp);
    AfxUnlockTempMaps();
    EXPECT_EQ((DWORD)OBJ_BRUSH, ::GetObjectType(hBrush));

    // a second owner takes it over and frees it
    {
        CBrush owner;
        EXPECT_TRUE(owner.Attach(hBrush));
        EXPECT_EQ(&owner, CBrush::FromHandle((HBRUSH)hBrush));
    }
    EXPECT_EQ(0u, ::GetObjectType(hBrush));
}

TEST(GdiHandleMaps, NullHandlesAndNullObjects)
{
    EXPECT_TRUE(CGdiObject::FromHandle(NULL) == NULL);
    EXPECT_TRUE(CDC::FromHandle(NULL) == NULL);
    EXPECT_TRUE(CMenu::FromHandle(NULL) == NULL);
    CGdiObject object;
    EXPECT_FALSE(object.Attach(NULL));
    CDC dc;
    EXPECT_FALSE(dc.Attach(NULL));
    EXPECT_FALSE(dc.DeleteDC());
    CMenu menu;
    EXPECT_FALSE(menu.Attach(NULL));
    EXPECT_FALSE(menu.DestroyMenu());

    // MFC code asks null wrappers for their handle on purpose
    CPen* pNoPen = NULL;
    CDC* pNoDC = NULL;
    CMenu* pNoMenu = NULL;
    EXPECT_TRUE(pNoPen->GetSafeHandle() == NULL);
    EXPECT_TRUE(pNoDC->GetSafeHdc() == NULL);
    EXPECT_TRUE(pNoMenu->GetSafeHmenu() == NULL);
}

TEST(GdiHandleMaps, StockObjectsAreNotDeletedByTheirWrapper)
{
    HGDIOBJ hStock = ::GetStockObject(BLACK_BRUSH);
    {
        CBrush brush;
        EXPECT_TRUE(brush.CreateStockObject(BLACK_BRUSH));
        EXPECT_EQ(hStock, brush.m_hObject);
        EXPECT_EQ((UINT)OBJ_BRUSH, brush.GetObjectType());
    }
    EXPECT_EQ((DWORD)OBJ_BRUSH, ::GetObjectType(hStock));
    LOGBRUSH lb;
    ASSERT_EQ((int)sizeof(lb), ::GetObjectA(hStock, sizeof(lb), &lb));
    EXPECT_EQ(RGB(0, 0, 0), lb.lbColor);
}

/////////////////////////////////////////////////////////////////////////////
// Selecting objects into a DC

TEST(DCSelectObject, ReturnsThePreviousObjectOfEachKind)
{
    CCanvas canvas(8, 8);
    ASSERT_TRUE(canvas.IsValid());
    CDC& dc = canvas.m_dc;
    AfxLockTempMaps();

    CPen pen1(PS_SOLID, 1, clrRed), pen2(PS_SOLID, 1, clrBlue);
    CPen* pOldPen = dc.SelectObject(&pen1);
    ASSERT_TRUE(pOldPen != NULL);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), pOldPen->m_hObject);   // a new DC's pen
    EXPECT_EQ(&pen1, dc.SelectObject(&pen2));                      // the owner, not a copy
    EXPECT_EQ(&pen2, dc.GetCurrentPen());
    EXPECT_EQ(&pen2, dc.SelectObject(pOldPen));

    CBrush brush(clrGreen);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    ASSERT_TRUE(pOldBrush != NULL);
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), pOldBrush->m_hObject);
    EXPECT_EQ(&brush, dc.GetCurrentBrush());
    EXPECT_EQ(&brush, dc.SelectObject(pOldBrush));

    CFont font;
    ASSERT_TRUE(font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0,
        NONANTIALIASED_QUALITY, 0, "Tahoma"));
    CFont* pOldFont = dc.SelectObject(&font);
    ASSERT_TRUE(pOldFont != NULL);
    EXPECT_NE(font.m_hObject, pOldFont->m_hObject);
    EXPECT_EQ(&font, dc.GetCurrentFont());
    EXPECT_EQ(&font, dc.SelectObject(pOldFont));

    // the canvas bitmap is the current one; selecting another returns it
    CBitmap other;
    ASSERT_TRUE(other.CreateCompatibleBitmap(&dc, 4, 4));
    EXPECT_EQ(&canvas.m_bitmap, dc.GetCurrentBitmap());
    EXPECT_EQ(&canvas.m_bitmap, dc.SelectObject(&other));
    EXPECT_EQ(&other, dc.SelectObject(&canvas.m_bitmap));

    // a generic GDI object and a stock object
    CGdiObject* pPrev = dc.SelectStockObject(NULL_BRUSH);
    ASSERT_TRUE(pPrev != NULL);
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), pPrev->m_hObject);
    EXPECT_EQ(::GetStockObject(NULL_BRUSH), dc.SelectObject(pPrev)->m_hObject);

    // a region selects as the clip region and answers with its type
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(1, 1, 3, 3));
    EXPECT_EQ(SIMPLEREGION, dc.SelectObject(&rgn));
    RECT rcClip;
    EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(&rcClip));
    EXPECT_EQ(1, rcClip.left);
    EXPECT_EQ(3, rcClip.right);
    EXPECT_NE(ERROR, dc.SelectClipRgn(NULL));
    dc.GetClipBox(&rcClip);
    EXPECT_EQ(CRect(0, 0, 8, 8), CRect(rcClip));

    AfxUnlockTempMaps();
}

TEST(DCSelectObject, AttributesGoToTheDCAndComeBackAsPreviousValues)
{
    CCanvas canvas(4, 4);
    ASSERT_TRUE(canvas.IsValid());
    CDC& dc = canvas.m_dc;
    EXPECT_EQ(RGB(0, 0, 0), dc.SetTextColor(clrRed));
    EXPECT_EQ(clrRed, dc.GetTextColor());
    EXPECT_EQ(clrWhite, dc.SetBkColor(clrBlue));
    EXPECT_EQ(clrBlue, dc.GetBkColor());
    EXPECT_EQ(OPAQUE, dc.SetBkMode(TRANSPARENT));
    EXPECT_EQ(TRANSPARENT, dc.GetBkMode());
    EXPECT_EQ(R2_COPYPEN, dc.SetROP2(R2_XORPEN));
    EXPECT_EQ(R2_XORPEN, ::GetROP2(dc.m_hDC));

    int nSaved = dc.SaveDC();
    ASSERT_NE(0, nSaved);
    dc.SetTextColor(clrGreen);
    EXPECT_TRUE(dc.RestoreDC(nSaved));
    EXPECT_EQ(clrRed, dc.GetTextColor());
}

/////////////////////////////////////////////////////////////////////////////
// Filled rectangles and 3-D frames

TEST(DCFill, FillSolidRectFillsAndLeavesTheBackgroundColourSet)
{
    CCanvas canvas(6, 4);
    ASSERT_TRUE(canvas.IsValid());
    CDC& dc = canvas.m_dc;
    dc.SetBkColor(clrGreen);

    CRect rect(1, 1, 3, 3);
    dc.FillSolidRect(&rect, clrRed);
    EXPECT_EQ(clrRed, dc.GetBkColor());
    dc.FillSolidRect(3, 0, 2, 2, clrBlue);
    EXPECT_EQ(clrBlue, dc.GetBkColor());
    EXPECT_EQ(clrBlue, ::GetBkColor(dc.m_hDC));

    EXPECT_EQ(Lines({
        "WWWBBW",
        "WRRBBW",
        "WRRWWW",
        "WWWWWW" }), canvas.Picture());
}

TEST(DCFill, FillSolidRectWithNegativeExtentsGrowsLeftAndUp)
{
    CCanvas canvas(5, 4);
    ASSERT_TRUE(canvas.IsValid());
    canvas.m_dc.FillSolidRect(4, 3, -2, -2, clrRed);
    EXPECT_EQ(Lines({
        "WWWWW",
        "WWRRW",
        "WWRRW",
        "WWWWW" }), canvas.Picture());
}

// The top and left edges stop one pixel short; the right and bottom edges take the corners.
TEST(DCFill, Draw3dRectPixels)
{
    CCanvas canvas(8, 7);
    ASSERT_TRUE(canvas.IsValid());
    canvas.m_dc.Draw3dRect(1, 1, 6, 5, clrRed, clrBlue);
    EXPECT_EQ(Lines({
        "WWWWWWWW",
        "WRRRRRBW",
        "WRWWWWBW",
        "WRWWWWBW",
        "WRWWWWBW",
        "WBBBBBBW",
        "WWWWWWWW" }), canvas.Picture());
    EXPECT_EQ(clrBlue, canvas.m_dc.GetBkColor());
}

TEST(DCFill, Draw3dRectFromRectangleMatchesTheSizeForm)
{
    CCanvas byRect(8, 7), bySize(8, 7);
    ASSERT_TRUE(byRect.IsValid() && bySize.IsValid());
    CRect rect(2, 1, 7, 6);
    byRect.m_dc.Draw3dRect(&rect, clrGreen, clrRed);
    bySize.m_dc.Draw3dRect(2, 1, 5, 5, clrGreen, clrRed);
    EXPECT_EQ(bySize.Picture(), byRect.Picture());
    EXPECT_EQ(clrGreen, byRect.Pixel(2, 1));
    EXPECT_EQ(clrRed, byRect.Pixel(6, 1));
    EXPECT_EQ(clrRed, byRect.Pixel(2, 5));
    EXPECT_EQ(clrWhite, byRect.Pixel(7, 1));
    EXPECT_EQ(clrWhite, byRect.Pixel(3, 2));
}

TEST(DCFill, OnePixelDraw3dRectIsTheBottomRightColour)
{
    CCanvas canvas(3, 3);
    ASSERT_TRUE(canvas.IsValid());
    canvas.m_dc.Draw3dRect(1, 1, 1, 1, clrRed, clrBlue);
    EXPECT_EQ(Lines({ "WWW", "WBW", "WWW" }), canvas.Picture());
}

// A drag frame is inverted in place: moving it from A to B leaves exactly what drawing B alone
// leaves, and the inside of the frame is never touched.
TEST(DCFill, DragRectMovesByInvertingOnlyTheFrames)
{
    CCanvas moved(24, 20), direct(24, 20);
    ASSERT_TRUE(moved.IsValid() && direct.IsValid());
    AfxLockTempMaps();
    CRect rcA(2, 2, 12, 10), rcB(8, 6, 20, 16);
    CSize frame(2, 2);
    std::string strBlank = moved.Picture();

    moved.m_dc.DrawDragRect(&rcA, frame, NULL, frame);
    std::string strA = moved.Picture();
    EXPECT_NE(strBlank, strA);
    EXPECT_EQ(clrWhite, moved.Pixel(6, 6));          // inside
    EXPECT_EQ(clrWhite, moved.Pixel(15, 3));         // outside
    moved.m_dc.DrawDragRect(&rcB, frame, &rcA, frame);

    direct.m_dc.DrawDragRect(&rcB, frame, NULL, frame);
    EXPECT_EQ(direct.Picture(), moved.Picture());
    EXPECT_TRUE(CDC::GetHalftoneBrush() != NULL);
    AfxUnlockTempMaps();
}

/////////////////////////////////////////////////////////////////////////////
// Coordinates and fonts

TEST(DCCoordinates, SizesConvertAsVectorsAndHimetricFollowsTheDeviceResolution)
{
    CCanvas canvas(4, 4);
    ASSERT_TRUE(canvas.IsValid());
    CDC& dc = canvas.m_dc;
    int nPerInchX = dc.GetDeviceCaps(LOGPIXELSX);
    int nPerInchY = dc.GetDeviceCaps(LOGPIXELSY);
    ASSERT_GT(nPerInchX, 0);

    CSize size(nPerInchX, nPerInchY);
    dc.LPtoHIMETRIC(&size);
    EXPECT_EQ(2540, size.cx);
    EXPECT_EQ(2540, size.cy);
    dc.HIMETRICtoLP(&size);
    EXPECT_EQ(nPerInchX, size.cx);
    EXPECT_EQ(nPerInchY, size.cy);

    // the viewport origin moves points but not sizes
    dc.SetViewportOrg(10, 20);
    EXPECT_EQ(CPoint(10, 20), dc.GetViewportOrg());
    CPoint pt(0, 0);
    dc.DPtoLP(&pt);
    EXPECT_EQ(CPoint(-10, -20), pt);
    CSize sz(7, 9);
    dc.DPtoLP(&sz);
    EXPECT_EQ(CSize(7, 9), sz);
    CRect rc(10, 20, 15, 25);
    dc.DPtoLP(&rc);
    EXPECT_EQ(CRect(0, 0, 5, 5), rc);
    dc.LPtoDP(&rc);
    EXPECT_EQ(CRect(10, 20, 15, 25), rc);
    EXPECT_EQ(CPoint(10, 20), dc.SetViewportOrg(0, 0));

    // with y growing upwards a size keeps its magnitude and flips its sign
    dc.SetMapMode(MM_LOMETRIC);
    CSize szLog(nPerInchX, nPerInchY);
    dc.DPtoLP(&szLog);
    EXPECT_NEAR(254, szLog.cx, 3);
    EXPECT_NEAR(-254, szLog.cy, 3);
}

TEST(GdiFont, PointFontsUseTenthsOfAPointAtTheScreenResolution)
{
    HDC hScreen = ::GetDC(NULL);
    int nPerInch = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(NULL, hScreen);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Tahoma"));
    LOGFONTA lf;
    ASSERT_EQ((int)sizeof(lf), font.GetLogFont(&lf));
    EXPECT_EQ(-::MulDiv(12, nPerInch, 72), lf.lfHeight);
    EXPECT_STREQ("Tahoma", lf.lfFaceName);

    // a DC in MM_LOMETRIC measures the same height in tenths of a millimetre
    CCanvas canvas(2, 2);
    ASSERT_TRUE(canvas.IsValid());
    canvas.m_dc.SetMapMode(MM_LOMETRIC);
    CFont metric;
    ASSERT_TRUE(metric.CreatePointFont(720, "Tahoma", &canvas.m_dc));
    ASSERT_EQ((int)sizeof(lf), metric.GetLogFont(&lf));
    EXPECT_NEAR(-254, lf.lfHeight, 3);      // 72 points = one inch
}

TEST(GdiFont, TextExtentAndFaceOfTheSelectedFont)
{
    CCanvas canvas(64, 32);
    ASSERT_TRUE(canvas.IsValid());
    CDC& dc = canvas.m_dc;
    CFont font;
    ASSERT_TRUE(font.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0,
        NONANTIALIASED_QUALITY, 0, "Tahoma"));
    CFont* pOld = dc.SelectObject(&font);
    CString strText("File Edit");
    CSize size = dc.GetTextExtent(strText);
    SIZE sizeApi;
    ::GetTextExtentPoint32A(dc.m_hDC, "File Edit", 9, &sizeApi);
    EXPECT_EQ(sizeApi.cx, size.cx);
    EXPECT_EQ(sizeApi.cy, size.cy);
    EXPECT_EQ(size, dc.GetTextExtent("File Edit", 9));
    EXPECT_EQ(size, dc.GetOutputTextExtent(strText));
    EXPECT_GT(size.cx, dc.GetTextExtent("File", 4).cx);

    TEXTMETRICA tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(size.cy, tm.tmHeight);
    CString strFace;
    EXPECT_GT(dc.GetTextFace(strFace), 0);
    char szFace[LF_FACESIZE];
    dc.GetTextFace(LF_FACESIZE, szFace);
    EXPECT_STREQ(szFace, (LPCSTR)strFace);

    CRect rcCalc(0, 0, 0, 0);
    dc.DrawText(strText, &rcCalc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(size.cx, rcCalc.Width());
    dc.SelectObject(pOld);
}

/////////////////////////////////////////////////////////////////////////////
// Screen DCs and paint DCs

TEST(GdiScreenDC, NullWindowMeansTheScreen)
{
    HDC hClient = NULL, hWindow = NULL;
    {
        CClientDC client(NULL);
        CWindowDC window(NULL);
        hClient = client.m_hDC;
        hWindow = window.m_hDC;
        ASSERT_TRUE(hClient != NULL && hWindow != NULL);
        EXPECT_EQ(&client, CDC::FromHandle(hClient));
        EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), client.GetDeviceCaps(HORZRES));
        EXPECT_EQ(::GetSystemMetrics(SM_CYSCREEN), window.GetDeviceCaps(VERTRES));
    }
    // released and out of the map
    CHandleMap* pMap = afxMapHDC();
    ASSERT_TRUE(pMap != NULL);
    EXPECT_TRUE(pMap->LookupPermanent(hClient) == NULL);
    EXPECT_TRUE(pMap->LookupPermanent(hWindow) == NULL);
}

namespace
{
struct PaintProbe
{
    HDC hdcSeen;
    HDC hdcOfStruct;
    BOOL bMapped;
    int nPaints;
};
PaintProbe g_paint;

LRESULT CALLBACK PaintProbeProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_PAINT)
    {
        CWnd* pWnd = CWnd::FromHandle(hWnd);
        CPaintDC dc(pWnd);
        g_paint.hdcSeen = dc.m_hDC;
        g_paint.hdcOfStruct = dc.m_ps.hdc;
        g_paint.bMapped = CDC::FromHandle(dc.m_hDC) == &dc;
        g_paint.nPaints++;
        dc.FillSolidRect(0, 0, 4, 4, clrRed);
        return 0;
    }
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}
}

TEST(GdiPaintDC, PaintsIntoTheUpdateRegionAndValidatesIt)
{
    WNDCLASSA wc;
    memset(&wc, 0, sizeof(wc));
    wc.lpfnWndProc = &PaintProbeProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "WexoPaintProbe";
    ::RegisterClassA(&wc);
    HWND hWnd = ::CreateWindowExA(0, "WexoPaintProbe", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30,
        NULL, NULL, wc.hInstance, NULL);
    ASSERT_TRUE(hWnd != NULL);
    memset(&g_paint, 0, sizeof(g_paint));
    AfxLockTempMaps();

    ::InvalidateRect(hWnd, NULL, TRUE);
    ::UpdateWindow(hWnd);
    EXPECT_GE(g_paint.nPaints, 1);
    EXPECT_TRUE(g_paint.hdcSeen != NULL);
    EXPECT_EQ(g_paint.hdcOfStruct, g_paint.hdcSeen);
    EXPECT_TRUE(g_paint.bMapped);
    RECT rcUpdate;
    EXPECT_FALSE(::GetUpdateRect(hWnd, &rcUpdate, FALSE));   // EndPaint validated it
    EXPECT_TRUE(afxMapHDC()->LookupPermanent(g_paint.hdcSeen) == NULL);

    AfxUnlockTempMaps();
    ::DestroyWindow(hWnd);
    ::UnregisterClassA("WexoPaintProbe", wc.hInstance);
}

/////////////////////////////////////////////////////////////////////////////
// Resource balance
//
// Each cycle makes a DC, a bitmap selected into it and a font, and lets the wrappers free them;
// the process's GDI object count must come back to where it started.

TEST(GdiResourceBalance, WrapperCyclesReturnEveryHandle)
{
    const long nBefore = CountGdiObjects();
    ASSERT_GT(nBefore, 0);
    for (int i = 0; i < 100; i++)
    {
        CDC dc;
        CBitmap bitmap;
        CFont font;
        ASSERT_TRUE(dc.CreateCompatibleDC(NULL) && bitmap.CreateBitmap(4, 4, 1, 32, NULL)
            && font.CreatePointFont(90, "Tahoma"));
        CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
        CFont* pOldFont = dc.SelectObject(&font);
        dc.FillSolidRect(0, 0, 4, 4, clrRed);
        dc.SelectObject(pOldFont);
        dc.SelectObject(pOldBitmap);
    }
    EXPECT_EQ(nBefore, CountGdiObjects());
}

TEST(GdiResourceBalance, TemporaryWrappersDoNotAccumulate)
{
    HDC hScreen = ::GetDC(NULL);
    for (int i = 0; i < 1000; i++)
    {
        AfxLockTempMaps();
        CDC* pDC = CDC::FromHandle(hScreen);
        CGdiObject* pFont = pDC->SelectStockObject(DEFAULT_GUI_FONT);
        pDC->SelectObject(pFont);
        AfxUnlockTempMaps();
    }
    EXPECT_EQ(0, TempCount(afxMapHDC()));
    EXPECT_EQ(0, TempCount(afxMapHGDIOBJ()));
    ::ReleaseDC(NULL, hScreen);
}

/////////////////////////////////////////////////////////////////////////////
// Menus

namespace
{
enum { ID_OPEN = 1001, ID_RECENT1 = 1101, ID_RECENT2 = 1102, ID_VIEW_A = 2001, ID_VIEW_B = 2002,
    ID_VIEW_C = 2003 };

// Menu bar: "&File" { "&Open", "Recent" { "&1 alpha.dwg\tCtrl+1", <long name> } },
// "&View" { A, B, C }
void BuildMenuBar(CMenu& bar, const std::string& strLong)
{
    CMenu recent, file, view;
    recent.CreatePopupMenu();
    recent.AppendMenu(MF_STRING, ID_RECENT1, "&1 alpha.dwg\tCtrl+1");
    recent.AppendMenu(MF_STRING, ID_RECENT2, strLong.c_str());
    file.CreatePopupMenu();
    file.AppendMenu(MF_STRING, ID_OPEN, "&Open");
    file.AppendMenu(MF_SEPARATOR);
    file.AppendMenu(MF_POPUP, (UINT_PTR)recent.Detach(), "Recent");
    view.CreatePopupMenu();
    view.AppendMenu(MF_STRING, ID_VIEW_A, "A");
    view.AppendMenu(MF_STRING, ID_VIEW_B, "B");
    view.AppendMenu(MF_STRING, ID_VIEW_C, "C");
    bar.CreateMenu();
    bar.AppendMenu(MF_POPUP, (UINT_PTR)file.Detach(), "&File");
    bar.AppendMenu(MF_POPUP, (UINT_PTR)view.Detach(), "&View");
}
}

TEST(Menu, GetMenuStringByCommandSearchesNestedPopups)
{
    CMenu bar;
    std::string strLong(300, 'x');
    BuildMenuBar(bar, strLong);

    CString str;
    EXPECT_EQ(19, bar.GetMenuString(ID_RECENT1, str, MF_BYCOMMAND));
    EXPECT_STREQ("&1 alpha.dwg\tCtrl+1", (LPCSTR)str);
    EXPECT_EQ(300, bar.GetMenuString(ID_RECENT2, str, MF_BYCOMMAND));
    EXPECT_EQ(strLong, std::string((LPCSTR)str));
    EXPECT_EQ(5, bar.GetMenuString(ID_OPEN, str, MF_BYCOMMAND));
    EXPECT_STREQ("&Open", (LPCSTR)str);
    EXPECT_EQ(5, bar.GetMenuString(1, str, MF_BYPOSITION));
    EXPECT_STREQ("&View", (LPCSTR)str);

    char sz[6];
    EXPECT_EQ(5, bar.GetMenuString(ID_RECENT1, sz, sizeof(sz), MF_BYCOMMAND));
    EXPECT_STREQ("&1 al", sz);

    str = "stale";
    EXPECT_EQ(0, bar.GetMenuString(4242, str, MF_BYCOMMAND));
    EXPECT_TRUE(str.IsEmpty());
}

TEST(Menu, SubMenusAreTemporaryWrappersAndDieWithTheirParent)
{
    HMENU hRecent = NULL;
    {
        CMenu bar;
        BuildMenuBar(bar, "long");
        AfxLockTempMaps();
        CMenu* pFile = bar.GetSubMenu(0);
        ASSERT_TRUE(pFile != NULL);
        EXPECT_EQ(pFile, bar.GetSubMenu(0));
        EXPECT_TRUE(bar.GetSubMenu(5) == NULL);
        EXPECT_EQ(3u, pFile->GetMenuItemCount());
        EXPECT_EQ((UINT)ID_OPEN, pFile->GetMenuItemID(0));
        EXPECT_EQ(0u, pFile->GetMenuItemID(1));                 // separator
        EXPECT_EQ((UINT)-1, pFile->GetMenuItemID(2));           // popup
        CMenu* pRecent = pFile->GetSubMenu(2);
        ASSERT_TRUE(pRecent != NULL);
        hRecent = pRecent->m_hMenu;
        EXPECT_EQ((UINT)ID_RECENT2, pRecent->GetMenuItemID(1));
        AfxUnlockTempMaps();
        EXPECT_TRUE(::IsMenu(hRecent));
    }
    EXPECT_FALSE(::IsMenu(hRecent));
}

// The overloads that pack for the API: a CString out of a menu text, a CBitmap as the item.
TEST(Menu, StringAndBitmapOverloads)
{
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    EXPECT_TRUE(popup.AppendMenu(MF_STRING, 10, "ten"));
    CString str;
    EXPECT_EQ(3, popup.GetMenuString(10, str, MF_BYCOMMAND));
    EXPECT_STREQ("ten", (LPCSTR)str);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 1, NULL));
    EXPECT_TRUE(popup.AppendMenu(MF_STRING, 20, &bitmap));
    EXPECT_TRUE(popup.GetMenuState(20, MF_BYCOMMAND) & MF_BITMAP);
}

TEST(Menu, LoadMenuIndirectAndEquality)
{
    // MENUITEMTEMPLATEHEADER then items: a popup "&Edit" holding "&Undo" (ID 300)
    std::vector<WORD> tmpl;
    tmpl.push_back(0);                          // version
    tmpl.push_back(0);                          // offset
    tmpl.push_back(MF_POPUP | MF_END);          // popup flags
    for (const char* p = "&Edit"; ; p++) { tmpl.push_back((WORD)(BYTE)*p); if (!*p) break; }
    tmpl.push_back(MF_END);                     // normal item flags
    tmpl.push_back(300);                        // id
    for (const char* p = "&Undo"; ; p++) { tmpl.push_back((WORD)(BYTE)*p); if (!*p) break; }

    CMenu menu;
    ASSERT_TRUE(menu.LoadMenuIndirect(tmpl.data()));
    CString str;
    EXPECT_EQ(5, menu.GetMenuString(300, str, MF_BYCOMMAND));
    EXPECT_STREQ("&Undo", (LPCSTR)str);

    AfxLockTempMaps();
    CMenu* pSame = CMenu::FromHandle(menu.m_hMenu);
    EXPECT_TRUE(*pSame == menu);
    CMenu* pSub = menu.GetSubMenu(0);
    EXPECT_TRUE(*pSub != menu);
    AfxUnlockTempMaps();
}

/////////////////////////////////////////////////////////////////////////////
// Loading from the resource chain (the test program's own resources, gdi_test.rc)

#include "gdi_test_res.h"

TEST(GdiResources, BitmapsLoadFromTheResourceChain)
{
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(IDB_GDITEST_STRIP));
    BITMAP bm;
    ASSERT_EQ((int)sizeof(bm), strip.GetBitmap(&bm));
    EXPECT_EQ(16, bm.bmWidth);
    EXPECT_EQ(8, bm.bmHeight);

    CCanvas canvas(16, 8);
    ASSERT_TRUE(canvas.IsValid());
    CDC src;
    ASSERT_TRUE(src.CreateCompatibleDC(&canvas.m_dc));
    CBitmap* pOld = src.SelectObject(&strip);
    canvas.m_dc.BitBlt(0, 0, 16, 8, &src, 0, 0, SRCCOPY);
    src.SelectObject(pOld);
    EXPECT_EQ(RGB(255, 0, 255), canvas.Pixel(0, 0));
    EXPECT_EQ(clrGreen, canvas.Pixel(3, 3));
    EXPECT_EQ(clrBlue, canvas.Pixel(11, 4));

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(IDB_GDITEST_STRIP + 999));
    EXPECT_TRUE(missing.m_hObject == NULL);
    EXPECT_FALSE(missing.LoadBitmap("NO_SUCH_BITMAP"));

    CBitmap oem;
    const UINT nOemCheckMark = 32760;       // OBM_CHECK, declared only with OEMRESOURCE
    EXPECT_TRUE(oem.LoadOEMBitmap(nOemCheckMark));
}

// Mapping works on the colour table, so the bitmap is the 8-bpp copy.
TEST(GdiResources, MappedBitmapReplacesTheGivenColours)
{
    COLORMAP map;
    map.from = RGB(255, 0, 255);
    map.to = clrRed;
    CBitmap mapped;
    ASSERT_TRUE(mapped.LoadMappedBitmap(IDB_GDITEST_STRIP8, 0, &map, 1));

    CCanvas canvas(16, 8);
    ASSERT_TRUE(canvas.IsValid());
    CDC src;
    ASSERT_TRUE(src.CreateCompatibleDC(&canvas.m_dc));
    CBitmap* pOld = src.SelectObject(&mapped);
    canvas.m_dc.BitBlt(0, 0, 16, 8, &src, 0, 0, SRCCOPY);
    src.SelectObject(pOld);
    EXPECT_EQ(clrRed, canvas.Pixel(0, 0));
    EXPECT_EQ(clrGreen, canvas.Pixel(3, 3));
}

TEST(GdiResources, MenusLoadFromTheResourceChain)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_GDITEST_MENU));
    CString str;
    EXPECT_EQ(12, menu.GetMenuString(ID_GDITEST_RECENT, str, MF_BYCOMMAND));
    EXPECT_STREQ("&1 first.dwg", (LPCSTR)str);
    menu.GetMenuString(ID_GDITEST_OPEN, str, MF_BYCOMMAND);
    EXPECT_STREQ("&Open...\tCtrl+O", (LPCSTR)str);
    AfxLockTempMaps();
    CMenu* pFile = menu.GetSubMenu(0);
    ASSERT_TRUE(pFile != NULL);
    EXPECT_EQ(3u, pFile->GetMenuItemCount());
    EXPECT_TRUE(pFile->GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR);
    AfxUnlockTempMaps();

    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(IDR_GDITEST_MENU + 999));
    EXPECT_TRUE(missing.m_hMenu == NULL);
}
