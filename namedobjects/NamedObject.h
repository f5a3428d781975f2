// NamedObject.h - the base of every named object of the host.
//
//   SNamedObjectInfo   type, name and activation of one object
//   SDrawThumbnail     where an object draws its thumbnail
//   CNamedObject       a named, typed object whose attributes are a property collection
//                      (built on first use) and which may hold child objects
//
// Every named object's collection starts with the name (NOBJPROP_NAME, a text) and the active
// state (NOBJPROP_ACTIVE, a boolean).  A name typed into the collection is held as the pending
// name until the property's state is pressed (1); then OnChangeName checks it against the other
// objects of the type and takes it or puts the old one back.
#pragma once

#include "properties/PropClient.h"
#include "properties/PropObjects.h"

class CNamedObjectsArray;

#define NOBJPROP_NAME       0xFFFF
#define NOBJPROP_ACTIVE     0xFFFE

// the number of types a collection keeps apart (0 to 19)
#define NOBJ_MAX_TYPES      20

// CopyTo / CreateCopy / CopyNObjCollectionTo flags
#define NOBJCOPY_PROPS      0x0001
#define NOBJCOPY_CHILDREN   0x0004
#define NOBJCOPY_ACTIVATE   0x0010
#define NOBJCOPY_SAVE       0x0020

// WM_NOBJECT_NOTIFY codes (lParam; wParam is the object)
#define NOBJN_RENAMED       0x0003
#define NOBJN_CHILDCHANGED  0x0005
#define NOBJN_ACTIVATED     0x0009
#define NOBJN_CHILDSCOPIED  0x0010
#define NOBJN_DELETING      0x0020
#define NOBJN_ADDED         0x0300
#define NOBJN_REMOVED       0x0500

struct SNamedObjectInfo
{
    SNamedObjectInfo() : m_nType(0), m_bActive(0) {}

    WORD m_nType;
    CString m_strName;
    int m_bActive;
};

struct SDrawThumbnail
{
    HDC m_hDC;
    RECT m_rect;
};

class AFX_EXT_CLASS CNamedObject : public CPropClient
{
public:
    CNamedObject();
    // nType is taken only when it is not 0
    CNamedObject(const char* lpszName, CNamedObject* pParent, WORD nType);
    virtual ~CNamedObject();    // releases properties and children, disconnects everything

    void Destroy() { delete this; }

    // CPropClient
    int OnSetPropValue(VARIANT value, DWORD nID, BOOL bNotify, IDispatch* pProp) override;
    int OnSetPropState(WORD nState, DWORD nID, BOOL bNotify, IDispatch* pProp) override;
    int GetPropValue(VARIANT* pValue, DWORD nID, IDispatch* pProp) override;
    int GetPropState(WORD* pnState, DWORD nID, IDispatch* pProp) override;

    virtual void CommonConstruct();
    // A new collection holding the name and the active state; 1 when every step succeeded.
    virtual int InitProps(CObjXDBPropColl* pColl);
    virtual int InitNObjects(CNamedObjectsArray* pArray);
    virtual CNamedObject* CreateCopy(const char* lpszName, UINT nFlags, long nParam1, long nParam2);
    virtual CNamedObject* CreateNew(const char* lpszName, UINT nFlags, long nParam1, long nParam2);
    // 1 when the name was taken, 0 when it was refused (not unique among the type in the array)
    virtual int OnChangeName(const char* lpszNewName);
    virtual int OnActivate();
    virtual int OnDeactivate();
    virtual int OnDelete();
    virtual int OnProperty();
    virtual int OnSave(const char* lpszSection, const char* lpszFile);
    virtual int OnLoad(const char* lpszSection, const char* lpszFile);
    virtual int GetAttachmentParams(long& nParam1, long& nParam2);
    virtual int GetExtPropInfo(UINT nID, long nRequest);
    virtual int CanRename();
    virtual int CanCreateCopy();
    virtual int CanCreateNew();
    virtual int CanActivate();
    virtual int CanDelete();
    virtual int CanProperty();
    virtual int CanSave();
    virtual int CanLoad();
    virtual int CanSelectBy();
    virtual int Attach(long nParam1, long nParam2);
    virtual int IsAttached(long nParam1, long nParam2, WORD nType);
    virtual int IsKind(long nParam1, long nParam2);
    virtual int InitFromAttachment(int nMode);
    virtual int UpdateAttachment(VARIANT* pValue, DWORD nID);
    virtual int CheckAttachment();
    virtual int CreateAttachment(long nParam1, long nParam2);
    virtual int DeleteAttachment();
    virtual int DrawThumbnail(SDrawThumbnail* pDraw, const char* lpszFile);

    // The code to the windows of the object's array, then up the parents (each also reporting
    // NOBJN_CHILDCHANGED about itself).  pObject 0: this object.
    int NotyfyParents(UINT nCode, LONG_PTR pObject = 0);
    CObjXDBPropColl* GetProps(UINT nFlags = 0);
    int ReleaseProps(UINT nFlags = 0);
    // A property made from the description of nID with this object's value and state, added to
    // pColl and connected both ways; the collection's result, or E_FAIL.
    HRESULT AddProperty(IDBCOLLECTION* pColl, DWORD nID, UINT nFlags);
    CNamedObjectsArray* GetNObjects(UINT nFlags = 0);
    int ReleaseNObjects(UINT nFlags = 0);
    int CopyPropsTo(CNamedObject* pDest, IDispatch* pFilter);
    int CopyNObjCollectionTo(CNamedObjectsArray* pDest, IDispatch* pFilter, UINT nFlags);
    int CopyTo(CNamedObject* pDest, UINT nFlags);
    // the old lock of property nID (0 when the object has no such property)
    int LockPropChanging(DWORD nID, int bLock);
    // The value, converted to the type of the property's current value, as its new value; 1.
    int SetPropValue(DWORD nID, VARIANT value);
    // the property of id nID in the collection (no reference), or NULL
    CObjXDBProp* FindProp(DWORD nID);

    const CString& GetName() const { return m_Info.m_strName; }
    WORD GetType() const { return m_Info.m_nType; }
    BOOL IsActive() const { return m_Info.m_bActive != 0; }

    SNamedObjectInfo m_Info;
    CString m_strPendingName;
    CObjXDBPropColl* m_pProps;
    CNamedObject* m_pParent;
    CNamedObjectsArray* m_pArray;
    CNamedObjectsArray* m_pChildren;
    DWORD m_nLastProperty;
};
