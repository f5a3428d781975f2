// Files.h - the library's files and folders.
//
//   FileInfo.h            CFileInfo, CFileInfoArray, change detection
//   PathUtils.h           paths, folder validation and creation, deletion, masks, folder browser
//   FileAlarm.h           the folder watcher (WM_FILEALARM)
//   FileFilter.h          CFileFilter, CFilteredFolders, CDirWalkHistory
//   FavoriteFoldersDlg.h  CFavoriteFoldersDlg
#pragma once

#include "FileInfo.h"
#include "PathUtils.h"
#include "FileAlarm.h"
#include "FileFilter.h"
#include "FavoriteFoldersDlg.h"
