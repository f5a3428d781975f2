// wexotest.cpp - helpers shared by the test executables.
#include <afxwin.h>
#include "wexotest.h"

void PumpTestMessages(DWORD dwMilliseconds)
{
    const ULONGLONG tEnd = ::GetTickCount64() + dwMilliseconds;
    CWinThread* pThread = AfxGetThread();
    for (;;)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                // leave it for whoever runs the real loop
                ::PostQuitMessage((int)msg.wParam);
                return;
            }
            if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        const ULONGLONG tNow = ::GetTickCount64();
        if (tNow >= tEnd)
            break;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, (DWORD)(tEnd - tNow), QS_ALLINPUT);
    }
}

void RunTestIdle()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    // the framework's loop stops calling OnIdle once it returns FALSE; a guard keeps a faulty
    // OnIdle from hanging the test instead of failing it
    for (LONG lCount = 0; lCount < 1000; lCount++)
    {
        if (!pApp->OnIdle(lCount))
            break;
    }
}

bool DeleteTestTree(const char* lpszPath)
{
    std::string strPattern = std::string(lpszPath) + "\\*";
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(strPattern.c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (strcmp(fd.cFileName, ".") == 0 || strcmp(fd.cFileName, "..") == 0)
                continue;
            std::string strChild = std::string(lpszPath) + "\\" + fd.cFileName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                ::SetFileAttributesA(strChild.c_str(), fd.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteTestTree(strChild.c_str());
            else
                ::DeleteFileA(strChild.c_str());
        } while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(lpszPath);
    return ::GetFileAttributesA(lpszPath) == INVALID_FILE_ATTRIBUTES;
}

CTestTempDir::CTestTempDir()
{
    char szTemp[MAX_PATH];
    DWORD n = ::GetTempPathA(MAX_PATH, szTemp);
    if (n == 0 || n >= MAX_PATH)
        return;
    // process id and a counter keep parallel test programs and repeated fixtures apart
    static LONG s_nSerial = 0;
    for (int nTry = 0; nTry < 100; nTry++)
    {
        char szName[MAX_PATH];
        wsprintfA(szName, "%swexotest-%lu-%ld", szTemp, ::GetCurrentProcessId(),
            ::InterlockedIncrement(&s_nSerial));
        if (::CreateDirectoryA(szName, NULL))
        {
            m_strPath = szName;
            return;
        }
    }
}

CTestTempDir::~CTestTempDir()
{
    if (IsValid())
        DeleteTestTree(m_strPath.c_str());
}

std::string CTestTempDir::GetFilePath(const char* lpszName) const
{
    return m_strPath + "\\" + lpszName;
}

bool CTestTempDir::WriteFile(const char* lpszName, const void* pData, DWORD nSize) const
{
    HANDLE hFile = ::CreateFileA(GetFilePath(lpszName).c_str(), GENERIC_WRITE, 0, NULL,
        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD nWritten = 0;
    BOOL bOk = ::WriteFile(hFile, pData, nSize, &nWritten, NULL);
    ::CloseHandle(hFile);
    return bOk && nWritten == nSize;
}
