// Resource identifiers of gdi_test.rc.
#pragma once
#define IDB_GDITEST_STRIP  4401
#define IDR_GDITEST_MENU   4402
#define IDB_GDITEST_STRIP8 4403
#define ID_GDITEST_OPEN    4410
#define ID_GDITEST_RECENT  4411
