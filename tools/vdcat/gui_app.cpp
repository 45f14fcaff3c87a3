#include "gui_app.h"

#include "font_faces.h"

#include <cstdio>

namespace vdcat {

namespace {
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

std::unique_ptr<QGuiApplication> StartOffscreenGui() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    std::unique_ptr<QGuiApplication> app;
    static int argc = 1;
    static char name[] = "vdcat";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        app = std::make_unique<QGuiApplication>(argc, argv);
    vd::InstallFontSubstitutions();
    return app;
}

} // namespace vdcat
