// ItemTestUtil.cpp - canvas, coloured image lists and the test main window.
#include "ItemTestUtil.h"

/////////////////////////////////////////////////////////////////////////////
// CItemCanvas

CItemCanvas::CItemCanvas(int cx, int cy, COLORREF clrFill)
    : m_hBitmap(NULL), m_hOld(NULL), m_pBits(NULL), m_cx(cx), m_cy(cy)
{
    BITMAPINFO bmi;
    memset(&bmi, 0, sizeof(bmi));
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    m_pBits = (DWORD*)pBits;
    m_dc.CreateCompatibleDC(NULL);
    m_hOld = ::SelectObject(m_dc.m_hDC, m_hBitmap);
    Fill(clrFill);
}

CItemCanvas::~CItemCanvas()
{
    ::SelectObject(m_dc.m_hDC, m_hOld);
    m_dc.DeleteDC();
    ::DeleteObject(m_hBitmap);
}

COLORREF CItemCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy || m_pBits == NULL)
        return CLR_INVALID;
    ::GdiFlush();
    const DWORD dw = m_pBits[y * m_cx + x];
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

void CItemCanvas::Fill(COLORREF clr)
{
    m_dc.FillSolidRect(0, 0, m_cx, m_cy, clr);
}

int CItemCanvas::Count(COLORREF clr, const RECT& rect) const
{
    int nCount = 0;
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
            nCount += Pixel(x, y) == clr;
    return nCount;
}

/////////////////////////////////////////////////////////////////////////////
// Image lists

COLORREF TestImageColor(int nList, int nImage)
{
    return RGB(40 + 50 * (nList % 4), 30 + 20 * (nImage % 10), 200 - 30 * (nList / 4));
}

CUILImageList* CreateColorList(int nList, int nCount, int cx, int cy)
{
    CUILImageList* pList = new CUILImageList;
    if (!pList->Create(cx, cy, ILC_COLOR24 | ILC_MASK, nCount, 4))
    {
        delete pList;
        return NULL;
    }
    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    for (int i = 0; i < nCount; i++)
    {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcScreen, cx, cy);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cx, cy, RGB(255, 0, 255));
        dc.FillSolidRect(1, 1, cx - 2, cy - 2, TestImageColor(nList, i));
        dc.SelectObject(pOld);
        pList->Add(&bitmap, RGB(255, 0, 255));
    }
    return pList;
}

/////////////////////////////////////////////////////////////////////////////
// CTestMainWnd

CTestMainWnd::CTestMainWnd(HMENU hMenu)
    : m_hWnd(NULL), m_pPreviousMain(AfxGetThread()->m_pMainWnd)
{
    memset(m_colors, 0, sizeof(m_colors));
    memset(m_bSet, 0, sizeof(m_bSet));
    WNDCLASSA wc;
    memset(&wc, 0, sizeof(wc));
    wc.lpfnWndProc = WndProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "WexoItemTestMain";
    ::RegisterClassA(&wc);      // fails harmlessly when already registered
    m_hWnd = ::CreateWindowExA(0, wc.lpszClassName, "items", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
        NULL, hMenu, wc.hInstance, NULL);
    ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
    m_wnd.Attach(m_hWnd);
    AfxGetThread()->m_pMainWnd = &m_wnd;
}

CTestMainWnd::~CTestMainWnd()
{
    AfxGetThread()->m_pMainWnd = m_pPreviousMain;
    m_wnd.Detach();
    ::DestroyWindow(m_hWnd);
}

void CTestMainWnd::SetColor(int nIndex, COLORREF clr)
{
    m_colors[nIndex] = clr;
    m_bSet[nIndex] = TRUE;
}

LRESULT CALLBACK CTestMainWnd::WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CTestMainWnd* pThis = (CTestMainWnd*)::GetWindowLongPtrA(hWnd, GWLP_USERDATA);
    if (pThis != NULL && WM_GET_SYS_COLOR != 0 && nMsg == WM_GET_SYS_COLOR)
    {
        const int nIndex = LOWORD(wParam);
        pThis->m_contexts.Add(HIWORD(wParam));
        if (nIndex <= COLOR_MENUBAR && pThis->m_bSet[nIndex])
        {
            *(COLORREF*)lParam = pThis->m_colors[nIndex];
            return 1;
        }
        return 0;
    }
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}
