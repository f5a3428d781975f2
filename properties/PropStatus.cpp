// PropStatus.cpp - named arrays, and property status lines and collections as settings text.
#include "PropStatus.h"
#include "PropAccess.h"
#include "frame/StringArraySettings.h"
#include <stdlib.h>

const char COLLECTIONFORMAT[] = "%d";
const char ITEMKEYFORMAT[] = "I-%d";
const char PROPSTATUSFORMAT[] = "%d %d %s %d";
const char NARRAYITEMFORMAT[] = "%s %s";
const char NARRAYITEMKEYFORMAT[] = "%s_%d";

// a status line as the store hands it back (255 characters and the terminator)
static const int STATUS_LINE_SIZE = 256;
// a count read back that no saved array can have: the line is damaged
static const long MAX_SAVED_ROWS = 65535;

/////////////////////////////////////////////////////////////////////////////
// Named arrays

SAFEARRAY* CreateNArray(int n)
{
    if (n < 0)
        return NULL;
    SAFEARRAYBOUND bounds[2] = { { (ULONG)n, 0 }, { 2, 0 } };
    return ::SafeArrayCreate(VT_BSTR, 2, bounds);
}

// Rows of the array: FALSE for anything that is no two-column array.
static BOOL NArrayRows(SAFEARRAY* pArray, LONG& nLow, LONG& nHigh)
{
    if (pArray == NULL || ::SafeArrayGetDim(pArray) != 2)
        return FALSE;
    return SUCCEEDED(::SafeArrayGetLBound(pArray, 1, &nLow)) && SUCCEEDED(::SafeArrayGetUBound(pArray, 1, &nHigh));
}

static BOOL PutText(SAFEARRAY* pArray, long i, LONG nColumn, const char* lpszText)
{
    CString str(lpszText);
    BSTR bstr = str.AllocSysString();
    LONG idx[2] = { i, nColumn };
    HRESULT hr = ::SafeArrayPutElement(pArray, idx, bstr);
    ::SysFreeString(bstr);
    return SUCCEEDED(hr);
}

static BOOL GetText(SAFEARRAY* pArray, long i, LONG nColumn, char* lpszBuffer)
{
    LONG idx[2] = { i, nColumn };
    BSTR bstr = NULL;
    if (FAILED(::SafeArrayGetElement(pArray, idx, &bstr)))
        return FALSE;
    CString str(bstr);
    ::SysFreeString(bstr);
    lstrcpynA(lpszBuffer, str, NARRAY_TEXT_SIZE);
    return TRUE;
}

int NArrayPutElement(SAFEARRAY* pArray, long i, const char* lpszName, const char* lpszValue)
{
    if (pArray == NULL)
        return 0;
    if (lpszName != NULL && !PutText(pArray, i, 0, lpszName))
        return 0;
    if (lpszValue != NULL && !PutText(pArray, i, 1, lpszValue))
        return 0;
    return 1;
}

int NArrayGetElement(SAFEARRAY* pArray, long i, char* lpszName, char* lpszValue)
{
    if (pArray == NULL)
        return 0;
    if (lpszName != NULL && !GetText(pArray, i, 0, lpszName))
        return 0;
    if (lpszValue != NULL && !GetText(pArray, i, 1, lpszValue))
        return 0;
    return 1;
}

int NArrayGetValue(SAFEARRAY* pArray, const char* lpszName, char* lpszValue)
{
    LONG nLow, nHigh;
    if (lpszName == NULL || !NArrayRows(pArray, nLow, nHigh))
        return 0;
    char szName[NARRAY_TEXT_SIZE];
    for (LONG i = nLow; i <= nHigh; i++)
    {
        if (NArrayGetElement(pArray, i, szName, NULL) && strcmp(szName, lpszName) == 0)
            return lpszValue == NULL || NArrayGetElement(pArray, i, NULL, lpszValue);
    }
    return 0;
}

int NRadioArrayGetSelection(SAFEARRAY* pArray)
{
    LONG nLow, nHigh;
    if (!NArrayRows(pArray, nLow, nHigh))
        return -1;
    char szValue[NARRAY_TEXT_SIZE];
    for (LONG i = nLow; i <= nHigh; i++)
    {
        if (NArrayGetElement(pArray, i, NULL, szValue) && atoi(szValue) == 1)
            return (int)(i - nLow);
    }
    return -1;
}

int NRadioArraySetSelection(SAFEARRAY* pArray, int nSelect)
{
    LONG nLow, nHigh;
    if (!NArrayRows(pArray, nLow, nHigh))
        return -1;
    for (LONG i = nLow; i <= nHigh; i++)
        NArrayPutElement(pArray, i, NULL, i - nLow == nSelect ? "1" : "0");
    return nSelect;
}

/////////////////////////////////////////////////////////////////////////////
// Status lines

// Types whose value is saved as a named array (the editors of named arrays: plain, switch, radio,
// list and check-list).
static BOOL IsNamedArrayType(WORD nType)
{
    return nType == PT_NARRAY || nType == PT_NSWITCHARRAY || nType == PT_NRADIOARRAY || nType == PT_NLISTARRAY ||
        nType == PT_NCHECKLISTARRAY;
}

static CString RowKey(LPCSTR lpszKey, int i)
{
    CString str;
    str.Format(NARRAYITEMKEYFORMAT, lpszKey, i);
    return str;
}

int SavePropStatus(IDispatch* pProp, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszFile)
{
    DWORD nID = 0;
    WORD nState = 0, nType = 0;
    COleVariant value;
    if (pProp == NULL || FAILED(GetPropertyStatus(pProp, &nID, &value, &nState)))
        return 0;
    GetPropertyCtrlType(pProp, &nType);

    SAFEARRAY* pRows = NULL;
    LONG nLow = 0, nHigh = -1;
    CString strValue;
    if (IsNamedArrayType(nType) && value.vt == (VT_ARRAY | VT_BSTR))
    {
        pRows = value.parray;
        if (!NArrayRows(pRows, nLow, nHigh))
            return 0;
        strValue.Format(COLLECTIONFORMAT, (int)(nHigh - nLow + 1));
    }
    else
    {
        // a value with no text form (an object, an array) cannot be written back: nothing is saved
        if (FAILED(::VariantChangeType(&value, &value, 0, VT_BSTR)))
            return 0;
        strValue = CString(value.bstrVal);
        ReplaceSpace(strValue, '^');
    }
    CString strLine;
    strLine.Format(PROPSTATUSFORMAT, (int)nID, (int)nType, (LPCSTR)strValue, (int)nState);
    int nResult = SaveIniString(lpszSection, lpszKey, strLine, lpszFile);

    char szName[NARRAY_TEXT_SIZE], szValue[NARRAY_TEXT_SIZE];
    for (LONG i = nLow; pRows != NULL && i <= nHigh; i++)
    {
        szName[0] = szValue[0] = 0;
        NArrayGetElement(pRows, i, szName, szValue);
        ReplaceSpace(szName, '^');
        ReplaceSpace(szValue, '^');
        CString strRow;
        strRow.Format(NARRAYITEMFORMAT, szName, szValue);
        SaveIniString(lpszSection, RowKey(lpszKey, (int)(i - nLow)), strRow, lpszFile);
    }
    return nResult;
}

// A decimal number at p (sign allowed) ending at a blank or the end; advances p past it.
static BOOL ReadNumber(const char*& p, long& n)
{
    char* pEnd = NULL;
    n = strtol(p, &pEnd, 10);
    if (pEnd == p || (*pEnd != ' ' && *pEnd != 0))
        return FALSE;
    p = pEnd;
    return TRUE;
}

// "id type value state": single blanks between the fields (the value may be empty, it has no
// blanks of its own).  FALSE for any other shape.
BOOL ParsePropStatusLine(const char* lpszLine, long& nID, long& nType, CString& strValue, long& nState)
{
    const char* p = lpszLine;
    if (!ReadNumber(p, nID) || *p++ != ' ' || !ReadNumber(p, nType) || *p++ != ' ')
        return FALSE;
    const char* pValueEnd = strchr(p, ' ');
    if (pValueEnd == NULL)
        return FALSE;
    strValue = CString(p, (int)(pValueEnd - p));
    p = pValueEnd + 1;
    if (!ReadNumber(p, nState) || *p != 0)
        return FALSE;
    RestoreSpace(strValue, '^');
    return TRUE;
}

int LoadPropStatus(IDispatch* pProp, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszFile)
{
    if (pProp == NULL)
        return 0;
    char szLine[STATUS_LINE_SIZE];
    if (!LoadIniString(lpszSection, lpszKey, szLine, sizeof(szLine), lpszFile))
        return 0;
    long nID, nType, nState;
    CString strValue;
    if (!ParsePropStatusLine(szLine, nID, nType, strValue, nState))
        return 0;

    COleVariant value;
    if (IsNamedArrayType((WORD)nType))
    {
        char* pEnd = NULL;
        long nRows = strtol(strValue, &pEnd, 10);
        if (strValue.IsEmpty() || *pEnd != 0 || nRows < 0 || nRows > MAX_SAVED_ROWS)
            return 0;
        SAFEARRAY* pRows = CreateNArray((int)nRows);
        if (pRows == NULL)
            return 0;
        for (long i = 0; i < nRows; i++)
        {
            char szRow[STATUS_LINE_SIZE];
            if (!LoadIniString(lpszSection, RowKey(lpszKey, (int)i), szRow, sizeof(szRow), lpszFile))
                continue;
            char* pBlank = strchr(szRow, ' ');
            if (pBlank == NULL)
                continue;   // a damaged row stays empty
            *pBlank = 0;
            RestoreSpace(szRow, '^');
            RestoreSpace(pBlank + 1, '^');
            NArrayPutElement(pRows, i, szRow, pBlank + 1);
        }
        VARIANT v;
        v.vt = VT_ARRAY | VT_BSTR;
        v.parray = pRows;
        value.Attach(v);
    }
    else
        value = strValue;

    DWORD dwID = (DWORD)nID;
    WORD wState = (WORD)nState, wType = (WORD)nType;
    if (FAILED(SetPropertyStatus(pProp, &dwID, &value, &wState)))
        return 0;
    return SUCCEEDED(SetPropertyCtrlType(pProp, &wType)) ? 1 : 0;
}

int LoadPropStatusString(LPCSTR lpszSection, int nIndex, char* lpszBuffer, int nSize, LPCSTR lpszFile)
{
    if (lpszBuffer == NULL || nSize <= 0)
        return 0;
    CString strKey;
    strKey.Format(ITEMKEYFORMAT, nIndex);
    return LoadIniString(lpszSection, strKey, lpszBuffer, nSize, lpszFile) ? 1 : 0;
}

/////////////////////////////////////////////////////////////////////////////
// Collections

int SaveCollection(IDispatch* pColl, LPCSTR lpszSection, LPCSTR lpszKey, PFNSAVEITEM pfnSave, LPCSTR lpszFile)
{
    long nCount = CollGetCount(pColl, NULL);
    CString strCount;
    strCount.Format(COLLECTIONFORMAT, (int)nCount);
    int nResult = SaveIniString(lpszSection, lpszKey, strCount, lpszFile);
    for (long i = 0; i < nCount; i++)
    {
        CString strKey;
        strKey.Format(ITEMKEYFORMAT, (int)i);
        IDispatch* pItem = NULL;
        if (SUCCEEDED(CollGetItem(pColl, i, &pItem, NULL)) && pItem != NULL)
        {
            if (pfnSave != NULL)
                nResult = pfnSave(pItem, lpszSection, strKey, lpszFile);
            pItem->Release();
        }
    }
    return nResult;
}

int LoadCollection(IDispatch* pColl, LPCSTR lpszSection, LPCSTR lpszKey, PFNLOADITEM pfnLoad,
    PFNCREATEITEM pfnCreate, void* p1, void* p2, LPCSTR lpszFile)
{
    if (pfnLoad == NULL)
        return 0;
    char szCount[STATUS_LINE_SIZE];
    if (!LoadIniString(lpszSection, lpszKey, szCount, sizeof(szCount), lpszFile))
        return 0;
    char* pEnd = NULL;
    long nCount = strtol(szCount, &pEnd, 10);
    if (pEnd == szCount || *pEnd != 0 || nCount < 0 || nCount > MAX_SAVED_ROWS)
        return 0;

    int nResult = 1;
    for (long i = 0; i < nCount; i++)
    {
        CString strKey;
        strKey.Format(ITEMKEYFORMAT, (int)i);
        IDispatch* pItem = NULL;
        if (i < CollGetCount(pColl, NULL) && SUCCEEDED(CollGetItem(pColl, i, &pItem, NULL)) && pItem != NULL)
        {
            nResult = pfnLoad(pItem, lpszSection, strKey, lpszFile);
            pItem->Release();
        }
        else if (pfnCreate != NULL)
        {
            // a factory may add the item itself (as the property factory does); it is added once
            long nBefore = CollGetCount(pColl, NULL);
            pItem = pfnCreate(p1, p2);
            if (pItem == NULL)
                break;
            nResult = pfnLoad(pItem, lpszSection, strKey, lpszFile);
            BOOL bAdded = CollGetCount(pColl, NULL) > nBefore || SUCCEEDED(CollAdd(pColl, pItem));
            pItem->Release();
            if (!bAdded)
            {
                nResult = 0;
                break;
            }
        }
        if (nResult == 0)
            break;
    }
    return nResult;
}

int SavePropCollection(IDispatch* pColl, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszFile)
{
    return SaveCollection(pColl, lpszSection, lpszKey, SavePropStatus, lpszFile);
}

int LoadPropCollection(IDispatch* pColl, LPCSTR lpszSection, LPCSTR lpszKey, PFNCREATEITEM pfnCreate, void* p1,
    void* p2, LPCSTR lpszFile)
{
    return LoadCollection(pColl, lpszSection, lpszKey, LoadPropStatus, pfnCreate, p1, p2, lpszFile);
}
