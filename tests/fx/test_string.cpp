// CString: layout and variable-argument passing, sharing and copy on write, formatting,
// trimming, searching and replacing, extraction, direct buffer access, string resources and
// OLE strings.
#include <afx.h>
#include <gtest/gtest.h>
#include "fxtest.h"
#include <string>
#include "wexotest.h"

/////////////////////////////////////////////////////////////////////////////
// Layout: the object is the character pointer

static_assert(sizeof(CString) == sizeof(void*), "a CString is one pointer");

TEST(CStringLayout, ObjectIsExactlyTheCharacterPointer)
{
    CString str("layout");
    const char* const* ppch = reinterpret_cast<const char* const*>(&str);
    EXPECT_EQ((LPCSTR)str, *ppch);
    EXPECT_STREQ("layout", *ppch);
    // an array of CStrings is an array of character pointers
    CString rg[2] = { CString("one"), CString("two") };
    EXPECT_STREQ("two", reinterpret_cast<const char* const*>(rg)[1]);
    // so variable-argument functions, ours and the C runtime's, receive the characters
    char szBuffer[64];
    sprintf(szBuffer, "%s %s %d", str, rg[0], 3);
    EXPECT_STREQ("layout one 3", szBuffer);
    CString strFormatted;
    strFormatted.Format("%s+%s", rg[0], rg[1]);
    strFormatted.AppendFormat(" (%s)", str);
    EXPECT_STREQ("one+two (layout)", strFormatted);
}

/////////////////////////////////////////////////////////////////////////////
// Sharing and copy on write

TEST(CStringCopy, ModifyingACopyLeavesTheOriginal)
{
    CString strOriginal("original text");
    CString strCopy(strOriginal);
    CString strAssigned;
    strAssigned = strOriginal;
    EXPECT_EQ((LPCSTR)strOriginal, (LPCSTR)strCopy) << "copies share the buffer until written";

    strCopy.SetAt(0, 'O');
    strCopy += " and more";
    strAssigned.MakeUpper();
    EXPECT_STREQ("original text", strOriginal);
    EXPECT_STREQ("Original text and more", strCopy);
    EXPECT_STREQ("ORIGINAL TEXT", strAssigned);

    CString strThird = strOriginal;
    strThird.Replace("text", "words");
    strThird.Remove('o');
    strThird.Insert(0, '>');
    strThird.Delete(1, 1);
    strThird.TrimRight('s');
    strThird.MakeReverse();
    EXPECT_STREQ("original text", strOriginal);
    EXPECT_STREQ("drw lanigi>", strThird);

    CString strShared = strOriginal;
    strOriginal.Empty();
    EXPECT_STREQ("original text", strShared) << "emptying the original leaves its copies";
}

TEST(CStringCopy, LockedBufferIsNeverShared)
{
    CString strLocked("locked");
    LPSTR lpsz = strLocked.LockBuffer();
    CString strCopy = strLocked;
    EXPECT_NE((LPCSTR)strLocked, (LPCSTR)strCopy);
    lpsz[0] = 'L';      // writing through the locked pointer reaches only the locked string
    EXPECT_STREQ("Locked", strLocked);
    EXPECT_STREQ("locked", strCopy);
    strLocked.UnlockBuffer();
    CString strAfter = strLocked;
    EXPECT_EQ((LPCSTR)strLocked, (LPCSTR)strAfter) << "unlocked buffers are shared again";
}

TEST(CStringCopy, SelfReferencesSurvive)
{
    CString str("abc");
    str += str;
    EXPECT_STREQ("abcabc", str);
    str = (LPCSTR)str + 2;
    EXPECT_STREQ("cabc", str);
    str.Format("%s/%s", (LPCSTR)str, (LPCSTR)str);
    EXPECT_STREQ("cabc/cabc", str);
    str.Insert(1, (LPCSTR)str);
    EXPECT_STREQ("ccabc/cabcabc/cabc", str);
    str.Replace((LPCSTR)str, "whole");
    EXPECT_STREQ("whole", str);
}

/////////////////////////////////////////////////////////////////////////////
// Construction, assignment, concatenation and comparison

TEST(CStringBasics, ConstructionForms)
{
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_STREQ("", CString((LPCSTR)NULL));
    EXPECT_STREQ("xxx", CString('x', 3));
    EXPECT_STREQ("", CString('x', 0));
    EXPECT_STREQ("ab", CString("abcdef", 2));
    CString strWithZero("a\0b", 3);
    EXPECT_EQ(3, strWithZero.GetLength());
    EXPECT_EQ('b', strWithZero[2]);
    EXPECT_STREQ("wide", CString(L"wide"));
    EXPECT_STREQ("wi", CString(L"wide", 2));
    EXPECT_STREQ("bytes", CString((const unsigned char*)"bytes"));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([] { CString s("abc", -1); }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([] { CString s((LPCSTR)NULL, 2); }));
}

TEST(CStringBasics, ConcatenationInAllCombinations)
{
    CString strA("ab"), strB("cd");
    EXPECT_STREQ("abcd", strA + strB);
    EXPECT_STREQ("abx", strA + 'x');
    EXPECT_STREQ("xab", 'x' + strA);
    EXPECT_STREQ("ab--", strA + "--");
    EXPECT_STREQ("--ab", "--" + strA);
    EXPECT_STREQ("ab", strA + (LPCSTR)NULL);
    CString str;
    str += strA;
    str += 'e';
    str += "fg";
    str.AppendChar('h');
    str.Append("ijk", 2);
    EXPECT_STREQ("abefghij", str);
    EXPECT_EQ(8, str.GetLength());
    // a long run of appends keeps every piece
    std::string strExpected;
    for (int i = 0; i < 2000; i++)
        strExpected += (char)('a' + i % 26);
    CString strLong;
    for (char ch : strExpected)
        strLong += ch;
    EXPECT_EQ(strExpected, std::string(strLong));
}

TEST(CStringBasics, ComparisonsAndOrdering)
{
    CString strAbc("abc");
    EXPECT_TRUE(strAbc == "abc");
    EXPECT_TRUE("abc" == strAbc);
    EXPECT_TRUE(strAbc != "abd");
    EXPECT_TRUE(strAbc < "abd");
    EXPECT_TRUE("abd" > strAbc);
    EXPECT_TRUE(strAbc > "ab");
    EXPECT_TRUE(strAbc <= "abc" && strAbc >= "abc" && !(strAbc < "abc"));
    EXPECT_LT(strAbc.Compare("abd"), 0);
    EXPECT_GT(strAbc.Compare("ab"), 0);
    EXPECT_EQ(0, strAbc.CompareNoCase("ABC"));
    EXPECT_NE(0, strAbc.Compare("ABC"));
    EXPECT_LT(strAbc.CompareNoCase("ABD"), 0);
    EXPECT_EQ(0, strAbc.CollateNoCase("AbC"));
    EXPECT_STREQ("mixed case 42", CString("MiXed CASE 42").MakeLower());
    EXPECT_GT(strAbc.Compare(NULL), 0);
}

TEST(CStringBasics, CharacterAccessChecksTheIndex)
{
    CString str("abc");
    EXPECT_EQ('c', str.GetAt(2));
    EXPECT_EQ('\0', str.GetAt(3)) << "the terminator may be read";
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { str.GetAt(4); }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { str.GetAt(-1); }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { str.SetAt(3, 'x'); }));
    EXPECT_STREQ("abc", str);
}

/////////////////////////////////////////////////////////////////////////////
// Formatting

TEST(CStringFormat, ShortAndBoundaryLengths)
{
    CString str;
    str.Format("%d-%05.1f-%x-%c-%s", -12, 3.14159, 255, 'q', "z");
    EXPECT_STREQ("-12-003.1-ff-q-z", str);
    str.Format("%lld %llu", -9000000000LL, 18000000000ULL);
    EXPECT_STREQ("-9000000000 18000000000", str);
    str.Format("%I64d", (LONGLONG)-5);
    EXPECT_STREQ("-5", str);
    str.Format("");
    EXPECT_TRUE(str.IsEmpty());
    // lengths around any internal first-try buffer
    for (int nLength = 250; nLength <= 1030; nLength++)
    {
        str.Format("%*s|", nLength, "x");
        ASSERT_EQ(nLength + 1, str.GetLength()) << nLength;
        ASSERT_EQ('x', str[nLength - 1]) << nLength;
        ASSERT_EQ('|', str[nLength]) << nLength;
        ASSERT_EQ(' ', str[0]) << nLength;
    }
}

TEST(CStringFormat, LongOutput)
{
    std::string strPiece(100000, 'p');
    CString str;
    str.Format("<%s><%s>%d", strPiece.c_str(), "tail", 99);
    ASSERT_EQ(100000 + 2 + 6 + 2, str.GetLength());
    EXPECT_EQ('<', str[0]);
    EXPECT_EQ('p', str[50000]);
    EXPECT_STREQ("><tail>99", (LPCSTR)str + 100001);
}

TEST(CStringFormat, AppendFormatAndFormatMessage)
{
    CString str("start");
    for (int i = 0; i < 3; i++)
        str.AppendFormat(",%d", i);
    EXPECT_STREQ("start,0,1,2", str);
    std::string strLong(3000, 'L');
    str.AppendFormat("%s", strLong.c_str());
    EXPECT_EQ(11 + 3000, str.GetLength());
    EXPECT_EQ(0, strncmp("start,0,1,2LLL", str, 14));

    str.FormatMessage("%1!d! of %2 (%1!04d!)", 5, "ten");
    EXPECT_STREQ("5 of ten (0005)", str);
    str.FormatMessage("no inserts");
    EXPECT_STREQ("no inserts", str);
}

/////////////////////////////////////////////////////////////////////////////
// Trimming

TEST(CStringTrim, WhiteSpaceForms)
{
    CString str(" \t\r\n text with  inner  space \n\t ");
    EXPECT_STREQ("text with  inner  space", CString(str).Trim());
    EXPECT_STREQ("text with  inner  space \n\t ", CString(str).TrimLeft());
    EXPECT_STREQ(" \t\r\n text with  inner  space", CString(str).TrimRight());
    CString strBlank(" \t \n");
    EXPECT_TRUE(CString(strBlank).Trim().IsEmpty());
    EXPECT_TRUE(CString(strBlank).TrimLeft().IsEmpty());
    EXPECT_TRUE(CString(strBlank).TrimRight().IsEmpty());
    EXPECT_STREQ("solid", CString("solid").Trim());
    EXPECT_STREQ("", CString().Trim());
}

TEST(CStringTrim, CharacterAndSetForms)
{
    EXPECT_STREQ("abcxx", CString("xxabcxx").TrimLeft('x'));
    EXPECT_STREQ("xxabc", CString("xxabcxx").TrimRight('x'));
    EXPECT_STREQ("abc", CString("xxabcxx").Trim('x'));
    EXPECT_STREQ(" xabc", CString(" xabc").TrimLeft('x')) << "only leading x's";
    EXPECT_STREQ("abc", CString("-=+abc+=-").Trim("+-="));
    EXPECT_STREQ("abc+=-", CString("-=+abc+=-").TrimLeft("+-="));
    EXPECT_STREQ("-=+abc", CString("-=+abc+=-").TrimRight("=-+"));
    EXPECT_STREQ("", CString("----").Trim('-'));
    EXPECT_STREQ("keep", CString("keep").Trim(""));
}

/////////////////////////////////////////////////////////////////////////////
// Searching and replacing

TEST(CStringSearch, FindForms)
{
    CString str("abcabc");
    EXPECT_EQ(1, str.Find('b'));
    EXPECT_EQ(4, str.Find('b', 2));
    EXPECT_EQ(-1, str.Find('b', 5));
    EXPECT_EQ(-1, str.Find('b', 100));
    EXPECT_EQ(-1, str.Find('b', -1));
    EXPECT_EQ(-1, str.Find('z'));
    EXPECT_EQ(2, str.Find("ca"));
    EXPECT_EQ(3, str.Find("abc", 1));
    EXPECT_EQ(-1, str.Find("abc", 4));
    EXPECT_EQ(-1, str.Find("abcabcd"));
    EXPECT_EQ(0, str.Find(""));
    EXPECT_EQ(6, str.Find("", 6)) << "the empty string is found at the end";
    EXPECT_EQ(-1, str.Find("", 7));
    EXPECT_EQ(4, str.ReverseFind('b'));
    EXPECT_EQ(-1, str.ReverseFind('z'));
    EXPECT_EQ(2, str.FindOneOf("xyc"));
    EXPECT_EQ(-1, str.FindOneOf("xyz"));
    EXPECT_EQ(-1, CString().ReverseFind('a'));
}

TEST(CStringSearch, ReplaceCharacters)
{
    CString str("a.b.c.");
    EXPECT_EQ(3, str.Replace('.', '/'));
    EXPECT_STREQ("a/b/c/", str);
    EXPECT_EQ(0, str.Replace('/', '/')) << "replacing a character by itself changes nothing";
    EXPECT_STREQ("a/b/c/", str);
}

TEST(CStringSearch, ReplaceStrings)
{
    CString str("aaaa");
    EXPECT_EQ(2, str.Replace("aa", "b")) << "occurrences do not overlap";
    EXPECT_STREQ("bb", str);
    str = "aaa";
    EXPECT_EQ(1, str.Replace("aa", "x"));
    EXPECT_STREQ("xa", str);
    str = "one two one";
    EXPECT_EQ(2, str.Replace("one", "three"));
    EXPECT_STREQ("three two three", str);
    EXPECT_EQ(2, str.Replace("three", ""));
    EXPECT_STREQ(" two ", str);
    EXPECT_EQ(0, str.Replace("", "x")) << "an empty pattern matches nothing";
    EXPECT_EQ(0, str.Replace((LPCSTR)NULL, "x"));
    str = "abab";
    EXPECT_EQ(2, str.Replace("b", "bb")) << "the replacement is not searched again";
    EXPECT_STREQ("abbabb", str);
    str = "x";
    EXPECT_EQ(1, str.Replace("x", (LPCSTR)NULL));
    EXPECT_TRUE(str.IsEmpty());
    CString strNul("a\0a", 3);
    EXPECT_EQ(2, strNul.Replace("a", "bc")) << "text after an embedded zero is replaced too";
    EXPECT_EQ(5, strNul.GetLength());
    EXPECT_EQ(0, memcmp("bc\0bc", (LPCSTR)strNul, 5));
}

TEST(CStringSearch, RemoveInsertDelete)
{
    CString str("a-b-c");
    EXPECT_EQ(2, str.Remove('-'));
    EXPECT_STREQ("abc", str);
    EXPECT_EQ(0, str.Remove('-'));
    EXPECT_EQ(4, str.Insert(1, 'X'));
    EXPECT_STREQ("aXbc", str);
    EXPECT_EQ(7, str.Insert(100, "end")) << "an index past the end appends";
    EXPECT_EQ(9, str.Insert(-5, "<<")) << "a negative index inserts at the start";
    EXPECT_STREQ("<<aXbcend", str);
    EXPECT_EQ(7, str.Delete(0, 2));
    EXPECT_STREQ("aXbcend", str);
    EXPECT_EQ(3, str.Delete(3, 100)) << "a count past the end deletes the rest";
    EXPECT_STREQ("aXb", str);
    EXPECT_EQ(3, str.Delete(5));
    EXPECT_EQ(2, str.Delete(-3));
    EXPECT_STREQ("Xb", str);
}

/////////////////////////////////////////////////////////////////////////////
// Extraction

TEST(CStringExtract, MidLeftRightClampTheirArguments)
{
    CString str("0123456789");
    EXPECT_STREQ("345", str.Mid(3, 3));
    EXPECT_STREQ("3456789", str.Mid(3));
    EXPECT_STREQ("89", str.Mid(8, 10));
    EXPECT_STREQ("", str.Mid(10));
    EXPECT_STREQ("", str.Mid(11, 2));
    EXPECT_STREQ("01", str.Mid(-5, 2));
    EXPECT_STREQ("", str.Mid(2, -1));
    EXPECT_STREQ("012", str.Left(3));
    EXPECT_STREQ("", str.Left(-1));
    EXPECT_STREQ("789", str.Right(3));
    EXPECT_STREQ("0123456789", str.Right(50));
    EXPECT_STREQ("", CString().Mid(0, 5));
}

TEST(CStringExtract, SpansAndTokens)
{
    CString str("1234abc567");
    EXPECT_STREQ("1234", str.SpanIncluding("0123456789"));
    EXPECT_STREQ("", str.SpanIncluding("abc"));
    EXPECT_STREQ("1234", str.SpanExcluding("cba"));
    EXPECT_STREQ("1234abc567", str.SpanExcluding("xyz"));

    CString strList(" ,alpha, beta,,gamma , ");
    int iStart = 0;
    std::string strTokens;
    for (CString strToken = strList.Tokenize(", ", iStart); iStart != -1 && strTokens.size() < 100;
        strToken = strList.Tokenize(", ", iStart))
        strTokens += std::string(strToken) + "|";
    EXPECT_EQ("alpha|beta|gamma|", strTokens);

    iStart = 100;
    EXPECT_TRUE(strList.Tokenize(",", iStart).IsEmpty());
    EXPECT_EQ(-1, iStart);
    iStart = -1;
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { strList.Tokenize(",", iStart); }));
    iStart = 1;
    EXPECT_STREQ(",alpha, beta,,gamma , ", strList.Tokenize("", iStart));
    EXPECT_TRUE(strList.Tokenize("", iStart).IsEmpty());
    EXPECT_EQ(-1, iStart) << "a token list without delimiters ends after the rest";
}

TEST(CStringExtract, ExtractSubString)
{
    CString str;
    const char* rgExpected[] = { "zero", "one", "", "three" };
    for (int i = 0; i < 4; i++)
    {
        EXPECT_TRUE(AfxExtractSubString(str, "zero\none\n\nthree", i));
        EXPECT_STREQ(rgExpected[i], str) << i;
    }
    EXPECT_FALSE(AfxExtractSubString(str, "zero\none\n\nthree", 4));
    EXPECT_TRUE(str.IsEmpty());
    EXPECT_TRUE(AfxExtractSubString(str, "a|b", 0, '|'));
    EXPECT_STREQ("a", str);
    EXPECT_FALSE(AfxExtractSubString(str, "a|b", -1, '|'));
    EXPECT_FALSE(AfxExtractSubString(str, NULL, 0));
}

/////////////////////////////////////////////////////////////////////////////
// Direct buffer access

TEST(CStringBuffer, GetBufferAndRelease)
{
    CString str;
    LPSTR lpsz = str.GetBuffer(20);
    strcpy(lpsz, "written");
    str.ReleaseBuffer();
    EXPECT_STREQ("written", str);
    EXPECT_EQ(7, str.GetLength());

    lpsz = str.GetBuffer(3);
    EXPECT_STREQ("written", lpsz) << "the buffer keeps the current text";
    str.ReleaseBuffer(3);
    EXPECT_STREQ("wri", str);
    EXPECT_EQ(3, str.GetLength());

    lpsz = str.GetBufferSetLength(5);
    memcpy(lpsz, "12345", 5);
    EXPECT_EQ(5, str.GetLength());
    EXPECT_STREQ("12345", str);

    lpsz = str.GetBuffer(200);
    EXPECT_GE(str.GetAllocLength(), 200);
    memset(lpsz, 'z', 100);
    lpsz[100] = '\0';
    str.ReleaseBuffer();
    EXPECT_EQ(100, str.GetLength());
    str.FreeExtra();
    EXPECT_EQ(100, str.GetAllocLength());
    EXPECT_EQ(100, (int)strlen(str));

    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { str.ReleaseBuffer(1000); }));
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { str.GetBuffer(-1); }));
}

TEST(CStringBuffer, GetBufferOnASharedStringUnshares)
{
    CString strOriginal("shared text");
    CString strCopy = strOriginal;
    LPSTR lpsz = strCopy.GetBuffer(4);
    EXPECT_NE((LPCSTR)strOriginal, lpsz);
    lpsz[0] = 'S';
    strCopy.ReleaseBuffer();
    EXPECT_STREQ("shared text", strOriginal);
    EXPECT_STREQ("Shared text", strCopy);
    strCopy.Truncate(6);
    EXPECT_STREQ("Shared", strCopy);
    EXPECT_TRUE(ThrowsFx<CInvalidArgException>([&] { strCopy.Truncate(7); }));
}

/////////////////////////////////////////////////////////////////////////////
// String resources

namespace
{

// A copy of this program with a string table block added, loaded as a data file: it holds
// strings of chosen lengths at IDs 4320..4335.
class CStringModule
{
public:
    static const UINT nFirstID = 4320;

    explicit CStringModule(const int* pnLengths, int nCount) : m_hModule(NULL)
    {
        char szSelf[MAX_PATH];
        ::GetModuleFileNameA(NULL, szSelf, MAX_PATH);
        m_strPath = std::string(m_dir.GetPath()) + "\\strings.dll";
        if (!m_dir.IsValid() || !::CopyFileA(szSelf, m_strPath.c_str(), FALSE))
            return;
        std::wstring strBlock;
        for (int i = 0; i < 16; i++)
        {
            int nLength = i < nCount ? pnLengths[i] : 0;
            strBlock.push_back((wchar_t)nLength);
            for (int j = 0; j < nLength; j++)
                strBlock.push_back((wchar_t)(L'a' + (i + j) % 26));
        }
        HANDLE hUpdate = ::BeginUpdateResourceA(m_strPath.c_str(), FALSE);
        if (hUpdate == NULL)
            return;
        BOOL bOK = ::UpdateResourceA(hUpdate, RT_STRING, MAKEINTRESOURCEA(nFirstID / 16 + 1),
            MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), (void*)strBlock.data(),
            (DWORD)(strBlock.size() * sizeof(wchar_t)));
        if (!::EndUpdateResourceA(hUpdate, !bOK) || !bOK)
            return;
        m_hModule = ::LoadLibraryExA(m_strPath.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~CStringModule()
    {
        if (m_hModule != NULL)
            ::FreeLibrary(m_hModule);
    }
    HINSTANCE GetHandle() const { return m_hModule; }
    static std::string Expected(int nIndex, int nLength)
    {
        std::string str;
        for (int j = 0; j < nLength; j++)
            str.push_back((char)('a' + (nIndex + j) % 26));
        return str;
    }

private:
    CTestTempDir m_dir;
    std::string m_strPath;
    HMODULE m_hModule;
};

const UINT IDS_APP_STRING = 4300;       // "application string" in the test program's resources

} // namespace

TEST(CStringResource, LoadsFromTheResourceChain)
{
    CString str;
    ASSERT_TRUE(str.LoadString(IDS_APP_STRING));
    EXPECT_STREQ("application string", str);
    CString strFromID(MAKEINTRESOURCE(IDS_APP_STRING));
    EXPECT_STREQ("application string", strFromID);
    str.Format(IDS_APP_STRING);
    EXPECT_STREQ("application string", str);

    str = "previous";
    EXPECT_FALSE(str.LoadString(4399));
    EXPECT_TRUE(str.IsEmpty()) << "a missing string leaves the CString empty";
}

TEST(CStringResource, LoadsStringsOfAnyLength)
{
    const int rgLengths[] = { 1, 254, 255, 256, 511, 600, 5000 };
    const int nCount = (int)(sizeof(rgLengths) / sizeof(rgLengths[0]));
    CStringModule module(rgLengths, nCount);
    ASSERT_TRUE(module.GetHandle() != NULL) << "could not build the string module";
    for (int i = 0; i < nCount; i++)
    {
        CString str;
        ASSERT_TRUE(str.LoadString(module.GetHandle(), CStringModule::nFirstID + i)) << rgLengths[i];
        EXPECT_EQ(rgLengths[i], str.GetLength());
        EXPECT_EQ(CStringModule::Expected(i, rgLengths[i]), std::string(str)) << rgLengths[i];
    }
    CString str("old");
    EXPECT_FALSE(str.LoadString(module.GetHandle(), CStringModule::nFirstID + nCount));
    EXPECT_TRUE(str.IsEmpty());

    // the current resource module is the first place the chain looks
    HINSTANCE hOld = AfxGetResourceHandle();
    AfxSetResourceHandle(module.GetHandle());
    BOOL bLoaded = str.LoadString(CStringModule::nFirstID + 6);
    AfxSetResourceHandle(hOld);
    EXPECT_TRUE(bLoaded);
    EXPECT_EQ(5000, str.GetLength());
}

/////////////////////////////////////////////////////////////////////////////
// OLE strings

TEST(CStringBstr, AllocAndSetSysString)
{
    CString str("text for OLE");
    BSTR bstr = str.AllocSysString();
    ASSERT_TRUE(bstr != NULL);
    EXPECT_EQ(12u, ::SysStringLen(bstr));
    EXPECT_EQ(0, wcscmp(L"text for OLE", bstr));

    CString strShort("ab");
    strShort.SetSysString(&bstr);
    EXPECT_EQ(2u, ::SysStringLen(bstr));
    EXPECT_EQ(0, wcscmp(L"ab", bstr));
    ::SysFreeString(bstr);

    BSTR bstrEmpty = CString().AllocSysString();
    ASSERT_TRUE(bstrEmpty != NULL) << "an empty string is an empty BSTR, not NULL";
    EXPECT_EQ(0u, ::SysStringLen(bstrEmpty));
    ::SysFreeString(bstrEmpty);
}
