// Named arrays, and properties and collections written to and read from settings text (an
// in-memory string array, as a host keeps it).
#include "HostProps.h"
#include <gtest/gtest.h>
#include "wexotest.h"

namespace {

class PropStatusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxOleInit();
        m_strFile = MakeStringArrayName(&m_lines);
    }
    // the value of key in section S of the text, or "<none>"
    CString Value(LPCSTR lpszSection, LPCSTR lpszKey)
    {
        char szValue[300];
        return LoadStringFromStringArray(lpszSection, lpszKey, szValue, sizeof(szValue), &m_lines) > 0
            ? CString(szValue) : CString("<none>");
    }
    CStringArray m_lines;
    CString m_strFile;
};

CString Row(SAFEARRAY* psa, long i, int nColumn)
{
    char szName[NARRAY_TEXT_SIZE], szValue[NARRAY_TEXT_SIZE];
    if (!NArrayGetElement(psa, i, szName, szValue))
        return "<fail>";
    return nColumn == 0 ? szName : szValue;
}

TEST_F(PropStatusTest, RadioSelectionWritesOneRowOnly)
{
    COleVariant rows = MakeNamedArray({ { "Left", "0" }, { "Centre", "1" }, { "Right", "0" } });
    SAFEARRAY* psa = rows.parray;
    EXPECT_EQ(1, NRadioArrayGetSelection(psa));
    EXPECT_EQ(2, NRadioArraySetSelection(psa, 2));
    EXPECT_EQ(2, NRadioArrayGetSelection(psa));
    EXPECT_STREQ("0", Row(psa, 1, 1));
    EXPECT_STREQ("Centre", Row(psa, 1, 0));
    // a selection past the rows clears every row and is still returned
    EXPECT_EQ(5, NRadioArraySetSelection(psa, 5));
    for (long i = 0; i < 3; i++)
        EXPECT_STREQ("0", Row(psa, i, 1));
    EXPECT_EQ(-1, NRadioArrayGetSelection(psa));
    EXPECT_EQ(-1, NRadioArraySetSelection(NULL, 0));
    EXPECT_EQ(-1, NRadioArrayGetSelection(NULL));
}

TEST_F(PropStatusTest, NamedArrayLookupsAndLimits)
{
    COleVariant rows = MakeNamedArray({ { "width", "2" }, { "Width", "7" } });
    char szValue[NARRAY_TEXT_SIZE] = "";
    EXPECT_EQ(1, NArrayGetValue(rows.parray, "Width", szValue));   // case counts
    EXPECT_STREQ("7", szValue);
    EXPECT_EQ(0, NArrayGetValue(rows.parray, "WIDTH", szValue));
    EXPECT_EQ(0, NArrayPutElement(rows.parray, 2, "x", "y"));      // no row 2
    EXPECT_EQ(0, NArrayPutElement(NULL, 0, "x", "y"));
    // a text longer than the caller's row buffer comes back cut to it
    CString strLong('q', 400);
    ASSERT_EQ(1, NArrayPutElement(rows.parray, 0, NULL, strLong));
    EXPECT_EQ(NARRAY_TEXT_SIZE - 1, Row(rows.parray, 0, 1).GetLength());
    EXPECT_STREQ("width", Row(rows.parray, 0, 0));                 // NULL left the name alone
}

TEST_F(PropStatusTest, StatusLinesAsWritten)
{
    CHostProp text;
    text.m_nID = 7;
    text.m_nType = 1;
    text.m_nState = 0;
    text.m_value = COleVariant("Big red box");
    EXPECT_NE(0, SavePropStatus(text.Disp(), "Shape", "Label", m_strFile));
    EXPECT_STREQ("7 1 Big^red^box 0", Value("Shape", "Label"));

    CHostProp radio;
    radio.m_nID = 5;
    radio.m_nType = 16;
    radio.m_nState = 0;
    radio.m_value = MakeNamedArray({ { "Left", "1" }, { "Right", "0" } });
    EXPECT_NE(0, SavePropStatus(radio.Disp(), "Shape", "I-3", m_strFile));
    EXPECT_STREQ("5 16 2 0", Value("Shape", "I-3"));
    EXPECT_STREQ("Left 1", Value("Shape", "I-3_0"));
    EXPECT_STREQ("Right 0", Value("Shape", "I-3_1"));
}

TEST_F(PropStatusTest, StatusRoundTrips)
{
    const struct { const char* pszValue; const char* pszBack; } cases[] = {
        { "Big red box", "Big red box" },
        { "a^b", "a b" },           // '^' stands for a blank in the text
        { "", "" },                 // an empty value keeps its place in the line
        { "  two  ", "  two  " },
    };
    for (const auto& c : cases)
    {
        CHostProp source, target;
        source.m_nID = 12;
        source.m_nType = 2;
        source.m_nState = 6;
        source.m_value = COleVariant(c.pszValue);
        ASSERT_NE(0, SavePropStatus(source.Disp(), "S", "K", m_strFile)) << c.pszValue;
        ASSERT_EQ(1, LoadPropStatus(target.Disp(), "S", "K", m_strFile)) << c.pszValue;
        EXPECT_EQ(12u, target.m_nID);
        EXPECT_EQ(2, target.m_nType);
        EXPECT_EQ(6, target.m_nState);
        ASSERT_EQ(VT_BSTR, target.m_value.vt);
        EXPECT_STREQ(c.pszBack, CString(target.m_value.bstrVal)) << c.pszValue;
    }
}

TEST_F(PropStatusTest, NamedArrayRoundTripsWithBlanks)
{
    CHostProp source, target;
    source.m_nID = 40;
    source.m_nType = 14;
    source.m_value = MakeNamedArray({ { "Line weight", "0.25 mm" }, { "Colour", "By layer" }, { "", "empty name" } });
    ASSERT_NE(0, SavePropStatus(source.Disp(), "S", "K", m_strFile));
    ASSERT_EQ(1, LoadPropStatus(target.Disp(), "S", "K", m_strFile));
    ASSERT_EQ(VT_ARRAY | VT_BSTR, target.m_value.vt);
    SAFEARRAY* psa = target.m_value.parray;
    EXPECT_STREQ("Line weight", Row(psa, 0, 0));
    EXPECT_STREQ("0.25 mm", Row(psa, 0, 1));
    EXPECT_STREQ("By layer", Row(psa, 1, 1));
    EXPECT_STREQ("", Row(psa, 2, 0));
    EXPECT_STREQ("empty name", Row(psa, 2, 1));
}

TEST_F(PropStatusTest, DamagedLinesChangeNothing)
{
    const char* lines[] = {
        "7 1 text",             // no state
        "7 1 text 4 9",         // one field too many
        "seven 1 text 4",
        "7 1 text four",
        "7",
        "15 14 -2 4",           // a named array with a negative row count
        "15 14 many 4",
    };
    for (const char* pszLine : lines)
    {
        SaveStringToStringArray("S", "K", pszLine, &m_lines);
        CHostProp target;
        target.m_nID = 99;
        target.m_value = COleVariant("kept");
        EXPECT_EQ(0, LoadPropStatus(target.Disp(), "S", "K", m_strFile)) << pszLine;
        EXPECT_EQ(99u, target.m_nID) << pszLine;
        EXPECT_STREQ("kept", CString(target.m_value.bstrVal)) << pszLine;
    }
    CHostProp target;
    EXPECT_EQ(0, LoadPropStatus(target.Disp(), "S", "Missing", m_strFile));
}

// The library's own collection filled by a load: items present are loaded in place, the others made.
TEST_F(PropStatusTest, CollectionLoadsInPlaceAndAddsTheRest)
{
    CPropertiesInfo registered;
    CPropertiesInfo* pSaved = g_pPropertiesInfoStuff;
    g_pPropertiesInfoStuff = &registered;
    CString strName("Name");
    registered.Add(1, 1, &strName, &strName, CSize(0, 0), (CImageList*)NULL, 0, NULL, 0);

    // saved: three items of a host collection
    CHostCollection saved;
    CHostProp items[3];
    const char* texts[] = { "first", "second one", "third" };
    for (int i = 0; i < 3; i++)
    {
        items[i].m_nID = i + 1;
        items[i].m_value = COleVariant(texts[i]);
        saved.m_items.push_back(items[i].Disp());
    }
    ASSERT_NE(0, SavePropCollection(&saved, "Layer", "Props", m_strFile));
    EXPECT_STREQ("3", Value("Layer", "Props"));
    EXPECT_STREQ("1 1 first 4", Value("Layer", "I-0"));
    EXPECT_STREQ("2 1 second^one 4", Value("Layer", "I-1"));

    CObjXDBPropColl* pColl = new CObjXDBPropColl;
    IDispatch* pExisting = CreateProperty(1, COleVariant("old"), 4);
    pColl->Add(pExisting);
    pExisting->Release();
    EXPECT_EQ(1, LoadPropCollection(pColl->GetIDispatch(FALSE), "Layer", "Props", CreatePropertyFunction, pColl, NULL,
        m_strFile));
    ASSERT_EQ(3, pColl->GetCount());
    for (int i = 0; i < 3; i++)
    {
        IDispatch* pItem = pColl->GetItem(i);
        CObjXDBProp* pProp = CObjXDBProp::ObjectFromIDisp(pItem);
        ASSERT_NE(nullptr, pProp);
        EXPECT_EQ((DWORD)(i + 1), pProp->m_nID);
        EXPECT_STREQ(texts[i], CString(pProp->m_varValue.bstrVal));
        pItem->Release();
    }
    // the item that was there is the one loaded, not a new one
    IDispatch* pFirst = pColl->GetItem(0);
    EXPECT_EQ(pExisting, pFirst);
    pFirst->Release();
    pColl->ExternalRelease();
    g_pPropertiesInfoStuff = pSaved;
}

TEST_F(PropStatusTest, CollectionCountLine)
{
    CHostCollection empty;
    ASSERT_NE(0, SaveCollection(&empty, "S", "Props", SavePropStatus, m_strFile));
    EXPECT_STREQ("0", Value("S", "Props"));
    EXPECT_STREQ("<none>", Value("S", "I-0"));
    const struct { const char* pszCount; int nResult; } cases[] = {
        { "0", 1 }, { "x", 0 }, { "-3", 0 }, { "2z", 0 },
    };
    for (const auto& c : cases)
    {
        SaveStringToStringArray("T", "Props", c.pszCount, &m_lines);
        CHostCollection target;
        EXPECT_EQ(c.nResult, LoadPropCollection(&target, "T", "Props", NULL, NULL, NULL, m_strFile)) << c.pszCount;
        EXPECT_TRUE(target.m_items.empty());
    }
    EXPECT_EQ(0, LoadPropCollection(&empty, "T", "Missing", NULL, NULL, NULL, m_strFile));
}

TEST_F(PropStatusTest, RawStatusLineOfAnItem)
{
    SaveStringToStringArray("Obj", "I-0", "65535 1 Main^floor 4", &m_lines);
    char szLine[12];
    EXPECT_EQ(1, LoadPropStatusString("Obj", 0, szLine, sizeof(szLine), m_strFile));
    EXPECT_STREQ("65535 1 Mai", szLine);    // cut to the buffer: 11 characters and the end
    EXPECT_EQ(0, LoadPropStatusString("Obj", 1, szLine, sizeof(szLine), m_strFile));
}

} // namespace
