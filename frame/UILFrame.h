// UILFrame.h - the library's frame: its resource module, monitor geometry, the host-owned
// message box, host-overridable system colours and the names of string arrays.
#pragma once

#include <afxwin.h>
#include "UILMessages.h"

/////////////////////////////////////////////////////////////////////////////
// Resource module

// The module the library loads its own dialogs, bitmaps, menus and strings from: the library
// itself, or the module an optional language extension ("LangExt.dll") supplied at load.
// Set while the library loads and unchanged afterwards.
extern AFX_EXT_DATA HINSTANCE g_hUILResource;

// Makes g_hUILResource the framework's current resource handle for its lifetime and restores
// the handle that was current before.  Every load of the library's own resources happens inside
// one and takes the handle from the framework (a framework loader, or AfxGetResourceHandle for
// a Windows function), never g_hUILResource by hand: there is one way to reach them, and a
// host's resources with the same numbers never stand in for the library's.
class CUILResourceScope
{
public:
    CUILResourceScope() : m_hPrevious(AfxGetResourceHandle()) { AfxSetResourceHandle(g_hUILResource); }
    // the same for another module (a host's, for resources that may live there); NULL leaves the
    // current handle as it is
    explicit CUILResourceScope(HINSTANCE hInst) : m_hPrevious(AfxGetResourceHandle())
    {
        if (hInst != NULL)
            AfxSetResourceHandle(hInst);
    }
    ~CUILResourceScope() { AfxSetResourceHandle(m_hPrevious); }

    HINSTANCE GetPreviousHandle() const { return m_hPrevious; }

private:
    CUILResourceScope(const CUILResourceScope&) = delete;
    CUILResourceScope& operator=(const CUILResourceScope&) = delete;

    HINSTANCE m_hPrevious;
};

/////////////////////////////////////////////////////////////////////////////
// Monitor geometry
//
// The multi-monitor functions of Windows are looked up in "user32.dll" when needed, so the
// library also runs where they do not exist; then every monitor function answers with the
// full-screen client area (SM_CXFULLSCREEN x SM_CYFULLSCREEN at 0,0).

// the whole area of the monitor nearest to the screen point / window
AFX_EXT_API CRect GetMonitorRect(POINT pt);
AFX_EXT_API CRect GetMonitorRect(HWND hWnd);
// the work area (without task bars) of the monitor nearest to the screen point / window
AFX_EXT_API CRect GetMonitorWorkArea(POINT pt);
AFX_EXT_API CRect GetMonitorWorkArea(HWND hWnd);
// the rectangle that spans all monitors
AFX_EXT_API CRect GetVirtualMonitorRect();
// Moves a screen rectangle that lies wholly outside every monitor's work area back to the
// nearest one; 1 when it was moved, 0 when it already overlapped a monitor (even by one pixel).
AFX_EXT_API int ConstrainRectToScreen(CRect& rect);
// Repaints (invalidate, erase, update now, children too) the part of every visible top-level
// window that lies under the screen rectangle; non-zero when every window was visited.
AFX_EXT_API int RedrawScreenRect(const RECT* lpRect);

/////////////////////////////////////////////////////////////////////////////
// Messages to the user and diagnostics

// A task-modal message box owned by the host's main window (when the calling thread has one);
// nType as for MessageBox.  Returns the message box's result.
AFX_EXT_API int AppMessageBox(const char* lpszText, const char* lpszCaption, unsigned int nType);
// Diagnostic texts of the library ("*** Can't load toolbar %s!\n", ...) go here.  Release and
// debug builds alike write them nowhere: the library keeps no log.
AFX_EXT_API void MyThreadTrace(const char* lpszText);

/////////////////////////////////////////////////////////////////////////////
// Host-overridable system colours
//
// The library's controls do not ask Windows for system colours directly: they ask a window
// (normally the host's main window) with WM_GET_SYS_COLOR, wParam = index | context << 16 and
// lParam = the address of a COLORREF that holds 0.  A window that answers non-zero has stored
// its colour there; any other answer means "use the Windows colour".  The context tells the host
// who asks, so that it can colour toolbars differently from dock bars.

enum
{
    UIL_COLORCONTEXT_CONTROL = 0,   // tab buttons, editors and other controls
    UIL_COLORCONTEXT_TOOLBAR = 6,   // toolbars and the inspector bar
    UIL_COLORCONTEXT_DOCKBAR = 8    // dock bars
};

// Inline, so that every module of the library (and a host that wants the same colours) uses one
// definition without an export.
inline COLORREF GetAppSysColor(CWnd* pWnd, int nIndex, UINT nContext)
{
    HWND hWnd = pWnd != NULL ? pWnd->m_hWnd : NULL;
    if (hWnd != NULL)
    {
        COLORREF clr = 0;
        WPARAM wParam = (WPARAM)(((UINT)nIndex & 0xFFFF) | (nContext << 16));
        if (::SendMessageA(hWnd, WM_GET_SYS_COLOR, wParam, (LPARAM)&clr) != 0)
            return clr;
    }
    return ::GetSysColor(nIndex);
}

// GetAppSysColor asking the host's main window (the calling thread's).
inline COLORREF GetMainWndSysColor(int nIndex, UINT nContext)
{
    return GetAppSysColor(AfxGetMainWnd(), nIndex, nContext);
}

// The colour a control of the library paints with: the host's main window is asked first.
inline COLORREF GetControlSysColor(int nIndex)
{
    return GetMainWndSysColor(nIndex, UIL_COLORCONTEXT_CONTROL);
}

/////////////////////////////////////////////////////////////////////////////
// String-array names

// The settings functions take a string array where they take a file name, as the text
// "pStringArray:" followed by the array's address in upper-case hexadecimal, all of it.
AFX_EXT_API CString MakeStringArrayName(const CStringArray* pArray);
