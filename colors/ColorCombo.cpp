// ColorCombo.cpp - CColorCombo.
#include "ColorCombo.h"
#include "ColorPopup.h"
#include "CustomColorIcons.h"
#include "frame/UILFrame.h"
#include <stdio.h>

BEGIN_MESSAGE_MAP(CColorCombo, CComboBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CColorCombo::CColorCombo() : m_bPopupMode(1), m_hFont(NULL)
{
}

CColorCombo::~CColorCombo()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
}

BOOL CColorCombo::Create(const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CComboBox::Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
            CBS_HASSTRINGS, rect, pParentWnd, nID))
        return FALSE;
    if (m_hFont == NULL)
    {
        NONCLIENTMETRICSA ncm;
        memset(&ncm, 0, sizeof(ncm));
        ncm.cbSize = sizeof(ncm);
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
        m_hFont = ::CreateFontIndirectA(&ncm.lfMenuFont);
    }
    SendMessage(WM_SETFONT, (WPARAM)m_hFont, TRUE);
    return TRUE;
}

int CColorCombo::AddItem(unsigned long c, const char* lpszName)
{
    char szName[128];
    if (lpszName == NULL)
    {
        unsigned char r, g, b;
        ::GetRGB(c, r, g, b);
        snprintf(szName, sizeof(szName), "%d,%d,%d", r, g, b);
        lpszName = szName;
    }
    const int nIndex = AddString(lpszName);
    if (nIndex >= 0)
        SetItemData(nIndex, (DWORD_PTR)c);
    return nIndex;
}

unsigned long CColorCombo::GetColor(int nIndex)
{
    if (nIndex < 0 || m_hWnd == NULL || nIndex >= GetCount())
        return (unsigned long)-1;
    return (unsigned long)GetItemData(nIndex);
}

void CColorCombo::GetName(int nIndex, char* lpszName)
{
    if (lpszName == NULL)
        return;
    lpszName[0] = '\0';
    if (nIndex < 0 || m_hWnd == NULL || nIndex >= GetCount())
        return;
    const int nLength = GetLBTextLen(nIndex);
    if (nLength < 0)
        return;
    if (nLength < 256)
    {
        GetLBText(nIndex, lpszName);
        return;
    }
    // the callers' buffers are 256 bytes
    CString strName;
    GetLBText(nIndex, strName);
    lstrcpynA(lpszName, strName, 256);
}

int CColorCombo::GetIndex(unsigned long c)
{
    if (m_hWnd == NULL)
        return -1;
    const int nCount = GetCount();
    for (int i = 0; i < nCount; i++)
    {
        if ((unsigned long)GetItemData(i) == c)
            return i;
    }
    return -1;
}

int CColorCombo::CompareItem(LPCOMPAREITEMSTRUCT /*lpCompareItemStruct*/)
{
    return 0;
}

void CColorCombo::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    // WM_MEASUREITEM comes while the control is being made: measure with the font it will get
    HDC hDC = ::GetDC(NULL);
    HFONT hFont = m_hFont != NULL ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    TEXTMETRICA tm;
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    lpMIS->itemHeight = tm.tmHeight;
}

void CColorCombo::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS->itemAction & ODA_DRAWENTIRE)
        DrawEntireItem(lpDIS);
    else
    {
        if (lpDIS->itemAction & ODA_SELECT)
            HandleSelectionState(lpDIS);
        if (lpDIS->itemAction & ODA_FOCUS)
            HandleFocusState(lpDIS);
    }
}

void CColorCombo::DrawEntireItem(LPDRAWITEMSTRUCT lpDIS)
{
    HandleSelectionState(lpDIS);
    HandleFocusState(lpDIS);
}

void CColorCombo::HandleSelectionState(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rcItem(lpDIS->rcItem);
    CRect rcBack = rcItem;
    if (rcBack.left > 0)
        rcBack.InflateRect(2, 2);
    pDC->FillSolidRect(&rcBack, GetControlSysColor(COLOR_WINDOW));
    if ((int)lpDIS->itemID < 0)
        return;

    const unsigned long c = (unsigned long)lpDIS->itemData;
    COLORREF clrText = RGB(0, 0, 0);
    if (IsSpecialColor(c))
        g_CustomColorIcons.Draw(c, lpDIS->hDC, &rcItem);
    else
    {
        pDC->FillSolidRect(&rcItem, c);
        unsigned char r, g, b;
        ::GetRGB(c, r, g, b);
        if (0.299 * r + 0.587 * g + 0.114 * b < 127.0)
            clrText = RGB(255, 255, 255);
    }
    CString strName;
    GetLBText((int)lpDIS->itemID, strName);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    pDC->DrawText(strName, &rcItem, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CColorCombo::HandleFocusState(LPDRAWITEMSTRUCT lpDIS)
{
    // DrawFocusRect inverts: drawing it again takes it away
    if ((lpDIS->itemState & ODS_FOCUS) || (lpDIS->itemAction & ODA_FOCUS))
        ::DrawFocusRect(lpDIS->hDC, &lpDIS->rcItem);
}

void CColorCombo::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bPopupMode)
    {
        CComboBox::OnLButtonDown(nFlags, point);
        return;
    }
    DoPopup();
}

void CColorCombo::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bPopupMode)
        CComboBox::OnLButtonUp(nFlags, point);
}

void CColorCombo::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!m_bPopupMode)
    {
        CComboBox::OnLButtonDblClk(nFlags, point);
        return;
    }
    DoPopup();
}

void CColorCombo::DoPopup()
{
    CColorPopup popup(NULL);
    const int nCount = GetCount();
    for (int i = 0; i < nCount; i++)
    {
        char szName[256];
        GetName(i, szName);
        popup.m_ColorMap.AddItem(GetColor(i), szName);
    }
    const int nSel = GetCurSel();
    const unsigned long cOld = GetColor(nSel);
    if (nSel >= 0)
        popup.SetColor(cOld);
    GetWindowRect(&popup.m_AnchorRect);
    popup.m_bCloseOnDeactivate = 1;
    if (popup.DoModal() != IDOK)
        return;
    if (m_hWnd == NULL)
        return;

    if (popup.m_bColorsAdded)
    {
        ResetContent();
        const int nItems = (int)popup.m_ColorMap.m_Colors.GetSize();
        for (int i = 0; i < nItems; i++)
            AddItem(popup.m_ColorMap.m_Colors[i], popup.m_ColorMap.m_Names[i]);
    }
    // the items may stand elsewhere now: select by colour, but report only a new colour
    const unsigned long cNew = popup.GetColor();
    const int nNew = GetIndex(cNew);
    if (nNew < 0)
        return;
    SetCurSel(nNew);
    CWnd* pParent = GetParent();
    if (cNew != cOld && pParent != NULL)
        pParent->PostMessage(WM_COMMAND, (WPARAM)GetDlgCtrlID(), 0);
}
