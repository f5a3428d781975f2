// PropAccess.h - stateless accessors over the host's property interfaces.
//
// Each function queries the interface it needs, makes one or a few calls, releases what it
// obtained and returns an HRESULT (or a count, index or flag where said).  None keeps interface
// pointers.  A NULL property or collection gives E_FAIL (0x80004005), a count of 0 or the
// "nothing" result of the function.  Later calls on an interface that answered are made without
// checking their result: the function's result stays that of the query unless said otherwise.
//
//   property:     Get/SetPropertyType, ...CtrlType, ...ID, ...Status, GetPropertyInternalName,
//                 GetPropertyInfo, GetCategoryInfo
//   compound:     GetCompPropContext, GetCompPropItem
//   choices:      GetPropValuesCount, GetPropValueByID, PropGetColl, TablePropGetIndex,
//                 TablePropGetItem, TableAddItem, NArrayPropGetArray, NArrayPropGetValue
//   collections:  CollGetCount, CollGetItem, CollGetItemById, CollAdd, CollRemove
//   view server:  SetPropsViewServer, GetPropsViewServer;  clients: GetPropClient
#pragma once

#include "PropInterfaces.h"
#include "PropertiesInfo.h"

class CPropClient;

// WexoPropertyType
enum WexoPropertyType
{
    PT_NONE = 0, PT_TEXT = 1, PT_TEXT2 = 2, PT_TABLE = 3, PT_SWITCH = 4, PT_HIDDEN = 5, PT_LOCKEDIT = 6,
    PT_COLOR = 7, PT_COMMAND = 8, PT_TABLEEX = 9, PT_GRIDTABLE = 10, PT_GRIDTABLEEX = 11, PT_TEXTTABLE = 12,
    PT_TEXTTABLEEX = 13, PT_NARRAY = 14, PT_NSWITCHARRAY = 15, PT_NRADIOARRAY = 16, PT_STATE = 17,
    PT_NLISTARRAY = 18, PT_RADIOSTATE = 19, PT_ARRAYSCROLL = 20, PT_STATIC = 22, PT_NCHECKLISTARRAY = 23,
    PT_COMPOUND = 24
};

// a request bit of GetPropertyInfo: hand out the object's IUnknown (the caller owns that reference)
#define PROPINFO_REQUEST_OBJECT 0x0001

AFX_EXT_API HRESULT GetPropertyType(IDispatch* pProp, WORD* pnType);
AFX_EXT_API HRESULT SetPropertyType(IDispatch* pProp, WORD* pnType);
AFX_EXT_API HRESULT GetPropertyCtrlType(IDispatch* pProp, WORD* pnType);
AFX_EXT_API HRESULT SetPropertyCtrlType(IDispatch* pProp, WORD* pnType);
AFX_EXT_API HRESULT GetPropertyID(IDispatch* pProp, DWORD* pnID);
AFX_EXT_API HRESULT SetPropertyID(IDispatch* pProp, DWORD* pnID);
// Each non-NULL pointer in turn: value, state, id.
AFX_EXT_API HRESULT GetPropertyStatus(IDispatch* pProp, DWORD* pnID, VARIANT* pValue, WORD* pnState);
AFX_EXT_API HRESULT SetPropertyStatus(IDispatch* pProp, DWORD* pnID, VARIANT* pValue, WORD* pnState);
// The host's internal name of the property (through the schema of its collection's owner), cut to
// nSize - 1 characters; empty when there is none.
AFX_EXT_API HRESULT GetPropertyInternalName(IDispatch* pProp, char* lpszBuffer, int nSize);
AFX_EXT_API HRESULT GetPropertyInfo(IDispatch* pProp, SPropertyInfo* pInfo, WORD nRequest);
AFX_EXT_API HRESULT GetCategoryInfo(IDispatch* pProp, SPropCategoryInfo* pInfo, WORD nRequest);

AFX_EXT_API HRESULT GetCompPropContext(IDispatch* pProp, long* pnTotal, long* pnFirst, long* pnPage, long* pnHost);
AFX_EXT_API HRESULT GetCompPropItem(IDispatch* pProp, long nIndex, IDispatch** ppItem);

AFX_EXT_API HRESULT GetPropValuesCount(IDispatch* pProp, long* pnCount);
AFX_EXT_API HRESULT GetPropValueByID(IDispatch* pProp, long nIndex, VARIANT* pValue);
// Kept for hosts that call them: they check that pProp is a property and do nothing else (the
// values are walked with GetPropValuesCount and GetPropValueByID).
AFX_EXT_API HRESULT GetFirstPropValue(IDispatch* pProp, VARIANT* pValue);
AFX_EXT_API HRESULT GetNextPropValue(IDispatch* pProp, VARIANT* pValue);
// The collection of the property's choices (its list, else its provider) with a reference; 0.
AFX_EXT_API HRESULT PropGetColl(IDispatch* pProp, IDispatch** ppColl);

// Count with the Flags of pProp as filter (0 without it); 0 for anything that is no collection.
AFX_EXT_API long CollGetCount(IDispatch* pColl, IDispatch* pProp);
AFX_EXT_API HRESULT CollGetItem(IDispatch* pColl, long nIndex, IDispatch** ppItem, IDispatch* pProp);
// The first item with this id, as its IDBPROP (the one reference Item gave).
AFX_EXT_API HRESULT CollGetItemById(IDispatch* pColl, DWORD nID, IDispatch** ppItem);
AFX_EXT_API HRESULT CollAdd(IDispatch* pColl, IDispatch* pItem);
AFX_EXT_API HRESULT CollRemove(IDispatch* pColl, long nIndex, IDispatch** ppRemoved);

// Position among the provider's items of the first with this id; -1.
AFX_EXT_API long TablePropGetIndex(IDispatch* pProp, DWORD nID);
// The item at *pnIndex, or (pnIndex NULL or negative) the item whose id is the property's value:
// 1 and the item (one reference), or 0 and NULL.
AFX_EXT_API int TablePropGetItem(IDispatch* pProp, long* pnIndex, IDispatch** ppItem);
// A new row of the provider; 1 when the provider gave it an id.
AFX_EXT_API int TableAddItem(IDispatch* pProp, VARIANT* pValue, DWORD* pnID);
// The first item of the provider whose value equals value: 1 and the item (one reference), else 0.
int TablePropFindValue(IDispatch* pProp, const VARIANT* pValue, IDispatch** ppItem);

AFX_EXT_API HRESULT NArrayPropGetArray(IDispatch* pProp, VARIANT varKey, VARIANT* pOut);
AFX_EXT_API HRESULT NArrayPropGetValue(IDispatch* pProp, VARIANT varKey, VARIANT* pOut);

// Replaces the process's property view server (released at unload); 1 when pServer draws
// (answers IDBPROPDRAW) and is kept, else 0 and none is kept.
AFX_EXT_API int SetPropsViewServer(IDispatch* pServer);
// The server kept (no reference added), or NULL.
AFX_EXT_API IDispatch* GetPropsViewServer();

// The property client of a window (its answer to WM_GET_PROPCLIENT); NULL for a NULL window.
AFX_EXT_API CPropClient* GetPropClient(CWnd* pWnd);
