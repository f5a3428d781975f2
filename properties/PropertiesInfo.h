// PropertiesInfo.h - descriptions of properties and the process-wide table the host fills.
//
//   SPropertyInfo       one property's description (type, id, name, prompt, images, values)
//   SControlInfo        a description with the editor window made for it and its slot
//   SPropCategoryInfo   a category's name and description
//   CPropertiesInfo     an ordered list of descriptions with an index by id
//   CControlsInfo       an ordered list of SControlInfo (no index)
//   g_pPropertiesInfoStuff  the host's table of registered descriptions
//   AddPropInfo         a description built from the resource module, added to that table
#pragma once

#include <afxdisp.h>
#include <afxtempl.h>
#include <afxcmn.h>

// flags of SPropertyInfo
#define PROPINFO_COMPOUND   0x0040    // a compound property (extended type 20 or 24)
#define PROPINFO_OWNED      0x1000    // owned (deleted) by the list it is in
#define PROPINFO_REFERENCED 0x8000    // holds a reference on the object

struct AFX_EXT_CLASS SPropertyInfo
{
    SPropertyInfo();
    // A copy shares the image list but never owns it (only the original deletes it); when the
    // original holds a reference on the object, the copy takes a reference of its own.
    SPropertyInfo(const SPropertyInfo& src);
    SPropertyInfo& operator=(const SPropertyInfo& src);
    virtual ~SPropertyInfo();

    IUnknown* m_pObject;
    UINT m_nFlags;
    WORD m_nType;
    WORD m_nCtrlType;
    DWORD m_nID;
    CString m_strName;
    CString m_strPrompt;
    CSize m_Size;
    BOOL m_bOwnImageList;
    CImageList* m_pImageList;
    int m_nImage;
    HICON m_hIcon;
    long m_nCategory;
    VARIANT m_varFirst;
    VARIANT m_varSecond;

private:
    void CopyFrom(const SPropertyInfo& src);
    void Free();
};

struct AFX_EXT_CLASS SControlInfo : public SPropertyInfo
{
    SControlInfo() : m_pWnd(NULL), m_nSlot(-1) {}

    CWnd* m_pWnd;       // the editor window, when one is made
    int m_nSlot;
};

struct AFX_EXT_CLASS SPropCategoryInfo
{
    SPropCategoryInfo() : m_nValue1(0), m_nValue2(-1), m_nValue3(0) {}
    SPropCategoryInfo(const SPropCategoryInfo& src) = default;
    SPropCategoryInfo& operator=(const SPropCategoryInfo& src) = default;
    virtual ~SPropCategoryInfo() {}

    CString m_strName;
    CString m_strDescription;
    DWORD m_nValue1;
    long m_nValue2;
    DWORD m_nValue3;
};

class AFX_EXT_CLASS CPropertiesInfo
{
public:
    CPropertiesInfo();
    virtual ~CPropertiesInfo();

    // The position of the description with pInfo's id when there is one (pInfo is not taken),
    // else appends pInfo and returns its new position.
    int Add(SPropertyInfo* pInfo);
    int Add(DWORD nID, WORD nType, CString* pName, CString* pPrompt, CSize size, CImageList* pImages,
        int nImage, IUnknown* pObject, UINT nFlags);
    int Add(DWORD nID, WORD nType, CString* pName, CString* pPrompt, CSize size, HICON hIcon,
        IUnknown* pObject, UINT nFlags);

    int GetSize() const { return (int)m_arrInfo.GetSize(); }
    SPropertyInfo* GetAt(int nIndex) const;
    SPropertyInfo* FindByID(DWORD nID) const;
    // Removes nCount descriptions from nStart (deleting those the list owns); the index by id
    // follows, so FindByID stays right for the ones behind.
    void RemoveAt(int nStart, int nCount = 1);
    void RemoveAll();

private:
    void Reindex();

    CPtrArray m_arrInfo;
    CMap<DWORD, DWORD, int, int> m_mapIndex;

    CPropertiesInfo(const CPropertiesInfo&) = delete;
    CPropertiesInfo& operator=(const CPropertiesInfo&) = delete;
};

class AFX_EXT_CLASS CControlsInfo
{
public:
    CControlsInfo() {}
    virtual ~CControlsInfo();

    // A new description (flag PROPINFO_OWNED added; a reference on pObject when nFlags has
    // PROPINFO_REFERENCED) for the editor pWnd in slot nSlot, appended / inserted at nPos.
    int Add(DWORD nID, WORD nType, CString* pName, CString* pPrompt, CSize size, CImageList* pImages,
        int nImage, IUnknown* pObject, UINT nFlags, CWnd* pWnd, int nSlot);
    int Insert(int nPos, DWORD nID, WORD nType, CString* pName, CString* pPrompt, CSize size,
        CImageList* pImages, int nImage, IUnknown* pObject, UINT nFlags, CWnd* pWnd, int nSlot);
    // Takes pInfo out (deleting it when owned); FALSE when it is not in the list.
    BOOL Remove(SControlInfo* pInfo);
    void RemoveAt(int nStart, int nCount = 1);
    void RemoveAll();
    int GetSize() const { return (int)m_arrInfo.GetSize(); }
    SControlInfo* GetAt(int nIndex) const;

private:
    static SControlInfo* Make(DWORD nID, WORD nType, CString* pName, CString* pPrompt, CSize size,
        CImageList* pImages, int nImage, IUnknown* pObject, UINT nFlags, CWnd* pWnd, int nSlot);
    static void Free(SControlInfo* pInfo);

    CPtrArray m_arrInfo;

    CControlsInfo(const CControlsInfo&) = delete;
    CControlsInfo& operator=(const CControlsInfo&) = delete;
};

// The host's table of registered descriptions; the library only reads it (NULL: none).
extern AFX_EXT_DATA CPropertiesInfo* g_pPropertiesInfoStuff;

// A description of property nID built from the resource module: name and prompt from string
// resources (a missing string leaves its field empty), images from a bitmap whose height is the
// width of one image (grey RGB(192,192,192) is transparent).  With bExtractIcon the image nImage
// becomes the description's icon; otherwise the image list itself is kept (and owned).  Added to
// g_pPropertiesInfoStuff; 1, or 0 without that table.
AFX_EXT_API int AddPropInfo(DWORD nID, WORD nType, UINT nNameID, UINT nPromptID, UINT nBitmapID,
    int nImage, BOOL bExtractIcon);
// The same with an icon resource.
AFX_EXT_API int AddPropInfo(DWORD nID, WORD nType, UINT nNameID, UINT nPromptID, UINT nIconID);
