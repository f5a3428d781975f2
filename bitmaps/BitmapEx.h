// BitmapEx.h - CBitmapEx, a device-independent bitmap that loads picture files, draws itself
// fitted, resampled and sharpened, mixes itself into other pictures and gives pixel access.
#pragma once

#include <afxwin.h>

// Drawing modes of CBitmapEx::CalcDestRect, Draw and the drawing functions built on them.
#define BMPEX_FIT      0x0001   // keep the proportions and centre in the destination
#define BMPEX_SMOOTH   0x0002   // resample (ScaleBitmapEx) when the drawn size differs
#define BMPEX_ENLARGE  0x0004   // with BMPEX_FIT: also enlarge a smaller picture
#define BMPEX_SHARPEN  0x0008   // with BMPEX_SMOOTH: sharpen what was resampled

// How CBitmapEx::CombineWithBitmap lays one picture over another: seven 32-bit fields, in this
// order, so that hosts can fill the record from their own storage.
struct SCombineParams
{
    int nPlacement;         // COMBINE_PLACE_*
    BOOL bUseKey;           // clrKey and clrKeyTolerance apply
    COLORREF clrKey;        // the other picture's transparent colour
    COLORREF clrKeyTolerance; // per-channel tolerance, laid out like a colour
    BOOL bUseOpacity;       // mix the result with what was there
    int nTransparency;      // percent, 0..100
    int nBlendMode;         // COMBINE_BLEND_*; any other value copies
};

// SCombineParams::nPlacement
#define COMBINE_PLACE_CENTER        0
#define COMBINE_PLACE_STRETCH       1
#define COMBINE_PLACE_FIT           2
#define COMBINE_PLACE_TOPLEFT       3
#define COMBINE_PLACE_TOPCENTER     4
#define COMBINE_PLACE_TOPRIGHT      5
#define COMBINE_PLACE_MIDDLELEFT    6
#define COMBINE_PLACE_MIDDLECENTER  7
#define COMBINE_PLACE_MIDDLERIGHT   8
#define COMBINE_PLACE_BOTTOMLEFT    9
#define COMBINE_PLACE_BOTTOMCENTER  10
#define COMBINE_PLACE_BOTTOMRIGHT   11

// SCombineParams::nBlendMode
#define COMBINE_BLEND_COPY          0
#define COMBINE_BLEND_ADD           1
#define COMBINE_BLEND_SUBTRACT      2
#define COMBINE_BLEND_MULTIPLY      3
#define COMBINE_BLEND_LIGHTEN       4
#define COMBINE_BLEND_DARKEN        5
#define COMBINE_BLEND_DIFFERENCE    6
#define COMBINE_BLEND_SCREEN        7
#define COMBINE_BLEND_OR            8
#define COMBINE_BLEND_AND           9
#define COMBINE_BLEND_XOR           10
#define COMBINE_BLEND_INVERT        11

/////////////////////////////////////////////////////////////////////////////
// CBitmapEx
//
// The handle is always a DIB section that the object made itself: its rows are stored bottom-up
// (as in a BMP file, and as DrawDibDraw needs them), padded to a multiple of four bytes.  The pixel
// functions address the bits as they lie in memory, so row 0 of GetPixel/SetPixel is the bottom
// row of the picture; every drawing function works in the usual device orientation.
//
// A bitmap that was attached from elsewhere (CBitmap::Attach of a device-dependent bitmap) is
// turned into a DIB section of the same content the first time its bits are needed.

class AFX_EXT_CLASS CBitmapEx : public CBitmap
{
    DECLARE_DYNCREATE(CBitmapEx)
public:
    CBitmapEx();
    virtual ~CBitmapEx();

    // Largest side of a picture loaded through OLE, 0 = no limit (see OleLoad).
    int m_nLoadSize;

    // Loading and saving.  Paths containing ".bmp" are read directly; ".gif", ".jpg", ".ico",
    // ".emf" and ".wmf" through OLE.  0 when the file cannot be read or is of another type.
    int Load(const char* lpszPath, int* pWidth = NULL, int* pHeight = NULL);
    int BmpLoad(const char* lpszPath);
    // The picture is rendered at its own size in screen pixels, brought to *pWidth / *pHeight
    // (else m_nLoadSize) with its proportions kept when it is a metafile (".wmf") or larger than
    // m_nLoadSize, over the button-face colour.
    int OleLoad(const char* lpszPath, int* pWidth = NULL, int* pHeight = NULL);
    int Save(const char* lpszPath);
    // Reads a BITMAPINFOHEADER (or an older BITMAPCOREHEADER) and its colour table from the
    // file's position and keeps them as this object's header, in the form every image of the
    // class has (plain header, bottom-up, uncompressed); 0 for a header it cannot use.
    int LoadBITMAPINFOHEADER(CFile& file);
    // A header (with room for a colour table up to 8 bits per pixel) for a DIB of pBitmap's size
    // and colour depth, rounded up to 1, 4, 8, 16, 24 or 32 bits; the caller frees it with
    // LocalFree.  NULL for an empty bitmap.
    BITMAPINFO* CreateBitmapInfoStruct(BITMAP* pBitmap);

    // A new 24-bit (32-bit) DIB of nWidth x nHeight pixels replaces the image.  It gets a copy of
    // hSource drawn at (0, 0) at its own size, or else the rows at pBits (in this DIB's layout),
    // or else black.  hSource may be this object's own handle.
    int CreateDIBitmap(CDC* pDC, int nWidth, int nHeight, HBITMAP hSource = NULL, BYTE* pBits = NULL);
    int CreateDIBitmap32(CDC* pDC, int nWidth, int nHeight, HBITMAP hSource = NULL, BYTE* pBits = NULL);

    // Drawing (BMPEX_* modes).  A NULL source is the whole bitmap, a NULL destination the source.
    CRect CalcDestRect(const CRect* pDest, const CRect* pSource, WORD wMode);
    int Draw(CDC& dc, const CRect* pDest, const CRect* pSource, WORD wMode);
    int Draw(CDC* pDC);                 // at (0, 0), at its own size
    // Through a temporary image list, centred in pDest at CalcDestRect's size (resampled with
    // BMPEX_SMOOTH, else at its own size).  An image whose top would lie above the DC's origin
    // is handed over upside down, as the image lists of old hosts expected.
    int Draw_ImLst(CDC& dc, const CRect* pDest, const CRect* pSource, WORD wMode);
    // The bitmap laid over what dc shows, nPercent (0..100) being its transparency.
    int DrawTransparent(CDC& dc, const CRect* pDest, const CRect* pSource, WORD wMode, int nPercent);
    int DrawTransparentEx(CDC& dc, const CRect* pDest, WORD wMode, int nPercent);
    // As DrawTransparent, but where the bitmap shows clrMask (within clrTolerance per channel)
    // the destination stays, or is shaded by the pixel's difference from clrMask.
    int DrawMask(CDC& dc, const CRect* pDest, const CRect* pSource, WORD wMode, COLORREF clrMask,
        COLORREF clrTolerance, int nPercent);
    int DrawMaskEx(CDC& dc, const CRect* pDest, WORD wMode, COLORREF clrMask, COLORREF clrTolerance,
        int nPercent);

    // Resamples the bitmap in place to the size CalcDestRect gives for (0, 0, nWidth, nHeight).
    int ScaleBitmap(int nWidth, int nHeight, WORD wMode);
    // Draws pOther into this bitmap as pParams says (pOther may be rescaled in place).
    void CombineWithBitmap(CBitmapEx* pOther, SCombineParams* pParams);

    // Pixel access: the pixel's bytes (blue, green, red[, fourth]) in the low bytes of the value.
    // Out-of-range coordinates read 0 and write nothing.
    DWORD GetPixel(int x, int y);
    void SetPixel(int x, int y, DWORD dwPixel);
    // The pixel becomes ApplyTransparency(pixel, clr, dwPercent); dwExtra has no effect.
    void CombinePixel(int x, int y, DWORD clr, DWORD dwExtra, DWORD dwPercent);

    // A palette made from the colour table, or a halftone palette for deeper bitmaps.
    int CreatePalette();
    CPalette* GetPalette() { return m_palette.GetSafeHandle() != NULL ? &m_palette : NULL; }
    // A memory DC (compatible with hDC, NULL = the screen) with the bitmap and its palette
    // selected, kept until ReleaseMemDC.  While it is held the bitmap cannot be selected elsewhere.
    CDC* GetMemDC(HDC hDC = NULL);
    void ReleaseMemDC();

    int Width();
    int Height();
    int ByteWidth();                    // bytes per row, padded to a multiple of 4
    CRect GetRect();
    BYTE* GetBits();
    int GetBitsPerPixel();
    int GetNumPaletteColors();
    // the DIB's header and colour table; without a bitmap, a header read by LoadBITMAPINFOHEADER
    const BITMAPINFO* GetBitmapInfo();

    // Releases the image: bits, header, palette and memory DC.  The drawing handle stays.
    BOOL DeleteObject();
    void DrawDibClose();

protected:
    BITMAPINFO* m_pBMI;     // header and colour table of the DIB section
    BYTE* m_pBits;          // the DIB section's bits
    HGDIOBJ m_hDibObject;   // the handle m_pBMI and m_pBits describe
    HANDLE m_hDrawDib;      // HDRAWDIB, opened on the first draw
    CPalette m_palette;
    CDC* m_pMemDC;
    HGDIOBJ m_hOldMemBitmap;
    HPALETTE m_hOldMemPalette;

    // makes sure m_pBMI/m_pBits describe the current handle; FALSE without a bitmap
    BOOL PrepareBits();
    BOOL QueryBitmap(BITMAP& bm);
    // the new DIB section hDib (with its header) replaces the image
    BOOL AttachDib(HBITMAP hDib, const BITMAPINFO* pbmi, BYTE* pBits);
    // the same, taking over pbmi (allocated with malloc)
    void Adopt(HBITMAP hDib, BITMAPINFO* pbmi, BYTE* pBits);
    BOOL CreateDib(CDC* pDC, int nWidth, int nHeight, int nBitCount, HBITMAP hSource, BYTE* pBits);
    void FreeHeader();
    // target becomes a copy of the source rectangle (24 or 32 bits)
    BOOL CopyRectTo(CBitmapEx& target, const CRect& rectSource);
    // the source rectangle resampled to size (ScaleBitmapEx); NULL when it cannot be made
    HBITMAP ScaleSource(const CRect& rectSource, const CSize& size);
    BOOL IsWholeBitmap(const CRect& rectSource);
    BYTE* PixelAddress(int x, int y);
    BOOL TakeOver(CBitmapEx& src);

    typedef COLORREF (*PFNMIXPIXEL)(COLORREF clrDest, COLORREF clrSource, const void* pContext);
    // Lays the bitmap over rectDest of dc (at most the bitmap's size), pixel by pixel.
    int MixIntoDC(CDC& dc, const CRect& rectDest, PFNMIXPIXEL pfnMix, const void* pContext);

private:
    CBitmapEx(const CBitmapEx&);
    void operator=(const CBitmapEx&);
};
