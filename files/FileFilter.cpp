// FileFilter.cpp - file filters, favourite folders and the folder walk history.
#include "FileFilter.h"
#include "PathUtils.h"
#include "frame/UILFrame.h"
#include "frame/StringArraySettings.h"
#include "res/resource.h"
#include <cstdlib>

/////////////////////////////////////////////////////////////////////////////
// CFileFilter

CFileFilter::CFileFilter() : m_nActive(0)
{
    CString strAll;
    {
        CUILResourceScope scope;
        strAll.LoadString(IDS_FILES_ALLFILES);
    }
    AddFilter(strAll, "*.*");
}

CFileFilter::~CFileFilter()
{
}

int CFileFilter::AddFilter(const char* lpszDescription, const char* lpszMasks)
{
    m_arrMasks.Add(lpszMasks != NULL ? lpszMasks : "");
    return (int)m_arrDescriptions.Add(lpszDescription != NULL ? lpszDescription : "");
}

int CFileFilter::GetFileType(const char* lpszPath) const
{
    if (m_arrMasks.GetSize() == 0)
        return 0;
    for (int i = 0; i < (int)m_arrMasks.GetSize(); ++i)
        if (::IsType(lpszPath, m_arrMasks[i]))
            return i;
    return -1;
}

int CFileFilter::IsType(const char* lpszPath, int nIndex) const
{
    if (nIndex < 0 || nIndex >= (int)m_arrMasks.GetSize())
        return 0;
    return ::IsType(lpszPath, m_arrMasks[nIndex]);
}

int CFileFilter::FillComboBox(CComboBox* pCombo)
{
    if (pCombo == NULL || pCombo->m_hWnd == NULL)
        return 0;
    pCombo->ResetContent();
    int nWidth = pCombo->GetDroppedWidth();
    CClientDC dc(pCombo);
    CFont* pOldFont = dc.SelectObject(pCombo->GetFont());
    int nExtra = ::GetSystemMetrics(SM_CXVSCROLL) + 12;
    for (int i = 0; i < (int)m_arrDescriptions.GetSize(); ++i)
    {
        int nItem = pCombo->AddString(m_arrDescriptions[i]);
        pCombo->SetItemData(nItem, (DWORD_PTR)i);
        int nText = dc.GetTextExtent(m_arrDescriptions[i]).cx + nExtra;
        if (nText > nWidth)
            nWidth = nText;
    }
    dc.SelectObject(pOldFont);
    pCombo->SetDroppedWidth(nWidth);
    return pCombo->GetCount();
}

int CFileFilter::Save(const char* lpszSection, const char* lpszFile)
{
    CString strActive;
    strActive.Format("%d", m_nActive);
    SaveIniString(lpszSection, "Filter", strActive, lpszFile);
    SaveStringArray(lpszSection, "FilterMask", &m_arrMasks, lpszFile);
    return SaveStringArray(lpszSection, "FilterDescr", &m_arrDescriptions, lpszFile);
}

int CFileFilter::Load(const char* lpszSection, const char* lpszFile)
{
    char szActive[32];
    if (LoadIniString(lpszSection, "Filter", szActive, sizeof(szActive), lpszFile))
        m_nActive = atoi(szActive);
    LoadStringArray(lpszSection, "FilterMask", &m_arrMasks, lpszFile);
    return LoadStringArray(lpszSection, "FilterDescr", &m_arrDescriptions, lpszFile);
}

/////////////////////////////////////////////////////////////////////////////
// CFilteredFolders

CFilteredFolders::CFilteredFolders()
{
    m_arrMasks.RemoveAll();
    m_arrDescriptions.RemoveAll();
    m_nActive = 0;
}

CFilteredFolders::~CFilteredFolders()
{
}

int CFilteredFolders::AddFolder(const char* lpszPath, const char* lpszDescription, const char* lpszMasks)
{
    m_arrPaths.Add(lpszPath != NULL ? lpszPath : "");
    return AddFilter(lpszDescription, lpszMasks);
}

CString CFilteredFolders::GetFolder(int nIndex) const
{
    if (nIndex < 0 || nIndex >= (int)m_arrPaths.GetSize())
        return CString();
    CString strPath = m_arrPaths[nIndex];
    if (strPath.Find(FOLDERTOKEN_INSTALL) >= 0)
        strPath.Replace(FOLDERTOKEN_INSTALL, GetInstallFolder());
    return strPath;
}

void CFilteredFolders::CopyFrom(const CFilteredFolders& src)
{
    m_arrMasks.Copy(src.m_arrMasks);
    m_arrDescriptions.Copy(src.m_arrDescriptions);
    m_arrPaths.Copy(src.m_arrPaths);
    m_nActive = src.m_nActive;
}

void CFilteredFolders::RemoveFolder(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    m_arrMasks.RemoveAt(nIndex);
    m_arrDescriptions.RemoveAt(nIndex);
    if (nIndex < (int)m_arrPaths.GetSize())
        m_arrPaths.RemoveAt(nIndex);
}

CString CFilteredFolders::GetInstallFolder()
{
    char szExe[MAX_PATH + 1] = "";
    ::GetModuleFileNameA(NULL, szExe, MAX_PATH);
    CString strFolder = szExe;
    for (int i = 0; i < 2; ++i)
    {
        int nSlash = strFolder.ReverseFind('\\');
        strFolder = nSlash >= 0 ? strFolder.Left(nSlash) : CString();
    }
    return strFolder;
}

int CFilteredFolders::Save(const char* lpszSection, const char* lpszFile)
{
    // a shorter list must not leave the tail of a longer one behind
    SaveIniString(lpszSection, NULL, NULL, lpszFile);
    CString strActive;
    strActive.Format("%d", m_nActive);
    SaveIniString(lpszSection, "Folder", strActive, lpszFile);
    SaveStringArray(lpszSection, "FolderMask", &m_arrMasks, lpszFile);
    SaveStringArray(lpszSection, "FolderDescr", &m_arrDescriptions, lpszFile);
    return SaveStringArray(lpszSection, "FolderPath", &m_arrPaths, lpszFile);
}

int CFilteredFolders::Load(const char* lpszSection, const char* lpszFile)
{
    char szActive[32];
    if (LoadIniString(lpszSection, "Folder", szActive, sizeof(szActive), lpszFile))
        m_nActive = atoi(szActive);
    LoadStringArray(lpszSection, "FolderMask", &m_arrMasks, lpszFile);
    LoadStringArray(lpszSection, "FolderDescr", &m_arrDescriptions, lpszFile);
    return LoadStringArray(lpszSection, "FolderPath", &m_arrPaths, lpszFile);
}

/////////////////////////////////////////////////////////////////////////////
// CDirWalkHistory

CDirWalkHistory::CDirWalkHistory() : CStringList(10), m_nWalkPos(0)
{
}

CDirWalkHistory::~CDirWalkHistory()
{
}

CString CDirWalkHistory::GetBack(int nSteps) const
{
    POSITION pos = FindIndex(GetCount() - 1 - nSteps);
    return pos != NULL ? GetAt(pos) : CString();
}

int CDirWalkHistory::AddFolder(const char* lpszPath)
{
    if (lpszPath == NULL || *lpszPath == '\0')
        return (int)GetCount();
    // a new folder after going back: the folders ahead are forgotten
    for (; m_nWalkPos > 0 && !IsEmpty(); --m_nWalkPos)
        RemoveTail();
    m_nWalkPos = 0;
    if (!IsEmpty() && GetTail() == lpszPath)
        return (int)GetCount();
    AddTail(lpszPath);
    while (GetCount() > DIRWALK_MAXFOLDERS)
        RemoveHead();
    return (int)GetCount();
}

CString CDirWalkHistory::SetWalkPos(int nPos)
{
    if (nPos < 0 || nPos >= (int)GetCount())
        return CString();
    m_nWalkPos = nPos;
    return GetBack(nPos);
}

CString CDirWalkHistory::GetDisplayString(const char* lpszPath, WORD wStyle)
{
    CString strPath = lpszPath != NULL ? lpszPath : "";
    if (wStyle == 0 || strPath.Find('\\') < 0)
        return strPath;

    CString strHead;
    if (wStyle & DIRWALK_SHOWDRIVE)
    {
        int nColon = strPath.Find(':');
        int nSlash = strPath.Find('\\', nColon >= 0 ? nColon : 0);
        strHead = strPath.Left(nSlash + 1);
    }
    CString strTail;
    if (wStyle & (DIRWALK_SHOWLAST | DIRWALK_SHOWLAST2))
    {
        int nCut = strPath.ReverseFind('\\');
        if ((wStyle & DIRWALK_SHOWLAST2) && nCut > 0)
        {
            int nPrev = strPath.Left(nCut).ReverseFind('\\');
            nCut = nPrev;           // -1: the whole path is the last two components
        }
        strTail = strPath.Mid(nCut + 1);
    }
    int nBetween = strPath.GetLength() - strHead.GetLength() - strTail.GetLength();
    if (nBetween <= 0)
        return strPath;             // head and tail meet: nothing to leave out
    if (strHead.IsEmpty())
        return "... " + strTail;
    return strHead + " ... " + strTail;
}

int CDirWalkHistory::FillBackMenu(CMenu* pMenu, UINT nFirstID, WORD wStyle)
{
    if (pMenu == NULL)
        return 0;
    int nAdded = 0;
    for (int i = m_nWalkPos + 1; i < (int)GetCount() && i < DIRWALK_MAXFOLDERS; ++i, ++nAdded)
        pMenu->AppendMenu(MF_STRING, nFirstID + i, GetDisplayString(GetBack(i), wStyle));
    return nAdded;
}

int CDirWalkHistory::FillForwardMenu(CMenu* pMenu, UINT nFirstID, WORD wStyle)
{
    if (pMenu == NULL)
        return 0;
    int nAdded = 0;
    for (int i = 0; i < m_nWalkPos && i < (int)GetCount(); ++i, ++nAdded)
        pMenu->AppendMenu(MF_STRING, nFirstID + i, GetDisplayString(GetBack(i), wStyle));
    return nAdded;
}

CString CDirWalkHistory::SetWalkPosByMenu(UINT nFirstID, UINT nID)
{
    if (nID < nFirstID || nID >= nFirstID + DIRWALK_MAXFOLDERS)
        return CString();
    return SetWalkPos((int)(nID - nFirstID));
}

int CDirWalkHistory::Save(const char* lpszSection, const char* lpszFile)
{
    CStringArray arrFolders;
    for (POSITION pos = GetHeadPosition(); pos != NULL;)
        arrFolders.Add(GetNext(pos));
    CString strPos;
    strPos.Format("%d", m_nWalkPos);
    SaveIniString(lpszSection, "DirHistoryPos", strPos, lpszFile);
    return SaveStringArray(lpszSection, "DirHistory", &arrFolders, lpszFile);
}

int CDirWalkHistory::Load(const char* lpszSection, const char* lpszFile)
{
    CStringArray arrFolders;
    int nCount = LoadStringArray(lpszSection, "DirHistory", &arrFolders, lpszFile);
    if (nCount <= 0)
        return 0;
    RemoveAll();
    m_nWalkPos = 0;
    // the newest DIRWALK_MAXFOLDERS of what was saved, and a position that lies among them
    for (INT_PTR i = arrFolders.GetSize() > DIRWALK_MAXFOLDERS ? arrFolders.GetSize() - DIRWALK_MAXFOLDERS : 0;
         i < arrFolders.GetSize(); ++i)
        AddTail(arrFolders[i]);
    char szPos[32];
    if (LoadIniString(lpszSection, "DirHistoryPos", szPos, sizeof(szPos), lpszFile))
    {
        int nPos = atoi(szPos);
        if (nPos >= 0 && nPos < (int)GetCount())
            m_nWalkPos = nPos;
    }
    return (int)GetCount();
}
