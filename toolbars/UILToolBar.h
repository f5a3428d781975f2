// UILToolBar.h - the library's toolbar: a control bar over the common toolbar control whose
// buttons are command items (CUILItem) of their own sizes and looks, laid out, painted and
// driven by the bar itself; popup bars opening in chains, a band strip that scrolls a docked bar
// too short for its items, and the plain framework toolbar behaviour at bar style 0.
//
// Classes and functions here:
//   CUILToolBar           the toolbar (UILToolBar.cpp: buttons, items, styles, loading; ...Layout.cpp:
//                         sizes, wrapping, placement, band, scrolling; ...Wnd.cpp: mouse, keys, popups,
//                         focus, timers, painting; ...Menu.cpp: items from menus, command images)
//   CUILInspectorBar      the inspector's toolbar (its items are live editors; built later)
//   IsFirstDlgItemActive, IsLastDlgItemActive   where the focus stands in a dialog-like window
#pragma once

#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>
#include "UILItem.h"
#include "../docking/UILDockBar.h"
#include "../docking/Band.h"

/////////////////////////////////////////////////////////////////////////////
// Bar styles (CUILToolBar::SetNewStyle)

#define UILBS_FOLLOWPOPUP   0x0001  // a popup button shows and sends its popup's active command
#define UILBS_MENU          0x0002  // items are menu entries (text and shortcut text)
#define UILBS_POPUPMENU     0x0004  // a popup menu bar: image column, all items as wide as the widest
#define UILBS_CUSTOMLOOK    0x0010  // items choose image and text themselves
#define UILBS_BAND          0x0100  // a band strip with scroll buttons while docked
#define UILBS_DEFAULT       (UILBS_FOLLOWPOPUP | UILBS_CUSTOMLOOK)

// The band's scroll buttons and the steps they move the items by
#define UIL_SC_BANDBACK     61712
#define UIL_SC_BANDFORWARD  61952
#define UIL_BANDSCROLL_FORWARD  16
#define UIL_BANDSCROLL_BACK     20
// length the band strip and gripper take along a docked bar
#define UIL_TOOLBAR_BANDROOM    26

// Commands a bar answers itself (OnCommand, from a menu it tracks): the bar styles, each with
// the item look it adds
#define UIL_ID_BARSTYLE_PLAIN       26080   // style 0, text and shortcuts added (0x50000)
#define UIL_ID_BARSTYLE_FOLLOW      26081   // style 0x1, 0x50000
#define UIL_ID_BARSTYLE_MENU        26082   // style 0x2, 0x50000
#define UIL_ID_BARSTYLE_OWNLOOK     26083   // style 0x11, image, text and shortcuts (0x70000)
#define UIL_ID_BARSTYLE_POPUPMENU   26084   // style 0x14, 0x70000

// Timers of a bar
#define UIL_TBTIMER_HOVER       10      // 50 ms while a popup of the bar is open, or the band is hot
#define UIL_TBTIMER_BANDREPEAT  20      // 10 ms while a band scroll button is held
#define UIL_TBTIMER_HOVER_MS    50
#define UIL_TBTIMER_BANDREPEAT_MS 10

// Direction flags of a popup (ExpandPopup): growing direction and anchor edges
#define UILPOP_RIGHT        0x01
#define UILPOP_DOWN         0x02
#define UILPOP_LEFT         0x04
#define UILPOP_UP           0x08
#define UILPOP_ANCHORLEFT   0x10
#define UILPOP_ANCHORTOP    0x20
#define UILPOP_ANCHORRIGHT  0x40
#define UILPOP_ANCHORBOTTOM 0x80
#define UILPOP_BELOW        147     // right, down, from the item's left and bottom edges
#define UILPOP_BESIDE       99      // right, down, from the item's right and top edges

// The two records a custom-drawn item is described by (CUILControlRegistry::CustomDraw with
// UILCD_TOOLBARITEM): the image in an SImageStruct (list handle and index) and the bar's control
// id, the item rectangle and the UILCDS_ state bits in a DRAWITEMSTRUCT (hDC is the paint DC).
#define UILCD_TOOLBARITEM   1
#define UILCDS_ACTIVE       0x01
#define UILCDS_ENABLED      0x02
#define UILCDS_PRESSED      0x10
struct SToolBarCustomDraw
{
    SImageStruct* pImage;
    DRAWITEMSTRUCT* pItem;
};

/////////////////////////////////////////////////////////////////////////////
// CUILToolBar

class AFX_EXT_CLASS CUILToolBar : public CUILControlBar
{
    DECLARE_DYNAMIC(CUILToolBar)
public:
    CUILToolBar();
    virtual ~CUILToolBar();

    // Creation and sizes
    int Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);
    void SetOwner(CWnd* pOwnerWnd);
    // the size of item nIndex as the layout counts it; nMode with CBRS_ORIENT_VERT bits (or, when
    // 0, a bar docked at a side) gives it turned
    CSize GetButtonSize(int nIndex, DWORD nMode);
    void SetMinItemSize(int cx, int cy);
    // Applies a bar style (UILBS_): the items are refreshed from the button records or, when
    // their number no longer matches, made anew.  nExtraLook adds UILIS_TEXT / UILIS_IMAGE /
    // UILIS_ACCELTEXT bits to every item.  Returns 1.
    int SetNewStyle(int nStyle, int nExtraLook);
    int ResetWithNewStyle(int nStyle, int nExtraLook);
    int GetBarStyleEx() const { return m_nBarStyle; }
    // the look flags style turns look into
    static int GetDefaultItemStyle(int nStyle, int nLook);

    // Buttons from a toolbar resource (type 241) and the bitmap of the same name; 0 (with a
    // trace) when either is missing or damaged
    int LoadToolBar(LPCSTR lpszResourceName);
    int LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }
    int LoadBitmap(LPCSTR lpszResourceName);
    int LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
    int SetBitmap(HBITMAP hbmImageWell);
    int AddReplaceBitmap(HBITMAP hbmImageWell);
    // one button per id, a separator per 0; NULL ids make nIDCount separators
    int SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetMaskColor(COLORREF clrMask) { m_clrMask = clrMask; }
    COLORREF GetMaskColor() const { return m_clrMask; }

    // Buttons and items
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    // the item's rectangle in the bar's client area (the control's at style 0); empty for a
    // bad index
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage, CUILItem* pItem = NULL) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage, CUILItem* pItem = NULL);
    int GetItemInfo(int nIndex, CUILItem& item) const;
    int SetItemInfo(int nIndex, CUILItem& item);
    CString GetButtonText(int nIndex) const;
    void GetButtonText(int nIndex, CString& rString) const;
    int SetButtonText(int nIndex, const char* lpszText);
    CToolBarCtrl& GetToolBarCtrl() const { return *(CToolBarCtrl*)this; }

    // the button record nIndex as an item; the state's enabled bit inverted
    void _GetButton(int nIndex, CUILItem* pItem) const;
    // a new item filled from record nIndex and the bar's own item (the caller deletes it)
    CUILItem* _GetButtonCopy(int nIndex);
    // the bar's own item nIndex (NULL for a bad index)
    CUILItem* _GetButtonPtr(int nIndex) const;
    // writes pItem back: the button record (state inverted back) and the bar's own item
    void _SetButton(int nIndex, CUILItem* pItem);
    virtual CUILItem* _NewButton(CUILItem* pSrc);
    virtual int InsertButton(int nIndex, CUILItem* pItem);
    virtual int DeleteButton(int nIndex);
    virtual void DeleteButtons();
    // deletes the items (the button records stay)
    void DeleteChilds();
    // destroys the windows of embedded controls
    void DeleteWndArray();
    int GetItemCount() const { return (int)m_arrItems.GetSize(); }
    // the first checked item, else the first one; NULL without items
    CUILItem* GetActiveButton();

    // Layout
    virtual CSize CalcSize(CUILItem** pData, int nCount);
    int WrapToolBar(CUILItem** pData, int nCount, int nWidth);
    void SizeToolBar(CUILItem** pData, int nCount, int nLength, int bVert = FALSE);
    virtual CSize CalcLayout(DWORD nMode, int nLength = -1);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void RepositionItems(CUILItem** pData, int nCount, CPoint* pOffset);
    void RecalcItemRects(CPoint* pOffset);
    UINT CalcBandState();
    int ParentFrameRecalcLayout();
    CFrameWnd* GetParentFrameEx();
    // the band strip and gripper of a docked bar, window coordinates (empty when floating)
    CRect GetBandStripRect() const;
    int GetScrollOffset() const { return m_nScrollOffset; }

    // Interaction
    void SelectItem(int nIndex);
    int GetSelectedItem() const { return m_nSelected; }
    int GetExpandedItem() const { return m_nExpanded; }
    CUILToolBar* GetParentBar() const { return m_pParentBar; }
    int GetHitButton(CPoint point);
    CWnd* ForeignClick(CPoint ptScreen);
    int ExpandPopup(int nIndex);
    int CollapsPopup(int nIndex, int bAll);
    void CaptureFocus();
    void SaveFocus();
    void RestoreFocus();
    int ShowOnScreenEx(CPoint pt, int bShow);
    // the direction flags (UILPOP_) a popup of item rectItem (screen) of size size takes
    DWORD GetPopupDirection(const CRect& rectItem, CSize size);
    // the popup's top-left corner for those flags
    static CPoint GetPopupPosition(DWORD dwDir, const CRect& rectItem, CSize size);

    // Item nIndex opens pPopup (NULL: no popup any more) and shows the popup arrow; the bar
    // does not own pPopup.  0 for a bad index or a separator.
    int SetItemPopup(int nIndex, CUILToolBar* pPopup);
    // the command item nIndex sends: its own, or with UILBS_FOLLOWPOPUP its popup's active one
    UINT GetItemCommand(int nIndex);
    // the custom-draw flag: items whose images come from the collection are offered to the
    // control registry first
    void EnableCustomDraw(int bEnable) { m_bCustomDraw = bEnable; }
    // a live bar (constructed and not yet destroyed), for pointers kept between messages
    static BOOL IsLiveBar(const CUILToolBar* pBar);

    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    int AppendItemOptionsToMenu(CMenu* pMenu, CPoint point);

    // Menus and command images (UILToolBarMenu.cpp)
    // Makes the bar's items from pMenu: one per top-level entry with its text (mnemonic kept),
    // command, checked and disabled states; a separator stays a separator; an entry with a
    // submenu opens a popup menu bar made from that submenu the same way, owned by this bar.
    // nLook is the look of the new items.  The item count, or -1 without a menu or a window.
    int ConvertMenu(CMenu* pMenu, int nLook);
    // For every toolbar resource in pIDs: its bitmap becomes a list of the image collection and
    // every item of the bar (with nRecurse also of its popup bars, all the way down) whose
    // command the toolbar has takes that image.  clrMask is the bitmap's transparent colour.
    // Returns how many items got an image.
    int ExtractImages(const UINT* pIDs, int nCount, COLORREF clrMask, int nRecurse);
    // the same for one toolbar resource, this bar and all its popups; -1 when it cannot be loaded
    int ExtractImagesFromResource(LPCSTR lpszResourceName, COLORREF clrMask);
    // the first item whose text has nChar (any case) after an '&', -1 if none
    int FindMnemonicItem(UINT nChar) const;
    // the popup bars ConvertMenu made (owned by this bar)
    int GetOwnedPopupCount() const { return (int)m_arrOwnedPopups.GetSize(); }
    // destroys the popup bars ConvertMenu made
    void DeleteOwnedPopups();

    // State (see the layout and interaction sources)
    CBand m_band;
    int m_nScrollOffset;
    int m_nBarStyle;
    int m_nButtons;
    int m_nActiveItem;
    CPtrArray m_arrItems;           // CUILItem*, owned; index i belongs to button record i
    int m_nDefaultItemStyle;
    CMapStringToPtr* m_pStringMap;
    CUILImagesCollection* m_pImages;
    int m_nImageList;               // the bar's own list in m_pImages, -1 none
    COLORREF m_clrMask;
    int m_bDelayedButtonLayout;
    CSize m_sizeImage;
    CSize m_sizeButton;
    int m_bSideBorders;
    HBITMAP m_hbmImageWell;
    int m_nSelected;
    int m_nExpanded;
    CUILToolBar* m_pParentBar;
    int m_bExpanding;
    HWND m_hWndSavedFocus;
    HWND m_hWndSavedCapture;
    int m_bCustomDraw;
    int m_nPressed;                 // item held down by the left button, -1 none
    int m_bPressCapture;            // the bar took the capture for that press
    int m_nBandPushed;              // band button held, -1 none
    CPtrArray m_arrOwnedPopups;     // CUILToolBar*, made by ConvertMenu, owned

protected:
    // measures the items again and commits the layout for where the bar stands now
    void Layout();
    // fills pItem from record nIndex as a style change does (item look, sizes, texts)
    void FillItem(CDC& dc, int nIndex, CUILItem* pItem, int nLook, int bFindText);
    CSize CalcSizeTotal(CUILItem** pData, int nCount, BOOL bDocked, BOOL bHorzDock);
    void PaintItems(CDC& dc, const CRect& rectClip);
    void DrawSeparator(CDC& dc, CUILItem* pItem, BOOL bWrapLine);
    int OfferCustomDraw(CDC& dc, int nIndex, CUILItem* pItem);
    void InvalidateItem(int nIndex);
    void SetItemPressed(int nIndex, BOOL bPressed);
    BOOL IsDockedHorz() const;
    BOOL IsDockedVert() const;
    UINT GetDockBarID() const;
    void ScrollBand(int nDelta);
    void UnlinkFromOtherBars();
    int HitBandButton(CPoint ptScreen);
    void ForwardMouse(CWnd* pWnd, UINT message, UINT nFlags, CPoint ptScreen, BOOL bPost);

    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnWindowPosChanging(LPWINDOWPOS lpWndPos);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnGetSysColor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnControlSizeChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetButtonSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBitmapSize(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CUILToolBar(const CUILToolBar&) = delete;
    CUILToolBar& operator=(const CUILToolBar&) = delete;
};

// The inspector's toolbar; its editors come with the property inspector.
class AFX_EXT_CLASS CUILInspectorBar : public CUILToolBar
{
    DECLARE_DYNAMIC(CUILInspectorBar)
public:
    CUILInspectorBar();
    virtual ~CUILInspectorBar();
};

// Non-zero when the focus is on the first (last) tab stop of pWnd's children.
AFX_EXT_API int IsFirstDlgItemActive(CWnd* pWnd);
AFX_EXT_API int IsLastDlgItemActive(CWnd* pWnd);
