#pragma once

#include <QWidget>

class TGallerySheet;

// The live gallery: a row of switches, one for all styles side by side and one per
// column, above the sheet in a scrolling view. Normal rows answer the mouse; the rows
// that show a state keep it.
class TGalleryWindow : public QWidget {
    Q_OBJECT

public:
    // Takes the sheet over.
    explicit TGalleryWindow(TGallerySheet* sheet);

protected:
    void changeEvent(QEvent* event) override;

private:
    TGallerySheet* m_sheet;
};
