// SceneColorPickers.cpp - the colour pickers as a host puts them on a tool panel: a colour combo
// box, a popup button, a colour field with its eyedropper, the pen and brush indicator, and a
// field showing a special colour the host registered no icons for.  The popup scene opens the
// colour popup modelessly (a screenshot cannot wait for a modal one) where the combo box would.
#include "SceneColorPickers.h"
#include "MainFrm.h"
#include "ScenePanel.h"

namespace
{
const UINT nComboID = 2001, nButtonID = 2002, nFieldID = 2003, nIndicatorID = 2004, nSpecialID = 2005;
const UINT IDD_COLORPOPUP = 26045;      // the library's colour popup template

struct SNamedColor
{
    COLORREF clr;
    const char* lpszName;
};
const SNamedColor s_colors[] =
{
    { RGB(255, 0, 0), "Red" }, { RGB(255, 255, 0), "Yellow" }, { RGB(0, 255, 0), "Green" },
    { RGB(0, 255, 255), "Cyan" }, { RGB(0, 0, 255), "Blue" }, { RGB(255, 0, 255), "Magenta" },
    { RGB(255, 255, 255), "White" }, { RGB(128, 128, 128), "Grey" }, { RGB(0, 0, 0), "Black" },
    { RGB(255, 128, 0), "Orange" }, { RGB(0, 128, 128), "Teal" }, { RGB(128, 0, 128), "Purple" },
    { RGB(70, 130, 180), "Steel blue" }, { RGB(210, 105, 30), "Chocolate" },
};
const unsigned long clrUnregistered = 0x80000077;   // a special colour without icons

// The popup made modeless: it goes with the scene, not with an OK.
class CScenePopup : public CColorPopup
{
public:
    virtual void PostNcDestroy();
};

class CPickersPanel;
CPickersPanel* s_pPanel = NULL;
CScenePopup* s_pPopup = NULL;

void CScenePopup::PostNcDestroy()
{
    s_pPopup = NULL;
    delete this;
}

class CPickersPanel : public CWnd
{
public:
    BOOL CreatePanel(CWnd* pParent, const CRect& rect);

    CColorCombo m_combo;
    CColorPopupButton m_button;
    CColorCtrl m_field;
    CColorsIndicator m_indicator;
    CColorCtrl m_special;
    CFont m_font;

protected:
    virtual void PostNcDestroy()
    {
        s_pPanel = NULL;
        delete this;
    }
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPickersPanel, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CPickersPanel::CreatePanel(CWnd* pParent, const CRect& rect)
{
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    if (!CreateEx(WS_EX_DLGMODALFRAME, lpszClass, "Colour pickers", WS_CHILD | WS_CAPTION | WS_CLIPCHILDREN,
            rect, pParent, 0))
        return FALSE;
    LOGFONTA lfMenu = GetMenuLogFont();
    m_font.CreateFontIndirect(&lfMenu);

    const int x = 120, cx = 180;
    if (!m_combo.Create(CRect(x, 16, x + cx, 216), this, nComboID))
        return FALSE;
    for (const SNamedColor& c : s_colors)
        m_combo.AddItem(c.clr, c.lpszName);
    m_combo.SetCurSel(m_combo.GetIndex(RGB(255, 128, 0)));

    if (!m_button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(x, 56, x + 48, 80), this, nButtonID))
        return FALSE;
    m_button.SetColor(RGB(0, 128, 128));

    m_field.SetColor(RGB(70, 130, 180));
    m_field.SetType(0);
    if (!m_field.Create("Fill", WS_CHILD | WS_VISIBLE, CRect(x, 96, x + cx, 120), this, nFieldID))
        return FALSE;

    m_indicator.SetPenColor(RGB(0, 0, 0));
    m_indicator.SetBrushColor(RGB(255, 215, 0));
    CString strPen("Pen"), strBrush("Brush");
    m_indicator.SetPenTitle(strPen);
    m_indicator.SetBrushTitle(strBrush);
    if (!m_indicator.Create(WS_CHILD | WS_VISIBLE, CRect(x, 136, x + cx, 186), this, nIndicatorID))
        return FALSE;

    m_special.SetColor(clrUnregistered);
    m_special.SetType(1);
    if (!m_special.Create("Special", WS_CHILD | WS_VISIBLE, CRect(x, 202, x + cx, 226), this, nSpecialID))
        return FALSE;
    for (CWnd* pWnd : { (CWnd*)&m_combo, (CWnd*)&m_button, (CWnd*)&m_field, (CWnd*)&m_indicator, (CWnd*)&m_special })
        pWnd->SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);
    return TRUE;
}

void CPickersPanel::OnPaint()
{
    CPaintDC dc(this);
    static const struct
    {
        int y;
        const char* lpszText;
    } labels[] = { { 16, "Colour combo" }, { 56, "Popup button" }, { 96, "Colour field" },
        { 136, "Pen and brush" }, { 202, "Special colour" } };
    CFont* pOld = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetControlSysColor(COLOR_BTNTEXT));
    for (const auto& label : labels)
        dc.TextOut(12, label.y + 4, label.lpszText);
    dc.SelectObject(pOld);
}

BOOL ShowPickersPanel(CMainFrame* pFrame)
{
    if (!CreateScenePanel(s_pPanel, &pFrame->GetDrawingView(), CRect(40, 30, 40 + 340, 30 + 280)))
        return FALSE;
    ShowScenePanel(s_pPanel);
    return TRUE;
}
}

BOOL SceneColorPickers(CMainFrame* pFrame)
{
    return ShowPickersPanel(pFrame);
}

BOOL SceneColorPopup(CMainFrame* pFrame)
{
    if (!ShowPickersPanel(pFrame))
        return FALSE;
    HideColorPickersScene();
    ShowScenePanel(s_pPanel);

    // what the combo box does on a press, without the modal loop
    CColorCombo& combo = s_pPanel->m_combo;
    s_pPopup = new CScenePopup;
    for (int i = 0; i < combo.GetCount(); i++)
    {
        char szName[256];
        combo.GetName(i, szName);
        s_pPopup->m_ColorMap.AddItem(combo.GetColor(i), szName);
    }
    s_pPopup->SetColor(combo.GetColor(combo.GetCurSel()));
    combo.GetWindowRect(&s_pPopup->m_AnchorRect);
    CColorArray::m_bExpanded = 1;
    CColorPopup::m_PopupRect.SetRectEmpty();
    BOOL bCreated;
    {
        CUILResourceScope resources;
        bCreated = s_pPopup->Create(IDD_COLORPOPUP, pFrame);
    }
    if (!bCreated)
    {
        delete s_pPopup;
        s_pPopup = NULL;
        return FALSE;
    }
    s_pPopup->ShowWindow(SW_SHOWNOACTIVATE);
    s_pPopup->UpdateWindow();
    return TRUE;
}

void HideColorPickersScene()
{
    if (s_pPopup != NULL)
    {
        s_pPopup->DestroyWindow();
        CColorArray::m_bExpanded = 0;
    }
    HideScenePanel(s_pPanel);
}
