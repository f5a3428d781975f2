// DockWnd.h - CDockWnd, the dockable bar with a title band in its non-client area, which rolls
// up to its band, takes its whole row, floats, docks and hides.
#pragma once

#include <afxwin.h>
#include <afxext.h>
#include "Band.h"

class CToolPalettes;

// Dock window state (CDockWnd::SetState; lParam of WM_SPACE_REDISTRIBUTION)
#define DWS_NORMAL          1
#define DWS_ROLLEDACROSS    16      // rolled up on a left or right dock bar
#define DWS_ROLLEDALONG     32      // rolled up on a top or bottom dock bar
#define DWS_MAXALONG        64      // takes its row on a top or bottom dock bar
#define DWS_MAXACROSS       128     // takes its row on a left or right dock bar
#define DWS_SHARE           256     // with DWS_NORMAL: the row shares its space anew

class AFX_EXT_CLASS CDockWnd : public CControlBar
{
    DECLARE_DYNAMIC(CDockWnd)
public:
    CDockWnd();
    virtual ~CDockWnd();

    int Create(CWnd* pParent, const char* lpszTitle, UINT nStyle, UINT nID);
    // Stores the dock style.  The first time, the main window is asked for a docking context
    // (WM_CREATE_DOCKCONTEXT); without an answer the framework's is made.
    void EnableDocking(DWORD dwDockStyle);
    void SetToolPalettesManager(CToolPalettes* pManager) { m_pPalettesManager = pManager; }
    CToolPalettes* GetToolPalettesManager() const;
    void SetState(UINT nState) { m_dwState = nState; }
    UINT GetState() const { return m_dwState; }
    // the band state for a dock window state (-1: from the window's size)
    UINT CalcBandState(UINT nState);
    int IsCollapsed(int bBySize);
    int IsBandFlipped(CRect* pWindowRect);
    int IsNeiborsBandFlipped(CRect* pWindowRect);
    // the client rectangle inside pWindow (both in the same coordinates) and the band's place
    void CalcClientRect(RECT* pOut, const RECT* pWindow);
    int InitBand(DWORD dwStyle);
    void DrawCaption();
    // the dock bar's side (AFX_IDW_DOCKBAR_*), 0 when floating or not docked
    UINT GetDockSide() const;
    BOOL IsVertDocked() const;
    CBand& GetBand() { return m_band; }

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);
    virtual void ShowOnScreen(int bShow, CObArray* pList, int bDelay);

    CToolPalettes* m_pPalettesManager;
    CSize m_sizeCurrent;
    CSize m_sizeFloating;
    CSize m_sizeMin;
    CBand m_band;
    DWORD m_dwState;
    CSize m_sizeCollapsed;
    int m_bCollapsed;
    CRect m_rectReserved;
    int m_nReserved;
    CPoint m_ptCaptionPress;        // (-1000, -1000): none

protected:
    // the band's rectangle in window coordinates for a window of that size
    CRect GetBandRect(CSize sizeWindow);
    void ReleaseCaptionPress();
    void ShowTitleMenu(CPoint ptScreen);
    void RollUp();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcDestroy();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg LRESULT OnFromChildRollup(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    int m_nPushedItem;          // the title button pressed, -1 none
    BOOL m_bCaptionCapture;     // the mouse is captured for a caption press
};
