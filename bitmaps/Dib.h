// Dib.h - CDib, one packed device-independent bitmap held in memory, read from and written to BMP
// files, clipboard handles and archives.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CDib : public CObject
{
    DECLARE_SERIAL(CDib)
public:
    CDib();
    virtual ~CDib();

    BOOL IsValid() const { return m_bValid; }
    void Invalidate();                  // frees the DIB and its palette

    int Width() const;
    int Height() const;                 // in pixels, whatever the row order
    int NumColors() const;              // entries of the colour table
    int PaletteSize() const;            // bytes of the colour table (and bit-field masks)
    const BITMAPINFOHEADER* GetHeader() const { return m_pBMIH; }
    const BYTE* GetBits() const { return m_pBits; }
    CPalette* GetPalette() { return m_pPalette; }

    // Draws the source rectangle (NULL = the whole DIB, top-left based) into the destination
    // (NULL = the source's size at its own place), realising the palette first.
    BOOL Paint(HDC hDC, RECT* pDest, RECT* pSource);

    // A BMP file at the file's position: the bytes read or written, 0 on failure.  Whatever
    // header, depth and compression the file has, the DIB is kept with a plain header and
    // uncompressed bottom-up rows.  A failed Read leaves the previous DIB as it was.
    DWORD Read(CFile& file);
    DWORD Save(CFile& file);

    // The packed DIB (header, colour table, bits) as the clipboard's CF_DIB format: a new movable
    // global block owned by the caller, NULL when the object is empty.
    HANDLE CopyToHandle();
    // Takes a copy of a CF_DIB block; FALSE (and the previous DIB kept) when it holds no usable DIB.
    BOOL ReadFromHandle(HANDLE hGlobal);

    // The DIB as a BMP file inside the archive.
    virtual void Serialize(CArchive& ar);

protected:
    BYTE* m_pDib;                       // header, colour table and bits in one block
    BITMAPINFOHEADER* m_pBMIH;
    BYTE* m_pBits;
    CPalette* m_pPalette;
    BOOL m_bValid;

    // adopts the BMP image of nSize bytes (a file's without its file header, or a CF_DIB
    // block), bits at dwBitsAt (0 = after the colour table); FALSE, keeping the old DIB, when
    // it is not a usable DIB
    BOOL SetPackedDib(const BYTE* pImage, size_t nSize, DWORD dwBitsAt);
    DWORD PackedSize() const;
    void MakePalette();

private:
    CDib(const CDib&);
    void operator=(const CDib&);
};
