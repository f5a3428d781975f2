// PropObjects.cpp - CXCmdTarget, CObjXDBProp, CObjXDBPropColl and CreateProperty.
#include "PropObjects.h"

extern "C" {
const IID IID_IDBPROP = { 0xD1371AB4, 0x6666, 0x11D2, { 0x8D, 0x5A, 0x00, 0x00, 0x21, 0x45, 0x2D, 0xB6 } };
const IID IID_IDBCOLLECTION = { 0xD1371ABA, 0x6666, 0x11D2, { 0x8D, 0x5A, 0x00, 0x00, 0x21, 0x45, 0x2D, 0xB6 } };
const IID IID_DBPROPEVENTS = { 0x9F5086D2, 0x6713, 0x11D2, { 0x8D, 0x5B, 0x00, 0x00, 0x21, 0x45, 0x2D, 0xB6 } };
const IID IID_IXCMDTARGET = { 0x9A0AF350, 0x70B9, 0x11D2, { 0x8D, 0x6D, 0x00, 0x00, 0x21, 0x45, 0x2D, 0xB6 } };
const IID IID_IDBCOMPPROP = { 0x6E8A96B6, 0x67FC, 0x4038, { 0x92, 0x64, 0x2C, 0xA9, 0xAD, 0xEF, 0xDB, 0xFA } };
const IID IID_IDBPROPSCHEMA = { 0x37BE2F14, 0x2F5A, 0x4BF2, { 0x9F, 0xEA, 0xE7, 0x8E, 0x7D, 0xC1, 0x78, 0xCB } };
const IID IID_IDBPROPLIST = { 0xD474A117, 0x6B4E, 0x11D2, { 0x9D, 0x04, 0x00, 0x00, 0x01, 0x18, 0x78, 0x63 } };
const IID IID_IDBTABLEEDIT = { 0x14F8F98D, 0xF89A, 0x4817, { 0xB3, 0x73, 0xB5, 0x44, 0x30, 0xD5, 0x25, 0x8B } };
const IID IID_IDBNARRAYSOURCE = { 0xE364CBB1, 0x23C0, 0x4C7D, { 0xAD, 0x41, 0x50, 0x21, 0x2F, 0xC0, 0xCC, 0xD5 } };
const IID IID_IDBPROPDRAW = { 0x57DDC894, 0x6D8B, 0x11D2, { 0x9D, 0x04, 0x00, 0x00, 0x01, 0x18, 0x78, 0x63 } };
}

// The body of an interface method: the object's module state, and framework exceptions turned
// into the status the caller gets.
#define GUARDED(theClass, localClass, body) \
    METHOD_PROLOGUE(theClass, localClass) \
    return AfxCallGuarded(pThis->m_pModuleState, [&]() -> HRESULT { body; return S_OK; });

/////////////////////////////////////////////////////////////////////////////
// CXCmdTarget

IMPLEMENT_DYNCREATE(CXCmdTarget, CCmdTarget)

BEGIN_DISPATCH_MAP(CXCmdTarget, CCmdTarget)
    DISP_PROPERTY_EX(CXCmdTarget, "Parent", GetParentDisp, PutParentDisp, VT_DISPATCH)
    DISP_FUNCTION(CXCmdTarget, "Aggregate", DispAggregate, VT_EMPTY, VTS_DISPATCH)
END_DISPATCH_MAP()

BEGIN_INTERFACE_MAP(CXCmdTarget, CCmdTarget)
    INTERFACE_PART(CXCmdTarget, IID_IXCMDTARGET, XCmdTarget)
END_INTERFACE_MAP()

CXCmdTarget::CXCmdTarget() : m_pParent(NULL)
{
    EnableAutomation();
    EnableAggregation();
    EnableConnections();
    AfxOleLockApp();
}

CXCmdTarget::~CXCmdTarget()
{
    ReleaseAggregates();
    AfxOleUnlockApp();
}

IUnknown* PASCAL CXCmdTarget::CreateAggregated(CRuntimeClass* pClass, IUnknown* pOuter)
{
    if (pClass == NULL || pOuter == NULL || !pClass->IsDerivedFrom(RUNTIME_CLASS(CXCmdTarget)))
        return NULL;
    CXCmdTarget* pObject = (CXCmdTarget*)pClass->CreateObject();
    if (pObject == NULL)
        return NULL;
    pObject->m_pOuterUnknown = pOuter;
    // the first query makes the aggregates: Init, then registration with the outer object
    IUnknown* pInner = NULL;
    if (FAILED((HRESULT)pObject->InternalQueryInterface(&IID_IUnknown, (void**)&pInner)))
    {
        pObject->m_pOuterUnknown = NULL;
        pObject->InternalRelease();
        return NULL;
    }
    pObject->InternalRelease();     // the creation reference; the query's or the outer's stays
    if (pObject->m_dwRef > 1)
    {
        // the outer object took its own reference through IXCMDTARGET
        pInner->Release();
    }
    return pInner;
}

HRESULT CXCmdTarget::Init()
{
    return S_OK;
}

HRESULT CXCmdTarget::QueryAggregate(REFIID iid, void** ppv)
{
    *ppv = NULL;
    for (INT_PTR i = 0; i < m_arrAggregates.GetSize(); i++)
    {
        IUnknown* pInner = (IUnknown*)m_arrAggregates[i];
        if (SUCCEEDED(pInner->QueryInterface(iid, ppv)) && *ppv != NULL)
            return S_OK;
    }
    return E_NOINTERFACE;
}

LPUNKNOWN CXCmdTarget::QueryAggregates(const void* iid)
{
    LPUNKNOWN pResult = CCmdTarget::QueryAggregates(iid);
    if (pResult == NULL && FAILED(QueryAggregate(*(const IID*)iid, (void**)&pResult)))
        pResult = NULL;
    return pResult;
}

void CXCmdTarget::SetParent(IDispatch* pParent)
{
    m_pParent = pParent;
}

HRESULT CXCmdTarget::GetParent(IDispatch** ppParent)
{
    if (ppParent == NULL)
        return E_POINTER;
    *ppParent = NULL;
    if (m_pParent == NULL)
        return E_FAIL;
    return m_pParent->QueryInterface(IID_IDispatch, (void**)ppParent);
}

LPDISPATCH CXCmdTarget::GetParentDisp()
{
    IDispatch* pParent = NULL;
    GetParent(&pParent);
    return pParent;
}

BOOL CXCmdTarget::AddAggregate(IUnknown* pInner)
{
    if (pInner == NULL)
        return FALSE;
    pInner->AddRef();
    m_arrAggregates.Add(pInner);
    return TRUE;
}

void CXCmdTarget::DispAggregate(LPDISPATCH pInner)
{
    IUnknown* pUnk = NULL;
    if (pInner == NULL || FAILED(pInner->QueryInterface(IID_IUnknown, (void**)&pUnk)))
        AfxThrowOleException(E_INVALIDARG);
    AddAggregate(pUnk);
    pUnk->Release();
}

void CXCmdTarget::ReleaseAggregates()
{
    while (m_arrAggregates.GetSize() > 0)
    {
        IUnknown* pInner = (IUnknown*)m_arrAggregates[m_arrAggregates.GetSize() - 1];
        m_arrAggregates.RemoveAt(m_arrAggregates.GetSize() - 1);
        pInner->Release();
    }
}

BOOL CXCmdTarget::OnCreateAggregates()
{
    if (FAILED(Init()))
        return FALSE;
    if (m_pOuterUnknown != NULL)
    {
        IXCMDTARGET* pOuter = NULL;
        if (SUCCEEDED(m_pOuterUnknown->QueryInterface(IID_IXCMDTARGET, (void**)&pOuter)) && pOuter != NULL)
        {
            // the aggregates are made by now, so this query only hands out the inner unknown
            IUnknown* pInner = NULL;
            if (SUCCEEDED((HRESULT)InternalQueryInterface(&IID_IUnknown, (void**)&pInner)))
            {
                BOOL bResult = FALSE;
                pOuter->AddAggregate(pInner, &bResult);
                pInner->Release();
            }
            pOuter->Release();
        }
    }
    return TRUE;
}

void CXCmdTarget::OnFinalRelease()
{
    // keep the object alive while the aggregates let go of it
    m_dwRef = 1;
    ReleaseAggregates();
    m_pParent = NULL;   // a plain link: nothing to release
    m_dwRef = 0;
    CCmdTarget::OnFinalRelease();
}

IMPLEMENT_PART_IUNKNOWN(CXCmdTarget, XCmdTarget)
IMPLEMENT_PART_IDISPATCH(CXCmdTarget, XCmdTarget)

STDMETHODIMP CXCmdTarget::XXCmdTarget::put_Parent(IDispatch* pParent)
{
    GUARDED(CXCmdTarget, XCmdTarget, pThis->SetParent(pParent))
}

STDMETHODIMP CXCmdTarget::XXCmdTarget::get_Parent(IDispatch** ppParent)
{
    METHOD_PROLOGUE(CXCmdTarget, XCmdTarget)
    return AfxCallGuarded(pThis->m_pModuleState, [&] { return pThis->GetParent(ppParent); });
}

STDMETHODIMP CXCmdTarget::XXCmdTarget::AddAggregate(IUnknown* pInner, BOOL* pbResult)
{
    GUARDED(CXCmdTarget, XCmdTarget,
        BOOL bResult = pThis->AddAggregate(pInner);
        if (pbResult != NULL) *pbResult = bResult)
}

/////////////////////////////////////////////////////////////////////////////
// CObjXDBProp

IMPLEMENT_DYNCREATE(CObjXDBProp, CXCmdTarget)

BEGIN_DISPATCH_MAP(CObjXDBProp, CXCmdTarget)
    DISP_PROPERTY_EX(CObjXDBProp, "Parent", GetParentDisp, SetParent, VT_DISPATCH)
    DISP_PROPERTY_EX(CObjXDBProp, "Name", GetName, SetName, VT_BSTR)
    DISP_PROPERTY_EX(CObjXDBProp, "Type", GetType, SetType, VT_I2)
    DISP_PROPERTY_EX(CObjXDBProp, "Category", GetCategory, SetCategory, VT_I4)
    DISP_PROPERTY_EX(CObjXDBProp, "Value", GetValue, SetValue, VT_VARIANT)
    DISP_PROPERTY_EX(CObjXDBProp, "State", GetState, SetState, VT_I2)
    DISP_PROPERTY_EX(CObjXDBProp, "ID", GetID, SetID, VT_I4)
    DISP_PROPERTY_EX(CObjXDBProp, "Provider", GetProvider, SetProvider, VT_DISPATCH)
    DISP_PROPERTY_EX(CObjXDBProp, "Flags", GetFlags, SetFlags, VT_I2)
    DISP_FUNCTION(CObjXDBProp, "PropertyChangeParent", OnDBPROPEVENTSChangeParent, VT_EMPTY, VTS_DISPATCH)
    DISP_FUNCTION(CObjXDBProp, "PropertyChangeName", OnDBPROPEVENTSChangeName, VT_EMPTY, VTS_DISPATCH)
    DISP_FUNCTION(CObjXDBProp, "PropertyChangeType", OnDBPROPEVENTSChangeType, VT_EMPTY, VTS_DISPATCH)
    DISP_FUNCTION(CObjXDBProp, "PropertyChangeCategory", OnDBPROPEVENTSChangeCategory, VT_EMPTY, VTS_DISPATCH)
    DISP_FUNCTION(CObjXDBProp, "PropertyChangeValue", OnDBPROPEVENTSChangeValue, VT_EMPTY, VTS_DISPATCH)
    DISP_FUNCTION(CObjXDBProp, "PropertyChangeState", OnDBPROPEVENTSChangeState, VT_EMPTY, VTS_DISPATCH)
END_DISPATCH_MAP()

BEGIN_INTERFACE_MAP(CObjXDBProp, CXCmdTarget)
    INTERFACE_PART(CObjXDBProp, IID_IDBPROP, DBProp)
    INTERFACE_PART(CObjXDBProp, IID_DBPROPEVENTS, PropEvents)
    INTERFACE_PART(CObjXDBProp, IID_ISupportErrorInfo, SupportErrorInfo)
END_INTERFACE_MAP()

BEGIN_CONNECTION_MAP(CObjXDBProp, CXCmdTarget)
    CONNECTION_PART(CObjXDBProp, IID_DBPROPEVENTS, EventsPoint)
    CONNECTION_PART(CObjXDBProp, IID_IDBPROP, PropPoint)
END_CONNECTION_MAP()

CObjXDBProp::CObjXDBProp()
    : m_nType(0), m_nID(0), m_nState(PROPSTATE_ENABLED), m_bValueLocked(FALSE), m_pProvider(NULL),
      m_nChangeMode(1), m_bPulling(FALSE), m_bPushing(FALSE)
{
    ::VariantInit(&m_varValue);
}

CObjXDBProp::~CObjXDBProp()
{
    ::VariantClear(&m_varValue);
}

// The library object of class pClass behind any of its interfaces (a dual part as well as the
// generic IDispatch), NULL for anything else.
static CCmdTarget* TargetFromIDisp(IDispatch* pDisp, CRuntimeClass* pClass)
{
    if (pDisp == NULL)
        return NULL;
    CCmdTarget* pTarget = CCmdTarget::FromIDispatch(pDisp);
    if (pTarget == NULL)
    {
        IDispatch* pGeneric = NULL;
        if (FAILED(pDisp->QueryInterface(IID_IDispatch, (void**)&pGeneric)) || pGeneric == NULL)
            return NULL;
        pTarget = CCmdTarget::FromIDispatch(pGeneric);
        pGeneric->Release();
    }
    return pTarget != NULL && pTarget->IsKindOf(pClass) ? pTarget : NULL;
}

CObjXDBProp* PASCAL CObjXDBProp::ObjectFromIDisp(IDispatch* pDisp)
{
    return (CObjXDBProp*)TargetFromIDisp(pDisp, RUNTIME_CLASS(CObjXDBProp));
}

CObjXDBProp* PASCAL CObjXDBProp::ObjectFromDbProp(IDBPROP* pProp)
{
    return ObjectFromIDisp(pProp);
}

HRESULT CObjXDBProp::Init()
{
    return CXCmdTarget::Init();
}

void CObjXDBProp::OnFinalRelease()
{
    CXCmdTarget::OnFinalRelease();
}

void CObjXDBProp::SetParent(IDispatch* pParent)
{
    CXCmdTarget::SetParent(pParent);
    FireChangeParent();
}

HRESULT CObjXDBProp::GetParent(IDispatch** ppParent)
{
    return CXCmdTarget::GetParent(ppParent);
}

static BSTR BstrFromAnsi(LPCSTR psz)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    BSTR bstr = ::SysAllocStringLen(NULL, n > 0 ? n - 1 : 0);
    if (bstr == NULL)
        AfxThrowMemoryException();
    if (n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, psz, -1, bstr, n);
    return bstr;
}

BSTR CObjXDBProp::GetName()
{
    SPropertyInfo* pInfo = g_pPropertiesInfoStuff != NULL ? g_pPropertiesInfoStuff->FindByID(m_nID) : NULL;
    return BstrFromAnsi(pInfo != NULL ? (LPCSTR)pInfo->m_strName : "Unknown");
}

void CObjXDBProp::SetType(WORD nType)
{
    if (nType == m_nType)
        return;
    m_nType = nType;
    FireChangeType();
}

VARIANT CObjXDBProp::GetValue()
{
    VARIANT v;
    ::VariantInit(&v);
    HRESULT hr = ::VariantCopyInd(&v, &m_varValue);
    if (FAILED(hr))
        AfxThrowOleException(hr);
    return v;
}

// Two named arrays (two-column text tables) are equal when every row has the same name and the
// same value text.
static BOOL NamedArraysEqual(SAFEARRAY* a, SAFEARRAY* b)
{
    if (a == NULL || b == NULL)
        return a == b;
    UINT nDims = ::SafeArrayGetDim(a);
    if (nDims != ::SafeArrayGetDim(b))
        return FALSE;
    LONG nLowA, nHighA, nLowB, nHighB;
    if (FAILED(::SafeArrayGetLBound(a, 1, &nLowA)) || FAILED(::SafeArrayGetUBound(a, 1, &nHighA)) ||
        FAILED(::SafeArrayGetLBound(b, 1, &nLowB)) || FAILED(::SafeArrayGetUBound(b, 1, &nHighB)))
        return FALSE;
    if (nHighA - nLowA != nHighB - nLowB)
        return FALSE;
    LONG nColumns = nDims >= 2 ? 2 : 1;
    for (LONG i = 0; i <= nHighA - nLowA; i++)
    {
        for (LONG c = 0; c < nColumns; c++)
        {
            LONG idxA[2] = { nLowA + i, c };
            LONG idxB[2] = { nLowB + i, c };
            BSTR bstrA = NULL;
            BSTR bstrB = NULL;
            ::SafeArrayGetElement(a, idxA, &bstrA);
            ::SafeArrayGetElement(b, idxB, &bstrB);
            BOOL bSame = wcscmp(bstrA != NULL ? bstrA : L"", bstrB != NULL ? bstrB : L"") == 0;
            ::SysFreeString(bstrA);
            ::SysFreeString(bstrB);
            if (!bSame)
                return FALSE;
        }
    }
    return TRUE;
}

void CObjXDBProp::SetValue(const VARIANT& varValue)
{
    if (m_bValueLocked)
        return;
    const VARIANT* pNew = &varValue;
    if (pNew->vt == (VT_BYREF | VT_VARIANT))
        pNew = pNew->pvarVal;
    BOOL bEqual;
    if (pNew->vt == (VT_ARRAY | VT_BSTR) && m_varValue.vt == (VT_ARRAY | VT_BSTR))
        bEqual = NamedArraysEqual(pNew->parray, m_varValue.parray);
    else
        bEqual = AfxVariantEqual(pNew, &m_varValue);
    if (bEqual)
        return;
    VARIANT varCopy;
    ::VariantInit(&varCopy);
    HRESULT hr = ::VariantCopyInd(&varCopy, const_cast<VARIANT*>(pNew));
    if (FAILED(hr))
        AfxThrowOleException(hr);
    ::VariantClear(&m_varValue);
    m_varValue = varCopy;
    FireChangeValue();
}

void CObjXDBProp::SetState(WORD nState)
{
    if (nState == m_nState)
        return;
    if (nState == PROPSTATE_PRESSED)
    {
        // a momentary press: listeners see 1, then the state as it was
        WORD nPrevious = m_nState;
        m_nState = nState;
        FireChangeState();
        m_nState = nPrevious;
        FireChangeState();
        return;
    }
    m_nState = nState;
    FireChangeState();
}

LPDISPATCH CObjXDBProp::GetProvider()
{
    if (m_pProvider != NULL)
        m_pProvider->AddRef();
    return m_pProvider;
}

void CObjXDBProp::Fire(PFNEVENT pfnEvent)
{
    // a snapshot with a reference on each sink: sinks may unadvise or release themselves
    const CPtrArray* pSinks = m_xEventsPoint.GetConnections();
    INT_PTR nSinks = pSinks->GetSize();
    if (nSinks == 0)
        return;
    CPtrArray snapshot;
    for (INT_PTR i = 0; i < nSinks; i++)
    {
        DBPROPEVENTS* pSink = (DBPROPEVENTS*)pSinks->GetAt(i);
        if (pSink != NULL)
        {
            pSink->AddRef();
            snapshot.Add(pSink);
        }
    }
    IDispatch* pSelf = GetIDispatch(TRUE);
    for (INT_PTR i = 0; i < snapshot.GetSize(); i++)
        (((DBPROPEVENTS*)snapshot[i])->*pfnEvent)(pSelf);
    for (INT_PTR i = 0; i < snapshot.GetSize(); i++)
        ((DBPROPEVENTS*)snapshot[i])->Release();
    pSelf->Release();
}

void CObjXDBProp::FireChangeParent() { Fire(&DBPROPEVENTS::ChangeParent); }
void CObjXDBProp::FireChangeName() { Fire(&DBPROPEVENTS::ChangeName); }
void CObjXDBProp::FireChangeType() { Fire(&DBPROPEVENTS::ChangeType); }
void CObjXDBProp::FireChangeCategory() { Fire(&DBPROPEVENTS::ChangeCategory); }
void CObjXDBProp::FireChangeState() { Fire(&DBPROPEVENTS::ChangeState); }

void CObjXDBProp::FireChangeValue()
{
    Fire(&DBPROPEVENTS::ChangeValue);
    NotifyAllConnections();
}

void CObjXDBProp::NotifyAllConnections()
{
    if (m_bPushing)
        return;
    CPtrArray targets;
    targets.Copy(*m_xPropPoint.GetConnections());
    for (INT_PTR i = 0; i < targets.GetSize(); i++)
    {
        m_bPushing = TRUE;
        SendValueTo((IDispatch*)targets[i]);
        m_bPushing = FALSE;
    }
}

void CObjXDBProp::SendValueTo(IDispatch* pTarget)
{
    IDBPROP* pProp = NULL;
    if (pTarget == NULL || FAILED(pTarget->QueryInterface(IID_IDBPROP, (void**)&pProp)))
        return;
    pProp->put_Value(m_varValue);    // a failing target is left as it is
    pProp->Release();
}

void CObjXDBProp::InitValueFrom(IDispatch* pSource)
{
    IDBPROP* pProp = NULL;
    if (pSource == NULL || FAILED(pSource->QueryInterface(IID_IDBPROP, (void**)&pProp)))
        return;
    VARIANT v;
    ::VariantInit(&v);
    if (FAILED(pProp->get_Value(&v)))
        ::VariantInit(&v);
    pProp->Release();
    SetValue(v);
    ::VariantClear(&v);
}

void CObjXDBProp::OnDBPROPEVENTSChangeValue(LPDISPATCH pSource)
{
    if (m_bPushing)
        return;
    m_bPulling = TRUE;
    InitValueFrom(pSource);
    m_bPulling = FALSE;
    NotifyAllConnections();
}

IMPLEMENT_PART_IUNKNOWN(CObjXDBProp, DBProp)
IMPLEMENT_PART_IDISPATCH(CObjXDBProp, DBProp)

STDMETHODIMP CObjXDBProp::XDBProp::put_Parent(IDispatch* p) { GUARDED(CObjXDBProp, DBProp, pThis->SetParent(p)) }
STDMETHODIMP CObjXDBProp::XDBProp::get_Parent(IDispatch** pp)
{
    METHOD_PROLOGUE(CObjXDBProp, DBProp)
    return AfxCallGuarded(pThis->m_pModuleState, [&] { return pThis->GetParent(pp); });
}
STDMETHODIMP CObjXDBProp::XDBProp::put_Name(BSTR) { return S_OK; }
STDMETHODIMP CObjXDBProp::XDBProp::get_Name(BSTR* p)
{
    GUARDED(CObjXDBProp, DBProp, if (p == NULL) return E_POINTER; *p = pThis->GetName())
}
STDMETHODIMP CObjXDBProp::XDBProp::put_Type(WORD n) { GUARDED(CObjXDBProp, DBProp, pThis->SetType(n)) }
STDMETHODIMP CObjXDBProp::XDBProp::get_Type(WORD* p)
{
    GUARDED(CObjXDBProp, DBProp, if (p == NULL) return E_POINTER; *p = pThis->GetType())
}
STDMETHODIMP CObjXDBProp::XDBProp::put_Category(long n) { GUARDED(CObjXDBProp, DBProp, pThis->SetCategory(n)) }
STDMETHODIMP CObjXDBProp::XDBProp::get_Category(long* p)
{
    GUARDED(CObjXDBProp, DBProp, if (p == NULL) return E_POINTER; *p = pThis->GetCategory())
}
STDMETHODIMP CObjXDBProp::XDBProp::put_Value(VARIANT v) { GUARDED(CObjXDBProp, DBProp, pThis->SetValue(v)) }
STDMETHODIMP CObjXDBProp::XDBProp::get_Value(VARIANT* p)
{
    GUARDED(CObjXDBProp, DBProp, if (p == NULL) return E_POINTER; *p = pThis->GetValue())
}
STDMETHODIMP CObjXDBProp::XDBProp::get_State(WORD* p)
{
    GUARDED(CObjXDBProp, DBProp, if (p == NULL) return E_POINTER; *p = pThis->GetState())
}
STDMETHODIMP CObjXDBProp::XDBProp::put_State(WORD n) { GUARDED(CObjXDBProp, DBProp, pThis->SetState(n)) }
STDMETHODIMP CObjXDBProp::XDBProp::get_ID(DWORD* p)
{
    GUARDED(CObjXDBProp, DBProp, if (p == NULL) return E_POINTER; *p = pThis->GetID())
}
STDMETHODIMP CObjXDBProp::XDBProp::put_ID(DWORD n) { GUARDED(CObjXDBProp, DBProp, pThis->SetID(n)) }
STDMETHODIMP CObjXDBProp::XDBProp::get_Provider(IDispatch** p)
{
    GUARDED(CObjXDBProp, DBProp, if (p == NULL) return E_POINTER; *p = pThis->GetProvider())
}
STDMETHODIMP CObjXDBProp::XDBProp::put_Provider(IDispatch* p) { GUARDED(CObjXDBProp, DBProp, pThis->SetProvider(p)) }
STDMETHODIMP CObjXDBProp::XDBProp::get_Flags(WORD* p)
{
    GUARDED(CObjXDBProp, DBProp, if (p == NULL) return E_POINTER; *p = pThis->GetFlags())
}
STDMETHODIMP CObjXDBProp::XDBProp::put_Flags(WORD n) { GUARDED(CObjXDBProp, DBProp, pThis->SetFlags(n)) }

IMPLEMENT_PART_IUNKNOWN(CObjXDBProp, PropEvents)
IMPLEMENT_PART_IDISPATCH(CObjXDBProp, PropEvents)

STDMETHODIMP CObjXDBProp::XPropEvents::ChangeParent(IDispatch*) { return S_OK; }
STDMETHODIMP CObjXDBProp::XPropEvents::ChangeName(IDispatch*) { return S_OK; }
STDMETHODIMP CObjXDBProp::XPropEvents::ChangeType(IDispatch*) { return S_OK; }
STDMETHODIMP CObjXDBProp::XPropEvents::ChangeCategory(IDispatch*) { return S_OK; }
STDMETHODIMP CObjXDBProp::XPropEvents::ChangeState(IDispatch*) { return S_OK; }
STDMETHODIMP CObjXDBProp::XPropEvents::ChangeValue(IDispatch* pProp)
{
    GUARDED(CObjXDBProp, PropEvents, pThis->OnDBPROPEVENTSChangeValue(pProp))
}

IMPLEMENT_PART_IUNKNOWN(CObjXDBProp, SupportErrorInfo)

STDMETHODIMP CObjXDBProp::XSupportErrorInfo::InterfaceSupportsErrorInfo(REFIID iid)
{
    return IsEqualIID(iid, IID_IDBPROP) ? S_OK : S_FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// CObjXDBPropColl

IMPLEMENT_DYNCREATE(CObjXDBPropColl, CXCmdTarget)

BEGIN_DISPATCH_MAP(CObjXDBPropColl, CXCmdTarget)
    DISP_PROPERTY_EX(CObjXDBPropColl, "Parent", GetParentDisp, PutParentDisp, VT_DISPATCH)
    DISP_PROPERTY(CObjXDBPropColl, "Name", m_strName, VT_BSTR)
    DISP_PROPERTY_EX(CObjXDBPropColl, "Count", GetCount, SetNotSupported, VT_I4)
    DISP_FUNCTION(CObjXDBPropColl, "Add", Add, VT_EMPTY, VTS_DISPATCH)
    DISP_FUNCTION(CObjXDBPropColl, "Remove", Remove, VT_DISPATCH, VTS_PVARIANT)
    DISP_PROPERTY_PARAM(CObjXDBPropColl, "Item", GetItem, SetNotSupported, VT_DISPATCH, VTS_I4)
END_DISPATCH_MAP()

BEGIN_INTERFACE_MAP(CObjXDBPropColl, CXCmdTarget)
    INTERFACE_PART(CObjXDBPropColl, IID_IDBCOLLECTION, DBCollection)
    INTERFACE_PART(CObjXDBPropColl, IID_ISupportErrorInfo, SupportErrorInfo)
END_INTERFACE_MAP()

CObjXDBPropColl::CObjXDBPropColl()
{
}

CObjXDBPropColl::~CObjXDBPropColl()
{
    RemoveAll();
}

CObjXDBPropColl* PASCAL CObjXDBPropColl::ObjectFromIDisp(IDispatch* pDisp)
{
    return (CObjXDBPropColl*)TargetFromIDisp(pDisp, RUNTIME_CLASS(CObjXDBPropColl));
}

LPDISPATCH CObjXDBPropColl::GetItem(long nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return NULL;
    IDispatch* pItem = (IDispatch*)m_arrItems[nIndex];
    pItem->AddRef();
    return pItem;
}

void CObjXDBPropColl::Add(LPDISPATCH pItem)
{
    if (pItem == NULL)
        return;
    IXCMDTARGET* pTarget = NULL;
    HRESULT hr = pItem->QueryInterface(IID_IXCMDTARGET, (void**)&pTarget);
    if (FAILED(hr) || pTarget == NULL)
        AfxThrowOleException(FAILED(hr) ? hr : E_NOINTERFACE);
    hr = pTarget->put_Parent(GetIDispatch(FALSE));
    pTarget->Release();
    if (FAILED(hr))
        AfxThrowOleException(hr);
    pItem->AddRef();
    m_arrItems.Add(pItem);
}

LPDISPATCH CObjXDBPropColl::Remove(VARIANT*)
{
    return NULL;
}

void CObjXDBPropColl::RemoveAll()
{
    CPtrArray items;
    items.Copy(m_arrItems);
    m_arrItems.RemoveAll();
    for (INT_PTR i = 0; i < items.GetSize(); i++)
    {
        IDispatch* pItem = (IDispatch*)items[i];
        IXCMDTARGET* pTarget = NULL;
        if (SUCCEEDED(pItem->QueryInterface(IID_IXCMDTARGET, (void**)&pTarget)) && pTarget != NULL)
        {
            pTarget->put_Parent(NULL);
            pTarget->Release();
        }
        pItem->Release();
    }
}

void CObjXDBPropColl::OnFinalRelease()
{
    m_dwRef = 1;
    RemoveAll();
    m_dwRef = 0;
    CXCmdTarget::OnFinalRelease();
}

int CObjXDBPropColl::FindPropIndex(DWORD nID)
{
    if (g_pPropertiesInfoStuff == NULL || g_pPropertiesInfoStuff->FindByID(nID) == NULL)
        return -1;
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); i++)
    {
        CObjXDBProp* pProp = CObjXDBProp::ObjectFromIDisp((IDispatch*)m_arrItems[i]);
        if (pProp != NULL && pProp->m_nID == nID)
            return (int)i;
    }
    return -1;
}

void CObjXDBPropColl::SetPropValue(UINT nIndex, LPCSTR lpszValue, int nStateCode, int nChangeMode)
{
    if (nIndex >= (UINT)m_arrItems.GetSize())
        return;
    IDispatch* pItem = GetItem((long)nIndex);
    CObjXDBProp* pProp = CObjXDBProp::ObjectFromIDisp(pItem);
    if (pProp == NULL)
    {
        pItem->Release();
        return;
    }
    int nPreviousMode = pProp->m_nChangeMode;
    pProp->m_nChangeMode = nChangeMode;
    try
    {
        if (lpszValue != NULL)
        {
            COleVariant v(lpszValue);
            pProp->SetValue(v);
        }
        if (nStateCode != -1)
        {
            WORD nState = pProp->m_nState;
            if (nStateCode & 0x80)
                nState &= ~PROPSTATE_ENABLED;
            else
                nState |= PROPSTATE_ENABLED;
            switch (nStateCode & ~0x80)
            {
            case 0: nState = (WORD)((nState | PROPSTATE_ENABLED) & ~PROPSTATE_CHECKED); break;
            case 1: nState |= PROPSTATE_CHECKED; break;
            }
            pProp->SetState(nState);
        }
    }
    catch (...)
    {
        pProp->m_nChangeMode = nPreviousMode;
        pItem->Release();
        throw;
    }
    pProp->m_nChangeMode = nPreviousMode;
    pItem->Release();
}

IMPLEMENT_PART_IUNKNOWN(CObjXDBPropColl, DBCollection)
IMPLEMENT_PART_IDISPATCH(CObjXDBPropColl, DBCollection)

STDMETHODIMP CObjXDBPropColl::XDBCollection::put_Parent(IDispatch* p)
{
    GUARDED(CObjXDBPropColl, DBCollection, pThis->SetParent(p))
}
STDMETHODIMP CObjXDBPropColl::XDBCollection::get_Parent(IDispatch** pp)
{
    METHOD_PROLOGUE(CObjXDBPropColl, DBCollection)
    return AfxCallGuarded(pThis->m_pModuleState, [&] { return pThis->GetParent(pp); });
}
STDMETHODIMP CObjXDBPropColl::XDBCollection::put_Name(BSTR bstrName)
{
    GUARDED(CObjXDBPropColl, DBCollection, pThis->m_strName = bstrName)
}
STDMETHODIMP CObjXDBPropColl::XDBCollection::get_Name(BSTR* p)
{
    GUARDED(CObjXDBPropColl, DBCollection, if (p == NULL) return E_POINTER; *p = pThis->m_strName.AllocSysString())
}
STDMETHODIMP CObjXDBPropColl::XDBCollection::Count(WORD, long* p)
{
    GUARDED(CObjXDBPropColl, DBCollection, if (p == NULL) return E_POINTER; *p = pThis->GetCount())
}
STDMETHODIMP CObjXDBPropColl::XDBCollection::Item(long nIndex, WORD, IDispatch** pp)
{
    GUARDED(CObjXDBPropColl, DBCollection,
        if (pp == NULL) return E_POINTER;
        *pp = pThis->GetItem(nIndex);
        if (*pp == NULL) return E_UNEXPECTED)
}
STDMETHODIMP CObjXDBPropColl::XDBCollection::Add(IDispatch* pItem)
{
    GUARDED(CObjXDBPropColl, DBCollection, pThis->Add(pItem))
}
STDMETHODIMP CObjXDBPropColl::XDBCollection::Remove(VARIANT*, IDispatch** pp)
{
    if (pp != NULL)
        *pp = NULL;
    return S_OK;
}
STDMETHODIMP CObjXDBPropColl::XDBCollection::Enum(IDispatch** pp)
{
    if (pp != NULL)
        *pp = NULL;
    return S_OK;
}

IMPLEMENT_PART_IUNKNOWN(CObjXDBPropColl, SupportErrorInfo)

STDMETHODIMP CObjXDBPropColl::XSupportErrorInfo::InterfaceSupportsErrorInfo(REFIID iid)
{
    return IsEqualIID(iid, IID_IDBCOLLECTION) ? S_OK : S_FALSE;
}

/////////////////////////////////////////////////////////////////////////////

IDispatch* CreateProperty(DWORD nID, VARIANT value, WORD nState)
{
    SPropertyInfo* pInfo = g_pPropertiesInfoStuff != NULL ? g_pPropertiesInfoStuff->FindByID(nID) : NULL;
    if (pInfo == NULL)
        return NULL;
    CObjXDBProp* pProp = new CObjXDBProp;
    pProp->m_nType = pInfo->m_nType;
    pProp->m_nID = nID;
    pProp->m_nState = nState;
    if (FAILED(::VariantCopyInd(&pProp->m_varValue, &value)))
    {
        pProp->InternalRelease();
        return NULL;
    }
    return pProp->GetIDispatch(FALSE);     // the creation reference goes to the caller
}
