// SplitBar.h - CSplitBar, the strip between two windows that the user drags to share their space.
#pragma once

#include <afxwin.h>

// A splitter is "tall" when it is taller than wide: it stands between a left and a right window
// and moves horizontally.  A "wide" one lies between an upper and a lower window and moves
// vertically.
//
// With connected windows (SetConnectedWindows) a press drags the splitter itself and lays the
// two windows out again (SplitConnectedWindows), storing the new split factor.  Without them it
// only reports: while the user drags a ghost of the splitter, its parent is sent WM_DRAGSPLIT
// (wParam = the splitter's window, lParam = the running CWinDrag) on every move, and afterwards
// it is posted WM_ENDSPLIT (wParam = the splitter's window, lParam 0); the parent reads the
// result from m_dx / m_dy and moves things itself.
class AFX_EXT_CLASS CSplitBar : public CWnd
{
    DECLARE_DYNAMIC(CSplitBar)
public:
    enum { nSplitBarID = 100 };
    enum { nDefaultLowLimit = -400, nDefaultHighLimit = 400 };

    CSplitBar();
    virtual ~CSplitBar();

    // A visible child of pParent (control ID 100) at rect.  nFlags is kept in m_nSplitFlags:
    // with 0, a drag that ends where it started posts no WM_ENDSPLIT.  Non-zero on success.
    int Create(CWnd* pParent, CRect& rect, int nFlags);
    // How far a drag without connected windows may go from the press point, in pixels (low is
    // negative: left or up).
    void SetLimits(int nLow, int nHigh);
    // The windows on either side (first: left or upper) and where the split factor goes (may be
    // NULL).  Two NULL windows make the splitter a reporting one again.
    void SetConnectedWindows(CWnd* pFirst, CWnd* pSecond, float* pSplitFactor);
    BOOL IsTall() const;

    int m_nSplitFlags;              // the flag word given to Create
    int m_nLowLimit;
    int m_nHighLimit;
    CWnd* m_pFirstWnd;
    CWnd* m_pSecondWnd;
    float* m_pSplitFactor;
    int m_bMoved;                   // set when a drag of connected windows changed the split
    int m_dx;                       // the last reporting drag's offset across the splitter
    int m_dy;                       // (only the component the splitter moves along is kept)

protected:
    static void CALLBACK OnDragReport(class CWinDrag* pDrag, int nReason, DWORD_PTR dwSplitBar, DWORD_PTR);

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};

// The width of the splitter between two connected windows.
#define UIL_SPLITTER_WIDTH 4

// Lets the user drag pSplitter (a child of pParent between pFirst and pSecond) from pt (pParent's
// client coordinates), when pt lies in the splitter's rectangle or within a pixel of it.  bVert:
// the splitter stands between a left and a right window; -1 decides by its shape (taller than
// wide).  The first window keeps at least 2 pixels and the second 4.  When the splitter moved,
// the windows are laid out anew (ApplySplitFactor) and the split factor is returned: the first
// window's new extent over the distance from its start to the second window's end.  0 when
// nothing changed.
AFX_EXT_API float SplitConnectedWindows(CWnd* pParent, CWnd* pFirst, CWnd* pSecond, CWnd* pSplitter,
    CPoint pt, int bVert);
// Lays out the span from pFirst's start to pSecond's end (along x when bVert, else y; -1 decides
// by pSplitter's shape): pFirst over fFactor of it, then the 4-pixel splitter, then pSecond up to
// the end.  Each window keeps its extent across the axis.
AFX_EXT_API void ApplySplitFactor(CWnd* pParent, CWnd* pFirst, CWnd* pSecond, CWnd* pSplitter,
    float fFactor, int bVert);
