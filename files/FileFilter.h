// FileFilter.h - file filters and favourite folders, and the folders a browser has visited.
//
//   CFileFilter        filters (a description and a mask list each) with an active one; fills a
//                      combo box and keeps itself in the settings store
//   CFilteredFolders   favourite folders: filters that also carry a folder path, in which the
//                      token "<QV>" stands for the host's installation folder
//   CDirWalkHistory    back and forward history of visited folders (at most 20), with the menus
//                      of the earlier and later folders
#pragma once

#include <afxwin.h>
#include <afxcoll.h>

// the token a favourite's path may hold for the host's installation folder
#define FOLDERTOKEN_INSTALL "<QV>"

class AFX_EXT_CLASS CFileFilter
{
public:
    // one filter: the library's "All Files" with the mask "*.*", active
    CFileFilter();
    virtual ~CFileFilter();

    // appends a filter; its index
    int AddFilter(const char* lpszDescription, const char* lpszMasks);
    int GetCount() const { return (int)m_arrDescriptions.GetSize(); }
    // 0 when there are no filters, else the first filter matching the path, else -1
    int GetFileType(const char* lpszPath) const;
    // whether filter nIndex matches the path (0 for an index out of range)
    int IsType(const char* lpszPath, int nIndex) const;
    // whether the active filter matches the path
    int IsValidType(const char* lpszPath) const { return IsType(lpszPath, m_nActive); }
    void SetActiveFilter(int nIndex) { m_nActive = nIndex; }
    int GetActiveFilter() const { return m_nActive; }

    // Empties the combo box, adds every description with its index as item data and widens the
    // drop-down to the widest text.  The number of items.
    virtual int FillComboBox(CComboBox* pCombo);
    // through the settings store: keys "Filter", "FilterMask",
    // "FilterDescr"; the result of the last array written or read
    virtual int Save(const char* lpszSection, const char* lpszFile);
    virtual int Load(const char* lpszSection, const char* lpszFile);

    int m_nActive;
    CStringArray m_arrMasks;            // masks separated by blanks, tabs, ",", ";" or "|"
    CStringArray m_arrDescriptions;
};

class AFX_EXT_CLASS CFilteredFolders : public CFileFilter
{
public:
    // empty, active 0
    CFilteredFolders();
    virtual ~CFilteredFolders();

    // appends a favourite; its index
    int AddFolder(const char* lpszPath, const char* lpszDescription, const char* lpszMasks);
    // the path with the installation token replaced; empty for an index out of range
    CString GetFolder(int nIndex) const;
    // the whole favourites (masks, descriptions, paths, active) of another set
    void CopyFrom(const CFilteredFolders& src);
    // removes favourite nIndex (nothing for an index out of range)
    void RemoveFolder(int nIndex);

    // the section is emptied first; keys "Folder", "FolderMask", "FolderDescr", "FolderPath"
    virtual int Save(const char* lpszSection, const char* lpszFile);
    virtual int Load(const char* lpszSection, const char* lpszFile);

    // the host's installation folder: its executable's path without the file name and the
    // folder that holds it
    static CString GetInstallFolder();

    CStringArray m_arrPaths;
};

// GetDisplayString styles (0 = the path unchanged)
#define DIRWALK_SHOWDRIVE   0x0001      // the drive part at the head
#define DIRWALK_SHOWLAST    0x0002      // the last component at the tail
#define DIRWALK_SHOWLAST2   0x0004      // the last two components at the tail

#define DIRWALK_MAXFOLDERS  20

class AFX_EXT_CLASS CDirWalkHistory : public CStringList
{
public:
    CDirWalkHistory();
    virtual ~CDirWalkHistory();

    // Drops the forward part, then appends the path unless it is already the newest; keeps the
    // newest DIRWALK_MAXFOLDERS.  The number of folders.
    int AddFolder(const char* lpszPath);
    // The folder nPos steps back from the newest, which becomes the position; empty (position
    // unchanged) for nPos out of range.
    CString SetWalkPos(int nPos);
    int GetWalkPos() const { return m_nWalkPos; }
    CString OnDirPrev() { return SetWalkPos(m_nWalkPos + 1); }
    CString OnDirNext() { return SetWalkPos(m_nWalkPos - 1); }
    BOOL IsDirPrevEnable() const { return GetCount() - m_nWalkPos > 1; }
    BOOL IsDirNextEnable() const { return m_nWalkPos > 0; }

    // a shortened path for menus: head (drive) " ... " tail (last one or two components)
    static CString GetDisplayString(const char* lpszPath, WORD wStyle);
    // The folders behind (before) the position as items firstId + steps back; the number of
    // items appended.
    int FillBackMenu(CMenu* pMenu, UINT nFirstID, WORD wStyle);
    int FillForwardMenu(CMenu* pMenu, UINT nFirstID, WORD wStyle);
    // SetWalkPos for a command of those menus; empty for a command that is not one of them
    CString SetWalkPosByMenu(UINT nFirstID, UINT nID);

    // The folders and the position as a list "DirHistory" and the key "DirHistoryPos" of the
    // section, through the settings store.  The number of folders written or read; Load keeps
    // the history when the section holds none.
    int Save(const char* lpszSection, const char* lpszFile);
    int Load(const char* lpszSection, const char* lpszFile);

protected:
    // the folder nSteps back from the newest
    CString GetBack(int nSteps) const;

    int m_nWalkPos;         // steps back from the newest folder; 0 = at the newest
};
