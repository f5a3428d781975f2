// ColorPopup.cpp - CColorPopup and RunColorSelector.
#include "ColorPopup.h"
#include <afxdlgs.h>
#include "frame/UILFrame.h"
#include "res/resource.h"

/////////////////////////////////////////////////////////////////////////////
// RunColorSelector

unsigned long RunColorSelector(unsigned long c, RECT* pAnchor, unsigned short wFlags)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && pMainWnd->GetSafeHwnd() != NULL)
    {
        SPickColorValue value = { c, 0 };
        SPickColorRequest request = { pAnchor, (ULONG_PTR)wFlags };
        if (pMainWnd->SendMessage(WM_PICKCOLOR, (WPARAM)&value, (LPARAM)&request) != 0)
            return value.dwColor;
    }
    else
        pMainWnd = NULL;

    // flags name a picker only the host has: the library has nothing to offer then
    if (wFlags != 0)
        return (unsigned long)-1;

    CColorDialog dlg(IsSpecialColor(c) ? 0 : c, CC_FULLOPEN | CC_SOLIDCOLOR, pMainWnd);
    if (dlg.DoModal() != IDOK)
        return (unsigned long)-1;
    return dlg.GetColor();
}

/////////////////////////////////////////////////////////////////////////////
// CColorPopup

namespace
{
// slider IDs and their channels, in the order of CColorPopup::m_Params
const UINT s_nParamIDs[6] = { IDC_COLORPOPUP_RED, IDC_COLORPOPUP_GREEN, IDC_COLORPOPUP_BLUE,
    IDC_COLORPOPUP_HUE, IDC_COLORPOPUP_SATURATION, IDC_COLORPOPUP_BRIGHTNESS };
const unsigned short s_wParamTypes[6] = { 0x3001, 0x3002, 0x3004, 0x3010, 0x3020, 0x3040 };

// controls that keep their distance from the bottom right corner
const UINT s_nCornerIDs[] = { IDC_COLORPOPUP_OLDLABEL, IDC_COLORPOPUP_NEWLABEL, IDC_COLORPOPUP_OLD,
    IDC_COLORPOPUP_NEW, IDC_COLORPOPUP_ADD, IDC_COLORPOPUP_RESET, IDCANCEL, IDOK };
}

CRect CColorPopup::m_PopupRect(0, 0, 0, 0);

BEGIN_MESSAGE_MAP(CColorPopup, CDialog)
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_HSCROLL()
    ON_COMMAND(IDC_COLORPOPUP_MAP, OnColormap)
    ON_COMMAND(IDC_COLORPOPUP_RED, OnColorParam)
    ON_COMMAND(IDC_COLORPOPUP_GREEN, OnColorParam)
    ON_COMMAND(IDC_COLORPOPUP_BLUE, OnColorParam)
    ON_COMMAND(IDC_COLORPOPUP_HUE, OnColorParam)
    ON_COMMAND(IDC_COLORPOPUP_SATURATION, OnColorParam)
    ON_COMMAND(IDC_COLORPOPUP_BRIGHTNESS, OnColorParam)
    ON_COMMAND(IDC_COLORPOPUP_ADD, OnAdd)
    ON_COMMAND(IDC_COLORPOPUP_NEW, OnNewcolor)
    ON_COMMAND(IDC_COLORPOPUP_RESET, OnReset)
    ON_COMMAND(IDC_COLORPOPUP_OLD, OnOldcolor)
    ON_COMMAND(ID_COLORMAP_HEXADECIMAL, OnHexValues)
    ON_COMMAND(ID_COLORMAP_ADVANCED_VIEW, OnExpand)
END_MESSAGE_MAP()

CColorPopup::CColorPopup(CWnd* pParent)
    : CDialog(IDD_COLORPOPUP, pParent), m_AnchorRect(0, 0, 0, 0), m_ClientRect(0, 0, 0, 0),
      m_TemplateRect(0, 0, 0, 0), m_Color((unsigned long)-1), m_dwBaseColor((unsigned long)-1),
      m_bColorsAdded(0), m_bCloseOnDeactivate(0)
{
}

CColorPopup::~CColorPopup()
{
}

INT_PTR CColorPopup::DoModal()
{
    CUILResourceScope resources;
    return CDialog::DoModal();
}

BOOL CColorPopup::DestroyWindow()
{
    if (m_hWnd != NULL)
        GetWindowRect(&m_PopupRect);
    return CDialog::DestroyWindow();
}

BOOL CColorPopup::OnInitDialog()
{
    CUILResourceScope resources;
    CDialog::OnInitDialog();

    NONCLIENTMETRICSA ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(&ncm.lfMenuFont);

    m_OldColor.SubclassDlgItem(IDC_COLORPOPUP_OLD, this);
    m_NewColor.SubclassDlgItem(IDC_COLORPOPUP_NEW, this);
    m_ColorMap.SubclassDlgItemEx(IDC_COLORPOPUP_MAP, this);
    m_ColorMap.m_bEnableSelection2 = 0;
    for (int i = 0; i < 6; i++)
        m_Params[i].SubclassDlgItemEx(s_nParamIDs[i], this, s_wParamTypes[i], &m_Color, &m_Font);

    if (m_dwBaseColor != (unsigned long)-1)
        SetBaseColor(m_dwBaseColor);

    GetWindowRect(&m_TemplateRect);
    int cx = m_TemplateRect.Width(), cy = m_TemplateRect.Height();
    if (!m_PopupRect.IsRectEmpty())
        cx = m_PopupRect.Width(), cy = m_PopupRect.Height();

    // cells below 20 pixels are hard to hit: grow (or shrink) the popup to the grid's minimum
    if (m_ColorMap.GetItemCount() > 0)
    {
        CRect rcMap = GetCtrlRect(IDC_COLORPOPUP_MAP);
        rcMap.right += cx - m_TemplateRect.Width();
        rcMap.bottom += cy - m_TemplateRect.Height();
        int nRows = 0, nColumns = 0;
        double dCellWidth = 0.0, dCellHeight = 0.0;
        m_ColorMap.CalcParams(rcMap, m_ColorMap.GetItemCount(), nRows, nColumns, dCellWidth, dCellHeight);
        if (nRows > 0 && nColumns > 0 && (dCellWidth < 20.0 || dCellHeight < 20.0))
        {
            CRect rcMin = rcMap;
            m_ColorMap.CalcMinRect(nRows, nColumns, rcMin, 20);
            if (rcMin.Width() > rcMap.Width() || rcMin.Height() > rcMap.Height())
            {
                cx += rcMin.Width() - rcMap.Width();
                cy += rcMin.Height() - rcMap.Height();
            }
        }
    }

    const CRect rcWindow = CalcPopupRect(cx, cy);
    SetWindowPos(NULL, rcWindow.left, rcWindow.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetClientRect(&m_ClientRect);
    SetWindowPos(NULL, 0, 0, rcWindow.Width(), rcWindow.Height(),
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    // a size equal to the template's sends no WM_SIZE: the views still have to be set up
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient == m_ClientRect)
        LayoutControls(0, 0, rcClient.Width(), rcClient.Height());
    return TRUE;
}

CRect CColorPopup::CalcPopupRect(int cx, int cy)
{
    CRect rc(0, 0, cx, cy);
    if (m_AnchorRect.IsRectEmpty())
    {
        // centred over a visible owner, else on the monitor's work area, as a dialog is
        CWnd* pOwner = GetOwner();
        CRect rcOver;
        if (pOwner != NULL && pOwner->GetSafeHwnd() != NULL && pOwner->IsWindowVisible())
            pOwner->GetWindowRect(&rcOver);
        else
            rcOver = GetMonitorWorkArea(m_hWnd);
        rc.OffsetRect(rcOver.left + (rcOver.Width() - cx) / 2, rcOver.top + (rcOver.Height() - cy) / 2);
        return rc;
    }

    const CRect rcMonitor = GetMonitorRect(m_AnchorRect.CenterPoint());
    rc.OffsetRect(m_AnchorRect.left, m_AnchorRect.bottom);
    if (rc.right > rcMonitor.right)
        rc.OffsetRect(m_AnchorRect.right - rc.right, 0);
    if (rc.bottom > rcMonitor.bottom)
        rc.OffsetRect(0, m_AnchorRect.top - cy - rc.top);
    return rc;
}

CRect CColorPopup::GetCtrlRect(UINT nID)
{
    CRect rc(0, 0, 0, 0);
    CWnd* pCtrl = GetDlgItem(nID);
    if (pCtrl != NULL)
    {
        pCtrl->GetWindowRect(&rc);
        ScreenToClient(&rc);
    }
    return rc;
}

int CColorPopup::GetAdvancedHeight()
{
    return GetCtrlRect(IDCANCEL).bottom - GetCtrlRect(IDC_COLORPOPUP_RED).top;
}

void CColorPopup::SetBaseColor(unsigned long c)
{
    m_dwBaseColor = c;
    if (m_OldColor.m_hWnd != NULL)
        m_OldColor.SetColor(c);
    SelectColor(c);
}

void CColorPopup::SelectColor(unsigned long c)
{
    m_Color = c;
    UpdateControls();
}

void CColorPopup::UpdateControls()
{
    if (m_hWnd == NULL)
        return;
    const unsigned long c = (unsigned long)m_Color;
    m_NewColor.SetColor(c);
    const int nIndex = m_ColorMap.GetColorIndex(c);
    if (m_ColorMap.m_hWnd != NULL)
        m_ColorMap.SetCurentSelection(nIndex);
    else
        m_ColorMap.m_nCurSel = nIndex;
    for (CColorParam& param : m_Params)
    {
        if (param.m_hWnd != NULL)
            param.UpdateControl();
    }
    CWnd* pAdd = GetDlgItem(IDC_COLORPOPUP_ADD);
    if (pAdd != NULL)
        pAdd->EnableWindow(nIndex < 0);
    CWnd* pReset = GetDlgItem(IDC_COLORPOPUP_RESET);
    if (pReset != NULL)
        pReset->EnableWindow(!(m_Color == m_dwBaseColor));
}

void CColorPopup::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_ClientRect.IsRectNull() || nType == SIZE_MINIMIZED)
        return;
    const int dx = cx - m_ClientRect.Width(), dy = cy - m_ClientRect.Height();
    m_ClientRect.SetRect(0, 0, cx, cy);
    LayoutControls(dx, dy, cx, cy);
}

void CColorPopup::LayoutControls(int dx, int dy, int cx, int cy)
{
    struct SMove
    {
        UINT nID;
        CRect rc;
    };
    SMove moves[18];
    int nMoves = 0;
    auto add = [&](UINT nID, const CRect& rc) { moves[nMoves].nID = nID; moves[nMoves].rc = rc; nMoves++; };

    // the sliders: two columns under the map, each half the width
    for (int i = 0; i < 6; i++)
    {
        CRect rc = GetCtrlRect(s_nParamIDs[i]);
        rc.OffsetRect(0, dy);
        if (i < 3)
            rc.left = 2, rc.right = cx / 2 - 1;
        else
            rc.left = cx / 2 + 1, rc.right = cx - 2;
        add(s_nParamIDs[i], rc);
    }
    const int nSlidersTop = moves[0].rc.top;
    CRect rcLine = GetCtrlRect(IDC_COLORPOPUP_LINE);
    rcLine.OffsetRect(0, dy);
    rcLine.right += dx;
    add(IDC_COLORPOPUP_LINE, rcLine);
    for (UINT nID : s_nCornerIDs)
    {
        CRect rc = GetCtrlRect(nID);
        rc.OffsetRect(dx, dy);
        add(nID, rc);
    }
    CRect rcMap = GetCtrlRect(IDC_COLORPOPUP_MAP);
    rcMap.right += dx;
    rcMap.bottom = CColorArray::m_bExpanded ? nSlidersTop - 2 : cy - 2;
    add(IDC_COLORPOPUP_MAP, rcMap);

    const UINT nShow = CColorArray::m_bExpanded ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    HDWP hdwp = ::BeginDeferWindowPos(nMoves);
    for (int i = 0; i < nMoves; i++)
    {
        HWND hCtrl = ::GetDlgItem(m_hWnd, moves[i].nID);
        if (hCtrl == NULL || hdwp == NULL)
            continue;
        const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | (moves[i].nID == IDC_COLORPOPUP_MAP ? 0 : nShow);
        hdwp = ::DeferWindowPos(hdwp, hCtrl, NULL, moves[i].rc.left, moves[i].rc.top,
            moves[i].rc.Width(), moves[i].rc.Height(), nFlags);
    }
    if (hdwp != NULL)
        ::EndDeferWindowPos(hdwp);
}

void CColorPopup::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CDialog::OnGetMinMaxInfo(lpMMI);
    if (m_TemplateRect.IsRectEmpty())
        return;
    lpMMI->ptMinTrackSize.x = m_TemplateRect.Width();
    lpMMI->ptMinTrackSize.y = CColorArray::m_bExpanded ? m_TemplateRect.Height()
        : m_TemplateRect.Height() - GetAdvancedHeight();
}

void CColorPopup::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CDialog::OnWindowPosChanging(lpwndpos);
    // Another window taking the place on top sends exactly these of the documented flags (the
    // system may add its private client-area bits 0x0800 and 0x1000).
    const UINT nDocumented = 0x07FF | SWP_DEFERERASE | SWP_ASYNCWINDOWPOS;
    if (m_bCloseOnDeactivate && (m_nFlags & WF_CONTINUEMODAL) &&
        (lpwndpos->flags & nDocumented) == (SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE))
        OnCancel();
}

void CColorPopup::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    UpdateControls();
    CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CColorPopup::OnColormap()
{
    const int nIndex = m_ColorMap.m_nCurSel;
    if (nIndex < 0 || nIndex >= (int)m_ColorMap.m_Colors.GetSize())
        return;
    SelectColor(m_ColorMap.GetColor(nIndex));
    if (m_ColorMap.m_nLastChanged == 0)
        OnOK();
}

void CColorPopup::OnColorParam()
{
    OnAdd();
}

void CColorPopup::OnAdd()
{
    const unsigned long c = (unsigned long)m_Color;
    if (m_ColorMap.GetColorIndex(c) >= 0)
        return;
    const int nIndex = m_ColorMap.AddItem(c, NULL);
    m_ColorMap.CalcLinesRows();
    m_ColorMap.SetCurentSelection(nIndex);
    m_ColorMap.Invalidate();
    m_AddedColors.Add(c);
    m_bColorsAdded = 1;
    UpdateControls();
}

void CColorPopup::OnNewcolor()
{
    OnAdd();
    OnOK();
}

void CColorPopup::OnReset()
{
    SelectColor(m_dwBaseColor);
}

void CColorPopup::OnOldcolor()
{
    OnReset();
}

void CColorPopup::OnHexValues()
{
    CColorParam::m_bHexValues = !CColorParam::m_bHexValues;
    for (CColorParam& param : m_Params)
    {
        if (param.m_Spin.m_hWnd != NULL)
            param.m_Spin.SetBase(CColorParam::m_bHexValues ? 16 : 10);
        if (param.m_hWnd != NULL)
            param.UpdateControl();
    }
}

void CColorPopup::OnExpand()
{
    const int nHeight = GetAdvancedHeight();
    CColorArray::m_bExpanded = !CColorArray::m_bExpanded;
    CRect rc;
    GetWindowRect(&rc);
    const int cy = rc.Height() + (CColorArray::m_bExpanded ? nHeight : -nHeight);
    SetWindowPos(NULL, 0, 0, rc.Width(), cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
