// ItemTestUtil.h - the item tests' image lists, made by the shared toolkit as the library's own
// list class.
#pragma once

#include <WEXOctrl.h>
#include "wexotest.h"

// A CUILImageList of nCount images of cx x cy coloured CTestImages::Color(nList, i); NULL on
// failure.
inline CUILImageList* CreateColorList(int nList, int nCount, int cx = 16, int cy = 15)
{
    CUILImageList* pList = new CUILImageList;
    if (!CTestImages::Fill(*pList, nCount, cx, cy, nList))
    {
        delete pList;
        return NULL;
    }
    return pList;
}
