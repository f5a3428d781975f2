// Connections.cpp - CConnections: advises recorded so that they can be undone.
#include "Connections.h"

CConnectionPointCookies::CConnectionPointCookies(IConnectionPoint* pPoint) : m_pPoint(pPoint)
{
    m_pPoint->AddRef();
}

CConnectionPointCookies::~CConnectionPointCookies()
{
    m_pPoint->Release();
}

CConnections::CConnections()
{
}

CConnections::~CConnections()
{
    for (int i = 0; i < GetSize(); i++)
        delete GetAt(i);
}

static IConnectionPoint* FindPoint(IUnknown* pSource, REFIID iid)
{
    if (pSource == NULL)
        return NULL;
    IConnectionPointContainer* pCPC = NULL;
    if (FAILED(pSource->QueryInterface(IID_IConnectionPointContainer, (void**)&pCPC)) || pCPC == NULL)
        return NULL;
    IConnectionPoint* pPoint = NULL;
    if (FAILED(pCPC->FindConnectionPoint(iid, &pPoint)))
        pPoint = NULL;
    pCPC->Release();
    return pPoint;
}

int CConnections::FindCPoint(IConnectionPoint* pPoint) const
{
    for (int i = 0; i < GetSize(); i++)
    {
        if (GetAt(i)->m_pPoint == pPoint)
            return i;
    }
    return -1;
}

int CConnections::AddConnection(IConnectionPoint* pPoint, IUnknown* pSink, DWORD dwCookie)
{
    int nIndex = FindCPoint(pPoint);
    if (nIndex < 0)
        nIndex = (int)m_arrPoints.Add(new CConnectionPointCookies(pPoint));
    SCookieInfo info = { dwCookie, pSink };
    GetAt(nIndex)->m_arrCookies.Add(info);
    return 1;
}

int CConnections::Advise(IUnknown* pSource, REFIID iid, IUnknown* pSink)
{
    IConnectionPoint* pPoint = FindPoint(pSource, iid);
    if (pPoint == NULL || pSink == NULL)
    {
        if (pPoint != NULL)
            pPoint->Release();
        return 0;
    }
    DWORD dwCookie = 0;
    int nResult = 0;
    if (SUCCEEDED(pPoint->Advise(pSink, &dwCookie)))
        nResult = AddConnection(pPoint, pSink, dwCookie);
    pPoint->Release();
    return nResult;
}

int CConnections::ConnectIEvents(IUnknown* pSource, IUnknown* pSink)
{
    return Advise(pSource, IID_DBPROPEVENTS, pSink);
}

int CConnections::ConnectIProp(IUnknown* pReceiver, IUnknown* pSource)
{
    return Advise(pSource, IID_IDBPROP, pReceiver);
}

int CConnections::Connect(IUnknown* pA, IUnknown* pB)
{
    if (ConnectIEvents(pA, pB))
        ConnectIProp(pA, pB);
    return 1;
}

// Runs f with the IUnknown of both objects; 0 when either has none.
template<class F>
static int WithUnknowns(IDispatch* pA, IDispatch* pB, F f)
{
    IUnknown* pUnkA = NULL;
    IUnknown* pUnkB = NULL;
    int nResult = 0;
    if (pA != NULL && pB != NULL && SUCCEEDED(pA->QueryInterface(IID_IUnknown, (void**)&pUnkA)) &&
        SUCCEEDED(pB->QueryInterface(IID_IUnknown, (void**)&pUnkB)))
        nResult = f(pUnkA, pUnkB);
    if (pUnkA != NULL)
        pUnkA->Release();
    if (pUnkB != NULL)
        pUnkB->Release();
    return nResult;
}

int CConnections::ConnectIEvents(IDispatch* pSource, IDispatch* pSink)
{
    return WithUnknowns(pSource, pSink, [this](IUnknown* a, IUnknown* b) { return ConnectIEvents(a, b); });
}

int CConnections::ConnectIProp(IDispatch* pReceiver, IDispatch* pSource)
{
    return WithUnknowns(pReceiver, pSource, [this](IUnknown* a, IUnknown* b) { return ConnectIProp(a, b); });
}

int CConnections::Connect(IDispatch* pA, IDispatch* pB)
{
    return WithUnknowns(pA, pB, [this](IUnknown* a, IUnknown* b) { return Connect(a, b); });
}

int CConnections::Connect(IDispatch* pA, REFIID iidA, IDispatch* pB, REFIID iidB)
{
    return WithUnknowns(pA, pB, [&](IUnknown* a, IUnknown* b) {
        int nFirst = Advise(a, iidA, b);
        int nSecond = Advise(b, iidB, a);
        return nFirst && nSecond ? 1 : 0;
    });
}

void CConnections::RemoveAt(int nIndex)
{
    CConnectionPointCookies* pEntry = GetAt(nIndex);
    m_arrPoints.RemoveAt(nIndex);
    delete pEntry;
}

int CConnections::DeleteAdvisingConnections(IConnectionPoint* pPoint)
{
    int nIndex = FindCPoint(pPoint);
    if (nIndex < 0)
        return 0;
    // taken out of the record first: a sink may call back into this record while it goes
    CConnectionPointCookies* pEntry = GetAt(nIndex);
    m_arrPoints.RemoveAt(nIndex);
    for (INT_PTR i = 0; i < pEntry->m_arrCookies.GetSize(); i++)
        pEntry->m_pPoint->Unadvise(pEntry->m_arrCookies[i].m_dwCookie);
    delete pEntry;
    return 1;
}

int CConnections::DeleteAdvisingConnections(IUnknown* pSource)
{
    IConnectionPoint* pPoint = FindPoint(pSource, IID_DBPROPEVENTS);
    if (pPoint != NULL)
    {
        DeleteAdvisingConnections(pPoint);
        pPoint->Release();
    }
    return 1;
}

int CConnections::DeleteRespondingConnections(IUnknown* pSink)
{
    for (int i = GetSize() - 1; i >= 0; i--)
    {
        CConnectionPointCookies* pEntry = GetAt(i);
        for (INT_PTR j = pEntry->m_arrCookies.GetSize() - 1; j >= 0; j--)
        {
            if (pEntry->m_arrCookies[j].m_pSink != pSink)
                continue;
            DWORD dwCookie = pEntry->m_arrCookies[j].m_dwCookie;
            pEntry->m_arrCookies.RemoveAt(j);
            pEntry->m_pPoint->Unadvise(dwCookie);
        }
        if (pEntry->m_arrCookies.GetSize() == 0)
            RemoveAt(i);
    }
    return 1;
}

int CConnections::DeleteConnections(IDispatch* pObject)
{
    IUnknown* pUnk = NULL;
    if (pObject == NULL || FAILED(pObject->QueryInterface(IID_IUnknown, (void**)&pUnk)))
        return 0;
    int nAdvising = DeleteAdvisingConnections(pUnk);
    int nResponding = DeleteRespondingConnections(pUnk);
    pUnk->Release();
    return nAdvising && nResponding;
}

int CConnections::DeleteAllConnections()
{
    while (GetSize() > 0)
        DeleteAdvisingConnections(GetAt(GetSize() - 1)->m_pPoint);
    return 1;
}
