// SplitBar.cpp - CSplitBar and the layout of two windows around a splitter.
#include "SplitBar.h"
#include "WinDrag.h"
#include "frame/UILFrame.h"
#include <algorithm>

namespace
{
// the framework's split cursors, when the host's framework carries them
const UINT nTallSplitCursorID = 30980;
const UINT nWideSplitCursorID = 30981;

const WORD s_halftone[8] = { 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA };

// The ghost a reporting splitter drags: a halftone bar, so the windows under it stay readable.
class CSplitGhost : public CWnd
{
public:
    BOOL CreateGhost(CWnd* pParent, const CRect& rect)
    {
        LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW));
        if (!CreateEx(0, lpszClass, NULL, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect, pParent, 0))
            return FALSE;
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        UpdateWindow();
        return TRUE;
    }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_ERASEBKGND)
            return 1;
        if (message != WM_PAINT)
            return CWnd::WindowProc(message, wParam, lParam);
        PAINTSTRUCT ps;
        CDC* pDC = BeginPaint(&ps);
        CRect rect;
        GetClientRect(&rect);
        CBitmap bitmap;
        CBrush brush;
        if (bitmap.CreateBitmap(8, 8, 1, 1, s_halftone) && brush.CreatePatternBrush(&bitmap))
        {
            pDC->SetTextColor(GetMainWndSysColor(COLOR_3DDKSHADOW, UIL_COLORCONTEXT_DOCKBAR));
            pDC->SetBkColor(GetMainWndSysColor(COLOR_BTNFACE, UIL_COLORCONTEXT_DOCKBAR));
            pDC->FillRect(&rect, &brush);
        }
        EndPaint(&ps);
        return 0;
    }
};

HCURSOR LoadSplitCursor(BOOL bTall)
{
    LPCSTR lpszID = MAKEINTRESOURCEA(bTall ? nTallSplitCursorID : nWideSplitCursorID);
    HINSTANCE hInst = AfxFindResourceHandle(lpszID, (LPCSTR)RT_GROUP_CURSOR);
    HCURSOR hCursor = hInst != NULL ? ::LoadCursorA(hInst, lpszID) : NULL;
    if (hCursor == NULL)
        hCursor = ::LoadCursorA(NULL, bTall ? IDC_SIZEWE : IDC_SIZENS);
    return hCursor;
}

CRect RectInParent(CWnd* pWnd, CWnd* pParent)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

int IsTallRect(const CRect& rect)
{
    return rect.Height() > rect.Width();
}
}

IMPLEMENT_DYNAMIC(CSplitBar, CWnd)

BEGIN_MESSAGE_MAP(CSplitBar, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CSplitBar::CSplitBar()
    : m_nSplitFlags(0), m_nLowLimit(nDefaultLowLimit), m_nHighLimit(nDefaultHighLimit), m_pFirstWnd(NULL),
      m_pSecondWnd(NULL), m_pSplitFactor(NULL), m_bMoved(0), m_dx(0), m_dy(0)
{
}

CSplitBar::~CSplitBar()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

int CSplitBar::Create(CWnd* pParent, CRect& rect, int nFlags)
{
    m_nSplitFlags = nFlags;
    // no double clicks: a quick second press must start a drag too
    LPCSTR lpszClass = AfxRegisterWndClass(0);
    return CWnd::Create(lpszClass, NULL, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect, pParent,
        nSplitBarID) ? 1 : 0;
}

void CSplitBar::SetLimits(int nLow, int nHigh)
{
    m_nLowLimit = nLow;
    m_nHighLimit = nHigh;
}

void CSplitBar::SetConnectedWindows(CWnd* pFirst, CWnd* pSecond, float* pSplitFactor)
{
    m_pFirstWnd = pFirst;
    m_pSecondWnd = pSecond;
    m_pSplitFactor = pSplitFactor;
}

BOOL CSplitBar::IsTall() const
{
    CRect rect;
    GetClientRect(&rect);
    return IsTallRect(rect);
}

void CSplitBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillSolidRect(&rect, GetMainWndSysColor(COLOR_BTNFACE, UIL_COLORCONTEXT_DOCKBAR));
    const COLORREF clrLight = GetMainWndSysColor(COLOR_BTNHIGHLIGHT, UIL_COLORCONTEXT_DOCKBAR);
    const COLORREF clrDark = GetMainWndSysColor(COLOR_3DDKSHADOW, UIL_COLORCONTEXT_DOCKBAR);
    if (IsTallRect(rect))
    {
        dc.FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrLight);
        dc.FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrDark);
    }
    else
    {
        dc.FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrLight);
        dc.FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrDark);
    }
}

BOOL CSplitBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(LoadSplitCursor(IsTall()));
    return TRUE;
}

void CALLBACK CSplitBar::OnDragReport(CWinDrag* pDrag, int nReason, DWORD_PTR dwSplitBar, DWORD_PTR)
{
    CSplitBar* pThis = (CSplitBar*)dwSplitBar;
    if (nReason != WINDRAG_MOVE || pThis == NULL || !::IsWindow(pThis->m_hWnd))
        return;
    CWnd* pParent = pThis->GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_DRAGSPLIT, (WPARAM)pThis->m_hWnd, (LPARAM)pDrag);
}

void CSplitBar::OnLButtonDown(UINT, CPoint point)
{
    CWnd* pParent = GetParent();
    if (pParent == NULL)
        return;

    if (m_pFirstWnd != NULL && m_pSecondWnd != NULL)
    {
        CPoint ptParent = point;
        MapWindowPoints(pParent, &ptParent, 1);
        const float fFactor = SplitConnectedWindows(pParent, m_pFirstWnd, m_pSecondWnd, this, ptParent, -1);
        if (fFactor != 0.0f)
        {
            if (m_pSplitFactor != NULL)
                *m_pSplitFactor = fFactor;
            m_bMoved = 1;
        }
        return;
    }

    const BOOL bTall = IsTall();
    CRect rectGhost = RectInParent(this, pParent);
    rectGhost.DeflateRect(1, 1);
    CSplitGhost ghost;
    if (!ghost.CreateGhost(pParent, rectGhost))
        return;

    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const int nStart = bTall ? ptScreen.x : ptScreen.y;
    CWinDrag drag;
    drag.SetDragCallback(OnDragReport, (DWORD_PTR)this);
    drag.DragHV(&ghost, rectGhost, !bTall, CPoint(nStart + m_nLowLimit, nStart + m_nHighLimit), ptScreen);
    ghost.DestroyWindow();

    const CPoint ptOffset = drag.GetOffset();
    m_dx = bTall ? ptOffset.x : 0;
    m_dy = bTall ? 0 : ptOffset.y;
    if (m_nSplitFlags != 0 || (bTall ? m_dx : m_dy) != 0)
        pParent->PostMessage(WM_ENDSPLIT, (WPARAM)m_hWnd, 0);
}

/////////////////////////////////////////////////////////////////////////////

float SplitConnectedWindows(CWnd* pParent, CWnd* pFirst, CWnd* pSecond, CWnd* pSplitter, CPoint pt, int bVert)
{
    if (pParent == NULL || pFirst == NULL || pSecond == NULL || pSplitter == NULL)
        return 0.0f;
    const CRect rectSplitter = RectInParent(pSplitter, pParent);
    CRect rectHit = rectSplitter;
    rectHit.InflateRect(1, 1);
    if (!rectHit.PtInRect(pt))
        return 0.0f;
    if (bVert == -1)
        bVert = IsTallRect(rectSplitter);

    const CRect rectFirst = RectInParent(pFirst, pParent);
    const CRect rectSecond = RectInParent(pSecond, pParent);
    const int nFirst = bVert ? rectFirst.Width() : rectFirst.Height();
    const int nSecond = bVert ? rectSecond.Width() : rectSecond.Height();

    // the first window's extent stays within 2 ... first + second - 4
    CPoint ptScreen = pt;
    pParent->ClientToScreen(&ptScreen);
    const int nStart = bVert ? ptScreen.x : ptScreen.y;
    CWinDrag drag;
    CRect rect = rectSplitter;
    drag.DragHV(pSplitter, rect, !bVert, CPoint(nStart + 2 - nFirst, nStart + nSecond - 4), ptScreen);

    const int nOffset = bVert ? rect.left - rectSplitter.left : rect.top - rectSplitter.top;
    if (nOffset == 0)
        return 0.0f;
    const int nSpan = bVert ? rectSecond.right - rectFirst.left : rectSecond.bottom - rectFirst.top;
    if (nSpan <= 0)
        return 0.0f;
    const float fFactor = (float)(nFirst + nOffset) / (float)nSpan;
    ApplySplitFactor(pParent, pFirst, pSecond, pSplitter, fFactor, bVert);
    return fFactor;
}

void ApplySplitFactor(CWnd* pParent, CWnd* pFirst, CWnd* pSecond, CWnd* pSplitter, float fFactor, int bVert)
{
    if (pParent == NULL || pFirst == NULL || pSecond == NULL || pSplitter == NULL)
        return;
    CRect rectFirst = RectInParent(pFirst, pParent);
    CRect rectSecond = RectInParent(pSecond, pParent);
    CRect rectSplitter = RectInParent(pSplitter, pParent);
    if (bVert == -1)
        bVert = IsTallRect(rectSplitter);

    const int nStart = bVert ? rectFirst.left : rectFirst.top;
    const int nEnd = bVert ? rectSecond.right : rectSecond.bottom;
    const int nSpan = nEnd - nStart;
    int nFirst = (int)(fFactor * nSpan + 0.5f);
    nFirst = std::max(0, std::min(nFirst, nSpan - UIL_SPLITTER_WIDTH));
    const int nSplit = nStart + nFirst;
    if (bVert)
    {
        rectFirst.right = nSplit;
        rectSplitter.left = nSplit;
        rectSplitter.right = nSplit + UIL_SPLITTER_WIDTH;
        rectSecond.left = nSplit + UIL_SPLITTER_WIDTH;
        rectSecond.right = nEnd;
    }
    else
    {
        rectFirst.bottom = nSplit;
        rectSplitter.top = nSplit;
        rectSplitter.bottom = nSplit + UIL_SPLITTER_WIDTH;
        rectSecond.top = nSplit + UIL_SPLITTER_WIDTH;
        rectSecond.bottom = nEnd;
    }
    pFirst->MoveWindow(&rectFirst);
    pSplitter->MoveWindow(&rectSplitter);
    pSecond->MoveWindow(&rectSecond);
}
