// resource.h - identifiers of the showcase's resources (showcase.rc).
#pragma once

#define IDR_MAINFRAME       128

// the framework's standard command identifiers
#ifndef ID_APP_ABOUT
#define ID_APP_ABOUT        0xE140
#endif
#ifndef ID_APP_EXIT
#define ID_APP_EXIT         0xE141
#endif

// the showcase's own commands
#define ID_FILE_NEWDRAWING  32771
#define ID_VIEW_GRID        32772
#define ID_VIEW_AXES        32773
#define ID_VIEW_DARKSCHEME  32780
#define ID_VIEW_LAYERS      32790
#define ID_VIEW_OBJECTS     32791
#define ID_VIEW_PROPERTIES  32792

// the drawing's context menu (SceneMenus.cpp)
#define IDR_DRAWING_CONTEXT 140
#define ID_FILE_FAVORITEFOLDERS 32800
// the objects scene: the late-bound recolouring and the indicator's clips (indicatorclips.py)
#define ID_VIEW_RECOLOUR    32801
#define IDR_INDICATOR_SMALL 401
#define IDR_INDICATOR_LARGE 402
// the drawing tools: a flyout bar whose one button drops down line, arc and circle
// (drawtools.py draws the images)
#define IDR_DRAWTOOLS       150
#define IDR_DRAWBAR         151
#define ID_DRAW_LINE        32810
#define ID_DRAW_ARC         32811
#define ID_DRAW_CIRCLE      32812
