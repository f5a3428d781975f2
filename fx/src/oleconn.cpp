// oleconn.cpp - connection points, the connection-point container of command targets and the
// snapshot enumerators over both.
#include "oleimpl_.h"

/////////////////////////////////////////////////////////////////////////////
// Snapshot enumerators: each holds its own copy of the elements (with a reference on every
// interface in them), so sinks may come and go while a caller walks it.

struct CEnumConnectionsTraits
{
    typedef IEnumConnections Interface;
    typedef CONNECTDATA Element;
    static const IID& Iid() { return IID_IEnumConnections; }
    static void Copy(Element& to, const Element& from) { to = from; if (to.pUnk) to.pUnk->AddRef(); }
    static void Free(Element& e) { if (e.pUnk) e.pUnk->Release(); }
};

struct CEnumConnectionPointsTraits
{
    typedef IEnumConnectionPoints Interface;
    typedef IConnectionPoint* Element;
    static const IID& Iid() { return IID_IEnumConnectionPoints; }
    static void Copy(Element& to, const Element& from) { to = from; if (to) to->AddRef(); }
    static void Free(Element& e) { if (e) e->Release(); }
};

template<class Traits>
class CEnumSnapshot : public Traits::Interface
{
    typedef typename Traits::Element Element;
public:
    CEnumSnapshot(const Element* pData, ULONG nCount) : m_nRef(1), m_nCount(nCount), m_nNext(0)
    {
        m_pData = new Element[nCount > 0 ? nCount : 1];
        for (ULONG i = 0; i < nCount; i++)
            Traits::Copy(m_pData[i], pData[i]);
    }
    virtual ~CEnumSnapshot()
    {
        for (ULONG i = 0; i < m_nCount; i++)
            Traits::Free(m_pData[i]);
        delete[] m_pData;
    }
    STDMETHOD_(ULONG, AddRef)() { return (ULONG)::InterlockedIncrement(&m_nRef); }
    STDMETHOD_(ULONG, Release)()
    {
        LONG n = ::InterlockedDecrement(&m_nRef);
        if (n == 0)
            delete this;
        return (ULONG)n;
    }
    STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj)
    {
        if (ppvObj == NULL)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, Traits::Iid()))
        {
            *ppvObj = this;
            AddRef();
            return S_OK;
        }
        *ppvObj = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD(Next)(ULONG celt, Element* rgelt, ULONG* pceltFetched)
    {
        if (rgelt == NULL || (celt > 1 && pceltFetched == NULL))
            return E_POINTER;
        ULONG n = 0;
        for (; n < celt && m_nNext < m_nCount; n++, m_nNext++)
            Traits::Copy(rgelt[n], m_pData[m_nNext]);
        if (pceltFetched != NULL)
            *pceltFetched = n;
        return n == celt ? S_OK : S_FALSE;
    }
    STDMETHOD(Skip)(ULONG celt)
    {
        ULONG nLeft = m_nCount - m_nNext;
        m_nNext += celt < nLeft ? celt : nLeft;
        return celt <= nLeft ? S_OK : S_FALSE;
    }
    STDMETHOD(Reset)()
    {
        m_nNext = 0;
        return S_OK;
    }
    STDMETHOD(Clone)(typename Traits::Interface** ppEnum)
    {
        if (ppEnum == NULL)
            return E_POINTER;
        CEnumSnapshot* pClone = new CEnumSnapshot(m_pData, m_nCount);
        pClone->m_nNext = m_nNext;
        *ppEnum = pClone;
        return S_OK;
    }
private:
    LONG m_nRef;
    Element* m_pData;
    ULONG m_nCount;
    ULONG m_nNext;
};

HRESULT AfxCreateEnumConnections(const CONNECTDATA* pData, ULONG nCount, IEnumConnections** ppEnum)
{
    if (ppEnum == NULL)
        return E_POINTER;
    *ppEnum = new CEnumSnapshot<CEnumConnectionsTraits>(pData, nCount);
    return S_OK;
}

HRESULT AfxCreateEnumConnectionPoints(IConnectionPoint* const* ppPoints, ULONG nCount,
    IEnumConnectionPoints** ppEnum)
{
    if (ppEnum == NULL)
        return E_POINTER;
    *ppEnum = new CEnumSnapshot<CEnumConnectionPointsTraits>(ppPoints, nCount);
    return S_OK;
}

/////////////////////////////////////////////////////////////////////////////
// CConnectionPoint

CConnectionPoint::CConnectionPoint(CCmdTarget* pContainer) : m_pContainer(pContainer), m_dwNextCookie(1)
{
}

CConnectionPoint::~CConnectionPoint()
{
    // sinks still advised when the container goes lose their connection with it
    while (m_arrSinks.GetSize() > 0)
    {
        LPUNKNOWN pSink = (LPUNKNOWN)m_arrSinks[m_arrSinks.GetSize() - 1];
        m_arrSinks.RemoveAt(m_arrSinks.GetSize() - 1);
        m_arrCookies.RemoveAt(m_arrCookies.GetSize() - 1);
        if (pSink != NULL)
            pSink->Release();
    }
}

int CConnectionPoint::GetMaxConnections()
{
    return -1;
}

HRESULT CConnectionPoint::QuerySinkInterface(LPUNKNOWN pUnkSink, void** ppInterface)
{
    return pUnkSink->QueryInterface(GetIID(), ppInterface);
}

void CConnectionPoint::OnAdvise(BOOL)
{
}

LPCONNECTIONPOINTCONTAINER CConnectionPoint::GetContainer()
{
    LPCONNECTIONPOINTCONTAINER pCPC = NULL;
    if (FAILED((HRESULT)m_pContainer->ExternalQueryInterface(&IID_IConnectionPointContainer, (void**)&pCPC)))
        return NULL;
    return pCPC;
}

POSITION CConnectionPoint::GetStartPosition() const
{
    return m_arrSinks.GetSize() > 0 ? (POSITION)(INT_PTR)1 : NULL;
}

LPUNKNOWN CConnectionPoint::GetNextConnection(POSITION& pos) const
{
    INT_PTR i = (INT_PTR)pos - 1;
    if (pos == NULL || i >= m_arrSinks.GetSize())
    {
        pos = NULL;
        return NULL;
    }
    pos = i + 1 < m_arrSinks.GetSize() ? (POSITION)(i + 2) : NULL;
    return (LPUNKNOWN)m_arrSinks[i];
}

HRESULT CConnectionPoint::Advise(LPUNKNOWN pUnkSink, DWORD* pdwCookie)
{
    if (pdwCookie != NULL)
        *pdwCookie = 0;
    if (pUnkSink == NULL || pdwCookie == NULL)
        return E_POINTER;
    int nMax = GetMaxConnections();
    if (nMax >= 0 && m_arrSinks.GetSize() >= nMax)
        return CONNECT_E_ADVISELIMIT;
    LPUNKNOWN pSink = NULL;
    if (FAILED(QuerySinkInterface(pUnkSink, (void**)&pSink)) || pSink == NULL)
        return CONNECT_E_CANNOTCONNECT;
    // cookies are counted, never addresses, so they stay unique on 64-bit hosts
    DWORD dwCookie = m_dwNextCookie++;
    if (m_dwNextCookie == 0)
        m_dwNextCookie = 1;
    m_arrSinks.Add(pSink);
    m_arrCookies.Add(dwCookie);
    *pdwCookie = dwCookie;
    OnAdvise(TRUE);
    return S_OK;
}

HRESULT CConnectionPoint::Unadvise(DWORD dwCookie)
{
    for (INT_PTR i = 0; i < m_arrCookies.GetSize(); i++)
    {
        if (m_arrCookies[i] != dwCookie)
            continue;
        LPUNKNOWN pSink = (LPUNKNOWN)m_arrSinks[i];
        m_arrSinks.RemoveAt(i);
        m_arrCookies.RemoveAt(i);
        OnAdvise(FALSE);
        // last: releasing may run the sink's own code, which may advise or unadvise again
        pSink->Release();
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP_(ULONG) CConnectionPoint::XConnPt::AddRef()
{
    return m_pOwner->m_pContainer->ExternalAddRef();
}

STDMETHODIMP_(ULONG) CConnectionPoint::XConnPt::Release()
{
    return m_pOwner->m_pContainer->ExternalRelease();
}

STDMETHODIMP CConnectionPoint::XConnPt::QueryInterface(REFIID iid, LPVOID* ppvObj)
{
    if (ppvObj == NULL)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint))
    {
        *ppvObj = this;
        AddRef();
        return S_OK;
    }
    *ppvObj = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP CConnectionPoint::XConnPt::GetConnectionInterface(IID* pIID)
{
    if (pIID == NULL)
        return E_POINTER;
    *pIID = m_pOwner->GetIID();
    return S_OK;
}

STDMETHODIMP CConnectionPoint::XConnPt::GetConnectionPointContainer(IConnectionPointContainer** ppCPC)
{
    if (ppCPC == NULL)
        return E_POINTER;
    *ppCPC = m_pOwner->GetContainer();
    return *ppCPC != NULL ? S_OK : E_FAIL;
}

STDMETHODIMP CConnectionPoint::XConnPt::Advise(LPUNKNOWN pUnkSink, DWORD* pdwCookie)
{
    AFX_MANAGE_STATE(m_pOwner->m_pContainer->m_pModuleState);
    return m_pOwner->Advise(pUnkSink, pdwCookie);
}

STDMETHODIMP CConnectionPoint::XConnPt::Unadvise(DWORD dwCookie)
{
    AFX_MANAGE_STATE(m_pOwner->m_pContainer->m_pModuleState);
    return m_pOwner->Unadvise(dwCookie);
}

STDMETHODIMP CConnectionPoint::XConnPt::EnumConnections(LPENUMCONNECTIONS* ppEnum)
{
    if (ppEnum == NULL)
        return E_POINTER;
    INT_PTR n = m_pOwner->m_arrSinks.GetSize();
    CONNECTDATA* pData = new CONNECTDATA[n > 0 ? n : 1];
    for (INT_PTR i = 0; i < n; i++)
    {
        pData[i].pUnk = (LPUNKNOWN)m_pOwner->m_arrSinks[i];
        pData[i].dwCookie = m_pOwner->m_arrCookies[i];
    }
    HRESULT hr = AfxCreateEnumConnections(pData, (ULONG)n, ppEnum);
    delete[] pData;
    return hr;
}

/////////////////////////////////////////////////////////////////////////////
// The container

static const AFX_CONNECTIONMAP* BaseConnectionMap(const AFX_CONNECTIONMAP* pMap)
{
    return pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL;
}

CConnectionPoint* AfxFindConnectionPoint(CCmdTarget* pTarget, REFIID iid)
{
    for (const AFX_CONNECTIONMAP* pMap = pTarget->GetConnectionMap(); pMap != NULL; pMap = BaseConnectionMap(pMap))
    {
        for (const AFX_CONNECTIONMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->piid != NULL; pEntry++)
        {
            if (IsEqualIID(*pEntry->piid, iid))
                return pEntry->pfnGetPoint(pTarget);
        }
    }
    return NULL;
}

STDMETHODIMP_(ULONG) AFX_OLE_STATE::XConnPtContainer::AddRef()
{
    return m_pThis->ExternalAddRef();
}

STDMETHODIMP_(ULONG) AFX_OLE_STATE::XConnPtContainer::Release()
{
    return m_pThis->ExternalRelease();
}

STDMETHODIMP AFX_OLE_STATE::XConnPtContainer::QueryInterface(REFIID iid, LPVOID* ppvObj)
{
    return (HRESULT)m_pThis->ExternalQueryInterface(&iid, ppvObj);
}

STDMETHODIMP AFX_OLE_STATE::XConnPtContainer::EnumConnectionPoints(LPENUMCONNECTIONPOINTS* ppEnum)
{
    if (ppEnum == NULL)
        return E_POINTER;
    CPtrArray arrPoints;
    for (const AFX_CONNECTIONMAP* pMap = m_pThis->GetConnectionMap(); pMap != NULL; pMap = BaseConnectionMap(pMap))
    {
        for (const AFX_CONNECTIONMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->piid != NULL; pEntry++)
            arrPoints.Add(pEntry->pfnGetPoint(m_pThis)->GetConnectionPoint());
    }
    return AfxCreateEnumConnectionPoints((IConnectionPoint* const*)arrPoints.GetData(),
        (ULONG)arrPoints.GetSize(), ppEnum);
}

STDMETHODIMP AFX_OLE_STATE::XConnPtContainer::FindConnectionPoint(REFIID iid, LPCONNECTIONPOINT* ppCP)
{
    if (ppCP == NULL)
        return E_POINTER;
    *ppCP = NULL;
    CConnectionPoint* pPoint = AfxFindConnectionPoint(m_pThis, iid);
    if (pPoint == NULL)
        return CONNECT_E_NOCONNECTION;
    *ppCP = pPoint->GetConnectionPoint();
    (*ppCP)->AddRef();
    return S_OK;
}

/////////////////////////////////////////////////////////////////////////////
// Advising from outside

static LPCONNECTIONPOINT FindPointOf(LPUNKNOWN pUnkSrc, REFIID iid)
{
    if (pUnkSrc == NULL)
        return NULL;
    LPCONNECTIONPOINTCONTAINER pCPC = NULL;
    if (FAILED(pUnkSrc->QueryInterface(IID_IConnectionPointContainer, (void**)&pCPC)) || pCPC == NULL)
        return NULL;
    LPCONNECTIONPOINT pCP = NULL;
    if (FAILED(pCPC->FindConnectionPoint(iid, &pCP)))
        pCP = NULL;
    pCPC->Release();
    return pCP;
}

BOOL AFXAPI AfxConnectionAdvise(LPUNKNOWN pUnkSrc, REFIID iid, LPUNKNOWN pUnkSink, BOOL bRefCount,
    DWORD* pdwCookie)
{
    if (pUnkSink == NULL || pdwCookie == NULL)
        return FALSE;
    LPCONNECTIONPOINT pCP = FindPointOf(pUnkSrc, iid);
    if (pCP == NULL)
        return FALSE;
    BOOL bOK = SUCCEEDED(pCP->Advise(pUnkSink, pdwCookie));
    // without counting, the source holds no reference on the sink (a sink inside its source)
    if (bOK && !bRefCount)
        pUnkSink->Release();
    pCP->Release();
    return bOK;
}

BOOL AFXAPI AfxConnectionUnadvise(LPUNKNOWN pUnkSrc, REFIID iid, LPUNKNOWN pUnkSink, BOOL bRefCount,
    DWORD dwCookie)
{
    LPCONNECTIONPOINT pCP = FindPointOf(pUnkSrc, iid);
    if (pCP == NULL)
        return FALSE;
    if (!bRefCount && pUnkSink != NULL)
        pUnkSink->AddRef();
    BOOL bOK = SUCCEEDED(pCP->Unadvise(dwCookie));
    if (!bOK && !bRefCount && pUnkSink != NULL)
        pUnkSink->Release();
    pCP->Release();
    return bOK;
}
