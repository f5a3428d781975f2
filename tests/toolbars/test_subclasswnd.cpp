// test_subclasswnd.cpp - window hooks: the chain order while hooks come and go in any order, the
// window's procedure put back after the last one, the current message across nested sends, and
// the window's destruction letting go of every hook.
#include <WEXOctrl.h>
#include "wexotest.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
const UINT nProbe = ::RegisterWindowMessageA("WEXOctrl.SubclassTest.Probe");

// Writes its letter into the log for every probe and passes the message on.
class CLogHook : public CSubclassWnd
{
public:
    CLogHook(char chName, std::string* pLog) : m_chName(chName), m_pLog(pLog) {}

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == nProbe)
            *m_pLog += m_chName;
        return CSubclassWnd::WindowProc(message, wParam, lParam);
    }

    char m_chName;
    std::string* m_pLog;
};

// a window that writes 'W' for every probe it gets and keeps the probe's wParam
class SubclassChain : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateTopLevel(CRect(40, 40, 140, 120), "Hooked window"));
        m_wnd.Watch(nProbe);
        m_wnd.m_fnAnswer = [this](UINT message, WPARAM wParam, LPARAM, BOOL& bHandled) -> LRESULT {
            if (message == nProbe)
            {
                m_log += 'W';
                m_params.push_back((int)wParam);
                bHandled = TRUE;
            }
            return 0;
        };
        m_pfnOriginal = ::GetWindowLongPtrA(m_wnd.m_hWnd, GWLP_WNDPROC);
    }

    std::string Probe()
    {
        m_log.clear();
        m_wnd.SendMessage(nProbe, 0, 0);
        return m_log;
    }

    CRecordingWnd m_wnd;
    std::string m_log;
    std::vector<int> m_params;
    LONG_PTR m_pfnOriginal = 0;
};

// Hooks A, B and C go on in that order (C is seen first); they come off in the order of the row,
// and after each the probe passes the hooks left, newest first.
struct SRemoval
{
    const char* lpszOrder;      // letters of the hooks, in the order they come off
    const char* lpszAfter[3];   // the probe's log after each removal
};

const SRemoval s_removals[] =
{
    { "ABC", { "CBW", "CW", "W" } },
    { "ACB", { "CBW", "BW", "W" } },
    { "BAC", { "CAW", "CW", "W" } },
    { "BCA", { "CAW", "AW", "W" } },
    { "CAB", { "BAW", "BW", "W" } },
    { "CBA", { "BAW", "AW", "W" } },
};
}

TEST_F(SubclassChain, HooksComeOffInAnyOrderAndTheLastPutsTheProcedureBack)
{
    for (const SRemoval& row : s_removals)
    {
        CLogHook a('A', &m_log), b('B', &m_log), c('C', &m_log);
        CLogHook* hooks[3] = { &a, &b, &c };
        for (CLogHook* pHook : hooks)
            ASSERT_TRUE(pHook->HookWindow(&m_wnd));
        EXPECT_EQ("CBAW", Probe()) << row.lpszOrder;
        EXPECT_NE(m_pfnOriginal, ::GetWindowLongPtrA(m_wnd.m_hWnd, GWLP_WNDPROC));
        EXPECT_EQ(&c, CSubclassWnd::GetFirstHook(m_wnd.m_hWnd));

        for (int i = 0; i < 3; i++)
        {
            CLogHook* pHook = hooks[row.lpszOrder[i] - 'A'];
            EXPECT_TRUE(pHook->HookWindow(NULL));
            EXPECT_FALSE(pHook->IsHooked());
            EXPECT_EQ(row.lpszAfter[i], Probe()) << row.lpszOrder << " after removal " << i;
            // the window keeps the hook procedure while any hook is left
            EXPECT_EQ(i == 2, ::GetWindowLongPtrA(m_wnd.m_hWnd, GWLP_WNDPROC) == m_pfnOriginal)
                << row.lpszOrder << " after removal " << i;
        }
        EXPECT_EQ(NULL, CSubclassWnd::GetFirstHook(m_wnd.m_hWnd));
    }
}

TEST_F(SubclassChain, HookAddedAfterARemovalGoesInFrontAndAMovedHookLeavesItsFirstWindow)
{
    CLogHook a('A', &m_log), b('B', &m_log), c('C', &m_log);
    a.HookWindow(&m_wnd);
    b.HookWindow(&m_wnd);
    a.HookWindow(NULL);
    c.HookWindow(&m_wnd);
    EXPECT_EQ("CBW", Probe());

    // B hooks another window: the first one no longer passes through it
    CRecordingWnd other;
    ASSERT_TRUE(other.CreateTopLevel(CRect(160, 40, 260, 120), "Other window"));
    std::string strOther;
    other.m_fnAnswer = [&](UINT message, WPARAM, LPARAM, BOOL& bHandled) -> LRESULT {
        if (message == nProbe)
        {
            strOther += 'O';
            bHandled = TRUE;
        }
        return 0;
    };
    other.Watch(nProbe);
    b.HookWindow(&other);
    EXPECT_EQ("CW", Probe());
    m_log.clear();
    other.SendMessage(nProbe, 0, 0);
    EXPECT_EQ("B", m_log);
    EXPECT_EQ("O", strOther);
}

TEST_F(SubclassChain, HookObjectGoingOutOfScopeUnhooks)
{
    {
        CLogHook a('A', &m_log);
        a.HookWindow(&m_wnd);
        EXPECT_EQ("AW", Probe());
    }
    EXPECT_EQ("W", Probe());
    EXPECT_EQ(m_pfnOriginal, ::GetWindowLongPtrA(m_wnd.m_hWnd, GWLP_WNDPROC));
}

// A hook that, for probe 1, sends probe 2 to the same window before passing its own message on
// with Default(): the window must see 2 and then 1, so the current message of the outer call
// has come back after the inner one.
TEST_F(SubclassChain, DefaultPassesTheHooksOwnMessageAfterANestedSend)
{
    class CNestingHook : public CSubclassWnd
    {
    public:
        virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
        {
            if (message == nProbe && wParam == 1)
            {
                m_pWndHooked->SendMessage(nProbe, 2, 0);
                return Default();
            }
            return CSubclassWnd::WindowProc(message, wParam, lParam);
        }
    } hook;
    ASSERT_TRUE(hook.HookWindow(&m_wnd));
    m_wnd.SendMessage(nProbe, 1, 0);
    EXPECT_EQ((std::vector<int>{ 2, 1 }), m_params);
    // outside every hook the thread's current message is the one before again
    EXPECT_NE(nProbe, AfxGetThreadState()->m_lastSentMsg.message);
}

TEST_F(SubclassChain, DestroyingTheWindowLetsGoOfEveryHook)
{
    CLogHook a('A', &m_log), b('B', &m_log);
    a.HookWindow(&m_wnd);
    b.HookWindow(&m_wnd);
    const HWND hWnd = m_wnd.m_hWnd;
    m_wnd.DestroyWindow();
    EXPECT_FALSE(a.IsHooked());
    EXPECT_FALSE(b.IsHooked());
    EXPECT_EQ(NULL, CSubclassWnd::GetFirstHook(hWnd));
    // the window's own procedure got WM_NCDESTROY: the framework let go of the handle
    EXPECT_EQ(NULL, m_wnd.m_hWnd);
}

TEST(SubclassWnd, WindowlessObjectCannotBeHooked)
{
    CWnd wnd;
    CSubclassWnd hook;
    EXPECT_EQ(0, hook.HookWindow(&wnd));
    EXPECT_FALSE(hook.IsHooked());
    // unhooking what is not hooked is harmless
    EXPECT_NE(0, hook.HookWindow(NULL));
}
