// Dib.cpp - CDib: a packed DIB in memory, BMP files, clipboard handles and archives.
#include "Dib.h"
#include "DibUtil.h"

#include <string.h>
#include <vector>

IMPLEMENT_SERIAL(CDib, CObject, 0)

namespace
{
const WORD wBmpSignature = 0x4D42;  // "BM"
const int nMaxSide = 32768;

BOOL IsUsableHeader(const BITMAPINFOHEADER& bih)
{
    if (bih.biSize < sizeof(BITMAPINFOHEADER) || bih.biPlanes != 1)
        return FALSE;
    const LONG cy = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    if (bih.biWidth <= 0 || bih.biWidth > nMaxSide || cy == 0 || cy > nMaxSide)
        return FALSE;
    switch (bih.biBitCount)
    {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        return FALSE;
    }
    switch (bih.biCompression)
    {
    case BI_RGB:
        return TRUE;
    case BI_BITFIELDS:
        return bih.biBitCount == 16 || bih.biBitCount == 32;
    case BI_RLE8:
        return bih.biBitCount == 8 && bih.biHeight > 0 && bih.biSizeImage != 0;
    case BI_RLE4:
        return bih.biBitCount == 4 && bih.biHeight > 0 && bih.biSizeImage != 0;
    default:
        return FALSE;
    }
}

DWORD ColorBytes(const BITMAPINFOHEADER& bih)
{
    DWORD nColors = bih.biClrUsed;
    if (bih.biBitCount <= 8 && (nColors == 0 || nColors > (1u << bih.biBitCount)))
        nColors = 1u << bih.biBitCount;
    DWORD dwBytes = nColors * sizeof(RGBQUAD);
    // the bit-field masks follow only the plain header; the larger ones hold them inside
    if (bih.biCompression == BI_BITFIELDS && bih.biSize == sizeof(BITMAPINFOHEADER))
        dwBytes += 3 * sizeof(DWORD);
    return dwBytes;
}

DWORD ImageBytes(const BITMAPINFOHEADER& bih)
{
    if (bih.biCompression == BI_RLE8 || bih.biCompression == BI_RLE4)
        return bih.biSizeImage;
    const LONG cy = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    return (DWORD)DibUtil::RowBytes(bih.biWidth, bih.biBitCount) * (DWORD)cy;
}
}

CDib::CDib()
    : m_pDib(NULL), m_pBMIH(NULL), m_pBits(NULL), m_pPalette(NULL), m_bValid(FALSE)
{
}

CDib::~CDib()
{
    Invalidate();
}

void CDib::Invalidate()
{
    delete m_pPalette;
    m_pPalette = NULL;
    delete[] m_pDib;
    m_pDib = NULL;
    m_pBMIH = NULL;
    m_pBits = NULL;
    m_bValid = FALSE;
}

int CDib::Width() const
{
    return m_pBMIH != NULL ? m_pBMIH->biWidth : 0;
}

int CDib::Height() const
{
    if (m_pBMIH == NULL)
        return 0;
    return m_pBMIH->biHeight < 0 ? -m_pBMIH->biHeight : m_pBMIH->biHeight;
}

int CDib::NumColors() const
{
    if (m_pBMIH == NULL)
        return 0;
    const DWORD dwBytes = ColorBytes(*m_pBMIH);
    const DWORD dwMasks = (m_pBMIH->biCompression == BI_BITFIELDS
        && m_pBMIH->biSize == sizeof(BITMAPINFOHEADER)) ? 3 * sizeof(DWORD) : 0;
    return (int)((dwBytes - dwMasks) / sizeof(RGBQUAD));
}

int CDib::PaletteSize() const
{
    return m_pBMIH != NULL ? (int)ColorBytes(*m_pBMIH) : 0;
}

DWORD CDib::PackedSize() const
{
    if (m_pBMIH == NULL)
        return 0;
    return m_pBMIH->biSize + ColorBytes(*m_pBMIH) + ImageBytes(*m_pBMIH);
}

BOOL CDib::SetPackedDib(const BYTE* pPacked, DWORD dwSize)
{
    Invalidate();
    if (pPacked == NULL || dwSize < sizeof(BITMAPINFOHEADER))
        return FALSE;
    BITMAPINFOHEADER bih;
    memcpy(&bih, pPacked, sizeof(bih));
    if (!IsUsableHeader(bih) || bih.biSize > dwSize)
        return FALSE;
    const DWORD dwTotal = bih.biSize + ColorBytes(bih) + ImageBytes(bih);
    if (dwTotal > dwSize)
        return FALSE;

    m_pDib = new BYTE[dwTotal];
    memcpy(m_pDib, pPacked, dwTotal);
    m_pBMIH = (BITMAPINFOHEADER*)m_pDib;
    m_pBits = m_pDib + bih.biSize + ColorBytes(bih);
    m_bValid = TRUE;
    MakePalette();
    return TRUE;
}

void CDib::MakePalette()
{
    const int nColors = NumColors();
    if (nColors == 0)
        return;
    const RGBQUAD* pColors = (const RGBQUAD*)((const BYTE*)m_pBMIH + m_pBMIH->biSize);
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nColors * sizeof(PALETTEENTRY));
    LOGPALETTE* pLogPal = (LOGPALETTE*)&buffer[0];
    pLogPal->palVersion = 0x300;
    pLogPal->palNumEntries = (WORD)nColors;
    for (int i = 0; i < nColors; i++)
    {
        pLogPal->palPalEntry[i].peRed = pColors[i].rgbRed;
        pLogPal->palPalEntry[i].peGreen = pColors[i].rgbGreen;
        pLogPal->palPalEntry[i].peBlue = pColors[i].rgbBlue;
        pLogPal->palPalEntry[i].peFlags = 0;
    }
    m_pPalette = new CPalette;
    if (!m_pPalette->CreatePalette(pLogPal))
    {
        delete m_pPalette;
        m_pPalette = NULL;
    }
}

BOOL CDib::Paint(HDC hDC, RECT* pDest, RECT* pSource)
{
    if (!m_bValid || hDC == NULL)
        return FALSE;
    const CRect rectSource = pSource != NULL ? CRect(*pSource) : CRect(0, 0, Width(), Height());
    const CRect rectDest = pDest != NULL ? CRect(*pDest) : rectSource;

    HPALETTE hOldPalette = NULL;
    if (m_pPalette != NULL)
    {
        hOldPalette = ::SelectPalette(hDC, (HPALETTE)m_pPalette->m_hObject, TRUE);
        ::RealizePalette(hDC);
    }
    const int nOldMode = ::SetStretchBltMode(hDC, COLORONCOLOR);
    // a bottom-up DIB counts its source rows from the bottom
    const int ySource = m_pBMIH->biHeight > 0 ? Height() - rectSource.bottom : rectSource.top;
    const int nLines = ::StretchDIBits(hDC, rectDest.left, rectDest.top, rectDest.Width(),
        rectDest.Height(), rectSource.left, ySource, rectSource.Width(), rectSource.Height(),
        m_pBits, (const BITMAPINFO*)m_pBMIH, DIB_RGB_COLORS, SRCCOPY);
    ::SetStretchBltMode(hDC, nOldMode);
    if (hOldPalette != NULL)
        ::SelectPalette(hDC, hOldPalette, TRUE);
    return nLines != 0 && nLines != (int)GDI_ERROR;
}

/////////////////////////////////////////////////////////////////////////////
// Files and archives
//
// The file holds BITMAPFILEHEADER and the packed DIB, whose bits may start further on than right
// after the colour table (bfOffBits says where).

namespace
{
// The packed DIB of a file image (what follows its BITMAPFILEHEADER).
BOOL PackFileImage(const BITMAPFILEHEADER& bfh, const std::vector<BYTE>& image,
    std::vector<BYTE>& packed)
{
    if (image.size() < sizeof(BITMAPINFOHEADER))
        return FALSE;
    BITMAPINFOHEADER bih;
    memcpy(&bih, &image[0], sizeof(bih));
    if (!IsUsableHeader(bih))
        return FALSE;
    const DWORD dwInfo = bih.biSize + ColorBytes(bih);
    const DWORD dwBits = ImageBytes(bih);
    DWORD dwBitsAt = dwInfo;
    if (bfh.bfOffBits >= sizeof(BITMAPFILEHEADER) + dwInfo)
        dwBitsAt = bfh.bfOffBits - sizeof(BITMAPFILEHEADER);
    if (dwInfo > image.size() || dwBitsAt > image.size() || dwBits > image.size() - dwBitsAt)
        return FALSE;
    packed.resize(dwInfo + dwBits);
    memcpy(&packed[0], &image[0], dwInfo);
    memcpy(&packed[dwInfo], &image[dwBitsAt], dwBits);
    return TRUE;
}
}

DWORD CDib::Read(CFile& file)
{
    Invalidate();
    try
    {
        BITMAPFILEHEADER bfh;
        if (file.Read(&bfh, sizeof(bfh)) != sizeof(bfh) || bfh.bfType != wBmpSignature)
            return 0;
        // bfSize says where the next thing in the file starts; where it cannot be right (some
        // tools write 0) the rest of the file is taken
        ULONGLONG nLeft = file.GetLength() - file.GetPosition();
        if (bfh.bfSize >= sizeof(bfh) + sizeof(BITMAPINFOHEADER) && bfh.bfSize - sizeof(bfh) <= nLeft)
            nLeft = bfh.bfSize - sizeof(bfh);
        if (nLeft == 0 || nLeft > 0x7FFFFFFF)
            return 0;
        std::vector<BYTE> image((size_t)nLeft);
        const UINT nRead = file.Read(&image[0], (UINT)nLeft);
        image.resize(nRead);
        std::vector<BYTE> packed;
        if (!PackFileImage(bfh, image, packed) || !SetPackedDib(&packed[0], (DWORD)packed.size()))
            return 0;
        return sizeof(bfh) + nRead;
    }
    catch (CException* e)
    {
        e->Delete();
        Invalidate();
        return 0;
    }
}

DWORD CDib::Save(CFile& file)
{
    if (!m_bValid)
        return 0;
    const DWORD dwPacked = PackedSize();
    BITMAPFILEHEADER bfh;
    memset(&bfh, 0, sizeof(bfh));
    bfh.bfType = wBmpSignature;
    bfh.bfSize = sizeof(bfh) + dwPacked;
    bfh.bfOffBits = sizeof(bfh) + m_pBMIH->biSize + ColorBytes(*m_pBMIH);
    try
    {
        file.Write(&bfh, sizeof(bfh));
        file.Write(m_pDib, dwPacked);
    }
    catch (CException* e)
    {
        e->Delete();
        return 0;
    }
    return bfh.bfSize;
}

void CDib::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        // an empty DIB is a file header with nothing after it
        const DWORD dwPacked = m_bValid ? PackedSize() : 0;
        BITMAPFILEHEADER bfh;
        memset(&bfh, 0, sizeof(bfh));
        bfh.bfType = wBmpSignature;
        bfh.bfSize = sizeof(bfh) + dwPacked;
        bfh.bfOffBits = m_bValid ? sizeof(bfh) + m_pBMIH->biSize + ColorBytes(*m_pBMIH) : sizeof(bfh);
        ar.Write(&bfh, sizeof(bfh));
        if (dwPacked != 0)
            ar.Write(m_pDib, dwPacked);
        return;
    }

    Invalidate();
    BITMAPFILEHEADER bfh;
    ar.EnsureRead(&bfh, sizeof(bfh));
    if (bfh.bfType != wBmpSignature || bfh.bfSize < sizeof(bfh))
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    const DWORD dwImage = bfh.bfSize - sizeof(bfh);
    if (dwImage == 0)
        return;
    std::vector<BYTE> image(dwImage);
    ar.EnsureRead(&image[0], dwImage);
    std::vector<BYTE> packed;
    if (!PackFileImage(bfh, image, packed) || !SetPackedDib(&packed[0], (DWORD)packed.size()))
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
}

/////////////////////////////////////////////////////////////////////////////
// Clipboard handles

HANDLE CDib::CopyToHandle()
{
    if (!m_bValid)
        return NULL;
    const DWORD dwPacked = PackedSize();
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, dwPacked);
    if (hGlobal == NULL)
        return NULL;
    void* p = ::GlobalLock(hGlobal);
    if (p == NULL)
    {
        ::GlobalFree(hGlobal);
        return NULL;
    }
    memcpy(p, m_pDib, dwPacked);
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}

BOOL CDib::ReadFromHandle(HANDLE hGlobal)
{
    Invalidate();
    if (hGlobal == NULL)
        return FALSE;
    const SIZE_T nSize = ::GlobalSize(hGlobal);
    const BYTE* p = (const BYTE*)::GlobalLock(hGlobal);
    if (p == NULL)
        return FALSE;
    const BOOL bOK = nSize <= 0xFFFFFFFF && SetPackedDib(p, (DWORD)nSize);
    ::GlobalUnlock(hGlobal);
    return bOK;
}
