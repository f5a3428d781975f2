// test_frame_language.cpp - the language suffix read from LANGEXT.INI beside a module.
//
// Each case puts a copy of a small DLL and a LANGEXT.INI into a folder of its own and loads
// the copy, so that the module's folder is the one the suffix is read from.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "frame/UILFrameImpl.h"
#include "wexotest.h"
#include "frame_test.h"

namespace
{
// A DLL loaded from a fresh folder that may hold a LANGEXT.INI.
class CModuleInFolder
{
public:
    // pszIni: the file's whole text, or NULL for no file
    CModuleInFolder(const char* pszDllName, const char* pszIni) : m_hModule(NULL)
    {
        if (!m_folder.IsValid())
            return;
        std::string strDll = m_folder.GetFilePath(pszDllName);
        if (!::CopyFileA((LangExtFolder() + "\\LangRes.dll").c_str(), strDll.c_str(), FALSE))
            return;
        if (pszIni != NULL && !m_folder.WriteFile("LANGEXT.INI", pszIni, (DWORD)strlen(pszIni)))
            return;
        m_hModule = ::LoadLibraryA(strDll.c_str());
    }
    ~CModuleInFolder()
    {
        // the folder can only go once the DLL is no longer mapped
        if (m_hModule != NULL)
            ::FreeLibrary(m_hModule);
    }

    HMODULE GetModule() const { return m_hModule; }

private:
    CTestTempDir m_folder;      // destroyed after the module is freed
    HMODULE m_hModule;
};

struct SSuffixes
{
    std::string strBackslash;
    std::string strSpace;
};

// What a fresh cache answers for a module whose folder holds the given LANGEXT.INI.
SSuffixes FreshSuffixes(const char* pszIni)
{
    CModuleInFolder module("LangProbe.dll", pszIni);
    EXPECT_NE(nullptr, module.GetModule());
    SSuffixes suffixes;
    CUILLanguageSuffix cacheBackslashFirst;
    suffixes.strBackslash = cacheBackslashFirst.Get(1, module.GetModule());
    CUILLanguageSuffix cacheSpaceFirst;
    suffixes.strSpace = cacheSpaceFirst.Get(0, module.GetModule());
    return suffixes;
}

struct STagInspector {};
struct STagThumbnails {};
}

// The language named in the file, as written, in both forms; English in any case and no choice
// at all (NUL in any case, an empty value, no key, no section, no file) give empty suffixes.
TEST(FrameLanguageSuffix, FileGivesBothFormsOrEnglish)
{
    struct
    {
        const char* pszIni;
        const char* pszLanguage;
    } cases[] = {
        { "[Program]\r\nDefLang=de\r\n", "de" },
        { "[Other]\r\nDefLang=fr\r\n[Program]\r\nPath=C:\\x\r\nDefLang=Japanese\r\n", "Japanese" },
        { "[Program]\r\nDefLang=EN\r\n", "" },
        { "[Program]\r\nDefLang=eN\r\n", "" },
        { "[Program]\r\nDefLang=NUL\r\n", "" },
        { "[Program]\r\nDefLang=nul\r\n", "" },
        { "[Program]\r\nDefLang=\r\n", "" },
        { "[Program]\r\nOther=de\r\n", "" },
        { "[Settings]\r\nDefLang=de\r\n", "" },
        { "", "" },
        { NULL, "" },
    };
    for (const auto& c : cases)
    {
        const std::string strLanguage = c.pszLanguage;
        SSuffixes suffixes = FreshSuffixes(c.pszIni);
        EXPECT_EQ(strLanguage.empty() ? "" : "\\" + strLanguage, suffixes.strBackslash) << (c.pszIni ? c.pszIni : "no file");
        EXPECT_EQ(strLanguage.empty() ? "" : " " + strLanguage, suffixes.strSpace) << (c.pszIni ? c.pszIni : "no file");
    }
}

TEST(FrameLanguageSuffix, TheFirstAnswerIsKept)
{
    CModuleInFolder moduleDe("LangDe.dll", "[Program]\r\nDefLang=de\r\n");
    CModuleInFolder moduleFr("LangFr.dll", "[Program]\r\nDefLang=fr\r\n");
    ASSERT_NE(nullptr, moduleDe.GetModule());
    ASSERT_NE(nullptr, moduleFr.GetModule());

    CUILLanguageSuffix cache;
    EXPECT_FALSE(cache.IsComputed());
    EXPECT_STREQ(" de", cache.Get(0, moduleDe.GetModule()));
    EXPECT_TRUE(cache.IsComputed());
    // another module, another form: still the first module's language
    EXPECT_STREQ(" de", cache.Get(0, moduleFr.GetModule()));
    EXPECT_STREQ("\\de", cache.Get(1, moduleFr.GetModule()));
    EXPECT_STREQ("\\de", cache.Get(1, NULL));
}

TEST(FrameLanguageSuffix, EachFamilyOfControlsKeepsItsOwnAnswer)
{
    CModuleInFolder moduleDe("LangDe.dll", "[Program]\r\nDefLang=de\r\n");
    CModuleInFolder moduleFr("LangFr.dll", "[Program]\r\nDefLang=fr\r\n");
    ASSERT_NE(nullptr, moduleDe.GetModule());
    ASSERT_NE(nullptr, moduleFr.GetModule());

    EXPECT_STREQ(" de", GetLanguageSuffix<STagInspector>(0, moduleDe.GetModule()));
    EXPECT_STREQ(" fr", GetLanguageSuffix<STagThumbnails>(0, moduleFr.GetModule()));
    EXPECT_STREQ(" de", GetLanguageSuffix<STagInspector>(0, moduleFr.GetModule()));
    EXPECT_STREQ("\\fr", GetLanguageSuffix<STagThumbnails>(1, moduleDe.GetModule()));
}
