// Connections.h - a record of the advises a window or object made, so that it can undo them.
//
//   SCookieInfo               one advise: its cookie and the sink
//   CConnectionPointCookies   the advises made at one connection point (holds the point)
//   CConnections              every connection point advised, with the joining helpers
#pragma once

#include "PropInterfaces.h"

struct SCookieInfo
{
    DWORD m_dwCookie;
    IUnknown* m_pSink;      // no reference
};

class AFX_EXT_CLASS CConnectionPointCookies
{
public:
    explicit CConnectionPointCookies(IConnectionPoint* pPoint);   // takes a reference
    virtual ~CConnectionPointCookies();                           // releases it; no unadvise

    IConnectionPoint* m_pPoint;
    CArray<SCookieInfo, const SCookieInfo&> m_arrCookies;
};

class AFX_EXT_CLASS CConnections
{
public:
    CConnections();
    virtual ~CConnections();   // does not unadvise: owners call DeleteAllConnections first

    int AddConnection(IConnectionPoint* pPoint, IUnknown* pSink, DWORD dwCookie);
    // the source's DBPROPEVENTS point advised with sink; non-zero on success
    int ConnectIEvents(IUnknown* pSource, IUnknown* pSink);
    int ConnectIEvents(IDispatch* pSource, IDispatch* pSink);
    // the source's IDBPROP point advised with the receiver: the source pushes its value there
    int ConnectIProp(IUnknown* pReceiver, IUnknown* pSource);
    int ConnectIProp(IDispatch* pReceiver, IDispatch* pSource);
    // b follows a's events and pushes its value back to a; 1 (0 when an IDispatch has no IUnknown)
    int Connect(IUnknown* pA, IUnknown* pB);
    int Connect(IDispatch* pA, IDispatch* pB);
    // b at a's point for iidA and a at b's point for iidB; 1 when both advises were made
    int Connect(IDispatch* pA, REFIID iidA, IDispatch* pB, REFIID iidB);

    int DeleteAdvisingConnections(IUnknown* pSource);
    int DeleteAdvisingConnections(IConnectionPoint* pPoint);
    int DeleteRespondingConnections(IUnknown* pSink);
    int DeleteConnections(IDispatch* pObject);
    int DeleteAllConnections();
    int FindCPoint(IConnectionPoint* pPoint) const;

    int GetSize() const { return (int)m_arrPoints.GetSize(); }
    CConnectionPointCookies* GetAt(int i) const { return (CConnectionPointCookies*)m_arrPoints[i]; }

protected:
    int Advise(IUnknown* pSource, REFIID iid, IUnknown* pSink);
    void RemoveAt(int nIndex);

    CPtrArray m_arrPoints;      // CConnectionPointCookies*
};
