// SceneItems.cpp - the items scene: the library's command items in every look they have, on one
// panel over the drawing.  A row of bar buttons (at rest, hot, pressed, checked, disabled, with a
// drop-down mark, with text), an open popup menu with images, check marks, shortcuts and a
// submenu arrow, a menu bar, and the same buttons and menu entries standing in vertical bars.
// The images are CAD tool icons drawn here and added to the library's image collection.
#include "SceneItems.h"
#include "MainFrm.h"
#include "ScenePanel.h"
#include <algorithm>

namespace
{
enum
{
    imgLine, imgCircle, imgRectangle, imgArc, imgPolyline, imgText, imgDimension, imgHatch,
    imgMove, imgCopy, imgRotate, imgZoom, imgCount
};

const int cxImage = 16;
const int cyImage = 15;
const COLORREF clrMask = RGB(255, 0, 255);

// One 16 x 15 icon on the mask colour.
void DrawIcon(CDC& dc, int nIcon)
{
    dc.FillSolidRect(0, 0, cxImage, cyImage, clrMask);
    CPen penBlue(PS_SOLID, 1, RGB(0, 0, 160));
    CPen penRed(PS_SOLID, 1, RGB(200, 0, 0));
    CPen penDark(PS_SOLID, 1, RGB(40, 40, 40));
    CBrush brushNone;
    brushNone.CreateStockObject(NULL_BRUSH);
    CPen* pOldPen = dc.SelectObject(&penBlue);
    CBrush* pOldBrush = dc.SelectObject(&brushNone);
    switch (nIcon)
    {
    case imgLine:
        dc.MoveTo(2, 12);
        dc.LineTo(14, 2);
        dc.FillSolidRect(1, 11, 3, 3, RGB(200, 0, 0));
        dc.FillSolidRect(12, 1, 3, 3, RGB(200, 0, 0));
        break;
    case imgCircle:
        dc.Ellipse(2, 1, 15, 14);
        dc.FillSolidRect(7, 6, 3, 3, RGB(200, 0, 0));
        break;
    case imgRectangle:
        dc.Rectangle(2, 3, 14, 12);
        dc.FillSolidRect(1, 2, 3, 3, RGB(200, 0, 0));
        dc.FillSolidRect(12, 10, 3, 3, RGB(200, 0, 0));
        break;
    case imgArc:
        dc.Arc(2, 2, 15, 15, 14, 8, 2, 8);
        dc.FillSolidRect(1, 7, 3, 3, RGB(200, 0, 0));
        dc.FillSolidRect(13, 7, 3, 3, RGB(200, 0, 0));
        break;
    case imgPolyline:
    {
        const POINT pts[] = { { 1, 12 }, { 5, 4 }, { 9, 10 }, { 14, 2 } };
        dc.Polyline(pts, 4);
        break;
    }
    case imgText:
    {
        dc.SelectObject(&penDark);
        dc.MoveTo(3, 2);
        dc.LineTo(13, 2);
        dc.MoveTo(3, 3);
        dc.LineTo(13, 3);
        dc.MoveTo(7, 3);
        dc.LineTo(7, 13);
        dc.MoveTo(8, 3);
        dc.LineTo(8, 13);
        dc.MoveTo(5, 13);
        dc.LineTo(11, 13);
        break;
    }
    case imgDimension:
        dc.SelectObject(&penDark);
        dc.MoveTo(2, 2);
        dc.LineTo(2, 13);
        dc.MoveTo(13, 2);
        dc.LineTo(13, 13);
        dc.SelectObject(&penRed);
        dc.MoveTo(3, 7);
        dc.LineTo(13, 7);
        dc.MoveTo(4, 6);
        dc.LineTo(4, 9);
        dc.MoveTo(5, 5);
        dc.LineTo(5, 10);
        dc.MoveTo(11, 6);
        dc.LineTo(11, 9);
        dc.MoveTo(10, 5);
        dc.LineTo(10, 10);
        break;
    case imgHatch:
    {
        dc.Rectangle(1, 1, 15, 14);
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(2, 2, 14, 13);
        dc.SelectObject(&penRed);
        for (int i = -12; i < 14; i += 4)
        {
            dc.MoveTo(2 + i, 13);
            dc.LineTo(2 + i + 12, 1);
        }
        dc.RestoreDC(nSaved);
        break;
    }
    case imgMove:
        dc.SelectObject(&penDark);
        dc.MoveTo(7, 1);
        dc.LineTo(7, 14);
        dc.MoveTo(1, 7);
        dc.LineTo(14, 7);
        for (int i = 1; i <= 3; i++)
        {
            dc.MoveTo(7 - i, 1 + i);
            dc.LineTo(8 + i, 1 + i);
            dc.MoveTo(7 - i, 13 - i);
            dc.LineTo(8 + i, 13 - i);
            dc.MoveTo(1 + i, 7 - i);
            dc.LineTo(1 + i, 8 + i);
            dc.MoveTo(13 - i, 7 - i);
            dc.LineTo(13 - i, 8 + i);
        }
        break;
    case imgCopy:
        dc.SelectObject(&penDark);
        dc.Rectangle(1, 1, 10, 10);
        dc.FillSolidRect(6, 5, 9, 9, RGB(255, 255, 255));
        dc.SelectObject(&penBlue);
        dc.Rectangle(5, 4, 15, 14);
        break;
    case imgRotate:
        dc.Arc(2, 2, 14, 14, 8, 2, 2, 9);
        dc.SelectObject(&penRed);
        dc.MoveTo(8, 0);
        dc.LineTo(11, 3);
        dc.LineTo(7, 5);
        dc.FillSolidRect(7, 7, 2, 2, RGB(40, 40, 40));
        break;
    case imgZoom:
    {
        dc.SelectObject(&penDark);
        dc.Ellipse(1, 1, 11, 11);
        CPen penHandle(PS_SOLID, 2, RGB(120, 80, 20));
        dc.SelectObject(&penHandle);
        dc.MoveTo(10, 10);
        dc.LineTo(14, 14);
        dc.SelectObject(&penDark);
        dc.MoveTo(4, 6);
        dc.LineTo(9, 6);
        dc.MoveTo(6, 4);
        dc.LineTo(6, 9);
        break;
    }
    default:
        break;
    }
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}

// the icons as one list of the library's image collection; the first image's number
int AddSceneImages()
{
    static int s_nFirstImage = -1;
    if (s_nFirstImage >= 0)
        return s_nFirstImage;
    CUILImageList* pList = new CUILImageList;
    if (!pList->Create(cxImage, cyImage, ILC_COLOR24 | ILC_MASK, imgCount, 0))
    {
        delete pList;
        return -1;
    }
    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    for (int i = 0; i < imgCount; i++)
    {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcScreen, cxImage, cyImage);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        DrawIcon(dc, i);
        dc.SelectObject(pOld);
        pList->Add(&bitmap, clrMask);
    }
    // the collection owns the list from now on
    GetImagesCollection()->Add(pList, UILIMAGELIST_OWNED);
    s_nFirstImage = pList->GetStartIndex();
    return s_nFirstImage;
}

// One item as the scene shows it: how it is made and in which mode it is drawn.
struct SSceneItem
{
    int nImage;             // imgXxx, -1 = none
    const char* lpszText;
    BYTE fsState;
    BYTE fsStyle;
    int nExtraLook;         // UILIS_POPUP, UILIS_TEXT, ...
    int nMode;              // UILDRAW_
    const char* lpszLabel; // caption under a bar button
};

const BYTE stEnabled = TBSTATE_ENABLED;
const BYTE stChecked = TBSTATE_ENABLED | TBSTATE_CHECKED;
const BYTE stPressed = TBSTATE_ENABLED | TBSTATE_PRESSED;

const SSceneItem s_barItems[] =
{
    { imgLine, "Line", stEnabled, 0, 0, UILDRAW_NORMAL, "at rest" },
    { imgCircle, "Circle", stEnabled, 0, 0, UILDRAW_HOT, "hot" },
    { imgRectangle, "Rectangle", stPressed, 0, 0, UILDRAW_HOT, "pressed" },
    { imgHatch, "Hatch", stChecked, 0, 0, UILDRAW_NORMAL, "checked" },
    { imgText, "Text", 0, 0, 0, UILDRAW_NORMAL, "disabled" },
    { -1, NULL, stEnabled, TBSTYLE_SEP, 0, UILDRAW_NORMAL, NULL },
    { imgArc, "Arc", stEnabled, 0, UILIS_POPUP, UILDRAW_NORMAL, "flyout" },
    { imgArc, "Arc", stEnabled, 0, UILIS_POPUP, UILDRAW_HOT, "flyout, hot" },
    { -1, NULL, stEnabled, TBSTYLE_SEP, 0, UILDRAW_NORMAL, NULL },
    { imgDimension, "Dimension", stEnabled, 0, UILIS_TEXT, UILDRAW_HOT, "image and text" },
    { imgZoom, "Zoom", stChecked, 0, UILIS_TEXT | UILIS_POPUP, UILDRAW_NORMAL, "checked, flyout" },
    { -1, "Regen", stEnabled, 0, UILIS_TEXT, UILDRAW_NORMAL, "text only" },
};

const SSceneItem s_menuItems[] =
{
    { imgMove, "&Move\tCtrl+M", stEnabled, 0, 0, UILDRAW_NORMAL, NULL },
    { imgCopy, "&Copy\tCtrl+C", stEnabled, 0, 0, UILDRAW_HOT, NULL },
    { imgRotate, "&Rotate", stChecked, 0, 0, UILDRAW_NORMAL, NULL },
    { -1, NULL, stEnabled, TBSTYLE_SEP, 0, UILDRAW_NORMAL, NULL },
    { -1, "Snap to &Grid\tF9", stChecked, 0, 0, UILDRAW_NORMAL, NULL },
    { -1, "&Ortho Mode\tF8", stEnabled, 0, 0, UILDRAW_NORMAL, NULL },
    { imgZoom, "&Zoom Window", 0, 0, 0, UILDRAW_NORMAL, NULL },
    { -1, NULL, stEnabled, TBSTYLE_SEP, 0, UILDRAW_NORMAL, NULL },
    { -1, "Recent &Drawings", stEnabled, 0, UILIS_POPUP, UILDRAW_NORMAL, NULL },
    { imgPolyline, "&Polyline Tools", stEnabled, 0, UILIS_POPUP, UILDRAW_HOT, NULL },
};

const SSceneItem s_menuBarItems[] =
{
    { -1, "&File", stEnabled, 0, 0, UILDRAW_NORMAL, NULL },
    { -1, "&Edit", stEnabled, 0, 0, UILDRAW_HOT, NULL },
    { -1, "&Draw", stPressed, 0, 0, UILDRAW_HOT, NULL },
    { -1, "&Modify", stEnabled, 0, 0, UILDRAW_NORMAL, NULL },
    { -1, "&Help", 0, 0, 0, UILDRAW_NORMAL, NULL },
};

const SSceneItem s_verticalItems[] =
{
    { imgLine, "Line", stEnabled, 0, 0, UILDRAW_NORMAL, NULL },
    { imgCircle, "Circle", stEnabled, 0, 0, UILDRAW_HOT, NULL },
    { imgHatch, "Hatch", stChecked, 0, 0, UILDRAW_NORMAL, NULL },
    { imgArc, "Arc", stEnabled, 0, UILIS_POPUP, UILDRAW_NORMAL, NULL },
    { imgText, "Text", 0, 0, 0, UILDRAW_NORMAL, NULL },
    { -1, NULL, stEnabled, TBSTYLE_SEP, 0, UILDRAW_NORMAL, NULL },
    { imgDimension, "Dimension", stEnabled, 0, UILIS_TEXT, UILDRAW_HOT, NULL },
    { imgZoom, "Zoom", stChecked, 0, UILIS_TEXT, UILDRAW_NORMAL, NULL },
};

const SSceneItem s_verticalMenuBarItems[] =
{
    { -1, "&File", stEnabled, 0, 0, UILDRAW_NORMAL, NULL },
    { -1, "&Edit", stEnabled, 0, 0, UILDRAW_HOT, NULL },
    { -1, "&Draw", stPressed, 0, 0, UILDRAW_HOT, NULL },
};

class CItemsScenePanel;
CItemsScenePanel* s_pItemsPanel = NULL;

// A panel that holds one CUILItem per entry of the tables above, lays them out as bars and a
// popup menu would, and paints them.
class CItemsScenePanel : public CWnd
{
public:
    CItemsScenePanel() : m_nFirstImage(-1) {}
    virtual ~CItemsScenePanel();

    BOOL CreatePanel(CWnd* pParent, const CRect& rect);

protected:
    struct SPlaced
    {
        CUILItem* pItem;
        int nMode;
        const char* lpszLabel;
    };

    CUILItem* MakeItem(const SSceneItem& def, int nLook);
    // Lays a row (or a column, for vertical looks) out from pt; returns the far corner.
    CPoint PlaceRow(const SSceneItem* pDefs, int nCount, int nLook, CPoint pt, BOOL bVertical, BOOL bLabels);
    // a popup menu: every entry as wide as the widest
    CPoint PlaceMenu(const SSceneItem* pDefs, int nCount, int nLook, CPoint pt);
    void DrawCaption(CDC& dc, int x, int y, const char* lpszText);

    virtual void PostNcDestroy();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    int m_nFirstImage;
    CArray<SPlaced, const SPlaced&> m_items;
    CRect m_rcMenu;         // the popup menu's frame
    CPoint m_ptTitles[3];   // where the titles of the three groups go
    CFont m_fontCaption;
};

BEGIN_MESSAGE_MAP(CItemsScenePanel, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CItemsScenePanel::~CItemsScenePanel()
{
    for (int i = 0; i < m_items.GetSize(); i++)
        delete m_items[i].pItem;
}

void CItemsScenePanel::PostNcDestroy()
{
    s_pItemsPanel = NULL;
    delete this;
}

CUILItem* CItemsScenePanel::MakeItem(const SSceneItem& def, int nLook)
{
    CUILItem* pItem = new CUILItem;
    TBBUTTON button;
    memset(&button, 0, sizeof(button));
    const BOOL bSeparator = (def.fsStyle & TBSTYLE_SEP) != 0;
    button.iBitmap = bSeparator ? 8 : (def.nImage >= 0 ? m_nFirstImage + def.nImage : -1);
    button.idCommand = bSeparator ? 0 : 100 + (int)m_items.GetSize();
    button.fsState = def.fsState;
    button.fsStyle = def.fsStyle;
    pItem->FillFromTBButton(&button, bSeparator ? NULL : GetImagesCollection());
    if (def.lpszText != NULL)
        pItem->m_strText = def.lpszText;
    CClientDC dc(this);
    pItem->MeasureItem(dc, bSeparator ? nLook & ~(UILIS_IMAGE | UILIS_TEXT) : nLook | def.nExtraLook, -1);
    return pItem;
}

CPoint CItemsScenePanel::PlaceRow(const SSceneItem* pDefs, int nCount, int nLook, CPoint pt, BOOL bVertical,
    BOOL bLabels)
{
    // a bar's buttons share one height (across the bar): that of its tallest button
    const int nFirst = (int)m_items.GetSize();
    int cyButton = 0;
    for (int i = 0; i < nCount; i++)
    {
        CUILItem* pItem = MakeItem(pDefs[i], nLook);
        CRect rc;
        pItem->GetRect(&rc);
        if (!pItem->IsSeparator())
            cyButton = std::max(cyButton, rc.Height());
        SPlaced placed = { pItem, pDefs[i].nMode, bLabels ? pDefs[i].lpszLabel : NULL };
        m_items.Add(placed);
    }
    CPoint ptEnd = pt;
    int x = pt.x, y = pt.y;
    for (int i = nFirst; i < m_items.GetSize(); i++)
    {
        CUILItem* pItem = m_items[i].pItem;
        // a separator runs across the bar
        if (pItem->IsSeparator())
            pItem->m_rcItem = CRect(0, 0, 8, cyButton);
        else
            pItem->SetMinSize(CSize(0, cyButton));
        pItem->SetItemPos(x, y, 0, NULL);
        CRect rc;
        pItem->GetRect(&rc, bVertical ? UILRECT_TURNED : 0);
        if (bVertical)
            y = rc.bottom + 1;
        else
            x = rc.right + (bLabels ? 24 : 1);
        ptEnd.x = std::max(ptEnd.x, rc.right);
        ptEnd.y = std::max(ptEnd.y, rc.bottom);
    }
    return ptEnd;
}

CPoint CItemsScenePanel::PlaceMenu(const SSceneItem* pDefs, int nCount, int nLook, CPoint pt)
{
    const int nFirst = (int)m_items.GetSize();
    int cxWidest = 0;
    for (int i = 0; i < nCount; i++)
    {
        CUILItem* pItem = MakeItem(pDefs[i], nLook);
        CRect rc;
        pItem->GetRect(&rc);
        cxWidest = std::max(cxWidest, rc.Width());
        SPlaced placed = { pItem, pDefs[i].nMode, NULL };
        m_items.Add(placed);
    }
    int y = pt.y;
    for (int i = nFirst; i < m_items.GetSize(); i++)
    {
        CUILItem* pItem = m_items[i].pItem;
        if (pItem->IsSeparator())
        {
            // a menu separator runs across the menu
            pItem->m_rcItem = CRect(0, 0, cxWidest, 8);
        }
        else
            pItem->SetMinSize(CSize(cxWidest, 0));
        pItem->SetItemPos(pt.x, y, 0, NULL);
        CRect rc;
        pItem->GetRect(&rc);
        y = rc.bottom;
    }
    return CPoint(pt.x + cxWidest, y);
}

BOOL CItemsScenePanel::CreatePanel(CWnd* pParent, const CRect& rect)
{
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    if (!CreateEx(WS_EX_DLGMODALFRAME, lpszClass, "Command items", WS_CHILD | WS_CAPTION | WS_CLIPCHILDREN,
            rect, pParent, 0))
        return FALSE;
    m_nFirstImage = AddSceneImages();
    if (m_nFirstImage < 0)
        return FALSE;
    m_fontCaption.CreatePointFont(80, "Tahoma");

    const int nBar = UILIS_BARITEM | UILIS_IMAGE | UILIS_CUSTOMLOOK;
    // as a popup menu bar makes its entries: the bar decides, so every entry has the same
    // check-sized image column and the captions line up
    const int nPopupMenu = UILIS_MENUITEM | UILIS_TEXT | UILIS_ACCELTEXT | UILIS_MENUIMAGES | UILIS_DEFAULTLOOK;
    const int nMenuBar = UILIS_MENUITEM | UILIS_TEXT | UILIS_CUSTOMLOOK;

    // bar buttons with a caption under each
    m_ptTitles[0] = CPoint(16, 8);
    const CPoint ptBar = PlaceRow(s_barItems, _countof(s_barItems), nBar, CPoint(16, 28), FALSE, TRUE);
    // a menu bar, and the popup menu its "Draw" entry opened
    m_ptTitles[1] = CPoint(16, ptBar.y + 42);
    const CPoint ptMenuBar = PlaceRow(s_menuBarItems, _countof(s_menuBarItems), nMenuBar,
        CPoint(16, m_ptTitles[1].y + 20), FALSE, FALSE);
    CRect rcDraw;
    m_items[m_items.GetSize() - 3].pItem->GetRect(&rcDraw);
    const CPoint ptMenuTop(rcDraw.left + 2, ptMenuBar.y + 2);
    const CPoint ptMenuEnd = PlaceMenu(s_menuItems, _countof(s_menuItems), nPopupMenu, ptMenuTop);
    m_rcMenu.SetRect(ptMenuTop.x - 2, ptMenuTop.y - 2, ptMenuEnd.x + 2, ptMenuEnd.y + 2);
    // vertical bars right of the menu: buttons, and a menu bar docked at a side
    m_ptTitles[2] = CPoint(m_rcMenu.right + 50, m_ptTitles[1].y);
    const CPoint ptVertical = PlaceRow(s_verticalItems, _countof(s_verticalItems), nBar | UILIS_VERTICAL,
        CPoint(m_ptTitles[2].x + 10, m_ptTitles[1].y + 20), TRUE, FALSE);
    PlaceRow(s_verticalMenuBarItems, _countof(s_verticalMenuBarItems), nMenuBar | UILIS_VERTICAL,
        CPoint(ptVertical.x + 60, m_ptTitles[1].y + 20), TRUE, FALSE);
    return TRUE;
}

void CItemsScenePanel::DrawCaption(CDC& dc, int x, int y, const char* lpszText)
{
    CRect rc(x - 40, y, x + 40, y + 30);
    dc.DrawText(lpszText, -1, &rc, DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

void CItemsScenePanel::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    const COLORREF clrFace = GetMainWndSysColor(COLOR_BTNFACE, UIL_COLORCONTEXT_TOOLBAR);
    dc.FillSolidRect(&rcClient, clrFace);

    CFont* pOldFont = dc.SelectObject(&m_fontCaption);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetMainWndSysColor(COLOR_GRAYTEXT, UIL_COLORCONTEXT_TOOLBAR));
    static const char* const titles[3] = { "Bar buttons", "Menu bar and popup menu", "Vertical bars" };
    for (int i = 0; i < 3; i++)
        dc.TextOut(m_ptTitles[i].x, m_ptTitles[i].y, titles[i], lstrlenA(titles[i]));

    // the open popup menu's raised frame
    CRect rcMenuFrame = m_rcMenu;
    const COLORREF clrLight = GetMainWndSysColor(COLOR_BTNHIGHLIGHT, UIL_COLORCONTEXT_TOOLBAR);
    const COLORREF clrShadow = GetMainWndSysColor(COLOR_BTNSHADOW, UIL_COLORCONTEXT_TOOLBAR);
    dc.FillSolidRect(&rcMenuFrame, GetMainWndSysColor(COLOR_MENU, UIL_COLORCONTEXT_TOOLBAR));
    dc.Draw3dRect(&rcMenuFrame, clrLight, GetMainWndSysColor(COLOR_3DDKSHADOW, UIL_COLORCONTEXT_TOOLBAR));
    rcMenuFrame.DeflateRect(1, 1);
    dc.Draw3dRect(&rcMenuFrame, GetMainWndSysColor(COLOR_3DLIGHT, UIL_COLORCONTEXT_TOOLBAR), clrShadow);

    for (int i = 0; i < m_items.GetSize(); i++)
    {
        CUILItem* pItem = m_items[i].pItem;
        pItem->DrawItem(dc, -1, -1, m_items[i].nMode);
        if (m_items[i].lpszLabel != NULL)
        {
            CRect rc;
            pItem->GetRect(&rc);
            dc.SelectObject(&m_fontCaption);
            dc.SetBkMode(TRANSPARENT);
            dc.SetTextColor(GetMainWndSysColor(COLOR_GRAYTEXT, UIL_COLORCONTEXT_TOOLBAR));
            DrawCaption(dc, rc.CenterPoint().x, rc.bottom + 3, m_items[i].lpszLabel);
        }
    }
    dc.SelectObject(pOldFont);
}
}

BOOL SceneItems(CMainFrame* pFrame)
{
    if (!CreateScenePanel(s_pItemsPanel, &pFrame->GetDrawingView(), CRect(20, 10, 20 + 680, 10 + 450)))
        return FALSE;
    ShowScenePanel(s_pItemsPanel);
    return TRUE;
}

void HideItemsScene()
{
    HideScenePanel(s_pItemsPanel);
}
