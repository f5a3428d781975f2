// UILImages.h - the image collection that every toolbar, menu bar and flyout bar of the library
// draws its command images from, and the record a host fills when asked for a command's image.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxcoll.h>

/////////////////////////////////////////////////////////////////////////////
// CUILImageList
//
// An image list that knows where its images begin in the collection's global numbering, and
// whether the collection deletes it when it is removed.

// CUILImageList flags: the collection deletes the list when it is removed (or destroyed)
#define UILIMAGELIST_OWNED 0x00000001UL

class AFX_EXT_CLASS CUILImageList : public CImageList
{
public:
    CUILImageList();
    // deletes the Windows image list, as every CImageList does
    virtual ~CUILImageList();

    // the collection number of the list's first image; fixed when the list is added
    int GetStartIndex() const { return m_nStartIndex; }
    void SetStartIndex(int nStartIndex) { m_nStartIndex = nStartIndex; }
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
    // size of one image; FALSE (and 0 x 0) while the list has no Windows image list
    BOOL GetIconSize(int* pcx, int* pcy) const;

    DWORD m_dwFlags;        // UILIMAGELIST_OWNED
    int m_nStartIndex;

private:
    CUILImageList(const CUILImageList&) = delete;
    CUILImageList& operator=(const CUILImageList&) = delete;
};

/////////////////////////////////////////////////////////////////////////////
// CUILImagesCollection
//
// An ordered array of image lists in which every image has one number.  List k holds the
// numbers [start, start + count) where start was fixed when the list was added (the previous
// list's start plus its image count at that moment).  Start numbers are never recomputed: a
// number handed to an item stays valid when another list is removed.
//
// A number whose high 16 bits are non-zero names its list directly: 0x30005 is position 5 of
// list 3.

class AFX_EXT_CLASS CUILImagesCollection
{
public:
    CUILImagesCollection();
    // removes every list, deleting the owned ones
    virtual ~CUILImagesCollection();

    int GetSize() const { return (int)m_lists.GetSize(); }
    // NULL for an index out of range
    CUILImageList* GetAt(int nIndex) const;

    // Appends pList (flags as CUILImageList::m_dwFlags; UILIMAGELIST_OWNED hands the list over)
    // and fixes its start number.  Returns its index, -1 for a NULL list.
    int Add(CUILImageList* pList, unsigned long dwFlags);
    // Removes nCount lists from nIndex on, deleting the owned ones; the rest keep their numbers.
    void RemoveAt(int nIndex, int nCount = 1);
    void RemoveAll();

    // the index of the list holding image number nImage, -1 if none (a negative number is none)
    int FindImage(int nImage) const;
    // the index of the first list that is pImageList or has the handle hImageList; -1 if none
    int GetImgListIndex(HIMAGELIST hImageList, CImageList* pImageList) const;
    // the list FindImage names, NULL when none or the named list does not exist
    CUILImageList* GetImgListWithImage(int nImage) const;
    // the size of the image's list; 0 (and 0 x 0) when no list holds the image
    int GetIconSize(int nImage, int* pcx, int* pcy) const;

    // Draw image nImage at pt.  nList >= 0 draws position LOWORD(nImage) of that list; a negative
    // nList finds the list by the number (see FindImage).  Non-zero when something was drawn.
    int Draw(CDC& dc, CPoint pt, int nImage, int nList, UINT nStyle) const;
    // the disabled look (raised highlight under a shadow-coloured shape); nColor non-zero works
    // on a colour copy instead of a monochrome one
    int DrawEmbossed(CDC& dc, CPoint pt, int nImage, int nList, int nColor) const;
    // the image's shadow only, one pixel down and right; the caller draws the image over it
    int DrawShadow(CDC& dc, CPoint pt, int nImage, int nList, int nColor) const;

protected:
    // the list and the position in it that (nImage, nList) names, NULL if none
    CUILImageList* Resolve(int nImage, int nList, int* pnPosition) const;
    // one of the image-list looks of the bitmap operations, applied to (nImage, nList)
    typedef int (*PFNLOOK)(CDC& dc, CImageList* pList, int nImage, CPoint pt, int bColorBitmap);
    int DrawLook(PFNLOOK pfnLook, CDC& dc, CPoint pt, int nImage, int nList, int nColor) const;

    CPtrArray m_lists;      // CUILImageList*

private:
    CUILImagesCollection(const CUILImagesCollection&) = delete;
    CUILImagesCollection& operator=(const CUILImagesCollection&) = delete;
};

// The module-wide collection shared by all bars of the library and the host.
extern AFX_EXT_DATA CUILImagesCollection UILImagesCollection;
// &UILImagesCollection, for hosts that reach the library through functions only
AFX_EXT_API CUILImagesCollection* GetImagesCollection();

/////////////////////////////////////////////////////////////////////////////
// SImageStruct
//
// What the host fills when the library asks for a command's image with WM_GET_COMMAND_IMAGE
// (lParam = SImageStruct*).  The library reads m_hImageList and m_nImage; the first four
// fields are the host's own (they are pointer-wide so that a host can keep addresses there).

struct AFX_EXT_CLASS SImageStruct
{
    SImageStruct();
    SImageStruct(const SImageStruct& src);
    SImageStruct& operator=(const SImageStruct& src);
    virtual ~SImageStruct();

    DWORD_PTR m_dwHostData[4];
    HIMAGELIST m_hImageList;    // the list holding the command's image
    int m_nImage;               // the image's position in m_hImageList
};
