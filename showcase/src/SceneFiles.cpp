// SceneFiles.cpp - the tree-combo scene.
#include "SceneFiles.h"
#include "MainFrm.h"
#include "ScenePanel.h"

namespace
{
// the popup tree's template, by number, as the library documents it
const UINT IDD_POPUPTREE = 26043;

const char* const s_templates[] = {
    "Architecture\\Floor plan", "Architecture\\Section", "Architecture\\Elevation",
    "Mechanical\\Part", "Mechanical\\Assembly", "Electrical\\Schematic", "Blank",
};

class CTreeComboScenePanel;
CTreeComboScenePanel* s_pPanel = NULL;

class CTreeComboScenePanel : public CWnd
{
public:
    BOOL CreatePanel(CWnd* pParent, const CRect& rect)
    {
        LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
        if (!CreateEx(WS_EX_DLGMODALFRAME, lpszClass, "New drawing from template", WS_CHILD | WS_CAPTION | WS_CLIPCHILDREN,
                rect, pParent, 0))
            return FALSE;
        for (const char* lpsz : s_templates)
            m_items.Add(lpsz);
        if (!m_combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(16, 16, 276, 200), this, 1))
            return FALSE;
        m_combo.SetFont(GetSystemVars().GetMenuFont());
        m_combo.SetItemsList(&m_items, 4);
        return TRUE;
    }

    // The popup as the combo opens it, made modeless and left standing: the capture and the
    // closing timer it takes for a modal run are given back, so the scene stays put.
    BOOL DropDown()
    {
        if (m_popup.GetSafeHwnd() != NULL)
            m_popup.DestroyWindow();
        CRect rcAlign;
        m_combo.GetWindowRect(&rcAlign);
        m_popup.SetItemsList(&m_items, m_combo.GetCurSel(), "\\");
        m_popup.SetAlignRect(&rcAlign);
        {
            CUILResourceScope resources;
            if (!m_popup.Create(IDD_POPUPTREE, this))
                return FALSE;
        }
        m_popup.m_wndTree.KillTimer(POPUPTREE_TIMER);
        if (::GetCapture() == m_popup.m_wndTree.m_hWnd)
            ::ReleaseCapture();
        m_popup.ShowWindow(SW_SHOWNOACTIVATE);
        return TRUE;
    }

    void HidePopup()
    {
        if (m_popup.GetSafeHwnd() != NULL)
            m_popup.DestroyWindow();
    }

protected:
    CStringArray m_items;
    CTreeComboBox m_combo;
    CPopupTree m_popup;
    virtual void PostNcDestroy()
    {
        s_pPanel = NULL;
        delete this;
    }
};
} // namespace

BOOL SceneTreeCombo(CMainFrame* pFrame)
{
    if (!CreateScenePanel(s_pPanel, &pFrame->GetDrawingView(), CRect(16, 12, 16 + 300, 12 + 80)))
        return FALSE;
    ShowScenePanel(s_pPanel);
    return s_pPanel->DropDown();
}

void HideTreeComboScene()
{
    if (s_pPanel != NULL)
        s_pPanel->HidePopup();
    HideScenePanel(s_pPanel);
}
