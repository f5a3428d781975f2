// SubclassWnd.h - window hooks: objects that see a window's messages before its own procedure
// does, without being the window's C++ object.
//
// Classes declared here:
//   CSubclassWnd   - one hook of one window; several hooks of a window form a chain, the newest
//                    first, each passing on to the next and the last to the window's procedure
#pragma once

#include <afxwin.h>

/////////////////////////////////////////////////////////////////////////////
// CSubclassWnd
//
// A window is hooked by replacing its window procedure once, when its first hook comes; later
// hooks go in front of the chain and share the procedure the first one saved.  The window's
// procedure comes back when its last hook goes, or by itself when the window is destroyed
// (WM_NCDESTROY unhooks every hook of the window before passing the message on).
//
// While a hook's WindowProc runs, the message is the thread's current message, as for the
// framework's own windows: Default() passes exactly that message on.
//
// Cost: every message of a hooked window takes one lookup in the module's window map.

class AFX_EXT_CLASS CSubclassWnd : public CObject
{
    DECLARE_DYNAMIC(CSubclassWnd)

public:
    CSubclassWnd();
    // unhooks
    virtual ~CSubclassWnd();

    // Hooks pWnd (a window that exists), or with NULL unhooks.  A hook of another window is
    // unhooked first.  Non-zero on success; 0 for a CWnd without a window.
    int HookWindow(CWnd* pWnd);
    BOOL IsHooked() const { return m_pWndHooked != NULL; }
    CWnd* GetHookedWnd() const { return m_pWndHooked; }
    // the next (older) hook of the same window, NULL for the last
    CSubclassWnd* GetNextHook() const { return m_pNext; }

    // Sees every message of the hooked window; the base passes it to the next hook or to the
    // window's procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // passes the thread's current message on, as WindowProc of the base does
    LRESULT Default();

    // the first (newest) hook of hWnd, NULL when it has none
    static CSubclassWnd* PASCAL GetFirstHook(HWND hWnd);

protected:
    CWnd* m_pWndHooked;         // the hooked window (not owned)
    WNDPROC m_pOldWndProc;      // the procedure in place before the window's first hook
    CSubclassWnd* m_pNext;      // the next (older) hook of the same window

private:
    CSubclassWnd(const CSubclassWnd&) = delete;
    CSubclassWnd& operator=(const CSubclassWnd&) = delete;

    void Unhook();
    static LRESULT CALLBACK HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
