// afxdisp.h - OLE automation support of the framework.
//
//   COleException, COleDispatchException      failures of OLE calls and of automation members
//   dispatch maps (DISP_*), VTS_* strings     members reached through CCmdTarget's IDispatch
//   interface maps (INTERFACE_PART, ...)      COM interfaces implemented as nested parts
//   connection maps, CConnectionPoint         outgoing interfaces and their sinks
//   COleVariant                               a VARIANT that owns its value
//   AfxOleLockApp / AfxOleUnlockApp           the count of live automation objects
//
// Not covered: class factories and servers, COleDispatchDriver, event maps of controls, type
// information at run time (GetTypeInfoCount answers 0).
#pragma once

#include "afxwin.h"
#include <ole2.h>
#include <oleauto.h>
#include <olectl.h>
#include <ocidl.h>
#include <tuple>
#include <type_traits>
#include <utility>

// Initialises OLE for the calling thread (once); FALSE when OLE could not start.
AFX_FX_API BOOL AFXAPI AfxOleInit();
AFX_FX_API void AFXAPI AfxOleTerm(BOOL bJustRevoke = FALSE);

// Registers the type library that lies in the module hInstance's folder under pszFileName (or,
// with no name, the one bound into the module itself).  pszHelpDir NULL: the library's folder.
AFX_FX_API BOOL AFXAPI AfxOleRegisterTypeLib(HINSTANCE hInstance, REFGUID tlid,
    LPCSTR pszFileName = NULL, LPCSTR pszHelpDir = NULL);
AFX_FX_API BOOL AFXAPI AfxOleUnregisterTypeLib(REFGUID tlid, WORD wVerMajor = 0, WORD wVerMinor = 0,
    LCID lcid = 0);

// The application lock: every live automation object holds one.  Reaching zero never closes the
// host; a host that wants to end with its last object asks AfxOleCanExitApp itself.
AFX_FX_API void AFXAPI AfxOleLockApp();
AFX_FX_API void AFXAPI AfxOleUnlockApp();
AFX_FX_API LONG AFXAPI AfxOleGetLockCount();
AFX_FX_API BOOL AFXAPI AfxOleCanExitApp();
AFX_FX_API void AFXAPI AfxOleSetUserCtrl(BOOL bUserCtrl);
AFX_FX_API BOOL AFXAPI AfxOleGetUserCtrl();

/////////////////////////////////////////////////////////////////////////////
// Exceptions

// An OLE failure as a framework exception.
class AFX_FX_CLASS COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    COleException();
    virtual ~COleException();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    static SCODE PASCAL Process(const CException* pAnyException);
    SCODE m_sc;
};

[[noreturn]] AFX_FX_API void AFXAPI AfxThrowOleException(SCODE sc);

// A failure that an automation member reports to its caller through EXCEPINFO.
class AFX_FX_CLASS COleDispatchException : public CException
{
    DECLARE_DYNAMIC(COleDispatchException)
public:
    COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode);
    virtual ~COleDispatchException();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    // Fills an EXCEPINFO from any framework exception (the caller owns the BSTRs it gets).
    static void PASCAL Process(EXCEPINFO* pInfo, const CException* pAnyException);

    WORD m_wCode;               // error code of the member (0 when m_scError is used)
    SCODE m_scError;            // status when m_wCode is 0
    CString m_strDescription;
    CString m_strSource;        // empty: the application's name
    CString m_strHelpFile;
    DWORD m_dwHelpContext;
};

[[noreturn]] AFX_FX_API void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription,
    UINT nHelpID = 0);
// The description is string resource nDescriptionID of the current resource module.
[[noreturn]] AFX_FX_API void AFXAPI AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID,
    UINT nHelpID = (UINT)-1);
// A member failing with an HRESULT of its own (the caller sees it in EXCEPINFO.scode).
[[noreturn]] AFX_FX_API void AFXAPI AfxThrowOleDispatchStatus(SCODE sc, LPCSTR lpszDescription);

// The status an interface method returns for a framework exception: an OLE exception's own
// code, a dispatch exception's status, E_OUTOFMEMORY, E_NOTIMPL, ... (COleException::Process).
AFX_FX_API SCODE AFXAPI AfxStatusFromException(const CException* pException);

// Runs f() under the module state pModuleState and returns what it returns (an HRESULT), or the
// status of a framework exception it throws: the body of an interface method, which must never
// let an exception leave the object.
template<class F>
HRESULT AfxCallGuarded(AFX_MODULE_STATE* pModuleState, F f)
{
    AFX_MANAGE_STATE(pModuleState);
    try
    {
        return f();
    }
    catch (CException* e)
    {
        SCODE sc = AfxStatusFromException(e);
        e->Delete();
        return sc;
    }
    catch (const std::bad_alloc&)
    {
        return E_OUTOFMEMORY;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Dispatch maps
//
// A class lists its automation members between BEGIN_DISPATCH_MAP and END_DISPATCH_MAP.  The
// dispatch id of a member is its position in its class's map counted from 1, with the distance
// to the most derived class in the high word (0 for the object's own class), so the members of
// the most derived map are numbered 1, 2, 3, ...  Names are found case-insensitively, the most
// derived map first.  The argument and result conversions are generated from the member
// functions' own signatures; VTS_* strings document the expected arguments.

// Calls one member: the arguments come in DISPPARAMS order (last argument first), the result
// goes to pResult (never NULL here).  A failed conversion sets *puArgErr.
typedef HRESULT (AFXAPI* AFX_PDISPINVOKE)(CCmdTarget* pTarget, DISPPARAMS* pParams, VARIANT* pResult,
    UINT* puArgErr);

struct AFX_DISPMAP_ENTRY
{
    LPCSTR lpszName;            // external name; NULL ends the map
    LPCSTR lpszParams;          // VTS_* arguments (documentation; NULL for plain properties)
    VARTYPE vt;                 // type of the property or of the method's result (VT_EMPTY: none)
    AFX_PDISPINVOKE pfnGet;     // get of a property, call of a method
    AFX_PDISPINVOKE pfnSet;     // put of a property (NULL: methods)
    BOOL bMethod;
};

struct AFX_DISPMAP
{
    const AFX_DISPMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_DISPMAP_ENTRY* lpEntries;
};

#define VTS_NONE        ""
#define VTS_I2          "\x02"
#define VTS_I4          "\x03"
#define VTS_R4          "\x04"
#define VTS_R8          "\x05"
#define VTS_CY          "\x06"
#define VTS_DATE        "\x07"
#define VTS_BSTR        "\x08"
#define VTS_DISPATCH    "\x09"
#define VTS_SCODE       "\x0A"
#define VTS_BOOL        "\x0B"
#define VTS_VARIANT     "\x0C"
#define VTS_UNKNOWN     "\x0D"
#define VTS_UI1         "\x11"
#define VTS_PI2         "\x42"
#define VTS_PI4         "\x43"
#define VTS_PBSTR       "\x48"
#define VTS_PDISPATCH   "\x49"
#define VTS_PVARIANT    "\x4C"

// One argument taken from DISPPARAMS and coerced to the type the member expects.  A value that
// already has that type is used in place; anything else is converted with VariantChangeType.
class AFX_FX_CLASS CDispArgument
{
public:
    CDispArgument() : m_bOwned(FALSE) { m_v.vt = VT_EMPTY; }
    ~CDispArgument() { if (m_bOwned) ::VariantClear(&m_v); }
    // DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW when pSrc cannot become vt (VT_VARIANT: any value,
    // by-reference values resolved).
    HRESULT Load(VARIANT* pSrc, VARTYPE vt);
    VARIANT m_v;
private:
    BOOL m_bOwned;
    CDispArgument(const CDispArgument&) = delete;
    CDispArgument& operator=(const CDispArgument&) = delete;
};

// The member's argument type T as seen from the variant it comes in.
template<class T> struct CDispArg;
#define AFX_DISP_SIMPLE_ARG(T, VT, field) \
    template<> struct CDispArg<T> : CDispArgument \
    { \
        static constexpr VARTYPE vt = VT; \
        T Value() { return (T)m_v.field; } \
    };
AFX_DISP_SIMPLE_ARG(short, VT_I2, iVal)
AFX_DISP_SIMPLE_ARG(unsigned short, VT_I2, iVal)    // WORD values travel as VT_I2
AFX_DISP_SIMPLE_ARG(long, VT_I4, lVal)
AFX_DISP_SIMPLE_ARG(unsigned long, VT_I4, lVal)     // DWORD values travel as VT_I4
AFX_DISP_SIMPLE_ARG(int, VT_I4, lVal)
AFX_DISP_SIMPLE_ARG(BYTE, VT_UI1, bVal)
AFX_DISP_SIMPLE_ARG(float, VT_R4, fltVal)
AFX_DISP_SIMPLE_ARG(double, VT_R8, dblVal)
AFX_DISP_SIMPLE_ARG(bool, VT_BOOL, boolVal != VARIANT_FALSE)
AFX_DISP_SIMPLE_ARG(BSTR, VT_BSTR, bstrVal)
AFX_DISP_SIMPLE_ARG(LPDISPATCH, VT_DISPATCH, pdispVal)
AFX_DISP_SIMPLE_ARG(LPUNKNOWN, VT_UNKNOWN, punkVal)
#undef AFX_DISP_SIMPLE_ARG

template<> struct CDispArg<VARIANT> : CDispArgument
{
    static constexpr VARTYPE vt = VT_VARIANT;
    VARIANT& Value() { return m_v; }
};
// VTS_PVARIANT: the caller's own variant (a by-reference variant resolved), changes go back.
template<> struct CDispArg<VARIANT*>
{
    static constexpr VARTYPE vt = VT_VARIANT;
    HRESULT Load(VARIANT* pSrc, VARTYPE)
    {
        m_pv = (pSrc->vt == (VT_BYREF | VT_VARIANT)) ? pSrc->pvarVal : pSrc;
        return S_OK;
    }
    VARIANT* Value() { return m_pv; }
    VARIANT* m_pv = NULL;
};
template<> struct AFX_FX_CLASS CDispArg<LPCSTR> : CDispArgument
{
    static constexpr VARTYPE vt = VT_BSTR;
    HRESULT Load(VARIANT* pSrc, VARTYPE vtWanted);
    LPCSTR Value() { return m_str; }
    CString m_str;
};
template<> struct CDispArg<CString> : CDispArg<LPCSTR>
{
    const CString& Value() { return m_str; }
};

// Results: each overload stores its value in a cleared VARIANT and takes over what it owns (a
// BSTR, an interface reference, a VARIANT's contents).
inline void AfxDispSetResult(VARIANT* p, short v) { p->vt = VT_I2; p->iVal = v; }
inline void AfxDispSetResult(VARIANT* p, unsigned short v) { p->vt = VT_I2; p->iVal = (short)v; }
inline void AfxDispSetResult(VARIANT* p, long v) { p->vt = VT_I4; p->lVal = v; }
inline void AfxDispSetResult(VARIANT* p, unsigned long v) { p->vt = VT_I4; p->lVal = (long)v; }
inline void AfxDispSetResult(VARIANT* p, int v) { p->vt = VT_I4; p->lVal = v; }
inline void AfxDispSetResult(VARIANT* p, BYTE v) { p->vt = VT_UI1; p->bVal = v; }
inline void AfxDispSetResult(VARIANT* p, float v) { p->vt = VT_R4; p->fltVal = v; }
inline void AfxDispSetResult(VARIANT* p, double v) { p->vt = VT_R8; p->dblVal = v; }
inline void AfxDispSetResult(VARIANT* p, bool v) { p->vt = VT_BOOL; p->boolVal = v ? VARIANT_TRUE : VARIANT_FALSE; }
inline void AfxDispSetResult(VARIANT* p, BSTR v) { p->vt = VT_BSTR; p->bstrVal = v; }
inline void AfxDispSetResult(VARIANT* p, LPDISPATCH v) { p->vt = VT_DISPATCH; p->pdispVal = v; }
inline void AfxDispSetResult(VARIANT* p, LPUNKNOWN v) { p->vt = VT_UNKNOWN; p->punkVal = v; }
inline void AfxDispSetResult(VARIANT* p, const VARIANT& v) { *p = v; }
AFX_FX_API void AFXAPI AfxDispSetResult(VARIANT* p, const CString& v);

template<class F> struct CDispMember;
template<class C, class R, class... A> struct CDispMember<R (C::*)(A...)>
{
    typedef C Class;
    typedef R Result;
    static constexpr size_t nArgs = sizeof...(A);
    typedef std::tuple<CDispArg<std::decay_t<A>>...> Args;
};
template<class C, class R, class... A> struct CDispMember<R (C::*)(A...) const>
    : CDispMember<R (C::*)(A...)> {};

// Unpacks the arguments of pfn from DISPPARAMS, calls it and stores its result.
template<auto pfn, size_t... I>
HRESULT AfxDispCall(CCmdTarget* pTarget, DISPPARAMS* pParams, VARIANT* pResult, UINT* puArgErr,
    std::index_sequence<I...>)
{
    typedef CDispMember<decltype(pfn)> M;
    typename M::Args args;
    HRESULT hr = S_OK;
    UINT nArg = 0;
    // argument I is rgvarg[cArgs - 1 - I]: DISPPARAMS lists the last argument first
    ((SUCCEEDED(hr) ? (nArg = pParams->cArgs - 1 - I,
        hr = std::get<I>(args).Load(&pParams->rgvarg[nArg], std::tuple_element_t<I, typename M::Args>::vt))
        : hr), ...);
    if (FAILED(hr))
    {
        if (puArgErr != NULL)
            *puArgErr = nArg;
        return hr;
    }
    typename M::Class* pThis = static_cast<typename M::Class*>(pTarget);
    if constexpr (std::is_void_v<typename M::Result>)
        (pThis->*pfn)(std::get<I>(args).Value()...);
    else
        AfxDispSetResult(pResult, (pThis->*pfn)(std::get<I>(args).Value()...));
    return S_OK;
}

template<auto pfn>
HRESULT AFXAPI AfxDispInvoke(CCmdTarget* pTarget, DISPPARAMS* pParams, VARIANT* pResult, UINT* puArgErr)
{
    typedef CDispMember<decltype(pfn)> M;
    if (pParams->cArgs != M::nArgs)
        return DISP_E_BADPARAMCOUNT;
    return AfxDispCall<pfn>(pTarget, pParams, pResult, puArgErr, std::make_index_sequence<M::nArgs>());
}

// A put: the value is the last argument of the setter.  A setter without arguments (such as
// SetNotSupported) is called as it is, whatever the caller passed.
template<auto pfn>
HRESULT AFXAPI AfxDispPut(CCmdTarget* pTarget, DISPPARAMS* pParams, VARIANT* pResult, UINT* puArgErr)
{
    typedef CDispMember<decltype(pfn)> M;
    if constexpr (M::nArgs == 0)
    {
        (static_cast<typename M::Class*>(pTarget)->*pfn)();
        return S_OK;
    }
    else
        return AfxDispInvoke<pfn>(pTarget, pParams, pResult, puArgErr);
}

template<class F> struct CDispData;
template<class C, class T> struct CDispData<T C::*> { typedef C Class; typedef T Type; };

template<auto pm>
HRESULT AFXAPI AfxDispGetMember(CCmdTarget* pTarget, DISPPARAMS* pParams, VARIANT* pResult, UINT*)
{
    typedef CDispData<decltype(pm)> D;
    if (pParams->cArgs != 0)
        return DISP_E_BADPARAMCOUNT;
    typename D::Type& value = static_cast<typename D::Class*>(pTarget)->*pm;
    if constexpr (std::is_same_v<typename D::Type, VARIANT>)
        return ::VariantCopy(pResult, &value);
    else
        AfxDispSetResult(pResult, value);
    return S_OK;
}

template<auto pm, auto pfnNotify = nullptr>
HRESULT AFXAPI AfxDispSetMember(CCmdTarget* pTarget, DISPPARAMS* pParams, VARIANT*, UINT* puArgErr)
{
    typedef CDispData<decltype(pm)> D;
    static_assert(!std::is_same_v<typename D::Type, BSTR>, "keep text properties in a CString");
    if (pParams->cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    CDispArg<typename D::Type> arg;
    HRESULT hr = arg.Load(&pParams->rgvarg[0], CDispArg<typename D::Type>::vt);
    if (FAILED(hr))
    {
        if (puArgErr != NULL)
            *puArgErr = 0;
        return hr;
    }
    typename D::Class* pThis = static_cast<typename D::Class*>(pTarget);
    if constexpr (std::is_same_v<typename D::Type, VARIANT>)
    {
        hr = ::VariantCopy(&(pThis->*pm), &arg.Value());
        if (FAILED(hr))
            return hr;
    }
    else
        pThis->*pm = arg.Value();
    if constexpr (pfnNotify != nullptr)
        (pThis->*pfnNotify)();
    return S_OK;
}

#define DECLARE_DISPATCH_MAP() \
public: \
    static const AFX_DISPMAP* PASCAL GetThisDispatchMap(); \
    virtual const AFX_DISPMAP* GetDispatchMap() const;

#define BEGIN_DISPATCH_MAP(theClass, baseClass) \
    const AFX_DISPMAP* theClass::GetDispatchMap() const \
        { return GetThisDispatchMap(); } \
    const AFX_DISPMAP* PASCAL theClass::GetThisDispatchMap() \
    { \
        typedef baseClass TheBaseClass; \
        static const AFX_DISPMAP_ENTRY _dispatchEntries[] = \
        {

#define END_DISPATCH_MAP() \
            { NULL, NULL, VT_EMPTY, NULL, NULL, FALSE } \
        }; \
        static const AFX_DISPMAP dispatchMap = \
            { &TheBaseClass::GetThisDispatchMap, &_dispatchEntries[0] }; \
        return &dispatchMap; \
    }

#define DISP_FUNCTION(theClass, szExternalName, pfnMember, vtRetVal, vtsParams) \
    { szExternalName, vtsParams, vtRetVal, &AfxDispInvoke<&theClass::pfnMember>, NULL, TRUE },
#define DISP_PROPERTY(theClass, szExternalName, memberName, vtPropType) \
    { szExternalName, NULL, vtPropType, &AfxDispGetMember<&theClass::memberName>, \
      &AfxDispSetMember<&theClass::memberName>, FALSE },
#define DISP_PROPERTY_NOTIFY(theClass, szExternalName, memberName, pfnAfterSet, vtPropType) \
    { szExternalName, NULL, vtPropType, &AfxDispGetMember<&theClass::memberName>, \
      &AfxDispSetMember<&theClass::memberName, &theClass::pfnAfterSet>, FALSE },
#define DISP_PROPERTY_EX(theClass, szExternalName, pfnGet, pfnSet, vtPropType) \
    { szExternalName, NULL, vtPropType, &AfxDispInvoke<&theClass::pfnGet>, \
      &AfxDispPut<&theClass::pfnSet>, FALSE },
#define DISP_PROPERTY_PARAM(theClass, szExternalName, pfnGet, pfnSet, vtPropType, vtsParams) \
    { szExternalName, vtsParams, vtPropType, &AfxDispInvoke<&theClass::pfnGet>, \
      &AfxDispPut<&theClass::pfnSet>, FALSE },

// The member behind a dispatch id of pTarget's map chain (NULL when there is none).
AFX_FX_API const AFX_DISPMAP_ENTRY* AFXAPI AfxDispFindEntry(CCmdTarget* pTarget, DISPID dispid);
// The dispatch id of a member name, case-insensitive; DISPID_UNKNOWN when there is none.
AFX_FX_API DISPID AFXAPI AfxDispFindName(CCmdTarget* pTarget, LPCSTR lpszName);

/////////////////////////////////////////////////////////////////////////////
// Interface maps
//
// An interface is a nested part of its object, declared between BEGIN_INTERFACE_PART and
// END_INTERFACE_PART and listed in the object's interface map.  Each part keeps a pointer to
// the object that contains it, set when the object is constructed, so a method reaches its object
// through METHOD_PROLOGUE without address arithmetic on the object's layout.

struct AFX_INTERFACEMAP_ENTRY
{
    const IID* piid;                             // NULL: an aggregate (or, with no function, the end)
    LPUNKNOWN (*pfnGetPart)(CCmdTarget* pThis);  // the part, or the aggregate's inner unknown
};

struct AFX_INTERFACEMAP
{
    const AFX_INTERFACEMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_INTERFACEMAP_ENTRY* lpEntries;
};

#define DECLARE_INTERFACE_MAP() \
public: \
    static const AFX_INTERFACEMAP* PASCAL GetThisInterfaceMap(); \
    virtual const AFX_INTERFACEMAP* GetInterfaceMap() const;

#define BEGIN_INTERFACE_MAP(theClass, theBase) \
    const AFX_INTERFACEMAP* theClass::GetInterfaceMap() const \
        { return GetThisInterfaceMap(); } \
    const AFX_INTERFACEMAP* PASCAL theClass::GetThisInterfaceMap() \
    { \
        typedef theBase TheBaseClass; \
        static const AFX_INTERFACEMAP_ENTRY _interfaceEntries[] = \
        {

#define INTERFACE_PART(theClass, iid, localClass) \
    { &iid, [](CCmdTarget* p) -> LPUNKNOWN \
        { return static_cast<LPUNKNOWN>(&static_cast<theClass*>(p)->m_x##localClass); } },

// theAggr: an LPUNKNOWN member holding the inner unknown of an aggregated object (may be NULL).
#define INTERFACE_AGGREGATE(theClass, theAggr) \
    { NULL, [](CCmdTarget* p) -> LPUNKNOWN { return static_cast<theClass*>(p)->theAggr; } },

#define END_INTERFACE_MAP() \
            { NULL, NULL } \
        }; \
        static const AFX_INTERFACEMAP interfaceMap = \
            { &TheBaseClass::GetThisInterfaceMap, &_interfaceEntries[0] }; \
        return &interfaceMap; \
    }

#define BEGIN_INTERFACE_PART(localClass, baseClass) \
    class X##localClass : public baseClass \
    { \
    public: \
        explicit X##localClass(CCmdTarget* pOuter) : m_pOuterTarget(pOuter) {} \
        CCmdTarget* const m_pOuterTarget; \
        STDMETHOD_(ULONG, AddRef)(); \
        STDMETHOD_(ULONG, Release)(); \
        STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj);

#define INIT_INTERFACE_PART(theClass, localClass)

#define END_INTERFACE_PART(localClass) \
    } m_x##localClass{this}; \
    friend class X##localClass;

// pThis: the object that holds the part.  The _EX form also makes the object's module state
// current for the rest of the method, as every interface method of an extension module must.
#define METHOD_PROLOGUE(theClass, localClass) \
    theClass* pThis = static_cast<theClass*>(m_pOuterTarget); (void)pThis;
#define METHOD_PROLOGUE_EX(theClass, localClass) \
    theClass* pThis = static_cast<theClass*>(m_pOuterTarget); \
    AFX_MANAGE_STATE(pThis->m_pModuleState)
#define METHOD_PROLOGUE_EX_(theClass, localClass) METHOD_PROLOGUE(theClass, localClass)

// The three IUnknown methods of a part, handed to the object that holds it.
#define IMPLEMENT_PART_IUNKNOWN(theClass, localClass) \
    STDMETHODIMP_(ULONG) theClass::X##localClass::AddRef() \
        { return m_pOuterTarget->ExternalAddRef(); } \
    STDMETHODIMP_(ULONG) theClass::X##localClass::Release() \
        { return m_pOuterTarget->ExternalRelease(); } \
    STDMETHODIMP theClass::X##localClass::QueryInterface(REFIID iid, LPVOID* ppvObj) \
        { return (HRESULT)m_pOuterTarget->ExternalQueryInterface(&iid, ppvObj); }

// The four IDispatch methods of a dual part, handed to the object's generic IDispatch.
#define IMPLEMENT_PART_IDISPATCH(theClass, localClass) \
    STDMETHODIMP theClass::X##localClass::GetTypeInfoCount(UINT* pctinfo) \
        { return m_pOuterTarget->GetIDispatch(FALSE)->GetTypeInfoCount(pctinfo); } \
    STDMETHODIMP theClass::X##localClass::GetTypeInfo(UINT i, LCID lcid, ITypeInfo** ppti) \
        { return m_pOuterTarget->GetIDispatch(FALSE)->GetTypeInfo(i, lcid, ppti); } \
    STDMETHODIMP theClass::X##localClass::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, \
        LCID lcid, DISPID* rgdispid) \
        { return m_pOuterTarget->GetIDispatch(FALSE)->GetIDsOfNames(riid, rgszNames, cNames, lcid, rgdispid); } \
    STDMETHODIMP theClass::X##localClass::Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD wFlags, \
        DISPPARAMS* pdp, VARIANT* pvarResult, EXCEPINFO* pei, UINT* puArgErr) \
        { return m_pOuterTarget->GetIDispatch(FALSE)->Invoke(dispid, riid, lcid, wFlags, pdp, pvarResult, \
            pei, puArgErr); }

#define DECLARE_PART_IDISPATCH() \
        STDMETHOD(GetTypeInfoCount)(UINT* pctinfo); \
        STDMETHOD(GetTypeInfo)(UINT i, LCID lcid, ITypeInfo** ppti); \
        STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgdispid); \
        STDMETHOD(Invoke)(DISPID dispid, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pdp, \
            VARIANT* pvarResult, EXCEPINFO* pei, UINT* puArgErr);

/////////////////////////////////////////////////////////////////////////////
// Connection points

class CConnectionPoint;

struct AFX_CONNECTIONMAP_ENTRY
{
    const IID* piid;                                         // NULL ends the map
    CConnectionPoint* (*pfnGetPoint)(CCmdTarget* pThis);
};

struct AFX_CONNECTIONMAP
{
    const AFX_CONNECTIONMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_CONNECTIONMAP_ENTRY* lpEntries;
};

// One outgoing interface of an object and the sinks advised to it, in advise order.  The point
// lives inside its container and shares the container's reference count.
class AFX_FX_CLASS CConnectionPoint : public CCmdTarget
{
public:
    explicit CConnectionPoint(CCmdTarget* pContainer);
    virtual ~CConnectionPoint();

    virtual REFIID GetIID() = 0;
    virtual int GetMaxConnections();                 // -1: no limit
    virtual HRESULT QuerySinkInterface(LPUNKNOWN pUnkSink, void** ppInterface);
    virtual void OnAdvise(BOOL bAdvise);

    CCmdTarget* GetContainerTarget() const { return m_pContainer; }
    LPCONNECTIONPOINTCONTAINER GetContainer();       // one reference added
    LPCONNECTIONPOINT GetConnectionPoint() { return &m_xConnPt; }  // no reference added
    // the sinks (the interface GetIID names), in advise order; not to be kept across calls out
    const CPtrArray* GetConnections() { return &m_arrSinks; }
    POSITION GetStartPosition() const;
    LPUNKNOWN GetNextConnection(POSITION& pos) const;

    HRESULT Advise(LPUNKNOWN pUnkSink, DWORD* pdwCookie);
    HRESULT Unadvise(DWORD dwCookie);

    class AFX_FX_CLASS XConnPt : public IConnectionPoint
    {
    public:
        explicit XConnPt(CConnectionPoint* pOwner) : m_pOwner(pOwner) {}
        CConnectionPoint* const m_pOwner;
        STDMETHOD_(ULONG, AddRef)();
        STDMETHOD_(ULONG, Release)();
        STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj);
        STDMETHOD(GetConnectionInterface)(IID* pIID);
        STDMETHOD(GetConnectionPointContainer)(IConnectionPointContainer** ppCPC);
        STDMETHOD(Advise)(LPUNKNOWN pUnkSink, DWORD* pdwCookie);
        STDMETHOD(Unadvise)(DWORD dwCookie);
        STDMETHOD(EnumConnections)(LPENUMCONNECTIONS* ppEnum);
    } m_xConnPt{this};

protected:
    CCmdTarget* m_pContainer;
    CPtrArray m_arrSinks;           // one reference each
    CDWordArray m_arrCookies;       // parallel to m_arrSinks
    DWORD m_dwNextCookie;
};

#define DECLARE_CONNECTION_MAP() \
public: \
    static const AFX_CONNECTIONMAP* PASCAL GetThisConnectionMap(); \
    virtual const AFX_CONNECTIONMAP* GetConnectionMap() const;

#define BEGIN_CONNECTION_PART(theClass, localClass) \
    class X##localClass : public CConnectionPoint \
    { \
    public: \
        explicit X##localClass(CCmdTarget* pContainer) : CConnectionPoint(pContainer) {}

#define CONNECTION_IID(iid) \
        REFIID GetIID() override { return iid; }

#define END_CONNECTION_PART(localClass) \
    } m_x##localClass{this}; \
    friend class X##localClass;

#define BEGIN_CONNECTION_MAP(theClass, theBase) \
    const AFX_CONNECTIONMAP* theClass::GetConnectionMap() const \
        { return GetThisConnectionMap(); } \
    const AFX_CONNECTIONMAP* PASCAL theClass::GetThisConnectionMap() \
    { \
        typedef theBase TheBaseClass; \
        static const AFX_CONNECTIONMAP_ENTRY _connEntries[] = \
        {

#define CONNECTION_PART(theClass, iid, localClass) \
    { &iid, [](CCmdTarget* p) -> CConnectionPoint* \
        { return &static_cast<theClass*>(p)->m_x##localClass; } },

#define END_CONNECTION_MAP() \
            { NULL, NULL } \
        }; \
        static const AFX_CONNECTIONMAP connMap = \
            { &TheBaseClass::GetThisConnectionMap, &_connEntries[0] }; \
        return &connMap; \
    }

// Advises pUnkSink at the connection point for iid of pUnkSrc; TRUE and the cookie on success.
AFX_FX_API BOOL AFXAPI AfxConnectionAdvise(LPUNKNOWN pUnkSrc, REFIID iid, LPUNKNOWN pUnkSink,
    BOOL bRefCount, DWORD* pdwCookie);
AFX_FX_API BOOL AFXAPI AfxConnectionUnadvise(LPUNKNOWN pUnkSrc, REFIID iid, LPUNKNOWN pUnkSink,
    BOOL bRefCount, DWORD dwCookie);

/////////////////////////////////////////////////////////////////////////////
// COleVariant - a VARIANT that owns its value

typedef const VARIANT* LPCVARIANT;
#ifndef VT_BSTRT
#define VT_BSTRT 0xfff         // ANSI bytes kept as they are in a BSTR
#endif

class AFX_FX_CLASS COleVariant : public tagVARIANT
{
public:
    COleVariant() { ::VariantInit(this); }
    COleVariant(const VARIANT& varSrc);
    COleVariant(const VARIANT* pSrc);
    COleVariant(const COleVariant& varSrc);
    COleVariant(LPCSTR lpszSrc);                 // VT_BSTR
    COleVariant(LPCSTR lpszSrc, VARTYPE vtSrc);  // VT_BSTR (VT_BSTRT: the bytes kept as they are)
    COleVariant(const CString& strSrc);
    COleVariant(BYTE nSrc) { vt = VT_UI1; bVal = nSrc; }
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);  // VT_I2 or VT_BOOL
    COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);   // VT_I4 or VT_ERROR
    COleVariant(float fltSrc) { vt = VT_R4; fltVal = fltSrc; }
    COleVariant(double dblSrc) { vt = VT_R8; dblVal = dblSrc; }
    COleVariant(bool bSrc) { vt = VT_BOOL; boolVal = bSrc ? VARIANT_TRUE : VARIANT_FALSE; }
    ~COleVariant();

    void Clear();
    void ChangeType(VARTYPE vartype, LPVARIANT pSrc = NULL);   // throws COleException
    void Attach(VARIANT& varSrc);     // takes over the value; varSrc is left empty
    VARIANT Detach();                 // hands the value over; this is left empty

    // Equal: the same type and the same value (VT_I2 5 is not VT_I4 5); strings exactly, arrays
    // element by element, interfaces by pointer.
    BOOL operator==(const VARIANT& varSrc) const;
    BOOL operator==(LPCVARIANT pSrc) const;
    BOOL operator!=(const VARIANT& varSrc) const { return !operator==(varSrc); }

    const COleVariant& operator=(const VARIANT& varSrc);
    const COleVariant& operator=(LPCVARIANT pSrc);
    const COleVariant& operator=(const COleVariant& varSrc);
    const COleVariant& operator=(LPCSTR lpszSrc);
    const COleVariant& operator=(const CString& strSrc);
    const COleVariant& operator=(short nSrc);
    const COleVariant& operator=(long lSrc);
    const COleVariant& operator=(double dblSrc);

    operator LPVARIANT() { return this; }
    operator LPCVARIANT() const { return this; }
};

// The framework's equality of two variants, as COleVariant::operator== compares.
AFX_FX_API BOOL AFXAPI AfxVariantEqual(const VARIANT* pA, const VARIANT* pB);
