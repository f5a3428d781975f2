// PropInterfaces.h - the host's property interfaces, slot by slot as res/WEXOctrl.idl declares
// them (slots 0-2 IUnknown, 3-6 IDispatch), and the identifiers the library uses.
#pragma once

#include <afxdisp.h>

extern "C" {
AFX_EXT_DATA extern const IID IID_IDBPROP;
AFX_EXT_DATA extern const IID IID_IDBCOLLECTION;
AFX_EXT_DATA extern const IID IID_DBPROPEVENTS;
AFX_EXT_DATA extern const IID IID_IXCMDTARGET;
}

// A property of a host object.
struct IDBPROP : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE put_Parent(IDispatch* pParent) = 0;            // 7
    virtual HRESULT STDMETHODCALLTYPE get_Parent(IDispatch** ppParent) = 0;          // 8
    virtual HRESULT STDMETHODCALLTYPE put_Name(BSTR bstrName) = 0;                   // 9
    virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR* pbstrName) = 0;                 // 10
    virtual HRESULT STDMETHODCALLTYPE put_Type(WORD nType) = 0;                      // 11
    virtual HRESULT STDMETHODCALLTYPE get_Type(WORD* pnType) = 0;                    // 12
    virtual HRESULT STDMETHODCALLTYPE put_Category(long nCategory) = 0;              // 13
    virtual HRESULT STDMETHODCALLTYPE get_Category(long* pnCategory) = 0;            // 14
    virtual HRESULT STDMETHODCALLTYPE put_Value(VARIANT varValue) = 0;               // 15
    virtual HRESULT STDMETHODCALLTYPE get_Value(VARIANT* pvarValue) = 0;             // 16
    virtual HRESULT STDMETHODCALLTYPE get_State(WORD* pnState) = 0;                  // 17
    virtual HRESULT STDMETHODCALLTYPE put_State(WORD nState) = 0;                    // 18
    virtual HRESULT STDMETHODCALLTYPE get_ID(DWORD* pnID) = 0;                       // 19
    virtual HRESULT STDMETHODCALLTYPE put_ID(DWORD nID) = 0;                         // 20
    virtual HRESULT STDMETHODCALLTYPE get_Provider(IDispatch** ppProvider) = 0;      // 21
    virtual HRESULT STDMETHODCALLTYPE put_Provider(IDispatch* pProvider) = 0;        // 22
    virtual HRESULT STDMETHODCALLTYPE get_Flags(WORD* pnFlags) = 0;                  // 23
    virtual HRESULT STDMETHODCALLTYPE put_Flags(WORD nFlags) = 0;                    // 24
};

// An ordered collection of properties; the filter is the Flags of the property that owns it.
struct IDBCOLLECTION : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE put_Parent(IDispatch* pParent) = 0;            // 7
    virtual HRESULT STDMETHODCALLTYPE get_Parent(IDispatch** ppParent) = 0;          // 8
    virtual HRESULT STDMETHODCALLTYPE put_Name(BSTR bstrName) = 0;                   // 9
    virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR* pbstrName) = 0;                 // 10
    virtual HRESULT STDMETHODCALLTYPE Count(WORD nFilter, long* pnCount) = 0;        // 11
    virtual HRESULT STDMETHODCALLTYPE Item(long nIndex, WORD nFilter, IDispatch** ppItem) = 0;  // 12
    virtual HRESULT STDMETHODCALLTYPE Add(IDispatch* pItem) = 0;                     // 13
    virtual HRESULT STDMETHODCALLTYPE Remove(VARIANT* pvarKey, IDispatch** ppRemoved) = 0;      // 14
    virtual HRESULT STDMETHODCALLTYPE Enum(IDispatch** ppEnum) = 0;                  // 15
};

// Change events of a property; each passes the property that changed.
struct DBPROPEVENTS : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE ChangeParent(IDispatch* pProp) = 0;            // 7
    virtual HRESULT STDMETHODCALLTYPE ChangeName(IDispatch* pProp) = 0;              // 8
    virtual HRESULT STDMETHODCALLTYPE ChangeType(IDispatch* pProp) = 0;              // 9
    virtual HRESULT STDMETHODCALLTYPE ChangeCategory(IDispatch* pProp) = 0;          // 10
    virtual HRESULT STDMETHODCALLTYPE ChangeValue(IDispatch* pProp) = 0;             // 11
    virtual HRESULT STDMETHODCALLTYPE ChangeState(IDispatch* pProp) = 0;             // 12
};

// The library's command targets: a parent link and aggregated inner objects.
struct IXCMDTARGET : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE put_Parent(IDispatch* pParent) = 0;            // 7
    virtual HRESULT STDMETHODCALLTYPE get_Parent(IDispatch** ppParent) = 0;          // 8
    virtual HRESULT STDMETHODCALLTYPE AddAggregate(IUnknown* pInner, BOOL* pbResult) = 0;  // 9
};
