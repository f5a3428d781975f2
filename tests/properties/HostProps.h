// HostProps.h - a host's own property objects for the property tests: a property (optionally
// compound), a collection with an owner, and the owner's schema, each counting its references so
// that a test sees what the library kept.
#pragma once

#include <WEXOctrl.h>
#include <string>
#include <vector>

// IDispatch parts nobody calls late-bound here
template<class I>
class CHostObject : public I
{
public:
    virtual ~CHostObject() {}
    LONG m_nRef = 1;
    STDMETHOD_(ULONG, AddRef)() override { return ++m_nRef; }
    STDMETHOD_(ULONG, Release)() override { return --m_nRef; }   // stack objects: never deleted
    STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
};

class CHostSchema : public CHostObject<IDBPROPSCHEMA>
{
public:
    // id -> (category index, property index); category index -> name, description
    std::vector<std::pair<DWORD, std::pair<long, long>>> m_located;
    std::vector<std::pair<std::wstring, std::wstring>> m_categories;
    WORD m_nCtrlType = 0;
    long m_nFirst = 0, m_nSecond = 0;
    std::wstring m_strInternalName;
    long m_nNameKind = -1;      // the kind asked for by the last GetInternalName

    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IDBPROPSCHEMA))
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD(Reserved7)() override { return E_NOTIMPL; }
    STDMETHOD(Reserved8)() override { return E_NOTIMPL; }
    STDMETHOD(GetCategoryText)(long nCategory, BSTR* pName, BSTR* pDescription, long*, long*) override
    {
        if (nCategory < 0 || nCategory >= (long)m_categories.size())
            return E_INVALIDARG;
        *pName = ::SysAllocString(m_categories[nCategory].first.c_str());
        *pDescription = ::SysAllocString(m_categories[nCategory].second.c_str());
        return S_OK;
    }
    STDMETHOD(GetExtDescription)(long, long, WORD* pnCtrlType, VARIANT* pFirst, VARIANT* pSecond, BSTR* p1, BSTR* p2,
        long*) override
    {
        *pnCtrlType = m_nCtrlType;
        pFirst->vt = VT_I4;
        pFirst->lVal = m_nFirst;
        pSecond->vt = VT_I4;
        pSecond->lVal = m_nSecond;
        *p1 = ::SysAllocString(L"unused");
        *p2 = ::SysAllocString(L"unused");
        return S_OK;
    }
    STDMETHOD(Reserved11)() override { return E_NOTIMPL; }
    STDMETHOD(Locate)(DWORD nID, long* pnCategory, long* pnIndex) override
    {
        for (const auto& entry : m_located)
        {
            if (entry.first == nID)
            {
                *pnCategory = entry.second.first;
                *pnIndex = entry.second.second;
                return S_OK;
            }
        }
        return E_INVALIDARG;
    }
    STDMETHOD(Reserved13)() override { return E_NOTIMPL; }
    STDMETHOD(Reserved14)() override { return E_NOTIMPL; }
    STDMETHOD(Reserved15)() override { return E_NOTIMPL; }
    STDMETHOD(GetInternalName)(long, long, long nKind, BSTR* pName) override
    {
        m_nNameKind = nKind;
        *pName = ::SysAllocString(m_strInternalName.c_str());
        return S_OK;
    }
};

class CHostCollection : public CHostObject<IDBCOLLECTION>
{
public:
    IDispatch* m_pOwner = NULL;                 // get Parent hands this out
    std::vector<IDispatch*> m_items;            // no references: the test owns the items
    WORD m_nLastFilter = 0xFFFF;

    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IDBCOLLECTION))
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD(put_Parent)(IDispatch*) override { return S_OK; }
    STDMETHOD(get_Parent)(IDispatch** pp) override
    {
        *pp = m_pOwner;
        if (m_pOwner != NULL)
            m_pOwner->AddRef();
        return m_pOwner != NULL ? S_OK : E_FAIL;
    }
    STDMETHOD(put_Name)(BSTR) override { return S_OK; }
    STDMETHOD(get_Name)(BSTR* p) override { *p = NULL; return S_OK; }
    STDMETHOD(Count)(WORD nFilter, long* pn) override
    {
        m_nLastFilter = nFilter;
        *pn = (long)m_items.size();
        return S_OK;
    }
    STDMETHOD(Item)(long i, WORD nFilter, IDispatch** pp) override
    {
        m_nLastFilter = nFilter;
        *pp = NULL;
        if (i < 0 || i >= (long)m_items.size())
            return E_UNEXPECTED;
        *pp = m_items[i];
        (*pp)->AddRef();
        return S_OK;
    }
    STDMETHOD(Add)(IDispatch* p) override { m_items.push_back(p); return S_OK; }
    STDMETHOD(Remove)(VARIANT*, IDispatch** pp) override { *pp = NULL; return S_OK; }
    STDMETHOD(Enum)(IDispatch** pp) override { *pp = NULL; return S_OK; }
};

// A host property; a compound one (m_nExtType != 0) also answers IDBCOMPPROP.
class CHostProp : public CHostObject<IDBPROP>, public IDBCOMPPROP
{
public:
    DWORD m_nID = 0;
    WORD m_nType = 1;
    WORD m_nState = 4;
    WORD m_nFlags = 0;
    long m_nCategory = -1;
    std::wstring m_strName = L"HostProp";
    COleVariant m_value;
    IDispatch* m_pParent = NULL;
    IDispatch* m_pProvider = NULL;
    WORD m_nExtType = 0;

    STDMETHOD_(ULONG, AddRef)() override { return ++m_nRef; }
    STDMETHOD_(ULONG, Release)() override { return --m_nRef; }
    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IDBPROP))
            *ppv = static_cast<IDBPROP*>(this);
        else if (m_nExtType != 0 && IsEqualIID(iid, IID_IDBCOMPPROP))
            *ppv = static_cast<IDBCOMPPROP*>(this);
        else
        {
            *ppv = NULL;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    STDMETHOD(put_Parent)(IDispatch* p) override { m_pParent = p; return S_OK; }
    STDMETHOD(get_Parent)(IDispatch** pp) override
    {
        *pp = m_pParent;
        if (m_pParent != NULL)
            m_pParent->AddRef();
        return m_pParent != NULL ? S_OK : E_FAIL;
    }
    STDMETHOD(put_Name)(BSTR) override { return S_OK; }
    STDMETHOD(get_Name)(BSTR* p) override { *p = ::SysAllocString(m_strName.c_str()); return S_OK; }
    STDMETHOD(put_Type)(WORD n) override { m_nType = n; return S_OK; }
    STDMETHOD(get_Type)(WORD* p) override { *p = m_nType; return S_OK; }
    STDMETHOD(put_Category)(long n) override { m_nCategory = n; return S_OK; }
    STDMETHOD(get_Category)(long* p) override { *p = m_nCategory; return S_OK; }
    STDMETHOD(put_Value)(VARIANT v) override { m_value = v; return S_OK; }
    STDMETHOD(get_Value)(VARIANT* p) override { ::VariantInit(p); return ::VariantCopy(p, &m_value); }
    STDMETHOD(get_State)(WORD* p) override { *p = m_nState; return S_OK; }
    STDMETHOD(put_State)(WORD n) override { m_nState = n; return S_OK; }
    STDMETHOD(get_ID)(DWORD* p) override { *p = m_nID; return S_OK; }
    STDMETHOD(put_ID)(DWORD n) override { m_nID = n; return S_OK; }
    STDMETHOD(get_Provider)(IDispatch** pp) override
    {
        *pp = m_pProvider;
        if (m_pProvider != NULL)
            m_pProvider->AddRef();
        return S_OK;
    }
    STDMETHOD(put_Provider)(IDispatch* p) override { m_pProvider = p; return S_OK; }
    STDMETHOD(get_Flags)(WORD* p) override { *p = m_nFlags; return S_OK; }
    STDMETHOD(put_Flags)(WORD n) override { m_nFlags = n; return S_OK; }
    // IDBCOMPPROP
    STDMETHOD(Reserved7)() override { return E_NOTIMPL; }
    STDMETHOD(GetContext)(long* a, long* b, long* c, long* d) override { *a = 40; *b = 5; *c = 10; *d = 77; return S_OK; }
    STDMETHOD(Reserved9)() override { return E_NOTIMPL; }
    STDMETHOD(Reserved10)() override { return E_NOTIMPL; }
    STDMETHOD(GetSubItem)(long, IDispatch** pp) override { *pp = NULL; return E_NOTIMPL; }
    STDMETHOD(GetExtType)(WORD* p) override { *p = m_nExtType; return S_OK; }

    IDispatch* Disp() { return static_cast<IDBPROP*>(this); }
};

// A named array [rows][2] of the given texts, owned by the variant.
inline COleVariant MakeNamedArray(std::initializer_list<std::pair<const char*, const char*>> rows)
{
    SAFEARRAY* psa = CreateNArray((int)rows.size());
    long i = 0;
    for (const auto& row : rows)
        NArrayPutElement(psa, i++, row.first, row.second);
    VARIANT v;
    v.vt = VT_ARRAY | VT_BSTR;
    v.parray = psa;
    COleVariant result;
    result.Attach(v);
    return result;
}
