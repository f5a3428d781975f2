// test_frame_messages.cpp - the registered messages: names, numbers, export status, the late
// registrations and the no-op registration call.
#include <WEXOctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "frame/UILMessagesImpl.h"
#include "FrameMessageList.h"

namespace
{
struct SMessageEntry
{
    const char* pszGlobal;
    const char* pszName;
    unsigned int* pnGlobal;
};

#define MESSAGE_ENTRY(global, name) { #global, name, &global },
const SMessageEntry s_earlyExported[] = { FRAME_EARLY_EXPORTED_MESSAGES(MESSAGE_ENTRY) };
const SMessageEntry s_lateExported[] = { FRAME_LATE_EXPORTED_MESSAGES(MESSAGE_ENTRY) };
const SMessageEntry s_earlyPrivate[] = { FRAME_EARLY_PRIVATE_MESSAGES(MESSAGE_ENTRY) };
const SMessageEntry s_latePrivate[] = { FRAME_LATE_PRIVATE_MESSAGES(MESSAGE_ENTRY) };
#undef MESSAGE_ENTRY
static_assert(sizeof(s_earlyExported) / sizeof(s_earlyExported[0]) == 38, "38 exported at load");
static_assert(sizeof(s_lateExported) / sizeof(s_lateExported[0]) == 4, "4 exported late");
static_assert(sizeof(s_earlyPrivate) / sizeof(s_earlyPrivate[0]) == 5, "5 private at load");

template <size_t N>
std::vector<SMessageEntry> Entries(const SMessageEntry (&entries)[N])
{
    return std::vector<SMessageEntry>(entries, entries + N);
}

std::vector<SMessageEntry> AllExported()
{
    std::vector<SMessageEntry> all = Entries(s_earlyExported);
    all.insert(all.end(), s_lateExported, s_lateExported + 4);
    return all;
}

HMODULE Library()
{
    return ::GetModuleHandleA("WEXOctrl.dll");
}

// Sets a global for the length of a test and puts the library's value back afterwards, so
// that later tests see the library as it was.
class CSavedGlobal
{
public:
    CSavedGlobal(unsigned int& rnGlobal, unsigned int nValue) : m_rnGlobal(rnGlobal), m_nSaved(rnGlobal)
    {
        m_rnGlobal = nValue;
    }
    ~CSavedGlobal() { m_rnGlobal = m_nSaved; }
private:
    unsigned int& m_rnGlobal;
    unsigned int m_nSaved;
};
}

TEST(FrameMessages, ExportedGlobalsAreTheLibrarysUnderTheirOwnNames)
{
    ASSERT_NE(nullptr, Library());
    for (const SMessageEntry& entry : AllExported())
    {
        // the header's declaration must bind to the export of the same name
        FARPROC pExport = ::GetProcAddress(Library(), entry.pszGlobal);
        EXPECT_EQ((void*)entry.pnGlobal, (void*)pExport) << entry.pszGlobal;
    }
    // the message registered as "WM_LDRAG" is exported under its global's name only
    EXPECT_EQ(nullptr, (void*)::GetProcAddress(Library(), "WM_LDRAG"));
}

TEST(FrameMessages, PrivateMessagesAreNotExported)
{
    ASSERT_NE(nullptr, Library());
    for (const SMessageEntry& entry : Entries(s_earlyPrivate))
        EXPECT_EQ(nullptr, (void*)::GetProcAddress(Library(), entry.pszGlobal)) << entry.pszGlobal;
    EXPECT_EQ(nullptr, (void*)::GetProcAddress(Library(), "WM_CARRIER_CLOSED"));
}

TEST(FrameMessages, MessagesRegisteredAtLoadHoldTheNumbersOfTheirNames)
{
    std::vector<SMessageEntry> early = Entries(s_earlyExported);
    early.insert(early.end(), s_earlyPrivate, s_earlyPrivate + 5);
    for (const SMessageEntry& entry : early)
    {
        EXPECT_NE(0u, *entry.pnGlobal) << entry.pszGlobal;
        // another module that registers the name gets the same number (so distinct names
        // give distinct numbers)
        EXPECT_EQ(::RegisterWindowMessageA(entry.pszName), *entry.pnGlobal) << entry.pszGlobal;
    }
    EXPECT_NE(::RegisterWindowMessageA("WM_USER_LDRAG"), WM_USER_LDRAG);
}

TEST(FrameMessages, FirstUsersRegisterTheLateMessages)
{
    // zero before the first user is checked on a fresh load (FrameLoad tests); here the library
    // may already have been used, so each helper is run on a global set back to 0
    {
        CSavedGlobal saved(WM_FILEALARM, 0);
        RegisterFileAlarmMessage();
        EXPECT_EQ(::RegisterWindowMessageA("WM_FILEALARM"), WM_FILEALARM);
    }
    {
        CSavedGlobal saved1(WM_DRAWTHUMBNAIL, 0);
        CSavedGlobal saved2(WM_THUMBNAIL_REQUEST, 0);
        CSavedGlobal saved3(WM_THUMBNAIL_BREAK, 0);
        RegisterThumbnailMessages();
        EXPECT_EQ(::RegisterWindowMessageA("WM_DRAWTHUMBNAIL"), WM_DRAWTHUMBNAIL);
        EXPECT_EQ(::RegisterWindowMessageA("WM_THUMBNAIL_REQUEST"), WM_THUMBNAIL_REQUEST);
        EXPECT_EQ(::RegisterWindowMessageA("WM_THUMBNAIL_BREAK"), WM_THUMBNAIL_BREAK);
    }
    {
        CSavedGlobal saved(WM_CARRIER_CLOSED, 0);
        RegisterCarrierClosedMessage();
        EXPECT_EQ(::RegisterWindowMessageA("WM_CARRIER_CLOSED"), WM_CARRIER_CLOSED);
    }
}

TEST(FrameMessages, OnlyTheFirstUserRegistersWatcherAndThumbnailMessages)
{
    // a global that is already set belongs to an earlier user: it is left alone
    CSavedGlobal saved1(WM_FILEALARM, 0x1234);
    CSavedGlobal saved2(WM_DRAWTHUMBNAIL, 0x2345);
    CSavedGlobal saved3(WM_THUMBNAIL_REQUEST, 0);
    CSavedGlobal saved4(WM_CARRIER_CLOSED, 0x3456);
    RegisterFileAlarmMessage();
    RegisterThumbnailMessages();
    RegisterCarrierClosedMessage();
    EXPECT_EQ(0x1234u, WM_FILEALARM);
    EXPECT_EQ(0x2345u, WM_DRAWTHUMBNAIL);
    EXPECT_EQ(::RegisterWindowMessageA("WM_THUMBNAIL_REQUEST"), WM_THUMBNAIL_REQUEST);
    // every table drop-down registers again
    EXPECT_EQ(::RegisterWindowMessageA("WM_CARRIER_CLOSED"), WM_CARRIER_CLOSED);
}

TEST(FrameMessages, RegisterWEXOCtrlMessagesChangesNothing)
{
    // a late message still waiting for its first user must stay unregistered
    CSavedGlobal savedAlarm(WM_FILEALARM, 0);
    CSavedGlobal savedThumbnail(WM_THUMBNAIL_BREAK, 0);
    std::vector<SMessageEntry> all = AllExported();
    std::vector<unsigned int> before;
    for (const SMessageEntry& entry : all)
        before.push_back(*entry.pnGlobal);

    for (int i = 0; i < 3; i++)
        RegisterWEXOCtrlMessages();

    for (size_t i = 0; i < all.size(); i++)
        EXPECT_EQ(before[i], *all[i].pnGlobal) << all[i].pszGlobal;
    EXPECT_EQ(0u, WM_FILEALARM);
    EXPECT_EQ(0u, WM_THUMBNAIL_BREAK);
}
