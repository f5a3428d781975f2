// ColorCtrl.h - the colour field and its eyedropper.
//
//   CColorProbeButton   owner-drawn button that samples any pixel on the screen: press it, move
//                       the mouse anywhere (a live preview fills the button) and click
//   CColorCtrl          a colour swatch that asks for a colour when clicked, with an eyedropper
//                       button at its right end
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include "UILColor.h"

#define COLORCTRL_PROBE_ID  100     // the eyedropper of a CColorCtrl
#define COLORCTRL_PROBE_CX  18      // the width it takes at the right end

/////////////////////////////////////////////////////////////////////////////
// CColorProbeButton
//
// While probing the button holds the capture and every mouse message comes to it; the cursor
// is the probe cursor.  The click that ends it posts WM_COMMAND (the button's ID) to the
// parent, which reads m_dwProbedColor.

class AFX_EXT_CLASS CColorProbeButton : public CButton
{
    DECLARE_DYNAMIC(CColorProbeButton)
public:
    CColorProbeButton();
    virtual ~CColorProbeButton();

    // Replace the button's images (mask 0xC0C0C0) with those of the bitmap, nWidth pixels each.
    BOOL LoadBitmapList(UINT nBitmapID, int nWidth);
    BOOL LoadBitmapList(UINT nBitmapID, int nWidth, int nImage);

    void StartProbe();
    void FinishProbe();
    // The colour under the cursor, previewed into rc of hTarget: the stored colour over the
    // button itself, else the screen's pixel there.
    COLORREF Probe(HDC hScreen, HDC hTarget, RECT* pRect);

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    CImageList m_ImageList;
    int m_bImageList;               // m_ImageList was made by this button
    int m_nImage;
    int m_bFlat;
    int m_nToggle;                  // flips on every click that ends over the button
    int m_bProbing;
    int m_bMoved;                   // the mouse moved since probing started
    COLORREF m_dwProbedColor;
    HWND m_hWndFocus;               // had the focus when probing started
    CPoint m_ptProbeStart;          // where the cursor was then (screen)
    HCURSOR m_hProbeCursor;

protected:
    // probes into the client area (shrunk by nInset) and repaints nothing else
    void ProbeIntoClient(int nInset);
    // the pixel at pt: the screen's when it can be read, else that of the window there
    static COLORREF ReadScreenPixel(HDC hScreen, POINT pt);

    virtual void PostNcDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CColorCtrl
//
// The window's text names what the colour is for; the tooltip over the swatch reads
// "<text>: <title>".  m_bChangedByUser tells the parent, when it gets the WM_COMMAND, that the
// user (not the program) changed the colour since the last press.

class AFX_EXT_CLASS CColorCtrl : public CWnd
{
    DECLARE_DYNAMIC(CColorCtrl)
public:
    CColorCtrl();
    virtual ~CColorCtrl();

    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    unsigned long GetColor() const { return m_dwColor; }
    // also the eyedropper's colour; repaints
    void SetColor(unsigned long c);
    // the eyedropper's image; takes effect when the window is made
    void SetType(int nType) { m_nType = nType; }
    void SetTitle(CString& strTitle);
    // the swatch: the client area without the eyedropper, shrunk by 2
    void GetColorRect(CRect& rc);

    virtual BOOL PreTranslateMessage(MSG* pMsg);

    int m_nType;                    // the eyedropper's image index, -1: none
    unsigned long m_dwColor;
    CString m_strTitle;
    CColorProbeButton m_ProbeButton;
    CString m_strToolTip;
    CToolTipCtrl m_ToolTip;
    int m_bChangedByUser;

protected:
    void PlaceProbeButton(int cx, int cy);
    void UpdateToolTips();
    // a new colour from the user: stored, flagged and posted; the same colour changes nothing
    void TakeColor(unsigned long c);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnProbe();
    DECLARE_MESSAGE_MAP()
};
