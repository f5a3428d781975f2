// wexotest.h - helpers shared by the test executables.
#pragma once

#include <windows.h>
#include <string>

// Dispatches the calling thread's messages for dwMilliseconds, through the framework's
// PreTranslateMessage like the application's own loop.  Wine delivers some notifications late
// (WM_MOUSELEAVE, timers), so tests that wait for them pump for a while instead of once.
void PumpTestMessages(DWORD dwMilliseconds);

// Runs the application's idle processing (CWinApp::OnIdle with growing counts) until it reports
// that it needs no more, as the message loop does when the queue is empty.
void RunTestIdle();

// A fresh, empty folder below the temporary folder; it is deleted with everything in it when the
// object goes out of scope.
class CTestTempDir
{
public:
    CTestTempDir();
    ~CTestTempDir();

    bool IsValid() const { return !m_strPath.empty(); }
    // the folder, without a trailing backslash
    const char* GetPath() const { return m_strPath.c_str(); }
    // GetPath() + "\" + lpszName
    std::string GetFilePath(const char* lpszName) const;
    // creates lpszName (relative to the folder) holding nSize bytes of pData; true on success
    bool WriteFile(const char* lpszName, const void* pData, DWORD nSize) const;

private:
    CTestTempDir(const CTestTempDir&) = delete;
    CTestTempDir& operator=(const CTestTempDir&) = delete;

    std::string m_strPath;
};

// Deletes a folder and everything below it; true when it is gone afterwards.
bool DeleteTestTree(const char* lpszPath);
