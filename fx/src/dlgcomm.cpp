// dlgcomm.cpp - the common dialogs: CCommonDialog and CColorDialog.
#include "afximpl_.h"
#include "afxdlgs.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog((UINT)0, pParentWnd)
{
    m_lpszTemplateName = NULL;
    m_nIDHelp = 0;
}

void CCommonDialog::OnOK()
{
    if (UpdateData(TRUE))
        Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}

/////////////////////////////////////////////////////////////////////////////
// CColorDialog

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
    // white until the user defines some; the system dialog writes them back here
    static COLORREF s_clrCustom[16] = {
        0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
        0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    return s_clrCustom;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags;
    if ((m_cc.rgbResult = clrInit) != 0)
        m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    // the same modal state as any dialog: the frame and its floating windows are disabled while
    // the system's dialog runs (it disables its owner itself)
    m_cc.hwndOwner = PreModal();
    BOOL bOK = ::ChooseColorA(&m_cc);
    DWORD dwError = bOK ? 0 : ::CommDlgExtendedError();
    PostModal();
    if (dwError != 0)
    {
        TRACE("CColorDialog::DoModal: the colour dialog failed (%lu)\n", dwError);
        return -1;
    }
    return bOK ? IDOK : IDCANCEL;
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    m_cc.rgbResult = clr;
    m_cc.Flags |= CC_RGBINIT;
}

COLORREF CColorDialog::GetColor() const
{
    return m_cc.rgbResult;
}
