// CoolMenu.h - popup menus with the look of the toolbars: command images beside the entries and
// the keyboard shortcuts after them, while the menu is open.
//
// Classes declared here:
//   CCoolMenuManager    - hooks a frame and turns the entries of every popup menu it opens into
//                         owner-drawn entries, drawn with the images of the host's toolbars, and
//                         back into text entries when the menu closes
//   CUILPopupMenuFrame  - tracks a context menu through a hidden frame of its own that passes the
//                         menu's messages on to the real owner
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxcoll.h>
#include "SubclassWnd.h"

/////////////////////////////////////////////////////////////////////////////
// CCoolMenuManager
//
// Entries are owner-drawn only while their menu is open: OnInitMenuPopup converts them,
// OnMenuSelect (the menu closing) converts every converted menu back, so a host that reads or
// changes its menus between openings always sees plain text entries.  An entry's text is kept
// in its item data meanwhile.
//
// Images come from toolbar resources (type 241 with a bitmap of the same name) loaded with
// LoadToolbar: every toolbar adds its images to one image list, so all must have one image
// size.  A command without a toolbar image may get one from the host (WM_GET_COMMAND_IMAGE).
//
// Cost: converting a popup is one read and one write of each entry through the menu-item
// functions, plus a heap record per entry; nothing is done per entry while the menu is open
// beyond measuring and drawing it.

class AFX_EXT_CLASS CCoolMenuManager : public CSubclassWnd
{
    DECLARE_DYNAMIC(CCoolMenuManager)

public:
    CCoolMenuManager();
    // unhooks, frees the image list, the accelerator copy and the font
    virtual ~CCoolMenuManager();

    // Hooks pFrame (NULL unhooks).  Popup menus the frame opens are converted from then on.
    void Install(CFrameWnd* pFrame);
    // unhooks and forgets every toolbar, image and accelerator
    virtual void Destroy();

    // Loads each toolbar in turn; the number of toolbars that loaded.
    int LoadToolbars(const UINT* pIDs, int nCount);
    // Adds a toolbar's images for its commands.  0 when the toolbar resource or its bitmap is
    // missing, or when its image size differs from that of the first toolbar loaded.
    int LoadToolbar(UINT nIDToolbar);
    int LoadToolbar(LPCSTR lpszResourceName);
    // the command's image in the image list, -1 if it has none
    int GetButtonIndex(WORD nID);
    // the system's menu font, made on first use
    CFont* GetMenuFont();
    CImageList* GetImageList() { return &m_ilButtons; }

    // Converts every entry of pMenu to owner-drawn entries (bToOwnerDraw non-zero) or back to
    // text entries.  In a system menu (bSysMenu) the system commands stay as they are.
    void ConvertMenu(CMenu* pMenu, UINT nIndex, int bSysMenu, int bToOwnerDraw);

    // Copies hAccel for the shortcut names (DestroyAccel frees the copy); NULL copies nothing.
    void LoadAccel(HACCEL hAccel);
    void DestroyAccel();
    // Replaces what follows the first tab of strText by the names of the shortcuts of command
    // nID ("\tCtrl+S, F12", the later table entry first).  Non-zero when names were appended;
    // a command without shortcuts (or no table) leaves the text as it is.
    int AppendAccelName(CString& strText, UINT nID);

    // The text an entry converted to owner drawing shows now (with its shortcut names); FALSE
    // for an entry that is not one of a manager's owner-drawn entries.
    static BOOL PASCAL GetOwnerDrawText(HMENU hMenu, UINT nPos, CString& strText);

    // forgets the menu font (after a change of the system's settings); made anew when next used
    virtual void Refresh();

    // the framework's radio dot (CCmdUI::SetRadio), which checked entries draw in their button:
    // Get makes it on first use, Fix remakes it when the menu check-mark size has changed
    static void PASCAL FixMFCDotBitmap();
    static HBITMAP PASCAL GetMFCDotBitmap();

    // Settings a host may change at any time.
    int m_bShowButtons;     // entries are converted (and drawn with images); 1
    int m_bShowAccel;       // shortcut names are appended to the texts; 0
    int m_bAutoAccel;       // the frame's own accelerator table gives the names; 0
    int m_nMinWidth;        // entries are at least this wide (<= 0: no minimum); 0

    CFrameWnd* m_pFrame;
    CUIntArray m_arToolbarID;
    CImageList m_ilButtons;
    CSize m_szBitmap;       // one image
    CSize m_szButton;       // the square an image is drawn in: image + 4 x 4
    CMapWordToPtr m_mapIDtoImage;   // command -> image index (as a pointer-sized integer)
    CMapWordToPtr m_mapIDtoAccel;   // command -> its last entry in m_pAccel
    ACCEL* m_pAccel;        // the copied table; an entry's cmd is the distance back to the
                            // previous entry of the same command (0: none)
    int m_nAccel;
    HACCEL m_hAccelTable;   // the table m_pAccel was copied from
    CPtrList m_menuList;    // HMENUs converted since the menu opened, newest first
    CFont m_fontMenu;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // TRUE when the entry is one of this manager's
    virtual BOOL OnMeasureItem(LPMEASUREITEMSTRUCT lpms);
    virtual BOOL OnDrawItem(LPDRAWITEMSTRUCT lpds);
    virtual void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu);
    // MNC_* result in the high word; FALSE in *pbHandled leaves the message to the frame
    virtual LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu, BOOL* pbHandled);
    virtual void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);

    // the text of an entry (before the tab, mnemonic underlined) and its shortcut (after the
    // tab, right-aligned in rc) in clrText
    void DrawMenuText(CDC& dc, CRect rc, const CString& strText, COLORREF clrText);
    // a check mark in a sunken square; hbmCheck, when given, is drawn instead of the mark
    BOOL Draw3DCheckmark(CDC& dc, const CRect& rc, BOOL bSelected, HBITMAP hbmCheck);
    // the command's image from the host (WM_GET_COMMAND_IMAGE); FALSE when it has none
    BOOL GetHostImage(UINT nID, HIMAGELIST* phList, int* pnImage);

private:
    CCoolMenuManager(const CCoolMenuManager&) = delete;
    CCoolMenuManager& operator=(const CCoolMenuManager&) = delete;
};

/////////////////////////////////////////////////////////////////////////////
// CUILPopupMenuFrame
//
// A context menu tracked by a hidden popup frame: the frame owns the menu for the loop and
// passes the menu's messages (opening, measuring, drawing, selection, mnemonics, commands) on
// to pOwner.  A command chosen without TPM_RETURNCMD reaches pOwner as WM_COMMAND, as from
// TrackPopupMenu itself; the frame is gone before the call returns.

class AFX_EXT_CLASS CUILPopupMenuFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CUILPopupMenuFrame)

public:
    CUILPopupMenuFrame();

    // As CMenu::TrackPopupMenu with pOwner as the owner.  0 when the menu or the owner is
    // missing or the frame cannot be made.
    static UINT PASCAL TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner,
        const RECT* lpRect = NULL);

    CWnd* m_pOwner;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // the frame lives on TrackPopupMenu's stack
    virtual void PostNcDestroy();
};
