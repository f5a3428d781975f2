// InputDialogs.cpp - the text, integer and confirm input dialogs.
#include "InputDialogs.h"
#include "frame/UILFrame.h"
#include "res/resource.h"
#include <climits>

/////////////////////////////////////////////////////////////////////////////
// CGetStringDlg

CGetStringDlg::CGetStringDlg(CWnd* pParent) : CDialog(IDD_GETSTRING, pParent), m_strTitle("String")
{
}

CGetStringDlg::CGetStringDlg(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent), m_strTitle("String")
{
}

int CGetStringDlg::DoEditString(CString& value)
{
    m_strValue = value;
    INT_PTR nResult = DoModal();
    if (nResult == IDOK)
        value = m_strValue;
    return nResult == IDOK ? 1 : nResult == -1 ? -1 : 0;
}

BOOL CGetStringDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    return TRUE;
}

void CGetStringDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_INPUT_VALUE, m_strValue);
}

/////////////////////////////////////////////////////////////////////////////
// CGetIntDlg

CGetIntDlg::CGetIntDlg(CWnd* pParent)
    : CDialog(IDD_GETINT, pParent), m_strTitle("Int"), m_nMin(INT_MIN), m_nMax(INT_MAX), m_nValue(0)
{
}

int CGetIntDlg::DoEditInt(int& value)
{
    m_nValue = value;
    INT_PTR nResult = DoModal();
    if (nResult == IDOK)
        value = m_nValue;
    return nResult == IDOK ? 1 : nResult == -1 ? -1 : 0;
}

BOOL CGetIntDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    // the arrows step within the range; what is typed is checked on OK
    SendDlgItemMessage(IDC_INPUT_SPIN, UDM_SETRANGE32, (WPARAM)m_nMin, (LPARAM)m_nMax);
    SendDlgItemMessage(IDC_INPUT_SPIN, UDM_SETPOS32, 0, (LPARAM)m_nValue);
    return TRUE;
}

void CGetIntDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_INPUT_VALUE, m_nValue);
    DDV_MinMaxInt(pDX, m_nValue, m_nMin, m_nMax);
}

/////////////////////////////////////////////////////////////////////////////
// CConfirmStringDlg

CConfirmStringDlg::CConfirmStringDlg(CWnd* pParent) : CGetStringDlg(IDD_CONFIRMSTRING, pParent), m_strMessage("Message")
{
}

BOOL CConfirmStringDlg::OnInitDialog()
{
    CGetStringDlg::OnInitDialog();
    // a translated template may leave the message out
    if (GetDlgItem(IDC_INPUT_MESSAGE) != NULL)
        SetDlgItemText(IDC_INPUT_MESSAGE, m_strMessage);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Entry points

int DoEditString(LPCSTR lpszTitle, CString& value)
{
    CUILResourceScope resources;
    CGetStringDlg dlg;
    dlg.m_strTitle = lpszTitle;
    return dlg.DoEditString(value);
}

int DoEditInt(LPCSTR lpszTitle, int& value, int nMin, int nMax)
{
    CUILResourceScope resources;
    CGetIntDlg dlg;
    dlg.m_strTitle = lpszTitle;
    dlg.m_nMin = nMin;
    dlg.m_nMax = nMax;
    return dlg.DoEditInt(value);
}

int DoConfirmString(LPCSTR lpszTitle, LPCSTR lpszMessage, CString& value)
{
    CUILResourceScope resources;
    CConfirmStringDlg dlg;
    dlg.m_strTitle = lpszTitle;
    dlg.m_strMessage = lpszMessage;
    return dlg.DoEditString(value);
}
