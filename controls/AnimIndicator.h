// AnimIndicator.h - a small framed window showing what the host is doing.
//
//   SIndicatorState   one state: identifier, background colour, a clip or a still bitmap in a
//                     small and a large version
//   CAnimCtrl         the animation control, its background erased with its own colour
//   CAnimIndicator    plays a state's clip, or shows its bitmap on its colour, in the version that
//                     fits its size; reachable late-bound as well ("ChangeState", "StopAVI",
//                     "CurrentState")
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>
#include <afxdisp.h>

#define INDICATOR_KIND_AVI      1
#define INDICATOR_KIND_BITMAP   2
#define INDICATOR_ANIM_ID       100

struct SIndicatorState
{
    DWORD m_nID;
    COLORREF m_clrBack;
    DWORD m_nKind;          // INDICATOR_KIND_AVI or INDICATOR_KIND_BITMAP
    DWORD m_nSmallRes;      // AVI or bitmap resource of the small version
    DWORD m_nLargeRes;
};

class AFX_EXT_CLASS CAnimCtrl : public CAnimateCtrl
{
public:
    CAnimCtrl();
    virtual ~CAnimCtrl();

    void SetBkColor(COLORREF clr);
    COLORREF GetBkColor() const { return m_clrBack; }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    COLORREF m_clrBack;
};

class AFX_EXT_CLASS CAnimIndicator : public CWnd
{
    DECLARE_DYNAMIC(CAnimIndicator)
public:
    CAnimIndicator();
    virtual ~CAnimIndicator();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
        CCreateContext* pContext = NULL);

    void SetSize(CSize sizeSmall, CSize sizeLarge);
    int SetIndicatorStates(const SIndicatorState* pStates, int nCount);
    // The identifier of the state current before the call, or 0 when no row has nID (nothing
    // changes then).
    int ChangeState(DWORD nID);
    int PlayAVI(UINT nSmallAVI, UINT nLargeAVI, UINT nFrom, UINT nTo, UINT nRepeat);
    int StopAVI(BOOL bHide);
    void SetBackground(COLORREF clr, UINT nSmallBitmap, UINT nLargeBitmap, BOOL bRedraw);
    // -1 for either: the client size
    void UpdatePositions(int cx, int cy);

    CAnimCtrl& GetAnimCtrl() { return m_wndAnim; }
    BOOL IsPlaying() const { return m_bPlaying; }
    BOOL IsLargeClipOpen() const { return m_bLargeOpen; }
    DWORD GetCurrentState() const { return m_nCurrentState; }
    CSize GetSmallSize() const { return m_sizeSmall; }
    CSize GetLargeSize() const { return m_sizeLarge; }
    COLORREF GetBkColor() const { return m_clrBack; }
    // the version painted now: 2 large, 1 small, 0 none
    int GetShownBitmap() const;

protected:
    BOOL OpenClip(BOOL bLarge);
    // the background and bitmap (while no clip shows) and the sunken frame
    void Paint(CDC& dc);

    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnAnimStart();
    afx_msg void OnAnimStop();
    DECLARE_MESSAGE_MAP()

    // automation
    long DispChangeState(long nID) { return ChangeState((DWORD)nID); }
    long DispStopAVI(long bHide) { return StopAVI(bHide != 0); }
    long DispGetCurrentState() { return (long)m_nCurrentState; }
    DECLARE_DISPATCH_MAP()

    CAnimCtrl m_wndAnim;
    CArray<SIndicatorState, const SIndicatorState&> m_arrStates;
    UINT m_nSmallAVI;
    UINT m_nLargeAVI;
    BOOL m_bPlaying;
    UINT m_nRepeat;
    BOOL m_bLargeOpen;
    COLORREF m_clrBack;
    CBitmap m_bmpSmall;
    CBitmap m_bmpLarge;
    CSize m_sizeSmall;
    CSize m_sizeLarge;
    DWORD m_nCurrentState;
    CBrush m_brushAnim;     // the animation control's background, for WM_CTLCOLORSTATIC
};
