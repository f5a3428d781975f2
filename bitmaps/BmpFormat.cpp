// BmpFormat.cpp - the rules of the BMP file format, written once for CDib and CBitmapEx: which
// headers, depths, compressions and colour tables are accepted, and how a file image becomes
// the one packed form both classes keep.
#include "DibUtil.h"

#include <string.h>

namespace
{
// Widest and tallest picture accepted; larger sides are taken for damaged headers.
const LONG nMaxSide = 32768;
// Largest image a file may unpack to: run-length data of a few bytes can claim any size.
const unsigned long long nMaxImageBytes = 256ull << 20;

DWORD ReadDword(const BYTE* p)
{
    DWORD dw;
    memcpy(&dw, p, sizeof(dw));
    return dw;
}

WORD ReadWord(const BYTE* p)
{
    WORD w;
    memcpy(&w, p, sizeof(w));
    return w;
}

// A colour mask is one run of set bits inside the pixel.
BOOL IsUsableMask(DWORD dwMask, int nBitCount)
{
    if (dwMask == 0 || (nBitCount == 16 && dwMask > 0xFFFF))
        return FALSE;
    const DWORD dwLow = dwMask & (~dwMask + 1);
    const DWORD dwRun = dwMask + dwLow;     // carries through the run: only higher bits remain
    return (dwRun & dwMask) == 0;
}

BOOL CheckHeader(const BITMAPINFOHEADER& bih, const DWORD* pMasks)
{
    const LONG cy = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    if (bih.biPlanes != 1 || bih.biWidth <= 0 || bih.biWidth > nMaxSide || cy == 0 || cy > nMaxSide)
        return FALSE;
    switch (bih.biBitCount)
    {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        return FALSE;
    }
    if ((unsigned long long)DibUtil::RowBytes(bih.biWidth, bih.biBitCount) * cy > nMaxImageBytes)
        return FALSE;
    switch (bih.biCompression)
    {
    case BI_RGB:
        return TRUE;
    case BI_RLE8:
        return bih.biBitCount == 8 && bih.biHeight > 0;     // run-length rows run bottom-up only
    case BI_RLE4:
        return bih.biBitCount == 4 && bih.biHeight > 0;
    case BI_BITFIELDS:
        if (bih.biBitCount != 16 && bih.biBitCount != 32)
            return FALSE;
        for (int i = 0; i < 3; i++)
        {
            if (!IsUsableMask(pMasks[i], bih.biBitCount))
                return FALSE;
        }
        return (pMasks[0] & pMasks[1]) == 0 && (pMasks[0] & pMasks[2]) == 0
            && (pMasks[1] & pMasks[2]) == 0;
    default:
        return FALSE;
    }
}

// Decodes run-length rows into bottom-up rows of nStride bytes (index 0 where nothing is
// written).  FALSE when a run or a move leaves the image or the data ends inside a code.
BOOL DecodeRle(const BYTE* p, size_t n, const BITMAPINFOHEADER& bih, BYTE* pOut, int nStride)
{
    const bool bFour = bih.biCompression == BI_RLE4;
    const int cx = bih.biWidth;
    const int cy = bih.biHeight;
    int x = 0, y = 0;
    size_t i = 0;
    while (i + 2 <= n)
    {
        const int nCount = p[i];
        const BYTE bValue = p[i + 1];
        i += 2;
        if (nCount != 0)
        {
            // a run: nCount pixels of one index (two alternating indices with 4 bits)
            if (y >= cy || x + nCount > cx)
                return FALSE;
            for (int k = 0; k < nCount; k++, x++)
                DibUtil::SetIndex(pOut + (size_t)y * nStride, x, bFour ? 4 : 8,
                    bFour ? ((k & 1) ? bValue & 0x0F : bValue >> 4) : bValue);
            continue;
        }
        switch (bValue)
        {
        case 0:                         // end of line
            x = 0;
            y++;
            break;
        case 1:                         // end of picture
            return TRUE;
        case 2:                         // move right and up
            if (i + 2 > n)
                return FALSE;
            x += p[i];
            y += p[i + 1];
            i += 2;
            if (x > cx || y > cy)
                return FALSE;
            break;
        default:
        {
            // bValue pixels given one by one, padded to a 16-bit boundary
            const int nPixels = bValue;
            const size_t nBytes = bFour ? (size_t)(nPixels + 1) / 2 : (size_t)nPixels;
            if (y >= cy || x + nPixels > cx || nBytes > n - i)
                return FALSE;
            for (int k = 0; k < nPixels; k++, x++)
            {
                const BYTE b = p[i + (bFour ? k / 2 : k)];
                DibUtil::SetIndex(pOut + (size_t)y * nStride, x, bFour ? 4 : 8,
                    bFour ? ((k & 1) ? b & 0x0F : b >> 4) : b);
            }
            i += (nBytes + 1) & ~(size_t)1;
            break;
        }
        }
    }
    // data that stops without its end code is taken as far as it goes, but not a code cut short
    return i == n;
}
}

namespace DibUtil
{
void SetIndex(BYTE* pRow, int x, int nBitCount, BYTE bIndex)
{
    if (nBitCount == 8)
        pRow[x] = bIndex;
    else
    {
        const int nShift = (x & 1) ? 0 : 4;
        pRow[x / 2] = (BYTE)((pRow[x / 2] & ~(0x0F << nShift)) | ((bIndex & 0x0F) << nShift));
    }
}

BOOL ReadBmpHeader(const BYTE* p, size_t n, CBmpHeader& header)
{
    memset(&header, 0, sizeof(header));
    if (n < sizeof(DWORD))
        return FALSE;
    const DWORD dwSize = ReadDword(p);
    BITMAPINFOHEADER& bih = header.bih;
    if (dwSize == sizeof(BITMAPCOREHEADER))
    {
        if (n < dwSize)
            return FALSE;
        // the old header: 16-bit sides, always uncompressed, colours as triples
        bih.biWidth = ReadWord(p + 4);
        bih.biHeight = ReadWord(p + 6);
        bih.biPlanes = ReadWord(p + 8);
        bih.biBitCount = ReadWord(p + 10);
        bih.biCompression = BI_RGB;
        header.nEntryBytes = sizeof(RGBTRIPLE);
    }
    else if (dwSize >= sizeof(BITMAPINFOHEADER) && dwSize <= sizeof(BITMAPV5HEADER))
    {
        if (n < dwSize)
            return FALSE;
        memcpy(&bih, p, sizeof(bih));
        header.nEntryBytes = sizeof(RGBQUAD);
        if (bih.biCompression == BI_BITFIELDS)
        {
            // the larger headers hold the masks; the plain one is followed by them
            if (dwSize >= sizeof(BITMAPINFOHEADER) + 3 * sizeof(DWORD))
                memcpy(header.masks, p + sizeof(BITMAPINFOHEADER), sizeof(header.masks));
            else
            {
                header.nMaskBytes = sizeof(header.masks);
                if (n < dwSize + header.nMaskBytes)
                    return FALSE;
                memcpy(header.masks, p + dwSize, sizeof(header.masks));
            }
        }
    }
    else
        return FALSE;
    header.nHeaderBytes = dwSize;
    if (!CheckHeader(bih, header.masks))
        return FALSE;

    // a table for up to 8 bits: as many colours as the header says, at most the depth allows;
    // deeper pictures may carry one too, which nothing needs
    if (bih.biBitCount <= 8)
    {
        const DWORD nMax = 1u << bih.biBitCount;
        if (bih.biClrUsed > nMax)
            return FALSE;
        header.nColors = bih.biClrUsed != 0 ? (int)bih.biClrUsed : (int)nMax;
    }
    else if (bih.biClrUsed > 256)
        return FALSE;
    else
        header.nSkippedColors = (int)bih.biClrUsed;
    return TRUE;
}

DWORD CBmpHeader::InfoBytes() const
{
    return nHeaderBytes + nMaskBytes + (DWORD)(nColors + nSkippedColors) * nEntryBytes;
}

DWORD CBmpHeader::PackedInfoBytes() const
{
    return sizeof(BITMAPINFOHEADER) + (bih.biCompression == BI_BITFIELDS ? sizeof(masks) : 0)
        + (DWORD)nColors * sizeof(RGBQUAD);
}

BOOL ReadBmpInfo(const BYTE* p, size_t n, CBmpHeader& header, std::vector<BYTE>& info)
{
    if (!ReadBmpHeader(p, n, header) || header.InfoBytes() > n)
        return FALSE;
    info.assign(header.PackedInfoBytes(), 0);
    BITMAPINFOHEADER bih = header.bih;
    bih.biSize = sizeof(BITMAPINFOHEADER);
    const LONG cy = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    bih.biHeight = cy;
    if (bih.biCompression != BI_BITFIELDS)
        bih.biCompression = BI_RGB;
    bih.biSizeImage = (DWORD)RowBytes(bih.biWidth, bih.biBitCount) * (DWORD)cy;
    bih.biClrUsed = bih.biBitCount <= 8 ? (DWORD)header.nColors : 0;
    bih.biClrImportant = 0;
    memcpy(&info[0], &bih, sizeof(bih));
    BYTE* pTable = &info[sizeof(bih)];
    if (bih.biCompression == BI_BITFIELDS)
    {
        memcpy(pTable, header.masks, sizeof(header.masks));
        pTable += sizeof(header.masks);
    }
    const BYTE* pColors = p + header.nHeaderBytes + header.nMaskBytes;
    for (int i = 0; i < header.nColors; i++, pTable += sizeof(RGBQUAD))
        memcpy(pTable, pColors + (size_t)i * header.nEntryBytes, 3);
    return TRUE;
}

BOOL UnpackBmp(const BYTE* p, size_t n, DWORD dwBitsAt, std::vector<BYTE>& packed)
{
    CBmpHeader header;
    std::vector<BYTE> info;
    if (!ReadBmpInfo(p, n, header, info))
        return FALSE;
    // the bits follow the colour table unless the file says they start further on
    size_t nBitsAt = header.InfoBytes();
    if (dwBitsAt > nBitsAt)
        nBitsAt = dwBitsAt;
    if (nBitsAt > n)
        return FALSE;
    const BITMAPINFOHEADER& bih = header.bih;
    const int cy = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    const int nStride = RowBytes(bih.biWidth, bih.biBitCount);
    const size_t nImage = (size_t)nStride * cy;
    const BYTE* pData = p + nBitsAt;
    size_t nData = n - nBitsAt;

    const bool bRle = bih.biCompression == BI_RLE8 || bih.biCompression == BI_RLE4;
    if (!bRle && nData < nImage)
        return FALSE;
    packed.assign(info.size() + nImage, 0);
    memcpy(&packed[0], &info[0], info.size());
    BYTE* pBits = &packed[info.size()];
    if (bRle)
    {
        // the size the header gives, where it gives one that the data holds
        if (bih.biSizeImage != 0 && bih.biSizeImage < nData)
            nData = bih.biSizeImage;
        return DecodeRle(pData, nData, bih, pBits, nStride);
    }
    if (bih.biHeight < 0)
    {
        for (int y = 0; y < cy; y++)
            memcpy(pBits + (size_t)(cy - 1 - y) * nStride, pData + (size_t)y * nStride, nStride);
    }
    else
        memcpy(pBits, pData, nImage);
    return TRUE;
}
}
