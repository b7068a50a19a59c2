// A bare Qt window with one line of text, from main to its first paint: what any Qt program
// pays to show a window, against which the program's start-up is measured.
#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {
class BareWindow : public QLabel {
public:
    BareWindow() : QLabel(QStringLiteral("A bare window")) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return QApplication::exec();
}
