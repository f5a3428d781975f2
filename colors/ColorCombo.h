// ColorCombo.h - CColorCombo, an owner-drawn drop-down list of named colours.
#pragma once

#include <afxwin.h>
#include "UILColor.h"

// Each item's text is the colour's name and its item data the colour value.  In popup mode (the
// default) a press opens a CColorPopup with the items in its colour map instead of the list; the
// colours the user adds there come back as items, and the colour picked becomes the selection.
class AFX_EXT_CLASS CColorCombo : public CComboBox
{
public:
    CColorCombo();
    virtual ~CColorCombo();

    // a drop-down list (owner-drawn, fixed height, with strings) in the system menu font
    BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Adds c under lpszName ("r,g,b" when NULL) at the end; returns the index.
    virtual int AddItem(unsigned long c, const char* lpszName);
    // the colour of item nIndex, -1 for an index that is not an item
    unsigned long GetColor(int nIndex);
    // copies the name of item nIndex (at most 255 characters and the end) into lpszName
    void GetName(int nIndex, char* lpszName);
    // the first item with colour c, else -1
    int GetIndex(unsigned long c);

    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    int m_bPopupMode;               // a press opens the colour popup instead of the list
    HFONT m_hFont;                  // owned

protected:
    void DrawEntireItem(LPDRAWITEMSTRUCT lpDIS);
    void HandleSelectionState(LPDRAWITEMSTRUCT lpDIS);
    void HandleFocusState(LPDRAWITEMSTRUCT lpDIS);
    // runs the popup over the items; selects what was picked
    void DoPopup();

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
