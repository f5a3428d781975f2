// afximpl_.h - declarations shared by the framework's own sources (not installed).
#pragma once

#include "afxwin.h"
#include "afxpriv.h"    // AFX_THREAD_STATE

// class registry (appcore.cpp)
CRuntimeClass* AfxFindRegisteredClass(LPCSTR lpszClassName);


// the framework's own instance (WEXOfx.dll)
extern HINSTANCE afxFxInstance;

// automation state of a command target (oleunk.cpp): freed with the object
void AfxOleFreeState(CCmdTarget* pTarget);
// the calling thread's frames, newest first (winfrm2.cpp); the idle pass updates each
void AfxAddFrameWnd(CFrameWnd* pFrameWnd);
void AfxRemoveFrameWnd(CFrameWnd* pFrameWnd);
CFrameWnd* AfxGetFirstFrameWnd();

// the headers are built with NOMINMAX; bar layout mixes int and LONG freely
inline int AfxMax(int a, int b) { return a > b ? a : b; }
inline int AfxMin(int a, int b) { return a < b ? a : b; }
