#include "platform/launch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/text_win32.h"
#include "platform/win32_services.h"
#include "services_test_support.h"

namespace {

namespace fs = std::filesystem;
using services_test::Helper;
using services_test::ReadAll;
using services_test::ScratchDir;
using services_test::WaitForFile;
using std::chrono::milliseconds;

constexpr milliseconds kMarkerTimeout{10000};

// Launches through the services, as the execution tick does with the path box's GBK text.
struct TimedLaunch {
    bool started;
    long long milliseconds;
};
TimedLaunch Launch(platform::Win32Services& services, const std::wstring& text) {
    const auto start = std::chrono::steady_clock::now();
    const bool started = services.LaunchProgram(platform::WideToGbk(text));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return {started, std::chrono::duration_cast<milliseconds>(elapsed).count()};
}

void Report(const char* what, const TimedLaunch& launch) {
    std::printf("[ figure   ] launch of %s: %s after %lld ms\n", what, launch.started ? "started" : "refused",
                launch.milliseconds);
}

std::wstring Quoted(const fs::path& path) {
    return L"\"" + path.wstring() + L"\"";
}

class LaunchTest : public testing::Test {
  protected:
    ScratchDir scratch_;
    platform::Win32Services services_;
};

// The started program was asked to show its window normally (STARTF_USESHOWWINDOW, SW_SHOWNORMAL).
constexpr const char* kShownNormally = "flags=1 show=1";

TEST_F(LaunchTest, StartsAConsoleProgram) {
    const TimedLaunch launch = Launch(services_, Helper(L"hz_console_helper").wstring());
    Report("a console program", launch);
    EXPECT_TRUE(launch.started);
    ASSERT_TRUE(WaitForFile(scratch_.Marker(L"hz_console_helper.exe"), kMarkerTimeout));
    EXPECT_EQ(ReadAll(scratch_.Marker(L"hz_console_helper.exe")), kShownNormally);
}

TEST_F(LaunchTest, StartsAGuiProgramShownNormally) {
    const TimedLaunch launch = Launch(services_, Helper(L"hz_gui_helper").wstring());
    Report("a GUI program", launch);
    EXPECT_TRUE(launch.started);
    ASSERT_TRUE(WaitForFile(scratch_.Marker(L"hz_gui_helper.exe"), kMarkerTimeout));
    EXPECT_EQ(ReadAll(scratch_.Marker(L"hz_gui_helper.exe")), kShownNormally);
}

// A command line with an argument is no file name: it goes to CreateProcess as it is. The program takes
// three seconds to open its window; the launch gives up waiting for it after one.
TEST_F(LaunchTest, DoesNotWaitLongForASlowProgram) {
    const TimedLaunch launch = Launch(services_, Quoted(Helper(L"hz_gui_helper")) + L" --slow");
    Report("a GUI program slow to start", launch);
    EXPECT_TRUE(launch.started);
    EXPECT_TRUE(WaitForFile(scratch_.Marker(L"hz_gui_helper.exe"), kMarkerTimeout));
}

TEST_F(LaunchTest, RefusesWhatIsNoProgram) {
    const fs::path document = scratch_.Path() / L"read me.txt";
    {
        HANDLE file = CreateFileW(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "notes", 5, &written, nullptr);
        CloseHandle(file);
    }
    struct Case {
        const char* name;
        std::wstring text;
    };
    for (const Case& c : {Case{"an empty command line", L""}, Case{"a document", document.wstring()},
                          Case{"a folder", scratch_.Path().wstring()}}) {
        SCOPED_TRACE(c.name);
        const TimedLaunch launch = Launch(services_, c.text);
        Report(c.name, launch);
        EXPECT_FALSE(launch.started);
    }
}

// C:\...\Program Files\Tool\run me.exe with decoys at the two unquoted prefixes CreateProcess would try
// first: C:\...\Program.exe and C:\...\Program Files\Tool\run.exe.
class PathWithSpacesTest : public LaunchTest {
  protected:
    void SetUp() override {
        const fs::path tool = scratch_.Path() / L"Program Files" / L"Tool";
        fs::create_directories(tool);
        program_ = tool / L"run me.exe";
        fs::copy_file(Helper(L"hz_console_helper"), program_);
        fs::copy_file(Helper(L"hz_decoy_helper"), scratch_.Path() / L"Program.exe");
        fs::copy_file(Helper(L"hz_decoy_helper"), tool / L"run.exe");
    }
    bool DecoyRan() const {
        return fs::exists(scratch_.Marker(L"Program.exe")) || fs::exists(scratch_.Marker(L"run.exe"));
    }

    fs::path program_;
};

TEST_F(PathWithSpacesTest, TheDecoyIsWhatAnUnquotedCommandLineStarts) {
    // The hazard itself: the path handed to CreateProcess unquoted starts the decoy.
    std::wstring unquoted = program_.wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, unquoted.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_TRUE(WaitForFile(scratch_.Marker(L"Program.exe"), kMarkerTimeout));
}

TEST_F(PathWithSpacesTest, StartsExactlyTheNamedFile) {
    for (const wchar_t* ending : {L"", L"\r\n"}) {
        SCOPED_TRACE(ending[0] == L'\0' ? "plain" : "with a trailing line break");
        fs::remove(scratch_.Marker(L"run me.exe"));
        const TimedLaunch launch = Launch(services_, program_.wstring() + ending);
        EXPECT_TRUE(launch.started);
        ASSERT_TRUE(WaitForFile(scratch_.Marker(L"run me.exe"), kMarkerTimeout));
        EXPECT_FALSE(DecoyRan());
    }
}

TEST(PrepareLaunchTest, QuotesOnlyAWholeExistingFile) {
    ScratchDir scratch;
    const fs::path program = scratch.Path() / L"a b.exe";
    fs::copy_file(Helper(L"hz_console_helper"), program);
    const std::wstring path = program.wstring();
    struct Case {
        const char* name;
        std::wstring text, applicationName, commandLine;
    };
    for (const Case& c : {
             Case{"existing file", path, path, L"\"" + path + L"\""},
             Case{"existing file and line break", path + L"\r\n", path, L"\"" + path + L"\""},
             Case{"with an argument", path + L" x", L"", path + L" x"},
             Case{"two lines", path + L"\r\n" + path + L"\r\n", L"", path + L"\r\n" + path + L"\r\n"},
             Case{"folder", scratch.Path().wstring(), L"", scratch.Path().wstring()},
             Case{"missing file", path + L".old", L"", path + L".old"},
             Case{"empty", L"", L"", L""},
         }) {
        SCOPED_TRACE(c.name);
        const platform::LaunchCommand command = platform::PrepareLaunch(c.text);
        EXPECT_EQ(command.applicationName, c.applicationName);
        EXPECT_EQ(command.commandLine, c.commandLine);
    }
}

// A dropped path with characters outside code page 936 reaches the services only as GBK with '?' in their
// place; the path box still holds the real path.
TEST_F(LaunchTest, StartsANonGbkPathFromThePathBox) {
    const fs::path folder = scratch_.Path() / L"\uD55C\uAE00 \U0001F600";
    fs::create_directories(folder);
    const std::wstring path = (folder / L"tool.exe").wstring();
    fs::copy_file(Helper(L"hz_console_helper"), path);
    ASSERT_NE(platform::GbkToWide(platform::WideToGbk(path)), path);

    platform::Win32Services withoutBox;
    EXPECT_FALSE(Launch(withoutBox, path).started);
    EXPECT_FALSE(fs::exists(scratch_.Marker(L"tool.exe")));

    HWND box = CreateWindowExW(0, L"EDIT", path.c_str(), WS_POPUP | ES_AUTOHSCROLL, 0, 0, 300, 24, nullptr,
                               nullptr, nullptr, nullptr);
    ASSERT_NE(box, nullptr);
    services_.SetPathBox(box);
    EXPECT_TRUE(Launch(services_, path).started);
    EXPECT_TRUE(WaitForFile(scratch_.Marker(L"tool.exe"), kMarkerTimeout));
    // A command line that is not the box's text is taken as it is.
    EXPECT_TRUE(Launch(services_, Helper(L"hz_console_helper").wstring()).started);
    EXPECT_TRUE(WaitForFile(scratch_.Marker(L"hz_console_helper.exe"), kMarkerTimeout));
    DestroyWindow(box);
}

}  // namespace
