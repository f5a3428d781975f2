// ColorPopup.h - the colour dialog and the one entry point through which pickers ask for a colour.
//
//   CColorPopup         resizable colour dialog: colour map, six channel sliders, old and new
//                       swatches, Reset, Add, OK, Cancel; a compact and an advanced view
//   RunColorSelector    asks the host (WM_PICKCOLOR) first, then the system colour dialog
//   SPickColorValue,
//   SPickColorRequest   the two blocks a WM_PICKCOLOR request points to
#pragma once

#include <afxwin.h>
#include "ColorArray.h"
#include "ColorParam.h"
#include "ColorButtons.h"

/////////////////////////////////////////////////////////////////////////////
// WM_PICKCOLOR
//
// wParam points to an SPickColorValue, lParam to an SPickColorRequest.  A host that picks a
// colour writes it into dwColor and returns non-zero; any other answer leaves the request to the
// library (or, with non-zero flags, to nobody).

struct SPickColorValue
{
    unsigned long dwColor;          // in: the colour now; out: the colour picked
    unsigned long dwReserved;       // 0
};

struct SPickColorRequest
{
    RECT* pAnchor;                  // screen rectangle the picker belongs to; may be NULL
    ULONG_PTR nFlags;               // the caller's flags (16 bits); 0 allows the system dialog
};

// The picked colour, or -1 when nothing was picked.  The thread's main window is asked first; when
// it does not answer and wFlags is 0 the system colour dialog runs (full open, solid colours);
// with non-zero flags only the host may answer, and no window is shown by the library.
AFX_EXT_API unsigned long RunColorSelector(unsigned long c, RECT* pAnchor, unsigned short wFlags);

/////////////////////////////////////////////////////////////////////////////
// CColorPopup
//
// Lives for one modal run.  The owner fills m_ColorMap, sets the colour to start from
// (SetColor), optionally the anchor rectangle and close-on-deactivate, runs DoModal and reads
// GetColor; when m_bColorsAdded is set, the map holds colours the user added (m_AddedColors).
// Every popup opens with the size of the last one closed (m_PopupRect), and the advanced view
// and hexadecimal display are shared by all popups for the life of the library.

class AFX_EXT_CLASS CColorPopup : public CDialog
{
public:
    explicit CColorPopup(CWnd* pParent = NULL);
    virtual ~CColorPopup();

    // the colour the popup opens with ("Old"); call before DoModal
    void SetColor(unsigned long c) { m_dwBaseColor = c; }
    unsigned long GetColor() const { return (unsigned long)m_Color; }
    // shows c as the old colour and selects it
    void SetBaseColor(unsigned long c);
    // makes c the current colour and brings every control up to date
    void SelectColor(unsigned long c);
    void UpdateControls();
    virtual BOOL DestroyWindow();
    virtual INT_PTR DoModal();

    CRect m_AnchorRect;             // screen rectangle to open next to; empty: centred
    CRect m_ClientRect;             // client area at the last layout
    CRect m_TemplateRect;           // window rectangle as the template made it (the minimum)
    CUILColor m_Color;              // the current colour, -1 until one is chosen
    unsigned long m_dwBaseColor;    // -1: none
    CColorArray m_ColorMap;         // 1024
    CColorParam m_Params[6];        // 1025, 1027-1031: R, G, B, H, S, B
    CColorStatic m_OldColor;        // 1034
    CColorStatic m_NewColor;        // 1035
    int m_bColorsAdded;
    int m_bCloseOnDeactivate;
    CDWordArray m_AddedColors;
    CFont m_Font;                   // the system menu font

    // window rectangle of the last popup destroyed; the next one opens with its size
    static CRect m_PopupRect;

protected:
    virtual BOOL OnInitDialog();
    // the window rectangle the popup opens with: working size cx, cy next to the anchor, or
    // centred when there is no anchor
    CRect CalcPopupRect(int cx, int cy);
    // client rectangle of a control
    CRect GetCtrlRect(UINT nID);
    // (bottom of Cancel) - (top of the first slider): what the advanced view adds to the height
    int GetAdvancedHeight();
    void LayoutControls(int dx, int dy, int cx, int cy);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnColormap();
    afx_msg void OnColorParam();
    afx_msg void OnAdd();
    afx_msg void OnNewcolor();
    afx_msg void OnReset();
    afx_msg void OnOldcolor();
    afx_msg void OnHexValues();
    afx_msg void OnExpand();
    DECLARE_MESSAGE_MAP()
};
