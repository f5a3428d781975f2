// The accessors over a host's property interfaces: descriptions, categories, compound
// properties, collections, tables and the view server, with the host's own objects.
#include "HostProps.h"
#include <gtest/gtest.h>
#include "wexotest.h"

namespace {

class PropAccessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxOleInit();
        m_pSaved = g_pPropertiesInfoStuff;
        g_pPropertiesInfoStuff = NULL;
        // property -> collection -> owner (the schema)
        m_coll.m_pOwner = &m_schema;
        m_prop.m_pParent = &m_coll;
        m_prop.m_nID = 31;
        m_prop.m_strName = L"Hatch";
    }
    void TearDown() override { g_pPropertiesInfoStuff = m_pSaved; }

    CHostSchema m_schema;
    CHostCollection m_coll;
    CHostProp m_prop;
    CPropertiesInfo* m_pSaved = NULL;
};

TEST_F(PropAccessTest, UnregisteredPropertyTakesItsOwnNameAndTheSchemasDescription)
{
    m_schema.m_located = { { 31, { 2, 6 } } };
    m_schema.m_nCtrlType = 12;
    m_schema.m_nFirst = -5;
    m_schema.m_nSecond = 250;
    SPropertyInfo info;
    ASSERT_EQ(S_OK, GetPropertyInfo(m_prop.Disp(), &info, 0));
    EXPECT_STREQ("Hatch", info.m_strName);
    EXPECT_STREQ("Change Hatch\nHatch", info.m_strPrompt);
    EXPECT_EQ(-1, info.m_nImage);
    EXPECT_EQ(31u, info.m_nID);
    EXPECT_EQ(12, info.m_nCtrlType);
    EXPECT_EQ(-5, info.m_varFirst.lVal);
    EXPECT_EQ(250, info.m_varSecond.lVal);
    EXPECT_EQ(NULL, info.m_pObject);
    // every reference the accessor took is given back
    EXPECT_EQ(1, m_prop.m_nRef);
    EXPECT_EQ(1, m_coll.m_nRef);
    EXPECT_EQ(1, m_schema.m_nRef);
}

TEST_F(PropAccessTest, RegisteredDescriptionWinsAndTheObjectIsHandedOutOnRequest)
{
    CPropertiesInfo registered;
    g_pPropertiesInfoStuff = &registered;
    CString strName("Pattern"), strPrompt("Pick the hatch pattern\nPattern");
    registered.Add(31, 1, &strName, &strPrompt, CSize(80, 20), (CImageList*)NULL, 3, NULL, 0);
    SPropertyInfo info;
    ASSERT_EQ(S_OK, GetPropertyInfo(m_prop.Disp(), &info, PROPINFO_REQUEST_OBJECT));
    EXPECT_STREQ("Pattern", info.m_strName);
    EXPECT_STREQ("Pick the hatch pattern\nPattern", info.m_strPrompt);
    EXPECT_EQ(CSize(80, 20), info.m_Size);
    EXPECT_EQ(3, info.m_nImage);
    ASSERT_EQ(static_cast<IUnknown*>(static_cast<IDBPROP*>(&m_prop)), info.m_pObject);
    EXPECT_EQ(2, m_prop.m_nRef);    // the caller owns the reference handed out
    info.m_pObject->Release();
    info.m_pObject = NULL;
}

TEST_F(PropAccessTest, CompoundFlagFollowsTheExtendedType)
{
    const struct { WORD nExt; UINT nFlag; } cases[] = {
        { 24, PROPINFO_COMPOUND }, { 20, PROPINFO_COMPOUND }, { 23, 0 }, { 14, 0 },
    };
    m_schema.m_located = { { 31, { 0, 0 } } };
    for (const auto& c : cases)
    {
        m_prop.m_nExtType = c.nExt;
        m_prop.m_nType = 1;
        SPropertyInfo info;
        ASSERT_EQ(S_OK, GetPropertyInfo(m_prop.Disp(), &info, 0));
        EXPECT_EQ(c.nExt, info.m_nType) << c.nExt;
        EXPECT_EQ(c.nFlag, info.m_nFlags & PROPINFO_COMPOUND) << c.nExt;
    }
}

TEST_F(PropAccessTest, NullArgumentsFail)
{
    SPropertyInfo info;
    SPropCategoryInfo category;
    long a, b, c, d;
    IDispatch* pItem = NULL;
    char szName[8];
    EXPECT_EQ(E_FAIL, GetPropertyInfo(NULL, &info, 0));
    EXPECT_EQ(E_FAIL, GetPropertyInfo(m_prop.Disp(), NULL, 0));
    EXPECT_EQ(E_FAIL, GetCategoryInfo(NULL, &category, 0));
    EXPECT_EQ(E_FAIL, GetCompPropContext(m_prop.Disp(), &a, &b, NULL, &d));
    EXPECT_EQ(E_FAIL, GetCompPropItem(NULL, 0, &pItem));
    EXPECT_EQ(E_FAIL, GetCompPropItem(m_prop.Disp(), 0, NULL));
    EXPECT_EQ(E_FAIL, GetPropertyInternalName(NULL, szName, sizeof(szName)));
    EXPECT_EQ(E_FAIL, GetPropertyType(NULL, NULL));
    EXPECT_EQ(0, CollGetCount(NULL, NULL));
    EXPECT_EQ(NULL, GetPropClient(NULL));
    (void)c;
}

TEST_F(PropAccessTest, CategoriesComeFromTheSchemaOrStayGlobal)
{
    m_schema.m_categories = { { L"Geometry", L"Where it is" }, { L"Look", L"How it is drawn" } };
    m_schema.m_located = { { 31, { 1, 0 } } };
    const struct { long nCategory; const char* pszName; const char* pszDescription; } cases[] = {
        { -1, "Global", "" },               // no category: the default stays
        { 0, "Look", "How it is drawn" },   // located in category index 1
    };
    for (const auto& c : cases)
    {
        m_prop.m_nCategory = c.nCategory;
        SPropCategoryInfo info;
        GetCategoryInfo(m_prop.Disp(), &info, 0);
        EXPECT_STREQ(c.pszName, info.m_strName) << c.nCategory;
        EXPECT_STREQ(c.pszDescription, info.m_strDescription) << c.nCategory;
        EXPECT_EQ(-1, info.m_nValue2);
    }
}

TEST_F(PropAccessTest, InternalNameIsCutToTheBuffer)
{
    m_schema.m_located = { { 31, { 0, 4 } } };
    m_schema.m_strInternalName = L"HATCH_PATTERN";
    char szName[6] = "xxxxx";
    EXPECT_EQ(S_OK, GetPropertyInternalName(m_prop.Disp(), szName, sizeof(szName)));
    EXPECT_STREQ("HATCH", szName);
    EXPECT_EQ(1, m_schema.m_nNameKind);
    // without a schema: an empty name and the failure
    m_coll.m_pOwner = NULL;
    EXPECT_TRUE(FAILED(GetPropertyInternalName(m_prop.Disp(), szName, sizeof(szName))));
    EXPECT_STREQ("", szName);
}

TEST_F(PropAccessTest, CompoundContextStartsFromItsDefaults)
{
    long a = 9, b = 9, c = 9, d = 9;
    EXPECT_TRUE(FAILED(GetCompPropContext(m_prop.Disp(), &a, &b, &c, &d)));   // not compound
    EXPECT_EQ(0, a);
    EXPECT_EQ(-1, b);
    EXPECT_EQ(0, c);
    EXPECT_EQ(-1, d);
    m_prop.m_nExtType = 20;
    EXPECT_EQ(S_OK, GetCompPropContext(m_prop.Disp(), &a, &b, &c, &d));
    EXPECT_EQ(40, a);
    EXPECT_EQ(5, b);
    EXPECT_EQ(10, c);
    EXPECT_EQ(77, d);
}

TEST_F(PropAccessTest, CollectionsAreCountedWithTheOwnersFlags)
{
    CHostProp rows[3];
    for (int i = 0; i < 3; i++)
    {
        rows[i].m_nID = 100 + i * 10;
        m_coll.m_items.push_back(rows[i].Disp());
    }
    m_prop.m_nFlags = 0x21;
    EXPECT_EQ(3, CollGetCount(&m_coll, m_prop.Disp()));
    EXPECT_EQ(0x21, m_coll.m_nLastFilter);
    EXPECT_EQ(3, CollGetCount(&m_coll, NULL));
    EXPECT_EQ(0, m_coll.m_nLastFilter);
    EXPECT_EQ(0, CollGetCount(m_prop.Disp(), NULL));    // a property is no collection

    IDispatch* pItem = NULL;
    EXPECT_EQ(S_OK, CollGetItemById(&m_coll, 120, &pItem));
    EXPECT_EQ(static_cast<IDispatch*>(rows[2].Disp()), pItem);
    EXPECT_EQ(2, rows[2].m_nRef);       // the one reference the caller gets
    pItem->Release();
    EXPECT_EQ(S_OK, CollGetItemById(&m_coll, 115, &pItem));
    EXPECT_EQ(NULL, pItem);
    for (auto& row : rows)
        EXPECT_EQ(1, row.m_nRef);
}

TEST_F(PropAccessTest, TableValueNamesARowOfTheProvider)
{
    CHostProp rows[3];
    const wchar_t* names[] = { L"Solid", L"Dashed", L"Dotted" };
    for (int i = 0; i < 3; i++)
    {
        rows[i].m_nID = 7 + i;
        rows[i].m_value = COleVariant(CString(names[i]));
        m_coll.m_items.push_back(rows[i].Disp());
    }
    m_prop.m_pProvider = &m_coll;
    m_prop.m_value = COleVariant(8L);
    const struct { long nIndex; bool bIndexGiven; int nResult; int nRow; } cases[] = {
        { 0, false, 1, 1 },     // by the value: id 8 is row 1
        { 2, true, 1, 2 },      // by position
        { 5, true, 0, -1 },     // past the end
        { -1, true, 1, 1 },     // a negative index falls back to the value
    };
    for (const auto& c : cases)
    {
        long nIndex = c.nIndex;
        IDispatch* pItem = NULL;
        EXPECT_EQ(c.nResult, TablePropGetItem(m_prop.Disp(), c.bIndexGiven ? &nIndex : NULL, &pItem)) << c.nIndex;
        EXPECT_EQ(c.nRow < 0 ? NULL : rows[c.nRow].Disp(), pItem) << c.nIndex;
        if (pItem != NULL)
            pItem->Release();
    }
    EXPECT_EQ(2, TablePropGetIndex(m_prop.Disp(), 9));
    EXPECT_EQ(-1, TablePropGetIndex(m_prop.Disp(), 4));
    m_prop.m_value.Clear();     // an empty value names no row
    IDispatch* pItem = NULL;
    EXPECT_EQ(0, TablePropGetItem(m_prop.Disp(), NULL, &pItem));
    long nCount = 0;
    EXPECT_EQ(S_OK, GetPropValuesCount(m_prop.Disp(), &nCount));
    EXPECT_EQ(3, nCount);
    VARIANT v;
    ::VariantInit(&v);
    EXPECT_EQ(S_OK, GetPropValueByID(m_prop.Disp(), 2, &v));
    EXPECT_EQ(VT_I4, v.vt);
    EXPECT_EQ(9, v.lVal);
    for (auto& row : rows)
        EXPECT_EQ(1, row.m_nRef);
}

// A view server answers IDBPROPDRAW; anything else is refused.
class CHostDrawServer : public CHostObject<IDBPROPDRAW>
{
public:
    bool m_bDraws = true;
    STDMETHOD(QueryInterface)(REFIID iid, void** ppv) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            (m_bDraws && IsEqualIID(iid, IID_IDBPROPDRAW)))
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHOD(Draw)(HDC, long, long, long, long, IDispatch*, long) override { return S_OK; }
};

TEST_F(PropAccessTest, ViewServerIsKeptOnlyWhenItDraws)
{
    CHostDrawServer first, second, refusing;
    refusing.m_bDraws = false;
    EXPECT_EQ(1, SetPropsViewServer(&first));
    EXPECT_EQ(2, first.m_nRef);
    EXPECT_EQ(&first, GetPropsViewServer());
    EXPECT_EQ(1, SetPropsViewServer(&second));     // the previous one is let go
    EXPECT_EQ(1, first.m_nRef);
    EXPECT_EQ(0, SetPropsViewServer(&refusing));
    EXPECT_EQ(1, second.m_nRef);
    EXPECT_EQ(1, refusing.m_nRef);
    EXPECT_EQ(NULL, GetPropsViewServer());
}

TEST_F(PropAccessTest, ControlsInfoDeletesOnlyWhatItOwns)
{
    CControlsInfo list;
    CString strA("A"), strB("B");
    list.Add(1, 1, &strA, &strA, CSize(0, 0), NULL, 0, m_prop.Disp(), PROPINFO_REFERENCED, NULL, 4);
    EXPECT_EQ(2, m_prop.m_nRef);                     // the description holds the object
    EXPECT_EQ(0, list.Insert(0, 2, 1, &strB, &strB, CSize(0, 0), NULL, 0, NULL, 0, NULL, 7));
    ASSERT_EQ(2, list.GetSize());
    EXPECT_EQ(2u, list.GetAt(0)->m_nID);
    EXPECT_EQ(7, list.GetAt(0)->m_nSlot);
    EXPECT_EQ(PROPINFO_OWNED | PROPINFO_REFERENCED, list.GetAt(1)->m_nFlags);
    EXPECT_TRUE(list.Remove(list.GetAt(1)));
    EXPECT_EQ(1, m_prop.m_nRef);
    SControlInfo stranger;
    EXPECT_FALSE(list.Remove(&stranger));
    list.RemoveAt(0, 5);                             // more than there are: stops at the end
    EXPECT_EQ(0, list.GetSize());
}

} // namespace
