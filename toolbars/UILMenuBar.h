// UILMenuBar.h - the menu bar: a toolbar that stands in for a frame's menu, its top-level
// entries as bar items that open popup menu bars, with the keyboard of a menu (F10 or Alt,
// arrows, Alt+mnemonic) and two looks chosen from its right-click popup.
//
// Classes here:
//   CUILMenuBar       the bar (UILMenuBar.cpp)
//   CUILMenuBarHook   its hook on the frame: the frame's menu keys and the commands that end
//                     a keyboard walk of the bar
#pragma once

#include "UILToolBar.h"
#include "SubclassWnd.h"

// The menu bar's looks (OnCommand, right-click popup)
#define UIL_ID_MENUBAR_PLAIN    26004   // bar style 0x2: text entries
#define UIL_ID_MENUBAR_97       26008   // bar style 0x12: entries with images, own look
// the item look options of the right-click popup: UIL_ID_MENUBAR_ITEMOPTION + 0..2
#define UIL_ID_MENUBAR_ITEMOPTION 100
// the look Install and LoadMenu give the items: image, text, menu entry, own look
#define UIL_MENUBAR_ITEMLOOK    (UILIS_IMAGE | UILIS_TEXT | UILIS_MENUITEM | UILIS_CUSTOMLOOK)

class CUILMenuBar;

class CUILMenuBarHook : public CSubclassWnd
{
public:
    CUILMenuBarHook() : m_pBar(NULL) {}
    CUILMenuBar* m_pBar;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

class AFX_EXT_CLASS CUILMenuBar : public CUILToolBar
{
    DECLARE_DYNAMIC(CUILMenuBar)
public:
    // bar style 0x12; side borders of 3 while the side-borders flag is set
    CUILMenuBar();
    virtual ~CUILMenuBar();

    int Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    // The frame's menu becomes the bar's items and leaves the frame (the bar is its menu from
    // now on); the bar hears the frame's menu keys.  0 when the frame has no menu or the bar
    // no window.
    int Install(CFrameWnd* pFrame);
    // The items from a menu resource (type 4); the loaded menu is destroyed afterwards.  0 when
    // it cannot be loaded.
    int LoadMenu(LPCSTR lpszResourceName);
    int LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }

    // Keyboard walk: the bar takes the focus with its first entry (or the entry of the mnemonic
    // nChar, opened) selected; Leave ends the walk and gives the focus back.
    int ActivateFromKeyboard(UINT nChar);
    void LeaveKeyboard();
    int IsKeyboardActive() const { return m_bKeyboard; }
    // opens the popup of entry nIndex with its first entry selected; a plain entry sends its
    // command instead.  0 for a bad index.
    int OpenEntry(int nIndex);

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    CUILMenuBarHook m_hook;
    int m_nOptionsItem;         // the item the right-click popup's look options apply to, -1
    int m_bKeyboard;            // the bar has the focus from F10, Alt or a mnemonic

protected:
    // selects the next entry from nFrom in direction nStep (wrapping), -1 when there is none
    int SelectNext(int nFrom, int nStep);
    void HookFrame(CFrameWnd* pFrame);

    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMnemonic(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
