// PropAccess.cpp - accessors over the host's property interfaces.
#include "PropAccess.h"
#include "frame/UILFrame.h"
#include "frame/UILFrameImpl.h"
#include "frame/UILMessages.h"
#include "res/resource.h"

namespace
{

// One interface pointer obtained here, released when the scope ends.
template<class T>
class CIf
{
public:
    CIf() : p(NULL) {}
    ~CIf() { Reset(); }
    void Reset()
    {
        if (p != NULL)
            p->Release();
        p = NULL;
    }
    // queries pFrom (NULL gives E_FAIL)
    HRESULT From(IUnknown* pFrom, REFIID iid)
    {
        Reset();
        if (pFrom == NULL)
            return E_FAIL;
        HRESULT hr = pFrom->QueryInterface(iid, (void**)&p);
        if (FAILED(hr))
            p = NULL;
        else if (p == NULL)
            hr = E_NOINTERFACE;
        return hr;
    }
    T** Out() { Reset(); return &p; }
    T* operator->() const { return p; }
    operator T*() const { return p; }
    T* Detach() { T* q = p; p = NULL; return q; }

    T* p;

private:
    CIf(const CIf&) = delete;
    CIf& operator=(const CIf&) = delete;
};

// The property's Flags: the filter its collections are asked with (0 without a property).
WORD PropFlags(IDispatch* pProp)
{
    WORD nFlags = 0;
    CIf<IDBPROP> prop;
    if (SUCCEEDED(prop.From(pProp, IID_IDBPROP)))
        prop->get_Flags(&nFlags);
    return nFlags;
}

// The schema of the object that owns the property's collection (parent of the parent).
HRESULT SchemaOf(IDBPROP* pProp, CIf<IDBPROPSCHEMA>& schema)
{
    CIf<IDispatch> parent;
    HRESULT hr = pProp->get_Parent(parent.Out());
    if (FAILED(hr) || parent.p == NULL)
        return FAILED(hr) ? hr : E_FAIL;
    CIf<IDBCOLLECTION> coll;
    hr = coll.From(parent, IID_IDBCOLLECTION);
    if (FAILED(hr))
        return hr;
    CIf<IDispatch> owner;
    hr = coll->get_Parent(owner.Out());
    if (FAILED(hr) || owner.p == NULL)
        return FAILED(hr) ? hr : E_FAIL;
    return schema.From(owner, IID_IDBPROPSCHEMA);
}

// ANSI text of a BSTR into a buffer of nSize characters, cut and always terminated.
void CopyBstr(BSTR bstr, char* lpszBuffer, int nSize)
{
    if (lpszBuffer == NULL || nSize <= 0)
        return;
    lpszBuffer[0] = 0;
    if (bstr == NULL)
        return;
    CString str(bstr);
    lstrcpynA(lpszBuffer, str, nSize);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// One property

HRESULT GetPropertyType(IDispatch* pProp, WORD* pnType)
{
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (SUCCEEDED(hr) && pnType != NULL)
        prop->get_Type(pnType);
    return hr;
}

HRESULT SetPropertyType(IDispatch* pProp, WORD* pnType)
{
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (SUCCEEDED(hr) && pnType != NULL)
        prop->put_Type(*pnType);
    return hr;
}

HRESULT GetPropertyCtrlType(IDispatch* pProp, WORD* pnType)
{
    return GetPropertyType(pProp, pnType);
}

HRESULT SetPropertyCtrlType(IDispatch* pProp, WORD* pnType)
{
    return SetPropertyType(pProp, pnType);
}

HRESULT GetPropertyID(IDispatch* pProp, DWORD* pnID)
{
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (SUCCEEDED(hr) && pnID != NULL)
        prop->get_ID(pnID);
    return hr;
}

HRESULT SetPropertyID(IDispatch* pProp, DWORD* pnID)
{
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (SUCCEEDED(hr) && pnID != NULL)
        prop->put_ID(*pnID);
    return hr;
}

HRESULT GetPropertyStatus(IDispatch* pProp, DWORD* pnID, VARIANT* pValue, WORD* pnState)
{
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (FAILED(hr))
        return hr;
    if (pValue != NULL)
        prop->get_Value(pValue);
    if (pnState != NULL)
        prop->get_State(pnState);
    if (pnID != NULL)
        prop->get_ID(pnID);
    return hr;
}

HRESULT SetPropertyStatus(IDispatch* pProp, DWORD* pnID, VARIANT* pValue, WORD* pnState)
{
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (FAILED(hr))
        return hr;
    if (pValue != NULL)
        prop->put_Value(*pValue);
    if (pnState != NULL)
        prop->put_State(*pnState);
    if (pnID != NULL)
        prop->put_ID(*pnID);
    return hr;
}

HRESULT GetPropertyInternalName(IDispatch* pProp, char* lpszBuffer, int nSize)
{
    if (lpszBuffer != NULL && nSize > 0)
        lpszBuffer[0] = 0;
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (FAILED(hr))
        return E_FAIL;
    DWORD nID = 0;
    hr = prop->get_ID(&nID);
    if (FAILED(hr))
        return hr;
    CIf<IDBPROPSCHEMA> schema;
    hr = SchemaOf(prop, schema);
    if (FAILED(hr))
        return hr;
    long nCategory = -1, nIndex = -1;
    hr = schema->Locate(nID, &nCategory, &nIndex);
    if (FAILED(hr))
        return hr;
    BSTR bstrName = NULL;
    hr = schema->GetInternalName(nCategory, nIndex, 1, &bstrName);
    if (SUCCEEDED(hr))
        CopyBstr(bstrName, lpszBuffer, nSize);
    ::SysFreeString(bstrName);
    return hr;
}

HRESULT GetPropertyInfo(IDispatch* pProp, SPropertyInfo* pInfo, WORD nRequest)
{
    if (pProp == NULL || pInfo == NULL)
        return E_FAIL;
    // a fresh description; a reference the caller was handed earlier is the caller's
    if (pInfo->m_bOwnImageList && pInfo->m_pImageList != NULL)
        delete pInfo->m_pImageList;
    pInfo->m_bOwnImageList = FALSE;
    pInfo->m_pObject = NULL;
    pInfo->m_nFlags = 0;
    pInfo->m_nType = 0;
    pInfo->m_nID = 0;
    pInfo->m_strName = "Property";
    pInfo->m_strPrompt = "Change Property\nProperty";
    pInfo->m_Size = CSize(0, 0);
    pInfo->m_pImageList = NULL;
    pInfo->m_nImage = -1;
    pInfo->m_hIcon = NULL;

    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (FAILED(hr))
        return hr;
    CIf<IDBCOMPPROP> comp;
    if (SUCCEEDED(comp.From(pProp, IID_IDBCOMPPROP)))
    {
        hr = comp->GetExtType(&pInfo->m_nType);
        if (pInfo->m_nType == PT_ARRAYSCROLL || pInfo->m_nType == PT_COMPOUND)
            pInfo->m_nFlags |= PROPINFO_COMPOUND;
    }
    else
        hr = prop->get_Type(&pInfo->m_nType);
    hr = prop->get_ID(&pInfo->m_nID);
    hr = prop->get_Category(&pInfo->m_nCategory);
    if (nRequest & PROPINFO_REQUEST_OBJECT)
        hr = pProp->QueryInterface(IID_IUnknown, (void**)&pInfo->m_pObject);

    SPropertyInfo* pRegistered = g_pPropertiesInfoStuff != NULL ? g_pPropertiesInfoStuff->FindByID(pInfo->m_nID) : NULL;
    if (pRegistered != NULL)
    {
        pInfo->m_strName = pRegistered->m_strName;
        pInfo->m_strPrompt = pRegistered->m_strPrompt;
        pInfo->m_Size = pRegistered->m_Size;
        pInfo->m_pImageList = pRegistered->m_pImageList;
        pInfo->m_nImage = pRegistered->m_nImage;
        pInfo->m_hIcon = pRegistered->m_hIcon;
        return hr;
    }

    BSTR bstrName = NULL;
    hr = prop->get_Name(&bstrName);
    if (SUCCEEDED(hr) && bstrName != NULL)
        pInfo->m_strName = CString(bstrName);
    ::SysFreeString(bstrName);

    CIf<IDBPROPSCHEMA> schema;
    if (SUCCEEDED(SchemaOf(prop, schema)))
    {
        long nCategory = -1, nIndex = -1;
        hr = schema->Locate(pInfo->m_nID, &nCategory, &nIndex);
        if (SUCCEEDED(hr))
        {
            BSTR bstrText1 = NULL, bstrText2 = NULL;
            long nHost = 0;
            ::VariantClear(&pInfo->m_varFirst);
            ::VariantClear(&pInfo->m_varSecond);
            hr = schema->GetExtDescription(nCategory, nIndex, &pInfo->m_nCtrlType, &pInfo->m_varFirst,
                &pInfo->m_varSecond, &bstrText1, &bstrText2, &nHost);
            ::SysFreeString(bstrText1);
            ::SysFreeString(bstrText2);
        }
    }

    CString strChange;
    {
        CUILResourceScope scope;
        if (!strChange.LoadString(IDS_PROP_CHANGE))
            strChange = "Change ";
    }
    pInfo->m_strPrompt = strChange + pInfo->m_strName + "\n" + pInfo->m_strName;
    return hr;
}

HRESULT GetCategoryInfo(IDispatch* pProp, SPropCategoryInfo* pInfo, WORD)
{
    if (pProp == NULL || pInfo == NULL)
        return E_FAIL;
    pInfo->m_strName = "Global";
    pInfo->m_strDescription.Empty();
    pInfo->m_nValue1 = 0;
    pInfo->m_nValue2 = -1;
    pInfo->m_nValue3 = 0;
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (FAILED(hr))
        return hr;
    DWORD nID = 0;
    long nCategory = -1;
    prop->get_ID(&nID);
    prop->get_Category(&nCategory);
    if (nCategory < 0)
        return hr;
    CIf<IDBPROPSCHEMA> schema;
    if (FAILED(SchemaOf(prop, schema)))
        return hr;
    long nCatIndex = -1, nIndex = -1;
    hr = schema->Locate(nID, &nCatIndex, &nIndex);
    if (FAILED(hr))
        return hr;
    BSTR bstrName = NULL, bstrDescription = NULL;
    long nHost1 = 0, nHost2 = 0;
    hr = schema->GetCategoryText(nCatIndex, &bstrName, &bstrDescription, &nHost1, &nHost2);
    if (SUCCEEDED(hr))
    {
        if (bstrName != NULL)
            pInfo->m_strName = CString(bstrName);
        if (bstrDescription != NULL)
            pInfo->m_strDescription = CString(bstrDescription);
    }
    ::SysFreeString(bstrName);
    ::SysFreeString(bstrDescription);
    return hr;
}

/////////////////////////////////////////////////////////////////////////////
// Compound properties

HRESULT GetCompPropContext(IDispatch* pProp, long* pnTotal, long* pnFirst, long* pnPage, long* pnHost)
{
    if (pProp == NULL || pnTotal == NULL || pnFirst == NULL || pnPage == NULL || pnHost == NULL)
        return E_FAIL;
    *pnTotal = 0;
    *pnFirst = -1;
    *pnPage = 0;
    *pnHost = -1;
    CIf<IDBCOMPPROP> comp;
    HRESULT hr = comp.From(pProp, IID_IDBCOMPPROP);
    if (FAILED(hr))
        return hr;
    return comp->GetContext(pnTotal, pnFirst, pnPage, pnHost);
}

HRESULT GetCompPropItem(IDispatch* pProp, long nIndex, IDispatch** ppItem)
{
    if (pProp == NULL || ppItem == NULL)
        return E_FAIL;
    *ppItem = NULL;
    CIf<IDBCOMPPROP> comp;
    HRESULT hr = comp.From(pProp, IID_IDBCOMPPROP);
    if (FAILED(hr))
        return hr;
    return comp->GetSubItem(nIndex, ppItem);
}

/////////////////////////////////////////////////////////////////////////////
// Choices of a property

HRESULT GetPropValuesCount(IDispatch* pProp, long* pnCount)
{
    if (pnCount == NULL)
        return E_FAIL;
    *pnCount = 0;
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (FAILED(hr))
        return hr;
    CIf<IDBPROPLIST> list;
    if (SUCCEEDED(list.From(pProp, IID_IDBPROPLIST)))
    {
        CIf<IDispatch> disp;
        CIf<IDBCOLLECTION> coll;
        if (SUCCEEDED(list->get_List(disp.Out())) && SUCCEEDED(coll.From(disp, IID_IDBCOLLECTION)))
            coll->Count(0, pnCount);
        return hr;
    }
    WORD nFlags = 0;
    prop->get_Flags(&nFlags);
    CIf<IDispatch> provider;
    CIf<IDBCOLLECTION> coll;
    if (SUCCEEDED(prop->get_Provider(provider.Out())) && SUCCEEDED(coll.From(provider, IID_IDBCOLLECTION)))
        coll->Count(nFlags, pnCount);
    return hr;
}

HRESULT GetPropValueByID(IDispatch* pProp, long nIndex, VARIANT* pValue)
{
    if (pValue == NULL)
        return E_FAIL;
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (FAILED(hr))
        return hr;
    CIf<IDispatch> provider;
    prop->get_Provider(provider.Out());
    CIf<IDBCOLLECTION> coll;
    if (provider.p == NULL || FAILED(coll.From(provider, IID_IDBCOLLECTION)))
        return prop->get_Value(pValue);
    WORD nFlags = 0;
    prop->get_Flags(&nFlags);
    CIf<IDispatch> item;
    hr = coll->Item(nIndex, nFlags, item.Out());
    if (FAILED(hr) || item.p == NULL)
        return FAILED(hr) ? hr : E_FAIL;
    DWORD nID = 0;
    hr = GetPropertyID(item, &nID);
    ::VariantClear(pValue);
    pValue->vt = VT_I4;
    pValue->lVal = (long)nID;
    return hr;
}

HRESULT GetFirstPropValue(IDispatch* pProp, VARIANT*)
{
    CIf<IDBPROP> prop;
    return prop.From(pProp, IID_IDBPROP);
}

HRESULT GetNextPropValue(IDispatch* pProp, VARIANT*)
{
    CIf<IDBPROP> prop;
    return prop.From(pProp, IID_IDBPROP);
}

HRESULT PropGetColl(IDispatch* pProp, IDispatch** ppColl)
{
    if (ppColl == NULL)
        return 0;
    *ppColl = NULL;
    CIf<IDBPROPLIST> list;
    if (SUCCEEDED(list.From(pProp, IID_IDBPROPLIST)))
    {
        list->get_List(ppColl);
        return 0;
    }
    CIf<IDBPROP> prop;
    if (SUCCEEDED(prop.From(pProp, IID_IDBPROP)))
        prop->get_Provider(ppColl);
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Collections

long CollGetCount(IDispatch* pColl, IDispatch* pProp)
{
    CIf<IDBCOLLECTION> coll;
    if (FAILED(coll.From(pColl, IID_IDBCOLLECTION)))
        return 0;
    long nCount = 0;
    if (FAILED(coll->Count(PropFlags(pProp), &nCount)) || nCount < 0)
        return 0;
    return nCount;
}

HRESULT CollGetItem(IDispatch* pColl, long nIndex, IDispatch** ppItem, IDispatch* pProp)
{
    if (ppItem == NULL)
        return E_FAIL;
    *ppItem = NULL;
    CIf<IDBCOLLECTION> coll;
    HRESULT hr = coll.From(pColl, IID_IDBCOLLECTION);
    if (FAILED(hr))
        return hr;
    hr = coll->Item(nIndex, PropFlags(pProp), ppItem);
    if (FAILED(hr) && *ppItem != NULL)
    {
        (*ppItem)->Release();
        *ppItem = NULL;
    }
    return hr;
}

HRESULT CollGetItemById(IDispatch* pColl, DWORD nID, IDispatch** ppItem)
{
    if (ppItem == NULL)
        return E_FAIL;
    *ppItem = NULL;
    CIf<IDBCOLLECTION> coll;
    HRESULT hr = coll.From(pColl, IID_IDBCOLLECTION);
    if (FAILED(hr))
        return hr;
    long nCount = 0;
    coll->Count(0, &nCount);
    for (long i = 0; i < nCount; i++)
    {
        CIf<IDispatch> item;
        hr = coll->Item(i, 0, item.Out());
        if (FAILED(hr))
            return hr;
        CIf<IDBPROP> prop;
        if (FAILED(prop.From(item, IID_IDBPROP)))
            continue;
        DWORD nItemID = 0;
        prop->get_ID(&nItemID);
        if (nItemID == nID)
        {
            *ppItem = prop.Detach();
            return hr;
        }
    }
    return hr;
}

HRESULT CollAdd(IDispatch* pColl, IDispatch* pItem)
{
    CIf<IDBCOLLECTION> coll;
    HRESULT hr = coll.From(pColl, IID_IDBCOLLECTION);
    if (SUCCEEDED(hr))
    {
        // a collection that refuses the item says so: the caller must know nothing was added
        HRESULT hrAdd = coll->Add(pItem);
        if (FAILED(hrAdd))
            hr = hrAdd;
    }
    return hr;
}

HRESULT CollRemove(IDispatch* pColl, long nIndex, IDispatch** ppRemoved)
{
    IDispatch* pDummy = NULL;
    if (ppRemoved == NULL)
        ppRemoved = &pDummy;
    *ppRemoved = NULL;
    CIf<IDBCOLLECTION> coll;
    HRESULT hr = coll.From(pColl, IID_IDBCOLLECTION);
    if (FAILED(hr))
        return hr;
    VARIANT key;
    key.vt = VT_I4;
    key.lVal = nIndex;
    coll->Remove(&key, ppRemoved);
    if (pDummy != NULL)
        pDummy->Release();
    return hr;
}

/////////////////////////////////////////////////////////////////////////////
// Table properties: the provider's items are the rows, the value is a row's id

namespace
{

// The provider collection of a table property and the filter it is asked with.
HRESULT ProviderOf(IDispatch* pProp, CIf<IDBCOLLECTION>& coll, WORD& nFlags)
{
    nFlags = 0;
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (FAILED(hr))
        return hr;
    prop->get_Flags(&nFlags);
    CIf<IDispatch> provider;
    hr = prop->get_Provider(provider.Out());
    if (FAILED(hr) || provider.p == NULL)
        return FAILED(hr) ? hr : E_FAIL;
    return coll.From(provider, IID_IDBCOLLECTION);
}

// The first provider item for which match(item) holds: its position and the item (one reference).
template<class F>
long FindProviderItem(IDispatch* pProp, F match, IDispatch** ppItem)
{
    if (ppItem != NULL)
        *ppItem = NULL;
    CIf<IDBCOLLECTION> coll;
    WORD nFlags = 0;
    if (FAILED(ProviderOf(pProp, coll, nFlags)))
        return -1;
    long nCount = 0;
    coll->Count(nFlags, &nCount);
    for (long i = 0; i < nCount; i++)
    {
        CIf<IDispatch> item;
        if (FAILED(coll->Item(i, nFlags, item.Out())) || item.p == NULL)
            continue;
        if (match(item.p))
        {
            if (ppItem != NULL)
                *ppItem = item.Detach();
            return i;
        }
    }
    return -1;
}

} // namespace

long TablePropGetIndex(IDispatch* pProp, DWORD nID)
{
    return FindProviderItem(pProp, [nID](IDispatch* pItem) {
        DWORD nItemID = 0;
        return SUCCEEDED(GetPropertyID(pItem, &nItemID)) && nItemID == nID;
    }, NULL);
}

int TablePropGetItem(IDispatch* pProp, long* pnIndex, IDispatch** ppItem)
{
    if (ppItem == NULL)
        return 0;
    *ppItem = NULL;
    if (pnIndex != NULL && *pnIndex >= 0)
    {
        CIf<IDBCOLLECTION> coll;
        WORD nFlags = 0;
        if (FAILED(ProviderOf(pProp, coll, nFlags)))
            return 0;
        if (FAILED(coll->Item(*pnIndex, nFlags, ppItem)) || *ppItem == NULL)
        {
            if (*ppItem != NULL)
                (*ppItem)->Release();
            *ppItem = NULL;
            return 0;
        }
        return 1;
    }
    COleVariant value;
    if (FAILED(GetPropertyStatus(pProp, NULL, &value, NULL)) || value.vt == VT_EMPTY)
        return 0;
    if (FAILED(::VariantChangeType(&value, &value, 0, VT_I4)))
        return 0;
    DWORD nID = (DWORD)value.lVal;
    return FindProviderItem(pProp, [nID](IDispatch* pItem) {
        DWORD nItemID = 0;
        return SUCCEEDED(GetPropertyID(pItem, &nItemID)) && nItemID == nID;
    }, ppItem) >= 0 ? 1 : 0;
}

int TablePropFindValue(IDispatch* pProp, const VARIANT* pValue, IDispatch** ppItem)
{
    if (pValue == NULL || ppItem == NULL)
        return 0;
    return FindProviderItem(pProp, [pValue](IDispatch* pItem) {
        COleVariant value;
        return SUCCEEDED(GetPropertyStatus(pItem, NULL, &value, NULL)) && AfxVariantEqual(&value, pValue);
    }, ppItem) >= 0 ? 1 : 0;
}

int TableAddItem(IDispatch* pProp, VARIANT* pValue, DWORD* pnID)
{
    if (pnID == NULL || pValue == NULL)
        return 0;
    *pnID = 0;
    CIf<IDBPROP> prop;
    if (FAILED(prop.From(pProp, IID_IDBPROP)))
        return 0;
    CIf<IDispatch> provider;
    CIf<IDBTABLEEDIT> edit;
    if (FAILED(prop->get_Provider(provider.Out())) || FAILED(edit.From(provider, IID_IDBTABLEEDIT)))
        return 0;
    edit->AddRow(*pValue, pnID);
    return *pnID != 0 ? 1 : 0;
}

/////////////////////////////////////////////////////////////////////////////
// Named arrays through the provider

static HRESULT NArraySource(IDispatch* pProp, CIf<IDBNARRAYSOURCE>& source)
{
    CIf<IDBPROP> prop;
    HRESULT hr = prop.From(pProp, IID_IDBPROP);
    if (FAILED(hr))
        return hr;
    CIf<IDispatch> provider;
    hr = prop->get_Provider(provider.Out());
    if (FAILED(hr) || provider.p == NULL)
        return FAILED(hr) ? hr : E_FAIL;
    return source.From(provider, IID_IDBNARRAYSOURCE);
}

HRESULT NArrayPropGetArray(IDispatch* pProp, VARIANT varKey, VARIANT* pOut)
{
    if (pOut == NULL)
        return E_FAIL;
    CIf<IDBNARRAYSOURCE> source;
    HRESULT hr = NArraySource(pProp, source);
    return SUCCEEDED(hr) ? source->GetArray(varKey, pOut) : hr;
}

HRESULT NArrayPropGetValue(IDispatch* pProp, VARIANT varKey, VARIANT* pOut)
{
    if (pOut == NULL)
        return E_FAIL;
    CIf<IDBNARRAYSOURCE> source;
    HRESULT hr = NArraySource(pProp, source);
    return SUCCEEDED(hr) ? source->GetValue(varKey, pOut) : hr;
}

/////////////////////////////////////////////////////////////////////////////
// View server and clients

int SetPropsViewServer(IDispatch* pServer)
{
    if (g_pPropsViewServer != NULL)
    {
        IDispatch* pOld = g_pPropsViewServer;
        g_pPropsViewServer = NULL;
        pOld->Release();
    }
    CIf<IDBPROPDRAW> draw;
    if (pServer == NULL || FAILED(draw.From(pServer, IID_IDBPROPDRAW)))
        return 0;
    pServer->AddRef();
    g_pPropsViewServer = pServer;
    return 1;
}

IDispatch* GetPropsViewServer()
{
    return g_pPropsViewServer;
}

CPropClient* GetPropClient(CWnd* pWnd)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return NULL;
    return (CPropClient*)pWnd->SendMessage(WM_GET_PROPCLIENT, 0, 0);
}
