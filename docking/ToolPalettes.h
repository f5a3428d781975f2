// ToolPalettes.h - the palettes manager as far as the dock bars, bands and floating frames
// reach it, and the window packet that a palette holds.
//
// Classes and functions here:
//   CWndPacket          windows sharing one space; here: the list, the active window, the tabs
//   CToolPalettes       the host's palettes manager; here: the collapsed and auto-expanded lists,
//                       the palette menu, the palette windows
//   SDropPaletteParams  a delayed drop of a window on a palette
//   GetPalettesManager, SetPaletteCollapsed, FindParentWndPacket
//
// The packet's own window (tab strip, splitting, drag-out) and the manager's palettes, options
// dialog, drop and persistence come with the window packets; until then those calls fail closed:
// they return 0, -1 or NULL and change nothing.
#pragma once

#include <afxwin.h>
#include <afxcoll.h>

/////////////////////////////////////////////////////////////////////////////
// CWndPacket

class AFX_EXT_CLASS CWndPacket : public CWnd
{
    DECLARE_DYNAMIC(CWndPacket)
public:
    CWndPacket();
    virtual ~CWndPacket();

    // Appends pWnd (not owned).  Returns its index, -1 for a NULL window.
    virtual int AddWnd(CWnd* pWnd);
    // Removes pWnd from the list.  Non-zero when it was there.
    virtual int RemoveWnd(CWnd* pWnd);
    int GetWndCount() const { return (int)m_arrWnds.GetSize(); }
    // NULL for an index out of range
    CWnd* GetWnd(int nIndex) const;
    int FindWnd(CWnd* pWnd) const;
    int GetActiveIndex() const { return m_nActive; }
    CWnd* GetActiveWnd() const { return GetWnd(m_nActive); }
    // Shows window nIndex and hides the others.  Non-zero when nIndex names a window.
    virtual int ActivateWnd(int nIndex);
    // The smallest size the packet can be given (its tab strip and the active window's).
    virtual CSize GetMinSize() const;

protected:
    CPtrArray m_arrWnds;    // CWnd*, not owned
    int m_nActive;
};

// The window packet that pWnd lies in (pWnd itself or its nearest ancestor that is a packet),
// NULL when none.
AFX_EXT_API CWndPacket* FindParentWndPacket(CWnd* pWnd);

/////////////////////////////////////////////////////////////////////////////
// CToolPalettes

class AFX_EXT_CLASS CToolPalettes : public CObject
{
    DECLARE_DYNAMIC(CToolPalettes)
public:
    CToolPalettes();
    virtual ~CToolPalettes();

    // The window joins the collapsed list (once) and leaves the auto-expanded one, or leaves the
    // collapsed list and, with automatic roll-up on, joins the auto-expanded one.  Returns the
    // window's index in the list changed, -1 when none.
    int SetWindowCollapsed(HWND hWnd, int bCollapsed);
    int SetWindowAutoExpanded(HWND hWnd, int bExpanded);
    int IsWindowCollapsed(HWND hWnd) const;
    int IsWindowAutoExpanded(HWND hWnd) const;

    // Palette windows the manager knows (dock windows, floating frames of palettes).
    int AddPaletteWindow(CWnd* pWnd);
    int RemovePaletteWindow(CWnd* pWnd);
    int FindPaletteWindow(CWnd* pWnd) const;

    // Tracks pMenu at the corner of pRect (screen) for pWnd and returns the chosen command, 0
    // when none.
    virtual UINT DoActivatePaletteMenu(CWnd* pWnd, CRect* pRect, WORD wFlags, CMenu* pMenu);
    // The palette options dialog; not available yet: returns 0 (cancelled) and changes nothing.
    virtual int DoPaletteOptionsDlg();
    // The packet under a screen point; no dock packs exist yet: NULL.
    virtual CWndPacket* GetWndPacketFromPoint(CPoint pt);
    // Dropping a window on a palette; not available yet: 0 and nothing moves.
    virtual int DropPalette(CWnd* pDragged, CWnd* pTarget, const RECT* pRect, POINT* pPoint);
    // Makes the palette holding pPacket visible; 0 when it is no palette of this manager.
    virtual int MakeWndPacketVisible(CWndPacket* pPacket);

    int m_bAutoRollUp;              // automatic roll-up on
    CDWordArray m_arrAutoExpanded;  // HWND of palettes unrolled automatically
    CDWordArray m_arrCollapsed;     // HWND of rolled-up palettes
    CPtrArray m_arrPaletteWnds;     // CWnd* of the palettes' windows, not owned
};

// The manager the host hands out: WM_GET_PALETTES_MANAGER (wParam = address of a CToolPalettes*
// set to NULL, lParam 0) sent to pWnd, or to the main window when pWnd is NULL.  NULL when there
// is no such window or it does not answer.
AFX_EXT_API CToolPalettes* GetPalettesManager(CWnd* pWnd = NULL);
// SetWindowCollapsed of that manager; -1 without one.
AFX_EXT_API int SetPaletteCollapsed(HWND hWnd, int bCollapsed, CWnd* pWnd = NULL);

// The title menu of a palette: popup nPopup of the palette menu resource (0 for a floating frame,
// 1 for a dock window), "Options..." taken out under the band style's "no options" bit, Dockable
// and Roll-Up checked as given, run through pManager at ptScreen.  A chosen command up to 61440
// is posted to pWnd as WM_COMMAND, a larger one as WM_SYSCOMMAND; Options opens the options
// dialog.  Nothing happens without a manager.
AFX_EXT_API void TrackPaletteMenu(CWnd* pWnd, CToolPalettes* pManager, int nPopup, DWORD dwBandStyle,
    BOOL bDockable, BOOL bCollapsed, CPoint ptScreen);

/////////////////////////////////////////////////////////////////////////////
// SDropPaletteParams

struct AFX_EXT_CLASS SDropPaletteParams
{
    SDropPaletteParams();
    void Set(CWnd* pDragged, CWnd* pTarget, const RECT* pRect);
    // Set, then WM_DROP_PALETTE (wParam = the module's parameters, lParam 0) posted to the main
    // window; the host answers with CToolPalettes::DropPalette.  FALSE without a main window.
    static BOOL DropPaletteDelay(CWnd* pDragged, CWnd* pTarget, const RECT* pRect);

    CWnd* m_pDragged;
    CWnd* m_pTarget;
    CRect m_rect;
    int m_bRectValid;
};

extern AFX_EXT_DATA SDropPaletteParams g_DropPaletteParams;
