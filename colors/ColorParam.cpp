// ColorParam.cpp - CColorParam, the one-channel colour slider.
#include "ColorParam.h"
#include "OffscreenDC.h"
#include "frame/UILFrame.h"
#include "res/resource.h"
#include <stdio.h>

namespace
{
const UINT nEditID = 100;
const UINT nSpinID = 101;
const int nMargin = 4;          // around the strip, and between the label, the edit and the strip

// the channel names, in the order of the type bits red, green, blue, hue, saturation, brightness
const UINT s_nNameIDs[6] = { IDS_COLOR_RED, IDS_COLOR_GREEN, IDS_COLOR_BLUE, IDS_COLOR_HUE,
    IDS_COLOR_SATURATION, IDS_COLOR_BRIGHTNESS };

int NameIndex(unsigned short wChannel)
{
    switch (wChannel)
    {
    case COLORPARAM_RED: return 0;
    case COLORPARAM_GREEN: return 1;
    case COLORPARAM_BLUE: return 2;
    case COLORPARAM_HUE: return 3;
    case COLORPARAM_SATURATION: return 4;
    case COLORPARAM_BRIGHTNESS: return 5;
    }
    return -1;
}

// Form 0 is the name without its mnemonic marker ("Saturation"), form 1 the part before the
// marker ("Sat", or the whole name when it has none), form 2 the first letter.
CString LabelForm(const CString& strName, int nForm)
{
    CString strWhole(strName);
    strWhole.Remove('&');
    if (nForm == 0)
        return strWhole;
    if (nForm == 1)
    {
        const int nAmp = strName.Find('&');
        return nAmp < 0 ? strName : strName.Left(nAmp);
    }
    return strWhole.Left(1);
}

CString LoadChannelName(int nIndex)
{
    CUILResourceScope resources;
    CString str;
    str.LoadString(s_nNameIDs[nIndex]);
    return str;
}
}

int CColorParam::m_bHexValues = 0;

BEGIN_MESSAGE_MAP(CColorParam, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETFOCUS()
    ON_EN_CHANGE(nEditID, OnEditChange)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CColorParam::CColorParam()
    : m_wType(COLORPARAM_BRIGHTNESS), m_pColor(NULL), m_pFont(NULL), m_nTextForm(0),
      m_nEditWidth(0), m_nUpdate(0), m_nMarkPos(0), m_bDragging(0)
{
    m_nTextWidth[0] = m_nTextWidth[1] = m_nTextWidth[2] = 0;
}

CColorParam::~CColorParam()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Creation

BOOL CColorParam::Create(DWORD dwStyle, unsigned short wType, const RECT& rect, CWnd* pParentWnd,
    UINT nID, CFont* pFont)
{
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW));
    if (!CWnd::Create(lpszClass, NULL, dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID))
        return FALSE;
    Init(wType, pFont);
    return TRUE;
}

BOOL CColorParam::SubclassDlgItemEx(UINT nID, CWnd* pParent, unsigned short wType,
    CUILColor* pColor, CFont* pFont)
{
    if (!SubclassDlgItem(nID, pParent))
        return FALSE;
    ModifyStyle(WS_BORDER, WS_CLIPCHILDREN, SWP_FRAMECHANGED);
    ModifyStyleEx(WS_EX_STATICEDGE, 0, SWP_FRAMECHANGED);
    if (pColor != NULL)
        SetColorRef(pColor);
    Init(wType, pFont);
    return TRUE;
}

BOOL CColorParam::DestroyWindow()
{
    return CWnd::DestroyWindow();
}

CFont* CColorParam::GetLabelFont()
{
    CWnd* pParent = GetParent();
    CFont* pFont = pParent != NULL ? pParent->GetFont() : NULL;
    if (pFont == NULL)
        pFont = m_pFont;
    if (pFont == NULL)
        pFont = GetFont();
    if (pFont == NULL)
        pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    return pFont;
}

void CColorParam::Init(unsigned short wType, CFont* pFont)
{
    m_wType = wType;
    m_pFont = pFont;

    // the labels are measured in the font they are drawn with
    {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(GetLabelFont());
        for (int nForm = 0; nForm < 3; nForm++)
        {
            m_nTextWidth[nForm] = 0;
            for (int i = 0; i < 6; i++)
            {
                const int cx = dc.GetTextExtent(LabelForm(LoadChannelName(i), nForm)).cx;
                if (cx > m_nTextWidth[nForm])
                    m_nTextWidth[nForm] = cx;
            }
        }
        dc.SelectObject(m_pFont != NULL ? m_pFont :
            CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        m_nEditWidth = dc.GetTextExtent(CString("256--<->")).cx + 4;
        dc.SelectObject(pOldFont);
    }

    if ((m_wType & COLORPARAM_EDIT) && m_Edit.m_hWnd == NULL)
    {
        m_nUpdate++;
        CRect rcEdit;
        GetEditRect(rcEdit);
        if (m_Edit.Create(WS_CHILD | WS_VISIBLE, rcEdit, this, nEditID))
        {
            m_Edit.ModifyStyle(WS_BORDER, 0);
            m_Edit.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
            if (m_pFont != NULL)
                m_Edit.SetFont(m_pFont);
            if (!HasChannels())
            {
                m_Edit.SetWindowText("");
                m_Edit.EnableWindow(FALSE);
            }
            if (m_Spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT |
                UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_HORZ | UDS_NOTHOUSANDS, CRect(0, 0, 0, 0), this,
                nSpinID))
            {
                m_Spin.ModifyStyle(WS_BORDER, 0);
                m_Spin.ModifyStyleEx(0, WS_EX_STATICEDGE, SWP_FRAMECHANGED);
                m_Spin.SetRange32(0, GetChannelMax());
                m_Spin.SetBase(m_bHexValues ? 16 : 10);
            }
        }
        m_nUpdate--;
    }
    if (m_pFont != NULL)
        SetFont(m_pFont, FALSE);
    UpdateControl();
}

void CColorParam::SetColorRef(CUILColor* pColor)
{
    m_pColor = pColor;
}

void CColorParam::SetColor(unsigned long c)
{
    if (m_pColor == NULL || m_pColor->GetRGB() == c)
        return;
    m_pColor->SetRGB(c);
    UpdateControl();
}

/////////////////////////////////////////////////////////////////////////////
// Channel

unsigned short CColorParam::GetChannel() const
{
    static const unsigned short order[6] = { COLORPARAM_HUE, COLORPARAM_SATURATION,
        COLORPARAM_BRIGHTNESS, COLORPARAM_RED, COLORPARAM_GREEN, COLORPARAM_BLUE };
    for (unsigned short wBit : order)
    {
        if (m_wType & wBit)
            return wBit;
    }
    return 0;
}

int CColorParam::GetChannelMax() const
{
    return GetChannel() == COLORPARAM_HUE ? 359 : 255;
}

int CColorParam::GetChannelValue() const
{
    if (m_pColor == NULL)
        return 0;
    switch (GetChannel())
    {
    case COLORPARAM_HUE: return m_pColor->H();
    case COLORPARAM_SATURATION: return m_pColor->S();
    case COLORPARAM_BRIGHTNESS: return m_pColor->V();
    case COLORPARAM_RED: return m_pColor->R();
    case COLORPARAM_GREEN: return m_pColor->G();
    case COLORPARAM_BLUE: return m_pColor->B();
    }
    return 0;
}

BOOL CColorParam::HasChannels() const
{
    return m_pColor != NULL && !IsSpecialColor(m_pColor->GetRGB());
}

/////////////////////////////////////////////////////////////////////////////
// Geometry

int CColorParam::GetTextWidth()
{
    return m_nTextWidth[m_nTextForm < 0 || m_nTextForm > 2 ? 0 : m_nTextForm];
}

void CColorParam::GetBitmapRect(CRect& rc)
{
    GetClientRect(&rc);
    rc.DeflateRect(nMargin, nMargin);
    int nOffset = 0;
    if (m_wType & COLORPARAM_EDIT)
        nOffset += m_nEditWidth + nMargin;
    if (m_wType & COLORPARAM_LABEL)
    {
        // the longest form that leaves the strip at least half the width
        m_nTextForm = 2;
        for (int nForm = 0; nForm < 2; nForm++)
        {
            if ((nOffset + m_nTextWidth[nForm] + nMargin) * 2 < rc.Width())
            {
                m_nTextForm = nForm;
                break;
            }
        }
        nOffset += m_nTextWidth[m_nTextForm] + nMargin;
    }
    rc.left += nOffset;
}

void CColorParam::GetMarkRect(CRect& rc)
{
    CRect rcStrip;
    GetBitmapRect(rcStrip);
    rc = rcStrip;
    rc.InflateRect(2, 4);
    rc.left = rcStrip.left + m_nMarkPos - 4;
    rc.right = rcStrip.left + m_nMarkPos + 4;
}

void CColorParam::GetEditRect(CRect& rc)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_wType & COLORPARAM_LABEL)
    {
        CRect rcStrip;
        GetBitmapRect(rcStrip);     // chooses the label form
    }
    const int x = rcClient.left + ((m_wType & COLORPARAM_LABEL) ? GetTextWidth() + nMargin : 0);
    TEXTMETRICA tm;
    memset(&tm, 0, sizeof(tm));
    {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(m_pFont != NULL ? m_pFont :
            CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOldFont);
    }
    int cy = tm.tmHeight + 6;
    if (cy > rcClient.Height())
        cy = rcClient.Height();
    const int y = rcClient.top + (rcClient.Height() - cy) / 2;
    rc.SetRect(x, y, x + m_nEditWidth, y + cy);
}

int CColorParam::CalcPos()
{
    if (!HasChannels())
        return 0;
    CRect rcStrip;
    GetBitmapRect(rcStrip);
    const double dPos = rcStrip.Width() * (double)GetChannelValue() /
        (GetChannel() == COLORPARAM_HUE ? 359.0 : 255.0);
    const int nPos = (int)dPos;
    // a mark put by the mouse stays under the mouse while the value it set maps a pixel aside
    if (abs(m_nMarkPos - nPos) < 2)
        return m_nMarkPos;
    return nPos;
}

unsigned short CColorParam::GetNewValue(int x)
{
    CRect rcStrip;
    GetBitmapRect(rcStrip);
    const int cx = rcStrip.Width();
    if (cx <= 0)
        return 0;
    if (GetChannel() == COLORPARAM_HUE)
        return (unsigned short)(int)(x * 359.0 / cx);
    return (unsigned short)((int)(x * 255.0 / cx) & 0xFF);
}

void CColorParam::SetNewValue(unsigned short wValue, int bNotify)
{
    if (m_pColor == NULL)
        return;
    switch (GetChannel())
    {
    case COLORPARAM_HUE: m_pColor->SetH(wValue); break;
    case COLORPARAM_SATURATION: m_pColor->SetS((unsigned char)wValue); break;
    case COLORPARAM_BRIGHTNESS: m_pColor->SetV((unsigned char)wValue); break;
    case COLORPARAM_RED: m_pColor->SetR((unsigned char)wValue); break;
    case COLORPARAM_GREEN: m_pColor->SetG((unsigned char)wValue); break;
    case COLORPARAM_BLUE: m_pColor->SetB((unsigned char)wValue); break;
    default: return;
    }
    if (bNotify)
    {
        CWnd* pParent = GetParent();
        if (pParent != NULL)
            pParent->SendMessage(WM_HSCROLL, ((WPARAM)wValue << 16) | SB_THUMBPOSITION,
                (LPARAM)m_hWnd);
    }
}

int CColorParam::SetPos(int x)
{
    SetNewValue(GetNewValue(x), 1);
    // the owner usually updates every slider on the notification; a slider on its own follows too
    UpdateControl();
    return m_nMarkPos;
}

/////////////////////////////////////////////////////////////////////////////
// Gradient and edit box

void CColorParam::BuildGradient(const CRect& rcStrip)
{
    m_Gradient.DeleteObject();
    const int cx = rcStrip.Width(), cy = rcStrip.Height();
    if (cx <= 0 || cy <= 0 || !HasChannels())
        return;

    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;       // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap == NULL || pBits == NULL)
        return;

    const unsigned short wChannel = GetChannel();
    const CUILColor& c = *m_pColor;
    DWORD* pRow = (DWORD*)pBits;
    for (int x = 0; x < cx; x++)
    {
        unsigned long rgb = c.GetRGB() & 0xFFFFFF;
        const int v = wChannel == COLORPARAM_HUE ? (int)(x * 359.0 / cx) : (int)(x * 255.0 / cx);
        switch (wChannel)
        {
        case COLORPARAM_HUE: HSB2RGB((unsigned short)v, c.S(), c.V(), rgb); break;
        case COLORPARAM_SATURATION: HSB2RGB(c.H(), (unsigned char)v, c.V(), rgb); break;
        case COLORPARAM_BRIGHTNESS: HSB2RGB(c.H(), c.S(), (unsigned char)v, rgb); break;
        case COLORPARAM_RED: rgb = (rgb & 0xFFFF00) | (unsigned long)v; break;
        case COLORPARAM_GREEN: rgb = (rgb & 0xFF00FF) | ((unsigned long)v << 8); break;
        case COLORPARAM_BLUE: rgb = (rgb & 0x00FFFF) | ((unsigned long)v << 16); break;
        }
        // DIB pixels are blue, green, red from the low byte up
        pRow[x] = (DWORD)(GetBValue(rgb) | (GetGValue(rgb) << 8) | (GetRValue(rgb) << 16));
    }
    for (int y = 1; y < cy; y++)
        memcpy(pRow + (size_t)y * cx, pRow, (size_t)cx * sizeof(DWORD));
    m_Gradient.Attach(hBitmap);
}

void CColorParam::UpdateControl()
{
    if (m_hWnd == NULL)
        return;
    CRect rcStrip;
    GetBitmapRect(rcStrip);
    BuildGradient(rcStrip);

    if (HasChannels())
    {
        m_nMarkPos = CalcPos();
        if (m_Edit.m_hWnd != NULL && m_nUpdate < 1)
        {
            m_nUpdate++;
            if (m_Spin.m_hWnd != NULL)
                m_Spin.SetBase(m_bHexValues ? 16 : 10);
            char szValue[16];
            sprintf(szValue, m_bHexValues ? "%X" : "%d", GetChannelValue());
            m_Edit.EnableWindow(TRUE);
            m_Edit.SetWindowText(szValue);
            m_nUpdate--;
        }
    }
    else
    {
        if (m_Edit.m_hWnd != NULL)
        {
            m_nUpdate++;
            m_Edit.EnableWindow(FALSE);
            m_Edit.SetWindowText("");
            m_nUpdate--;
        }
        m_nMarkPos = 0;
    }
    Invalidate(FALSE);
    UpdateWindow();
}

void CColorParam::OnEditChange()
{
    if (!(m_wType & COLORPARAM_EDIT) || m_nUpdate >= 1 || m_Edit.m_hWnd == NULL)
        return;
    CString strText;
    m_Edit.GetWindowText(strText);
    int nValue = 0;
    if (sscanf(strText, m_bHexValues ? "%X" : "%d", &nValue) != 1)
        nValue = 0;
    // a typed value beyond the channel's range means its end, not a wrapped-around value
    if (nValue < 0)
        nValue = 0;
    else if (nValue > GetChannelMax())
        nValue = GetChannelMax();

    // the text being typed is not rewritten while the owner and the slider follow the new value
    m_nUpdate++;
    SetNewValue((unsigned short)nValue, 1);
    UpdateControl();
    m_nUpdate--;
}

/////////////////////////////////////////////////////////////////////////////
// Painting

BOOL CColorParam::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;    // OnPaint covers every pixel
}

CString CColorParam::GetLabel(int nForm)
{
    const int nIndex = NameIndex(GetChannel());
    return nIndex < 0 ? CString() : LabelForm(LoadChannelName(nIndex), nForm);
}

void CColorParam::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;

    COffscreenDC dcMem(dc, rcClient, GetControlSysColor(COLOR_BTNFACE));
    CRect rcStrip;
    GetBitmapRect(rcStrip);
    if (m_wType & COLORPARAM_LABEL)
    {
        CFont* pOldFont = dcMem.SelectObject(GetLabelFont());
        dcMem.SetBkMode(TRANSPARENT);
        dcMem.SetTextColor(GetControlSysColor(IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        CRect rcLabel(rcClient.left, rcClient.top, rcClient.left + GetTextWidth(), rcClient.bottom);
        dcMem.DrawText(GetLabel(m_nTextForm), &rcLabel, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        dcMem.SelectObject(pOldFont);
    }

    if (rcStrip.Width() > 0 && rcStrip.Height() > 0)
    {
        CRect rcFrame = rcStrip;
        rcFrame.InflateRect(1, 1);
        CBrush brShadow(GetControlSysColor(COLOR_BTNSHADOW));
        dcMem.FrameRect(&rcFrame, &brShadow);
        if (m_Gradient.GetSafeHandle() != NULL)
        {
            CDC dcGradient;
            dcGradient.CreateCompatibleDC(&dc);
            CBitmap* pOld = dcGradient.SelectObject(&m_Gradient);
            dcMem.BitBlt(rcStrip.left, rcStrip.top, rcStrip.Width(), rcStrip.Height(), &dcGradient,
                0, 0, SRCCOPY);
            dcGradient.SelectObject(pOld);
        }

        if (HasChannels())
        {
            // an open box, so the colour under the mark stays visible
            CRect rcMark;
            GetMarkRect(rcMark);
            CBrush brDark(GetControlSysColor(COLOR_BTNTEXT));
            CBrush brLight(GetControlSysColor(COLOR_WINDOW));
            dcMem.FrameRect(&rcMark, &brDark);
            rcMark.DeflateRect(1, 1);
            dcMem.FrameRect(&rcMark, &brLight);
        }
    }

}

/////////////////////////////////////////////////////////////////////////////
// Mouse and focus

LRESULT CColorParam::OnNcHitTest(CPoint /*point*/)
{
    // a static without SS_NOTIFY, taken over by SubclassDlgItemEx, would let the mouse through
    return HTCLIENT;
}

BOOL CColorParam::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (HasChannels() && nHitTest == HTCLIENT)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        CRect rcMark;
        GetMarkRect(rcMark);
        if (rcMark.PtInRect(pt))
        {
            ::SetCursor(::LoadCursorA(NULL, IDC_SIZEWE));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

int CColorParam::ClampToStrip(CPoint point)
{
    CRect rcStrip;
    GetBitmapRect(rcStrip);
    int x = point.x - rcStrip.left;
    if (x < 0)
        x = 0;
    else if (x > rcStrip.Width())
        x = rcStrip.Width();
    return x;
}

void CColorParam::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (!HasChannels())
        return;
    CRect rcMark, rcStrip;
    GetMarkRect(rcMark);
    GetBitmapRect(rcStrip);
    if (!rcMark.PtInRect(point))
    {
        if (!rcStrip.PtInRect(point))
            return;
        SetPos(ClampToStrip(point));
        ::SetCursor(::LoadCursorA(NULL, IDC_SIZEWE));
    }
    m_bDragging = 1;
    SetCapture();
}

void CColorParam::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bDragging)
        return;
    if (nFlags & MK_LBUTTON)
    {
        if (HasChannels())
            SetPos(ClampToStrip(point));
    }
    else
    {
        m_bDragging = 0;
        ReleaseCapture();
    }
}

void CColorParam::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_bDragging)
    {
        m_bDragging = 0;
        ReleaseCapture();
    }
}

void CColorParam::OnCaptureChanged(CWnd* /*pWnd*/)
{
    m_bDragging = 0;
}

void CColorParam::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
    if (!HasChannels())
        return;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->PostMessage(WM_COMMAND, (WPARAM)GetDlgCtrlID(), (LPARAM)m_hWnd);
}

void CColorParam::OnSetFocus(CWnd* pOldWnd)
{
    if ((m_wType & COLORPARAM_EDIT) && m_Edit.m_hWnd != NULL)
    {
        m_Edit.SetFocus();
        m_Edit.SetSel(0, -1);
        return;
    }
    CWnd::OnSetFocus(pOldWnd);
}

void CColorParam::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_Edit.m_hWnd != NULL)
    {
        // the label may have changed its form with the width
        CRect rcEdit;
        GetEditRect(rcEdit);
        m_Edit.MoveWindow(&rcEdit);
        if (m_Spin.m_hWnd != NULL)
            m_Spin.SetBuddy(&m_Edit);   // puts the spin button back inside the edit box
    }
    UpdateControl();
}
