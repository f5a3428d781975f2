// UILToolBarWnd.cpp - CUILToolBar: hit testing, selection, pressing and releasing items, popup
// bars opening and closing in chains, focus and capture, the keys of popup menu bars, the hover
// and band timers, and painting the items, the band strip and the frame.  A bar of style 0
// leaves all of it to the toolbar control and the framework's control bar.
//
// Cost: a paint measures nothing unless a layout is pending; it draws every item in the paint
// rectangle once.  Mouse moves hit-test the items linearly (bars hold tens of items).
#include "UILToolBar.h"
#include "../docking/UILMiniDockFrameWnd.h"
#include "../frame/UILFrame.h"
#include "../frame/UILMessages.h"
#include "../properties/ControlRegistry.h"
#include <afxpriv.h>

namespace
{
const UINT nToolBarContext = UIL_COLORCONTEXT_TOOLBAR;

COLORREF BarColor(int nIndex)
{
    return GetMainWndSysColor(nIndex, nToolBarContext);
}

BOOL IsLiveWindow(HWND hWnd)
{
    return hWnd != NULL && ::IsWindow(hWnd);
}
}

BEGIN_MESSAGE_MAP(CUILToolBar, CUILControlBar)
    ON_WM_NCCREATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PRINTCLIENT, &CUILToolBar::OnPrintClient)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, &CUILToolBar::OnMouseLeave)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_GETDLGCODE()
    ON_WM_KILLFOCUS()
    ON_WM_CAPTURECHANGED()
    ON_WM_TIMER()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(WM_GET_SYS_COLOR, &CUILToolBar::OnGetSysColor)
    ON_REGISTERED_MESSAGE(WM_CONTROL_SIZECHANGED, &CUILToolBar::OnControlSizeChanged)
    ON_MESSAGE(TB_SETBUTTONSIZE, &CUILToolBar::OnSetButtonSize)
    ON_MESSAGE(TB_SETBITMAPSIZE, &CUILToolBar::OnSetBitmapSize)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Item rectangles and hit testing

void CUILToolBar::Layout()
{
    m_bDelayedButtonLayout = 0;
    if (m_hWnd == NULL)
        return;
    if (m_nBarStyle != 0)
    {
        CWindowDC dc(NULL);
        CFont* pOldFont = dc.SelectObject(CUILItem::m_fonts.GetHorzFont());
        for (int i = 0; i < GetItemCount(); i++)
            _GetButtonPtr(i)->MeasureItem(dc, -1, -1);
        dc.SelectObject(pOldFont);
    }
    DWORD dwMode;
    if (IsDockedHorz())
        dwMode = LM_HORZ | LM_HORZDOCK | LM_COMMIT;
    else if (IsDockedVert())
        dwMode = LM_VERTDOCK | LM_COMMIT;
    else if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
        dwMode = LM_HORZ | LM_MRUWIDTH | LM_COMMIT;
    else if (m_dwStyle & CBRS_ORIENT_VERT)
        dwMode = LM_VERTDOCK | LM_COMMIT;
    else
        dwMode = LM_HORZ | LM_HORZDOCK | LM_COMMIT;
    CalcDynamicLayout(0, dwMode);
    m_bDelayedButtonLayout = 0;
    if (m_nBarStyle != 0)
        RecalcItemRects(NULL);
}

void CUILToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    CUILToolBar* pThis = (CUILToolBar*)this;
    if (m_hWnd == NULL || nIndex < 0 || nIndex >= (int)pThis->DefWindowProc(TB_BUTTONCOUNT, 0, 0))
        return;
    if (m_bDelayedButtonLayout)
        pThis->Layout();
    CUILItem* pItem = _GetButtonPtr(nIndex);
    if (m_nBarStyle == 0 || pItem == NULL)
    {
        if (!pThis->DefWindowProc(TB_GETITEMRECT, nIndex, (LPARAM)lpRect))
            ::SetRectEmpty(lpRect);
        return;
    }
    if (pItem->m_fsState & TBSTATE_HIDDEN)
        return;
    pItem->GetRect(lpRect, (pItem->m_nExStyle & UILIS_VERTICAL) ? UILRECT_TURNED : 0);
}

int CUILToolBar::GetHitButton(CPoint point)
{
    const int nCount = m_hWnd != NULL ? (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    for (int i = 0; i < nCount; i++)
    {
        CRect rect;
        GetItemRect(i, &rect);
        // an item scrolled partly off the start counts from the edge
        if (rect.left < 0)
            rect.left = 0;
        if (rect.top < 0)
            rect.top = 0;
        if (!rect.PtInRect(point))
            continue;
        TBBUTTON button;
        memset(&button, 0, sizeof(button));
        DefWindowProc(TB_GETBUTTON, i, (LPARAM)&button);
        if (!(button.fsStyle & TBSTYLE_SEP))
            return i;
    }
    return -1;
}

INT_PTR CUILToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    INT_PTR nHit = CUILControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    CUILToolBar* pThis = (CUILToolBar*)this;
    const int nIndex = pThis->GetHitButton(point);
    if (nIndex < 0)
        return -1;
    const UINT nID = pThis->GetItemCommand(nIndex);
    if (pTI != NULL && pTI->cbSize >= TTTOOLINFOA_V1_SIZE)
    {
        CRect rect;
        GetItemRect(nIndex, &rect);
        pTI->hwnd = m_hWnd;
        pTI->rect = rect;
        pTI->uId = nID;
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return nID != 0 ? (INT_PTR)nID : (INT_PTR)-1;
}

void CUILToolBar::InvalidateItem(int nIndex)
{
    CRect rect;
    GetItemRect(nIndex, &rect);
    if (!rect.IsRectEmpty())
    {
        rect.InflateRect(1, 1);
        InvalidateRect(rect, FALSE);
    }
}

void CUILToolBar::SetItemPressed(int nIndex, BOOL bPressed)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return;
    const UINT nStyle = GetButtonStyle(nIndex);
    const UINT nNew = bPressed ? (nStyle | TBBS_PRESSED) : (nStyle & ~TBBS_PRESSED);
    if (nNew != nStyle)
        SetButtonStyle(nIndex, nNew);
}

/////////////////////////////////////////////////////////////////////////////
// Selection

void CUILToolBar::SelectItem(int nIndex)
{
    if (nIndex >= GetItemCount())
        return;
    const int nOld = m_nSelected;
    const BOOL bWasOpen = m_nExpanded >= 0;
    if (nIndex == nOld)
        return;
    if (nOld >= 0)
    {
        if (nOld != m_nPressed)
            SetItemPressed(nOld, FALSE);
        InvalidateItem(nOld);
        if (m_nExpanded == nOld)
            CollapsPopup(nOld, 0);
    }
    m_nSelected = nIndex;
    if (nIndex < 0)
        return;
    InvalidateItem(nIndex);
    CUILItem* pItem = _GetButtonPtr(nIndex);
    const BOOL bPopup = pItem != NULL && (pItem->m_nExStyle & UILIS_POPUP) != 0;
    if (m_nBarStyle & UILBS_POPUPMENU)
    {
        if (bPopup)
            ExpandPopup(nIndex);
    }
    else if (bWasOpen || m_nExpanded >= 0)
    {
        // while a popup of the bar is open, the popups follow the mouse from item to item
        if (bPopup && m_nExpanded < 0)
            ExpandPopup(nIndex);
        if (m_hWnd != NULL)
            SetTimer(UIL_TBTIMER_HOVER, UIL_TBTIMER_HOVER_MS, NULL);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Popups

DWORD CUILToolBar::GetPopupDirection(const CRect& rectItem, CSize size)
{
    DWORD dwDir;
    if (m_nBarStyle & UILBS_MENU)
    {
        if (m_nBarStyle & UILBS_POPUPMENU)
            dwDir = UILPOP_BESIDE;
        else if (m_dwStyle & CBRS_ORIENT_HORZ)
            dwDir = UILPOP_BELOW;
        else
            // a menu bar standing at a side opens its popups beside it
            dwDir = UILPOP_BESIDE;
    }
    else
    {
        CRect rectBar;
        GetWindowRect(&rectBar);
        dwDir = rectBar.Width() >= rectBar.Height() ? UILPOP_BELOW : UILPOP_BESIDE;
    }

    // a popup that would leave the monitor grows the other way from the other edge
    const CRect rectMonitor = GetMonitorRect(rectItem.CenterPoint());
    const int W = rectMonitor.right, H = rectMonitor.bottom;
    if ((dwDir & UILPOP_RIGHT) && (dwDir & UILPOP_ANCHORLEFT) && rectItem.left + size.cx > W)
        dwDir = (dwDir & ~(UILPOP_RIGHT | UILPOP_ANCHORLEFT)) | UILPOP_LEFT | UILPOP_ANCHORRIGHT;
    else if ((dwDir & UILPOP_RIGHT) && (dwDir & UILPOP_ANCHORRIGHT) && rectItem.right + size.cx > W)
        dwDir = (dwDir & ~(UILPOP_RIGHT | UILPOP_ANCHORRIGHT)) | UILPOP_LEFT | UILPOP_ANCHORLEFT;
    if ((dwDir & UILPOP_DOWN) && (dwDir & UILPOP_ANCHORTOP) && rectItem.top + size.cy > H)
        dwDir = (dwDir & ~(UILPOP_DOWN | UILPOP_ANCHORTOP)) | UILPOP_UP | UILPOP_ANCHORBOTTOM;
    else if ((dwDir & UILPOP_DOWN) && (dwDir & UILPOP_ANCHORBOTTOM) && rectItem.bottom + size.cy > H)
        dwDir = (dwDir & ~(UILPOP_DOWN | UILPOP_ANCHORBOTTOM)) | UILPOP_UP | UILPOP_ANCHORTOP;
    return dwDir;
}

CPoint CUILToolBar::GetPopupPosition(DWORD dwDir, const CRect& rectItem, CSize size)
{
    CPoint pt;
    if (dwDir & UILPOP_RIGHT)
        pt.x = (dwDir & UILPOP_ANCHORLEFT) ? rectItem.left - 2 : rectItem.right;
    else
        pt.x = (dwDir & UILPOP_ANCHORLEFT) ? rectItem.left - size.cx : rectItem.right + 2 - size.cx;
    if (dwDir & UILPOP_DOWN)
        pt.y = (dwDir & UILPOP_ANCHORTOP) ? rectItem.top - 2 : rectItem.bottom;
    else
        pt.y = (dwDir & UILPOP_ANCHORTOP) ? rectItem.top - size.cy : rectItem.bottom + 2 - size.cy;
    return pt;
}

int CUILToolBar::ExpandPopup(int nIndex)
{
    if (nIndex < 0)
        return 1;
    CUILItem* pItem = _GetButtonPtr(nIndex);
    if (pItem == NULL || !(pItem->m_nExStyle & UILIS_POPUP) || !IsLiveBar(pItem->m_pPopupBar)
        || !IsLiveWindow(pItem->m_pPopupBar->m_hWnd))
        return 0;
    CUILToolBar* pPopup = pItem->m_pPopupBar;
    if (m_nExpanded == nIndex)
        return 1;
    m_bExpanding = 1;
    if (m_nExpanded >= 0)
        CollapsPopup(m_nExpanded, 0);

    CRect rectItem;
    GetItemRect(nIndex, &rectItem);
    ClientToScreen(&rectItem);
    CRect rectBar;
    GetWindowRect(&rectBar);
    const BOOL bOneColumn = (m_nBarStyle & UILBS_MENU) != 0 || rectBar.Width() > rectBar.Height();
    // the popup is always sized by its opener, one column or one row
    pPopup->m_dwStyle |= CBRS_SIZE_DYNAMIC;
    pPopup->m_nMRUWidth = bOneColumn ? 0 : 32000;
    pPopup->m_cxLeftBorder = pPopup->m_cxRightBorder = 0;
    pPopup->m_cyTopBorder = pPopup->m_cyBottomBorder = 0;
    const CSize size = pPopup->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);

    const DWORD dwDir = GetPopupDirection(rectItem, size);
    const CPoint pt = GetPopupPosition(dwDir, rectItem, size);

    pPopup->m_pParentBar = this;
    m_nExpanded = nIndex;
    InvalidateItem(nIndex);
    pPopup->SaveFocus();
    pPopup->ShowOnScreenEx(pt, TRUE);
    if (IsLiveBar(pPopup) && IsLiveWindow(pPopup->m_hWnd))
        pPopup->CaptureFocus();
    m_bExpanding = 0;
    return 1;
}

int CUILToolBar::CollapsPopup(int nIndex, int bAll)
{
    if (bAll)
    {
        CUILToolBar* pRoot = this;
        while (IsLiveBar(pRoot->m_pParentBar) && pRoot->m_pParentBar != this)
            pRoot = pRoot->m_pParentBar;
        if (pRoot->m_nExpanded < 0)
            return 1;
        return pRoot->CollapsPopup(pRoot->m_nExpanded, 0);
    }
    if (nIndex < 0)
        return 1;
    CUILItem* pItem = _GetButtonPtr(nIndex);
    if (pItem == NULL || !(pItem->m_nExStyle & UILIS_POPUP) || !IsLiveBar(pItem->m_pPopupBar))
        return 0;
    CUILToolBar* pPopup = pItem->m_pPopupBar;
    // the chain closes from its deepest popup up
    if (pPopup->m_nExpanded >= 0)
        pPopup->CollapsPopup(pPopup->m_nExpanded, 0);
    pPopup->SelectItem(-1);
    if (IsLiveWindow(pPopup->m_hWnd))
        pPopup->ShowOnScreenEx(CPoint(0, 0), FALSE);
    pPopup->m_pParentBar = NULL;
    if (m_nExpanded == nIndex)
        m_nExpanded = -1;
    InvalidateItem(nIndex);
    pPopup->RestoreFocus();
    return 1;
}

int CUILToolBar::ShowOnScreenEx(CPoint pt, int bShow)
{
    if (m_hWnd == NULL)
        return 0;
    if ((m_nBarStyle & UILBS_POPUPMENU) && m_pDockSite != NULL)
    {
        if (bShow)
        {
            m_pDockSite->FloatControlBar(this, pt, CBRS_ALIGN_TOP);
            // a menu has no caption to drag it by: the floating frame shows only its border
            CFrameWnd* pFrame = GetParentFrame();
            if (pFrame != NULL && pFrame != m_pDockSite && pFrame->IsKindOf(RUNTIME_CLASS(CUILMiniDockFrameWnd))
                && (pFrame->GetStyle() & WS_CAPTION) == WS_CAPTION)
                pFrame->SendMessage(WM_SYSCOMMAND, UIL_SC_HIDECAPTION);
        }
        m_pDockSite->ShowControlBar(this, bShow, FALSE);
        return 1;
    }
    ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    return 1;
}

void CUILToolBar::CaptureFocus()
{
    SetFocus();
    SetCapture();
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && pFrame != m_pDockSite)
        pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CUILToolBar::SaveFocus()
{
    m_hWndSavedFocus = ::GetFocus();
    m_hWndSavedCapture = ::GetCapture();
}

void CUILToolBar::RestoreFocus()
{
    const HWND hFocus = m_hWndSavedFocus;
    const HWND hCapture = m_hWndSavedCapture;
    m_hWndSavedFocus = m_hWndSavedCapture = NULL;
    if (m_hWnd != NULL && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    // only to windows that still exist
    if (IsLiveWindow(hCapture) && hCapture != m_hWnd)
        ::SetCapture(hCapture);
    if (IsLiveWindow(hFocus) && hFocus != m_hWnd)
        ::SetFocus(hFocus);
}

CWnd* CUILToolBar::ForeignClick(CPoint ptScreen)
{
    CWnd* pWnd = CWnd::WindowFromPoint(ptScreen);
    if (pWnd == NULL || pWnd->m_hWnd == m_hWnd || ::GetCapture() != m_hWnd)
        return NULL;
    for (CUILToolBar* pParent = m_pParentBar; IsLiveBar(pParent); pParent = pParent->m_pParentBar)
    {
        if (pParent->m_hWnd == pWnd->m_hWnd)
            return pWnd;
        if (pParent->m_pParentBar == this)
            break;
    }
    const HWND hWnd = pWnd->m_hWnd;
    CollapsPopup(-1, 1);
    return CWnd::FromHandle(hWnd);
}

void CUILToolBar::ForwardMouse(CWnd* pWnd, UINT message, UINT nFlags, CPoint ptScreen, BOOL bPost)
{
    if (pWnd == NULL || !IsLiveWindow(pWnd->m_hWnd))
        return;
    CPoint pt = ptScreen;
    ::ScreenToClient(pWnd->m_hWnd, &pt);
    if (bPost)
        ::PostMessageA(pWnd->m_hWnd, message, nFlags, MAKELPARAM(pt.x, pt.y));
    else
        ::SendMessageA(pWnd->m_hWnd, message, nFlags, MAKELPARAM(pt.x, pt.y));
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void CUILToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nBarStyle == 0)
    {
        CUILControlBar::OnMouseMove(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CWnd* pUnder = CWnd::WindowFromPoint(ptScreen);
    if (pUnder != NULL && pUnder->m_hWnd != m_hWnd && ::GetCapture() == m_hWnd)
    {
        if (!m_bPressCapture)
            ForwardMouse(pUnder, WM_MOUSEMOVE, nFlags, ptScreen, FALSE);
        return;
    }
    // hear when the mouse leaves, to take the hot look away
    TRACKMOUSEEVENT tme;
    tme.cbSize = sizeof(tme);
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = m_hWnd;
    tme.dwHoverTime = 0;
    ::TrackMouseEvent(&tme);

    const int nHit = GetHitButton(point);
    if (nHit >= 0)
        SelectItem(nHit);
    else if (!(m_nBarStyle & UILBS_POPUPMENU) && m_nExpanded < 0 && m_nPressed < 0)
        SelectItem(-1);
}

LRESULT CUILToolBar::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_nBarStyle != 0 && !(m_nBarStyle & UILBS_POPUPMENU) && m_nExpanded < 0 && m_nPressed < 0
        && ::GetCapture() != m_hWnd)
        SelectItem(-1);
    return 0;
}

void CUILToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nBarStyle == 0)
    {
        CUILControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (CWnd* pForeign = ForeignClick(ptScreen))
    {
        ForwardMouse(pForeign, WM_LBUTTONDOWN, nFlags, ptScreen, TRUE);
        return;
    }
    const int nHit = GetHitButton(point);
    if (nHit < 0)
    {
        if (m_nExpanded >= 0)
            CollapsPopup(m_nExpanded, 0);
        if (!(m_nBarStyle & UILBS_POPUPMENU))
            CUILControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    CUILItem* pItem = _GetButtonPtr(nHit);
    if (pItem == NULL || pItem->IsDisabled())
        return;
    SelectItem(nHit);
    const BOOL bPopup = (pItem->m_nExStyle & UILIS_POPUP) && IsLiveBar(pItem->m_pPopupBar);
    if (bPopup && m_nExpanded == nHit)
    {
        // a second click on an open popup's button closes it and sends nothing
        CollapsPopup(nHit, 0);
        return;
    }
    m_nPressed = nHit;
    SetItemPressed(nHit, TRUE);
    UpdateWindow();
    if (bPopup)
        ExpandPopup(nHit);
    else if (::GetCapture() != m_hWnd)
    {
        SetCapture();
        m_bPressCapture = 1;
    }
}

void CUILToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_nBarStyle == 0 || GetHitButton(point) < 0)
    {
        CUILControlBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    // a quick second click on a button is another click
    OnLButtonDown(nFlags, point);
}

void CUILToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nBarStyle == 0)
    {
        CUILControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const int nPressed = m_nPressed;
    m_nPressed = -1;
    const BOOL bPressCapture = m_bPressCapture;
    if (m_bPressCapture)
    {
        m_bPressCapture = 0;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    CWnd* pUnder = CWnd::WindowFromPoint(ptScreen);
    if (pUnder != NULL && pUnder->m_hWnd != m_hWnd)
    {
        if (nPressed >= 0)
            SetItemPressed(nPressed, FALSE);
        // a popup holding the capture passes the release on
        if (!bPressCapture && ::GetCapture() == m_hWnd)
            ForwardMouse(pUnder, WM_LBUTTONUP, nFlags, ptScreen, TRUE);
        return;
    }
    const int nHit = GetHitButton(point);
    if (nPressed >= 0 && nPressed != nHit)
        SetItemPressed(nPressed, FALSE);
    if (nHit < 0)
        return;
    CUILItem* pItem = _GetButtonPtr(nHit);
    if (pItem == NULL)
        return;
    const BOOL bWasPressed = nPressed == nHit;
    if (m_nExpanded != nHit)
        SetItemPressed(nHit, FALSE);
    InvalidateItem(nHit);
    if (m_nExpanded == nHit || pItem->IsDisabled())
        return;
    if (!(((pItem->m_nExStyle & UILIS_BARITEM) && bWasPressed) || (pItem->m_nExStyle & UILIS_MENUIMAGES)))
        return;
    const UINT nID = GetItemCommand(nHit);
    CWnd* pOwner = GetOwner();
    const HWND hOwner = pOwner != NULL ? pOwner->m_hWnd : NULL;
    if (m_nBarStyle & UILBS_POPUPMENU)
        CollapsPopup(-1, 1);
    // the bar may be gone after the command: nothing of it is touched afterwards
    if (nID != 0 && IsLiveWindow(hOwner))
        ::SendMessageA(hOwner, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}

void CUILToolBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_nBarStyle != 0)
    {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        if (CWnd* pForeign = ForeignClick(ptScreen))
        {
            ForwardMouse(pForeign, WM_RBUTTONDOWN, nFlags, ptScreen, TRUE);
            return;
        }
    }
    CUILControlBar::OnRButtonDown(nFlags, point);
}

void CUILToolBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    CUILControlBar::OnRButtonUp(nFlags, point);
}

void CUILToolBar::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bPressCapture && (pWnd == NULL || pWnd->m_hWnd != m_hWnd))
    {
        m_bPressCapture = 0;
        const int nPressed = m_nPressed;
        m_nPressed = -1;
        SetItemPressed(nPressed, FALSE);
    }
    CUILControlBar::OnCaptureChanged(pWnd);
}

/////////////////////////////////////////////////////////////////////////////
// Keys of popup menu bars

UINT CUILToolBar::OnGetDlgCode()
{
    if (m_nBarStyle & UILBS_POPUPMENU)
        return DLGC_WANTALLKEYS | DLGC_WANTARROWS;
    return CUILControlBar::OnGetDlgCode();
}

void CUILToolBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!(m_nBarStyle & UILBS_POPUPMENU) || nChar < VK_RETURN || nChar > VK_DOWN)
    {
        CUILControlBar::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const int nCount = GetItemCount();
    switch (nChar)
    {
    case VK_RETURN:
    case VK_SPACE:
    {
        CUILItem* pItem = _GetButtonPtr(m_nSelected);
        if (pItem != NULL && (pItem->m_nExStyle & UILIS_POPUP) && IsLiveBar(pItem->m_pPopupBar))
        {
            ExpandPopup(m_nSelected);
            return;
        }
        const UINT nID = (pItem != NULL && !pItem->IsDisabled()) ? GetItemCommand(m_nSelected) : 0;
        CWnd* pOwner = GetOwner();
        const HWND hOwner = pOwner != NULL ? pOwner->m_hWnd : NULL;
        if (IsLiveBar(m_pParentBar))
            CollapsPopup(-1, 1);
        else
        {
            SelectItem(-1);
            RestoreFocus();
        }
        if (nID != 0 && IsLiveWindow(hOwner))
            ::SendMessageA(hOwner, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
        return;
    }
    case VK_ESCAPE:
        if (IsLiveBar(m_pParentBar) && m_pParentBar->m_nExpanded >= 0)
            m_pParentBar->CollapsPopup(m_pParentBar->m_nExpanded, 0);
        else
        {
            SelectItem(-1);
            RestoreFocus();
        }
        return;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    {
        if (nCount == 0)
            return;
        const int nStep = (nChar == VK_LEFT || nChar == VK_UP) ? -1 : 1;
        const int nStart = m_nSelected;
        int i = nStart;
        for (int nTried = 0; nTried < nCount; nTried++)
        {
            i = (i < 0 && nStep < 0) ? nCount - 1 : (i + nStep + nCount) % nCount;
            if (i == nStart)
                break;
            CUILItem* pItem = _GetButtonPtr(i);
            if (!(pItem->m_nExStyle & UILIS_NOKEYSELECT) && !(pItem->m_fsStyle & TBSTYLE_SEP)
                && !(pItem->m_fsState & TBSTATE_HIDDEN))
            {
                SelectItem(i);
                return;
            }
        }
        return;
    }
    }
}

void CUILToolBar::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_nBarStyle & UILBS_POPUPMENU)
        return;
    CUILControlBar::OnChar(nChar, nRepCnt, nFlags);
}

void CUILToolBar::OnKillFocus(CWnd* pNewWnd)
{
    // opening a popup moves the focus into it; the selection stays
    if (m_bExpanding)
        return;
    CUILControlBar::OnKillFocus(pNewWnd);
    if (m_nBarStyle == 0)
        return;
    CUILItem* pItem = _GetButtonPtr(m_nExpanded);
    if (pItem != NULL && IsLiveBar(pItem->m_pPopupBar) && pNewWnd != NULL
        && pItem->m_pPopupBar->m_hWnd == pNewWnd->m_hWnd)
        return;
    SelectItem(-1);
}

/////////////////////////////////////////////////////////////////////////////
// Timers

void CUILToolBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == UIL_TBTIMER_HOVER)
    {
        if (m_band.GetHilightItem() >= 0)
            m_band.UpdateHilightState(this);
        if (m_nExpanded < 0)
        {
            if (m_band.GetHilightItem() < 0)
                KillTimer(UIL_TBTIMER_HOVER);
            return;
        }
        CPoint ptScreen;
        ::GetCursorPos(&ptScreen);
        CWnd* pUnder = CWnd::WindowFromPoint(ptScreen);
        if (pUnder != NULL && pUnder->m_hWnd == m_hWnd)
        {
            CPoint pt = ptScreen;
            ScreenToClient(&pt);
            const int nHit = GetHitButton(pt);
            if (nHit >= 0 && nHit != m_nExpanded)
                SelectItem(nHit);
        }
        if (m_hWnd != NULL)
            SetTimer(UIL_TBTIMER_HOVER, UIL_TBTIMER_HOVER_MS, NULL);
        return;
    }
    if (nIDEvent == UIL_TBTIMER_BANDREPEAT)
    {
        CPoint ptScreen;
        ::GetCursorPos(&ptScreen);
        const int nItem = m_nBandPushed;
        if (nItem >= 0 && ::GetKeyState(VK_LBUTTON) < 0 && HitBandButton(ptScreen) == nItem)
        {
            PostMessage(WM_SYSCOMMAND, m_band.GetItemSysCommand(nItem), MAKELPARAM(ptScreen.x, ptScreen.y));
            SetTimer(UIL_TBTIMER_BANDREPEAT, UIL_TBTIMER_BANDREPEAT_MS, NULL);
            return;
        }
        KillTimer(UIL_TBTIMER_BANDREPEAT);
        m_nBandPushed = -1;
        CWindowDC dc(this);
        m_band.PushItem(-1, dc);
        m_band.SelectItem(-1, dc);
        return;
    }
    CUILControlBar::OnTimer(nIDEvent);
}

/////////////////////////////////////////////////////////////////////////////
// Band strip: hit testing and its two buttons

int CUILToolBar::HitBandButton(CPoint ptScreen)
{
    if (!(m_nBarStyle & UILBS_BAND) || GetDockBarID() == 0)
        return -1;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CPoint pt = ptScreen - rectWindow.TopLeft();
    m_band.ParentToBand(pt);
    return m_band.GetItemFromPt(pt);
}

LRESULT CUILToolBar::OnNcHitTest(CPoint point)
{
    if ((m_nBarStyle & UILBS_BAND) && GetDockBarID() != 0)
    {
        const int nHit = m_band.OnNcHitTest(this, point);
        if (nHit != 0)
            return nHit;
    }
    // the rest of the frame is grabbed like empty bar space
    return HTCLIENT;
}

void CUILToolBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    const int nItem = nHitTest == (UINT)UIL_HTBAND ? HitBandButton(point) : -1;
    if (nItem < 0 || m_band.GetItem(nItem)->IsDisabled(m_band.GetState()))
    {
        CUILControlBar::OnNcLButtonDown(nHitTest, point);
        return;
    }
    CWindowDC dc(this);
    m_band.PushItem(nItem, dc);
    m_nBandPushed = nItem;
    PostMessage(WM_SYSCOMMAND, m_band.GetItemSysCommand(nItem), MAKELPARAM(point.x, point.y));
    SetTimer(UIL_TBTIMER_BANDREPEAT, UIL_TBTIMER_BANDREPEAT_MS, NULL);
}

void CUILToolBar::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    if (m_nBandPushed >= 0)
    {
        KillTimer(UIL_TBTIMER_BANDREPEAT);
        m_nBandPushed = -1;
        CWindowDC dc(this);
        m_band.PushItem(-1, dc);
        return;
    }
    CUILControlBar::OnNcLButtonUp(nHitTest, point);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

BOOL CUILToolBar::OnEraseBkgnd(CDC* pDC)
{
    if (m_nBarStyle == 0)
        return (BOOL)Default();
    // OnPaint fills what the items leave
    return TRUE;
}

void CUILToolBar::OnPaint()
{
    if (m_bDelayedButtonLayout)
        Layout();
    if (m_nBarStyle == 0)
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    PaintItems(dc, CRect(dc.m_ps.rcPaint));
}

LRESULT CUILToolBar::OnPrintClient(WPARAM wParam, LPARAM)
{
    if (m_nBarStyle == 0)
        return Default();
    if (m_bDelayedButtonLayout)
        Layout();
    CDC* pDC = CDC::FromHandle((HDC)wParam);
    CRect rect;
    GetClientRect(&rect);
    PaintItems(*pDC, rect);
    return 0;
}

void CUILToolBar::PaintItems(CDC& dc, const CRect& rectClip)
{
    // the background where no item draws itself
    const int nSaved = dc.SaveDC();
    for (int i = 0; i < GetItemCount(); i++)
    {
        CUILItem* pItem = _GetButtonPtr(i);
        if ((pItem->m_fsState & TBSTATE_HIDDEN) || pItem->IsSeparator())
            continue;
        CRect rect;
        pItem->GetRect(&rect, (pItem->m_nExStyle & UILIS_VERTICAL) ? UILRECT_TURNED : 0);
        dc.ExcludeClipRect(rect);
    }
    dc.FillSolidRect(rectClip, BarColor(COLOR_BTNFACE));
    dc.RestoreDC(nSaved);

    for (int i = 0; i < GetItemCount(); i++)
    {
        CUILItem* pItem = _GetButtonPtr(i);
        if (pItem->m_fsState & TBSTATE_HIDDEN)
            continue;
        CRect rect;
        pItem->GetRect(&rect, (pItem->m_nExStyle & UILIS_VERTICAL) ? UILRECT_TURNED : 0);
        if (!CRect().IntersectRect(rect, rectClip) && !pItem->IsSeparator())
            continue;
        if (pItem->IsSeparator())
        {
            DrawSeparator(dc, pItem, (pItem->m_fsState & TBSTATE_WRAP) && i != GetItemCount() - 1);
            continue;
        }
        if (OfferCustomDraw(dc, i, pItem))
            continue;
        int nMode = UILDRAW_NORMAL;
        if (i == m_nSelected)
            nMode |= UILDRAW_HOT;
        pItem->DrawItem(dc, -1, -1, nMode);
    }
}

void CUILToolBar::DrawSeparator(CDC& dc, CUILItem* pItem, BOOL bWrapLine)
{
    const COLORREF clrShadow = BarColor(COLOR_BTNSHADOW);
    const COLORREF clrLight = BarColor(COLOR_BTNHIGHLIGHT);
    CRect rectClient;
    GetClientRect(&rectClient);
    const CRect rect = pItem->m_rcItem;
    const BOOL bVert = (pItem->m_nExStyle & UILIS_VERTICAL) != 0;
    if (bWrapLine && !bVert)
    {
        // a line across the bar under the row the separator ends
        const int y = rect.top + m_sizeButton.cy + 1;
        dc.Draw3dRect(rectClient.left, y, rectClient.Width(), 2, clrShadow, clrLight);
        return;
    }
    if (pItem->m_iBitmap <= 3)
        return;
    if (bVert)
    {
        const int y = rect.top + pItem->m_iBitmap / 2 - 1;
        dc.Draw3dRect(rectClient.left + 2, y, rectClient.Width() - 4, 2, clrShadow, clrLight);
    }
    else
    {
        const int x = rect.left + pItem->m_iBitmap / 2 - 1;
        dc.Draw3dRect(x, rect.top, 2, m_sizeButton.cy, clrShadow, clrLight);
    }
}

int CUILToolBar::OfferCustomDraw(CDC& dc, int nIndex, CUILItem* pItem)
{
    if (!m_bCustomDraw || pItem->m_pImages == NULL)
        return 0;
    CUILImageList* pList = pItem->GetImageList();
    if (pList == NULL)
        return 0;
    SImageStruct image;
    image.m_hImageList = pList->m_hImageList;
    image.m_nImage = (pItem->m_iList >= 0 || HIWORD(pItem->m_iBitmap) != 0) ? LOWORD(pItem->m_iBitmap)
                                                                           : pItem->m_iBitmap - pList->GetStartIndex();
    DRAWITEMSTRUCT draw;
    memset(&draw, 0, sizeof(draw));
    draw.CtlID = GetDlgCtrlID();
    draw.itemID = (UINT)pItem->m_idCommand;
    draw.hwndItem = m_hWnd;
    draw.hDC = dc.m_hDC;
    pItem->GetRect(&draw.rcItem, (pItem->m_nExStyle & UILIS_VERTICAL) ? UILRECT_TURNED : 0);
    if (nIndex == m_nSelected)
        draw.itemState |= UILCDS_ACTIVE;
    if (!pItem->IsDisabled())
        draw.itemState |= UILCDS_ENABLED;
    if (pItem->m_fsState & TBSTATE_PRESSED)
        draw.itemState |= UILCDS_PRESSED;
    SToolBarCustomDraw info = { &image, &draw };
    CWnd* pFrame = GetParentFrameEx();
    return UILControlRegistry.CustomDraw(pFrame, UILCD_TOOLBARITEM, (LPARAM)&info) != 0;
}

void CUILToolBar::OnNcPaint()
{
    if (m_nBarStyle == 0)
    {
        CUILControlBar::OnNcPaint();
        return;
    }
    if (m_nBarStyle & UILBS_BAND)
    {
        const UINT nState = CalcBandState();
        if (nState != m_band.GetState())
        {
            m_band.SetState(nState);
            SetWindowPos(NULL, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return;
        }
    }
    CRect rectWindow, rectClient;
    GetWindowRect(&rectWindow);
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    if (GetDockBarID() != 0 && rectClient.Size() == rectWindow.Size() && !rectWindow.IsRectEmpty())
    {
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    rectClient.OffsetRect(-rectWindow.TopLeft());
    rectWindow.OffsetRect(-rectWindow.TopLeft());

    CWindowDC dc(this);
    dc.ExcludeClipRect(rectClient);
    const COLORREF clrShadow = BarColor(COLOR_BTNSHADOW);
    const COLORREF clrLight = BarColor(COLOR_BTNHIGHLIGHT);
    dc.FillSolidRect(rectWindow, BarColor(COLOR_BTNFACE));

    const CRect rectStrip = GetBandStripRect();
    if (!rectStrip.IsRectEmpty())
    {
        if (m_nBarStyle & UILBS_BAND)
        {
            CRect rectBand = rectStrip;
            m_band.ResizeBand(rectBand, FALSE);
            m_band.Draw(dc, m_band.GetState());
        }
        if (IsDockedHorz())
            dc.Draw3dRect(rectStrip.right, 4, 3, rectWindow.Height() - 4 - 3, clrLight, clrShadow);
        else
            dc.Draw3dRect(4, rectStrip.bottom, rectWindow.Width() - 4 - 3, 3, clrLight, clrShadow);
    }

    // the framework's borders, in the host's colours
    const COLORREF clrOldShadow = afxData.clrBtnShadow;
    const COLORREF clrOldLight = afxData.clrBtnHilite;
    afxData.clrBtnShadow = clrShadow;
    afxData.clrBtnHilite = clrLight;
    DrawBorders(&dc, rectWindow);
    afxData.clrBtnShadow = clrOldShadow;
    afxData.clrBtnHilite = clrOldLight;
}

/////////////////////////////////////////////////////////////////////////////
// Registered messages, destruction

LRESULT CUILToolBar::OnGetSysColor(WPARAM wParam, LPARAM lParam)
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == NULL || pMain->m_hWnd == NULL || pMain->m_hWnd == m_hWnd)
        return 0;
    const WPARAM wAsk = (WPARAM)((wParam & 0xFFFF) | ((((wParam >> 16) & 0xFFFF) | nToolBarContext) << 16));
    return ::SendMessageA(pMain->m_hWnd, WM_GET_SYS_COLOR, wAsk, lParam);
}

LRESULT CUILToolBar::OnControlSizeChanged(WPARAM, LPARAM)
{
    // an embedded control changed its size: measure again at the next paint
    m_bDelayedButtonLayout = 1;
    Invalidate();
    ParentFrameRecalcLayout();
    return 0;
}

BOOL CUILToolBar::PreTranslateMessage(MSG* pMsg)
{
    return CUILControlBar::PreTranslateMessage(pMsg);
}

void CUILToolBar::OnDestroy()
{
    KillTimer(UIL_TBTIMER_HOVER);
    KillTimer(UIL_TBTIMER_BANDREPEAT);
    if (m_nExpanded >= 0)
        CollapsPopup(m_nExpanded, 0);
    // an open popup going away gives back what it took and its opener forgets it
    if (IsLiveBar(m_pParentBar))
    {
        CUILToolBar* pParent = m_pParentBar;
        CUILItem* pItem = pParent->_GetButtonPtr(pParent->m_nExpanded);
        if (pItem != NULL && pItem->m_pPopupBar == this)
        {
            pParent->m_nExpanded = -1;
            pParent->InvalidateItem(pParent->m_nSelected);
        }
        m_pParentBar = NULL;
        RestoreFocus();
    }
    else if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    CUILControlBar::OnDestroy();
}
