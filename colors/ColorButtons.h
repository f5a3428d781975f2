// ColorButtons.h - swatches and buttons that show a colour and ask for a new one on a click.
//
//   CColorStatic        a plain swatch
//   CColorPopupButton   an owner-drawn button showing a colour; a press runs RunColorSelector
//   CColorsIndicator    pen and brush colours as two overlapping squares, each a picker
//
// Every picker here reports a change by posting WM_COMMAND (wParam = its control ID, lParam = 0)
// to its parent; a pick that gives -1 or the colour it already has changes nothing.
#pragma once

#include <afxwin.h>
#include "UILColor.h"

// the brush colour of a CColorsIndicator that stands for "the pen's colour"
#define COLOR_SAME_AS_PEN ((unsigned long)-5)

/////////////////////////////////////////////////////////////////////////////
// CColorStatic

class AFX_EXT_CLASS CColorStatic : public CStatic
{
public:
    CColorStatic();
    virtual ~CColorStatic();

    unsigned long GetColor() const { return m_dwColor; }
    // stores and repaints
    void SetColor(unsigned long c);

    unsigned long m_dwColor;        // a special colour shows the face colour

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CColorPopupButton

class AFX_EXT_CLASS CColorPopupButton : public CButton
{
    DECLARE_DYNAMIC(CColorPopupButton)
public:
    CColorPopupButton();
    virtual ~CColorPopupButton();

    unsigned long GetColor() const { return m_dwColor; }
    // stores and repaints
    void SetColor(unsigned long c);
    // Asks for a colour next to the button; 1 when a new one was taken (and posted), else 0.
    int DoPopup();
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    unsigned long m_dwColor;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CColorsIndicator
//
// Two squares of side 3H/5 + 1 in a client area H high: the pen's at the top left, the brush's
// offset by 2H/5 - 1 down and right, under the pen's.  A click in either asks for that colour;
// m_nWhichChanged tells the parent which one changed (1 pen, 2 brush, 0 none).

class AFX_EXT_CLASS CColorsIndicator : public CWnd
{
    DECLARE_DYNAMIC(CColorsIndicator)
public:
    CColorsIndicator();
    virtual ~CColorsIndicator();

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    unsigned long GetPenColor() const { return m_dwPenColor; }
    void SetPenColor(unsigned long c);
    unsigned long GetBrushColor() const { return m_dwBrushColor; }
    void SetBrushColor(unsigned long c);
    void SetPenTitle(CString& strTitle);
    void SetBrushTitle(CString& strTitle);
    void GetPenRect(CRect* pRect);
    void GetBrushRect(CRect* pRect);

    unsigned long m_dwPenColor;
    CString m_strPenTitle;
    unsigned long m_dwBrushColor;   // COLOR_SAME_AS_PEN: filled with the pen's colour
    CString m_strBrushTitle;
    int m_nWhichChanged;            // 0 none, 1 pen, 2 brush

protected:
    // asks for a new value of c next to rcPick (client coordinates); TRUE when it changed
    BOOL PickColor(unsigned long& c, const CRect& rcPick);
    void DrawSwatch(CDC* pDC, const CRect& rc, unsigned long c);

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
