// UILItem.h - the command item: every button, separator, embedded control and popup entry of the
// library's toolbars, menu bars and flyout bars, with its look, its measuring and inner layout,
// and its drawing in bar and menu looks.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include "UILImages.h"

class CUILToolBar;

/////////////////////////////////////////////////////////////////////////////
// Look flags of an item (CUILItem::GetExStyle / SetExStyle)

#define UILIS_NOKEYSELECT   0x00001     // the arrow keys of a popup menu bar skip it
#define UILIS_DEFAULTLOOK   0x00100     // the bar decides: bar item image only, menu item text only
#define UILIS_CUSTOMLOOK    0x00200     // the item's own UILIS_IMAGE and UILIS_TEXT decide
#define UILIS_BARITEM       0x01000     // measured and drawn as a toolbar button
#define UILIS_MENUITEM      0x02000     // measured and drawn as a menu entry
#define UILIS_POPUP         0x04000     // opens a popup bar; an arrow is shown
#define UILIS_MENUIMAGES    0x08000     // menu entries get an image column (images, check marks)
#define UILIS_TEXT          0x10000     // the text is shown
#define UILIS_IMAGE         0x20000     // the image is shown
#define UILIS_ACCELTEXT     0x40000     // measured with its shortcut text (the part after a tab)
#define UILIS_VERTICAL      0x80000     // stands in a vertical bar: turned rectangles, vertical font

// a new item: bar button showing its image, by its own choice
#define UILIS_INITIAL       (UILIS_BARITEM | UILIS_IMAGE | UILIS_CUSTOMLOOK)

// GetRect flag: the rectangle the item takes in a vertical bar (width and height exchanged)
#define UILRECT_TURNED      0x0001

// Drawing modes (CUILItem::DrawItem nMode), combinable
#define UILDRAW_NORMAL      0x0000
#define UILDRAW_CHECKLIGHT  0x0001      // checked buttons are dithered on the 3-D highlight colour
                                        // instead of the button face
#define UILDRAW_HOT         0x0002      // the item is the selected one (under the mouse or the keys)

// Service images (CUILItem::m_ServiceImageList, bitmap 26030): 11 x 11 each
enum
{
    UILSI_UPARROW = 0,
    UILSI_DOWNARROW = 1,
    UILSI_CHECK = 2,
    UILSI_RIGHTARROW = 3,
    UILSI_CORNER = 4,
    UILSI_HEAVY = 5,            // add to one of the above: the same shape one pixel heavier
    UILSI_LARGE = 10,           // add to one of the above: the same shape larger
    UILSI_EMPTY = 15,
    UILSI_COUNT = 16,
    UILSI_SIZE = 11
};

/////////////////////////////////////////////////////////////////////////////
// CItemFonts
//
// The horizontal and the vertical item font, both made from the system's menu font.  The vertical
// font runs bottom to top (escapement 900), which only TrueType faces can do, so when the menu
// face is not TrueType the vertical font is made from a TrueType face instead.

class AFX_EXT_CLASS CItemFonts
{
public:
    // builds both fonts from the system's menu font
    CItemFonts();
    ~CItemFonts();

    // Builds both fonts from lfMenu as if it were the system's menu font (the menu font when
    // NULL); the previous fonts are deleted.  Non-zero when both exist afterwards.
    int Create(const LOGFONTA* lfMenu = NULL);
    void Delete();

    CFont* GetHorzFont() { return &m_fontHorz; }
    CFont* GetVertFont() { return &m_fontVert; }

    // Face name and character set of a TrueType face that can draw lf turned by 90 degrees, as
    // the font mapper chooses it; 0 when it chooses no TrueType face.
    static int FindTurnableFace(const LOGFONTA& lf, LOGFONTA* pFound);
    // non-zero when a face of that name exists in that character set
    static int FaceExists(const char* lpszFace, BYTE nCharSet);
    // non-zero when the face that lf selects on the display is a TrueType face
    static int IsTrueTypeFace(const LOGFONTA& lf);
    // non-zero when the user's default locale uses a double-byte character set
    static int IsDBCSLocale();

    CFont m_fontHorz;
    CFont m_fontVert;

private:
    CItemFonts(const CItemFonts&) = delete;
    CItemFonts& operator=(const CItemFonts&) = delete;
};

/////////////////////////////////////////////////////////////////////////////
// CServiceImageList
//
// The sixteen 11 x 11 glyphs every item draws its arrows and check marks with, from the library's
// bitmap 26030 (transparent where it has the button-face colour).

class AFX_EXT_CLASS CServiceImageList : public CImageList
{
public:
    CServiceImageList();
    virtual ~CServiceImageList();

    // loads bitmap 26030 from the library's resource module unless already loaded; non-zero
    // when the list exists afterwards
    int Load();
    int IsLoaded() const { return m_hImageList != NULL; }
    // Glyph nImage with its top-left corner at pt, in clrGlyph: the glyphs are shapes, coloured
    // to suit where they stand (menu text, highlighted text, the two colours of a disabled look).
    int DrawGlyph(CDC& dc, int nImage, CPoint pt, COLORREF clrGlyph);
};

/////////////////////////////////////////////////////////////////////////////
// CUILItem

class AFX_EXT_CLASS CUILItem
{
public:
    CUILItem();
    CUILItem(const CUILItem& src);
    CUILItem& operator=(const CUILItem& src);

    // The virtual functions keep this order; derived items of hosts rely on it.
    virtual int GetIBitmap() { return m_iBitmap; }
    // a value whose high 16 bits are non-zero also names the list (SetIList(HIWORD))
    virtual void SetIBitmap(int iBitmap);
    virtual int GetIDCommand() { return m_idCommand; }
    virtual void SetIDCommand(int idCommand) { m_idCommand = idCommand; }
    virtual unsigned char GetState() { return m_fsState; }
    virtual void SetState(unsigned char fsState);
    virtual unsigned char GetStyle() { return m_fsStyle; }
    virtual void SetStyle(unsigned char fsStyle);
    virtual ~CUILItem();
    virtual int GetIList() { return m_iList; }
    virtual void SetIList(int iList) { m_iList = iList; }
    // Lays out the item's rectangles from (0, 0) and returns its size.  -1 keeps the stored
    // look flags / extended state; any other value is stored first.
    virtual CSize MeasureItem(CDC& dc, int nExStyle, int nExState);
    // Draws the item in its stored rectangles (menu look with UILIS_MENUITEM, else bar look);
    // nExStyle and nExState as for MeasureItem, nMode a UILDRAW_ combination.
    virtual void DrawItem(CDC& dc, int nExStyle, int nExState, int nMode);
    // Moves the item's rectangles so that the item's top-left corner is (x, y); an embedded
    // control's window goes there too (SetWindowPos flags 0x115 | nFlags), through hDefer when
    // one is given.  Returns the defer handle to go on with (NULL without one).
    virtual void* SetItemPos(int x, int y, UINT nFlags, void* hDefer);
    virtual int GetExStyle() { return m_nExStyle; }
    // these two return the previous value
    virtual int SetExStyle(int nExStyle);
    virtual int GetExState() { return m_nExState; }
    virtual int SetExState(int nExState);
    virtual void GetText(CString& strText) { strText = m_strText; }
    virtual void SetText(const CString& strText);
    // the item rectangle; UILRECT_TURNED gives it turned, except for embedded controls
    virtual void GetRect(RECT* pRect, UINT nFlags = 0);
    // appends "Bitmap Only", "Text Only", "Bitmap and Text" as nFirstID.. nFirstID + 2; returns 3
    virtual int AppendItemOptionsToMenu(CMenu* pMenu, UINT nFirstID);
    // applies option nIndex (0..2) of the menu above; 1 and *pChanged = 1 when it was one
    virtual int DoItemOptions(UINT nIndex, int* pChanged);
    // copies every field of pSrc; returns 1
    virtual int _CopyFrom(CUILItem* pSrc);
    // a new item of the same class that is a copy of this one; NULL when out of memory
    virtual CUILItem* _CreateCopy();
    virtual int _Sizeof() { return (int)sizeof(CUILItem); }

    // moves all four rectangles
    void OffsetRects(int dx, int dy);
    // The image, text and arrow rectangles, empty when that part is not shown; turned (derived
    // from GetRect(UILRECT_TURNED)) for an item with UILIS_VERTICAL.
    void GetBmpRect(RECT* pRect);
    void GetTextRect(RECT* pRect);
    void GetRightBmpRect(RECT* pRect);
    // The item is never smaller than size (separators and embedded controls excepted): stores
    // it and grows the item to it.
    void SetMinSize(CSize size);
    CSize GetMinSize() const { return m_sizeMin; }
    // fills the item from a toolbar button record; pImages is where its image number lives
    void FillFromTBButton(TBBUTTON* pButton, CUILImagesCollection* pImages);
    // the list of the item's collection that holds its image (the named list, else the one
    // whose range holds the number); NULL when the item has no image
    CUILImageList* GetImageList() const;

    // The display text of command nID: its entry in the host's main menu, else the part of its
    // string resource after the first line feed, trimmed.  0 and "Not Found" when neither exists.
    static int FindCommandString(UINT nID, CString& strText);

    // plain separator: separator style and no command; embedded control: separator style and
    // a command
    BOOL IsSeparator() const { return (m_fsStyle & TBSTYLE_SEP) != 0 && m_idCommand == 0; }
    BOOL IsControl() const { return (m_fsStyle & TBSTYLE_SEP) != 0 && m_idCommand != 0; }
    // indeterminate or not enabled
    BOOL IsDisabled() const
    {
        return (m_fsState & TBSTATE_INDETERMINATE) != 0 || (m_fsState & TBSTATE_ENABLED) == 0;
    }

    // Drawing parts, used by DrawItem (bars with a look of their own call them too).
    // The item's text in lpRect: horizontal or (with UILIS_VERTICAL) bottom to top in the font
    // selected into dc; a menu entry's shortcut text right-aligned; embossed when disabled.
    void OutText(CDC& dc, LPCRECT lpRect, int bDisabled, COLORREF clrText);
    // service image nImage centred in lpRect; embossed when disabled
    void DrawServImage(CDC& dc, int nImage, LPCRECT lpRect, int bDisabled);
    void DrawMenuItem(CDC& dc, int nMode);
    void DrawBarItem(CDC& dc, int nMode);

    // fields, in their documented order
    int m_iBitmap;                  // image number; a separator's width; -1 = none
    int m_idCommand;
    BYTE m_fsState;                 // TBSTATE_ bits
    BYTE m_fsStyle;                 // TBSTYLE_ bits
    DWORD_PTR m_dwData;             // the button record's application value
    INT_PTR m_iString;              // the button record's string index
    int m_nExStyle;                 // UILIS_ look flags
    int m_nExState;
    CSize m_sizeMin;
    CSize m_sizeImage;
    CUILImagesCollection* m_pImages;    // NULL: the item has no images
    int m_iList;                    // list of m_pImages holding the image; -1 = by number
    RECT m_rcItem;                  // in the bar's coordinates
    RECT m_rcBmp;
    RECT m_rcText;
    RECT m_rcRightBmp;              // drop-down or submenu arrow
    CString m_strText;              // after the first tab: the shortcut text
    CUILToolBar* m_pPopupBar;       // the bar the item opens; not owned
    HWND m_hWndControl;             // an embedded control's window

    // the two item fonts, for the library's lifetime
    static CItemFonts m_fonts;
    // the service images, loaded by the first item
    static CServiceImageList m_ServiceImageList;

protected:
    // measures again with a screen DC and puts the item back where it was
    void Remeasure();
    // the text as measured: cut at its first tab unless UILIS_ACCELTEXT
    CString GetMeasuredText() const;
    // the image's size: from its list, else the size its bar gave it, else 16 x 15
    CSize GetImageSize() const;
    // Start of the part-rectangle getters: *pRect empty when the part is not shown, rcFlat for
    // a horizontal item; TRUE (and the turned item rectangle in *pTurnedItem) when the caller
    // has to turn the part.
    BOOL BeginPartRect(RECT* pRect, BOOL bShown, const RECT& rcFlat, RECT* pTurnedItem);
    void DrawImage(CDC& dc, CPoint pt, int bDisabled, int bRaised);
};
