// dockcont.cpp - CDockContext: dragging a bar between the sides of its frame and floating frames,
// and resizing a floating bar.  The loop is modal on the bar's capture; Escape, the right button
// or a lost capture cancel it, Control keeps the bar floating, Shift turns it.
#include "afximpl_.h"
#include <afxpriv.h>

namespace
{
// moves rect the least distance that brings pt inside it
void AdjustRectangle(CRect& rect, CPoint pt)
{
    const int nXOffset = (pt.x < rect.left) ? (pt.x - rect.left) : (pt.x > rect.right) ? (pt.x - rect.right) : 0;
    const int nYOffset = (pt.y < rect.top) ? (pt.y - rect.top) : (pt.y > rect.bottom) ? (pt.y - rect.bottom) : 0;
    rect.OffsetRect(nXOffset, nYOffset);
}

// the floating frame rectangle around a bar of that size, one border in
void FrameRectFor(CRect& rect)
{
    CMiniFrameWnd::CalcBorders(&rect, WS_THICKFRAME | WS_CAPTION);
    rect.InflateRect(-afxData.cxBorder2, -afxData.cyBorder2);
}
}

CDockContext::CDockContext(CControlBar* pBar)
{
    m_pBar = pBar;
    m_pDockSite = pBar->m_pDockSite;
    m_uMRUDockID = 0;
    m_rectMRUDockPos.SetRectEmpty();
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
        m_dwMRUFloatStyle = pBar->m_dwStyle & (CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC);
    else if (pBar->m_dwStyle & CBRS_ORIENT_HORZ)
        m_dwMRUFloatStyle = CBRS_ALIGN_TOP | (pBar->m_dwStyle & CBRS_FLOAT_MULTI);
    else
        m_dwMRUFloatStyle = CBRS_ALIGN_LEFT | (pBar->m_dwStyle & CBRS_FLOAT_MULTI);
    if ((m_dwMRUFloatStyle & CBRS_ALIGN_ANY) == 0)
        m_dwMRUFloatStyle |= CBRS_ALIGN_TOP;
    // no floating place yet: the first float uses where the bar stands
    m_ptMRUFloatPos.x = CW_USEDEFAULT;
    m_ptMRUFloatPos.y = 0;
    m_pDC = NULL;
    m_ptLast = CPoint(0, 0);
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_rectDragHorz.SetRectEmpty();
    m_rectDragVert.SetRectEmpty();
    m_rectFrameDragHorz.SetRectEmpty();
    m_rectFrameDragVert.SetRectEmpty();
    m_dwDockStyle = 0;
    m_dwOverDockStyle = 0;
    m_dwStyle = 0;
    m_bFlip = FALSE;
    m_bForceFrame = FALSE;
    m_bDragging = FALSE;
    m_nHitTest = HTNOWHERE;
    m_rectRequestedSize.SetRectEmpty();
    m_rectActualSize.SetRectEmpty();
    m_rectActualFrameSize.SetRectEmpty();
    m_rectFrameBorders.SetRectEmpty();
    m_hWndTrack = NULL;
}

CDockContext::~CDockContext()
{
    if (m_pDC != NULL)
    {
        ::ReleaseDC(NULL, m_pDC->m_hDC);
        m_pDC->Detach();
        delete m_pDC;
        m_pDC = NULL;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Dragging

void CDockContext::StartDrag(CPoint pt)
{
    m_bDragging = TRUE;
    InitLoop();

    CRect rect;
    m_pBar->GetWindowRect(rect);
    m_ptLast = pt;

    if (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
    {
        const CSize sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        const CSize sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        const CSize sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
        m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
        m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
        m_rectFrameDragHorz = CRect(rect.TopLeft(), sizeFloat);
        m_rectFrameDragVert = CRect(rect.TopLeft(), sizeFloat);
    }
    else if (m_pBar->m_dwStyle & CBRS_SIZE_FIXED)
    {
        const CSize sizeHorz = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
        const CSize sizeVert = m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK);
        m_rectFrameDragHorz = m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
        m_rectFrameDragVert = m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    }
    else
    {
        // the bar as it is, and turned about the point for the other orientation
        const BOOL bHorz = HORZF(m_dwStyle) != 0;
        const DWORD dwMode = !bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
        const CSize size = m_pBar->CalcDynamicLayout(-1, dwMode);
        if (bHorz)
        {
            m_rectDragHorz = rect;
            m_rectDragVert = CRect(CPoint(pt.x - rect.Height() / 2, rect.top), size);
        }
        else
        {
            m_rectDragVert = rect;
            m_rectDragHorz = CRect(CPoint(rect.left, pt.y - rect.Width() / 2), size);
        }
        m_rectFrameDragHorz = m_rectDragHorz;
        m_rectFrameDragVert = m_rectDragVert;
    }
    FrameRectFor(m_rectFrameDragHorz);
    FrameRectFor(m_rectFrameDragVert);

    AdjustRectangle(m_rectDragHorz, pt);
    AdjustRectangle(m_rectDragVert, pt);
    AdjustRectangle(m_rectFrameDragHorz, pt);
    AdjustRectangle(m_rectFrameDragVert, pt);

    m_dwOverDockStyle = CanDock();
    Move(pt);
    Track();
}

void CDockContext::Move(CPoint pt)
{
    const CPoint ptOffset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(ptOffset);
    m_rectFrameDragHorz.OffsetRect(ptOffset);
    m_rectDragVert.OffsetRect(ptOffset);
    m_rectFrameDragVert.OffsetRect(ptOffset);
    m_ptLast = pt;

    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL)
        UpdateState(&m_bForceFrame, bDown);
    if (nChar == VK_SHIFT)
        UpdateState(&m_bFlip, bDown);
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue)
{
    if (*pFlag == bNewValue)
        return;
    *pFlag = bNewValue;
    // turning only means something for a bar that may dock both ways
    m_bFlip = (HORZF(m_dwDockStyle) && VERTF(m_dwDockStyle) && m_bFlip);
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

DWORD CDockContext::CanDock()
{
    if (m_pDockSite == NULL)
        return 0;
    DWORD dwDock = 0;
    DWORD dwCurr = 0;
    BOOL bStyleHorz = HORZF(m_dwStyle) != 0;
    bStyleHorz = m_bFlip ? !bStyleHorz : bStyleHorz;

    // the bar's own orientation first
    if (bStyleHorz && HORZF(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    else if (VERTF(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);

    // then the other one, when both of its rectangles agree on the side (unless Shift forces)
    if (!m_bFlip)
    {
        if (dwDock == 0 && HORZF(m_dwDockStyle))
        {
            dwCurr = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_VERT);
            dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
            dwDock = (dwDock == dwCurr) ? dwDock : 0;
        }
        if (dwDock == 0 && VERTF(m_dwDockStyle))
        {
            dwCurr = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
            dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
            dwDock = (dwDock == dwCurr) ? dwDock : 0;
        }
    }
    return dwDock;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    CDockBar* pBar = NULL;
    if (HORZF(dwOverDockStyle))
        m_pDockSite->CanDock(m_rectDragHorz, HORZF(dwOverDockStyle), &pBar);
    else if (VERTF(dwOverDockStyle))
        m_pDockSite->CanDock(m_rectDragVert, VERTF(dwOverDockStyle), &pBar);
    return pBar;
}

void CDockContext::EndDrag()
{
    CancelLoop();

    CDockBar* pDockBar = m_dwOverDockStyle != 0 ? GetDockBar(m_dwOverDockStyle) : NULL;
    if (pDockBar != NULL)
    {
        CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
        const UINT uID = (UINT)(WORD)::GetDlgCtrlID(pDockBar->m_hWnd);
        if (uID >= AFX_IDW_DOCKBAR_TOP && uID <= AFX_IDW_DOCKBAR_BOTTOM)
        {
            m_uMRUDockID = uID;
            m_rectMRUDockPos = rect;
            pDockBar->ScreenToClient(&m_rectMRUDockPos);
        }
        // the layout snaps the bar into its row
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        m_pDockSite->RecalcLayout();
    }
    else if ((m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) || (HORZF(m_dwStyle) && !m_bFlip) || (VERTF(m_dwStyle) && m_bFlip))
    {
        m_dwMRUFloatStyle = CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI);
        m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
        m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
    }
    else
    {
        m_dwMRUFloatStyle = CBRS_ALIGN_LEFT | (m_dwDockStyle & CBRS_FLOAT_MULTI);
        m_ptMRUFloatPos = m_rectFrameDragVert.TopLeft();
        m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Resizing a floating bar

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_bDragging = FALSE;
    InitLoop();

    CRect rect;
    m_pBar->GetWindowRect(rect);
    m_ptLast = pt;
    m_nHitTest = nHitTest;

    const CSize size = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    m_rectRequestedSize = CRect(rect.TopLeft(), size);
    m_rectActualSize = CRect(rect.TopLeft(), size);
    m_rectActualFrameSize = CRect(rect.TopLeft(), size);
    FrameRectFor(m_rectActualFrameSize);
    m_rectFrameBorders = CRect(
        CPoint(m_rectActualFrameSize.left - m_rectActualSize.left, m_rectActualFrameSize.top - m_rectActualSize.top),
        CPoint(m_rectActualFrameSize.right - m_rectActualSize.right, m_rectActualFrameSize.bottom - m_rectActualSize.bottom));

    m_dwOverDockStyle = 0;
    Stretch(pt);
    Track();
}

void CDockContext::Stretch(CPoint pt)
{
    const CPoint ptOffset = pt - m_ptLast;
    int nLength = 0;
    DWORD dwMode = LM_HORZ;
    if (m_nHitTest == HTLEFT || m_nHitTest == HTRIGHT)
    {
        if (m_nHitTest == HTLEFT)
            m_rectRequestedSize.left += ptOffset.x;
        else
            m_rectRequestedSize.right += ptOffset.x;
        nLength = m_rectRequestedSize.Width();
    }
    else
    {
        dwMode |= LM_LENGTHY;
        if (m_nHitTest == HTTOP)
            m_rectRequestedSize.top += ptOffset.y;
        else
            m_rectRequestedSize.bottom += ptOffset.y;
        nLength = m_rectRequestedSize.Height();
    }
    nLength = AfxMax(nLength, 0);

    const CSize size = m_pBar->CalcDynamicLayout(nLength, dwMode);

    // the frame never leaves the desktop entirely
    CRect rectDesk;
    ::GetWindowRect(::GetDesktopWindow(), &rectDesk);
    CRect rectTemp = m_rectActualFrameSize;
    CRect rectCheck;
    if (m_nHitTest == HTLEFT || m_nHitTest == HTTOP)
    {
        rectTemp.left = rectTemp.right - (size.cx + m_rectFrameBorders.Width());
        rectTemp.top = rectTemp.bottom - (size.cy + m_rectFrameBorders.Height());
        if (rectCheck.IntersectRect(rectDesk, rectTemp))
        {
            m_rectActualSize.left = m_rectActualSize.right - size.cx;
            m_rectActualSize.top = m_rectActualSize.bottom - size.cy;
            m_rectActualFrameSize.left = rectTemp.left;
            m_rectActualFrameSize.top = rectTemp.top;
        }
    }
    else
    {
        rectTemp.right = rectTemp.left + (size.cx + m_rectFrameBorders.Width());
        rectTemp.bottom = rectTemp.top + (size.cy + m_rectFrameBorders.Height());
        if (rectCheck.IntersectRect(rectDesk, rectTemp))
        {
            m_rectActualSize.right = m_rectActualSize.left + size.cx;
            m_rectActualSize.bottom = m_rectActualSize.top + size.cy;
            m_rectActualFrameSize.right = rectTemp.right;
            m_rectActualFrameSize.bottom = rectTemp.bottom;
        }
    }
    m_ptLast = pt;
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    CancelLoop();
    m_pBar->CalcDynamicLayout(m_rectActualSize.Width(), LM_HORZ | LM_COMMIT);
    m_pDockSite->FloatControlBar(m_pBar, m_rectActualFrameSize.TopLeft(),
        CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_SIZE_DYNAMIC);
}

/////////////////////////////////////////////////////////////////////////////
// Double click

void CDockContext::ToggleDocking()
{
    if (m_pDockSite == NULL)
        m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == NULL)
        return;
    if (m_pBar->IsFloating())
    {
        // back to its last side, when it may dock at all
        if (m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY)
        {
            CRect rect = m_rectMRUDockPos;
            CDockBar* pDockBar = NULL;
            if (m_uMRUDockID != 0)
            {
                pDockBar = (CDockBar*)m_pDockSite->GetControlBar(m_uMRUDockID);
                if (pDockBar != NULL)
                    pDockBar->ClientToScreen(&rect);
            }
            m_pDockSite->ReDockControlBar(m_pBar, pDockBar, pDockBar != NULL ? &rect : NULL);
            m_pDockSite->RecalcLayout();
        }
    }
    else
    {
        CPoint ptFloat = m_ptMRUFloatPos;
        if (ptFloat.x < 0 || ptFloat.y < 0)
        {
            ptFloat = m_rectMRUDockPos.TopLeft();
            m_pBar->GetParent()->ClientToScreen(&ptFloat);
        }
        m_pDockSite->FloatControlBar(m_pBar, ptFloat, m_dwMRUFloatStyle);
    }
}

/////////////////////////////////////////////////////////////////////////////
// The tracking loop

void CDockContext::InitLoop()
{
    // what is still to paint paints now, before the feedback goes over it
    MSG msg;
    while (::PeekMessageA(&msg, NULL, WM_PAINT, WM_PAINT, PM_NOREMOVE))
    {
        if (!::GetMessageA(&msg, NULL, WM_PAINT, WM_PAINT))
            return;
        ::DispatchMessageA(&msg);
    }

    if (m_pDockSite == NULL)
        m_pDockSite = m_pBar->m_pDockSite;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle & CBRS_ALIGN_ANY;
    if (m_dwStyle == 0)
        m_dwStyle = CBRS_ALIGN_TOP;

    m_rectLast.SetRectEmpty();
    m_sizeLast.cx = m_sizeLast.cy = 0;
    m_bForceFrame = m_bFlip = m_bDitherLast = FALSE;

    // the feedback goes straight onto the screen
    if (m_pDC == NULL)
    {
        m_pDC = new CDC;
        m_pDC->Attach(::GetDCEx(NULL, NULL, DCX_WINDOW | DCX_CACHE));
    }
}

void CDockContext::CancelLoop()
{
    if (m_pDC != NULL)
    {
        DrawFocusRect(TRUE);
        ::ReleaseDC(NULL, m_pDC->m_hDC);
        m_pDC->Detach();
        delete m_pDC;
        m_pDC = NULL;
    }
    if (m_hWndTrack != NULL && ::GetCapture() == m_hWndTrack)
        ::ReleaseCapture();
}

BOOL CDockContext::Track()
{
    // another loop already owns the mouse
    if (::GetCapture() != NULL)
    {
        CancelLoop();
        return FALSE;
    }
    const HWND hWndBar = m_pBar->m_hWnd;
    m_hWndTrack = hWndBar;
    ::SetCapture(hWndBar);

    while (::GetCapture() == hWndBar)
    {
        MSG msg;
        if (!::GetMessageA(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        switch (msg.message)
        {
        case WM_LBUTTONUP:
            if (m_bDragging)
                EndDrag();
            else
                EndResize();
            m_hWndTrack = NULL;
            return TRUE;
        case WM_MOUSEMOVE:
            if (m_bDragging)
                Move(msg.pt);
            else
                Stretch(msg.pt);
            break;
        case WM_KEYUP:
            if (m_bDragging)
                OnKey((int)msg.wParam, FALSE);
            break;
        case WM_KEYDOWN:
            if (m_bDragging)
                OnKey((int)msg.wParam, TRUE);
            if (msg.wParam == VK_ESCAPE)
            {
                CancelLoop();
                m_hWndTrack = NULL;
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            m_hWndTrack = NULL;
            return FALSE;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    // the capture went elsewhere (or the bar went away): nothing is docked or floated
    CancelLoop();
    m_hWndTrack = NULL;
    return FALSE;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_pDC == NULL)
        return;
    CSize size(CX_BORDER, CY_BORDER);
    CRect rect;
    CBrush* pWhiteBrush = CBrush::FromHandle((HBRUSH)::GetStockObject(WHITE_BRUSH));
    CBrush* pDitherBrush = CBrush::FromHandle(AfxGetHalftoneBrush());
    CBrush* pBrush = pWhiteBrush;

    if (m_bDragging && HORZF(m_dwOverDockStyle))
        rect = m_rectDragHorz;
    else if (m_bDragging && VERTF(m_dwOverDockStyle))
        rect = m_rectDragVert;
    else
    {
        // floating: the thick frame of a floating frame, dithered
        size.cx = ::GetSystemMetrics(SM_CXFRAME) - CX_BORDER;
        size.cy = ::GetSystemMetrics(SM_CYFRAME) - CY_BORDER;
        if (!m_bDragging)
            rect = m_rectActualFrameSize;
        else if ((HORZF(m_dwStyle) && !m_bFlip) || (VERTF(m_dwStyle) && m_bFlip))
            rect = m_rectFrameDragHorz;
        else
            rect = m_rectFrameDragVert;
        pBrush = pDitherBrush;
    }
    if (bRemoveRect)
        size.cx = size.cy = 0;
    if (m_bDragging && (HORZF(m_dwOverDockStyle) || VERTF(m_dwOverDockStyle)))
        rect.InflateRect(-CX_BORDER, -CY_BORDER);

    m_pDC->DrawDragRect(&rect, size, &m_rectLast, m_sizeLast, pBrush, m_bDitherLast ? pDitherBrush : pWhiteBrush);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = (pBrush == pDitherBrush);
}
