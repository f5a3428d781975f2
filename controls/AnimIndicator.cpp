// AnimIndicator.cpp - CAnimCtrl and CAnimIndicator.
#include "AnimIndicator.h"
#include "frame/UILFrame.h"
#include <afxdisp.h>

/////////////////////////////////////////////////////////////////////////////
// CAnimCtrl

BEGIN_MESSAGE_MAP(CAnimCtrl, CAnimateCtrl)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CAnimCtrl::CAnimCtrl() : m_clrBack(::GetSysColor(COLOR_BTNFACE))
{
}

CAnimCtrl::~CAnimCtrl()
{
}

void CAnimCtrl::SetBkColor(COLORREF clr)
{
    m_clrBack = clr;
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

BOOL CAnimCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, m_clrBack);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CAnimIndicator

IMPLEMENT_DYNAMIC(CAnimIndicator, CWnd)

BEGIN_MESSAGE_MAP(CAnimIndicator, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_CONTROL(ACN_START, INDICATOR_ANIM_ID, OnAnimStart)
    ON_CONTROL(ACN_STOP, INDICATOR_ANIM_ID, OnAnimStop)
END_MESSAGE_MAP()

BEGIN_DISPATCH_MAP(CAnimIndicator, CWnd)
    DISP_FUNCTION(CAnimIndicator, "ChangeState", DispChangeState, VT_I4, VTS_I4)
    DISP_FUNCTION(CAnimIndicator, "StopAVI", DispStopAVI, VT_I4, VTS_I4)
    DISP_PROPERTY_EX(CAnimIndicator, "CurrentState", DispGetCurrentState, SetNotSupported, VT_I4)
END_DISPATCH_MAP()

CAnimIndicator::CAnimIndicator()
    : m_nSmallAVI(0), m_nLargeAVI(0), m_bPlaying(FALSE), m_nRepeat(0), m_bLargeOpen(FALSE),
      m_clrBack(GetMainWndSysColor(COLOR_BTNFACE, 0)), m_nCurrentState(0)
{
    int m = ::GetSystemMetrics(SM_CYMENUSIZE);
    m_sizeSmall = CSize(m + 8, m + 8);
    m_sizeLarge = CSize(2 * (m + 8) - 2, 2 * (m + 8) - 2);
    EnableAutomation();
}

CAnimIndicator::~CAnimIndicator()
{
}

BOOL CAnimIndicator::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    if (!CWnd::Create(NULL, "", dwStyle, rect, pParentWnd, nID, pContext))
        return FALSE;
    CRect rectAnim(0, 0, rect.right - rect.left, rect.bottom - rect.top);
    if (!m_wndAnim.Create(WS_CHILD | ACS_CENTER, rectAnim, this, INDICATOR_ANIM_ID))
    {
        DestroyWindow();
        return FALSE;
    }
    m_wndAnim.SetBkColor(m_clrBack);
    UpdatePositions(rectAnim.Width(), rectAnim.Height());
    return TRUE;
}

void CAnimIndicator::SetSize(CSize sizeSmall, CSize sizeLarge)
{
    m_sizeSmall = sizeSmall;
    m_sizeLarge = sizeLarge;
}

int CAnimIndicator::SetIndicatorStates(const SIndicatorState* pStates, int nCount)
{
    m_arrStates.RemoveAll();
    for (int i = 0; pStates != NULL && i < nCount; i++)
        m_arrStates.Add(pStates[i]);
    return 1;
}

int CAnimIndicator::ChangeState(DWORD nID)
{
    const SIndicatorState* pState = NULL;
    for (INT_PTR i = 0; i < m_arrStates.GetSize() && pState == NULL; i++)
    {
        if (m_arrStates[i].m_nID == nID)
            pState = &m_arrStates[i];
    }
    if (pState == NULL)
        return 0;
    SIndicatorState state = *pState;
    DWORD nPrevious = m_nCurrentState;
    switch (state.m_nKind)
    {
    case INDICATOR_KIND_AVI:
        m_clrBack = state.m_clrBack;
        m_wndAnim.SetBkColor(state.m_clrBack);
        PlayAVI(state.m_nSmallRes, state.m_nLargeRes, 0, (UINT)-1, (UINT)-1);
        break;
    case INDICATOR_KIND_BITMAP:
        StopAVI(TRUE);
        SetBackground(state.m_clrBack, state.m_nSmallRes, state.m_nLargeRes, TRUE);
        break;
    default:
        return (int)nPrevious;  // a row of another kind changes nothing
    }
    m_nCurrentState = nID;
    return (int)nPrevious;
}

BOOL CAnimIndicator::OpenClip(BOOL bLarge)
{
    UINT nClip = bLarge ? m_nLargeAVI : m_nSmallAVI;
    m_bLargeOpen = bLarge;
    if (nClip == 0 || !m_wndAnim.Open(nClip))
        return FALSE;
    m_wndAnim.Seek(0);
    return TRUE;
}

int CAnimIndicator::PlayAVI(UINT nSmallAVI, UINT nLargeAVI, UINT nFrom, UINT nTo, UINT nRepeat)
{
    if (m_wndAnim.GetSafeHwnd() == NULL)
        return 0;
    if (m_bPlaying && nSmallAVI == m_nSmallAVI && nLargeAVI == m_nLargeAVI)
        return 1;
    m_nSmallAVI = nSmallAVI;
    m_nLargeAVI = nLargeAVI;
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(1, 1);
    m_wndAnim.MoveWindow(&rect);
    m_wndAnim.ShowWindow(SW_SHOW);
    BOOL bLarge = rect.Width() >= m_sizeLarge.cx && rect.Height() >= m_sizeLarge.cy;
    OpenClip(bLarge);
    m_nRepeat = nRepeat;
    int nResult = m_wndAnim.Play(nFrom, nTo, nRepeat);
    m_bPlaying = TRUE;
    return nResult;
}

int CAnimIndicator::StopAVI(BOOL bHide)
{
    if (m_wndAnim.GetSafeHwnd() == NULL)
        return 0;
    int nResult = m_wndAnim.Stop();
    m_bPlaying = FALSE;
    if (bHide)
        m_wndAnim.ShowWindow(SW_HIDE);
    return nResult;
}

void CAnimIndicator::SetBackground(COLORREF clr, UINT nSmallBitmap, UINT nLargeBitmap, BOOL bRedraw)
{
    m_clrBack = clr;
    m_wndAnim.SetBkColor(clr);
    m_bmpSmall.DeleteObject();
    m_bmpLarge.DeleteObject();
    if (nSmallBitmap != 0)
        m_bmpSmall.LoadBitmap(nSmallBitmap);
    if (nLargeBitmap != 0)
        m_bmpLarge.LoadBitmap(nLargeBitmap);
    if (bRedraw && GetSafeHwnd() != NULL)
        Invalidate();
}

void CAnimIndicator::UpdatePositions(int cx, int cy)
{
    if (GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    if (cx == -1)
        cx = rectClient.Width();
    if (cy == -1)
        cy = rectClient.Height();

    BOOL bLarge = FALSE;
    if (m_bmpLarge.GetSafeHandle() != NULL)
    {
        if (m_sizeLarge.cx <= cx + 2 && m_sizeLarge.cy <= cy + 2)
        {
            bLarge = TRUE;
            SetWindowPos(NULL, 0, 0, m_sizeLarge.cx + 2, m_sizeLarge.cy + 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        else if (m_bmpSmall.GetSafeHandle() != NULL && m_sizeSmall.cx <= cx - 2 && m_sizeSmall.cy <= cy - 2)
            SetWindowPos(NULL, 0, 0, m_sizeSmall.cx + 2, m_sizeSmall.cy + 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    if (m_wndAnim.GetSafeHwnd() == NULL)
        return;
    GetClientRect(&rectClient);
    CRect rectAnim = rectClient;
    rectAnim.DeflateRect(1, 1);
    m_wndAnim.MoveWindow(&rectAnim);

    // the clip that fits the new size; a playing one goes on from its start
    bLarge = rectAnim.Width() >= m_sizeLarge.cx && rectAnim.Height() >= m_sizeLarge.cy;
    BOOL bShown = (m_wndAnim.GetStyle() & WS_VISIBLE) != 0;
    if ((bShown || m_bPlaying) && bLarge != m_bLargeOpen && (m_nSmallAVI != 0 || m_nLargeAVI != 0))
    {
        BOOL bWasPlaying = m_bPlaying;
        if (bWasPlaying)
            m_wndAnim.Stop();
        m_wndAnim.Close();
        OpenClip(bLarge);
        if (bWasPlaying)
        {
            m_wndAnim.Play(0, (UINT)-1, m_nRepeat);
            m_bPlaying = TRUE;
        }
    }
}

int CAnimIndicator::GetShownBitmap() const
{
    CRect rect;
    if (GetSafeHwnd() == NULL)
        return 0;
    GetClientRect(&rect);
    if (m_bmpLarge.GetSafeHandle() != NULL && m_sizeLarge.cx <= rect.Width() + 4 && m_sizeLarge.cy <= rect.Height() + 4)
        return 2;
    return m_bmpSmall.GetSafeHandle() != NULL ? 1 : 0;
}

void CAnimIndicator::OnPaint()
{
    CPaintDC dc(this);
    Paint(dc);
}

LRESULT CAnimIndicator::OnPrintClient(WPARAM wParam, LPARAM)
{
    CDC* pDC = CDC::FromHandle((HDC)wParam);
    if (pDC != NULL)
        Paint(*pDC);
    return 0;
}

void CAnimIndicator::Paint(CDC& dc)
{
    CRect rect;
    GetClientRect(&rect);
    if (!(m_wndAnim.GetSafeHwnd() != NULL && (m_wndAnim.GetStyle() & WS_VISIBLE)) && !m_bPlaying)
    {
        CRect rectInner = rect;
        rectInner.DeflateRect(1, 1);
        dc.FillSolidRect(&rectInner, m_clrBack);
        int nShown = GetShownBitmap();
        CBitmap* pBitmap = nShown == 2 ? &m_bmpLarge : nShown == 1 ? &m_bmpSmall : NULL;
        if (pBitmap != NULL)
        {
            BITMAP bm;
            pBitmap->GetBitmap(&bm);
            CDC dcMem;
            dcMem.CreateCompatibleDC(&dc);
            CBitmap* pOld = dcMem.SelectObject(pBitmap);
            dc.BitBlt(rect.left + (rect.Width() - bm.bmWidth) / 2, rect.top + (rect.Height() - bm.bmHeight) / 2,
                bm.bmWidth, bm.bmHeight, &dcMem, 0, 0, SRCCOPY);
            dcMem.SelectObject(pOld);
        }
    }
    // sunken: shadow at top and left, highlight at bottom and right
    dc.Draw3dRect(&rect, GetMainWndSysColor(COLOR_BTNSHADOW, 0), GetMainWndSysColor(COLOR_BTNHIGHLIGHT, 0));
}

void CAnimIndicator::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    UpdatePositions(cx, cy);
}

BOOL CAnimIndicator::OnEraseBkgnd(CDC*)
{
    return TRUE;    // OnPaint covers the whole client area
}

HBRUSH CAnimIndicator::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd != NULL && pWnd->GetSafeHwnd() == m_wndAnim.GetSafeHwnd())
    {
        m_brushAnim.DeleteObject();
        m_brushAnim.CreateSolidBrush(m_wndAnim.GetBkColor());
        pDC->SetBkColor(m_wndAnim.GetBkColor());
        return (HBRUSH)m_brushAnim.GetSafeHandle();
    }
    return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CAnimIndicator::OnAnimStart()
{
    m_bPlaying = TRUE;
}

void CAnimIndicator::OnAnimStop()
{
    m_bPlaying = FALSE;
}
