// test_frame_load.cpp - loading and unloading the library, with and without a language
// extension beside the host.
//
// Each case lays out a host folder (frame_probe.exe, the framework, the library, its type
// library and the chosen LangExt.dll) and runs the probe there as a process of its own, so that
// the library is loaded fresh and finds the folder's LangExt.dll first.  The probe reports in
// probe.ini (see tests/frame/probe/FrameProbe.cpp).
#include <WEXOctrl.h>
#include <afxdisp.h>
#include <gtest/gtest.h>
#include <string>
#include "wexotest.h"
#include "frame_test.h"

namespace
{
// {57C22EA0-5BCE-11D2-9D04-000001187863}
const GUID LIBID_WEXOCTRL = { 0x57C22EA0, 0x5BCE, 0x11D2, { 0x9D, 0x04, 0x00, 0x00, 0x01, 0x18, 0x78, 0x63 } };

class FrameLoad : public ::testing::Test
{
protected:
    void TearDown() override
    {
        // the probe registered the type library in its folder, which goes with the test
        AfxOleRegisterTypeLib(::GetModuleHandleA("WEXOctrl.dll"), LIBID_WEXOCTRL, "WEXOCTRL.TLB");
    }

    // Copies the host's files, and pszLangExtFolder\LangExt.dll unless it is NULL, into the
    // folder; the probe's exit code, or -1 when it could not run.
    int RunProbe(const char* pszLangExtFolder)
    {
        if (!m_folder.IsValid())
            return -1;
        const std::string strBin = TestProgramFolder();
        for (const char* pszFile : { "frame_probe.exe", "WEXOfx.dll", "WEXOctrl.dll", "WEXOCTRL.TLB" })
        {
            if (!::CopyFileA((strBin + "\\" + pszFile).c_str(), m_folder.GetFilePath(pszFile).c_str(), FALSE))
            {
                ADD_FAILURE() << "cannot copy " << pszFile;
                return -1;
            }
        }
        if (pszLangExtFolder != NULL)
        {
            std::string strLangExt = LangExtFolder() + "\\" + pszLangExtFolder + "\\LangExt.dll";
            if (!::CopyFileA(strLangExt.c_str(), m_folder.GetFilePath("LangExt.dll").c_str(), FALSE) ||
                !::CopyFileA((LangExtFolder() + "\\LangRes.dll").c_str(), m_folder.GetFilePath("LangRes.dll").c_str(), FALSE))
            {
                ADD_FAILURE() << "cannot copy the language extension " << pszLangExtFolder;
                return -1;
            }
        }

        std::string strCommand = "\"" + m_folder.GetFilePath("frame_probe.exe") + "\"";
        STARTUPINFOA si;
        memset(&si, 0, sizeof(si));
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi;
        if (!::CreateProcessA(NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL, m_folder.GetPath(), &si, &pi))
        {
            ADD_FAILURE() << "cannot start the probe, error " << ::GetLastError();
            return -1;
        }
        DWORD dwExit = (DWORD)-1;
        if (::WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
            ::GetExitCodeProcess(pi.hProcess, &dwExit);
        else
            ::TerminateProcess(pi.hProcess, 3);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        return (int)dwExit;
    }

    std::string Report(const char* pszSection, const char* pszKey)
    {
        char szValue[1024];
        ::GetPrivateProfileStringA(pszSection, pszKey, "<absent>", szValue, sizeof(szValue),
            m_folder.GetFilePath("probe.ini").c_str());
        return szValue;
    }

    // what holds for every load: messages, type library, the framework's chain, clean unload
    void ExpectCommonLoadAndUnload()
    {
        EXPECT_EQ("1", Report("Done", "Complete"));
        EXPECT_EQ("1", Report("Load", "Loaded"));
        // the language extension is only asked, never kept
        EXPECT_EQ("0", Report("Load", "LangExtLoaded"));
        // the framework searches the chosen resource module for the library's resources
        EXPECT_EQ(Report("Load", "Resource"), Report("Load", "ChainResource"));
        EXPECT_EQ("", Report("Load", "ZeroEarly"));
        EXPECT_EQ("", Report("Load", "NonZeroLate"));
        std::string strTypeLib = Report("Load", "TypeLibPath");
        EXPECT_EQ(0, lstrcmpiA(m_folder.GetFilePath("WEXOCTRL.TLB").c_str(), strTypeLib.c_str())) << strTypeLib;

        EXPECT_EQ("1", Report("Unload", "Freed"));
        EXPECT_EQ("0", Report("Unload", "LibraryLoaded"));
        EXPECT_EQ("0", Report("Unload", "ChainEntries"));
    }

    void ExpectOwnResources()
    {
        EXPECT_EQ(Report("Load", "Library"), Report("Load", "Resource"));
        EXPECT_EQ("WEXOctrl.dll", Report("Load", "ResourceFile"));
    }

    CTestTempDir m_folder;
};
}

TEST_F(FrameLoad, WithoutLanguageExtension)
{
    ASSERT_EQ(0, RunProbe(NULL));
    ExpectCommonLoadAndUnload();
    ExpectOwnResources();
}

TEST_F(FrameLoad, LanguageExtensionSuppliesAnotherResourceModule)
{
    ASSERT_EQ(0, RunProbe("returns_other"));
    ExpectCommonLoadAndUnload();
    EXPECT_EQ("LangRes.dll", Report("Load", "ResourceFile"));
    EXPECT_NE(Report("Load", "Library"), Report("Load", "Resource"));
    EXPECT_EQ("1", Report("Load", "ResourceLoaded"));
    EXPECT_EQ("Ressourcenmodul der Testsprache", Report("Load", "String26001"));
    EXPECT_EQ(Report("Load", "Resource"), Report("Load", "StringResource"));
    // the library owned the module and freed it when it went
    EXPECT_EQ("0", Report("Unload", "ResourceLoaded"));
}

TEST_F(FrameLoad, LanguageExtensionReturningTheLibraryItself)
{
    ASSERT_EQ(0, RunProbe("returns_self"));
    ExpectCommonLoadAndUnload();
    ExpectOwnResources();
}

TEST_F(FrameLoad, LanguageExtensionReturningNothing)
{
    ASSERT_EQ(0, RunProbe("returns_null"));
    ExpectCommonLoadAndUnload();
    ExpectOwnResources();
}

TEST_F(FrameLoad, LanguageExtensionWithoutTheExport)
{
    ASSERT_EQ(0, RunProbe("without_export"));
    ExpectCommonLoadAndUnload();
    ExpectOwnResources();
}
