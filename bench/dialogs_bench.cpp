// dialogs_bench.cpp - the cost of a modal dialog run through the framework.
//
// CGetIntDlg::DoEditInt: the template found along the resource chain, the owner and the frame's
// modal state, the dialog made and bound to its object, the value exchanged both ways (with the
// range check) and the dialog destroyed.  The baseline is the system's own modal run of the same
// template (DialogBoxIndirectParam) whose procedure writes and reads the value and ends it from
// WM_INITDIALOG.  Both end before a message loop is entered, so the figure is the framework's own
// overhead over the dialog manager.  The ratio is the baseline's time over ours (above 1: ours is
// faster).
#include <WEXOctrl.h>
#include <res/resource.h>
#include <stdio.h>
#include <chrono>

namespace
{
const int nRuns = 200;

double Seconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

template<class F> double Shortest(F fn)
{
    double dBest = 1e30;
    for (int i = 0; i < 5; i++)
    {
        const double t0 = Seconds();
        fn();
        const double d = Seconds() - t0;
        if (d < dBest)
            dBest = d;
    }
    return dBest;
}

// the integer dialog confirmed as soon as it is up
class CConfirmedIntDlg : public CGetIntDlg
{
protected:
    virtual BOOL OnInitDialog()
    {
        CGetIntDlg::OnInitDialog();
        OnOK();
        return TRUE;
    }
};

INT_PTR CALLBACK BaselineDlgProc(HWND hDlg, UINT nMsg, WPARAM, LPARAM lParam)
{
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    int* pValue = (int*)lParam;
    ::SetDlgItemInt(hDlg, IDC_INPUT_VALUE, *pValue, TRUE);
    BOOL bTranslated = FALSE;
    *pValue = (int)::GetDlgItemInt(hDlg, IDC_INPUT_VALUE, &bTranslated, TRUE);
    ::EndDialog(hDlg, IDOK);
    return TRUE;
}
} // namespace

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE))
        return 2;
    CUILResourceScope resources;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCE(IDD_GETINT), RT_DIALOG);
    LPCDLGTEMPLATE pTemplate = hResource != NULL ? (LPCDLGTEMPLATE)::LockResource(::LoadResource(hInst, hResource)) : NULL;
    if (pTemplate == NULL)
    {
        printf("dialogs_bench: no integer dialog template\n");
        return 2;
    }

    int nFailures = 0;
    const double dOurs = Shortest([&] {
        for (int i = 0; i < nRuns; i++)
        {
            CConfirmedIntDlg dlg;
            int nValue = i;
            if (dlg.DoEditInt(nValue) != 1 || nValue != i)
                nFailures++;
        }
    });
    const double dBaseline = Shortest([&] {
        for (int i = 0; i < nRuns; i++)
        {
            int nValue = i;
            if (::DialogBoxIndirectParamA(hInst, pTemplate, NULL, &BaselineDlgProc, (LPARAM)&nValue) != IDOK)
                nFailures++;
        }
    });
    printf("DoEditInt modal round trip: %.1f runs/s, DialogBoxIndirectParam: %.1f runs/s\n", nRuns / dOurs,
        nRuns / dBaseline);
    printf("ratio = %.2f\n", dBaseline / dOurs);
    if (nFailures != 0)
        printf("dialogs_bench: %d runs did not end as they should\n", nFailures);
    return nFailures != 0;
}
