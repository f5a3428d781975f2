// testmain.cpp - main() of every test executable.
//
// The tests run inside a console host of the framework, set up the way a real application is:
// one global CWinApp object, the framework started with AfxWinInit and the application
// initialised, then GoogleTest.  Library code under test therefore finds AfxGetApp(), the module
// state and the resource chain as it would in a host.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <stdio.h>

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp("WEXOctrlTests") {}
};

CTestApp theApp;

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);

    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE))
    {
        fprintf(stderr, "testmain: AfxWinInit failed\n");
        return 2;
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp != &theApp || !pApp->InitApplication())
    {
        fprintf(stderr, "testmain: the application object did not initialise\n");
        AfxWinTerm();
        return 2;
    }

    int nResult = RUN_ALL_TESTS();
    AfxWinTerm();
    return nResult;
}
