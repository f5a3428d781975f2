// ColorArray.cpp - CColorArray, the colour map.
#include "ColorArray.h"
#include "CustomColorIcons.h"
#include "OffscreenDC.h"
#include "ColorParam.h"
#include "frame/UILFrame.h"
#include "res/resource.h"
#include <math.h>

namespace
{
const UINT_PTR nHotTimer = 10;      // drops the hot cell once the mouse has left
const UINT nHotTimerElapse = 50;

struct SSortCommand
{
    UINT nID;
    unsigned long dwFlag;
};

const SSortCommand s_sortCommands[] =
{
    { ID_COLORMAP_SORT_RED, COLORSORT_RED },
    { ID_COLORMAP_SORT_GREEN, COLORSORT_GREEN },
    { ID_COLORMAP_SORT_BLUE, COLORSORT_BLUE },
    { ID_COLORMAP_SORT_HUE, COLORSORT_HUE },
    { ID_COLORMAP_SORT_SATURATION, COLORSORT_SATURATION },
    { ID_COLORMAP_SORT_BRIGHTNESS, COLORSORT_BRIGHTNESS },
    { ID_COLORMAP_SORT_GRAYSCALE, COLORSORT_GRAYSCALE },
    { ID_COLORMAP_SORT_REVERSE, COLORSORT_REVERSE },
    { ID_COLORMAP_GROUP_GRAYSCALE, COLORSORT_GROUPGRAY },
};
}

int CColorArray::m_bExpanded = 0;

BEGIN_MESSAGE_MAP(CColorArray, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_NCHITTEST()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CColorArray::CColorArray()
    : m_bShowMenu(1), m_bSmallMenu(0), m_dCellHeight(0.0), m_dCellWidth(0.0), m_nColumns(0),
      m_nRows(0), m_bEnableSelection2(1), m_bButtonDown(0), m_nHotIndex(-1), m_nCurSel(-1),
      m_nCurSel2(-1), m_nLastChanged(0), m_dwSortFlags(COLORSORT_SATURATION),
      m_dwOrderFlags(COLORSORT_SATURATION), m_nOrderedCount(0)
{
    CUILResourceScope resources;
    m_MenuImages.Create(IDB_COLORMAP_MENUCELL, 16, 3, RGB(255, 0, 255));
    m_mapCustomIcons.InitHashTable(10);
}

CColorArray::~CColorArray()
{
    m_MenuImages.DeleteImageList();
    m_mapCustomIcons.RemoveAll();
    if (m_ToolTip.m_hWnd != NULL)
        m_ToolTip.DestroyWindow();
    if (m_hWnd != NULL)
        DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Creation

BOOL CColorArray::SubclassDlgItemEx(UINT nID, CWnd* pParent)
{
    if (!SubclassDlgItem(nID, pParent))
        return FALSE;
    ModifyStyle(WS_BORDER, 0, SWP_FRAMECHANGED);
    ModifyStyleEx(WS_EX_STATICEDGE, 0, SWP_FRAMECHANGED);
    CreateToolTipCtrl();
    return TRUE;
}

BOOL CColorArray::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW));
    if (!CWnd::Create(lpszClass, NULL, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    CreateToolTipCtrl();
    return TRUE;
}

int CColorArray::CreateToolTipCtrl()
{
    if (m_ToolTip.m_hWnd == NULL && !m_ToolTip.Create(this))
        return 0;
    m_ToolTip.SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_ToolTip.Activate(TRUE);
    m_ToolTip.SetDelayTime(TTDT_INITIAL, 200);
    m_ToolTip.SetDelayTime(TTDT_RESHOW, 1);
    // the window may have been sized before there was a tooltip to give the cells to
    if (m_hWnd != NULL)
        CalcLinesRows();
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Items

int CColorArray::AddItem(unsigned long c, const char* lpszName)
{
    CString strName;
    if (lpszName != NULL)
        strName = lpszName;
    else
    {
        char szName[128];
        _snprintf(szName, sizeof(szName) - 1, "(%d,%d,%d)", (int)(c & 0xFF), (int)((c >> 8) & 0xFF),
            (int)((c >> 16) & 0xFF));
        szName[sizeof(szName) - 1] = '\0';
        strName = szName;
    }

    const BOOL bOrdered = IsOrdered();
    const int nIndex = FindInsertIndex(c, bOrdered);
    m_Names.InsertAt(nIndex, strName);
    m_Colors.InsertAt(nIndex, c);
    m_dwOrderFlags = m_dwSortFlags;
    m_nOrderedCount = bOrdered ? m_Colors.GetSize() : -1;
    return nIndex;
}

// The first index whose colour the new one goes before (CompareColors > 0), the count when there
// is none.  CompareColors orders by a key, so in a list that AddItem built under the same flags
// "goes before colour i" is false up to some index and true from there on: a binary search
// finds that index, which is where the walk from the start would stop.  Equal colours answer
// false, so a new one lands after all its equals.
int CColorArray::FindInsertIndex(unsigned long c, BOOL bOrdered) const
{
    const int nCount = (int)m_Colors.GetSize();
    if (!bOrdered)
    {
        for (int i = 0; i < nCount; i++)
        {
            if (CompareColors(c, m_Colors[i], m_dwSortFlags) > 0)
                return i;
        }
        return nCount;
    }
    int nLow = 0, nHigh = nCount;
    while (nLow < nHigh)
    {
        const int nMiddle = nLow + (nHigh - nLow) / 2;
        if (CompareColors(c, m_Colors[nMiddle], m_dwSortFlags) > 0)
            nHigh = nMiddle;
        else
            nLow = nMiddle + 1;
    }
    return nLow;
}

BOOL CColorArray::IsOrdered() const
{
    return m_Colors.GetSize() == 0 || (m_nOrderedCount == m_Colors.GetSize() && m_dwOrderFlags == m_dwSortFlags);
}

void CColorArray::ResetContent()
{
    m_Names.RemoveAll();
    m_Colors.RemoveAll();
    m_dwOrderFlags = m_dwSortFlags;
    m_nOrderedCount = 0;
    m_nCurSel = -1;
    m_nCurSel2 = -1;
}

int CColorArray::GetItemCount()
{
    return (int)m_Colors.GetSize() + (m_bShowMenu ? 1 : 0);
}

CString CColorArray::GetName(int nIndex)
{
    if (nIndex >= 0 && nIndex < m_Names.GetSize())
        return m_Names[nIndex];
    CUILResourceScope resources;
    CString strMenu;
    strMenu.LoadString(IDS_COLORMAP_MENU);
    return strMenu;
}

unsigned long CColorArray::GetColor(int nIndex)
{
    if (nIndex >= 0 && nIndex < m_Colors.GetSize())
        return m_Colors[nIndex];
    return ::GetSysColor(COLOR_BTNFACE);   // a value, not paint: the system's own
}

int CColorArray::GetColorIndex(unsigned long c)
{
    for (int i = 0; i < m_Colors.GetSize(); i++)
    {
        if (m_Colors[i] == c)
            return i;
    }
    return -1;
}

void CColorArray::AddCustomIcon(unsigned long c, HIMAGELIST hImageList)
{
    m_mapCustomIcons.SetAt(c, hImageList);
}

HIMAGELIST CColorArray::GetCustomIcon(unsigned long c)
{
    HIMAGELIST hImageList = NULL;
    return m_mapCustomIcons.Lookup(c, hImageList) ? hImageList : NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Layout

void CColorArray::CalcParams(CRect rc, int nCount, int& nRows, int& nColumns, double& dCellWidth,
    double& dCellHeight)
{
    const double dWidth = rc.Width(), dHeight = rc.Height();
    // the side of a square cell if the items covered the area exactly
    const double dSide = sqrt(dWidth * dHeight / nCount);
    if (dSide == 0.0 || dSide != dSide)
        return;

    int nCols = (int)(dWidth / dSide + 0.5);
    int nLines = (int)(dHeight / dSide + 0.5);
    // keep the smaller dimension and make the larger one hold every item
    if (nCols < nLines)
    {
        if (nCols <= 0)
            return;
        nLines = nCount / nCols;
        if (nLines * nCols < nCount)
            nLines++;
    }
    else
    {
        if (nLines <= 0)
            return;
        nCols = nCount / nLines;
        if (nCols * nLines < nCount)
            nCols++;
    }
    nRows = nLines;
    nColumns = nCols;
    dCellWidth = dWidth / nColumns;
    dCellHeight = dHeight / nRows;
}

void CColorArray::CalcLinesRows()
{
    CRect rc;
    GetClientRect(&rc);
    const int nCount = GetItemCount();
    CalcParams(rc, nCount, m_nRows, m_nColumns, m_dCellWidth, m_dCellHeight);
    if (m_nColumns == 0 || m_ToolTip.m_hWnd == NULL)
        return;

    TTTOOLINFOA ti;
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    while (m_ToolTip.SendMessage(TTM_ENUMTOOLSA, 0, (LPARAM)&ti))
        m_ToolTip.SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ti);

    for (int i = 0; i < nCount; i++)
    {
        CRect rcItem;
        GetItemRect(i, rcItem);
        m_ToolTip.AddTool(this, GetName(i), &rcItem, i + 1);
    }
}

void CColorArray::CalcMinRect(int nRows, int nColumns, CRect& rc, int nCellSize)
{
    rc.right = rc.left + nCellSize * nColumns;
    rc.bottom = rc.top + nCellSize * nRows;
}

void CColorArray::GetItemRect(int nIndex, CRect& rc)
{
    if (nIndex < 0 || nIndex > GetItemCount())
    {
        rc.SetRectEmpty();
        return;
    }
    if (m_nColumns == 0)
        return;
    const int nRow = nIndex / m_nColumns, nColumn = nIndex % m_nColumns;
    rc.SetRect((int)(nColumn * m_dCellWidth), (int)(nRow * m_dCellHeight),
        (int)((nColumn + 1) * m_dCellWidth), (int)((nRow + 1) * m_dCellHeight));
}

int CColorArray::GetHitItem(CPoint point)
{
    const int nCount = GetItemCount();
    for (int i = 0; i < nCount; i++)
    {
        CRect rc(0, 0, 0, 0);
        GetItemRect(i, rc);
        if (rc.PtInRect(point))
            return i;
    }
    return -1;
}

/////////////////////////////////////////////////////////////////////////////
// Selection

void CColorArray::InvalidateItem(int nIndex)
{
    if (nIndex < 0 || m_hWnd == NULL)
        return;
    CRect rc(0, 0, 0, 0);
    GetItemRect(nIndex, rc);
    if (!rc.IsRectEmpty())
        InvalidateRect(&rc, FALSE);
}

void CColorArray::ChangeSelection(int& nSelection, int nIndex)
{
    if (nIndex == nSelection)
        return;
    const int nOld = nSelection;
    nSelection = nIndex;
    if (::IsWindow(m_hWnd))
    {
        InvalidateItem(nOld);
        InvalidateItem(nIndex);
    }
}

void CColorArray::SetCurentSelection(int nIndex)
{
    ChangeSelection(m_nCurSel, nIndex);
}

void CColorArray::SetCurentSelection2(int nIndex)
{
    ChangeSelection(m_bEnableSelection2 ? m_nCurSel2 : m_nCurSel, nIndex);
}

void CColorArray::OnSelChange()
{
    m_nLastChanged = 0;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->PostMessage(WM_COMMAND, (WPARAM)GetDlgCtrlID(), 0);
}

void CColorArray::OnSelChange2()
{
    m_nLastChanged = 1;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->PostMessage(WM_COMMAND, (WPARAM)GetDlgCtrlID(), 0);
}

/////////////////////////////////////////////////////////////////////////////
// Sort menu

void CColorArray::DoMenu()
{
    CMenu menu;
    {
        CUILResourceScope resources;
        if (!menu.LoadMenu(IDR_COLORMAP_POPUP))
            return;
    }
    CMenu* pPopup = menu.GetSubMenu(m_bSmallMenu ? 1 : 0);
    if (pPopup == NULL)
        return;

    for (const SSortCommand& cmd : s_sortCommands)
        pPopup->CheckMenuItem(cmd.nID, MF_BYCOMMAND | ((m_dwSortFlags & cmd.dwFlag) ? MF_CHECKED : MF_UNCHECKED));
    if (!m_bSmallMenu)
    {
        pPopup->CheckMenuItem(ID_COLORMAP_HEXADECIMAL,
            MF_BYCOMMAND | (CColorParam::m_bHexValues ? MF_CHECKED : MF_UNCHECKED));
        pPopup->CheckMenuItem(ID_COLORMAP_ADVANCED_VIEW,
            MF_BYCOMMAND | (m_bExpanded ? MF_CHECKED : MF_UNCHECKED));
    }

    CRect rcCell(0, 0, 0, 0);
    GetItemRect((int)m_Colors.GetSize(), rcCell);
    CPoint pt(rcCell.left, rcCell.bottom);
    ClientToScreen(&pt);
    const UINT nCmd = (UINT)pPopup->TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
        pt.x, pt.y, this);
    menu.DestroyMenu();

    unsigned long dwFlags = m_dwSortFlags;
    switch (nCmd)
    {
    case ID_COLORMAP_SORT_REVERSE:
        dwFlags ^= COLORSORT_REVERSE;
        break;
    case ID_COLORMAP_GROUP_GRAYSCALE:
        dwFlags ^= COLORSORT_GROUPGRAY;
        break;
    default:
        {
            BOOL bKey = FALSE;
            for (const SSortCommand& cmd : s_sortCommands)
            {
                if (cmd.nID == nCmd && (cmd.dwFlag & COLORSORT_KEYMASK) != 0)
                {
                    dwFlags = (dwFlags & COLORSORT_MODIFIERS) | cmd.dwFlag;
                    bKey = TRUE;
                }
            }
            if (!bKey)
            {
                CWnd* pParent = GetParent();
                if (pParent != NULL)
                    pParent->PostMessage(WM_COMMAND, (WPARAM)nCmd, 0);
                return;
            }
        }
    }
    m_dwSortFlags = dwFlags;
    Resort();
}

void CColorArray::Resort()
{
    // Both selections are found again by their colour, so they stay on what the user picked.
    const int nColors = (int)m_Colors.GetSize();
    const BOOL bSel = m_nCurSel >= 0 && m_nCurSel < nColors;
    const BOOL bSel2 = m_nCurSel2 >= 0 && m_nCurSel2 < nColors;
    const unsigned long cSel = bSel ? m_Colors[m_nCurSel] : 0;
    const unsigned long cSel2 = bSel2 ? m_Colors[m_nCurSel2] : 0;
    const int nSel = m_nCurSel, nSel2 = m_nCurSel2;

    CStringArray names;
    names.Copy(m_Names);
    CDWordArray colors;
    colors.Copy(m_Colors);
    ResetContent();
    for (int i = 0; i < colors.GetSize(); i++)
        AddItem(colors[i], names[i]);

    m_nCurSel = bSel ? GetColorIndex(cSel) : nSel;
    m_nCurSel2 = bSel2 ? GetColorIndex(cSel2) : nSel2;
    if (::IsWindow(m_hWnd))
    {
        CalcLinesRows();
        Invalidate();
        UpdateWindow();
    }
}

/////////////////////////////////////////////////////////////////////////////
// Painting

BOOL CColorArray::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;    // OnPaint covers every pixel
}

void CColorArray::DrawItem(CDC* pDC, int nIndex)
{
    CRect rc(0, 0, 0, 0);
    GetItemRect(nIndex, rc);
    if (rc.IsRectEmpty())
        return;
    const COLORREF clrFace = GetControlSysColor(COLOR_BTNFACE);
    pDC->FillSolidRect(&rc, clrFace);

    const BOOL bSelected = nIndex == m_nCurSel || nIndex == m_nCurSel2;
    const BOOL bHot = nIndex == m_nHotIndex;
    CRect r = rc;
    if (bSelected || bHot)
    {
        CBrush brush(GetControlSysColor(COLOR_HIGHLIGHT));
        pDC->FrameRect(&r, &brush);
    }
    r.DeflateRect(1, 1);
    if ((bSelected || (bHot && m_bButtonDown)) && !r.IsRectEmpty())
    {
        CBrush brush(GetControlSysColor(COLOR_WINDOW));
        pDC->FrameRect(&r, &brush);
    }
    r.DeflateRect(1, 1);
    if (r.IsRectEmpty())
        return;

    if (nIndex >= m_Colors.GetSize())
    {
        DrawColorIcon(m_MenuImages.GetSafeHandle(), pDC->GetSafeHdc(), &r);
        return;
    }
    const unsigned long c = m_Colors[nIndex];
    CBrush border(GetControlSysColor(COLOR_BTNSHADOW));
    pDC->FrameRect(&r, &border);
    r.DeflateRect(1, 1);
    if (r.IsRectEmpty())
        return;
    if (!IsSpecialColor(c))
        pDC->FillSolidRect(&r, c);
    else if (HIMAGELIST hIcon = GetCustomIcon(c))
        DrawColorIcon(hIcon, pDC->GetSafeHdc(), &r);
    else
        g_CustomColorIcons.Draw(c, pDC->GetSafeHdc(), &r);
}

void CColorArray::OnPaint()
{
    CPaintDC dc(this);
    if (m_nRows == 0 || m_nColumns == 0)
        CalcLinesRows();

    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    COffscreenDC dcMem(dc, rcClient, GetControlSysColor(COLOR_BTNFACE));
    const CRect rcUpdate = dcMem.GetUpdateRect();
    const int nCount = GetItemCount();
    for (int i = 0; i < nCount; i++)
    {
        CRect rc(0, 0, 0, 0), rcMeet;
        GetItemRect(i, rc);
        if (rcMeet.IntersectRect(&rc, &rcUpdate))
            DrawItem(&dcMem, i);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void CColorArray::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    CalcLinesRows();
    Invalidate();
}

LRESULT CColorArray::OnNcHitTest(CPoint /*point*/)
{
    // a static without SS_NOTIFY, taken over by SubclassDlgItemEx, would let the mouse through
    return HTCLIENT;
}

void CColorArray::RestartHotTimer()
{
    KillTimer(nHotTimer);
    SetTimer(nHotTimer, nHotTimerElapse, NULL);
}

void CColorArray::SetHotIndex(int nHit, BOOL bRedrawSame)
{
    if (nHit == m_nHotIndex && !bRedrawSame)
        return;
    if (nHit != m_nHotIndex)
        InvalidateItem(m_nHotIndex);
    m_nHotIndex = nHit;
    InvalidateItem(nHit);
}

void CColorArray::OnMouseMove(UINT nFlags, CPoint point)
{
    const int nHit = GetHitItem(point);
    SetHotIndex(nHit, FALSE);
    m_bButtonDown = (nFlags & (MK_LBUTTON | MK_RBUTTON)) != 0;
    RestartHotTimer();

    if (nHit >= 0 && m_ToolTip.m_hWnd != NULL)
    {
        m_ToolTip.UpdateTipText(GetName(nHit), this, nHit + 1);
        MSG msg = *GetCurrentMessage();
        msg.hwnd = m_hWnd;
        m_ToolTip.RelayEvent(&msg);
    }
}

BOOL CColorArray::OnButtonDown(CPoint point, BOOL bSecond)
{
    // the cell pressed is redrawn even when it was hot already: it now shows the pressed band
    const int nHit = GetHitItem(point);
    SetHotIndex(nHit, TRUE);
    RestartHotTimer();
    return !bSecond && m_bShowMenu && nHit == (int)m_Colors.GetSize();
}

void CColorArray::OnButtonUp(CPoint point, BOOL bSecond)
{
    const int nHit = GetHitItem(point);
    const BOOL bMenuCell = m_bShowMenu && nHit == (int)m_Colors.GetSize();
    if (!bMenuCell && m_bButtonDown && nHit < GetItemCount())
    {
        if (bSecond)
        {
            SetCurentSelection2(nHit);
            OnSelChange2();
        }
        else
        {
            SetCurentSelection(nHit);
            OnSelChange();
        }
    }
    m_bButtonDown = 0;
    if (::IsWindow(m_hWnd))
    {
        InvalidateItem(m_nHotIndex);
        InvalidateItem(nHit);
        RestartHotTimer();
    }
}

void CColorArray::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bButtonDown = (nFlags & MK_LBUTTON) != 0;
    if (OnButtonDown(point, FALSE))
    {
        DoMenu();
        // the menu took the button's release
        m_bButtonDown = 0;
        InvalidateItem((int)m_Colors.GetSize());
    }
}

// A static, which the map usually takes over, turns a quick second click into a double click;
// to the map every click is a press of its own.
void CColorArray::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CColorArray::OnRButtonDblClk(UINT nFlags, CPoint point)
{
    OnRButtonDown(nFlags, point);
}

void CColorArray::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    OnButtonUp(point, FALSE);
}

void CColorArray::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bExpanded && !m_bEnableSelection2)
        return;
    m_bButtonDown = (nFlags & MK_RBUTTON) != 0;
    OnButtonDown(point, TRUE);
}

void CColorArray::OnRButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (!m_bExpanded && !m_bEnableSelection2)
        return;
    OnButtonUp(point, TRUE);
}

void CColorArray::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != nHotTimer)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(pt))
    {
        InvalidateItem(m_nHotIndex);
        m_nHotIndex = -1;
        KillTimer(nHotTimer);
    }
    else
        SetTimer(nHotTimer, nHotTimerElapse, NULL);
}
