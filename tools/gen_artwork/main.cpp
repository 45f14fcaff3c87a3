// Generates the program's artwork: the window pictures (compiled in as
// resources) and the product browser's family pictures (loaded at run time).
//   gen_artwork --window-dir DIR --bmp-dir DIR
//   gen_artwork --icon-dir DIR    the application icon as an icon theme tree
//                                 (DIR/NxN/apps/vandrel-catalogue.png)
#include "art_common.h"
#include "bmp_writer.h"
#include "pictures.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <utility>
#include <vector>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: gen_artwork --window-dir DIR --bmp-dir DIR\n"
                         "       gen_artwork --icon-dir DIR\n");
    return 2;
}

void Write(const QString& dir, const QString& name, const QImage& image) {
    art::WriteBmp24(image, QDir(dir).filePath(name));
}

// The sizes of the desktop's icon theme that the icon is drawn for.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

int WriteIcons(const QString& dir) {
    for (int size : kIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
        if (!QDir().mkpath(folder) ||
            !art::MakeIcon(size).save(folder + QStringLiteral("/vandrel-catalogue.png"), "PNG")) {
            std::fprintf(stderr, "gen_artwork: cannot write the %dx%d icon in %s\n", size, size,
                         qPrintable(folder));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Text needs a font database, which only a Gui application brings.
    QGuiApplication app(argc, argv);
    QString windowDir;
    QString bmpDir;
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--icon-dir"))
        return WriteIcons(args[2]);
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--window-dir") && i + 1 < args.size())
            windowDir = args[++i];
        else if (args[i] == QLatin1String("--bmp-dir") && i + 1 < args.size())
            bmpDir = args[++i];
        else
            return Usage();
    }
    if (windowDir.isEmpty() || bmpDir.isEmpty())
        return Usage();

    try {
        // Without the font Qt would quietly substitute another and the
        // pictures would differ from machine to machine.
        if (QFontInfo(art::BrandFont(12)).family() != QLatin1String("Liberation Sans")) {
            throw std::runtime_error("font Liberation Sans not found (package fonts-liberation2)");
        }
        for (const QString& dir : {windowDir, bmpDir}) {
            if (!QDir().mkpath(dir))
                throw std::runtime_error("cannot create " + dir.toStdString());
        }
        const std::vector<std::pair<QString, QImage (*)()>> window = {
            {QStringLiteral("button.bmp"), art::MakeButton},
            {QStringLiteral("banner.bmp"), art::MakeBanner},
            {QStringLiteral("logo.bmp"), art::MakeLogo},
            {QStringLiteral("about.bmp"), art::MakeAbout},
            {QStringLiteral("company1.bmp"), art::MakeCompanyBuilding},
            {QStringLiteral("company2.bmp"), art::MakeCompanyEmblem},
            {QStringLiteral("flag_uk.bmp"), art::MakeFlagUk},
            {QStringLiteral("flag_sw.bmp"), art::MakeFlagSweden},
            {QStringLiteral("flag_fi.bmp"), art::MakeFlagFinland},
            {QStringLiteral("flag_fr.bmp"), art::MakeFlagFrance},
            {QStringLiteral("flag_it.bmp"), art::MakeFlagItaly},
        };
        for (const auto& [name, make] : window)
            art::WriteWindowBmp(make(), QDir(windowDir).filePath(name));
        for (const art::FamilyPicture& family : art::FamilyPictures()) {
            Write(bmpDir, family.fileStem + QStringLiteral(".bmp"), art::ExcludedLook(family));
            Write(bmpDir, family.fileStem + QStringLiteral("_r.bmp"), art::IncludedLook(family));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gen_artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
