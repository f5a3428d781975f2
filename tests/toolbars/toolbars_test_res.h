// toolbars_test_res.h - identifiers of the toolbar tests' own resources.
#pragma once

#define ID_TEST_PROMPT_AND_TIP  40101
#define ID_TEST_PROMPT_ONLY     40102
#define ID_TEST_IN_MENU         40103
#define ID_TEST_NOWHERE         40199

// toolbars of the bar tests: buttons A.. E, popup entries X, Y, Z and a second level P, Q
#define IDR_TBTEST_BAR          4600    // A, B, separator, C
#define IDR_TBTEST_WIDE         4601    // A, B, separator, C, D
#define IDR_TBTEST_EMPTY        4602    // no buttons
#define IDR_TBTEST_NOBITMAP     4603    // A, B without a bitmap
#define IDR_TBTEST_FEW          4604    // A, B, C over a bitmap of two images
#define IDR_TBTEST_MENU         4605    // X, Y, Z
#define IDR_TBTEST_SUB          4606    // P, Q
#define IDR_TBTEST_BADVERSION   4607
#define ID_TBTEST_A             40201
#define ID_TBTEST_B             40202
#define ID_TBTEST_C             40203
#define ID_TBTEST_D             40204
#define ID_TBTEST_X             40211
#define ID_TBTEST_Y             40212
#define ID_TBTEST_Z             40213
#define ID_TBTEST_P             40221
#define ID_TBTEST_Q             40222
// the menu bar tests' menu: Alpha (A, sep, More (P, Q checked), B grayed), sep, Xray (X, Y), Direct (D)
#define IDR_TBTEST_MENUBAR      4610
