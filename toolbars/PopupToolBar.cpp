// PopupToolBar.cpp - CPopupToolBar, the flyout's owner-drawn menu, the module's tip state, and
// CToolTip2, the tip window.
#include "PopupToolBar.h"
#include "ToolBarEx.h"
#include "../frame/UILFrame.h"
#include <algorithm>

namespace
{
// the module-wide tip state of the flyouts (one menu is open at a time)
UINT s_nTipCommand = 0;
CRect s_rcTip(0, 0, 0, 0);
HICON s_hLastIcon = NULL;
CToolTip2* s_pTipWnd = NULL;
CFont* s_pTipFont = NULL;

// frees the tip window's object and the last icon when the module goes
struct STipStateCleanup
{
    ~STipStateCleanup()
    {
        if (s_hLastIcon != NULL)
            ::DestroyIcon(s_hLastIcon);
        s_hLastIcon = NULL;
        if (s_pTipWnd != NULL && s_pTipWnd->GetSafeHwnd() == NULL)
            delete s_pTipWnd;
        s_pTipWnd = NULL;
    }
} s_cleanup;
}

/////////////////////////////////////////////////////////////////////////////
// CPopupToolBar

IMPLEMENT_DYNAMIC(CPopupToolBar, CMenu)

CPopupToolBar::CPopupToolBar(CToolBar* pToolBar)
    : m_pToolBar(pToolBar), m_bHasSeparators(FALSE)
{
}

CPopupToolBar::~CPopupToolBar()
{
    DestroyMenu();
}

int CPopupToolBar::AppendFromToolBar(UINT nToolBarID, int nImageWidth, int bNewColumn)
{
    CTBarInfo info;
    if (!info.LoadToolBar(NULL, nToolBarID))
        return 0;
    return AppendFromTBarInfo(&info, nImageWidth, bNewColumn);
}

int CPopupToolBar::AppendFromTBarInfo(CTBarInfo* pInfo, int nImageWidth, int bNewColumn)
{
    if (pInfo == NULL || !pInfo->CreateImageList(m_imageList, nImageWidth))
        return 0;
    if (m_hMenu == NULL && !CreatePopupMenu())
        return 0;
    AppendEntries(pInfo->m_arIDs.GetData(), (int)pInfo->m_arIDs.GetSize(), bNewColumn);
    return 1;
}

void CPopupToolBar::AppendEntries(const UINT* pIDs, int nCount, int bNewColumn)
{
    // the entries' state comes from the frame that handles the toolbar's commands
    CFrameWnd* pFrame = NULL;
    if (m_pToolBar != NULL && m_pToolBar->GetSafeHwnd() != NULL)
    {
        CWnd* pOwner = m_pToolBar->GetOwner();
        pFrame = pOwner != NULL && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? (CFrameWnd*)pOwner
                                                                              : m_pToolBar->GetParentFrame();
    }
    int nImage = 0;
    BOOL bFirst = TRUE;
    for (int i = 0; i < nCount; i++)
    {
        if (pIDs[i] == 0)
        {
            AppendMenu(MF_SEPARATOR);
            m_bHasSeparators = TRUE;
            continue;
        }
        UINT nFlags = MF_OWNERDRAW;
        if (bFirst && bNewColumn)
            nFlags |= MF_MENUBREAK;
        bFirst = FALSE;
        AppendMenu(nFlags, pIDs[i], (LPCSTR)(UINT_PTR)nImage++);
        if (pFrame != NULL)
        {
            CCmdUI state;
            state.m_pMenu = this;
            state.m_nIndex = GetMenuItemCount() - 1;
            state.m_nIndexMax = state.m_nIndex + 1;
            state.m_nID = pIDs[i];
            state.DoUpdate(pFrame, TRUE);
        }
    }
}

void CPopupToolBar::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    const CSize sizeButton = m_pToolBar != NULL ? m_pToolBar->m_sizeButton : CSize(23, 22);
    lpMeasureItemStruct->itemHeight = (UINT)sizeButton.cy;
    // Windows adds the check-mark column to an owner-drawn entry; with separators in the menu
    // every entry is made as wide as the widest anyway
    lpMeasureItemStruct->itemWidth = m_bHasSeparators ? 0
        : (UINT)std::max(0L, sizeButton.cx - ::GetSystemMetrics(SM_CXMENUCHECK) + 7L);
}

void CPopupToolBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == NULL || lpDrawItemStruct->CtlType != ODT_MENU)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    const UINT nState = lpDrawItemStruct->itemState;
    const BOOL bSelected = (nState & ODS_SELECTED) != 0;
    const BOOL bChecked = (nState & ODS_CHECKED) != 0;
    const BOOL bDisabled = (nState & (ODS_DISABLED | ODS_GRAYED)) != 0;
    const COLORREF clrLight = GetMainWndSysColor(COLOR_3DHILIGHT, UIL_COLORCONTEXT_TOOLBAR);
    const COLORREF clrShadow = GetMainWndSysColor(COLOR_3DSHADOW, UIL_COLORCONTEXT_TOOLBAR);
    pDC->FillSolidRect(&rcItem, GetMainWndSysColor(COLOR_BTNFACE, UIL_COLORCONTEXT_TOOLBAR));

    int cxImage = 0, cyImage = 0;
    const int nImage = (int)lpDrawItemStruct->itemData;
    if (m_imageList.GetSafeHandle() == NULL || nImage < 0 || nImage >= m_imageList.GetImageCount()
        || !m_imageList.GetIconSize(&cxImage, &cyImage))
        return;
    CPoint pt(rcItem.left + (rcItem.Width() - cxImage) / 2, rcItem.top + (rcItem.Height() - cyImage) / 2);
    if (bSelected)
    {
        pDC->Draw3dRect(&rcItem, clrLight, clrShadow);
        pt.Offset(-1, -1);
        // the selected entry's tip follows in the flyout bar's tip timer
        CRect rcScreen(rcItem);
        HWND hMenuWnd = ::WindowFromDC(lpDrawItemStruct->hDC);
        if (hMenuWnd != NULL)
            ::MapWindowPoints(hMenuWnd, NULL, (LPPOINT)&rcScreen, 2);
        if (lpDrawItemStruct->itemID != s_nTipCommand)
            SetLastIcon(m_imageList.ExtractIcon(nImage));
        SetTipCommand(lpDrawItemStruct->itemID, &rcScreen);
    }
    else if (bChecked)
    {
        pDC->Draw3dRect(&rcItem, clrShadow, clrLight);
        pt.Offset(1, 1);
    }
    if (bDisabled)
    {
        HICON hIcon = m_imageList.ExtractIcon(nImage);
        ::DrawStateA(pDC->GetSafeHdc(), NULL, NULL, (LPARAM)hIcon, 0, pt.x, pt.y, cxImage, cyImage,
            DST_ICON | DSS_DISABLED);
        if (hIcon != NULL)
            ::DestroyIcon(hIcon);
    }
    else
        m_imageList.Draw(pDC, nImage, pt, ILD_TRANSPARENT);
}

UINT PASCAL CPopupToolBar::GetTipCommand()
{
    return s_nTipCommand;
}

void PASCAL CPopupToolBar::SetTipCommand(UINT nCommand, LPCRECT lpRectEntry)
{
    s_nTipCommand = nCommand;
    if (lpRectEntry != NULL)
        s_rcTip = *lpRectEntry;
    else if (nCommand == 0)
        s_rcTip.SetRectEmpty();
}

CRect PASCAL CPopupToolBar::GetTipRect()
{
    return s_rcTip;
}

HICON PASCAL CPopupToolBar::GetLastIcon()
{
    return s_hLastIcon;
}

void PASCAL CPopupToolBar::SetLastIcon(HICON hIcon)
{
    if (s_hLastIcon != NULL && s_hLastIcon != hIcon)
        ::DestroyIcon(s_hLastIcon);
    s_hLastIcon = hIcon;
}

CToolTip2* PASCAL CPopupToolBar::GetTipWnd(CWnd* pOwner)
{
    if (s_pTipWnd == NULL)
        s_pTipWnd = new CToolTip2;
    if (s_pTipWnd->GetSafeHwnd() == NULL && !s_pTipWnd->Create(pOwner))
        return NULL;
    return s_pTipWnd;
}

CToolTip2* PASCAL CPopupToolBar::FindTipWnd()
{
    return s_pTipWnd != NULL && s_pTipWnd->GetSafeHwnd() != NULL ? s_pTipWnd : NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CToolTip2

IMPLEMENT_DYNAMIC(CToolTip2, CWnd)

BEGIN_MESSAGE_MAP(CToolTip2, CWnd)
    ON_MESSAGE(WM_SETTEXT, &CToolTip2::OnSetText)
    ON_WM_PAINT()
    ON_MESSAGE(WM_DISABLEMODAL, &CToolTip2::OnDisableModal)
END_MESSAGE_MAP()

CToolTip2::CToolTip2()
    : m_ptAnchor(0, 0), m_nCommand(0)
{
}

CToolTip2::~CToolTip2()
{
    if (s_pTipWnd == this)
        s_pTipWnd = NULL;
    DestroyWindow();
}

BOOL CToolTip2::Create(CWnd* pOwner)
{
    LPCSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(NULL, IDC_ARROW));
    return CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, lpszClass, "", WS_POPUP | WS_BORDER, CRect(0, 0, 100, 100),
        pOwner, 0);
}

void PASCAL CToolTip2::SetTipFont(CFont* pFont)
{
    s_pTipFont = pFont;
}

CFont* PASCAL CToolTip2::GetTipFont()
{
    return s_pTipFont;
}

void CToolTip2::MeasureText(LPCSTR lpszText, CSize& sizeText, int& cxBlank)
{
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = s_pTipFont != NULL ? ::SelectObject(hDC, s_pTipFont->GetSafeHandle()) : NULL;
    SIZE size = { 0, 0 };
    ::GetTextExtentPoint32A(hDC, lpszText, lstrlenA(lpszText), &size);
    SIZE sizeBlank = { 0, 0 };
    ::GetTextExtentPoint32A(hDC, " ", 1, &sizeBlank);
    if (hOld != NULL)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    sizeText = size;
    cxBlank = sizeBlank.cx;
}

LRESULT CToolTip2::OnSetText(WPARAM, LPARAM lParam)
{
    const LRESULT lResult = Default();
    LPCSTR lpszText = lParam != 0 ? (LPCSTR)lParam : "";
    CSize sizeText;
    int cxBlank;
    MeasureText(lpszText, sizeText, cxBlank);
    const int cx = sizeText.cx + 2 * cxBlank;
    const int cy = sizeText.cy + 2;
    int x = m_ptAnchor.x;
    if (x + cx > ::GetSystemMetrics(SM_CXSCREEN))
    {
        // mirrored about the cursor: as far left of it as the anchor is right of it
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        x = ptCursor.x - (m_ptAnchor.x - ptCursor.x) - cx;
    }
    SetWindowPos(&wndTopMost, x, m_ptAnchor.y, cx, cy, SWP_NOACTIVATE);
    Invalidate();
    return lResult;
}

void CToolTip2::ShowBeside(const CRect& rcEntry, LPCSTR lpszText)
{
    if (m_hWnd == NULL || lpszText == NULL)
        return;
    CSize sizeText;
    int cxBlank;
    MeasureText(lpszText, sizeText, cxBlank);
    const int cx = sizeText.cx + 2 * cxBlank;
    const CRect rcMonitor = GetMonitorRect(rcEntry.TopLeft());
    m_ptAnchor = CPoint(rcEntry.right, rcEntry.top);
    if (rcEntry.right + cx > rcMonitor.right)
        m_ptAnchor.x = rcEntry.left - cx;
    // the message itself: the framework's SetWindowText skips an unchanged text, which must
    // still be placed anew
    SendMessage(WM_SETTEXT, 0, (LPARAM)lpszText);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CToolTip2::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillSolidRect(&rect, GetMainWndSysColor(COLOR_INFOBK, UIL_COLORCONTEXT_CONTROL));
    CString strText;
    GetWindowText(strText);
    CFont* pOld = s_pTipFont != NULL ? dc.SelectObject(s_pTipFont) : NULL;
    SIZE sizeBlank = { 0, 0 };
    ::GetTextExtentPoint32A(dc.GetSafeHdc(), " ", 1, &sizeBlank);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetMainWndSysColor(COLOR_INFOTEXT, UIL_COLORCONTEXT_CONTROL));
    dc.TextOut(sizeBlank.cx, 1, strText);
    if (pOld != NULL)
        dc.SelectObject(pOld);
}

LRESULT CToolTip2::OnDisableModal(WPARAM, LPARAM)
{
    // the tip must keep showing while a modal state disables the application's windows
    return 1;
}
