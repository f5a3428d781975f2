// oleimpl_.h - the COM parts every command target can carry (not installed).
#pragma once

#include "afximpl_.h"
#include "afxdisp.h"

// Made by the first EnableAutomation, EnableAggregation or EnableConnections and freed with the
// object.  Each part keeps the object it belongs to.
struct AFX_OLE_STATE
{
    explicit AFX_OLE_STATE(CCmdTarget* pThis);

    // the non-delegating IUnknown an aggregating outer object holds
    struct XInnerUnknown : public IUnknown
    {
        explicit XInnerUnknown(CCmdTarget* pThis) : m_pThis(pThis) {}
        CCmdTarget* const m_pThis;
        STDMETHOD_(ULONG, AddRef)();
        STDMETHOD_(ULONG, Release)();
        STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj);
    } m_xInnerUnknown;

    // the generic IDispatch over the dispatch map chain (oledisp.cpp)
    struct XDispatch : public IDispatch
    {
        explicit XDispatch(CCmdTarget* pThis) : m_pThis(pThis) {}
        CCmdTarget* const m_pThis;
        STDMETHOD_(ULONG, AddRef)();
        STDMETHOD_(ULONG, Release)();
        STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj);
        STDMETHOD(GetTypeInfoCount)(UINT* pctinfo);
        STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo);
        STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId);
        STDMETHOD(Invoke)(DISPID dispid, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
            VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr);
    } m_xDispatch;

    // the container of the connection map's points (oleconn.cpp)
    struct XConnPtContainer : public IConnectionPointContainer
    {
        explicit XConnPtContainer(CCmdTarget* pThis) : m_pThis(pThis) {}
        CCmdTarget* const m_pThis;
        STDMETHOD_(ULONG, AddRef)();
        STDMETHOD_(ULONG, Release)();
        STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj);
        STDMETHOD(EnumConnectionPoints)(LPENUMCONNECTIONPOINTS* ppEnum);
        STDMETHOD(FindConnectionPoint)(REFIID iid, LPCONNECTIONPOINT* ppCP);
    } m_xConnPtContainer;

    BOOL m_bAutomation;
    BOOL m_bAggregation;
    BOOL m_bConnections;
    BOOL m_bAggregatesMade;     // OnCreateAggregates has run (at the first query)
    BOOL m_bResultExpected;     // the current Invoke wants a result
};

AFX_OLE_STATE* AfxOleGetState(CCmdTarget* pTarget);    // made on first use

// The connection point of pTarget's map chain for iid (NULL when there is none).
CConnectionPoint* AfxFindConnectionPoint(CCmdTarget* pTarget, REFIID iid);

// A snapshot enumerator over interface pointers or connection records (oleconn.cpp).
HRESULT AfxCreateEnumConnections(const CONNECTDATA* pData, ULONG nCount, IEnumConnections** ppEnum);
HRESULT AfxCreateEnumConnectionPoints(IConnectionPoint* const* ppPoints, ULONG nCount,
    IEnumConnectionPoints** ppEnum);
