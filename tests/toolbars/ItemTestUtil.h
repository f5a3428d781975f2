// ItemTestUtil.h - what the item and image-collection tests share: a surface whose pixels can be
// read back, image lists of plain-coloured images, and a host main window for the duration of a
// test.
#pragma once

#include <WEXOctrl.h>

// A 32-bit top-down DIB section selected into a memory DC.
class CItemCanvas
{
public:
    CItemCanvas(int cx, int cy, COLORREF clrFill);
    ~CItemCanvas();

    CDC& DC() { return m_dc; }
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF clr);
    // pixels of the colour inside rect
    int Count(COLORREF clr, const RECT& rect) const;
    // pixels inside rect that are not the colour
    int CountOther(COLORREF clr, const RECT& rect) const { return Area(rect) - Count(clr, rect); }
    static int Area(const RECT& rect) { return (rect.right - rect.left) * (rect.bottom - rect.top); }

private:
    CItemCanvas(const CItemCanvas&) = delete;
    CItemCanvas& operator=(const CItemCanvas&) = delete;

    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    DWORD* m_pBits;
    int m_cx, m_cy;
};

// Colour of image i in the lists made by CreateColorList: distinct, never white, black, grey.
COLORREF TestImageColor(int nList, int nImage);

// A CUILImageList of nCount images of cx x cy, image i a filled square of TestImageColor(nList, i)
// with a one-pixel transparent border (magenta mask).  NULL on failure.
CUILImageList* CreateColorList(int nList, int nCount, int cx = 16, int cy = 15);

// Makes a window with the given menu (may be NULL) the application's main window for the
// object's lifetime; it answers WM_GET_SYS_COLOR for the indices set with SetColor.
class CTestMainWnd
{
public:
    explicit CTestMainWnd(HMENU hMenu = NULL);
    ~CTestMainWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    void SetColor(int nIndex, COLORREF clr);
    // context codes seen in WM_GET_SYS_COLOR, in arrival order
    const CDWordArray& GetContexts() const { return m_contexts; }

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;
    CWnd* m_pPreviousMain;
    CWnd m_wnd;
    COLORREF m_colors[COLOR_MENUBAR + 1];
    BOOL m_bSet[COLOR_MENUBAR + 1];
    CDWordArray m_contexts;
};
