// String arrays as INI text: layout, lookup rules, names, the int functions and the text helpers.
#include "settings_test.h"
#include <locale.h>
#include <mbctype.h>

using Strings = std::vector<std::string>;

namespace
{
class StringArrayTest : public ::testing::Test
{
protected:
    void SetUp() override { StringArrayClearSectionCaches(NULL); }
    void TearDown() override { StringArrayClearSectionCaches(NULL); }

    std::string Load(LPCSTR lpszSection, LPCSTR lpszKey, CStringArray& arr)
    {
        char szValue[256];
        int nLength = LoadStringFromStringArray(lpszSection, lpszKey, szValue, sizeof(szValue), &arr);
        EXPECT_EQ((int)strlen(szValue), nLength);
        return nLength > 0 ? szValue : "<absent>";
    }
};
} // namespace

TEST_F(StringArrayTest, SavingBuildsHeaderAndKeyLinesInOrder)
{
    CStringArray arr;
    EXPECT_EQ(1, SaveStringToStringArray("S", "A", "1", &arr));
    EXPECT_EQ((Strings{ "[S]", "A=1" }), Lines(arr));
    EXPECT_EQ(1, SaveStringToStringArray("S", "B", "2", &arr));
    EXPECT_EQ((Strings{ "[S]", "A=1", "B=2" }), Lines(arr));
    // an existing key is rewritten in place
    EXPECT_EQ(1, SaveStringToStringArray("S", "A", "one", &arr));
    EXPECT_EQ((Strings{ "[S]", "A=one", "B=2" }), Lines(arr));
    // a new section goes to the end, an empty value is written as "key="
    EXPECT_EQ(1, SaveStringToStringArray("T", "C", "", &arr));
    EXPECT_EQ((Strings{ "[S]", "A=one", "B=2", "[T]", "C=" }), Lines(arr));
    // through the dispatcher with the array's name
    EXPECT_EQ(1, SaveIniString("T", "D", "with blanks ", ArrayName(&arr)));
    EXPECT_EQ("with blanks ", LoadText("T", "D", ArrayName(&arr)));
    EXPECT_EQ("one", LoadText("S", "A", ArrayName(&arr)));
}

TEST_F(StringArrayTest, NewKeyOfASectionGoesBeforeTheNextHeader)
{
    CStringArray arr;
    SetLines(arr, { "; notes", "[S]", "A=1", "", "[T]", "X=9" });
    EXPECT_EQ(1, SaveStringToStringArray("S", "B", "2", &arr));
    EXPECT_EQ((Strings{ "; notes", "[S]", "A=1", "", "B=2", "[T]", "X=9" }), Lines(arr));
    EXPECT_EQ("9", Load("T", "X", arr));
    EXPECT_EQ(5, StringArrayGetStartSectionIndex("T", &arr, FALSE));
    // a key created without a value by the index function
    EXPECT_EQ(5, StringArrayGetKeyIndex("S", "C", &arr, TRUE));
    EXPECT_EQ("C=", std::string(arr[5]));
    EXPECT_EQ(6, StringArrayGetStartSectionIndex("T", &arr, FALSE));
}

TEST_F(StringArrayTest, LookupsAreCaseSensitive)
{
    CStringArray arr;
    SetLines(arr, { "[s]", "a=1", "A1=x", "[S]", "a=2" });
    EXPECT_EQ(3, StringArrayGetStartSectionIndex("S", &arr, FALSE));
    EXPECT_EQ(0, StringArrayGetStartSectionIndex("s", &arr, FALSE));
    EXPECT_EQ(-1, StringArrayGetKeyIndex("S", "A", &arr, FALSE));
    EXPECT_EQ("<absent>", Load("s", "A", arr));
    EXPECT_EQ("1", Load("s", "a", arr));
    EXPECT_EQ("2", Load("S", "a", arr));
    // "A1=x" is not key A
    EXPECT_EQ(-1, StringArrayGetKeyIndex("s", "A", &arr, FALSE));
    EXPECT_EQ(-1, StringArrayGetStartSectionIndex("X", &arr, FALSE));
}

TEST_F(StringArrayTest, BlanksAroundHeadersAndKeysAndInValues)
{
    CStringArray arr;
    SetLines(arr, { "  [S]\t ", "   A=1", "B=x  ", "C = 3", "[ T ]", "K=v" });
    EXPECT_EQ(0, StringArrayGetStartSectionIndex("S", &arr, FALSE));
    EXPECT_EQ(1, StringArrayGetKeyIndex("S", "A", &arr, FALSE));
    EXPECT_EQ("1", Load("S", "A", arr));
    // blanks at the end of a line belong to the value
    EXPECT_EQ("x  ", Load("S", "B", arr));
    // "C = 3" is key "C " and not key C
    EXPECT_EQ(-1, StringArrayGetKeyIndex("S", "C", &arr, FALSE));
    EXPECT_EQ(" 3", Load("S", "C ", arr));
    // blanks inside the brackets are part of the name
    EXPECT_EQ(-1, StringArrayGetStartSectionIndex("T", &arr, FALSE));
    EXPECT_EQ(4, StringArrayGetStartSectionIndex(" T ", &arr, FALSE));
    // rewriting a key line that had leading blanks writes it plainly
    EXPECT_EQ(1, SaveStringToStringArray("S", "A", "2", &arr));
    EXPECT_EQ("A=2", std::string(arr[1]));
}

TEST_F(StringArrayTest, EmptyValueLoadsAsAbsent)
{
    CStringArray arr;
    SetLines(arr, { "[S]", "A=", "N=12" });
    char szValue[16] = "junk";
    EXPECT_EQ(0, LoadIniString("S", "A", szValue, sizeof(szValue), ArrayName(&arr)));
    EXPECT_STREQ("", szValue);
    EXPECT_EQ(0, LoadIniString("S", "Missing", szValue, sizeof(szValue), ArrayName(&arr)));
    EXPECT_STREQ("", szValue);
    EXPECT_EQ(7, LoadIntFromStringArray("S", "A", 7, &arr));
    EXPECT_EQ(12, LoadIntFromStringArray("S", "N", 7, &arr));
}

TEST_F(StringArrayTest, LoadCutsToTheBufferAndTerminates)
{
    CStringArray arr;
    SetLines(arr, { "[S]", "A=hello" });
    char szValue[8];
    memset(szValue, 'x', sizeof(szValue));
    EXPECT_EQ(2, LoadStringFromStringArray("S", "A", szValue, 3, &arr));
    EXPECT_STREQ("he", szValue);
    EXPECT_EQ('x', szValue[3]);
    EXPECT_EQ(1, LoadIniString("S", "A", szValue, 4, ArrayName(&arr)));
    EXPECT_STREQ("hel", szValue);
    EXPECT_EQ(0, LoadStringFromStringArray("S", "A", szValue, 0, &arr));
    EXPECT_EQ(0, LoadIniString("S", "A", NULL, 10, ArrayName(&arr)));
}

TEST_F(StringArrayTest, DuplicateSectionsScanFindsTheFirst)
{
    CStringArray arr;
    SetLines(arr, { "[S]", "A=first", "[S]", "A=second", "B=only in second" });
    EXPECT_EQ(0, StringArrayGetStartSectionIndex("S", &arr, FALSE));
    EXPECT_EQ("first", Load("S", "A", arr));
    EXPECT_EQ("<absent>", Load("S", "B", arr));
}

TEST_F(StringArrayTest, NextSectionIndex)
{
    CStringArray arr;
    SetLines(arr, { "[A]", "x=[y]", "[", "  [B] ", "[]", "]C[", "[D" });
    EXPECT_EQ(3, StringArrayGetNextSectionIndex(&arr, 0));
    EXPECT_EQ(4, StringArrayGetNextSectionIndex(&arr, 3));
    EXPECT_EQ(-1, StringArrayGetNextSectionIndex(&arr, 4));
    EXPECT_EQ(0, StringArrayGetNextSectionIndex(&arr, -1));
    EXPECT_EQ(-1, StringArrayGetNextSectionIndex(NULL, 0));
}

TEST_F(StringArrayTest, NullValueRemovesTheKeyLineAndKeepsNothing)
{
    CStringArray arr;
    SetLines(arr, { "[S]", "A=1", "B=2", "[T]", "C=3" });
    EXPECT_EQ(1, SaveStringToStringArray("S", "A", NULL, &arr));
    EXPECT_EQ((Strings{ "[S]", "B=2", "[T]", "C=3" }), Lines(arr));
    // removing what is not there creates nothing, not even the section
    EXPECT_EQ(1, SaveIniString("U", "A", NULL, ArrayName(&arr)));
    EXPECT_EQ((Strings{ "[S]", "B=2", "[T]", "C=3" }), Lines(arr));
    // a string array has no section removal
    EXPECT_EQ(0, SaveIniString("S", NULL, NULL, ArrayName(&arr)));
    EXPECT_EQ((Strings{ "[S]", "B=2", "[T]", "C=3" }), Lines(arr));
    EXPECT_EQ("3", Load("T", "C", arr));
}

TEST_F(StringArrayTest, NullArgumentsFailAndChangeNothing)
{
    CStringArray arr;
    SetLines(arr, { "[S]", "A=1" });
    char szValue[8] = "";
    EXPECT_EQ(-1, StringArrayGetStartSectionIndex(NULL, &arr, TRUE));
    EXPECT_EQ(-1, StringArrayGetStartSectionIndex("S", NULL, TRUE));
    EXPECT_EQ(-1, StringArrayGetKeyIndex(NULL, "A", &arr, TRUE));
    EXPECT_EQ(-1, StringArrayGetKeyIndex("S", NULL, &arr, TRUE));
    EXPECT_EQ(-1, StringArrayGetKeyIndex("S", "A", NULL, TRUE));
    EXPECT_EQ(0, SaveStringToStringArray(NULL, "A", "2", &arr));
    EXPECT_EQ(0, SaveStringToStringArray("S", NULL, "2", &arr));
    EXPECT_EQ(0, SaveStringToStringArray("S", "A", "2", NULL));
    EXPECT_EQ(0, SaveIntToStringArray("S", NULL, 2, &arr));
    EXPECT_EQ(0, LoadStringFromStringArray(NULL, "A", szValue, sizeof(szValue), &arr));
    EXPECT_EQ(0, LoadStringFromStringArray("S", "A", szValue, sizeof(szValue), NULL));
    EXPECT_EQ(5, LoadIntFromStringArray("S", NULL, 5, &arr));
    EXPECT_EQ(0, SaveIniString(NULL, "A", "2", ArrayName(&arr)));
    // a key-less write would be a section removal elsewhere; with a value it is refused
    EXPECT_EQ(0, SaveIniString("S", NULL, "2", ArrayName(&arr)));
    EXPECT_EQ((Strings{ "[S]", "A=1" }), Lines(arr));
}

TEST_F(StringArrayTest, IntegersAsText)
{
    CStringArray arr;
    EXPECT_EQ(1, SaveIntToStringArray("S", "N", -2147483647 - 1, &arr));
    EXPECT_EQ(1, SaveIntToStringArray("S", "P", 42, &arr));
    EXPECT_EQ((Strings{ "[S]", "N=-2147483648", "P=42" }), Lines(arr));
    EXPECT_EQ(-2147483647 - 1, LoadIntFromStringArray("S", "N", 0, &arr));
    SetLines(arr, { "[S]", "A=12abc", "B=abc", "C=  -7", "D=+3" });
    EXPECT_EQ(12, LoadIntFromStringArray("S", "A", 5, &arr));
    EXPECT_EQ(5, LoadIntFromStringArray("S", "B", 5, &arr));
    EXPECT_EQ(-7, LoadIntFromStringArray("S", "C", 5, &arr));
    EXPECT_EQ(3, LoadIntFromStringArray("S", "D", 5, &arr));
    EXPECT_EQ(5, LoadIntFromStringArray("S", "E", 5, &arr));
}

TEST(StringArrayNames, NamesAreRecognisedOnlyInTheirExactForm)
{
    CStringArray arr;
    EXPECT_EQ(&arr, IsStringArray(ArrayName(&arr)));

    ULONG_PTR nAddress = (ULONG_PTR)&arr;
    CString strLower;
    strLower.Format("pStringArray:%I64x", (unsigned __int64)nAddress);
    EXPECT_EQ(&arr, IsStringArray(strLower));
    CString strPrefixed;
    strPrefixed.Format("pStringArray:0x%016I64X", (unsigned __int64)nAddress);
    EXPECT_EQ(&arr, IsStringArray(strPrefixed));

    // a 64-bit address survives whole, not cut to 32 bits
    EXPECT_EQ((CStringArray*)(ULONG_PTR)0x12345678ABCDEF00ULL, IsStringArray("pStringArray:12345678ABCDEF00"));

    EXPECT_EQ(nullptr, IsStringArray(NULL));
    EXPECT_EQ(nullptr, IsStringArray(""));
    EXPECT_EQ(nullptr, IsStringArray("C:\\settings.ini"));
    EXPECT_EQ(nullptr, IsStringArray("pstringarray:1234"));
    EXPECT_EQ(nullptr, IsStringArray(" pStringArray:1234"));
    EXPECT_EQ(nullptr, IsStringArray("pStringArray:"));
    EXPECT_EQ(nullptr, IsStringArray("pStringArray:zz"));
    EXPECT_EQ(nullptr, IsStringArray("pStringArray:0"));
    EXPECT_EQ(nullptr, IsStringArray("pStringArray:112345678ABCDEF00"));
}

/////////////////////////////////////////////////////////////////////////////
// Text helpers

TEST(SettingsText, SpacesAndTheirStandIn)
{
    char sz[] = "a b  c^d";
    ReplaceSpace(sz, '^');
    EXPECT_STREQ("a^b^^c^d", sz);
    RestoreSpace(sz, '^');
    EXPECT_STREQ("a b  c d", sz);

    CString str(" x y ");
    ReplaceSpace(str, '_');
    EXPECT_STREQ("_x_y_", str);
    RestoreSpace(str, '_');
    EXPECT_STREQ(" x y ", str);

    CString strShared("p q");
    CString strCopy = strShared;
    ReplaceSpace(strCopy, '^');
    EXPECT_STREQ("p q", strShared);
    EXPECT_STREQ("p^q", strCopy);

    ReplaceSpace((LPSTR)NULL, '^');
    RestoreSpace((LPSTR)NULL, '^');
}

TEST(SettingsText, TokensSkipRunsOfDelimiters)
{
    struct
    {
        const char* lpszText;
        const char* lpszDelimiters;
        Strings tokens;
    } cases[] = {
        { "a,,b", ",", { "a", "b" } },
        { ";; one; two ,three;", ";,", { " one", " two ", "three" } },
        { ",,,", ",", {} },
        { "whole text", "", { "whole text" } },
    };
    for (const auto& c : cases)
    {
        CStringArray arr;
        SetLines(arr, { "old" });
        EXPECT_EQ((int)c.tokens.size(), FillTokenArray(c.lpszText, &arr, c.lpszDelimiters)) << c.lpszText;
        EXPECT_EQ(c.tokens, Lines(arr)) << c.lpszText;
    }
    // a missing argument is a failure that leaves the caller's array as it was
    CStringArray arr;
    SetLines(arr, { "kept" });
    EXPECT_EQ(0, FillTokenArray(NULL, &arr, ","));
    EXPECT_EQ(0, FillTokenArray("a,b", &arr, NULL));
    EXPECT_EQ((Strings{ "kept" }), Lines(arr));
    EXPECT_EQ(0, FillTokenArray("a,b", NULL, ","));
}

// Markers are found byte by byte: a multibyte code page or another C locale in the process must
// not change what is a header, a key, a blank or a stand-in.
TEST_F(StringArrayTest, LookupsAndTextHelpersDoNotDependOnTheLocale)
{
    auto runAll = []() {
        std::vector<std::string> results;
        CStringArray arr;
        // 0x81 0x5B / 0x81 0x5D / 0x81 0x5E are double-byte characters in code page 932
        SetLines(arr, { "[\x81]", "\x81=1", "[S]\xA0", "K=2", "[S]", "K=3\xA0" });
        results.push_back(std::to_string(StringArrayGetStartSectionIndex("\x81", &arr, FALSE)));
        results.push_back(std::to_string(StringArrayGetStartSectionIndex("S", &arr, FALSE)));
        char szValue[32];
        LoadStringFromStringArray("S", "K", szValue, sizeof(szValue), &arr);
        results.push_back(szValue);
        LoadStringFromStringArray("\x81", "\x81", szValue, sizeof(szValue), &arr);
        results.push_back(szValue);
        char szText[] = "\x81^a b\x81 ";
        RestoreSpace(szText, '^');
        results.push_back(szText);
        ReplaceSpace(szText, '^');
        results.push_back(szText);
        FillTokenArray("x\x81,y,\xA0z", &arr, ",");
        for (INT_PTR i = 0; i < arr.GetSize(); i++)
            results.push_back((LPCSTR)arr[i]);
        StringArrayClearSectionCaches(NULL);
        return results;
    };

    std::vector<std::string> expected = { "0", "4", "3\xA0", "1", "\x81 a b\x81 ", "\x81^a^b\x81^", "x\x81", "y",
        "\xA0z" };
    EXPECT_EQ(expected, runAll());

    std::string strOldLocale = setlocale(LC_ALL, NULL);
    int nOldMbcp = _getmbcp();
    bool bJapanese = _setmbcp(932) == 0;
    setlocale(LC_ALL, ".1252");
    std::vector<std::string> withOtherLocale = runAll();
    _setmbcp(nOldMbcp);
    setlocale(LC_ALL, strOldLocale.c_str());
    EXPECT_TRUE(bJapanese);
    EXPECT_EQ(expected, withOtherLocale);
}
