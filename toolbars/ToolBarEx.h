// ToolBarEx.h - the flyout toolbar: a framework toolbar whose buttons may, pressed and held,
// drop down the buttons of another toolbar as a menu, and which can shrink by hiding its less
// important buttons.
//
// Classes declared here:
//   CTBarInfo   - a small toolbar description (images from a bitmap resource or an image list,
//                 and the command of each image) that a flyout may use in place of a toolbar
//                 resource
//   CToolBarEx  - the toolbar with flyout buttons, flyout menu buttons and show levels
#pragma once

#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>

// Timers of a flyout toolbar
#define FLYOUT_TIMER_HOLD       1111    // press and hold on a flyout button
#define FLYOUT_TIMER_HOLD_MS    300
#define FLYOUT_TIMER_TIP        990     // the tip of the selected entry while the menu is open
#define FLYOUT_TIMER_TIP_MS     50
#define FLYOUT_TIMER_TIPHIDE    991     // hides the tip after it was shown for a while
#define FLYOUT_TIMER_TIPHIDE_MS 3000

// the mask colour of flyout images and the size of the icons taken from them
#define FLYOUT_MASKCOLOR        RGB(0xC0, 0xC0, 0xC0)
#define FLYOUT_ICONSIZE         16

/////////////////////////////////////////////////////////////////////////////
// CTBarInfo
//
// The images are either a bitmap resource (m_nBitmapID, images m_nImageWidth wide, mask colour
// m_crMask, 0xC0C0C0) or an image list the host keeps alive (m_hImageList, not owned).  Every non-zero
// command takes the next image, a 0 is a separator, as in a toolbar resource.

class AFX_EXT_CLASS CTBarInfo
{
public:
    CTBarInfo();
    CTBarInfo(UINT nBitmapID, const UINT* pIDs, int nCount, int nImageWidth = FLYOUT_ICONSIZE);
    CTBarInfo(HIMAGELIST hImageList, const UINT* pIDs, int nCount);
    virtual ~CTBarInfo();

    // Takes the commands and image width of toolbar resource nToolBarID of hInst (NULL: found
    // through the framework's resource chain); the images are the bitmap of the same id.  FALSE
    // when the resource is missing or damaged (the description is unchanged then).
    BOOL LoadToolBar(HINSTANCE hInst, UINT nToolBarID);
    // replaces the commands (NULL or a negative count: none)
    void SetButtons(const UINT* pIDs, int nCount);
    int GetCount() const { return (int)m_arIDs.GetSize(); }
    // 0 for a separator or a bad index
    UINT GetID(int nIndex) const;
    // the image of a command (the count of non-zero commands before it), -1 when it is not here
    int CommandToImage(UINT nID) const;
    // Fills il with the images (bitmap loaded through the framework's resource chain, images cx
    // wide); FALSE when neither bitmap nor list is there.
    BOOL CreateImageList(CImageList& il, int cx) const;
    // the command's image as an icon the caller destroys; NULL when the command or its image is
    // missing
    HICON GetIcon(UINT nID) const;

    UINT m_nBitmapID;
    HIMAGELIST m_hImageList;
    int m_nImageWidth;
    CUIntArray m_arIDs;
    HINSTANCE m_hInstance;      // the module of the bitmap; NULL: the framework's resource chain
    COLORREF m_crMask;          // the transparent colour of the bitmap; 0xC0C0C0

private:
    CTBarInfo(const CTBarInfo&) = delete;
    CTBarInfo& operator=(const CTBarInfo&) = delete;
};

/////////////////////////////////////////////////////////////////////////////
// CToolBarEx
//
// A flyout button is a button (not a separator) whose record's application value (dwData) is
// non-zero: a toolbar resource id, or the number (index + 1) of a description the bar was given
// with SetFlyOut.  A value up to the number of descriptions names a description, so the toolbar
// resources of flyouts must have larger ids.  The descriptions belong to the host and must live
// as long as the bar.
//
// Pressed and held for 300 ms, a flyout button drops down its toolbar as a menu (CPopupToolBar)
// at the button's bottom-left corner, owned by the bar's owner.  With m_nFlyOutMode 0 the menu
// sends the chosen command to the owner itself; the owner's handler calls UpdateFlyOutButtons to
// put the command on the flyout buttons.  With any other mode the bar does that itself and then
// posts the command to the owner.  A flyout menu button (SetFlyOutMenu) instead sends
// WM_TRACK_FLYOUTMENU (wParam = the bar, lParam = the button's index) to the owner, which shows
// its own menu.  A shorter click is an ordinary button click.
//
// Show levels: every button has a level; a button is hidden while its level is below the bar's
// current level.  With show levels enabled the bar picks the current level on every size change
// so that its visible buttons fit its width (CalcShowLevel).

class AFX_EXT_CLASS CToolBarEx : public CToolBar
{
    DECLARE_DYNAMIC(CToolBarEx)

public:
    CToolBarEx();
    virtual ~CToolBarEx();

    // Makes button nIndex a flyout of toolbar resource nToolBarID (or of description pInfo).
    // With nCommand non-zero the button takes that command and, when the flyout has its image,
    // that image.  1 on success; 0 for a bad index, a separator, a zero toolbar id or a NULL
    // description (nothing changes then).
    int SetFlyOut(UINT nIndex, UINT nToolBarID, UINT nCommand);
    int SetFlyOut(UINT nIndex, CTBarInfo* pInfo, UINT nCommand);
    // the flyout value of button nIndex (toolbar id or description number), 0 when not a flyout
    int IsFlyOut(UINT nIndex);
    // marks command nID as a flyout menu button (adding it twice adds nothing)
    void SetFlyOutMenu(UINT nID);
    int IsFlyOutMenu(UINT nID);

    // The flyout buttons whose toolbar holds nCommand take it with its image; the pressed index
    // is cleared.  ActivateFlyOutButton returns 1 when some button changed.
    void UpdateFlyOutButtons(UINT nCommand);
    int ActivateFlyOutButton(UINT nCommand);
    // Drops down the menu of flyout button nIndex as holding it does (keyboard access, scripted
    // use); the chosen command (mode non-zero) or 0, also for a button that is no flyout.
    UINT DropFlyOut(UINT nIndex);
    // WM_FLYOUT_DONE: the pressed button loses its pressed look; 0
    afx_msg LRESULT OnFlyOutDone(WPARAM wParam = 0, LPARAM lParam = 0);

    // the description with number nValue (index + 1), NULL when there is none
    CTBarInfo* GetTBarInfo(UINT nValue);
    // non-zero when flyout toolbar nToolBar (an id or a description number) holds nCommand
    int IsItemFromTBar(UINT nCommand, UINT nToolBar);

    // The image of nCommand in toolbar resource nToolBarID of hInst (NULL: the framework's
    // resource chain) as an icon nSize pixels wide, crMask transparent; NULL when the resource,
    // its bitmap or the command is missing.  The caller destroys the icon.
    static HICON PASCAL GetToolBarButtonIcon(HINSTANCE hInst, UINT nToolBarID, UINT nCommand, int nSize,
        COLORREF crMask);
    // the image the host's main window gives for nCommand (WM_GET_COMMAND_IMAGE), NULL when none
    static HICON PASCAL GetToolBarButtonIcon(UINT nCommand);

    // the tooltip control the common toolbar control shows its tips with; FALSE when it cannot
    // be made
    BOOL CreateToolTipCtrl();
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    // Show levels.  Both Add functions first add 1 to the host's counter when bBump is set and
    // then store the counter as the level of the button with command nID (Add...Button) or of
    // the separator just after it (index 0 when nID is 0).  0 when there is no such button.
    int AddButtonToShowLevel(UINT nID, int& nLevel, BOOL bBump);
    int AddSeperatorToShowLevel(UINT nID, int& nLevel, BOOL bBump);
    // every button gets level count - 1: none is ever hidden
    void ResetShowLevel();
    // hides every button whose level is below nLevel and shows the others; nLevel is kept within
    // 0 .. count - 1 and becomes the current level
    void ShowLevel(int nLevel, BOOL bRecalc = TRUE);
    // +1 when the visible buttons do not fit the width, -1 when one more level could be shown,
    // 0 otherwise (only changes that stay within 0 .. count - 1)
    int GetDeltaLevel();
    // the level of button nIndex (stored, or count - index - 1); -1 for a bad index
    int GetButtonShowLevel(int nIndex) const;
    // walks the current level until the buttons fit; the current level
    int CalcShowLevel();
    // the number of levels: the number of buttons, or more when stored levels reach higher
    int GetShowLevelCount() const;
    int GetCurrentShowLevel() const { return m_nShowLevel; }
    // with bEnable the bar fits its buttons to its width on every size change
    void EnableShowLevels(BOOL bEnable) { m_bShowLevels = bEnable; }

    // the button records with the show level's hidden state kept: a button hidden by its level
    // stays hidden whatever record is set
    void _GetButtonEx(int nIndex, TBBUTTON* pButton) const;
    void _SetButtonEx(int nIndex, TBBUTTON* pButton);

    int m_nPressed;             // the button pressed now, -1
    HINSTANCE m_hResModule;     // flyout resources are looked up here first (the library's)
    CUIntArray m_arFlyOutMenu;  // commands of the flyout menu buttons
    CPtrArray m_arTBarInfo;     // CTBarInfo* (not owned), flyout value = index + 1
    CToolTipCtrl m_toolTip;
    int m_nFlyOutMode;          // 0: the menu sends its command; else the bar takes it and posts it

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    // the flyout's menu of button nIndex, tracked; the chosen command (mode non-zero) or 0
    UINT TrackFlyOut(int nIndex);
    // puts nCommand and its icon (owned by the caller) on button nIndex
    void PutOnButton(int nIndex, UINT nCommand, HICON hIcon);
    // the icon of nCommand from flyout value nValue
    HICON GetFlyOutIcon(UINT nValue, UINT nCommand);
    void EnableTips(BOOL bEnable);
    // the tip of the menu entry selected now (timer 990)
    void ShowEntryTip();

    CDWordArray m_arShowLevel;  // per button index: stored level, or (DWORD)-1
    int m_nShowLevel;           // the current level
    BOOL m_bShowLevels;
    BOOL m_bInFlyOut;           // a flyout menu is being tracked
    BOOL m_bInCalcShowLevel;
    BOOL m_bHeld;               // the press was held: its release is no click
};
