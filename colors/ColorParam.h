// ColorParam.h - CColorParam, the slider that edits one channel of a colour.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include "UILColor.h"

// Channel type bits of CColorParam.  With several channel bits set, the hue, saturation and
// brightness bits are looked at before the red, green and blue ones, each group in this order.
#define COLORPARAM_RED        0x0001
#define COLORPARAM_GREEN      0x0002
#define COLORPARAM_BLUE       0x0004
#define COLORPARAM_RGBMASK    0x000F
#define COLORPARAM_HUE        0x0010
#define COLORPARAM_SATURATION 0x0020
#define COLORPARAM_BRIGHTNESS 0x0040
#define COLORPARAM_HSBMASK    0x00F0
#define COLORPARAM_LABEL      0x1000    // the channel's name on the left
#define COLORPARAM_EDIT       0x2000    // an edit box with a spin button for the value

// A horizontal gradient strip of the channel's values, the other channels held at the colour's
// current values, with a mark at the colour's value.  Dragging the mark or clicking the strip
// changes the channel of the CUILColor the slider edits (it does not own it) and sends the parent
// WM_HSCROLL with wParam = value << 16 | SB_THUMBPOSITION and lParam = the slider's window; a
// double click posts WM_COMMAND with the slider's ID.  Several sliders usually share one colour:
// the owner then calls UpdateControl on each of them when any one reports a change.
//
// A special colour has no channels: the slider then shows no gradient, no mark and an empty,
// disabled edit box, and ignores the mouse.
class AFX_EXT_CLASS CColorParam : public CWnd
{
public:
    CColorParam();
    virtual ~CColorParam();

    virtual BOOL Create(DWORD dwStyle, unsigned short wType, const RECT& rect, CWnd* pParentWnd,
        UINT nID, CFont* pFont = NULL);
    // Takes over a dialog item (normally a static) and drops its border.
    BOOL SubclassDlgItemEx(UINT nID, CWnd* pParent, unsigned short wType, CUILColor* pColor = NULL,
        CFont* pFont = NULL);
    void Init(unsigned short wType, CFont* pFont);
    virtual BOOL DestroyWindow();

    void SetColorRef(CUILColor* pColor);
    CUILColor* GetColorRef() const { return m_pColor; }
    // Assigns c to the colour edited (when there is one and it differs) and updates the slider.
    void SetColor(unsigned long c);
    // Rebuilds the gradient, the mark position and the edit text from the colour, and repaints.
    void UpdateControl();

    // width of the channel name in the label form that fits now
    int GetTextWidth();
    // the gradient strip, in client coordinates
    void GetBitmapRect(CRect& rc);
    // the mark: 8 pixels wide around the mark position, 4 pixels above and below the strip
    void GetMarkRect(CRect& rc);
    // mark position for the colour's current value, holding still on a difference below 2 pixels
    int CalcPos();
    // the channel value at pixel x of the strip
    unsigned short GetNewValue(int x);
    // sets the channel of the colour; with bNotify, tells the parent
    void SetNewValue(unsigned short wValue, int bNotify);
    // the value at pixel x of the strip becomes the colour's; returns the mark position
    int SetPos(int x);

    unsigned short m_wType;         // COLORPARAM_* bits
    CUILColor* m_pColor;            // not owned
    CFont* m_pFont;
    int m_nTextWidth[3];            // widest channel name: whole, abbreviated, first letter
    int m_nTextForm;                // which of the three fits now
    int m_nEditWidth;
    int m_nUpdate;                  // > 0 while the slider writes its own edit box
    int m_nMarkPos;                 // pixels from the strip's left edge
    int m_bDragging;
    CEdit m_Edit;                   // ID 100
    CSpinButtonCtrl m_Spin;         // ID 101
    CBitmap m_Gradient;

    // channel values are shown and typed in hexadecimal (shared by all sliders and the popup)
    static int m_bHexValues;

protected:
    // the one channel the type bits name (COLORPARAM_HUE, ...), 0 when none
    unsigned short GetChannel() const;
    int GetChannelMax() const;
    int GetChannelValue() const;
    BOOL HasChannels() const;
    CFont* GetLabelFont();
    CString GetLabel(int nForm);
    void GetEditRect(CRect& rc);
    void BuildGradient(const CRect& rcStrip);
    int ClampToStrip(CPoint point);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnEditChange();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
