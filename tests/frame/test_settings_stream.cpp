// The stream form of a string array: lines ended by line feeds, over a real IStream.
#include "settings_test.h"

using Strings = std::vector<std::string>;

namespace
{

// A stream over memory that fails every read or write once a number of bytes went through.
class CFailingStream : public IStream
{
public:
    CFailingStream(IStream* pInner, ULONG nReadLimit, ULONG nWriteLimit)
        : m_pInner(pInner), m_nReadLeft(nReadLimit), m_nWriteLeft(nWriteLimit) {}
    virtual ~CFailingStream() { m_pInner->Release(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IStream || riid == IID_ISequentialStream)
        {
            *ppv = static_cast<IStream*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG n = --m_nRefs;
        if (n == 0)
            delete this;
        return n;
    }
    HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override
    {
        if (cb > m_nReadLeft)
            return STG_E_READFAULT;
        m_nReadLeft -= cb;
        return m_pInner->Read(pv, cb, pcbRead);
    }
    HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override
    {
        if (cb > m_nWriteLeft)
        {
            if (pcbWritten != NULL)
                *pcbWritten = 0;
            return STG_E_MEDIUMFULL;
        }
        m_nWriteLeft -= cb;
        return m_pInner->Write(pv, cb, pcbWritten);
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) override
        { return m_pInner->Seek(dlibMove, dwOrigin, plibNewPosition); }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER libNewSize) override { return m_pInner->SetSize(libNewSize); }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead, ULARGE_INTEGER* pcbWritten) override
        { return m_pInner->CopyTo(pstm, cb, pcbRead, pcbWritten); }
    HRESULT STDMETHODCALLTYPE Commit(DWORD grfCommitFlags) override { return m_pInner->Commit(grfCommitFlags); }
    HRESULT STDMETHODCALLTYPE Revert() override { return m_pInner->Revert(); }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER o, ULARGE_INTEGER cb, DWORD t) override
        { return m_pInner->LockRegion(o, cb, t); }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER o, ULARGE_INTEGER cb, DWORD t) override
        { return m_pInner->UnlockRegion(o, cb, t); }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* pstatstg, DWORD grfStatFlag) override { return m_pInner->Stat(pstatstg, grfStatFlag); }
    HRESULT STDMETHODCALLTYPE Clone(IStream** ppstm) override { return m_pInner->Clone(ppstm); }

private:
    IStream* m_pInner;
    ULONG m_nReadLeft;
    ULONG m_nWriteLeft;
    ULONG m_nRefs = 1;
};

class StringArrayStreamTest : public ::testing::Test
{
protected:
    void SetUp() override { StringArrayClearSectionCaches(NULL); }
    void TearDown() override { StringArrayClearSectionCaches(NULL); }

    static Strings ReadText(const std::string& strText, int* pnResult = nullptr)
    {
        CStringArray arr;
        IStream* pStream = CreateTestStream(strText);
        int nResult = StringArrayReadFromStream(&arr, pStream);
        pStream->Release();
        if (pnResult != nullptr)
            *pnResult = nResult;
        EXPECT_EQ((int)arr.GetSize(), nResult);
        return Lines(arr);
    }
};

} // namespace

TEST_F(StringArrayStreamTest, WritesEachLineWithALineFeedAndReadsItBack)
{
    CStringArray arr;
    SetLines(arr, { "[S]", "A=1", "", "  B = two words  ", "[T]", "C=" });
    IStream* pStream = CreateTestStream("");
    ASSERT_NE(nullptr, pStream);
    EXPECT_EQ(6, StringArrayWriteToStream(&arr, pStream));
    EXPECT_EQ("[S]\nA=1\n\n  B = two words  \n[T]\nC=\n", ReadWholeStream(pStream));

    LARGE_INTEGER liStart = {};
    pStream->Seek(liStart, STREAM_SEEK_SET, NULL);
    CStringArray arrRead;
    SetLines(arrRead, { "old content" });
    EXPECT_EQ(6, StringArrayReadFromStream(&arrRead, pStream));
    EXPECT_EQ(Lines(arr), Lines(arrRead));
    EXPECT_EQ(" two words  ", LoadText("S", "B ", ArrayName(&arrRead)));
    pStream->Release();
}

TEST_F(StringArrayStreamTest, EmptyArrayWritesNothing)
{
    CStringArray arr;
    IStream* pStream = CreateTestStream("");
    EXPECT_EQ(0, StringArrayWriteToStream(&arr, pStream));
    EXPECT_EQ("", ReadWholeStream(pStream));
    pStream->Release();
}

TEST_F(StringArrayStreamTest, TextAfterTheLastLineFeedIsDropped)
{
    int nResult = -1;
    EXPECT_EQ((Strings{ "[S]" }), ReadText("[S]\nA=1", &nResult));
    EXPECT_EQ(1, nResult);
    EXPECT_EQ((Strings{}), ReadText("no line feed at all"));
    EXPECT_EQ((Strings{}), ReadText(""));
    EXPECT_EQ((Strings{ "", "" }), ReadText("\n\n"));
}

TEST_F(StringArrayStreamTest, CarriageReturnsStayInTheLines)
{
    CStringArray arr;
    IStream* pStream = CreateTestStream("[S]\r\nA=1\r\n");
    EXPECT_EQ(2, StringArrayReadFromStream(&arr, pStream));
    pStream->Release();
    EXPECT_EQ((Strings{ "[S]\r", "A=1\r" }), Lines(arr));
    // the header is still found, and the carriage return is part of the value
    EXPECT_EQ(0, StringArrayGetStartSectionIndex("S", &arr, FALSE));
    EXPECT_EQ("1\r", LoadText("S", "A", ArrayName(&arr)));
    StringArrayClearSectionCaches(&arr);
    EXPECT_EQ(0, StringArrayGetStartSectionIndex("S", &arr, FALSE));
}

TEST_F(StringArrayStreamTest, BytesArePassedThroughUnchanged)
{
    std::string strText("[\xC4\xD6]\nk=\x01\x7F\xFF\t\n", 12);
    CStringArray arr;
    IStream* pStream = CreateTestStream(strText);
    EXPECT_EQ(2, StringArrayReadFromStream(&arr, pStream));
    pStream->Release();
    pStream = CreateTestStream("");
    EXPECT_EQ(2, StringArrayWriteToStream(&arr, pStream));
    EXPECT_EQ(strText, ReadWholeStream(pStream));
    pStream->Release();
}

TEST_F(StringArrayStreamTest, ReadErrorKeepsTheCompleteLines)
{
    IStream* pInner = CreateTestStream("[S]\nA=1\nB=2\n");
    // 10 bytes get through: "[S]\n", "A=1\n" and "B="
    CFailingStream* pStream = new CFailingStream(pInner, 10, 0);
    CStringArray arr;
    EXPECT_EQ(2, StringArrayReadFromStream(&arr, pStream));
    EXPECT_EQ((Strings{ "[S]", "A=1" }), Lines(arr));
    pStream->Release();
}

TEST_F(StringArrayStreamTest, WriteErrorReportsTheLinesWritten)
{
    CStringArray arr;
    SetLines(arr, { "[S]", "A=1", "B=2" });
    CFailingStream* pStream = new CFailingStream(CreateTestStream(""), 0, 9);
    EXPECT_EQ(2, StringArrayWriteToStream(&arr, pStream));
    pStream->Release();
}

TEST_F(StringArrayStreamTest, ReadingStartsAtTheStreamPosition)
{
    IStream* pStream = CreateTestStream("header bytes|[S]\nK=v\n");
    LARGE_INTEGER liPos;
    liPos.QuadPart = 13;
    pStream->Seek(liPos, STREAM_SEEK_SET, NULL);
    CStringArray arr;
    EXPECT_EQ(2, StringArrayReadFromStream(&arr, pStream));
    EXPECT_EQ("v", LoadText("S", "K", ArrayName(&arr)));
    pStream->Release();
}

TEST_F(StringArrayStreamTest, NullArgumentsLeaveTheArrayAlone)
{
    CStringArray arr;
    SetLines(arr, { "[S]", "K=v" });
    IStream* pStream = CreateTestStream("[T]\n");
    EXPECT_EQ(0, StringArrayReadFromStream(&arr, NULL));
    EXPECT_EQ(0, StringArrayReadFromStream(NULL, pStream));
    EXPECT_EQ(0, StringArrayWriteToStream(NULL, pStream));
    EXPECT_EQ(0, StringArrayWriteToStream(&arr, NULL));
    EXPECT_EQ((Strings{ "[S]", "K=v" }), Lines(arr));
    EXPECT_EQ("[T]\n", ReadWholeStream(pStream));
    pStream->Release();
}
