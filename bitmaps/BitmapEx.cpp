// BitmapEx.cpp - CBitmapEx: making, loading and saving the DIB, pixel access, palette and
// memory DC.  The drawing functions are in BitmapExDraw.cpp.
#include "BitmapEx.h"
#include "DibUtil.h"
#include "colors/UILColor.h"

#include <ole2.h>
#include <olectl.h>
#include <vfw.h>
#include <string.h>
#include <stdlib.h>
#include <vector>

IMPLEMENT_DYNCREATE(CBitmapEx, CBitmap)

namespace
{
// Widest and tallest picture made; larger sizes are taken for mistakes.
const int nMaxSide = 32768;

int ColorTableEntries(const BITMAPINFOHEADER& bih)
{
    if (bih.biBitCount <= 8)
    {
        const DWORD nMax = 1u << bih.biBitCount;
        return (int)(bih.biClrUsed != 0 && bih.biClrUsed < nMax ? bih.biClrUsed : nMax);
    }
    return 0;
}

// Bytes of BITMAPINFO for the header: the header itself, the bit-field masks, the colour table.
size_t InfoSize(const BITMAPINFOHEADER& bih)
{
    size_t nSize = sizeof(BITMAPINFOHEADER) + ColorTableEntries(bih) * sizeof(RGBQUAD);
    if (bih.biCompression == BI_BITFIELDS)
        nSize += 3 * sizeof(DWORD);
    return nSize;
}

BITMAPINFO* CopyInfo(const BITMAPINFO* pbmi)
{
    const size_t nSize = InfoSize(pbmi->bmiHeader);
    BITMAPINFO* pCopy = (BITMAPINFO*)malloc(nSize);
    if (pCopy != NULL)
        memcpy(pCopy, pbmi, nSize);
    return pCopy;
}

BOOL ContainsNoCase(const char* lpszText, const char* lpszPart)
{
    CString strText(lpszText);
    strText.MakeLower();
    return strText.Find(lpszPart) >= 0;
}
}

CBitmapEx::CBitmapEx()
    : m_nLoadSize(0), m_pBMI(NULL), m_pBits(NULL), m_hDibObject(NULL), m_hDrawDib(NULL),
      m_pMemDC(NULL), m_hOldMemBitmap(NULL), m_hOldMemPalette(NULL)
{
}

CBitmapEx::~CBitmapEx()
{
    DeleteObject();
    DrawDibClose();
}

/////////////////////////////////////////////////////////////////////////////
// The image

void CBitmapEx::FreeHeader()
{
    free(m_pBMI);
    m_pBMI = NULL;
    m_pBits = NULL;
    m_hDibObject = NULL;
}

BOOL CBitmapEx::DeleteObject()
{
    ReleaseMemDC();
    m_palette.DeleteObject();
    FreeHeader();
    return CBitmap::DeleteObject();
}

void CBitmapEx::DrawDibClose()
{
    if (m_hDrawDib != NULL)
    {
        ::DrawDibClose((HDRAWDIB)m_hDrawDib);
        m_hDrawDib = NULL;
    }
}

BOOL CBitmapEx::AttachDib(HBITMAP hDib, const BITMAPINFO* pbmi, BYTE* pBits)
{
    // pbmi may be this object's own header, so it is copied before the old image goes
    BITMAPINFO* pCopy = CopyInfo(pbmi);
    if (pCopy == NULL)
    {
        ::DeleteObject(hDib);
        return FALSE;
    }
    pCopy->bmiHeader.biSizeImage = (DWORD)DibUtil::RowBytes(pCopy->bmiHeader.biWidth,
        pCopy->bmiHeader.biBitCount) * (DWORD)pCopy->bmiHeader.biHeight;
    Adopt(hDib, pCopy, pBits);
    return TRUE;
}

void CBitmapEx::Adopt(HBITMAP hDib, BITMAPINFO* pbmi, BYTE* pBits)
{
    DeleteObject();
    m_pBMI = pbmi;
    m_pBits = pBits;
    Attach(hDib);
    m_hDibObject = hDib;
}

BOOL CBitmapEx::TakeOver(CBitmapEx& src)
{
    if (src.m_hObject == NULL || src.m_hDibObject != src.m_hObject)
        return FALSE;
    src.ReleaseMemDC();
    src.m_palette.DeleteObject();
    BITMAPINFO* pbmi = src.m_pBMI;
    BYTE* pBits = src.m_pBits;
    src.m_pBMI = NULL;
    src.FreeHeader();
    Adopt((HBITMAP)src.Detach(), pbmi, pBits);
    return TRUE;
}

BOOL CBitmapEx::CreateDib(CDC* pDC, int nWidth, int nHeight, int nBitCount, HBITMAP hSource,
    BYTE* pBits)
{
    if (nWidth <= 0 || nHeight <= 0 || nWidth > nMaxSide || nHeight > nMaxSide)
        return FALSE;
    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    DibUtil::InitHeader(bmi.bmiHeader, nWidth, nHeight, nBitCount);
    void* pvBits = NULL;
    HBITMAP hDib = ::CreateDIBSection(pDC != NULL ? pDC->GetSafeHdc() : NULL, &bmi, DIB_RGB_COLORS,
        &pvBits, NULL, 0);
    if (hDib == NULL)
        return FALSE;

    BYTE* pNew = (BYTE*)pvBits;
    const int nStride = DibUtil::RowBytes(nWidth, nBitCount);
    if (pBits != NULL && hSource == NULL)
        memcpy(pNew, pBits, (size_t)nStride * nHeight);
    else if (hSource != NULL)
    {
        // the source's top-left corner goes to the top-left corner; rows are bottom-up in both
        DibUtil::CPixels source;
        if (!DibUtil::ReadPixels(hSource, nBitCount, source))
        {
            ::DeleteObject(hDib);
            return FALSE;
        }
        const int cx = source.cx < nWidth ? source.cx : nWidth;
        const int cy = source.cy < nHeight ? source.cy : nHeight;
        for (int y = 0; y < cy; y++)
        {
            memcpy(pNew + (size_t)(nHeight - 1 - y) * nStride, source.Row(source.cy - 1 - y),
                (size_t)cx * nBitCount / 8);
        }
    }
    return AttachDib(hDib, &bmi, pNew);
}

int CBitmapEx::CreateDIBitmap(CDC* pDC, int nWidth, int nHeight, HBITMAP hSource, BYTE* pBits)
{
    return CreateDib(pDC, nWidth, nHeight, 24, hSource, pBits) ? 1 : 0;
}

int CBitmapEx::CreateDIBitmap32(CDC* pDC, int nWidth, int nHeight, HBITMAP hSource, BYTE* pBits)
{
    return CreateDib(pDC, nWidth, nHeight, 32, hSource, pBits) ? 1 : 0;
}

BOOL CBitmapEx::PrepareBits()
{
    if (m_hObject == NULL)
        return FALSE;
    if (m_hDibObject == m_hObject && m_pBits != NULL)
    {
        ::GdiFlush();
        return TRUE;
    }
    // a bitmap attached from elsewhere becomes a DIB section of this class's own layout
    BITMAP bm;
    if (!QueryBitmap(bm))
        return FALSE;
    return CreateDib(NULL, bm.bmWidth, Height(), bm.bmBitsPixel == 32 ? 32 : 24, (HBITMAP)m_hObject, NULL);
}

BITMAPINFO* CBitmapEx::CreateBitmapInfoStruct(BITMAP* pBitmap)
{
    if (pBitmap == NULL || pBitmap->bmWidth <= 0 || pBitmap->bmHeight == 0)
        return NULL;
    int nBits = pBitmap->bmPlanes * pBitmap->bmBitsPixel;
    if (nBits == 1)
        ;
    else if (nBits <= 4)
        nBits = 4;
    else if (nBits <= 8)
        nBits = 8;
    else if (nBits <= 16)
        nBits = 16;
    else if (nBits <= 24)
        nBits = 24;
    else
        nBits = 32;

    const int nColors = nBits <= 8 ? (1 << nBits) : 0;
    BITMAPINFO* pbmi = (BITMAPINFO*)::LocalAlloc(LPTR,
        sizeof(BITMAPINFOHEADER) + nColors * sizeof(RGBQUAD));
    if (pbmi == NULL)
        return NULL;
    DibUtil::InitHeader(pbmi->bmiHeader, pBitmap->bmWidth, pBitmap->bmHeight, nBits);
    pbmi->bmiHeader.biClrUsed = nColors;
    return pbmi;
}

/////////////////////////////////////////////////////////////////////////////
// BMP files

int CBitmapEx::LoadBITMAPINFOHEADER(CFile& file)
{
    // a new header begins a new image
    DeleteObject();

    // the header, the masks that may follow it, then as much colour table as it asks for
    std::vector<BYTE> stored(sizeof(DWORD));
    if (file.Read(&stored[0], sizeof(DWORD)) != sizeof(DWORD))
        return 0;
    DWORD dwSize;
    memcpy(&dwSize, &stored[0], sizeof(dwSize));
    if (dwSize < sizeof(BITMAPCOREHEADER) || dwSize > sizeof(BITMAPV5HEADER))
        return 0;
    stored.resize(dwSize + 3 * sizeof(DWORD));
    const UINT nHeader = file.Read(&stored[sizeof(DWORD)], dwSize - sizeof(DWORD) + 3 * sizeof(DWORD));
    stored.resize(sizeof(DWORD) + nHeader);
    DibUtil::CBmpHeader header;
    if (!DibUtil::ReadBmpHeader(&stored[0], stored.size(), header))
        return 0;
    const size_t nRead = stored.size();
    stored.resize(header.InfoBytes());
    if (stored.size() > nRead)
    {
        const UINT nMore = (UINT)(stored.size() - nRead);
        if (file.Read(&stored[nRead], nMore) != nMore)
            return 0;
    }
    else
        file.Seek(-(LONGLONG)(nRead - stored.size()), CFile::current);
    std::vector<BYTE> info;
    if (!DibUtil::ReadBmpInfo(&stored[0], stored.size(), header, info))
        return 0;
    m_pBMI = (BITMAPINFO*)malloc(info.size());
    if (m_pBMI == NULL)
        return 0;
    memcpy(m_pBMI, &info[0], info.size());
    return 1;
}

int CBitmapEx::BmpLoad(const char* lpszPath)
{
    if (lpszPath == NULL)
        return 0;
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return 0;

    // read into a second object, so that a damaged file leaves this image as it was
    CBitmapEx loaded;
    try
    {
        const ULONGLONG nLength = file.GetLength();
        BITMAPFILEHEADER bfh;
        if (nLength > 0x7FFFFFFF || file.Read(&bfh, sizeof(bfh)) != sizeof(bfh)
            || bfh.bfType != 0x4D42)   // "BM"
            return 0;
        std::vector<BYTE> image((size_t)nLength - sizeof(bfh) + 1);
        image.resize(file.Read(&image[0], (UINT)image.size() - 1));
        std::vector<BYTE> packed;
        if (image.empty() || !DibUtil::UnpackBmp(&image[0], image.size(),
                bfh.bfOffBits > sizeof(bfh) ? bfh.bfOffBits - (DWORD)sizeof(bfh) : 0, packed))
            return 0;
        const BITMAPINFO* pbmi = (const BITMAPINFO*)&packed[0];
        const size_t nInfo = InfoSize(pbmi->bmiHeader);
        void* pvBits = NULL;
        HBITMAP hDib = ::CreateDIBSection(NULL, pbmi, DIB_RGB_COLORS, &pvBits, NULL, 0);
        if (hDib == NULL)
            return 0;
        memcpy(pvBits, &packed[nInfo], packed.size() - nInfo);
        if (!loaded.AttachDib(hDib, pbmi, (BYTE*)pvBits))
            return 0;
    }
    catch (CException* e)
    {
        e->Delete();
        return 0;
    }
    return TakeOver(loaded) ? 1 : 0;
}

int CBitmapEx::Save(const char* lpszPath)
{
    if (lpszPath == NULL || !PrepareBits())
        return 0;
    const BITMAPINFOHEADER& bih = m_pBMI->bmiHeader;
    const DWORD dwInfo = (DWORD)InfoSize(bih);
    const DWORD dwBits = (DWORD)DibUtil::RowBytes(bih.biWidth, bih.biBitCount) * (DWORD)bih.biHeight;

    BITMAPFILEHEADER bfh;
    memset(&bfh, 0, sizeof(bfh));
    bfh.bfType = 0x4D42;    // "BM"
    bfh.bfOffBits = sizeof(BITMAPFILEHEADER) + dwInfo;
    bfh.bfSize = bfh.bfOffBits + dwBits;

    CFile file;
    if (!file.Open(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        return 0;
    try
    {
        file.Write(&bfh, sizeof(bfh));
        file.Write(m_pBMI, dwInfo);
        file.Write(m_pBits, dwBits);
        file.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        return 0;
    }
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Other picture files, through OLE

int CBitmapEx::Load(const char* lpszPath, int* pWidth, int* pHeight)
{
    if (lpszPath == NULL)
        return 0;
    if (ContainsNoCase(lpszPath, ".bmp"))
        return BmpLoad(lpszPath);
    static const char* const s_apszOleTypes[] = { ".gif", ".jpg", ".ico", ".emf", ".wmf" };
    for (size_t i = 0; i < sizeof(s_apszOleTypes) / sizeof(s_apszOleTypes[0]); i++)
    {
        if (ContainsNoCase(lpszPath, s_apszOleTypes[i]))
            return OleLoad(lpszPath, pWidth, pHeight);
    }
    return 0;
}

int CBitmapEx::OleLoad(const char* lpszPath, int* pWidth, int* pHeight)
{
    if (lpszPath == NULL)
        return 0;
    WCHAR wszPath[MAX_PATH * 2];
    if (::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, wszPath, MAX_PATH * 2) == 0)
        return 0;

    IPicture* pPicture = NULL;
    HRESULT hr = ::OleLoadPicturePath(wszPath, NULL, 0, 0, IID_IPicture, (void**)&pPicture);
    BOOL bUninitialize = FALSE;
    if (hr == CO_E_NOTINITIALIZED)
    {
        // a worker thread that never started COM (the thumbnail filler) still gets its picture
        bUninitialize = SUCCEEDED(::CoInitialize(NULL));
        hr = ::OleLoadPicturePath(wszPath, NULL, 0, 0, IID_IPicture, (void**)&pPicture);
    }
    int nResult = 0;
    if (SUCCEEDED(hr) && pPicture != NULL)
    {
        OLE_XSIZE_HIMETRIC hmWidth = 0;
        OLE_YSIZE_HIMETRIC hmHeight = 0;
        pPicture->get_Width(&hmWidth);
        pPicture->get_Height(&hmHeight);

        HDC hScreen = ::GetDC(NULL);
        const int nLogX = ::GetDeviceCaps(hScreen, LOGPIXELSX);
        const int nLogY = ::GetDeviceCaps(hScreen, LOGPIXELSY);
        ::ReleaseDC(NULL, hScreen);
        long long w = ((long long)hmWidth * nLogX + 1270) / 2540;
        long long h = ((long long)hmHeight * nLogY + 1270) / 2540;

        if (w > 0 && h > 0
            && (ContainsNoCase(lpszPath, ".wmf")
                || (m_nLoadSize > 0 && (w > m_nLoadSize || h > m_nLoadSize))))
        {
            // a size of 0 (none asked for, no limit set) leaves that side as it is
            const int nTargetWidth = pWidth != NULL && *pWidth > 0 ? *pWidth : m_nLoadSize;
            const int nTargetHeight = pHeight != NULL && *pHeight > 0 ? *pHeight : m_nLoadSize;
            if (w > h)
            {
                if (nTargetWidth > 0)
                {
                    h = h * nTargetWidth / w;
                    w = nTargetWidth;
                }
            }
            else if (nTargetHeight > 0)
            {
                w = w * nTargetHeight / h;
                h = nTargetHeight;
            }
            if (w < 1)
                w = 1;
            if (h < 1)
                h = 1;
        }

        CBitmapEx rendered;
        if (w > 0 && h > 0 && rendered.CreateDib(NULL, (int)w, (int)h, 24, NULL, NULL))
        {
            CDC* pDC = rendered.GetMemDC(NULL);
            if (pDC != NULL)
            {
                RECT rect = { 0, 0, (int)w, (int)h };
                ::FillRect(pDC->m_hDC, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
                hr = pPicture->Render(pDC->m_hDC, 0, 0, (int)w, (int)h, 0, hmHeight, hmWidth,
                    -hmHeight, NULL);
                rendered.ReleaseMemDC();
                if (SUCCEEDED(hr) && TakeOver(rendered))
                    nResult = 1;
            }
        }
        pPicture->Release();
    }
    if (bUninitialize)
        ::CoUninitialize();
    return nResult;
}

/////////////////////////////////////////////////////////////////////////////
// Pixels

BYTE* CBitmapEx::PixelAddress(int x, int y)
{
    if (!PrepareBits())
        return NULL;
    const BITMAPINFOHEADER& bih = m_pBMI->bmiHeader;
    if (x < 0 || y < 0 || x >= bih.biWidth || y >= bih.biHeight || bih.biBitCount < 8)
        return NULL;
    return m_pBits + (size_t)y * DibUtil::RowBytes(bih.biWidth, bih.biBitCount)
        + (size_t)x * (bih.biBitCount / 8);
}

DWORD CBitmapEx::GetPixel(int x, int y)
{
    DWORD dwPixel = 0;
    const BYTE* p = PixelAddress(x, y);
    if (p != NULL)
        memcpy(&dwPixel, p, m_pBMI->bmiHeader.biBitCount / 8);
    return dwPixel;
}

void CBitmapEx::SetPixel(int x, int y, DWORD dwPixel)
{
    BYTE* p = PixelAddress(x, y);
    if (p != NULL)
        memcpy(p, &dwPixel, m_pBMI->bmiHeader.biBitCount / 8);
}

void CBitmapEx::CombinePixel(int x, int y, DWORD clr, DWORD dwExtra, DWORD dwPercent)
{
    UNUSED_ALWAYS(dwExtra);
    if (PixelAddress(x, y) != NULL)
        SetPixel(x, y, ::ApplyTransparency(GetPixel(x, y), clr, (int)dwPercent));
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

BOOL CBitmapEx::QueryBitmap(BITMAP& bm)
{
    return m_hObject != NULL && ::GetObjectA(m_hObject, sizeof(bm), &bm) != 0;
}

int CBitmapEx::Width()
{
    BITMAP bm;
    return QueryBitmap(bm) ? bm.bmWidth : 0;
}

int CBitmapEx::Height()
{
    BITMAP bm;
    return QueryBitmap(bm) ? (bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight) : 0;
}

int CBitmapEx::GetBitsPerPixel()
{
    BITMAP bm;
    return QueryBitmap(bm) ? bm.bmBitsPixel : 0;
}

int CBitmapEx::ByteWidth()
{
    BITMAP bm;
    return QueryBitmap(bm) ? DibUtil::RowBytes(bm.bmWidth, bm.bmBitsPixel) : 0;
}

CRect CBitmapEx::GetRect()
{
    return CRect(0, 0, Width(), Height());
}

BYTE* CBitmapEx::GetBits()
{
    return PrepareBits() ? m_pBits : NULL;
}

const BITMAPINFO* CBitmapEx::GetBitmapInfo()
{
    // without a bitmap, the header LoadBITMAPINFOHEADER read (or none)
    PrepareBits();
    return m_pBMI;
}

int CBitmapEx::GetNumPaletteColors()
{
    return PrepareBits() ? ColorTableEntries(m_pBMI->bmiHeader) : 0;
}

int CBitmapEx::CreatePalette()
{
    if (!PrepareBits())
        return 0;
    HPALETTE hPalette = NULL;
    const int nColors = ColorTableEntries(m_pBMI->bmiHeader);
    if (nColors > 0)
    {
        std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nColors * sizeof(PALETTEENTRY));
        LOGPALETTE* pLogPal = (LOGPALETTE*)&buffer[0];
        pLogPal->palVersion = 0x300;
        pLogPal->palNumEntries = (WORD)nColors;
        for (int i = 0; i < nColors; i++)
        {
            const RGBQUAD& q = m_pBMI->bmiColors[i];
            pLogPal->palPalEntry[i].peRed = q.rgbRed;
            pLogPal->palPalEntry[i].peGreen = q.rgbGreen;
            pLogPal->palPalEntry[i].peBlue = q.rgbBlue;
            pLogPal->palPalEntry[i].peFlags = 0;
        }
        hPalette = ::CreatePalette(pLogPal);
    }
    else
    {
        HDC hScreen = ::GetDC(NULL);
        hPalette = ::CreateHalftonePalette(hScreen);
        ::ReleaseDC(NULL, hScreen);
    }
    if (hPalette == NULL)
        return 0;

    if (m_pMemDC != NULL && m_hOldMemPalette != NULL)
    {
        ::SelectPalette(m_pMemDC->m_hDC, m_hOldMemPalette, FALSE);
        m_hOldMemPalette = NULL;
    }
    m_palette.DeleteObject();
    m_palette.Attach(hPalette);
    if (m_pMemDC != NULL)
    {
        m_hOldMemPalette = ::SelectPalette(m_pMemDC->m_hDC, hPalette, FALSE);
        ::RealizePalette(m_pMemDC->m_hDC);
    }
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Memory DC

CDC* CBitmapEx::GetMemDC(HDC hDC)
{
    if (m_pMemDC != NULL)
        return m_pMemDC;
    if (!PrepareBits())
        return NULL;
    HDC hMemDC = ::CreateCompatibleDC(hDC);
    if (hMemDC == NULL)
        return NULL;
    m_hOldMemBitmap = ::SelectObject(hMemDC, m_hObject);
    if (m_hOldMemBitmap == NULL)
    {
        // selected into another DC already
        ::DeleteDC(hMemDC);
        return NULL;
    }
    if (m_palette.GetSafeHandle() != NULL)
    {
        m_hOldMemPalette = ::SelectPalette(hMemDC, (HPALETTE)m_palette.m_hObject, FALSE);
        ::RealizePalette(hMemDC);
    }
    m_pMemDC = new CDC;
    m_pMemDC->Attach(hMemDC);
    return m_pMemDC;
}

void CBitmapEx::ReleaseMemDC()
{
    if (m_pMemDC == NULL)
        return;
    HDC hMemDC = m_pMemDC->Detach();
    if (m_hOldMemPalette != NULL)
        ::SelectPalette(hMemDC, m_hOldMemPalette, FALSE);
    ::SelectObject(hMemDC, m_hOldMemBitmap);
    ::DeleteDC(hMemDC);
    delete m_pMemDC;
    m_pMemDC = NULL;
    m_hOldMemBitmap = NULL;
    m_hOldMemPalette = NULL;
    ::GdiFlush();
}
