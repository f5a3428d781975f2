// Property clients joined to the library's own properties: values and states both ways, the
// interim rule, the callbacks' cancel and revert, deferred destruction and disconnection.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "wexotest.h"

namespace {

// An editor as the inspector has them: a text it shows and sends, a state word, a log of what
// the property told it.
class CTextClient : public CPropClient
{
public:
    CString m_strText;
    std::vector<std::string> m_log;
    int m_nReverts = 0;
    std::function<void()> m_onValue;

    int OnSetPropValue(VARIANT value, DWORD nID, BOOL bFirst, IDispatch*) override
    {
        COleVariant v(value);
        ::VariantChangeType(&v, &v, 0, VT_BSTR);
        m_strText = v.vt == VT_BSTR ? CString(v.bstrVal) : CString();
        m_log.push_back("value " + std::to_string(nID) + " " + (LPCSTR)m_strText + (bFirst ? " first" : ""));
        if (m_onValue)
            m_onValue();
        return 1;
    }
    int OnSetPropState(WORD nState, DWORD nID, BOOL, IDispatch*) override
    {
        m_log.push_back("state " + std::to_string(nID) + " " + std::to_string(nState));
        return 1;
    }
    int GetPropValue(VARIANT* pValue, DWORD, IDispatch*) override
    {
        ::VariantClear(pValue);
        pValue->vt = VT_BSTR;
        pValue->bstrVal = m_strText.AllocSysString();
        return 1;
    }
    int RevertChanges() override { m_nReverts++; return 1; }
};

class PropClientTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxOleInit();
        m_pSaved = g_pPropertiesInfoStuff;
        g_pPropertiesInfoStuff = &m_info;
        CString strName("Label");
        m_info.Add(7, 1, &strName, &strName, CSize(0, 0), (CImageList*)NULL, 0, NULL, 0);
        m_info.Add(8, 1, &strName, &strName, CSize(0, 0), (CImageList*)NULL, 0, NULL, 0);
        m_pProp = CreateProperty(7, COleVariant("start"), 4);
        m_pObj = CObjXDBProp::ObjectFromIDisp(m_pProp);
    }
    void TearDown() override
    {
        m_pProp->Release();
        g_pPropertiesInfoStuff = m_pSaved;
    }
    CString PropText() { return CString(m_pObj->m_varValue.bstrVal); }

    CPropertiesInfo m_info;
    CPropertiesInfo* m_pSaved = NULL;
    IDispatch* m_pProp = NULL;
    CObjXDBProp* m_pObj = NULL;
};

TEST_F(PropClientTest, ModesDecideWhichWayValuesGo)
{
    const struct { WORD nMode; bool bHears; bool bPushes; } cases[] = {
        { PROPCONNECT_BOTH, true, true },
        { PROPCONNECT_EVENTS, true, false },
        { PROPCONNECT_PUSH, false, true },
    };
    for (const auto& c : cases)
    {
        CTextClient client;
        ASSERT_NE(0, client.Connect(m_pProp, NULL, c.nMode)) << c.nMode;
        m_pObj->SetValue(COleVariant("from host"));
        EXPECT_EQ(c.bHears, client.m_strText == "from host") << c.nMode;
        client.m_strText = "typed";
        client.FireChangeValue(NULL, 0, FALSE);     // no target named: every registered property
        EXPECT_EQ(c.bPushes, PropText() == "typed") << c.nMode;
        client.DisconnectAll();
        m_pObj->SetValue(COleVariant("start"));
    }
}

TEST_F(PropClientTest, InterimValuesAreNotEchoedBack)
{
    CTextClient client;
    client.Connect(m_pProp, NULL, PROPCONNECT_BOTH);
    client.m_strText = "ab";
    client.FireChangeValue(m_pProp, 0, TRUE);
    EXPECT_STREQ("ab", PropText());
    EXPECT_TRUE(client.m_log.empty());          // the property's change did not come back
    client.m_strText = "abc";
    client.FireChangeValue(m_pProp, 0, FALSE);
    EXPECT_STREQ("abc", PropText());
    ASSERT_EQ(1u, client.m_log.size());         // a final value is shown as the property has it
    EXPECT_EQ("value 7 abc first", client.m_log[0]);
    EXPECT_FALSE(client.IsEventsDisabled());
}

TEST_F(PropClientTest, ValuesGoOnlyToTheNamedId)
{
    IDispatch* pOther = CreateProperty(8, COleVariant("other"), 4);
    CTextClient client;
    client.Connect(m_pProp, NULL, PROPCONNECT_BOTH);
    client.Connect(pOther, NULL, PROPCONNECT_BOTH);
    client.MapPropDisp(8, pOther, TRUE);
    client.m_strText = "eight";
    client.FireChangeValue(NULL, 8, TRUE);
    EXPECT_STREQ("start", PropText());
    EXPECT_STREQ("eight", CString(CObjXDBProp::ObjectFromIDisp(pOther)->m_varValue.bstrVal));
    client.FireChangeValue(NULL, 0, TRUE);      // to both
    EXPECT_STREQ("eight", PropText());
    client.MapPropDisp(8, NULL, FALSE);
    EXPECT_EQ(NULL, client.FindPropDisp(8));
    client.DisconnectAll();
    pOther->Release();
}

int g_nCallbackResult = 0;
int g_nCallbackCalls = 0;
int SendCallback(void* p1, void*, void*)
{
    g_nCallbackCalls += *(int*)p1;
    return g_nCallbackResult;
}

TEST_F(PropClientTest, BeforeSendCallbackCancels)
{
    CTextClient client;
    client.Connect(m_pProp, NULL, PROPCONNECT_BOTH);
    int nWeight = 10;
    client.SetBeforeSendValueCallback(SendCallback, &nWeight, NULL, NULL);
    const struct { int nResult; int nFire; const char* pszProp; int nCalls; } cases[] = {
        { 0, 1, "one", 10 }, { PROPCB_CANCEL, 0, "one", 20 },
    };
    const char* texts[] = { "one", "two" };
    for (int i = 0; i < 2; i++)
    {
        g_nCallbackResult = cases[i].nResult;
        client.m_strText = texts[i];
        EXPECT_EQ(cases[i].nFire, client.FireChangeValue(m_pProp, 0, TRUE));
        EXPECT_STREQ(cases[i].pszProp, PropText());
        EXPECT_EQ(cases[i].nCalls, g_nCallbackCalls);
    }
    g_nCallbackCalls = 0;
    client.DisconnectAll();
}

int AfterGetCallback(CPropClient*, VARIANT*, DWORD, IDispatch*)
{
    return g_nCallbackResult;
}

TEST_F(PropClientTest, AfterGetCallbackCancelsAndReverts)
{
    CTextClient client;
    client.Connect(m_pProp, NULL, PROPCONNECT_BOTH);
    client.SetArterGetPropValueCallback(AfterGetCallback);
    const struct { int nResult; const char* pszProp; int nReverts; } cases[] = {
        { PROPCB_CANCEL, "start", 0 },
        { PROPCB_CANCEL | PROPCB_REVERT, "start", 1 },
        { PROPCB_REVERT, "typed", 1 },      // revert counts only with a cancel
    };
    for (const auto& c : cases)
    {
        g_nCallbackResult = c.nResult;
        client.m_strText = "typed";
        client.FireChangeValue(m_pProp, 0, TRUE);
        EXPECT_STREQ(c.pszProp, PropText()) << c.nResult;
        EXPECT_EQ(c.nReverts, client.m_nReverts) << c.nResult;
    }
    g_nCallbackResult = 0;
    client.DisconnectAll();
}

TEST_F(PropClientTest, PressIsSentAsAMomentaryState)
{
    CTextClient client;
    client.Connect(m_pProp, NULL, PROPCONNECT_BOTH);
    client.m_nState = 1;
    client.FireChangeState(NULL, 0, FALSE);
    // the property pulses: listeners hear 1 and then its state again
    ASSERT_EQ(2u, client.m_log.size());
    EXPECT_EQ("state 7 1", client.m_log[0]);
    EXPECT_EQ("state 7 4", client.m_log[1]);
    EXPECT_EQ(4, m_pObj->m_nState);
    client.DisconnectAll();
}

TEST_F(PropClientTest, FirstInitReadsValueThenState)
{
    CTextClient client;
    client.Connect(m_pProp, NULL, PROPCONNECT_EVENTS);
    client.FirstInit(m_pProp);
    ASSERT_EQ(2u, client.m_log.size());
    EXPECT_EQ("value 7 start first", client.m_log[0]);
    EXPECT_EQ("state 7 4", client.m_log[1]);
    EXPECT_FALSE(client.IsNotifyDisabled());
    client.DisconnectAll();
}

TEST_F(PropClientTest, DisconnectedClientHearsNothing)
{
    CTextClient client;
    client.Connect(m_pProp, NULL, PROPCONNECT_BOTH);
    EXPECT_EQ(1, client.Disconnect(m_pProp, NULL));
    EXPECT_EQ(0, client.GetConnections()->GetSize());
    m_pObj->SetValue(COleVariant("later"));
    EXPECT_TRUE(client.m_log.empty());
    EXPECT_EQ(0, (int)m_pObj->GetEventsPoint()->GetConnections()->GetSize());
}

// A window that answers WM_GET_PROPCLIENT with its client, as every editor does.
class CClientWnd : public CWnd
{
public:
    CTextClient m_client;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_GET_PROPCLIENT)
            return (LRESULT)&m_client;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(PropClientTest, DestroyInsideANotificationWaitsForItsEnd)
{
    CClientWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "editor", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
    HWND hWnd = wnd.GetSafeHwnd();
    EXPECT_EQ(&wnd.m_client, GetPropClient(&wnd));
    wnd.m_client.m_pWnd = &wnd;
    wnd.m_client.Connect(m_pProp, NULL, PROPCONNECT_BOTH);
    bool bAliveInside = false;
    wnd.m_client.m_onValue = [&] {
        wnd.m_client.DestroyByCheckCriticalCalls();
        bAliveInside = ::IsWindow(hWnd) != FALSE;
    };
    m_pObj->SetValue(COleVariant("close me"));
    EXPECT_TRUE(bAliveInside);
    EXPECT_FALSE(::IsWindow(hWnd));
    wnd.m_client.DisconnectAll();
}

TEST_F(PropClientTest, FactoryAddsAndConnects)
{
    CObjXDBPropColl* pColl = new CObjXDBPropColl;
    CTextClient client;
    IDispatch* pItem = CreatePropertyFunction(pColl, &client);
    ASSERT_NE(nullptr, pItem);
    EXPECT_EQ(1, pColl->GetCount());
    CObjXDBProp* pObj = CObjXDBProp::ObjectFromIDisp(pItem);
    pObj->SetValue(COleVariant("loaded"));
    EXPECT_STREQ("loaded", client.m_strText);
    EXPECT_EQ(NULL, CreatePropertyFunction(NULL, &client));
    pItem->Release();
    client.DisconnectAll();
    pColl->ExternalRelease();
}

} // namespace
