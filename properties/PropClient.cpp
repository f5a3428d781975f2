// PropClient.cpp - CPropClient, CPropConnector and the item factory of loaded collections.
#include "PropClient.h"
#include "PropAccess.h"
#include "PropObjects.h"

/////////////////////////////////////////////////////////////////////////////
// CPropConnector

IMPLEMENT_DYNAMIC(CPropConnector, CCmdTarget)

BEGIN_INTERFACE_MAP(CPropConnector, CCmdTarget)
    INTERFACE_PART(CPropConnector, IID_DBPROPEVENTS, PropEvents)
END_INTERFACE_MAP()

BEGIN_CONNECTION_MAP(CPropConnector, CCmdTarget)
    CONNECTION_PART(CPropConnector, IID_IDBPROP, PropPoint)
END_CONNECTION_MAP()

CPropConnector::CPropConnector(CPropClient* pClient)
    : m_pClient(pClient), m_bSendingValue(FALSE), m_bSendingState(FALSE)
{
    EnableAutomation();
    EnableConnections();
}

CPropConnector::~CPropConnector()
{
}

void CPropConnector::SnapshotTargets(CPtrArray& targets)
{
    const CPtrArray* pSinks = m_xPropPoint.GetConnections();
    for (INT_PTR i = 0; i < pSinks->GetSize(); i++)
    {
        IDispatch* pProp = (IDispatch*)pSinks->GetAt(i);
        if (pProp != NULL)
        {
            pProp->AddRef();
            targets.Add(pProp);
        }
    }
}

void CPropConnector::SnapshotSources(CPtrArray& sources)
{
    if (m_pClient == NULL)
        return;
    IUnknown* pSelf = GetInterface(&IID_IUnknown);
    CConnections* pRecord = m_pClient->GetConnections();
    for (int i = 0; i < pRecord->GetSize(); i++)
    {
        CConnectionPointCookies* pEntry = pRecord->GetAt(i);
        BOOL bOurs = FALSE;
        for (INT_PTR j = 0; j < pEntry->m_arrCookies.GetSize() && !bOurs; j++)
            bOurs = pEntry->m_arrCookies[j].m_pSink == pSelf;
        IID iid;
        if (!bOurs || FAILED(pEntry->m_pPoint->GetConnectionInterface(&iid)) || !IsEqualIID(iid, IID_DBPROPEVENTS))
            continue;
        IConnectionPointContainer* pContainer = NULL;
        if (FAILED(pEntry->m_pPoint->GetConnectionPointContainer(&pContainer)) || pContainer == NULL)
            continue;
        IDispatch* pProp = NULL;
        if (SUCCEEDED(pContainer->QueryInterface(IID_IDispatch, (void**)&pProp)) && pProp != NULL)
            sources.Add(pProp);
        pContainer->Release();
    }
}

static void ReleaseAll(CPtrArray& items)
{
    for (INT_PTR i = 0; i < items.GetSize(); i++)
        ((IDispatch*)items[i])->Release();
    items.RemoveAll();
}

int CPropConnector::OnFireChangeValue(IDispatch* pProp, DWORD nID, BOOL bInterim)
{
    CPropClient* pClient = m_pClient;
    if (pClient == NULL || pClient->IsNotifyDisabled())
        return 1;
    m_bSendingValue = TRUE;
    if (pClient->m_beforeSendValue.Call() & PROPCB_CANCEL)
    {
        m_bSendingValue = FALSE;
        return 0;
    }
    // the property's echo of an interim value must not overwrite what the user is typing
    BOOL bEventsBefore = pClient->m_bEventsDisabled;
    pClient->m_bEventsDisabled = bInterim;
    BOOL bNamed = FALSE;
    if (pProp != NULL)
    {
        SendValueTo(pProp, nID);
        bNamed = TRUE;
    }
    IDispatch* pMapped = nID != 0 ? pClient->FindPropDisp(nID) : NULL;
    if (pMapped != NULL)
    {
        SendValueTo(pMapped, nID);
        bNamed = TRUE;
    }
    if (!bNamed)
    {
        CPtrArray targets;
        SnapshotTargets(targets);
        for (INT_PTR i = 0; i < targets.GetSize(); i++)
            SendValueTo((IDispatch*)targets[i], nID);
        ReleaseAll(targets);
    }
    if (m_pClient != NULL)
    {
        pClient->m_bEventsDisabled = bEventsBefore;
        pClient->m_afterSendValue.Call();
    }
    m_bSendingValue = FALSE;
    return 1;
}

int CPropConnector::OnFireChangeState(IDispatch* pProp, DWORD nID, BOOL bInterim)
{
    CPropClient* pClient = m_pClient;
    if (pClient == NULL || pClient->IsNotifyDisabled())
        return 1;
    m_bSendingState = TRUE;
    if (pClient->m_beforeSendState.Call() & PROPCB_CANCEL)
    {
        m_bSendingState = FALSE;
        return 0;
    }
    BOOL bEventsBefore = pClient->m_bEventsDisabled;
    pClient->m_bEventsDisabled = bInterim;
    BOOL bNamed = FALSE;
    if (pProp != NULL)
    {
        SendStateTo(pProp, nID);
        bNamed = TRUE;
    }
    IDispatch* pMapped = nID != 0 ? pClient->FindPropDisp(nID) : NULL;
    if (pMapped != NULL)
    {
        SendStateTo(pMapped, nID);
        bNamed = TRUE;
    }
    if (!bNamed)
    {
        CPtrArray sources;
        SnapshotSources(sources);
        for (INT_PTR i = 0; i < sources.GetSize(); i++)
            SendStateTo((IDispatch*)sources[i], nID);
        ReleaseAll(sources);
    }
    if (m_pClient != NULL)
    {
        pClient->m_bEventsDisabled = bEventsBefore;
        pClient->m_afterSendState.Call();
    }
    m_bSendingState = FALSE;
    return 1;
}

void CPropConnector::SendValueTo(IDispatch* pProp, DWORD nID)
{
    if (m_pClient == NULL)
        return;
    DWORD nPropID = 0;
    if (FAILED(GetPropertyID(pProp, &nPropID)) || (nID != 0 && nID != nPropID))
        return;
    COleVariant value;
    int nFlags = m_pClient->GetPropValueEx(&value, nPropID, pProp);
    if (!(nFlags & PROPCB_CANCEL))
    {
        IDBPROP* pDBProp = NULL;
        if (SUCCEEDED(pProp->QueryInterface(IID_IDBPROP, (void**)&pDBProp)))
        {
            pDBProp->put_Value(value);
            pDBProp->Release();
        }
    }
    else if ((nFlags & PROPCB_REVERT) && m_pClient != NULL)
    {
        BOOL bBefore = m_pClient->m_bNotifyDisabled;
        m_pClient->DisableNotify();
        m_pClient->RevertChanges();
        m_pClient->m_bNotifyDisabled = bBefore;
    }
}

void CPropConnector::SendStateTo(IDispatch* pProp, DWORD nID)
{
    if (m_pClient == NULL)
        return;
    DWORD nPropID = 0;
    if (FAILED(GetPropertyID(pProp, &nPropID)) || (nID != 0 && nID != nPropID))
        return;
    WORD nState = 0;
    m_pClient->GetPropState(&nState, nPropID, pProp);
    IDBPROP* pDBProp = NULL;
    if (SUCCEEDED(pProp->QueryInterface(IID_IDBPROP, (void**)&pDBProp)))
    {
        pDBProp->put_State(nState);
        pDBProp->Release();
    }
}

void CPropConnector::InitValueFrom(IDispatch* pProp)
{
    if (m_pClient == NULL)
        return;
    COleVariant value;
    DWORD nID = 0;
    if (FAILED(GetPropertyStatus(pProp, &nID, &value, NULL)))
        return;
    CPropClient* pClient = m_pClient;
    BOOL bBefore = pClient->m_bNotifyDisabled;
    pClient->DisableNotify();
    pClient->StartCritical();
    pClient->OnSetPropValueEx(value, nID, TRUE, pProp);
    pClient->m_bNotifyDisabled = bBefore;
    pClient->EndCritical();
}

void CPropConnector::InitStateFrom(IDispatch* pProp)
{
    if (m_pClient == NULL)
        return;
    WORD nState = 0;
    DWORD nID = 0;
    if (FAILED(GetPropertyStatus(pProp, &nID, NULL, &nState)))
        return;
    CPropClient* pClient = m_pClient;
    BOOL bBefore = pClient->m_bNotifyDisabled;
    pClient->DisableNotify();
    pClient->StartCritical();
    pClient->OnSetPropState(nState, nID, TRUE, pProp);
    pClient->m_bNotifyDisabled = bBefore;
    pClient->EndCritical();
}

void CPropConnector::OnChangeValue(IDispatch* pProp)
{
    if (m_pClient != NULL && !m_pClient->IsEventsDisabled())
        InitValueFrom(pProp);
}

void CPropConnector::OnChangeState(IDispatch* pProp)
{
    if (m_pClient != NULL && !m_pClient->IsEventsDisabled())
        InitStateFrom(pProp);
}

void CPropConnector::OnChangeName(IDispatch* pProp)
{
    if (m_pClient == NULL)
        return;
    IDBPROP* pDBProp = NULL;
    if (pProp == NULL || FAILED(pProp->QueryInterface(IID_IDBPROP, (void**)&pDBProp)))
        return;
    BSTR bstrName = NULL;
    DWORD nID = 0;
    pDBProp->get_ID(&nID);
    if (SUCCEEDED(pDBProp->get_Name(&bstrName)))
    {
        CPropClient* pClient = m_pClient;
        pClient->StartCritical();
        pClient->OnSetPropName(bstrName, nID);
        pClient->EndCritical();
    }
    ::SysFreeString(bstrName);
    pDBProp->Release();
}

IMPLEMENT_PART_IUNKNOWN(CPropConnector, PropEvents)
IMPLEMENT_PART_IDISPATCH(CPropConnector, PropEvents)

#define CONNECTOR_EVENT(call) \
    METHOD_PROLOGUE(CPropConnector, PropEvents) \
    return AfxCallGuarded(pThis->m_pModuleState, [&]() -> HRESULT { call; return S_OK; });

STDMETHODIMP CPropConnector::XPropEvents::ChangeParent(IDispatch*) { return S_OK; }
STDMETHODIMP CPropConnector::XPropEvents::ChangeType(IDispatch*) { return S_OK; }
STDMETHODIMP CPropConnector::XPropEvents::ChangeCategory(IDispatch*) { return S_OK; }
STDMETHODIMP CPropConnector::XPropEvents::ChangeName(IDispatch* pProp) { CONNECTOR_EVENT(pThis->OnChangeName(pProp)) }
STDMETHODIMP CPropConnector::XPropEvents::ChangeValue(IDispatch* pProp) { CONNECTOR_EVENT(pThis->OnChangeValue(pProp)) }
STDMETHODIMP CPropConnector::XPropEvents::ChangeState(IDispatch* pProp) { CONNECTOR_EVENT(pThis->OnChangeState(pProp)) }

/////////////////////////////////////////////////////////////////////////////
// CPropClient

CPropClient::CPropClient()
    : m_nCtrlType(0), m_nState(0), m_nCritical(0), m_bDestroyPending(FALSE), m_bNotifyDisabled(FALSE),
      m_bEventsDisabled(FALSE), m_pObject(NULL), m_pWnd(NULL), m_beforeSendValue{ NULL, NULL, NULL, NULL },
      m_afterSendValue{ NULL, NULL, NULL, NULL }, m_beforeSendState{ NULL, NULL, NULL, NULL },
      m_afterSendState{ NULL, NULL, NULL, NULL }, m_pfnAfterGet(NULL), m_pfnBeforeSet(NULL)
{
    m_pConnector = new CPropConnector(this);
}

CPropClient::~CPropClient()
{
    DisconnectAll();
    POSITION pos = m_mapProps.GetStartPosition();
    while (pos != NULL)
    {
        DWORD nID;
        IDispatch* pDisp;
        m_mapProps.GetNextAssoc(pos, nID, pDisp);
        pDisp->Release();
    }
    m_mapProps.RemoveAll();
    // properties that still hold the connector (advised elsewhere) reach a client-less object
    m_pConnector->m_pClient = NULL;
    m_pConnector->ExternalRelease();
    m_pConnector = NULL;
}

int CPropClient::OnSetPropName(BSTR, DWORD) { return 0; }
int CPropClient::OnSetPropValue(VARIANT, DWORD, BOOL, IDispatch*) { return 0; }
int CPropClient::OnSetPropState(WORD, DWORD, BOOL, IDispatch*) { return 0; }
int CPropClient::GetPropValue(VARIANT*, DWORD, IDispatch*) { return 0; }
int CPropClient::RevertChanges() { return 0; }

int CPropClient::GetPropState(WORD* pnState, DWORD, IDispatch*)
{
    if (m_nState != 1)
        return 0;
    if (pnState != NULL)
        *pnState = 1;
    return 1;
}

int CPropClient::FireChangeValue(IDispatch* pProp, DWORD nID, BOOL bInterim)
{
    StartCritical();
    int nResult = m_pConnector->OnFireChangeValue(pProp, nID, bInterim);
    EndCritical();
    return nResult;
}

int CPropClient::FireChangeState(IDispatch* pProp, DWORD nID, BOOL bInterim)
{
    StartCritical();
    int nResult = m_pConnector->OnFireChangeState(pProp, nID, bInterim);
    EndCritical();
    return nResult;
}

IDispatch* CPropClient::GetConnectorDisp()
{
    return m_pConnector->GetIDispatch(FALSE);
}

int CPropClient::Connect(IDispatch* pProp, CConnections* pRecord, WORD nMode)
{
    if (pProp == NULL)
        return 0;
    if (pRecord == NULL)
        pRecord = &m_connections;
    IDispatch* pConnector = GetConnectorDisp();
    switch (nMode & PROPCONNECT_BOTH)
    {
    case PROPCONNECT_BOTH:
        return pRecord->Connect(pProp, pConnector);
    case PROPCONNECT_EVENTS:
        return pRecord->ConnectIEvents(pProp, pConnector);
    case PROPCONNECT_PUSH:
        return pRecord->ConnectIProp(pProp, pConnector);
    }
    return 0;
}

int CPropClient::Disconnect(IDispatch* pProp, CConnections* pRecord)
{
    if (pRecord == NULL)
        pRecord = &m_connections;
    return pRecord->DeleteConnections(pProp);
}

int CPropClient::DisconnectAll()
{
    return m_connections.DeleteAllConnections();
}

void CPropClient::FirstInit(IDispatch* pProp)
{
    DisableNotify();
    COleVariant value;
    WORD nState = 0;
    DWORD nID = 0;
    StartCritical();
    if (SUCCEEDED(GetPropertyStatus(pProp, &nID, &value, &nState)))
    {
        OnSetPropValueEx(value, nID, TRUE, pProp);
        OnSetPropState(nState, nID, TRUE, pProp);
    }
    EnableNotify();
    EndCritical();
}

int CPropClient::OnSetPropValueEx(VARIANT value, DWORD nID, BOOL bFirst, IDispatch* pProp)
{
    int nFlags = 0;
    if (m_pfnBeforeSet != NULL)
        nFlags = m_pfnBeforeSet(this, &value, nID, pProp, bFirst);
    if (!(nFlags & PROPCB_CANCEL))
        OnSetPropValue(value, nID, bFirst, pProp);
    return nFlags;
}

int CPropClient::GetPropValueEx(VARIANT* pValue, DWORD nID, IDispatch* pProp)
{
    GetPropValue(pValue, nID, pProp);
    return m_pfnAfterGet != NULL ? m_pfnAfterGet(this, pValue, nID, pProp) : 0;
}

IDispatch* CPropClient::GetFirstConnectedProperty(POSITION* pPos)
{
    if (pPos == NULL)
        return NULL;
    *pPos = m_mapProps.GetStartPosition();
    return GetNextConnectedProperty(pPos);
}

IDispatch* CPropClient::GetNextConnectedProperty(POSITION* pPos)
{
    if (pPos == NULL || *pPos == NULL)
        return NULL;
    DWORD nID;
    IDispatch* pDisp = NULL;
    m_mapProps.GetNextAssoc(*pPos, nID, pDisp);
    return pDisp;
}

IDispatch* CPropClient::FindPropDisp(DWORD nID) const
{
    IDispatch* pDisp = NULL;
    return m_mapProps.Lookup(nID, pDisp) ? pDisp : NULL;
}

IDispatch* CPropClient::MapPropDisp(DWORD nID, IDispatch* pDisp, BOOL bAdd)
{
    IDispatch* pOld = FindPropDisp(nID);
    if (bAdd)
    {
        if (pDisp == NULL || pDisp == pOld)
            return pOld;
        pDisp->AddRef();
        m_mapProps.SetAt(nID, pDisp);
        if (pOld != NULL)
            pOld->Release();
        return pDisp;
    }
    if (pOld != NULL && (pDisp == NULL || pDisp == pOld))
    {
        m_mapProps.RemoveKey(nID);
        pOld->Release();
    }
    return FindPropDisp(nID);
}

HRESULT CPropClient::GetPropInfo(SPropertyInfo* pInfo, WORD nRequest)
{
    POSITION pos;
    IDispatch* pFirst = GetFirstConnectedProperty(&pos);
    if (pFirst == NULL)
        return E_FAIL;
    return GetPropertyInfo(pFirst, pInfo, nRequest);
}

void CPropClient::EndCritical()
{
    if (m_nCritical > 0)
        m_nCritical--;
    if (m_nCritical == 0 && m_bDestroyPending)
    {
        m_bDestroyPending = FALSE;
        if (m_pWnd != NULL && ::IsWindow(m_pWnd->GetSafeHwnd()))
            m_pWnd->DestroyWindow();
    }
}

void CPropClient::DestroyByCheckCriticalCalls()
{
    if (m_nCritical > 0)
    {
        m_bDestroyPending = TRUE;
        return;
    }
    if (m_pWnd != NULL && ::IsWindow(m_pWnd->GetSafeHwnd()))
        m_pWnd->DestroyWindow();
}

void CPropClient::SetBeforeSendValueCallback(PFNPROPSENDCALLBACK pfn, void* p1, void* p2, void* p3)
{
    m_beforeSendValue = { pfn, p1, p2, p3 };
}

void CPropClient::SetAfterSendValueCallback(PFNPROPSENDCALLBACK pfn, void* p1, void* p2, void* p3)
{
    m_afterSendValue = { pfn, p1, p2, p3 };
}

void CPropClient::SetBeforeSendStateCallback(PFNPROPSENDCALLBACK pfn, void* p1, void* p2, void* p3)
{
    m_beforeSendState = { pfn, p1, p2, p3 };
}

void CPropClient::SetAfterSendStateCallback(PFNPROPSENDCALLBACK pfn, void* p1, void* p2, void* p3)
{
    m_afterSendState = { pfn, p1, p2, p3 };
}

/////////////////////////////////////////////////////////////////////////////

IDispatch* CreatePropertyFunction(void* pCollection, void* pClient)
{
    CObjXDBPropColl* pColl = (CObjXDBPropColl*)pCollection;
    if (pColl == NULL)
        return NULL;
    CObjXDBProp* pProp = new CObjXDBProp;
    IDispatch* pDisp = pProp->GetIDispatch(FALSE);
    try
    {
        pColl->Add(pDisp);
    }
    catch (CException* e)
    {
        e->Delete();
        pProp->InternalRelease();
        return NULL;
    }
    if (pClient != NULL)
        ((CPropClient*)pClient)->Connect(pDisp, NULL, PROPCONNECT_BOTH);
    return pDisp;
}
