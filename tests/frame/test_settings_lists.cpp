// The list format: a whole CStringArray under one name, in every kind of store.
#include "settings_test.h"

using Strings = std::vector<std::string>;

namespace
{

enum class Store { StringArray, IniFile, RegistryProfile };

std::string StoreName(const ::testing::TestParamInfo<Store>& info)
{
    switch (info.param)
    {
    case Store::StringArray: return "StringArray";
    case Store::IniFile: return "IniFile";
    default: return "RegistryProfile";
    }
}

class StringListTest : public ::testing::TestWithParam<Store>
{
protected:
    CStringArray m_arrStore;
    CTestTempDir m_dir;
    CTestProfileScope m_profile;
    CString m_strFile;
    bool m_bFile = true;

    void SetUp() override
    {
        StringArrayClearSectionCaches(NULL);
        switch (GetParam())
        {
        case Store::StringArray:
            m_strFile = ArrayName(&m_arrStore);
            break;
        case Store::IniFile:
            ASSERT_TRUE(m_dir.IsValid());
            m_strFile = m_dir.GetFilePath("lists.ini").c_str();
            break;
        case Store::RegistryProfile:
            m_profile.UseRegistry();
            m_bFile = false;
            break;
        }
    }
    void TearDown() override { StringArrayClearSectionCaches(NULL); }

    LPCSTR File() const { return m_bFile ? (LPCSTR)m_strFile : NULL; }

    int Save(const Strings& items, LPCSTR lpszName = "Files")
    {
        CStringArray arr;
        for (const std::string& str : items)
            arr.Add(str.c_str());
        return SaveStringArray("Lists", lpszName, &arr, File());
    }
    Strings Load(int* pnResult = nullptr, LPCSTR lpszName = "Files")
    {
        CStringArray arr;
        int nResult = LoadStringArray("Lists", lpszName, &arr, File());
        if (pnResult != nullptr)
            *pnResult = nResult;
        return Lines(arr);
    }
    std::string Raw(LPCSTR lpszKey) { return LoadText("Lists", lpszKey, File()); }
};

} // namespace

TEST_P(StringListTest, RoundTripWithBlanksLineBreaksAndEmptyItems)
{
    Strings items = { "plain", "inner  blanks here", "a\r\nb", "", "\r\n\r\n", "x<y>z" };
    EXPECT_EQ(6, Save(items));
    EXPECT_EQ("6", Raw("Files-Count"));
    EXPECT_EQ("a<RET>b", Raw("Files-2"));
    EXPECT_EQ("<absent>", Raw("Files-3"));
    EXPECT_EQ("<RET><RET>", Raw("Files-4"));
    int nResult = -1;
    EXPECT_EQ(items, Load(&nResult));
    EXPECT_EQ(6, nResult);
}

TEST_P(StringListTest, ShorterSaveLoadsOnlyItsOwnItems)
{
    EXPECT_EQ(3, Save({ "one", "two", "three" }));
    EXPECT_EQ(1, Save({ "only" }));
    EXPECT_EQ((Strings{ "only" }), Load());
    // the earlier items are still stored, only no longer counted
    EXPECT_EQ("three", Raw("Files-2"));
}

TEST_P(StringListTest, EmptyListIsAListOfNothing)
{
    EXPECT_EQ(2, Save({ "a", "b" }));
    EXPECT_EQ(0, Save({}));
    EXPECT_EQ("0", Raw("Files-Count"));
    CStringArray arr;
    SetLines(arr, { "stale" });
    EXPECT_EQ(0, LoadStringArray("Lists", "Files", &arr, File()));
    EXPECT_TRUE(arr.IsEmpty());
}

TEST_P(StringListTest, AbsentListLeavesTheCallersArrayUntouched)
{
    CStringArray arr;
    SetLines(arr, { "mine" });
    EXPECT_EQ(0, LoadStringArray("Lists", "Nothing", &arr, File()));
    EXPECT_EQ((Strings{ "mine" }), Lines(arr));
    // an empty count is the same as none
    ASSERT_EQ(1, SaveIniString("Lists", "Empty-Count", "", File()));
    EXPECT_EQ(0, LoadStringArray("Lists", "Empty", &arr, File()));
    EXPECT_EQ((Strings{ "mine" }), Lines(arr));
}

TEST_P(StringListTest, MissingItemsLoadEmptyAndABadCountLoadsNothing)
{
    ASSERT_EQ(1, SaveIniString("Lists", "Gaps-Count", "3", File()));
    ASSERT_EQ(1, SaveIniString("Lists", "Gaps-2", "last", File()));
    int nResult = -1;
    EXPECT_EQ((Strings{ "", "", "last" }), Load(&nResult, "Gaps"));
    EXPECT_EQ(3, nResult);

    ASSERT_EQ(1, SaveIniString("Lists", "Bad-Count", "many", File()));
    CStringArray arr;
    SetLines(arr, { "mine" });
    EXPECT_EQ(0, LoadStringArray("Lists", "Bad", &arr, File()));
    EXPECT_TRUE(arr.IsEmpty());
}

TEST_P(StringListTest, PlainKeyNamedLikeTheListIsRemoved)
{
    ASSERT_EQ(1, SaveIniString("Lists", "Files", "a plain value", File()));
    EXPECT_EQ(1, Save({ "x" }));
    EXPECT_EQ("<absent>", Raw("Files"));
    EXPECT_EQ((Strings{ "x" }), Load());
}

TEST_P(StringListTest, ItemsUpToTheBoundRoundTripWhole)
{
    std::string strFull(STRINGLIST_MAX_ITEM, 'f');
    // 1013 characters and two line breaks: 1023 once escaped
    std::string strEscapedFull = std::string(1013, 'e') + "\r\n" + "\r\n";
    Strings items = { strFull, strEscapedFull };
    EXPECT_EQ(2, Save(items));
    EXPECT_EQ(items, Load());
}

// An item that could not be read back whole refuses the list; what was saved before stays.
TEST_P(StringListTest, OverlongItemRefusesTheListAndKeepsTheEarlierSave)
{
    EXPECT_EQ(2, Save({ "keep 1", "keep 2" }));
    EXPECT_EQ(0, Save({ "new", std::string(STRINGLIST_MAX_ITEM + 1, 'x') }));
    EXPECT_EQ((Strings{ "keep 1", "keep 2" }), Load());
    // 1000 characters, but 1030 with its line breaks escaped
    std::string strGrows = std::string(990, 'g');
    for (int i = 0; i < 10; i++)
        strGrows += "\r\n";
    EXPECT_EQ(0, Save({ strGrows }));
    EXPECT_EQ((Strings{ "keep 1", "keep 2" }), Load());
    EXPECT_EQ("keep 1", Raw("Files-0"));
}

TEST_P(StringListTest, OverlongTextFromAnotherWriterIsCut)
{
    ASSERT_EQ(1, SaveIniString("Lists", "Foreign-Count", "1", File()));
    ASSERT_EQ(1, SaveIniString("Lists", "Foreign-0", std::string(1500, 'w').c_str(), File()));
    EXPECT_EQ((Strings{ std::string(STRINGLIST_MAX_ITEM, 'w') }), Load(nullptr, "Foreign"));
}

INSTANTIATE_TEST_SUITE_P(Stores, StringListTest,
    ::testing::Values(Store::StringArray, Store::IniFile, Store::RegistryProfile), StoreName);

// What the string array itself holds: the list keys, and nothing for the list's own name.
TEST(StringListLayout, StringArrayLines)
{
    StringArrayClearSectionCaches(NULL);
    CStringArray arrStore, arrItems;
    SetLines(arrStore, { "[Lists]", "Files=old plain value", "[Other]", "K=v" });
    SetLines(arrItems, { "a b", "c\r\nd", "lone\nfeed" });
    EXPECT_EQ(3, SaveStringArray("Lists", "Files", &arrItems, ArrayName(&arrStore)));
    EXPECT_EQ((Strings{ "[Lists]", "Files-Count=3", "Files-0=a b", "Files-1=c<RET>d", "Files-2=lone\nfeed",
                  "[Other]", "K=v" }),
        Lines(arrStore));
    CStringArray arrLoaded;
    EXPECT_EQ(3, LoadStringArray("Lists", "Files", &arrLoaded, ArrayName(&arrStore)));
    EXPECT_EQ(Lines(arrItems), Lines(arrLoaded));

    EXPECT_EQ(0, SaveStringArray("Lists", "Files", NULL, ArrayName(&arrStore)));
    EXPECT_EQ(0, SaveStringArray(NULL, "Files", &arrItems, ArrayName(&arrStore)));
    EXPECT_EQ(0, LoadStringArray("Lists", NULL, &arrLoaded, ArrayName(&arrStore)));
    EXPECT_EQ(0, LoadStringArray("Lists", "Files", NULL, ArrayName(&arrStore)));
    EXPECT_EQ(7, (int)arrStore.GetSize());
    StringArrayClearSectionCaches(NULL);
}
