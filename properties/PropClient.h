// PropClient.h - the joint between a window (or any object) and the properties it shows.
//
//   CPropClient      connects to properties, receives their value, state and name, sends the
//                    user's values and actions back, and defers its window's destruction while a
//                    call is in progress
//   CPropConnector   the automation object inside every client: sinks DBPROPEVENTS from the
//                    properties and pushes values to those registered at its IDBPROP point
#pragma once

#include "PropInterfaces.h"
#include "PropertiesInfo.h"
#include "Connections.h"

class CPropClient;

// Result bits of the client's callbacks
#define PROPCB_REVERT   0x0004      // revert the editor to the property's value
#define PROPCB_CANCEL   0x0020      // skip the step

// connection modes of CPropClient::Connect
#define PROPCONNECT_EVENTS  0x0001  // the client sinks the property's events
#define PROPCONNECT_PUSH    0x0002  // the property is registered at the client's IDBPROP point
#define PROPCONNECT_BOTH    0x0003

// before/after a value or a state is sent: called with the three pointers stored with it
typedef int (*PFNPROPSENDCALLBACK)(void* p1, void* p2, void* p3);
// after a value is read from the editor
typedef int (*PFNPROPAFTERGETCALLBACK)(CPropClient* pClient, VARIANT* pValue, DWORD nID, IDispatch* pProp);
// before a value is given to the editor
typedef int (*PFNPROPBEFORESETCALLBACK)(CPropClient* pClient, VARIANT* pValue, DWORD nID, IDispatch* pProp,
    BOOL bFirst);

class AFX_EXT_CLASS CPropConnector : public CCmdTarget
{
    DECLARE_DYNAMIC(CPropConnector)
public:
    explicit CPropConnector(CPropClient* pClient);
    virtual ~CPropConnector();

    // Sends the client's value to pProp, to the property mapped to nID, or (neither given) to every
    // property registered at this connector.  1, or 0 when the before-send callback cancelled.
    int OnFireChangeValue(IDispatch* pProp, DWORD nID, BOOL bInterim);
    int OnFireChangeState(IDispatch* pProp, DWORD nID, BOOL bInterim);
    void SendValueTo(IDispatch* pProp, DWORD nID);
    void SendStateTo(IDispatch* pProp, DWORD nID);
    // the property's value / state (and id) handed to the client
    void InitValueFrom(IDispatch* pProp);
    void InitStateFrom(IDispatch* pProp);

    void OnChangeValue(IDispatch* pProp);
    void OnChangeState(IDispatch* pProp);
    void OnChangeName(IDispatch* pProp);

    CPropClient* m_pClient;     // NULL once the client is gone: late events are dropped
    BOOL m_bSendingValue;
    BOOL m_bSendingState;

    CConnectionPoint* GetPropPoint() { return &m_xPropPoint; }

protected:
    // every property registered at the IDBPROP point (a snapshot, one reference each)
    void SnapshotTargets(CPtrArray& targets);
    // every property whose events this connector sinks (through the client's record)
    void SnapshotSources(CPtrArray& sources);

    DECLARE_INTERFACE_MAP()
    DECLARE_CONNECTION_MAP()

    BEGIN_INTERFACE_PART(PropEvents, DBPROPEVENTS)
        DECLARE_PART_IDISPATCH()
        STDMETHOD(ChangeParent)(IDispatch* pProp);
        STDMETHOD(ChangeName)(IDispatch* pProp);
        STDMETHOD(ChangeType)(IDispatch* pProp);
        STDMETHOD(ChangeCategory)(IDispatch* pProp);
        STDMETHOD(ChangeValue)(IDispatch* pProp);
        STDMETHOD(ChangeState)(IDispatch* pProp);
    END_INTERFACE_PART(PropEvents)

    BEGIN_CONNECTION_PART(CPropConnector, PropPoint)
        CONNECTION_IID(IID_IDBPROP)
    END_CONNECTION_PART(PropPoint)
};

class AFX_EXT_CLASS CPropClient
{
public:
    CPropClient();
    virtual ~CPropClient();     // undoes every advise of its own record

    virtual int OnSetPropName(BSTR bstrName, DWORD nID);
    virtual int OnSetPropValue(VARIANT value, DWORD nID, BOOL bFirst, IDispatch* pProp);
    virtual int OnSetPropState(WORD nState, DWORD nID, BOOL bFirst, IDispatch* pProp);
    virtual int GetPropValue(VARIANT* pValue, DWORD nID, IDispatch* pProp);
    // While the client's state word is 1 (a press) it reports 1 and returns 1; otherwise nothing.
    virtual int GetPropState(WORD* pnState, DWORD nID, IDispatch* pProp);
    virtual int FireChangeValue(IDispatch* pProp, DWORD nID, BOOL bInterim);
    virtual int FireChangeState(IDispatch* pProp, DWORD nID, BOOL bInterim);
    virtual int RevertChanges();

    // pRecord NULL: the client's own record
    int Connect(IDispatch* pProp, CConnections* pRecord, WORD nMode);
    int Disconnect(IDispatch* pProp, CConnections* pRecord);
    int DisconnectAll();
    // the property's value and then its state handed to the client (first = 1), nothing sent back
    void FirstInit(IDispatch* pProp);

    int OnSetPropValueEx(VARIANT value, DWORD nID, BOOL bFirst, IDispatch* pProp);
    int GetPropValueEx(VARIANT* pValue, DWORD nID, IDispatch* pProp);

    IDispatch* GetFirstConnectedProperty(POSITION* pPos);
    IDispatch* GetNextConnectedProperty(POSITION* pPos);
    // The property of id nID (no reference), after adding or removing a mapping with pDisp.
    IDispatch* MapPropDisp(DWORD nID, IDispatch* pDisp, BOOL bAdd);
    IDispatch* FindPropDisp(DWORD nID) const;
    HRESULT GetPropInfo(SPropertyInfo* pInfo, WORD nRequest);

    void StartCritical() { m_nCritical++; }
    void EndCritical();
    // Destroys the client's window now, or when the call in progress returns.
    void DestroyByCheckCriticalCalls();
    BOOL IsInCritical() const { return m_nCritical > 0; }

    BOOL IsNotifyDisabled() const { return m_bNotifyDisabled; }
    void DisableNotify() { m_bNotifyDisabled = TRUE; }
    void EnableNotify() { m_bNotifyDisabled = FALSE; }
    BOOL IsEventsDisabled() const { return m_bEventsDisabled; }
    void DisableEvents() { m_bEventsDisabled = TRUE; }
    void EnableEvents() { m_bEventsDisabled = FALSE; }

    void SetBeforeSendValueCallback(PFNPROPSENDCALLBACK pfn, void* p1, void* p2, void* p3);
    void SetAfterSendValueCallback(PFNPROPSENDCALLBACK pfn, void* p1, void* p2, void* p3);
    void SetBeforeSendStateCallback(PFNPROPSENDCALLBACK pfn, void* p1, void* p2, void* p3);
    void SetAfterSendStateCallback(PFNPROPSENDCALLBACK pfn, void* p1, void* p2, void* p3);
    void SetArterGetPropValueCallback(PFNPROPAFTERGETCALLBACK pfn) { m_pfnAfterGet = pfn; }
    void SetBeforeSetPropValueCallback(PFNPROPBEFORESETCALLBACK pfn) { m_pfnBeforeSet = pfn; }

    CConnections* GetConnections() { return &m_connections; }
    CPropConnector* GetConnector() { return m_pConnector; }
    // the connector's IDispatch (no reference)
    IDispatch* GetConnectorDisp();

    struct SSendCallback
    {
        PFNPROPSENDCALLBACK pfn;
        void* p1;
        void* p2;
        void* p3;
        int Call() const { return pfn != NULL ? pfn(p1, p2, p3) : 0; }
    };

    CPropConnector* m_pConnector;
    CConnections m_connections;
    CMap<DWORD, DWORD, IDispatch*, IDispatch*> m_mapProps;     // one reference each
    WORD m_nCtrlType;
    WORD m_nState;
    int m_nCritical;
    BOOL m_bDestroyPending;
    BOOL m_bNotifyDisabled;
    BOOL m_bEventsDisabled;
    void* m_pObject;        // what the client stands for (its window, its named object)
    CWnd* m_pWnd;           // the window destroyed by DestroyByCheckCriticalCalls, when any
    SSendCallback m_beforeSendValue;
    SSendCallback m_afterSendValue;
    SSendCallback m_beforeSendState;
    SSendCallback m_afterSendState;
    PFNPROPAFTERGETCALLBACK m_pfnAfterGet;
    PFNPROPBEFORESETCALLBACK m_pfnBeforeSet;

private:
    CPropClient(const CPropClient&) = delete;
    CPropClient& operator=(const CPropClient&) = delete;
};

// The item factory of a loaded property collection: an empty property added to the collection
// (a CObjXDBPropColl*) and connected both ways to the client (a CPropClient*).  The creation
// reference goes to the caller.
AFX_EXT_API IDispatch* CreatePropertyFunction(void* pCollection, void* pClient);
