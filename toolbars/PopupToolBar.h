// PopupToolBar.h - the drop-down menu of a flyout button and the tip window beside its entries.
//
// Classes declared here:
//   CPopupToolBar  - a popup menu filled from a toolbar resource or a toolbar description, its
//                    entries owner-drawn with the toolbar's images
//   CToolTip2      - a small topmost window that shows one line of tip text at an anchor point
#pragma once

#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>

class CTBarInfo;
class CToolTip2;

/////////////////////////////////////////////////////////////////////////////
// CPopupToolBar
//
// An entry's item data is its image index.  Entries are as high as the opening toolbar's
// buttons; while the menu has separators Windows makes them as wide as the widest, so they
// measure 0 across.  Drawing an entry as selected makes it the module's tip entry (see
// GetTipCommand): the flyout toolbar shows that entry's tip while the menu is open.

class AFX_EXT_CLASS CPopupToolBar : public CMenu
{
    DECLARE_DYNAMIC(CPopupToolBar)

public:
    explicit CPopupToolBar(CToolBar* pToolBar);
    virtual ~CPopupToolBar();

    // Appends the buttons of toolbar resource nToolBarID (looked up through the framework's
    // resource chain), images nImageWidth wide; the first entry starts a new column when
    // bNewColumn is set.  Every entry is enabled and checked at once through the command routing
    // of the toolbar's owner frame (entries without a handler are disabled).  1, or 0 when the
    // toolbar resource or its bitmap is missing.
    int AppendFromToolBar(UINT nToolBarID, int nImageWidth, int bNewColumn);
    // the same from a description; 0 for NULL or a description without images
    int AppendFromTBarInfo(CTBarInfo* pInfo, int nImageWidth, int bNewColumn);

    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    CImageList& GetImageList() { return m_imageList; }
    BOOL HasSeparators() const { return m_bHasSeparators; }

    // Module-wide tip state of the flyouts: the command whose tip is shown or to be shown (0 =
    // none), the screen rectangle of its entry, and the icon of the last command put on a
    // flyout button or selected in a menu (owned here).
    static UINT PASCAL GetTipCommand();
    static void PASCAL SetTipCommand(UINT nCommand, LPCRECT lpRectEntry = NULL);
    static CRect PASCAL GetTipRect();
    static HICON PASCAL GetLastIcon();
    // takes hIcon (NULL frees the last one)
    static void PASCAL SetLastIcon(HICON hIcon);
    // the tip window, made on first use with pOwner as owner; NULL when it cannot be made
    static CToolTip2* PASCAL GetTipWnd(CWnd* pOwner);
    // the tip window if it exists
    static CToolTip2* PASCAL FindTipWnd();

protected:
    // the entries for the commands in pIDs; the images are already in m_imageList
    void AppendEntries(const UINT* pIDs, int nCount, int bNewColumn);

    CToolBar* m_pToolBar;
    CImageList m_imageList;
    BOOL m_bHasSeparators;
};

/////////////////////////////////////////////////////////////////////////////
// CToolTip2
//
// Setting the text (WM_SETTEXT) sizes the window to the text in the tip font (the text's width
// and one blank's width on either side, the text's height and a pixel above and below) and puts
// its top-left corner at the anchor point, topmost, without activating it.  When that would pass
// the screen's right edge, it goes to the cursor's other side instead, as far left of the cursor
// as the anchor is right of it.  The window stays enabled while the application is modal.

class AFX_EXT_CLASS CToolTip2 : public CWnd
{
    DECLARE_DYNAMIC(CToolTip2)

public:
    CToolTip2();
    virtual ~CToolTip2();

    // a bordered topmost popup, 100 x 100, hidden; pOwner may be NULL
    BOOL Create(CWnd* pOwner);
    void SetAnchor(CPoint pt) { m_ptAnchor = pt; }
    CPoint GetAnchor() const { return m_ptAnchor; }
    // The font tips are measured and drawn in (not owned); NULL: the window's default font.
    static void PASCAL SetTipFont(CFont* pFont);
    static CFont* PASCAL GetTipFont();

    // shows lpszText beside rcEntry (screen): to its right, or to its left when the monitor's
    // right edge would be passed
    void ShowBeside(const CRect& rcEntry, LPCSTR lpszText);

    CPoint m_ptAnchor;
    UINT m_nCommand;        // the command whose tip is shown, 0

protected:
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg LRESULT OnDisableModal(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // the text's extent and one blank's width in the tip font
    void MeasureText(LPCSTR lpszText, CSize& sizeText, int& cxBlank);
};
