#include "tools/gallery/GalleryRows.h"

#include "controls/SUIButton.h"
#include "controls/SUIGroupBox.h"
#include "controls/SUIImagePanel.h"
#include "controls/SUIMemo.h"
#include "controls/SUIPageControl.h"
#include "controls/SUIPopupMenu.h"
#include "controls/SUIScrollBar.h"
#include "controls/SUISideChannel.h"
#include "controls/SUIStatusBar.h"
#include "controls/SUITrackBar.h"
#include "controls/SUIURLLabel.h"
#include "skin/SUIForm.h"
#include "skin/SUIMainMenu.h"
#include "skin/SUITitleBar.h"
#include "tools/gallery/GallerySheet.h"
#include "tools/gallery/GalleryStates.h"

#include "platform/forms/TForm.h"
#include "platform/forms/TStatusBar.h"
#include "skin/SUIStyledControl.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QPainter>

#include <type_traits>

namespace {

// Puts the control at the cell's top-left content corner.
template <class T> T& Place(T& control, int width, int height)
{
    control.SetBounds(kGalleryCellPad, kGalleryCellPad, width, height);
    return control;
}

// Our own small picture: a jade tile with a sun, on magenta, which its bottom-left corner
// makes the see-through colour.
QImage GalleryPicture()
{
    QImage picture(36, 26, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    QPainter painter(&picture);
    painter.setPen(QColor(20, 90, 60));
    painter.setBrush(QColor(60, 170, 120));
    painter.drawRoundedRect(QRect(2, 2, 31, 21), 5, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 210, 40));
    painter.drawEllipse(QRect(18, 5, 10, 10));
    return picture;
}

TsuiImagePanel& MakeImagePanel(TGalleryCell& cell, TsuiImagePanel::TsuiDrawStyle drawStyle)
{
    auto* panel = new TsuiImagePanel(&cell);
    cell.Dress(*panel);
    panel->SetPicture(GalleryPicture());
    panel->SetDrawStyle(drawStyle);
    return Place(*panel, 150, 40);
}

template <class TButton> TButton& MakeButton(TGalleryCell& cell)
{
    auto* button = new TButton(&cell);
    cell.Dress(*button);
    button->SetCaption("&Play");
    // A held button would fire its repeat for as long as the gallery runs.
    button->SetMouseContinuouslyDownInterval(0);
    // Image buttons draw no focus frame unless asked to.
    if constexpr (std::is_same_v<TButton, TsuiImageButton>)
        button->SetDrawFocused(true);
    return Place(*button, 75, 23);
}

// Our own pictures for an image button's looks: a jade pill, lighter under the mouse,
// darker while pressed, grey when disabled.
QImage PillPicture(QColor fill)
{
    QImage picture(75, 23, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    // Hard edges: a blend with the see-through colour would show as a fringe.
    QPainter painter(&picture);
    painter.setPen(fill.darker(160));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRect(0, 0, 74, 22), 10, 10);
    return picture;
}

TsuiImageButton& MakePictureButton(TGalleryCell& cell)
{
    auto& button = MakeButton<TsuiImageButton>(cell);
    const QColor jade(90, 180, 140);
    button.SetPicNormal(PillPicture(jade));
    button.SetPicMouseOn(PillPicture(jade.lighter(125)));
    button.SetPicMouseDown(PillPicture(jade.darker(125)));
    button.SetPicDisabled(PillPicture(QColor(190, 190, 190)));
    button.SetTransparent(true);
    return button;
}

// The states every push button shows, each made by `make`.
template <class TMake> void AddButtonStateRows(TGallerySheet& sheet, TMake make)
{
    // The tallest built-in button look.
    constexpr int kRowHeight = 27;
    sheet.AddRow("normal", kRowHeight, [make](TGalleryCell& cell) { make(cell); });
    sheet.AddRow("hot", kRowHeight, [make](TGalleryCell& cell) {
        auto& button = make(cell);
        Pin(button);
        Hover(button);
    });
    sheet.AddRow("pressed", kRowHeight, [make](TGalleryCell& cell) {
        auto& button = make(cell);
        Pin(button);
        Push(button, button.rect().center());
    });
    sheet.AddRow("disabled", kRowHeight, [make](TGalleryCell& cell) { make(cell).SetEnabled(false); });
    sheet.AddRow("focused", kRowHeight, [make](TGalleryCell& cell) {
        auto& button = make(cell);
        Pin(button);
        cell.ShowFocused(button);
    });
    sheet.AddRow(
        "see-through", kRowHeight, [make](TGalleryCell& cell) { make(cell).SetTransparent(true); },
        TGalleryCell::TGround::Striped);
}

TsuiCheckBox& MakeCheckBox(TGalleryCell& cell, bool checked)
{
    auto* box = new TsuiCheckBox(&cell);
    cell.Dress(*box);
    box->SetCaption("&Replay");
    box->SetChecked(checked);
    box->SetLeft(kGalleryCellPad);
    box->SetTop(kGalleryCellPad);
    return *box;
}

// A child along the top of a container's client area, which shows where that lies.
void MakeInsideLabel(TControl& container)
{
    auto* link = new TsuiURLLabel(&container);
    link->SetCaption("Inside");
    link->SetAlign(TControl::alTop);
}

TsuiPanel& MakePanel(TGalleryCell& cell, bool showButton)
{
    auto* panel = new TsuiPanel(&cell);
    cell.Dress(*panel);
    panel->SetCaption("Control Panel");
    panel->SetShowButton(showButton);
    MakeInsideLabel(*panel);
    return Place(*panel, 150, 60);
}

// The pointer over the middle of the fold button, which sits at the right end of the
// style's caption bar.
void HoverFoldButton(TsuiPanel& panel, const TGalleryCell& cell)
{
    QImage bar;
    TsuiStyleSource(cell.Style().theme, cell.Style().style)
        .GetBitmap(SUI_THEME_SideChannelBarImage, &bar);
    const QImage button = LoadSkinBitmap("PANEL_BUTTON");
    constexpr int kButtonFrames = 4;
    constexpr int kButtonMargin = 4;
    const QPoint at(panel.width() - kButtonMargin - button.width() / kButtonFrames / 2 - 1,
        bar.height() / 2);
    Pin(panel);
    Hover(panel);
    QMouseEvent move(QEvent::MouseMove, at, panel.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(&panel, &move);
}

TsuiGroupBox& MakeGroupBox(TGalleryCell& cell, const QString& caption)
{
    auto* box = new TsuiGroupBox(&cell);
    cell.Dress(*box);
    box->SetCaption(caption);
    MakeInsideLabel(*box);
    return Place(*box, 150, 50);
}

TsuiPageControl& MakePageControl(TGalleryCell& cell, const QStringList& pages, int active)
{
    auto* control = new TsuiPageControl(&cell);
    cell.Dress(*control);
    Place(*control, 156, 64);
    for (const QString& caption : pages) {
        auto* sheet = new TsuiTabSheet(control);
        sheet->SetCaption(caption);
        MakeInsideLabel(*sheet);
    }
    control->SelectPage(active);
    return *control;
}

// A side channel along the cell's left or right edge, like the main window's menu pane.
TsuiSideChannel& MakeSideChannel(
    TGalleryCell& cell, TsuiSideChannel::TsuiSideChannelAlign align, bool pinnedOpen)
{
    auto* channel = new TsuiSideChannel(&cell);
    cell.Dress(*channel);
    channel->SetCaption("Menu");
    channel->SetAlign(align);
    channel->SetWidth(75);
    MakeInsideLabel(*channel);
    if (pinnedOpen) {
        channel->SetStayOn(true);
        channel->PopOut(TsuiSideChannel::TMotion::Quick);
    }
    return *channel;
}

// The main window's status bar, narrowed to the cell: course name and word position.
TsuiStatusBar& MakeStatusBar(TGalleryCell& cell)
{
    auto* bar = new TsuiStatusBar(&cell);
    cell.Dress(*bar);
    bar->SetAlign(TControl::alNone);
    for (auto [width, text] : { std::pair { 80, "Demo" }, std::pair { 40, "  1 / 16" } }) {
        auto* panel = static_cast<TStatusPanel*>(bar->AddCollectionItem("Panels"));
        panel->SetWidth(width);
        panel->SetText(text);
    }
    return Place(*bar, 156, 19);
}

// The main window's interval slider: 0 to 30, one tick per value.
TsuiTrackBar& MakeTrackBar(TGalleryCell& cell, TsuiProgressBarOrientation orientation,
    int position, QPoint at = { kGalleryCellPad, kGalleryCellPad })
{
    auto* bar = new TsuiTrackBar(&cell);
    bar->SetOrientation(orientation);
    cell.Dress(*bar);
    bar->SetMax(30);
    bar->SetPosition(position);
    if (orientation == suiHorizontal)
        bar->SetBounds(at.x(), at.y(), 124, bar->height());
    else
        bar->SetBounds(at.x(), at.y(), bar->width(), 100);
    return *bar;
}

TsuiURLLabel& MakeLink(TGalleryCell& cell)
{
    auto* link = new TsuiURLLabel(&cell);
    link->SetCaption("Zintaro on the web");
    link->SetLeft(kGalleryCellPad);
    link->SetTop(kGalleryCellPad);
    return *link;
}

TsuiMemo& MakeMemo(TGalleryCell& cell, int width, int height)
{
    auto* memo = new TsuiMemo(&cell);
    cell.Dress(*memo);
    memo->SetText("Hello\r\nni hao\r\nthank you\r\nxie xie");
    return Place(*memo, width, height);
}

// A memo of many long lines, its bars linked and the text scrolled down and right.
void MakeScrolledMemo(TGalleryCell& cell)
{
    TsuiMemo& memo = MakeMemo(cell, 150, 80);
    memo.SetWordWrap(false);
    std::string text;
    for (int i = 1; i <= 40; ++i)
        text += "line " + std::to_string(i) + " of a note wider than its box\r\n";
    memo.SetText(text);
    auto* vBar = new TsuiScrollBar(&cell);
    auto* hBar = new TsuiScrollBar(&cell);
    cell.Dress(*vBar);
    cell.Dress(*hBar);
    memo.SetVScrollBar(vBar);
    memo.SetHScrollBar(hBar);
    memo.Edit()->verticalScrollBar()->setValue(12);
    memo.Edit()->horizontalScrollBar()->setValue(30);
}

// A vertical bar and a horizontal one beside it, a third of the way along.
std::pair<TsuiScrollBar*, TsuiScrollBar*> MakeScrollBars(TGalleryCell& cell)
{
    auto* vertical = new TsuiScrollBar(&cell);
    auto* horizontal = new TsuiScrollBar(&cell);
    for (TsuiScrollBar* bar : { vertical, horizontal }) {
        cell.Dress(*bar);
        bar->SetPageSize(30);
        bar->SetPosition(33);
    }
    vertical->SetOrientation(suiVertical);
    vertical->SetBounds(kGalleryCellPad, kGalleryCellPad, vertical->width(), 100);
    horizontal->SetBounds(kGalleryCellPad + 30, kGalleryCellPad, 120, horizontal->height());
    return { vertical, horizontal };
}

} // namespace

void AddURLLabelRows(TGallerySheet& sheet)
{
    sheet.AddSection("Link label");
    sheet.AddRow("normal", 14, [](TGalleryCell& cell) { MakeLink(cell); });
    sheet.AddRow("hot", 14, [](TGalleryCell& cell) {
        TsuiURLLabel& link = MakeLink(cell);
        Pin(link);
        Hover(link);
    });
    sheet.AddRow("disabled", 14, [](TGalleryCell& cell) { MakeLink(cell).SetEnabled(false); });
}

void AddImagePanelRows(TGallerySheet& sheet)
{
    using TStriped = TGalleryCell::TGround;
    sheet.AddSection("Picture panel");
    sheet.AddRow("plain, with caption", 40, [](TGalleryCell& cell) {
        MakeImagePanel(cell, TsuiImagePanel::suiNormal).SetCaption("Caption");
    });
    sheet.AddRow("stretched", 40,
        [](TGalleryCell& cell) { MakeImagePanel(cell, TsuiImagePanel::suiStretch); });
    sheet.AddRow("tiled", 40,
        [](TGalleryCell& cell) { MakeImagePanel(cell, TsuiImagePanel::suiTile); });
    sheet.AddRow(
        "tiled, see-through", 40,
        [](TGalleryCell& cell) {
            MakeImagePanel(cell, TsuiImagePanel::suiTile).SetTransparent(true);
        },
        TStriped::Striped);
}

void AddButtonRows(TGallerySheet& sheet)
{
    sheet.AddSection("Button, sized to its look");
    AddButtonStateRows(sheet, [](TGalleryCell& cell) -> auto& {
        auto& button = MakeButton<TsuiCustomButton>(cell);
        button.SetAutoSize(true);
        return button;
    });
    sheet.AddSection("Image button, no pictures");
    AddButtonStateRows(
        sheet, [](TGalleryCell& cell) -> auto& { return MakeButton<TsuiImageButton>(cell); });
    sheet.AddSection("Image button, our pictures");
    AddButtonStateRows(
        sheet, [](TGalleryCell& cell) -> auto& { return MakePictureButton(cell); });
}

void AddCheckBoxRows(TGallerySheet& sheet)
{
    sheet.AddSection("Check box");
    for (bool checked : { false, true }) {
        const QString state = checked ? "checked" : "unchecked";
        sheet.AddRow(state, 19, [checked](TGalleryCell& cell) { MakeCheckBox(cell, checked); });
        sheet.AddRow(state + ", disabled", 19,
            [checked](TGalleryCell& cell) { MakeCheckBox(cell, checked).SetEnabled(false); });
    }
    sheet.AddRow("focused", 19, [](TGalleryCell& cell) {
        TsuiCheckBox& box = MakeCheckBox(cell, true);
        Pin(box);
        cell.ShowFocused(box);
    });
    sheet.AddRow(
        "see-through", 19,
        [](TGalleryCell& cell) { MakeCheckBox(cell, true).SetTransparent(true); },
        TGalleryCell::TGround::Striped);
}

void AddPanelRows(TGallerySheet& sheet)
{
    sheet.AddSection("Captioned panel");
    sheet.AddRow("unfolded", 60, [](TGalleryCell& cell) { MakePanel(cell, true); });
    sheet.AddRow("unfolded, button hot", 60,
        [](TGalleryCell& cell) { HoverFoldButton(MakePanel(cell, true), cell); });
    sheet.AddRow("folded", 60, [](TGalleryCell& cell) { MakePanel(cell, true).Fold(); });
    sheet.AddRow("folded, button hot", 60, [](TGalleryCell& cell) {
        TsuiPanel& panel = MakePanel(cell, true);
        panel.Fold();
        HoverFoldButton(panel, cell);
    });
    sheet.AddRow("without button", 60, [](TGalleryCell& cell) { MakePanel(cell, false); });
    sheet.AddRow("as the main window stores it", 60, [](TGalleryCell& cell) {
        TsuiPanel& panel = MakePanel(cell, true);
        panel.SetBorderColor(0x686868);
        panel.SetCaptionFontColor(clBlack);
        panel.SetColor(clWhite);
    });
}

void AddGroupBoxRows(TGallerySheet& sheet)
{
    sheet.AddSection("Group box");
    sheet.AddRow("with caption", 50, [](TGalleryCell& cell) { MakeGroupBox(cell, "Group"); });
    sheet.AddRow("without caption", 50, [](TGalleryCell& cell) { MakeGroupBox(cell, ""); });
    sheet.AddRow("disabled", 50,
        [](TGalleryCell& cell) { MakeGroupBox(cell, "Group").SetEnabled(false); });
    sheet.AddRow("as the main window stores it", 50, [](TGalleryCell& cell) {
        TsuiGroupBox& box = MakeGroupBox(cell, "");
        box.Font()->SetColor(0xCF4602);
        box.SetParentColor(true);
        box.SetBorderColor(0x686868);
    });
}

void AddPageControlRows(TGallerySheet& sheet)
{
    const QStringList pages { "Lesson", "Notes", "About" };
    sheet.AddSection("Page control");
    sheet.AddRow("first page", 64, [pages](TGalleryCell& cell) { MakePageControl(cell, pages, 0); });
    sheet.AddRow("last page", 64, [pages](TGalleryCell& cell) { MakePageControl(cell, pages, 2); });
    sheet.AddRow("more tabs than fit", 64, [](TGalleryCell& cell) {
        MakePageControl(cell, { "Lesson", "Notes", "Words", "Sounds", "About" }, 1);
    });
    sheet.AddRow("tabs hidden (main window)", 64, [pages](TGalleryCell& cell) {
        TsuiPageControl& control = MakePageControl(cell, pages, 0);
        for (int i = 0; i < control.PageCount(); ++i)
            control.Page(i)->SetTabVisible(false);
        control.SetColor(clWhite);
    });
}

void AddSideChannelRows(TGallerySheet& sheet)
{
    using TAlign = TsuiSideChannel::TsuiSideChannelAlign;
    sheet.AddSection("Side channel");
    sheet.AddRow("collapsed", 60,
        [](TGalleryCell& cell) { MakeSideChannel(cell, TAlign::suiLeft, false); });
    sheet.AddRow("pinned open", 60,
        [](TGalleryCell& cell) { MakeSideChannel(cell, TAlign::suiLeft, true); });
    sheet.AddRow("on the right, collapsed", 60,
        [](TGalleryCell& cell) { MakeSideChannel(cell, TAlign::suiRight, false); });
    sheet.AddRow("on the right, pinned open", 60,
        [](TGalleryCell& cell) { MakeSideChannel(cell, TAlign::suiRight, true); });
}

void AddStatusBarRows(TGallerySheet& sheet)
{
    sheet.AddSection("Status bar");
    sheet.AddRow("two panels", 19, [](TGalleryCell& cell) { MakeStatusBar(cell); });
    sheet.AddRow("as the main window stores it", 19, [](TGalleryCell& cell) {
        TsuiStatusBar& bar = MakeStatusBar(cell);
        bar.SetPanelColor(clWhite);
    });
}

// Our own 16 x 16 picture for a menu item: a jade tile on white, which is see-through.
QImage MenuItemPicture()
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(20, 90, 60));
    painter.setBrush(QColor(60, 170, 120));
    painter.drawRect(QRect(2, 3, 11, 9));
    return picture;
}

// A popup menu as it looks open with one item under the mouse. An open menu is a window
// of its own, so the cell shows a picture of it.
void MakeOpenMenu(TGalleryCell& cell, bool flat, int highlighted)
{
    auto* menu = new TsuiPopupMenu(&cell);
    cell.Dress(*menu);
    menu->SetFlatMenu(flat);
    menu->SetImages({ MenuItemPicture() });
    TsuiMenuItem* open = menu->Add("&Open");
    open->SetShortCutText("Ctrl+O");
    open->SetDefault(true);
    menu->Add("-");
    menu->Add("&Replay")->SetChecked(true);
    TsuiMenuItem* picture = menu->Add("&Picture");
    picture->SetChecked(true);
    picture->SetImageIndex(0);
    menu->Add("&Download")->SetEnabled(false);
    menu->Add("&Recent")->Add("Demo");
    menu->Add("E&xit")->SetShortCutText("Alt+F4");
    QMenu& shown = *menu->Menu();
    shown.setActiveAction(shown.actions().at(highlighted));
    shown.resize(shown.sizeHint());
    auto* shot = new QLabel(&cell);
    shot->setPixmap(shown.grab());
    shot->move(kGalleryCellPad, kGalleryCellPad);
    shot->adjustSize();
}

void AddPopupMenuRows(TGallerySheet& sheet)
{
    // The tallest built-in menu: six items and a separator in MacOS.
    constexpr int kRowHeight = 138;
    sheet.AddSection("Popup menu");
    sheet.AddRow("open, on the default item", kRowHeight,
        [](TGalleryCell& cell) { MakeOpenMenu(cell, false, 0); });
    sheet.AddRow("flat, on the disabled item", kRowHeight,
        [](TGalleryCell& cell) { MakeOpenMenu(cell, true, 4); });
}

void AddTrackBarRows(TGallerySheet& sheet)
{
    sheet.AddSection("Track bar (0 to 30)");
    for (int position : { 0, 3, 15, 30 }) {
        sheet.AddRow(QString("at %1").arg(position), 24,
            [position](TGalleryCell& cell) { MakeTrackBar(cell, suiHorizontal, position); });
    }
    sheet.AddRow("disabled", 24,
        [](TGalleryCell& cell) { MakeTrackBar(cell, suiHorizontal, 3).SetEnabled(false); });
    sheet.AddRow("focused", 24, [](TGalleryCell& cell) {
        TsuiTrackBar& bar = MakeTrackBar(cell, suiHorizontal, 3);
        Pin(bar);
        cell.ShowFocused(bar);
    });
    sheet.AddRow("without ticks", 24,
        [](TGalleryCell& cell) { MakeTrackBar(cell, suiHorizontal, 15).SetShowTick(false); });
    sheet.AddRow(
        "see-through", 24,
        [](TGalleryCell& cell) { MakeTrackBar(cell, suiHorizontal, 15).SetTransparent(true); },
        TGalleryCell::TGround::Striped);
    sheet.AddRow("vertical at 0, 10, 20, 30", 100, [](TGalleryCell& cell) {
        for (int i = 0; i < 4; ++i)
            MakeTrackBar(cell, suiVertical, 10 * i, { kGalleryCellPad + 40 * i, kGalleryCellPad });
    });
}

// A bare title bar with the main window's caption, cut short by the narrow cell.
TsuiTitleBar& MakeTitleBar(TGalleryCell& cell)
{
    auto* bar = new TsuiTitleBar(&cell);
    cell.Dress(*bar);
    bar->SetAlign(TControl::alNone);
    bar->SetCaption("Varnel  Zintaro");
    return Place(*bar, 156, bar->Height());
}

QPoint CloseButtonCentre(const TsuiTitleBar& bar)
{
    const TRect close = bar.Arrange().buttons.front().rect;
    return { (close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2 };
}

void AddTitleBarRows(TGallerySheet& sheet)
{
    // The tallest built-in title bar.
    constexpr int kRowHeight = 33;
    sheet.AddSection("Title bar");
    sheet.AddRow("active", kRowHeight, [](TGalleryCell& cell) { MakeTitleBar(cell); });
    sheet.AddRow("close button hot", kRowHeight, [](TGalleryCell& cell) {
        TsuiTitleBar& bar = MakeTitleBar(cell);
        Pin(bar);
        const QPoint at = CloseButtonCentre(bar);
        QMouseEvent move(QEvent::MouseMove, at, bar.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
            Qt::NoModifier);
        QApplication::sendEvent(&bar, &move);
    });
    sheet.AddRow("close button pressed", kRowHeight, [](TGalleryCell& cell) {
        TsuiTitleBar& bar = MakeTitleBar(cell);
        Pin(bar);
        Push(bar, CloseButtonCentre(bar));
    });
    sheet.AddRow("window inactive", kRowHeight,
        [](TGalleryCell& cell) { MakeTitleBar(cell).SetFormActive(false); });
}

void AddMemoRows(TGallerySheet& sheet)
{
    sheet.AddSection("Memo");
    sheet.AddRow("plain", 60, [](TGalleryCell& cell) { MakeMemo(cell, 150, 60); });
    sheet.AddRow(
        "with linked bars, scrolled", 80, [](TGalleryCell& cell) { MakeScrolledMemo(cell); });
    sheet.AddRow("as the main window stores it", 60, [](TGalleryCell& cell) {
        TsuiMemo& memo = MakeMemo(cell, 150, 60);
        memo.SetBorderColor(clWhite);
        memo.SetColor(clWhite);
        memo.Font()->SetName("MS Sans Serif");
        memo.Font()->SetHeight(-16);
        memo.SetEnabled(false);
        memo.SetReadOnly(true);
    });
}

void AddScrollBarRows(TGallerySheet& sheet)
{
    constexpr int kRowHeight = 100;
    sheet.AddSection("Scroll bar");
    sheet.AddRow("normal", kRowHeight, [](TGalleryCell& cell) { MakeScrollBars(cell); });
    sheet.AddRow("decrease arrows hot", kRowHeight, [](TGalleryCell& cell) {
        auto [vertical, horizontal] = MakeScrollBars(cell);
        for (TsuiScrollBar* bar : { vertical, horizontal }) {
            Pin(*bar->DecreaseButton());
            Hover(*bar->DecreaseButton());
        }
    });
    sheet.AddRow("increase arrows pressed", kRowHeight, [](TGalleryCell& cell) {
        auto [vertical, horizontal] = MakeScrollBars(cell);
        for (TsuiScrollBar* bar : { vertical, horizontal }) {
            // Held, the arrow would step the thumb away from the place shown.
            bar->SetSmallChange(0);
            Pin(*bar->IncreaseButton());
            Push(*bar->IncreaseButton(), bar->IncreaseButton()->rect().center());
        }
    });
    sheet.AddRow("18-pixel thumb (LineButton 5)", kRowHeight, [](TGalleryCell& cell) {
        auto [vertical, horizontal] = MakeScrollBars(cell);
        vertical->SetLineButton(5);
        horizontal->SetLineButton(5);
    });
    sheet.AddRow("disabled, no thumb", kRowHeight, [](TGalleryCell& cell) {
        auto [vertical, horizontal] = MakeScrollBars(cell);
        for (TsuiScrollBar* bar : { vertical, horizontal }) {
            bar->SetEnabled(false);
            bar->SetThumbVisible(false);
        }
    });
}

// A small skinned window, its menu bar's first button under the mouse and that button's
// menu dropped. The window and the menu are windows of their own, so the cell shows a
// picture of both.
void MakeSkinnedWindow(TGalleryCell& cell)
{
    TForm form;
    form.SetCaption("Zintaro");
    auto* frame = new TsuiForm(&form);
    auto* menu = new TsuiMainMenu(&form);
    TsuiMenuItem* course = menu->Add("&Course");
    course->Add("&Open")->SetShortCutText("Ctrl+O");
    course->Add("-");
    course->Add("E&xit");
    menu->Add("&Help");
    cell.Dress(*frame);
    frame->RebuildMenuButtons();
    form.resize(152, 66);
    form.setAttribute(Qt::WA_DontShowOnScreen);
    form.show();
    TsuiMenuBar& bar = *frame->MenuBar();
    const QPoint at = bar.ButtonRect(0).center();
    QMouseEvent move(QEvent::MouseMove, at, bar.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(&bar, &move);
    QMenu& dropped = *course->SubMenu();
    dropped.setActiveAction(dropped.actions().at(0));
    dropped.resize(dropped.sizeHint());
    const QPoint below = bar.mapTo(&form, bar.ButtonRect(0).bottomLeft() + QPoint(0, 1));
    QImage picture(form.width(), std::max(form.height(), below.y() + dropped.height()),
        QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, form.grab());
    painter.drawPixmap(below, dropped.grab());
    painter.end();
    auto* shot = new QLabel(&cell);
    shot->setPixmap(QPixmap::fromImage(picture));
    shot->move(kGalleryCellPad, kGalleryCellPad);
    shot->adjustSize();
}

void AddFormRows(TGallerySheet& sheet)
{
    sheet.AddSection("Skinned window");
    sheet.AddRow("menu dropped", 122, [](TGalleryCell& cell) { MakeSkinnedWindow(cell); });
}

void AddAllRows(TGallerySheet& sheet)
{
    AddURLLabelRows(sheet);
    AddButtonRows(sheet);
    AddCheckBoxRows(sheet);
    AddImagePanelRows(sheet);
    AddPanelRows(sheet);
    AddGroupBoxRows(sheet);
    AddTrackBarRows(sheet);
    AddMemoRows(sheet);
    AddScrollBarRows(sheet);
    AddPageControlRows(sheet);
    AddSideChannelRows(sheet);
    AddStatusBarRows(sheet);
    AddPopupMenuRows(sheet);
    AddTitleBarRows(sheet);
    AddFormRows(sheet);
}
