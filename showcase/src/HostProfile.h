// HostProfile.h - the showcase's profile manager, handed to the library on WM_GET_PPM.
//
// The library's settings functions, given no file, ask the host's main window for its profile
// manager and store through it.  The showcase keeps its profile as INI text in memory - a string
// array, through the library's own string-array functions - and in a file between runs.
#pragma once

#include <WEXOctrl.h>

class CShowcaseProfile : public CHostProfileManager
{
public:
    CShowcaseProfile();
    virtual ~CShowcaseProfile();

    // Reads the profile that Save wrote; a missing file is an empty profile.  FALSE when the file
    // exists but cannot be read (the profile is then empty).
    BOOL Load(LPCSTR lpszPath);
    // Writes the profile to a new file that then replaces lpszPath, so that a failed save
    // leaves the previous profile as it was.
    BOOL Save(LPCSTR lpszPath);

    virtual int WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    virtual int WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    virtual LPCSTR GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault);
    virtual int GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);

private:
    CShowcaseProfile(const CShowcaseProfile&) = delete;
    CShowcaseProfile& operator=(const CShowcaseProfile&) = delete;

    BOOL RemoveSection(LPCSTR lpszSection);

    CStringArray m_lines;       // "[section]" and "key=value" lines
    CString m_strValue;         // the last value GetProfileString handed out
};
