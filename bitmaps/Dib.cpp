// Dib.cpp - CDib: a packed DIB in memory, BMP files, clipboard handles and archives.
#include "Dib.h"
#include "DibUtil.h"

#include <string.h>
#include <vector>

IMPLEMENT_SERIAL(CDib, CObject, 0)

namespace
{
const WORD wBmpSignature = 0x4D42;  // "BM"

// The packed form keeps a plain header: masks (with BI_BITFIELDS), then the colour table.
DWORD ColorBytes(const BITMAPINFOHEADER& bih)
{
    DWORD dwBytes = bih.biBitCount <= 8 ? bih.biClrUsed * sizeof(RGBQUAD) : 0;
    if (bih.biCompression == BI_BITFIELDS)
        dwBytes += 3 * sizeof(DWORD);
    return dwBytes;
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
    return m_pBMIH != NULL && m_pBMIH->biBitCount <= 8 ? (int)m_pBMIH->biClrUsed : 0;
}

int CDib::PaletteSize() const
{
    return m_pBMIH != NULL ? (int)ColorBytes(*m_pBMIH) : 0;
}

DWORD CDib::PackedSize() const
{
    if (m_pBMIH == NULL)
        return 0;
    return m_pBMIH->biSize + ColorBytes(*m_pBMIH) + m_pBMIH->biSizeImage;
}

BOOL CDib::SetPackedDib(const BYTE* pImage, size_t nSize, DWORD dwBitsAt)
{
    // unpacked aside first, so that a broken image leaves this one as it was
    std::vector<BYTE> packed;
    if (pImage == NULL || !DibUtil::UnpackBmp(pImage, nSize, dwBitsAt, packed))
        return FALSE;
    Invalidate();
    m_pDib = new BYTE[packed.size()];
    memcpy(m_pDib, &packed[0], packed.size());
    m_pBMIH = (BITMAPINFOHEADER*)m_pDib;
    m_pBits = m_pDib + m_pBMIH->biSize + ColorBytes(*m_pBMIH);
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
    const int ySource = Height() - rectSource.bottom;
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
// where the bits start in what follows the file header; 0 lets them follow the colour table
DWORD BitsAt(const BITMAPFILEHEADER& bfh)
{
    return bfh.bfOffBits > sizeof(bfh) ? bfh.bfOffBits - (DWORD)sizeof(bfh) : 0;
}
}

DWORD CDib::Read(CFile& file)
{
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
        if (!SetPackedDib(&image[0], image.size(), BitsAt(bfh)))
            return 0;
        return sizeof(bfh) + nRead;
    }
    catch (CException* e)
    {
        e->Delete();
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

    BITMAPFILEHEADER bfh;
    ar.EnsureRead(&bfh, sizeof(bfh));
    if (bfh.bfType != wBmpSignature || bfh.bfSize < sizeof(bfh))
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    const DWORD dwImage = bfh.bfSize - sizeof(bfh);
    if (dwImage == 0)
    {
        Invalidate();
        return;
    }
    std::vector<BYTE> image(dwImage);
    ar.EnsureRead(&image[0], dwImage);
    if (!SetPackedDib(&image[0], image.size(), BitsAt(bfh)))
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
    if (hGlobal == NULL)
        return FALSE;
    const SIZE_T nSize = ::GlobalSize(hGlobal);
    const BYTE* p = (const BYTE*)::GlobalLock(hGlobal);
    if (p == NULL)
        return FALSE;
    const BOOL bOK = SetPackedDib(p, nSize, 0);
    ::GlobalUnlock(hGlobal);
    return bOK;
}
