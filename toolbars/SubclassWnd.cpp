// SubclassWnd.cpp - CSubclassWnd: hook chains of windows.
#include "SubclassWnd.h"
#include <afxcoll.h>
#include <afxpriv.h>

namespace
{
// What the module knows about one hooked window.  The chain outlives its last hook when someone
// replaced the window's procedure again over ours: the procedure cannot be put back then, and
// ours keeps passing messages to the one it replaced until the window is destroyed.
struct SHookChain
{
    CSubclassWnd* pFirst;
    WNDPROC pfnOld;
};

// window handle -> SHookChain*, made on first use
CMapPtrToPtr& HookMap()
{
    static CMapPtrToPtr s_map(16);
    return s_map;
}

bool ChainHolds(const SHookChain* pChain, const CSubclassWnd* pHook);

SHookChain* LookupChain(HWND hWnd)
{
    void* p = NULL;
    return HookMap().Lookup(hWnd, p) ? static_cast<SHookChain*>(p) : NULL;
}
}

IMPLEMENT_DYNAMIC(CSubclassWnd, CObject)

namespace
{
bool ChainHolds(const SHookChain* pChain, const CSubclassWnd* pHook)
{
    for (const CSubclassWnd* p = pChain->pFirst; p != NULL; p = p->GetNextHook())
    {
        if (p == pHook)
            return true;
    }
    return false;
}
}

CSubclassWnd::CSubclassWnd()
    : m_pWndHooked(NULL), m_pOldWndProc(NULL), m_pNext(NULL)
{
}

CSubclassWnd::~CSubclassWnd()
{
    Unhook();
}

CSubclassWnd* PASCAL CSubclassWnd::GetFirstHook(HWND hWnd)
{
    SHookChain* pChain = LookupChain(hWnd);
    return pChain != NULL ? pChain->pFirst : NULL;
}

int CSubclassWnd::HookWindow(CWnd* pWnd)
{
    Unhook();
    if (pWnd == NULL)
        return 1;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd == NULL || !::IsWindow(hWnd))
        return 0;

    SHookChain* pChain = LookupChain(hWnd);
    if (pChain == NULL)
    {
        pChain = new SHookChain;
        pChain->pFirst = NULL;
        pChain->pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&HookWndProc);
        HookMap().SetAt(hWnd, pChain);
    }
    m_pWndHooked = pWnd;
    m_pOldWndProc = pChain->pfnOld;
    m_pNext = pChain->pFirst;
    pChain->pFirst = this;
    return 1;
}

void CSubclassWnd::Unhook()
{
    if (m_pWndHooked == NULL)
        return;
    // The CWnd may have lost its handle (or been given another) since: the chain to leave is the
    // one that holds this hook.
    HWND hWnd = m_pWndHooked->m_hWnd;
    SHookChain* pChain = hWnd != NULL ? LookupChain(hWnd) : NULL;
    if (pChain == NULL || !ChainHolds(pChain, this))
    {
        pChain = NULL;
        POSITION pos = HookMap().GetStartPosition();
        while (pos != NULL && pChain == NULL)
        {
            void* key = NULL;
            void* value = NULL;
            HookMap().GetNextAssoc(pos, key, value);
            if (ChainHolds(static_cast<SHookChain*>(value), this))
            {
                hWnd = (HWND)key;
                pChain = static_cast<SHookChain*>(value);
            }
        }
    }

    if (pChain != NULL)
    {
        if (pChain->pFirst == this)
        {
            pChain->pFirst = m_pNext;
        }
        else
        {
            for (CSubclassWnd* p = pChain->pFirst; p != NULL; p = p->m_pNext)
            {
                if (p->m_pNext == this)
                {
                    p->m_pNext = m_pNext;
                    break;
                }
            }
        }
        if (pChain->pFirst == NULL && ::IsWindow(hWnd) &&
            (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == &HookWndProc)
        {
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pChain->pfnOld);
            HookMap().RemoveKey(hWnd);
            delete pChain;
        }
    }
    m_pWndHooked = NULL;
    m_pOldWndProc = NULL;
    m_pNext = NULL;
}

LRESULT CSubclassWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pNext != NULL)
        return m_pNext->WindowProc(message, wParam, lParam);
    HWND hWnd = m_pWndHooked != NULL ? m_pWndHooked->m_hWnd : NULL;
    if (m_pOldWndProc == NULL)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return ::CallWindowProcA(m_pOldWndProc, hWnd, message, wParam, lParam);
}

LRESULT CSubclassWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return CSubclassWnd::WindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CALLBACK CSubclassWnd::HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    SHookChain* pChain = LookupChain(hWnd);
    if (pChain == NULL)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);

    AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    const MSG msgOld = pThreadState->m_lastSentMsg;
    pThreadState->m_lastSentMsg.hwnd = hWnd;
    pThreadState->m_lastSentMsg.message = message;
    pThreadState->m_lastSentMsg.wParam = wParam;
    pThreadState->m_lastSentMsg.lParam = lParam;

    LRESULT lResult;
    if (message == WM_NCDESTROY)
    {
        // the window goes: every hook lets go of it, and the window's own procedure (which
        // detaches its C++ object) gets the last message
        // (the last Unhook may free the chain record itself)
        WNDPROC pfnOld = pChain->pfnOld;
        while ((pChain = LookupChain(hWnd)) != NULL && pChain->pFirst != NULL)
            pChain->pFirst->Unhook();
        if (pChain != NULL)
        {
            HookMap().RemoveKey(hWnd);
            delete pChain;
        }
        if ((WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == &HookWndProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pfnOld);
        lResult = ::CallWindowProcA(pfnOld, hWnd, message, wParam, lParam);
    }
    else if (pChain->pFirst != NULL)
    {
        lResult = pChain->pFirst->WindowProc(message, wParam, lParam);
    }
    else
    {
        lResult = ::CallWindowProcA(pChain->pfnOld, hWnd, message, wParam, lParam);
    }

    pThreadState->m_lastSentMsg = msgOld;
    return lResult;
}
