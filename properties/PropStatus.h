// PropStatus.h - named arrays, and properties and collections as settings text.
//
// A named array is a [n][2] SAFEARRAY of BSTR (lower bounds 0): row i holds a name in column 0
// and a value text in column 1.  Callers' row buffers hold NARRAY_TEXT_SIZE characters; longer
// texts are cut to fit.
//
// A property's status line is "id type value state" (PROPSTATUSFORMAT) with every blank of the
// value written as '^'; a named array value (types 14-16) is written as its row count, and row i
// follows under the key "<key>_<i>" as "name value" (blanks as '^' again).  A collection writes its
// count under its key and item i's status under "I-<i>" of the same section.  Everything goes
// through SaveIniString / LoadIniString, so the file argument chooses the store.
//
//   CreateNArray, NArrayPutElement, NArrayGetElement, NArrayGetValue, NRadioArrayGet/SetSelection
//   SavePropStatus, LoadPropStatus, LoadPropStatusString
//   SaveCollection, LoadCollection, SavePropCollection, LoadPropCollection
#pragma once

#include "PropInterfaces.h"

#define NARRAY_TEXT_SIZE 256

extern AFX_EXT_DATA const char COLLECTIONFORMAT[];       // "%d"
extern AFX_EXT_DATA const char ITEMKEYFORMAT[];          // "I-%d"
extern AFX_EXT_DATA const char PROPSTATUSFORMAT[];       // "%d %d %s %d"
extern AFX_EXT_DATA const char NARRAYITEMFORMAT[];       // "%s %s"
extern AFX_EXT_DATA const char NARRAYITEMKEYFORMAT[];    // "%s_%d"

// A new [n][2] array of empty texts; NULL for a negative n or when it cannot be made.
AFX_EXT_API SAFEARRAY* CreateNArray(int n);
// Stores the non-NULL texts of row i; 1, or 0 for a NULL array or a row it has not.
AFX_EXT_API int NArrayPutElement(SAFEARRAY* pArray, long i, const char* lpszName, const char* lpszValue);
// Copies row i into the non-NULL buffers (NARRAY_TEXT_SIZE characters each); 1 / 0 as above.
AFX_EXT_API int NArrayGetElement(SAFEARRAY* pArray, long i, char* lpszName, char* lpszValue);
// The value text of the first row named lpszName (case-sensitive); 1 when found.
AFX_EXT_API int NArrayGetValue(SAFEARRAY* pArray, const char* lpszName, char* lpszValue);
// The first row whose value text reads as the integer 1; -1.
AFX_EXT_API int NRadioArrayGetSelection(SAFEARRAY* pArray);
// "1" into row i, "0" into every other row; i, or -1 for a NULL array.
AFX_EXT_API int NRadioArraySetSelection(SAFEARRAY* pArray, int i);

// What the store returned for the status line; 0 when the status could not be read.
AFX_EXT_API int SavePropStatus(IDispatch* pProp, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszFile);
// 1 when a well-formed line was found and applied; a missing or malformed line changes nothing.
AFX_EXT_API int LoadPropStatus(IDispatch* pProp, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszFile);
// Splits a status line into its fields ('^' in the value turned back into blanks); FALSE for a
// line of any other shape.
BOOL ParsePropStatusLine(const char* lpszLine, long& nID, long& nType, CString& strValue, long& nState);
// The raw status line of item nIndex of a collection saved in the section; 1 when found.
AFX_EXT_API int LoadPropStatusString(LPCSTR lpszSection, int nIndex, char* lpszBuffer, int nSize,
    LPCSTR lpszFile);

typedef int (*PFNSAVEITEM)(IDispatch* pItem, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszFile);
typedef int (*PFNLOADITEM)(IDispatch* pItem, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszFile);
// A new item for a collection being loaded (the caller's two pointers), or NULL.
typedef IDispatch* (*PFNCREATEITEM)(void* p1, void* p2);

AFX_EXT_API int SaveCollection(IDispatch* pColl, LPCSTR lpszSection, LPCSTR lpszKey, PFNSAVEITEM pfnSave,
    LPCSTR lpszFile);
// Items present are loaded in place, missing ones made by pfnCreate and added; it stops at the
// first item that does not load or cannot be added.  The last item function's result; 0 when the
// count line is missing or malformed.
AFX_EXT_API int LoadCollection(IDispatch* pColl, LPCSTR lpszSection, LPCSTR lpszKey, PFNLOADITEM pfnLoad,
    PFNCREATEITEM pfnCreate, void* p1, void* p2, LPCSTR lpszFile);
AFX_EXT_API int SavePropCollection(IDispatch* pColl, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszFile);
AFX_EXT_API int LoadPropCollection(IDispatch* pColl, LPCSTR lpszSection, LPCSTR lpszKey, PFNCREATEITEM pfnCreate,
    void* p1, void* p2, LPCSTR lpszFile);
