// PropObjects.h - the library's own property objects, late-bound automation objects that
// implement the host's property interfaces and raise change events.
//
//   CXCmdTarget       a command target with automation, aggregation, a parent link and
//                     aggregated inner objects
//   CObjXDBProp       one property (IDBPROP), its change events and linked properties
//   CObjXDBPropColl   an ordered collection of properties (IDBCOLLECTION)
//   CreateProperty    a property made from a registered description
#pragma once

#include "PropInterfaces.h"
#include "PropertiesInfo.h"

class AFX_EXT_CLASS CXCmdTarget : public CCmdTarget
{
    DECLARE_DYNCREATE(CXCmdTarget)
public:
    CXCmdTarget();
    virtual ~CXCmdTarget();

    // Creates an object of pClass (a CXCmdTarget) aggregated in pOuter.  The object registers its
    // inner unknown with pOuter through IXCMDTARGET, which then holds the only reference; an
    // outer object without that interface gets the inner unknown with one reference instead.
    // NULL when the class cannot be made.
    static IUnknown* PASCAL CreateAggregated(CRuntimeClass* pClass, IUnknown* pOuter);

    virtual HRESULT Init();
    // Asks each aggregate in order for iid; the first that answers gives *ppv.
    virtual HRESULT QueryAggregate(REFIID iid, void** ppv);
    // The parent is a plain link: no reference is taken, none is released.
    virtual void SetParent(IDispatch* pParent);
    // The parent's IDispatch with a new reference; E_FAIL without a parent.
    virtual HRESULT GetParent(IDispatch** ppParent);
    // Keeps pInner (one reference) among the objects queried after this object's own interfaces.
    BOOL AddAggregate(IUnknown* pInner);

    void OnFinalRelease() override;
    BOOL OnCreateAggregates() override;
    LPUNKNOWN QueryAggregates(const void* iid) override;

    IDispatch* m_pParent;
    CPtrArray m_arrAggregates;

protected:
    LPDISPATCH GetParentDisp();
    void PutParentDisp(LPDISPATCH pParent) { SetParent(pParent); }
    void DispAggregate(LPDISPATCH pInner);
    void ReleaseAggregates();

    DECLARE_DISPATCH_MAP()
    DECLARE_INTERFACE_MAP()

    BEGIN_INTERFACE_PART(XCmdTarget, IXCMDTARGET)
        DECLARE_PART_IDISPATCH()
        STDMETHOD(put_Parent)(IDispatch* pParent);
        STDMETHOD(get_Parent)(IDispatch** ppParent);
        STDMETHOD(AddAggregate)(IUnknown* pInner, BOOL* pbResult);
    END_INTERFACE_PART(XCmdTarget)
};

// state bits of a property
#define PROPSTATE_PRESSED   0x0001    // alone: a momentary press, reported then withdrawn
#define PROPSTATE_CHECKED   0x0002
#define PROPSTATE_ENABLED   0x0004

class AFX_EXT_CLASS CObjXDBProp : public CXCmdTarget
{
    DECLARE_DYNCREATE(CObjXDBProp)
public:
    CObjXDBProp();
    virtual ~CObjXDBProp();

    // The object behind an interface pointer of one of this library's properties (NULL for
    // anything else).
    static CObjXDBProp* PASCAL ObjectFromIDisp(IDispatch* pDisp);
    static CObjXDBProp* PASCAL ObjectFromDbProp(IDBPROP* pProp);

    WORD m_nType;
    DWORD m_nID;
    VARIANT m_varValue;
    WORD m_nState;
    BOOL m_bValueLocked;        // while set, SetValue does nothing
    IDispatch* m_pProvider;     // a plain link
    int m_nChangeMode;
    BOOL m_bPulling;
    BOOL m_bPushing;

    // members (automation and IDBPROP alike)
    void SetParent(IDispatch* pParent) override;
    HRESULT GetParent(IDispatch** ppParent) override;
    BSTR GetName();
    void SetName(LPCSTR) {}
    WORD GetType() { return m_nType; }
    void SetType(WORD nType);
    long GetCategory() { return 0; }
    void SetCategory(long) {}
    VARIANT GetValue();
    void SetValue(const VARIANT& varValue);
    WORD GetState() { return m_nState; }
    void SetState(WORD nState);
    DWORD GetID() { return m_nID; }
    void SetID(DWORD nID) { m_nID = nID; }
    LPDISPATCH GetProvider();
    void SetProvider(LPDISPATCH pProvider) { m_pProvider = pProvider; }
    WORD GetFlags() { return 0; }
    void SetFlags(WORD) {}

    // Change events, to every sink advised for DBPROPEVENTS (a snapshot: a sink may unadvise or
    // release itself during the call).
    void FireChangeParent();
    void FireChangeName();
    void FireChangeType();
    void FireChangeCategory();
    void FireChangeValue();     // then pushes the value to the linked properties
    void FireChangeState();

    // value linking
    virtual void SendValueTo(IDispatch* pTarget);
    virtual void InitValueFrom(IDispatch* pSource);
    virtual void NotifyAllConnections();

    // as a sink of another property's events
    void OnDBPROPEVENTSChangeParent(LPDISPATCH) {}
    void OnDBPROPEVENTSChangeName(LPDISPATCH) {}
    void OnDBPROPEVENTSChangeType(LPDISPATCH) {}
    void OnDBPROPEVENTSChangeCategory(LPDISPATCH) {}
    void OnDBPROPEVENTSChangeValue(LPDISPATCH pSource);
    void OnDBPROPEVENTSChangeState(LPDISPATCH) {}

    HRESULT Init() override;
    void OnFinalRelease() override;

    CConnectionPoint* GetEventsPoint() { return &m_xEventsPoint; }
    CConnectionPoint* GetPropPoint() { return &m_xPropPoint; }

protected:
    typedef HRESULT (STDMETHODCALLTYPE DBPROPEVENTS::*PFNEVENT)(IDispatch*);
    void Fire(PFNEVENT pfnEvent);

    DECLARE_DISPATCH_MAP()
    DECLARE_INTERFACE_MAP()
    DECLARE_CONNECTION_MAP()

    BEGIN_INTERFACE_PART(DBProp, IDBPROP)
        DECLARE_PART_IDISPATCH()
        STDMETHOD(put_Parent)(IDispatch* pParent);
        STDMETHOD(get_Parent)(IDispatch** ppParent);
        STDMETHOD(put_Name)(BSTR bstrName);
        STDMETHOD(get_Name)(BSTR* pbstrName);
        STDMETHOD(put_Type)(WORD nType);
        STDMETHOD(get_Type)(WORD* pnType);
        STDMETHOD(put_Category)(long nCategory);
        STDMETHOD(get_Category)(long* pnCategory);
        STDMETHOD(put_Value)(VARIANT varValue);
        STDMETHOD(get_Value)(VARIANT* pvarValue);
        STDMETHOD(get_State)(WORD* pnState);
        STDMETHOD(put_State)(WORD nState);
        STDMETHOD(get_ID)(DWORD* pnID);
        STDMETHOD(put_ID)(DWORD nID);
        STDMETHOD(get_Provider)(IDispatch** ppProvider);
        STDMETHOD(put_Provider)(IDispatch* pProvider);
        STDMETHOD(get_Flags)(WORD* pnFlags);
        STDMETHOD(put_Flags)(WORD nFlags);
    END_INTERFACE_PART(DBProp)

    BEGIN_INTERFACE_PART(PropEvents, DBPROPEVENTS)
        DECLARE_PART_IDISPATCH()
        STDMETHOD(ChangeParent)(IDispatch* pProp);
        STDMETHOD(ChangeName)(IDispatch* pProp);
        STDMETHOD(ChangeType)(IDispatch* pProp);
        STDMETHOD(ChangeCategory)(IDispatch* pProp);
        STDMETHOD(ChangeValue)(IDispatch* pProp);
        STDMETHOD(ChangeState)(IDispatch* pProp);
    END_INTERFACE_PART(PropEvents)

    BEGIN_INTERFACE_PART(SupportErrorInfo, ISupportErrorInfo)
        STDMETHOD(InterfaceSupportsErrorInfo)(REFIID iid);
    END_INTERFACE_PART(SupportErrorInfo)

    BEGIN_CONNECTION_PART(CObjXDBProp, EventsPoint)
        CONNECTION_IID(IID_DBPROPEVENTS)
    END_CONNECTION_PART(EventsPoint)

    BEGIN_CONNECTION_PART(CObjXDBProp, PropPoint)
        CONNECTION_IID(IID_IDBPROP)
    END_CONNECTION_PART(PropPoint)
};

class AFX_EXT_CLASS CObjXDBPropColl : public CXCmdTarget
{
    DECLARE_DYNCREATE(CObjXDBPropColl)
public:
    CObjXDBPropColl();
    virtual ~CObjXDBPropColl();

    static CObjXDBPropColl* PASCAL ObjectFromIDisp(IDispatch* pDisp);

    long GetCount() { return (long)m_arrItems.GetSize(); }
    // The item at nIndex with a new reference; NULL past the end.
    LPDISPATCH GetItem(long nIndex);
    // Adds an item of this library's kind (one that answers IXCMDTARGET) and becomes its parent;
    // anything else is refused with an OLE exception.  NULL is ignored.
    void Add(LPDISPATCH pItem);
    LPDISPATCH Remove(VARIANT* pKey);   // keeps every item; NULL
    void RemoveAll();
    // Position of the first item with this id, -1 when none or the id is not registered.
    int FindPropIndex(DWORD nID);
    // Sets the value (text, unless NULL) and the state (a state code, unless -1) of the item at
    // nIndex, with its change mode set to nChangeMode meanwhile.  State codes: bit 0x80 disables;
    // then 0 unchecks, 1 checks.
    void SetPropValue(UINT nIndex, LPCSTR lpszValue, int nStateCode, int nChangeMode);

    HRESULT Init() override { return S_OK; }
    void OnFinalRelease() override;

    CPtrArray m_arrItems;       // IDispatch pointers, one reference each
    CString m_strName;

protected:
    DECLARE_DISPATCH_MAP()
    DECLARE_INTERFACE_MAP()

    BEGIN_INTERFACE_PART(DBCollection, IDBCOLLECTION)
        DECLARE_PART_IDISPATCH()
        STDMETHOD(put_Parent)(IDispatch* pParent);
        STDMETHOD(get_Parent)(IDispatch** ppParent);
        STDMETHOD(put_Name)(BSTR bstrName);
        STDMETHOD(get_Name)(BSTR* pbstrName);
        STDMETHOD(Count)(WORD nFilter, long* pnCount);
        STDMETHOD(Item)(long nIndex, WORD nFilter, IDispatch** ppItem);
        STDMETHOD(Add)(IDispatch* pItem);
        STDMETHOD(Remove)(VARIANT* pvarKey, IDispatch** ppRemoved);
        STDMETHOD(Enum)(IDispatch** ppEnum);
    END_INTERFACE_PART(DBCollection)

    BEGIN_INTERFACE_PART(SupportErrorInfo, ISupportErrorInfo)
        STDMETHOD(InterfaceSupportsErrorInfo)(REFIID iid);
    END_INTERFACE_PART(SupportErrorInfo)
};

// A new property (one reference, not connected) with the type of the description registered
// for nID, the value (copied) and the state; NULL when no description has that id.
AFX_EXT_API IDispatch* CreateProperty(DWORD nID, VARIANT value, WORD nState);
