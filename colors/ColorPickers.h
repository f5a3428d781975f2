// ColorPickers.h - the controls with which a user picks a colour: the colour popup and
// RunColorSelector, the colour combo box, the popup button, the colour field with its eyedropper,
// the pen and brush indicator and the plain swatch.
#pragma once

#include "ColorPopup.h"
#include "ColorButtons.h"
#include "ColorCombo.h"
#include "ColorCtrl.h"
