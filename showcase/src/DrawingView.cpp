// DrawingView.cpp - the drawing area of the showcase.
#include "DrawingView.h"
#include "resource.h"
#include "SceneObjects.h"

namespace
{
const int nDefaultGridStep = 10;
const int nMajorEvery = 5;
const int nAxisMargin = 40;     // the axes' origin sits this far from the lower-left corner
const int nAxisLength = 60;

// The sheet takes the window colour the host gives the library's controls (its colour scheme,
// else Windows'); grid lines are the sheet shaded towards the text colour.
const float fMinorGridShade = 0.07f;
const float fMajorGridShade = 0.18f;
const COLORREF clrAxisX = RGB(200, 40, 40);
const COLORREF clrAxisY = RGB(40, 160, 40);
}

BEGIN_MESSAGE_MAP(CDrawingView, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_COMMAND(ID_FILE_NEWDRAWING, OnFileNewDrawing)
    ON_COMMAND(ID_VIEW_GRID, OnViewGrid)
    ON_UPDATE_COMMAND_UI(ID_VIEW_GRID, OnUpdateViewGrid)
    ON_COMMAND(ID_VIEW_AXES, OnViewAxes)
    ON_UPDATE_COMMAND_UI(ID_VIEW_AXES, OnUpdateViewAxes)
    ON_COMMAND(ID_VIEW_RECOLOUR, OnViewRecolour)
END_MESSAGE_MAP()

CDrawingView::CDrawingView()
    : m_bShowGrid(TRUE), m_bShowAxes(TRUE), m_nGridStep(nDefaultGridStep)
{
}

CDrawingView::~CDrawingView()
{
}

BOOL CDrawingView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~WS_BORDER;
    // the view paints everything itself: no class background, and full repaints on resize
    // because the axes are anchored to the lower-left corner
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
        ::LoadCursor(NULL, IDC_CROSS), NULL, NULL);
    return TRUE;
}

void CDrawingView::ShowGrid(BOOL bShow)
{
    m_bShowGrid = bShow;
    if (m_hWnd != NULL)
        Invalidate();
}

void CDrawingView::ShowAxes(BOOL bShow)
{
    m_bShowAxes = bShow;
    if (m_hWnd != NULL)
        Invalidate();
}

void CDrawingView::SetGridStep(int nStep)
{
    m_nGridStep = nStep < 2 ? 2 : nStep;
    if (m_hWnd != NULL)
        Invalidate();
}

void CDrawingView::ResetDrawing()
{
    m_bShowGrid = TRUE;
    m_bShowAxes = TRUE;
    m_nGridStep = nDefaultGridStep;
    if (m_hWnd != NULL)
        Invalidate();
}

BOOL CDrawingView::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;    // OnPaint covers every pixel
}

void CDrawingView::OnViewRecolour()
{
    OnObjectsRecolour();
}

void CDrawingView::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);

    const COLORREF clrSheet = GetMainWndSysColor(COLOR_WINDOW, UIL_COLORCONTEXT_CONTROL);
    dc.FillSolidRect(&rectClient, clrSheet);
    if (m_bShowGrid)
    {
        const COLORREF clrText = GetMainWndSysColor(COLOR_WINDOWTEXT, UIL_COLORCONTEXT_CONTROL);
        DrawGrid(&dc, rectClient, GetMixColor(clrSheet, clrText, fMinorGridShade),
            GetMixColor(clrSheet, clrText, fMajorGridShade));
    }
    if (m_bShowAxes)
        DrawAxes(&dc, rectClient);
    DrawObjectsScene(&dc, rectClient);
}

void CDrawingView::DrawGrid(CDC* pDC, const CRect& rectClient, COLORREF clrMinorGrid,
    COLORREF clrMajorGrid)
{
    // lines are counted from the axes' origin so that the major lines run through it
    const int xOrigin = rectClient.left + nAxisMargin;
    const int yOrigin = rectClient.bottom - nAxisMargin;
    CPen penMinor(PS_SOLID, 1, clrMinorGrid);
    CPen penMajor(PS_SOLID, 1, clrMajorGrid);
    CPen* pOldPen = pDC->SelectObject(&penMinor);

    for (int nPass = 0; nPass < 2; nPass++)
    {
        const BOOL bMajor = nPass == 1;     // majors last, so that they stay on top
        pDC->SelectObject(bMajor ? &penMajor : &penMinor);
        int i = -((xOrigin - rectClient.left) / m_nGridStep);
        for (int x = xOrigin + i * m_nGridStep; x < rectClient.right; x += m_nGridStep, i++)
        {
            if ((i % nMajorEvery == 0) != bMajor)
                continue;
            pDC->MoveTo(x, rectClient.top);
            pDC->LineTo(x, rectClient.bottom);
        }
        int j = -((rectClient.bottom - yOrigin) / m_nGridStep);
        for (int y = yOrigin - j * m_nGridStep; y >= rectClient.top; y -= m_nGridStep, j++)
        {
            if ((j % nMajorEvery == 0) != bMajor)
                continue;
            pDC->MoveTo(rectClient.left, y);
            pDC->LineTo(rectClient.right, y);
        }
    }
    pDC->SelectObject(pOldPen);
}

void CDrawingView::DrawAxes(CDC* pDC, const CRect& rectClient)
{
    const int x0 = rectClient.left + nAxisMargin;
    const int y0 = rectClient.bottom - nAxisMargin;
    CPen penX(PS_SOLID, 2, clrAxisX);
    CPen penY(PS_SOLID, 2, clrAxisY);

    CPen* pOldPen = pDC->SelectObject(&penX);
    pDC->MoveTo(x0, y0);
    pDC->LineTo(x0 + nAxisLength, y0);
    pDC->MoveTo(x0 + nAxisLength - 6, y0 - 4);
    pDC->LineTo(x0 + nAxisLength, y0);
    pDC->LineTo(x0 + nAxisLength - 6, y0 + 4);

    pDC->SelectObject(&penY);
    pDC->MoveTo(x0, y0);
    pDC->LineTo(x0, y0 - nAxisLength);
    pDC->MoveTo(x0 - 4, y0 - nAxisLength + 6);
    pDC->LineTo(x0, y0 - nAxisLength);
    pDC->LineTo(x0 + 4, y0 - nAxisLength + 6);
    pDC->SelectObject(pOldPen);

    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrAxisX);
    pDC->TextOut(x0 + nAxisLength + 4, y0 - 8, "X", 1);
    pDC->SetTextColor(clrAxisY);
    pDC->TextOut(x0 - 4, y0 - nAxisLength - 18, "Y", 1);
}

void CDrawingView::OnFileNewDrawing()
{
    ResetDrawing();
}

void CDrawingView::OnViewGrid()
{
    ShowGrid(!m_bShowGrid);
}

void CDrawingView::OnUpdateViewGrid(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bShowGrid ? 1 : 0);
}

void CDrawingView::OnViewAxes()
{
    ShowAxes(!m_bShowAxes);
}

void CDrawingView::OnUpdateViewAxes(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bShowAxes ? 1 : 0);
}
