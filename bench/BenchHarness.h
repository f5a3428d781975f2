// BenchHarness.h - how every benchmark measures and reports, so that their figures compare.
//
// A measure sets our code against a baseline doing the same work.  Both are warmed up, then
// timed in rounds that alternate between them (which one goes first swaps every round), so that
// a busy moment of the machine falls on both alike; the best round of each counts.  Each measure
// prints one line: its name, our time, the baseline's time and
//     ratio = baseline time / our time     (above 1: ours is faster)
// A baseline that is this benchmark's own code (a plain loop, the same call with its caches
// cleared) is marked so in its line.
#pragma once

#include <windows.h>
#include <stdio.h>
#include <string.h>

namespace Bench
{
// Seconds on the monotonic performance counter.
inline double Now()
{
    static LARGE_INTEGER s_freq;
    if (s_freq.QuadPart == 0)
        ::QueryPerformanceFrequency(&s_freq);
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)s_freq.QuadPart;
}

struct SResult
{
    double dOurs;       // seconds per call (or per round, see CompareRounds)
    double dBase;
};

// Best of nRounds interleaved rounds of two functions that each time what they should and
// return the seconds they timed: for work that needs set-up outside the clock.
template<class F, class G> SResult CompareRounds(F roundOurs, G roundBase, int nRounds = 7)
{
    roundOurs();                        // warm-up: caches, first-touch allocations
    roundBase();
    SResult r = { 1e30, 1e30 };
    for (int i = 0; i < nRounds; i++)
    {
        double dOurs, dBase;
        if (i % 2 == 0)
        {
            dOurs = roundOurs();
            dBase = roundBase();
        }
        else
        {
            dBase = roundBase();
            dOurs = roundOurs();
        }
        if (dOurs < r.dOurs)
            r.dOurs = dOurs;
        if (dBase < r.dBase)
            r.dBase = dBase;
    }
    return r;
}

// Seconds per call of two functions: rounds of as many calls as make the slower of the two
// last about dRound seconds.
template<class F, class G> SResult Compare(F fnOurs, G fnBase, int nRounds = 7, double dRound = 0.05)
{
    fnOurs();
    fnBase();
    int nCalls = 1;
    for (;;)
    {
        const double t0 = Now();
        for (int i = 0; i < nCalls; i++)
            fnOurs();
        const double t1 = Now();
        for (int i = 0; i < nCalls; i++)
            fnBase();
        const double t2 = Now();
        if (t1 - t0 > dRound || t2 - t1 > dRound || nCalls >= (1 << 24))
            break;
        nCalls *= 2;
    }
    const int n = nCalls;
    SResult r = CompareRounds(
        [&] { const double t0 = Now(); for (int i = 0; i < n; i++) fnOurs(); return Now() - t0; },
        [&] { const double t0 = Now(); for (int i = 0; i < n; i++) fnBase(); return Now() - t0; },
        nRounds);
    r.dOurs /= n;
    r.dBase /= n;
    return r;
}

// "12.345 ms" in the unit that suits the time
inline const char* Format(double dSeconds, char* psz)
{
    if (dSeconds >= 1.0)
        sprintf(psz, "%8.3f s ", dSeconds);
    else if (dSeconds >= 1e-3)
        sprintf(psz, "%8.3f ms", dSeconds * 1e3);
    else
        sprintf(psz, "%8.3f us", dSeconds * 1e6);
    return psz;
}

// The one line of a measure.  lpszBaseline names the baseline; bOwnCode: it is this bench's
// own code rather than the system's or the standard library's.
inline void Report(const char* lpszName, const SResult& r, const char* lpszBaseline, bool bOwnCode = false)
{
    char szOurs[32], szBase[32], szLabel[96];
    _snprintf(szLabel, sizeof(szLabel), "%s%s", lpszBaseline, bOwnCode ? " (bench's own code)" : "");
    szLabel[sizeof(szLabel) - 1] = 0;
    const double dRatio = r.dBase / r.dOurs;
    printf(dRatio >= 0.1 ? "%-40s ours %s | %-44s %s | ratio = %6.2f\n"
        : "%-40s ours %s | %-44s %s | ratio = %6.4f\n", lpszName, Format(r.dOurs, szOurs), szLabel,
        Format(r.dBase, szBase), dRatio);
    fflush(stdout);
}

// The heading every bench prints first.
inline void Heading(const char* lpszBench)
{
    printf("%s: ratio = baseline time / our time (above 1: ours is faster); best of interleaved rounds\n",
        lpszBench);
}
}
