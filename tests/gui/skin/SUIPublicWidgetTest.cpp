#include "skin/SUIPublic.h"
#include "support/PixelImages.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr TColor kControlInk = 0x0000FF;
constexpr TColor kSiblingInk = 0x00FF00;

class TCodedParent : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QImage image(size(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                image.setPixel(x, y, ToPixel(Code(x, y)));
        QPainter(this).drawImage(0, 0, image);
    }
};

class TSolidWidget : public QWidget {
public:
    TSolidWidget(QWidget* parent, TColor color)
        : QWidget(parent)
        , m_color(color)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), ToQColor(m_color)); }

private:
    TColor m_color;
};

// A see-through control: its own picture is its parent's, with a mark at (0, 0).
class TSeeThrough : public QWidget {
public:
    using QWidget::QWidget;
    QImage last;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        TCanvas canvas(image);
        PaintParentBackground(canvas, this);
        canvas.SetPixel(0, 0, kControlInk);
        last = image;
        QPainter(this).drawImage(0, 0, image);
    }
};

} // namespace

TEST(PaintParentBackground, ParentPixelsBehindTheControlLandAtItsOrigin)
{
    TCodedParent parent;
    parent.resize(60, 40);
    TSolidWidget control(&parent, kControlInk);
    control.setGeometry(10, 5, 20, 12);
    TSolidWidget sibling(&parent, kSiblingInk); // overlaps the control
    sibling.setGeometry(15, 8, 10, 10);

    QImage image(20, 12, QImage::Format_RGB32);
    image.fill(Qt::black);
    TCanvas canvas(image);
    PaintParentBackground(canvas, &control);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(At(image, x, y), Code(x + 10, y + 5)) << x << "," << y;
}

TEST(PaintParentBackground, ViewportOriginAndParentEdgeAreRespected)
{
    TCodedParent parent;
    parent.resize(30, 20);
    TSolidWidget control(&parent, kControlInk);
    control.setGeometry(20, 10, 20, 20); // hangs over the parent's right and bottom edges

    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(Qt::black);
    TCanvas canvas(image);
    canvas.SetViewportOrigin({ 2, 3 });
    PaintParentBackground(canvas, &control);
    EXPECT_EQ(At(image, 2, 3), Code(20, 10));
    EXPECT_EQ(At(image, 11, 12), Code(29, 19));
    EXPECT_EQ(At(image, 12, 12), 0u); // beyond the parent: nothing there to paint
    EXPECT_EQ(At(image, 1, 3), 0u);
}

TEST(PaintParentBackground, NestedSeeThroughControlsShowTheGrandparent)
{
    TCodedParent grandparent;
    grandparent.resize(50, 50);
    TSeeThrough middle(&grandparent);
    middle.setGeometry(5, 6, 30, 30);
    TSeeThrough inner(&middle);
    inner.setGeometry(4, 3, 10, 10);
    grandparent.show();
    QImage shot = grandparent.grab().toImage().convertToFormat(QImage::Format_RGB32);
    grandparent.hide();

    ASSERT_FALSE(inner.last.isNull());
    EXPECT_EQ(At(inner.last, 0, 0), kControlInk);
    EXPECT_EQ(At(inner.last, 1, 1), Code(5 + 4 + 1, 6 + 3 + 1));
    EXPECT_EQ(At(inner.last, 9, 9), Code(5 + 4 + 9, 6 + 3 + 9));
    // The middle control's mark shows through the inner one's parent picture.
    EXPECT_EQ(At(middle.last, 0, 0), kControlInk);
    EXPECT_EQ(At(shot, 5 + 4 + 2, 6 + 3 + 2), Code(5 + 4 + 2, 6 + 3 + 2));
}

TEST(PaintParentBackground, ControlWithoutParentLeavesTheCanvasAlone)
{
    TSolidWidget orphan(nullptr, kControlInk);
    orphan.resize(4, 4);
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage before = image.copy();
    TCanvas canvas(image);
    PaintParentBackground(canvas, &orphan);
    PaintParentBackground(canvas, nullptr);
    EXPECT_EQ(image, before);
}

TEST(IsFormActive, FollowsTheMainFormAndTheActiveWindow)
{
    QWidget main;
    QWidget other;
    main.show();
    other.show();

    SetMainForm(nullptr);
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    EXPECT_TRUE(IsFormActive(&other));
    EXPECT_FALSE(IsFormActive(&main));
    EXPECT_FALSE(IsFormActive(nullptr));

    SetMainForm(&main);
    EXPECT_TRUE(IsFormActive(&main)); // the main form counts while the application is active
    EXPECT_TRUE(IsFormActive(nullptr));
    EXPECT_TRUE(IsFormActive(&other));
    QApplication::setActiveWindow(&main);
    QApplication::processEvents();
    EXPECT_FALSE(IsFormActive(&other));

    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(IsFormActive(&main)); // no active window: the application is inactive
    SetMainForm(nullptr);
}
