// afxext.h - framework extensions: control bars, docking, toolbars and dialog bars.
//
// These come with the library's toolbars and docking windows; until then this header brings the
// window classes and the common controls that extension code builds on.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"
#include "afxdlgs.h"   // common dialogs, dialog templates
