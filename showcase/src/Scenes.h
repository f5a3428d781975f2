// Scenes.h - named window states the showcase can be put into.
//
// A scene is one function that brings the main frame (and whatever it shows) into a given state.
// `showcase --scene NAME` starts in that state; `showcase --screenshots DIR` puts the frame into
// every scene in turn and saves DIR\<name>.png.  To add a scene, write its function in Scenes.cpp
// and add a line to the table there.
#pragma once

#include <WEXOctrl.h>

class CMainFrame;

typedef BOOL (*SHOWCASE_SCENE_PROC)(CMainFrame* pFrame);

struct SHOWCASE_SCENE
{
    LPCSTR lpszName;                // file name of its screenshot, without ".png"
    LPCSTR lpszDescription;
    SHOWCASE_SCENE_PROC pfnSetUp;   // FALSE when the state could not be reached
};

// the table, in the order the screenshots are taken
const SHOWCASE_SCENE* GetShowcaseScenes(int* pnCount);
// NULL when there is no scene of that name (case-insensitive)
const SHOWCASE_SCENE* FindShowcaseScene(LPCSTR lpszName);
