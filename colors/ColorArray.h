// ColorArray.h - CColorArray, the colour map: a grid of named colour swatches.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>
#include "UILColor.h"

// The colours are kept sorted by a chosen key (COLORSORT_* flags) and laid out row by row from the
// top left in a grid whose cells are as square as the client area allows.  The left button sets
// the selection, the right button the second selection; each change is posted to the parent as
// WM_COMMAND (wParam = the control's ID, lParam = 0), and m_nLastChanged says which of the two it
// was.  An optional last cell, the menu cell, opens the sort menu; menu commands the control does
// not handle itself are posted to the parent as WM_COMMAND (wParam = the command, lParam = 0).
//
// Items 0 .. colour count - 1 are the colours; the menu cell, when shown, is item colour count.
class AFX_EXT_CLASS CColorArray : public CWnd
{
public:
    CColorArray();
    virtual ~CColorArray();

    // Takes over a dialog item (normally a static): drops its border and creates the tooltip.
    BOOL SubclassDlgItemEx(UINT nID, CWnd* pParent);
    // Creates the control as a child window of its own class, with the tooltip.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int CreateToolTipCtrl();

    // Inserts in sort order after every equal colour; returns the index the item now has.  A NULL
    // name becomes "(r,g,b)".
    int AddItem(unsigned long c, const char* lpszName);
    void ResetContent();
    int GetItemCount();
    // "Menu" (string 61978) for the menu cell and any index past the colours
    CString GetName(int nIndex);
    // COLOR_BTNFACE for the menu cell and any index past the colours
    unsigned long GetColor(int nIndex);
    // the first item whose whole value is c, else -1
    int GetColorIndex(unsigned long c);

    // Layout.  CalcParams leaves its outputs unchanged when the area is empty.
    void CalcParams(CRect rc, int nCount, int& nRows, int& nColumns, double& dCellWidth,
        double& dCellHeight);
    void CalcLinesRows();
    void CalcMinRect(int nRows, int nColumns, CRect& rc, int nCellSize);
    void GetItemRect(int nIndex, CRect& rc);
    int GetHitItem(CPoint point);

    void SetCurentSelection(int nIndex);
    void SetCurentSelection2(int nIndex);
    void OnSelChange();
    void OnSelChange2();
    void DoMenu();
    void AddCustomIcon(unsigned long c, HIMAGELIST hImageList);
    HIMAGELIST GetCustomIcon(unsigned long c);

    CImageList m_MenuImages;        // menu cell: 9, 12 and 16 pixel images
    int m_bShowMenu;                // the grid ends with the menu cell
    int m_bSmallMenu;               // the menu cell opens the short sort menu
    CToolTipCtrl m_ToolTip;         // one tool per cell (ID = index + 1), text = the name
    double m_dCellHeight;
    double m_dCellWidth;
    int m_nColumns;
    int m_nRows;
    CStringArray m_Names;
    CDWordArray m_Colors;
    int m_bEnableSelection2;        // the right button sets the second selection
    int m_bButtonDown;
    int m_nHotIndex;                // under the mouse, or being pressed
    int m_nCurSel;
    int m_nCurSel2;
    int m_nLastChanged;             // 0: the selection changed last, 1: the second selection
    CMap<unsigned long, unsigned long, HIMAGELIST, HIMAGELIST> m_mapCustomIcons;  // not owned
    unsigned long m_dwSortFlags;

    // The colour popup's advanced view is open (shared by every colour map and the popup).
    static int m_bExpanded;

protected:
    void InvalidateItem(int nIndex);
    void ChangeSelection(int& nSelection, int nIndex);
    void SetHotIndex(int nHit, BOOL bRedrawSame);
    void RestartHotTimer();
    void DrawItem(CDC* pDC, int nIndex);
    void Resort();
    BOOL OnButtonDown(CPoint point, BOOL bSecond);
    void OnButtonUp(CPoint point, BOOL bSecond);
    BOOL IsOrdered() const;
    int FindInsertIndex(unsigned long c, BOOL bOrdered) const;

    // What AddItem knows of the order: the colours were all placed by it under these flags, as
    // many as there were then.  The arrays and the flags are public, so a host may change them
    // behind its back; a changed count or flag set sends it back to walking the list (count -1)
    // until the list is emptied.
    unsigned long m_dwOrderFlags;
    INT_PTR m_nOrderedCount;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};
