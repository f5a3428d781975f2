// afxwin.h - windows, command targets, message maps, frames, threads and the application object.
//
// Classes (in order):
//   AFX_MSGMAP_ENTRY, AFX_MSGMAP   message-map tables and the handler signatures they name
//   CCmdTarget                     command routing (OnCmdMsg) and the message-map chain
//   CCmdUI                         command-user-interface updates (Enable, SetCheck, SetText)
//   CWnd                           a window: creation, subclassing, messages, the handle map
//   CFrameWnd                      a frame: control bars, the view, status prompts, RecalcLayout
//   CWinThread                     a thread with a message loop and idle processing
//   CWinApp                        the application object: initialisation, profile, resources
//   AFX_MODULE_STATE, AFX_MAINTAIN_STATE, AFX_EXTENSION_MODULE, CDynLinkLibrary
//                                  module states and the resource chain of extension DLLs
#pragma once

#include "afx.h"
#include "afxhandle_.h"
#include <commctrl.h>
#include <shellapi.h>

// winuser.h defines these as macros; CWnd has members of the same names.
#ifdef GetNextWindow
#undef GetNextWindow
#endif
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

class CCmdTarget;
class CCmdUI;
class CWnd;
class CFrameWnd;
class CMenu;
class CDC;
class CFont;
class CBrush;
class CScrollBar;
class CDataExchange;
class CControlBar;
class CDockBar;
class CMiniDockFrameWnd;
class CDockState;
class CView;
class CListBox;
class CRgn;
struct CCreateContext;
class CDocument;
struct AFX_CMDHANDLERINFO;

/////////////////////////////////////////////////////////////////////////////
// GDI objects, device contexts and menus

#include "afxgdi_.h"    // CGdiObject, CPen, CBrush, CFont, CBitmap, CPalette, CRgn, CDC family, CMenu

/////////////////////////////////////////////////////////////////////////////
// Framework window messages and identifiers

#define WM_QUERYAFXWNDPROC  0x0360
#define WM_SIZEPARENT       0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI  0x0363
#define WM_INITIALUPDATE    0x0364
#define WM_COMMANDHELP      0x0365
#define WM_HELPHITTEST      0x0366
#define WM_EXITHELPMODE     0x0367
#define WM_RECALCPARENT     0x0368
#define WM_SIZECHILD        0x0369
#define WM_KICKIDLE         0x036A
#define WM_QUERYCENTERWND   0x036B
#define WM_DISABLEMODAL     0x036C
#define WM_FLOATSTATUS      0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_RESERVED_036F    0x036F
#define WM_RESERVED_0370    0x0370
#define WM_RESERVED_0371    0x0371
#define WM_RESERVED_0372    0x0372
#define WM_SOCKET_NOTIFY    0x0373
#define WM_SOCKET_DEAD      0x0374
#define WM_POPMESSAGESTRING 0x0375
#define WM_HELPPROMPTADDR   0x0376
#define WM_OCC_LOADFROMSTREAM 0x0376
#define WM_QUERY3DCONTROLS  0x0377
#define WM_RESERVED_0378    0x0378
#define WM_RESERVED_0379    0x0379
#define WM_RESERVED_037A    0x037A
#define WM_RESERVED_037B    0x037B
#define WM_RESERVED_037C    0x037C
#define WM_RESERVED_037D    0x037D
#define WM_RESERVED_037E    0x037E
#define WM_FORWARDMSG       0x037F

// notification codes for reflected messages
#define WM_REFLECT_BASE 0xBC00

// standard control and window identifiers
#define AFX_IDW_PANE_FIRST      0xE900
#define AFX_IDW_PANE_LAST       0xE9FF
#define AFX_IDW_HSCROLL_FIRST   0xEA00
#define AFX_IDW_VSCROLL_FIRST   0xEA10
#define AFX_IDW_SIZE_BOX        0xEA20
#define AFX_IDW_PANE_SAVE       0xEA21
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST  0xE8FF
#define AFX_IDW_TOOLBAR         0xE800
#define AFX_IDW_STATUS_BAR      0xE801
#define AFX_IDW_PREVIEW_BAR     0xE802
#define AFX_IDW_RESIZE_BAR      0xE803
#define AFX_IDW_REBAR           0xE804
#define AFX_IDW_DIALOGBAR       0xE805
#define AFX_IDW_DOCKBAR_TOP     0xE81B
#define AFX_IDW_DOCKBAR_LEFT    0xE81C
#define AFX_IDW_DOCKBAR_RIGHT   0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM  0xE81E
#define AFX_IDW_DOCKBAR_FLOAT   0xE81F

#define AFX_IDS_APP_TITLE       0xE000
#define AFX_IDS_IDLEMESSAGE     0xE001
#define AFX_IDR_APPMENU         2 // not used by the framework itself

// window class names registered by the framework
#define AFX_WND             "AfxWnd"
// the control-bar class keeps the name under which hosts and extension libraries know it
#define AFX_WNDCONTROLBAR   "AfxControlBar42"
#define AFX_WNDMDIFRAME     "AfxMDIFrame"
#define AFX_WNDFRAMEORVIEW  "AfxFrameOrView"
#define AFX_WNDOLECONTROL   "AfxOleControl"

// frame styles
#define FWS_ADDTOTITLE  0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS  0x00002000L

// mini-frame styles (CMiniFrameWnd)
#define MFS_SYNCACTIVE      0x00000100L   // shown active while its owner frame is
#define MFS_4THICKFRAME     0x00000200L   // sized by the edges only, not the corners
#define MFS_THICKFRAME      0x00000400L   // sized by edges and corners
#define MFS_MOVEFRAME       0x00000800L   // the edges move the frame instead of sizing it
#define MFS_BLOCKSYSMENU    0x00001000L   // the system-menu box acts as caption
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

// CWnd::RepositionBars
#define reposDefault 0
#define reposQuery   1
#define reposExtra   2

/////////////////////////////////////////////////////////////////////////////
// Message maps

#ifndef AFX_MSG_CALL
#define AFX_MSG_CALL
#endif
typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;     // windows message, or 0xC000 for a registered message
    UINT nCode;        // control code or WM_NOTIFY code
    UINT nID;          // control ID (or 0 for windows messages)
    UINT nLastID;      // used for entries specifying a range of control id's
    UINT_PTR nSig;     // signature type (action), or the address of a registered-message variable
    AFX_PMSG pfn;      // routine to call (or special value)
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass) \
    template <typename type_name> \
    const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const \
        { return GetThisMessageMap(); } \
    template <typename type_name> \
    const AFX_MSGMAP* PASCAL theClass<type_name>::GetThisMessageMap() \
    { \
        typedef theClass<type_name> ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = \
        {

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const \
        { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = \
        {

#define END_MESSAGE_MAP() \
        {0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } \
    }; \
        static const AFX_MSGMAP messageMap = \
        { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    }

// Handler signatures.  The dispatcher in CWnd::OnWndMsg and CCmdTarget::OnCmdMsg calls each entry
// through the member-function type that its signature names.
enum AfxSig
{
    AfxSig_end = 0,

    AfxSig_b_D_v,       // BOOL (CDC*)
    AfxSig_b_b_v,       // BOOL (BOOL)
    AfxSig_b_W_COPYDATASTRUCT,
    AfxSig_b_v_HELPINFO,
    AfxSig_CTLCOLOR,    // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_CTLCOLOR_REFLECT, // HBRUSH (CDC*, UINT)
    AfxSig_i_u_W_u,     // int (UINT, CListBox*, UINT) (WM_CHARTOITEM, WM_VKEYTOITEM)
    AfxSig_l_w_l,       // LRESULT (WPARAM, LPARAM)
    AfxSig_l_uu_M,      // LRESULT (UINT, UINT, CMenu*)
    AfxSig_v_v_v,       // void ()
    AfxSig_v_up_v,      // void (UINT_PTR)
    AfxSig_v_u_u,       // void (UINT, UINT)
    AfxSig_v_v_ii,      // void (int, int)
    AfxSig_v_u_uu,      // void (UINT, UINT, UINT)
    AfxSig_v_u_ii,      // void (UINT, int, int)
    AfxSig_v_u_W,       // void (UINT, CWnd*)
    AfxSig_b_v_v,       // BOOL ()
    AfxSig_v_w_l,       // void (WPARAM, LPARAM)
    AfxSig_v_M_v,       // void (CMenu*)
    AfxSig_v_M_ub,      // void (CMenu*, UINT, BOOL)
    AfxSig_v_W_v,       // void (CWnd*)
    AfxSig_v_W_p,       // void (CWnd*, CPoint)
    AfxSig_ACTIVATE,    // void (UINT, CWnd*, BOOL)
    AfxSig_SCROLL,      // void (UINT, UINT, CWnd*)
    AfxSig_SCROLL_REFLECT, // void (UINT, UINT)
    AfxSig_OWNERDRAW,   // void (int, LPxxxITEMSTRUCT)
    AfxSig_i_i_s,       // int (LPCREATESTRUCT)
    AfxSig_b_CREATESTRUCT, // BOOL (LPCREATESTRUCT)
    AfxSig_u_v_v,       // UINT ()
    AfxSig_v_b_NCCALCSIZEPARAMS, // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_v_v_WINDOWPOS, // void (WINDOWPOS*)
    AfxSig_v_uu_M,      // void (UINT, UINT, HMENU)
    AfxSig_v_u_p,       // void (UINT, CPoint)
    AfxSig_SIZING,      // void (UINT, LPRECT)
    AfxSig_MOUSEWHEEL,  // BOOL (UINT, short, CPoint)
    AfxSig_l_p,         // LRESULT (CPoint)
    AfxSig_v_i_s,       // void (int, LPSTYLESTRUCT)
    AfxSig_v_b_v,       // void (BOOL)
    AfxSig_v_b_u,       // void (BOOL, UINT)    (WM_SHOWWINDOW)
    AfxSig_v_v_MINMAXINFO, // void (MINMAXINFO*)
    AfxSig_v_u_LPCSTR,  // void (UINT, LPCTSTR) (WM_SETTINGCHANGE)
    AfxSig_v_v_HDROP,   // void (HDROP)
    AfxSig_b_W_u_u,     // BOOL (CWnd*, UINT, UINT) (WM_SETCURSOR)
    AfxSig_i_W_u_u,     // int (CWnd*, UINT, UINT)  (WM_MOUSEACTIVATE)
    AfxSig_v_v_MEASUREITEM, // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_i_v_COMPAREITEM, // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_v_v_DELETEITEM,  // void (int, LPDELETEITEMSTRUCT)
    AfxSig_v_DRAWITEM_REFLECT,    // void (LPDRAWITEMSTRUCT)
    AfxSig_v_MEASUREITEM_REFLECT, // void (LPMEASUREITEMSTRUCT)
    AfxSig_v_u_l,       // void (UINT, LPARAM)

    // commands, notifications and updates (CCmdTarget::OnCmdMsg)
    AfxSigCmd_v,        // void ()
    AfxSigCmd_b,        // BOOL ()
    AfxSigCmd_RANGE,    // void (UINT)
    AfxSigCmd_EX,       // BOOL (UINT)
    AfxSigNotify_v,     // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,     // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE, // void (UINT, NMHDR*, LRESULT*)
    AfxSigNotify_EX,    // BOOL (UINT, NMHDR*, LRESULT*)
    AfxSigCmdUI         // void (CCmdUI*), also for ranges
};

// special notification codes for command and update entries (nCode)
#define CN_COMMAND              0
#define CN_UPDATE_COMMAND_UI    ((UINT)(-1))
#define CN_EVENT                ((UINT)(-2))
#define CN_OLEVERB              ((UINT)(-3))
#define CN_OLE_UNREGISTER       ((UINT)(-4))

#include "afxmsg_.h"    // ON_WM_*, ON_COMMAND, ON_NOTIFY, ON_MESSAGE, ON_REGISTERED_MESSAGE, ...

/////////////////////////////////////////////////////////////////////////////
// CCmdTarget - objects that receive commands through a message map

struct AFX_DISPMAP;
struct AFX_INTERFACEMAP;
struct AFX_CONNECTIONMAP;
struct AFX_OLE_STATE;

struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    void (AFX_MSG_CALL CCmdTarget::*pmf)(void);
};

class AFX_FX_CLASS CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    virtual ~CCmdTarget();

    // Routes a command (nCode = CN_COMMAND, CN_UPDATE_COMMAND_UI or a WM_NOTIFY code carried in
    // the high word with WM_NOTIFY in the low word) to this object's message map.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Automation and COM identity: reference counting, the generic IDispatch, interface maps with
    // aggregation and the connection-point container.  The map macros and helper classes are in
    // afxdisp.h; the code in oledisp.cpp, oleunk.cpp and oleconn.cpp.
    virtual void OnFinalRelease();
    DWORD ExternalAddRef();
    DWORD ExternalRelease();
    DWORD InternalAddRef();
    DWORD InternalRelease();
    DWORD ExternalQueryInterface(const void* iid, LPVOID* ppvObj);
    DWORD InternalQueryInterface(const void* iid, LPVOID* ppvObj);
    LPUNKNOWN GetInterface(const void* iid);     // no reference added
    virtual LPUNKNOWN QueryAggregates(const void* iid);  // one reference added
    LPUNKNOWN GetControllingUnknown();
    void EnableAutomation();
    void EnableAggregation();
    void EnableConnections();
    LPDISPATCH GetIDispatch(BOOL bAddRef);
    static CCmdTarget* PASCAL FromIDispatch(LPDISPATCH lpDispatch);
    BOOL IsResultExpected() const;
    void SetNotSupported();                      // a put that always fails as not supported
    virtual LPUNKNOWN GetInterfaceHook(const void* iid);
    virtual BOOL OnCreateAggregates();
    static const AFX_DISPMAP* PASCAL GetThisDispatchMap();
    virtual const AFX_DISPMAP* GetDispatchMap() const;
    static const AFX_INTERFACEMAP* PASCAL GetThisInterfaceMap();
    virtual const AFX_INTERFACEMAP* GetInterfaceMap() const;
    static const AFX_CONNECTIONMAP* PASCAL GetThisConnectionMap();
    virtual const AFX_CONNECTIONMAP* GetConnectionMap() const;

    long m_dwRef;
    LPUNKNOWN m_pOuterUnknown;
    DWORD_PTR m_xInnerUnknown;          // unused; the inner unknown lives in m_pOleState
    AFX_MODULE_STATE* m_pModuleState;   // the creator's module state, current in interface methods
    AFX_OLE_STATE* m_pOleState;         // made by the first Enable* call

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

public:
    static BOOL PASCAL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn,
        void* pExtra, UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo);
};

// What WM_NOTIFY routing hands to ON_NOTIFY handlers through CCmdTarget::OnCmdMsg's pExtra.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Finds the message-map entry for nMsg/nCode/nID in one map (not its bases).
AFX_FX_API const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
    UINT nMsg, UINT nCode, UINT nID);

/////////////////////////////////////////////////////////////////////////////
// CCmdUI - the state of one user-interface element during the idle update pass

class AFX_FX_CLASS CCmdUI
{
public:
    UINT m_nID;
    UINT m_nIndex;          // menu item or other index
    CMenu* m_pMenu;         // NULL if not a menu
    CMenu* m_pSubMenu;      // sub containing menu item, if a popup sub menu
    CMenu* m_pParentMenu;   // NULL if parent menu not easily determined
    CWnd* m_pOther;         // NULL if a menu or not a CWnd
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;

    CCmdUI();
    virtual ~CCmdUI() {}
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);   // 0, 1 or 2 (indeterminate)
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);
    void ContinueRouting();

    // Asks pTarget's command routing for the state; disables the element when nobody handles it
    // and bDisableIfNoHndler is set.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

/////////////////////////////////////////////////////////////////////////////
// CWnd

class AFX_FX_CLASS CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
protected:
    static const MSG* PASCAL GetCurrentMessage();

public:
    HWND m_hWnd;
    // both answer NULL when called through a null CWnd pointer, as MFC code relies on; the test
    // of `this` lives in the framework's own source, which is built to keep it
    operator HWND() const { return GetSafeHwnd(); }
    HWND GetSafeHwnd() const;
    BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
    BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    CWnd();
    explicit CWnd(HWND hWnd);
    virtual ~CWnd();

    // handle maps
    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    virtual WNDPROC* GetSuperWndProcAddr();
    virtual void PreSubclassWindow();

    // creation
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
        const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName,
        DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
        LPVOID lpParam = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName,
        DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // styles
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

    // owner, parent and relatives
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetParentOwner() const;
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    CWnd* GetTopWindow() const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
    CWnd* GetLastActivePopup() const;
    BOOL IsChild(const CWnd* pWnd) const;
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
        BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE);
    static CWnd* PASCAL GetDesktopWindow();
    static CWnd* PASCAL GetActiveWindow();
    CWnd* SetActiveWindow();
    static CWnd* PASCAL GetForegroundWindow();
    BOOL SetForegroundWindow();
    static CWnd* PASCAL GetFocus();
    CWnd* SetFocus();
    static CWnd* PASCAL GetCapture();
    CWnd* SetCapture();
    static CWnd* PASCAL WindowFromPoint(POINT point);
    CWnd* ChildWindowFromPoint(POINT point) const;
    CWnd* ChildWindowFromPoint(POINT point, UINT nFlags) const;
    static CWnd* PASCAL FindWindow(LPCSTR lpszClassName, LPCSTR lpszWindowName);

    // messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // text and font
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = NULL, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

    // size and position
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
    void BringWindowToTop();
    void CenterWindow(CWnd* pAlternateOwner = NULL);
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
        LPRECT lpRectParam = NULL, LPCRECT lpRectClient = NULL, BOOL bStretch = TRUE);

    // state
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsIconic() const;
    BOOL IsZoomed() const;

    // painting
    CDC* GetDC();
    CDC* GetWindowDC();
    CDC* GetDCEx(CRgn* prgnClip, DWORD flags);
    int ReleaseDC(CDC* pDC);
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(LPPAINTSTRUCT lpPaint);
    void UpdateWindow();
    void SetRedraw(BOOL bRedraw = TRUE);
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void ValidateRgn(CRgn* pRgn);
    BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, CRgn* prgnUpdate = NULL,
        UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL LockWindowUpdate();
    void UnlockWindowUpdate();
    void DragAcceptFiles(BOOL bAccept = TRUE);
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw);
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL, LPCRECT lpClipRect = NULL);
    BOOL FlashWindow(BOOL bInvert);

    // timers, scroll bars, menus, caret, misc
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
        void (CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD));
    BOOL KillTimer(UINT_PTR nIDEvent);
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit(int nBar);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL bRevert) const;
    void CreateSolidCaret(int nWidth, int nHeight);
    void SetCaretPos(POINT point);
    void HideCaret();
    void ShowCaret();
    DWORD GetWindowContextHelpId() const;
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = NULL, UINT nType = MB_OK);
    LONG_PTR GetWindowLongPtr(int nIndex) const { return ::GetWindowLongPtrA(m_hWnd, nIndex); }
    LONG_PTR SetWindowLongPtr(int nIndex, LONG_PTR dwNewLong)
        { return ::SetWindowLongPtrA(m_hWnd, nIndex, dwNewLong); }
    BOOL ShowOwnedPopups(BOOL bShow = TRUE);

    // tool tips for the window's child controls (wndtips.cpp)
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    static void PASCAL CancelToolTips(BOOL bKeys = FALSE);
    void FilterToolTipMessage(MSG* pMsg);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;

    BOOL IsTopParentActive() const;
    void ActivateTopParent();
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;

    // dialog data exchange (CDialog and the DDX_ routines: afxdlg_.h); FALSE when validation failed
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // command routing, idle update and message dispatch
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);
    int RunModalLoop(DWORD dwFlags = 0);
    virtual void OnFinalRelease();
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);
    virtual BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // handlers (the framework's default calls Default())
protected:
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnClose();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDestroy();
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseLeave();
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnMoving(UINT fwSide, LPRECT pRect);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcDestroy();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnSysColorChange();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnExitSizeMove();
    afx_msg void OnEnterSizeMove();
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg void OnChildActivate();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg LRESULT OnDisplayChange(WPARAM, LPARAM);
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    afx_msg int OnCharToItem(UINT nChar, CListBox* pListBox, UINT nIndex);
    afx_msg int OnVKeyToItem(UINT nKey, CListBox* pListBox, UINT nIndex);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnNcMButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    afx_msg void OnUpdateUIState(UINT nAction, UINT nUIElement);

public:
    // default window procedure handling
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    LRESULT Default();

    WNDPROC m_pfnSuper;        // the window procedure this window had before the framework's
    HWND m_hWndOwner;          // owner set with SetOwner (NULL: the parent is the owner)
    virtual BOOL IsFrameWnd() const;
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);

protected:
    BOOL ExecuteDlgInit(LPCSTR lpszResourceName);
    BOOL ExecuteDlgInit(LPVOID lpResource);
    int m_nModalResult;
    int m_nFlags;              // WF_* flags
    friend class CWinThread;
    friend class CFrameWnd;
};

// CWnd::m_nFlags
#define WF_TOOLTIPS      0x0001
#define WF_TEMPHIDE      0x0002
#define WF_STAYDISABLED  0x0004
#define WF_MODALLOOP     0x0008
#define WF_CONTINUEMODAL 0x0010
#define WF_OLECTLCONTAINER 0x0100
#define WF_TRACKINGTOOLTIPS 0x0400
#define WF_STAYACTIVE    0x0020
#define WF_NOPOPMSG      0x0040
#define WF_MODALDISABLE  0x0080
#define WF_KEEPMINIACTIVE 0x0200

// CWnd::RunModalLoop flags
#define MLF_NOIDLEMSG     0x0001
#define MLF_NOKICKIDLE    0x0002
#define MLF_SHOWONIDLE    0x0004

AFX_FX_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFX_FX_API WNDPROC AFXAPI AfxGetAfxWndProc();
AFX_FX_API LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam = 0,
    LPARAM lParam = 0);
// The hook that binds the next window the calling thread creates to pWnd.
AFX_FX_API void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
AFX_FX_API BOOL AFXAPI AfxUnhookWindowCreate();
AFX_FX_API CWnd* AFXAPI AfxGetMainWnd();
AFX_FX_API BOOL AFXAPI AfxRegisterClass(WNDCLASSA* lpWndClass);
AFX_FX_API LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0,
    HBRUSH hbrBackground = 0, HICON hIcon = 0);
// Registers the framework's standard classes (AFX_WND, AFX_WNDCONTROLBAR, AFX_WNDFRAMEORVIEW, ...)
AFX_FX_API BOOL AFXAPI AfxDeferRegisterClass(LONG fToRegister);
#define AFX_WND_REG             0x00001
#define AFX_WNDCONTROLBAR_REG   0x00002
#define AFX_WNDMDIFRAME_REG     0x00004
#define AFX_WNDFRAMEORVIEW_REG  0x00008
#define AFX_WNDCOMMCTLS_REG     0x00010
#define AFX_WNDOLECONTROL_REG   0x00020
#define AFX_WNDCOMMCTL_BAR_REG  0x01000
#define AFX_WNDCOMMCTL_TREEVIEW_REG 0x00200
AFX_FX_API void AFXAPI AfxGetMessageString(UINT nIDPrompt, CString& rMessage);
AFX_FX_API int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFX_FX_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
AFX_FX_API HWND AFXAPI AfxGetParentOwner(HWND hWnd);
AFX_FX_API BOOL AFXAPI AfxIsDescendant(HWND hWndParent, HWND hWndChild);
AFX_FX_API BOOL AFXAPI AfxEndDeferRegisterClass(LONG fToRegisterIn);

// Context passed to CreateEx of frames and views (document/view is not part of this layer).
struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass;
    CDocument* m_pCurrentDoc;
    void* m_pNewDocTemplate;
    CView* m_pLastView;
    CFrameWnd* m_pCurrentFrame;
    CCreateContext() { memset(this, 0, sizeof(*this)); }
};

/////////////////////////////////////////////////////////////////////////////
// CFrameWnd - top-level frame: command routing, idle update, control-bar layout

class AFX_FX_CLASS CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;
    CFrameWnd();
    virtual ~CFrameWnd();

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
        CWnd* pParentWnd = NULL, LPCSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
        CCreateContext* pContext = NULL);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
        CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

    virtual CFrameWnd* GetActiveFrame();
    CWnd* GetActiveView() const;            // the active child window that gets commands first
    void SetActiveView(CWnd* pViewNew, BOOL bNotify = TRUE);
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    CWnd* GetMessageBar();
    virtual BOOL IsFrameWnd() const;
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    void SetTitle(LPCSTR lpszTitle);
    CString GetTitle() const;
    void BeginModalState();
    void EndModalState();
    BOOL InModalState() const;
    void ShowOwnedWindows(BOOL bShow);
    virtual void DelayRecalcLayout(BOOL bNotify = TRUE);

    // Control bars register here when they are created with the frame as parent (dock bars,
    // floating dock bars included); the list is the frame's dock state.
    CPtrList m_listControlBars;
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // the class FloatControlBar makes floating frames of (a CMiniDockFrameWnd); EnableDocking
    // sets the framework's, a docking layer may put its own afterwards
    CRuntimeClass* m_pFloatingFrameClass;

    // docking (winfrm2.cpp); the sides are CBRS_ALIGN_* bits, the dock bars AFX_IDW_DOCKBAR_*
    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL);
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL);
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = 0x2000L /* CBRS_ALIGN_TOP */);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    // the side of a dock bar under rect (screen) that dwDockStyle allows, 0 when none
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = NULL);
    void DestroyDockBars();
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    // tells the floating frames of this frame about activation, showing and enabling (FS_*)
    void NotifyFloatingWindows(DWORD dwFlags);
    int m_nShowDelay;              // SW_ code the idle pass applies to a floating frame, or -1
    CFrameWnd* m_pNextFrameWnd;    // the thread's frames (the idle pass reaches each)
    static const DWORD dwDockBarMap[4][2];
    CRect m_rectBorder;
    BOOL m_bAutoMenuEnable;        // disable menu items with no handler in the idle update
    int m_nIdleFlags;
    enum { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    UINT m_nIDHelp;
    HMENU m_hMenuDefault;
    HACCEL m_hAccelTable;
    CString m_strTitle;
    BOOL m_bInRecalcLayout;
    UINT m_nIDTracking;
    UINT m_nIDLastMessage;
    CWnd* m_pViewActive;
    int m_cModalStack;
    HWND* m_phWndDisable;          // what BeginModalState disabled, NULL-terminated

    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    virtual void PostNcDestroy();
    virtual BOOL LoadAccelTable(LPCSTR lpszResourceName);
    virtual HACCEL GetDefaultAccelerator();
    virtual void OnSetPreviewMode(BOOL, void*) {}

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSysColorChange();
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CMiniFrameWnd - a frame with a small caption (tool window), used for floating bars

class AFX_FX_CLASS CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();
    virtual ~CMiniFrameWnd();

    BOOL Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
        CWnd* pParentWnd = NULL, UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
        const RECT& rect, CWnd* pParentWnd = NULL, UINT nID = 0);

    // grows a client rectangle by the frame of a mini frame of that style
    static void PASCAL CalcBorders(LPRECT lpClientRect, DWORD dwStyle = WS_THICKFRAME | WS_CAPTION,
        DWORD dwExStyle = 0);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

protected:
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// WM_SIZEPARENT layout record (RepositionBars)
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

/////////////////////////////////////////////////////////////////////////////
// CWinThread and CWinApp

typedef UINT (AFX_CDECL *AFX_THREADPROC)(LPVOID);

class AFX_FX_CLASS CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    virtual ~CWinThread();
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
        LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);

    CWnd* m_pMainWnd;
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    operator HANDLE() const;      // NULL through a null pointer, like CWnd::GetSafeHwnd

    int GetThreadPriority();
    BOOL SetThreadPriority(int nPriority);
    DWORD SuspendThread();
    DWORD ResumeThread();
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam);

    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    virtual BOOL ProcessMessageFilter(int code, LPMSG lpMsg);
    virtual CWnd* GetMainWnd();
    virtual void Delete();

    MSG m_msgCur;
    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;
    CPoint m_ptCursorLast;
    UINT m_nMsgLast;
    int m_nDisablePumpCount;
};

AFX_FX_API CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
    int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0, DWORD dwCreateFlags = 0,
    LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
AFX_FX_API CWinThread* AFXAPI AfxGetThread();
AFX_FX_API void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);
AFX_FX_API BOOL AFXAPI AfxPumpMessage();
// the framework's own message check for the modal loops of the library
AFX_FX_API BOOL AFXAPI AfxIsIdleMessage(MSG* pMsg);

class AFX_FX_CLASS CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = NULL);
    virtual ~CWinApp();

    LPCSTR m_pszAppName;
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;      // always NULL
    LPSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCSTR m_pszExeName;
    LPCSTR m_pszHelpFilePath;
    LPCSTR m_pszProfileName;        // INI file name, or the application's key below m_pszRegistryKey
    LPCSTR m_pszRegistryKey;        // set by SetRegistryKey; NULL = profile in an INI file

    // profile (registry below HKCU\Software\<key>\<app>\ when SetRegistryKey was called, else the
    // INI file m_pszProfileName)
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = NULL);
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCSTR lpszSection);
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    BOOL DelRegTree(HKEY hParentKey, const CString& strKeyName);

    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCSTR lpszIconName) const;

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL OnIdle(LONG lCount);
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    void SetAppID(LPCSTR) {}

    afx_msg void OnAppExit();
protected:
    DECLARE_MESSAGE_MAP()
};

// Starts the framework for the calling program: the application object (if any) receives the
// instance and command line, and the framework's module state its instance handle.  A console
// program (a test executable, a tool) calls it itself; a GUI host's WinMain goes through AfxWinMain.
AFX_FX_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
    int nCmdShow);
AFX_FX_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
    int nCmdShow);
AFX_FX_API void AFXAPI AfxWinTerm();

/////////////////////////////////////////////////////////////////////////////
// Module state and extension DLLs

struct AFX_FX_CLASS AFX_MODULE_STATE
{
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
    LPCSTR m_lpszCurrentAppName;
    CWinApp* m_pCurrentWinApp;
    BOOL m_bDLL;
    BOOL m_bSystem;
    CRuntimeClass* m_pClassList;       // classes registered by the application's own statics
    CDynLinkLibrary* m_pFirstDLL;      // extension libraries in the order they joined
};

AFX_FX_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFX_FX_API AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState();
AFX_FX_API AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState();
AFX_FX_API AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState);

// AFX_MANAGE_STATE(p): the module state p is current for the rest of the scope.
struct AFX_FX_CLASS AFX_MAINTAIN_STATE2
{
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState);
    ~AFX_MAINTAIN_STATE2();
protected:
    AFX_MODULE_STATE* m_pPrevModuleState;
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p);

// The framework's record of one extension DLL.
struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    void* pFirstSharedFactory;
};

// Moves the classes that the extension's static initialisers registered into its record (they
// were kept apart from the application's by AfxCoreInitModule/the raw hook, see afxdllx.h).
AFX_FX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the extension's CDynLinkLibrary objects from the chain (bAll: every extension's).
AFX_FX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
// The raw hook of an extension DLL: called before its static initialisers (attach) and after
// its static destructors (detach).  afxdllx.h wires it in.
AFX_FX_API void AFXAPI AfxCoreRawDllMain(HINSTANCE hInstance, DWORD dwReason);

class AFX_FX_CLASS CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;
    CRuntimeClass* m_pClassList;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL;
};

// Windows-message and GDI helpers used widely
AFX_FX_API HBRUSH AFXAPI AfxGetHalftoneBrush();
AFX_FX_API void AFXAPI AfxDeleteObject(HGDIOBJ* pObject);

#include "afxctl_.h"   // CStatic, CButton, CEdit, CListBox, CComboBox, CScrollBar
#include "afxdlg_.h"   // CDialog, CDataExchange, DDX_/DDV_
