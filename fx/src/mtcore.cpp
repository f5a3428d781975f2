// mtcore.cpp - synchronisation objects.
#include "afximpl_.h"
#include "afxmt.h"

IMPLEMENT_DYNAMIC(CSyncObject, CObject)
IMPLEMENT_DYNAMIC(CSemaphore, CSyncObject)
IMPLEMENT_DYNAMIC(CMutex, CSyncObject)
IMPLEMENT_DYNAMIC(CEvent, CSyncObject)
IMPLEMENT_DYNAMIC(CCriticalSection, CSyncObject)

CSyncObject::CSyncObject(LPCSTR) : m_hObject(NULL) {}

CSyncObject::~CSyncObject()
{
    if (m_hObject != NULL)
    {
        ::CloseHandle(m_hObject);
        m_hObject = NULL;
    }
}

BOOL CSyncObject::Lock(DWORD dwTimeout)
{
    DWORD dwRet = ::WaitForSingleObject(m_hObject, dwTimeout);
    return dwRet == WAIT_OBJECT_0 || dwRet == WAIT_ABANDONED;
}

CSemaphore::CSemaphore(LONG lInitialCount, LONG lMaxCount, LPCSTR pstrName, LPSECURITY_ATTRIBUTES lpsa)
    : CSyncObject(pstrName)
{
    m_hObject = ::CreateSemaphoreA(lpsa, lInitialCount, lMaxCount, pstrName);
    if (m_hObject == NULL)
        AfxThrowResourceException();
}
CSemaphore::~CSemaphore() {}
BOOL CSemaphore::Unlock() { return Unlock(1, NULL); }
BOOL CSemaphore::Unlock(LONG lCount, LPLONG lpPrevCount) { return ::ReleaseSemaphore(m_hObject, lCount, lpPrevCount); }

CMutex::CMutex(BOOL bInitiallyOwn, LPCSTR pstrName, LPSECURITY_ATTRIBUTES lpsa) : CSyncObject(pstrName)
{
    m_hObject = ::CreateMutexA(lpsa, bInitiallyOwn, pstrName);
    if (m_hObject == NULL)
        AfxThrowResourceException();
}
CMutex::~CMutex() {}
BOOL CMutex::Unlock() { return ::ReleaseMutex(m_hObject); }

CEvent::CEvent(BOOL bInitiallyOwn, BOOL bManualReset, LPCSTR pstrName, LPSECURITY_ATTRIBUTES lpsa)
    : CSyncObject(pstrName)
{
    m_hObject = ::CreateEventA(lpsa, bManualReset, bInitiallyOwn, pstrName);
    if (m_hObject == NULL)
        AfxThrowResourceException();
}
CEvent::~CEvent() {}
BOOL CEvent::SetEvent() { return ::SetEvent(m_hObject); }
BOOL CEvent::PulseEvent() { return ::PulseEvent(m_hObject); }
BOOL CEvent::ResetEvent() { return ::ResetEvent(m_hObject); }
BOOL CEvent::Unlock() { return TRUE; }

CCriticalSection::CCriticalSection() : CSyncObject(NULL) { ::InitializeCriticalSection(&m_sect); }
CCriticalSection::~CCriticalSection() { ::DeleteCriticalSection(&m_sect); }
BOOL CCriticalSection::Lock() { ::EnterCriticalSection(&m_sect); return TRUE; }
BOOL CCriticalSection::Lock(DWORD) { return Lock(); }
BOOL CCriticalSection::Unlock() { ::LeaveCriticalSection(&m_sect); return TRUE; }

CSingleLock::CSingleLock(CSyncObject* pObject, BOOL bInitialLock)
    : m_pObject(pObject), m_hObject(pObject != NULL ? pObject->m_hObject : NULL), m_bAcquired(FALSE)
{
    if (bInitialLock)
        Lock();
}

CSingleLock::~CSingleLock()
{
    Unlock();
}

BOOL CSingleLock::Lock(DWORD dwTimeOut)
{
    if (m_pObject == NULL || m_bAcquired)
        return m_bAcquired;
    m_bAcquired = m_pObject->Lock(dwTimeOut);
    return m_bAcquired;
}

BOOL CSingleLock::Unlock()
{
    if (m_bAcquired && m_pObject != NULL)
        m_bAcquired = !m_pObject->Unlock();
    return !m_bAcquired;
}
