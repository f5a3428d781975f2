// FavoriteFoldersDlg.cpp - the favourite folders dialog.
#include "FavoriteFoldersDlg.h"
#include "PathUtils.h"
#include "frame/UILFrame.h"
#include "res/resource.h"

CFavoriteFoldersDlg::CFavoriteFoldersDlg(CWnd* pParent)
    : CDialog(IDD_FAVORITEFOLDERS, pParent), m_nRenaming(-1), m_bChanged(FALSE), m_bShowing(FALSE)
{
}

BEGIN_MESSAGE_MAP(CFavoriteFoldersDlg, CDialog)
    ON_CBN_SELENDOK(IDC_FAVORITE_NAME, OnNameSelect)
    ON_CBN_SELCHANGE(IDC_FAVORITE_NAME, OnNameSelect)
    ON_CBN_EDITCHANGE(IDC_FAVORITE_NAME, OnNameEditChange)
    ON_CBN_DROPDOWN(IDC_FAVORITE_NAME, OnNameDropDown)
    ON_CBN_KILLFOCUS(IDC_FAVORITE_NAME, OnNameKillFocus)
    ON_EN_CHANGE(IDC_FAVORITE_FOLDER, OnFolderChange)
    ON_EN_CHANGE(IDC_FAVORITE_MASKS, OnMasksChange)
    ON_BN_CLICKED(IDC_FAVORITE_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_FAVORITE_NEW, OnNewFavorite)
    ON_BN_CLICKED(IDC_FAVORITE_DELETE, OnDeleteFavorite)
END_MESSAGE_MAP()

int CFavoriteFoldersDlg::InitFilteredFolders(CFilteredFolders* pFolders)
{
    if (pFolders != NULL)
        m_folders.CopyFrom(*pFolders);
    m_bChanged = FALSE;
    return m_folders.GetCount();
}

int CFavoriteFoldersDlg::GetFilteredFolders(CFilteredFolders* pFolders) const
{
    if (pFolders != NULL)
        pFolders->CopyFrom(m_folders);
    return m_folders.GetCount();
}

INT_PTR CFavoriteFoldersDlg::DoModal()
{
    CUILResourceScope scope;
    return CDialog::DoModal();
}

BOOL CFavoriteFoldersDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndNames.SubclassDlgItem(IDC_FAVORITE_NAME, this);
    m_wndFolder.SubclassDlgItem(IDC_FAVORITE_FOLDER, this);
    m_wndMasks.SubclassDlgItem(IDC_FAVORITE_MASKS, this);
    m_folders.FillComboBox(&m_wndNames);
    ShowActive();
    return TRUE;
}

void CFavoriteFoldersDlg::OnOK()
{
    CheckFilterNameChanging();
    CDialog::OnOK();
}

void CFavoriteFoldersDlg::ShowActive()
{
    int nActive = m_folders.m_nActive;
    BOOL bValid = nActive >= 0 && nActive < m_folders.GetCount();
    m_bShowing = TRUE;
    m_wndNames.SetCurSel(bValid ? nActive : -1);
    m_wndFolder.SetWindowText(bValid ? m_folders.m_arrPaths[nActive] : CString());
    m_wndMasks.SetWindowText(bValid ? m_folders.m_arrMasks[nActive] : CString());
    m_bShowing = FALSE;
    GetDlgItem(IDC_FAVORITE_DELETE)->EnableWindow(bValid && nActive > 0);
}

void CFavoriteFoldersDlg::CheckFilterNameChanging()
{
    int nIndex = m_nRenaming;
    CString strText = m_strRenameText;
    m_nRenaming = -1;
    m_strRenameText.Empty();
    // the first favourite keeps its name
    if (nIndex <= 0 || nIndex >= m_folders.GetCount())
        return;
    m_folders.m_arrDescriptions[nIndex] = strText;
    m_wndNames.DeleteString(nIndex);
    m_wndNames.InsertString(nIndex, strText);
    m_wndNames.SetItemData(nIndex, (DWORD_PTR)nIndex);
    m_wndNames.SetCurSel(nIndex);
    m_folders.m_nActive = nIndex;
    m_bChanged = TRUE;
}

void CFavoriteFoldersDlg::OnNameSelect()
{
    CheckFilterNameChanging();
    int nSel = m_wndNames.GetCurSel();
    if (nSel < 0 || nSel >= m_folders.GetCount() || nSel == m_folders.m_nActive)
        return;
    m_folders.m_nActive = nSel;
    ShowActive();
}

void CFavoriteFoldersDlg::OnNameEditChange()
{
    int nActive = m_folders.m_nActive;
    if (nActive < 0 || nActive >= m_folders.GetCount())
        return;
    m_nRenaming = nActive;
    m_wndNames.GetWindowText(m_strRenameText);
}

void CFavoriteFoldersDlg::OnNameDropDown()
{
    CheckFilterNameChanging();
}

void CFavoriteFoldersDlg::OnNameKillFocus()
{
    CheckFilterNameChanging();
}

void CFavoriteFoldersDlg::OnFolderChange()
{
    if (m_bShowing)
        return;
    CheckFilterNameChanging();
    int nActive = m_folders.m_nActive;
    if (nActive < 0 || nActive >= (int)m_folders.m_arrPaths.GetSize())
        return;
    m_wndFolder.GetWindowText(m_folders.m_arrPaths[nActive]);
    m_bChanged = TRUE;
}

void CFavoriteFoldersDlg::OnMasksChange()
{
    if (m_bShowing)
        return;
    CheckFilterNameChanging();
    int nActive = m_folders.m_nActive;
    if (nActive < 0 || nActive >= m_folders.GetCount())
        return;
    m_wndMasks.GetWindowText(m_folders.m_arrMasks[nActive]);
    m_bChanged = TRUE;
}

void CFavoriteFoldersDlg::OnBrowse()
{
    CString strTitle, strFolder;
    {
        CUILResourceScope scope;
        strTitle.LoadString(IDS_FILES_BROWSEFAVORITE);
    }
    if (BrowseFolder(&strFolder, strTitle, m_hWnd, NULL, m_folders.GetFolder(m_folders.m_nActive))
        && !strFolder.IsEmpty())
        m_wndFolder.SetWindowText(strFolder);
}

void CFavoriteFoldersDlg::OnNewFavorite()
{
    CheckFilterNameChanging();
    CString strFormat, strName;
    {
        CUILResourceScope scope;
        strFormat.LoadString(IDS_FILES_NEWFAVORITE);
    }
    // the next number whose name no entry has yet (exactly: the combo's own search ignores case)
    int nNumber = m_folders.GetCount();
    for (BOOL bTaken = TRUE; bTaken; ++nNumber)
    {
        strName.Format(strFormat, nNumber);
        bTaken = FALSE;
        CString strEntry;
        for (int i = 0; i < m_wndNames.GetCount() && !bTaken; ++i)
        {
            m_wndNames.GetLBText(i, strEntry);
            bTaken = strEntry == strName;
        }
    }
    m_folders.m_nActive = m_folders.AddFolder("C:\\", strName, "*.*");
    m_folders.FillComboBox(&m_wndNames);
    ShowActive();
    m_bChanged = TRUE;
}

void CFavoriteFoldersDlg::OnDeleteFavorite()
{
    CheckFilterNameChanging();
    int nSel = m_wndNames.GetCurSel();
    if (nSel <= 0 || nSel >= m_folders.GetCount())
        return;
    m_folders.RemoveFolder(nSel);
    if (m_folders.m_nActive >= m_folders.GetCount())
        m_folders.m_nActive = m_folders.GetCount() - 1;
    m_folders.FillComboBox(&m_wndNames);
    ShowActive();
    m_bChanged = TRUE;
}
