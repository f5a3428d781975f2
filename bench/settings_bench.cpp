// settings_bench - the string-array settings store against an in-memory map and an INI file,
// and its section caches against plain scans.
//
//   1. 10,000 keys in 100 sections written into an empty store, then read back: through a string
//      array (by its "pStringArray:" name, as hosts call it), against the same keys in a
//      std::unordered_map<std::string, std::string> per section written and read the same way,
//      and (a tenth of them) against an INI file through the Windows profile functions.
//   2. Reads within one section with the section caches, against the same reads with the caches
//      cleared before each one (outside the clock: every lookup then scans from the first line).
//   3. Reads that switch section each time on an array read from a stream (its section map
//      answers), against the same with the caches cleared before each read.
#include <afxwin.h>
#include <stdio.h>
#include <string>
#include <unordered_map>
#include "frame/StringArraySettings.h"
#include "frame/UILFrame.h"
#include "BenchHarness.h"

namespace
{
const int SECTIONS = 100;
const int KEYS_PER_SECTION = 100;

int g_nWrong = 0;

void SectionName(char* psz, int s) { sprintf(psz, "Section %d", s); }
void KeyName(char* psz, int k) { sprintf(psz, "Key%d", k); }
void ValueText(char* psz, int s, int k) { sprintf(psz, "value %d of section %d", k, s); }

// The same keys and values through any store: write(section, key, value), read(section, key,
// buffer) -> found.  Returns the seconds taken.
template<class W> double WriteAll(W write, int nSections = SECTIONS)
{
    char szSection[32], szKey[32], szValue[64];
    const double t0 = Bench::Now();
    for (int s = 0; s < nSections; s++)
    {
        SectionName(szSection, s);
        for (int k = 0; k < KEYS_PER_SECTION; k++)
        {
            KeyName(szKey, k);
            ValueText(szValue, s, k);
            write(szSection, szKey, szValue);
        }
    }
    return Bench::Now() - t0;
}

template<class R> double ReadAll(R read, int nSections = SECTIONS)
{
    char szSection[32], szKey[32], szValue[64], szRead[64];
    const double t0 = Bench::Now();
    for (int s = 0; s < nSections; s++)
    {
        SectionName(szSection, s);
        for (int k = 0; k < KEYS_PER_SECTION; k++)
        {
            KeyName(szKey, k);
            ValueText(szValue, s, k);
            if (!read(szSection, szKey, szRead, (int)sizeof(szRead)) || strcmp(szRead, szValue) != 0)
                g_nWrong++;
        }
    }
    return Bench::Now() - t0;
}

typedef std::unordered_map<std::string, std::unordered_map<std::string, std::string>> CMapStore;

void MapWrite(CMapStore& store, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszValue)
{
    store[lpszSection][lpszKey] = lpszValue;
}

bool MapRead(const CMapStore& store, LPCSTR lpszSection, LPCSTR lpszKey, LPSTR lpszBuffer, int nSize)
{
    const auto section = store.find(lpszSection);
    if (section == store.end())
        return false;
    const auto key = section->second.find(lpszKey);
    if (key == section->second.end())
        return false;
    lstrcpynA(lpszBuffer, key->second.c_str(), nSize);
    return true;
}

void CompareStores()
{
    // a fresh, empty store for every write round
    const Bench::SResult write = Bench::CompareRounds(
        [] {
            CStringArray arr;
            const CString strName = MakeStringArrayName(&arr);
            return WriteAll([&](LPCSTR s, LPCSTR k, LPCSTR v) { SaveIniString(s, k, v, strName); });
        },
        [] {
            CMapStore store;
            return WriteAll([&](LPCSTR s, LPCSTR k, LPCSTR v) { MapWrite(store, s, k, v); });
        });
    Bench::Report("write 10,000 keys, 100 sections", write, "unordered_map per section");

    CStringArray arr;
    const CString strName = MakeStringArrayName(&arr);
    CMapStore store;
    WriteAll([&](LPCSTR s, LPCSTR k, LPCSTR v) { SaveIniString(s, k, v, strName); });
    WriteAll([&](LPCSTR s, LPCSTR k, LPCSTR v) { MapWrite(store, s, k, v); });
    const Bench::SResult read = Bench::CompareRounds(
        [&] { return ReadAll([&](LPCSTR s, LPCSTR k, LPSTR b, int n) {
            return LoadIniString(s, k, b, n, strName) != 0; }); },
        [&] { return ReadAll([&](LPCSTR s, LPCSTR k, LPSTR b, int n) {
            return MapRead(store, s, k, b, n); }); });
    Bench::Report("read 10,000 keys, 100 sections", read, "unordered_map per section");

    // an INI file: writing and reading together, a tenth of the keys (the system's profile
    // code writes the file out on every change)
    const int nIniSections = SECTIONS / 10;
    char szTemp[MAX_PATH], szIni[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    sprintf(szIni, "%ssettings_bench_%lu.ini", szTemp, ::GetCurrentProcessId());
    const Bench::SResult ini = Bench::CompareRounds(
        [] {
            CStringArray fresh;
            const CString strFresh = MakeStringArrayName(&fresh);
            return WriteAll([&](LPCSTR s, LPCSTR k, LPCSTR v) { SaveIniString(s, k, v, strFresh); },
                    nIniSections)
                + ReadAll([&](LPCSTR s, LPCSTR k, LPSTR b, int n) {
                    return LoadIniString(s, k, b, n, strFresh) != 0; }, nIniSections);
        },
        [&] {
            ::WritePrivateProfileStringA(NULL, NULL, NULL, szIni);
            ::DeleteFileA(szIni);
            return WriteAll([&](LPCSTR s, LPCSTR k, LPCSTR v) {
                    ::WritePrivateProfileStringA(s, k, v, szIni); }, nIniSections)
                + ReadAll([&](LPCSTR s, LPCSTR k, LPSTR b, int n) {
                    return ::GetPrivateProfileStringA(s, k, "", b, n, szIni) != 0; }, nIniSections);
        }, 3);
    ::WritePrivateProfileStringA(NULL, NULL, NULL, szIni);
    ::DeleteFileA(szIni);
    Bench::Report("write + read 1,000 keys, 10 sections", ini, "INI file, profile functions");
}

// nRounds x 100 reads of the sections pickSection chooses; bCold clears the caches before each
// read, outside the clock.  The seconds the reads took.
template<class PICK> double ReadKeys(CStringArray& arr, int nRounds, bool bCold, PICK pickSection)
{
    char szSection[32], szKey[32], szRead[64], szExpected[64];
    double dTimed = 0.0;
    for (int r = 0; r < nRounds; r++)
    {
        for (int k = 0; k < KEYS_PER_SECTION; k++)
        {
            const int s = pickSection(r, k);
            SectionName(szSection, s);
            KeyName(szKey, k);
            if (bCold)
                StringArrayClearSectionCaches(NULL);
            const double t0 = Bench::Now();
            const int nRead = LoadStringFromStringArray(szSection, szKey, szRead, sizeof(szRead), &arr);
            dTimed += Bench::Now() - t0;
            ValueText(szExpected, s, k);
            if (nRead == 0 || strcmp(szRead, szExpected) != 0)
                g_nWrong++;
        }
    }
    return dTimed;
}

void CompareCaches()
{
    CStringArray arr;
    const CString strName = MakeStringArrayName(&arr);
    WriteAll([&](LPCSTR s, LPCSTR k, LPCSTR v) { SaveIniString(s, k, v, strName); });

    const int ROUNDS = 20;
    auto middleSection = [](int, int) { return SECTIONS / 2; };
    const Bench::SResult one = Bench::CompareRounds(
        [&] { return ReadKeys(arr, ROUNDS, false, middleSection); },
        [&] { return ReadKeys(arr, ROUNDS, true, middleSection); });
    Bench::Report("2,000 reads in one section", one, "caches cleared before each", true);

    // switching sections on an array read from a stream: read again before each of our rounds
    // (outside the clock), since clearing the caches for the baseline drops its section map
    IStream* pStream = NULL;
    ::CreateStreamOnHGlobal(NULL, TRUE, &pStream);
    StringArrayWriteToStream(&arr, pStream);
    CStringArray arrRead;
    auto readStream = [&] {
        LARGE_INTEGER liStart = {};
        pStream->Seek(liStart, STREAM_SEEK_SET, NULL);
        arrRead.RemoveAll();
        StringArrayReadFromStream(&arrRead, pStream);
    };
    readStream();
    auto everySection = [](int r, int k) { return (r * 37 + k * 13) % SECTIONS; };
    const Bench::SResult mapped = Bench::CompareRounds(
        [&] { readStream(); return ReadKeys(arrRead, ROUNDS, false, everySection); },
        [&] { return ReadKeys(arrRead, ROUNDS, true, everySection); });
    pStream->Release();
    Bench::Report("2,000 reads switching section", mapped, "caches cleared before each", true);
}
}

int main()
{
    Bench::Heading("settings");
    CompareStores();
    CompareCaches();
    if (g_nWrong != 0)
    {
        printf("settings_bench: %d values read back wrong\n", g_nWrong);
        return 1;
    }
    return 0;
}
