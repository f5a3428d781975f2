// Frame3D.cpp - Draw3DFrame: a raised frame along a polygon, built from filled copies of the
// polygon shifted by a pixel or two.
#include "BitmapOps.h"
#include "colors/FrameColors.h"
#include "colors/UILColor.h"

namespace
{
const int nMaxPoints = 50;

struct SOffset
{
    int dx, dy;
};

// Later copies cover earlier ones; with the null pen each copy fills the polygon's inside
// without its right and bottom edge, so what stays visible of a band is its outer rim.
void FillCopies(CDC& dc, const POINT* pPoints, int nCount, CBrush& brush, const SOffset* pOffsets,
    int nOffsets)
{
    POINT shifted[nMaxPoints];
    dc.SelectObject(&brush);
    for (int k = 0; k < nOffsets; k++)
    {
        for (int i = 0; i < nCount; i++)
        {
            shifted[i].x = pPoints[i].x + pOffsets[k].dx;
            shifted[i].y = pPoints[i].y + pOffsets[k].dy;
        }
        dc.Polygon(shifted, nCount);
    }
}
}

int Draw3DFrame(CDC& dc, POINT* pPoints, int nCount, UINT nStyle, CFrameColors* pColors)
{
    if (pPoints == NULL || nCount < 3 || nCount > nMaxPoints)
        return 0;

    const CFrameColors colorsSystem;
    const CFrameColors& colors = pColors != NULL ? *pColors : colorsSystem;
    COLORREF clrFace = colors.m_clrFace;
    COLORREF clrHighlight = colors.m_clrHighlight;
    COLORREF clrShadow = colors.m_clrShadow;
    if (nStyle & FRAME3D_SOFT)
    {
        clrHighlight = ::GetMixColor(clrFace, clrHighlight, 0.75f);
        clrShadow = ::GetMixColor(clrFace, clrShadow, 0.75f);
    }
    if (nStyle & FRAME3D_DARKFACE)
        clrFace = ::GetMixColor(clrFace, clrShadow, 0.3f);

    CRgn rgnInside;
    if (nStyle & FRAME3D_FRAMEONLY)
    {
        // the polygon and its copy one pixel up and left: everything the face copies cover
        POINT both[2 * nMaxPoints];
        INT counts[2] = { nCount, nCount };
        for (int i = 0; i < nCount; i++)
        {
            both[i] = pPoints[i];
            both[nCount + i].x = pPoints[i].x - 1;
            both[nCount + i].y = pPoints[i].y - 1;
        }
        dc.LPtoDP(both, 2 * nCount);
        if (rgnInside.CreatePolyPolygonRgn(both, counts, 2, WINDING))
            dc.SelectClipRgn(&rgnInside, RGN_DIFF);
        clrHighlight = ::GetMixColor(clrFace, clrShadow, 0.1f);
    }

    CBrush brushHighlight(clrHighlight);
    CBrush brushFace(clrFace);
    CBrush brushShadow(clrShadow);
    CBrush brushBlack(RGB(0, 0, 0));
    CGdiObject* pOldPen = dc.SelectStockObject(NULL_PEN);
    CBrush* pOldBrush = dc.GetCurrentBrush();

    static const SOffset outerDark[] = { { 0, 2 }, { 1, 2 }, { 2, 1 }, { 2, 0 } };
    static const SOffset outerLight[] = { { 0, -2 }, { -1, -2 }, { -2, -1 }, { -2, 0 } };
    static const SOffset innerDark[] = { { 0, 1 }, { 1, 1 }, { 1, 0 }, { -1, 1 }, { -1, 0 } };
    static const SOffset face[] = { { 0, 0 }, { -1, 0 }, { -1, -1 }, { 0, -1 } };

    if ((nStyle & (FRAME3D_NOOUTERDARK | FRAME3D_BLACKINNER)) == 0)
        FillCopies(dc, pPoints, nCount, brushBlack, outerDark, 4);
    FillCopies(dc, pPoints, nCount, brushHighlight, outerLight, 4);
    const BOOL bBlackInner = (nStyle & FRAME3D_BLACKINNER) && !(nStyle & FRAME3D_NOOUTERDARK);
    FillCopies(dc, pPoints, nCount, bBlackInner ? brushBlack : brushShadow, innerDark, 5);
    FillCopies(dc, pPoints, nCount, brushFace, face, 4);

    if (pOldPen != NULL)
        dc.SelectObject(pOldPen);
    if (pOldBrush != NULL)
        dc.SelectObject(pOldBrush);
    if (nStyle & FRAME3D_FRAMEONLY)
        dc.SelectClipRgn(NULL);
    return 1;
}
