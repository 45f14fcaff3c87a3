// The start-up benchmark's yardstick: the least a Qt Widgets program does to
// show a window of the main window's client size with one label in it.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label("Vandrel Catalogue");
    label.setFixedSize(632, 451);
    label.show();
    return app.exec();
}
