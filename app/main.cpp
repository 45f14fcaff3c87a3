// Program entry: the platform, the application title, the Qt services and the
// main window, then the event loop until the main window closes.
#include "font_faces.h"
#include "main_window.h"
#include "number_text.h"
#include "paths.h"
#include "qt_message_service.h"
#include "qt_ui_services.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vd::SetApplicationTitle("Vandrel Catalogue");
    // Ties the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("example.vandrel.catalogue");
    // The data tree beside the program or the installed one, whatever the
    // current directory.
    vd::SetDataRoot(vd::FindDataTree(vd::ExecutableDir()));
    vd::InstallFontSubstitutions();
    vd::InitDecimalSeparatorFromLocale();

    vd::QtUiServices services;
    // Only the start page is made before the window shows; each other page
    // when it is first opened.
    vd::T_fm window(services.services(), nullptr, vd::PageBuilding::OnFirstUse);
    services.SetDialogParent(&window);
    window.FormCreate();
    window.show();
    return app.exec();
}
