// oleunk.cpp - COM identity of command targets: interface maps, QueryInterface, aggregation,
// the automation state and the application lock.
#include "oleimpl_.h"

AFX_OLE_STATE::AFX_OLE_STATE(CCmdTarget* pThis)
    : m_xInnerUnknown(pThis), m_xDispatch(pThis), m_xConnPtContainer(pThis),
      m_bAutomation(FALSE), m_bAggregation(FALSE), m_bConnections(FALSE), m_bAggregatesMade(FALSE),
      m_bResultExpected(TRUE)
{
}

AFX_OLE_STATE* AfxOleGetState(CCmdTarget* pTarget)
{
    if (pTarget->m_pOleState == NULL)
        pTarget->m_pOleState = new AFX_OLE_STATE(pTarget);
    return pTarget->m_pOleState;
}

void AfxOleFreeState(CCmdTarget* pTarget)
{
    delete pTarget->m_pOleState;
    pTarget->m_pOleState = NULL;
}

void CCmdTarget::EnableAutomation()
{
    AfxOleGetState(this)->m_bAutomation = TRUE;
}

void CCmdTarget::EnableAggregation()
{
    AfxOleGetState(this)->m_bAggregation = TRUE;
}

void CCmdTarget::EnableConnections()
{
    AfxOleGetState(this)->m_bConnections = TRUE;
}

BOOL CCmdTarget::IsResultExpected() const
{
    return m_pOleState == NULL || m_pOleState->m_bResultExpected;
}

/////////////////////////////////////////////////////////////////////////////
// The maps of CCmdTarget itself are empty: its IDispatch and IConnectionPointContainer parts are
// answered by GetInterface when enabled.

const AFX_DISPMAP* PASCAL CCmdTarget::GetThisDispatchMap()
{
    static const AFX_DISPMAP_ENTRY _entries[] = { { NULL, NULL, VT_EMPTY, NULL, NULL, FALSE } };
    static const AFX_DISPMAP map = { NULL, &_entries[0] };
    return &map;
}

const AFX_DISPMAP* CCmdTarget::GetDispatchMap() const
{
    return GetThisDispatchMap();
}

const AFX_INTERFACEMAP* PASCAL CCmdTarget::GetThisInterfaceMap()
{
    static const AFX_INTERFACEMAP_ENTRY _entries[] = { { NULL, NULL } };
    static const AFX_INTERFACEMAP map = { NULL, &_entries[0] };
    return &map;
}

const AFX_INTERFACEMAP* CCmdTarget::GetInterfaceMap() const
{
    return GetThisInterfaceMap();
}

const AFX_CONNECTIONMAP* PASCAL CCmdTarget::GetThisConnectionMap()
{
    static const AFX_CONNECTIONMAP_ENTRY _entries[] = { { NULL, NULL } };
    static const AFX_CONNECTIONMAP map = { NULL, &_entries[0] };
    return &map;
}

const AFX_CONNECTIONMAP* CCmdTarget::GetConnectionMap() const
{
    return GetThisConnectionMap();
}

/////////////////////////////////////////////////////////////////////////////
// QueryInterface

static const AFX_INTERFACEMAP* BaseInterfaceMap(const AFX_INTERFACEMAP* pMap)
{
    return pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL;
}

LPUNKNOWN CCmdTarget::GetInterfaceHook(const void*)
{
    return NULL;
}

BOOL CCmdTarget::OnCreateAggregates()
{
    return TRUE;
}

LPUNKNOWN CCmdTarget::GetInterface(const void* iid)
{
    LPUNKNOWN pUnk = GetInterfaceHook(iid);
    if (pUnk != NULL)
        return pUnk;
    const IID& riid = *(const IID*)iid;

    // The object's identity is its first part, the most derived map first, so every IUnknown
    // the object hands out (when not aggregated) is the same pointer.
    BOOL bIdentity = IsEqualIID(riid, IID_IUnknown);
    for (const AFX_INTERFACEMAP* pMap = GetInterfaceMap(); pMap != NULL; pMap = BaseInterfaceMap(pMap))
    {
        for (const AFX_INTERFACEMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnGetPart != NULL; pEntry++)
        {
            if (pEntry->piid != NULL && (bIdentity || IsEqualIID(*pEntry->piid, riid)))
                return pEntry->pfnGetPart(this);
        }
    }
    if (m_pOleState == NULL)
        return NULL;
    if (m_pOleState->m_bAutomation && (bIdentity || IsEqualIID(riid, IID_IDispatch)))
        return &m_pOleState->m_xDispatch;
    if (m_pOleState->m_bConnections && (bIdentity || IsEqualIID(riid, IID_IConnectionPointContainer)))
        return &m_pOleState->m_xConnPtContainer;
    return NULL;
}

LPUNKNOWN CCmdTarget::QueryAggregates(const void* iid)
{
    for (const AFX_INTERFACEMAP* pMap = GetInterfaceMap(); pMap != NULL; pMap = BaseInterfaceMap(pMap))
    {
        for (const AFX_INTERFACEMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnGetPart != NULL; pEntry++)
        {
            if (pEntry->piid != NULL)
                continue;
            LPUNKNOWN pInner = pEntry->pfnGetPart(this);
            LPUNKNOWN pResult = NULL;
            if (pInner != NULL && SUCCEEDED(pInner->QueryInterface(*(const IID*)iid, (void**)&pResult))
                && pResult != NULL)
                return pResult;
        }
    }
    return NULL;
}

DWORD CCmdTarget::InternalQueryInterface(const void* iid, LPVOID* ppvObj)
{
    if (ppvObj == NULL)
        return (DWORD)E_POINTER;
    *ppvObj = NULL;
    // aggregates are made once, on the first query, when the object is fully constructed
    if (m_pOleState != NULL && !m_pOleState->m_bAggregatesMade)
    {
        m_pOleState->m_bAggregatesMade = TRUE;
        if (!OnCreateAggregates())
            return (DWORD)E_OUTOFMEMORY;
    }
    // an aggregated object's own IUnknown is the non-delegating one its outer object holds
    if (m_pOuterUnknown != NULL && m_pOleState != NULL && m_pOleState->m_bAggregation &&
        IsEqualIID(*(const IID*)iid, IID_IUnknown))
    {
        *ppvObj = &m_pOleState->m_xInnerUnknown;
        InternalAddRef();
        return S_OK;
    }
    LPUNKNOWN pUnk = GetInterface(iid);
    if (pUnk != NULL)
    {
        ExternalAddRef();
        *ppvObj = pUnk;
        return S_OK;
    }
    pUnk = QueryAggregates(iid);
    if (pUnk != NULL)
    {
        *ppvObj = pUnk;
        return S_OK;
    }
    return (DWORD)E_NOINTERFACE;
}

DWORD CCmdTarget::ExternalQueryInterface(const void* iid, LPVOID* ppvObj)
{
    if (m_pOuterUnknown != NULL)
        return (DWORD)m_pOuterUnknown->QueryInterface(*(const IID*)iid, ppvObj);
    return InternalQueryInterface(iid, ppvObj);
}

LPUNKNOWN CCmdTarget::GetControllingUnknown()
{
    if (m_pOuterUnknown != NULL)
        return m_pOuterUnknown;
    return GetInterface(&IID_IUnknown);
}

STDMETHODIMP_(ULONG) AFX_OLE_STATE::XInnerUnknown::AddRef()
{
    return m_pThis->InternalAddRef();
}

STDMETHODIMP_(ULONG) AFX_OLE_STATE::XInnerUnknown::Release()
{
    return m_pThis->InternalRelease();
}

STDMETHODIMP AFX_OLE_STATE::XInnerUnknown::QueryInterface(REFIID iid, LPVOID* ppvObj)
{
    if (ppvObj == NULL)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown))
    {
        *ppvObj = this;
        m_pThis->InternalAddRef();
        return S_OK;
    }
    return (HRESULT)m_pThis->InternalQueryInterface(&iid, ppvObj);
}

/////////////////////////////////////////////////////////////////////////////
// The application lock

static LONG s_nOleLockCount = 0;
static BOOL s_bOleUserCtrl = TRUE;

void AFXAPI AfxOleLockApp()
{
    ::InterlockedIncrement(&s_nOleLockCount);
}

void AFXAPI AfxOleUnlockApp()
{
    // the count never goes below zero, and reaching zero closes nothing: the host decides
    LONG n = ::InterlockedDecrement(&s_nOleLockCount);
    if (n < 0)
        ::InterlockedIncrement(&s_nOleLockCount);
}

LONG AFXAPI AfxOleGetLockCount()
{
    return s_nOleLockCount;
}

BOOL AFXAPI AfxOleCanExitApp()
{
    return s_nOleLockCount == 0;
}

void AFXAPI AfxOleSetUserCtrl(BOOL bUserCtrl)
{
    s_bOleUserCtrl = bUserCtrl;
}

BOOL AFXAPI AfxOleGetUserCtrl()
{
    return s_bOleUserCtrl;
}
