// test_input_dialogs.cpp - the text, integer and confirm input dialogs, driven by real keyboard
// input: the range and parse prompts, OK and Cancel, the caller's value.
#include "WEXOctrl.h"
#include "res/resource.h"
#include "TestInput.h"
#include <gtest/gtest.h>
#include <climits>

namespace
{
// One run of DoEditInt: what the user types and presses, what comes back.
struct SIntRun
{
    LPCSTR lpszName;
    int nMin, nMax;
    std::function<void(CMouseScript&)> fnSteps;
    int nResult;
    int nValueAfter;               // the caller's value started as 5
    LPCSTR lpszPrompt;             // the framework prompt the user saw, or NULL for none
};

void TypeAndOK(CMouseScript& script, LPCSTR lpszText)
{
    script.WaitForDialog().TypeText(lpszText).KeyPress(VK_RETURN);
}
} // namespace

TEST(InputDialogs, EditIntChecksTheRangeKeepsTheDialogOpenAndReturnsWhatWasConfirmed)
{
    const SIntRun runs[] = {
        {"in range", 1, 10, [](CMouseScript& s) { TypeAndOK(s, "7"); }, 1, 7, NULL},
        {"out of range, then fixed", 1, 10,
            [](CMouseScript& s) {
                TypeAndOK(s, "42");
                s.AnswerDialog(IDOK);          // the prompt; the dialog stays open, the text selected
                TypeAndOK(s, "10");
            },
            1, 10, "Enter an integer between 1 and 10."},
        {"not a number, then cancelled", 1, 10,
            [](CMouseScript& s) {
                TypeAndOK(s, "abc");
                s.AnswerDialog(IDOK);
                s.WaitForDialog().KeyPress(VK_ESCAPE);   // the prompt text stays the last answered
            },
            0, 5, "Enter an integer."},
        {"cancelled at once", 1, 10, [](CMouseScript& s) { s.WaitForDialog().KeyPress(VK_ESCAPE); }, 0, 5, NULL},
        {"the default range takes the smallest int", INT_MIN, INT_MAX,
            [](CMouseScript& s) { TypeAndOK(s, "-2147483648"); }, 1, INT_MIN, NULL},
        {"one past the largest int", INT_MIN, INT_MAX,
            [](CMouseScript& s) {
                TypeAndOK(s, "2147483648");
                s.AnswerDialog(IDOK);
                s.WaitForDialog().KeyPress(VK_ESCAPE);   // the prompt text stays the last answered
            },
            0, 5, "Enter an integer."},
        {"minimum above maximum accepts nothing", 10, 1,
            [](CMouseScript& s) {
                TypeAndOK(s, "5");
                s.AnswerDialog(IDOK);
                s.WaitForDialog().KeyPress(VK_ESCAPE);   // the prompt text stays the last answered
            },
            0, 5, "Enter an integer between 10 and 1."},
    };
    for (const SIntRun& run : runs)
    {
        int nValue = 5, nResult = -2;
        CMouseScript script;
        run.fnSteps(script);
        EXPECT_TRUE(script.Run([&] { nResult = DoEditInt("Count", nValue, run.nMin, run.nMax); })) << run.lpszName;
        EXPECT_EQ(run.nResult, nResult) << run.lpszName;
        EXPECT_EQ(run.nValueAfter, nValue) << run.lpszName;
        if (run.lpszPrompt != NULL)
        {
            EXPECT_STREQ(run.lpszPrompt, script.m_strDialogText) << run.lpszName;
        }
    }
}

TEST(InputDialogs, EditIntShowsTheTitleTheValueAndStepsWithinTheRange)
{
    int nValue = 9;
    CString strCaption, strText;
    CMouseScript script;
    script.WaitForDialog()
        .Call([&] {
            HWND hDlg = FindThreadDialog();
            CWnd::FromHandle(hDlg)->GetWindowText(strCaption);
            CWnd::FromHandle(hDlg)->GetDlgItemText(IDC_INPUT_VALUE, strText);
        })
        .KeyPress(VK_UP)               // the arrow keys go to the spin control's buddy
        .KeyPress(VK_UP)               // at the maximum it stays there
        .KeyPress(VK_RETURN);
    EXPECT_TRUE(script.Run([&] { EXPECT_EQ(1, DoEditInt("Count", nValue, 1, 10)); }));
    EXPECT_STREQ("Count", strCaption);
    EXPECT_STREQ("9", strText);
    EXPECT_EQ(10, nValue);
}

TEST(InputDialogs, EditStringAndConfirmString)
{
    struct SRun
    {
        LPCSTR lpszName;
        BOOL bConfirm;
        LPCSTR lpszTyped;              // NULL: cancelled with Escape
        int nResult;
        LPCSTR lpszAfter;
    };
    const SRun runs[] = {
        {"edit, OK", FALSE, "new text", 1, "new text"},
        {"edit, emptied", FALSE, "", 1, ""},
        {"edit, cancelled", FALSE, NULL, 0, "old"},
        {"confirm, OK", TRUE, "confirmed", 1, "confirmed"},
        {"confirm, cancelled", TRUE, NULL, 0, "old"},
    };
    for (const SRun& run : runs)
    {
        CString strValue = "old", strShown;
        CMouseScript script;
        script.WaitForDialog().Call([&] { strShown = DialogText(FindThreadDialog()); });
        if (run.lpszTyped == NULL)
            script.KeyPress(VK_ESCAPE);
        else
        {
            if (*run.lpszTyped == '\0')
                script.KeyPress(VK_DELETE);
            else
                script.TypeText(run.lpszTyped);
            script.KeyPress(VK_RETURN);
        }
        int nResult = -2;
        EXPECT_TRUE(script.Run([&] {
            nResult = run.bConfirm ? DoConfirmString("Name", "Type the name again", strValue)
                                   : DoEditString("Name", strValue);
        })) << run.lpszName;
        EXPECT_EQ(run.nResult, nResult) << run.lpszName;
        EXPECT_STREQ(run.lpszAfter, strValue) << run.lpszName;
        EXPECT_EQ(run.bConfirm, strShown.Find("Type the name again") >= 0) << run.lpszName;
    }
}

TEST(InputDialogs, AConfirmTemplateWithoutTheMessageStillRuns)
{
    CUILResourceScope resources;
    CConfirmStringDlg dlg;
    dlg.m_lpszTemplateName = MAKEINTRESOURCE(IDD_GETSTRING);
    CString strValue = "kept";
    CMouseScript script;
    script.WaitForDialog().TypeText("x").KeyPress(VK_RETURN);
    int nResult = 0;
    EXPECT_TRUE(script.Run([&] { nResult = dlg.DoEditString(strValue); }));
    EXPECT_EQ(1, nResult);
    EXPECT_STREQ("x", strValue);
}

TEST(InputDialogs, AMissingTemplateGivesMinusOneAndLeavesTheValue)
{
    CGetIntDlg dlg;
    dlg.m_lpszTemplateName = MAKEINTRESOURCE(1);
    int nValue = 33;
    EXPECT_EQ(-1, dlg.DoEditInt(nValue));
    EXPECT_EQ(33, nValue);
    EXPECT_EQ(NULL, FindThreadDialog());
}
