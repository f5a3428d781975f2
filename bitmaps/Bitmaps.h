// Bitmaps.h - the library's bitmap operations.
#pragma once

#include "BitmapEx.h"
#include "BitmapOps.h"
#include "Dib.h"
