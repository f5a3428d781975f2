// SceneTabs.cpp - the tabs scene: three palette panes share one panel over the drawing, each
// with a bookmark tab strip.  The first has its strip along the bottom with more tabs than fit,
// scrolled on by two and one tab selected; the second has a vertical strip along its left side;
// the third squeezes all its tabs into the strip (fit mode).  Clicking a tab shows that palette's
// name in its pane, as a window packet would show the palette's window.
#include "SceneTabs.h"
#include "MainFrm.h"
#include "ScenePanel.h"

namespace
{
const char* const s_palettes[] = { "Layers", "Properties", "Blocks", "Xrefs", "Sheet sets", "Tools",
    "Quick calc", "Markups", "Lights", "Materials" };
const int nPalettes = 10;
const int nStripThickness = 22;
const UINT nFirstStripID = 5000;
const COLORREF clrMask = RGB(255, 0, 255);

// One 16 x 16 tab icon: a small sheet in the palette's colour with a mark on it.
void DrawTabIcon(CDC& dc, int nIcon)
{
    static const COLORREF colors[] = { RGB(40, 110, 200), RGB(200, 120, 30), RGB(60, 150, 70),
        RGB(150, 60, 160), RGB(190, 50, 50), RGB(90, 90, 90) };
    dc.FillSolidRect(0, 0, 16, 16, clrMask);
    const COLORREF clr = colors[nIcon % 6];
    dc.FillSolidRect(2, 1, 11, 14, RGB(250, 250, 245));
    dc.Draw3dRect(2, 1, 11, 14, RGB(80, 80, 80), RGB(80, 80, 80));
    dc.FillSolidRect(4, 3, 7, 3, clr);
    for (int y = 8; y < 14; y += 2)
        dc.FillSolidRect(4, y, 4 + (nIcon + y) % 4, 1, RGB(120, 120, 120));
    dc.FillSolidRect(9, 9, 5, 5, clr);
}

class CTabsScenePanel;
CTabsScenePanel* s_pPanel = NULL;

class CTabsScenePanel : public CWnd
{
public:
    BOOL CreatePanel(CWnd* pParent, const CRect& rect);

protected:
    enum { nPanes = 3 };
    CBookMark m_strips[nPanes];
    CRect m_rectPanes[nPanes];          // the palette's own area, beside its strip
    CImageList m_images;
    CFont m_font;
    CFont m_fontBold;

    BOOL MakeImages();
    BOOL MakeStrip(int nPane, const CRect& rectStrip, DWORD dwStyle, int nTabs);
    void DrawPane(CDC& dc, int nPane);

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTabsScenePanel, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CTabsScenePanel::MakeImages()
{
    if (!m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, nPalettes, 0))
        return FALSE;
    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    for (int i = 0; i < nPalettes; i++)
    {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcScreen, 16, 16);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        DrawTabIcon(dc, i);
        dc.SelectObject(pOld);
        m_images.Add(&bitmap, clrMask);
    }
    return TRUE;
}

BOOL CTabsScenePanel::MakeStrip(int nPane, const CRect& rectStrip, DWORD dwStyle, int nTabs)
{
    CBookMark& strip = m_strips[nPane];
    if (!strip.Create(rectStrip, this, nFirstStripID + nPane, dwStyle))
        return FALSE;
    for (int i = 0; i < nTabs; i++)
    {
        strip.AddMark(s_palettes[i]);
        strip.GetButton(i)->SetImage(&m_images, i);
    }
    // each pane's palettes answer to commands of their own
    strip.SetBaseCmdID(100 * (nPane + 1));
    strip.ResizeButtons(SWP_SHOWWINDOW);
    return TRUE;
}

BOOL CTabsScenePanel::CreatePanel(CWnd* pParent, const CRect& rect)
{
    LOGFONTA lfMenu = GetMenuLogFont();
    m_font.CreateFontIndirect(&lfMenu);
    lfMenu.lfWeight = FW_BOLD;
    lfMenu.lfHeight = lfMenu.lfHeight * 3 / 2;
    m_fontBold.CreateFontIndirect(&lfMenu);
    if (!MakeImages())
        return FALSE;
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), NULL);
    if (!CreateEx(WS_EX_DLGMODALFRAME, lpszClass, "Tab strips", WS_CHILD | WS_CAPTION | WS_CLIPCHILDREN, rect,
            pParent, 0))
        return FALSE;

    // the panes: a wide one with its strip along the bottom, a tall one with its strip on the
    // left, and a narrow one whose tabs are squeezed to fit
    const int t = nStripThickness;
    m_rectPanes[0] = CRect(16, 30, 436, 250);
    m_rectPanes[1] = CRect(476 + t, 30, 716, 390);
    m_rectPanes[2] = CRect(16, 290, 436, 368);
    if (!MakeStrip(0, CRect(16, 250, 436, 250 + t), 0, nPalettes)
        || !MakeStrip(1, CRect(476, 30, 476 + t, 390), BMS_VERT_LEFT, 8)
        || !MakeStrip(2, CRect(16, 368, 436, 368 + t), BMS_FIT, nPalettes))
        return FALSE;

    // the first strip scrolled on by two, its sixth palette ("Tools") shown
    m_strips[0].SetFirstVisible(2);
    m_strips[0].ResizeButtons(SWP_SHOWWINDOW);
    m_strips[0].ResetActFlags();
    m_strips[0].SetCurSel(5);
    m_strips[1].SendMessage(WM_COMMAND, BM_ID_SCROLLFORWARD, (LPARAM)m_strips[1].m_btnForward.m_hWnd);
    m_strips[1].ResetActFlags();
    m_strips[1].SetCurSel(3);
    m_strips[2].ResetActFlags();
    m_strips[2].SetCurSel(7);
    return TRUE;
}

void CTabsScenePanel::PostNcDestroy()
{
    // goes with the drawing view it lives on
    s_pPanel = NULL;
    delete this;
}

BOOL CTabsScenePanel::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // a tab chosen in a strip: its pane shows that palette now
    const UINT nID = LOWORD(wParam);
    if (nID >= 100 && nID < 100 * (nPanes + 1))
    {
        InvalidateRect(&m_rectPanes[nID / 100 - 1], FALSE);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CTabsScenePanel::DrawPane(CDC& dc, int nPane)
{
    const CRect& rect = m_rectPanes[nPane];
    dc.FillSolidRect(&rect, ::GetSysColor(COLOR_WINDOW));
    dc.Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    const int nSel = m_strips[nPane].GetCurSel();
    if (nSel < 0)
        return;

    // the palette's icon, enlarged, and its name; then a few rows of made-up content
    CDC dcIcon;
    dcIcon.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 16, 16);
    CBitmap* pOld = dcIcon.SelectObject(&bitmap);
    dcIcon.FillSolidRect(0, 0, 16, 16, ::GetSysColor(COLOR_WINDOW));
    m_images.Draw(&dcIcon, nSel, CPoint(0, 0), ILD_TRANSPARENT);
    dc.StretchBlt(rect.left + 10, rect.top + 10, 32, 32, &dcIcon, 0, 0, 16, 16, SRCCOPY);
    dcIcon.SelectObject(pOld);

    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    CFont* pOldFont = dc.SelectObject(&m_fontBold);
    dc.TextOut(rect.left + 52, rect.top + 16, s_palettes[nSel]);
    dc.SelectObject(&m_font);
    CString str;
    for (int i = 0; i < 6 && rect.top + 52 + i * 18 < rect.bottom - 14; i++)
    {
        str.Format("%s item %d", s_palettes[nSel], i + 1);
        const int y = rect.top + 52 + i * 18;
        m_images.Draw(&dc, (nSel + i) % nPalettes, CPoint(rect.left + 12, y), ILD_TRANSPARENT);
        dc.TextOut(rect.left + 34, y + 1, str);
    }
    dc.SelectObject(pOldFont);
}

void CTabsScenePanel::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    dc.FillSolidRect(&rectClient, ::GetSysColor(COLOR_BTNFACE));
    for (int i = 0; i < nPanes; i++)
        DrawPane(dc, i);

    CFont* pOldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    dc.TextOut(16, 10, "Ten palettes, scrolled on by two; \"Tools\" shown");
    dc.TextOut(476, 10, "A vertical strip, scrolled by one");
    dc.TextOut(16, 274, "Fit mode: all ten tabs squeezed into the strip");
    dc.SelectObject(pOldFont);
}
}

BOOL SceneTabs(CMainFrame* pFrame)
{
    if (!CreateScenePanel(s_pPanel, &pFrame->GetDrawingView(), CRect(16, 12, 16 + 740, 12 + 440)))
        return FALSE;
    ShowScenePanel(s_pPanel);
    return TRUE;
}

void HideTabsScene()
{
    HideScenePanel(s_pPanel);
}
