// WinDrag.cpp - CWinDrag, the modal drag loop with its inverted outline.
#include "WinDrag.h"
#include "frame/UILFrameImpl.h"
#include <algorithm>

namespace
{
// A pending paint message of a window that never validates itself would keep the loop that
// flushes them going for ever; this many rounds settle any sane screen.

CPoint ScreenPointOf(const MSG& msg)
{
    CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
    ::ClientToScreen(msg.hwnd, &pt);
    return pt;
}

CWnd* IfOfClass(HWND hWnd, CRuntimeClass* pClass)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != NULL && pWnd->IsKindOf(pClass) ? pWnd : NULL;
}

HWND ParentOf(HWND hWnd)
{
    // only the child chain: a floating frame's owner is not where the drop went
    return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd) : NULL;
}
}

CWinDrag::CWinDrag()
    : m_pDragWnd(NULL), m_rectWnd(0, 0, 0, 0), m_pDropClass(NULL), m_ptStart(0, 0), m_ptLast(0, 0),
      m_rectDrag(0, 0, 0, 0), m_nDrawn(0), m_nMode(modeNone), m_bVert(0), m_ptLimits(0, 0),
      m_pDropWnd(NULL), m_pfnCallback(NULL), m_dwUser1(0), m_dwUser2(0), m_nPromptID(0),
      m_pPromptFrame(NULL), m_pDC(NULL), m_bLocked(0), m_nResult(0)
{
}

CWinDrag::~CWinDrag()
{
    ReleaseLoop();
}

void CWinDrag::SetDragCallback(WINDRAGPROC pfn, DWORD_PTR dwUser1, DWORD_PTR dwUser2)
{
    m_pfnCallback = pfn;
    m_dwUser1 = dwUser1;
    m_dwUser2 = dwUser2;
}

void CWinDrag::CallBack(int nReason)
{
    if (m_pfnCallback != NULL)
        m_pfnCallback(this, nReason, m_dwUser1, m_dwUser2);
}

void CWinDrag::StartLoop(CWnd* pWnd, CPoint ptStart, EDragMode nMode)
{
    m_pDragWnd = pWnd;
    m_nMode = nMode;
    m_ptStart = m_ptLast = ptStart;
    m_nDrawn = 0;
    m_pDropWnd = NULL;
    m_nResult = 0;
}

CWnd* CWinDrag::Drag(CWnd* pWnd, CRuntimeClass* pDropClass, CPoint ptStart)
{
    if (pWnd == NULL || !::IsWindow(pWnd->m_hWnd))
        return NULL;
    StartLoop(pWnd, ptStart, modeDrag);
    m_pDropClass = pDropClass;
    pWnd->GetWindowRect(&m_rectWnd);
    m_rectDrag = m_rectWnd;

    CMessageBarPrompt prompt;
    prompt.Show(m_pPromptFrame, m_nPromptID);
    CallBack(WINDRAG_START);
    InitLoop();
    Move(ptStart);
    m_nResult = Track();
    prompt.Restore();
    return m_nResult ? GetDropWindow(pDropClass, m_ptLast) : NULL;
}

void CWinDrag::DragHV(CWnd* pWnd, CRect& rect, int bVert, CPoint ptLimits, CPoint ptStart)
{
    if (pWnd == NULL || !::IsWindow(pWnd->m_hWnd))
        return;
    StartLoop(pWnd, ptStart, modeHV);
    m_bVert = bVert;
    m_ptLimits = ptLimits;
    m_rectWnd = m_rectDrag = rect;

    CallBack(WINDRAG_START);
    InitLoop();
    Move(ptStart);
    m_nResult = Track();
    rect = m_rectDrag;
}

void CWinDrag::DragRightSide(CWnd* pWnd, CPoint ptStart)
{
    if (pWnd == NULL || !::IsWindow(pWnd->m_hWnd))
        return;
    StartLoop(pWnd, ptStart, modeRightSide);
    pWnd->GetWindowRect(&m_rectWnd);
    m_rectDrag = m_rectWnd;

    CallBack(WINDRAG_START);
    InitLoop();
    Move(ptStart);
    m_nResult = Track();
}

void CWinDrag::InitLoop()
{
    // what is on the screen now must be painted before the outline is inverted over it
    DispatchPendingPaint();

    // a window that moves itself must go on painting, and needs no outline
    if (m_nMode == modeHV)
        return;
    HDC hDC = LockDesktopDC(m_bLocked);
    if (hDC != NULL)
    {
        m_pDC = new CDC;
        m_pDC->Attach(hDC);
    }
}

int CWinDrag::Track()
{
    if (m_pDragWnd == NULL || !::IsWindow(m_pDragWnd->m_hWnd))
    {
        CancelLoop();
        return 0;
    }
    const HWND hWndCapture = m_pDragWnd->m_hWnd;
    ::SetCapture(hWndCapture);

    for (;;)
    {
        if (::GetCapture() != hWndCapture)
        {
            CancelLoop();
            return 0;
        }
        MSG msg;
        if (!::GetMessageA(&msg, NULL, 0, 0))
        {
            // the application is closing: the outer loop must see the quit message too
            ::PostQuitMessage((int)msg.wParam);
            CancelLoop();
            return 0;
        }
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
            Move(ScreenPointOf(msg));
            break;
        case WM_LBUTTONUP:
            Move(ScreenPointOf(msg));
            EndDrag();
            return 1;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return 0;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
            {
                CancelLoop();
                return 0;
            }
            break;
        case WM_KEYUP:
        case WM_CHAR:
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
}

void CWinDrag::Move(CPoint pt)
{
    switch (m_nMode)
    {
    case modeHV:
    {
        const int nLow = std::min(m_ptLimits.x, m_ptLimits.y);
        const int nHigh = std::max(m_ptLimits.x, m_ptLimits.y);
        CPoint ptOffset(0, 0);
        if (m_bVert)
            ptOffset.y = std::max(nLow, std::min(nHigh, (int)pt.y)) - m_ptStart.y;
        else
            ptOffset.x = std::max(nLow, std::min(nHigh, (int)pt.x)) - m_ptStart.x;
        m_ptLast = m_ptStart + ptOffset;
        m_rectDrag = m_rectWnd + ptOffset;
        break;
    }
    case modeRightSide:
        m_ptLast = pt;
        m_rectDrag = m_rectWnd;
        m_rectDrag.right = std::max(m_rectWnd.right + (pt.x - m_ptStart.x), m_rectWnd.left + (LONG)nMinRightSideWidth);
        break;
    case modeDrag:
        m_ptLast = pt;
        m_rectDrag = m_rectWnd + (pt - m_ptStart);
        m_pDropWnd = m_pDropClass != NULL ? GetDropWindow(m_pDropClass, pt) : NULL;
        break;
    default:
        return;
    }
    CallBack(WINDRAG_MOVE);
    DrawFocusRect(FALSE);
}

void CWinDrag::EndDrag()
{
    DrawFocusRect(TRUE);
    ReleaseLoop();
}

void CWinDrag::CancelLoop()
{
    DrawFocusRect(TRUE);
    m_rectDrag = m_rectWnd;
    m_ptLast = m_ptStart;
    m_pDropWnd = NULL;
    if (m_nMode == modeHV)
        DrawFocusRect(FALSE);   // the window goes back to where it was
    ReleaseLoop();
    m_nResult = 0;
}

void CWinDrag::ReleaseLoop()
{
    if (m_pDragWnd != NULL && ::GetCapture() == m_pDragWnd->m_hWnd)
        ::ReleaseCapture();
    UnlockDesktopDC(m_pDC != NULL ? m_pDC->Detach() : NULL, m_bLocked);
    delete m_pDC;
    m_pDC = NULL;
    m_bLocked = 0;
}

CWnd* CWinDrag::GetDropWindow(CRuntimeClass* pDropClass, CPoint pt)
{
    HWND hWnd = ::WindowFromPoint(pt);
    if (hWnd == NULL)
        return NULL;
    if (pDropClass == NULL)
        return CWnd::FromHandle(hWnd);
    if (CWnd* pWnd = IfOfClass(hWnd, pDropClass))
        return pWnd;

    for (HWND hParent = hWnd;;)
    {
        POINT ptClient = pt;
        ::ScreenToClient(hParent, &ptClient);
        HWND hChild = ::ChildWindowFromPointEx(hParent, ptClient, CWP_SKIPINVISIBLE);
        if (hChild == NULL || hChild == hParent)
            break;
        if (CWnd* pWnd = IfOfClass(hChild, pDropClass))
            return pWnd;
        hParent = hChild;
    }
    for (HWND hAncestor = ParentOf(hWnd); hAncestor != NULL; hAncestor = ParentOf(hAncestor))
    {
        if (CWnd* pWnd = IfOfClass(hAncestor, pDropClass))
            return pWnd;
    }
    return NULL;
}

void CWinDrag::DrawFocusRect(int bRemove)
{
    if (m_nMode == modeHV)
    {
        if (!bRemove && m_pDragWnd != NULL && ::IsWindow(m_pDragWnd->m_hWnd))
        {
            m_pDragWnd->SetWindowPos(NULL, m_rectDrag.left, m_rectDrag.top, m_rectDrag.Width(),
                m_rectDrag.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            m_pDragWnd->UpdateWindow();
        }
        return;
    }
    if (m_pDC == NULL)
        return;

    POINT pts[nMaxOutlinePoints];
    int nCount = 0;
    if (!bRemove)
    {
        nCount = nMaxOutlinePoints;
        PointsFromRect(pts, nCount, &m_rectDrag, m_ptLast, m_pDropWnd);
        if (nCount < 3 || nCount > nMaxOutlinePoints)
            nCount = 0;
    }
    // inverting the same outline twice would only make it flicker
    if (nCount == m_nDrawn && nCount != 0 && memcmp(pts, m_ptsDrawn, nCount * sizeof(POINT)) == 0)
        return;
    if (m_nDrawn != 0)
        DrawDragPolygon(m_pDC, m_ptsDrawn, m_nDrawn);
    m_nDrawn = nCount;
    if (nCount != 0)
    {
        memcpy(m_ptsDrawn, pts, nCount * sizeof(POINT));
        DrawDragPolygon(m_pDC, m_ptsDrawn, m_nDrawn);
    }
}

void CWinDrag::PointsFromRect(POINT* pPoints, int& nCount, const RECT* pRect, CPoint, CWnd*)
{
    if (pPoints == NULL || pRect == NULL || nCount < 4)
    {
        nCount = 0;
        return;
    }
    pPoints[0].x = pRect->left;
    pPoints[0].y = pRect->top;
    pPoints[1].x = pRect->right;
    pPoints[1].y = pRect->top;
    pPoints[2].x = pRect->right;
    pPoints[2].y = pRect->bottom;
    pPoints[3].x = pRect->left;
    pPoints[3].y = pRect->bottom;
    nCount = 4;
}

void CWinDrag::DrawDragPolygon(CDC* pDC, const POINT* pPoints, int nCount, int nBorder)
{
    if (pDC == NULL || pPoints == NULL || nCount < 3 || nCount > nMaxOutlinePoints)
        return;
    POINT pts[nMaxOutlinePoints];
    memcpy(pts, pPoints, nCount * sizeof(POINT));

    // the band: the polygon less the part of it that stays inside when moved nBorder pixels
    // each way (exact for the right-angled outlines drawn here)
    CRgn rgnOuter, rgnInner, rgnShifted, rgnBand;
    if (!rgnOuter.CreatePolygonRgn(pts, nCount, WINDING) || !rgnInner.CreateRectRgn(0, 0, 0, 0)
        || !rgnShifted.CreateRectRgn(0, 0, 0, 0) || !rgnBand.CreateRectRgn(0, 0, 0, 0))
        return;
    rgnInner.CopyRgn(&rgnOuter);
    static const int offsets[4][2] = { { 1, 0 }, { -1, 0 }, { 0, 1 }, { 0, -1 } };
    for (int i = 0; i < 4; i++)
    {
        rgnShifted.CopyRgn(&rgnOuter);
        rgnShifted.OffsetRgn(offsets[i][0] * nBorder, offsets[i][1] * nBorder);
        rgnInner.CombineRgn(&rgnInner, &rgnShifted, RGN_AND);
    }
    rgnBand.CombineRgn(&rgnOuter, &rgnInner, RGN_DIFF);

    static const WORD halftone[8] = { 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA };
    CBitmap bitmap;
    CBrush brush;
    if (!bitmap.CreateBitmap(8, 8, 1, 1, halftone) || !brush.CreatePatternBrush(&bitmap))
        return;
    CRect rectBox;
    rgnBand.GetRgnBox(&rectBox);
    pDC->SelectClipRgn(&rgnBand);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->PatBlt(rectBox.left, rectBox.top, rectBox.Width(), rectBox.Height(), PATINVERT);
    if (pOldBrush != NULL)
        pDC->SelectObject(pOldBrush);
    pDC->SelectClipRgn(NULL);
}

void CWinDrag::DrawFocusFrame(CWnd* pWnd)
{
    DrawFocusFrameEx(pWnd, NULL);
}

void CWinDrag::DrawFocusFrameEx(CWnd* pWnd, CRect* pRect)
{
    CRect rect;
    if (pRect != NULL)
        rect = *pRect;
    else if (pWnd != NULL && ::IsWindow(pWnd->m_hWnd))
        pWnd->GetWindowRect(&rect);
    else
        return;

    POINT pts[4];
    int nCount = 4;
    CWinDrag::PointsFromRect(pts, nCount, &rect, CPoint(0, 0), NULL);
    if (m_pDC != NULL)
    {
        DrawDragPolygon(m_pDC, pts, nCount);
        return;
    }
    // outside a loop: a DC of the whole screen just for this
    HWND hDesktop = ::GetDesktopWindow();
    HDC hDC = ::GetDCEx(hDesktop, NULL, DCX_WINDOW | DCX_CACHE);
    if (hDC == NULL)
        return;
    CDC dc;
    dc.Attach(hDC);
    DrawDragPolygon(&dc, pts, nCount);
    ::ReleaseDC(hDesktop, dc.Detach());
}

void CWinDrag::SetStartDragPrompt(CFrameWnd* pFrame, UINT nID)
{
    m_pPromptFrame = pFrame;
    m_nPromptID = nID;
}
