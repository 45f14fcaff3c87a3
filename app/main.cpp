// Program entry: the platform, the application title, the main window and the
// clipboard set-up window, then the event loop until the main window closes.
#include "font_faces.h"
#include "frm_clip.h"
#include "main_window.h"
#include "number_text.h"
#include "qt_message_service.h"
#include "qt_print_service.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vandrel Catalogue");
    QApplication::setApplicationDisplayName("Vandrel Catalogue");
    vd::InstallFontSubstitutions();
    vd::InitDecimalSeparatorFromLocale();

    vd::QtMessageService messages;
    vd::QtPrintService printer;
    vd::T_fm window(vd::ShellServices{&messages, &printer});
    messages.setParent(&window);
    printer.setParent(&window);
    window.FormCreate();
    vd::TFrmClip clip(&window);
    window.FrmClip = &clip;
    window.show();
    return app.exec();
}
