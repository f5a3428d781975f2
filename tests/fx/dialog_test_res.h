// Resource identifiers of dialog_test.rc.
#pragma once
#define IDD_DLGTEST         4501    // an edit for each exchanged type, a check box, three radio buttons, a combo
#define IDD_DLGTEST_SHARED  4502    // also in the extension DLL, with another caption
#define IDD_DLGTEST_PLAIN   4503    // the standard (not extended) template form
#define IDD_DLGTEST_MISSING 4599    // no module has it
#define IDC_DLGTEST_TEXT    1001
#define IDC_DLGTEST_INT     1002
#define IDC_DLGTEST_UINT    1003
#define IDC_DLGTEST_LONG    1004
#define IDC_DLGTEST_CHECK   1005
#define IDC_DLGTEST_RADIO1  1006
#define IDC_DLGTEST_RADIO2  1007
#define IDC_DLGTEST_RADIO3  1008
#define IDC_DLGTEST_COMBO   1009
#define IDC_DLGTEST_LIST    1010
#define IDC_DLGTEST_AFTER   1011    // the next group after the radio buttons
