// Resource identifiers of docking_test.rc.
#pragma once
#define IDR_DOCKTEST_BAR     4500
#define IDR_DOCKTEST_BADBAR  4501
#define IDR_DOCKTEST_SHORT   4502
#define ID_DOCKTEST_OPEN     4510
#define ID_DOCKTEST_SAVE     4511
#define ID_DOCKTEST_PRINT    4512
#define ID_DOCKTEST_PANE     4513
