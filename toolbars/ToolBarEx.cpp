// ToolBarEx.cpp - CTBarInfo and CToolBarEx: flyout buttons, press and hold, the flyout menu and
// its tip, and show levels.
#include "ToolBarEx.h"
#include "PopupToolBar.h"
#include "UILImages.h"
#include "../frame/UILFrame.h"
#include <algorithm>
#include "../frame/UILMessages.h"

namespace
{
// the toolbar resource: a header followed by wItemCount command ids (0 = separator)
struct SToolBarData
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    const WORD* items() const { return (const WORD*)(this + 1); }
};
}

/////////////////////////////////////////////////////////////////////////////
// CTBarInfo

CTBarInfo::CTBarInfo()
    : m_nBitmapID(0), m_hImageList(NULL), m_nImageWidth(FLYOUT_ICONSIZE), m_hInstance(NULL), m_crMask(FLYOUT_MASKCOLOR)
{
}

CTBarInfo::CTBarInfo(UINT nBitmapID, const UINT* pIDs, int nCount, int nImageWidth)
    : m_nBitmapID(nBitmapID), m_hImageList(NULL), m_nImageWidth(nImageWidth), m_hInstance(NULL), m_crMask(FLYOUT_MASKCOLOR)
{
    SetButtons(pIDs, nCount);
}

CTBarInfo::CTBarInfo(HIMAGELIST hImageList, const UINT* pIDs, int nCount)
    : m_nBitmapID(0), m_hImageList(hImageList), m_nImageWidth(FLYOUT_ICONSIZE), m_hInstance(NULL), m_crMask(FLYOUT_MASKCOLOR)
{
    SetButtons(pIDs, nCount);
}

CTBarInfo::~CTBarInfo()
{
}

void CTBarInfo::SetButtons(const UINT* pIDs, int nCount)
{
    m_arIDs.RemoveAll();
    for (int i = 0; pIDs != NULL && i < nCount; i++)
        m_arIDs.Add(pIDs[i]);
}

UINT CTBarInfo::GetID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arIDs[nIndex] : 0;
}

int CTBarInfo::CommandToImage(UINT nID) const
{
    if (nID == 0)
        return -1;
    int nImage = 0;
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arIDs[i] == nID)
            return nImage;
        if (m_arIDs[i] != 0)
            nImage++;
    }
    return -1;
}

BOOL CTBarInfo::LoadToolBar(HINSTANCE hInst, UINT nToolBarID)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nToolBarID);
    if (nToolBarID == 0)
        return FALSE;
    if (hInst == NULL)
        hInst = AfxFindResourceHandle(lpszName, RT_TOOLBAR);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszName, RT_TOOLBAR);
    HGLOBAL hGlobal = hRsrc != NULL ? ::LoadResource(hInst, hRsrc) : NULL;
    const SToolBarData* pData = hGlobal != NULL ? (const SToolBarData*)::LockResource(hGlobal) : NULL;
    const DWORD cbSize = hRsrc != NULL ? ::SizeofResource(hInst, hRsrc) : 0;
    // version 1 only; a record shorter than its count says is damaged
    if (pData == NULL || cbSize < sizeof(SToolBarData) || pData->wVersion != 1 || pData->wWidth == 0
        || cbSize < sizeof(SToolBarData) + pData->wItemCount * sizeof(WORD))
        return FALSE;
    m_arIDs.RemoveAll();
    for (int i = 0; i < pData->wItemCount; i++)
        m_arIDs.Add(pData->items()[i]);
    m_nBitmapID = nToolBarID;
    m_nImageWidth = pData->wWidth;
    m_hImageList = NULL;
    m_hInstance = hInst;
    return TRUE;
}

BOOL CTBarInfo::CreateImageList(CImageList& il, int cx) const
{
    il.DeleteImageList();
    if (m_hImageList != NULL)
        return il.Create(CImageList::FromHandle(m_hImageList));
    if (m_nBitmapID == 0 || cx <= 0)
        return FALSE;
    LPCSTR lpszName = MAKEINTRESOURCEA(m_nBitmapID);
    HINSTANCE hInst = m_hInstance;
    if (hInst == NULL || ::FindResourceA(hInst, lpszName, (LPCSTR)RT_BITMAP) == NULL)
        hInst = AfxFindResourceHandle(lpszName, (LPCSTR)RT_BITMAP);
    if (::FindResourceA(hInst, lpszName, (LPCSTR)RT_BITMAP) == NULL)
        return FALSE;
    HBITMAP hbm = (HBITMAP)::LoadImageA(hInst, lpszName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    BITMAP bm;
    if (hbm == NULL || !::GetObjectA(hbm, sizeof(bm), &bm))
    {
        if (hbm != NULL)
            ::DeleteObject(hbm);
        return FALSE;
    }
    BOOL bResult = il.Create(cx, bm.bmHeight, ILC_COLOR24 | ILC_MASK, bm.bmWidth / cx, 0)
        && ::ImageList_AddMasked(il.GetSafeHandle(), hbm, m_crMask) >= 0;
    ::DeleteObject(hbm);
    if (!bResult)
        il.DeleteImageList();
    return bResult;
}

HICON CTBarInfo::GetIcon(UINT nID) const
{
    const int nImage = CommandToImage(nID);
    if (nImage < 0)
        return NULL;
    if (m_hImageList != NULL)
        return nImage < ::ImageList_GetImageCount(m_hImageList) ? ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL)
                                                                 : NULL;
    CImageList il;
    if (!CreateImageList(il, m_nImageWidth) || nImage >= il.GetImageCount())
        return NULL;
    return il.ExtractIcon(nImage);
}

/////////////////////////////////////////////////////////////////////////////
// CToolBarEx

IMPLEMENT_DYNAMIC(CToolBarEx, CToolBar)

BEGIN_MESSAGE_MAP(CToolBarEx, CToolBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_REGISTERED_MESSAGE(WM_FLYOUT_DONE, &CToolBarEx::OnFlyOutDone)
END_MESSAGE_MAP()

CToolBarEx::CToolBarEx()
{
    m_nPressed = -1;
    m_hResModule = g_hUILResource;
    m_nFlyOutMode = 0;
    m_nShowLevel = 0;
    m_bShowLevels = FALSE;
    m_bInFlyOut = FALSE;
    m_bInCalcShowLevel = FALSE;
    m_bHeld = FALSE;
}

CToolBarEx::~CToolBarEx()
{
}

/////////////////////////////////////////////////////////////////////////////
// Flyout buttons

int CToolBarEx::IsFlyOut(UINT nIndex)
{
    if (m_hWnd == NULL || nIndex >= (UINT)DefWindowProc(TB_BUTTONCOUNT, 0, 0))
        return 0;
    TBBUTTON button;
    _GetButton((int)nIndex, &button);
    return (button.fsStyle & TBSTYLE_SEP) ? 0 : (int)button.dwData;
}

void CToolBarEx::SetFlyOutMenu(UINT nID)
{
    if (nID != 0 && !IsFlyOutMenu(nID))
        m_arFlyOutMenu.Add(nID);
}

int CToolBarEx::IsFlyOutMenu(UINT nID)
{
    for (INT_PTR i = 0; nID != 0 && i < m_arFlyOutMenu.GetSize(); i++)
        if (m_arFlyOutMenu[i] == nID)
            return 1;
    return 0;
}

CTBarInfo* CToolBarEx::GetTBarInfo(UINT nValue)
{
    return nValue >= 1 && nValue <= (UINT)m_arTBarInfo.GetSize() ? (CTBarInfo*)m_arTBarInfo[nValue - 1] : NULL;
}

int CToolBarEx::SetFlyOut(UINT nIndex, UINT nToolBarID, UINT nCommand)
{
    if (nToolBarID == 0 || m_hWnd == NULL || nIndex >= (UINT)DefWindowProc(TB_BUTTONCOUNT, 0, 0))
        return 0;
    TBBUTTON button;
    _GetButton((int)nIndex, &button);
    if (button.fsStyle & TBSTYLE_SEP)
        return 0;
    button.dwData = nToolBarID;
    _SetButton((int)nIndex, &button);
    if (nCommand != 0)
    {
        HICON hIcon = GetFlyOutIcon(nToolBarID, nCommand);
        PutOnButton((int)nIndex, nCommand, hIcon);
        if (hIcon != NULL)
            ::DestroyIcon(hIcon);
    }
    return 1;
}

int CToolBarEx::SetFlyOut(UINT nIndex, CTBarInfo* pInfo, UINT nCommand)
{
    // a bad index must leave the descriptions as they were
    if (pInfo == NULL || m_hWnd == NULL || nIndex >= (UINT)DefWindowProc(TB_BUTTONCOUNT, 0, 0)
        || (GetButtonStyle((int)nIndex) & TBBS_SEPARATOR))
        return 0;
    INT_PTR nFound = -1;
    for (INT_PTR i = 0; i < m_arTBarInfo.GetSize() && nFound < 0; i++)
        if (m_arTBarInfo[i] == pInfo)
            nFound = i;
    if (nFound < 0)
        nFound = m_arTBarInfo.Add(pInfo);
    return SetFlyOut(nIndex, (UINT)nFound + 1, nCommand);
}

int CToolBarEx::IsItemFromTBar(UINT nCommand, UINT nToolBar)
{
    if (nCommand == 0 || nToolBar == 0)
        return 0;
    CTBarInfo* pInfo = GetTBarInfo(nToolBar);
    if (pInfo != NULL)
        return pInfo->CommandToImage(nCommand) >= 0;
    CUILResourceScope scope(m_hResModule);   // a flyout's resources may be the host's
    CTBarInfo info;
    return info.LoadToolBar(NULL, nToolBar) && info.CommandToImage(nCommand) >= 0;
}

HICON PASCAL CToolBarEx::GetToolBarButtonIcon(HINSTANCE hInst, UINT nToolBarID, UINT nCommand, int nSize,
    COLORREF crMask)
{
    CTBarInfo info;
    if (nSize <= 0 || !info.LoadToolBar(hInst, nToolBarID))
        return NULL;
    info.m_nImageWidth = nSize;
    info.m_crMask = crMask;
    return info.GetIcon(nCommand);
}

HICON PASCAL CToolBarEx::GetToolBarButtonIcon(UINT nCommand)
{
    CWnd* pMain = AfxGetMainWnd();
    if (nCommand == 0 || pMain == NULL || pMain->GetSafeHwnd() == NULL)
        return NULL;
    SImageStruct image;
    pMain->SendMessage(WM_GET_COMMAND_IMAGE, nCommand, (LPARAM)&image);
    if (image.m_hImageList == NULL || image.m_nImage < 0
        || image.m_nImage >= ::ImageList_GetImageCount(image.m_hImageList))
        return NULL;
    return ::ImageList_GetIcon(image.m_hImageList, image.m_nImage, ILD_NORMAL);
}

HICON CToolBarEx::GetFlyOutIcon(UINT nValue, UINT nCommand)
{
    CTBarInfo* pInfo = GetTBarInfo(nValue);
    if (pInfo != NULL)
        return pInfo->GetIcon(nCommand);
    CUILResourceScope scope(m_hResModule);
    return GetToolBarButtonIcon(NULL, nValue, nCommand, FLYOUT_ICONSIZE, FLYOUT_MASKCOLOR);
}

void CToolBarEx::PutOnButton(int nIndex, UINT nCommand, HICON hIcon)
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    if ((UINT)button.idCommand != nCommand)
    {
        button.idCommand = (int)nCommand;
        _SetButtonEx(nIndex, &button);
    }
    HIMAGELIST hImages = (HIMAGELIST)DefWindowProc(TB_GETIMAGELIST, 0, 0);
    if (hIcon != NULL && hImages != NULL && button.iBitmap >= 0 && button.iBitmap < ::ImageList_GetImageCount(hImages))
        ::ImageList_ReplaceIcon(hImages, button.iBitmap, hIcon);
    CRect rect;
    if (DefWindowProc(TB_GETITEMRECT, nIndex, (LPARAM)&rect))
        InvalidateRect(rect);
}

int CToolBarEx::ActivateFlyOutButton(UINT nCommand)
{
    int nChanged = 0;
    const int nCount = m_hWnd != NULL ? (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    for (int i = 0; nCommand != 0 && i < nCount; i++)
    {
        const UINT nValue = (UINT)IsFlyOut(i);
        if (nValue == 0 || !IsItemFromTBar(nCommand, nValue))
            continue;
        HICON hIcon = GetFlyOutIcon(nValue, nCommand);
        if (hIcon == NULL)
            hIcon = GetToolBarButtonIcon(nCommand);
        PutOnButton(i, nCommand, hIcon);
        if (hIcon != NULL)
            CPopupToolBar::SetLastIcon(hIcon);
        nChanged = 1;
    }
    m_nPressed = -1;
    return nChanged;
}

void CToolBarEx::UpdateFlyOutButtons(UINT nCommand)
{
    ActivateFlyOutButton(nCommand);
}

LRESULT CToolBarEx::OnFlyOutDone(WPARAM, LPARAM)
{
    if (m_nPressed >= 0 && m_hWnd != NULL)
    {
        const UINT nID = GetItemID(m_nPressed);
        if (nID != 0)
            DefWindowProc(TB_SETSTATE, nID, MAKELONG(TBSTATE_ENABLED, 0));
    }
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Press and hold

void CToolBarEx::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bHeld = FALSE;
    CToolBar::OnLButtonDown(nFlags, point);
    KillTimer(FLYOUT_TIMER_HOLD);
    if (m_hWnd == NULL)
        return;
    m_nPressed = (int)DefWindowProc(TB_HITTEST, 0, (LPARAM)&point);
    if (m_nPressed < 0 || m_nPressed >= (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0))
    {
        m_nPressed = -1;
        return;
    }
    if (GetButtonStyle(m_nPressed) & TBBS_DISABLED)
        return;
    if (IsFlyOut(m_nPressed) || IsFlyOutMenu(GetItemID(m_nPressed)))
        SetTimer(FLYOUT_TIMER_HOLD, FLYOUT_TIMER_HOLD_MS, NULL);
}

void CToolBarEx::OnLButtonUp(UINT nFlags, CPoint point)
{
    KillTimer(FLYOUT_TIMER_HOLD);
    if (m_bHeld)
    {
        // the hold was the button's action: the control lets go of its press away from every
        // button, so that it sends no command
        m_bHeld = FALSE;
        DefWindowProc(WM_LBUTTONUP, nFlags, MAKELPARAM(-30000, -30000));
        return;
    }
    CToolBar::OnLButtonUp(nFlags, point);
}

void CToolBarEx::OnMouseMove(UINT nFlags, CPoint point)
{
    // dragged off the pressed button, the press is no longer a hold
    if (m_nPressed >= 0 && !m_bInFlyOut && (int)DefWindowProc(TB_HITTEST, 0, (LPARAM)&point) != m_nPressed)
        KillTimer(FLYOUT_TIMER_HOLD);
    CToolBar::OnMouseMove(nFlags, point);
}

void CToolBarEx::EnableTips(BOOL bEnable)
{
    HWND hTips = (HWND)DefWindowProc(TB_GETTOOLTIPS, 0, 0);
    if (hTips != NULL)
        ::SendMessageA(hTips, TTM_ACTIVATE, bEnable, 0);
    if (m_toolTip.GetSafeHwnd() != NULL && m_toolTip.GetSafeHwnd() != hTips)
        m_toolTip.Activate(bEnable);
}

BOOL CToolBarEx::CreateToolTipCtrl()
{
    if (m_hWnd == NULL)
        return FALSE;
    if (m_toolTip.GetSafeHwnd() == NULL && !m_toolTip.Create(this, TTS_ALWAYSTIP))
        return FALSE;
    // the common control asks its owner for the texts (TTN_NEEDTEXT), as the frame answers
    DefWindowProc(TB_SETTOOLTIPS, (WPARAM)m_toolTip.GetSafeHwnd(), 0);
    return TRUE;
}

void CToolBarEx::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case FLYOUT_TIMER_HOLD:
    {
        KillTimer(FLYOUT_TIMER_HOLD);
        const int nIndex = m_nPressed;
        if (nIndex < 0 || m_bInFlyOut)
            return;
        m_bHeld = TRUE;
        if (IsFlyOutMenu(GetItemID(nIndex)))
        {
            EnableTips(FALSE);
            // the host's menu takes the mouse: the control must not send the button's command
            // when the button is let go
            if (::GetCapture() == m_hWnd)
                ::ReleaseCapture();
            CWnd* pOwner = GetOwner();
            if (pOwner != NULL && pOwner->GetSafeHwnd() != NULL)
                pOwner->SendMessage(WM_TRACK_FLYOUTMENU, (WPARAM)this, (LPARAM)nIndex);
            OnFlyOutDone();
            EnableTips(TRUE);
            m_nPressed = -1;
        }
        else if (IsFlyOut(nIndex))
            TrackFlyOut(nIndex);
        return;
    }
    case FLYOUT_TIMER_TIP:
        ShowEntryTip();
        return;
    case FLYOUT_TIMER_TIPHIDE:
    {
        KillTimer(FLYOUT_TIMER_TIPHIDE);
        CToolTip2* pTip = CPopupToolBar::FindTipWnd();
        if (pTip != NULL)
            pTip->ShowWindow(SW_HIDE);
        return;
    }
    }
    CToolBar::OnTimer(nIDEvent);
}

UINT CToolBarEx::TrackFlyOut(int nIndex)
{
    const UINT nValue = (UINT)IsFlyOut(nIndex);
    EnableTips(FALSE);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    CPopupToolBar menu(this);
    BOOL bFilled;
    {
        CUILResourceScope scope(m_hResModule);
        CTBarInfo* pInfo = GetTBarInfo(nValue);
        bFilled = pInfo != NULL ? menu.AppendFromTBarInfo(pInfo, FLYOUT_ICONSIZE, 0)
                                : menu.AppendFromToolBar(nValue, FLYOUT_ICONSIZE, 0);
    }
    CWnd* pOwner = GetOwner();
    if (pOwner == NULL || pOwner->GetSafeHwnd() == NULL)
        pOwner = this;
    UINT nChosen = 0;
    if (bFilled)
    {
        // the button keeps its pressed look while its menu is open
        const UINT nID = GetItemID(nIndex);
        DefWindowProc(TB_SETSTATE, nID, MAKELONG(TBSTATE_ENABLED | TBSTATE_PRESSED, 0));
        SetTimer(FLYOUT_TIMER_TIP, FLYOUT_TIMER_TIP_MS, NULL);
        CPopupToolBar::GetTipWnd(this);
        SetFocus();
        CRect rect;
        GetItemRect(nIndex, &rect);
        ClientToScreen(&rect);
        // in mode 0 Windows sends the chosen command to the owner itself; the entries carry no
        // text, so no key picks one by a mnemonic in either mode
        UINT nFlags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON;
        if (m_nFlyOutMode != 0)
            nFlags |= TPM_RETURNCMD;
        m_bInFlyOut = TRUE;
        const UINT nResult = (UINT)menu.TrackPopupMenu(nFlags, rect.left, rect.bottom, pOwner);
        m_bInFlyOut = FALSE;
        if (m_nFlyOutMode != 0)
            nChosen = nResult;
    }
    KillTimer(FLYOUT_TIMER_TIP);
    KillTimer(FLYOUT_TIMER_TIPHIDE);
    CPopupToolBar::SetTipCommand(0);
    CToolTip2* pTip = CPopupToolBar::FindTipWnd();
    if (pTip != NULL)
    {
        pTip->ShowWindow(SW_HIDE);
        pTip->m_nCommand = 0;
    }
    OnFlyOutDone();
    EnableTips(TRUE);
    if (nChosen != 0 && ::IsWindow(pOwner->GetSafeHwnd()))
    {
        ActivateFlyOutButton(nChosen);
        pOwner->PostMessage(WM_COMMAND, nChosen, 0);
    }
    m_nPressed = -1;
    return nChosen;
}

UINT CToolBarEx::DropFlyOut(UINT nIndex)
{
    if (m_bInFlyOut || !IsFlyOut(nIndex))
        return 0;
    m_nPressed = (int)nIndex;
    return TrackFlyOut((int)nIndex);
}

void CToolBarEx::ShowEntryTip()
{
    const UINT nCommand = CPopupToolBar::GetTipCommand();
    CToolTip2* pTip = CPopupToolBar::GetTipWnd(this);
    if (pTip == NULL || nCommand == pTip->m_nCommand)
        return;
    pTip->m_nCommand = nCommand;
    KillTimer(FLYOUT_TIMER_TIPHIDE);
    CString strTip;
    if (nCommand != 0 && strTip.LoadString(nCommand))
    {
        // "prompt\ntip": the tip part when there is one
        CString strPart;
        if (AfxExtractSubString(strPart, strTip, 1, '\n') && !strPart.IsEmpty())
            strTip = strPart;
    }
    else if (nCommand != 0 && AfxGetMainWnd() != NULL)
    {
        TOOLTIPTEXTA ttt;
        memset(&ttt, 0, sizeof(ttt));
        ttt.hdr.hwndFrom = m_hWnd;
        ttt.hdr.idFrom = nCommand;
        ttt.hdr.code = TTN_NEEDTEXTA;
        AfxGetMainWnd()->SendMessage(WM_NOTIFY, nCommand, (LPARAM)&ttt);
        if (ttt.lpszText != NULL && !IS_INTRESOURCE(ttt.lpszText))
            strTip = ttt.lpszText;
        else if (ttt.lpszText != NULL)
            strTip.LoadString((UINT)(UINT_PTR)ttt.lpszText);
        else
            strTip = ttt.szText;
    }
    strTip.Trim();
    if (strTip.IsEmpty())
    {
        pTip->ShowWindow(SW_HIDE);
        return;
    }
    pTip->ShowBeside(CPopupToolBar::GetTipRect(), strTip);
    SetTimer(FLYOUT_TIMER_TIPHIDE, FLYOUT_TIMER_TIPHIDE_MS, NULL);
}

void CToolBarEx::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    // the open menu's button keeps its pressed look until the menu closes
    if (m_bInFlyOut)
        return;
    CToolBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

/////////////////////////////////////////////////////////////////////////////
// Painting and size

void CToolBarEx::OnPaint()
{
    CToolBar::OnPaint();
}

BOOL CToolBarEx::OnEraseBkgnd(CDC* pDC)
{
    // the host may recolour its toolbars (WM_GET_SYS_COLOR)
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, GetMainWndSysColor(COLOR_BTNFACE, UIL_COLORCONTEXT_TOOLBAR));
    return TRUE;
}

void CToolBarEx::OnSize(UINT nType, int cx, int cy)
{
    CToolBar::OnSize(nType, cx, cy);
    if (m_bShowLevels && !m_bInCalcShowLevel && cx > 0)
        CalcShowLevel();
}

/////////////////////////////////////////////////////////////////////////////
// Show levels

int CToolBarEx::GetShowLevelCount() const
{
    const int nButtons = m_hWnd != NULL ? (int)((CToolBarEx*)this)->DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    int nCount = nButtons;
    // levels of buttons that were removed since do not count
    for (INT_PTR i = 0; i < m_arShowLevel.GetSize() && i < nButtons; i++)
        if (m_arShowLevel[i] != (DWORD)-1 && (int)m_arShowLevel[i] + 1 > nCount)
            nCount = (int)m_arShowLevel[i] + 1;
    return nCount;
}

int CToolBarEx::GetButtonShowLevel(int nIndex) const
{
    const int nButtons = m_hWnd != NULL ? (int)((CToolBarEx*)this)->DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    if (nIndex < 0 || nIndex >= nButtons)
        return -1;
    if (nIndex < m_arShowLevel.GetSize() && m_arShowLevel[nIndex] != (DWORD)-1)
        return (int)m_arShowLevel[nIndex];
    // the last button goes first
    return GetShowLevelCount() - nIndex - 1;
}

int CToolBarEx::AddButtonToShowLevel(UINT nID, int& nLevel, BOOL bBump)
{
    if (bBump)
        nLevel++;
    const int nIndex = nID != 0 ? CommandToIndex(nID) : -1;
    if (nIndex < 0)
        return 0;
    m_arShowLevel.SetAtGrow(nIndex, (DWORD)nLevel);
    return 1;
}

int CToolBarEx::AddSeperatorToShowLevel(UINT nID, int& nLevel, BOOL bBump)
{
    if (bBump)
        nLevel++;
    int nIndex = 0;
    if (nID != 0)
    {
        nIndex = CommandToIndex(nID);
        if (nIndex < 0)
            return 0;
        nIndex++;
    }
    if (m_hWnd == NULL || nIndex >= (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0)
        || !(GetButtonStyle(nIndex) & TBBS_SEPARATOR))
        return 0;
    // levels not stored yet keep reading as "none"
    while (m_arShowLevel.GetSize() < nIndex)
        m_arShowLevel.Add((DWORD)-1);
    m_arShowLevel.SetAtGrow(nIndex, (DWORD)nLevel);
    return 1;
}

void CToolBarEx::ResetShowLevel()
{
    const int nButtons = m_hWnd != NULL ? (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
    const int nTop = GetShowLevelCount() - 1;
    m_arShowLevel.RemoveAll();
    for (int i = 0; i < nButtons; i++)
        m_arShowLevel.Add((DWORD)nTop);
    ShowLevel(m_nShowLevel);
}

void CToolBarEx::ShowLevel(int nLevel, BOOL bRecalc)
{
    if (m_hWnd == NULL)
        return;
    const int nButtons = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    m_nShowLevel = std::max(0, std::min(nLevel, GetShowLevelCount() - 1));
    for (int i = 0; i < nButtons; i++)
    {
        const BOOL bHide = GetButtonShowLevel(i) < m_nShowLevel;
        TBBUTTON button;
        _GetButton(i, &button);
        if (((button.fsState & TBSTATE_HIDDEN) != 0) == bHide)
            continue;
        if (button.idCommand != 0)
            DefWindowProc(TB_HIDEBUTTON, (WPARAM)button.idCommand, MAKELONG(bHide, 0));
        else
        {
            button.fsState ^= TBSTATE_HIDDEN;
            _SetButton(i, &button);
        }
    }
    m_bDelayedButtonLayout = TRUE;
    Invalidate();
    CFrameWnd* pFrame = bRecalc ? GetParentFrame() : NULL;
    if (pFrame != NULL)
        pFrame->DelayRecalcLayout();
}

int CToolBarEx::GetDeltaLevel()
{
    if (m_hWnd == NULL)
        return 0;
    CRect rect;
    GetClientRect(&rect);
    const CSize size = CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
    int nDelta = 0;
    if (size.cx >= rect.Width() - rect.Height())
        nDelta = 1;
    else if (m_nShowLevel > 0)
        nDelta = -1;
    const int nNew = std::max(0, std::min(m_nShowLevel + nDelta, GetShowLevelCount() - 1));
    return nNew - m_nShowLevel;
}

int CToolBarEx::CalcShowLevel()
{
    m_bInCalcShowLevel = TRUE;
    int nDelta = GetDeltaLevel();
    if (nDelta != 0)
    {
        ShowLevel(m_nShowLevel + nDelta, FALSE);
        for (;;)
        {
            const int nNext = GetDeltaLevel();
            if (nNext != 0 && nNext == nDelta)
            {
                ShowLevel(m_nShowLevel + nNext, FALSE);
                continue;
            }
            // showing one more made the bar too wide: take it back and stop
            if (nDelta < 0 && nNext > 0)
                ShowLevel(m_nShowLevel + nNext, FALSE);
            break;
        }
    }
    m_bInCalcShowLevel = FALSE;
    return m_nShowLevel;
}

void CToolBarEx::_GetButtonEx(int nIndex, TBBUTTON* pButton) const
{
    _GetButton(nIndex, pButton);
}

void CToolBarEx::_SetButtonEx(int nIndex, TBBUTTON* pButton)
{
    if (GetButtonShowLevel(nIndex) < m_nShowLevel)
        pButton->fsState |= TBSTATE_HIDDEN;
    else
        pButton->fsState &= ~TBSTATE_HIDDEN;
    _SetButton(nIndex, pButton);
}
