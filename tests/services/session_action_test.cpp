#include "platform/session_action.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct FlagCase {
    const char* name;
    int32_t action;
    bool force;
    bool isNt;
    std::optional<UINT> flags;
};
void PrintTo(const FlagCase& c, std::ostream* out) {
    *out << c.name;
}

const FlagCase kFlagCases[] = {
    {"ShutDownForcedNt", 1, true, true, 0xC},
    {"ShutDownForcedOther", 1, true, false, 0x5},
    {"ShutDownNt", 1, false, true, 0x8},
    {"ShutDownOther", 1, false, false, 0x1},
    {"RestartForcedNt", 2, true, true, 0x6},
    {"RestartForcedOther", 2, true, false, 0x6},
    {"RestartNt", 2, false, true, 0x2},
    {"RestartOther", 2, false, false, 0x2},
    {"LogOffForcedNt", 3, true, true, 0x4},
    {"LogOffForcedOther", 3, true, false, 0x4},
    {"LogOffNt", 3, false, true, 0x0},
    {"LogOffOther", 3, false, false, 0x0},
    {"ZeroForcedNt", 0, true, true, std::nullopt},
    {"FourForcedNt", 4, true, true, std::nullopt},
    {"MinusOneOther", -1, false, false, std::nullopt},
};

class SessionFlagsTest : public testing::TestWithParam<FlagCase> {};

TEST_P(SessionFlagsTest, MatchesTheTable) {
    const FlagCase& c = GetParam();
    EXPECT_EQ(platform::SessionFlags(c.action, c.force, c.isNt), c.flags);
}

INSTANTIATE_TEST_SUITE_P(AllActions, SessionFlagsTest, testing::ValuesIn(kFlagCases),
                         [](const testing::TestParamInfo<FlagCase>& row) {
                             return std::string(row.param.name);
                         });

// A recording stand-in for the operating system: nothing here ends a session.
struct FakeSystem {
    static inline bool nt = true;
    static inline bool privilegeGranted = true;
    static inline bool exitAccepted = true;
    static inline std::vector<std::string> calls;
    static inline std::vector<UINT> exitFlags;

    static bool IsNt() {
        calls.push_back("platform");
        return nt;
    }
    static bool EnablePrivilege() {
        calls.push_back("privilege");
        return privilegeGranted;
    }
    static bool RequestExit(UINT flags) {
        calls.push_back("exit");
        exitFlags.push_back(flags);
        return exitAccepted;
    }
    static platform::SessionSystem System() { return {IsNt, EnablePrivilege, RequestExit}; }
};

class RequestSessionActionTest : public testing::Test {
  protected:
    void SetUp() override {
        FakeSystem::nt = true;
        FakeSystem::privilegeGranted = true;
        FakeSystem::exitAccepted = true;
        FakeSystem::calls.clear();
        FakeSystem::exitFlags.clear();
    }
};

TEST_F(RequestSessionActionTest, OutOfRangeActionsTouchNothing) {
    for (int32_t action : {0, 4, -1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(action);
        EXPECT_FALSE(platform::RequestSessionAction(action, true, FakeSystem::System()));
        EXPECT_TRUE(FakeSystem::calls.empty());
    }
}

TEST_F(RequestSessionActionTest, EnablesThePrivilegeThenRequestsTheFlags) {
    struct Case {
        int32_t action;
        bool nt;
        UINT flags;
    };
    for (const Case& c : {Case{1, true, 0xC}, Case{1, false, 0x5}, Case{2, true, 0x6}, Case{3, true, 0x4}}) {
        SCOPED_TRACE(testing::Message() << "action " << c.action << " nt " << c.nt);
        SetUp();
        FakeSystem::nt = c.nt;
        EXPECT_TRUE(platform::RequestSessionAction(c.action, true, FakeSystem::System()));
        ASSERT_FALSE(FakeSystem::calls.empty());
        EXPECT_EQ(FakeSystem::calls.front(), "privilege");
        EXPECT_EQ(FakeSystem::calls.back(), "exit");
        EXPECT_EQ(FakeSystem::exitFlags, std::vector<UINT>{c.flags});
    }
}

TEST_F(RequestSessionActionTest, RequestsNothingWithoutThePrivilegeEvenToLogOff) {
    FakeSystem::privilegeGranted = false;
    for (int32_t action : {1, 2, 3}) {
        SCOPED_TRACE(action);
        EXPECT_FALSE(platform::RequestSessionAction(action, true, FakeSystem::System()));
        EXPECT_TRUE(FakeSystem::exitFlags.empty());
    }
}

TEST_F(RequestSessionActionTest, ARefusedRequestIsFalse) {
    FakeSystem::exitAccepted = false;
    EXPECT_FALSE(platform::RequestSessionAction(2, true, FakeSystem::System()));
    EXPECT_EQ(FakeSystem::exitFlags, std::vector<UINT>{0x6});
}

bool ShutdownPrivilegeEnabled() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    LUID shutdown{};
    LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdown);
    DWORD size = 0;
    GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    bool enabled = false;
    if (GetTokenInformation(token, TokenPrivileges, buffer.data(), size, &size)) {
        const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
        for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
            const LUID_AND_ATTRIBUTES& entry = privileges->Privileges[i];
            if (entry.Luid.LowPart == shutdown.LowPart && entry.Luid.HighPart == shutdown.HighPart) {
                enabled = (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
            }
        }
    }
    CloseHandle(token);
    return enabled;
}

// Only the process's own token changes; no session is requested.
TEST(EnableShutdownPrivilegeTest, EnablesItInTheOwnToken) {
    EXPECT_TRUE(platform::IsNtPlatform());
    EXPECT_TRUE(platform::EnableShutdownPrivilege());
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

}  // namespace
