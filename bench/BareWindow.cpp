// The baseline for the start-up figure: a bare Qt window of the main window's size that
// paints itself white, with nothing else.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class TBareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::white); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    TBareWindow window;
    window.setWindowTitle("Bare window");
    window.resize(762, 517);
    window.show();
    return application.exec();
}
