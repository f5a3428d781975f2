// Files and archives: CFile errors and I/O, CMemFile, CStdioFile line I/O, archive round trips
// of values, strings (with their length prefixes), objects (class tags, back references,
// schemas) and collections.
#include <afx.h>
#include <afxtempl.h>
#include <gtest/gtest.h>
#include "fxtest.h"
#include <string>
#include <vector>
#include "wexotest.h"

/////////////////////////////////////////////////////////////////////////////
// Serialisable classes of the tests

class CTestArcNode : public CObject
{
    DECLARE_SERIAL(CTestArcNode)
public:
    CTestArcNode() : m_nValue(0), m_pOther(NULL) {}
    int m_nValue;
    CString m_strName;
    CTestArcNode* m_pOther;

    virtual void Serialize(CArchive& ar)
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
            ar << m_nValue << m_strName << m_pOther;
        else
            ar >> m_nValue >> m_strName >> m_pOther;
    }
};
IMPLEMENT_SERIAL(CTestArcNode, CObject, 1)

// Schema 2 that still reads what schema 1 wrote.
class CTestVersioned : public CObject
{
    DECLARE_SERIAL(CTestVersioned)
public:
    CTestVersioned() : m_nSchemaSeen(0), m_nSecondCall(0), m_wData(0) {}
    UINT m_nSchemaSeen;
    UINT m_nSecondCall;
    WORD m_wData;

    virtual void Serialize(CArchive& ar)
    {
        if (ar.IsStoring())
            ar << m_wData;
        else
        {
            m_nSchemaSeen = ar.GetObjectSchema();
            m_nSecondCall = ar.GetObjectSchema();
            ar >> m_wData;
        }
    }
};
IMPLEMENT_SERIAL(CTestVersioned, CObject, VERSIONABLE_SCHEMA | 2)

class CTestOtherSerial : public CObject
{
    DECLARE_SERIAL(CTestOtherSerial)
};
IMPLEMENT_SERIAL(CTestOtherSerial, CObject, 1)

namespace
{

template<class T, class F>
int FxCause(F f)
{
    try
    {
        f();
    }
    catch (T* e)
    {
        int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    catch (CException* e)
    {
        e->Delete();
        return -100;
    }
    return -200;    // nothing thrown
}


// The bytes a memory file holds, read without moving it.
std::vector<BYTE> Bytes(CMemFile& file)
{
    ULONGLONG nPos = file.GetPosition();
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(&bytes[0], (UINT)bytes.size());
    file.Seek((LONGLONG)nPos, CFile::begin);
    return bytes;
}

void PutBytes(CMemFile& file, const std::vector<BYTE>& bytes)
{
    file.SetLength(0);
    file.Write(&bytes[0], (UINT)bytes.size());
    file.SeekToBegin();
}

std::vector<BYTE> Concat(std::vector<BYTE> a, const char* psz)
{
    a.insert(a.end(), psz, psz + strlen(psz));
    return a;
}

CString Pattern(int nLength)
{
    CString str;
    LPSTR lpsz = str.GetBufferSetLength(nLength);
    for (int i = 0; i < nLength; i++)
        lpsz[i] = (char)('A' + i % 23);
    return str;
}

std::string ReadWholeFile(const char* lpszPath)
{
    CFile file(lpszPath, CFile::modeRead | CFile::shareDenyNone);
    std::string str((size_t)file.GetLength(), '\0');
    if (!str.empty())
        file.Read(&str[0], (UINT)str.size());
    return str;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CFile

TEST(FileOpen, MissingFilesFailWithTheirCause)
{
    CTestTempDir dir;
    ASSERT_TRUE(dir.IsValid());
    std::string strMissing = dir.GetFilePath("missing.txt");

    CFile file;
    CFileException e;
    EXPECT_FALSE(file.Open(strMissing.c_str(), CFile::modeRead, &e));
    EXPECT_EQ(CFileException::fileNotFound, e.m_cause);
    EXPECT_EQ((LONG)ERROR_FILE_NOT_FOUND, e.m_lOsError);
    EXPECT_STREQ(strMissing.c_str(), e.m_strFileName);
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
    EXPECT_FALSE(file.Open(strMissing.c_str(), CFile::modeReadWrite)) << "no exception record is needed";

    std::string strNoFolder = dir.GetFilePath("no such folder\\file.txt");
    EXPECT_FALSE(file.Open(strNoFolder.c_str(), CFile::modeWrite | CFile::modeCreate, &e));
    EXPECT_EQ(CFileException::badPath, e.m_cause);

    EXPECT_EQ(CFileException::fileNotFound,
        FxCause<CFileException>([&] { CFile fileThrows(strMissing.c_str(), CFile::modeRead); }))
        << "the constructor that opens throws instead";
    EXPECT_EQ(CFileException::fileNotFound,
        FxCause<CFileException>([&] { CFile::Remove(strMissing.c_str()); }));
}

TEST(FileOpen, CreateTruncateAndShare)
{
    CTestTempDir dir;
    ASSERT_TRUE(dir.IsValid());
    std::string strPath = dir.GetFilePath("data.bin");
    ASSERT_TRUE(dir.WriteFile("data.bin", "0123456789", 10));

    {
        CFile file(strPath.c_str(), CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate);
        EXPECT_EQ(10u, file.GetLength()) << "modeNoTruncate keeps the contents";
        EXPECT_EQ(0u, file.GetPosition());
        EXPECT_STREQ(strPath.c_str(), file.GetFilePath());
        EXPECT_STREQ("data.bin", file.GetFileName());
    }
    {
        CFile file(strPath.c_str(), CFile::modeWrite | CFile::modeCreate);
        EXPECT_EQ(0u, file.GetLength()) << "modeCreate alone truncates";
        file.Write("abc", 3);
    }
    EXPECT_EQ("abc", ReadWholeFile(strPath.c_str()));

    CFile fileReader(strPath.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    CFile fileWriter;
    CFileException e;
    EXPECT_FALSE(fileWriter.Open(strPath.c_str(), CFile::modeWrite | CFile::shareDenyNone, &e));
    EXPECT_EQ(CFileException::sharingViolation, e.m_cause);
    CFile fileSecondReader;
    EXPECT_TRUE(fileSecondReader.Open(strPath.c_str(), CFile::modeRead | CFile::shareDenyNone));
}

TEST(FileIO, ReadWriteSeekLength)
{
    CTestTempDir dir;
    ASSERT_TRUE(dir.IsValid());
    std::string strPath = dir.GetFilePath("io.bin");
    CFile file(strPath.c_str(), CFile::modeReadWrite | CFile::modeCreate);
    file.Write("hello world", 11);
    EXPECT_EQ(11u, file.GetLength());
    EXPECT_EQ(11u, file.GetPosition());

    char sz[16] = { 0 };
    file.SeekToBegin();
    EXPECT_EQ(5u, file.Read(sz, 5));
    EXPECT_STREQ("hello", sz);
    EXPECT_EQ(6u, file.Seek(-5, CFile::end));
    memset(sz, 0, sizeof(sz));
    EXPECT_EQ(5u, file.Read(sz, 10)) << "a read at the end returns what there is";
    EXPECT_STREQ("world", sz);
    EXPECT_EQ(0u, file.Read(sz, 10));
    EXPECT_EQ(8u, file.Seek(-3, CFile::current));

    file.SetLength(5);
    EXPECT_EQ(5u, file.GetLength());
    EXPECT_EQ(5u, file.SeekToEnd());
    EXPECT_EQ(CFileException::badSeek, FxCause<CFileException>([&] { file.Seek(-1, CFile::begin); }));
    file.Flush();

    file.Close();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
    EXPECT_TRUE(ThrowsFx<CFileException>([&] { file.Read(sz, 1); })) << "reading a closed file";
    EXPECT_EQ("hello", ReadWholeFile(strPath.c_str()));
}

TEST(FileIO, DuplicateSharesThePosition)
{
    CTestTempDir dir;
    ASSERT_TRUE(dir.IsValid());
    CFile file(dir.GetFilePath("dup.bin").c_str(), CFile::modeReadWrite | CFile::modeCreate);
    file.Write("abcdef", 6);
    file.Seek(2, CFile::begin);
    CFile* pDuplicate = file.Duplicate();
    ASSERT_TRUE(pDuplicate != NULL);
    EXPECT_NE(file.m_hFile, pDuplicate->m_hFile);
    char sz[3] = { 0 };
    EXPECT_EQ(2u, pDuplicate->Read(sz, 2));
    EXPECT_STREQ("cd", sz);
    EXPECT_EQ(4u, file.GetPosition()) << "both handles stand on one open file";
    delete pDuplicate;
    EXPECT_EQ(2u, file.Read(sz, 2)) << "deleting the duplicate leaves the original open";
    EXPECT_STREQ("ef", sz);
}

TEST(FileIO, RenameAndRemove)
{
    CTestTempDir dir;
    ASSERT_TRUE(dir.IsValid());
    ASSERT_TRUE(dir.WriteFile("old.txt", "x", 1));
    std::string strOld = dir.GetFilePath("old.txt");
    std::string strNew = dir.GetFilePath("new.txt");
    CFile::Rename(strOld.c_str(), strNew.c_str());
    CFile file;
    EXPECT_FALSE(file.Open(strOld.c_str(), CFile::modeRead));
    EXPECT_EQ("x", ReadWholeFile(strNew.c_str()));
    EXPECT_EQ(CFileException::fileNotFound,
        FxCause<CFileException>([&] { CFile::Rename(strOld.c_str(), strNew.c_str()); }));
    CFile::Remove(strNew.c_str());
    EXPECT_FALSE(file.Open(strNew.c_str(), CFile::modeRead));
}

/////////////////////////////////////////////////////////////////////////////
// CMemFile

TEST(MemFile, GrowsAndFillsGapsWithZeros)
{
    CMemFile file(16);
    std::vector<BYTE> data(100, 0xAB);
    file.Write(&data[0], 100);
    EXPECT_EQ(100u, file.GetLength());
    EXPECT_EQ(200u, file.Seek(200, CFile::begin)) << "seeking past the end is allowed";
    BYTE by = 0xCD;
    file.Write(&by, 1);
    EXPECT_EQ(201u, file.GetLength());
    std::vector<BYTE> bytes = Bytes(file);
    EXPECT_EQ(0xAB, bytes[99]);
    EXPECT_EQ(std::vector<BYTE>(100, 0), std::vector<BYTE>(bytes.begin() + 100, bytes.begin() + 200));
    EXPECT_EQ(0xCD, bytes[200]);

    file.SetLength(50);
    EXPECT_EQ(50u, file.GetPosition()) << "shrinking moves the position back inside";
    file.SetLength(60);
    bytes = Bytes(file);
    EXPECT_EQ(std::vector<BYTE>(10, 0), std::vector<BYTE>(bytes.begin() + 50, bytes.end()));
    EXPECT_EQ(CFileException::badSeek, FxCause<CFileException>([&] { file.Seek(-61, CFile::end); }));

    BYTE* pData = file.Detach();
    ASSERT_TRUE(pData != NULL);
    EXPECT_EQ(0xAB, pData[0]);
    EXPECT_EQ(0u, file.GetLength());
    free(pData);
}

TEST(MemFile, AttachedBlocks)
{
    BYTE rgFixed[8] = { 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h' };
    CMemFile fileFixed(rgFixed, sizeof(rgFixed));
    EXPECT_EQ(8u, fileFixed.GetLength()) << "a fixed block is the file's content";
    char sz[9] = { 0 };
    EXPECT_EQ(8u, fileFixed.Read(sz, 20));
    EXPECT_STREQ("abcdefgh", sz);
    fileFixed.SeekToBegin();
    fileFixed.Write("XY", 2);
    EXPECT_EQ('X', rgFixed[0]) << "writes go to the caller's block";
    fileFixed.SeekToEnd();
    EXPECT_TRUE(ThrowsFx<CMemoryException>([&] { fileFixed.Write("!", 1); })) << "a fixed block cannot grow";
    EXPECT_EQ(rgFixed, fileFixed.Detach());

    BYTE* pBlock = (BYTE*)malloc(4);
    CMemFile fileGrowing;
    fileGrowing.Attach(pBlock, 4, 16);
    EXPECT_EQ(0u, fileGrowing.GetLength()) << "a growable block starts empty";
    fileGrowing.Write("0123456789", 10);
    EXPECT_EQ(10u, fileGrowing.GetLength());
    BYTE* pGrown = fileGrowing.Detach();
    EXPECT_EQ(0, memcmp(pGrown, "0123456789", 10));
    free(pGrown);
}

/////////////////////////////////////////////////////////////////////////////
// CStdioFile

TEST(StdioFile, TextLines)
{
    CTestTempDir dir;
    ASSERT_TRUE(dir.IsValid());
    std::string strPath = dir.GetFilePath("lines.txt");
    {
        CStdioFile file(strPath.c_str(), CFile::modeWrite | CFile::modeCreate | CFile::typeText);
        file.WriteString("first\nsecond\n\n");
        file.WriteString(std::string(300, 'L').c_str());
        file.WriteString("\nlast");
    }
    EXPECT_EQ("first\r\nsecond\r\n\r\n" + std::string(300, 'L') + "\r\nlast", ReadWholeFile(strPath.c_str()))
        << "text mode writes CR LF";

    CStdioFile file;
    ASSERT_TRUE(file.Open(strPath.c_str(), CFile::modeRead | CFile::typeText));
    CString strLine;
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_STREQ("first", strLine);
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_STREQ("second", strLine);
    ASSERT_TRUE(file.ReadString(strLine)) << "an empty line is a line";
    EXPECT_STREQ("", strLine);
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_EQ(300, strLine.GetLength());
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_STREQ("last", strLine);
    EXPECT_FALSE(file.ReadString(strLine));
    EXPECT_TRUE(strLine.IsEmpty());

    file.SeekToBegin();
    char sz[32];
    EXPECT_STREQ("first\n", file.ReadString(sz, sizeof(sz))) << "the buffer form keeps the line end";
    file.Close();

    CStdioFile fileBinary(strPath.c_str(), CFile::modeRead | CFile::typeBinary);
    ASSERT_TRUE(fileBinary.ReadString(strLine));
    EXPECT_STREQ("first\r", strLine) << "binary mode leaves the CR";
}

/////////////////////////////////////////////////////////////////////////////
// Archives: values

TEST(ArchiveValues, RoundTripOfEveryScalarType)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << (BYTE)0xFE << (WORD)0xBEEF << (LONG)-123456 << (DWORD)0xDEADBEEF << (int)INT_MIN
           << (UINT)UINT_MAX << (short)-2 << 'c' << 1.5f << -2.25 << (LONGLONG)-1234567890123LL
           << (ULONGLONG)0xFEDCBA9876543210ULL << true << false << L'W';
        ar.Close();
    }
    EXPECT_EQ(1u + 2 + 4 + 4 + 4 + 4 + 2 + 1 + 4 + 8 + 8 + 8 + 1 + 1 + 2, file.GetLength());
    std::vector<BYTE> bytes = Bytes(file);
    EXPECT_EQ((std::vector<BYTE>{ 0xFE, 0xEF, 0xBE }), std::vector<BYTE>(bytes.begin(), bytes.begin() + 3))
        << "little-endian, no padding";
    EXPECT_EQ(1, bytes[bytes.size() - 4]) << "true is one byte 1";

    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    BYTE by; WORD w; LONG l; DWORD dw; int i; UINT u; short s; char ch; float f; double d;
    LONGLONG ll; ULONGLONG ull; bool b1, b2; wchar_t wch;
    ar >> by >> w >> l >> dw >> i >> u >> s >> ch >> f >> d >> ll >> ull >> b1 >> b2 >> wch;
    EXPECT_EQ(0xFE, by);
    EXPECT_EQ(0xBEEF, w);
    EXPECT_EQ(-123456, l);
    EXPECT_EQ(0xDEADBEEFu, dw);
    EXPECT_EQ(INT_MIN, i);
    EXPECT_EQ(UINT_MAX, u);
    EXPECT_EQ(-2, s);
    EXPECT_EQ('c', ch);
    EXPECT_EQ(1.5f, f);
    EXPECT_EQ(-2.25, d);
    EXPECT_EQ(-1234567890123LL, ll);
    EXPECT_EQ(0xFEDCBA9876543210ULL, ull);
    EXPECT_TRUE(b1);
    EXPECT_FALSE(b2);
    EXPECT_EQ(L'W', wch);
    EXPECT_EQ(CArchiveException::endOfFile, FxCause<CArchiveException>([&] { ar >> by; }));
}

TEST(ArchiveValues, DirectionIsEnforced)
{
    CMemFile file;
    CArchive arStore(&file, CArchive::store);
    int n = 0;
    EXPECT_EQ(CArchiveException::writeOnly, FxCause<CArchiveException>([&] { arStore >> n; }));
    arStore << 5;
    arStore.Close();
    file.SeekToBegin();
    CArchive arLoad(&file, CArchive::load);
    EXPECT_EQ(CArchiveException::readOnly, FxCause<CArchiveException>([&] { arLoad << 5; }));
    arLoad >> n;
    EXPECT_EQ(5, n);
}

TEST(ArchiveValues, BufferingOverARealFile)
{
    CTestTempDir dir;
    ASSERT_TRUE(dir.IsValid());
    std::string strPath = dir.GetFilePath("archive.bin");
    CFile file(strPath.c_str(), CFile::modeReadWrite | CFile::modeCreate);
    {
        CArchive ar(&file, CArchive::store);
        ar << (DWORD)1;
        EXPECT_EQ(0u, file.GetLength()) << "values wait in the buffer";
        ar.Flush();
        EXPECT_EQ(4u, file.GetLength());
        std::vector<BYTE> big(10000, 7);
        ar.Write(&big[0], (UINT)big.size());
        ar << (WORD)2;
    }   // the destructor closes the archive and writes the rest
    EXPECT_EQ(4u + 10000 + 2, file.GetLength());

    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load, 256);
        DWORD dw;
        ar >> dw;
        EXPECT_EQ(1u, dw);
        std::vector<BYTE> big(10000);
        EXPECT_EQ(10000u, ar.Read(&big[0], 10000));
        EXPECT_EQ(std::vector<BYTE>(10000, 7), big);
        ar.Close();
        EXPECT_EQ(4u + 10000, file.GetPosition()) << "bytes read ahead are given back on close";
    }
    WORD w;
    EXPECT_EQ(2u, file.Read(&w, 2));
    EXPECT_EQ(2, w);
}

TEST(ArchiveValues, GeometryAndCounts)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CRect(1, 2, 3, 4) << CPoint(-5, 6) << CSize(7, -8);
        ar.WriteCount(3);
        ar.WriteCount(0xFFFE);
        ar.WriteCount(0xFFFF);
        ar.WriteCount(0x123456789ULL);
    }
    EXPECT_EQ(16u + 8 + 8 + 2 + 2 + 6 + 14, file.GetLength());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CRect rect;
    CPoint point;
    CSize size;
    ar >> rect >> point >> size;
    EXPECT_TRUE(rect == CRect(1, 2, 3, 4));
    EXPECT_TRUE(point == CPoint(-5, 6));
    EXPECT_TRUE(size == CSize(7, -8));
    EXPECT_EQ(3u, ar.ReadCount());
    EXPECT_EQ(0xFFFEu, ar.ReadCount());
    EXPECT_EQ(0xFFFFu, ar.ReadCount());
    EXPECT_EQ(0x123456789ULL, (ULONGLONG)ar.ReadCount());
}

/////////////////////////////////////////////////////////////////////////////
// Archives: strings

// Below 255 one length byte; then 0xFF and a word below 0xFFFE; then 0xFF, 0xFFFF and a
// double word.
TEST(ArchiveStrings, LengthPrefixes)
{
    const int rgLengths[] = { 0, 1, 254, 255, 300, 65533, 65534, 65535, 70000 };
    for (int nLength : rgLengths)
    {
        CMemFile file;
        CString str = Pattern(nLength);
        {
            CArchive ar(&file, CArchive::store);
            ar << str;
        }
        std::vector<BYTE> bytes = Bytes(file);
        size_t nPrefix = nLength < 255 ? 1 : (nLength < 0xFFFE ? 3 : 7);
        ASSERT_EQ(nPrefix + nLength, bytes.size()) << nLength;
        if (nPrefix == 1)
            EXPECT_EQ(nLength, bytes[0]);
        else if (nPrefix == 3)
            EXPECT_EQ((std::vector<BYTE>{ 0xFF, (BYTE)nLength, (BYTE)(nLength >> 8) }),
                std::vector<BYTE>(bytes.begin(), bytes.begin() + 3)) << nLength;
        else
            EXPECT_EQ((std::vector<BYTE>{ 0xFF, 0xFF, 0xFF, (BYTE)nLength, (BYTE)(nLength >> 8), (BYTE)(nLength >> 16), 0 }),
                std::vector<BYTE>(bytes.begin(), bytes.begin() + 7)) << nLength;

        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        CString strRead("previous");
        ar >> strRead;
        EXPECT_EQ(nLength, strRead.GetLength());
        EXPECT_TRUE(strRead == str) << nLength;
    }
}

TEST(ArchiveStrings, SequencesAndOtherForms)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        for (int nLength : { 300, 0, 254, 70000, 255 })
            ar << Pattern(nLength);
        ar << "literal";
        ar.WriteString("line one\r\nline two\nline three");
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    for (int nLength : { 300, 0, 254, 70000, 255 })
    {
        CString str;
        ar >> str;
        EXPECT_TRUE(str == Pattern(nLength)) << nLength;
    }
    CString str;
    ar >> str;
    EXPECT_STREQ("literal", str) << "a C string is stored like a CString";
    EXPECT_TRUE(ar.ReadString(str));
    EXPECT_STREQ("line one", str);
    char sz[5];
    EXPECT_STREQ("line", ar.ReadString(sz, sizeof(sz))) << "the buffer form stops one short of its size";
    EXPECT_TRUE(ar.ReadString(str));
    EXPECT_STREQ(" two", str);
    EXPECT_TRUE(ar.ReadString(str));
    EXPECT_STREQ("line three", str);
    EXPECT_FALSE(ar.ReadString(str));
    EXPECT_TRUE(ar.ReadString(sz, sizeof(sz)) == NULL);
}

TEST(ArchiveStrings, WideStringsAndDamage)
{
    CMemFile file;
    PutBytes(file, { 0xFF, 0xFE, 0xFF, 3, 'a', 0, 'b', 0, 'c', 0 });
    {
        CArchive ar(&file, CArchive::load);
        CString str;
        ar >> str;
        EXPECT_STREQ("abc", str) << "a wide-character string is converted";
    }
    PutBytes(file, { 10, 'a', 'b' });
    {
        CArchive ar(&file, CArchive::load);
        CString str;
        EXPECT_EQ(CArchiveException::endOfFile, FxCause<CArchiveException>([&] { ar >> str; }));
    }
}

/////////////////////////////////////////////////////////////////////////////
// Archives: objects

TEST(ArchiveObjects, ClassTagsAndBackReferences)
{
    CTestArcNode nodeA, nodeB;
    nodeA.m_nValue = 1;
    nodeA.m_strName = "a";
    nodeA.m_pOther = &nodeB;
    nodeB.m_nValue = 2;
    nodeB.m_strName = "b";
    nodeB.m_pOther = &nodeA;

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << &nodeA << &nodeB << (CObject*)NULL << &nodeA;
    }

    // new class 0xFFFF, schema 1, name; A's data; B with the class index (0x8000 | 1) and its
    // data, whose pointer to A is A's object index 2; then B (3), NULL (0) and A (2) again.
    std::vector<BYTE> expected = Concat({ 0xFF, 0xFF, 1, 0, 12, 0 }, "CTestArcNode");
    std::vector<BYTE> tail = { 1, 0, 0, 0, 1, 'a', 0x01, 0x80, 2, 0, 0, 0, 1, 'b', 2, 0, 3, 0, 0, 0, 2, 0 };
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(expected, Bytes(file));

    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CObject *p1, *p2, *p3, *p4;
    ar >> p1 >> p2 >> p3 >> p4;
    ASSERT_TRUE(p1 != NULL && p2 != NULL);
    ASSERT_TRUE(p1->IsKindOf(RUNTIME_CLASS(CTestArcNode)));
    CTestArcNode* pA = (CTestArcNode*)p1;
    CTestArcNode* pB = (CTestArcNode*)p2;
    EXPECT_EQ(1, pA->m_nValue);
    EXPECT_STREQ("a", pA->m_strName);
    EXPECT_EQ(pB, pA->m_pOther) << "the reference inside A is the object read next";
    EXPECT_EQ(pA, pB->m_pOther) << "the back reference is the first object, not a copy";
    EXPECT_STREQ("b", pB->m_strName);
    EXPECT_TRUE(p3 == NULL);
    EXPECT_EQ(p1, p4);
    delete pA;
    delete pB;
}

TEST(ArchiveObjects, TypedReadsAndWrongClasses)
{
    CTestArcNode node;
    node.m_nValue = 7;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << &node;
    }
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        CTestArcNode* pNode = NULL;
        ar >> pNode;
        ASSERT_TRUE(pNode != NULL);
        EXPECT_EQ(7, pNode->m_nValue);
        delete pNode;
    }
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        EXPECT_EQ(CArchiveException::badClass,
            FxCause<CArchiveException>([&] { ar.ReadObject(RUNTIME_CLASS(CTestOtherSerial)); }));
    }

    // an unregistered class, another schema of a class that is not versionable, references to
    // an object and to a class never read, and a class tag whose object data is missing
    const struct { std::vector<BYTE> bytes; int nCause; } rgDamaged[] = {
        { Concat({ 0xFF, 0xFF, 1, 0, 7, 0 }, "CNoSuch"), CArchiveException::badClass },
        { Concat({ 0xFF, 0xFF, 5, 0, 12, 0 }, "CTestArcNode"), CArchiveException::badSchema },
        { { 5, 0 }, CArchiveException::badIndex },
        { { 0x02, 0x80 }, CArchiveException::badIndex },
        { Concat({ 0xFF, 0xFF, 1, 0, 12, 0 }, "CTestArcNode"), CArchiveException::endOfFile },
    };
    for (const auto& damaged : rgDamaged)
    {
        PutBytes(file, damaged.bytes);
        CArchive ar(&file, CArchive::load);
        EXPECT_EQ(damaged.nCause, FxCause<CArchiveException>([&] { ar.ReadObject(NULL); })) << damaged.bytes.size();
    }
    {
        CArchive ar(&file, CArchive::store);
        CPtrArray arrNotSerial;
        EXPECT_TRUE(ThrowsFx<CNotSupportedException>([&] { ar << &arrNotSerial; }));
        ar.Abort();
    }
}

TEST(ArchiveObjects, VersionableSchema)
{
    CTestVersioned object;
    object.m_wData = 0x1234;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << &object;
    }
    std::vector<BYTE> bytes = Bytes(file);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(2, bytes[2]) << "the schema is stored without the versionable flag";
    EXPECT_EQ(0, bytes[3]);

    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        CTestVersioned* pRead = (CTestVersioned*)ar.ReadObject(RUNTIME_CLASS(CTestVersioned));
        ASSERT_TRUE(pRead != NULL);
        EXPECT_EQ(2u, pRead->m_nSchemaSeen);
        EXPECT_EQ((UINT)-1, pRead->m_nSecondCall) << "the schema is handed out once per object";
        EXPECT_EQ(0x1234, pRead->m_wData);
        delete pRead;
    }

    // what the previous version (schema 1) wrote
    std::vector<BYTE> old = Concat({ 0xFF, 0xFF, 1, 0, 14, 0 }, "CTestVersioned");
    old.push_back(0x78);
    old.push_back(0x56);
    PutBytes(file, old);
    {
        CArchive ar(&file, CArchive::load);
        CTestVersioned* pRead = (CTestVersioned*)ar.ReadObject(RUNTIME_CLASS(CTestVersioned));
        ASSERT_TRUE(pRead != NULL);
        EXPECT_EQ(1u, pRead->m_nSchemaSeen);
        EXPECT_EQ(0x5678, pRead->m_wData);
        delete pRead;
    }
}

TEST(ArchiveObjects, ClassReferencesWithoutObjects)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.SerializeClass(RUNTIME_CLASS(CTestArcNode));
        ar.WriteClass(RUNTIME_CLASS(CTestArcNode));
    }
    EXPECT_EQ(Concat({ 0xFF, 0xFF, 1, 0, 12, 0 }, "CTestArcNode\x01\x80"), Bytes(file));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    ar.SerializeClass(RUNTIME_CLASS(CTestArcNode));
    EXPECT_EQ(1u, ar.GetObjectSchema());
    UINT nSchema = 0;
    EXPECT_EQ(RUNTIME_CLASS(CTestArcNode), ar.ReadClass(RUNTIME_CLASS(CTestArcNode), &nSchema));
    EXPECT_EQ(1u, nSchema);
}

/////////////////////////////////////////////////////////////////////////////
// Archives: collections

TEST(ArchiveCollections, RoundTrip)
{
    CTestArcNode node;
    node.m_nValue = 5;
    CStringArray arrStrings;
    arrStrings.Add("one");
    arrStrings.Add("");
    arrStrings.Add(Pattern(300));
    CDWordArray arrDwords;
    arrDwords.Add(0x01020304);
    arrDwords.Add(0xFFFFFFFF);
    CObArray arrObjects;
    arrObjects.Add(&node);
    arrObjects.Add(NULL);
    arrObjects.Add(&node);
    CStringList listStrings;
    listStrings.AddTail("head");
    listStrings.AddTail("tail");
    CMapStringToString mapStrings;
    mapStrings["k1"] = "v1";
    mapStrings["k2"] = "v2";
    CMapStringToOb mapObjects;
    mapObjects["node"] = &node;
    CMap<int, int, double, double> mapTemplate;
    mapTemplate[3] = 0.5;

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        arrStrings.Serialize(ar);
        arrDwords.Serialize(ar);
        arrObjects.Serialize(ar);
        listStrings.Serialize(ar);
        mapStrings.Serialize(ar);
        mapObjects.Serialize(ar);
        mapTemplate.Serialize(ar);
    }
    std::vector<BYTE> bytes = Bytes(file);
    EXPECT_EQ((std::vector<BYTE>{ 3, 0, 3, 'o', 'n', 'e', 0 }), std::vector<BYTE>(bytes.begin(), bytes.begin() + 7))
        << "a word count, then the elements";

    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CStringArray arrStrings2;
    arrStrings2.Add("stale");
    arrStrings2.Serialize(ar);
    ASSERT_EQ(3, arrStrings2.GetSize());
    EXPECT_STREQ("one", arrStrings2[0]);
    EXPECT_STREQ("", arrStrings2[1]);
    EXPECT_TRUE(arrStrings2[2] == Pattern(300));
    CDWordArray arrDwords2;
    arrDwords2.Serialize(ar);
    ASSERT_EQ(2, arrDwords2.GetSize());
    EXPECT_EQ(0x01020304u, arrDwords2[0]);
    EXPECT_EQ(0xFFFFFFFFu, arrDwords2[1]);
    CObArray arrObjects2;
    arrObjects2.Serialize(ar);
    ASSERT_EQ(3, arrObjects2.GetSize());
    ASSERT_TRUE(arrObjects2[0] != NULL);
    EXPECT_EQ(5, ((CTestArcNode*)arrObjects2[0])->m_nValue);
    EXPECT_TRUE(arrObjects2[1] == NULL);
    EXPECT_EQ(arrObjects2[0], arrObjects2[2]) << "one object stored twice is read once";
    CStringList listStrings2;
    listStrings2.Serialize(ar);
    ASSERT_EQ(2, listStrings2.GetCount());
    EXPECT_STREQ("head", listStrings2.GetHead());
    EXPECT_STREQ("tail", listStrings2.GetTail());
    CMapStringToString mapStrings2;
    mapStrings2.Serialize(ar);
    EXPECT_EQ(2, mapStrings2.GetCount());
    EXPECT_STREQ("v2", mapStrings2["k2"]);
    CMapStringToOb mapObjects2;
    mapObjects2.Serialize(ar);
    CObject* pObject = NULL;
    EXPECT_TRUE(mapObjects2.Lookup("node", pObject));
    EXPECT_EQ(arrObjects2[0], pObject) << "the archive knows the object from the array";
    CMap<int, int, double, double> mapTemplate2;
    mapTemplate2.Serialize(ar);
    EXPECT_EQ(0.5, mapTemplate2[3]);
    delete arrObjects2[0];
}
