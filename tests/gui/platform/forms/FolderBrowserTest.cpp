#include "platform/forms/TFolderBrowser.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

namespace {

bool OkEnabled(const TFolderBrowser& browser)
{
    return browser.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
}

// Runs Browse and, once its loop runs, does `answer` to the browser it shows.
std::string BrowseAnswering(const std::string& start, std::function<void(TFolderBrowser&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* browser = qobject_cast<TFolderBrowser*>(QApplication::activeModalWidget());
        ASSERT_NE(browser, nullptr);
        answer(*browser);
    });
    return TFolderBrowser::Browse(nullptr, "Select Directory", start);
}

} // namespace

TEST(FolderBrowser, StartsAtTheGivenFolderAndChoosesOnlyFolders)
{
    TTempDir dir;
    const std::string course = dir.MakeDir("我的 课程");
    dir.Write("我的 课程/index.ini", "[set]\n");
    TFolderBrowser browser(nullptr, "Select Directory", course);
    EXPECT_EQ(browser.windowTitle(), "Select Directory");
    EXPECT_EQ(browser.PathField()->text().toStdString(), course);
    EXPECT_EQ(browser.ChosenFolder(), course);
    auto* model = static_cast<QFileSystemModel*>(browser.Tree()->model());
    EXPECT_EQ(model->filePath(browser.Tree()->currentIndex()).toStdString(), course);

    struct TRow {
        std::string typed;
        std::string chosen;
    };
    const TRow rows[] = {
        {course + "/index.ini", ""},
        {course + "/missing", ""},
        {"", ""},
        {"..", dir.Path()},
        {dir.Path() + "//我的 课程/", course},
    };
    for (const TRow& row : rows) {
        browser.PathField()->setText(QString::fromStdString(row.typed));
        EXPECT_EQ(browser.ChosenFolder(), row.chosen) << row.typed;
        EXPECT_EQ(OkEnabled(browser), !row.chosen.empty()) << row.typed;
    }
}

TEST(FolderBrowser, BrowseGivesThePathChosenOrNothing)
{
    TTempDir dir;
    const std::string course = dir.MakeDir("course");
    EXPECT_EQ(BrowseAnswering("", [&](TFolderBrowser& browser) {
                  browser.PathField()->setText(QString::fromStdString(course));
                  browser.accept();
              }),
              course);
    EXPECT_EQ(BrowseAnswering(course, [](TFolderBrowser& browser) { browser.reject(); }), "");
}
