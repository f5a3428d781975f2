// SceneColors.cpp - the colours scene: a panel over the drawing with a colour map of named
// colours and six sliders (red, green, blue, hue, saturation, brightness) that all edit one
// CUILColor, the way a colour dialog of a CAD host is put together.
#include "SceneColors.h"
#include "MainFrm.h"
#include "ScenePanel.h"
#include <stdio.h>

namespace
{
const UINT nMapID = 1024;
const UINT nFirstSliderID = 1025;

const unsigned long clrByLayer = 0x80000001;   // special colours the host resolves itself
const unsigned long clrByBlock = 0x80000002;

struct SNamedColor
{
    COLORREF clr;
    const char* lpszName;
};

const SNamedColor s_colors[] =
{
    { RGB(255, 0, 0), "Red" }, { RGB(255, 255, 0), "Yellow" }, { RGB(0, 255, 0), "Green" },
    { RGB(0, 255, 255), "Cyan" }, { RGB(0, 0, 255), "Blue" }, { RGB(255, 0, 255), "Magenta" },
    { RGB(255, 255, 255), "White" }, { RGB(128, 128, 128), "Grey" }, { RGB(192, 192, 192), "Light grey" },
    { RGB(0, 0, 0), "Black" }, { RGB(128, 0, 0), "Maroon" }, { RGB(128, 128, 0), "Olive" },
    { RGB(0, 128, 0), "Dark green" }, { RGB(0, 128, 128), "Teal" }, { RGB(0, 0, 128), "Navy" },
    { RGB(128, 0, 128), "Purple" }, { RGB(255, 128, 0), "Orange" }, { RGB(255, 192, 203), "Pink" },
    { RGB(165, 42, 42), "Brown" }, { RGB(64, 224, 208), "Turquoise" }, { RGB(75, 0, 130), "Indigo" },
    { RGB(238, 130, 238), "Violet" }, { RGB(255, 215, 0), "Gold" }, { RGB(70, 130, 180), "Steel blue" },
    { RGB(46, 139, 87), "Sea green" }, { RGB(210, 105, 30), "Chocolate" }, { RGB(112, 128, 144), "Slate" },
    { RGB(250, 128, 114), "Salmon" },
};

// Three images (9, 12 and 16 pixels in 16-pixel cells) of a layer stack: the icons of "ByLayer".
HIMAGELIST CreateLayerIcons()
{
    CImageList icons;
    if (!icons.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0))
        return NULL;
    const int sizes[3] = { 9, 12, 16 };
    CClientDC dcScreen(NULL);
    for (int nSize : sizes)
    {
        CBitmap bmp;
        bmp.CreateCompatibleBitmap(&dcScreen, 16, 16);
        CDC dc;
        dc.CreateCompatibleDC(&dcScreen);
        CBitmap* pOld = dc.SelectObject(&bmp);
        dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));
        // three overlapping squares from the bottom left to the top right
        const int nSide = nSize * 2 / 3, nStep = (nSize - nSide) / 2;
        const COLORREF layers[3] = { RGB(0, 0, 200), RGB(0, 160, 0), RGB(220, 0, 0) };
        CBrush frame(RGB(0, 0, 0));
        for (int i = 0; i < 3; i++)
        {
            CRect rc(i * nStep, (2 - i) * nStep, i * nStep + nSide, (2 - i) * nStep + nSide);
            dc.FillSolidRect(&rc, layers[i]);
            dc.FrameRect(&rc, &frame);
        }
        dc.SelectObject(pOld);
        icons.Add(&bmp, RGB(255, 0, 255));
    }
    return icons.Detach();
}

class CColorScenePanel;
CColorScenePanel* s_pPanel = NULL;

class CColorScenePanel : public CWnd
{
public:
    CColorScenePanel() {}

    BOOL CreatePanel(CWnd* pParent, const CRect& rect);
    void SelectColor(int nIndex);

    CColorArray m_map;
    CColorParam m_sliders[6];
    CUILColor m_color;
    CFont m_font;

protected:
    void UpdateSliders();
    CRect SwatchRect() const;

    virtual void PostNcDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorScenePanel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

BOOL CColorScenePanel::CreatePanel(CWnd* pParent, const CRect& rect)
{
    // no class brush: the background is the colour the library's controls get (OnEraseBkgnd)
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), NULL);
    if (!CreateEx(WS_EX_DLGMODALFRAME, lpszClass, "Colour", WS_CHILD | WS_CAPTION | WS_CLIPCHILDREN,
            rect, pParent, 0))
        return FALSE;

    LOGFONTA lfMenu = GetMenuLogFont();
    m_font.CreateFontIndirect(&lfMenu);

    if (g_CustomColorIcons.GetImageList(clrByLayer) == NULL)
        g_CustomColorIcons.SetImageList(clrByLayer, CreateLayerIcons());
    for (const SNamedColor& c : s_colors)
        m_map.AddItem(c.clr, c.lpszName);
    m_map.AddItem(clrByLayer, "ByLayer");
    m_map.AddItem(clrByBlock, "ByBlock");

    CRect rcClient;
    GetClientRect(&rcClient);
    const int cxMargin = 10, cyRow = 26;
    CRect rcMap(cxMargin, cxMargin, rcClient.right - cxMargin, cxMargin + 150);
    if (!m_map.Create(WS_CHILD | WS_VISIBLE, rcMap, this, nMapID))
        return FALSE;

    const unsigned short types[6] = { COLORPARAM_RED, COLORPARAM_GREEN, COLORPARAM_BLUE,
        COLORPARAM_HUE, COLORPARAM_SATURATION, COLORPARAM_BRIGHTNESS };
    const int cxColumn = (rcClient.Width() - 3 * cxMargin) / 2;
    for (int i = 0; i < 6; i++)
    {
        const int x = cxMargin + (i / 3) * (cxColumn + cxMargin);
        const int y = rcMap.bottom + 12 + (i % 3) * cyRow;
        m_sliders[i].SetColorRef(&m_color);
        if (!m_sliders[i].Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                types[i] | COLORPARAM_LABEL | COLORPARAM_EDIT, CRect(x, y, x + cxColumn, y + cyRow - 2),
                this, nFirstSliderID + i, &m_font))
            return FALSE;
    }
    return TRUE;
}

void CColorScenePanel::PostNcDestroy()
{
    // goes with the drawing view it lives on
    s_pPanel = NULL;
    delete this;
}

CRect CColorScenePanel::SwatchRect() const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    return CRect(10, rcClient.bottom - 40, 90, rcClient.bottom - 10);
}

void CColorScenePanel::SelectColor(int nIndex)
{
    m_map.SetCurentSelection(nIndex);
    m_color = m_map.GetColor(nIndex);
    UpdateSliders();
}

void CColorScenePanel::UpdateSliders()
{
    for (CColorParam& slider : m_sliders)
        slider.UpdateControl();
    InvalidateRect(CRect(0, SwatchRect().top - 2, 10000, 10000), TRUE);
}

void CColorScenePanel::OnHScroll(UINT /*nSBCode*/, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    // one slider changed the shared colour: the others show it too
    UpdateSliders();
}

BOOL CColorScenePanel::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == nMapID && lParam == 0)
    {
        const int nIndex = m_map.m_nLastChanged ? m_map.m_nCurSel2 : m_map.m_nCurSel;
        if (nIndex >= 0 && nIndex < m_map.m_Colors.GetSize())
        {
            m_color = m_map.GetColor(nIndex);
            UpdateSliders();
        }
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CColorScenePanel::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, GetControlSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CColorScenePanel::OnPaint()
{
    CPaintDC dc(this);
    const CRect rcSwatch = SwatchRect();
    CBrush frame(GetControlSysColor(COLOR_BTNSHADOW));
    dc.FrameRect(&rcSwatch, &frame);
    CRect rcInner = rcSwatch;
    rcInner.DeflateRect(1, 1);
    if (IsSpecialColor(m_color))
        g_CustomColorIcons.Draw(m_color, dc.GetSafeHdc(), &rcInner);
    else
        dc.FillSolidRect(&rcInner, m_color);

    char szText[128];
    if (IsSpecialColor(m_color))
        sprintf(szText, "special colour 0x%08lX", (unsigned long)m_color);
    else
        sprintf(szText, "RGB %d,%d,%d   HSB %d,%d,%d", m_color.R(), m_color.G(), m_color.B(),
            m_color.H(), m_color.S(), m_color.V());
    CFont* pOldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetControlSysColor(COLOR_BTNTEXT));
    CRect rcText(rcSwatch.right + 12, rcSwatch.top, rcSwatch.right + 400, rcSwatch.bottom);
    dc.DrawText(szText, -1, &rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(pOldFont);
}

}

BOOL SceneColors(CMainFrame* pFrame)
{
    if (!CreateScenePanel(s_pPanel, &pFrame->GetDrawingView(), CRect(40, 30, 40 + 560, 30 + 330)))
        return FALSE;
    // a saturated orange picked with the left button, navy as the second selection
    s_pPanel->SelectColor(s_pPanel->m_map.GetColorIndex(RGB(210, 105, 30)));
    s_pPanel->m_map.SetCurentSelection2(s_pPanel->m_map.GetColorIndex(RGB(0, 0, 128)));
    ShowScenePanel(s_pPanel);
    return TRUE;
}

void HideColorsScene()
{
    HideScenePanel(s_pPanel);
}
