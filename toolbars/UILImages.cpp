// UILImages.cpp - CUILImageList, the image collection and SImageStruct.
#include "UILImages.h"
#include "bitmaps/BitmapOps.h"

CUILImagesCollection UILImagesCollection;

CUILImagesCollection* GetImagesCollection()
{
    return &UILImagesCollection;
}

/////////////////////////////////////////////////////////////////////////////
// CUILImageList

CUILImageList::CUILImageList()
    : m_dwFlags(0), m_nStartIndex(0)
{
}

CUILImageList::~CUILImageList()
{
    DeleteImageList();
}

BOOL CUILImageList::GetIconSize(int* pcx, int* pcy) const
{
    int cx = 0, cy = 0;
    const BOOL bOk = m_hImageList != NULL && CImageList::GetIconSize(&cx, &cy);
    if (pcx != NULL)
        *pcx = bOk ? cx : 0;
    if (pcy != NULL)
        *pcy = bOk ? cy : 0;
    return bOk;
}

/////////////////////////////////////////////////////////////////////////////
// CUILImagesCollection

CUILImagesCollection::CUILImagesCollection()
{
}

CUILImagesCollection::~CUILImagesCollection()
{
    RemoveAll();
}

CUILImageList* CUILImagesCollection::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        return NULL;
    return (CUILImageList*)m_lists.GetAt(nIndex);
}

int CUILImagesCollection::Add(CUILImageList* pList, unsigned long dwFlags)
{
    if (pList == NULL)
        return -1;
    int nStart = 0;
    if (GetSize() > 0)
    {
        // the previous list's count as it is now; numbers already handed out never move
        const CUILImageList* pPrevious = GetAt(GetSize() - 1);
        nStart = pPrevious->GetStartIndex() + pPrevious->GetImageCount();
    }
    pList->SetStartIndex(nStart);
    pList->SetFlags((DWORD)dwFlags);
    return (int)m_lists.Add(pList);
}

void CUILImagesCollection::RemoveAt(int nIndex, int nCount)
{
    if (nIndex < 0 || nCount <= 0 || nIndex >= GetSize())
        return;
    if (nCount > GetSize() - nIndex)
        nCount = GetSize() - nIndex;
    for (int i = nIndex; i < nIndex + nCount; i++)
    {
        CUILImageList* pList = GetAt(i);
        if (pList != NULL && (pList->GetFlags() & UILIMAGELIST_OWNED) != 0)
            delete pList;
    }
    m_lists.RemoveAt(nIndex, nCount);
}

void CUILImagesCollection::RemoveAll()
{
    RemoveAt(0, GetSize());
}

int CUILImagesCollection::FindImage(int nImage) const
{
    if (nImage < 0)
        return -1;
    if (HIWORD(nImage) != 0)
        return (int)HIWORD(nImage);
    for (int i = 0; i < GetSize(); i++)
    {
        const CUILImageList* pList = GetAt(i);
        const int nStart = pList->GetStartIndex();
        if (nImage >= nStart && nImage < nStart + pList->GetImageCount())
            return i;
    }
    return -1;
}

int CUILImagesCollection::GetImgListIndex(HIMAGELIST hImageList, CImageList* pImageList) const
{
    for (int i = 0; i < GetSize(); i++)
    {
        CUILImageList* pList = GetAt(i);
        if ((pImageList != NULL && pList == pImageList) ||
            (hImageList != NULL && pList->GetSafeHandle() == hImageList))
            return i;
    }
    return -1;
}

CUILImageList* CUILImagesCollection::GetImgListWithImage(int nImage) const
{
    return GetAt(FindImage(nImage));
}

int CUILImagesCollection::GetIconSize(int nImage, int* pcx, int* pcy) const
{
    const CUILImageList* pList = GetImgListWithImage(nImage);
    if (pList == NULL)
    {
        if (pcx != NULL)
            *pcx = 0;
        if (pcy != NULL)
            *pcy = 0;
        return 0;
    }
    return pList->GetIconSize(pcx, pcy) ? 1 : 0;
}

CUILImageList* CUILImagesCollection::Resolve(int nImage, int nList, int* pnPosition) const
{
    int nPosition = 0;
    if (nList >= 0 || (nImage >= 0 && HIWORD(nImage) != 0))
    {
        // a list given or named by the high word: the low word is the position in it
        if (nList < 0)
            nList = FindImage(nImage);
        nPosition = (int)LOWORD(nImage);
    }
    else
    {
        nList = FindImage(nImage);
        const CUILImageList* pFound = GetAt(nList);
        if (pFound == NULL)
            return NULL;
        nPosition = nImage - pFound->GetStartIndex();
    }
    CUILImageList* pList = GetAt(nList);
    if (pList == NULL || pList->GetSafeHandle() == NULL || nImage < 0 ||
        nPosition >= pList->GetImageCount())
        return NULL;
    *pnPosition = nPosition;
    return pList;
}

int CUILImagesCollection::Draw(CDC& dc, CPoint pt, int nImage, int nList, UINT nStyle) const
{
    int nPosition = 0;
    CUILImageList* pList = Resolve(nImage, nList, &nPosition);
    if (pList == NULL)
        return 0;
    return pList->Draw(&dc, nPosition, pt, nStyle) ? 1 : 0;
}

int CUILImagesCollection::DrawLook(PFNLOOK pfnLook, CDC& dc, CPoint pt, int nImage, int nList, int nColor) const
{
    int nPosition = 0;
    CUILImageList* pList = Resolve(nImage, nList, &nPosition);
    if (pList == NULL)
        return 0;
    return pfnLook(dc, pList, nPosition, pt, nColor);
}

int CUILImagesCollection::DrawEmbossed(CDC& dc, CPoint pt, int nImage, int nList, int nColor) const
{
    return DrawLook(ImageListDrawEmbossed, dc, pt, nImage, nList, nColor);
}

int CUILImagesCollection::DrawShadow(CDC& dc, CPoint pt, int nImage, int nList, int nColor) const
{
    return DrawLook(ImageListDrawShadow, dc, pt, nImage, nList, nColor);
}

/////////////////////////////////////////////////////////////////////////////
// SImageStruct

SImageStruct::SImageStruct()
    : m_hImageList(NULL), m_nImage(0)
{
    for (DWORD_PTR& dw : m_dwHostData)
        dw = 0;
}

SImageStruct::SImageStruct(const SImageStruct& src)
    : m_hImageList(src.m_hImageList), m_nImage(src.m_nImage)
{
    for (int i = 0; i < 4; i++)
        m_dwHostData[i] = src.m_dwHostData[i];
}

SImageStruct& SImageStruct::operator=(const SImageStruct& src)
{
    for (int i = 0; i < 4; i++)
        m_dwHostData[i] = src.m_dwHostData[i];
    m_hImageList = src.m_hImageList;
    m_nImage = src.m_nImage;
    return *this;
}

SImageStruct::~SImageStruct()
{
}
