// UILMiniDockFrameWnd.h - the library's floating frame (caption band, roll-up, hidden caption,
// context menu, commands for all floating palettes at once) and its docking context (a dragged
// bar may be dropped onto another palette).
#pragma once

#include <afxwin.h>
#include <afxext.h>
#include <afxpriv.h>
#include <afxtempl.h>
#include "Band.h"

class CWndPacket;
class CUILMiniDockFrameWnd;

// Every live CUILMiniDockFrameWnd, in the order they were made.
extern AFX_EXT_DATA CArray<CUILMiniDockFrameWnd*, CUILMiniDockFrameWnd*> g_UILMiniDockFrameWndArray;

class AFX_EXT_CLASS CUILMiniDockFrameWnd : public CMiniDockFrameWnd
{
    DECLARE_DYNCREATE(CUILMiniDockFrameWnd)
public:
    CUILMiniDockFrameWnd();
    virtual ~CUILMiniDockFrameWnd();

    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    int InitBand(DWORD dwStyle);
    CControlBar* GetControlBar();
    int IsBarDockable();
    int IsCollapsed();
    int GetCollapsedSize(SIZE* pCollapsed, SIZE* pOther);
    unsigned CalcBandState();
    // sends WM_SYSCOMMAND (wParam, lParam) to every other floating frame of the library among
    // this one's siblings: first those after it in z-order, then those before
    void DoForAll(UINT wParam, LPARAM lParam);
    void DrawCaption();
    void CalcClientRect(RECT* pOut, const RECT* pWindow);
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    CBand& GetBand() { return m_band; }
    int IsCaptionHidden() const { return m_bCaptionHidden; }

    int m_bCaptionHidden;
    int m_bActive;
    CBand m_band;
    INT_PTR m_bMenuOpen;
    INT_PTR m_nExpandedHeight;      // the client height before rolling up
    CWndPacket* m_pDropPacket;
    CWnd* m_pDropFrame;

    static int m_bDoForAll;
    static CUILMiniDockFrameWnd* m_pDoForAllCaller;
    static CPoint m_ptNCLButtonDown;                // (-1000, -1000): no press recorded
    static CUILMiniDockFrameWnd* m_pNCLButtonDownWnd;

protected:
    void RollUp(BOOL bCollapse);
    void SetDockable(BOOL bDockable);
    void ShowContextMenu(CPoint ptScreen);
    void ClearPress();
    CPoint BandPoint(CPoint ptScreen) const;

    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcDestroy();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnUpdateHidecaption(CCmdUI* pCmdUI);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    DECLARE_MESSAGE_MAP()

    int m_nPushedItem;
    BOOL m_bPressCapture;
};

/////////////////////////////////////////////////////////////////////////////
// CUILDockContext

class AFX_EXT_CLASS CUILDockContext : public CDockContext
{
public:
    explicit CUILDockContext(CControlBar* pBar);
    virtual ~CUILDockContext();

    virtual void StartDrag(CPoint pt);
    virtual void StartResize(int nHitTest, CPoint pt);
    virtual void Move(CPoint pt);
    virtual BOOL Track();
    virtual void EndDrag();
    virtual void Stretch(CPoint pt);

    int m_bPaletteDrop;         // the bar's owner allows dropping it onto other palettes
    CWndPacket* m_pDropPacket;
    CWnd* m_pDropFrame;

protected:
    // the palette under pt (screen) the bar could be dropped on; fills the two target words
    BOOL FindDropTarget(CPoint pt);
};
