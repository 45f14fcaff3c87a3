// Program entry: the platform, the application title, the Qt services and the
// main window, then the event loop until the main window closes.
#include "font_faces.h"
#include "main_window.h"
#include "number_text.h"
#include "qt_message_service.h"
#include "qt_ui_services.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vd::SetApplicationTitle("Vandrel Catalogue");
    vd::InstallFontSubstitutions();
    vd::InitDecimalSeparatorFromLocale();

    vd::QtUiServices services;
    vd::T_fm window(services.services());
    services.SetDialogParent(&window);
    window.FormCreate();
    window.show();
    return app.exec();
}
