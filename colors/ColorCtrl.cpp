// ColorCtrl.cpp - CColorProbeButton and CColorCtrl.
#include "ColorCtrl.h"
#include "ColorPopup.h"
#include "CustomColorIcons.h"
#include "frame/UILFrame.h"
#include "res/resource.h"

namespace
{
const COLORREF clrImageMask = RGB(192, 192, 192);
const int cxImage = 14;
}

/////////////////////////////////////////////////////////////////////////////
// CColorProbeButton

IMPLEMENT_DYNAMIC(CColorProbeButton, CButton)

BEGIN_MESSAGE_MAP(CColorProbeButton, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CColorProbeButton::CColorProbeButton()
    : m_bImageList(0), m_nImage(0), m_bFlat(0), m_nToggle(0), m_bProbing(0), m_bMoved(0),
      m_dwProbedColor(::GetSysColor(COLOR_BTNFACE)), m_hWndFocus(NULL), m_ptProbeStart(0, 0), m_hProbeCursor(NULL)
{
    CUILResourceScope resources;
    m_bImageList = m_ImageList.Create(IDB_COLORPROBE, cxImage, 1, clrImageMask) ? 1 : 0;
    m_hProbeCursor = (HCURSOR)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_COLORPROBE),
        IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE);
}

CColorProbeButton::~CColorProbeButton()
{
    if (m_ImageList.m_hImageList != NULL)
        m_ImageList.DeleteImageList();
    if (m_hProbeCursor != NULL)
        ::DestroyCursor(m_hProbeCursor);
}

void CColorProbeButton::PostNcDestroy()
{
    if (m_ImageList.m_hImageList != NULL)
        m_ImageList.DeleteImageList();
    m_bImageList = 0;
    if (m_hProbeCursor != NULL)
        ::DestroyCursor(m_hProbeCursor);
    m_hProbeCursor = NULL;
    CButton::PostNcDestroy();
}

BOOL CColorProbeButton::LoadBitmapList(UINT nBitmapID, int nWidth)
{
    if (m_ImageList.m_hImageList != NULL)
        m_ImageList.DeleteImageList();
    CUILResourceScope resources;
    m_bImageList = m_ImageList.Create(nBitmapID, nWidth, 1, clrImageMask) ? 1 : 0;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
    return m_bImageList;
}

BOOL CColorProbeButton::LoadBitmapList(UINT nBitmapID, int nWidth, int nImage)
{
    m_nImage = nImage;
    return LoadBitmapList(nBitmapID, nWidth);
}

COLORREF CColorProbeButton::ReadScreenPixel(HDC hScreen, POINT pt)
{
    COLORREF clr = ::GetPixel(hScreen, pt.x, pt.y);
    if (clr != CLR_INVALID)
        return clr;
    // A screen that cannot be read back (a display without a frame buffer of its own, a
    // protected desktop): every window still has its own surface.
    HWND hWnd = ::WindowFromPoint(pt);
    if (hWnd == NULL)
        return CLR_INVALID;
    POINT ptClient = pt;
    ::ScreenToClient(hWnd, &ptClient);
    HDC hDC = ::GetDC(hWnd);
    clr = ::GetPixel(hDC, ptClient.x, ptClient.y);
    ::ReleaseDC(hWnd, hDC);
    return clr;
}

COLORREF CColorProbeButton::Probe(HDC hScreen, HDC hTarget, RECT* pRect)
{
    POINT pt;
    ::GetCursorPos(&pt);
    CRect rcSelf;
    GetWindowRect(&rcSelf);
    if (rcSelf.PtInRect(pt) && ::WindowFromPoint(pt) == m_hWnd)
    {
        if (hTarget != NULL && pRect != NULL)
            CDC::FromHandle(hTarget)->FillSolidRect(pRect, m_dwProbedColor);
        return m_dwProbedColor;
    }
    const COLORREF clr = ReadScreenPixel(hScreen, pt);
    if (hTarget != NULL && pRect != NULL)
    {
        const int nOldMode = ::SetStretchBltMode(hTarget, COLORONCOLOR);
        if (!::StretchBlt(hTarget, pRect->left, pRect->top, pRect->right - pRect->left,
                pRect->bottom - pRect->top, hScreen, pt.x, pt.y, 1, 1, SRCCOPY) && clr != CLR_INVALID)
            CDC::FromHandle(hTarget)->FillSolidRect(pRect, clr);
        ::SetStretchBltMode(hTarget, nOldMode);
    }
    return clr;
}

void CColorProbeButton::ProbeIntoClient(int nInset)
{
    CRect rc;
    GetClientRect(&rc);
    rc.DeflateRect(nInset, nInset);
    HDC hScreen = ::GetDC(NULL);
    CClientDC dc(this);
    Probe(hScreen, dc.GetSafeHdc(), &rc);
    ::ReleaseDC(NULL, hScreen);
}

void CColorProbeButton::StartProbe()
{
    if (m_hProbeCursor != NULL)
        ::SetCursor(m_hProbeCursor);
    if (!m_bProbing)
        m_hWndFocus = ::GetFocus();
    ::GetCursorPos(&m_ptProbeStart);
    m_bProbing = 1;
    // taking it again would tell this very window that it lost it
    if (::GetCapture() != m_hWnd)
        SetCapture();
    ProbeIntoClient(1);
}

void CColorProbeButton::FinishProbe()
{
    HDC hScreen = ::GetDC(NULL);
    const COLORREF clr = Probe(hScreen, NULL, NULL);
    ::ReleaseDC(NULL, hScreen);
    if (clr != CLR_INVALID)
        m_dwProbedColor = clr;
    m_bProbing = 0;
    if (GetCapture() == this)
        ReleaseCapture();
    if (m_hWndFocus != NULL && ::IsWindow(m_hWndFocus))
        ::SetFocus(m_hWndFocus);
    m_hWndFocus = NULL;
    Invalidate(FALSE);
    UpdateWindow();
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->PostMessage(WM_COMMAND, (WPARAM)GetDlgCtrlID(), 0);
}

void CColorProbeButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_bMoved && m_bProbing)
        FinishProbe();
    else
        StartProbe();
    m_bMoved = 0;
}

void CColorProbeButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CColorProbeButton::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (!m_bProbing)
        return;
    if (m_bMoved)
        FinishProbe();
    else
        StartProbe();
    m_bMoved = 0;
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (::WindowFromPoint(ptScreen) == m_hWnd)
        m_nToggle = !m_nToggle;
}

void CColorProbeButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bProbing)
    {
        CButton::OnMouseMove(nFlags, point);
        return;
    }
    ProbeIntoClient(0);
    // taking the capture may send a move of its own: only a real move counts
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (ptScreen != m_ptProbeStart)
        m_bMoved = 1;
    if (m_hProbeCursor != NULL)
        ::SetCursor(m_hProbeCursor);
}

BOOL CColorProbeButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bProbing && m_hProbeCursor != NULL)
    {
        ::SetCursor(m_hProbeCursor);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void CColorProbeButton::OnCaptureChanged(CWnd* pWnd)
{
    // someone else took the mouse (a menu, Alt+Tab): probing ends without a colour
    if (m_bProbing && pWnd->GetSafeHwnd() != m_hWnd)
    {
        m_bProbing = 0;
        m_bMoved = 0;
        Invalidate(FALSE);
    }
    CButton::OnCaptureChanged(pWnd);
}

void CColorProbeButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    pDC->FillSolidRect(&rc, GetControlSysColor(COLOR_BTNFACE));
    const COLORREF clrHighlight = GetControlSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrDark = GetControlSysColor(COLOR_3DDKSHADOW);
    auto drawRaised = [&](const CRect& r) {
        if (m_bFlat) pDC->Draw3dRect(&r, clrDark, clrDark);
        else pDC->Draw3dRect(&r, clrHighlight, clrDark);
    };
    auto drawPressed = [&](const CRect& r) {
        if (m_bFlat) pDC->Draw3dRect(&r, clrDark, clrDark);
        else pDC->Draw3dRect(&r, clrDark, clrHighlight);
    };

    if (lpDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
    {
        if ((lpDIS->itemState & ODS_SELECTED) || m_bProbing)
        {
            drawPressed(rc);
            rc.OffsetRect(1, 1);
        }
        else
            drawRaised(rc);
    }
    if (m_bProbing)
    {
        drawPressed(rc);
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(&rc, m_dwProbedColor);
    }
    else if (m_ImageList.m_hImageList != NULL)
    {
        drawRaised(rc);
        m_ImageList.Draw(pDC, m_nImage, CPoint(rc.left + (rc.Width() - cxImage) / 2,
            rc.top + (rc.Height() - cxImage) / 2), ILD_TRANSPARENT);
    }
}

/////////////////////////////////////////////////////////////////////////////
// CColorCtrl

IMPLEMENT_DYNAMIC(CColorCtrl, CWnd)

BEGIN_MESSAGE_MAP(CColorCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_BN_CLICKED(COLORCTRL_PROBE_ID, OnProbe)
END_MESSAGE_MAP()

CColorCtrl::CColorCtrl()
    : m_nType(-1), m_dwColor(0), m_strTitle("Color"), m_strToolTip("Pick Color"), m_bChangedByUser(0)
{
}

CColorCtrl::~CColorCtrl()
{
}

BOOL CColorCtrl::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW));
    return CWnd::Create(lpszClass, lpszText, dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

int CColorCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcProbe(rcClient.right - COLORCTRL_PROBE_CX, rcClient.top, rcClient.right, rcClient.bottom);
    if (!m_ProbeButton.Create("Pick Color", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rcProbe, this,
            COLORCTRL_PROBE_ID))
        return -1;
    m_ProbeButton.LoadBitmapList(IDB_COLORCTRL_PROBE, cxImage, m_nType);
    m_ProbeButton.m_bFlat = 1;
    m_ProbeButton.m_dwProbedColor = m_dwColor;

    if (m_ToolTip.Create(this))
    {
        m_ToolTip.AddTool(&m_ProbeButton, m_strToolTip);
        CRect rcColor;
        GetColorRect(rcColor);
        m_ToolTip.AddTool(this, "", rcColor, 1);
        UpdateToolTips();
        m_ToolTip.Activate(TRUE);
    }
    return 0;
}

void CColorCtrl::PlaceProbeButton(int cx, int cy)
{
    if (m_ProbeButton.m_hWnd != NULL)
        m_ProbeButton.SetWindowPos(NULL, cx - COLORCTRL_PROBE_CX, 0, COLORCTRL_PROBE_CX, cy,
            SWP_NOZORDER | SWP_NOACTIVATE);
}

void CColorCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    PlaceProbeButton(cx, cy);
    UpdateToolTips();
    Invalidate(FALSE);
}

void CColorCtrl::UpdateToolTips()
{
    if (m_ToolTip.m_hWnd == NULL)
        return;
    CString strText;
    GetWindowText(strText);
    CString strTip;
    strTip.Format("%s: %s", (LPCSTR)strText, (LPCSTR)m_strTitle);
    CRect rcColor;
    GetColorRect(rcColor);
    m_ToolTip.SetToolRect(this, 1, &rcColor);
    m_ToolTip.UpdateTipText(strTip, this, 1);
}

void CColorCtrl::SetColor(unsigned long c)
{
    m_dwColor = c;
    m_ProbeButton.m_dwProbedColor = c;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CColorCtrl::SetTitle(CString& strTitle)
{
    m_strTitle = strTitle;
    UpdateToolTips();
}

void CColorCtrl::GetColorRect(CRect& rc)
{
    GetClientRect(&rc);
    rc.right -= COLORCTRL_PROBE_CX;
    rc.DeflateRect(2, 2);
}

BOOL CColorCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.m_hWnd != NULL && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        m_ToolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CColorCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CColorCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    rcClient.right -= COLORCTRL_PROBE_CX;
    dc.FillSolidRect(&rcClient, GetControlSysColor(COLOR_BTNHIGHLIGHT));
    CBrush brFrame(GetControlSysColor(COLOR_3DDKSHADOW));
    dc.FrameRect(&rcClient, &brFrame);

    CRect rc;
    GetColorRect(rc);
    if (rc.IsRectEmpty())
        return;
    if (IsSpecialColor(m_dwColor))
    {
        g_CustomColorIcons.Draw(m_dwColor, dc.GetSafeHdc(), &rc);
        return;
    }
    CBrush brShadow(GetControlSysColor(COLOR_BTNSHADOW));
    dc.FrameRect(&rc, &brShadow);
    rc.DeflateRect(1, 1);
    dc.FillSolidRect(&rc, m_dwColor);
}

void CColorCtrl::TakeColor(unsigned long c)
{
    if (c == (unsigned long)-1 || c == m_dwColor)
        return;
    SetColor(c);
    m_bChangedByUser = 1;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->PostMessage(WM_COMMAND, (WPARAM)GetDlgCtrlID(), 0);
}

void CColorCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bChangedByUser = 0;
    CRect rc;
    GetColorRect(rc);
    rc.DeflateRect(2, 2);
    if (!rc.PtInRect(point))
    {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    CRect rcAnchor = rc;
    ClientToScreen(&rcAnchor);
    TakeColor(RunColorSelector(m_dwColor, &rcAnchor, 0));
}

void CColorCtrl::OnProbe()
{
    TakeColor(m_ProbeButton.m_dwProbedColor);
}
