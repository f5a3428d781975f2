// WEXOctrl.h - public header of the WEXOctrl user-interface controls library.
//
// A host includes this one header; it brings the framework layer the library is built on.
#pragma once
#ifndef WEXOCTRL_H
#define WEXOCTRL_H

#include <afxwin.h>

#endif // WEXOCTRL_H
