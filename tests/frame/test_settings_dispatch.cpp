// The four-way dispatch of the settings functions: string array, INI file by path, the host's
// profile manager handed out by the main window, and the application profile in both its forms.
#include "settings_test.h"
#include "frame/UILMessages.h"
#include <map>

namespace
{

// A host profile manager that writes down every call and keeps the values in memory.
class CRecordingProfileManager : public CHostProfileManager
{
public:
    std::vector<std::string> m_calls;
    std::map<std::string, std::string> m_values;     // "section/key" -> value
    int m_nWriteResult = 1;

    int WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) override
    {
        m_calls.push_back(std::string("WriteString ") + Text(lpszSection) + "/" + Text(lpszEntry) + "=" + Text(lpszValue));
        if (lpszEntry == NULL)
        {
            std::string strPrefix = std::string(lpszSection) + "/";
            for (auto it = m_values.begin(); it != m_values.end();)
                it = it->first.compare(0, strPrefix.size(), strPrefix) == 0 ? m_values.erase(it) : ++it;
        }
        else if (lpszValue == NULL)
            m_values.erase(Key(lpszSection, lpszEntry));
        else
            m_values[Key(lpszSection, lpszEntry)] = lpszValue;
        return m_nWriteResult;
    }
    int WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) override
    {
        m_calls.push_back(std::string("WriteInt ") + lpszSection + "/" + lpszEntry + "=" + std::to_string(nValue));
        m_values[Key(lpszSection, lpszEntry)] = std::to_string(nValue);
        return m_nWriteResult;
    }
    LPCSTR GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) override
    {
        m_calls.push_back(std::string("GetString ") + lpszSection + "/" + lpszEntry + " default '" + Text(lpszDefault) + "'");
        auto it = m_values.find(Key(lpszSection, lpszEntry));
        if (it == m_values.end())
            return lpszDefault;
        m_strAnswer = it->second;
        return m_strAnswer.c_str();
    }
    int GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) override
    {
        m_calls.push_back(std::string("GetInt ") + lpszSection + "/" + lpszEntry + " default " + std::to_string(nDefault));
        auto it = m_values.find(Key(lpszSection, lpszEntry));
        return it == m_values.end() ? nDefault : atoi(it->second.c_str());
    }

private:
    std::string m_strAnswer;
    static std::string Text(LPCSTR lpsz) { return lpsz != NULL ? lpsz : "<null>"; }
    static std::string Key(LPCSTR lpszSection, LPCSTR lpszEntry) { return std::string(lpszSection) + "/" + lpszEntry; }
};

// A host main window: answers WM_GET_PPM with its manager, or not at all when it has none.
class CProfileHostWnd : public CWnd
{
public:
    CHostProfileManager* m_pManager = nullptr;
    int m_nRequests = 0;
    bool m_bPointerWasNull = true;
    LPARAM m_lParam = 0;

    BOOL CreateHost()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "settings host", WS_POPUP, 0, 0, 10, 10, NULL, NULL);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_GET_PPM && message != 0)
        {
            m_nRequests++;
            CHostProfileManager** ppManager = (CHostProfileManager**)wParam;
            m_bPointerWasNull = *ppManager == nullptr;
            m_lParam = lParam;
            if (m_pManager == nullptr)
                return 0;
            *ppManager = m_pManager;
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class SettingsDispatchTest : public ::testing::Test
{
protected:
    CProfileHostWnd m_wndHost;
    CRecordingProfileManager m_manager;
    CTestProfileScope m_profile;
    CTestTempDir m_dir;
    CWnd* m_pOldMainWnd = nullptr;

    void SetUp() override
    {
        ASSERT_NE(0u, WM_GET_PPM);
        ASSERT_TRUE(m_wndHost.CreateHost());
        m_pOldMainWnd = AfxGetThread()->m_pMainWnd;
        AfxGetThread()->m_pMainWnd = &m_wndHost;
    }
    void TearDown() override
    {
        AfxGetThread()->m_pMainWnd = m_pOldMainWnd;
        m_wndHost.DestroyWindow();
    }

    // The registry value of the application profile's registry form, or "<absent>".
    std::string RegistryValue(LPCSTR lpszSection, LPCSTR lpszKey)
    {
        char szValue[256] = "";
        DWORD cb = sizeof(szValue);
        if (::RegGetValueA(HKEY_CURRENT_USER, m_profile.GetSectionKeyPath(lpszSection), lpszKey,
                RRF_RT_REG_SZ, NULL, szValue, &cb) != ERROR_SUCCESS)
            return "<absent>";
        return szValue;
    }

    // Writes, reads, removes through the application profile (whichever form is set up).
    void ExpectAppProfileRoundTrip()
    {
        EXPECT_EQ(1, SaveIniString("Sec", "Name", "value with spaces", NULL));
        EXPECT_EQ(1, SaveIniInt("Sec", "Count", -42, NULL));
        EXPECT_EQ(1, SaveIniString("Other", "Keep", "kept", NULL));
        EXPECT_EQ("value with spaces", LoadText("Sec", "Name", NULL));
        EXPECT_EQ(-42, LoadIniInt("Sec", "Count", 5, NULL));
        EXPECT_EQ(5, LoadIniInt("Sec", "Missing", 5, NULL));
        EXPECT_EQ("<absent>", LoadText("Sec", "Missing", NULL));

        EXPECT_EQ(1, SaveIniString("Sec", "Name", NULL, NULL));
        EXPECT_EQ("<absent>", LoadText("Sec", "Name", NULL));
        EXPECT_EQ(-42, LoadIniInt("Sec", "Count", 5, NULL));
        EXPECT_EQ(1, SaveIniString("Sec", NULL, NULL, NULL));
        EXPECT_EQ(5, LoadIniInt("Sec", "Count", 5, NULL));
        EXPECT_EQ("kept", LoadText("Other", "Keep", NULL));
        // the main window was asked every time and handed out nothing
        EXPECT_GT(m_wndHost.m_nRequests, 0);
    }
};

} // namespace

TEST_F(SettingsDispatchTest, HostProfileManagerGetsEveryCallWithItsArguments)
{
    m_wndHost.m_pManager = &m_manager;
    std::string strIni = m_profile.UseIni();

    EXPECT_EQ(1, SaveIniString("Sec", "Name", "v a l", NULL));
    EXPECT_EQ(1, SaveIniInt("Sec", "N", 17, NULL));
    EXPECT_EQ("v a l", LoadText("Sec", "Name", NULL));
    EXPECT_EQ(17, LoadIniInt("Sec", "N", 3, NULL));
    EXPECT_EQ(3, LoadIniInt("Sec", "Missing", 3, NULL));
    EXPECT_EQ(1, SaveIniString("Sec", "Name", NULL, NULL));
    EXPECT_EQ(1, SaveIniString("Sec", NULL, NULL, NULL));
    EXPECT_EQ("<absent>", LoadText("Sec", "N", NULL));

    std::vector<std::string> expected = {
        "WriteString Sec/Name=v a l",
        "WriteInt Sec/N=17",
        "GetString Sec/Name default ''",
        "GetInt Sec/N default 3",
        "GetInt Sec/Missing default 3",
        "WriteString Sec/Name=<null>",
        "WriteString Sec/<null>=<null>",
        "GetString Sec/N default ''",
    };
    EXPECT_EQ(expected, m_manager.m_calls);
    EXPECT_TRUE(m_wndHost.m_bPointerWasNull);
    EXPECT_EQ(0, m_wndHost.m_lParam);
    EXPECT_EQ(8, m_wndHost.m_nRequests);
    // nothing reached the application profile
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strIni.c_str()));

    // the manager's own results come back
    m_manager.m_nWriteResult = 0;
    EXPECT_EQ(0, SaveIniString("Sec", "X", "1", NULL));
    EXPECT_EQ(0, SaveIniInt("Sec", "X", 1, NULL));
}

TEST_F(SettingsDispatchTest, FileArgumentsNeverReachTheHostManager)
{
    m_wndHost.m_pManager = &m_manager;
    CStringArray arr;
    std::string strIni = m_dir.GetFilePath("by path.ini");
    EXPECT_EQ(1, SaveIniString("S", "K", "array", ArrayName(&arr)));
    EXPECT_EQ(1, SaveIniString("S", "K", "file", strIni.c_str()));
    EXPECT_EQ(1, SaveIniInt("S", "N", 4, strIni.c_str()));
    EXPECT_EQ("array", LoadText("S", "K", ArrayName(&arr)));
    EXPECT_EQ("file", LoadText("S", "K", strIni.c_str()));
    EXPECT_EQ(4, LoadIniInt("S", "N", 0, strIni.c_str()));
    EXPECT_TRUE(m_manager.m_calls.empty());
    EXPECT_EQ(0, m_wndHost.m_nRequests);
}

TEST_F(SettingsDispatchTest, HostWithoutManagerLeavesItToTheIniProfile)
{
    std::string strIni = m_profile.UseIni();
    ExpectAppProfileRoundTrip();
    EXPECT_EQ("kept", ReadIniDirect(strIni, "Other", "Keep"));
    EXPECT_TRUE(m_wndHost.m_bPointerWasNull);
}

TEST_F(SettingsDispatchTest, HostWithoutManagerLeavesItToTheRegistryProfile)
{
    m_profile.UseRegistry();
    ExpectAppProfileRoundTrip();
    EXPECT_EQ("kept", RegistryValue("Other", "Keep"));
    EXPECT_EQ(1, SaveIniString("Sec", "Text", "in the registry", NULL));
    EXPECT_EQ("in the registry", RegistryValue("Sec", "Text"));
}

TEST_F(SettingsDispatchTest, NoMainWindowUsesTheApplicationProfile)
{
    AfxGetThread()->m_pMainWnd = NULL;
    std::string strIni = m_profile.UseIni();
    EXPECT_EQ(1, SaveIniString("Sec", "Name", "x", NULL));
    EXPECT_EQ("x", ReadIniDirect(strIni, "Sec", "Name"));
    EXPECT_EQ("x", LoadText("Sec", "Name", NULL));
    EXPECT_EQ(0, m_wndHost.m_nRequests);
}

TEST_F(SettingsDispatchTest, IniFileGivenByPath)
{
    std::string strIni = m_dir.GetFilePath("settings.ini");
    LPCSTR lpszIni = strIni.c_str();
    EXPECT_EQ(1, SaveIniString("S", "Text", "  padded  ", lpszIni));
    EXPECT_EQ(1, SaveIniInt("S", "Int", -7, lpszIni));
    EXPECT_EQ(1, SaveIniString("S", "Words", "12abc", lpszIni));
    EXPECT_EQ(1, SaveIniString("S", "Letters", "abc", lpszIni));
    EXPECT_EQ(1, SaveIniString("T", "Other", "o", lpszIni));
    EXPECT_EQ("-7", ReadIniDirect(strIni, "S", "Int"));
    EXPECT_EQ(-7, LoadIniInt("S", "Int", 0, lpszIni));
    EXPECT_EQ(12, LoadIniInt("S", "Words", 0, lpszIni));
    EXPECT_EQ(9, LoadIniInt("S", "Letters", 9, lpszIni));
    EXPECT_EQ(9, LoadIniInt("S", "Missing", 9, lpszIni));
    EXPECT_EQ(ReadIniDirect(strIni, "S", "Text"), LoadText("S", "Text", lpszIni));

    char szSmall[4];
    EXPECT_EQ(1, LoadIniString("T", "Other", szSmall, sizeof(szSmall), lpszIni));
    EXPECT_STREQ("o", szSmall);
    EXPECT_EQ(1, LoadIniString("S", "Letters", szSmall, sizeof(szSmall), lpszIni));
    EXPECT_STREQ("abc", szSmall);
    EXPECT_EQ(1, LoadIniString("S", "Words", szSmall, sizeof(szSmall), lpszIni));
    EXPECT_STREQ("12a", szSmall);

    EXPECT_EQ(1, SaveIniString("S", "Text", NULL, lpszIni));
    EXPECT_EQ("<absent>", ReadIniDirect(strIni, "S", "Text"));
    EXPECT_EQ(1, SaveIniString("S", NULL, NULL, lpszIni));
    EXPECT_EQ("<absent>", ReadIniDirect(strIni, "S", "Int"));
    EXPECT_EQ("o", ReadIniDirect(strIni, "T", "Other"));

    // a value far beyond the INI functions' usual buffers comes back whole
    CString strLong('v', 5000);
    EXPECT_EQ(1, SaveIniString("T", "Long", strLong, lpszIni));
    std::vector<char> buffer(6000);
    EXPECT_EQ(1, LoadIniString("T", "Long", buffer.data(), (int)buffer.size(), lpszIni));
    EXPECT_EQ(5000u, strlen(buffer.data()));
}

TEST_F(SettingsDispatchTest, BadArgumentsFailWithoutWriting)
{
    m_wndHost.m_pManager = &m_manager;
    std::string strIni = m_dir.GetFilePath("bad.ini");
    LPCSTR lpszIni = strIni.c_str();
    ASSERT_EQ(1, SaveIniString("S", "K", "v", lpszIni));
    char szValue[8] = "x";
    EXPECT_EQ(0, SaveIniString(NULL, "K", "v", lpszIni));
    EXPECT_EQ(0, SaveIniString("S", NULL, "v", lpszIni));   // would remove the section
    EXPECT_EQ(0, SaveIniInt("S", NULL, 1, lpszIni));         // likewise
    EXPECT_EQ(0, SaveIniInt(NULL, "K", 1, NULL));
    EXPECT_EQ(0, LoadIniString("S", NULL, szValue, sizeof(szValue), lpszIni));
    EXPECT_STREQ("", szValue);
    EXPECT_EQ(0, LoadIniString("S", "K", szValue, 0, lpszIni));
    EXPECT_EQ(6, LoadIniInt(NULL, "K", 6, lpszIni));
    // "" is no file name (the INI functions would use WIN.INI)
    EXPECT_EQ(0, SaveIniString("S", "K", "v", ""));
    EXPECT_EQ(0, SaveIniInt("S", "K", 1, ""));
    EXPECT_EQ(0, LoadIniString("S", "K", szValue, sizeof(szValue), ""));
    EXPECT_EQ(6, LoadIniInt("S", "K", 6, ""));
    EXPECT_EQ("v", ReadIniDirect(strIni, "S", "K"));
    EXPECT_TRUE(m_manager.m_calls.empty());
}

// The integer functions do not know string arrays: a "pStringArray:" name is an INI file name
// to them, so the array stays as it was.
TEST_F(SettingsDispatchTest, IntegerFunctionsTakeArrayNamesAsFileNames)
{
    CStringArray arr;
    SetLines(arr, { "[S]", "N=1" });
    CString strName = ArrayName(&arr);
    int nSaved = SaveIniInt("S", "N", 99, strName);
    EXPECT_EQ((std::vector<std::string>{ "[S]", "N=1" }), Lines(arr));
    EXPECT_EQ(1, LoadIntFromStringArray("S", "N", 0, &arr));
    // whatever the file system made of such a name, it is not the array
    EXPECT_EQ(nSaved ? 99 : -5, LoadIniInt("S", "N", -5, strName));
    ::WritePrivateProfileStringA(NULL, NULL, NULL, strName);
    char szWindows[MAX_PATH];
    ::GetWindowsDirectoryA(szWindows, MAX_PATH);
    ::DeleteFileA(CString(szWindows) + "\\" + strName);
}
