#include "Input.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/PlainPaint.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TSpeedButton.h"
#include "platform/forms/TStatusBar.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QImageWriter>
#include <QScreen>

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// 16 x 16 grey quadrants, each two whole 8 x 8 blocks, so the JPEG comes back exact
// to a level or two: top-left 50, top-right 200, bottom-left 100, bottom-right 150.
int QuadrantLevel(int x, int y)
{
    return y < 8 ? (x < 8 ? 50 : 200) : (x < 8 ? 100 : 150);
}

std::string Jpeg(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(100);
    EXPECT_TRUE(writer.write(image));
    return buffer.data().toStdString();
}

std::string QuadrantJpeg()
{
    QImage image(16, 16, QImage::Format_Grayscale8);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            image.scanLine(y)[x] = uchar(QuadrantLevel(x, y));
    }
    return Jpeg(image);
}

bool IsLevel(QRgb pixel, int level)
{
    return std::abs(qGreen(pixel) - level) <= 3;
}

// A white window holding one picture box at (5, 5).
struct TPictureScene {
    TForm form;
    TImage* image = new TImage(&form);
    TTempDir dir;

    TPictureScene(int boxWidth, int boxHeight)
    {
        form.SetBounds(0, 0, 40, 40);
        form.SetColor(clWhite);
        image->SetBounds(5, 5, boxWidth, boxHeight);
        image->SetCenter(true);
        dir.Write("1.jpg", QuadrantJpeg());
        image->LoadPictureFromFile(dir.File("1.jpg"));
    }
};

TEST(Image, CentresASmallerPictureRoundingTowardZeroAndLeavesTheRestToTheParent)
{
    TPictureScene scene(25, 21); // picture at ((25 - 16) div 2, (21 - 16) div 2) = (4, 2)
    QImage shot = Render(scene.form);
    const int left = 5 + 4, top = 5 + 2;
    for (QPoint p : { QPoint(0, 0), QPoint(7, 7), QPoint(8, 0), QPoint(0, 8), QPoint(15, 15) })
        EXPECT_TRUE(IsLevel(shot.pixel(left + p.x(), top + p.y()), QuadrantLevel(p.x(), p.y())))
            << p.x() << "," << p.y();
    for (QPoint outside : { QPoint(left - 1, top), QPoint(left, top - 1), QPoint(left + 16, top),
             QPoint(left, top + 16), QPoint(5, 5), QPoint(29, 25), QPoint(2, 2) })
        EXPECT_EQ(shot.pixel(outside), kWhite) << outside.x() << "," << outside.y();
}

TEST(Image, CutsALargerPictureOnEverySide)
{
    TPictureScene scene(13, 13); // (13 - 16) div 2 = -1: one column and row cut at each edge
    QImage shot = Render(scene.form);
    auto boxPixel = [&](int x, int y) { return shot.pixel(5 + x, 5 + y); };
    EXPECT_TRUE(IsLevel(boxPixel(0, 0), 50));
    EXPECT_TRUE(IsLevel(boxPixel(6, 6), 50)) << "rounded toward zero, not down";
    EXPECT_TRUE(IsLevel(boxPixel(7, 6), 200));
    EXPECT_TRUE(IsLevel(boxPixel(6, 7), 100));
    EXPECT_TRUE(IsLevel(boxPixel(7, 7), 150));
    EXPECT_TRUE(IsLevel(boxPixel(12, 12), 150));
    for (QPoint outside : { QPoint(4, 5), QPoint(5, 4), QPoint(18, 17), QPoint(17, 18) })
        EXPECT_EQ(shot.pixel(outside), kWhite) << outside.x() << "," << outside.y();
}

TEST(Image, AFailedLoadKeepsThePreviousPicture)
{
    TPictureScene scene(20, 20);
    EXPECT_THROW(scene.image->LoadPictureFromFile(scene.dir.File("2.jpg")), EFOpenError);
    scene.dir.Write("note.JPG", "not a picture at all");
    EXPECT_THROW(scene.image->LoadPictureFromFile(scene.dir.File("note.JPG")), EJPEG);
    scene.dir.Write("1.png", QuadrantJpeg());
    try {
        scene.image->LoadPictureFromFile(scene.dir.File("1.png"));
        ADD_FAILURE() << "loaded by content, not by extension";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Unknown picture file extension (.png)");
    }
    EXPECT_EQ(scene.image->Picture().Width(), 16);
    EXPECT_TRUE(IsLevel(Render(scene.form).pixel(5 + 2, 5 + 2), 50));
}

TEST(Image, ADecodeErrorAtPaintIsReportedOnceAfterThePaint)
{
    // The scan asks for Huffman tables the file never defines: the header reads fine,
    // the pixels do not.
    std::string bytes = QuadrantJpeg();
    std::size_t scan = bytes.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    bytes[scan + 6] = '\x33';
    TPictureScene scene(20, 20);
    scene.dir.Write("bad.jpg", bytes);
    scene.image->LoadPictureFromFile(scene.dir.File("bad.jpg"));
    std::vector<std::string> reports;
    scene.image->OnPictureError
        = [&](const Exception& error) { reports.push_back(error.Message()); };

    Render(scene.form);
    EXPECT_TRUE(reports.empty()) << "not from inside the paint";
    Render(scene.form);
    QApplication::processEvents();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].rfind("JPEG error #", 0), 0u) << reports[0];
}

TEST(Image, ANewPictureRepaintsOnlyItselfAndWhatTheOldOneLeavesUncovered)
{
    TPictureScene scene(25, 21);
    scene.form.show();
    QApplication::processEvents();
    struct TPaints : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::Paint;
            return false;
        }
    } formPaints;
    scene.form.installEventFilter(&formPaints);

    scene.image->LoadPictureFromFile(scene.dir.File("1.jpg"));
    QApplication::processEvents();
    EXPECT_EQ(formPaints.count, 0) << "a picture of the same size covers all the old one did";

    QImage small(8, 8, QImage::Format_Grayscale8);
    small.fill(200);
    scene.dir.Write("small.jpg", Jpeg(small));
    scene.image->LoadPictureFromFile(scene.dir.File("small.jpg"));
    QApplication::processEvents();
    EXPECT_GT(formPaints.count, 0);
    // What is on screen, not a fresh render: the old picture's corners must be gone.
    QImage screen = scene.form.screen()->grabWindow(scene.form.winId()).toImage();
    const QPoint oldPicture(5 + 4, 5 + 2), newPicture(5 + 8, 5 + 6);
    for (QPoint corner : { QPoint(0, 0), QPoint(15, 15) })
        EXPECT_EQ(screen.pixel(oldPicture + corner), kWhite) << corner.x() << "," << corner.y();
    EXPECT_TRUE(IsLevel(screen.pixel(newPicture), 200));
    EXPECT_TRUE(IsLevel(screen.pixel(newPicture + QPoint(7, 7)), 200));
}

TEST(SpeedButton, AFlatButtonShowsAFrameOnlyUnderThePointerOrPressed)
{
    TSpeedButton button;
    button.SetBounds(0, 0, 56, 30);
    button.SetColor(clBtnFace);
    button.SetFlat(true);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    const QRgb face = ToQColor(clBtnFace).rgb();
    const QRgb light = ToQColor(clBtnHighlight).rgb();
    const QRgb dark = ToQColor(clBtnShadow).rgb();
    auto corners = [&] {
        QImage shot = Render(button);
        return std::pair(shot.pixel(0, 0), shot.pixel(55, 29));
    };

    EXPECT_EQ(corners(), std::pair(face, face)) << "flat at rest: no frame";
    Enter(button);
    EXPECT_EQ(corners(), std::pair(light, dark)) << "under the pointer: raised";
    SendMouse(button, QEvent::MouseButtonPress, QPoint(10, 10));
    EXPECT_EQ(corners(), std::pair(dark, light)) << "pressed: sunken";
    SendMouse(button, QEvent::MouseMove, QPoint(80, 10));
    EXPECT_EQ(corners(), std::pair(face, face)) << "pressed but pointer off: no frame";
    SendMouse(button, QEvent::MouseButtonRelease, QPoint(80, 10));
    EXPECT_EQ(clicks, 0) << "released outside";

    Enter(button);
    Click(button, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(corners(), std::pair(light, dark)) << "does not stay down";
    Leave(button);
    EXPECT_EQ(corners(), std::pair(face, face));

    button.SetFlat(false);
    EXPECT_EQ(corners(), std::pair(light, dark)) << "a framed button is always raised";
}

TEST(StatusBar, DrawsEachPanelsTextInsideItsPanel)
{
    TStatusBar bar;
    bar.SetBounds(0, 0, 666, 25);
    bar.SetColor(clWhite);
    for (int width : { 200, 100, 200 })
        bar.AddCollectionItem("Panels")->setProperty("Width", width);
    bar.SetPanelText(1, "  3 / 12 and much more text than the panel can hold");
    QImage shot = Render(bar);

    auto inkIn = [&](int left, int right) {
        int ink = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = left; x < right; ++x)
                ink += shot.pixel(x, y) != kWhite;
        }
        return ink;
    };
    const QRgb separator = ToQColor(clBtnShadow).rgb();
    EXPECT_EQ(shot.pixel(199, 12), separator);
    EXPECT_EQ(shot.pixel(299, 12), separator);
    EXPECT_EQ(inkIn(0, 199), 0);
    EXPECT_GT(inkIn(200, 299), 20);
    EXPECT_EQ(inkIn(300, 666), 0) << "the text is cut at its panel's edge";
}

} // namespace
