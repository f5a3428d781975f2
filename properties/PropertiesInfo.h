// PropertiesInfo.h - descriptions of properties and the process-wide table the host fills.
//
//   SPropertyInfo       one property's description (type, id, name, prompt, images, values)
//   CPropertiesInfo     an ordered list of descriptions with an index by id
//   g_pPropertiesInfoStuff  the host's table of registered descriptions
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

// The host's table of registered descriptions; the library only reads it (NULL: none).
extern AFX_EXT_DATA CPropertiesInfo* g_pPropertiesInfoStuff;
