// PopupBar.h - a small toolbar popup that comes up beside chosen child windows of a watched
// window when the mouse approaches them.
//
// Classes declared here:
//   CPopupBar  - the hover popup holding one CToolBarEx
#pragma once

#include <afxwin.h>
#include <afxcoll.h>
#include "ToolBarEx.h"

// the watching timer of a popup bar
#define POPUPBAR_TIMER          100
// alignment word: which corner of the target the popup sits in
#define POPUPBAR_ALIGNRIGHT     0x0001  // the target's right edge, else its left edge
#define POPUPBAR_ALIGNBOTTOM    0x0002  // the target's bottom edge, else its top edge

/////////////////////////////////////////////////////////////////////////////
// CPopupBar
//
// The popup watches the mouse with a timer (WatchMouse).  Over a child of the watched window
// whose id is in m_arIDs (the target), the popup's place A is the corner of the target's client
// area named by the alignment word, the toolbar's size plus 2 pixels; the approach zone B is the
// same corner grown by the smaller side of A.  The popup shows when the cursor is inside A, or
// inside B and no farther from A's centre than on the previous tick; it stays while the cursor
// is inside B.  A command from its toolbar goes to the watched window as WM_COMMAND (wParam =
// the command, lParam = the extra value) and the popup stays away until the cursor has left B.

class AFX_EXT_CLASS CPopupBar : public CWnd
{
    DECLARE_DYNAMIC(CPopupBar)

public:
    CPopupBar();
    virtual ~CPopupBar();

    // A hidden topmost popup owned by pWatched with a CToolBarEx of toolbar resource nToolBarID
    // (looked up through the framework's resource chain) filling it less 1 pixel on every side.
    // FALSE when pWatched has no window or the toolbar cannot be loaded.
    BOOL Create(CWnd* pWatched, UINT nToolBarID);
    // the children that have the popup (ids, added once)
    void AddWindow(UINT nID);

    // Where the popup goes for pTarget: its client area's corner (screen coordinates), the
    // toolbar's one-row size plus nExtra plus 2 in each direction.  Empty without a target.
    CRect GetPlace(CWnd* pTarget, int nExtra);
    // clears the extra value and the last position; with bOn and some ids, watches every
    // nPeriod ms
    void WatchMouse(BOOL bOn, UINT nPeriod = 100);
    // Shows the popup at pTarget's place (topmost, not activated) or hides it; the focus goes
    // back to the window that had it (or to the watched window).  0 when a window is missing.
    int ShowUponWindow(CWnd* pTarget, BOOL bShow);
    // the value posted with the toolbar's commands (lParam)
    void SetExtra(LPARAM lExtra) { m_lExtra = lExtra; }

    CToolBarEx m_wndToolBar;
    CWnd* m_pWatched;
    CWordArray m_arIDs;
    WORD m_wAlign;              // POPUPBAR_ALIGN* bits; POPUPBAR_ALIGNRIGHT at construction
    UINT m_nTarget;             // the target's id, 0 = none
    CPoint m_ptLast;            // the cursor at the previous tick, (-1, -1) = none
    HWND m_hWndFocus;           // the window that had the focus when the popup came or went
    LPARAM m_lExtra;
    BOOL m_bSuppressed;         // a command was just chosen: no popup until the cursor leaves B

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

    // the watched window's child under ptScreen (NULL over the popup, its toolbar or elsewhere)
    CWnd* ChildFromPoint(CPoint ptScreen);
    BOOL IsListed(CWnd* pWnd) const;
    // gives the focus back after showing or hiding
    void RestoreFocus();
};
