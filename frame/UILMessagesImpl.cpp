// UILMessagesImpl.cpp - the library's private registered messages and the registration on
// first use.
//
// The library's tests compile this file into their own program to reach it (the globals there
// are the program's own copies; the exported globals it registers are the library's).
#include "UILMessagesImpl.h"

unsigned int WM_INPUT_FOCUS = ::RegisterWindowMessageA("WM_INPUT_FOCUS");
unsigned int WM_CARRIER_CLOSED = 0;
unsigned int WM_CREATE_NEXT_THUMBNAIL = ::RegisterWindowMessageA("WM_CREATE_NEXT_THUMBNAIL");
unsigned int WM_START_UPDATE_THUMBNAIL = ::RegisterWindowMessageA("WM_START_UPDATE_THUMBNAIL");
unsigned int WM_GETITEMTEXTL = ::RegisterWindowMessageA("WM_GETITEMTEXTL");
unsigned int WM_GETITEMRECTL = ::RegisterWindowMessageA("WM_GETITEMRECTL");

static void RegisterOnce(unsigned int& rnMessage, LPCSTR lpszName)
{
    if (rnMessage == 0)
        rnMessage = ::RegisterWindowMessageA(lpszName);
}

void RegisterFileAlarmMessage()
{
    RegisterOnce(WM_FILEALARM, "WM_FILEALARM");
}

void RegisterThumbnailMessages()
{
    RegisterOnce(WM_DRAWTHUMBNAIL, "WM_DRAWTHUMBNAIL");
    RegisterOnce(WM_THUMBNAIL_REQUEST, "WM_THUMBNAIL_REQUEST");
    RegisterOnce(WM_THUMBNAIL_BREAK, "WM_THUMBNAIL_BREAK");
}

void RegisterCarrierClosedMessage()
{
    WM_CARRIER_CLOSED = ::RegisterWindowMessageA("WM_CARRIER_CLOSED");
}
