// Toolbars.h - command items, the image collection, toolbars, menu bars and menus.
#pragma once

#include "UILImages.h"
#include "UILItem.h"
#include "UILToolBar.h"
#include "UILMenuBar.h"      // the menu bar
#include "SubclassWnd.h"    // window hooks
#include "CoolMenu.h"       // owner-drawn popup menus with toolbar images, context menu frame
#include "ToolBarEx.h"      // flyout toolbar, toolbar descriptions, show levels
#include "PopupToolBar.h"   // the flyout's menu and its tip window
#include "PopupBar.h"       // hover popup toolbar beside chosen child windows
