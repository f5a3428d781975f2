// Automation of command targets: dispatch maps and Invoke, interface maps and aggregation,
// connection points, the application lock and COleVariant.
#include <afxdisp.h>
#include <gtest/gtest.h>
#include "fxtest.h"
#include "wexotest.h"

namespace {

// {6A1B0F20-3C11-4E55-9A0E-111111111111}
const IID IID_ITestCounter = { 0x6a1b0f20, 0x3c11, 0x4e55, { 0x9a, 0x0e, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11 } };
// {6A1B0F21-3C11-4E55-9A0E-222222222222}
const IID IID_ITestSink = { 0x6a1b0f21, 0x3c11, 0x4e55, { 0x9a, 0x0e, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22 } };

struct ITestCounter : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE Bump(long* pnValue) = 0;
};

struct ITestSink : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE Changed(long nValue) = 0;
};

class CShape : public CCmdTarget
{
public:
    CShape()
    {
        EnableAutomation();
        EnableAggregation();
        EnableConnections();
        AfxOleLockApp();
    }
    ~CShape() override
    {
        s_nDeleted++;
        AfxOleUnlockApp();
    }

    long m_nWidth = 1;
    CString m_strLabel;
    int m_nLabelChanges = 0;
    short m_nKind = 0;
    long m_nCounter = 0;

    void OnLabelChanged() { m_nLabelChanges++; }
    short GetKind() { return m_nKind; }
    void SetKind(short n) { m_nKind = n; }
    long GetCount() { return 3; }
    long GetItem(long i)
    {
        if (i < 0 || i >= 3)
            AfxThrowOleDispatchException(7, "no such item");
        return i * 10;
    }
    BSTR Join(LPCSTR a, long n) { CString s; s.Format("%s:%ld", a, n); return s.AllocSysString(); }
    void FailOle() { AfxThrowOleException(E_ACCESSDENIED); }
    VARIANT Echo(const VARIANT& v) { VARIANT r; ::VariantInit(&r); ::VariantCopy(&r, const_cast<VARIANT*>(&v)); return r; }

    void Fire(long nValue)
    {
        // the sinks are taken before any is called: one may unadvise itself on the way
        CPtrArray snapshot;
        snapshot.Copy(*m_xChanges.GetConnections());
        for (INT_PTR i = 0; i < snapshot.GetSize(); i++)
            ((ITestSink*)snapshot[i])->Changed(nValue);
    }

    static int s_nDeleted;

    DECLARE_DISPATCH_MAP()
    DECLARE_INTERFACE_MAP()
    DECLARE_CONNECTION_MAP()

    BEGIN_INTERFACE_PART(Counter, ITestCounter)
        STDMETHOD(Bump)(long* pnValue);
    END_INTERFACE_PART(Counter)

    BEGIN_CONNECTION_PART(CShape, Changes)
        CONNECTION_IID(IID_ITestSink)
    END_CONNECTION_PART(Changes)
};

int CShape::s_nDeleted = 0;

BEGIN_DISPATCH_MAP(CShape, CCmdTarget)
    DISP_PROPERTY(CShape, "Width", m_nWidth, VT_I4)
    DISP_PROPERTY_NOTIFY(CShape, "Label", m_strLabel, OnLabelChanged, VT_BSTR)
    DISP_PROPERTY_EX(CShape, "Kind", GetKind, SetKind, VT_I2)
    DISP_PROPERTY_EX(CShape, "Count", GetCount, SetNotSupported, VT_I4)
    DISP_PROPERTY_PARAM(CShape, "Item", GetItem, SetNotSupported, VT_I4, VTS_I4)
    DISP_FUNCTION(CShape, "Join", Join, VT_BSTR, VTS_BSTR VTS_I4)
    DISP_FUNCTION(CShape, "FailOle", FailOle, VT_EMPTY, VTS_NONE)
    DISP_FUNCTION(CShape, "Echo", Echo, VT_VARIANT, VTS_VARIANT)
END_DISPATCH_MAP()

BEGIN_INTERFACE_MAP(CShape, CCmdTarget)
    INTERFACE_PART(CShape, IID_ITestCounter, Counter)
END_INTERFACE_MAP()

BEGIN_CONNECTION_MAP(CShape, CCmdTarget)
    CONNECTION_PART(CShape, IID_ITestSink, Changes)
END_CONNECTION_MAP()

IMPLEMENT_PART_IUNKNOWN(CShape, Counter)

STDMETHODIMP CShape::XCounter::Bump(long* pnValue)
{
    METHOD_PROLOGUE_EX(CShape, Counter)
    *pnValue = ++pThis->m_nCounter;
    return S_OK;
}

// A derived class: its own members come first, numbered from 1; the base's stay reachable.
class CBox : public CShape
{
public:
    long m_nDepth = 4;
    DECLARE_DISPATCH_MAP()
};

BEGIN_DISPATCH_MAP(CBox, CShape)
    DISP_PROPERTY(CBox, "Depth", m_nDepth, VT_I4)
END_DISPATCH_MAP()

// A sink that counts what it receives; optionally it unadvises itself at the first call.
class CTestSink : public ITestSink
{
public:
    LONG m_nRef = 1;
    int m_nCalls = 0;
    long m_nLast = 0;
    IConnectionPoint* m_pUnadviseFrom = NULL;
    DWORD m_dwCookie = 0;

    STDMETHOD_(ULONG, AddRef)() override { return ++m_nRef; }
    STDMETHOD_(ULONG, Release)() override { return --m_nRef; }
    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ITestSink))
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD(Changed)(long nValue) override
    {
        m_nCalls++;
        m_nLast = nValue;
        if (m_pUnadviseFrom != NULL)
        {
            m_pUnadviseFrom->Unadvise(m_dwCookie);
            m_pUnadviseFrom = NULL;
        }
        return S_OK;
    }
};

// An outer object of a host that aggregates a CShape: its own IUnknown is the identity, the
// rest is answered by the inner object.
class COuter : public IUnknown
{
public:
    LONG m_nRef = 1;
    IUnknown* m_pInner = NULL;

    STDMETHOD_(ULONG, AddRef)() override { return ++m_nRef; }
    STDMETHOD_(ULONG, Release)() override
    {
        if (--m_nRef > 0)
            return m_nRef;
        m_nRef = 1;     // guard against re-entry while the inner object goes
        if (m_pInner != NULL)
            m_pInner->Release();
        m_pInner = NULL;
        return 0;
    }
    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown))
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        return m_pInner != NULL ? m_pInner->QueryInterface(iid, ppv) : E_NOINTERFACE;
    }
};

// texts used as arguments (real BSTRs, which callees may measure and copy)
const COleVariant& Text(const char* psz)
{
    static CMapStringToPtr s_texts;
    void* p = NULL;
    if (!s_texts.Lookup(psz, p))
    {
        p = new COleVariant(psz);
        s_texts.SetAt(psz, p);
    }
    return *(const COleVariant*)p;
}

VARIANT I4(long n) { VARIANT v; v.vt = VT_I4; v.lVal = n; return v; }

class AutomationTest : public ::testing::Test
{
protected:
    void SetUp() override { m_pShape = new CShape; m_pDisp = m_pShape->GetIDispatch(FALSE); }
    void TearDown() override { m_pShape->InternalRelease(); }
    CShape* m_pShape = NULL;
    IDispatch* m_pDisp = NULL;
};

} // namespace

TEST_F(AutomationTest, DispatchIdsFollowMapPositionAndNamesIgnoreCase)
{
    EXPECT_EQ(1, TestDispId(m_pDisp, L"Width"));
    EXPECT_EQ(3, TestDispId(m_pDisp, L"kind"));
    EXPECT_EQ(8, TestDispId(m_pDisp, L"ECHO"));
    EXPECT_EQ(DISPID_UNKNOWN, TestDispId(m_pDisp, L"Height"));

    CBox box;
    IDispatch* pBox = box.GetIDispatch(FALSE);
    EXPECT_EQ(1, TestDispId(pBox, L"Depth"));
    EXPECT_EQ(MAKELONG(1, 1), TestDispId(pBox, L"Width"));
    COleVariant v;
    ASSERT_EQ(S_OK, TestDispPut(pBox, L"Width", I4(12)));
    EXPECT_EQ(12, box.m_nWidth);
    ASSERT_EQ(S_OK, TestDispGet(pBox, L"Depth", &v));
    EXPECT_EQ(4, v.lVal);
    box.m_dwRef = 0;    // a stack object: no final release
}

TEST_F(AutomationTest, GetPutAndMethodsCoerceArguments)
{
    COleVariant v;
    // text that reads as a number is accepted for a numeric property
    ASSERT_EQ(S_OK, TestDispPut(m_pDisp, L"Width", Text("6")));
    EXPECT_EQ(6, m_pShape->m_nWidth);
    ASSERT_EQ(S_OK, TestDispGet(m_pDisp, L"Width", &v));
    EXPECT_EQ(VT_I4, v.vt);
    EXPECT_EQ(6, v.lVal);

    // the notify form stores, then tells the object
    ASSERT_EQ(S_OK, TestDispPut(m_pDisp, L"Label", Text("Big red box")));
    EXPECT_STREQ("Big red box", m_pShape->m_strLabel);
    EXPECT_EQ(1, m_pShape->m_nLabelChanges);

    // a long into a short property, and the result in the declared type
    ASSERT_EQ(S_OK, TestDispPut(m_pDisp, L"Kind", I4(14)));
    v.Clear();
    ASSERT_EQ(S_OK, TestDispGet(m_pDisp, L"Kind", &v));
    EXPECT_EQ(VT_I2, v.vt);
    EXPECT_EQ(14, v.iVal);

    // a put by reference
    long nRef = 33;
    VARIANT byRef;
    byRef.vt = VT_BYREF | VT_I4;
    byRef.plVal = &nRef;
    ASSERT_EQ(S_OK, TestDispInvoke(m_pDisp, TestDispId(m_pDisp, L"Width"), DISPATCH_PROPERTYPUTREF, { byRef }));
    EXPECT_EQ(33, m_pShape->m_nWidth);

    v.Clear();
    ASSERT_EQ(S_OK, TestDispCall(m_pDisp, L"Join", { Text("abc"), Text("42") }, &v));
    ASSERT_EQ(VT_BSTR, v.vt);
    EXPECT_STREQ(L"abc:42", v.bstrVal);

    v.Clear();
    ASSERT_EQ(S_OK, TestDispGet(m_pDisp, L"Item", &v, { I4(2) }));
    EXPECT_EQ(20, v.lVal);

    v.Clear();
    ASSERT_EQ(S_OK, TestDispCall(m_pDisp, L"Echo", { Text("x y") }, &v));
    EXPECT_STREQ(L"x y", v.bstrVal);
}

TEST_F(AutomationTest, BadCallsGetTheStandardErrors)
{
    COleVariant v;
    UINT nArgErr = 99;
    DISPID idJoin = TestDispId(m_pDisp, L"Join");
    struct { DISPID dispid; WORD wFlags; std::initializer_list<VARIANT> args; HRESULT hr; UINT nArgErr; } cases[] = {
        { idJoin, DISPATCH_METHOD, { Text("a") }, DISP_E_BADPARAMCOUNT, 99 },
        { idJoin, DISPATCH_METHOD, { Text("a"), Text("seven") }, DISP_E_TYPEMISMATCH, 0 },
        { idJoin, DISPATCH_PROPERTYPUT, { Text("a") }, DISP_E_MEMBERNOTFOUND, 99 },
        { 1, DISPATCH_PROPERTYGET, { I4(1) }, DISP_E_BADPARAMCOUNT, 99 },
        { 1, DISPATCH_PROPERTYPUT, { Text("wide") }, DISP_E_TYPEMISMATCH, 0 },
        { 99, DISPATCH_PROPERTYGET, {}, DISP_E_MEMBERNOTFOUND, 99 },
        { MAKELONG(1, 5), DISPATCH_PROPERTYGET, {}, DISP_E_MEMBERNOTFOUND, 99 },
    };
    for (const auto& c : cases)
    {
        nArgErr = 99;
        v.Clear();
        EXPECT_EQ(c.hr, TestDispInvoke(m_pDisp, c.dispid, c.wFlags, c.args, &v, &nArgErr))
            << "dispid " << c.dispid << " flags " << c.wFlags;
        EXPECT_EQ(c.nArgErr, nArgErr) << "dispid " << c.dispid;
    }
    EXPECT_EQ(1, m_pShape->m_nWidth);

    // a named argument other than the put value
    DISPID idNamed = 5;
    VARIANT arg = I4(1);
    DISPPARAMS params = { &arg, &idNamed, 1, 1 };
    EXPECT_EQ(DISP_E_NONAMEDARGS, m_pDisp->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE, m_pDisp->Invoke(1, IID_IUnknown, 0, DISPATCH_PROPERTYGET, &params, NULL, NULL, NULL));
}

TEST_F(AutomationTest, FrameworkExceptionsReachTheCallerAsExcepInfo)
{
    struct { const wchar_t* name; WORD wFlags; std::initializer_list<VARIANT> args; WORD wCode; SCODE scode; } cases[] = {
        { L"Count", DISPATCH_PROPERTYPUT, { I4(5) }, 0, CTL_E_SETNOTSUPPORTED },
        { L"Item", DISPATCH_PROPERTYGET, { I4(5) }, 7, 0 },
        { L"FailOle", DISPATCH_METHOD, {}, 0, E_ACCESSDENIED },
    };
    for (const auto& c : cases)
    {
        EXCEPINFO ei;
        memset(&ei, 0xCC, sizeof(ei));
        COleVariant v;
        EXPECT_EQ(DISP_E_EXCEPTION, TestDispInvoke(m_pDisp, TestDispId(m_pDisp, c.name), c.wFlags, c.args, &v, NULL, &ei));
        EXPECT_EQ(c.wCode, ei.wCode);
        EXPECT_EQ(c.scode, ei.scode);
        EXPECT_NE(nullptr, ei.bstrSource);
        ::SysFreeString(ei.bstrSource);
        ::SysFreeString(ei.bstrDescription);
        ::SysFreeString(ei.bstrHelpFile);
    }
    COleVariant v;
    ASSERT_EQ(S_OK, TestDispGet(m_pDisp, L"Count", &v));
    EXPECT_EQ(3, v.lVal);
}

TEST_F(AutomationTest, IdentityInterfacePartsAndFromIDispatch)
{
    IUnknown* pUnk1 = NULL;
    IUnknown* pUnk2 = NULL;
    ITestCounter* pCounter = NULL;
    ASSERT_EQ(S_OK, m_pDisp->QueryInterface(IID_IUnknown, (void**)&pUnk1));
    ASSERT_EQ(S_OK, m_pDisp->QueryInterface(IID_ITestCounter, (void**)&pCounter));
    ASSERT_EQ(S_OK, pCounter->QueryInterface(IID_IUnknown, (void**)&pUnk2));
    EXPECT_EQ(pUnk1, pUnk2);
    EXPECT_EQ(m_pShape->GetControllingUnknown(), pUnk1);
    long n = 0;
    pCounter->Bump(&n);
    pCounter->Bump(&n);
    EXPECT_EQ(2, n);
    EXPECT_EQ(4, m_pShape->m_dwRef);
    pUnk1->Release();
    pUnk2->Release();
    pCounter->Release();
    EXPECT_EQ(1, m_pShape->m_dwRef);

    void* p = (void*)1;
    EXPECT_EQ(E_NOINTERFACE, (HRESULT)m_pShape->ExternalQueryInterface(&IID_IStream, &p));
    EXPECT_EQ(nullptr, p);

    EXPECT_EQ(m_pShape, CCmdTarget::FromIDispatch(m_pDisp));
    // a dispatch interface that is not ours is not taken for one
    EXPECT_EQ(nullptr, CCmdTarget::FromIDispatch((IDispatch*)(IUnknown*)pCounter));
    CCmdTarget plain;
    EXPECT_EQ(nullptr, plain.GetIDispatch(FALSE));
}

TEST(AutomationLifetime, LockCountAndAggregationByAnOuterObject)
{
    LONG nLocks = AfxOleGetLockCount();
    int nDeleted = CShape::s_nDeleted;

    COuter outer;
    CShape* pInner = new CShape;
    EXPECT_EQ(nLocks + 1, AfxOleGetLockCount());
    pInner->m_pOuterUnknown = &outer;
    ASSERT_EQ(S_OK, (HRESULT)pInner->InternalQueryInterface(&IID_IUnknown, (void**)&outer.m_pInner));
    pInner->InternalRelease();      // the outer object's reference is the one left

    // through the outer object: the inner's interfaces, whose IUnknown is the outer one
    ITestCounter* pCounter = NULL;
    ASSERT_EQ(S_OK, outer.QueryInterface(IID_ITestCounter, (void**)&pCounter));
    EXPECT_EQ(2, outer.m_nRef);
    IUnknown* pIdentity = NULL;
    ASSERT_EQ(S_OK, pCounter->QueryInterface(IID_IUnknown, (void**)&pIdentity));
    EXPECT_EQ(&outer, pIdentity);
    pIdentity->Release();
    pCounter->Release();
    EXPECT_EQ(1, outer.m_nRef);
    EXPECT_EQ(nDeleted, CShape::s_nDeleted);

    outer.Release();
    EXPECT_EQ(nDeleted + 1, CShape::s_nDeleted);
    EXPECT_EQ(nLocks, AfxOleGetLockCount());
}

TEST_F(AutomationTest, ConnectionPointsAdviseFireAndUnadvise)
{
    IConnectionPointContainer* pCPC = NULL;
    ASSERT_EQ(S_OK, m_pDisp->QueryInterface(IID_IConnectionPointContainer, (void**)&pCPC));
    IConnectionPoint* pCP = NULL;
    EXPECT_EQ(CONNECT_E_NOCONNECTION, pCPC->FindConnectionPoint(IID_IDispatch, &pCP));
    ASSERT_EQ(S_OK, pCPC->FindConnectionPoint(IID_ITestSink, &pCP));
    IID iid;
    pCP->GetConnectionInterface(&iid);
    EXPECT_TRUE(IsEqualIID(iid, IID_ITestSink));

    CTestSink a, b, c;
    DWORD dwA = 0, dwB = 0, dwC = 0;
    ASSERT_EQ(S_OK, pCP->Advise(&a, &dwA));
    ASSERT_EQ(S_OK, pCP->Advise(&b, &dwB));
    ASSERT_EQ(S_OK, pCP->Advise(&c, &dwC));
    EXPECT_NE(dwA, dwB);
    EXPECT_NE(dwB, dwC);
    EXPECT_EQ(2, a.m_nRef);
    DWORD dwBad = 1;
    EXPECT_EQ(CONNECT_E_CANNOTCONNECT, pCP->Advise(m_pDisp, &dwBad));    // no sink interface
    EXPECT_EQ(0u, dwBad);

    // b unadvises itself while the event is under way; c still hears this one
    b.m_pUnadviseFrom = pCP;
    b.m_dwCookie = dwB;
    m_pShape->Fire(5);
    EXPECT_EQ(1, a.m_nCalls);
    EXPECT_EQ(1, b.m_nCalls);
    EXPECT_EQ(5, c.m_nLast);
    EXPECT_EQ(1, b.m_nRef);
    m_pShape->Fire(6);
    EXPECT_EQ(2, a.m_nCalls);
    EXPECT_EQ(1, b.m_nCalls);

    IEnumConnections* pEnum = NULL;
    ASSERT_EQ(S_OK, pCP->EnumConnections(&pEnum));
    CONNECTDATA cd[3];
    ULONG nFetched = 0;
    EXPECT_EQ(S_FALSE, pEnum->Next(3, cd, &nFetched));
    ASSERT_EQ(2u, nFetched);
    EXPECT_EQ(dwA, cd[0].dwCookie);
    EXPECT_EQ(dwC, cd[1].dwCookie);
    cd[0].pUnk->Release();
    cd[1].pUnk->Release();
    pEnum->Release();

    EXPECT_EQ(CONNECT_E_NOCONNECTION, pCP->Unadvise(dwB));
    EXPECT_EQ(CONNECT_E_NOCONNECTION, pCP->Unadvise(0xBAD));
    EXPECT_EQ(S_OK, pCP->Unadvise(dwA));
    EXPECT_EQ(1, a.m_nRef);

    IEnumConnectionPoints* pPoints = NULL;
    ASSERT_EQ(S_OK, pCPC->EnumConnectionPoints(&pPoints));
    IConnectionPoint* pFound = NULL;
    ASSERT_EQ(S_OK, pPoints->Next(1, &pFound, NULL));
    EXPECT_EQ(pCP, pFound);
    pFound->Release();
    EXPECT_EQ(S_FALSE, pPoints->Next(1, &pFound, NULL));
    pPoints->Release();

    pCP->Release();
    pCPC->Release();
    EXPECT_EQ(1, m_pShape->m_dwRef);
}

TEST(AutomationWindow, FinalReleaseLeavesALiveWindowAlone)
{
    CWnd* pWnd = new CWnd;
    ASSERT_TRUE(pWnd->CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
    pWnd->EnableAutomation();
    IDispatch* pDisp = pWnd->GetIDispatch(TRUE);
    ASSERT_NE(nullptr, pDisp);
    pDisp->Release();
    pDisp->Release();     // the creation reference too: the window must survive it
    EXPECT_TRUE(::IsWindow(pWnd->m_hWnd));
    EXPECT_EQ(pWnd, CWnd::FromHandlePermanent(pWnd->m_hWnd));
    pWnd->DestroyWindow();
    delete pWnd;
}

struct VariantCase
{
    const char* name;
    COleVariant a, b;
    bool equal;
};

TEST(OleVariant, EqualityIsSameTypeAndSameValue)
{
    VariantCase cases[] = {
        { "I2 5 vs I4 5", COleVariant((short)5), COleVariant(5L), false },
        { "I4 5 vs I4 5", COleVariant(5L), COleVariant(5L), true },
        { "same text", COleVariant("Big red box"), COleVariant("Big red box"), true },
        { "case differs", COleVariant("box"), COleVariant("Box"), false },
        { "prefix", COleVariant("box"), COleVariant("box "), false },
        { "empty vs empty", COleVariant(), COleVariant(), true },
        { "bool true forms", COleVariant((short)1, VT_BOOL), COleVariant(true), true },
        { "R8", COleVariant(2.5), COleVariant(2.5), true },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.equal, c.a == c.b) << c.name;

    // arrays of text compare element by element
    auto MakeArray = [](const wchar_t* a, const wchar_t* b) {
        SAFEARRAYBOUND bound = { 2, 0 };
        SAFEARRAY* psa = ::SafeArrayCreate(VT_BSTR, 1, &bound);
        const wchar_t* items[] = { a, b };
        for (LONG i = 0; i < 2; i++)
        {
            BSTR bstr = ::SysAllocString(items[i]);
            ::SafeArrayPutElement(psa, &i, bstr);
            ::SysFreeString(bstr);
        }
        VARIANT v;
        v.vt = VT_ARRAY | VT_BSTR;
        v.parray = psa;
        COleVariant result;
        result.Attach(v);
        return result;
    };
    EXPECT_TRUE(MakeArray(L"Left", L"1") == MakeArray(L"Left", L"1"));
    EXPECT_FALSE(MakeArray(L"Left", L"1") == MakeArray(L"Left", L"0"));
}

TEST(OleVariant, ChangeTypeAttachAndDetach)
{
    COleVariant v("1234.5");
    v.ChangeType(VT_R8);
    EXPECT_EQ(VT_R8, v.vt);
    EXPECT_DOUBLE_EQ(1234.5, v.dblVal);
    EXPECT_TRUE(ThrowsFx<COleException>([&] { COleVariant t("seven"); t.ChangeType(VT_I4); }));

    VARIANT raw = v.Detach();
    EXPECT_EQ(VT_EMPTY, v.vt);
    EXPECT_EQ(VT_R8, raw.vt);
    COleVariant w;
    w.Attach(raw);
    EXPECT_EQ(VT_EMPTY, raw.vt);
    EXPECT_DOUBLE_EQ(1234.5, w.dblVal);
    w.Clear();
    EXPECT_EQ(VT_EMPTY, w.vt);
}
