// WEXOctrl.h - public header of the WEXOctrl user-interface controls library.
//
// A host includes this one header; it brings the framework layer the library is built on and
// declares everything the library exports.
#pragma once
#ifndef WEXOCTRL_H
#define WEXOCTRL_H

#include <afxwin.h>

// the library's frame: registered messages, resource module, monitors, system colours
#include "frame/UILMessages.h"
#include "frame/UILFrame.h"
#include "frame/ControlsSettings.h"  // settings store: string arrays, INI files, profiles, control states
#include "colors/ColorModel.h"     // colours: CUILColor, conversions, colour map, channel slider
#include "colors/ColorPickers.h"   // colour pickers: colour popup, RunColorSelector, combo, buttons, field
#include "bitmaps/Bitmaps.h"       // bitmap operations
#include "docking/Docking.h"       // docking: dock bars, dock windows, floating frames, bands
#include "controls/Controls.h"     // general controls: mouse actions, tab strip
#include "toolbars/Toolbars.h"     // command items and the image collection
#include "properties/PropObjects.h"  // property descriptions, property objects and collections
#include "properties/Connections.h"  // recorded advises between properties and their clients
#include "properties/ControlRegistry.h"  // custom drawing of controls (toolbar items)
#include "files/Files.h"           // files and folders: records, paths, watcher, filters, favourites
#include "properties/PropAccess.h"   // accessors over the host's property interfaces
#include "properties/PropStatus.h"   // named arrays; properties and collections as settings text
#include "properties/PropClient.h"   // property clients and their connectors
#include "namedobjects/NamedObjects.h"  // named objects, their collections and the type registry
#include "controls/AnimIndicator.h"  // the animated status indicator

#endif // WEXOCTRL_H
