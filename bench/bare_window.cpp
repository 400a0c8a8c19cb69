// The floor for the game's window: a bare Qt Widgets window of the main window's size
// and title, filled with one colour, that does nothing else. bench/measure_solo.sh
// starts it beside the game to time the first frame and to measure memory.
#include <QApplication>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quillor"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(196, 160, 104));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(772, 535);
    window.show();
    return app.exec();
}
