// ToolPalettes.cpp - the palettes manager's lists and menu, the window packet's window list.
#include "ToolPalettes.h"
#include "../frame/UILMessages.h"
#include "../frame/UILFrame.h"
#include "Band.h"
#include "resource.h"

/////////////////////////////////////////////////////////////////////////////
// CWndPacket

IMPLEMENT_DYNAMIC(CWndPacket, CWnd)

CWndPacket::CWndPacket()
    : m_nActive(-1)
{
}

CWndPacket::~CWndPacket()
{
}

int CWndPacket::AddWnd(CWnd* pWnd)
{
    if (pWnd == NULL)
        return -1;
    int nIndex = FindWnd(pWnd);
    if (nIndex < 0)
        nIndex = (int)m_arrWnds.Add(pWnd);
    if (m_nActive < 0)
        m_nActive = nIndex;
    return nIndex;
}

int CWndPacket::RemoveWnd(CWnd* pWnd)
{
    const int nIndex = FindWnd(pWnd);
    if (nIndex < 0)
        return 0;
    m_arrWnds.RemoveAt(nIndex);
    if (m_nActive >= GetWndCount())
        m_nActive = GetWndCount() - 1;
    return 1;
}

CWnd* CWndPacket::GetWnd(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetWndCount() ? (CWnd*)m_arrWnds[nIndex] : NULL;
}

int CWndPacket::FindWnd(CWnd* pWnd) const
{
    for (int i = 0; i < GetWndCount(); i++)
        if (m_arrWnds[i] == pWnd)
            return i;
    return -1;
}

int CWndPacket::ActivateWnd(int nIndex)
{
    if (GetWnd(nIndex) == NULL)
        return 0;
    m_nActive = nIndex;
    for (int i = 0; i < GetWndCount(); i++)
    {
        CWnd* pWnd = GetWnd(i);
        if (pWnd->GetSafeHwnd() != NULL)
            pWnd->ShowWindow(i == nIndex ? SW_SHOWNA : SW_HIDE);
    }
    return 1;
}

CSize CWndPacket::GetMinSize() const
{
    return CSize(26, 26);
}

CWndPacket* FindParentWndPacket(CWnd* pWnd)
{
    for (HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pPermanent = CWnd::FromHandlePermanent(hWnd);
        if (pPermanent != NULL && pPermanent->IsKindOf(RUNTIME_CLASS(CWndPacket)))
            return (CWndPacket*)pPermanent;
    }
    return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CToolPalettes

IMPLEMENT_DYNAMIC(CToolPalettes, CObject)

namespace
{
int FindHandle(const CDWordArray& arr, HWND hWnd)
{
    for (int i = 0; i < (int)arr.GetSize(); i++)
        if ((HWND)(DWORD_PTR)arr[i] == hWnd)
            return i;
    return -1;
}

// Window handles keep their 32 significant bits on 64-bit Windows, which is why the lists can be
// DWORD arrays.
int AddHandleOnce(CDWordArray& arr, HWND hWnd)
{
    const int nIndex = FindHandle(arr, hWnd);
    return nIndex >= 0 ? nIndex : (int)arr.Add((DWORD)(DWORD_PTR)hWnd);
}

int RemoveHandle(CDWordArray& arr, HWND hWnd)
{
    const int nIndex = FindHandle(arr, hWnd);
    if (nIndex >= 0)
        arr.RemoveAt(nIndex);
    return nIndex;
}
}

CToolPalettes::CToolPalettes()
    : m_bAutoRollUp(0)
{
}

CToolPalettes::~CToolPalettes()
{
}

int CToolPalettes::SetWindowCollapsed(HWND hWnd, int bCollapsed)
{
    if (hWnd == NULL)
        return -1;
    if (bCollapsed)
    {
        RemoveHandle(m_arrAutoExpanded, hWnd);
        return AddHandleOnce(m_arrCollapsed, hWnd);
    }
    const int nIndex = RemoveHandle(m_arrCollapsed, hWnd);
    if (m_bAutoRollUp)
        return AddHandleOnce(m_arrAutoExpanded, hWnd);
    return nIndex;
}

int CToolPalettes::SetWindowAutoExpanded(HWND hWnd, int bExpanded)
{
    if (hWnd == NULL)
        return -1;
    if (bExpanded)
    {
        RemoveHandle(m_arrCollapsed, hWnd);
        return AddHandleOnce(m_arrAutoExpanded, hWnd);
    }
    return RemoveHandle(m_arrAutoExpanded, hWnd);
}

int CToolPalettes::IsWindowCollapsed(HWND hWnd) const
{
    return FindHandle(m_arrCollapsed, hWnd) >= 0;
}

int CToolPalettes::IsWindowAutoExpanded(HWND hWnd) const
{
    return FindHandle(m_arrAutoExpanded, hWnd) >= 0;
}

int CToolPalettes::AddPaletteWindow(CWnd* pWnd)
{
    if (pWnd == NULL)
        return -1;
    const int nIndex = FindPaletteWindow(pWnd);
    return nIndex >= 0 ? nIndex : (int)m_arrPaletteWnds.Add(pWnd);
}

int CToolPalettes::RemovePaletteWindow(CWnd* pWnd)
{
    const int nIndex = FindPaletteWindow(pWnd);
    if (nIndex >= 0)
        m_arrPaletteWnds.RemoveAt(nIndex);
    return nIndex;
}

int CToolPalettes::FindPaletteWindow(CWnd* pWnd) const
{
    for (int i = 0; i < (int)m_arrPaletteWnds.GetSize(); i++)
        if (m_arrPaletteWnds[i] == pWnd)
            return i;
    return -1;
}

UINT CToolPalettes::DoActivatePaletteMenu(CWnd* pWnd, CRect* pRect, WORD, CMenu* pMenu)
{
    if (pWnd == NULL || pMenu == NULL || pMenu->GetSafeHmenu() == NULL)
        return 0;
    CPoint pt(0, 0);
    if (pRect != NULL)
        pt = pRect->TopLeft();
    else
        ::GetCursorPos(&pt);
    pWnd->SendMessage(WM_INITMENUPOPUP, (WPARAM)pMenu->GetSafeHmenu(), 0);
    const UINT nCmd = (UINT)::TrackPopupMenu(pMenu->GetSafeHmenu(),
        TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, pt.x, pt.y, 0, pWnd->GetSafeHwnd(), NULL);
    pWnd->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    return nCmd;
}

int CToolPalettes::DoPaletteOptionsDlg()
{
    return 0;
}

CWndPacket* CToolPalettes::GetWndPacketFromPoint(CPoint)
{
    return NULL;
}

int CToolPalettes::DropPalette(CWnd*, CWnd*, const RECT*, POINT*)
{
    return 0;
}

int CToolPalettes::MakeWndPacketVisible(CWndPacket* pPacket)
{
    if (pPacket == NULL)
        return 0;
    for (CWnd* pWnd = pPacket; pWnd != NULL; pWnd = pWnd->GetParent())
        if (FindPaletteWindow(pWnd) >= 0)
        {
            pWnd->ShowWindow(SW_SHOWNA);
            return 1;
        }
    return 0;
}

CToolPalettes* GetPalettesManager(CWnd* pWnd)
{
    if (pWnd == NULL)
        pWnd = AfxGetMainWnd();
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return NULL;
    CToolPalettes* pManager = NULL;
    ::SendMessageA(pWnd->GetSafeHwnd(), WM_GET_PALETTES_MANAGER, (WPARAM)&pManager, 0);
    return pManager;
}

int SetPaletteCollapsed(HWND hWnd, int bCollapsed, CWnd* pWnd)
{
    CToolPalettes* pManager = GetPalettesManager(pWnd);
    return pManager != NULL ? pManager->SetWindowCollapsed(hWnd, bCollapsed) : -1;
}

void TrackPaletteMenu(CWnd* pWnd, CToolPalettes* pManager, int nPopup, DWORD dwBandStyle, BOOL bDockable,
    BOOL bCollapsed, CPoint ptScreen)
{
    if (pWnd == NULL || pManager == NULL)
        return;
    CMenu menu;
    {
        CUILResourceScope scope;
        if (!menu.LoadMenu(IDR_PALETTE_MENU))
            return;
    }
    CMenu* pPopup = menu.GetSubMenu(nPopup);
    if (pPopup == NULL)
        return;
    if (dwBandStyle & UIL_BANDSTYLE_NOOPTIONS)
        pPopup->DeleteMenu(ID_PALETTE_OPTIONS, MF_BYCOMMAND);
    pPopup->CheckMenuItem(UIL_SC_DOCKABLE, MF_BYCOMMAND | (bDockable ? MF_CHECKED : MF_UNCHECKED));
    pPopup->CheckMenuItem(UIL_SC_ROLLUP, MF_BYCOMMAND | (bCollapsed ? MF_CHECKED : MF_UNCHECKED));
    CRect rect(ptScreen, CSize(0, 0));
    const UINT nCmd = pManager->DoActivatePaletteMenu(pWnd, &rect, 0, pPopup);
    if (nCmd == ID_PALETTE_OPTIONS)
        pManager->DoPaletteOptionsDlg();
    else if (nCmd != 0 && nCmd <= 61440)
        pWnd->PostMessage(WM_COMMAND, nCmd, 0);
    else if (nCmd != 0)
        pWnd->PostMessage(WM_SYSCOMMAND, nCmd, 0);
}

/////////////////////////////////////////////////////////////////////////////
// SDropPaletteParams

SDropPaletteParams g_DropPaletteParams;

SDropPaletteParams::SDropPaletteParams()
    : m_pDragged(NULL), m_pTarget(NULL), m_rect(0, 0, 0, 0), m_bRectValid(0)
{
}

void SDropPaletteParams::Set(CWnd* pDragged, CWnd* pTarget, const RECT* pRect)
{
    m_pDragged = pDragged;
    m_pTarget = pTarget;
    m_bRectValid = pRect != NULL;
    m_rect = pRect != NULL ? CRect(*pRect) : CRect(0, 0, 0, 0);
}

BOOL SDropPaletteParams::DropPaletteDelay(CWnd* pDragged, CWnd* pTarget, const RECT* pRect)
{
    g_DropPaletteParams.Set(pDragged, pTarget, pRect);
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == NULL || pMain->GetSafeHwnd() == NULL)
        return FALSE;
    return ::PostMessageA(pMain->GetSafeHwnd(), WM_DROP_PALETTE, (WPARAM)&g_DropPaletteParams, 0);
}
