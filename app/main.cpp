// Program entry: the platform, the application title, the main window, then
// the event loop until the main window closes.
#include "main_window.h"
#include "number_text.h"
#include "qt_message_service.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vandrel Catalogue");
    QApplication::setApplicationDisplayName("Vandrel Catalogue");
    vd::InitDecimalSeparatorFromLocale();

    vd::QtMessageService messages;
    vd::T_fm window(vd::ShellServices{&messages});
    messages.setParent(&window);
    window.FormCreate();
    window.show();
    return app.exec();
}
