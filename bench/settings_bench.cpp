// settings_bench - the string-array settings store against an INI file, and its section caches
// against plain scans.
//
//   1. 10,000 keys in 100 sections written and then read back: through a string array (by its
//      "pStringArray:" name) and through an INI file with the Windows profile functions.
//   2. Many reads within one section of that array with the section caches, and the same reads
//      with the caches cleared before each one (every lookup scans from the first line).
//   3. Reads that switch section each time on an array read from a stream (its section map
//      answers), against the same with the caches cleared.
#include <afxwin.h>
#include <stdio.h>
#include <string>
#include "frame/StringArraySettings.h"
#include "frame/UILFrame.h"

namespace
{

const int SECTIONS = 100;
const int KEYS_PER_SECTION = 100;

double Now()
{
    static LARGE_INTEGER s_freq = {};
    if (s_freq.QuadPart == 0)
        ::QueryPerformanceFrequency(&s_freq);
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)s_freq.QuadPart;
}

void Name(char* psz, const char* lpszFormat, int n)
{
    sprintf(psz, lpszFormat, n);
}

// Writes then reads every key through the dispatcher; the number of values read back wrong.
int WriteAndRead(LPCSTR lpszFile, double& tWrite, double& tRead)
{
    char szSection[32], szKey[32], szValue[64], szRead[64];
    double t0 = Now();
    for (int s = 0; s < SECTIONS; s++)
    {
        Name(szSection, "Section %d", s);
        for (int k = 0; k < KEYS_PER_SECTION; k++)
        {
            Name(szKey, "Key%d", k);
            sprintf(szValue, "value %d of section %d", k, s);
            SaveIniString(szSection, szKey, szValue, lpszFile);
        }
    }
    double t1 = Now();
    int nWrong = 0;
    for (int s = 0; s < SECTIONS; s++)
    {
        Name(szSection, "Section %d", s);
        for (int k = 0; k < KEYS_PER_SECTION; k++)
        {
            Name(szKey, "Key%d", k);
            sprintf(szValue, "value %d of section %d", k, s);
            if (!LoadIniString(szSection, szKey, szRead, sizeof(szRead), lpszFile) || strcmp(szRead, szValue) != 0)
                nWrong++;
        }
    }
    tWrite = t1 - t0;
    tRead = Now() - t1;
    return nWrong;
}

// Reads nRounds times every key of the sections chosen by pickSection; with bCold the caches
// are cleared before every read.  The number of values read back wrong.
template<class PICK>
int ReadKeys(CStringArray& arr, int nRounds, bool bCold, PICK pickSection, double& tElapsed)
{
    char szSection[32], szKey[32], szRead[64], szExpected[64];
    int nWrong = 0;
    double t0 = Now();
    for (int r = 0; r < nRounds; r++)
    {
        for (int k = 0; k < KEYS_PER_SECTION; k++)
        {
            int s = pickSection(r, k);
            Name(szSection, "Section %d", s);
            Name(szKey, "Key%d", k);
            if (bCold)
                StringArrayClearSectionCaches(NULL);
            if (LoadStringFromStringArray(szSection, szKey, szRead, sizeof(szRead), &arr) == 0)
                nWrong++;
            else
            {
                sprintf(szExpected, "value %d of section %d", k, s);
                nWrong += strcmp(szRead, szExpected) != 0;
            }
        }
    }
    tElapsed = Now() - t0;
    return nWrong;
}

} // namespace

int main()
{
    int nWrong = 0;

    // 1. string array against an INI file
    CStringArray arr;
    CString strArray = MakeStringArrayName(&arr);
    double tArrayWrite, tArrayRead;
    nWrong += WriteAndRead(strArray, tArrayWrite, tArrayRead);

    char szTemp[MAX_PATH], szIni[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    sprintf(szIni, "%ssettings_bench_%lu.ini", szTemp, ::GetCurrentProcessId());
    ::DeleteFileA(szIni);
    double tIniWrite, tIniRead;
    nWrong += WriteAndRead(szIni, tIniWrite, tIniRead);
    ::WritePrivateProfileStringA(NULL, NULL, NULL, szIni);
    ::DeleteFileA(szIni);

    printf("%d keys in %d sections (%d lines in the array)\n", SECTIONS * KEYS_PER_SECTION, SECTIONS,
        (int)arr.GetSize());
    printf("  string array: write %8.1f ms, read %8.1f ms, total %8.1f ms\n", tArrayWrite * 1e3,
        tArrayRead * 1e3, (tArrayWrite + tArrayRead) * 1e3);
    printf("  INI file:     write %8.1f ms, read %8.1f ms, total %8.1f ms\n", tIniWrite * 1e3, tIniRead * 1e3,
        (tIniWrite + tIniRead) * 1e3);
    printf("  INI file / string array: %.1fx\n", (tIniWrite + tIniRead) / (tArrayWrite + tArrayRead));

    // 2. one section, read again and again
    const int ROUNDS = 100;
    auto middleSection = [](int, int) { return SECTIONS / 2; };
    double tCached, tCold;
    StringArrayClearSectionCaches(NULL);
    nWrong += ReadKeys(arr, ROUNDS, false, middleSection, tCached);
    nWrong += ReadKeys(arr, ROUNDS, true, middleSection, tCold);
    printf("%d reads within one section\n", ROUNDS * KEYS_PER_SECTION);
    printf("  with the caches %8.1f ms, caches cleared each time %8.1f ms\n", tCached * 1e3, tCold * 1e3);
    printf("  cold / cached: %.1fx\n", tCold / tCached);

    // 3. switching sections on an array read from a stream
    IStream* pStream = NULL;
    ::CreateStreamOnHGlobal(NULL, TRUE, &pStream);
    StringArrayWriteToStream(&arr, pStream);
    LARGE_INTEGER liStart = {};
    pStream->Seek(liStart, STREAM_SEEK_SET, NULL);
    CStringArray arrRead;
    StringArrayReadFromStream(&arrRead, pStream);
    pStream->Release();
    auto everySection = [](int r, int k) { return (r * 37 + k * 13) % SECTIONS; };
    double tMapped, tScanned;
    nWrong += ReadKeys(arrRead, ROUNDS, false, everySection, tMapped);
    nWrong += ReadKeys(arrRead, ROUNDS, true, everySection, tScanned);
    printf("%d reads switching section each time, array read from a stream\n", ROUNDS * KEYS_PER_SECTION);
    printf("  with its section map %8.1f ms, caches cleared each time %8.1f ms\n", tMapped * 1e3, tScanned * 1e3);
    printf("  cold / mapped: %.1fx\n", tScanned / tMapped);

    if (nWrong != 0)
    {
        printf("settings_bench: %d values read back wrong\n", nWrong);
        return 1;
    }
    return 0;
}
