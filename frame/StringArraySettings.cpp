// StringArraySettings.cpp - the four-way settings store, string arrays as INI text, the list
// format and the stream form.
//
// Every comparison and every search for a marker ("[", "]", "=", blanks, "<RET>", the space
// stand-in) works on bytes, not on characters of the current code page: the text a host saved
// under one locale reads back the same under any other, and no lookup depends on LC_ALL.
#include "StringArraySettings.h"
#include "UILMessages.h"

/////////////////////////////////////////////////////////////////////////////
// The section-index caches

CMapStrArrayToSectionIndexes g_mapStrArraySectionIndexes;

namespace
{

// The last start-of-section lookup.  It also remembers the array it was made on: an index is
// a line number in one particular array, and another array with a section of the same name
// has its header somewhere else.
CString s_strLastSection;
int s_nLastSectionIndex = -1;
const CStringArray* s_pLastSectionArray = NULL;

// The per-array maps belong to g_mapStrArraySectionIndexes' entries.  This object is made after
// the map and the cache above, so it is destroyed before them and frees the maps at unload.
struct CSectionMapsOwner
{
    ~CSectionMapsOwner() { StringArrayClearSectionCaches(NULL); }
} s_sectionMapsOwner;

inline bool IsHexDigit(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

inline bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

// The part of lpsz[0..nLength) left after trimming blanks at both ends, as [nFirst, nEnd).
inline void TrimBounds(LPCSTR lpsz, int nLength, int& nFirst, int& nEnd)
{
    nFirst = 0;
    nEnd = nLength;
    while (nFirst < nEnd && IsBlank(lpsz[nFirst]))
        nFirst++;
    while (nEnd > nFirst && IsBlank(lpsz[nEnd - 1]))
        nEnd--;
}

// The line, trimmed, is "[" + section + "]".
bool IsHeaderLineOf(const CString& strLine, LPCSTR lpszSection, int nSectionLength)
{
    int nFirst, nEnd;
    TrimBounds(strLine, strLine.GetLength(), nFirst, nEnd);
    LPCSTR lpsz = strLine;
    return nEnd - nFirst == nSectionLength + 2 && lpsz[nFirst] == '[' && lpsz[nEnd - 1] == ']' &&
        memcmp(lpsz + nFirst + 1, lpszSection, nSectionLength) == 0;
}

// The line, trimmed, starts with "[" and ends with "]".
bool IsHeaderLine(const CString& strLine)
{
    int nFirst, nEnd;
    TrimBounds(strLine, strLine.GetLength(), nFirst, nEnd);
    LPCSTR lpsz = strLine;
    return nEnd - nFirst >= 2 && lpsz[nFirst] == '[' && lpsz[nEnd - 1] == ']';
}

// The section name a stream read maps a line to: lines that begin with "[", trimmed of blanks,
// then of all leading "[" and all trailing "]".
bool GetStreamHeaderName(const CString& strLine, CString& strName)
{
    LPCSTR lpsz = strLine;
    if (lpsz[0] != '[')
        return false;
    int nFirst, nEnd;
    TrimBounds(lpsz, strLine.GetLength(), nFirst, nEnd);
    while (nFirst < nEnd && lpsz[nFirst] == '[')
        nFirst++;
    while (nEnd > nFirst && lpsz[nEnd - 1] == ']')
        nEnd--;
    strName = CString(lpsz + nFirst, nEnd - nFirst);
    return true;
}

// Whether a cached index may be used for the section in this array: the line there must be the
// section's header by the rule of the scan, "[" + section + "]" once trimmed, and nothing looser.
// A stream read maps "[[S]]" or "[S" to S as well, and inserted lines, direct edits, or another
// array made at the same address leave indices behind; all of these are turned away here, and
// the scan decides.
bool IsCachedHeaderOf(const CStringArray* pArray, int nIndex, LPCSTR lpszSection)
{
    return nIndex >= 0 && nIndex < (int)pArray->GetSize() &&
        IsHeaderLineOf(pArray->GetAt(nIndex), lpszSection, (int)strlen(lpszSection));
}

CMapSectionToIndex* GetSectionMap(const CStringArray* pArray)
{
    CMapSectionToIndex* pMap = NULL;
    if (!g_mapStrArraySectionIndexes.Lookup((ULONG_PTR)pArray, pMap))
        return NULL;
    return pMap;
}

// Keeps the stream map of pArray pointing at the same lines after the library itself inserted
// (nDelta 1) or removed (nDelta -1) the line at nIndex, so that writing many keys does not fall
// back to scans.  The last-section cache needs no such care: the line changed always belongs to
// the section of the last lookup, behind its header.
void ShiftMappedIndexes(const CStringArray* pArray, int nIndex, int nDelta)
{
    CMapSectionToIndex* pMap = GetSectionMap(pArray);
    if (pMap == NULL)
        return;
    for (CMapSectionToIndex::CPair* pPair = pMap->PGetFirstAssoc(); pPair != NULL;
         pPair = pMap->PGetNextAssoc(pPair))
    {
        if (pPair->value < nIndex)
            continue;
        if (nDelta < 0 && pPair->value == nIndex)
            pPair->value = -1;
        else
            pPair->value += nDelta;
    }
}

// The key line test: the line, trimmed, begins with key + "=".  nValue receives the offset of
// the value in the untrimmed line.
bool IsKeyLineOf(const CString& strLine, LPCSTR lpszKey, int nKeyLength, int& nValue)
{
    LPCSTR lpsz = strLine;
    int nFirst = 0;
    while (IsBlank(lpsz[nFirst]))
        nFirst++;
    if (strncmp(lpsz + nFirst, lpszKey, nKeyLength) != 0 || lpsz[nFirst + nKeyLength] != '=')
        return false;
    nValue = nFirst + nKeyLength + 1;
    return true;
}

// The key's line index in pArray (or -1); nValue = offset of the value in that line.
int FindKeyLine(LPCSTR lpszSection, LPCSTR lpszKey, CStringArray* pArray, int bCreate, int& nValue)
{
    if (lpszSection == NULL || lpszKey == NULL || pArray == NULL)
        return -1;
    int nStart = StringArrayGetStartSectionIndex(lpszSection, pArray, bCreate);
    if (nStart < 0)
        return -1;
    int nSize = (int)pArray->GetSize();
    int nEnd = nSize;

    // one pass over the section, which ends at the key or at the next header
    int nKeyLength = (int)strlen(lpszKey);
    for (int i = nStart; i < nSize; i++)
    {
        const CString& strLine = pArray->GetAt(i);
        if (i > nStart && IsHeaderLine(strLine))
        {
            nEnd = i;
            break;
        }
        if (IsKeyLineOf(strLine, lpszKey, nKeyLength, nValue))
            return i;
    }
    if (!bCreate)
        return -1;

    CString strLine;
    strLine.Format("%s=", lpszKey);
    nValue = nKeyLength + 1;
    if (nEnd != nSize)
    {
        pArray->InsertAt(nEnd, strLine);
        ShiftMappedIndexes(pArray, nEnd, 1);
        return nEnd;
    }
    return (int)pArray->Add(strLine);
}

// Copies strValue into the caller's buffer, cut to fit and terminated; the length copied.
int CopyToBuffer(const CString& strValue, LPSTR lpszBuffer, int nBufferSize)
{
    int nLength = strValue.GetLength();
    if (nLength > nBufferSize - 1)
        nLength = nBufferSize - 1;
    memcpy(lpszBuffer, (LPCSTR)strValue, nLength);
    lpszBuffer[nLength] = '\0';
    return nLength;
}

// "%d" of the C library: leading white space, an optional sign, digits.  False (n unchanged)
// when there is no number.
bool ParseInt(LPCSTR lpsz, int& n)
{
    int nValue = 0;
    if (lpsz == NULL || sscanf(lpsz, "%d", &nValue) != 1)
        return false;
    n = nValue;
    return true;
}

CString FormatInt(int n)
{
    CString str;
    str.Format("%d", n);
    return str;
}

// Every occurrence of lpszOld in strText replaced by lpszNew, byte by byte.
CString ReplaceBytes(const CString& strText, LPCSTR lpszOld, LPCSTR lpszNew)
{
    int nOld = (int)strlen(lpszOld);
    CString strResult;
    LPCSTR lpsz = strText;
    for (LPCSTR lpszHit; (lpszHit = strstr(lpsz, lpszOld)) != NULL; lpsz = lpszHit + nOld)
    {
        strResult.Append(lpsz, (int)(lpszHit - lpsz));
        strResult.Append(lpszNew);
    }
    strResult.Append(lpsz);
    return strResult;
}

// The host's profile manager, if its main window hands one out.
CHostProfileManager* GetHostProfileManager()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWnd = pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL || !::IsWindow(hWnd) || WM_GET_PPM == 0)
        return NULL;
    CHostProfileManager* pManager = NULL;
    ::SendMessageA(hWnd, WM_GET_PPM, (WPARAM)&pManager, 0);
    return pManager;
}

// A file argument that is neither NULL nor a usable file name.  The INI functions would take ""
// for the Windows folder's WIN.INI; nobody means that.
inline bool IsBadFileName(LPCSTR lpszFile)
{
    return lpszFile != NULL && *lpszFile == '\0';
}

// The value of a key from whichever store lpszFile chooses, whole.  FALSE when it is absent or
// empty: an empty value and a missing key are the same to every caller.
BOOL LoadSettingText(LPCSTR lpszSection, LPCSTR lpszKey, CString& strValue, LPCSTR lpszFile)
{
    strValue.Empty();
    if (lpszSection == NULL || lpszKey == NULL || IsBadFileName(lpszFile))
        return FALSE;

    if (lpszFile != NULL)
    {
        if (CStringArray* pArray = IsStringArray(lpszFile))
        {
            int nValue = 0;
            int nIndex = FindKeyLine(lpszSection, lpszKey, pArray, FALSE, nValue);
            if (nIndex >= 0)
                strValue = (LPCSTR)pArray->GetAt(nIndex) + nValue;
        }
        else
        {
            // The INI functions cut silently: read again with more room until the value fits.
            for (DWORD nSize = 1024;; nSize *= 2)
            {
                LPSTR lpsz = strValue.GetBuffer((int)nSize);
                DWORD nRead = ::GetPrivateProfileStringA(lpszSection, lpszKey, "", lpsz, nSize, lpszFile);
                strValue.ReleaseBuffer((int)nRead);
                if (nRead < nSize - 1 || nSize >= 0x1000000)
                    break;
            }
        }
    }
    else if (CHostProfileManager* pManager = GetHostProfileManager())
    {
        LPCSTR lpszValue = pManager->GetProfileString(lpszSection, lpszKey, "");
        if (lpszValue != NULL)
            strValue = lpszValue;
    }
    else if (CWinApp* pApp = AfxGetApp())
    {
        strValue = pApp->GetProfileString(lpszSection, lpszKey, "");
    }
    return !strValue.IsEmpty();
}

} // namespace

CHostProfileManager::~CHostProfileManager()
{
}

/////////////////////////////////////////////////////////////////////////////
// Dispatch

int SaveIniString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszValue, LPCSTR lpszFile)
{
    // A NULL key is only a request to remove a section; with a value, the INI functions would
    // take it as that request too and wipe the section instead of writing.
    if (lpszSection == NULL || (lpszKey == NULL && lpszValue != NULL) || IsBadFileName(lpszFile))
        return 0;

    if (lpszFile != NULL)
    {
        if (CStringArray* pArray = IsStringArray(lpszFile))
            return SaveStringToStringArray(lpszSection, lpszKey, lpszValue, pArray);
        return ::WritePrivateProfileStringA(lpszSection, lpszKey, lpszValue, lpszFile) ? 1 : 0;
    }
    if (CHostProfileManager* pManager = GetHostProfileManager())
        return pManager->WriteProfileString(lpszSection, lpszKey, lpszValue);
    if (CWinApp* pApp = AfxGetApp())
        return pApp->WriteProfileString(lpszSection, lpszKey, lpszValue) ? 1 : 0;
    return 0;
}

int LoadIniString(LPCSTR lpszSection, LPCSTR lpszKey, LPSTR lpszBuffer, int nBufferSize, LPCSTR lpszFile)
{
    if (lpszBuffer == NULL || nBufferSize <= 0)
        return 0;
    CString strValue;
    LoadSettingText(lpszSection, lpszKey, strValue, lpszFile);
    return CopyToBuffer(strValue, lpszBuffer, nBufferSize) > 0 ? 1 : 0;
}

int SaveIniInt(LPCSTR lpszSection, LPCSTR lpszKey, int nValue, LPCSTR lpszFile)
{
    if (lpszSection == NULL || lpszKey == NULL || IsBadFileName(lpszFile))
        return 0;
    if (lpszFile != NULL)
        return ::WritePrivateProfileStringA(lpszSection, lpszKey, FormatInt(nValue), lpszFile) ? 1 : 0;
    if (CHostProfileManager* pManager = GetHostProfileManager())
        return pManager->WriteProfileInt(lpszSection, lpszKey, nValue);
    if (CWinApp* pApp = AfxGetApp())
        return pApp->WriteProfileInt(lpszSection, lpszKey, nValue) ? 1 : 0;
    return 0;
}

int LoadIniInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault, LPCSTR lpszFile)
{
    if (lpszSection == NULL || lpszKey == NULL || IsBadFileName(lpszFile))
        return nDefault;
    if (lpszFile != NULL)
    {
        char szValue[MAX_PATH + 1];
        int nResult = nDefault;
        if (::GetPrivateProfileStringA(lpszSection, lpszKey, "", szValue, sizeof(szValue), lpszFile) > 0)
            ParseInt(szValue, nResult);
        return nResult;
    }
    if (CHostProfileManager* pManager = GetHostProfileManager())
        return pManager->GetProfileInt(lpszSection, lpszKey, nDefault);
    if (CWinApp* pApp = AfxGetApp())
        return (int)pApp->GetProfileInt(lpszSection, lpszKey, nDefault);
    return nDefault;
}

/////////////////////////////////////////////////////////////////////////////
// The list format

int SaveStringArray(LPCSTR lpszSection, LPCSTR lpszName, CStringArray* pArray, LPCSTR lpszFile)
{
    if (lpszSection == NULL || lpszName == NULL || pArray == NULL || IsBadFileName(lpszFile))
        return 0;

    // Escape everything first: an item that cannot be read back whole refuses the list before
    // the earlier save is touched, so a failed save never leaves half of a list behind.
    int nCount = (int)pArray->GetSize();
    CStringArray arrEscaped;
    arrEscaped.SetSize(nCount);
    for (int i = 0; i < nCount; i++)
    {
        arrEscaped[i] = ReplaceBytes(pArray->GetAt(i), "\r\n", "<RET>");
        if (arrEscaped[i].GetLength() > STRINGLIST_MAX_ITEM)
            return 0;
    }

    // A plain key named like the list goes, as it would from an INI file.
    SaveIniString(lpszSection, lpszName, NULL, lpszFile);

    CString strKey;
    strKey.Format("%s-Count", lpszName);
    BOOL bSaved = SaveIniString(lpszSection, strKey, FormatInt(nCount), lpszFile) != 0;
    for (int i = 0; i < nCount; i++)
    {
        strKey.Format("%s-%d", lpszName, i);
        if (!SaveIniString(lpszSection, strKey, arrEscaped[i], lpszFile))
            bSaved = FALSE;
    }
    return bSaved ? nCount : 0;
}

int LoadStringArray(LPCSTR lpszSection, LPCSTR lpszName, CStringArray* pArray, LPCSTR lpszFile)
{
    if (lpszSection == NULL || lpszName == NULL || pArray == NULL)
        return 0;

    CString strKey, strValue;
    strKey.Format("%s-Count", lpszName);
    if (!LoadSettingText(lpszSection, strKey, strValue, lpszFile))
        return 0;
    int nCount = 0;
    ParseInt(strValue, nCount);
    if (nCount < 0)
        nCount = 0;

    pArray->RemoveAll();
    pArray->SetSize(0, nCount > 0 ? nCount : -1);
    for (int i = 0; i < nCount; i++)
    {
        strKey.Format("%s-%d", lpszName, i);
        LoadSettingText(lpszSection, strKey, strValue, lpszFile);
        // Text saved by another writer may be longer than a list item can be; it is cut as the
        // item buffer of the format always cut it.
        if (strValue.GetLength() > STRINGLIST_MAX_ITEM)
            strValue.Truncate(STRINGLIST_MAX_ITEM);
        pArray->Add(ReplaceBytes(strValue, "<RET>", "\r\n"));
    }
    return nCount;
}

/////////////////////////////////////////////////////////////////////////////
// String arrays

CStringArray* IsStringArray(LPCSTR lpszName)
{
    static const char szPrefix[] = "pStringArray:";
    if (lpszName == NULL || strncmp(lpszName, szPrefix, sizeof(szPrefix) - 1) != 0)
        return NULL;
    // "%X" of the C library, but pointer-wide: optional blanks, an optional 0x, hex digits.
    LPCSTR lpszHex = lpszName + sizeof(szPrefix) - 1;
    while (IsBlank(*lpszHex))
        lpszHex++;
    if (lpszHex[0] == '0' && (lpszHex[1] == 'x' || lpszHex[1] == 'X') && IsHexDigit(lpszHex[2]))
        lpszHex += 2;
    while (lpszHex[0] == '0' && IsHexDigit(lpszHex[1]))
        lpszHex++;
    ULONG_PTR nAddress = 0;
    int nDigits = 0;
    for (; IsHexDigit(*lpszHex); lpszHex++, nDigits++)
    {
        char ch = *lpszHex;
        int nDigit = ch <= '9' ? ch - '0' : (ch | 0x20) - 'a' + 10;
        nAddress = (nAddress << 4) | (ULONG_PTR)nDigit;
    }
    if (nDigits == 0 || nDigits > (int)sizeof(ULONG_PTR) * 2)
        return NULL;
    return (CStringArray*)nAddress;
}

int StringArrayGetStartSectionIndex(LPCSTR lpszSection, CStringArray* pArray, int bCreate)
{
    if (lpszSection == NULL || pArray == NULL)
        return -1;

    int nIndex = -1;
    int nMapped = -1;
    CMapSectionToIndex* pMap = NULL;
    if (s_pLastSectionArray == pArray && strcmp(s_strLastSection, lpszSection) == 0 &&
        IsCachedHeaderOf(pArray, s_nLastSectionIndex, lpszSection))
    {
        nIndex = s_nLastSectionIndex;
    }
    else if ((pMap = GetSectionMap(pArray)) != NULL && pMap->Lookup(lpszSection, nMapped) &&
        IsCachedHeaderOf(pArray, nMapped, lpszSection))
    {
        nIndex = nMapped;
    }
    else
    {
        int nSectionLength = (int)strlen(lpszSection);
        int nSize = (int)pArray->GetSize();
        for (int i = 0; i < nSize; i++)
        {
            if (IsHeaderLineOf(pArray->GetAt(i), lpszSection, nSectionLength))
            {
                nIndex = i;
                break;
            }
        }
    }

    if (nIndex < 0 && bCreate)
    {
        CString strHeader;
        strHeader.Format("[%s]", lpszSection);
        nIndex = (int)pArray->Add(strHeader);
    }

    s_strLastSection = lpszSection;
    s_nLastSectionIndex = nIndex;
    s_pLastSectionArray = pArray;
    return nIndex;
}

int StringArrayGetNextSectionIndex(CStringArray* pArray, int nIndex)
{
    if (pArray == NULL)
        return -1;
    int nSize = (int)pArray->GetSize();
    for (int i = nIndex < 0 ? 0 : nIndex + 1; i < nSize; i++)
    {
        if (IsHeaderLine(pArray->GetAt(i)))
            return i;
    }
    return -1;
}

int StringArrayGetKeyIndex(LPCSTR lpszSection, LPCSTR lpszKey, CStringArray* pArray, int bCreate)
{
    int nValue;
    return FindKeyLine(lpszSection, lpszKey, pArray, bCreate, nValue);
}

int SaveStringToStringArray(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszValue, CStringArray* pArray)
{
    if (pArray == NULL || lpszSection == NULL || lpszKey == NULL)
        return 0;
    int nValue;
    if (lpszValue == NULL)
    {
        // What an INI file does with a NULL value: the key is gone afterwards, and nothing is
        // kept for it (not even "key=").
        int nIndex = FindKeyLine(lpszSection, lpszKey, pArray, FALSE, nValue);
        if (nIndex >= 0)
        {
            pArray->RemoveAt(nIndex);
            ShiftMappedIndexes(pArray, nIndex, -1);
        }
        return 1;
    }
    int nIndex = FindKeyLine(lpszSection, lpszKey, pArray, TRUE, nValue);
    if (nIndex < 0)
        return 0;
    CString strLine;
    strLine.Format("%s=%s", lpszKey, lpszValue);
    pArray->SetAt(nIndex, strLine);
    return 1;
}

int LoadStringFromStringArray(LPCSTR lpszSection, LPCSTR lpszKey, LPSTR lpszBuffer, int nBufferSize,
    CStringArray* pArray)
{
    if (lpszBuffer == NULL || nBufferSize <= 0)
        return 0;
    lpszBuffer[0] = '\0';
    int nValue;
    int nIndex = FindKeyLine(lpszSection, lpszKey, pArray, FALSE, nValue);
    if (nIndex < 0)
        return 0;
    // The value starts after the key as it was found: blanks in front of the key are not part
    // of it, blanks at the end of the line are.
    return CopyToBuffer((LPCSTR)pArray->GetAt(nIndex) + nValue, lpszBuffer, nBufferSize);
}

int SaveIntToStringArray(LPCSTR lpszSection, LPCSTR lpszKey, int nValue, CStringArray* pArray)
{
    char szValue[256];
    sprintf(szValue, "%d", nValue);
    return SaveStringToStringArray(lpszSection, lpszKey, szValue, pArray);
}

int LoadIntFromStringArray(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault, CStringArray* pArray)
{
    char szValue[256];
    int nResult = nDefault;
    if (LoadStringFromStringArray(lpszSection, lpszKey, szValue, sizeof(szValue), pArray) > 0)
        ParseInt(szValue, nResult);
    return nResult;
}

/////////////////////////////////////////////////////////////////////////////
// The stream form

int StringArrayReadFromStream(CStringArray* pArray, IStream* pStream)
{
    if (pArray == NULL || pStream == NULL)
        return 0;
    pArray->RemoveAll();

    CMapSectionToIndex* pMap = new CMapSectionToIndex(10);
    pMap->InitHashTable(17);
    CMapSectionToIndex* pOldMap = GetSectionMap(pArray);
    g_mapStrArraySectionIndexes.SetAt((ULONG_PTR)pArray, pMap);
    delete pOldMap;
    // The last lookup may have been made on the old content of this array.
    if (s_pLastSectionArray == pArray)
        s_nLastSectionIndex = -1;

    CString strLine, strName;
    for (;;)
    {
        char ch;
        ULONG nRead = 0;
        if (FAILED(pStream->Read(&ch, 1, &nRead)) || nRead != 1)
            break;
        if (ch != '\n')
        {
            strLine.AppendChar(ch);
            continue;
        }
        int nIndex = (int)pArray->Add(strLine);
        if (GetStreamHeaderName(strLine, strName))
            pMap->SetAt(strName, nIndex);
        strLine.Empty();
    }
    return (int)pArray->GetSize();
}

int StringArrayWriteToStream(CStringArray* pArray, IStream* pStream)
{
    if (pArray == NULL || pStream == NULL)
        return 0;
    int nSize = (int)pArray->GetSize();
    CString strLine;
    for (int i = 0; i < nSize; i++)
    {
        strLine = pArray->GetAt(i);
        strLine.AppendChar('\n');
        ULONG nWritten = 0;
        HRESULT hr = pStream->Write((LPCSTR)strLine, (ULONG)strLine.GetLength(), &nWritten);
        if (FAILED(hr) || nWritten != (ULONG)strLine.GetLength())
            return i;
    }
    return nSize;
}

void StringArrayClearSectionCaches(CStringArray* pArray)
{
    if (pArray == NULL || s_pLastSectionArray == pArray)
    {
        s_strLastSection.Empty();
        s_nLastSectionIndex = -1;
        s_pLastSectionArray = NULL;
    }
    if (pArray != NULL)
    {
        CMapSectionToIndex* pMap = GetSectionMap(pArray);
        g_mapStrArraySectionIndexes.RemoveKey((ULONG_PTR)pArray);
        delete pMap;
        return;
    }
    for (CMapStrArrayToSectionIndexes::CPair* pPair = g_mapStrArraySectionIndexes.PGetFirstAssoc();
         pPair != NULL; pPair = g_mapStrArraySectionIndexes.PGetNextAssoc(pPair))
    {
        delete pPair->value;
    }
    g_mapStrArraySectionIndexes.RemoveAll();
}

/////////////////////////////////////////////////////////////////////////////
// Text helpers

void ReplaceSpace(LPSTR lpszText, char ch)
{
    for (; lpszText != NULL && *lpszText != '\0'; lpszText++)
    {
        if (*lpszText == ' ')
            *lpszText = ch;
    }
}

void ReplaceSpace(CString& strText, char ch)
{
    ReplaceSpace(strText.GetBuffer(), ch);
    strText.ReleaseBuffer();
}

void RestoreSpace(LPSTR lpszText, char ch)
{
    for (; lpszText != NULL && *lpszText != '\0'; lpszText++)
    {
        if (*lpszText == ch)
            *lpszText = ' ';
    }
}

void RestoreSpace(CString& strText, char ch)
{
    RestoreSpace(strText.GetBuffer(), ch);
    strText.ReleaseBuffer();
}

int FillTokenArray(LPCSTR lpszText, CStringArray* pArray, LPCSTR lpszDelimiters)
{
    // nothing to split by is a failure like the rest: the caller's array stays as it was
    if (pArray == NULL || lpszText == NULL || lpszDelimiters == NULL)
        return 0;
    pArray->RemoveAll();
    // strtok would do, but keeps its place in module-wide state; spans need none.
    for (LPCSTR lpsz = lpszText;;)
    {
        lpsz += strspn(lpsz, lpszDelimiters);
        if (*lpsz == '\0')
            break;
        size_t nLength = strcspn(lpsz, lpszDelimiters);
        pArray->Add(CString(lpsz, (int)nLength));
        lpsz += nLength;
    }
    return (int)pArray->GetSize();
}
