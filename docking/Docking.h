// Docking.h - the library's docking layer: drag loop and splitters.
#pragma once

#include "WinDrag.h"
#include "SplitBar.h"
