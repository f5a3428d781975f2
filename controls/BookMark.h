// BookMark.h - the bookmark tab strip: CBookMark with its tabs (CBookMarkButton) and its two
// scroll buttons (CScrollButton).
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

class CBookMark;

// Strip styles (CBookMark::SetBMStyle).  Bits 4 and 8 lay the tabs top to bottom; without them
// the strip is horizontal.
#define BMS_FIT             0x0002  // tabs shrink to fit: no scrolling
#define BMS_VERT_LEFT       0x0004  // vertical, scroll buttons at the top, tabs hang from the right edge
#define BMS_VERT_RIGHT      0x0008  // vertical, scroll buttons at the bottom, tabs hang from the left edge
#define BMS_VERTMASK        0x000C

// Tab states (CBookMarkButton::GetState)
#define BMB_FIRST           0x0001
#define BMB_LAST            0x0002
#define BMB_SELECTED        0x0010
#define BMB_AFTERSELECTED   0x0020  // the right-hand (following) neighbour of the selected tab
#define BMB_BEFORESELECTED  0x0040  // the left-hand (preceding) neighbour of the selected tab
#define BMB_SELECTIONMASK   0x0070

// Control and command identifiers of the strip
#define BM_ID_SCROLLBACK        1000    // the "back" scroll button
#define BM_ID_SCROLLFORWARD     1001    // the "forward" scroll button
#define BM_ID_FIRSTTAB          1010    // tab i has control ID 1010 + i
#define BM_ID_FIRSTHOSTCMD      2000    // commands the host adds to the tab menu: 2000 ... 2999
#define BM_ID_LASTHOSTCMD       2999
#define BM_ID_PICKWINDOW        3001    // the host's "pick a window" entry of the tab menu
#define BM_ID_INDICATOR         5       // a tab's child in this ID sits on the tab's image

/////////////////////////////////////////////////////////////////////////////
// CBookMarkButton - one tab: an owner-drawn button that draws itself as a tab hanging from the
// strip's edge, and starts a drag of its window when pulled more than 3 pixels.

class AFX_EXT_CLASS CBookMarkButton : public CButton
{
    DECLARE_DYNAMIC(CBookMarkButton)
public:
    CBookMarkButton();
    virtual ~CBookMarkButton();

    // an owner-drawn child (WS_CLIPCHILDREN) with the tab text
    virtual BOOL Create(LPCSTR lpszText, const RECT& rect, CWnd* pParentWnd, UINT nID);

    UINT GetState() const { return m_nState; }
    // new = (old & ~nRemove) | nAdd; adding BMB_SELECTED ends a pending press; the tab is
    // redrawn when its selection changed.  Returns the new state.
    UINT ModifyState(UINT nRemove, UINT nAdd);
    // the strip's orientation bits (BMS_VERTMASK); returns the previous ones
    UINT SetBMStyle(UINT nStyle);
    UINT GetBMStyle() const { return m_nBMStyle; }
    void SetImage(CImageList* pImageList, int nImage);
    CImageList* GetImageList() const { return m_pImageList; }
    int GetImage() const { return m_nImage; }

    // the size computed by the last ModifySize
    CSize GetSize() const { return m_size; }
    // The tab's size for the strip's thickness nHeight (text height + 4 when 0): its length is
    // the text width + 4 + the image width + 2 + 10.  A vertical tab gives it turned.
    CSize CalcSize(int nHeight);
    // CalcSize, kept as the tab's size; the child with ID 5, if any, moves onto the image
    CSize ModifySize(int nHeight);
    // where the image goes, in client coordinates
    CRect GetIndicatorRect();

    UINT m_nState;
    UINT m_nCmdID;              // command sent when the tab is chosen; 0: the strip's base + index
    UINT m_nBMStyle;
    CImageList* m_pImageList;   // not owned
    int m_nImage;
    CSize m_sizeImage;
    CSize m_size;
    UINT m_nID;                 // the control ID, 1010 + the tab's index
    int m_bPressed;             // a press that may become a drag
    CPoint m_ptPress;           // where it was (client), (-1, -1) when none

    enum { nDragDistance = 4 };

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    CFont* GetTabFont() const;
    void DrawTab(CDC& dc, const CRect& rect, BOOL bSelected);
    void TabPoints(const CRect& rect, BOOL bSelected, POINT* pPoints);
    CPoint Turn(int u, int v, const CRect& rect) const;

    virtual void PostNcDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CScrollButton - one of the strip's two arrow buttons.

class AFX_EXT_CLASS CScrollButton : public CButton
{
    DECLARE_DYNAMIC(CScrollButton)
public:
    CScrollButton();
    virtual ~CScrollButton();

    // bBack: the "back" button ("<"), else "forward" (">"); BS_ICON is added to dwStyle
    BOOL Create(int bBack, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // picks the arrow for a vertical or horizontal strip; nothing when it has it already
    void SetVertical(bool bVertical);
    bool IsVertical() const { return m_bVertical; }

    int m_bBack;
    bool m_bVertical;
    int m_nWidth;               // at creation
    int m_nHeight;
    HICON m_hArrow;             // owned

    enum { nArrowSize = 7 };

protected:
    void LoadArrow();

    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CBookMark - the strip.
//
// A click on a tab selects it and posts WM_COMMAND with the tab's command to the owner (the
// notify window when one is set, else the parent).  A right click anywhere on the strip opens a
// menu of all tabs, to which the main window may add its own entries when it is sent
// WM_FILL_BOOKMARKS_EXTENDED_MENU.  Pulling a tab posts WM_USER_LDRAG to the strip's parent (a
// window packet), which drags the tab's window.

class AFX_EXT_CLASS CBookMark : public CWnd
{
    DECLARE_DYNAMIC(CBookMark)
public:
    CBookMark();
    virtual ~CBookMark();

    // A visible child ("BookMark") with its two scroll buttons, disabled until the tabs overflow.
    // 0 when a window cannot be created.
    int Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwBMStyle);

    // appends a tab; its index, or 0 when its window cannot be made
    int AddMark(LPCSTR lpszText);
    // inserts a tab before tab nIndex (0 <= nIndex < count; AddMark appends); 1 or 0
    int InsertMark(int nIndex, LPCSTR lpszText);
    // removes tab nIndex; 1 or 0
    int RemoveMark(int nIndex);

    int GetCount() const { return m_nCount; }
    CBookMarkButton* GetButton(int nIndex) const;
    // the first tab that is selected, or -1
    int GetCurSel() const;
    // Makes tab nIndex the selected one (adds its state and its neighbours'; ResetActFlags takes
    // the old ones away first), brings it into view and redraws lpRect (the whole strip when
    // NULL) at once.  Returns the current index.
    int SetCurSel(int nIndex, const RECT* lpRect = NULL);
    // takes every tab's selection states away and sets the first and last tab flags anew
    void ResetActFlags(const RECT* lpRect = NULL);

    // scrolls so that the current tab is in view; 0 without tabs or without a current tab
    int ArrangeButtons();
    // lays out the tabs and scroll buttons (SetWindowPos flags nFlags)
    void ResizeButtons(UINT nFlags);

    // BMS_ style bits; returns the previous ones
    DWORD SetBMStyle(DWORD dwBMStyle);
    DWORD GetBMStyle() const { return m_dwBMStyle; }
    UINT GetCmdID(int nIndex) const;
    void SetCmdID(int nIndex, UINT nCmdID);
    // where the strip's commands go (NULL: the parent)
    void SetNotifyWnd(HWND hWnd) { m_hNotifyWnd = hWnd; }
    HWND GetNotifyWnd() const { return m_hNotifyWnd; }
    // the command of a tab without its own: the base + the tab's index
    void SetBaseCmdID(UINT nBase) { m_nBaseCmdID = nBase; }
    UINT GetBaseCmdID() const { return m_nBaseCmdID; }
    int GetFirstVisible() const { return m_nFirstVisible; }
    void SetFirstVisible(int nIndex) { m_nFirstVisible = nIndex; }

    // Opens the tab menu at ptScreen; non-zero when the menu could be built.
    int DoTabChoices(CPoint ptScreen);
    // The menu the host may fill with entries 2000 ... 2999 while it handles
    // WM_FILL_BOOKMARKS_EXTENDED_MENU; they show under the tabs when it has any.  Valid until
    // the strip's next menu or command.
    static CMenu* GetExtendedMenu();
    // the text of the host's entry that was chosen last (2000 ... 2999)
    const CString& GetChosenHostText() const { return m_strChosenHostText; }

    // Lets the user click any window on the screen; the window under the cursor when the left
    // button comes up, NULL when the right button cancels.
    CWnd* PickWindow();
    // The window the last pick found.  The owner reads it when it gets WM_COMMAND 3001; the
    // strip itself does not yet hand it to a window packet.
    HWND GetPickedWnd() const { return m_hPickedWnd; }

    CRect m_rectClient;
    DWORD m_dwBMStyle;
    CTypedPtrArray<CPtrArray, CBookMarkButton*> m_arrMarks;     // owned
    int m_nTotalCX;             // horizontal: the tabs' length; vertical: the width
    int m_nTotalCY;             // horizontal: the height; vertical: the tabs' length
    int m_nCount;
    int m_nCurSel;
    CScrollButton m_btnBack;
    CScrollButton m_btnForward;
    int m_nFirstVisible;
    HWND m_hNotifyWnd;
    UINT m_nBaseCmdID;
    CString m_strChosenHostText;
    HWND m_hPickedWnd;

    enum { nScrollButtonSize = 12, nTabsIndent = 4, nTabsIndentScroll = 26 };

protected:
    // a tab's button for index nIndex, hidden; NULL when its window cannot be made
    CBookMarkButton* NewMark(LPCSTR lpszText, int nIndex);
    void Renumber();
    void PostCommand(UINT nID, LPARAM lParam, BOOL bTab);
    void LayoutHorizontal(UINT nFlags);
    void LayoutVertical(UINT nFlags);
    void PlaceScrollButtons(const CRect& rectBack, const CRect& rectForward, UINT nFlags);
    void HideScrollButtons();
    static void DestroyMenus();

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
