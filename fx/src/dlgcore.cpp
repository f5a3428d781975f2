// dlgcore.cpp - CDialog: modeless and modal dialogs from templates along the resource chain.
#include "afximpl_.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_MESSAGE(WM_SETFONT, &CDialog::HandleSetFont)
END_MESSAGE_MAP()

// The dialog box's own procedure: the window itself is the framework's (the creation hook
// subclasses it), so everything reaches the message map first and arrives here only as the
// default processing, which a framework dialog leaves to the dialog manager.
static INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

void CDialog::CommonConstruct()
{
    m_lpszTemplateName = NULL;
    m_nIDHelp = 0;
    m_lpDialogTemplate = NULL;
    m_hDialogTemplate = NULL;
    m_lpDialogInit = NULL;
    m_pParentWnd = NULL;
    m_hWndTop = NULL;
    m_pModalFrame = NULL;
}

CDialog::CDialog()
{
    CommonConstruct();
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    CommonConstruct();
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
    m_pParentWnd = pParentWnd;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
{
    CommonConstruct();
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_nIDHelp = nIDTemplate;
    m_pParentWnd = pParentWnd;
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Creation

// Finds a template along the resource chain (the current resource module first, so a library
// that runs its dialogs with its own module current gets its own); NULL when no module has it.
static LPCDLGTEMPLATE FindDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = hInst != NULL ? ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG) : NULL;
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    *phInst = hInst;
    return hTemplate != NULL ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : NULL;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
    HINSTANCE hInst;
    LPCDLGTEMPLATE lpTemplate = FindDialogTemplate(lpszTemplateName, &hInst);
    if (lpTemplate == NULL)
    {
        TRACE("CDialog::Create: no dialog template %p\n", lpszTemplateName);
        return FALSE;
    }
    if (pParentWnd == NULL)
        pParentWnd = AfxGetMainWnd();
    m_lpDialogInit = NULL;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    if (pParentWnd == NULL)
        pParentWnd = AfxGetMainWnd();
    m_lpDialogInit = lpDialogInit;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, NULL);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    LPCDLGTEMPLATE lpTemplate = (LPCDLGTEMPLATE)::LockResource(hDialogTemplate);
    return lpTemplate != NULL && CreateIndirect(lpTemplate, pParentWnd, NULL);
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (lpDialogTemplate == NULL)
        return FALSE;
    if (hInst == NULL)
        hInst = AfxGetResourceHandle();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(),
        &AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();       // the window never came
    // a dialog that destroyed itself while it initialised has no window now (OnNcDestroy)
    return hWnd != NULL && m_hWnd == hWnd;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return TRUE;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    m_hDialogTemplate = hDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Modal runs

// The window a modal run belongs to: the given window or else the thread's main window, taken up
// to its top level (a child cannot own a popup) and then to the popup last active there, so a
// dialog opened from another dialog sits above it.
static HWND AfxGetSafeOwner(CWnd* pParent)
{
    HWND hWnd = pParent->GetSafeHwnd();
    if (hWnd == NULL)
        hWnd = AfxGetMainWnd()->GetSafeHwnd();
    while (hWnd != NULL && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (hWnd != NULL)
        hWnd = ::GetLastActivePopup(hWnd);
    return hWnd;
}

HWND CDialog::PreModal()
{
    AfxUnhookWindowCreate();
    // The application's frame goes into its modal state, which also disables its floating bars
    // and palettes; the owner itself is disabled by DoModal.
    m_pModalFrame = NULL;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsFrameWnd())
    {
        m_pModalFrame = (CFrameWnd*)pMainWnd;
        m_pModalFrame->BeginModalState();
    }
    HWND hWndOwner = AfxGetSafeOwner(m_pParentWnd);
    m_hWndTop = hWndOwner;
    return hWndOwner;
}

void CDialog::PostModal()
{
    AfxUnhookWindowCreate();
    if (m_pModalFrame != NULL)
    {
        if (::IsWindow(m_pModalFrame->m_hWnd))
            m_pModalFrame->EndModalState();
        m_pModalFrame = NULL;
    }
    m_hWndTop = NULL;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    if (m_lpszTemplateName != NULL)
        lpTemplate = FindDialogTemplate(m_lpszTemplateName, &hInst);
    else if (m_hDialogTemplate != NULL)
        lpTemplate = (LPCDLGTEMPLATE)::LockResource(m_hDialogTemplate);
    if (lpTemplate == NULL)
    {
        TRACE("CDialog::DoModal: no dialog template\n");
        return -1;
    }

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    m_nModalResult = -1;
    try
    {
        // EndDialog from OnInitDialog clears the flag before the loop starts
        m_nFlags |= WF_CONTINUEMODAL;
        if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst) &&
            (m_nFlags & WF_CONTINUEMODAL))
        {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        if (m_hWnd != NULL)
            SetWindowPos(NULL, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE |
                SWP_NOZORDER);
    }
    catch (CException* e)
    {
        e->Delete();
        m_nModalResult = -1;
    }
    m_nFlags &= ~WF_CONTINUEMODAL;

    // The owner is enabled and activated again while the dialog still exists, so Windows does
    // not hand the activation to some other application's window when the dialog goes.
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (m_pModalFrame != NULL && ::IsWindow(m_pModalFrame->m_hWnd))
    {
        m_pModalFrame->EndModalState();
        m_pModalFrame = NULL;
    }
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    PostModal();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    else
        m_nModalResult = nResult;
    if (m_hWnd != NULL)
        ::EndDialog(m_hWnd, nResult);
}

/////////////////////////////////////////////////////////////////////////////
// Messages and overridables

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    return OnInitDialog();
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(CFont::FromHandle((HFONT)wParam));
    return Default();
}

void CDialog::PreInitDialog()
{
}

void CDialog::OnSetFont(CFont*)
{
}

BOOL CDialog::OnInitDialog()
{
    // the combo-box and list-box strings of the dialog-init resource, then the members
    BOOL bDlgInit = m_lpDialogInit != NULL ? ExecuteDlgInit(m_lpDialogInit)
                                           : ExecuteDlgInit(m_lpszTemplateName);
    if (!bDlgInit)
    {
        TRACE("CDialog::OnInitDialog: the dialog-init resource failed\n");
        EndDialog(-1);
        return FALSE;
    }
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    // a failed validation keeps the dialog open with the focus on the offending control
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Keyboard and mouse input of a dialog goes through the dialog manager: tabbing, default
    // button, mnemonics and Escape work in modeless dialogs as in modal ones.
    BOOL bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    return bInput && m_hWnd != NULL && ::IsDialogMessageA(m_hWnd, pMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != NULL && pWndCtrl->m_hWnd != NULL)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->m_hWnd, 1);
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0);
}
