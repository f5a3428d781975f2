// afxext.h - framework extensions: control bars, toolbars and status bars.
//
// Classes declared here:
//   CControlBar   - base of every bar a frame lays out and docks (barcore.cpp)
//   CToolBar      - a bar over the common toolbar control (bartool.cpp)
//   CStatusBar    - a bar over the common status control; pane 0 is the frame's message bar
//                   (barstat.cpp)
// The dock bars, the docking context and the floating frame that docking uses are in afxpriv.h.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"
#include "afxdlgs.h"   // common dialogs, dialog templates

class CDockBar;
class CDockContext;
class CToolBarCtrl;
class CStatusBarCtrl;

/////////////////////////////////////////////////////////////////////////////
// Control-bar styles (CControlBar::m_dwStyle, CControlBar::EnableDocking, CFrameWnd::EnableDocking)

#define CBRS_ALIGN_LEFT     0x1000L
#define CBRS_ALIGN_TOP      0x2000L
#define CBRS_ALIGN_RIGHT    0x4000L
#define CBRS_ALIGN_BOTTOM   0x8000L
#define CBRS_ALIGN_ANY      0xF000L

#define CBRS_BORDER_LEFT    0x0100L
#define CBRS_BORDER_TOP     0x0200L
#define CBRS_BORDER_RIGHT   0x0400L
#define CBRS_BORDER_BOTTOM  0x0800L
#define CBRS_BORDER_ANY     0x0F00L

#define CBRS_TOOLTIPS       0x0010L
#define CBRS_FLYBY          0x0020L
#define CBRS_FLOAT_MULTI    0x0040L
#define CBRS_BORDER_3D      0x0080L
#define CBRS_HIDE_INPLACE   0x0008L
#define CBRS_SIZE_DYNAMIC   0x0004L
#define CBRS_SIZE_FIXED     0x0002L
#define CBRS_FLOATING       0x0001L

#define CBRS_GRIPPER        0x00400000L

#define CBRS_ORIENT_HORZ    (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT    (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY     (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)

#define CBRS_ALL            0x0040FFFFL

#define CBRS_NOALIGN        0x00000000L
#define CBRS_LEFT           (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP            (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT          (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM         (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// CalcDynamicLayout modes
#define LM_STRETCH  0x01    // same meaning as bStretch of CalcFixedLayout
#define LM_HORZ     0x02    // same meaning as bHorz of CalcFixedLayout
#define LM_MRUWIDTH 0x04    // the most recently used width (floating)
#define LM_HORZDOCK 0x08    // the size when docked horizontally
#define LM_VERTDOCK 0x10    // the size when docked vertically
#define LM_LENGTHY  0x20    // nLength is a height, not a width
#define LM_COMMIT   0x40    // remember the result (most recently used width, button wrapping)

// toolbar button styles and states (CToolBar::GetButtonStyle/SetButtonStyle); the enabled state
// is kept inverted as "disabled" so that a style of 0 is an ordinary enabled button
#define TBBS_BUTTON         MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR      MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX       MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP          MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP     (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN       MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE       MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX       MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED        MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED        MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED       MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE  MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN         MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED        MAKELONG(0, TBSTATE_WRAP)
#define TBBS_ELLIPSES       MAKELONG(0, TBSTATE_ELLIPSES)
#define TBBS_MARKED         MAKELONG(0, TBSTATE_MARKED)

// status-bar pane styles
#define SBPS_NORMAL     0x0000
#define SBPS_NOBORDERS  SBT_NOBORDERS
#define SBPS_POPOUT     SBT_POPOUT
#define SBPS_OWNERDRAW  SBT_OWNERDRAW
#define SBPS_DISABLED   0x04000000
#define SBPS_STRETCH    0x08000000

// the "separator" indicator of a status bar: the stretching message pane
#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif

// resource type of toolbar layouts (version, image width, image height, count, command ids)
#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCEA(241)
#endif

/////////////////////////////////////////////////////////////////////////////
// CControlBar

class AFX_FX_CLASS CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
protected:
    CControlBar();

public:
    int GetCount() const;

    // m_dwStyle holds the CBRS_* styles (not the window style)
    DWORD GetBarStyle();
    void SetBarStyle(DWORD dwStyle);

    BOOL m_bAutoDelete;         // delete the object when its window goes

    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect);
    CRect GetBorders() const;

    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);

    // allowed sides (CBRS_ALIGN_*, CBRS_FLOAT_MULTI); makes the docking context on first use
    void EnableDocking(DWORD dwDockStyle);

    virtual ~CControlBar();
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    // hides or shows at the next layout of the docking frame
    virtual void DelayShow(BOOL bShow);
    // visible, or about to become visible through DelayShow
    virtual BOOL IsVisible() const;
    virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
    virtual BOOL IsDockBar() const;
    virtual BOOL DestroyWindow();
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);

    // borders inside the bar's window, left/right meaning along the bar when horizontal
    int m_cxLeftBorder, m_cxRightBorder;
    int m_cyTopBorder, m_cyBottomBorder;
    int m_cxDefaultGap;         // gap between items
    UINT m_nMRUWidth;           // most recently used width when floating and sized dynamically

    int m_nCount;
    void* m_pData;              // per-item data of derived bars (malloc'd, freed by the base)

    enum StateFlags
    {
        delayHide = 1,
        delayShow = 2,
        tempHide = 4,
        statusSet = 8           // the bar's fly-by prompt is in the message bar
    };
    UINT m_nStateFlags;

    DWORD m_dwStyle;            // CBRS_* styles
    DWORD m_dwDockStyle;        // allowed dock sides (CBRS_ALIGN_*), CBRS_FLOAT_MULTI
    CFrameWnd* m_pDockSite;     // the frame that owns the bar's docking (set at creation)
    CDockBar* m_pDockBar;       // the dock bar holding the bar, NULL when not docked anywhere
    CDockContext* m_pDockContext;   // drag and resize tracking (EnableDocking)

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PostNcDestroy();

    virtual void DoPaint(CDC* pDC);
    // Draws the CBRS_BORDER_* borders in the frame colours of afxData (clrBtnShadow,
    // clrBtnHilite), which a caller may replace around one call; shrinks rect by them.
    void DrawBorders(CDC* pDC, CRect& rect);
    void DrawGripper(CDC* pDC, const CRect& rect);
    // rect less the bar's borders (and gripper); bHorz: as laid out horizontally
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;

    // fly-by prompt in the owner's message bar; nHit -1 takes it away
    BOOL SetStatusText(INT_PTR nHit);
    void ResetTimer(UINT_PTR nEvent, UINT nTime);
    void EraseNonClient();

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnWindowPosChanging(LPWINDOWPOS lpWndPos);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMsg);
    DECLARE_MESSAGE_MAP()

    friend class CFrameWnd;
    friend class CDockBar;
};

/////////////////////////////////////////////////////////////////////////////
// CToolBar - a control bar over the common toolbar control

class AFX_FX_CLASS CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    virtual ~CToolBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
        UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
        CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

    // sizeButton must hold the image with 7 pixels to spare across and 6 down
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    // the bar's height: the borders above and below the buttons take up the rest
    void SetHeight(int cyHeight);
    // buttons, sizes and bitmap from a toolbar resource (type 241) and the bitmap of that name
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // one button per id, a separator per 0; lpIDArray NULL makes nIDCount blank buttons
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    int CommandToIndex(UINT nIDFind) const;    // -1 when no button has the command
    UINT GetItemID(int nIndex) const;          // 0 for a separator or a bad index
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;     // TBBS_* (style in the low word, state in the high)
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    CToolBarCtrl& GetToolBarCtrl() const { return *(CToolBarCtrl*)this; }
    // a button's text: each distinct text is added to the control once (m_pStringMap keeps its
    // number); empty for a button without one
    BOOL SetButtonText(int nIndex, LPCSTR lpszText);
    CString GetButtonText(int nIndex) const;
    void GetButtonText(int nIndex, CString& rString) const;
    void SetOwner(CWnd* pOwnerWnd);
    BOOL AddReplaceBitmap(HBITMAP hbmImageWell);

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);

    HRSRC m_hRsrcImageWell;
    HINSTANCE m_hInstImageWell;
    HBITMAP m_hbmImageWell;
    BOOL m_bDelayedButtonLayout;    // the buttons' wrapping waits for the next paint or query
    CSize m_sizeImage;
    CSize m_sizeButton;
    CMapStringToPtr* m_pStringMap;

    // the button records; the enabled state is inverted (TBBS_DISABLED) in both directions
    void _GetButton(int nIndex, TBBUTTON* pButton) const;
    void _SetButton(int nIndex, TBBUTTON* pButton);
    CSize CalcLayout(DWORD nMode, int nLength = -1);
    CSize CalcSize(TBBUTTON* pData, int nCount);
    int WrapToolBar(TBBUTTON* pData, int nCount, int nWidth);
    void SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert = FALSE);
    void Layout();

protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnWindowPosChanging(LPWINDOWPOS lpWndPos);
    afx_msg LRESULT OnSetButtonSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBitmapSize(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CStatusBar - indicator panes over the common status control

struct AFX_STATUSPANE
{
    UINT nID;
    UINT nStyle;        // SBPS_*
    int cxText;         // width of the pane's text area
    CString strText;
};

class AFX_FX_CLASS CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    virtual ~CStatusBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
        UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    // one pane per id; ID_SEPARATOR makes the stretching message pane, any other id a pane as
    // wide as that id's string
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneText(int nIndex, CString& rString) const;
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CStatusBarCtrl& GetStatusBarCtrl() const { return *(CStatusBarCtrl*)this; }

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    int m_nMinHeight;
    AFX_STATUSPANE* _GetPanePtr(int nIndex) const;
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
