// InputDialogs.h - small modal dialogs that ask for one value: a text (CGetStringDlg), an integer
// within a range (CGetIntDlg) and a text under an explanatory message (CConfirmStringDlg), with
// one-call entry points that run them from the library's resource module.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CGetStringDlg : public CDialog
{
public:
    explicit CGetStringDlg(CWnd* pParent = NULL);

    // Runs the dialog on a copy of value; writes it back and returns 1 on OK, 0 otherwise
    // (-1 when the dialog cannot run).
    int DoEditString(CString& value);

    CString m_strTitle;            // the caption ("String")
    CString m_strValue;

protected:
    CGetStringDlg(UINT nIDTemplate, CWnd* pParent);
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
};

class AFX_EXT_CLASS CGetIntDlg : public CDialog
{
public:
    explicit CGetIntDlg(CWnd* pParent = NULL);

    // As DoEditString.  A value outside [m_nMin, m_nMax] keeps the dialog open with the range
    // prompt; with m_nMin > m_nMax no value is accepted, so only Cancel ends the dialog.
    int DoEditInt(int& value);

    CString m_strTitle;            // the caption ("Int")
    int m_nMin;                    // INT_MIN
    int m_nMax;                    // INT_MAX
    int m_nValue;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
};

class AFX_EXT_CLASS CConfirmStringDlg : public CGetStringDlg
{
public:
    explicit CConfirmStringDlg(CWnd* pParent = NULL);

    CString m_strMessage;          // shown above the text when the template has the message control

protected:
    virtual BOOL OnInitDialog();
};

// The one-call entry points: 1 when the user confirmed (the value is updated), 0 when not (the
// value is left as it was), -1 when the dialog could not run.  They need no parent window.
AFX_EXT_API int DoEditString(LPCSTR lpszTitle, CString& value);
AFX_EXT_API int DoEditInt(LPCSTR lpszTitle, int& value, int nMin = INT_MIN, int nMax = INT_MAX);
AFX_EXT_API int DoConfirmString(LPCSTR lpszTitle, LPCSTR lpszMessage, CString& value);
