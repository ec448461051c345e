#include "controls/SUIPageControl.h"

#include "controls/SUIControls.h"
#include "controls/SUIImagePanel.h"
#include "gui/platform/forms/Input.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "support/PixelImages.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QPointer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr TColor kParent = 0x336699;

// A page control on a shown form with sheets named A, B, ... whose events land in one log.
struct TPages {
    TForm form;
    TsuiPageControl* control;
    std::vector<TsuiTabSheet*> sheets;
    std::vector<std::string> log;

    explicit TPages(int count)
    {
        form.SetColor(kParent);
        form.resize(500, 300);
        // Hidden widgets are resized only when shown.
        form.show();
        control = new TsuiPageControl(&form);
        control->SetBounds(0, 0, 400, 200);
        control->OnChanging = [this](bool&) { log.push_back("changing"); };
        control->OnTabActive
            = [this](int index) { log.push_back("active " + std::to_string(index)); };
        control->OnChange = [this] { log.push_back("change"); };
        for (int i = 0; i < count; ++i)
            Add();
        log.clear();
    }

    TsuiTabSheet* Add()
    {
        const std::string name(1, char('A' + sheets.size()));
        auto* sheet = new TsuiTabSheet();
        sheet->setObjectName(QString::fromStdString(name));
        sheet->SetCaption(QString::fromStdString(name));
        sheet->OnShow = [this, name] { log.push_back(name + " show"); };
        sheets.push_back(sheet);
        sheet->SetPageControl(control);
        return sheet;
    }

    TsuiTabSheet* Sheet(char name) const { return sheets[std::size_t(name - 'A')]; }

    std::string Active() const
    {
        return control->ActivePage() ? control->ActivePage()->objectName().toStdString() : "none";
    }

    std::vector<std::string> Take() { return std::exchange(log, {}); }
};

using TLog = std::vector<std::string>;

std::unique_ptr<TForm> ReadForm(const char* layout, THandlerTable handlers = {}, bool show = true)
{
    TClassRegistry registry;
    RegisterSkinnedControls(registry);
    auto form = std::make_unique<TForm>();
    form->Handlers() = std::move(handlers);
    ReadLayout(layout, *form, registry, form->Handlers());
    if (show)
        form->show();
    return form;
}

TEST(PageControl, ReadsTheMainWindowsStoredPagesWithNoTabsAndSheetsBelowTheStrip)
{
    int changes = 0;
    auto form = ReadForm(R"(object frm_main: TForm
  Width = 762
  Height = 520
  Color = $336699
  object sPC_Client: TsuiPageControl
    Left = 0
    Top = 28
    Width = 747
    Height = 458
    UIStyle = WinXP
    LeftMargin = 10
    BorderColor = $686868
    Color = clWhite
    ActivePage = sTS_main
    Pages = (sTS_main sTS_About)
    OnChange = changed
    object sSC: TsuiImagePanel
      Left = 3
      Top = 22
      Width = 75
      Height = 433
      Align = alLeft
    end
    object sTS_main: TsuiTabSheet
      PageControl = sPC_Client
      PageIndex = 0
      TabVisible = False
      Color = clWhite
    end
    object sTS_About: TsuiTabSheet
      PageControl = sPC_Client
      PageIndex = 1
      TabVisible = False
      Color = clWhite
      Enabled = False
    end
  end
end)",
        { { "changed", [&] { ++changes; } } });
    auto* control = form->findChild<TsuiPageControl*>("sPC_Client");
    auto* main = form->findChild<TsuiTabSheet*>("sTS_main");
    auto* about = form->findChild<TsuiTabSheet*>("sTS_About");
    ASSERT_TRUE(control && main && about);

    EXPECT_EQ(control->TopPanel()->height(), 19);
    EXPECT_EQ(form->findChild<QWidget*>("sSC")->geometry(), QRect(3, 22, 75, 433));
    EXPECT_EQ(main->geometry(), QRect(78, 22, 666, 433));
    EXPECT_EQ(about->geometry(), main->geometry());
    EXPECT_EQ(control->Pages(), QStringList({ "sTS_main", "sTS_About" }));
    EXPECT_EQ(main->PageIndex(), 0);
    EXPECT_EQ(about->PageIndex(), 1);
    EXPECT_FALSE(main->TabVisible());
    EXPECT_FALSE(about->TabVisible());
    EXPECT_EQ(control->ActivePage(), main);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(about->isEnabled());
    EXPECT_TRUE(about->isVisible()) << "an inactive page is disabled, not hidden";
    EXPECT_EQ(changes, 0) << "nothing is told while the window is read";

    // No tabs: the strip is the parent's background over the bar and its two end lines.
    const QImage shot = control->grab().toImage();
    for (int x : { 1, 10, 100, 745 })
        for (int y = 0; y < 18; ++y)
            ASSERT_EQ(At(shot, x, y), kParent) << x << "," << y;
    for (TPoint border : { TPoint { 0, 18 }, { 746, 18 }, { 0, 457 }, { 746, 300 }, { 300, 457 } })
        EXPECT_EQ(At(shot, border.x, border.y), TColor(0x686868)) << border.x << "," << border.y;
    EXPECT_EQ(At(shot, 1, 30), clWhite);
}

TEST(PageControl, AStoredPageListOrdersTheSheetsAndTheSelectedTabFollowsTheActivePage)
{
    auto form = ReadForm(R"(object f: TForm
  object pc: TsuiPageControl
    Width = 300
    Pages = (first second)
    ActivePage = second
    object second: TsuiTabSheet
      Caption = 'Second'
      PageControl = pc
    end
    object first: TsuiTabSheet
      Caption = 'First'
      PageControl = pc
    end
  end
end)",
        {}, false);
    auto* control = form->findChild<TsuiPageControl*>("pc");
    EXPECT_EQ(control->Pages(), QStringList({ "first", "second" }));
    EXPECT_EQ(control->TopPanel()->Tabs(), QStringList({ "First", "Second" }));
    EXPECT_EQ(control->ActivePage()->objectName(), "second");
    EXPECT_EQ(control->TopPanel()->TabIndex(), 1);

    // The tabs were laid out once the control was loaded, not first when shown.
    TsuiTabControlTopPanel* strip = control->TopPanel();
    const std::optional<TRect> first = strip->TabRect(0), second = strip->TabRect(1);
    ASSERT_TRUE(first && second);
    strip->Relayout();
    EXPECT_EQ(strip->TabRect(0), first);
    EXPECT_EQ(strip->TabRect(1), second);
    EXPECT_GT(second->Width(), 20);
}

TEST(PageControl, EventsComeInTheirOrderAndOnlyWhenTheTabChanges)
{
    TPages p(0);
    struct TStep {
        const char* what;
        std::function<void()> act;
        TLog expected;
    };
    const std::vector<TStep> steps {
        { "first sheet added", [&] { p.Add(); }, { "A show" } },
        { "second sheet added", [&] { p.Add(); }, { "B show", "active 1", "change", "B show" } },
        { "A shown", [&] { p.Sheet('A')->Show(); }, { "A show", "active 0", "change", "A show" } },
        { "A shown again", [&] { p.Sheet('A')->Show(); }, { "A show" } },
        { "B's tab clicked",
            [&] {
                Click(
                    *p.control->TopPanel(), QPoint(p.control->TopPanel()->TabRect(1)->Left + 4, 5));
            },
            { "changing", "B show", "active 1", "change" } },
        { "B's tab hidden", [&] { p.Sheet('B')->SetTabVisible(false); },
            { "A show", "active 0", "change", "A show" } },
        { "B's tab shown", [&] { p.Sheet('B')->SetTabVisible(true); },
            { "B show", "active 1", "change", "B show" } },
        { "page 0 selected", [&] { p.control->SelectPage(0); },
            { "A show", "active 0", "change", "A show" } },
    };
    for (const TStep& step : steps) {
        step.act();
        EXPECT_EQ(p.Take(), step.expected) << step.what;
    }
}

TEST(PageControl, ShowingASheetDisablesTheOtherBehindItAndFocusesItsFirstChild)
{
    TPages p(2);
    auto* edit = new QLineEdit(p.Sheet('A'));
    auto* unfocusable = new QWidget(p.Sheet('B'));
    edit->show();
    unfocusable->show();
    for (char shown : { 'A', 'B', 'A' }) {
        p.Sheet(shown)->Show();
        const char other = shown == 'A' ? 'B' : 'A';
        EXPECT_TRUE(p.Sheet(shown)->isEnabled()) << shown;
        EXPECT_FALSE(p.Sheet(other)->isEnabled()) << shown;
        EXPECT_TRUE(p.Sheet(other)->isVisible()) << shown;
        const QObjectList& stack = p.control->children();
        EXPECT_GT(stack.indexOf(p.Sheet(shown)), stack.indexOf(p.Sheet(other))) << shown;
        if (shown == 'A')
            EXPECT_EQ(p.form.focusWidget(), edit);
        else
            EXPECT_NE(p.form.focusWidget(), unfocusable);
    }
}

TEST(PageControl, RemovingASheetSelectsThePageBeforeItAndNoneForTheFirst)
{
    struct TRow {
        char active;
        char removed;
        std::string expected;
    };
    const TRow rows[] = {
        { 'C', 'A', "none" },
        { 'B', 'A', "none" },
        { 'C', 'B', "A" },
        { 'A', 'C', "B" },
        { 'C', 'C', "B" },
    };
    for (const TRow& row : rows) {
        TPages p(3);
        p.Sheet(row.active)->Show();
        delete p.Sheet(row.removed);
        EXPECT_EQ(p.Active(), row.expected)
            << row.active << " active, " << row.removed << " removed";
        EXPECT_EQ(p.control->PageCount(), 2);
        EXPECT_EQ(p.control->TopPanel()->Tabs().size(), 2);
        // With no page active, any tab's click shows its page.
        if (row.expected == "none") {
            for (int index : { 1, 0 }) {
                Click(*p.control->TopPanel(),
                    QPoint(p.control->TopPanel()->TabRect(index)->Left + 4, 5));
                EXPECT_EQ(p.control->ActivePage(), p.control->Page(index));
            }
        }
    }
}

TEST(PageControl, SheetsAndTheControlGoInAnyOrder)
{
    {
        TPages p(3);
        QPointer<TsuiTabSheet> b = p.Sheet('B');
        delete p.control;
        EXPECT_FALSE(b) << "sheets go with their page control";
    }
    {
        TPages p(2);
        TPages other(1);
        p.Sheet('A')->SetPageControl(other.control);
        EXPECT_EQ(p.control->PageCount(), 1);
        EXPECT_EQ(other.control->PageCount(), 2);
        EXPECT_EQ(other.control->ActivePage(), p.Sheet('A'));
        std::unique_ptr<TsuiTabSheet> loose(p.Sheet('B'));
        loose->SetPageControl(nullptr);
        EXPECT_EQ(p.control->PageCount(), 0);
        EXPECT_EQ(loose->PageIndex(), -1);
        delete other.control;
        delete p.control;
    }
}

TEST(PageControl, HidingTheActivePagesTabSelectsTheNearestShownBeforeThenAfter)
{
    struct TRow {
        std::string hiddenFirst;
        char active;
        char hidden;
        std::string expected;
    };
    const TRow rows[] = {
        { "", 'C', 'C', "B" }, { "B", 'C', 'C', "A" }, { "AB", 'C', 'C', "D" },
        { "ABDE", 'C', 'C', "C" }, { "", 'A', 'C', "A" }, // another page's tab
    };
    for (const TRow& row : rows) {
        TPages p(5);
        for (char name : row.hiddenFirst)
            p.Sheet(name)->SetTabVisible(false);
        p.Sheet(row.active)->Show();
        p.Sheet(row.hidden)->SetTabVisible(false);
        EXPECT_EQ(p.Active(), row.expected) << row.hiddenFirst << " hidden, " << row.active;
        EXPECT_FALSE(p.control->TopPanel()->TabRect(row.hidden - 'A'));
    }
    TPages p(3);
    p.Sheet('C')->SetTabVisible(false);
    p.Sheet('A')->Show();
    p.Sheet('C')->SetTabVisible(true);
    EXPECT_EQ(p.Active(), "C") << "showing a tab activates its page";
}

TEST(PageControl, MovingAPageKeepsCaptionsAndHiddenTabsWithTheirSheets)
{
    TPages p(3);
    p.Sheet('B')->SetTabVisible(false);
    p.Sheet('C')->SetPageIndex(0);
    EXPECT_EQ(p.control->TopPanel()->Tabs(), QStringList({ "C", "A", "B" }));
    EXPECT_EQ(p.Active(), "C");
    EXPECT_FALSE(p.control->TopPanel()->TabShown(2)) << "B's tab stays hidden";
    EXPECT_TRUE(p.control->TopPanel()->TabShown(0));
    p.Sheet('A')->SetPageIndex(3);
    EXPECT_EQ(p.Sheet('A')->PageIndex(), 1) << "out of range";
    delete p.Sheet('C');
    EXPECT_FALSE(p.control->TopPanel()->TabShown(1)) << "B's tab stays hidden";
    p.Sheet('A')->SetCaption("Words");
    EXPECT_EQ(p.control->TopPanel()->Tabs(), QStringList({ "Words", "B" }));
}

TEST(PageControl, PassesItsStyleToItsChildrenAndItsColoursToTheSheets)
{
    TPages p(2);
    auto* onSheet = new TsuiImagePanel(p.Sheet('A'));
    auto* beside = new TsuiImagePanel(p.control);
    p.control->SetUIStyle(MacOS);
    EXPECT_EQ(onSheet->UIStyle(), MacOS);
    EXPECT_EQ(beside->UIStyle(), MacOS);
    for (TsuiTabSheet* sheet : p.sheets) {
        EXPECT_EQ(sheet->Color(), TColor(0xE7E7E7));
        EXPECT_EQ(sheet->BorderColor(), TColor(0x7F7F7F));
    }
    p.control->SetColor(clWhite);
    EXPECT_EQ(At(p.Sheet('B')->grab().toImage(), 5, 5), clWhite);
}

TEST(PageControl, AssistiveTechnologySeesPageTabsAndPanesWithTheActiveOneSelected)
{
    TPages p(3);
    p.Sheet('A')->SetCaption("&Player");
    p.Sheet('C')->SetTabVisible(false);
    p.Sheet('A')->Show();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(p.control->TopPanel());
    ASSERT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 3);
    QAccessibleInterface* tab = list->child(1);
    EXPECT_EQ(tab->role(), QAccessible::PageTab);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "Player");
    EXPECT_TRUE(list->child(0)->state().selected);
    EXPECT_FALSE(tab->state().selected);
    EXPECT_TRUE(list->child(2)->state().invisible);
    EXPECT_EQ(list->indexOfChild(tab), 1);

    QAccessibleInterface* player = QAccessible::queryAccessibleInterface(p.Sheet('A'));
    QAccessibleInterface* other = QAccessible::queryAccessibleInterface(p.Sheet('B'));
    EXPECT_EQ(player->role(), QAccessible::Pane);
    EXPECT_EQ(player->text(QAccessible::Name), "Player");
    EXPECT_TRUE(player->state().selected);
    EXPECT_FALSE(other->state().selected);
    EXPECT_TRUE(other->state().disabled);

    p.Take();
    tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(p.Take(), (TLog { "changing", "B show", "active 1", "change" }));
    EXPECT_TRUE(tab->state().selected);
    EXPECT_TRUE(other->state().selected);
}

} // namespace
