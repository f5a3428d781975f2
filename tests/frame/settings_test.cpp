// settings_test.cpp - helpers of the settings-store tests.
#include "settings_test.h"
#include "frame/UILFrame.h"

CString ArrayName(CStringArray* pArray)
{
    return MakeStringArrayName(pArray);
}

IStream* CreateTestStream(const std::string& strBytes)
{
    IStream* pStream = NULL;
    if (FAILED(::CreateStreamOnHGlobal(NULL, TRUE, &pStream)))
        return NULL;
    ULONG nWritten = 0;
    pStream->Write(strBytes.data(), (ULONG)strBytes.size(), &nWritten);
    LARGE_INTEGER liStart = {};
    pStream->Seek(liStart, STREAM_SEEK_SET, NULL);
    return pStream;
}

std::string ReadWholeStream(IStream* pStream)
{
    HGLOBAL hGlobal = NULL;
    if (FAILED(::GetHGlobalFromStream(pStream, &hGlobal)))
        return "<no memory>";
    STATSTG stat = {};
    pStream->Stat(&stat, STATFLAG_NONAME);
    const char* p = (const char*)::GlobalLock(hGlobal);
    std::string strBytes(p, (size_t)stat.cbSize.QuadPart);
    ::GlobalUnlock(hGlobal);
    return strBytes;
}
