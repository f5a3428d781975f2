// The section-index caches: an index taken from a cache always points at the section's header in
// the array at hand, whatever was inserted, removed or read in between.
#include "settings_test.h"
#include <algorithm>
#include <optional>
#include <random>

namespace
{
class SectionCacheTest : public ::testing::Test
{
protected:
    void SetUp() override { StringArrayClearSectionCaches(NULL); }
    void TearDown() override { StringArrayClearSectionCaches(NULL); }

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
    // the map's entry for a line the scan would not take is not used
    EXPECT_EQ(-1, StringArrayGetStartSectionIndex("Odd", &arr, FALSE));
    EXPECT_EQ(1, StringArrayGetStartSectionIndex("Indented", &arr, FALSE));

    // a second read replaces the array's map
    ReadFromText(arr, "[Other]\n");
    EXPECT_EQ(-1, MappedIndex(arr, "Plain"));
    EXPECT_EQ(0, MappedIndex(arr, "Other"));
    EXPECT_EQ(-1, StringArrayGetStartSectionIndex("Plain", &arr, FALSE));
}

// A line that only looks like S's header, put in front of S where a cache remembers S's header:
// loads and saves must still go to the block under "[S]".
class SectionLookalikeTest : public SectionCacheTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(SectionLookalikeTest, CachedIndexIsNotTakenForALookalikeHeader)
{
    const std::string strLookalike = GetParam();
    // remembered by the last lookup, then lines inserted on top
    CStringArray arr;
    SetLines(arr, { "[S]", "k=2" });
    EXPECT_EQ("2", Load("S", "k", arr));
    arr.InsertAt(0, CString("k=1"));
    arr.InsertAt(0, CString(strLookalike.c_str()));
    EXPECT_EQ("2", Load("S", "k", arr));
    EXPECT_EQ(1, SaveIniString("S", "j", "new", ArrayName(&arr)));
    EXPECT_EQ((std::vector<std::string>{ strLookalike, "k=1", "[S]", "k=2", "j=new" }), Lines(arr));

    // mapped by a stream read, which takes the later line for S
    StringArrayClearSectionCaches(NULL);
    ReadFromText(arr, "[S]\nk=2\n[T]\n" + strLookalike + "\nk=3\n");
    EXPECT_EQ("2", Load("S", "k", arr));
    EXPECT_EQ(1, SaveIniString("S", "j", "new", ArrayName(&arr)));
    EXPECT_EQ((std::vector<std::string>{ "[S]", "k=2", "j=new", "[T]", strLookalike, "k=3" }), Lines(arr));
}

INSTANTIATE_TEST_SUITE_P(Lines, SectionLookalikeTest, ::testing::Values("[S", "[[S]]", "[S]]", "[ S]"));

namespace
{
// The store without caches: the rules of sections, keys and values applied by reading the lines
// from the top every time.
struct SPlainStore
{
    std::vector<std::string> lines;

    static std::string Trim(const std::string& str)
    {
        size_t nFirst = str.find_first_not_of(" \t");
        return nFirst == std::string::npos ? "" : str.substr(nFirst, str.find_last_not_of(" \t") - nFirst + 1);
    }
    int Header(const std::string& strSection) const
    {
        for (size_t i = 0; i < lines.size(); i++)
            if (Trim(lines[i]) == "[" + strSection + "]")
                return (int)i;
        return -1;
    }
    int KeyLine(const std::string& strSection, const std::string& strKey, bool bCreate)
    {
        int nStart = Header(strSection);
        if (nStart < 0 && !bCreate)
            return -1;
        if (nStart < 0)
        {
            lines.push_back("[" + strSection + "]");
            nStart = (int)lines.size() - 1;
        }
        int nEnd = nStart + 1;
        for (; nEnd < (int)lines.size(); nEnd++)
        {
            std::string strLine = Trim(lines[nEnd]);
            if (strLine.size() >= 2 && strLine.front() == '[' && strLine.back() == ']')
                break;
        }
        for (int i = nStart; i < nEnd; i++)
            if (Trim(lines[i]).compare(0, strKey.size() + 1, strKey + "=") == 0)
                return i;
        if (!bCreate)
            return -1;
        lines.insert(lines.begin() + nEnd, strKey + "=");
        return nEnd;
    }
    std::string Load(const std::string& strSection, const std::string& strKey)
    {
        int i = KeyLine(strSection, strKey, false);
        std::string strValue = i < 0 ? "" : Trim(lines[i]).substr(strKey.size() + 1);
        return strValue.empty() ? "<absent>" : strValue;
    }
};
} // namespace

// Random saves, removals and loads on two arrays with the same section names, mixed with lines
// that look like headers, arrays refilled in place, new arrays made where an old one lay and
// arrays read from streams; every step is compared with the plain store.
TEST_F(SectionCacheTest, RandomEditsAgreeWithAPlainStore)
{
    std::optional<CStringArray> arrs[2];
    SPlainStore models[2];
    arrs[0].emplace();
    arrs[1].emplace();
    std::mt19937 rng(12345);
    const char* sections[] = { "S0", "S1", "S2", "S3" };
    const char* lookalikes[] = { "[%s", "[[%s]]", "[%s]]", "%s]", "[%s ]" };
    auto lookalike = [&](const char* lpszSection) {
        CString str;
        str.Format(lookalikes[rng() % 5], lpszSection);
        return std::string(str);
    };
    // fresh content: each section's header at most once, keys and lookalikes in between
    auto content = [&](int nStep) {
        std::vector<std::string> lines;
        for (const char* lpszSection : sections)
        {
            if (rng() % 4 == 0)
                continue;
            if (rng() % 2)
                lines.push_back(lookalike(sections[rng() % 4]));
            lines.push_back(std::string("[") + lpszSection + "]");
            for (unsigned k = rng() % 3; k > 0; k--)
                lines.push_back("k" + std::to_string(rng() % 6) + "=r" + std::to_string(nStep));
        }
        std::shuffle(lines.begin(), lines.end() - lines.size() / 2, rng);
        return lines;
    };
    for (int nStep = 0; nStep < 3000; nStep++)
    {
        int n = (int)(rng() % 2);
        SPlainStore& model = models[n];
        const char* lpszSection = sections[rng() % 4];
        std::string strKey = "k" + std::to_string(rng() % 6);
        std::string strValue = "v" + std::to_string(nStep);
        switch (rng() % 10)
        {
        case 0: case 1: case 2:
            ASSERT_EQ(1, SaveIniString(lpszSection, strKey.c_str(), strValue.c_str(), ArrayName(&*arrs[n])));
            model.lines[model.KeyLine(lpszSection, strKey, true)] = strKey + "=" + strValue;
            break;
        case 3:
            SaveIniString(lpszSection, strKey.c_str(), NULL, ArrayName(&*arrs[n]));
            if (int i = model.KeyLine(lpszSection, strKey, false); i >= 0)
                model.lines.erase(model.lines.begin() + i);
            break;
        case 4: case 5:   // the host inserts a line, or overwrites one (perhaps a header)
            {
                int i = (int)(rng() % (model.lines.size() + 1));
                std::string strLine = lookalike(lpszSection);
                if (rng() % 2 && i < (int)model.lines.size())
                {
                    arrs[n]->SetAt(i, CString(strLine.c_str()));
                    model.lines[i] = strLine;
                }
                else
                {
                    arrs[n]->InsertAt(i, CString(strLine.c_str()));
                    model.lines.insert(model.lines.begin() + i, strLine);
                }
            }
            break;
        case 6:   // refilled in place, or a new array where the old one lay
            if (rng() % 2)
            {
                arrs[n].reset();
                arrs[n].emplace();
            }
            arrs[n]->RemoveAll();
            model.lines = content(nStep);
            for (const std::string& strLine : model.lines)
                arrs[n]->Add(strLine.c_str());
            break;
        case 7:
            {
                model.lines = content(nStep);
                std::string strText;
                for (const std::string& strLine : model.lines)
                    strText += strLine + "\n";
                ReadFromText(*arrs[n], strText);
            }
            break;
        default:
            ASSERT_EQ(model.Load(lpszSection, strKey), Load(lpszSection, strKey.c_str(), *arrs[n]))
                << "step " << nStep << " " << lpszSection << "/" << strKey;
            break;
        }
        ASSERT_EQ(model.lines, Lines(*arrs[n])) << "step " << nStep;
        const char* lpszCheck = sections[rng() % 4];
        ASSERT_EQ(model.Header(lpszCheck), StringArrayGetStartSectionIndex(lpszCheck, &*arrs[n], FALSE))
            << "step " << nStep << " section " << lpszCheck;
    }
}
