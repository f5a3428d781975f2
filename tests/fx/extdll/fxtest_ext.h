// An extension DLL used by the framework tests: one string, one bitmap-free dialog-less resource set
// and one serialisable class.
#pragma once

#define IDS_FXTEST_EXT_STRING 4242
#define IDS_FXTEST_EXT_SHADOWED 4243    // the application's own string of this number wins
#define FXTEST_EXT_STRING_TEXT "string from the extension"
