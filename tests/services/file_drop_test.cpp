#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "memory_data_object.h"
#include "platform/file_drop_rules.h"
#include "platform/file_drop_target.h"

namespace {

constexpr DWORD kCopy = DROPEFFECT_COPY;
constexpr DWORD kMove = DROPEFFECT_MOVE;
constexpr DWORD kLink = DROPEFFECT_LINK;
constexpr DWORD kNone = DROPEFFECT_NONE;
constexpr DWORD kAll = kCopy | kMove | kLink;

struct EffectCase {
    const char* name;
    DWORD keys;
    DWORD allowed;
    DWORD effect;
};
void PrintTo(const EffectCase& c, std::ostream* out) {
    *out << c.name;
}

const EffectCase kEffectCases[] = {
    {"NoKeyAllPrefersCopy", 0, kAll, kCopy},
    {"NoKeyMoveLinkPrefersMove", 0, kMove | kLink, kMove},
    {"NoKeyLinkOnly", 0, kLink, kLink},
    {"NoKeyNothingAllowed", 0, kNone, kNone},
    {"MouseButtonsDoNotCount", MK_LBUTTON | MK_RBUTTON, kAll, kCopy},
    {"ShiftMoves", MK_SHIFT, kAll, kMove},
    {"ShiftWithoutMove", MK_SHIFT, kCopy | kLink, kNone},
    {"CtrlCopies", MK_CONTROL, kAll, kCopy},
    {"CtrlWithoutCopy", MK_CONTROL, kMove | kLink, kNone},
    {"CtrlShiftNothing", MK_CONTROL | MK_SHIFT, kAll, kNone},
};

class FileDropEffectTest : public testing::TestWithParam<EffectCase> {};

TEST_P(FileDropEffectTest, MatchesTheTable) {
    const EffectCase& c = GetParam();
    EXPECT_EQ(platform::FileDropEffect(c.keys, c.allowed), c.effect);
}

INSTANTIATE_TEST_SUITE_P(KeysAndAllowed, FileDropEffectTest, testing::ValuesIn(kEffectCases),
                         [](const testing::TestParamInfo<EffectCase>& row) {
                             return std::string(row.param.name);
                         });

// Paths outside code page 936 (Hangul, an emoji as a surrogate pair) must arrive unchanged.
const std::wstring kNonGbkPath = L"C:\\资料\\\uD55C\uAE00 \U0001F600.exe";

struct TextCase {
    const char* name;
    std::vector<std::wstring> paths;
    std::wstring text;
};
void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

const TextCase kTextCases[] = {
    {"OnePathAlone", {L"C:\\tool\\run.exe"}, L"C:\\tool\\run.exe"},
    {"PathWithSpacesUnquoted",
     {L"C:\\Program Files\\Tool\\run me.exe"},
     L"C:\\Program Files\\Tool\\run me.exe"},
    {"Folder", {L"C:\\Program Files"}, L"C:\\Program Files"},
    {"NonGbkPath", {kNonGbkPath}, kNonGbkPath},
    {"SeveralEachWithLineBreak",
     {L"C:\\a.exe", L"D:\\b c\\d.txt", L"C:\\e"},
     L"C:\\a.exe\r\nD:\\b c\\d.txt\r\nC:\\e\r\n"},
};

class DroppedFilesTextTest : public testing::TestWithParam<TextCase> {};

// Through real DROPFILES memory and DragQueryFileW, as a drop delivers it.
TEST_P(DroppedFilesTextTest, BuildsTheTextFromTheDroppedList) {
    const TextCase& c = GetParam();
    HGLOBAL drop = MakeDropFiles(c.paths);
    const std::vector<std::wstring> paths = platform::DroppedPaths(static_cast<HDROP>(drop));
    GlobalFree(drop);
    EXPECT_EQ(paths, c.paths);
    EXPECT_EQ(platform::DroppedFilesText(paths), c.text);
}

INSTANTIATE_TEST_SUITE_P(Lists, DroppedFilesTextTest, testing::ValuesIn(kTextCases),
                         [](const testing::TestParamInfo<TextCase>& row) {
                             return std::string(row.param.name);
                         });

// An edit box with the drop target attached, and the target's IDropTarget driven in-process as OLE would.
class FileDropTargetTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        box_ = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 200, 24, nullptr, nullptr,
                               nullptr, nullptr);
        ASSERT_NE(box_, nullptr);
        ASSERT_TRUE(drop_.Attach(box_));
    }
    void TearDown() override {
        drop_.Withdraw();
        DestroyWindow(box_);
        OleUninitialize();
    }

    // DragEnter, DragOver and Drop with the given keys; the effects each of them reports.
    struct Drag {
        DWORD enter, over, drop;
    };
    Drag DragAndDrop(IDataObject* data, DWORD keys, DWORD allowed = kAll) {
        IDropTarget* target = drop_.Target();
        Drag effects{allowed, allowed, allowed};
        EXPECT_EQ(target->DragEnter(data, keys, POINTL{10, 10}, &effects.enter), S_OK);
        EXPECT_EQ(target->DragOver(keys, POINTL{12, 10}, &effects.over), S_OK);
        EXPECT_EQ(target->Drop(data, keys, POINTL{12, 10}, &effects.drop), S_OK);
        return effects;
    }

    HWND box_ = nullptr;
    std::vector<std::wstring> received_;
    platform::FileDropTarget drop_{[this](const std::wstring& text) { received_.push_back(text); }};
};

TEST_F(FileDropTargetTest, AFileListReachesTheHandlerAsOneText) {
    auto* data = new MemoryDataObject(CF_HDROP, MakeDropFiles({L"C:\\x y\\a.exe", kNonGbkPath}));
    const Drag effects = DragAndDrop(data, 0);
    data->Release();
    EXPECT_EQ(effects.enter, kCopy);
    EXPECT_EQ(effects.over, kCopy);
    EXPECT_EQ(effects.drop, kCopy);
    EXPECT_EQ(received_, std::vector<std::wstring>{L"C:\\x y\\a.exe\r\n" + kNonGbkPath + L"\r\n"});
}

TEST_F(FileDropTargetTest, KeysAtTheDropDecide) {
    auto* data = new MemoryDataObject(CF_HDROP, MakeDropFiles({L"C:\\a.exe"}));
    IDropTarget* target = drop_.Target();
    DWORD effect = kAll;
    target->DragEnter(data, 0, POINTL{}, &effect);
    EXPECT_EQ(effect, kCopy);
    effect = kAll;
    target->DragOver(MK_SHIFT, POINTL{}, &effect);
    EXPECT_EQ(effect, kMove);
    effect = kAll;
    target->Drop(data, MK_SHIFT | MK_CONTROL, POINTL{}, &effect);
    data->Release();
    EXPECT_EQ(effect, kNone);
    EXPECT_TRUE(received_.empty());
}

TEST_F(FileDropTargetTest, TextIsRefused) {
    auto* data = new MemoryDataObject(CF_UNICODETEXT, MakeUnicodeText(L"C:\\a.exe"));
    const Drag effects = DragAndDrop(data, 0);
    EXPECT_EQ(data->getDataCalls, 0);
    data->Release();
    EXPECT_EQ(effects.enter, kNone);
    EXPECT_EQ(effects.over, kNone);
    EXPECT_EQ(effects.drop, kNone);
    EXPECT_TRUE(received_.empty());
}

TEST_F(FileDropTargetTest, ADisabledBoxTakesNoDropUntilEnabledAgain) {
    auto* data = new MemoryDataObject(CF_HDROP, MakeDropFiles({L"C:\\a.exe"}));
    EnableWindow(box_, FALSE);
    const Drag refused = DragAndDrop(data, 0);
    EXPECT_EQ(refused.enter, kNone);
    EXPECT_EQ(refused.over, kNone);
    EXPECT_EQ(refused.drop, kNone);
    EXPECT_TRUE(received_.empty());

    EnableWindow(box_, TRUE);
    const Drag accepted = DragAndDrop(data, 0);
    data->Release();
    EXPECT_EQ(accepted.drop, kCopy);
    EXPECT_EQ(received_, std::vector<std::wstring>{L"C:\\a.exe"});
}

TEST_F(FileDropTargetTest, AttachesOnlyOnceUntilWithdrawn) {
    EXPECT_TRUE(drop_.Attached());
    EXPECT_FALSE(drop_.Attach(box_));
    // The registration is still the first one: registering again would report it taken.
    EXPECT_EQ(RegisterDragDrop(box_, drop_.Target()), DRAGDROP_E_ALREADYREGISTERED);

    drop_.Withdraw();
    EXPECT_FALSE(drop_.Attached());
    EXPECT_EQ(RevokeDragDrop(box_), DRAGDROP_E_NOTREGISTERED);
    EXPECT_TRUE(drop_.Attach(box_));
}

TEST(FileDropTargetAttachTest, AFailedRegistrationStillCountsAsAttached) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    platform::FileDropTarget drop([](const std::wstring&) {});
    HWND box = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(RegisterDragDrop(box, drop.Target()), S_OK);  // taken by someone else first
    EXPECT_FALSE(drop.Attach(box));
    EXPECT_TRUE(drop.Attached());
    EXPECT_FALSE(drop.Attach(box));
    drop.Withdraw();
    EXPECT_EQ(RevokeDragDrop(box), DRAGDROP_E_NOTREGISTERED);
    DestroyWindow(box);
    OleUninitialize();
}

}  // namespace
