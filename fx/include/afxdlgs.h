// afxdlgs.h - common dialogs and dialog templates
//
//   CCommonDialog           base of the dialogs the system supplies
//   CColorDialog            the system's colour chooser
//   CDialogTemplateReader   reads a dialog template along the resource chain and re-creates its
//                           controls in another window
#pragma once

#include "afxwin.h"
#include <commdlg.h>

class AFX_FX_CLASS CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

    // the system's dialog collects its own result: no EndDialog here
    virtual void OnOK();
    virtual void OnCancel();
};

class AFX_FX_CLASS CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    // clrInit 0 starts from black without CC_RGBINIT; dwFlags are CHOOSECOLOR flags
    // (CC_FULLOPEN shows the custom-colour part, CC_SOLIDCOLOR offers solid colours only)
    CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL);

    // IDOK, IDCANCEL, or -1 when the system dialog could not run
    virtual INT_PTR DoModal();
    void SetCurrentColor(COLORREF clr);
    COLORREF GetColor() const;
    // the sixteen custom colours, shared by every colour dialog of the process and kept between runs
    static COLORREF* PASCAL GetSavedCustomColors();

    CHOOSECOLORA m_cc;
};

// A dialog template read item by item.  Coordinates are dialog units.
class AFX_FX_CLASS CDialogTemplateReader
{
public:
    struct SItem
    {
        DWORD dwStyle;
        DWORD dwExStyle;
        DWORD dwHelpID;
        UINT nID;
        CRect rect;
        CString strClass;          // "BUTTON", "EDIT", ... for the predefined classes
        CString strTitle;
        WORD wTitleOrdinal;        // non-zero: the title is a resource number (an icon's, say)
    };

    CDialogTemplateReader();
    ~CDialogTemplateReader();

    // Finds the template along the resource chain, the current resource module first.
    BOOL Load(LPCSTR lpszTemplateName);
    BOOL Load(UINT nIDTemplate) { return Load(MAKEINTRESOURCEA(nIDTemplate)); }
    // Reads a template in memory (standard or extended form) of at most cbTemplate bytes.
    BOOL Read(const void* pTemplate, DWORD cbTemplate);

    int GetItemCount() const { return m_nItems; }
    const SItem& GetItem(int nIndex) const { return m_pItems[nIndex]; }
    int FindItem(UINT nID) const;      // -1 when no item has the id
    // Creates item nIndex as a child of pParent (a dialog: its dialog units apply), with the
    // parent's font; NULL when the index is out of range or the window cannot be made.
    HWND CreateItem(int nIndex, CWnd* pParent) const;

    BOOL m_bExtended;
    DWORD m_dwStyle;
    DWORD m_dwExStyle;
    CRect m_rect;
    CString m_strCaption;
    CString m_strFaceName;
    WORD m_wPointSize;
    HINSTANCE m_hInstance;             // the module the template came from

private:
    void Clear();
    SItem* m_pItems;
    int m_nItems;
};
