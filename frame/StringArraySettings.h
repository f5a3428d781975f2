// StringArraySettings.h - the settings store every part of the library writes through.
//
// Each function takes a "file" argument that chooses where the settings go:
//   - a name "pStringArray:<hex address>" names a CStringArray kept by the host as in-memory INI
//     text ("[section]" header lines and "key=value" lines);
//   - any other text names an INI file (the Windows private-profile functions);
//   - NULL asks the host's main window for its profile manager (WM_GET_PPM) and, when it has
//     none, uses the application profile (CWinApp::WriteProfileString and friends).
// The integer functions SaveIniInt and LoadIniInt know only the last three: with any non-NULL file
// name they use the INI file of that name.
//
// Nothing here is locked: all callers run on the user-interface thread.
#pragma once

#include <afxwin.h>
#include <afxcoll.h>
#include <objidl.h>

/////////////////////////////////////////////////////////////////////////////
// The host's profile manager
//
// The host's main window hands out its profile manager when it receives WM_GET_PPM with
// wParam = the address of a CHostProfileManager* (set to NULL by the library) and lParam = 0.
// The library calls only these four operations, in this order of the table.  The text that
// GetProfileString returns must stay valid until the host's next call on the manager; NULL
// counts as an empty value.  A NULL value in WriteProfileString asks to remove the key, and a
// NULL key with a NULL value to remove the whole section.
class AFX_EXT_CLASS CHostProfileManager
{
public:
    virtual ~CHostProfileManager();

    virtual int WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) = 0;
    virtual int WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) = 0;
    virtual LPCSTR GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) = 0;
    virtual int GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) = 0;
};

/////////////////////////////////////////////////////////////////////////////
// Dispatching functions

// Non-zero on success.  A NULL value removes the key (INI file, application profile; passed on
// as NULL to the host's manager; removed from a string array as well); a NULL key with a NULL
// value removes the whole section there.  A string array has no section removal: 0.
AFX_EXT_API int SaveIniString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszValue, LPCSTR lpszFile);
// Copies the value into lpszBuffer (cut to fit, always terminated); 1 only for a non-empty value.
AFX_EXT_API int LoadIniString(LPCSTR lpszSection, LPCSTR lpszKey, LPSTR lpszBuffer, int nBufferSize,
    LPCSTR lpszFile);
AFX_EXT_API int SaveIniInt(LPCSTR lpszSection, LPCSTR lpszKey, int nValue, LPCSTR lpszFile);
AFX_EXT_API int LoadIniInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault, LPCSTR lpszFile);

// The list format: key "<name>-Count" with the number of items, then "<name>-0", "<name>-1", ...
// with each item's carriage-return-line-feed pairs written as "<RET>".  An escaped item holds at
// most STRINGLIST_MAX_ITEM characters.
#define STRINGLIST_MAX_ITEM 1023
// The number of items saved.  A list with an item that would exceed STRINGLIST_MAX_ITEM is
// refused as a whole before anything is written (result 0, the earlier save stays as it was).
AFX_EXT_API int SaveStringArray(LPCSTR lpszSection, LPCSTR lpszName, CStringArray* pArray,
    LPCSTR lpszFile);
// The number of items loaded; 0 when "<name>-Count" is absent or empty (the array is then left
// untouched).  A missing item loads as an empty string.
AFX_EXT_API int LoadStringArray(LPCSTR lpszSection, LPCSTR lpszName, CStringArray* pArray,
    LPCSTR lpszFile);

/////////////////////////////////////////////////////////////////////////////
// String arrays

// The array that a "pStringArray:%X" name stands for; NULL for any other text.
AFX_EXT_API CStringArray* IsStringArray(LPCSTR lpszName);

// Index of the section's header line, or -1.  With bCreate, a missing section is appended.
AFX_EXT_API int StringArrayGetStartSectionIndex(LPCSTR lpszSection, CStringArray* pArray, int bCreate);
// Index of the first header line after nIndex, or -1.
AFX_EXT_API int StringArrayGetNextSectionIndex(CStringArray* pArray, int nIndex);
// Index of the key's line in the section, or -1.  With bCreate, a missing key line ("key=") is
// added at the end of its section (and the section too when it is missing).
AFX_EXT_API int StringArrayGetKeyIndex(LPCSTR lpszSection, LPCSTR lpszKey, CStringArray* pArray,
    int bCreate);
// 1 when written, else 0.  A NULL value removes the key's line, as in an INI file.
AFX_EXT_API int SaveStringToStringArray(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszValue,
    CStringArray* pArray);
// The length of the value copied into lpszBuffer (cut to fit, always terminated); 0 when the key
// is absent or its value empty.
AFX_EXT_API int LoadStringFromStringArray(LPCSTR lpszSection, LPCSTR lpszKey, LPSTR lpszBuffer,
    int nBufferSize, CStringArray* pArray);
AFX_EXT_API int SaveIntToStringArray(LPCSTR lpszSection, LPCSTR lpszKey, int nValue, CStringArray* pArray);
AFX_EXT_API int LoadIntFromStringArray(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault,
    CStringArray* pArray);

// Lines are separated by line feeds; text after the last line feed is not a line.  Reading
// empties the array first and returns the number of lines read.
AFX_EXT_API int StringArrayReadFromStream(CStringArray* pArray, IStream* pStream);
// Each line followed by a line feed; the number of lines written (it stops at a failed write).
AFX_EXT_API int StringArrayWriteToStream(CStringArray* pArray, IStream* pStream);

// The section-index caches.  A stream read enters a map of section name -> header index for the
// array, keyed by the array's address; lookups keep using it for that array.
typedef CMap<CString, LPCSTR, int, int> CMapSectionToIndex;
typedef CMap<ULONG_PTR, ULONG_PTR, CMapSectionToIndex*, CMapSectionToIndex*> CMapStrArrayToSectionIndexes;
extern AFX_EXT_DATA CMapStrArrayToSectionIndexes g_mapStrArraySectionIndexes;

// Forgets what the caches know about pArray (all arrays when NULL).  A host that destroys an
// array it read from a stream may call it, so that a later array at the same address starts clean.
AFX_EXT_API void StringArrayClearSectionCaches(CStringArray* pArray = NULL);

/////////////////////////////////////////////////////////////////////////////
// Text helpers

// Every blank (32) becomes ch, in place.
AFX_EXT_API void ReplaceSpace(LPSTR lpszText, char ch);
AFX_EXT_API void ReplaceSpace(CString& strText, char ch);
// Every ch becomes a blank, in place.
AFX_EXT_API void RestoreSpace(LPSTR lpszText, char ch);
AFX_EXT_API void RestoreSpace(CString& strText, char ch);
// Empties pArray and adds the tokens of lpszText split at any of lpszDelimiters (runs of
// delimiters count as one; empty tokens are never added).  The number of tokens; 0, with pArray
// left as it was, if any argument is NULL.
AFX_EXT_API int FillTokenArray(LPCSTR lpszText, CStringArray* pArray, LPCSTR lpszDelimiters);
