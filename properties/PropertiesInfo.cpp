// PropertiesInfo.cpp - property descriptions and their lists.
#include "PropertiesInfo.h"
#include "frame/UILFrame.h"

CPropertiesInfo* g_pPropertiesInfoStuff = NULL;

SPropertyInfo::SPropertyInfo()
    : m_pObject(NULL), m_nFlags(0), m_nType(0), m_nCtrlType(0), m_nID(0), m_Size(0, 0), m_bOwnImageList(FALSE),
      m_pImageList(NULL), m_nImage(0), m_hIcon(NULL), m_nCategory(0)
{
    ::VariantInit(&m_varFirst);
    ::VariantInit(&m_varSecond);
}

SPropertyInfo::SPropertyInfo(const SPropertyInfo& src) : SPropertyInfo()
{
    CopyFrom(src);
}

SPropertyInfo& SPropertyInfo::operator=(const SPropertyInfo& src)
{
    if (this != &src)
    {
        Free();
        CopyFrom(src);
    }
    return *this;
}

SPropertyInfo::~SPropertyInfo()
{
    Free();
}

void SPropertyInfo::CopyFrom(const SPropertyInfo& src)
{
    m_pObject = src.m_pObject;
    m_nFlags = src.m_nFlags;
    if (m_pObject != NULL && (m_nFlags & PROPINFO_REFERENCED))
        m_pObject->AddRef();
    m_nType = src.m_nType;
    m_nCtrlType = src.m_nCtrlType;
    m_nID = src.m_nID;
    m_strName = src.m_strName;
    m_strPrompt = src.m_strPrompt;
    m_Size = src.m_Size;
    m_bOwnImageList = FALSE;
    m_pImageList = src.m_pImageList;
    m_nImage = src.m_nImage;
    m_hIcon = src.m_hIcon;
    m_nCategory = src.m_nCategory;
    ::VariantCopy(&m_varFirst, const_cast<VARIANT*>(&src.m_varFirst));
    ::VariantCopy(&m_varSecond, const_cast<VARIANT*>(&src.m_varSecond));
}

void SPropertyInfo::Free()
{
    if (m_bOwnImageList && m_pImageList != NULL)
        delete m_pImageList;
    m_pImageList = NULL;
    m_bOwnImageList = FALSE;
    if (m_pObject != NULL && (m_nFlags & PROPINFO_REFERENCED))
        m_pObject->Release();
    m_pObject = NULL;
    ::VariantClear(&m_varFirst);
    ::VariantClear(&m_varSecond);
}

CPropertiesInfo::CPropertiesInfo()
{
}

CPropertiesInfo::~CPropertiesInfo()
{
    RemoveAll();
}

int CPropertiesInfo::Add(SPropertyInfo* pInfo)
{
    int nIndex;
    if (m_mapIndex.Lookup(pInfo->m_nID, nIndex))
        return nIndex;
    nIndex = (int)m_arrInfo.Add(pInfo);
    m_mapIndex.SetAt(pInfo->m_nID, nIndex);
    return nIndex;
}

int CPropertiesInfo::Add(DWORD nID, WORD nType, CString* pName, CString* pPrompt, CSize size,
    CImageList* pImages, int nImage, IUnknown* pObject, UINT nFlags)
{
    SPropertyInfo* pInfo = new SPropertyInfo;
    pInfo->m_nID = nID;
    pInfo->m_nType = nType;
    if (pName != NULL)
        pInfo->m_strName = *pName;
    if (pPrompt != NULL)
        pInfo->m_strPrompt = *pPrompt;
    pInfo->m_Size = size;
    pInfo->m_pImageList = pImages;
    pInfo->m_nImage = nImage;
    pInfo->m_pObject = pObject;
    if (pObject != NULL && (nFlags & PROPINFO_REFERENCED))
        pObject->AddRef();
    pInfo->m_nFlags = nFlags | PROPINFO_OWNED;
    int nIndex = Add(pInfo);
    // a description for an id already present is not taken
    if (GetAt(nIndex) != pInfo)
        delete pInfo;
    return nIndex;
}

int CPropertiesInfo::Add(DWORD nID, WORD nType, CString* pName, CString* pPrompt, CSize size, HICON hIcon,
    IUnknown* pObject, UINT nFlags)
{
    int nBefore = GetSize();
    int nIndex = Add(nID, nType, pName, pPrompt, size, (CImageList*)NULL, -1, pObject, nFlags);
    if (GetSize() > nBefore)
        GetAt(nIndex)->m_hIcon = hIcon;
    return nIndex;
}

SPropertyInfo* CPropertiesInfo::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        return NULL;
    return (SPropertyInfo*)m_arrInfo[nIndex];
}

SPropertyInfo* CPropertiesInfo::FindByID(DWORD nID) const
{
    int nIndex;
    if (!m_mapIndex.Lookup(nID, nIndex))
        return NULL;
    return GetAt(nIndex);
}

void CPropertiesInfo::RemoveAt(int nStart, int nCount)
{
    for (; nCount > 0 && nStart >= 0 && nStart < GetSize(); nCount--)
    {
        SPropertyInfo* pInfo = GetAt(nStart);
        m_arrInfo.RemoveAt(nStart);
        m_mapIndex.RemoveKey(pInfo->m_nID);
        if (pInfo->m_nFlags & PROPINFO_OWNED)
            delete pInfo;
    }
    Reindex();
}

void CPropertiesInfo::RemoveAll()
{
    RemoveAt(0, GetSize());
}

void CPropertiesInfo::Reindex()
{
    m_mapIndex.RemoveAll();
    for (int i = 0; i < GetSize(); i++)
        m_mapIndex.SetAt(GetAt(i)->m_nID, i);
}

/////////////////////////////////////////////////////////////////////////////
// CControlsInfo

CControlsInfo::~CControlsInfo()
{
    RemoveAll();
}

SControlInfo* CControlsInfo::Make(DWORD nID, WORD nType, CString* pName, CString* pPrompt, CSize size,
    CImageList* pImages, int nImage, IUnknown* pObject, UINT nFlags, CWnd* pWnd, int nSlot)
{
    SControlInfo* pInfo = new SControlInfo;
    pInfo->m_nID = nID;
    pInfo->m_nType = nType;
    if (pName != NULL)
        pInfo->m_strName = *pName;
    if (pPrompt != NULL)
        pInfo->m_strPrompt = *pPrompt;
    pInfo->m_Size = size;
    pInfo->m_pImageList = pImages;
    pInfo->m_nImage = nImage;
    pInfo->m_pObject = pObject;
    if (pObject != NULL && (nFlags & PROPINFO_REFERENCED))
        pObject->AddRef();
    pInfo->m_nFlags = nFlags | PROPINFO_OWNED;
    pInfo->m_pWnd = pWnd;
    pInfo->m_nSlot = nSlot;
    return pInfo;
}

void CControlsInfo::Free(SControlInfo* pInfo)
{
    if (pInfo->m_nFlags & PROPINFO_OWNED)
        delete pInfo;
}

int CControlsInfo::Add(DWORD nID, WORD nType, CString* pName, CString* pPrompt, CSize size,
    CImageList* pImages, int nImage, IUnknown* pObject, UINT nFlags, CWnd* pWnd, int nSlot)
{
    return (int)m_arrInfo.Add(Make(nID, nType, pName, pPrompt, size, pImages, nImage, pObject, nFlags, pWnd, nSlot));
}

int CControlsInfo::Insert(int nPos, DWORD nID, WORD nType, CString* pName, CString* pPrompt, CSize size,
    CImageList* pImages, int nImage, IUnknown* pObject, UINT nFlags, CWnd* pWnd, int nSlot)
{
    if (nPos < 0)
        nPos = 0;
    if (nPos > GetSize())
        nPos = GetSize();
    m_arrInfo.InsertAt(nPos, Make(nID, nType, pName, pPrompt, size, pImages, nImage, pObject, nFlags, pWnd, nSlot));
    return nPos;
}

BOOL CControlsInfo::Remove(SControlInfo* pInfo)
{
    for (int i = 0; i < GetSize(); i++)
    {
        if (m_arrInfo[i] == pInfo)
        {
            m_arrInfo.RemoveAt(i);
            Free(pInfo);
            return TRUE;
        }
    }
    return FALSE;
}

void CControlsInfo::RemoveAt(int nStart, int nCount)
{
    for (; nCount > 0 && nStart >= 0 && nStart < GetSize(); nCount--)
    {
        SControlInfo* pInfo = GetAt(nStart);
        m_arrInfo.RemoveAt(nStart);
        Free(pInfo);
    }
}

void CControlsInfo::RemoveAll()
{
    RemoveAt(0, GetSize());
}

SControlInfo* CControlsInfo::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        return NULL;
    return (SControlInfo*)m_arrInfo[nIndex];
}

/////////////////////////////////////////////////////////////////////////////
// AddPropInfo

static void LoadResourceString(UINT nID, CString& str)
{
    if (nID == 0 || !str.LoadString(nID))
        str.Empty();
}

// An image list over the bitmap, one image as wide as the bitmap is high; NULL when it does not load.
static CImageList* ImagesFromBitmap(UINT nBitmapID)
{
    CBitmap bitmap;
    if (nBitmapID == 0 || !bitmap.LoadBitmap(nBitmapID))
        return NULL;
    BITMAP bm;
    bitmap.GetBitmap(&bm);
    CImageList* pImages = new CImageList;
    if (bm.bmHeight <= 0 || !pImages->Create(bm.bmHeight, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 1) ||
        pImages->Add(&bitmap, RGB(192, 192, 192)) < 0)
    {
        delete pImages;
        return NULL;
    }
    return pImages;
}

int AddPropInfo(DWORD nID, WORD nType, UINT nNameID, UINT nPromptID, UINT nBitmapID, int nImage, BOOL bExtractIcon)
{
    if (g_pPropertiesInfoStuff == NULL)
        return 0;
    CUILResourceScope scope;
    CString strName, strPrompt;
    LoadResourceString(nNameID, strName);
    LoadResourceString(nPromptID, strPrompt);
    CImageList* pImages = ImagesFromBitmap(nBitmapID);
    HICON hIcon = NULL;
    if (pImages != NULL && bExtractIcon)
    {
        hIcon = pImages->ExtractIcon(nImage);
        delete pImages;
        pImages = NULL;
    }
    int nBefore = g_pPropertiesInfoStuff->GetSize();
    int nIndex = g_pPropertiesInfoStuff->Add(nID, nType, &strName, &strPrompt, CSize(0, 0), pImages, nImage, NULL,
        PROPINFO_OWNED);
    if (g_pPropertiesInfoStuff->GetSize() > nBefore)
    {
        SPropertyInfo* pInfo = g_pPropertiesInfoStuff->GetAt(nIndex);
        pInfo->m_bOwnImageList = pImages != NULL;
        pInfo->m_hIcon = hIcon;
    }
    else
    {
        // the id was registered already: the earlier description stays
        delete pImages;
        if (hIcon != NULL)
            ::DestroyIcon(hIcon);
    }
    return 1;
}

int AddPropInfo(DWORD nID, WORD nType, UINT nNameID, UINT nPromptID, UINT nIconID)
{
    if (g_pPropertiesInfoStuff == NULL)
        return 0;
    CUILResourceScope scope;
    CString strName, strPrompt;
    LoadResourceString(nNameID, strName);
    LoadResourceString(nPromptID, strPrompt);
    HICON hIcon = nIconID != 0 ? ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(nIconID)) : NULL;
    g_pPropertiesInfoStuff->Add(nID, nType, &strName, &strPrompt, CSize(0, 0), hIcon, NULL, PROPINFO_OWNED);
    return 1;
}
