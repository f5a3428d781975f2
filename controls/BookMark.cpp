// BookMark.cpp - CBookMark, the tab strip: tabs, layout and scrolling, selection, the tab menu
// and the window picker.
#include "BookMark.h"
#include "frame/UILFrameImpl.h"
#include "res/resource.h"
#include <afxtempl.h>
#include <algorithm>

namespace
{
// hidden tabs and scroll buttons: no size, no move, no activation, hide, no copy bits
const UINT nHideFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_NOCOPYBITS;
const UINT nPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE;
// a tab starts this far beyond the strip's edge (see the tab's drawing)
const int nHiddenEdge = 2;
const int nMaxMenuText = 64;
const int nMaxTipText = 80;
// a window's paint messages are all handled in fewer rounds than this

// The tab menu and the host's extended menu: one pair for the module, rebuilt for every menu.
CMenu s_menuTabs;
CMenu s_menuExtended;

void PlaceWindow(CWnd& wnd, int x, int y, int cx, int cy, UINT nFlags)
{
    if (wnd.m_hWnd != NULL)
        wnd.SetWindowPos(NULL, x, y, cx, cy, nFlags | nPlaceFlags);
}

void HideWindow(CWnd& wnd)
{
    if (wnd.m_hWnd != NULL)
        wnd.SetWindowPos(NULL, 0, 0, 0, 0, nHideFlags | SWP_NOZORDER);
}

}

IMPLEMENT_DYNAMIC(CBookMark, CWnd)

BEGIN_MESSAGE_MAP(CBookMark, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_DESTROY()
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, &CBookMark::OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CBookMark::OnToolTipText)
END_MESSAGE_MAP()

CBookMark::CBookMark()
    : m_rectClient(0, 0, 0, 0), m_dwBMStyle(0), m_nTotalCX(0), m_nTotalCY(0), m_nCount(0), m_nCurSel(-1),
      m_nFirstVisible(-1), m_hNotifyWnd(NULL), m_nBaseCmdID(BM_ID_FIRSTTAB), m_hPickedWnd(NULL)
{
}

CBookMark::~CBookMark()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

int CBookMark::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwBMStyle)
{
    m_dwBMStyle = dwBMStyle;
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW));
    if (!CWnd::Create(lpszClass, "BookMark", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect, pParentWnd, nID))
        return 0;
    GetClientRect(&m_rectClient);
    const int h = m_rectClient.Height();
    const CRect rectBack(0, 2, h, h - 1);
    const CRect rectForward = rectBack + CPoint(h + 1, 0);
    const DWORD dwButtonStyle = WS_CHILD | WS_VISIBLE | WS_DISABLED;
    if (!m_btnBack.Create(TRUE, dwButtonStyle, rectBack, this, BM_ID_SCROLLBACK)
        || !m_btnForward.Create(FALSE, dwButtonStyle, rectForward, this, BM_ID_SCROLLFORWARD))
        return 0;
    m_btnBack.SetVertical((m_dwBMStyle & BMS_VERTMASK) != 0);
    m_btnForward.SetVertical((m_dwBMStyle & BMS_VERTMASK) != 0);
    ShowWindow(SW_SHOW);
    EnableToolTips(TRUE);
    return 1;
}

CBookMarkButton* CBookMark::GetButton(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_arrMarks.GetSize() ? m_arrMarks[nIndex] : NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Tabs

CBookMarkButton* CBookMark::NewMark(LPCSTR lpszText, int nIndex)
{
    // a first guess at its size, as if the tabs shared the strip less the scroll buttons; the
    // layout that follows gives the real one
    GetClientRect(&m_rectClient);
    const int h = m_rectClient.Height();
    const int w = (m_rectClient.Width() - (2 * h + 4)) / (m_nCount + 1) - 1;
    CBookMarkButton* pButton = new CBookMarkButton;
    if (!pButton->Create(lpszText, CRect(0, 0, w, h), this, BM_ID_FIRSTTAB + nIndex))
    {
        delete pButton;
        return NULL;
    }
    pButton->SetBMStyle(m_dwBMStyle & BMS_VERTMASK);
    return pButton;
}

int CBookMark::AddMark(LPCSTR lpszText)
{
    CBookMarkButton* pButton = NewMark(lpszText, m_nCount);
    if (pButton == NULL)
        return 0;
    const int nIndex = (int)m_arrMarks.Add(pButton);
    if (nIndex > 0)
    {
        CBookMarkButton* pLast = m_arrMarks[nIndex - 1];
        pLast->ModifyState(BMB_LAST, 0);
        pButton->ModifyState(0, BMB_LAST | ((pLast->GetState() & BMB_SELECTED) ? BMB_AFTERSELECTED : 0));
    }
    else
    {
        pButton->ModifyState(0, BMB_FIRST | BMB_LAST | BMB_SELECTED);
        m_nCurSel = 0;
        m_nFirstVisible = 0;
    }
    m_nCount = (int)m_arrMarks.GetSize();
    ResizeButtons(SWP_SHOWWINDOW);
    Invalidate();
    return nIndex;
}

int CBookMark::InsertMark(int nIndex, LPCSTR lpszText)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return 0;
    CBookMarkButton* pButton = NewMark(lpszText, nIndex);
    if (pButton == NULL)
        return 0;
    m_arrMarks.InsertAt(nIndex, pButton);
    m_nCount = (int)m_arrMarks.GetSize();
    m_nCurSel = GetCurSel();
    Renumber();
    for (int i = 0; i < m_nCount; i++)
    {
        UINT nAdd = 0;
        if (i == 0)
            nAdd |= BMB_FIRST;
        if (i == m_nCount - 1)
            nAdd |= BMB_LAST;
        if (m_nCurSel >= 0 && i == m_nCurSel - 1)
            nAdd |= BMB_BEFORESELECTED;
        if (m_nCurSel >= 0 && i == m_nCurSel + 1)
            nAdd |= BMB_AFTERSELECTED;
        m_arrMarks[i]->ModifyState(BMB_FIRST | BMB_LAST | BMB_BEFORESELECTED | BMB_AFTERSELECTED, nAdd);
    }
    ResizeButtons(SWP_SHOWWINDOW);
    Invalidate();
    return 1;
}

int CBookMark::RemoveMark(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return 0;
    ResetActFlags();
    CBookMarkButton* pButton = m_arrMarks[nIndex];
    m_arrMarks.RemoveAt(nIndex);
    pButton->DestroyWindow();       // it deletes itself
    m_nCount = (int)m_arrMarks.GetSize();
    Renumber();
    if (nIndex < m_nCurSel)
        m_nCurSel--;
    if (m_nCount == 0)
    {
        m_nCurSel = -1;
        m_btnBack.EnableWindow(FALSE);
        m_btnForward.EnableWindow(FALSE);
        Invalidate();
        return 1;
    }
    if (m_nCurSel >= m_nCount)
        m_nCurSel = m_nCount - 1;
    SetCurSel(m_nCurSel);
    ResizeButtons(SWP_SHOWWINDOW);
    Invalidate();
    return 1;
}

void CBookMark::Renumber()
{
    for (int i = 0; i < m_arrMarks.GetSize(); i++)
    {
        CBookMarkButton* pButton = m_arrMarks[i];
        pButton->m_nID = BM_ID_FIRSTTAB + i;
        pButton->SetDlgCtrlID(BM_ID_FIRSTTAB + i);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Selection

int CBookMark::GetCurSel() const
{
    for (int i = 0; i < m_arrMarks.GetSize(); i++)
    {
        if (m_arrMarks[i]->GetState() & BMB_SELECTED)
            return i;
    }
    return -1;
}

void CBookMark::ResetActFlags(const RECT* lpRect)
{
    const int nLast = (int)m_arrMarks.GetSize() - 1;
    for (int i = 0; i <= nLast; i++)
    {
        CBookMarkButton* pButton = m_arrMarks[i];
        if (pButton->GetState() & BMB_SELECTIONMASK)
            pButton->ModifyState(BMB_SELECTIONMASK, 0);
        pButton->ModifyState(BMB_FIRST | BMB_LAST, (i == 0 ? BMB_FIRST : 0) | (i == nLast ? BMB_LAST : 0));
    }
    if (lpRect != NULL && m_hWnd != NULL)
        InvalidateRect(lpRect);
}

int CBookMark::SetCurSel(int nIndex, const RECT* lpRect)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return m_nCurSel;
    m_arrMarks[nIndex]->ModifyState(0, BMB_SELECTED);
    if (nIndex > 0)
        m_arrMarks[nIndex - 1]->ModifyState(0, BMB_BEFORESELECTED);
    if (nIndex < m_nCount - 1)
        m_arrMarks[nIndex + 1]->ModifyState(0, BMB_AFTERSELECTED);
    m_arrMarks[0]->ModifyState(0, BMB_FIRST);
    m_arrMarks[m_nCount - 1]->ModifyState(0, BMB_LAST);
    m_nCurSel = GetCurSel();
    ArrangeButtons();
    RedrawWindow(lpRect, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return m_nCurSel;
}

UINT CBookMark::GetCmdID(int nIndex) const
{
    CBookMarkButton* pButton = GetButton(nIndex);
    return pButton != NULL ? pButton->m_nCmdID : 0;
}

void CBookMark::SetCmdID(int nIndex, UINT nCmdID)
{
    CBookMarkButton* pButton = GetButton(nIndex);
    if (pButton != NULL)
        pButton->m_nCmdID = nCmdID;
}

DWORD CBookMark::SetBMStyle(DWORD dwBMStyle)
{
    const DWORD dwOld = m_dwBMStyle;
    m_dwBMStyle = dwBMStyle;
    const bool bVert = (dwBMStyle & BMS_VERTMASK) != 0;
    m_btnBack.SetVertical(bVert);
    m_btnForward.SetVertical(bVert);
    for (int i = 0; i < m_arrMarks.GetSize(); i++)
        m_arrMarks[i]->SetBMStyle(dwBMStyle & BMS_VERTMASK);
    if (m_hWnd != NULL)
    {
        ResizeButtons(SWP_SHOWWINDOW);
        Invalidate();
    }
    return dwOld;
}

/////////////////////////////////////////////////////////////////////////////
// Layout

void CBookMark::HideScrollButtons()
{
    HideWindow(m_btnBack);
    HideWindow(m_btnForward);
}

void CBookMark::PlaceScrollButtons(const CRect& rectBack, const CRect& rectForward, UINT nFlags)
{
    const bool bVert = (m_dwBMStyle & BMS_VERTMASK) != 0;
    m_btnBack.SetVertical(bVert);
    m_btnForward.SetVertical(bVert);
    PlaceWindow(m_btnBack, rectBack.left, rectBack.top, rectBack.Width(), rectBack.Height(), nFlags);
    PlaceWindow(m_btnForward, rectForward.left, rectForward.top, rectForward.Width(), rectForward.Height(), nFlags);
}

void CBookMark::LayoutHorizontal(UINT nFlags)
{
    const int cx = m_rectClient.Width(), cy = m_rectClient.Height();
    int nLength = nTabsIndent;
    for (int i = 0; i < m_nCount; i++)
    {
        m_arrMarks[i]->SetBMStyle(0);
        nLength += m_arrMarks[i]->CalcSize(cy).cx;
    }
    const double dRatio = cx > 6 ? (double)nLength / (double)(cx - 6) : (double)nLength;
    const BOOL bFit = (m_dwBMStyle & BMS_FIT) != 0;

    int x = nTabsIndent;
    if (bFit)
        HideScrollButtons();
    else if (m_btnBack.m_hWnd != NULL && m_btnForward.m_hWnd != NULL)
    {
        PlaceScrollButtons(CRect(0, 3, nScrollButtonSize, cy - 1),
            CRect(nScrollButtonSize, 3, 2 * nScrollButtonSize, cy - 1), nFlags);
        x = nTabsIndentScroll;
    }

    // the length counts every tab, the scrolled-away ones too: it tells whether all would fit
    m_nTotalCX = x;
    m_nTotalCY = cy;
    for (int i = 0; i < m_nCount; i++)
    {
        CBookMarkButton* pButton = m_arrMarks[i];
        CSize size = pButton->ModifySize(cy);
        if (bFit && dRatio > 1.0)
            size.cx = (int)(size.cx / dRatio);
        m_nTotalCX += size.cx;
        if (i < m_nFirstVisible)
            HideWindow(*pButton);
        else
        {
            PlaceWindow(*pButton, x, -nHiddenEdge, size.cx, size.cy + nHiddenEdge, nFlags);
            x += size.cx;
        }
    }
}

void CBookMark::LayoutVertical(UINT nFlags)
{
    const int cx = m_rectClient.Width(), cy = m_rectClient.Height();
    const DWORD dwVert = m_dwBMStyle & BMS_VERTMASK;
    const BOOL bScrollBelow = dwVert == BMS_VERT_RIGHT;
    const BOOL bFit = (m_dwBMStyle & BMS_FIT) != 0;

    int y = nTabsIndent;
    // with the scroll buttons below, their room is kept whether they show or not (fit mode)
    int nMax = (cy - (bScrollBelow ? nTabsIndentScroll : nTabsIndent)) / m_nCount - 1;
    if (bFit)
        HideScrollButtons();
    else if (m_btnBack.m_hWnd != NULL && m_btnForward.m_hWnd != NULL)
    {
        const int nButtonWidth = cx - 4;
        if (bScrollBelow)
        {
            // the tabs keep their start at the top, clear of the buttons below
            PlaceScrollButtons(CRect(3, cy - 2 * nScrollButtonSize, 3 + nButtonWidth, cy - nScrollButtonSize),
                CRect(3, cy - nScrollButtonSize, 3 + nButtonWidth, cy), nFlags);
        }
        else
        {
            PlaceScrollButtons(CRect(1, 0, 1 + nButtonWidth, nScrollButtonSize),
                CRect(1, nScrollButtonSize, 1 + nButtonWidth, 2 * nScrollButtonSize), nFlags);
            y = nTabsIndentScroll;
        }
        nMax = (cy - nTabsIndentScroll) / m_nCount - 1;
    }
    nMax = std::max(nMax, cx);

    const int x = bScrollBelow ? -nHiddenEdge : 0;
    m_nTotalCX = cx;
    m_nTotalCY = nTabsIndentScroll;
    for (int i = 0; i < m_nCount; i++)
    {
        CBookMarkButton* pButton = m_arrMarks[i];
        pButton->SetBMStyle(dwVert);
        CSize size = pButton->ModifySize(cx);
        if (bFit)
            size.cy = std::min((int)size.cy, nMax);
        m_nTotalCY += size.cy;
        if (i < m_nFirstVisible)
            HideWindow(*pButton);
        else
        {
            PlaceWindow(*pButton, x, y, size.cx + nHiddenEdge, size.cy, nFlags);
            y += size.cy;
        }
    }
}

void CBookMark::ResizeButtons(UINT nFlags)
{
    if (m_hWnd == NULL)
        return;
    GetClientRect(&m_rectClient);
    if (m_nCount == 0 || m_rectClient.IsRectEmpty())
        return;

    const BOOL bVert = (m_dwBMStyle & BMS_VERTMASK) != 0;
    for (int nPass = 0; nPass < 2; nPass++)
    {
        if (bVert)
            LayoutVertical(nFlags);
        else
            LayoutHorizontal(nFlags);

        if (m_btnBack.m_hWnd == NULL || m_btnForward.m_hWnd == NULL)
            return;
        const int nExtent = bVert ? m_rectClient.Height() : m_rectClient.Width();
        const int nTotal = bVert ? m_nTotalCY : m_nTotalCX;
        if (m_nCount > 1 && nExtent <= nTotal)
        {
            m_btnBack.EnableWindow(TRUE);
            m_btnForward.EnableWindow(TRUE);
            return;
        }
        m_btnBack.EnableWindow(FALSE);
        m_btnForward.EnableWindow(FALSE);
        // everything fits: tabs scrolled away come back, which takes a second pass
        if (m_nFirstVisible <= 0)
        {
            m_nFirstVisible = 0;
            return;
        }
        m_nFirstVisible = 0;
    }
}

int CBookMark::ArrangeButtons()
{
    if (m_nCount == 0 || m_nCurSel < 0 || m_nCurSel >= m_nCount)
        return 0;
    if (m_nCurSel < m_nFirstVisible)
    {
        m_nFirstVisible = m_nCurSel;
        ResizeButtons(SWP_SHOWWINDOW);
        return 1;
    }
    // a tab may stand out past the strip's end by its own thickness before the strip scrolls
    CRect rectStrip, rectTab;
    GetWindowRect(&rectStrip);
    CBookMarkButton* pCurrent = m_arrMarks[m_nCurSel];
    pCurrent->GetWindowRect(&rectTab);
    BOOL bScrolled = FALSE;
    for (int nGuard = 0; nGuard < m_nCount && m_nCurSel > m_nFirstVisible
         && rectTab.right - rectTab.Height() > rectStrip.right; nGuard++)
    {
        m_nFirstVisible++;
        ResizeButtons(SWP_SHOWWINDOW);
        pCurrent->GetWindowRect(&rectTab);
        bScrolled = TRUE;
    }
    if (!bScrolled)
        ResizeButtons(SWP_NOREDRAW);
    return 1;
}

void CBookMark::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    GetClientRect(&m_rectClient);
    if (m_nCount == 0)
        return;
    if (m_rectClient.Width() > m_nTotalCX)
        m_nFirstVisible = 0;
    ResizeButtons(SWP_SHOWWINDOW);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CBookMark::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillSolidRect(&rect, GetControlSysColor(COLOR_BTNFACE));
    switch (m_dwBMStyle & BMS_VERTMASK)
    {
    case 0:
        dc.FillSolidRect(rect.left, rect.top, rect.Width(), 1, GetControlSysColor(COLOR_3DDKSHADOW));
        break;
    case BMS_VERT_RIGHT:
        dc.FillSolidRect(rect.left, rect.top, 1, rect.Height(), GetControlSysColor(COLOR_3DDKSHADOW));
        break;
    default:
        dc.FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), GetControlSysColor(COLOR_BTNHIGHLIGHT));
        break;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Commands

void CBookMark::PostCommand(UINT nID, LPARAM lParam, BOOL bTab)
{
    HWND hTarget = m_hNotifyWnd;
    if (hTarget != NULL)
    {
        if (bTab)
            lParam = 0;
    }
    else
        hTarget = ::GetParent(m_hWnd);
    if (hTarget != NULL)
        ::PostMessageA(hTarget, WM_COMMAND, (WPARAM)nID, lParam);
}

void CBookMark::DestroyMenus()
{
    if (s_menuTabs.m_hMenu != NULL)
        s_menuTabs.DestroyMenu();
    if (s_menuExtended.m_hMenu != NULL)
        s_menuExtended.DestroyMenu();
}

CMenu* CBookMark::GetExtendedMenu()
{
    return &s_menuExtended;
}

BOOL CBookMark::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // clicks of the buttons and menu choices; a double click on a tab is only its second press
    if (HIWORD(wParam) != 0)
        return CWnd::OnCommand(wParam, lParam);
    const UINT nID = LOWORD(wParam);

    if (nID >= BM_ID_FIRSTTAB && nID < (UINT)(BM_ID_FIRSTTAB + m_nCount))
    {
        const int nIndex = (int)(nID - BM_ID_FIRSTTAB);
        ResetActFlags();
        SetCurSel(nIndex);
        UINT nCmdID = GetCmdID(nIndex);
        if (nCmdID == 0)
            nCmdID = m_nBaseCmdID + nIndex;
        PostCommand(nCmdID, lParam, TRUE);
        CWnd* pTop = GetTopLevelParent();
        if (pTop != NULL)
            pTop->SetFocus();
        return TRUE;
    }

    if (nID >= BM_ID_FIRSTHOSTCMD && nID <= BM_ID_LASTHOSTCMD)
    {
        // the host asks the strip which of its entries it was
        m_strChosenHostText.Empty();
        if (s_menuExtended.m_hMenu == NULL
            || s_menuExtended.GetMenuString(nID, m_strChosenHostText, MF_BYCOMMAND) <= 0)
        {
            if (s_menuTabs.m_hMenu != NULL)
                s_menuTabs.GetMenuString(nID, m_strChosenHostText, MF_BYCOMMAND);
        }
    }
    else if (nID == BM_ID_PICKWINDOW)
    {
        // Handing the picked window to the window packet that holds the strip comes with the
        // window packets; until then the owner takes it from GetPickedWnd when this command
        // reaches it below.
        m_hPickedWnd = NULL;
        CWnd* pPicked = PickWindow();
        if (pPicked != NULL)
        {
            ::MessageBeep((UINT)-1);
            m_hPickedWnd = pPicked->m_hWnd;
        }
    }
    DestroyMenus();

    if (nID == BM_ID_SCROLLBACK)
    {
        if (m_nFirstVisible > 0)
        {
            m_nFirstVisible--;
            ResizeButtons(SWP_SHOWWINDOW);
            Invalidate();
        }
    }
    else if (nID == BM_ID_SCROLLFORWARD)
    {
        if (m_nFirstVisible >= 0 && m_nFirstVisible < m_nCount - 1)
        {
            m_nFirstVisible++;
            ResizeButtons(SWP_SHOWWINDOW);
            Invalidate();
        }
    }
    else
        PostCommand(nID, lParam, FALSE);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// The tab menu

int CBookMark::DoTabChoices(CPoint ptScreen)
{
    DestroyMenus();
    if (!s_menuTabs.CreatePopupMenu() || !s_menuExtended.CreatePopupMenu())
    {
        DestroyMenus();
        return 0;
    }
    for (int i = 0; i < m_nCount; i++)
    {
        CString strText;
        m_arrMarks[i]->GetWindowText(strText);
        strText = strText.Left(nMaxMenuText);
        s_menuTabs.AppendMenu(MF_STRING | (i == m_nCurSel ? MF_CHECKED : MF_UNCHECKED), BM_ID_FIRSTTAB + i, strText);
    }

    CWnd* pMain = AfxGetMainWnd();
    LRESULT lFilled = 0;
    if (pMain != NULL && ::IsWindow(pMain->m_hWnd))
        lFilled = pMain->SendMessage(WM_FILL_BOOKMARKS_EXTENDED_MENU, (WPARAM)&s_menuTabs, (LPARAM)GetDlgCtrlID());
    // what the host put into the extended menu is shown with the tabs, below a separator
    const int nExtended = (int)s_menuExtended.GetMenuItemCount();
    if (nExtended > 0)
    {
        s_menuTabs.AppendMenu(MF_SEPARATOR);
        for (int i = 0; i < nExtended; i++)
        {
            CString strText;
            s_menuExtended.GetMenuString(i, strText, MF_BYPOSITION);
            const UINT nItemID = s_menuExtended.GetMenuItemID(i);
            if (nItemID == 0 && strText.IsEmpty())
                s_menuTabs.AppendMenu(MF_SEPARATOR);
            else
                s_menuTabs.AppendMenu(MF_STRING, nItemID, strText);
        }
    }

    // a host that says nothing about the menu gets the prompt in its message bar
    CMessageBarPrompt prompt;
    if (lFilled == 0 && pMain != NULL && pMain->IsFrameWnd())
        prompt.Show((CFrameWnd*)pMain, IDS_BOOKMARK_CHOOSETAB);
    const UINT nChosen = (UINT)s_menuTabs.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
        ptScreen.x, ptScreen.y, this);
    prompt.Restore();
    if (nChosen != 0 && m_hWnd != NULL)
        PostMessage(WM_COMMAND, (WPARAM)nChosen, 0);
    return 1;
}

void CBookMark::OnRButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    DoTabChoices(point);
}

void CBookMark::OnRButtonUp(UINT, CPoint)
{
    // no default: it would send WM_CONTEXTMENU on to the host's windows after the tab menu
}

void CBookMark::OnLButtonUp(UINT, CPoint)
{
    if (CWnd::GetCapture() == this)
        ::ReleaseCapture();
}

/////////////////////////////////////////////////////////////////////////////
// The window picker

CWnd* CBookMark::PickWindow()
{
    // the screen is locked while the user picks: what is on it must be painted first
    DispatchPendingPaint();
    int bLocked = 0;
    HDC hDC = LockDesktopDC(bLocked);
    ::ReleaseCapture();
    SetCapture();
    HCURSOR hOldCursor = ::SetCursor(::LoadCursorA(NULL, IDC_CROSS));

    HWND hPicked = NULL;
    MSG msg;
    while (::GetCapture() == m_hWnd)
    {
        if (!::GetMessageA(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_SETCURSOR)
            continue;
        if (msg.message == WM_LBUTTONUP)
        {
            POINT pt = { (short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam) };
            ::ClientToScreen(msg.hwnd, &pt);
            hPicked = ::WindowFromPoint(pt);
            break;
        }
        if (msg.message == WM_RBUTTONDOWN)
            break;
        ::DispatchMessageA(&msg);
    }

    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ::SetCursor(hOldCursor);
    UnlockDesktopDC(hDC, bLocked);
    return hPicked != NULL ? CWnd::FromHandle(hPicked) : NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Tooltips

BOOL CBookMark::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    TOOLTIPTEXTA* pTextA = (TOOLTIPTEXTA*)pNMHDR;
    TOOLTIPTEXTW* pTextW = (TOOLTIPTEXTW*)pNMHDR;
    const BOOL bWide = pNMHDR->code == TTN_NEEDTEXTW;
    UINT_PTR nID = pNMHDR->idFrom;
    const UINT uFlags = bWide ? pTextW->uFlags : pTextA->uFlags;
    if (uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)::GetDlgCtrlID((HWND)nID);

    if (nID >= BM_ID_FIRSTTAB && nID < (UINT_PTR)(BM_ID_FIRSTTAB + m_nCount))
    {
        CString strText;
        m_arrMarks[(int)(nID - BM_ID_FIRSTTAB)]->GetWindowText(strText);
        if (bWide)
        {
            ::MultiByteToWideChar(CP_ACP, 0, strText, -1, pTextW->szText, nMaxTipText);
            pTextW->szText[nMaxTipText - 1] = 0;
        }
        else
            ::lstrcpynA(pTextA->szText, strText, nMaxTipText);
    }
    if (pResult != NULL)
        *pResult = 0;
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////

void CBookMark::OnDestroy()
{
    // the tabs delete themselves with their windows
    for (int i = 0; i < m_arrMarks.GetSize(); i++)
        m_arrMarks[i]->DestroyWindow();
    m_arrMarks.RemoveAll();
    m_nCount = 0;
    m_nCurSel = -1;
    m_nFirstVisible = -1;
    CWnd::OnDestroy();
}
