// afxhandle_.h - per-thread maps from Windows handles to framework objects.
//
// A handle that a C++ object owns (Attach, Create) is in the permanent map.  A handle that arrives
// from outside (FromHandle on a foreign window, a DC passed in WM_PAINT) gets a temporary wrapper
// object that the framework deletes at the next idle time (AfxUnlockTempMaps), never the handle.
#pragma once

#include "afx.h"

class AFX_FX_CLASS CHandleMap
{
public:
    // pfnNewTemp makes an object of the wrapper class; pfnSetHandle stores a handle into it (the
    // handle is NULL again before a temporary object is deleted, so its destructor frees nothing).
    typedef CObject* (PASCAL* PFNNEWTEMP)();
    typedef void (PASCAL* PFNSETHANDLE)(CObject* pObject, HANDLE h);

    CHandleMap(PFNNEWTEMP pfnNewTemp, PFNSETHANDLE pfnSetHandle);
    ~CHandleMap();

    CObject* FromHandle(HANDLE h);            // permanent, else temporary (created on demand)
    void DeleteTemp();                        // deletes every temporary object
    void SetPermanent(HANDLE h, CObject* permOb);
    void RemoveHandle(HANDLE h);              // removes h from both maps
    CObject* LookupPermanent(HANDLE h) const;
    CObject* LookupTemporary(HANDLE h) const;
    int GetPermanentCount() const;
    int GetTemporaryCount() const;

private:
    struct CImpl;
    CImpl* m_pImpl;
    PFNNEWTEMP m_pfnNewTemp;
    PFNSETHANDLE m_pfnSetHandle;
    CHandleMap(const CHandleMap&);
    void operator=(const CHandleMap&);
};

// The calling thread's maps, created on first use (bCreate) and destroyed with the thread.
AFX_FX_API CHandleMap* PASCAL afxMapHWND(BOOL bCreate = FALSE);
AFX_FX_API CHandleMap* PASCAL afxMapHDC(BOOL bCreate = FALSE);
AFX_FX_API CHandleMap* PASCAL afxMapHGDIOBJ(BOOL bCreate = FALSE);
AFX_FX_API CHandleMap* PASCAL afxMapHMENU(BOOL bCreate = FALSE);
AFX_FX_API CHandleMap* PASCAL afxMapHIMAGELIST(BOOL bCreate = FALSE);

// A handle-map kind is created by the module that knows its wrapper class: the wrapper's source
// registers its factory once, e.g. AfxRegisterHandleMapKind(afxHandleMapHDC, &NewTempDC, &SetDC).
enum AFX_HANDLEMAP_KIND
{
    afxHandleMapHWND, afxHandleMapHDC, afxHandleMapHGDIOBJ, afxHandleMapHMENU, afxHandleMapHIMAGELIST,
    afxHandleMapKinds
};
AFX_FX_API void AFXAPI AfxRegisterHandleMapKind(AFX_HANDLEMAP_KIND nKind,
    CHandleMap::PFNNEWTEMP pfnNewTemp, CHandleMap::PFNSETHANDLE pfnSetHandle);

// Temporary objects live while the maps are locked; the idle loop unlocks and so frees them.
AFX_FX_API void AFXAPI AfxLockTempMaps();
AFX_FX_API BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);
