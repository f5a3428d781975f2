// Controls.h - the library's general controls.
#pragma once

#include "MouseAction.h"
#include "BookMark.h"
#include "InputDialogs.h"
#include "ResizingDialog.h"
#include "SystemVars.h"
#include "TreeComboBox.h"
