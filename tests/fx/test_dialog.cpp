// test_dialog.cpp - dialogs: modeless and modal runs, the owner and the frame's modal state, the
// resource chain, dialog-init data and data exchange.
#include <afxwin.h>
#include <afxdlgs.h>
#include <gtest/gtest.h>
#include <climits>
#include "dialog_test_res.h"
#include "fxtest.h"
#include "TestInput.h"
#include "wexotest.h"

namespace
{
// The test dialog with one member per exchange routine.
class CExchangeDlg : public CDialog
{
public:
    CExchangeDlg() : CDialog(IDD_DLGTEST) {}

    CString m_strText = "hello";
    int m_nInt = -5;
    UINT m_nUInt = 7;
    long m_lLong = 123456;
    int m_nCheck = 1;
    int m_nRadio = 2;
    int m_nMin = INT_MIN, m_nMax = INT_MAX;
    int m_nMaxChars = 100;
    CComboBox m_combo;
    int m_nInitCalls = 0;

    BOOL OnInitDialog() override
    {
        m_nInitCalls++;
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_DLGTEST_TEXT, m_strText);
        DDV_MaxChars(pDX, m_strText, m_nMaxChars);
        DDX_Text(pDX, IDC_DLGTEST_INT, m_nInt);
        DDV_MinMaxInt(pDX, m_nInt, m_nMin, m_nMax);
        DDX_Text(pDX, IDC_DLGTEST_UINT, m_nUInt);
        DDX_Text(pDX, IDC_DLGTEST_LONG, m_lLong);
        DDX_Check(pDX, IDC_DLGTEST_CHECK, m_nCheck);
        DDX_Radio(pDX, IDC_DLGTEST_RADIO1, m_nRadio);
        DDX_Control(pDX, IDC_DLGTEST_COMBO, m_combo);
    }
};

CString ItemText(CWnd* pDlg, int nID)
{
    CString str;
    pDlg->GetDlgItemText(nID, str);
    return str;
}

UINT Checked(CWnd* pDlg, int nID)
{
    return pDlg->IsDlgButtonChecked(nID);
}

// A frame made the application's main window for the time of a test, with popups it owns.
class CTestMainFrame
{
public:
    CTestMainFrame()
    {
        m_pFrame = new CFrameWnd;
        m_pFrame->Create(NULL, "Dialog test frame", WS_OVERLAPPEDWINDOW, CRect(50, 50, 450, 350));
        m_pFrame->ShowWindow(SW_SHOW);
        AfxGetApp()->m_pMainWnd = m_pFrame;
    }
    ~CTestMainFrame()
    {
        // the main window's end would end the test program's message loop
        AfxGetApp()->m_pMainWnd = NULL;
        for (HWND hWnd : m_popups)
            ::DestroyWindow(hWnd);
        m_pFrame->DestroyWindow();
    }
    HWND AddPopup(HWND hWndOwner = NULL, LPCSTR lpszClass = "STATIC")
    {
        HWND hWnd = ::CreateWindowExA(WS_EX_TOOLWINDOW, lpszClass, "popup", WS_POPUP | WS_VISIBLE,
            500, 50, 50, 50, hWndOwner != NULL ? hWndOwner : m_pFrame->m_hWnd, NULL, NULL, NULL);
        m_popups.push_back(hWnd);
        return hWnd;
    }
    CFrameWnd* m_pFrame;
    std::vector<HWND> m_popups;
};

// A popup that stays usable while the frame is in modal state.
class CStayEnabledWnd : public CWnd
{
public:
    LRESULT OnDisableModal(WPARAM, LPARAM) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CStayEnabledWnd, CWnd)
    ON_MESSAGE(WM_DISABLEMODAL, &CStayEnabledWnd::OnDisableModal)
END_MESSAGE_MAP()
} // namespace

/////////////////////////////////////////////////////////////////////////////
// Modeless dialogs and data exchange

TEST(Dialog, ModelessCreateFillsTheControlsFromTheMembersAndTheDialogInitData)
{
    CExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_DLGTEST, NULL));
    EXPECT_EQ(1, dlg.m_nInitCalls);
    EXPECT_STREQ("hello", ItemText(&dlg, IDC_DLGTEST_TEXT));
    EXPECT_STREQ("-5", ItemText(&dlg, IDC_DLGTEST_INT));
    EXPECT_STREQ("7", ItemText(&dlg, IDC_DLGTEST_UINT));
    EXPECT_STREQ("123456", ItemText(&dlg, IDC_DLGTEST_LONG));
    EXPECT_EQ(1u, Checked(&dlg, IDC_DLGTEST_CHECK));
    // radio index 2 is the third button; the static between the buttons is no member of the group
    EXPECT_EQ(0u, Checked(&dlg, IDC_DLGTEST_RADIO1));
    EXPECT_EQ(0u, Checked(&dlg, IDC_DLGTEST_RADIO2));
    EXPECT_EQ(1u, Checked(&dlg, IDC_DLGTEST_RADIO3));
    // DDX_Control subclassed the combo box, which the dialog-init data had filled
    EXPECT_EQ(dlg.GetDlgItem(IDC_DLGTEST_COMBO)->m_hWnd, dlg.m_combo.m_hWnd);
    EXPECT_EQ(&dlg.m_combo, CWnd::FromHandlePermanent(dlg.m_combo.m_hWnd));
    ASSERT_EQ(2, dlg.m_combo.GetCount());
    CString str;
    dlg.m_combo.GetLBText(0, str);
    EXPECT_STREQ("red", str);
    dlg.m_combo.GetLBText(1, str);
    EXPECT_STREQ("green", str);
    CListBox* pList = (CListBox*)dlg.GetDlgItem(IDC_DLGTEST_LIST);
    ASSERT_EQ(2, pList->GetCount());
    pList->GetText(1, str);
    EXPECT_STREQ("bc", str);
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(NULL, dlg.m_hWnd);
}

TEST(Dialog, ValidTextsAreReadBackIntoTheMembers)
{
    struct SCase
    {
        LPCSTR lpszInt, lpszUInt, lpszLong;
        int nInt;
        UINT nUInt;
        long lLong;
    };
    const SCase cases[] = {
        {"42", "0", "-1", 42, 0u, -1L},
        {"  -17 ", "+9", " 99 ", -17, 9u, 99L},
        {"-2147483648", "4294967295", "2147483647", INT_MIN, 4294967295u, 2147483647L},
        {"+2147483647", "  12\t", "-2147483648", INT_MAX, 12u, -2147483647L - 1},
    };
    for (const SCase& c : cases)
    {
        CExchangeDlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_DLGTEST, NULL));
        dlg.SetDlgItemText(IDC_DLGTEST_TEXT, "typed text");
        dlg.SetDlgItemText(IDC_DLGTEST_INT, c.lpszInt);
        dlg.SetDlgItemText(IDC_DLGTEST_UINT, c.lpszUInt);
        dlg.SetDlgItemText(IDC_DLGTEST_LONG, c.lpszLong);
        dlg.CheckDlgButton(IDC_DLGTEST_CHECK, BST_INDETERMINATE);
        dlg.CheckDlgButton(IDC_DLGTEST_RADIO3, BST_UNCHECKED);
        dlg.CheckDlgButton(IDC_DLGTEST_RADIO1, BST_CHECKED);
        EXPECT_TRUE(dlg.UpdateData(TRUE)) << c.lpszInt;
        EXPECT_STREQ("typed text", dlg.m_strText);
        EXPECT_EQ(c.nInt, dlg.m_nInt) << c.lpszInt;
        EXPECT_EQ(c.nUInt, dlg.m_nUInt) << c.lpszUInt;
        EXPECT_EQ(c.lLong, dlg.m_lLong) << c.lpszLong;
        EXPECT_EQ(2, dlg.m_nCheck);
        EXPECT_EQ(0, dlg.m_nRadio);
    }
}

TEST(Dialog, RadioGroupWithNoButtonCheckedReadsAsMinusOneAndOutOfRangeChecksNone)
{
    CExchangeDlg dlg;
    dlg.m_nRadio = 7;
    ASSERT_TRUE(dlg.Create(IDD_DLGTEST, NULL));
    for (int nID : {IDC_DLGTEST_RADIO1, IDC_DLGTEST_RADIO2, IDC_DLGTEST_RADIO3})
        EXPECT_EQ(0u, Checked(&dlg, nID));
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(-1, dlg.m_nRadio);
    dlg.m_nRadio = 1;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(1u, Checked(&dlg, IDC_DLGTEST_RADIO2));
}

TEST(Dialog, OperationsOnAShownModelessDialog)
{
    CExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_DLGTEST, NULL));
    dlg.ShowWindow(SW_SHOW);
    dlg.SetActiveWindow();

    // dialog units: the first edit is 80 x 12 units at (5, 5) in the template
    CRect rcUnits(5, 5, 85, 17);
    dlg.MapDialogRect(&rcUnits);
    CRect rcEdit;
    dlg.GetDlgItem(IDC_DLGTEST_TEXT)->GetWindowRect(&rcEdit);
    dlg.ScreenToClient(&rcEdit);
    EXPECT_EQ(rcEdit, rcUnits);

    EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), (LONG)dlg.GetDefID());
    dlg.SetDefID(IDCANCEL);
    EXPECT_EQ(MAKELONG(IDCANCEL, DC_HASDEFID), (LONG)dlg.GetDefID());

    CWnd* pInt = dlg.GetDlgItem(IDC_DLGTEST_INT);
    dlg.GotoDlgCtrl(pInt);
    EXPECT_EQ(pInt->m_hWnd, ::GetFocus());
    dlg.NextDlgCtrl();
    EXPECT_EQ(dlg.GetDlgItem(IDC_DLGTEST_UINT)->m_hWnd, ::GetFocus());
    dlg.PrevDlgCtrl();
    EXPECT_EQ(pInt->m_hWnd, ::GetFocus());

    // a modeless dialog's keys go through the dialog manager on their way through the loop:
    // Tab moves the focus on instead of reaching the edit
    ::PostMessageA(pInt->m_hWnd, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PumpTestMessages(50);
    EXPECT_EQ(dlg.GetDlgItem(IDC_DLGTEST_UINT)->m_hWnd, ::GetFocus());
}

TEST(Dialog, MissingTemplatesFailWithoutAWindow)
{
    CExchangeDlg dlg;
    dlg.m_lpszTemplateName = MAKEINTRESOURCE(IDD_DLGTEST_MISSING);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nInitCalls);
    EXPECT_FALSE(dlg.Create(IDD_DLGTEST_MISSING, NULL));
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_EQ(-5, dlg.m_nInt);
}

/////////////////////////////////////////////////////////////////////////////
// Modal runs

namespace
{
// A modal dialog that looks at its surroundings from inside its run and ends itself: at once
// from OnInitDialog, or from a timer of its own.
class CProbeDlg : public CDialog
{
public:
    explicit CProbeDlg(UINT nID, CWnd* pParent = NULL) : CDialog(nID, pParent) {}

    int m_nEndInInit = 0;          // non-zero: ends with this result from OnInitDialog
    std::function<void(CProbeDlg*)> m_fnInRun;
    CString m_strCaption;
    int m_nKickIdle = 0;
    int m_nPreTranslated = 0;
    BOOL m_bDestroyCalled = FALSE;
    HWND m_hWndOwner = NULL;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        GetWindowText(m_strCaption);
        m_hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
        if (m_nEndInInit != 0)
            EndDialog(m_nEndInInit);
        else
            SetTimer(1, 30, NULL);
        return TRUE;
    }
    BOOL DestroyWindow() override
    {
        m_bDestroyCalled = TRUE;
        return CDialog::DestroyWindow();
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_TIMER && pMsg->hwnd == m_hWnd)
            m_nPreTranslated++;
        return CDialog::PreTranslateMessage(pMsg);
    }
    afx_msg void OnTimer(UINT_PTR)
    {
        KillTimer(1);
        if (m_fnInRun)
            m_fnInRun(this);
        EndDialog(IDOK);
    }
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        m_nKickIdle++;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
    ON_WM_TIMER()
    ON_MESSAGE(WM_KICKIDLE, &CProbeDlg::OnKickIdle)
END_MESSAGE_MAP()
} // namespace

TEST(Dialog, ModalRunDisablesTheOwnerAndPutsTheFrameInModalStateForItsDuration)
{
    CTestMainFrame main;
    HWND hWndPopup = main.AddPopup();
    CStayEnabledWnd tip;
    ASSERT_TRUE(tip.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "tip", WS_POPUP, CRect(0, 0, 10, 10),
        main.m_pFrame, 0));
    HWND hWndForeign = ::CreateWindowExA(0, "STATIC", "not owned", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    // the frame, not one of its popups, was active last: it owns the run
    main.m_pFrame->SetActiveWindow();

    // no parent given: the main window owns the dialog
    CProbeDlg dlg(IDD_DLGTEST_SHARED);
    BOOL bFrameDisabled = FALSE, bInModalState = FALSE, bPopupDisabled = FALSE, bTipEnabled = FALSE,
         bForeignEnabled = FALSE, bDialogEnabled = FALSE;
    dlg.m_fnInRun = [&](CProbeDlg* pDlg) {
        bFrameDisabled = !main.m_pFrame->IsWindowEnabled();
        bInModalState = main.m_pFrame->InModalState();
        bPopupDisabled = !::IsWindowEnabled(hWndPopup);
        bTipEnabled = tip.IsWindowEnabled();
        bForeignEnabled = ::IsWindowEnabled(hWndForeign);
        bDialogEnabled = pDlg->IsWindowEnabled();
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(main.m_pFrame->m_hWnd, dlg.m_hWndOwner);
    EXPECT_TRUE(bFrameDisabled);
    EXPECT_TRUE(bInModalState);
    EXPECT_TRUE(bPopupDisabled);
    EXPECT_TRUE(bTipEnabled);
    EXPECT_TRUE(bForeignEnabled);
    EXPECT_TRUE(bDialogEnabled);
    // the run went through the framework's loop: timers pre-translated, idle kicks sent
    EXPECT_GE(dlg.m_nPreTranslated, 1);
    EXPECT_GE(dlg.m_nKickIdle, 1);
    // after the run: everything usable again, the owner active, the dialog gone through the
    // overridable DestroyWindow
    EXPECT_TRUE(main.m_pFrame->IsWindowEnabled());
    EXPECT_FALSE(main.m_pFrame->InModalState());
    EXPECT_TRUE(::IsWindowEnabled(hWndPopup));
    EXPECT_TRUE(dlg.m_bDestroyCalled);
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_EQ(main.m_pFrame->m_hWnd, ::GetActiveWindow());
    tip.DestroyWindow();
    ::DestroyWindow(hWndForeign);
}

TEST(Dialog, EndDialogFromOnInitDialogSkipsTheLoopAndReturnsItsResult)
{
    CTestMainFrame main;
    CProbeDlg dlg(IDD_DLGTEST_SHARED, main.m_pFrame);
    dlg.m_nEndInInit = 17;
    EXPECT_EQ(17, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nKickIdle);
    EXPECT_TRUE(main.m_pFrame->IsWindowEnabled());
    EXPECT_FALSE(main.m_pFrame->InModalState());
}

TEST(Dialog, ParentlessModalRunWithoutAMainWindow)
{
    ASSERT_EQ(NULL, AfxGetMainWnd());
    CProbeDlg dlg(IDD_DLGTEST_SHARED);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(NULL, dlg.m_hWndOwner);
}

TEST(Dialog, TheCurrentResourceModuleSuppliesTheTemplateFirst)
{
    HMODULE hExt = LoadTestExtension();
    ASSERT_TRUE(hExt != NULL);
    HINSTANCE hBefore = AfxGetResourceHandle();
    {
        CProbeDlg dlg(IDD_DLGTEST_SHARED);
        dlg.m_nEndInInit = IDOK;
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ("application's copy", dlg.m_strCaption);
    }
    AfxSetResourceHandle(hExt);
    {
        CProbeDlg dlg(IDD_DLGTEST_SHARED);
        dlg.m_nEndInInit = IDOK;
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ("extension's copy", dlg.m_strCaption);
        CProbeDlg modeless(IDD_DLGTEST_SHARED);
        modeless.m_nEndInInit = IDOK;
        ASSERT_TRUE(modeless.Create(IDD_DLGTEST_SHARED));
        EXPECT_STREQ("extension's copy", modeless.m_strCaption);
    }
    AfxSetResourceHandle(hBefore);
    ::FreeLibrary(hExt);
}

TEST(FrameModalState, NestsAndEnablesExactlyWhatItDisabled)
{
    CTestMainFrame main;
    HWND hWndOwned = main.AddPopup();
    HWND hWndGrandchild = main.AddPopup(hWndOwned);      // owned through another popup
    HWND hWndOff = main.AddPopup();
    ::EnableWindow(hWndOff, FALSE);                      // the host had it disabled

    CFrameWnd* pFrame = main.m_pFrame;
    pFrame->BeginModalState();
    pFrame->BeginModalState();
    EXPECT_FALSE(pFrame->IsWindowEnabled());
    EXPECT_FALSE(::IsWindowEnabled(hWndOwned));
    EXPECT_FALSE(::IsWindowEnabled(hWndGrandchild));
    pFrame->EndModalState();
    EXPECT_TRUE(pFrame->InModalState());
    EXPECT_FALSE(pFrame->IsWindowEnabled());
    pFrame->EndModalState();
    EXPECT_FALSE(pFrame->InModalState());
    EXPECT_TRUE(pFrame->IsWindowEnabled());
    EXPECT_TRUE(::IsWindowEnabled(hWndOwned));
    EXPECT_TRUE(::IsWindowEnabled(hWndGrandchild));
    EXPECT_FALSE(::IsWindowEnabled(hWndOff));
    // one end too many changes nothing
    pFrame->EndModalState();
    EXPECT_TRUE(pFrame->IsWindowEnabled());
}

/////////////////////////////////////////////////////////////////////////////
// Dialog templates read item by item

TEST(DialogTemplateReader, ReadsBothTemplateFormsFromTheResourceChain)
{
    struct SExpected
    {
        UINT nTemplate;
        BOOL bExtended;
        LPCSTR lpszCaption;
        CRect rect;
        int nItems;
        int iEdit;                 // index of the first edit, IDC_DLGTEST_TEXT
        CRect rectEdit;
    };
    const SExpected cases[] = {
        {IDD_DLGTEST, TRUE, "Exchange", CRect(0, 0, 200, 150), 14, 0, CRect(5, 5, 85, 17)},
        {IDD_DLGTEST_PLAIN, FALSE, "Plain", CRect(10, 20, 130, 80), 3, 1, CRect(36, 4, 106, 16)},
    };
    for (const SExpected& c : cases)
    {
        CDialogTemplateReader reader;
        ASSERT_TRUE(reader.Load(c.nTemplate)) << c.lpszCaption;
        EXPECT_EQ(c.bExtended, reader.m_bExtended);
        EXPECT_STREQ(c.lpszCaption, reader.m_strCaption);
        EXPECT_STREQ("MS Shell Dlg", reader.m_strFaceName);
        EXPECT_EQ(8, reader.m_wPointSize);
        EXPECT_EQ(c.rect, reader.m_rect);
        ASSERT_EQ(c.nItems, reader.GetItemCount());
        EXPECT_EQ(c.iEdit, reader.FindItem(IDC_DLGTEST_TEXT));
        const CDialogTemplateReader::SItem& edit = reader.GetItem(c.iEdit);
        EXPECT_STREQ("EDIT", edit.strClass);
        EXPECT_EQ(c.rectEdit, edit.rect);
        EXPECT_TRUE(edit.dwStyle & ES_AUTOHSCROLL);
        // the static label before the edit in the plain form
        if (c.iEdit == 1)
        {
            EXPECT_STREQ("STATIC", reader.GetItem(0).strClass);
            EXPECT_STREQ("Name:", reader.GetItem(0).strTitle);
        }
        EXPECT_EQ(-1, reader.FindItem(4242));
    }
}

TEST(DialogTemplateReader, BadTemplatesAreRefusedWithoutReadingPastTheirEnd)
{
    CDialogTemplateReader reader;
    EXPECT_FALSE(reader.Load(IDD_DLGTEST_MISSING));
    EXPECT_FALSE(reader.Read(NULL, 100));
    HRSRC hResource = ::FindResourceA(NULL, MAKEINTRESOURCE(IDD_DLGTEST), RT_DIALOG);
    ASSERT_TRUE(hResource != NULL);
    const BYTE* pTemplate = (const BYTE*)::LockResource(::LoadResource(NULL, hResource));
    DWORD cbTemplate = ::SizeofResource(NULL, hResource);
    ASSERT_TRUE(reader.Read(pTemplate, cbTemplate));
    EXPECT_EQ(14, reader.GetItemCount());
    // cut in the header, and in the last item
    for (DWORD cb : {(DWORD)10, (DWORD)30, cbTemplate - 4})
    {
        EXPECT_FALSE(reader.Read(pTemplate, cb)) << cb;
        EXPECT_EQ(0, reader.GetItemCount());
    }
    EXPECT_EQ(NULL, reader.CreateItem(0, NULL));
}

TEST(DialogTemplateReader, ReCreatedControlsMatchTheDialogManagersOwn)
{
    CExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_DLGTEST, NULL));
    CDialogTemplateReader reader;
    ASSERT_TRUE(reader.Load(IDD_DLGTEST));
    int iCombo = reader.FindItem(IDC_DLGTEST_COMBO);
    for (int i : {0, iCombo})
    {
        CWnd* pOriginal = dlg.GetDlgItem(reader.GetItem(i).nID);
        CRect rcOriginal;
        pOriginal->GetWindowRect(&rcOriginal);
        pOriginal->DestroyWindow();
        HWND hWnd = reader.CreateItem(i, &dlg);
        ASSERT_TRUE(hWnd != NULL);
        EXPECT_EQ(hWnd, dlg.GetDlgItem(reader.GetItem(i).nID)->m_hWnd);
        CRect rcNew;
        ::GetWindowRect(hWnd, &rcNew);
        EXPECT_EQ(rcOriginal, rcNew);
        EXPECT_EQ(dlg.SendMessage(WM_GETFONT), ::SendMessageA(hWnd, WM_GETFONT, 0, 0));
    }
    EXPECT_EQ(NULL, reader.CreateItem(reader.GetItemCount(), &dlg));
}

/////////////////////////////////////////////////////////////////////////////
// Data exchange that fails, and common dialogs, driven by real input

TEST(Dialog, BadTextsShowTheFrameworkPromptAndFocusTheControl)
{
    struct SCase
    {
        int nID;
        LPCSTR lpszText;
        LPCSTR lpszPrompt;
    };
    const SCase cases[] = {
        {IDC_DLGTEST_INT, "abc", "Enter an integer."},
        {IDC_DLGTEST_INT, "", "Enter an integer."},
        {IDC_DLGTEST_INT, "12 13", "Enter an integer."},
        {IDC_DLGTEST_INT, "2147483648", "Enter an integer."},
        {IDC_DLGTEST_INT, "11", "Enter an integer between -10 and 10."},
        {IDC_DLGTEST_UINT, "-1", "Enter a positive integer."},
        {IDC_DLGTEST_UINT, "4294967296", "Enter a positive integer."},
        {IDC_DLGTEST_LONG, "1.5", "Enter an integer."},
        {IDC_DLGTEST_TEXT, "four", "Enter no more than 3 characters."},
    };
    for (const SCase& c : cases)
    {
        CExchangeDlg dlg;
        dlg.m_nInt = 0;
        dlg.m_nMin = -10;
        dlg.m_nMax = 10;
        dlg.m_strText = "abc";
        dlg.m_nMaxChars = 3;
        ASSERT_TRUE(dlg.Create(IDD_DLGTEST, NULL));
        dlg.ShowWindow(SW_SHOW);
        // the edit refuses the fourth character as it is typed; set behind its back
        dlg.SendDlgItemMessage(IDC_DLGTEST_TEXT, EM_LIMITTEXT, 0, 0);
        dlg.SetDlgItemText(c.nID, c.lpszText);
        BOOL bResult = TRUE;
        CMouseScript script;
        script.AnswerDialog(IDOK);
        EXPECT_TRUE(script.Run([&] { bResult = dlg.UpdateData(TRUE); })) << c.lpszText;
        EXPECT_FALSE(bResult) << c.lpszText;
        EXPECT_STREQ(c.lpszPrompt, script.m_strDialogText) << c.lpszText;
        EXPECT_EQ(dlg.GetDlgItem(c.nID)->m_hWnd, ::GetFocus()) << c.lpszText;
        DWORD dwSel = (DWORD)dlg.SendDlgItemMessage(c.nID, EM_GETSEL);
        EXPECT_EQ((DWORD)MAKELONG(0, strlen(c.lpszText)), dwSel) << c.lpszText;
    }
}

TEST(Dialog, OKEndsAModalDialogOnlyWhenTheDataExchangeSucceeds)
{
    CExchangeDlg dlg;
    dlg.m_nMin = 0;
    dlg.m_nMax = 100;
    dlg.m_nInt = 50;
    INT_PTR nResult = 0;
    CMouseScript script;
    script.WaitForDialog()
        .Call([] { ::SetDlgItemTextA(FindThreadDialog(), IDC_DLGTEST_INT, "101"); })
        .AnswerDialog(IDOK)              // the dialog's OK
        .AnswerDialog(IDOK)              // the range prompt's
        .Call([] { ::SetDlgItemTextA(FindThreadDialog(), IDC_DLGTEST_INT, "99"); })
        .AnswerDialog(IDOK);
    EXPECT_TRUE(script.Run([&] { nResult = dlg.DoModal(); }));
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(99, dlg.m_nInt);
}

TEST(ColorDialog, RunsInTheFramesModalStateAndKeepsTheCustomColours)
{
    CTestMainFrame main;
    COLORREF* pCustom = CColorDialog::GetSavedCustomColors();
    pCustom[3] = RGB(1, 2, 3);
    CColorDialog dlg(RGB(10, 20, 30), CC_FULLOPEN | CC_SOLIDCOLOR);
    EXPECT_EQ(pCustom, dlg.m_cc.lpCustColors);
    EXPECT_EQ((DWORD)(CC_FULLOPEN | CC_SOLIDCOLOR | CC_RGBINIT), dlg.m_cc.Flags);
    BOOL bFrameDisabled = FALSE;
    CMouseScript script;
    script.WaitForDialog().Call([&] { bFrameDisabled = !main.m_pFrame->IsWindowEnabled(); }).AnswerDialog(IDOK);
    INT_PTR nResult = 0;
    EXPECT_TRUE(script.Run([&] { nResult = dlg.DoModal(); }));
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(RGB(10, 20, 30), dlg.GetColor());
    EXPECT_EQ(main.m_pFrame->m_hWnd, dlg.m_cc.hwndOwner);
    EXPECT_TRUE(bFrameDisabled);
    EXPECT_TRUE(main.m_pFrame->IsWindowEnabled());
    EXPECT_FALSE(main.m_pFrame->InModalState());
    EXPECT_EQ(RGB(1, 2, 3), CColorDialog::GetSavedCustomColors()[3]);

    CColorDialog cancelled;
    EXPECT_EQ(0u, cancelled.m_cc.Flags & CC_RGBINIT);
    CMouseScript cancel;
    cancel.AnswerDialog(IDCANCEL);
    EXPECT_TRUE(cancel.Run([&] { nResult = cancelled.DoModal(); }));
    EXPECT_EQ(IDCANCEL, nResult);
}
