// FavoriteFoldersDlg.h - the "Favorite Folders:" dialog: the user names, adds, deletes and edits
// favourite folders on a working copy that the host copies in before and back after the run.
#pragma once

#include <afxwin.h>
#include "FileFilter.h"

class AFX_EXT_CLASS CFavoriteFoldersDlg : public CDialog
{
public:
    explicit CFavoriteFoldersDlg(CWnd* pParent = NULL);

    // The host's favourites into the working copy; clears the changed flag.  The number of
    // favourites.
    int InitFilteredFolders(CFilteredFolders* pFolders);
    // The working copy back to the host (after OK).  The number of favourites.
    int GetFilteredFolders(CFilteredFolders* pFolders) const;
    BOOL IsChanged() const { return m_bChanged; }

    // runs with the library's resources current
    virtual INT_PTR DoModal();

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();

    // the active favourite into the combo and the two edits, Delete enabled unless it is the first
    void ShowActive();
    // applies a pending rename of a favourite (never of the first); clears the rename state
    void CheckFilterNameChanging();

    afx_msg void OnNameSelect();
    afx_msg void OnNameEditChange();
    afx_msg void OnNameDropDown();
    afx_msg void OnNameKillFocus();
    afx_msg void OnFolderChange();
    afx_msg void OnMasksChange();
    afx_msg void OnBrowse();
    afx_msg void OnNewFavorite();
    afx_msg void OnDeleteFavorite();
    DECLARE_MESSAGE_MAP()

    CFilteredFolders m_folders;     // the working copy
    CComboBox m_wndNames;           // 1008, the descriptions
    CEdit m_wndFolder;              // 1004
    CEdit m_wndMasks;               // 1024
    int m_nRenaming;                // the favourite being renamed, -1 for none
    CString m_strRenameText;
    BOOL m_bChanged;
    BOOL m_bShowing;                // the edits are being filled: their changes are not the user's
};
