// Property objects as a host sees them: made by CreateProperty, reached late-bound and through
// the property interfaces, followed by change events, linked, collected and aggregated.
#include <WEXOctrl.h>
#include "properties/PropObjects.h"
#include "properties/Connections.h"
#include <gtest/gtest.h>
#include <vector>
#include "wexotest.h"

namespace {

// A host's event sink: records each event with the state the property had when it came.
class CRecordingSink : public DBPROPEVENTS
{
public:
    LONG m_nRef = 1;
    std::vector<std::pair<int, WORD>> m_events;   // slot, property state at the call

    STDMETHOD_(ULONG, AddRef)() override { return ++m_nRef; }
    STDMETHOD_(ULONG, Release)() override { return --m_nRef; }
    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_DBPROPEVENTS) || IsEqualIID(iid, IID_IDispatch))
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT Record(int nSlot, IDispatch* pProp)
    {
        IDBPROP* p = NULL;
        WORD nState = 0xFFFF;
        if (SUCCEEDED(pProp->QueryInterface(IID_IDBPROP, (void**)&p)))
        {
            p->get_State(&nState);
            p->Release();
        }
        m_events.push_back({ nSlot, nState });
        return S_OK;
    }
    STDMETHOD(ChangeParent)(IDispatch* p) override { return Record(7, p); }
    STDMETHOD(ChangeName)(IDispatch* p) override { return Record(8, p); }
    STDMETHOD(ChangeType)(IDispatch* p) override { return Record(9, p); }
    STDMETHOD(ChangeCategory)(IDispatch* p) override { return Record(10, p); }
    STDMETHOD(ChangeValue)(IDispatch* p) override { return Record(11, p); }
    STDMETHOD(ChangeState)(IDispatch* p) override { return Record(12, p); }
};

// A host's outer object that aggregates a library property and takes it in through
// IXCMDTARGET, as the library's own objects do.
class CHostOuter : public IXCMDTARGET
{
public:
    virtual ~CHostOuter() {}
    LONG m_nRef = 1;
    IUnknown* m_pInner = NULL;
    STDMETHOD_(ULONG, AddRef)() override { return ++m_nRef; }
    STDMETHOD_(ULONG, Release)() override
    {
        if (--m_nRef > 0)
            return m_nRef;
        m_nRef = 1;
        IUnknown* pInner = m_pInner;
        m_pInner = NULL;
        if (pInner != NULL)
            pInner->Release();
        m_nRef = 0;
        return 0;
    }
    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IXCMDTARGET))
        {
            *ppv = static_cast<IXCMDTARGET*>(this);
            AddRef();
            return S_OK;
        }
        if (m_pInner != NULL)
            return m_pInner->QueryInterface(iid, ppv);
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    STDMETHOD(put_Parent)(IDispatch*) override { return S_OK; }
    STDMETHOD(get_Parent)(IDispatch** pp) override { *pp = NULL; return E_FAIL; }
    STDMETHOD(AddAggregate)(IUnknown* pInner, BOOL* pbResult) override
    {
        m_pInner = pInner;
        pInner->AddRef();
        *pbResult = TRUE;
        return S_OK;
    }
};

VARIANT I4(long n) { VARIANT v; v.vt = VT_I4; v.lVal = n; return v; }

COleVariant NamedArray(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> rows)
{
    SAFEARRAYBOUND bounds[2] = { { (ULONG)rows.size(), 0 }, { 2, 0 } };
    SAFEARRAY* psa = ::SafeArrayCreate(VT_BSTR, 2, bounds);
    LONG i = 0;
    for (const auto& row : rows)
    {
        for (LONG c = 0; c < 2; c++)
        {
            LONG idx[2] = { i, c };
            BSTR bstr = ::SysAllocString(c == 0 ? row.first : row.second);
            ::SafeArrayPutElement(psa, idx, bstr);
            ::SysFreeString(bstr);
        }
        i++;
    }
    VARIANT v;
    v.vt = VT_ARRAY | VT_BSTR;
    v.parray = psa;
    COleVariant result;
    result.Attach(v);
    return result;
}

class PropObjectsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxOleInit();
        m_pSaved = g_pPropertiesInfoStuff;
        g_pPropertiesInfoStuff = &m_info;
        CString strName("Label"), strPrompt("Change label\nLabel");
        m_info.Add(7, 1, &strName, &strPrompt, CSize(0, 0), (CImageList*)NULL, 0, NULL, 0);
        CString strWidth("Width");
        m_info.Add(9, 2, &strWidth, &strWidth, CSize(0, 0), (CImageList*)NULL, 0, NULL, 0);
    }
    void TearDown() override { g_pPropertiesInfoStuff = m_pSaved; }

    // a property of id 7 ("Label", type 1) holding "Big red box" in state 4
    IDispatch* MakeLabel() { return CreateProperty(7, COleVariant("Big red box"), 4); }

    CPropertiesInfo m_info;
    CPropertiesInfo* m_pSaved = NULL;
};

} // namespace

TEST_F(PropObjectsTest, CreatePropertyIsReachedLateBoundInTheDocumentedOrder)
{
    IDispatch* pProp = MakeLabel();
    ASSERT_NE(nullptr, pProp);
    const wchar_t* names[] = { L"Parent", L"Name", L"Type", L"Category", L"Value", L"State", L"ID", L"Provider", L"Flags",
        L"PropertyChangeParent", L"PropertyChangeName", L"PropertyChangeType", L"PropertyChangeCategory",
        L"PropertyChangeValue", L"PropertyChangeState" };
    for (int i = 0; i < (int)(sizeof(names) / sizeof(names[0])); i++)
        EXPECT_EQ(i + 1, TestDispId(pProp, names[i])) << i;

    COleVariant v;
    ASSERT_EQ(S_OK, TestDispGet(pProp, L"Value", &v));
    EXPECT_EQ(COleVariant("Big red box"), v);
    v.Clear();
    ASSERT_EQ(S_OK, TestDispGet(pProp, L"Name", &v));
    EXPECT_STREQ(L"Label", v.bstrVal);
    v.Clear();
    ASSERT_EQ(S_OK, TestDispGet(pProp, L"Type", &v));
    EXPECT_EQ(COleVariant((short)1), v);
    v.Clear();
    ASSERT_EQ(S_OK, TestDispGet(pProp, L"State", &v));
    EXPECT_EQ(4, v.iVal);

    // early-bound: the same object through its interfaces
    struct { const IID* piid; const char* name; } interfaces[] = {
        { &IID_IDBPROP, "IDBPROP" }, { &IID_IConnectionPointContainer, "container" },
        { &IID_ISupportErrorInfo, "error info" }, { &IID_IXCMDTARGET, "IXCMDTARGET" } };
    for (const auto& i : interfaces)
    {
        IUnknown* p = NULL;
        EXPECT_EQ(S_OK, pProp->QueryInterface(*i.piid, (void**)&p)) << i.name;
        if (p != NULL)
            p->Release();
    }
    IDBPROP* pDB = NULL;
    ASSERT_EQ(S_OK, pProp->QueryInterface(IID_IDBPROP, (void**)&pDB));
    ASSERT_EQ(S_OK, pDB->put_Value(COleVariant("Small box")));
    DWORD nID = 0;
    pDB->get_ID(&nID);
    EXPECT_EQ(7u, nID);
    EXPECT_EQ(CObjXDBProp::ObjectFromDbProp(pDB), CObjXDBProp::ObjectFromIDisp(pProp));
    EXPECT_EQ(COleVariant("Small box"), CObjXDBProp::ObjectFromIDisp(pProp)->m_varValue);
    pDB->Release();
    pProp->Release();

    // unknown ids and a missing table give nothing
    EXPECT_EQ(nullptr, CreateProperty(8, COleVariant(1L), 4));
    g_pPropertiesInfoStuff = NULL;
    EXPECT_EQ(nullptr, MakeLabel());
}

TEST_F(PropObjectsTest, NameOfAnUnregisteredIdReadsUnknown)
{
    IDispatch* pProp = MakeLabel();
    COleVariant v;
    ASSERT_EQ(S_OK, TestDispPut(pProp, L"ID", I4(1234)));
    ASSERT_EQ(S_OK, TestDispGet(pProp, L"Name", &v));
    EXPECT_STREQ(L"Unknown", v.bstrVal);
    pProp->Release();
}

TEST_F(PropObjectsTest, SinksHearChangesAndNothingForEqualValues)
{
    IDispatch* pProp = MakeLabel();
    CObjXDBProp* pObj = CObjXDBProp::ObjectFromIDisp(pProp);
    CRecordingSink sink;
    DWORD dwCookie = 0;
    ASSERT_TRUE(AfxConnectionAdvise(pProp, IID_DBPROPEVENTS, &sink, TRUE, &dwCookie));

    typedef std::vector<std::pair<int, WORD>> Events;
    struct Step { const char* what; std::function<void()> act; Events expected; };
    Step steps[] = {
        { "changed value", [&] { TestDispPut(pProp, L"Value", COleVariant("Blue box")); }, { { 11, 4 } } },
        { "equal value", [&] { TestDispPut(pProp, L"Value", COleVariant("Blue box")); }, {} },
        { "a number after text", [&] { TestDispPut(pProp, L"Value", I4(5)); }, { { 11, 4 } } },
        { "press: 1 then the old state", [&] { TestDispPut(pProp, L"State", I4(1)); }, { { 12, 1 }, { 12, 4 } } },
        { "same state", [&] { TestDispPut(pProp, L"State", I4(4)); }, {} },
        { "checked", [&] { TestDispPut(pProp, L"State", I4(6)); }, { { 12, 6 } } },
        { "type changed", [&] { TestDispPut(pProp, L"Type", I4(3)); }, { { 9, 6 } } },
        { "type equal", [&] { TestDispPut(pProp, L"Type", I4(3)); }, {} },
        { "id: no event", [&] { TestDispPut(pProp, L"ID", I4(9)); }, {} },
        { "locked value", [&] { pObj->m_bValueLocked = TRUE; TestDispPut(pProp, L"Value", COleVariant("x")); pObj->m_bValueLocked = FALSE; }, {} },
        { "named array", [&] { pObj->SetValue(NamedArray({ { L"Left", L"1" }, { L"Right", L"0" } })); }, { { 11, 6 } } },
        { "equal named array", [&] { pObj->SetValue(NamedArray({ { L"Left", L"1" }, { L"Right", L"0" } })); }, {} },
        { "one value text differs", [&] { pObj->SetValue(NamedArray({ { L"Left", L"1" }, { L"Right", L"1" } })); }, { { 11, 6 } } },
    };
    for (auto& step : steps)
    {
        sink.m_events.clear();
        step.act();
        EXPECT_EQ(step.expected, sink.m_events) << step.what;
    }

    ASSERT_TRUE(AfxConnectionUnadvise(pProp, IID_DBPROPEVENTS, &sink, TRUE, dwCookie));
    EXPECT_FALSE(AfxConnectionUnadvise(pProp, IID_DBPROPEVENTS, &sink, TRUE, dwCookie));
    EXPECT_EQ(1, sink.m_nRef);
    pProp->Release();
}

TEST_F(PropObjectsTest, LinkedPropertiesFollowEachOtherWithoutEndlessEcho)
{
    IDispatch* pA = MakeLabel();
    IDispatch* pB = CreateProperty(7, COleVariant(""), 4);
    CConnections connections;
    // b hears a's events; a receives the value b pushes
    ASSERT_EQ(1, connections.Connect(pA, pB));
    ASSERT_EQ(2, connections.GetSize());
    CRecordingSink sinkA, sinkB;
    ASSERT_TRUE(connections.ConnectIEvents((IUnknown*)pA, &sinkA));
    ASSERT_TRUE(connections.ConnectIEvents((IUnknown*)pB, &sinkB));

    // one change, one exchange: b takes the value, a finds it equal when it comes back
    ASSERT_EQ(S_OK, TestDispPut(pA, L"Value", COleVariant("Green")));
    COleVariant v;
    TestDispGet(pB, L"Value", &v);
    EXPECT_EQ(COleVariant("Green"), v);
    EXPECT_EQ(1u, sinkA.m_events.size());
    EXPECT_EQ(1u, sinkB.m_events.size());

    // undoing: the sink's own advises only, then the rest
    EXPECT_EQ(1, connections.DeleteRespondingConnections(&sinkA));
    EXPECT_EQ(1, sinkA.m_nRef);
    EXPECT_EQ(3, connections.GetSize());
    EXPECT_EQ(1, connections.DeleteAllConnections());
    EXPECT_EQ(0, connections.GetSize());
    EXPECT_EQ(1, sinkB.m_nRef);
    ASSERT_EQ(S_OK, TestDispPut(pA, L"Value", COleVariant("Red")));
    v.Clear();
    TestDispGet(pB, L"Value", &v);
    EXPECT_EQ(COleVariant("Green"), v);
    pA->Release();
    pB->Release();
}

TEST_F(PropObjectsTest, CollectionsOfProperties)
{
    LONG nLocks = AfxOleGetLockCount();
    CObjXDBPropColl* pColl = new CObjXDBPropColl;
    IDispatch* pDisp = pColl->GetIDispatch(FALSE);
    IDispatch* pLabel = MakeLabel();
    IDispatch* pWidth = CreateProperty(9, COleVariant(2L), 4);
    EXPECT_EQ(nLocks + 3, AfxOleGetLockCount());

    ASSERT_EQ(S_OK, TestDispCall(pDisp, L"Add", { [&] { VARIANT v; v.vt = VT_DISPATCH; v.pdispVal = pLabel; return v; }() }));
    IDBCOLLECTION* pDB = NULL;
    ASSERT_EQ(S_OK, pDisp->QueryInterface(IID_IDBCOLLECTION, (void**)&pDB));
    ASSERT_EQ(S_OK, pDB->Add(pWidth));
    // an item knows the collection as its parent
    COleVariant v;
    ASSERT_EQ(S_OK, TestDispGet(pLabel, L"Parent", &v));
    EXPECT_EQ(pColl, CCmdTarget::FromIDispatch(v.pdispVal));
    v.Clear();

    long nCount = 0;
    pDB->Count(0, &nCount);
    EXPECT_EQ(2, nCount);
    IDispatch* pItem = (IDispatch*)1;
    EXPECT_EQ(E_UNEXPECTED, pDB->Item(5, 0, &pItem));
    EXPECT_EQ(nullptr, pItem);
    ASSERT_EQ(S_OK, pDB->Item(1, 0, &pItem));
    EXPECT_EQ(CObjXDBProp::ObjectFromIDisp(pWidth), CObjXDBProp::ObjectFromIDisp(pItem));
    pItem->Release();
    ASSERT_EQ(S_OK, TestDispGet(pDisp, L"Item", &v, { I4(0) }));
    EXPECT_EQ(CObjXDBProp::ObjectFromIDisp(pLabel), CObjXDBProp::ObjectFromIDisp(v.pdispVal));
    v.Clear();

    // bad input: a read-only count, removal, an item that is no library object
    EXPECT_EQ(DISP_E_EXCEPTION, TestDispPut(pDisp, L"Count", I4(0)));
    VARIANT key = I4(0);
    EXPECT_EQ(S_OK, pDB->Remove(&key, &pItem));
    EXPECT_EQ(nullptr, pItem);
    ASSERT_EQ(S_OK, TestDispCall(pDisp, L"Remove", { I4(0) }, &v));
    EXPECT_TRUE(v.vt == VT_DISPATCH && v.pdispVal == NULL);
    CRecordingSink stranger;
    EXPECT_EQ(E_NOINTERFACE, pDB->Add(&stranger));
    EXPECT_EQ(2, pColl->GetCount());
    EXPECT_EQ(1, pColl->FindPropIndex(9));
    EXPECT_EQ(-1, pColl->FindPropIndex(8));

    pDB->Release();
    pLabel->Release();
    pWidth->Release();
    pColl->InternalRelease();
    EXPECT_EQ(nLocks, AfxOleGetLockCount());
}

TEST_F(PropObjectsTest, SetPropValueStateCodes)
{
    struct { int code; WORD from; WORD expected; } cases[] = {
        { 1, 4, 6 }, { 0x81, 4, 2 }, { 0, 6, 4 }, { 0x80, 6, 4 }, { 0x80, 0, 4 }, { 5, 2, 6 }, { -1, 2, 2 } };
    CObjXDBPropColl* pColl = new CObjXDBPropColl;
    IDispatch* pLabel = MakeLabel();
    pColl->Add(pLabel);
    CObjXDBProp* pObj = CObjXDBProp::ObjectFromIDisp(pLabel);
    for (const auto& c : cases)
    {
        pObj->m_nState = c.from;
        pColl->SetPropValue(0, NULL, c.code, 2);
        EXPECT_EQ(c.expected, pObj->m_nState) << "code " << c.code << " from " << c.from;
        EXPECT_EQ(1, pObj->m_nChangeMode);
    }
    pColl->SetPropValue(0, "New text", -1, 2);
    EXPECT_EQ(COleVariant("New text"), pObj->m_varValue);
    pColl->SetPropValue(3, "ignored", 1, 2);   // no item there
    pLabel->Release();
    pColl->InternalRelease();
}

TEST_F(PropObjectsTest, AggregatedInAHostObject)
{
    LONG nLocks = AfxOleGetLockCount();
    CHostOuter* pOuter = new CHostOuter;
    IUnknown* pInner = CXCmdTarget::CreateAggregated(RUNTIME_CLASS(CObjXDBProp), pOuter);
    ASSERT_NE(nullptr, pInner);
    EXPECT_EQ(pInner, pOuter->m_pInner);      // registered through IXCMDTARGET
    EXPECT_EQ(nLocks + 1, AfxOleGetLockCount());

    IDBPROP* pProp = NULL;
    ASSERT_EQ(S_OK, pOuter->QueryInterface(IID_IDBPROP, (void**)&pProp));
    IUnknown* pIdentity = NULL;
    pProp->QueryInterface(IID_IUnknown, (void**)&pIdentity);
    EXPECT_EQ(static_cast<IUnknown*>(static_cast<IXCMDTARGET*>(pOuter)), pIdentity);
    pIdentity->Release();
    pProp->put_Value(COleVariant("inside"));
    pProp->Release();

    pOuter->Release();      // the last outer reference frees the inner object
    EXPECT_EQ(nLocks, AfxOleGetLockCount());
    delete pOuter;
}
