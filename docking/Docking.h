// Docking.h - the library's docking layer: drag loop, splitters, title bands, palettes.
#pragma once

#include "WinDrag.h"
#include "SplitBar.h"
#include "ToolPalettes.h"
#include "Band.h"
#include "UILDockBar.h"
#include "DockWnd.h"
#include "UILMiniDockFrameWnd.h"
