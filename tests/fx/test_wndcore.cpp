// Windows and message maps: binding of handles to objects, the creation hook, dispatch of
// standard, registered, command and notification messages, reflection and failures in handlers.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <vector>
#include <string>

namespace
{
UINT WM_TEST_REGISTERED = ::RegisterWindowMessageA("WEXOfx-Test-Registered");
UINT WM_TEST_REGISTERED_2 = ::RegisterWindowMessageA("WEXOfx-Test-Registered-2");
const UINT WM_TEST_PRIVATE = WM_APP + 17;

class CRecordingWnd : public CWnd
{
public:
    std::vector<std::string> m_log;
    CPoint m_ptLastClick;
    UINT m_nLastFlags = 0;
    CSize m_sizeLast;
    UINT m_nLastCommand = 0;
    int m_nCommandCount = 0;
    LPARAM m_lRegisteredParam = 0;
    BOOL m_bEnableCmd100 = TRUE;
    const MSG* m_pMsgInNcCreate = nullptr;
    UINT m_nMsgInNcCreate = 0;
    int m_nNotifyCode = 0;
    int m_nPrivateCalls = 0;

protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs)
    {
        m_log.push_back("NcCreate");
        m_pMsgInNcCreate = GetCurrentMessage();
        m_nMsgInNcCreate = m_pMsgInNcCreate->message;
        return CWnd::OnNcCreate(lpcs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_log.push_back("Create");
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        m_sizeLast = CSize(cx, cy);
        CWnd::OnSize(nType, cx, cy);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        m_nLastFlags = nFlags;
        m_ptLastClick = point;
    }
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam)
    {
        ++m_nPrivateCalls;
        return (LRESULT)(wParam * 1000 + lParam);
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam)
    {
        m_lRegisteredParam = lParam;
        return (LRESULT)wParam + 1;
    }
    afx_msg void OnCmd100()
    {
        m_nLastCommand = 100;
        ++m_nCommandCount;
    }
    afx_msg void OnUpdateCmd100(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableCmd100); }
    // one handler for a range of updates, told the command by the CCmdUI
    afx_msg void OnUpdateCmdRange(CCmdUI* pCmdUI) { pCmdUI->Enable(pCmdUI->m_nID != 209); }
    afx_msg void OnCmdRange(UINT nID)
    {
        m_nLastCommand = nID;
        ++m_nCommandCount;
    }
    afx_msg void OnClickNotify(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nNotifyCode = (int)pNMHDR->code;
        *pResult = 55;
    }
    afx_msg void OnNcDestroy()
    {
        m_log.push_back("NcDestroy");
        CWnd::OnNcDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_NCDESTROY()
    ON_MESSAGE(WM_TEST_PRIVATE, &CRecordingWnd::OnPrivate)
    ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, &CRecordingWnd::OnRegistered)
    ON_COMMAND(100, &CRecordingWnd::OnCmd100)
    ON_UPDATE_COMMAND_UI(100, &CRecordingWnd::OnUpdateCmd100)
    ON_COMMAND_RANGE(200, 210, &CRecordingWnd::OnCmdRange)
    ON_UPDATE_COMMAND_UI_RANGE(200, 210, &CRecordingWnd::OnUpdateCmdRange)
    ON_NOTIFY(NM_CLICK, 5, &CRecordingWnd::OnClickNotify)
END_MESSAGE_MAP()

// A derived class that overrides one registered handler and adds another: the most derived map
// answers first, the base map answers the rest.
class CDerivedWnd : public CRecordingWnd
{
public:
    int m_nDerivedCalls = 0;
protected:
    afx_msg LRESULT OnRegisteredDerived(WPARAM, LPARAM)
    {
        ++m_nDerivedCalls;
        return 77;
    }
    afx_msg LRESULT OnSecond(WPARAM, LPARAM) { return 88; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CRecordingWnd)
    ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, &CDerivedWnd::OnRegisteredDerived)
    ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED_2, &CDerivedWnd::OnSecond)
END_MESSAGE_MAP()

BOOL CreateTestWindow(CWnd& wnd, CWnd* pParent = NULL, UINT nID = 0)
{
    if (pParent != NULL)
        return wnd.Create(NULL, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 50), pParent, nID);
    return wnd.CreateEx(0, AfxRegisterWndClass(0), "test", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, NULL, NULL);
}
} // namespace

TEST(MessageMaps, CreationHookDeliversNcCreateAndCreateToTheObject)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTestWindow(wnd));
    ASSERT_GE(wnd.m_log.size(), 2u);
    EXPECT_EQ("NcCreate", wnd.m_log[0]);
    EXPECT_EQ("Create", wnd.m_log[1]);
    EXPECT_EQ((UINT)WM_NCCREATE, wnd.m_nMsgInNcCreate);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(wnd.m_hWnd));
    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_EQ("NcDestroy", wnd.m_log.back());
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
}

TEST(MessageMaps, StandardMessagesArriveWithCrackedArguments)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTestWindow(wnd));
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5 & 0xFFFF, 40));
    EXPECT_EQ((UINT)(MK_LBUTTON | MK_SHIFT), wnd.m_nLastFlags);
    EXPECT_EQ(CPoint(-5, 40), wnd.m_ptLastClick);      // sign-extended like GET_X_LPARAM
    wnd.SetWindowPos(NULL, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER);
    CRect rcClient;
    wnd.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Size(), wnd.m_sizeLast);
    EXPECT_EQ(3 * 1000 + 4, wnd.SendMessage(WM_TEST_PRIVATE, 3, 4));
    wnd.DestroyWindow();
}

TEST(MessageMaps, RegisteredMessagesAreMatchedByTheirRuntimeNumber)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(CreateTestWindow(wnd));
    EXPECT_EQ(77, wnd.SendMessage(WM_TEST_REGISTERED, 5, 9));
    EXPECT_EQ(1, wnd.m_nDerivedCalls);
    EXPECT_EQ(0, wnd.m_lRegisteredParam);      // the base handler was not called
    EXPECT_EQ(88, wnd.SendMessage(WM_TEST_REGISTERED_2));
    // another registered message nobody handles goes to the default window procedure
    UINT nUnknown = ::RegisterWindowMessageA("WEXOfx-Test-Nobody");
    EXPECT_EQ(0, wnd.SendMessage(nUnknown, 1, 2));

    CRecordingWnd base;
    ASSERT_TRUE(CreateTestWindow(base));
    EXPECT_EQ(6, base.SendMessage(WM_TEST_REGISTERED, 5, 9));
    EXPECT_EQ(9, base.m_lRegisteredParam);
    EXPECT_EQ(0, base.SendMessage(WM_TEST_REGISTERED_2));
    wnd.DestroyWindow();
    base.DestroyWindow();
}

TEST(MessageMaps, CommandsRangesAndDisabledCommands)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTestWindow(wnd));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0);
    EXPECT_EQ(100u, wnd.m_nLastCommand);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(207, 0), 0);
    EXPECT_EQ(207u, wnd.m_nLastCommand);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(211, 0), 0);     // outside the range: nobody
    EXPECT_EQ(207u, wnd.m_nLastCommand);
    EXPECT_EQ(2, wnd.m_nCommandCount);

    // a menu command that the update handler disables is not carried out
    wnd.m_bEnableCmd100 = FALSE;
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0);
    EXPECT_EQ(2, wnd.m_nCommandCount);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(209, 0), 0);     // disabled by the range's update handler
    EXPECT_EQ(2, wnd.m_nCommandCount);

    // "who would handle it?" answers without calling the handler
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(wnd.OnCmdMsg(205, CN_COMMAND, NULL, &info));
    EXPECT_EQ(&wnd, info.pTarget);
    EXPECT_EQ(2, wnd.m_nCommandCount);
    EXPECT_FALSE(wnd.OnCmdMsg(300, CN_COMMAND, NULL, &info));
    wnd.DestroyWindow();
}

TEST(MessageMaps, NotificationsReachOnNotifyHandlersWithTheirResult)
{
    CRecordingWnd parent;
    ASSERT_TRUE(CreateTestWindow(parent));
    CWnd child;
    ASSERT_TRUE(child.Create(NULL, "c", WS_CHILD, CRect(0, 0, 10, 10), &parent, 5));
    NMHDR nmhdr = { child.m_hWnd, 5, (UINT)NM_CLICK };
    EXPECT_EQ(55, parent.SendMessage(WM_NOTIFY, 5, (LPARAM)&nmhdr));
    EXPECT_EQ((int)NM_CLICK, parent.m_nNotifyCode);
    nmhdr.code = (UINT)NM_DBLCLK;
    EXPECT_EQ(0, parent.SendMessage(WM_NOTIFY, 5, (LPARAM)&nmhdr));
    parent.DestroyWindow();
}

namespace
{
// A control that handles its own notifications (reflection).
class CReflectingCtrl : public CWnd
{
public:
    int m_nClicked = 0;
    int m_nNotified = 0;
    BOOL m_bPassOn = FALSE;
protected:
    afx_msg void OnClickedReflect() { ++m_nClicked; }
    afx_msg BOOL OnNotifyReflect(NMHDR*, LRESULT* pResult)
    {
        ++m_nNotified;
        *pResult = 3;
        return !m_bPassOn;      // FALSE lets the parent see it as well
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingCtrl, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, &CReflectingCtrl::OnClickedReflect)
    ON_NOTIFY_REFLECT_EX(NM_CLICK, &CReflectingCtrl::OnNotifyReflect)
END_MESSAGE_MAP()
} // namespace

TEST(MessageMaps, ControlNotificationsAreReflectedToTheControlFirst)
{
    CRecordingWnd parent;
    ASSERT_TRUE(CreateTestWindow(parent));
    CReflectingCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(NULL, "c", WS_CHILD, CRect(0, 0, 10, 10), &parent, 5));

    parent.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), (LPARAM)ctrl.m_hWnd);
    EXPECT_EQ(1, ctrl.m_nClicked);

    NMHDR nmhdr = { ctrl.m_hWnd, 5, (UINT)NM_CLICK };
    EXPECT_EQ(3, parent.SendMessage(WM_NOTIFY, 5, (LPARAM)&nmhdr));
    EXPECT_EQ(1, ctrl.m_nNotified);
    EXPECT_EQ(0, parent.m_nNotifyCode);          // the control ate it

    ctrl.m_bPassOn = TRUE;
    EXPECT_EQ(55, parent.SendMessage(WM_NOTIFY, 5, (LPARAM)&nmhdr));
    EXPECT_EQ(2, ctrl.m_nNotified);
    EXPECT_EQ((int)NM_CLICK, parent.m_nNotifyCode);
    parent.DestroyWindow();
}

TEST(HandleMaps, ForeignWindowsGetTemporaryObjectsFreedAtIdleTime)
{
    HWND hForeign = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(hForeign != NULL);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hForeign));
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ASSERT_TRUE(pTemp != NULL);
    EXPECT_EQ(hForeign, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hForeign));          // one wrapper per handle
    EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(NULL, CWnd::FromHandle(NULL));

    CHandleMap* pMap = afxMapHWND();
    ASSERT_TRUE(pMap != NULL);
    EXPECT_GE(pMap->GetTemporaryCount(), 1);
    AfxLockTempMaps();
    EXPECT_TRUE(AfxUnlockTempMaps(TRUE));
    EXPECT_EQ(0, pMap->GetTemporaryCount());
    EXPECT_TRUE(::IsWindow(hForeign));                     // the wrapper never owned the window

    // attaching makes the window permanent; detaching gives it back untouched
    CWnd wnd;
    EXPECT_TRUE(wnd.Attach(hForeign));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hForeign));
    CWnd other;
    EXPECT_FALSE(other.Attach(hForeign));                  // one object per window
    EXPECT_EQ(hForeign, wnd.Detach());
    EXPECT_TRUE(::IsWindow(hForeign));
    ::DestroyWindow(hForeign);
}

TEST(HandleMaps, SubclassedWindowsPassUnhandledMessagesToTheirOwnProcedure)
{
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(hEdit != NULL);
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hEdit));
    ::SetWindowTextA(hEdit, "typed");                     // the edit control still does its job
    CString strText;
    wnd.GetWindowText(strText);
    EXPECT_STREQ("typed", strText);
    EXPECT_EQ(2 * 1000 + 1, wnd.SendMessage(WM_TEST_PRIVATE, 2, 1));
    EXPECT_EQ(hEdit, wnd.UnsubclassWindow());
    EXPECT_EQ(0, ::SendMessageA(hEdit, WM_TEST_PRIVATE, 2, 1));    // no longer ours
    ::DestroyWindow(hEdit);
}

namespace
{
class CFailingWnd : public CWnd
{
public:
    int m_nPostNcDestroy = 0;
protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { AfxThrowUserException(); }
    virtual void PostNcDestroy() { ++m_nPostNcDestroy; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFailingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()
} // namespace

TEST(MessageMaps, AnExceptionInOnCreateFailsTheCreationCleanly)
{
    CFailingWnd wnd;
    EXPECT_FALSE(CreateTestWindow(wnd));
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_EQ(1, wnd.m_nPostNcDestroy);
}

TEST(Windows, RelativesOwnersAndDescendants)
{
    CRecordingWnd top;
    ASSERT_TRUE(CreateTestWindow(top));
    CRecordingWnd mid, leaf;
    ASSERT_TRUE(mid.Create(NULL, "mid", WS_CHILD, CRect(0, 0, 50, 50), &top, 1));
    ASSERT_TRUE(leaf.Create(NULL, "leaf", WS_CHILD, CRect(0, 0, 10, 10), &mid, 2));
    EXPECT_EQ(&mid, leaf.GetParent());
    EXPECT_EQ(&top, leaf.GetTopLevelParent());
    EXPECT_EQ(&top, leaf.GetParentOwner());
    EXPECT_EQ(&leaf, top.GetDescendantWindow(2));
    EXPECT_EQ(&mid, leaf.GetOwner());
    leaf.SetOwner(&top);
    EXPECT_EQ(&top, leaf.GetOwner());
    EXPECT_EQ(NULL, leaf.GetParentFrame());

    top.SendMessageToDescendants(WM_TEST_PRIVATE, 0, 0, FALSE, TRUE);
    EXPECT_EQ(1, mid.m_nPrivateCalls);
    EXPECT_EQ(0, leaf.m_nPrivateCalls);                  // not deep
    top.SendMessageToDescendants(WM_TEST_PRIVATE, 0, 0, TRUE, TRUE);
    EXPECT_EQ(2, mid.m_nPrivateCalls);
    EXPECT_EQ(1, leaf.m_nPrivateCalls);
    EXPECT_EQ(0, top.m_nPrivateCalls);
    top.DestroyWindow();
    EXPECT_EQ(NULL, mid.m_hWnd);
    EXPECT_EQ(NULL, leaf.m_hWnd);
}
