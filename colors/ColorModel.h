// ColorModel.h - the colour model: colour values and CUILColor, conversions and the sort order,
// the colours of 3-D frames, the icons of special colours, the colour map and the channel slider.
#pragma once

#include "UILColor.h"
#include "FrameColors.h"
#include "CustomColorIcons.h"
#include "ColorArray.h"
#include "ColorParam.h"
