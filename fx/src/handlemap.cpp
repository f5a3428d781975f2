// handlemap.cpp - per-thread maps from Windows handles to framework objects.
#include "afximpl_.h"
#include <unordered_map>

struct CHandleMap::CImpl
{
    std::unordered_map<HANDLE, CObject*> permanent;
    std::unordered_map<HANDLE, CObject*> temporary;
};

CHandleMap::CHandleMap(PFNNEWTEMP pfnNewTemp, PFNSETHANDLE pfnSetHandle)
    : m_pImpl(new CImpl), m_pfnNewTemp(pfnNewTemp), m_pfnSetHandle(pfnSetHandle)
{
}

CHandleMap::~CHandleMap()
{
    DeleteTemp();
    delete m_pImpl;
}

CObject* CHandleMap::FromHandle(HANDLE h)
{
    if (h == NULL)
        return NULL;
    CObject* pObject = LookupPermanent(h);
    if (pObject != NULL)
        return pObject;
    pObject = LookupTemporary(h);
    if (pObject != NULL)
        return pObject;
    if (m_pfnNewTemp == NULL)
        return NULL;

    // The wrapper is made while the map is unlocked from new-handler tricks: a failure to allocate
    // throws as everywhere in the framework.
    CObject* pTemp = (*m_pfnNewTemp)();
    if (pTemp == NULL)
        AfxThrowMemoryException();
    (*m_pfnSetHandle)(pTemp, h);
    m_pImpl->temporary[h] = pTemp;
    return pTemp;
}

void CHandleMap::DeleteTemp()
{
    // Detach first: a temporary wrapper never owns its handle.
    std::unordered_map<HANDLE, CObject*> temps;
    temps.swap(m_pImpl->temporary);
    for (auto& entry : temps)
    {
        (*m_pfnSetHandle)(entry.second, NULL);
        delete entry.second;
    }
}

void CHandleMap::SetPermanent(HANDLE h, CObject* permOb)
{
    m_pImpl->permanent[h] = permOb;
}

void CHandleMap::RemoveHandle(HANDLE h)
{
    m_pImpl->permanent.erase(h);
    auto it = m_pImpl->temporary.find(h);
    if (it != m_pImpl->temporary.end())
    {
        // a temporary wrapper of a handle that goes away: detach and free it now
        CObject* pTemp = it->second;
        m_pImpl->temporary.erase(it);
        (*m_pfnSetHandle)(pTemp, NULL);
        delete pTemp;
    }
}

CObject* CHandleMap::LookupPermanent(HANDLE h) const
{
    auto it = m_pImpl->permanent.find(h);
    return it != m_pImpl->permanent.end() ? it->second : NULL;
}

CObject* CHandleMap::LookupTemporary(HANDLE h) const
{
    auto it = m_pImpl->temporary.find(h);
    return it != m_pImpl->temporary.end() ? it->second : NULL;
}

int CHandleMap::GetPermanentCount() const { return (int)m_pImpl->permanent.size(); }
int CHandleMap::GetTemporaryCount() const { return (int)m_pImpl->temporary.size(); }

/////////////////////////////////////////////////////////////////////////////
// The calling thread's maps

namespace
{
struct HandleMapKind
{
    CHandleMap::PFNNEWTEMP pfnNewTemp;
    CHandleMap::PFNSETHANDLE pfnSetHandle;
};
HandleMapKind s_kinds[afxHandleMapKinds];
}

void AFXAPI AfxRegisterHandleMapKind(AFX_HANDLEMAP_KIND nKind,
    CHandleMap::PFNNEWTEMP pfnNewTemp, CHandleMap::PFNSETHANDLE pfnSetHandle)
{
    if (nKind < 0 || nKind >= afxHandleMapKinds)
        return;
    s_kinds[nKind].pfnNewTemp = pfnNewTemp;
    s_kinds[nKind].pfnSetHandle = pfnSetHandle;
}

static CHandleMap* GetThreadMap(AFX_HANDLEMAP_KIND nKind, BOOL bCreate)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pHandleMaps[nKind] == NULL && bCreate && s_kinds[nKind].pfnSetHandle != NULL)
        pState->m_pHandleMaps[nKind] = new CHandleMap(s_kinds[nKind].pfnNewTemp, s_kinds[nKind].pfnSetHandle);
    return pState->m_pHandleMaps[nKind];
}

CHandleMap* PASCAL afxMapHWND(BOOL bCreate) { return GetThreadMap(afxHandleMapHWND, bCreate); }
CHandleMap* PASCAL afxMapHDC(BOOL bCreate) { return GetThreadMap(afxHandleMapHDC, bCreate); }
CHandleMap* PASCAL afxMapHGDIOBJ(BOOL bCreate) { return GetThreadMap(afxHandleMapHGDIOBJ, bCreate); }
CHandleMap* PASCAL afxMapHMENU(BOOL bCreate) { return GetThreadMap(afxHandleMapHMENU, bCreate); }
CHandleMap* PASCAL afxMapHIMAGELIST(BOOL bCreate) { return GetThreadMap(afxHandleMapHIMAGELIST, bCreate); }

void AFXAPI AfxLockTempMaps()
{
    ++AfxGetThreadState()->m_nTempMapLock;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_nTempMapLock == 0 || --pState->m_nTempMapLock != 0)
        return FALSE;
    if (bDeleteTemps)
    {
        for (int i = 0; i < afxHandleMapKinds; i++)
            if (pState->m_pHandleMaps[i] != NULL)
                pState->m_pHandleMaps[i]->DeleteTemp();
    }
    return TRUE;
}
