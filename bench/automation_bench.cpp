// automation_bench - the library's automation against the system's and against plain calls.
//
//   1. Late-bound get and put of a property's "Value" (a text) through the dispatch map of a
//      CObjXDBProp, against the system's standard dispatcher (CreateStdDispatch over the type
//      information of IDBPROP from WEXOCTRL.TLB) on a plain object holding the same value.
//   2. Early-bound put Value through IDBPROP (module state and exception guard included), against
//      a direct C++ call storing the same value.
//   3. One change event to 20 sinks, against a loop calling the same sinks' ChangeValue directly.
#include <WEXOctrl.h>
#include <stdio.h>

namespace
{

const int CALLS = 200000;
const int EVENTS = 20000;
const int SINKS = 20;

double Now()
{
    static LARGE_INTEGER s_freq = {};
    if (s_freq.QuadPart == 0)
        ::QueryPerformanceFrequency(&s_freq);
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)s_freq.QuadPart;
}

void Report(const char* lpszWhat, double tOurs, double tBaseline)
{
    printf("%-58s ours %8.3f ms  baseline %8.3f ms  ratio = %.2f\n", lpszWhat, tOurs * 1000.0,
        tBaseline * 1000.0, tBaseline / tOurs);
}

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
    STDMETHOD(ChangeValue)(IDispatch*) override { m_nCalls++; return S_OK; }
    STDMETHOD(ChangeState)(IDispatch*) override { return S_OK; }
};

// get and put of "Value" CALLS times each, alternating two texts so that every put changes it
double LateBound(IDispatch* pDisp, BSTR bstrA, BSTR bstrB)
{
    LPOLESTR name = const_cast<LPOLESTR>(L"Value");
    DISPID dispid = 0;
    if (FAILED(pDisp->GetIDsOfNames(IID_NULL, &name, 1, 0, &dispid)))
        return -1;
    DISPID dispidPut = DISPID_PROPERTYPUT;
    VARIANT arg;
    arg.vt = VT_BSTR;
    DISPPARAMS put = { &arg, &dispidPut, 1, 1 };
    DISPPARAMS get = { NULL, NULL, 0, 0 };
    double t0 = Now();
    for (int i = 0; i < CALLS; i++)
    {
        arg.bstrVal = (i & 1) ? bstrA : bstrB;
        if (FAILED(pDisp->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, NULL, NULL, NULL)))
            return -1;
        VARIANT result;
        ::VariantInit(&result);
        if (FAILED(pDisp->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYGET, &get, &result, NULL, NULL)))
            return -1;
        ::VariantClear(&result);
    }
    return Now() - t0;
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
    LateBound(pProp, bstrA, bstrB);   // warm-up
    double tOurs = LateBound(pProp, bstrA, bstrB);
    double tStd = LateBound(pStdDisp, bstrA, bstrB);
    if (tOurs < 0 || tStd < 0)
    {
        printf("automation_bench: a late-bound call failed\n");
        return 1;
    }
    Report("late-bound get+put Value: dispatch map vs std dispatcher", tOurs, tStd);

    // 2. early-bound put against a direct call
    IDBPROP* pDB = NULL;
    pProp->QueryInterface(IID_IDBPROP, (void**)&pDB);
    VARIANT va, vb;
    va.vt = vb.vt = VT_BSTR;
    va.bstrVal = bstrA;
    vb.bstrVal = bstrB;
    double t0 = Now();
    for (int i = 0; i < CALLS; i++)
        pDB->put_Value((i & 1) ? va : vb);
    double tEarly = Now() - t0;
    t0 = Now();
    for (int i = 0; i < CALLS; i++)
        plain.SetValue((i & 1) ? va : vb);
    double tDirect = Now() - t0;
    Report("early-bound put Value vs direct C++ store", tEarly, tDirect);

    // 3. one change event to 20 sinks
    CCountingSink sinks[SINKS];
    DWORD cookies[SINKS];
    for (int i = 0; i < SINKS; i++)
        AfxConnectionAdvise(pProp, IID_DBPROPEVENTS, &sinks[i], TRUE, &cookies[i]);
    CObjXDBProp* pObj = CObjXDBProp::ObjectFromIDisp(pProp);
    t0 = Now();
    for (int i = 0; i < EVENTS; i++)
        pObj->FireChangeValue();
    double tFire = Now() - t0;
    t0 = Now();
    for (int i = 0; i < EVENTS; i++)
        for (int s = 0; s < SINKS; s++)
            sinks[s].ChangeValue(pProp);
    double tLoop = Now() - t0;
    Report("change event to 20 sinks vs a loop over the sinks", tFire, tLoop);
    for (int i = 0; i < SINKS; i++)
        AfxConnectionUnadvise(pProp, IID_DBPROPEVENTS, &sinks[i], TRUE, cookies[i]);

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
