// afxdlg_.h - dialogs and dialog data exchange (included by afxwin.h)
//
//   CDialog         modal and modeless dialogs from templates along the resource chain
//   CDataExchange   the context of one UpdateData pass
//   DDX_/DDV_       exchange and validation routines for dialog controls
#pragma once

class CDataExchange;

class AFX_FX_CLASS CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual ~CDialog();

    // modeless
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
        void* lpDialogInit = NULL);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // modal
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
        void* lpDialogInit = NULL);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);
    // -1 when the template cannot be found or the window cannot be made
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // operations
    void MapDialogRect(LPRECT lpRect) const;
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;

    // overridables
    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    LPCSTR m_lpszTemplateName;     // name or MAKEINTRESOURCE id
    UINT m_nIDHelp;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    HGLOBAL m_hDialogTemplate;
    void* m_lpDialogInit;          // dialog-init data for indirect templates
    CWnd* m_pParentWnd;
    HWND m_hWndTop;

protected:
    virtual void PreInitDialog();
    // the owner of a modal run, and the modal state of the application's frame around it
    HWND PreModal();
    void PostModal();
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    afx_msg LRESULT HandleSetFont(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct();
    CFrameWnd* m_pModalFrame;      // the frame put in modal state by PreModal
};

// The context of one data-exchange pass: which way it goes and the control last prepared, which
// Fail gives the focus to before it cancels the pass with a CUserException.
class AFX_FX_CLASS CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;       // TRUE: controls to members, with validation
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl;
    BOOL m_bEditLastControl;

    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    void Fail();
};

// Exchange routines: the member and the control nIDC, either way.
AFX_FX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_FX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_FX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_FX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
AFX_FX_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// value: index of the checked button in the group that starts with nIDC, -1 for none
AFX_FX_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// subclasses the control into rControl on the first pass
AFX_FX_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Validation routines: they follow the DDX_ of the same control and check on the way in only.
AFX_FX_API void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
AFX_FX_API void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
AFX_FX_API void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
AFX_FX_API void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// The framework's own data-exchange prompts (strings of WEXOfx.dll; an application may shadow
// them with strings of the same numbers in its own resources).
#define AFX_IDP_PARSE_INT           0xF110
#define AFX_IDP_PARSE_INT_RANGE     0xF112
#define AFX_IDP_PARSE_STRING_SIZE   0xF114
#define AFX_IDP_PARSE_RADIO_BUTTON  0xF115
#define AFX_IDP_PARSE_UINT          0xF117

// The dialog-init resource: control id, message, length and data, repeated, ended by id 0.
#ifndef RT_DLGINIT
#define RT_DLGINIT MAKEINTRESOURCE(240)
#endif
