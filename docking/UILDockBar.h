// UILDockBar.h - the library's control bars and dock bars: rows shared by resizable bars, the
// splitters between them, the frame that docks with them, and detaching a bar.
//
// Classes and functions here:
//   CUILControlBar      base of the library's bars
//   SDockLineItem, SDockLine, SDockBarInfo   the row record a dock bar builds at each layout
//   CDockBarSpliter     a splitter strip between two resizable bars or along a row
//   CUILDockBar         the dock bar on each side of a CUILMainFrame
//   CUILMainFrame       a frame whose EnableDocking makes CUILDockBar objects
//   DetachControlBarEx  takes a bar out of a dock bar, perhaps re-parenting it
#pragma once

#include <afxwin.h>
#include <afxext.h>
#include <afxpriv.h>
#include <afxtempl.h>
#include "SplitBar.h"

/////////////////////////////////////////////////////////////////////////////
// CUILControlBar

class AFX_EXT_CLASS CUILControlBar : public CControlBar
{
    DECLARE_DYNAMIC(CUILControlBar)
public:
    // the window class of control bars, as the framework registers it
    static const char* lpszClassName;

    virtual ~CUILControlBar();
    void GetBarName(CString& strName) const;
    // nothing happens for a NULL buffer
    void GetBarName(char* pszBuffer, int nSize) const;
    void SetBarName(const char* lpszName);
    // shows or hides the bar through its frame's ShowControlBar; pList is not used here
    virtual void ShowOnScreen(int bShow, CObArray* pList, int bDelay);

protected:
    CUILControlBar();
};

/////////////////////////////////////////////////////////////////////////////
// The row record

// SDockLineItem::m_dwFlags
#define DLI_RESIZABLE       0x01
#define DLI_SPLITTERBEFORE  0x10
#define DLI_SPLITTERAFTER   0x20

struct SDockLineItem
{
    int m_nIndex;               // in the dock bar's m_arrBars
    CControlBar* m_pBar;
    DWORD m_dwFlags;            // DLI_*
    float m_fShare;             // part of the row's resizable length, 0..1
};

struct SDockLine
{
    SDockLine() : m_nRszBars(0), m_nThickness(0) {}
    ~SDockLine();
    int GetItemCount() const { return (int)m_arrItems.GetSize(); }
    SDockLineItem* GetItem(int i) const
    {
        return i >= 0 && i < GetItemCount() ? (SDockLineItem*)m_arrItems[i] : NULL;
    }

    int m_nRszBars;             // resizable bars in the row
    CPtrArray m_arrItems;       // SDockLineItem*, owned
    int m_nThickness;           // the largest size across of the row's visible bars
};

struct SDockBarInfo
{
    SDockBarInfo() : m_nRszLines(0) {}
    ~SDockBarInfo() { RemoveAll(); }
    void RemoveAll();
    int GetLineCount() const { return (int)m_arrLines.GetSize(); }
    SDockLine* GetLine(int i) const
    {
        return i >= 0 && i < GetLineCount() ? (SDockLine*)m_arrLines[i] : NULL;
    }

    int m_nRszLines;            // rows holding at least one resizable bar
    CPtrArray m_arrLines;       // SDockLine*, owned
};

/////////////////////////////////////////////////////////////////////////////
// CDockBarSpliter

// CDockBarSpliter::m_dwKind
#define DBS_BAR     0x01        // between two resizable bars of a row
#define DBS_LINE    0x02        // between a row and the frame's inside (or the next row)
#define DBS_BEFORE  0x10
#define DBS_AFTER   0x20

// the thickness a splitter takes in a row
#define UIL_DOCKSPLITTER_SIZE 5
// the least length a resizable bar is given in its row
#define UIL_MIN_RSZBAR_LENGTH 22

class CUILDockBar;

class AFX_EXT_CLASS CDockBarSpliter : public CSplitBar
{
    DECLARE_DYNAMIC(CDockBarSpliter)
public:
    CDockBarSpliter();
    virtual ~CDockBarSpliter();

    CUILDockBar* GetDockBar() const;
    // the drag limits from the bars or rows on either side
    void UpdateLimits();

    DWORD m_dwKind;             // DBS_*
    int m_nLine;                // -1 until placed
    int m_nItem;                // -1 until placed; 0 for a line splitter

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CUILDockBar

class AFX_EXT_CLASS CUILDockBar : public CDockBar
{
    DECLARE_DYNAMIC(CUILDockBar)
public:
    CUILDockBar();
    virtual ~CUILDockBar();

    virtual CSize CalcFixedLayoutEx(int bStretch, int bHorz, int bLayout);
    virtual int IsBarResizable(int nPos);
    virtual int IsBarResizable(CControlBar* pBar);
    virtual CSize CalcSpaceForRszBar(int nLine, CControlBar* pBar, CSize sizeAvail);
    virtual CSize GetNonRszBarSumSpace(int nLine);
    virtual CSize GetNonClientSumSpace(int nLine);

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    int CreateDockBarInfo(DWORD nDockBarID, CSize size);
    int DeleteDockBarInfo();
    int DeleteAllSpliters();
    CDockBarSpliter* GetSpliterGrow(int i);
    void RemoveSplitersAfter(int i);
    int InsertBarSpliter(int nSpliter, int nLine, int nItem, CRect& rect, int bAfter);
    int InsertLineSpliter(int nSpliter, int nLine, CRect& rect, int bAfter);
    int ApplyLineHeight(int nLine, AFX_SIZEPARENTPARAMS* pLayout);
    int SetIndicator(CWnd* pWnd, DWORD dwAlign);
    int DetachControlBar(CControlBar* pBar, CWnd* pNewParent, int nPosExclude, int nAddPlaceHolder);

    // horizontal: on top or at the bottom of the frame
    BOOL IsHorzDockBar() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    // the row holding pBar, -1 when none; pnItem receives its item index
    int FindLine(CControlBar* pBar, int* pnItem = NULL) const;
    int GetSpliterCount() const { return (int)m_arrSpliters.GetSize(); }
    CDockBarSpliter* GetSpliter(int i) const
    {
        return i >= 0 && i < GetSpliterCount() ? (CDockBarSpliter*)m_arrSpliters[i] : NULL;
    }
    // how often a splitter window was created or destroyed (a layout that changes nothing
    // should do neither)
    int m_nSpliterChanges;
    // the largest minimum tracking size across of the row's resizable bars
    int GetLineCollapsedThickness(int nLine);
    // the length along the row its resizable bars share
    int GetLineFreeLength(int nLine);
    int m_nLayoutLength;        // along the dock bar, from the last layout

    DWORD m_dwIndicatorAlign;
    CWnd* m_pIndicator;
    CListBox m_wndBarList;
    SDockBarInfo m_info;
    CPtrArray m_arrSpliters;    // CDockBarSpliter*, owned; reused by position

protected:
    int PlaceSpliter(int nSpliter, DWORD dwKind, int nLine, int nItem, const CRect& rect);
    // puts the splitters above the bars (the drop indicator stays above them) when a bar stands
    // above one
    void RaiseSpliters();
    // set when a bar or splitter moved, a splitter was made or the indicator came or resized:
    // the next RaiseSpliters walks the z-order
    BOOL m_bCheckSpliterOrder;
    void PlaceIndicator();
    void ShowBarMenu(CPoint ptScreen);
    void MoveBarEdge(HDWP& hDWP, CControlBar* pBar, int nEdge, int nDelta);

    afx_msg LRESULT OnDragSplit(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEndSplit(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSpaceRedistribution(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetNeibors(WPARAM wParam, LPARAM lParam);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnNcDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CUILMainFrame

class AFX_EXT_CLASS CUILMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CUILMainFrame)
public:
    CUILMainFrame();
    virtual ~CUILMainFrame();
    // a CUILDockBar on each side named in dwDockStyle that has none yet
    void EnableDocking(DWORD dwDockStyle);
};

// Takes pBar out of pDockBar (skipping the entry at nPosExclude).  nAddPlaceHolder: 1 leaves the
// bar's control id in its place, 0 also drops an older placeholder, -1 leaves placeholders.  When
// that empties a floating frame, the bar is hidden, re-parented to pNewParent (when given) and
// the frame destroyed: the result is then 1, else 0.
AFX_EXT_API int DetachControlBarEx(CDockBar* pDockBar, CControlBar* pBar, CWnd* pNewParent,
    int nPosExclude, int nAddPlaceHolder);
