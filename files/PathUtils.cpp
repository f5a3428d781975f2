// PathUtils.cpp - path splitting, folder validation and creation, folder deletion, special
// folders, type masks and the folder browser.
#include "PathUtils.h"
#include "frame/UILFrame.h"
#include "res/resource.h"
#include <shlobj.h>
#include <shlwapi.h>
#include <cstring>
#include <vector>

namespace
{
inline CString SafeText(const char* lpsz)
{
    return CString(lpsz != NULL ? lpsz : "");
}

// The process's current directory for the object's lifetime: whatever a folder function
// changes into, the caller finds its own directory afterwards.
class CCurrentDirScope
{
public:
    CCurrentDirScope()
    {
        DWORD nLen = ::GetCurrentDirectoryA(0, NULL);
        if (nLen != 0)
        {
            std::vector<char> buffer(nLen + 1);
            if (::GetCurrentDirectoryA(nLen + 1, buffer.data()) != 0)
                m_strDir = buffer.data();
        }
    }
    ~CCurrentDirScope()
    {
        if (!m_strDir.IsEmpty())
            ::SetCurrentDirectoryA(m_strDir);
    }

private:
    CString m_strDir;
};

// the library's string nID with the text put in for its "%s"
CString FormatLibraryString(UINT nID, LPCSTR lpszArg)
{
    CString strFormat, strText;
    {
        CUILResourceScope scope;
        strFormat.LoadString(nID);
    }
    strText.Format(strFormat, lpszArg);
    return strText;
}

CString LoadLibraryString(UINT nID)
{
    CUILResourceScope scope;
    CString str;
    str.LoadString(nID);
    return str;
}

int AskLibrary(UINT nTextID, LPCSTR lpszArg, UINT nCaptionID, UINT nType)
{
    return AppMessageBox(FormatLibraryString(nTextID, lpszArg), LoadLibraryString(nCaptionID), nType);
}

DWORD Attributes(const CString& strPath)
{
    return strPath.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(strPath);
}

inline BOOL IsFolderAttr(DWORD dw)
{
    return dw != INVALID_FILE_ATTRIBUTES && (dw & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// the folder without a trailing "\", for appending "\name"
CString WithoutTailSlash(CString strFolder)
{
    while (!strFolder.IsEmpty() && strFolder[strFolder.GetLength() - 1] == '\\')
        strFolder.Truncate(strFolder.GetLength() - 1);
    return strFolder;
}

inline BOOL IsDotEntry(const char* lpszName)
{
    return strcmp(lpszName, ".") == 0 || strcmp(lpszName, "..") == 0;
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// Splitting paths

void CheckTailSlash(CString* pPath)
{
    if (pPath == NULL || pPath->IsEmpty())
        return;
    pPath->TrimRight(' ');
    if (!pPath->IsEmpty() && (*pPath)[pPath->GetLength() - 1] != '\\')
        *pPath += '\\';
}

CString PathGetDiskLabel(const char* lpszPath)
{
    CString strPath = SafeText(lpszPath);
    int nPos = strPath.Find(":\\");
    if (nPos < 1)
        return CString();
    CString strRoot = strPath.Left(nPos + 2);
    UINT nType = ::GetDriveTypeA(strRoot);
    if (nType != DRIVE_REMOVABLE && nType != DRIVE_CDROM)
        return CString();
    char szLabel[MAX_PATH + 1] = "";
    if (!::GetVolumeInformationA(strRoot, szLabel, sizeof(szLabel), NULL, NULL, NULL, NULL, 0))
        return CString();
    return szLabel;
}

CString PathGetFolder(const char* lpszPath)
{
    CString strPath = SafeText(lpszPath);
    strPath.Trim(' ');
    if (strPath.IsEmpty() || strPath[strPath.GetLength() - 1] == '\\')
        return strPath;
    DWORD dwAttr = Attributes(strPath);
    int nSlash = strPath.ReverseFind('\\');
    if (dwAttr != INVALID_FILE_ATTRIBUTES)
        return (dwAttr & FILE_ATTRIBUTE_DIRECTORY) ? strPath : strPath.Left(nSlash + 1);
    // a missing path names a file only when its last part has an extension
    if (strPath.Find('.', nSlash + 1) >= 0)
        return strPath.Left(nSlash + 1);
    return CString();
}

CString PathGetFileName(const char* lpszPath)
{
    CString strPath = SafeText(lpszPath);
    if (IsFolderAttr(Attributes(strPath)))
        return CString();
    return strPath.Mid(strPath.ReverseFind('\\') + 1);
}

CString PathGetExtension(const char* lpszPath)
{
    CString strPath = SafeText(lpszPath);
    if (IsFolderAttr(Attributes(strPath)))
        return CString();
    // only a "." in the name counts: one in a folder's name is not the file's extension
    CString strName = strPath.Mid(strPath.ReverseFind('\\') + 1);
    int nDot = strName.ReverseFind('.');
    if (nDot < 0)
        return CString();
    CString strExt = strName.Mid(nDot + 1);
    strExt.MakeLower();
    return strExt;
}

int IsFileExist(const char* lpszPath)
{
    DWORD dwAttr = Attributes(SafeText(lpszPath));
    return dwAttr != INVALID_FILE_ATTRIBUTES && !(dwAttr & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

/////////////////////////////////////////////////////////////////////////////
// Validating and creating folders

int IsPathValid(const char* lpszPath, int bMessages, int bCreate)
{
    CCurrentDirScope dirScope;

    CString strFolder = PathGetFolder(lpszPath);
    CheckTailSlash(&strFolder);
    if (!strFolder.IsEmpty() && ::SetCurrentDirectoryA(strFolder))
        return 1;

    BOOL bMalformed = strFolder.GetLength() < 3 || strFolder[1] != ':';
    BOOL bDoCreate = FALSE;
    if (bMessages)
    {
        if (bMalformed)
            AskLibrary(IDS_FILES_INVALIDPATH, strFolder, IDS_FILES_INVALIDPATH_CAPTION, MB_OK | MB_ICONEXCLAMATION);
        else if (bCreate)
            bDoCreate = AskLibrary(IDS_FILES_ASKCREATE, strFolder, IDS_FILES_ASKCREATE_CAPTION,
                MB_YESNO | MB_ICONQUESTION) == IDYES;
        else
            AskLibrary(IDS_FILES_NOFOLDER, strFolder, IDS_FILES_NOFOLDER_CAPTION, MB_OK | MB_ICONEXCLAMATION);
    }
    else
        bDoCreate = bCreate != 0;       // even a malformed folder is tried
    if (!bDoCreate)
        return 0;

    // the chain part by part; the first part (the drive) is never created
    CString strPartial;
    int nStart = 0, nPart = 0;
    while (nStart < strFolder.GetLength())
    {
        int nEnd = strFolder.Find('\\', nStart);
        if (nEnd < 0)
            nEnd = strFolder.GetLength();
        strPartial += strFolder.Mid(nStart, nEnd - nStart) + "\\";
        if (nPart++ > 0 && nEnd > nStart && !::CreateDirectoryA(strPartial, NULL))
        {
            DWORD dwError = ::GetLastError();
            if (dwError != ERROR_ALREADY_EXISTS)
            {
                if (bMessages)
                    AskLibrary(IDS_FILES_CANTCREATE, strPartial, IDS_FILES_CANTCREATE_CAPTION,
                        MB_OK | MB_ICONEXCLAMATION);
                return 0;
            }
        }
        nStart = nEnd + 1;
    }
    // A text that makes no folder at all (empty, or a bare name) created nothing: it is still
    // not a folder, whatever the steps above reported.
    return IsFolderAttr(Attributes(strFolder)) ? 1 : 0;
}

/////////////////////////////////////////////////////////////////////////////
// Deleting folders

int DeleteFolder(const char* lpszFolder, int bAsk)
{
    CString strFolder = SafeText(lpszFolder);
    if (strFolder.IsEmpty() || !IsPathValid(strFolder, 0, 0))
        return 0;
    strFolder = WithoutTailSlash(strFolder);
    if (bAsk && AskLibrary(IDS_FILES_ASKDELFOLDER, strFolder, IDS_FILES_ASKDELFOLDER_CAPTION,
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;

    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(strFolder + "\\*.*", &fd);
    int bFound = hFind != INVALID_HANDLE_VALUE;
    if (bFound)
    {
        do
        {
            if (IsDotEntry(fd.cFileName))
                continue;
            CString strPath = strFolder + "\\" + fd.cFileName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            {
                DeleteFolder(strPath, bAsk);
                ::RemoveDirectoryA(strPath);
            }
            else if (!bAsk || AskLibrary(IDS_FILES_ASKDELFILE, strPath, IDS_FILES_ASKDELFILE_CAPTION,
                                  MB_YESNO | MB_ICONQUESTION) == IDYES)
                ::DeleteFileA(strPath);
        } while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(strFolder);
    return bFound;
}

int DeleteFoldersTree(const char* lpszRoot, const char* lpszName, int bAsk, int bKeep)
{
    CString strRoot = WithoutTailSlash(SafeText(lpszRoot));
    CString strName = SafeText(lpszName);
    if (strRoot.IsEmpty())
        return 0;
    if (bAsk && AskLibrary(IDS_FILES_ASKDELTREE, strRoot, IDS_FILES_ASKDELTREE_CAPTION,
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;

    int bResult = 1;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(strRoot + "\\*.*", &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do
    {
        if (IsDotEntry(fd.cFileName))
            continue;
        CString strPath = strRoot + "\\" + fd.cFileName;
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        {
            bResult = 0;
            continue;
        }
        int bDeleted = strName == fd.cFileName ? DeleteFolder(strPath, bAsk)
                                               : DeleteFoldersTree(strPath, strName, bAsk, bKeep);
        if (!bDeleted)
            bResult = 0;
        if (!(bKeep && !bDeleted))
            ::RemoveDirectoryA(strPath);
    } while (::FindNextFileA(hFind, &fd));
    ::FindClose(hFind);
    return bResult;
}

/////////////////////////////////////////////////////////////////////////////
// Special folders

int GetSystemFolder(int nCSIDL, CString* pOut, int bCreate)
{
    if (pOut == NULL)
        return 0;
    CWnd* pMainWnd = AfxGetMainWnd();
    char szPath[MAX_PATH + 1] = "";
    if (!::SHGetSpecialFolderPathA(pMainWnd != NULL ? pMainWnd->m_hWnd : NULL, szPath, nCSIDL, FALSE)
        || szPath[0] == '\0')
        strcpy(szPath, "C:");
    *pOut = WithoutTailSlash(szPath) + "\\";
    return IsPathValid(*pOut, 0, bCreate);
}

int GetUserFolder(const char* lpszName, CString* pOut, int bCreate)
{
    if (pOut == NULL)
        return 0;
    CString strDocuments;
    GetSystemFolder(CSIDL_PERSONAL, &strDocuments, 0);
    pOut->Format("%s\\%s\\", (LPCSTR)WithoutTailSlash(strDocuments), (LPCSTR)SafeText(lpszName));
    return IsPathValid(*pOut, 0, bCreate);
}

/////////////////////////////////////////////////////////////////////////////
// Type masks

int IsType(const char* lpszPath, const char* lpszMasks)
{
    CString strMasks = SafeText(lpszMasks);
    if (strMasks.IsEmpty())
        return 1;
    CString strPath = SafeText(lpszPath);
    strPath.MakeLower();
    int nPos = 0;
    for (;;)
    {
        CString strMask = strMasks.Tokenize(" \t,;|", nPos);
        if (nPos < 0)
            break;
        if (!strMask.IsEmpty() && ::PathMatchSpecA(strPath, strMask))
            return 1;
    }
    return 0;
}

int AddFilesToArray(const char* lpszFolder, CStringArray* pList, const char* lpszMasks, DWORD /*dwReserved*/)
{
    if (pList == NULL)
        return 0;
    CCurrentDirScope dirScope;
    CString strFolder = SafeText(lpszFolder);
    CheckTailSlash(&strFolder);
    if (strFolder.IsEmpty() || !::SetCurrentDirectoryA(strFolder))
        return 0;

    int bAdded = 0;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(strFolder + "*", &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do
    {
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsType(fd.cFileName, lpszMasks))
            continue;
        CString strPath = strFolder + fd.cFileName;
        INT_PTR nIndex = 0, nSize = pList->GetSize();
        while (nIndex < nSize && strcmp(pList->GetAt(nIndex), strPath) <= 0)
            ++nIndex;
        pList->InsertAt(nIndex, strPath);
        bAdded = 1;
    } while (::FindNextFileA(hFind, &fd));
    ::FindClose(hFind);
    return bAdded;
}

/////////////////////////////////////////////////////////////////////////////
// Folder browser

namespace
{
// the folder BrowseFolder selects when the browser starts, kept from the call to the callback
CString g_strBrowseInitial;

int CALLBACK BrowseCallback(HWND hWnd, UINT uMsg, LPARAM /*lParam*/, LPARAM /*lpData*/)
{
    if (uMsg == BFFM_INITIALIZED && !g_strBrowseInitial.IsEmpty())
        ::SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, (LPARAM)(LPCSTR)g_strBrowseInitial);
    return 0;
}

LPITEMIDLIST ParseShellPath(const char* lpszPath)
{
    IShellFolder* pDesktop = NULL;
    if (FAILED(::SHGetDesktopFolder(&pDesktop)) || pDesktop == NULL)
        return NULL;
    int nLen = ::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, NULL, 0);
    std::vector<WCHAR> wide(nLen > 0 ? nLen : 1);
    ::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, wide.data(), (int)wide.size());
    LPITEMIDLIST pidl = NULL;
    ULONG nEaten = 0;
    if (FAILED(pDesktop->ParseDisplayName(NULL, NULL, wide.data(), &nEaten, &pidl, NULL)))
        pidl = NULL;
    pDesktop->Release();
    return pidl;
}
} // namespace

int BrowseFolder(CString* pOut, const char* lpszTitle, HWND hOwner, const char* lpszRoot, const char* lpszInitial)
{
    if (pOut == NULL)
        return 0;
    g_strBrowseInitial = SafeText(lpszInitial);

    char szDisplay[MAX_PATH + 1] = "";
    BROWSEINFOA bi;
    memset(&bi, 0, sizeof(bi));
    bi.hwndOwner = hOwner;
    bi.pszDisplayName = szDisplay;
    bi.lpszTitle = lpszTitle;
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    bi.lpfn = BrowseCallback;
    LPITEMIDLIST pidlRoot = (lpszRoot != NULL && *lpszRoot != '\0') ? ParseShellPath(lpszRoot) : NULL;
    bi.pidlRoot = pidlRoot;

    LPITEMIDLIST pidl = ::SHBrowseForFolderA(&bi);
    int nResult = 0;
    pOut->Empty();
    if (pidl != NULL)
    {
        char szPath[MAX_PATH + 1] = "";
        if (::SHGetPathFromIDListA(pidl, szPath))
        {
            *pOut = szPath;
            nResult = 1;
        }
        ::CoTaskMemFree(pidl);
    }
    if (pidlRoot != NULL)
        ::CoTaskMemFree(pidlRoot);
    return nResult;
}
