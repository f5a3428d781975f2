// ControlRegistry.cpp - CUILControlRegistry: the custom-draw entry point.
#include "ControlRegistry.h"

CUILControlRegistry UILControlRegistry;

CUILControlRegistry::CUILControlRegistry()
{
}

CUILControlRegistry::~CUILControlRegistry()
{
}

long CUILControlRegistry::CustomDraw(HWND hWnd, UINT nCode, LPARAM lParam)
{
    return CustomDraw(hWnd != NULL ? CWnd::FromHandlePermanent(hWnd) : NULL, nCode, lParam);
}

long CUILControlRegistry::CustomDraw(CWnd*, UINT, LPARAM)
{
    // no window can be registered yet, so none has a function of its own: the caller draws
    return 0;
}
