// PropInterfaces.h - the host's property interfaces, slot by slot (slots 0-2 IUnknown, 3-6
// IDispatch), and the identifiers the library uses.  IDBPROP, IDBCOLLECTION, DBPROPEVENTS and
// IXCMDTARGET are in the type library (res/WEXOctrl.idl); the further interfaces below them are
// the host's alone, and the library calls only the slots named there (the Reserved slots keep the
// host's layout and are never called).
#pragma once

#include <afxdisp.h>

extern "C" {
AFX_EXT_DATA extern const IID IID_IDBPROP;
AFX_EXT_DATA extern const IID IID_IDBCOLLECTION;
AFX_EXT_DATA extern const IID IID_DBPROPEVENTS;
AFX_EXT_DATA extern const IID IID_IXCMDTARGET;
AFX_EXT_DATA extern const IID IID_IDBCOMPPROP;
AFX_EXT_DATA extern const IID IID_IDBPROPSCHEMA;
AFX_EXT_DATA extern const IID IID_IDBPROPLIST;
AFX_EXT_DATA extern const IID IID_IDBTABLEEDIT;
AFX_EXT_DATA extern const IID IID_IDBNARRAYSOURCE;
AFX_EXT_DATA extern const IID IID_IDBPROPDRAW;
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

// A compound property: a window onto rows of sub-properties (a scrolled array).
struct IDBCOMPPROP : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;                                         // 7
    // total rows, first row shown, page size, and a fourth number the host keeps for itself
    virtual HRESULT STDMETHODCALLTYPE GetContext(long* pnTotal, long* pnFirst, long* pnPage,
        long* pnHost) = 0;                                                                       // 8
    virtual HRESULT STDMETHODCALLTYPE Reserved9() = 0;                                         // 9
    virtual HRESULT STDMETHODCALLTYPE Reserved10() = 0;                                        // 10
    virtual HRESULT STDMETHODCALLTYPE GetSubItem(long nIndex, IDispatch** ppItem) = 0;         // 11
    virtual HRESULT STDMETHODCALLTYPE GetExtType(WORD* pnType) = 0;                            // 12
};

// The host's schema of an object's properties: categories and extended descriptions.
struct IDBPROPSCHEMA : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;                                         // 7
    virtual HRESULT STDMETHODCALLTYPE Reserved8() = 0;                                         // 8
    virtual HRESULT STDMETHODCALLTYPE GetCategoryText(long nCategory, BSTR* pbstrName,
        BSTR* pbstrDescription, long* pnHost1, long* pnHost2) = 0;                             // 9
    virtual HRESULT STDMETHODCALLTYPE GetExtDescription(long nCategory, long nIndex, WORD* pnCtrlType,
        VARIANT* pvarFirst, VARIANT* pvarSecond, BSTR* pbstrText1, BSTR* pbstrText2, long* pnHost) = 0;  // 10
    virtual HRESULT STDMETHODCALLTYPE Reserved11() = 0;                                        // 11
    virtual HRESULT STDMETHODCALLTYPE Locate(DWORD nID, long* pnCategory, long* pnIndex) = 0;  // 12
    virtual HRESULT STDMETHODCALLTYPE Reserved13() = 0;                                        // 13
    virtual HRESULT STDMETHODCALLTYPE Reserved14() = 0;                                        // 14
    virtual HRESULT STDMETHODCALLTYPE Reserved15() = 0;                                        // 15
    virtual HRESULT STDMETHODCALLTYPE GetInternalName(long nCategory, long nIndex, long nKind,
        BSTR* pbstrName) = 0;                                                                    // 16
};

// A property whose choices are a list collection of its own.
struct IDBPROPLIST : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;                                         // 7
    virtual HRESULT STDMETHODCALLTYPE get_List(IDispatch** ppList) = 0;                        // 8
    virtual HRESULT STDMETHODCALLTYPE Reserved9() = 0;                                         // 9
    virtual HRESULT STDMETHODCALLTYPE Reserved10() = 0;                                        // 10
    virtual HRESULT STDMETHODCALLTYPE GetSubItem(long nItemID, IDispatch** ppItem) = 0;        // 11
};

// A table provider that takes new rows.
struct IDBTABLEEDIT : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;                                         // 7
    virtual HRESULT STDMETHODCALLTYPE AddRow(VARIANT varValue, DWORD* pnNewID) = 0;            // 8
};

// A provider of named arrays (two-column text tables) by key.
struct IDBNARRAYSOURCE : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE GetArray(VARIANT varKey, VARIANT* pvarArray) = 0;        // 7
    virtual HRESULT STDMETHODCALLTYPE GetValue(VARIANT varKey, VARIANT* pvarValue) = 0;        // 8
};

// The host's property view server: draws values the library cannot.
struct IDBPROPDRAW : public IDispatch
{
    virtual HRESULT STDMETHODCALLTYPE Draw(HDC hDC, long nLeft, long nTop, long nRight, long nBottom,
        IDispatch* pProp, long nItemState) = 0;                                                  // 7
};
