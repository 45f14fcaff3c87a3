#include "font_faces.h"

#include <QFont>
#include <QFontDatabase>

namespace vd {
namespace {

struct FaceMap {
    const char* windowsFace;
    const char* installedFace;
};

constexpr FaceMap kFaces[] = {
    {"arial", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"ms sans serif", "Liberation Sans"},
    {"microsoft sans serif", "Liberation Sans"},
    {"tahoma", "DejaVu Sans"},
    {"verdana", "DejaVu Sans"},
    {"segoe ui", "Liberation Sans"},
    {"calibri", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"times", "Liberation Serif"},
    {"ms serif", "Liberation Serif"},
    {"georgia", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
    {"lucida console", "Liberation Mono"},
    {"consolas", "Liberation Mono"},
    {"symbol", "DejaVu Sans"},
    {"wingdings", "DejaVu Sans"},
};

} // namespace

QString ResolveFaceName(const QString& windowsFace, int pitchAndFamily) {
    const QString key = windowsFace.trimmed().toLower();
    for (const FaceMap& f : kFaces)
        if (key == QLatin1String(f.windowsFace))
            return QString::fromLatin1(f.installedFace);
    if (!key.isEmpty() && QFontDatabase::hasFamily(windowsFace.trimmed()))
        return windowsFace.trimmed();
    if (pitchAndFamily >= 0) {
        switch (pitchAndFamily & 0xF0) {
        case 0x10:
            return QStringLiteral("Liberation Serif"); // FF_ROMAN
        case 0x30:
            return QStringLiteral("Liberation Mono"); // FF_MODERN
        default:
            break;
        }
        if ((pitchAndFamily & 0x03) == 1)
            return QStringLiteral("Liberation Mono"); // FIXED_PITCH
    }
    return QStringLiteral("Liberation Sans");
}

void InstallFontSubstitutions() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const char* names[] = {"Arial",       "Helvetica", "MS Sans Serif", "Times New Roman", "Times",
                           "Courier New", "Courier",   "Tahoma",        "Verdana"};
    for (const char* name : names)
        QFont::insertSubstitution(QString::fromLatin1(name),
                                  ResolveFaceName(QString::fromLatin1(name)));
}

} // namespace vd
