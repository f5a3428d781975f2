// resource.h - identifiers of WEXOctrl.dll's own resources (WEXOctrl.rc).
#pragma once
