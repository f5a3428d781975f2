// Resample.cpp - ScaleBitmapEx (area-averaging resampling) and SharpBitmap.
//
// The inner loops are plain enough for the compiler to vectorise, which it does only when asked.
#pragma GCC optimize("O3")

#include "BitmapOps.h"
#include "DibUtil.h"

#include <string.h>
#include <vector>

namespace
{
// Weights are fixed-point with 12 fraction bits.  A pixel is the sum of source values times row
// weight times column weight, shifted right by 24: the worst case, 255 x 4096 x 4096 spread over
// weights that add up to at most 4096 each way (they are truncated, never rounded up), still fits
// an unsigned 32-bit sum.
const int nWeightBits = 12;
const unsigned nWeightOne = 1u << nWeightBits;

// Rows of the result made between two hand-overs to the bitmap: what stays in a core's cache.
const int nStripBytes = 128 * 1024;

// A memory DC compatible with the screen, for the length of a call.
struct CMemoryDCScope
{
    HDC m_hDC;
    CMemoryDCScope() : m_hDC(::CreateCompatibleDC(NULL)) {}
    ~CMemoryDCScope()
    {
        if (m_hDC != NULL)
            ::DeleteDC(m_hDC);
    }
};

// How the n destination pixels of one axis draw on its m source pixels.  Laid on a common scale
// where a source pixel is n units long and a destination pixel m units, every destination pixel
// takes each source pixel it overlaps with the weight overlap x 4096 / m (truncated).  Growing,
// that is the current source pixel whole, or the two it straddles; shrinking, a source pixel is
// shared between the one or two destination pixels its span falls into.
//
// Every destination pixel gets a window of the same number of source pixels, with weight 0 for
// those outside its span; a window that would run past the last source pixel starts earlier.
// The fixed width lets the inner loops be unrolled.
struct CAxisWeights
{
    int nWindow;
    std::vector<int> first;         // per destination pixel: the first source pixel of its window
    std::vector<unsigned> weights;  // per destination pixel: nWindow weights
    bool bIdentity;

    CAxisWeights() : nWindow(1), bIdentity(false) {}

    void Build(int m, int n)
    {
        bIdentity = (m == n);
        nWindow = 1;
        for (int j = 0; j < n; j++)
        {
            const long long lo = (long long)j * m;
            const int nCovered = (int)((lo + m - 1) / n - lo / n) + 1;
            if (nCovered > nWindow)
                nWindow = nCovered;
        }
        first.resize(n);
        weights.assign((size_t)n * nWindow, 0);
        for (int j = 0; j < n; j++)
        {
            const long long lo = (long long)j * m;
            const long long hi = lo + m;
            const int i0 = (int)(lo / n);
            const int nFirst = i0 + nWindow <= m ? i0 : m - nWindow;
            first[j] = nFirst;
            unsigned* pW = &weights[(size_t)j * nWindow];
            for (int i = i0; i < m && (long long)i * n < hi; i++)
            {
                long long a = (long long)i * n;
                long long b = a + n;
                if (a < lo)
                    a = lo;
                if (b > hi)
                    b = hi;
                pW[i - nFirst] = (unsigned)((b - a) * nWeightOne / m);
            }
        }
    }
};

// One resampling step from a 24-bit bottom-up image to a bottom-up image of nDstBytes (3 or 4)
// bytes per pixel; a fourth byte is written 0.
//
// The sum of value x row weight x column weight is exact in integers, so it may be gathered in
// any order: down the columns first (one set of weights for a whole row, which the compiler
// turns into vector code), then along the row.
class CResampler
{
public:
    CResampler(const BYTE* pSrc, int nSrcStride, int cxSrc, int cySrc, int nDstStride,
        int cxDst, int cyDst, int nDstBytes)
        : m_pSrc(pSrc), m_nSrcStride(nSrcStride), m_cxSrc(cxSrc),
          m_nDstStride(nDstStride), m_cxDst(cxDst), m_nDstBytes(nDstBytes)
    {
        m_x.Build(cxSrc, cxDst);
        m_y.Build(cySrc, cyDst);
    }

    // Destination rows yBegin to yEnd (bottom-up), row yBegin at pDst.
    void Run(int yBegin, int yEnd, BYTE* pDst)
    {
        const size_t nValues = (size_t)m_cxSrc * 3;
        if (m_column.size() < nValues)
            m_column.resize(nValues);
        unsigned* pColumn = &m_column[0];
        const int nWindow = m_y.nWindow;
        const int nBatch = 16;
        for (int y = yBegin; y < yEnd; y++)
        {
            BYTE* pOut = pDst + (size_t)(y - yBegin) * m_nDstStride;
            const BYTE* pFirst = m_pSrc + (size_t)m_y.first[y] * m_nSrcStride;
            const unsigned* pW = &m_y.weights[(size_t)y * nWindow];

            // the rows that count, added up a batch at a time
            const BYTE* apRows[nBatch];
            unsigned aWeights[nBatch];
            int nRows = 0;
            int nCounted = 0;
            for (int k = 0; k < nWindow; k++)
            {
                if (pW[k] == 0)
                    continue;
                if (nRows == nBatch)
                {
                    AddRows(apRows, aWeights, nRows, pColumn, nValues, nCounted > nBatch);
                    nRows = 0;
                }
                apRows[nRows] = pFirst + (size_t)k * m_nSrcStride;
                aWeights[nRows] = pW[k];
                nRows++;
                nCounted++;
            }
            if (nCounted == 1 && aWeights[0] == nWeightOne)
            {
                // one source row whole: (v x 4096 x w) >> 24 = (v x w) >> 12
                RowPass(apRows[0], pOut);
                continue;
            }
            if (nCounted == 0)
            {
                memset(pOut, 0, (size_t)m_cxDst * m_nDstBytes);
                continue;
            }
            AddRows(apRows, aWeights, nRows, pColumn, nValues, nCounted > nBatch);
            RowPass(pColumn, pOut);
        }
    }

private:
    const BYTE* m_pSrc;
    int m_nSrcStride, m_cxSrc;
    int m_nDstStride, m_cxDst, m_nDstBytes;
    CAxisWeights m_x, m_y;
    std::vector<unsigned> m_column;     // a row of column sums

    // pCol = (bAdd ? pCol : 0) + the rows times their weights.  A weight (at most 4096) and a
    // byte both fit a short, and SSE2 multiplies shorts far faster than 32-bit integers.
    static void AddRows(const BYTE* const* apRows, const unsigned* aWeights, int nRows,
        unsigned* __restrict pCol, size_t nValues, bool bAdd)
    {
        int k = 0;
        if (!bAdd)
        {
            const BYTE* __restrict p0 = apRows[0];
            const short w0 = (short)aWeights[0];
            if (nRows >= 2)
            {
                const BYTE* __restrict p1 = apRows[1];
                const short w1 = (short)aWeights[1];
                for (size_t v = 0; v < nValues; v++)
                    pCol[v] = (unsigned)((int)(short)p0[v] * w0 + (int)(short)p1[v] * w1);
                k = 2;
            }
            else
            {
                for (size_t v = 0; v < nValues; v++)
                    pCol[v] = (unsigned)((int)(short)p0[v] * w0);
                k = 1;
            }
        }
        for (; k < nRows; k++)
        {
            const BYTE* __restrict pk = apRows[k];
            const short wk = (short)aWeights[k];
            for (size_t v = 0; v < nValues; v++)
                pCol[v] += (unsigned)((int)(short)pk[v] * wk);
        }
    }

    // A byte row has had one weight (of 4096) applied, a gathered column row two.
    template<class T> static int Shift() { return sizeof(T) == 1 ? nWeightBits : 2 * nWeightBits; }

    template<class T> void RowPass(const T* pIn, BYTE* pOut) const
    {
        if (m_nDstBytes == 4)
            RowPassTo<T, 4>(pIn, pOut);
        else
            RowPassTo<T, 3>(pIn, pOut);
    }

    template<class T, int N> void RowPassTo(const T* pIn, BYTE* pOut) const
    {
        if (m_x.bIdentity)
        {
            RowIdentity<T, N>(pIn, pOut);
            return;
        }
        switch (m_x.nWindow)
        {
        case 1: RowWindow<T, N, 1>(pIn, pOut); break;
        case 2: RowWindow<T, N, 2>(pIn, pOut); break;
        case 3: RowWindow<T, N, 3>(pIn, pOut); break;
        case 4: RowWindow<T, N, 4>(pIn, pOut); break;
        default: RowWindow<T, N, 0>(pIn, pOut); break;
        }
    }

    // a pixel of N bytes (a fourth is 0) from the sums of its channels
    template<class T, int N> static void Store(BYTE* pOut, unsigned b, unsigned g, unsigned r)
    {
        const int nShift = Shift<T>();
        if (N == 4)
        {
            const DWORD dw = (b >> nShift) | ((g >> nShift) << 8) | ((r >> nShift) << 16);
            memcpy(pOut, &dw, 4);
        }
        else
        {
            pOut[0] = (BYTE)(b >> nShift);
            pOut[1] = (BYTE)(g >> nShift);
            pOut[2] = (BYTE)(r >> nShift);
        }
    }

    template<class T, int N> void RowIdentity(const T* pIn, BYTE* pOut) const
    {
        for (int x = 0; x < m_cxDst; x++, pIn += 3, pOut += N)
        {
            Store<T, N>(pOut, (unsigned)pIn[0] << nWeightBits, (unsigned)pIn[1] << nWeightBits,
                (unsigned)pIn[2] << nWeightBits);
        }
    }

    // Along the row, each destination pixel from its window; K = 0: a window of any width.
    template<class T, int N, int K> void RowWindow(const T* pIn, BYTE* pOut) const
    {
        const int nWindow = K != 0 ? K : m_x.nWindow;
        const int* pFirst = &m_x.first[0];
        const unsigned* pW = &m_x.weights[0];
        for (int x = 0; x < m_cxDst; x++, pOut += N, pW += nWindow)
        {
            const T* p = pIn + (size_t)pFirst[x] * 3;
            unsigned b = 0, g = 0, r = 0;
            for (int k = 0; k < nWindow; k++, p += 3)
            {
                b += p[0] * pW[k];
                g += p[1] * pW[k];
                r += p[2] * pW[k];
            }
            Store<T, N>(pOut, b, g, r);
        }
    }
};

}

HBITMAP ScaleBitmapEx(HBITMAP hSource, WORD nWidth, WORD nHeight)
{
    if (hSource == NULL || nWidth == 0 || nHeight == 0)
        return NULL;

    // One memory DC serves every GDI call below: a DC of the screen is much dearer to get, and
    // a memory DC reports the screen's format.
    CMemoryDCScope dc;
    if (dc.m_hDC == NULL)
        return NULL;

    // a 24-bit bottom-up DIB section is read where it lies; anything else is converted first
    DibUtil::CPixels converted;
    int cxSrc = 0, cySrc = 0, nSrcStride = 0;
    const BYTE* pSrc = DibUtil::DirectBits24(dc.m_hDC, hSource, cxSrc, cySrc, nSrcStride);
    if (pSrc == NULL)
    {
        if (!DibUtil::ReadPixels(hSource, 24, converted))
            return NULL;
        pSrc = converted.Row(0);
        cxSrc = converted.cx;
        cySrc = converted.cy;
        nSrcStride = converted.nStride;
    }
    const int cxDst = nWidth;
    const int cyDst = nHeight;

    // A pass either only shrinks or only grows: where one axis grows and the other shrinks, the
    // growing axis goes first when it is the height, the width first otherwise.
    std::vector<BYTE> mid;
    const bool bShrinkX = cxDst < cxSrc, bGrowX = cxDst > cxSrc;
    const bool bShrinkY = cyDst < cySrc, bGrowY = cyDst > cySrc;
    if ((bShrinkX && bGrowY) || (bGrowX && bShrinkY))
    {
        const int cxMid = bShrinkX ? cxSrc : cxDst;
        const int cyMid = bShrinkX ? cyDst : cySrc;
        const int nMidStride = DibUtil::RowBytes(cxMid, 24);
        mid.resize((size_t)nMidStride * cyMid);
        CResampler(pSrc, nSrcStride, cxSrc, cySrc, nMidStride, cxMid, cyMid, 3).Run(0, cyMid, &mid[0]);
        pSrc = &mid[0];
        cxSrc = cxMid;
        cySrc = cyMid;
        nSrcStride = nMidStride;
    }

    // The result is a device-dependent bitmap of the screen's format, made directly with that
    // format: asking for one compatible with a DC of the screen costs far more on some systems.
    // It is written with four bytes a pixel (the screen's own layout takes them unconverted), a
    // strip of rows at a time, each handed over while it is still in the cache: a buffer of the
    // whole picture would go out to memory and be read back.
    const int nDstStride = cxDst * 4;
    const int nStripRows = nDstStride < nStripBytes ? nStripBytes / nDstStride : 1;
    std::vector<BYTE> strip((size_t)nDstStride * (nStripRows < cyDst ? nStripRows : cyDst));
    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    DibUtil::InitHeader(bmi.bmiHeader, cxDst, cyDst, 32);
    CResampler resampler(pSrc, nSrcStride, cxSrc, cySrc, nDstStride, cxDst, cyDst, 4);
    HBITMAP hResult = ::CreateBitmap(cxDst, cyDst, ::GetDeviceCaps(dc.m_hDC, PLANES),
        ::GetDeviceCaps(dc.m_hDC, BITSPIXEL), NULL);
    for (int y = 0; y < cyDst && hResult != NULL; y += nStripRows)
    {
        const int nLines = cyDst - y < nStripRows ? cyDst - y : nStripRows;
        resampler.Run(y, y + nLines, &strip[0]);
        if (::SetDIBits(dc.m_hDC, hResult, y, nLines, &strip[0], &bmi, DIB_RGB_COLORS) != nLines)
        {
            ::DeleteObject(hResult);
            hResult = NULL;
        }
    }
    return hResult;
}

/////////////////////////////////////////////////////////////////////////////
// SharpBitmap
//
// With k = (10 - strength) x 5 + 1, a = 1/k, b = 1/((1 + a) x 4) and c = b x a, the kernel is
// 2 in the centre, -b on the edge neighbours and -c in the corners.  Over a common denominator
// 4(k + 1) that is (8(k + 1) x centre - k x edges - corners) / 4(k + 1), so a pixel is computed
// exactly in integers: a flat area stays flat instead of losing a unit to rounding in floating
// point.  The quotient is taken with a 32-bit reciprocal, exact for these numerators because a
// true fraction lies at least 1 / 4(k + 1) away from the next integer.

namespace
{
void SharpenPixels(BYTE* pBits, int cx, int cy, int nStride, int nBytesPerPixel, int nStrength)
{
    if (cx < 3 || cy < 3)
        return;                         // all border
    const int k = (10 - nStrength) * 5 + 1;
    const int nCentre = 8 * (k + 1);
    const unsigned nDenominator = 4 * (k + 1);
    const unsigned long long nReciprocal = ((1ull << 32) + nDenominator - 1) / nDenominator;

    // the rows above, at and below the one being written, as they were before
    std::vector<BYTE> copy((size_t)nStride * 3);
    BYTE* pAbove = &copy[0];
    BYTE* pHere = pAbove + nStride;
    BYTE* pBelow = pHere + nStride;
    memcpy(pAbove, pBits, nStride);
    memcpy(pHere, pBits + nStride, nStride);

    const int n = nBytesPerPixel;
    for (int y = 1; y < cy - 1; y++)
    {
        memcpy(pBelow, pBits + (size_t)(y + 1) * nStride, nStride);
        BYTE* pOut = pBits + (size_t)y * nStride;
        for (int x = 1; x < cx - 1; x++)
        {
            const int o = x * n;
            for (int c = 0; c < 3; c++)
            {
                const int i = o + c;
                const int nEdges = pAbove[i] + pBelow[i] + pHere[i - n] + pHere[i + n];
                const int nCorners = pAbove[i - n] + pAbove[i + n] + pBelow[i - n] + pBelow[i + n];
                const int nSum = nCentre * pHere[i] - k * nEdges - nCorners;
                unsigned v = 0;
                if (nSum > 0)
                {
                    v = (unsigned)(((unsigned long long)nSum * nReciprocal) >> 32);
                    if (v > 255)
                        v = 255;
                }
                pOut[i] = (BYTE)v;
            }
        }
        BYTE* pFree = pAbove;
        pAbove = pHere;
        pHere = pBelow;
        pBelow = pFree;
    }
}
}

int SharpBitmap(HBITMAP hBitmap, int nStrength)
{
    if (hBitmap == NULL || nStrength < 1)
        return 0;
    if (nStrength > 10)
        nStrength = 10;

    BITMAP bm;
    if (::GetObjectA(hBitmap, sizeof(bm), &bm) == 0)
        return 0;
    if (bm.bmBitsPixel != 24 && bm.bmBitsPixel != 32)
        return 0;
    const int nBytesPerPixel = bm.bmBitsPixel / 8;

    DIBSECTION ds;
    if (::GetObjectA(hBitmap, sizeof(ds), &ds) == sizeof(ds) && ds.dsBm.bmBits != NULL)
    {
        ::GdiFlush();
        const int cy = ds.dsBmih.biHeight < 0 ? -ds.dsBmih.biHeight : ds.dsBmih.biHeight;
        SharpenPixels((BYTE*)ds.dsBm.bmBits, ds.dsBm.bmWidth, cy,
            DibUtil::RowBytes(ds.dsBm.bmWidth, bm.bmBitsPixel), nBytesPerPixel, nStrength);
        return 1;
    }

    DibUtil::CPixels pixels;
    if (!DibUtil::ReadPixels(hBitmap, bm.bmBitsPixel, pixels))
        return 0;
    SharpenPixels(pixels.Row(0), pixels.cx, pixels.cy, pixels.nStride, nBytesPerPixel, nStrength);
    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    DibUtil::InitHeader(bmi.bmiHeader, pixels.cx, pixels.cy, bm.bmBitsPixel);
    HDC hdc = ::GetDC(NULL);
    const int nLines = ::SetDIBits(hdc, hBitmap, 0, pixels.cy, pixels.Row(0), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(NULL, hdc);
    return nLines == pixels.cy ? 1 : 0;
}
