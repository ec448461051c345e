// The baseline for the start-up figure: a bare Qt window of the main window's size that
// paints itself white, with nothing else; with --text it also writes one line, so it
// pays for the font set-up that any window with text pays.
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstring>

namespace {

class TBareWindow : public QWidget {
public:
    explicit TBareWindow(bool withText)
        : m_withText(withText)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (m_withText)
            painter.drawText(20, 30, "Bare window");
    }

private:
    bool m_withText;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    TBareWindow window(argc > 1 && std::strcmp(argv[1], "--text") == 0);
    window.setWindowTitle("Bare window");
    window.resize(762, 517);
    window.show();
    return application.exec();
}
