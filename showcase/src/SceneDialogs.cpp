// SceneDialogs.cpp - the dialogs scene.  The library's dialog templates are popups; the scene
// copies them with the child style so the dialogs sit inside its panel like pictures of
// themselves, each made modeless from its template.
#include "SceneDialogs.h"
#include "MainFrm.h"
#include "ScenePanel.h"
#include <vector>

namespace
{
// The library's input-dialog templates and the controls on them, by number: a host knows them
// from the library's documentation, not from the library's private resource header.
const UINT IDD_GETINT = 26041;
const UINT IDD_CONFIRMSTRING = 26042;
const UINT IDC_INPUT_VALUE = 1002;
const UINT IDC_INPUT_MESSAGE = 1007;

// A copy of a library dialog template that makes a child window instead of a popup.
class CChildTemplate
{
public:
    BOOL Load(UINT nIDTemplate)
    {
        CUILResourceScope resources;
        HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIDTemplate), RT_DIALOG);
        HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCE(nIDTemplate), RT_DIALOG);
        HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
        const BYTE* p = hTemplate != NULL ? (const BYTE*)::LockResource(hTemplate) : NULL;
        if (p == NULL)
            return FALSE;
        m_bytes.assign(p, p + ::SizeofResource(hInst, hResource));
        // the style is the first DWORD of a standard template, the fourth of an extended one
        const bool bExtended = m_bytes.size() > 16 && *(const WORD*)&m_bytes[2] == 0xFFFF;
        DWORD* pStyle = (DWORD*)&m_bytes[bExtended ? 12 : 0];
        *pStyle = (*pStyle & ~(WS_POPUP | DS_MODALFRAME)) | WS_CHILD | WS_VISIBLE | WS_THICKFRAME;
        return TRUE;
    }
    LPCDLGTEMPLATE Get() const { return (LPCDLGTEMPLATE)m_bytes.data(); }

private:
    std::vector<BYTE> m_bytes;
};

class CSceneResizingDlg : public CResizingDialog
{
public:
    CSceneResizingDlg() : CResizingDialog(IDD_CONFIRMSTRING)
    {
        m_bRememberSize = m_bRememberSplitters = 0;
        // the message and the edit widen with the dialog; OK keeps to the bottom-right corner
        SetControlInfo(IDC_INPUT_MESSAGE, RDF_GROW_HORZ | RDF_GROW_VERT);
        SetControlInfo(IDC_INPUT_VALUE, RDF_GROW_HORZ | RDF_MOVE_VERT);
        SetControlInfo(IDOK, RDF_MOVE_HORZ | RDF_MOVE_VERT);
    }
    virtual BOOL OnInitDialog()
    {
        CResizingDialog::OnInitDialog();
        SetWindowText("Resizing dialog");
        SetDlgItemText(IDC_INPUT_MESSAGE, "The message and the text grow with the dialog; OK keeps to its corner.");
        return FALSE;
    }
    virtual void PostNcDestroy() { delete this; }
};

class CDialogsScenePanel;
CDialogsScenePanel* s_pPanel = NULL;

class CDialogsScenePanel : public CWnd
{
public:
    BOOL CreatePanel(CWnd* pParent, const CRect& rect)
    {
        LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
        if (!CreateEx(WS_EX_DLGMODALFRAME, lpszClass, "Dialogs", WS_CHILD | WS_CAPTION | WS_CLIPCHILDREN,
                rect, pParent, 0))
            return FALSE;
        CChildTemplate intTemplate, resizingTemplate;
        if (!intTemplate.Load(IDD_GETINT) || !resizingTemplate.Load(IDD_CONFIRMSTRING))
            return FALSE;
        m_intDlg.m_strTitle = "Count (1 to 10)";
        m_intDlg.m_nMin = 1;
        m_intDlg.m_nMax = 10;
        m_intDlg.m_nValue = 7;
        if (!m_intDlg.CreateIndirect(intTemplate.Get(), this))
            return FALSE;
        m_intDlg.SetWindowPos(NULL, 16, 16, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

        // the same resizing dialog at its template's size and grown
        const CRect places[] = {CRect(16, 120, 0, 0), CRect(320, 16, 320 + 400, 16 + 260)};
        for (const CRect& place : places)
        {
            CSceneResizingDlg* pDlg = new CSceneResizingDlg;
            if (!pDlg->CreateIndirect(resizingTemplate.Get(), this))
            {
                delete pDlg;
                return FALSE;
            }
            UINT nFlags = SWP_NOZORDER | (place.IsRectEmpty() ? SWP_NOSIZE : 0);
            pDlg->SetWindowPos(NULL, place.left, place.top, place.Width(), place.Height(), nFlags);
        }
        return TRUE;
    }

protected:
    CGetIntDlg m_intDlg;
    virtual void PostNcDestroy()
    {
        s_pPanel = NULL;
        delete this;
    }
};
} // namespace

BOOL SceneDialogs(CMainFrame* pFrame)
{
    if (!CreateScenePanel(s_pPanel, &pFrame->GetDrawingView(), CRect(16, 12, 16 + 740, 12 + 440)))
        return FALSE;
    ShowScenePanel(s_pPanel);
    return TRUE;
}

void HideDialogsScene()
{
    HideScenePanel(s_pPanel);
}
