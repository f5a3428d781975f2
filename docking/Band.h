// Band.h - the painted title strip of dock windows and floating frames (CBand, its buttons
// CBandItem), the module-wide band style and its three colour schemes.
//
// Classes and functions here:
//   CBandItem              one title button: kind, placement, hide order, system command
//   CBand                  the strip: layout, drawing, hit test, hover, tooltips, tab drag
//   SetDefaultBandStyle    the module-wide style (g_dwDefaultBandStyleEx) and colour scheme
//   BandStyleGet*Color     the colours of the current scheme
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>
#include "WinDrag.h"

class CWndPacket;
class CUILImageList;

// Band style (g_dwDefaultBandStyleEx and a copy in each band)
#define UIL_BANDSTYLE_SCHEME        0x0007  // colour scheme: 0 blue, 1 silver, 2 olive
#define UIL_BANDSTYLE_SKINNED       0x0008  // the strip is painted from the scheme's bitmaps
#define UIL_BANDSTYLE_TABBED        0x0010  // the strip shows the packet's tabs, not a title
#define UIL_BANDSTYLE_TABSHORZ      0x0040  // tabs forced horizontal
#define UIL_BANDSTYLE_TABSVERT      0x0080  // tabs forced vertical
#define UIL_BANDSTYLE_ROLLUP        0x0100  // roll-up button
#define UIL_BANDSTYLE_DOCKABLE      0x0200  // dockable button
#define UIL_BANDSTYLE_REDISTRIBUTE  0x0400  // redistribute button
#define UIL_BANDSTYLE_HIDE          0x0800  // hide button
#define UIL_BANDSTYLE_NOOPTIONS     0x2000  // no "Options..." entry in the title menu
#define UIL_BANDSTYLE_DEFAULT       0x0D18

// Colour schemes (band style & UIL_BANDSTYLE_SCHEME)
#define UIL_SCHEME_BLUE     0
#define UIL_SCHEME_SILVER   1
#define UIL_SCHEME_OLIVE    2

// Band state (CBand::SetState, passed on to drawing)
#define UIL_BANDSTATE_VERT          0x00010 // strip along a side
#define UIL_BANDSTATE_LEFT          0x00020 // owner docked on the left
#define UIL_BANDSTATE_RIGHT         0x00040 // owner docked on the right
#define UIL_BANDSTATE_HORZ          0x00100 // strip across the top
#define UIL_BANDSTATE_TOP           0x00200 // owner docked on top, or floating
#define UIL_BANDSTATE_BOTTOM        0x00400 // owner docked at the bottom
#define UIL_BANDSTATE_ROLLEDACROSS  0x01000 // rolled up on a left or right dock bar
#define UIL_BANDSTATE_ROLLEDALONG   0x02000 // rolled up on top or bottom, or a collapsed frame
#define UIL_BANDSTATE_DOCKABLE      0x10000
#define UIL_BANDSTATE_ENABLE2       0x20000 // enables buttons of kind 24
#define UIL_BANDSTATE_ACTIVE        0x100000 // the owner is active (drawing only)

// Button kinds (the low byte of CBandItem::m_dwFlags)
#define UIL_BANDITEM_HIDE           1
#define UIL_BANDITEM_ROLLUP         2
#define UIL_BANDITEM_REDISTRIBUTE   4
#define UIL_BANDITEM_EXTRA          8
#define UIL_BANDITEM_EXTRA2         24
#define UIL_BANDITEM_DOCKABLE       32
#define UIL_BANDITEM_KINDMASK       0x00FF
// where a button stands: start or end of a horizontal strip, start or end of a vertical one
#define UIL_BANDITEM_HORZSTART      0x0100
#define UIL_BANDITEM_HORZEND        0x0200
#define UIL_BANDITEM_VERTSTART      0x0400
#define UIL_BANDITEM_VERTEND        0x0800
// hide order: the button goes when at least 1, 2, 3 or 4 buttons must go for lack of room;
// 0x8000 also gives it a raised frame at rest
#define UIL_BANDITEM_HIDE1          0x1000
#define UIL_BANDITEM_HIDE2          0x2000
#define UIL_BANDITEM_HIDE3          0x4000
#define UIL_BANDITEM_HIDE4          0x8000
#define UIL_BANDITEM_HIDEMASK       0xF000

// System commands of the title buttons and menus
#define UIL_SC_REDISTRIBUTE 61712
#define UIL_SC_ROLLUP       61952
#define UIL_SC_HIDECAPTION  61968
#define UIL_SC_AUTOROLLUP   61984
#define UIL_SC_TABBED       62016
#define UIL_SC_DOCKABLE     62080

// What CBand::OnNcHitTest answers over a button or a tab; owners treat it as their caption.
#define UIL_HTBAND          22
// The hover timer of a band's owner.
#define UIL_BAND_TIMER      10
#define UIL_BAND_TIMER_MS   50
// The thickness of a band, and the non-client room it takes.
#define UIL_BAND_THICKNESS  22
#define UIL_BAND_NCSIZE     23

extern AFX_EXT_DATA DWORD g_dwDefaultBandStyleEx;

// Stores dwStyle as the module-wide band style and switches the colour scheme to (dwStyle & 7);
// the scheme's cached brushes and bitmaps are dropped.  Returns the previous style.
AFX_EXT_API DWORD SetDefaultBandStyle(DWORD dwStyle);
// The colours of the current scheme; a scheme number other than silver and olive gives blue.
AFX_EXT_API COLORREF BandStyleGetLightBorderColor();
AFX_EXT_API COLORREF BandStyleGetShadowBorderColor();
AFX_EXT_API COLORREF BandStyleGetLightTitleColor();

// The roles of a scheme's five bitmaps, in the order the scheme lists them.
enum EBandSchemeBitmap
{
    bandBmpHotButton,       // background of a hot button in a skinned strip
    bandBmpActive,          // the strip of an active owner: top, stretched middle, bottom
    bandBmpInactive,        // the strip of an inactive owner
    bandBmpPushedButton,    // background of a pushed button in a skinned strip
    bandBmpSelectedTab,     // background of the selected tab in a skinned tabbed strip
    bandBmpCount
};

// The module-wide colour scheme: its number, the resources of its five bitmaps, and the bitmaps
// and brushes made from them on first use.
class AFX_EXT_CLASS CBandScheme
{
public:
    CBandScheme();
    ~CBandScheme();

    int GetScheme() const { return m_nScheme; }
    // switches to nScheme (any number; unknown ones use the blue resources) and drops the cache
    void SetScheme(int nScheme);
    UINT GetResourceID(int nBitmap) const;
    // the bitmap of the given role, loaded from the library's resources on first use; NULL when
    // it cannot be loaded
    CBitmap* GetBitmap(int nBitmap);
    // a brush of the bitmap's middle colour, for plain fills in the scheme's look
    CBrush* GetBrush(int nBitmap);
    // paints rect with the bitmap: three equal slices across the strip (start, stretched middle,
    // end); along a vertical strip the slices lie side by side.  FALSE when nothing was painted.
    BOOL PaintSliced(CDC& dc, const CRect& rect, int nBitmap, BOOL bVert);
    void FreeCache();

    static const UINT s_nResources[3][bandBmpCount];

protected:
    int m_nScheme;
    CBitmap* m_pBitmaps[bandBmpCount];
    CBrush* m_pBrushes[bandBmpCount];
};

AFX_EXT_API CBandScheme* GetBandScheme();

/////////////////////////////////////////////////////////////////////////////
// CBandItem - one title button

class AFX_EXT_CLASS CBandItem
{
public:
    CBandItem(UINT nFlags, UINT nSysCommand);
    virtual ~CBandItem();

    UINT GetKind() const { return m_dwFlags & UIL_BANDITEM_KINDMASK; }
    // the glyph of the button's bitmap for the band state (each glyph has three images)
    int GetGlyph(UINT nState) const;
    BOOL IsDisabled(UINT nState) const;
    // Draws the button at its rectangle (band coordinates: the caller has moved the DC's origin
    // to the band's corner).  nState carries the band state plus the hot and pushed bits below.
    virtual int Draw(CDC& dc, UINT nState, DWORD dwBandStyle);

    enum { stateHot = 0x40000000, statePushed = 0x80000000 };

    CRect m_rect;                   // band coordinates
    DWORD m_dwFlags;                // kind | placement | hide order
    DWORD m_nSysCommand;
    int m_bHidden;                  // set while the band is too short for it
    CUILImageList* m_pImageList;    // shared, owned by the image collection
};

// The bitmap resource of a button kind (26019, 26021, ...), 0 for an unknown kind.
AFX_EXT_API UINT GetBandItemBitmapID(UINT nKind);
// The image list of a kind's bitmap: 12-pixel images masked by light grey, loaded once and kept
// in the image collection.  NULL when the bitmap cannot be loaded.
AFX_EXT_API CUILImageList* GetBandItemImages(UINT nKind);

/////////////////////////////////////////////////////////////////////////////
// CBand - the title strip

class AFX_EXT_CLASS CBand : public CWinDrag
{
public:
    CBand();
    virtual ~CBand();

    // Creates a button (flags = kind | placement | hide order), appends it and lays the band out
    // again.  Returns its index.
    int AddItem(UINT nKind, UINT nFlags, UINT nSysCommand);
    int DeleteAllItems();
    int GetItemCount() const { return (int)m_arrItems.GetSize(); }
    CBandItem* GetItem(int nIndex) const;
    UINT GetItemSysCommand(int nIndex) const;
    UINT GetState() const { return m_nState; }
    UINT SetState(UINT nState);
    DWORD GetStyle() const { return m_dwStyle; }
    void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; m_bNeedLayout = 1; }
    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(const char* lpszTitle, CDC* pDC);
    BOOL IsHorz() const;
    BOOL IsTabbed() const { return (m_dwStyle & UIL_BANDSTYLE_TABBED) != 0; }
    // the window packet that is a child of the owner window, NULL when none
    CWndPacket* GetWndPacket() const;
    int GetMinTextSize() const;
    int GetAllItemsSize() const;
    int NoSpaceForAllItems(CRect* pRect, int bHorz) const;
    // lays the band out in rect (the owner's window coordinates); bKeepOrigin keeps the band's
    // current corner
    int ResizeBand(CRect& rect, int bKeepOrigin);
    const CRect& GetBandRect() const { return m_rectBand; }
    const CRect& GetTextRect() const { return m_rectText; }
    // draws the band into dc (the owner's window DC)
    void Draw(CDC& dc, UINT nState);

    void ParentToBand(CPoint& pt) const { pt -= m_rectBand.TopLeft(); }
    void ParentToBand(CRect& rect) const { rect.OffsetRect(-m_rectBand.TopLeft()); }
    void BandToParent(CPoint& pt) const { pt += m_rectBand.TopLeft(); }
    void BandToParent(CRect& rect) const { rect.OffsetRect(m_rectBand.TopLeft()); }

    // band coordinates; -1 when no visible button or tab is there
    int GetItemFromPt(CPoint pt) const;
    int GetTabFromPt(CPoint pt) const;
    int IsTextFromPt(CPoint pt) const;
    int IsDDIcomFromPt(CPoint pt) const;
    void DrawDDIcom(CDC& dc);
    void SelectDDIcom(int bSelect, CDC& dc);
    void PushDDIcom(int bPush, CDC& dc);
    int GetHilightItem() const { return m_nHilight; }
    int IsPushed() const { return m_bPushed; }
    // highlights (hot) button nIndex, -1 none, redrawing what changed
    void SelectItem(int nIndex, CDC& dc);
    // pushes the highlighted button nIndex; -1 releases
    void PushItem(int nIndex, CDC& dc);
    // a timer tick: keeps the highlight while the cursor is over it, else clears it and kills
    // the timer
    void UpdateHilightState(CWnd* pOwner);
    // pt in screen coordinates; UIL_HTBAND over a visible button (highlighting it and starting
    // the owner's hover timer) or a tab, else 0
    int OnNcHitTest(CWnd* pOwner, CPoint pt);
    void CreateToolTipCtrl();
    void UpdateToolTipRects(int bForce);
    void ToolTipCtrl_OnMouseMove(HWND hWnd, POINT* pPoint);

    virtual CWnd* GetDropWindow(CRuntimeClass* pDropClass, CPoint pt);
    virtual void PointsFromRect(POINT* pPoints, int& nCount, const RECT* pRect, CPoint pt, CWnd* pDropWnd);

    UINT m_nState;
    DWORD m_dwStyle;
    CRect m_rectBand;           // the owner's window coordinates
    CRect m_rectText;           // band coordinates
    int m_nHilight;             // highlighted button, -1 none
    int m_bPushed;
    int m_nReserved;
    HWND m_hOwner;
    CRect m_rectReserved;
    int m_nMustHide;            // buttons that must hide for lack of room
    int m_bNeedLayout;
    DWORD m_dwFlags;
    int m_bAllowHide;
    CString m_strTitle;
    CArray<CRect, const CRect&> m_arrTabRects;  // band coordinates
    int m_nDragTab;             // -1
    int m_nReserved2;
    CPtrArray m_arrItems;       // CBandItem*, owned
    CRect m_rectReserved2;
    CImageList m_imageList;
    CRect m_rectDDIcon;         // the drop-down icon, band coordinates
    int m_nDDIconState;
    CToolTipCtrl* m_pToolTip;

protected:
    int GetButtonSize(int nThickness) const;
    void LayoutItems();
    void DrawTitle(CDC& dc, const CRect& rectText);
    void DrawTabs(CDC& dc);
    void DrawItem(CDC& dc, int nIndex);
    void InvalidateOwnerBand();

private:
    CBand(const CBand&) = delete;
    CBand& operator=(const CBand&) = delete;
};
