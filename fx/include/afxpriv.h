// afxpriv.h - the framework's docking internals, for code that extends docking.
//
// Classes and data declared here:
//   AUX_DATA / afxData  - system metrics and the frame colours control bars draw with
//   CDockBar            - a frame side (or a floating frame's inside) holding bars in rows
//                         (bardock.cpp)
//   CDockContext        - the drag and resize tracking of one bar (dockcont.cpp)
//   CMiniDockFrameWnd   - the floating frame around a floating dock bar (winmini.cpp)
//   AFX_THREAD_STATE    - the framework's per-thread state, for code that hooks windows itself
//                         (appcore.cpp)
#pragma once

#include "afxext.h"

/////////////////////////////////////////////////////////////////////////////
// Per-thread state
//
// A window hook that calls a window's procedure on its own (outside AfxCallWndProc) records the
// message here first, so that Default() and GetCurrentMessage() of the framework's windows see
// it, and puts the previous one back afterwards.

struct AFX_THREAD_STATE
{
    CWinThread* m_pCurrentWinThread;
    AFX_MODULE_STATE* m_pModuleState;     // AFX_MANAGE_STATE override, NULL = the application's
    // window creation hook
    CWnd* m_pWndInit;
    HHOOK m_hHookOldCbtFilter;
    // message being dispatched (CWnd::GetCurrentMessage, Default)
    MSG m_lastSentMsg;
    // the popup menu CMenu::TrackPopupMenu tracks now and its owner: WM_MEASUREITEM of an
    // owner-drawn entry is looked up from there (it carries no menu handle)
    HWND m_hTrackingWindow;
    HMENU m_hTrackingMenu;
    // temporary maps
    CHandleMap* m_pHandleMaps[afxHandleMapKinds];
    int m_nTempMapLock;
};
AFX_FX_API AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

/////////////////////////////////////////////////////////////////////////////
// Metrics and colours shared by the bars

struct AFX_FX_CLASS AUX_DATA
{
    int cxBorder2, cyBorder2;       // two border widths: the dock layout's overlap

    // The colours bars draw their frames with.  They follow the system colours (on start-up and
    // on WM_SYSCOLORCHANGE of a frame); a bar that draws with other colours replaces
    // clrBtnShadow/clrBtnHilite around its call of CControlBar::DrawBorders and restores them.
    COLORREF clrBtnFace, clrBtnShadow, clrBtnHilite;
    COLORREF clrBtnText, clrWindowFrame;

    // The radio dot a menu entry shows when CCmdUI::SetRadio checks it: a monochrome bitmap of the
    // menu check-mark size, made on first use (_AfxLoadDotBitmap) and shared by every menu.
    HBITMAP hbmMenuDot;

    AUX_DATA();
    void UpdateSysColors();
    void UpdateSysMetrics();
};

extern AFX_FX_DATA AUX_DATA afxData;

// Makes afxData.hbmMenuDot (once); the dot is centred and half the check mark's width.
AFX_FX_API void AFXAPI _AfxLoadDotBitmap();

#define CX_BORDER 1
#define CY_BORDER 1
#define CX_GRIPPER 3
#define CY_GRIPPER 3
#define CX_BORDER_GRIPPER 2
#define CY_BORDER_GRIPPER 2

#define HORZF(dw) ((dw) & CBRS_ORIENT_HORZ)
#define VERTF(dw) ((dw) & CBRS_ORIENT_VERT)

// WM_FLOATSTATUS flags: what a floating frame is told about its owner frame
#define FS_SHOW         0x01
#define FS_HIDE         0x02
#define FS_ACTIVATE     0x04
#define FS_DEACTIVATE   0x08
#define FS_ENABLE       0x10
#define FS_DISABLE      0x20
#define FS_SYNCACTIVE   0x40

// timers of a bar's fly-by prompt
#define ID_TIMER_WAIT   0xE000
#define ID_TIMER_CHECK  0xE001

// Moves hWnd to lpRect within the layout: deferred when the layout has a DeferWindowPos batch.
AFX_FX_API void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

/////////////////////////////////////////////////////////////////////////////
// CDockBar

class AFX_FX_CLASS CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    virtual ~CDockBar();
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    BOOL m_bFloating;           // the inside of a floating frame

    virtual BOOL IsDockBar() const;
    int GetDockedCount() const;
    virtual int GetDockedVisibleCount() const;

    // Docks pBar in a new row after the last (lpRect NULL) or in the row under lpRect (screen
    // coordinates) at that position.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    // Docks pBar where its placeholder is, if it left one.
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    // Takes pBar out (not the entry at nPosExclude).  nAddPlaceHolder 1 leaves its control id in
    // its place; 0 also drops an older placeholder; -1 leaves placeholders alone.  TRUE when the
    // floating frame of this dock bar went with its last bar.
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    void RemovePlaceHolder(CControlBar* pBar);

    // Rows of bars: entry 0 is NULL and a NULL ends every row; an entry below 0x10000 is a
    // placeholder (the control id of a bar that floated away and may come back).
    CPtrArray m_arrBars;
    BOOL m_bLayoutQuery;        // the current layout only measures
    CRect m_rectLayout;         // the room the frame's layout offers (empty: the frame's client)

    CControlBar* GetDockedControlBar(int nPos) const;  // NULL for row ends and placeholders

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void DoPaint(CDC* pDC);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    int Insert(CControlBar* pBar, CRect rect, CPoint ptMid);
    int FindBar(CControlBar* pBar, int nPosExclude = -1);
    void ShowAll(BOOL bShow);

protected:
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnWindowPosChanging(LPWINDOWPOS lpWndPos);
    afx_msg void OnPaint();
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    friend class CMiniDockFrameWnd;
};

/////////////////////////////////////////////////////////////////////////////
// CDockContext - dragging a bar to another side or off into a floating frame, and resizing a
// floating bar by its frame.  Each step is virtual so that a docking layer can replace it.

class AFX_FX_CLASS CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();

    // drag: StartDrag runs the whole loop (Move on each mouse move, EndDrag on release)
    virtual void StartDrag(CPoint pt);
    virtual void Move(CPoint pt);
    virtual void EndDrag();
    virtual void OnKey(int nChar, BOOL bDown);

    // resize of a floating CBRS_SIZE_DYNAMIC bar by a frame edge (nHitTest HTLEFT ... HTBOTTOM)
    virtual void StartResize(int nHitTest, CPoint pt);
    virtual void Stretch(CPoint pt);
    virtual void EndResize();

    // floats a docked bar at its last floating place, docks a floating one at its last dock place
    virtual void ToggleDocking();

    // the tracking loop: TRUE when it ended with the button released, FALSE when cancelled
    // (Escape, the right button, or capture taken away)
    virtual BOOL Track();
    virtual void InitLoop();
    virtual void CancelLoop();
    // the side the drag rectangles are over (CBRS_ALIGN_* of the dock bar), 0 for floating
    virtual DWORD CanDock();
    virtual CDockBar* GetDockBar(DWORD dwOverDockStyle);
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    void UpdateState(BOOL* pFlag, BOOL bNewValue);

    CPoint m_ptLast;            // last mouse position during the drag
    CRect m_rectLast;           // last drawn feedback
    CSize m_sizeLast;
    BOOL m_bDitherLast;

    // rectangles (screen) of the bar docked across and along, and of the floating frame
    CRect m_rectDragHorz;
    CRect m_rectDragVert;
    CRect m_rectFrameDragHorz;
    CRect m_rectFrameDragVert;

    CControlBar* m_pBar;        // the bar this context drags
    CFrameWnd* m_pDockSite;     // the bar's docking frame
    DWORD m_dwDockStyle;        // sides the bar may dock to
    DWORD m_dwOverDockStyle;    // the side under the drag rectangle, 0 for none
    DWORD m_dwStyle;            // the bar's alignment when the drag started
    BOOL m_bFlip;               // Shift: the other orientation
    BOOL m_bForceFrame;         // Control: float, never dock
    CDC* m_pDC;                 // screen DC of the feedback
    BOOL m_bDragging;           // dragging (TRUE) or resizing (FALSE)
    int m_nHitTest;             // the frame edge being resized

    UINT m_uMRUDockID;          // the frame side the bar was docked on last (0: none)
    CRect m_rectMRUDockPos;     // its place there (dock bar client coordinates)
    DWORD m_dwMRUFloatStyle;    // the alignment it floated with last
    CPoint m_ptMRUFloatPos;     // where its floating frame stood last

    // resizing
    CRect m_rectRequestedSize;
    CRect m_rectActualSize;
    CRect m_rectActualFrameSize;
    CRect m_rectFrameBorders;

protected:
    HWND m_hWndTrack;           // the bar's window while tracking (it may go away meanwhile)
};

/////////////////////////////////////////////////////////////////////////////
// CMiniDockFrameWnd - the floating frame of a bar

class AFX_FX_CLASS CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();
    virtual ~CMiniDockFrameWnd();

    // dwBarStyle: the alignment (CBRS_ALIGN_LEFT/RIGHT makes the dock bar vertical),
    // CBRS_FLOAT_MULTI, CBRS_SIZE_DYNAMIC (no moving by the frame edges)
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);

    CDockBar m_wndDockBar;

    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    // the first bar docked inside, or NULL
    CControlBar* GetFirstBar() const;

protected:
    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMessage);
    DECLARE_MESSAGE_MAP()
};
