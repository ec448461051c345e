#pragma once

#include "platform/forms/TControl.h"
#include "skin/SUIThemes.h"
#include "tools/gallery/GalleryStates.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class TsuiFileTheme;
class TsuiStyledControl;

// One column of the sheet: a built-in style, or FromThemeFile with the theme it reads.
struct TGalleryStyle {
    QString name;
    TsuiUIStyle style;
    TsuiFileTheme* theme = nullptr;
};

// How far a cell's content sits from the cell's edges.
constexpr int kGalleryCellPad = 6;

// The five built-in styles, MacOS to BlueGlass.
std::vector<TGalleryStyle> BuiltInGalleryStyles();

// The place of one control in one style: a patch of the style's window colour, or of a
// stripe pattern that shows what a see-through control lets through.
class TGalleryCell : public TControl {
    Q_OBJECT

public:
    enum class TGround { Plain, Striped };

    TGalleryCell(
        QWidget* parent, const TGalleryStyle& style, TGround ground, TFocusStills& focusStills);

    const TGalleryStyle& Style() const { return m_style; }
    // Gives the control this column's style, and its theme in the theme column.
    void Dress(TsuiStyledControl& control) const;
    // Shows the control with the keyboard focus.
    void ShowFocused(QWidget& control) { m_focusStills.Add(control); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGalleryStyle m_style;
    TGround m_ground;
    TFocusStills& m_focusStills;
};

// Makes the control(s) of one cell; called once per column.
using TCellFiller = std::function<void(TGalleryCell& cell)>;

// The sheet: a heading row with the style names, then one row per control and state with
// its label at the left and one cell per style. Rows are added top to bottom; the sheet
// takes the size they need.
class TGallerySheet : public QWidget {
    Q_OBJECT

public:
    explicit TGallerySheet(std::vector<TGalleryStyle> styles, QWidget* parent = nullptr);

    // A section title for the rows of one control kind.
    void AddSection(const QString& title);
    // A row `height` pixels high for the cells' content; `fill` puts it in every column.
    void AddRow(const QString& label, int height, const TCellFiller& fill,
        TGalleryCell::TGround ground = TGalleryCell::TGround::Plain);

    int ColumnCount() const { return int(m_styles.size()); }
    const TGalleryStyle& ColumnStyle(int column) const { return m_styles[column]; }
    // Shows one column alone, or all of them for -1.
    void ShowColumn(int column);
    // Where a column's cells lie with every column shown.
    QRect ColumnRect(int column) const;

    // Gives the focused cells their look; true once all have it. Needs the sheet's window
    // to be the active one.
    bool TakeFocusStills() { return m_focusStills.Take(); }
    // The whole sheet as it looks now.
    QImage Render();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct TRow {
        QString label;
        int top;
        int height;
        bool section;
        std::vector<TGalleryCell*> cells;
    };
    int ColumnLeft(int slot) const;
    void Relayout();

    std::vector<TGalleryStyle> m_styles;
    std::vector<TRow> m_rows;
    TFocusStills m_focusStills;
    int m_bottom;
    int m_shownColumn = -1;
};
