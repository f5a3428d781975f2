// ControlsSettings.cpp - CControlsSettings, its text records, and the tree view's saved state.
#include "ControlsSettings.h"

namespace
{

// The blanks that end a name in a record ("%s" of the C library in the "C" locale), as bytes.
inline bool IsRecordBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

// Whether a record name survives the text form: "^" stands for its blanks, so the name is read
// back as one word, which it cannot be when it is empty, too long for the reader, or holds
// another kind of blank.
bool IsSavableName(const CString& strName)
{
    int nLength = strName.GetLength();
    if (nLength == 0 || nLength > CTRLSETTINGS_MAX_NAME)
        return false;
    for (LPCSTR lpsz = strName; *lpsz != '\0'; lpsz++)
    {
        if (*lpsz != ' ' && IsRecordBlank(*lpsz))
            return false;
    }
    return true;
}

// Reads "%s %d %d %d %d" from a record; false unless all five fields are there and the name
// fits CTRLSETTINGS_MAX_NAME.
bool ParseRecord(LPCSTR lpszRecord, CString& strName, long& lValue, CSize& size, UINT& nFlags)
{
    LPCSTR lpsz = lpszRecord;
    while (IsRecordBlank(*lpsz))
        lpsz++;
    LPCSTR lpszName = lpsz;
    while (*lpsz != '\0' && !IsRecordBlank(*lpsz))
        lpsz++;
    int nNameLength = (int)(lpsz - lpszName);
    if (nNameLength == 0 || nNameLength > CTRLSETTINGS_MAX_NAME)
        return false;

    int nValue, cx, cy, nBits;
    if (sscanf(lpsz, "%d %d %d %d", &nValue, &cx, &cy, &nBits) != 4)
        return false;
    strName = CString(lpszName, nNameLength);
    lValue = nValue;
    size = CSize(cx, cy);
    nFlags = (UINT)nBits;
    return true;
}

// The record of a tree item: by its identifier when it has one, else by its path.
int FindItemRecord(const CControlsSettings* pSettings, const CString& strName, ULONG_PTR dwId)
{
    return dwId != 0 ? pSettings->Find(dwId, -1, 0) : pSettings->Find(strName, -1, 0);
}

CString GetItemPath(CTreeCtrl* pTree, HTREEITEM hItem, LPCSTR lpszParentPath)
{
    CString strText = pTree->GetItemText(hItem);
    if (lpszParentPath == NULL)
        return strText;
    CString strPath(lpszParentPath);
    strPath += '\\';
    strPath += strText;
    return strPath;
}

void SaveTreeItems(CTreeCtrl* pTree, CControlsSettings* pSettings, PFNTREEITEMIDENTIFIER pfnIdentifier,
    HTREEITEM hItem, LPCSTR lpszParentPath, HTREEITEM hFirstVisible)
{
    for (; hItem != NULL; hItem = pTree->GetNextSiblingItem(hItem))
    {
        CString strName = GetItemPath(pTree, hItem, lpszParentPath);
        UINT nState = pTree->GetItemState(hItem, TVIS_EXPANDED | TVIS_SELECTED | TVIS_DROPHILITED);
        UINT nFlags = 0;
        if (nState & TVIS_EXPANDED)
            nFlags |= CTRLSETTINGS_EXPANDED;
        if (nState & (TVIS_SELECTED | TVIS_DROPHILITED))
            nFlags |= CTRLSETTINGS_SELECTED;
        if (hItem == hFirstVisible)
            nFlags |= CTRLSETTINGS_FIRSTVISIBLE;
        ULONG_PTR dwId = pfnIdentifier != NULL ? pfnIdentifier(pTree, hItem) : 0;

        int nIndex = FindItemRecord(pSettings, strName, dwId);
        if (nIndex >= 0)
            pSettings->GetAt(nIndex)->m_nFlags = nFlags;
        else if (nFlags != 0)
            pSettings->Add(strName, -1, CSize(0, 0), nFlags, dwId);

        SaveTreeItems(pTree, pSettings, pfnIdentifier, pTree->GetChildItem(hItem), strName, hFirstVisible);
    }
}

void RestoreTreeItems(CTreeCtrl* pTree, CControlsSettings* pSettings, PFNTREEITEMIDENTIFIER pfnIdentifier,
    HTREEITEM hItem, LPCSTR lpszParentPath, SRestoreItemSettingsItems& noted)
{
    for (; hItem != NULL; hItem = pTree->GetNextSiblingItem(hItem))
    {
        CString strName = GetItemPath(pTree, hItem, lpszParentPath);
        ULONG_PTR dwId = pfnIdentifier != NULL ? pfnIdentifier(pTree, hItem) : 0;
        int nIndex = FindItemRecord(pSettings, strName, dwId);
        if (nIndex >= 0)
        {
            UINT nFlags = pSettings->GetAt(nIndex)->m_nFlags;
            // Expanding first lets a tree that fills its items on demand create the children
            // that the visit below then restores.
            if (nFlags & CTRLSETTINGS_EXPANDED)
                pTree->Expand(hItem, TVE_EXPAND);
            if (nFlags & CTRLSETTINGS_SELECTED)
                noted.m_hSelectedItem = hItem;
            if (nFlags & CTRLSETTINGS_FIRSTVISIBLE)
                noted.m_hFirstVisibleItem = hItem;
        }
        RestoreTreeItems(pTree, pSettings, pfnIdentifier, pTree->GetChildItem(hItem), strName, noted);
    }
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CControlsSettings

CControlsSettings::CControlsSettings()
{
}

CControlsSettings::~CControlsSettings()
{
    RemoveAll();
}

SControlSettings* CControlsSettings::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        return NULL;
    return m_arrSettings[nIndex];
}

int CControlsSettings::Add(SControlSettings* pSettings)
{
    if (pSettings == NULL)
        return -1;
    return (int)m_arrSettings.Add(pSettings);
}

int CControlsSettings::Add(const CString& strName, long lValue, CSize size, UINT nFlags, ULONG_PTR dwData)
{
    return Add(new SControlSettings(strName, lValue, size, nFlags, dwData));
}

void CControlsSettings::RemoveAt(int nIndex, int nCount)
{
    int nSize = GetSize();
    if (nIndex < 0 || nIndex >= nSize || nCount <= 0)
        return;
    if (nCount > nSize - nIndex)
        nCount = nSize - nIndex;
    for (int i = nIndex; i < nIndex + nCount; i++)
        delete m_arrSettings[i];
    m_arrSettings.RemoveAt(nIndex, nCount);
}

void CControlsSettings::RemoveAll()
{
    for (int i = 0; i < GetSize(); i++)
        delete m_arrSettings[i];
    m_arrSettings.RemoveAll();
}

int CControlsSettings::Find(LPCSTR lpszName, long lValue, int nStart) const
{
    if (lpszName == NULL || nStart < 0)
        return -1;
    for (int i = nStart; i < GetSize(); i++)
    {
        const SControlSettings* pSettings = m_arrSettings[i];
        if (strcmp(pSettings->m_strName, lpszName) == 0 && (lValue == -1 || pSettings->m_lValue == lValue))
            return i;
    }
    return -1;
}

int CControlsSettings::Find(ULONG_PTR dwData, long lValue, int nStart) const
{
    if (nStart < 0)
        return -1;
    for (int i = nStart; i < GetSize(); i++)
    {
        const SControlSettings* pSettings = m_arrSettings[i];
        if (pSettings->m_dwData == dwData && (lValue == -1 || pSettings->m_lValue == lValue))
            return i;
    }
    return -1;
}

int CControlsSettings::Save(LPCSTR lpszSection, LPCSTR lpszFile)
{
    if (lpszSection == NULL)
        return 0;
    // Refused before the section is cleared: a failed save leaves the earlier one as it was.
    for (int i = 0; i < GetSize(); i++)
    {
        if (!IsSavableName(m_arrSettings[i]->m_strName))
            return 0;
    }

    BOOL bSaved = SaveIniString(lpszSection, NULL, NULL, lpszFile) != 0;
    CString strKey, strValue;
    strValue.Format("%d", GetSize());
    if (!SaveIniString(lpszSection, "Count", strValue, lpszFile))
        bSaved = FALSE;
    for (int i = 0; i < GetSize(); i++)
    {
        const SControlSettings* pSettings = m_arrSettings[i];
        CString strName = pSettings->m_strName;
        ReplaceSpace(strName, '^');
        strValue.Format("%s %d %d %d %d", (LPCSTR)strName, (int)pSettings->m_lValue,
            (int)pSettings->m_size.cx, (int)pSettings->m_size.cy, (int)pSettings->m_nFlags);
        strKey.Format("%d", i);
        if (!SaveIniString(lpszSection, strKey, strValue, lpszFile))
            bSaved = FALSE;
    }
    return bSaved ? 1 : 0;
}

int CControlsSettings::Load(LPCSTR lpszSection, LPCSTR lpszFile)
{
    char szText[512];
    if (!LoadIniString(lpszSection, "Count", szText, sizeof(szText), lpszFile))
        return 0;
    int nCount = 0;
    sscanf(szText, "%d", &nCount);

    CString strKey, strName;
    for (int i = 0; i < nCount; i++)
    {
        strKey.Format("%d", i);
        if (!LoadIniString(lpszSection, strKey, szText, sizeof(szText), lpszFile))
            return 0;
        long lValue;
        CSize size;
        UINT nFlags;
        if (!ParseRecord(szText, strName, lValue, size, nFlags))
            return 0;
        RestoreSpace(strName, '^');

        int nIndex = Find(strName, -1, 0);
        if (nIndex >= 0)
        {
            SControlSettings* pSettings = m_arrSettings[nIndex];
            pSettings->m_lValue = lValue;
            pSettings->m_size = size;
            pSettings->m_nFlags = nFlags;
        }
        else
        {
            Add(strName, lValue, size, nFlags, 0);
        }
    }
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Tree views

int CTreeCtrl_SaveControlsSettings(CTreeCtrl* pTree, CControlsSettings* pSettings,
    PFNTREEITEMIDENTIFIER pfnIdentifier)
{
    if (pSettings == NULL)
        return 0;
    pSettings->RemoveAll();
    if (pTree == NULL || !::IsWindow(pTree->GetSafeHwnd()))
        return 0;
    SaveTreeItems(pTree, pSettings, pfnIdentifier, pTree->GetRootItem(), NULL, pTree->GetFirstVisibleItem());
    return pSettings->GetSize();
}

HTREEITEM CTreeCtrl_RestoreControlsSettings(CTreeCtrl* pTree, CControlsSettings* pSettings,
    SRestoreItemSettingsItems* pItems, PFNTREEITEMIDENTIFIER pfnIdentifier)
{
    if (pTree == NULL || pSettings == NULL || !::IsWindow(pTree->GetSafeHwnd()))
        return NULL;
    SRestoreItemSettingsItems noted;
    RestoreTreeItems(pTree, pSettings, pfnIdentifier, pTree->GetRootItem(), NULL, noted);

    if (pItems != NULL)
    {
        if (noted.m_hFirstVisibleItem != NULL)
            pItems->m_hFirstVisibleItem = noted.m_hFirstVisibleItem;
        if (noted.m_hSelectedItem != NULL)
            pItems->m_hSelectedItem = noted.m_hSelectedItem;
    }
    else
    {
        if (noted.m_hFirstVisibleItem != NULL)
            pTree->EnsureVisible(noted.m_hFirstVisibleItem);
        if (noted.m_hSelectedItem != NULL)
            pTree->SelectItem(noted.m_hSelectedItem);
    }
    return noted.m_hSelectedItem;
}
