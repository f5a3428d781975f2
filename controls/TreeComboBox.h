// TreeComboBox.h - a combo box whose drop-down is a tree built from path-like strings
// ("group\sub-group\item").
//
//   CMyTreeCtrl     the popup's tree: holds the mouse capture so that a click anywhere outside
//                   it closes the popup
//   CPopupTree      a small modal dialog (template 26043) holding the tree; also usable alone,
//                   aligned to any screen rectangle
//   CTreeComboBox   the combo box that opens a CPopupTree instead of its list
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

// the popup tree's capture timer and its period
#define POPUPTREE_TIMER         2013
#define POPUPTREE_TIMER_PERIOD  100
// the popup is always this high (pixels)
#define POPUPTREE_HEIGHT        300

class AFX_EXT_CLASS CMyTreeCtrl : public CTreeCtrl
{
public:
    CMyTreeCtrl();

protected:
    // a press outside the tree's window (seen through the capture) closes the popup
    BOOL CloseIfOutside(UINT message, CPoint ptClient);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

class AFX_EXT_CLASS CPopupTree : public CDialog
{
public:
    explicit CPopupTree(CWnd* pParent = NULL);

    // The entries (not owned) and the one to preselect; a NULL separator keeps the current one.
    void SetItemsList(CStringArray* pItems, int nSelection, const char* lpszSeparator = NULL);
    // the screen rectangle the popup opens under (or above); NULL or empty: it is not moved
    void SetAlignRect(const RECT* pRect);

    // Builds the tree from the entries; the leaf to select, or NULL.  Folders made on the way
    // carry -1, leaves the index of their entry.
    HTREEITEM InitTree();
    // the child of hParent with that text; made (data -1) when there is none and bCreate is set
    HTREEITEM FindChildItem(HTREEITEM hParent, const char* lpszText, BOOL bCreate);
    // the folder the pieces' last one goes into, made on the way
    HTREEITEM GetParentItem(const CStringArray& pieces);
    // the selected item's data; -1 when nothing is selected
    int GetSelItemData() const;
    // runs with the library's resources current
    virtual INT_PTR DoModal();

    // Cuts the text at every separator (empty pieces included); the number of pieces.
    static int SplitPath(const CString& strText, const CString& strSeparator, CStringArray& pieces);

    CMyTreeCtrl m_wndTree;
    CStringArray* m_pItems;
    CString m_strSeparator;         // empty until SetItemsList gives one
    int m_nWidth;                   // wanted width, from InitTree
    CRect m_rcAlign;                // screen; empty = do not move
    int m_nSelection;               // in: to preselect; out (after OK): the chosen entry
    HTREEITEM m_hClickedItem;       // the item the last click landed on

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // the popup's place from the align rectangle, the monitor and its height
    void PlacePopup();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTreeClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

class AFX_EXT_CLASS CTreeComboBox : public CComboBox
{
public:
    CTreeComboBox();
    virtual ~CTreeComboBox();

    // The entries (not owned), the current one and the separator ("\" by default; NULL keeps
    // it); fills the list.
    void SetItemsList(CStringArray* pItems, int nCurrent, const char* lpszSeparator = NULL);
    // the combo's list anew from the entries, nCurrent selected
    void FillList(int nCurrent);
    // Runs the popup tree under the combo box; on OK the choice becomes the selection and the
    // parent gets CBN_SELENDOK.  The dialog's result.
    INT_PTR PopupTree();

    CPopupTree m_wndPopup;
    CString m_strSeparator;
    CStringArray* m_pItems;
    CImageList m_imageList;         // deleted with the window when it was made
    BOOL m_bPressed;                // the left button went down inside the client area

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
