// BitmapExDraw.cpp - CBitmapEx: placing, drawing, transparent and masked drawing, rescaling in
// place and combining two bitmaps.
#include "BitmapEx.h"
#include "BitmapOps.h"
#include "DibUtil.h"
#include "colors/UILColor.h"

#include <vfw.h>
#include <string.h>
#include <vector>

namespace
{
const int nMaxScaledSide = 0xFFFF;     // ScaleBitmapEx takes WORD sizes

inline int ClampByte(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

inline int AbsDiff(int a, int b)
{
    return a > b ? a - b : b - a;
}
}

/////////////////////////////////////////////////////////////////////////////
// Placement

CRect CBitmapEx::CalcDestRect(const CRect* pDest, const CRect* pSource, WORD wMode)
{
    const CRect rectSource = pSource != NULL ? *pSource : GetRect();
    const CRect rectDest = pDest != NULL ? *pDest : rectSource;
    if ((wMode & BMPEX_FIT) == 0)
        return rectDest;

    const int cxSource = rectSource.Width();
    const int cySource = rectSource.Height();
    const int cxDest = rectDest.Width();
    const int cyDest = rectDest.Height();
    CSize size(0, 0);
    if (cxSource <= cxDest && cySource <= cyDest && (wMode & BMPEX_ENLARGE) == 0)
        size = CSize(cxSource, cySource);
    else if (cxSource > 0 && cySource > 0 && cxDest > 0 && cyDest > 0)
    {
        const double rx = (double)cxSource / cxDest;
        const double ry = (double)cySource / cyDest;
        const double f = rx > ry ? rx : ry;
        size = CSize((int)(cxSource / f + 0.5), (int)(cySource / f + 0.5));
    }
    const int x = rectDest.left + (cxDest - size.cx) / 2;
    const int y = rectDest.top + (cyDest - size.cy) / 2;
    return CRect(x, y, x + size.cx, y + size.cy);
}

BOOL CBitmapEx::IsWholeBitmap(const CRect& rectSource)
{
    return rectSource == GetRect();
}

BOOL CBitmapEx::CopyRectTo(CBitmapEx& target, const CRect& rectSource)
{
    CRect rect;
    if (&target == this || !PrepareBits() || !rect.IntersectRect(&rectSource, GetRect()))
        return FALSE;
    const int nBitCount = m_pBMI->bmiHeader.biBitCount;
    if (nBitCount == 24 || nBitCount == 32)
    {
        // straight from the bits: a row at the top of the rectangle is near the end of the DIB
        const int cy = Height();
        const int nBytes = nBitCount / 8;
        const int nStride = ByteWidth();
        const int nCopyStride = DibUtil::RowBytes(rect.Width(), nBitCount);
        std::vector<BYTE> copy((size_t)nCopyStride * rect.Height());
        for (int y = 0; y < rect.Height(); y++)
        {
            const BYTE* pFrom = m_pBits + (size_t)(cy - 1 - (rect.top + y)) * nStride
                + (size_t)rect.left * nBytes;
            memcpy(&copy[(size_t)(rect.Height() - 1 - y) * nCopyStride], pFrom,
                (size_t)rect.Width() * nBytes);
        }
        return target.CreateDib(NULL, rect.Width(), rect.Height(), nBitCount, NULL, &copy[0]);
    }
    // palettised: let GDI translate the colours
    if (!target.CreateDib(NULL, rect.Width(), rect.Height(), 24, NULL, NULL))
        return FALSE;
    CDC* pDC = target.GetMemDC(NULL);
    if (pDC == NULL)
        return FALSE;
    ::SetDIBitsToDevice(pDC->m_hDC, 0, 0, rect.Width(), rect.Height(), rect.left,
        Height() - rect.bottom, 0, Height(), m_pBits, m_pBMI, DIB_RGB_COLORS);
    target.ReleaseMemDC();
    return TRUE;
}

HBITMAP CBitmapEx::ScaleSource(const CRect& rectSource, const CSize& size)
{
    if (size.cx <= 0 || size.cy <= 0 || size.cx > nMaxScaledSide || size.cy > nMaxScaledSide)
        return NULL;
    if (IsWholeBitmap(rectSource))
        return ::ScaleBitmapEx((HBITMAP)m_hObject, (WORD)size.cx, (WORD)size.cy);
    CBitmapEx part;
    if (!CopyRectTo(part, rectSource))
        return NULL;
    return ::ScaleBitmapEx((HBITMAP)part.m_hObject, (WORD)size.cx, (WORD)size.cy);
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

int CBitmapEx::Draw(CDC* pDC)
{
    return pDC != NULL ? Draw(*pDC, NULL, NULL, 0) : 0;
}

int CBitmapEx::Draw(CDC& dc, const CRect* pDest, const CRect* pSource, WORD wMode)
{
    if (!PrepareBits())
        return 0;
    const CRect rectSource = pSource != NULL ? *pSource : GetRect();
    const CRect rect = CalcDestRect(pDest, &rectSource, wMode);

    if ((wMode & BMPEX_SMOOTH) != 0 && rect.Size() != rectSource.Size())
    {
        HBITMAP hScaled = ScaleSource(rectSource, rect.Size());
        if (hScaled != NULL)
        {
            if ((wMode & BMPEX_SHARPEN) != 0)
                ::SharpBitmap(hScaled, 1);
            CBitmapEx& scratch = DibUtil::ScratchBitmap();
            const BOOL bCopied = scratch.CreateDIBitmap(&dc, rect.Width(), rect.Height(), hScaled, NULL);
            ::DeleteObject(hScaled);
            if (bCopied)
                return scratch.Draw(dc, &rect, NULL, wMode & ~BMPEX_SMOOTH);
        }
        // without the resampled copy it is at least stretched
    }

    if (m_hDrawDib == NULL)
        m_hDrawDib = ::DrawDibOpen();
    if (m_hDrawDib == NULL)
        return 0;
    // Some DrawDib implementations stretch through the DC, whose default mode (BLACKONWHITE)
    // ANDs the rows it drops into their neighbours and leaves dark streaks in a photograph.
    const int nOldMode = ::SetStretchBltMode(dc.m_hDC, COLORONCOLOR);
    const BOOL bDrawn = ::DrawDibDraw((HDRAWDIB)m_hDrawDib, dc.m_hDC, rect.left, rect.top,
        rect.Width(), rect.Height(), &m_pBMI->bmiHeader, m_pBits, rectSource.left, rectSource.top,
        rectSource.Width(), rectSource.Height(), 0);
    if (nOldMode != 0)
        ::SetStretchBltMode(dc.m_hDC, nOldMode);
    return bDrawn ? 1 : 0;
}

int CBitmapEx::Draw_ImLst(CDC& dc, const CRect* pDest, const CRect* pSource, WORD wMode)
{
    if (!PrepareBits())
        return 0;
    const CRect rectSource = pSource != NULL ? *pSource : GetRect();
    const CRect rectDest = pDest != NULL ? *pDest : rectSource;
    CRect rect = CalcDestRect(&rectDest, &rectSource, wMode);
    rect.OffsetRect(-rect.left, -rect.top);
    rect.NormalizeRect();

    // the image to hand to the list: a resampled copy, else the source part at its own size
    CBitmapEx image;
    HBITMAP hScaled = (wMode & BMPEX_SMOOTH) != 0 && rect.Size() != rectSource.Size()
        ? ScaleSource(rectSource, rect.Size()) : NULL;
    const BOOL bImage = hScaled != NULL
        ? image.CreateDIBitmap(&dc, rect.Width(), rect.Height(), hScaled, NULL)
        : CopyRectTo(image, rectSource);
    if (hScaled != NULL)
        ::DeleteObject(hScaled);
    if (!bImage)
        return 0;
    const int cx = image.Width();
    const int cy = image.Height();

    const int x = rectDest.left + (rectDest.Width() - cx) / 2;
    const int y = rectDest.top + (rectDest.Height() - cy) / 2;
    if (y < 0)
    {
        // an image reaching above the top is handed over upside down
        BYTE* pBits = image.GetBits();
        const int nStride = image.ByteWidth();
        std::vector<BYTE> row(nStride);
        for (int i = 0; i < cy / 2; i++)
        {
            BYTE* pTop = pBits + (size_t)i * nStride;
            BYTE* pBottom = pBits + (size_t)(cy - 1 - i) * nStride;
            memcpy(&row[0], pTop, nStride);
            memcpy(pTop, pBottom, nStride);
            memcpy(pBottom, &row[0], nStride);
        }
    }

    HIMAGELIST hList = ::ImageList_Create(cx, cy, ILC_COLOR24, 1, 0);
    if (hList == NULL)
        return 0;
    if (::ImageList_Add(hList, (HBITMAP)image.m_hObject, NULL) >= 0)
        ::ImageList_Draw(hList, 0, dc.m_hDC, x, y, ILD_NORMAL);
    ::ImageList_Destroy(hList);
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Transparent and masked drawing

int CBitmapEx::MixIntoDC(CDC& dc, const CRect& rectDest, PFNMIXPIXEL pfnMix, const void* pContext)
{
    const int cxBitmap = Width();
    const int cyBitmap = Height();
    const int cx = rectDest.Width() < cxBitmap ? rectDest.Width() : cxBitmap;
    const int cy = rectDest.Height() < cyBitmap ? rectDest.Height() : cyBitmap;

    HPALETTE hOldPalette = NULL;
    if (m_palette.GetSafeHandle() != NULL)
    {
        hOldPalette = ::SelectPalette(dc.m_hDC, (HPALETTE)m_palette.m_hObject, TRUE);
        ::RealizePalette(dc.m_hDC);
    }
    DibUtil::CPixels source;
    if (cx > 0 && cy > 0 && DibUtil::ReadPixels((HBITMAP)m_hObject, 32, source))
    {
        // The destination is read in one block and written back in one block, which gives what
        // reading and writing each pixel through dc gives; only a DC that cannot be read from
        // (the screen under some drivers) is worked pixel by pixel.
        BITMAPINFO bmi;
        memset(&bmi, 0, sizeof(bmi));
        DibUtil::InitHeader(bmi.bmiHeader, cx, -cy, 32);
        void* pvBits = NULL;
        HBITMAP hBlock = ::CreateDIBSection(dc.m_hDC, &bmi, DIB_RGB_COLORS, &pvBits, NULL, 0);
        HDC hBlockDC = hBlock != NULL ? ::CreateCompatibleDC(dc.m_hDC) : NULL;
        HGDIOBJ hOldBlock = hBlockDC != NULL ? ::SelectObject(hBlockDC, hBlock) : NULL;
        const BOOL bBlock = hOldBlock != NULL
            && ::BitBlt(hBlockDC, 0, 0, cx, cy, dc.m_hDC, rectDest.left, rectDest.top, SRCCOPY);
        ::GdiFlush();
        for (int y = 0; y < cy; y++)
        {
            const BYTE* s = source.Row(cyBitmap - 1 - y);
            BYTE* d = bBlock ? (BYTE*)pvBits + (size_t)y * cx * 4 : NULL;
            for (int x = 0; x < cx; x++, s += 4)
            {
                const COLORREF clrSource = RGB(s[2], s[1], s[0]);
                if (d != NULL)
                {
                    const COLORREF clr = pfnMix(RGB(d[2], d[1], d[0]), clrSource, pContext);
                    d[0] = GetBValue(clr);
                    d[1] = GetGValue(clr);
                    d[2] = GetRValue(clr);
                    d += 4;
                }
                else
                {
                    const int xDest = rectDest.left + x;
                    const int yDest = rectDest.top + y;
                    const COLORREF clrDest = ::GetPixel(dc.m_hDC, xDest, yDest);
                    if (clrDest != CLR_INVALID)
                        ::SetPixelV(dc.m_hDC, xDest, yDest, pfnMix(clrDest, clrSource, pContext));
                }
            }
        }
        if (bBlock)
            ::BitBlt(dc.m_hDC, rectDest.left, rectDest.top, cx, cy, hBlockDC, 0, 0, SRCCOPY);
        if (hOldBlock != NULL)
            ::SelectObject(hBlockDC, hOldBlock);
        if (hBlockDC != NULL)
            ::DeleteDC(hBlockDC);
        if (hBlock != NULL)
            ::DeleteObject(hBlock);
    }
    if (hOldPalette != NULL)
        ::SelectPalette(dc.m_hDC, hOldPalette, TRUE);
    return 1;
}

namespace
{
COLORREF MixTransparent(COLORREF clrDest, COLORREF clrSource, const void* pContext)
{
    return ::ApplyTransparency(clrDest, clrSource, *(const int*)pContext);
}

struct SMaskRule
{
    COLORREF clrMask;
    COLORREF clrTolerance;
    int nPercent;
};

COLORREF MixMasked(COLORREF clrDest, COLORREF clrSource, const void* pContext)
{
    const SMaskRule& rule = *(const SMaskRule*)pContext;
    if ((rule.clrTolerance & 0xFFFFFF) == 0)
    {
        if ((clrSource & 0xFFFFFF) == (rule.clrMask & 0xFFFFFF))
            return clrDest;
        return ::ApplyTransparency(clrDest, clrSource, rule.nPercent);
    }
    const int s[3] = { GetRValue(clrSource), GetGValue(clrSource), GetBValue(clrSource) };
    const int m[3] = { GetRValue(rule.clrMask), GetGValue(rule.clrMask), GetBValue(rule.clrMask) };
    const int t[3] = { GetRValue(rule.clrTolerance), GetGValue(rule.clrTolerance),
        GetBValue(rule.clrTolerance) };
    for (int c = 0; c < 3; c++)
    {
        if (AbsDiff(s[c], m[c]) > t[c])
            return ::ApplyTransparency(clrDest, clrSource, rule.nPercent);
    }
    // near the mask colour: the destination shaded by the pixel's difference from the mask
    const int d[3] = { GetRValue(clrDest), GetGValue(clrDest), GetBValue(clrDest) };
    return RGB(ClampByte(d[0] + s[0] - m[0]), ClampByte(d[1] + s[1] - m[1]),
        ClampByte(d[2] + s[2] - m[2]));
}
}

int CBitmapEx::DrawTransparentEx(CDC& dc, const CRect* pDest, WORD wMode, int nPercent)
{
    if (nPercent < 0)
        nPercent = 0;
    if (nPercent > 100)
        nPercent = 100;
    if (nPercent == 100)
        return 1;
    if (nPercent == 0)
        return Draw(dc, pDest, NULL, wMode);
    if (!PrepareBits())
        return 0;
    return MixIntoDC(dc, CalcDestRect(pDest, NULL, wMode), &MixTransparent, &nPercent);
}

int CBitmapEx::DrawTransparent(CDC& dc, const CRect* pDest, const CRect* pSource, WORD wMode,
    int nPercent)
{
    const CRect rect = CalcDestRect(pDest, pSource, wMode);
    const CRect rectSource = pSource != NULL ? *pSource : GetRect();
    if (PrepareBits() && (rect.Size() != GetRect().Size() || !IsWholeBitmap(rectSource))
        && !rect.IsRectEmpty())
    {
        HBITMAP hScaled = ScaleSource(rectSource, rect.Size());
        if (hScaled == NULL)
            return 0;
        CBitmapEx& scratch = DibUtil::ScratchBitmap();
        const BOOL bCopied = scratch.CreateDIBitmap(&dc, rect.Width(), rect.Height(), hScaled, NULL);
        ::DeleteObject(hScaled);
        return bCopied ? scratch.DrawTransparentEx(dc, &rect, wMode, nPercent) : 0;
    }
    return DrawTransparentEx(dc, &rect, wMode, nPercent);
}

int CBitmapEx::DrawMaskEx(CDC& dc, const CRect* pDest, WORD wMode, COLORREF clrMask,
    COLORREF clrTolerance, int nPercent)
{
    if (!PrepareBits())
        return 0;
    SMaskRule rule = { clrMask, clrTolerance, nPercent };
    return MixIntoDC(dc, CalcDestRect(pDest, NULL, wMode), &MixMasked, &rule);
}

int CBitmapEx::DrawMask(CDC& dc, const CRect* pDest, const CRect* pSource, WORD wMode,
    COLORREF clrMask, COLORREF clrTolerance, int nPercent)
{
    if (!PrepareBits())
        return 0;
    const CRect rect = CalcDestRect(pDest, pSource, wMode);
    const CRect rectSource = pSource != NULL ? *pSource : GetRect();
    if (rect.Size() == GetRect().Size() && IsWholeBitmap(rectSource))
        return DrawMaskEx(dc, &rect, wMode, clrMask, clrTolerance, nPercent);

    CBitmapEx& scratch = DibUtil::ScratchBitmap();
    if (&scratch != this && !CopyRectTo(scratch, rectSource))
        return 0;
    if (!scratch.ScaleBitmap(rect.Width(), rect.Height(), wMode))
        return 0;
    return scratch.DrawMaskEx(dc, &rect, wMode, clrMask, clrTolerance, nPercent);
}

/////////////////////////////////////////////////////////////////////////////
// Rescaling in place

int CBitmapEx::ScaleBitmap(int nWidth, int nHeight, WORD wMode)
{
    const CRect rectTarget(0, 0, nWidth, nHeight);
    const CRect rect = CalcDestRect(&rectTarget, NULL, wMode);
    if (PrepareBits() && rect.Size() != GetRect().Size() && rect.Width() > 0 && rect.Height() > 0
        && rect.Width() <= nMaxScaledSide && rect.Height() <= nMaxScaledSide)
    {
        HBITMAP hScaled = ::ScaleBitmapEx((HBITMAP)m_hObject, (WORD)rect.Width(), (WORD)rect.Height());
        if (hScaled != NULL)
        {
            if ((wMode & BMPEX_SHARPEN) != 0)
                ::SharpBitmap(hScaled, 1);
            CreateDib(NULL, rect.Width(), rect.Height(), GetBitsPerPixel() == 32 ? 32 : 24,
                hScaled, NULL);
            ::DeleteObject(hScaled);
        }
    }
    return m_hObject != NULL ? 1 : 0;
}

/////////////////////////////////////////////////////////////////////////////
// Combining

void CBitmapEx::CombineWithBitmap(CBitmapEx* pOther, SCombineParams* pParams)
{
    if (pOther == NULL || pParams == NULL || pOther->m_hObject == NULL || pOther == this)
        return;
    if (!PrepareBits() || !pOther->PrepareBits())
        return;
    if (GetBitsPerPixel() < 24)
        CreateDib(NULL, Width(), Height(), 24, (HBITMAP)m_hObject, NULL);
    if (pOther->GetBitsPerPixel() < 24)
        pOther->CreateDib(NULL, pOther->Width(), pOther->Height(), 24, (HBITMAP)pOther->m_hObject, NULL);

    const int W = Width();
    const int H = Height();
    if (pParams->nPlacement == COMBINE_PLACE_STRETCH)
        pOther->ScaleBitmap(W, H, BMPEX_SMOOTH | BMPEX_ENLARGE);
    else if (pParams->nPlacement == COMBINE_PLACE_FIT)
        pOther->ScaleBitmap(W, H, BMPEX_FIT | BMPEX_SMOOTH | BMPEX_ENLARGE);
    if (!PrepareBits() || !pOther->PrepareBits())
        return;
    const int w = pOther->Width();
    const int h = pOther->Height();

    int x0 = (W - w) / 2;
    int y0 = (H - h) / 2;
    switch (pParams->nPlacement)
    {
    case COMBINE_PLACE_STRETCH:
    case COMBINE_PLACE_TOPLEFT:     x0 = 0;         y0 = 0;         break;
    case COMBINE_PLACE_TOPCENTER:                   y0 = 0;         break;
    case COMBINE_PLACE_TOPRIGHT:    x0 = W - w;     y0 = 0;         break;
    case COMBINE_PLACE_MIDDLELEFT:  x0 = 0;                         break;
    case COMBINE_PLACE_MIDDLERIGHT: x0 = W - w;                     break;
    case COMBINE_PLACE_BOTTOMLEFT:  x0 = 0;         y0 = H - h;     break;
    case COMBINE_PLACE_BOTTOMCENTER:                y0 = H - h;     break;
    case COMBINE_PLACE_BOTTOMRIGHT: x0 = W - w;     y0 = H - h;     break;
    default:                                                        break;   // centred
    }

    // the overlap, in picture coordinates (y downwards)
    const int xFrom = x0 > 0 ? x0 : 0;
    const int yFrom = y0 > 0 ? y0 : 0;
    const int xTo = x0 + w < W ? x0 + w : W;
    const int yTo = y0 + h < H ? y0 + h : H;
    if (xFrom >= xTo || yFrom >= yTo)
        return;

    const int nBytes = GetBitsPerPixel() / 8;
    const int nOtherBytes = pOther->GetBitsPerPixel() / 8;
    const int nStride = ByteWidth();
    const int nOtherStride = pOther->ByteWidth();
    // channels in the bits' order: blue, green, red
    const int key[3] = { GetBValue(pParams->clrKey), GetGValue(pParams->clrKey), GetRValue(pParams->clrKey) };
    const int tol[3] = { GetBValue(pParams->clrKeyTolerance), GetGValue(pParams->clrKeyTolerance),
        GetRValue(pParams->clrKeyTolerance) };
    int nTransparency = pParams->nTransparency;
    nTransparency = nTransparency < 0 ? 0 : (nTransparency > 100 ? 100 : nTransparency);
    const int a = 255 - nTransparency * 255 / 100;

    for (int y = yFrom; y < yTo; y++)
    {
        BYTE* pd = m_pBits + (size_t)(H - 1 - y) * nStride + (size_t)xFrom * nBytes;
        const BYTE* ps = pOther->m_pBits + (size_t)(h - 1 - (y - y0)) * nOtherStride
            + (size_t)(xFrom - x0) * nOtherBytes;
        for (int x = xFrom; x < xTo; x++, pd += nBytes, ps += nOtherBytes)
        {
            int s[3] = { ps[0], ps[1], ps[2] };
            const int d[3] = { pd[0], pd[1], pd[2] };
            if (pParams->bUseKey)
            {
                if (AbsDiff(s[0], key[0]) < 2 && AbsDiff(s[1], key[1]) < 2 && AbsDiff(s[2], key[2]) < 2)
                    continue;
                if (AbsDiff(s[0], key[0]) <= tol[0] && AbsDiff(s[1], key[1]) <= tol[1]
                    && AbsDiff(s[2], key[2]) <= tol[2])
                {
                    for (int c = 0; c < 3; c++)
                        s[c] = ClampByte(d[c] + s[c] - key[c]);
                }
            }
            for (int c = 0; c < 3; c++)
            {
                int r;
                switch (pParams->nBlendMode)
                {
                case COMBINE_BLEND_ADD:         r = d[c] + s[c] > 255 ? 255 : d[c] + s[c]; break;
                case COMBINE_BLEND_SUBTRACT:    r = d[c] > s[c] ? d[c] - s[c] : 0; break;
                case COMBINE_BLEND_MULTIPLY:    r = (s[c] * d[c]) >> 8; break;
                case COMBINE_BLEND_LIGHTEN:     r = s[c] > d[c] ? s[c] : d[c]; break;
                case COMBINE_BLEND_DARKEN:      r = s[c] < d[c] ? s[c] : d[c]; break;
                case COMBINE_BLEND_DIFFERENCE:  r = AbsDiff(s[c], d[c]); break;
                case COMBINE_BLEND_SCREEN:      r = 255 - (((255 - s[c]) * (255 - d[c])) >> 8); break;
                case COMBINE_BLEND_OR:          r = s[c] | d[c]; break;
                case COMBINE_BLEND_AND:         r = s[c] & d[c]; break;
                case COMBINE_BLEND_XOR:         r = s[c] ^ d[c]; break;
                case COMBINE_BLEND_INVERT:      r = 255 - s[c]; break;
                default:                        r = s[c]; break;
                }
                if (pParams->bUseOpacity)
                    r = ((r - d[c]) * a + d[c] * 256) >> 8;
                pd[c] = (BYTE)ClampByte(r);
            }
        }
    }
}
