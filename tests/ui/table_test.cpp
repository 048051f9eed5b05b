#include <gtest/gtest.h>

#include <set>

#include "ui/window_description.h"

namespace ui {
namespace {

TEST(WindowTables, NamesAreUniqueAndParentsComeFirst) {
    std::set<ControlId> seen;
    for (const WindowDescription* window : {&MainWindowDescription(), &WarningWindowDescription()}) {
        std::set<ControlId> created{window->id};
        for (const ControlDescription& row : window->controls) {
            SCOPED_TRACE(scheduler::ControlName(row.id));
            EXPECT_TRUE(seen.insert(row.id).second);
            EXPECT_TRUE(created.count(row.parent) == 1 ||
                        (row.parent == ControlId::分组框1 && window->id == ControlId::MainWindow));
            created.insert(row.id);
        }
    }
    EXPECT_EQ(MainWindowDescription().controls.size(), 42u);
    EXPECT_EQ(WarningWindowDescription().controls.size(), 3u);
}

TEST(WindowTables, MainWindowIsInStoredOrder) {
    const auto& rows = MainWindowDescription().controls;
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(static_cast<size_t>(rows[i].id), i);
    EXPECT_EQ(MainWindowDescription().title,
              "\xBA\xCC\xD6\xDB\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA"
              "1.0");  // 禾舟定时关机1.0
}

}  // namespace
}  // namespace ui
