#include "tools/gallery/GalleryWindow.h"

#include "tools/gallery/GallerySheet.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kAllColumns = -1;

} // namespace

TGalleryWindow::TGalleryWindow(TGallerySheet* sheet)
    : m_sheet(sheet)
{
    setWindowTitle("Zintaro gallery");
    auto* switches = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    auto addSwitch = [&](const QString& text, int column) {
        auto* button = new QPushButton(text, this);
        button->setCheckable(true);
        button->setChecked(column == kAllColumns);
        group->addButton(button, column);
        switches->addWidget(button);
    };
    addSwitch("All styles", kAllColumns);
    for (int column = 0; column < sheet->ColumnCount(); ++column)
        addSwitch(sheet->ColumnStyle(column).name, column);
    switches->addStretch();
    connect(group, &QButtonGroup::idClicked, this, [this](int column) { m_sheet->ShowColumn(column); });

    auto* view = new QScrollArea(this);
    view->setWidget(sheet);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(switches);
    layout->addWidget(view);
    resize(sheet->width() + 40, 800);
}

void TGalleryWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Focus goes only to a control of the active window.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_sheet->TakeFocusStills();
}
