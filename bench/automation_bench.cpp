// automation_bench - the library's automation against the system's and against plain calls.
//
//   1. Late-bound get and put of a property's "Value" (a text) through the dispatch map of a
//      CObjXDBProp, against the system's standard dispatcher (CreateStdDispatch over the type
//      information of IDBPROP from WEXOCTRL.TLB) on a plain object holding the same value.
//   2. Early-bound put Value through IDBPROP (module state and exception guard included), against
//      a direct C++ call storing the same value.
//   3. One change event to 20 sinks, against a loop calling the same sinks' ChangeValue directly.
//   4. Saving a collection of 500 properties to a string array (status lines through the settings
//      store), against the store's own writes of the same 500 lines and count; loading it back
//      into the collection, against the store's own reads of those lines.  Both sides go through
//      SaveIniString / LoadIniString of the same store, so the difference is what the collection
//      adds: reading and writing each property through its interface and formatting its line.
#include <WEXOctrl.h>
#include <stdio.h>
#include <functional>
#include <vector>
#include "BenchHarness.h"

namespace
{

const int SINKS = 20;
const int PROPS = 500;

// A plain property: IDBPROP over members, no framework.
class CPlainProp : public IDBPROP
{
public:
    VARIANT m_varValue;
    CPlainProp() { ::VariantInit(&m_varValue); }
    ~CPlainProp() { ::VariantClear(&m_varValue); }
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDBPROP) || IsEqualIID(iid, IID_IDispatch))
        {
            *ppv = this;
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    STDMETHOD(put_Parent)(IDispatch*) override { return S_OK; }
    STDMETHOD(get_Parent)(IDispatch** pp) override { *pp = NULL; return S_OK; }
    STDMETHOD(put_Name)(BSTR) override { return S_OK; }
    STDMETHOD(get_Name)(BSTR* p) override { *p = NULL; return S_OK; }
    STDMETHOD(put_Type)(WORD) override { return S_OK; }
    STDMETHOD(get_Type)(WORD* p) override { *p = 1; return S_OK; }
    STDMETHOD(put_Category)(long) override { return S_OK; }
    STDMETHOD(get_Category)(long* p) override { *p = 0; return S_OK; }
    STDMETHOD(put_Value)(VARIANT v) override { return SetValue(v); }
    STDMETHOD(get_Value)(VARIANT* p) override { ::VariantInit(p); return ::VariantCopy(p, &m_varValue); }
    STDMETHOD(get_State)(WORD* p) override { *p = 4; return S_OK; }
    STDMETHOD(put_State)(WORD) override { return S_OK; }
    STDMETHOD(get_ID)(DWORD* p) override { *p = 7; return S_OK; }
    STDMETHOD(put_ID)(DWORD) override { return S_OK; }
    STDMETHOD(get_Provider)(IDispatch** pp) override { *pp = NULL; return S_OK; }
    STDMETHOD(put_Provider)(IDispatch*) override { return S_OK; }
    STDMETHOD(get_Flags)(WORD* p) override { *p = 0; return S_OK; }
    STDMETHOD(put_Flags)(WORD) override { return S_OK; }
    __attribute__((noinline)) HRESULT SetValue(const VARIANT& v) { return ::VariantCopy(&m_varValue, const_cast<VARIANT*>(&v)); }
};

// A sink that only counts.
class CCountingSink : public DBPROPEVENTS
{
public:
    long m_nCalls = 0;
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_DBPROPEVENTS))
        {
            *ppv = this;
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    STDMETHOD(ChangeParent)(IDispatch*) override { return S_OK; }
    STDMETHOD(ChangeName)(IDispatch*) override { return S_OK; }
    STDMETHOD(ChangeType)(IDispatch*) override { return S_OK; }
    STDMETHOD(ChangeCategory)(IDispatch*) override { return S_OK; }
    // kept out of line: the baseline loop must make the calls the event makes
    __attribute__((noinline)) STDMETHOD(ChangeValue)(IDispatch*) override { m_nCalls++; return S_OK; }
    STDMETHOD(ChangeState)(IDispatch*) override { return S_OK; }
};

// one put and one get of "Value" late-bound; every put changes the value
struct SLateBound
{
    IDispatch* pDisp;
    DISPID dispid;
    BSTR bstr[2];
    int n;
    bool bFailed;
    void operator()()
    {
        DISPID dispidPut = DISPID_PROPERTYPUT;
        VARIANT arg;
        arg.vt = VT_BSTR;
        arg.bstrVal = bstr[++n & 1];
        DISPPARAMS put = { &arg, &dispidPut, 1, 1 };
        DISPPARAMS get = { NULL, NULL, 0, 0 };
        VARIANT result;
        ::VariantInit(&result);
        if (FAILED(pDisp->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, NULL, NULL, NULL)) ||
            FAILED(pDisp->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYGET, &get, &result, NULL, NULL)))
            bFailed = true;
        ::VariantClear(&result);
    }
};

DISPID ValueId(IDispatch* pDisp)
{
    LPOLESTR name = const_cast<LPOLESTR>(L"Value");
    DISPID dispid = DISPID_UNKNOWN;
    pDisp->GetIDsOfNames(IID_NULL, &name, 1, 0, &dispid);
    return dispid;
}

} // namespace

int main()
{
    AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE);
    AfxOleInit();
    CPropertiesInfo info;
    g_pPropertiesInfoStuff = &info;
    CString strName("Label");
    info.Add(7, 1, &strName, &strName, CSize(0, 0), (CImageList*)NULL, 0, NULL, 0);

    BSTR bstrA = ::SysAllocString(L"Big red box");
    BSTR bstrB = ::SysAllocString(L"Small blue box");

    // 1. late-bound
    IDispatch* pProp = CreateProperty(7, COleVariant("start"), 4);
    ITypeLib* pLib = NULL;
    ITypeInfo* pInfo = NULL;
    ITypeInfo* pVtableInfo = NULL;
    IUnknown* pStd = NULL;
    IDispatch* pStdDisp = NULL;
    CPlainProp plain;
    HREFTYPE hRef = 0;
    if (FAILED(::LoadTypeLib(L"WEXOCTRL.TLB", &pLib)) || FAILED(pLib->GetTypeInfoOfGuid(IID_IDBPROP, &pInfo)))
    {
        printf("automation_bench: WEXOCTRL.TLB or its IDBPROP not found\n");
        return 1;
    }
    // a dual interface's type information is its dispatch view; the dispatcher needs the vtable's
    if (SUCCEEDED(pInfo->GetRefTypeOfImplType(-1, &hRef)) && SUCCEEDED(pInfo->GetRefTypeInfo(hRef, &pVtableInfo)))
    {
        pInfo->Release();
        pInfo = pVtableInfo;
    }
    if (FAILED(::CreateStdDispatch(NULL, static_cast<IDBPROP*>(&plain), pInfo, &pStd)) ||
        FAILED(pStd->QueryInterface(IID_IDispatch, (void**)&pStdDisp)))
    {
        printf("automation_bench: CreateStdDispatch failed\n");
        return 1;
    }
    Bench::Heading("automation_bench");
    SLateBound ours = { pProp, ValueId(pProp), { bstrA, bstrB }, 0, false };
    SLateBound sys = { pStdDisp, ValueId(pStdDisp), { bstrA, bstrB }, 0, false };
    Bench::SResult r = Bench::Compare(std::ref(ours), std::ref(sys));
    if (ours.bFailed || sys.bFailed)
    {
        printf("automation_bench: a late-bound call failed\n");
        return 1;
    }
    Bench::Report("late-bound get+put Value", r, "CreateStdDispatch over WEXOCTRL.TLB");

    // 2. early-bound put against a direct call
    IDBPROP* pDB = NULL;
    pProp->QueryInterface(IID_IDBPROP, (void**)&pDB);
    VARIANT values[2];
    values[0].vt = values[1].vt = VT_BSTR;
    values[0].bstrVal = bstrA;
    values[1].bstrVal = bstrB;
    int n = 0;
    r = Bench::Compare([&] { pDB->put_Value(values[++n & 1]); }, [&] { plain.SetValue(values[++n & 1]); });
    Bench::Report("early-bound put Value", r, "direct C++ store", true);

    // 3. one change event to 20 sinks
    CCountingSink sinks[SINKS];
    DWORD cookies[SINKS];
    for (int i = 0; i < SINKS; i++)
        AfxConnectionAdvise(pProp, IID_DBPROPEVENTS, &sinks[i], TRUE, &cookies[i]);
    CObjXDBProp* pObj = CObjXDBProp::ObjectFromIDisp(pProp);
    // the sinks reached through interface pointers the compiler cannot see through, as the event
    // reaches them: a loop over the concrete objects would be inlined away and time nothing
    DBPROPEVENTS* volatile sinkPtrs[SINKS];
    for (int i = 0; i < SINKS; i++)
        sinkPtrs[i] = &sinks[i];
    r = Bench::Compare([&] { pObj->FireChangeValue(); },
        [&] { for (int s = 0; s < SINKS; s++) sinkPtrs[s]->ChangeValue(pProp); });
    Bench::Report("change event to 20 sinks", r, "loop calling the sinks", true);
    for (int i = 0; i < SINKS; i++)
        AfxConnectionUnadvise(pProp, IID_DBPROPEVENTS, &sinks[i], TRUE, cookies[i]);

    // 4. a collection of 500 properties saved and loaded
    CString strText("Text");
    info.Add(8, 1, &strText, &strText, CSize(0, 0), (CImageList*)NULL, 0, NULL, 0);
    CObjXDBPropColl* pColl = new CObjXDBPropColl;
    for (int i = 0; i < PROPS; i++)
    {
        CString strValue;
        strValue.Format("value %d of the layer", i);
        IDispatch* pItem = CreateProperty(i % 2 == 0 ? 7 : 8, COleVariant(strValue), 4);
        pColl->Add(pItem);
        pItem->Release();
    }
    IDispatch* pCollDisp = pColl->GetIDispatch(FALSE);
    CStringArray linesOurs, linesStore;
    CString strOurs = MakeStringArrayName(&linesOurs), strStore = MakeStringArrayName(&linesStore);
    // the lines the collection writes, made once for the store's side
    std::vector<std::pair<CString, CString>> lines;
    SavePropCollection(pCollDisp, "Layer", "Props", strOurs);
    lines.push_back({ "Props", "500" });
    for (int i = 0; i < PROPS; i++)
    {
        CString strKey;
        strKey.Format("I-%d", i);
        char szLine[256];
        LoadIniString("Layer", strKey, szLine, sizeof(szLine), strOurs);
        lines.push_back({ strKey, szLine });
    }
    for (const auto& line : lines)
        SaveIniString("Layer", line.first, line.second, strStore);
    bool bLost = false;
    r = Bench::Compare([&] { SavePropCollection(pCollDisp, "Layer", "Props", strOurs); },
        [&] { for (const auto& line : lines) SaveIniString("Layer", line.first, line.second, strStore); }, 5, 0.1);
    Bench::Report("save collection of 500 properties", r, "the store writing the same 500 lines");
    char szRead[256];
    r = Bench::Compare([&] {
            if (LoadPropCollection(pCollDisp, "Layer", "Props", NULL, NULL, NULL, strOurs) != 1)
                bLost = true;
        },
        [&] { for (const auto& line : lines) LoadIniString("Layer", line.first, szRead, sizeof(szRead), strStore); },
        5, 0.1);
    Bench::Report("load collection of 500 properties", r, "the store reading the same 500 lines");
    if (bLost || pColl->GetCount() != PROPS)
    {
        printf("automation_bench: the collection did not load back\n");
        return 1;
    }
    pColl->ExternalRelease();

    pDB->Release();
    pStdDisp->Release();
    pStd->Release();
    pInfo->Release();
    pLib->Release();
    pProp->Release();
    ::SysFreeString(bstrA);
    ::SysFreeString(bstrB);
    g_pPropertiesInfoStuff = NULL;
    return 0;
}
