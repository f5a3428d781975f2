// PathUtils.h - paths, folders and file-type masks: splitting a path, validating and creating a
// folder chain (after asking the user), deleting folder trees with confirmation, the shell's
// special folders and folder browser.  Windows ANSI paths with "\" as separator throughout.
//
// Every function takes NULL where it takes a text and treats it as empty.  The functions that
// look at folders (IsPathValid, AddFilesToArray) change the process's current directory while
// they work and always put it back.
#pragma once

#include <afxwin.h>

// For a non-empty text: trailing blanks are trimmed and a "\" appended unless the text already
// ends with one (a text of blanks only becomes empty).
AFX_EXT_API void CheckTailSlash(CString* pPath);
// The volume label of a removable or CD-ROM drive named at the start of the path ("X:\"),
// empty for any other drive or when it cannot be read.
AFX_EXT_API CString PathGetDiskLabel(const char* lpszPath);
// The folder part of a path (blanks trimmed): the path itself when it ends with "\" or is an
// existing folder; for an existing file, or a missing one whose name has an extension, the text
// up to and including the last "\"; otherwise empty.
AFX_EXT_API CString PathGetFolder(const char* lpszPath);
// empty for an existing folder; otherwise the text after the last "\"
AFX_EXT_API CString PathGetFileName(const char* lpszPath);
// empty for an existing folder; otherwise the lower-cased extension of the name, without its "."
AFX_EXT_API CString PathGetExtension(const char* lpszPath);
// 1 when the path names an existing file (not a folder)
AFX_EXT_API int IsFileExist(const char* lpszPath);

// 1 when the folder of the path exists.  Otherwise, with bMessages, the user is told (and asked
// whether to create it when bCreate is set); the folder chain is created when the user said Yes,
// or without messages when bCreate is set.  1 when the folder exists afterwards.
AFX_EXT_API int IsPathValid(const char* lpszPath, int bMessages, int bCreate);
// Deletes the folder with everything in it, asking first (and before each file) when bAsk is
// set; a file the user keeps keeps its folder.  1 when the folder had entries to look at.
AFX_EXT_API int DeleteFolder(const char* lpszFolder, int bAsk);
// Deletes every folder named lpszName anywhere below lpszRoot and, as they empty, the folders
// between.  With bKeep a folder whose deletion failed stays.  1 only when every step succeeded
// and no file was met on the way.
AFX_EXT_API int DeleteFoldersTree(const char* lpszRoot, const char* lpszName, int bAsk, int bKeep);

// pOut = the shell folder nCSIDL followed by "\" ("C:\" when the shell has none); the result of
// IsPathValid(pOut, 0, bCreate).  0 and nothing written for a NULL pOut.
AFX_EXT_API int GetSystemFolder(int nCSIDL, CString* pOut, int bCreate);
// pOut = "<documents>\<name>\"; the result of IsPathValid(pOut, 0, bCreate)
AFX_EXT_API int GetUserFolder(const char* lpszName, CString* pOut, int bCreate);

// 1 when the path matches one of the masks (separated by blanks, tabs, ",", ";" or "|"); an
// empty mask list matches everything.
AFX_EXT_API int IsType(const char* lpszPath, const char* lpszMasks);
// Inserts folder + name of every file of the folder that matches the masks into pList, each
// before the first element that compares greater (byte-wise).  1 when at least one was added;
// 0 for a folder that does not exist.  dwReserved is not used.
AFX_EXT_API int AddFilesToArray(const char* lpszFolder, CStringArray* pList, const char* lpszMasks,
    DWORD dwReserved);
// The shell's folder browser (file-system folders only); lpszRoot limits it to a subtree and
// lpszInitial is selected when it opens.  1 with the chosen folder in pOut; 0 with pOut emptied
// when it was cancelled.
AFX_EXT_API int BrowseFolder(CString* pOut, const char* lpszTitle, HWND hOwner, const char* lpszRoot,
    const char* lpszInitial);
