// afxmsg_.h - message-map entry macros.  Each entry names the handler's signature, so that the
// dispatcher can call it with MFC's argument types.  Included by afxwin.h.
#pragma once

#ifndef afx_msg
#define afx_msg
#endif

#define ON_WM_ACTIVATE() \
    { WM_ACTIVATE, 0, 0, 0, AfxSig_ACTIVATE, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*, BOOL) >(&ThisClass::OnActivate)) },
#define ON_WM_ACTIVATEAPP() \
    { WM_ACTIVATEAPP, 0, 0, 0, AfxSig_v_b_u, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(BOOL, DWORD) >(&ThisClass::OnActivateApp)) },
#define ON_WM_CANCELMODE() \
    { WM_CANCELMODE, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnCancelMode)) },
#define ON_WM_CAPTURECHANGED() \
    { WM_CAPTURECHANGED, 0, 0, 0, AfxSig_v_W_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(CWnd*) >(&ThisClass::OnCaptureChanged)) },
#define ON_WM_CHAR() \
    { WM_CHAR, 0, 0, 0, AfxSig_v_u_uu, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT) >(&ThisClass::OnChar)) },
#define ON_WM_SYSCHAR() \
    { WM_SYSCHAR, 0, 0, 0, AfxSig_v_u_uu, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT) >(&ThisClass::OnSysChar)) },
#define ON_WM_DEADCHAR() \
    { WM_DEADCHAR, 0, 0, 0, AfxSig_v_u_uu, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT) >(&ThisClass::OnDeadChar)) },
#define ON_WM_CHILDACTIVATE() \
    { WM_CHILDACTIVATE, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnChildActivate)) },
#define ON_WM_CLOSE() \
    { WM_CLOSE, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnClose)) },
#define ON_WM_CONTEXTMENU() \
    { WM_CONTEXTMENU, 0, 0, 0, AfxSig_v_W_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(CWnd*, CPoint) >(&ThisClass::OnContextMenu)) },
#define ON_WM_COPYDATA() \
    { WM_COPYDATA, 0, 0, 0, AfxSig_b_W_COPYDATASTRUCT, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, COPYDATASTRUCT*) >(&ThisClass::OnCopyData)) },
#define ON_WM_CREATE() \
    { WM_CREATE, 0, 0, 0, AfxSig_i_i_s, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT) >(&ThisClass::OnCreate)) },
#define ON_WM_CTLCOLOR() \
    { WM_CTLCOLOR, 0, 0, 0, AfxSig_CTLCOLOR, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, CWnd*, UINT) >(&ThisClass::OnCtlColor)) },
#define ON_WM_DESTROY() \
    { WM_DESTROY, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnDestroy)) },
#define ON_WM_DRAWITEM() \
    { WM_DRAWITEM, 0, 0, 0, AfxSig_OWNERDRAW, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(int, LPDRAWITEMSTRUCT) >(&ThisClass::OnDrawItem)) },
#define ON_WM_MEASUREITEM() \
    { WM_MEASUREITEM, 0, 0, 0, AfxSig_v_v_MEASUREITEM, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(int, LPMEASUREITEMSTRUCT) >(&ThisClass::OnMeasureItem)) },
#define ON_WM_DELETEITEM() \
    { WM_DELETEITEM, 0, 0, 0, AfxSig_v_v_DELETEITEM, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(int, LPDELETEITEMSTRUCT) >(&ThisClass::OnDeleteItem)) },
#define ON_WM_COMPAREITEM() \
    { WM_COMPAREITEM, 0, 0, 0, AfxSig_i_v_COMPAREITEM, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< int (AFX_MSG_CALL CWnd::*)(int, LPCOMPAREITEMSTRUCT) >(&ThisClass::OnCompareItem)) },
#define ON_WM_DROPFILES() \
    { WM_DROPFILES, 0, 0, 0, AfxSig_v_v_HDROP, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(HDROP) >(&ThisClass::OnDropFiles)) },
#define ON_WM_ENABLE() \
    { WM_ENABLE, 0, 0, 0, AfxSig_v_b_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(BOOL) >(&ThisClass::OnEnable)) },
#define ON_WM_ENTERIDLE() \
    { WM_ENTERIDLE, 0, 0, 0, AfxSig_v_u_W, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*) >(&ThisClass::OnEnterIdle)) },
#define ON_WM_ENTERMENULOOP() \
    { WM_ENTERMENULOOP, 0, 0, 0, AfxSig_v_b_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(BOOL) >(&ThisClass::OnEnterMenuLoop)) },
#define ON_WM_EXITMENULOOP() \
    { WM_EXITMENULOOP, 0, 0, 0, AfxSig_v_b_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(BOOL) >(&ThisClass::OnExitMenuLoop)) },
#define ON_WM_ENTERSIZEMOVE() \
    { WM_ENTERSIZEMOVE, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnEnterSizeMove)) },
#define ON_WM_EXITSIZEMOVE() \
    { WM_EXITSIZEMOVE, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnExitSizeMove)) },
#define ON_WM_ERASEBKGND() \
    { WM_ERASEBKGND, 0, 0, 0, AfxSig_b_D_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< BOOL (AFX_MSG_CALL CWnd::*)(CDC*) >(&ThisClass::OnEraseBkgnd)) },
#define ON_WM_GETDLGCODE() \
    { WM_GETDLGCODE, 0, 0, 0, AfxSig_u_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< UINT (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnGetDlgCode)) },
#define ON_WM_GETMINMAXINFO() \
    { WM_GETMINMAXINFO, 0, 0, 0, AfxSig_v_v_MINMAXINFO, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(MINMAXINFO*) >(&ThisClass::OnGetMinMaxInfo)) },
#define ON_WM_HELPINFO() \
    { WM_HELP, 0, 0, 0, AfxSig_b_v_HELPINFO, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< BOOL (AFX_MSG_CALL CWnd::*)(HELPINFO*) >(&ThisClass::OnHelpInfo)) },
#define ON_WM_HSCROLL() \
    { WM_HSCROLL, 0, 0, 0, AfxSig_SCROLL, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*) >(&ThisClass::OnHScroll)) },
#define ON_WM_VSCROLL() \
    { WM_VSCROLL, 0, 0, 0, AfxSig_SCROLL, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*) >(&ThisClass::OnVScroll)) },
#define ON_WM_INITMENU() \
    { WM_INITMENU, 0, 0, 0, AfxSig_v_M_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(CMenu*) >(&ThisClass::OnInitMenu)) },
#define ON_WM_INITMENUPOPUP() \
    { WM_INITMENUPOPUP, 0, 0, 0, AfxSig_v_M_ub, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(CMenu*, UINT, BOOL) >(&ThisClass::OnInitMenuPopup)) },
#define ON_WM_KEYDOWN() \
    { WM_KEYDOWN, 0, 0, 0, AfxSig_v_u_uu, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT) >(&ThisClass::OnKeyDown)) },
#define ON_WM_KEYUP() \
    { WM_KEYUP, 0, 0, 0, AfxSig_v_u_uu, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT) >(&ThisClass::OnKeyUp)) },
#define ON_WM_SYSKEYDOWN() \
    { WM_SYSKEYDOWN, 0, 0, 0, AfxSig_v_u_uu, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT) >(&ThisClass::OnSysKeyDown)) },
#define ON_WM_SYSKEYUP() \
    { WM_SYSKEYUP, 0, 0, 0, AfxSig_v_u_uu, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT) >(&ThisClass::OnSysKeyUp)) },
#define ON_WM_KILLFOCUS() \
    { WM_KILLFOCUS, 0, 0, 0, AfxSig_v_W_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(CWnd*) >(&ThisClass::OnKillFocus)) },
#define ON_WM_SETFOCUS() \
    { WM_SETFOCUS, 0, 0, 0, AfxSig_v_W_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(CWnd*) >(&ThisClass::OnSetFocus)) },
#define ON_WM_LBUTTONDBLCLK() \
    { WM_LBUTTONDBLCLK, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnLButtonDblClk)) },
#define ON_WM_LBUTTONDOWN() \
    { WM_LBUTTONDOWN, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnLButtonDown)) },
#define ON_WM_LBUTTONUP() \
    { WM_LBUTTONUP, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnLButtonUp)) },
#define ON_WM_MBUTTONDBLCLK() \
    { WM_MBUTTONDBLCLK, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnMButtonDblClk)) },
#define ON_WM_MBUTTONDOWN() \
    { WM_MBUTTONDOWN, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnMButtonDown)) },
#define ON_WM_MBUTTONUP() \
    { WM_MBUTTONUP, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnMButtonUp)) },
#define ON_WM_RBUTTONDBLCLK() \
    { WM_RBUTTONDBLCLK, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnRButtonDblClk)) },
#define ON_WM_RBUTTONDOWN() \
    { WM_RBUTTONDOWN, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnRButtonDown)) },
#define ON_WM_RBUTTONUP() \
    { WM_RBUTTONUP, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnRButtonUp)) },
#define ON_WM_MOUSEMOVE() \
    { WM_MOUSEMOVE, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnMouseMove)) },
#define ON_WM_MOUSEHOVER() \
    { WM_MOUSEHOVER, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnMouseHover)) },
#define ON_WM_MOUSELEAVE() \
    { WM_MOUSELEAVE, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnMouseLeave)) },
#define ON_WM_MOUSEWHEEL() \
    { WM_MOUSEWHEEL, 0, 0, 0, AfxSig_MOUSEWHEEL, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< BOOL (AFX_MSG_CALL CWnd::*)(UINT, short, CPoint) >(&ThisClass::OnMouseWheel)) },
#define ON_WM_MENUCHAR() \
    { WM_MENUCHAR, 0, 0, 0, AfxSig_l_uu_M, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< LRESULT (AFX_MSG_CALL CWnd::*)(UINT, UINT, CMenu*) >(&ThisClass::OnMenuChar)) },
#define ON_WM_MENUSELECT() \
    { WM_MENUSELECT, 0, 0, 0, AfxSig_v_uu_M, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT, HMENU) >(&ThisClass::OnMenuSelect)) },
#define ON_WM_MOUSEACTIVATE() \
    { WM_MOUSEACTIVATE, 0, 0, 0, AfxSig_i_W_u_u, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< int (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT) >(&ThisClass::OnMouseActivate)) },
#define ON_WM_MOVE() \
    { WM_MOVE, 0, 0, 0, AfxSig_v_v_ii, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(int, int) >(&ThisClass::OnMove)) },
#define ON_WM_MOVING() \
    { WM_MOVING, 0, 0, 0, AfxSig_SIZING, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, LPRECT) >(&ThisClass::OnMoving)) },
#define ON_WM_SIZING() \
    { WM_SIZING, 0, 0, 0, AfxSig_SIZING, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, LPRECT) >(&ThisClass::OnSizing)) },
#define ON_WM_NCACTIVATE() \
    { WM_NCACTIVATE, 0, 0, 0, AfxSig_b_b_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< BOOL (AFX_MSG_CALL CWnd::*)(BOOL) >(&ThisClass::OnNcActivate)) },
#define ON_WM_NCCALCSIZE() \
    { WM_NCCALCSIZE, 0, 0, 0, AfxSig_v_b_NCCALCSIZEPARAMS, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(BOOL, NCCALCSIZE_PARAMS*) >(&ThisClass::OnNcCalcSize)) },
#define ON_WM_NCCREATE() \
    { WM_NCCREATE, 0, 0, 0, AfxSig_b_CREATESTRUCT, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< BOOL (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT) >(&ThisClass::OnNcCreate)) },
#define ON_WM_NCDESTROY() \
    { WM_NCDESTROY, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnNcDestroy)) },
#define ON_WM_NCHITTEST() \
    { WM_NCHITTEST, 0, 0, 0, AfxSig_l_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< LRESULT (AFX_MSG_CALL CWnd::*)(CPoint) >(&ThisClass::OnNcHitTest)) },
#define ON_WM_NCLBUTTONDBLCLK() \
    { WM_NCLBUTTONDBLCLK, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnNcLButtonDblClk)) },
#define ON_WM_NCLBUTTONDOWN() \
    { WM_NCLBUTTONDOWN, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnNcLButtonDown)) },
#define ON_WM_NCLBUTTONUP() \
    { WM_NCLBUTTONUP, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnNcLButtonUp)) },
#define ON_WM_NCMBUTTONDOWN() \
    { WM_NCMBUTTONDOWN, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnNcMButtonDown)) },
#define ON_WM_NCRBUTTONDOWN() \
    { WM_NCRBUTTONDOWN, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnNcRButtonDown)) },
#define ON_WM_NCRBUTTONUP() \
    { WM_NCRBUTTONUP, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnNcRButtonUp)) },
#define ON_WM_NCRBUTTONDBLCLK() \
    { WM_NCRBUTTONDBLCLK, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnNcRButtonDblClk)) },
#define ON_WM_NCMOUSEMOVE() \
    { WM_NCMOUSEMOVE, 0, 0, 0, AfxSig_v_u_p, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, CPoint) >(&ThisClass::OnNcMouseMove)) },
#define ON_WM_NCPAINT() \
    { WM_NCPAINT, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnNcPaint)) },
#define ON_WM_PAINT() \
    { WM_PAINT, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnPaint)) },
#define ON_WM_PALETTECHANGED() \
    { WM_PALETTECHANGED, 0, 0, 0, AfxSig_v_W_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(CWnd*) >(&ThisClass::OnPaletteChanged)) },
#define ON_WM_QUERYNEWPALETTE() \
    { WM_QUERYNEWPALETTE, 0, 0, 0, AfxSig_b_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< BOOL (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnQueryNewPalette)) },
#define ON_WM_PARENTNOTIFY() \
    { WM_PARENTNOTIFY, 0, 0, 0, AfxSig_v_u_l, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM) >(&ThisClass::OnParentNotify)) },
#define ON_WM_SETCURSOR() \
    { WM_SETCURSOR, 0, 0, 0, AfxSig_b_W_u_u, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT) >(&ThisClass::OnSetCursor)) },
#define ON_WM_SETTINGCHANGE() \
    { WM_SETTINGCHANGE, 0, 0, 0, AfxSig_v_u_LPCSTR, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, LPCSTR) >(&ThisClass::OnSettingChange)) },
#define ON_WM_SHOWWINDOW() \
    { WM_SHOWWINDOW, 0, 0, 0, AfxSig_v_b_u, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(BOOL, UINT) >(&ThisClass::OnShowWindow)) },
#define ON_WM_SIZE() \
    { WM_SIZE, 0, 0, 0, AfxSig_v_u_ii, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, int, int) >(&ThisClass::OnSize)) },
#define ON_WM_STYLECHANGED() \
    { WM_STYLECHANGED, 0, 0, 0, AfxSig_v_i_s, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(int, LPSTYLESTRUCT) >(&ThisClass::OnStyleChanged)) },
#define ON_WM_STYLECHANGING() \
    { WM_STYLECHANGING, 0, 0, 0, AfxSig_v_i_s, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(int, LPSTYLESTRUCT) >(&ThisClass::OnStyleChanging)) },
#define ON_WM_SYSCOLORCHANGE() \
    { WM_SYSCOLORCHANGE, 0, 0, 0, AfxSig_v_v_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(void) >(&ThisClass::OnSysColorChange)) },
#define ON_WM_SYSCOMMAND() \
    { WM_SYSCOMMAND, 0, 0, 0, AfxSig_v_u_l, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM) >(&ThisClass::OnSysCommand)) },
#define ON_WM_TIMER() \
    { WM_TIMER, 0, 0, 0, AfxSig_v_up_v, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT_PTR) >(&ThisClass::OnTimer)) },
#define ON_WM_WINDOWPOSCHANGED() \
    { WM_WINDOWPOSCHANGED, 0, 0, 0, AfxSig_v_v_WINDOWPOS, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*) >(&ThisClass::OnWindowPosChanged)) },
#define ON_WM_WINDOWPOSCHANGING() \
    { WM_WINDOWPOSCHANGING, 0, 0, 0, AfxSig_v_v_WINDOWPOS, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*) >(&ThisClass::OnWindowPosChanging)) },
#define ON_WM_UPDATEUISTATE() \
    { WM_UPDATEUISTATE, 0, 0, 0, AfxSig_v_u_u, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT) >(&ThisClass::OnUpdateUIState)) },
#define ON_WM_CHARTOITEM() \
    { WM_CHARTOITEM, 0, 0, 0, AfxSig_i_u_W_u, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< int (AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT) >(&ThisClass::OnCharToItem)) },
#define ON_WM_VKEYTOITEM() \
    { WM_VKEYTOITEM, 0, 0, 0, AfxSig_i_u_W_u, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< int (AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT) >(&ThisClass::OnVKeyToItem)) },

// WM_CTLCOLOR is dispatched for every WM_CTLCOLORxxx message
#define ON_WM_CTLCOLOR_REFLECT() \
    { WM_CTLCOLOR + WM_REFLECT_BASE, 0, 0, 0, AfxSig_CTLCOLOR_REFLECT, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, UINT) >(&ThisClass::CtlColor)) },
#define ON_WM_DRAWITEM_REFLECT() \
    { WM_DRAWITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_v_DRAWITEM_REFLECT, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(LPDRAWITEMSTRUCT) >(&ThisClass::DrawItem)) },
#define ON_WM_MEASUREITEM_REFLECT() \
    { WM_MEASUREITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_v_MEASUREITEM_REFLECT, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(LPMEASUREITEMSTRUCT) >(&ThisClass::MeasureItem)) },
#define ON_WM_HSCROLL_REFLECT() \
    { WM_HSCROLL + WM_REFLECT_BASE, 0, 0, 0, AfxSig_SCROLL_REFLECT, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT) >(&ThisClass::HScroll)) },
#define ON_WM_VSCROLL_REFLECT() \
    { WM_VSCROLL + WM_REFLECT_BASE, 0, 0, 0, AfxSig_SCROLL_REFLECT, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< void (AFX_MSG_CALL CWnd::*)(UINT, UINT) >(&ThisClass::VScroll)) },

// any message, handler LRESULT (WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) \
    { message, 0, 0, 0, AfxSig_l_w_l, \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM) >(memberFxn)) },

// a message registered with RegisterWindowMessage: the entry keeps the variable's address, so the
// number is read when the message arrives, whatever Windows assigned
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { 0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&nMessageVariable), \
      (AFX_PMSG)(AFX_PMSGW)(static_cast< LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM) >(memberFxn)) },

// thread messages (CWinThread message maps)
#define ON_THREAD_MESSAGE(message, memberFxn) \
    { message, 0, 0, 0, AfxSig_v_w_l, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(WPARAM, LPARAM) >(memberFxn)) },

// commands
#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)id, (WORD)id, AfxSigCmd_v, \
      static_cast<AFX_PMSG>(memberFxn) },
#define ON_COMMAND_EX(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)id, (WORD)id, AfxSigCmd_EX, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT) >(memberFxn)) },
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)id, (WORD)idLast, AfxSigCmd_RANGE, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(UINT) >(memberFxn)) },
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)id, (WORD)idLast, AfxSigCmd_EX, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT) >(memberFxn)) },
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)id, (WORD)id, AfxSigCmdUI, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*) >(memberFxn)) },
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)id, (WORD)idLast, AfxSigCmdUI, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*) >(memberFxn)) },

// control notifications (WM_COMMAND with a notification code)
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (WORD)wNotifyCode, (WORD)id, (WORD)id, AfxSigCmd_v, \
      (static_cast< AFX_PMSG >(memberFxn)) },
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_COMMAND, (WORD)wNotifyCode, (WORD)id, (WORD)idLast, AfxSigCmd_RANGE, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(UINT) >(memberFxn)) },
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// WM_NOTIFY
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)wNotifyCode, (WORD)id, (WORD)id, AfxSigNotify_v, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*) >(memberFxn)) },
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)wNotifyCode, (WORD)id, (WORD)idLast, AfxSigNotify_RANGE, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*) >(memberFxn)) },
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)wNotifyCode, (WORD)id, (WORD)id, AfxSigNotify_EX, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*) >(memberFxn)) },
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)wNotifyCode, (WORD)id, (WORD)idLast, AfxSigNotify_EX, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*) >(memberFxn)) },

// reflected notifications (handled by the control itself)
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    { WM_COMMAND + WM_REFLECT_BASE, (WORD)wNotifyCode, 0, 0, AfxSigCmd_v, \
      (static_cast< AFX_PMSG >(memberFxn)) },
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_COMMAND + WM_REFLECT_BASE, (WORD)wNotifyCode, 0, 0, AfxSigCmd_b, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(void) >(memberFxn)) },
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    { WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)wNotifyCode, 0, 0, AfxSigNotify_v, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*) >(memberFxn)) },
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)wNotifyCode, 0, 0, AfxSigNotify_b, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*) >(memberFxn)) },
#define ON_BN_CLICKED_REFLECT(memberFxn) ON_CONTROL_REFLECT(BN_CLICKED, memberFxn)
#define ON_EN_CHANGE_REFLECT(memberFxn) ON_CONTROL_REFLECT(EN_CHANGE, memberFxn)
