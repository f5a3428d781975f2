// ControlRegistry.h - the registry of property editors and custom-drawn controls.
//
// Classes and objects here:
//   CUILControlRegistry   binds property types to editor and value-drawing functions, and
//                         windows to their custom-draw functions
//   UILControlRegistry    the process's one registry
//
// Only the custom-draw entry that toolbars call exists yet.  No binding and no custom control
// can be registered until the property editors come, so CustomDraw answers 0 ("not drawn") for
// every window and callers draw the item themselves.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CUILControlRegistry
{
public:
    CUILControlRegistry();
    virtual ~CUILControlRegistry();

    // The custom-draw function registered for pWnd called with (pWnd, nCode, lParam), and its
    // result; 0 when the window has none (always, for now: nothing can be registered yet).
    virtual long CustomDraw(HWND hWnd, UINT nCode, LPARAM lParam);
    virtual long CustomDraw(CWnd* pWnd, UINT nCode, LPARAM lParam);

    // how many windows have a custom-draw function (0 until registration exists)
    int GetCustomControlCount() const { return 0; }
};

extern AFX_EXT_DATA CUILControlRegistry UILControlRegistry;
