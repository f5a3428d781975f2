// coolmenu_test_res.h - identifiers of the menu tests' own resources (coolmenu_test.rc).
#pragma once

// toolbars: A (16 x 15, three images), B (16 x 15, two images, one command shared with A),
// C (24 x 22), one without a bitmap, one bitmap without a toolbar
#define IDR_CM_TOOLBAR_A        41501
#define IDR_CM_TOOLBAR_B        41502
#define IDR_CM_TOOLBAR_C        41503
#define IDR_CM_TOOLBAR_NOBITMAP 41504
#define IDR_CM_BITMAP_ONLY      41505
#define IDR_CM_ACCEL            41506

// commands
#define ID_CM_SAVE      41601   // A image 0; Ctrl+S and F12
#define ID_CM_OPEN      41602   // A image 1; Ctrl+Shift+O
#define ID_CM_QUIT      41603   // A image 2 (B's first button too); plain character 'q'
#define ID_CM_PRINT     41604   // B image 1; Alt+Ctrl+P
#define ID_CM_BIG       41605   // only on C
#define ID_CM_OPTIONS   41606   // no image, no shortcut
#define ID_CM_NOTHING   41607   // no image, no shortcut
#define ID_CM_ORDER     41608   // no image, no shortcut
