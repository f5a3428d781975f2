// SceneBitmaps.cpp - the bitmaps scene: a panel over the drawing with one picture (a sketch made
// at start-up) brought down to thumbnail size three ways - stretched, resampled, resampled and
// sharpened - and a row of 3-D frames in the styles the library's controls use.
#include "SceneBitmaps.h"
#include "MainFrm.h"
#include "ScenePanel.h"
#include <math.h>

namespace
{
const int cxPicture = 560;
const int cyPicture = 420;

// A landscape with a house and plenty of one-pixel lines (fence, wires, sun rays, roof tiles):
// brought down to a thumbnail, those are what plain stretching loses and resampling keeps.
BOOL MakePicture(CBitmapEx& picture)
{
    if (!picture.CreateDIBitmap(NULL, cxPicture, cyPicture))
        return FALSE;
    CDC* pDC = picture.GetMemDC();
    if (pDC == NULL)
        return FALSE;
    for (int y = 0; y < 260; y++)
        pDC->FillSolidRect(0, y, cxPicture, 1, RGB(80 + y / 3, 140 + y / 4, 235));
    CPen penNone;
    penNone.CreateStockObject(NULL_PEN);
    CPen* pOldPen = pDC->SelectObject(&penNone);
    CBrush brushSun(RGB(255, 215, 50));
    CBrush* pOldBrush = pDC->SelectObject(&brushSun);
    pDC->Ellipse(410, 40, 490, 120);
    CPen penRay(PS_SOLID, 1, RGB(255, 200, 40));
    pDC->SelectObject(&penRay);
    for (int i = 0; i < 24; i++)
    {
        const double a = i * 3.14159265 / 12;
        pDC->MoveTo(450 + (int)(48 * cos(a)), 80 + (int)(48 * sin(a)));
        pDC->LineTo(450 + (int)(75 * cos(a)), 80 + (int)(75 * sin(a)));
    }
    pDC->SelectObject(&penNone);
    CBrush brushHill(RGB(60, 150, 60));
    pDC->SelectObject(&brushHill);
    const POINT hill[] = { { 0, 260 }, { 150, 190 }, { 300, 235 }, { 450, 170 }, { 560, 225 },
        { 560, 420 }, { 0, 420 } };
    pDC->Polygon(hill, 7);
    // the house: wall, roof with tiles, window with bars, door
    pDC->FillSolidRect(120, 240, 180, 130, RGB(235, 225, 200));
    CBrush brushRoof(RGB(190, 40, 30));
    pDC->SelectObject(&brushRoof);
    const POINT roof[] = { { 100, 245 }, { 210, 160 }, { 320, 245 } };
    pDC->Polygon(roof, 3);
    CPen penTile(PS_SOLID, 1, RGB(120, 20, 15));
    pDC->SelectObject(&penTile);
    for (int y = 172; y < 245; y += 6)
    {
        const int dx = (y - 160) * 110 / 85;
        pDC->MoveTo(210 - dx, y);
        pDC->LineTo(210 + dx, y);
    }
    pDC->FillSolidRect(145, 265, 50, 50, RGB(70, 120, 200));
    CPen penBar(PS_SOLID, 1, RGB(255, 255, 255));
    pDC->SelectObject(&penBar);
    for (int i = 1; i < 4; i++)
    {
        pDC->MoveTo(145 + i * 12, 265);
        pDC->LineTo(145 + i * 12, 315);
        pDC->MoveTo(145, 265 + i * 12);
        pDC->LineTo(195, 265 + i * 12);
    }
    pDC->FillSolidRect(225, 290, 45, 80, RGB(110, 70, 40));
    // a fence of one-pixel pickets, and the power line
    CPen penFence(PS_SOLID, 1, RGB(250, 250, 240));
    pDC->SelectObject(&penFence);
    for (int x = 0; x < cxPicture; x += 5)
    {
        pDC->MoveTo(x, 385);
        pDC->LineTo(x, 410);
    }
    pDC->MoveTo(0, 392);
    pDC->LineTo(cxPicture, 392);
    CPen penWire(PS_SOLID, 1, RGB(30, 30, 30));
    pDC->SelectObject(&penWire);
    CPen penPole(PS_SOLID, 5, RGB(60, 45, 30));
    for (int nPole = 0; nPole < 2; nPole++)
    {
        const int x = 370 + nPole * 150;
        pDC->SelectObject(&penPole);
        pDC->MoveTo(x, 380);
        pDC->LineTo(x, 150);
        pDC->SelectObject(&penWire);
        for (int k = 0; k < 3; k++)
        {
            pDC->MoveTo(x - 150, 165 + k * 10 + 8);
            pDC->LineTo(x, 160 + k * 10);
        }
    }
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
    picture.ReleaseMemDC();
    return TRUE;
}

// A rectangle as the polygon Draw3DFrame takes.
void RectPoints(const CRect& rect, POINT* pPoints)
{
    pPoints[0] = CPoint(rect.left, rect.top);
    pPoints[1] = CPoint(rect.right, rect.top);
    pPoints[2] = CPoint(rect.right, rect.bottom);
    pPoints[3] = CPoint(rect.left, rect.bottom);
}

class CBitmapScenePanel;
CBitmapScenePanel* s_pPanel = NULL;

class CBitmapScenePanel : public CWnd
{
public:
    BOOL CreatePanel(CWnd* pParent, const CRect& rect);

protected:
    CBitmapEx m_picture;
    CBitmapEx m_buffer;
    CFont m_font;

    void Render(CDC& dc, const CRect& rectClient);
    void Caption(CDC& dc, const CRect& rect, LPCSTR lpszText);

    virtual void PostNcDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBitmapScenePanel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CBitmapScenePanel::CreatePanel(CWnd* pParent, const CRect& rect)
{
    if (!MakePicture(m_picture))
        return FALSE;
    LOGFONTA lfMenu = GetMenuLogFont();
    m_font.CreateFontIndirect(&lfMenu);

    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), NULL);
    return CreateEx(WS_EX_DLGMODALFRAME, lpszClass, "Bitmaps", WS_CHILD | WS_CAPTION, rect, pParent, 0);
}

void CBitmapScenePanel::PostNcDestroy()
{
    // goes with the drawing view it lives on
    s_pPanel = NULL;
    delete this;
}

BOOL CBitmapScenePanel::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;    // OnPaint covers everything
}

void CBitmapScenePanel::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    // drawn off screen in a bitmap of the library's own, then copied in one go
    if (m_buffer.Width() != rectClient.Width() || m_buffer.Height() != rectClient.Height())
        m_buffer.CreateDIBitmap(&dc, rectClient.Width(), rectClient.Height());
    CDC* pDC = m_buffer.GetMemDC(dc.m_hDC);
    if (pDC == NULL)
        return;
    Render(*pDC, rectClient);
    dc.BitBlt(0, 0, rectClient.Width(), rectClient.Height(), pDC, 0, 0, SRCCOPY);
    m_buffer.ReleaseMemDC();
}

void CBitmapScenePanel::Caption(CDC& dc, const CRect& rect, LPCSTR lpszText)
{
    CRect rectText = rect;
    dc.DrawText(lpszText, -1, &rectText, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void CBitmapScenePanel::Render(CDC& dc, const CRect& rectClient)
{
    dc.FillSolidRect(&rectClient, ::GetSysColor(COLOR_BTNFACE));
    CFont* pOldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));

    const int cxMargin = 14;
    CRect rectNote(cxMargin, 14, rectClient.right - cxMargin, 40);
    dc.DrawText("One 560 x 420 picture brought down into 224 x 168 cells three ways:",
        -1, &rectNote, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    static const struct
    {
        WORD wMode;
        LPCSTR lpszCaption;
    } cells[3] = {
        { BMPEX_FIT, "Fitted (stretched)" },
        { BMPEX_FIT | BMPEX_SMOOTH, "Fitted and smoothed" },
        { BMPEX_FIT | BMPEX_SMOOTH | BMPEX_SHARPEN, "Smoothed and sharpened" },
    };
    const int cxCell = 224, cyCell = 168, cxGap = (rectClient.Width() - 2 * cxMargin - 3 * cxCell) / 2;
    for (int i = 0; i < 3; i++)
    {
        const CRect rectCell(cxMargin + i * (cxCell + cxGap), 56, cxMargin + i * (cxCell + cxGap) + cxCell,
            56 + cyCell);
        m_picture.Draw(dc, &rectCell, NULL, cells[i].wMode);
        // a sunken-looking frame around the cell that leaves the picture alone
        POINT frame[4];
        CRect rectFrame = rectCell;
        rectFrame.InflateRect(3, 3, 2, 2);
        RectPoints(rectFrame, frame);
        Draw3DFrame(dc, frame, 4, FRAME3D_FRAMEONLY | FRAME3D_SOFT);
        Caption(dc, CRect(rectCell.left, rectCell.bottom + 8, rectCell.right, rectCell.bottom + 28),
            cells[i].lpszCaption);
    }

    // 3-D frames along polygons: buttons and tabs as the library's controls draw them
    const int yFrames = 300;
    dc.TextOut(cxMargin, yFrames - 24, "3-D frames along polygons", 25);
    CFrameColors colors;
    POINT points[8];

    RectPoints(CRect(cxMargin + 4, yFrames, cxMargin + 124, yFrames + 40), points);
    Draw3DFrame(dc, points, 4, 0, &colors);
    Caption(dc, CRect(cxMargin, yFrames + 48, cxMargin + 128, yFrames + 68), "Raised (style 0)");

    int x = cxMargin + 160;
    RectPoints(CRect(x + 4, yFrames, x + 124, yFrames + 40), points);
    Draw3DFrame(dc, points, 4, FRAME3D_SOFT | FRAME3D_DARKFACE | FRAME3D_NOOUTERDARK, &colors);
    Caption(dc, CRect(x, yFrames + 48, x + 128, yFrames + 68), "Soft, dark face (14)");

    // a tab: seven points with the corners cut by 2, open at the bottom
    x += 160;
    const POINT tab[7] = { { x + 4, yFrames + 40 }, { x + 4, yFrames + 2 }, { x + 6, yFrames },
        { x + 118, yFrames }, { x + 120, yFrames + 2 }, { x + 120, yFrames + 40 }, { x + 4, yFrames + 40 } };
    Draw3DFrame(dc, (POINT*)tab, 7, 0, &colors);
    Caption(dc, CRect(x, yFrames + 48, x + 128, yFrames + 68), "Tab outline");

    // an octagon, framed only: the hatching inside stays
    x += 160;
    CRect rectOct(x + 24, yFrames - 4, x + 104, yFrames + 44);
    CBrush hatch(HS_DIAGCROSS, ::GetSysColor(COLOR_BTNSHADOW));
    dc.FillRect(&rectOct, &hatch);
    const POINT oct[8] = { { x + 40, yFrames - 4 }, { x + 88, yFrames - 4 }, { x + 104, yFrames + 12 },
        { x + 104, yFrames + 28 }, { x + 88, yFrames + 44 }, { x + 40, yFrames + 44 }, { x + 24, yFrames + 28 },
        { x + 24, yFrames + 12 } };
    Draw3DFrame(dc, (POINT*)oct, 8, FRAME3D_FRAMEONLY, &colors);
    Caption(dc, CRect(x, yFrames + 48, x + 128, yFrames + 68), "Frame only");

    dc.SelectObject(pOldFont);
}
}

BOOL SceneBitmaps(CMainFrame* pFrame)
{
    if (!CreateScenePanel(s_pPanel, &pFrame->GetDrawingView(), CRect(16, 12, 16 + 740, 12 + 440)))
        return FALSE;
    ShowScenePanel(s_pPanel);
    return TRUE;
}

void HideBitmapsScene()
{
    HideScenePanel(s_pPanel);
}
