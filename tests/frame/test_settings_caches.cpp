// The section-index caches: an index taken from a cache always points at the section's header in
// the array at hand, whatever was inserted, removed or read in between.
#include "settings_test.h"
#include <random>

namespace
{
class SectionCacheTest : public ::testing::Test
{
protected:
    void SetUp() override { StringArrayClearSectionCaches(NULL); }
    void TearDown() override { StringArrayClearSectionCaches(NULL); }

    // The first header of the section found by reading the lines, without any cache.
    static int ScanForHeader(const CStringArray& arr, const std::string& strSection)
    {
        std::string strHeader = "[" + strSection + "]";
        for (INT_PTR i = 0; i < arr.GetSize(); i++)
        {
            std::string strLine = (LPCSTR)arr[i];
            size_t nFirst = strLine.find_first_not_of(" \t");
            size_t nLast = strLine.find_last_not_of(" \t");
            if (nFirst != std::string::npos && strLine.substr(nFirst, nLast - nFirst + 1) == strHeader)
                return (int)i;
        }
        return -1;
    }

    static std::string Load(LPCSTR lpszSection, LPCSTR lpszKey, CStringArray& arr)
    {
        return LoadText(lpszSection, lpszKey, ArrayName(&arr));
    }

    // The header index that the array's stream map holds for a section; -1 when the map has no
    // such name, -2 when the array has no map.
    static int MappedIndex(CStringArray& arr, LPCSTR lpszSection)
    {
        CMapSectionToIndex* pMap = NULL;
        if (!g_mapStrArraySectionIndexes.Lookup((ULONG_PTR)&arr, pMap) || pMap == NULL)
            return -2;
        int nIndex = -1;
        return pMap->Lookup(lpszSection, nIndex) ? nIndex : -1;
    }

    static void ReadFromText(CStringArray& arr, const std::string& strText)
    {
        IStream* pStream = CreateTestStream(strText);
        ASSERT_NE(nullptr, pStream);
        StringArrayReadFromStream(&arr, pStream);
        pStream->Release();
    }
};
} // namespace

TEST_F(SectionCacheTest, InsertsIntoEarlierSectionsMoveTheCachedHeaders)
{
    CStringArray arr;
    SetLines(arr, { "[A]", "a0=0", "[B]", "b0=0", "[C]", "c0=0" });
    EXPECT_EQ(4, StringArrayGetStartSectionIndex("C", &arr, FALSE));   // now the last lookup
    EXPECT_EQ(1, SaveIniString("A", "a1", "1", ArrayName(&arr)));      // inserts before [B]
    EXPECT_EQ(5, StringArrayGetStartSectionIndex("C", &arr, FALSE));
    EXPECT_EQ("0", Load("C", "c0", arr));

    // many keys into the first section while reading the last one in between
    for (int i = 2; i < 30; i++)
    {
        CString strKey;
        strKey.Format("a%d", i);
        EXPECT_EQ(1, SaveIniString("A", strKey, "x", ArrayName(&arr)));
        EXPECT_EQ("0", Load("C", "c0", arr)) << i;
        EXPECT_EQ(1, SaveIniString("C", "c1", strKey, ArrayName(&arr)));
    }
    EXPECT_EQ(ScanForHeader(arr, "C"), StringArrayGetStartSectionIndex("C", &arr, FALSE));
    EXPECT_EQ("a29", Load("C", "c1", arr));
    EXPECT_EQ("0", Load("B", "b0", arr));
    // nothing of C ended up in A or B
    EXPECT_EQ(-1, StringArrayGetKeyIndex("B", "c1", &arr, FALSE));
    EXPECT_EQ(-1, StringArrayGetKeyIndex("A", "c1", &arr, FALSE));
}

TEST_F(SectionCacheTest, StreamMapFollowsInsertsAndRemovals)
{
    CStringArray arr;
    ReadFromText(arr, "[A]\na0=0\n[B]\nb0=0\n[C]\nc0=0\n");
    EXPECT_EQ(4, MappedIndex(arr, "C"));

    EXPECT_EQ(1, SaveIniString("A", "a1", "1", ArrayName(&arr)));
    EXPECT_EQ(1, SaveIniString("B", "b1", "1", ArrayName(&arr)));
    // the map was kept up to date rather than dropped
    EXPECT_EQ(3, MappedIndex(arr, "B"));
    EXPECT_EQ(6, MappedIndex(arr, "C"));
    EXPECT_EQ(6, StringArrayGetStartSectionIndex("C", &arr, FALSE));
    EXPECT_EQ("[C]", std::string(arr[6]));
    EXPECT_EQ("0", Load("C", "c0", arr));
    EXPECT_EQ("0", Load("B", "b0", arr));

    EXPECT_EQ(1, SaveIniString("A", "a0", NULL, ArrayName(&arr)));
    EXPECT_EQ(1, SaveIniString("A", "a1", NULL, ArrayName(&arr)));
    EXPECT_EQ(1, StringArrayGetStartSectionIndex("B", &arr, FALSE));
    EXPECT_EQ(4, StringArrayGetStartSectionIndex("C", &arr, FALSE));
    EXPECT_EQ(4, MappedIndex(arr, "C"));
    EXPECT_EQ("1", Load("B", "b1", arr));
    EXPECT_EQ("0", Load("C", "c0", arr));
}

TEST_F(SectionCacheTest, ArraysWithTheSameSectionNamesDoNotShareIndexes)
{
    CStringArray arr1, arr2;
    SetLines(arr1, { "[S]", "K=one" });
    SetLines(arr2, { "x", "y", "[S]", "K=two", "[S]" });
    ReadFromText(arr1, "[S]\nK=one\n");
    for (int i = 0; i < 3; i++)
    {
        EXPECT_EQ("one", Load("S", "K", arr1));
        EXPECT_EQ("two", Load("S", "K", arr2));
        EXPECT_EQ(2, StringArrayGetStartSectionIndex("S", &arr2, FALSE));
        EXPECT_EQ(0, StringArrayGetStartSectionIndex("S", &arr1, FALSE));
    }
    // writing into one leaves the other alone
    EXPECT_EQ(1, SaveIniString("S", "K", "ONE", ArrayName(&arr1)));
    EXPECT_EQ(1, SaveIniString("S", "L", "2", ArrayName(&arr2)));
    EXPECT_EQ((std::vector<std::string>{ "[S]", "K=ONE" }), Lines(arr1));
    EXPECT_EQ((std::vector<std::string>{ "x", "y", "[S]", "K=two", "L=2", "[S]" }), Lines(arr2));
}

TEST_F(SectionCacheTest, StreamMapPointsAtTheLastOfDuplicateSections)
{
    CStringArray arr;
    ReadFromText(arr, "[S]\nA=first\n[S]\nA=second\n");
    EXPECT_EQ(2, StringArrayGetStartSectionIndex("S", &arr, FALSE));
    EXPECT_EQ("second", Load("S", "A", arr));
    // without the caches the scan finds the first
    StringArrayClearSectionCaches(&arr);
    EXPECT_EQ(-2, MappedIndex(arr, "S"));
    EXPECT_EQ(0, StringArrayGetStartSectionIndex("S", &arr, FALSE));
    EXPECT_EQ("first", Load("S", "A", arr));
}

TEST_F(SectionCacheTest, StreamMapNamesAndReplacement)
{
    CStringArray arr;
    ReadFromText(arr, "[[Odd]] \n [Indented]\nk=v\n[Plain]\n");
    EXPECT_EQ(0, MappedIndex(arr, "Odd"));
    EXPECT_EQ(3, MappedIndex(arr, "Plain"));
    EXPECT_EQ(-1, MappedIndex(arr, "Indented"));   // its line does not begin with "["
    CMapSectionToIndex* pMap = NULL;
    ASSERT_TRUE(g_mapStrArraySectionIndexes.Lookup((ULONG_PTR)&arr, pMap));
    EXPECT_EQ(2, (int)pMap->GetCount());
    // the map answers for names the scan would not find
    EXPECT_EQ(0, StringArrayGetStartSectionIndex("Odd", &arr, FALSE));
    EXPECT_EQ(1, StringArrayGetStartSectionIndex("Indented", &arr, FALSE));

    // a second read replaces the array's map
    ReadFromText(arr, "[Other]\n");
    EXPECT_EQ(-1, MappedIndex(arr, "Plain"));
    EXPECT_EQ(0, MappedIndex(arr, "Other"));
    EXPECT_EQ(-1, StringArrayGetStartSectionIndex("Plain", &arr, FALSE));
}

TEST_F(SectionCacheTest, DirectEditsOfTheArrayAreNotTrustedBlindly)
{
    CStringArray arr;
    ReadFromText(arr, "[A]\nk=a\n[B]\nk=b\n");
    EXPECT_EQ("b", Load("B", "k", arr));
    // the host edits its array behind the library's back
    arr.InsertAt(0, CString("; comment"));
    arr.InsertAt(0, CString("k=stray"));
    EXPECT_EQ("b", Load("B", "k", arr));
    EXPECT_EQ("a", Load("A", "k", arr));
    EXPECT_EQ(4, StringArrayGetStartSectionIndex("B", &arr, FALSE));
    arr.SetAt(4, CString("[Renamed]"));
    EXPECT_EQ(-1, StringArrayGetStartSectionIndex("B", &arr, FALSE));
    EXPECT_EQ("b", Load("Renamed", "k", arr));
    // and empties it, refilling it by hand
    arr.RemoveAll();
    SetLines(arr, { "[B]", "k=new" });
    EXPECT_EQ("new", Load("B", "k", arr));
    EXPECT_EQ("<absent>", Load("A", "k", arr));
}

// Random writes, removals and reads on two arrays that share their section names, each lookup
// compared with a scan of the lines.
TEST_F(SectionCacheTest, RandomEditsAgreeWithAPlainScan)
{
    CStringArray arrs[2];
    ReadFromText(arrs[0], "[S0]\nk0=k0@S0\n[S1]\n[S2]\nk1=k1@S2\n");
    std::mt19937 rng(12345);
    const char* sections[] = { "S0", "S1", "S2", "S3" };
    for (int nStep = 0; nStep < 2000; nStep++)
    {
        CStringArray& arr = arrs[rng() % 2];
        const char* lpszSection = sections[rng() % 4];
        CString strKey;
        strKey.Format("k%u", (unsigned)(rng() % 6));
        switch (rng() % 3)
        {
        case 0:
            SaveIniString(lpszSection, strKey, strKey + "@" + lpszSection, ArrayName(&arr));
            break;
        case 1:
            SaveIniString(lpszSection, strKey, NULL, ArrayName(&arr));
            break;
        default:
            {
                std::string strValue = Load(lpszSection, strKey, arr);
                if (strValue != "<absent>")
                {
                    ASSERT_EQ(std::string(strKey + "@" + lpszSection), strValue) << "step " << nStep;
                }
            }
            break;
        }
        for (const char* lpszCheck : sections)
        {
            int nExpected = ScanForHeader(arr, lpszCheck);
            ASSERT_EQ(nExpected, StringArrayGetStartSectionIndex(lpszCheck, &arr, FALSE))
                << "step " << nStep << " section " << lpszCheck;
        }
    }
}
