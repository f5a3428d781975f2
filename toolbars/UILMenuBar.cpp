// UILMenuBar.cpp - CUILMenuBar: a frame's menu as a toolbar of menu entries, its keyboard walk
// and its right-click popup of looks; CUILMenuBarHook: the frame's menu keys reach the bar.
#include "UILMenuBar.h"
#include "../frame/UILFrame.h"
#include "res/resource.h"
#include <afxpriv.h>

namespace
{
BOOL IsSelectable(CUILItem* pItem)
{
    return pItem != NULL && !(pItem->m_fsStyle & TBSTYLE_SEP) && !(pItem->m_fsState & TBSTATE_HIDDEN)
        && !(pItem->m_nExStyle & UILIS_NOKEYSELECT);
}

// Alt with a letter goes to the window with the focus, which is rarely the frame; a keyboard
// hook of the thread sees it first and hands it to the menu bar of the focus window's frame.
UINT WM_UIL_MENUBARMNEMONIC = ::RegisterWindowMessageA("WM_UIL_MENUBARMNEMONIC");
HHOOK s_hKeyHook = NULL;

CPtrArray& KeyedBars()
{
    static CPtrArray s_bars;
    return s_bars;
}

LRESULT CALLBACK MnemonicKeyProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const BOOL bAlt = (lParam & 0x20000000) != 0;
    const BOOL bUp = (lParam & 0x80000000) != 0;
    if (nCode == HC_ACTION && bAlt && !bUp && wParam != VK_MENU && wParam != VK_SPACE && wParam != VK_TAB
        && wParam != VK_F4)
    {
        const UINT nChar = ::MapVirtualKeyA((UINT)wParam, 2 /* virtual key to character */) & 0xFFFF;
        HWND hFocus = ::GetFocus();
        HWND hRoot = hFocus != NULL ? ::GetAncestor(hFocus, GA_ROOT) : ::GetActiveWindow();
        for (INT_PTR i = 0; nChar != 0 && hRoot != NULL && i < KeyedBars().GetSize(); i++)
        {
            CUILMenuBar* pBar = (CUILMenuBar*)KeyedBars()[i];
            CWnd* pFrame = pBar->m_hook.GetHookedWnd();
            if (pFrame != NULL && pFrame->m_hWnd == hRoot && ::IsWindowVisible(pBar->GetSafeHwnd())
                && pBar->FindMnemonicItem(nChar) >= 0)
            {
                // the key is the bar's: the frame's system menu never sees it
                ::PostMessageA(pBar->m_hWnd, WM_UIL_MENUBARMNEMONIC, nChar, 0);
                return 1;
            }
        }
    }
    return ::CallNextHookEx(s_hKeyHook, nCode, wParam, lParam);
}

void KeyHookAdd(CUILMenuBar* pBar)
{
    for (INT_PTR i = 0; i < KeyedBars().GetSize(); i++)
        if (KeyedBars()[i] == pBar)
            return;
    KeyedBars().Add(pBar);
    if (s_hKeyHook == NULL)
        s_hKeyHook = ::SetWindowsHookExA(WH_KEYBOARD, MnemonicKeyProc, NULL, ::GetCurrentThreadId());
}

void KeyHookRemove(CUILMenuBar* pBar)
{
    for (INT_PTR i = 0; i < KeyedBars().GetSize(); i++)
        if (KeyedBars()[i] == pBar)
            KeyedBars().RemoveAt(i--);
    if (KeyedBars().GetSize() == 0 && s_hKeyHook != NULL)
    {
        ::UnhookWindowsHookEx(s_hKeyHook);
        s_hKeyHook = NULL;
    }
}

// the first entry of pBar the keys may select, -1 if none
int FirstSelectable(CUILToolBar* pBar)
{
    for (int i = 0; i < pBar->GetItemCount(); i++)
        if (IsSelectable(pBar->_GetButtonPtr(i)))
            return i;
    return -1;
}
}

/////////////////////////////////////////////////////////////////////////////
// CUILMenuBarHook

LRESULT CUILMenuBarHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CUILMenuBar* pBar = m_pBar;
    if (pBar != NULL && CUILToolBar::IsLiveBar(pBar) && pBar->GetSafeHwnd() != NULL)
    {
        // F10 or Alt alone (0), or Alt with a character; Alt+Space stays the system menu's
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU && lParam != ' '
            && ::IsWindowVisible(pBar->m_hWnd) && pBar->ActivateFromKeyboard((UINT)lParam))
            return 0;
        // a command chosen from the bar's popups ends the walk that opened them
        if (message == WM_COMMAND && lParam == 0 && pBar->IsKeyboardActive())
            pBar->LeaveKeyboard();
    }
    return CSubclassWnd::WindowProc(message, wParam, lParam);
}

/////////////////////////////////////////////////////////////////////////////
// CUILMenuBar

IMPLEMENT_DYNAMIC(CUILMenuBar, CUILToolBar)

BEGIN_MESSAGE_MAP(CUILMenuBar, CUILToolBar)
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_GETDLGCODE()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONUP()
    ON_REGISTERED_MESSAGE(WM_UIL_MENUBARMNEMONIC, &CUILMenuBar::OnMnemonic)
END_MESSAGE_MAP()

CUILMenuBar::CUILMenuBar()
{
    m_nBarStyle = UILBS_MENU | UILBS_CUSTOMLOOK;
    if (m_bSideBorders)
        m_cxLeftBorder = m_cxRightBorder = 3;
    m_nOptionsItem = -1;
    m_bKeyboard = 0;
    m_hook.m_pBar = this;
}

CUILMenuBar::~CUILMenuBar()
{
    KeyHookRemove(this);
    m_hook.m_pBar = NULL;
    m_hook.HookWindow(NULL);
}

int CUILMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CUILToolBar::Create(pParentWnd, dwStyle, nID);
}

void CUILMenuBar::HookFrame(CFrameWnd* pFrame)
{
    if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL && m_hook.GetHookedWnd() != pFrame)
        m_hook.HookWindow(pFrame);
    KeyHookAdd(this);
}

LRESULT CUILMenuBar::OnMnemonic(WPARAM wParam, LPARAM)
{
    return ActivateFromKeyboard((UINT)wParam);
}

void CUILMenuBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    const int nPressed = m_nPressed;
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CWnd* pUnder = CWnd::WindowFromPoint(ptScreen);
    const BOOL bOver = pUnder != NULL && pUnder->m_hWnd == m_hWnd;
    CUILToolBar::OnLButtonUp(nFlags, point);
    // a top-level entry without a popup is a command of its own, as in a menu; the toolbar sends
    // only for bar buttons and popup entries
    CUILItem* pItem = _GetButtonPtr(nPressed);
    if (m_nBarStyle == 0 || !bOver || pItem == NULL || GetHitButton(point) != nPressed || pItem->IsDisabled()
        || (pItem->m_nExStyle & (UILIS_POPUP | UILIS_BARITEM | UILIS_MENUIMAGES)))
        return;
    const UINT nID = GetItemCommand(nPressed);
    CWnd* pOwner = GetOwner();
    const HWND hOwner = pOwner != NULL ? pOwner->m_hWnd : NULL;
    LeaveKeyboard();
    if (nID != 0 && ::IsWindow(hOwner))
        ::SendMessageA(hOwner, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}

int CUILMenuBar::Install(CFrameWnd* pFrame)
{
    if (pFrame == NULL || pFrame->GetSafeHwnd() == NULL || m_hWnd == NULL)
        return 0;
    HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
    if (hMenu == NULL)
        hMenu = pFrame->m_hMenuDefault;
    if (hMenu == NULL || !::IsMenu(hMenu))
        return 0;
    if (ConvertMenu(CMenu::FromHandle(hMenu), UIL_MENUBAR_ITEMLOOK) < 0)
        return 0;
    // the bar has all of it now: the frame keeps no menu it could put back
    if (::GetMenu(pFrame->m_hWnd) == hMenu)
        ::SetMenu(pFrame->m_hWnd, NULL);
    if (pFrame->m_hMenuDefault == hMenu)
        pFrame->m_hMenuDefault = NULL;
    ::DestroyMenu(hMenu);
    HookFrame(pFrame);
    pFrame->RecalcLayout();
    return 1;
}

int CUILMenuBar::LoadMenu(LPCSTR lpszResourceName)
{
    if (lpszResourceName == NULL || m_hWnd == NULL)
        return 0;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    HMENU hMenu = hInst != NULL ? ::LoadMenuA(hInst, lpszResourceName) : NULL;
    if (hMenu == NULL)
        return 0;
    CMenu menu;
    menu.Attach(hMenu);
    const int nItems = ConvertMenu(&menu, UIL_MENUBAR_ITEMLOOK);
    menu.DestroyMenu();
    if (nItems < 0)
        return 0;
    // the menu keys come to the bar unless the frame still has a menu of its own
    CFrameWnd* pFrame = GetParentFrameEx();
    if (pFrame != NULL && ::GetMenu(pFrame->m_hWnd) == NULL)
        HookFrame(pFrame);
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Keyboard walk

int CUILMenuBar::SelectNext(int nFrom, int nStep)
{
    const int nCount = GetItemCount();
    int i = nFrom;
    for (int nTried = 0; nTried < nCount; nTried++)
    {
        i = (i < 0 && nStep < 0) ? nCount - 1 : (i + nStep + nCount) % nCount;
        if (IsSelectable(_GetButtonPtr(i)))
        {
            SelectItem(i);
            return i;
        }
    }
    return -1;
}

int CUILMenuBar::ActivateFromKeyboard(UINT nChar)
{
    if (m_hWnd == NULL || FirstSelectable(this) < 0)
        return 0;
    const int nMnemonic = nChar != 0 ? FindMnemonicItem(nChar) : -1;
    if (nChar != 0 && nMnemonic < 0)
        return 0;
    if (nChar == 0 && m_bKeyboard)
    {
        // the key that started the walk ends it
        LeaveKeyboard();
        return 1;
    }
    if (!m_bKeyboard)
    {
        SaveFocus();
        m_bKeyboard = 1;
        if (::GetCapture() != NULL)
            ::ReleaseCapture();
        SetFocus();
    }
    if (nMnemonic >= 0)
        return OpenEntry(nMnemonic);
    SelectItem(-1);
    SelectNext(-1, 1);
    return 1;
}

void CUILMenuBar::LeaveKeyboard()
{
    if (!m_bKeyboard)
        return;
    m_bKeyboard = 0;
    if (m_nExpanded >= 0)
        CollapsPopup(m_nExpanded, 0);
    SelectItem(-1);
    // with nothing focused before, the frame takes the keys again
    if (m_hWndSavedFocus == NULL || !::IsWindow(m_hWndSavedFocus))
    {
        CFrameWnd* pFrame = GetParentFrameEx();
        m_hWndSavedFocus = pFrame != NULL ? pFrame->m_hWnd : NULL;
    }
    RestoreFocus();
}

int CUILMenuBar::OpenEntry(int nIndex)
{
    CUILItem* pItem = _GetButtonPtr(nIndex);
    if (!IsSelectable(pItem))
        return 0;
    SelectItem(nIndex);
    if ((pItem->m_nExStyle & UILIS_POPUP) && IsLiveBar(pItem->m_pPopupBar))
    {
        CUILToolBar* pPopup = pItem->m_pPopupBar;
        if (!ExpandPopup(nIndex))
            return 0;
        // a menu opened from the keys shows where the keys stand
        if (pPopup->GetSelectedItem() < 0)
            pPopup->SelectItem(FirstSelectable(pPopup));
        return 1;
    }
    const UINT nID = pItem->IsDisabled() ? 0 : GetItemCommand(nIndex);
    CWnd* pOwner = GetOwner();
    const HWND hOwner = pOwner != NULL ? pOwner->m_hWnd : NULL;
    LeaveKeyboard();
    if (nID != 0 && ::IsWindow(hOwner))
        ::SendMessageA(hOwner, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    return 1;
}

UINT CUILMenuBar::OnGetDlgCode()
{
    if (m_bKeyboard)
        return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
    return CUILToolBar::OnGetDlgCode();
}

void CUILMenuBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bKeyboard || m_nBarStyle == 0)
    {
        CUILToolBar::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar)
    {
    case VK_LEFT:
        SelectNext(m_nSelected, -1);
        return;
    case VK_RIGHT:
        SelectNext(m_nSelected, 1);
        return;
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN:
    case VK_SPACE:
        OpenEntry(m_nSelected);
        return;
    case VK_ESCAPE:
        LeaveKeyboard();
        return;
    }
    CUILToolBar::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CUILMenuBar::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // in the walk a mnemonic needs no Alt, as in a menu
    const int nIndex = m_bKeyboard ? FindMnemonicItem(nChar) : -1;
    if (nIndex >= 0)
    {
        OpenEntry(nIndex);
        return;
    }
    CUILToolBar::OnChar(nChar, nRepCnt, nFlags);
}

void CUILMenuBar::OnKillFocus(CWnd* pNewWnd)
{
    // the focus going into the bar's own popup keeps the walk; anywhere else ends it there
    if (m_bKeyboard && !m_bExpanding)
    {
        CUILItem* pItem = _GetButtonPtr(m_nExpanded);
        const BOOL bToPopup = pItem != NULL && IsLiveBar(pItem->m_pPopupBar) && pNewWnd != NULL
            && pItem->m_pPopupBar->m_hWnd == pNewWnd->m_hWnd;
        if (!bToPopup)
        {
            m_bKeyboard = 0;
            m_hWndSavedFocus = m_hWndSavedCapture = NULL;
        }
    }
    CUILToolBar::OnKillFocus(pNewWnd);
}

/////////////////////////////////////////////////////////////////////////////
// Looks: the right-click popup and the commands it sends

void CUILMenuBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CWnd* pUnder = CWnd::WindowFromPoint(ptScreen);
    if (m_nBarStyle == 0 || (pUnder != NULL && pUnder->m_hWnd != m_hWnd && ::GetCapture() == m_hWnd))
    {
        CUILToolBar::OnRButtonDown(nFlags, point);
        return;
    }
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    CString strPlain, str97;
    {
        CUILResourceScope resources;
        if (!strPlain.LoadString(IDS_MENUBAR_PLAIN))
            strPlain = "WEXO MenuBar";
        if (!str97.LoadString(IDS_MENUBAR_97))
            str97 = "WEXO MenuBar'97";
    }
    menu.AppendMenu(MF_STRING | (m_nBarStyle == UILBS_MENU ? MF_CHECKED : 0), UIL_ID_MENUBAR_PLAIN, strPlain);
    menu.AppendMenu(MF_STRING | (m_nBarStyle == (UILBS_MENU | UILBS_CUSTOMLOOK) ? MF_CHECKED : 0),
        UIL_ID_MENUBAR_97, str97);
    m_nOptionsItem = -1;
    const int nHit = GetHitButton(point);
    CUILItem* pItem = _GetButtonPtr(nHit);
    if (pItem != NULL && (m_nBarStyle & UILBS_CUSTOMLOOK))
    {
        menu.AppendMenu(MF_SEPARATOR);
        pItem->AppendItemOptionsToMenu(&menu, UIL_ID_MENUBAR_ITEMOPTION);
        m_nOptionsItem = nHit;
    }
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this);
}

void CUILMenuBar::OnRButtonDblClk(UINT nFlags, CPoint point)
{
    // a quick second right click is another right click
    OnRButtonDown(nFlags, point);
}

BOOL CUILMenuBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (lParam == 0 && HIWORD(wParam) == 0)
    {
        if (nID >= UIL_ID_MENUBAR_ITEMOPTION && nID < UIL_ID_MENUBAR_ITEMOPTION + 3)
        {
            CUILItem* pItem = _GetButtonPtr(m_nOptionsItem);
            m_nOptionsItem = -1;
            int bChanged = 0;
            if (pItem != NULL && pItem->DoItemOptions(nID - UIL_ID_MENUBAR_ITEMOPTION, &bChanged) && bChanged)
            {
                m_bDelayedButtonLayout = 1;
                Invalidate();
                ParentFrameRecalcLayout();
            }
            return TRUE;
        }
        if (nID == UIL_ID_MENUBAR_PLAIN)
        {
            SetNewStyle(UILBS_MENU, UILIS_TEXT | UILIS_ACCELTEXT);
            Invalidate();
            return TRUE;
        }
        if (nID == UIL_ID_MENUBAR_97)
        {
            SetNewStyle(UILBS_MENU | UILBS_CUSTOMLOOK, UILIS_TEXT | UILIS_IMAGE | UILIS_ACCELTEXT);
            Invalidate();
            return TRUE;
        }
    }
    return CUILToolBar::OnCommand(wParam, lParam);
}
