// Generates the fan material the catalogue's records name: dimension
// drawings and diagram pictures (metafiles), fan pictures in two sizes, the
// ancillary pictures and the printout logos.
//   gen_material --catalogue vd_fan.txt --out RUNTIME_DIR
#include "catalogue_index.h"
#include "charts.h"
#include "drawings.h"
#include "material.h"
#include "pictures.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>
#include <set>
#include <stdexcept>
#include <string>

namespace {

using namespace material;

// Qt's notes about the headless environment are noise in a build log; errors
// still get through.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int Usage() {
    std::fprintf(stderr, "usage: gen_material --catalogue FILE --out DIR\n");
    return 2;
}

void WriteFile(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
}

std::string JoinFamilies(const std::vector<std::string>& families) {
    std::string out;
    for (const std::string& f : families) {
        if (!out.empty())
            out += " \xB7 ";
        out += f;
    }
    return out;
}

std::string Join(const std::set<std::string>& items) {
    std::string out;
    for (const std::string& s : items)
        out += (out.empty() ? "" : " ") + s;
    return out;
}

// Each drawing shows exactly the letters its records give values for; a
// record that disagrees is a fault of the catalogue or of the drawing.
int WriteDrawings(const CatalogueIndex& index, const QDir& wmfDir) {
    int count = 0;
    for (const auto& [key, use] : index.drawings) {
        const DrawingKind* kind = FindDrawingKind(use.name);
        if (!kind)
            throw std::runtime_error("no dimension drawing is known for \"" + use.name + "\"");
        const vd::TFanRecord& typical = *use.records[use.records.size() / 2];
        Dims dims;
        for (const std::string& letter : NonZeroLetters(typical))
            dims.set(letter, DimensionValue(typical, letter));
        std::vector<std::string> shown;
        std::string bytes = MakeDimensionDrawing(*kind, JoinFamilies(use.families), dims, &shown);
        const std::set<std::string> shownSet(shown.begin(), shown.end());
        for (const vd::TFanRecord* rec : use.records) {
            auto letters = NonZeroLetters(*rec);
            const std::set<std::string> wanted(letters.begin(), letters.end());
            if (wanted != shownSet)
                throw std::runtime_error(use.name + " shows " + Join(shownSet) + " but " +
                                         rec->model.str() + " has dimensions " + Join(wanted));
        }
        WriteFile(wmfDir.filePath(QString::fromStdString(use.name)), bytes);
        ++count;
    }
    return count;
}

int WriteCharts(const CatalogueIndex& index, const QDir& wmfDir) {
    int count = 0;
    for (const auto& [key, use] : index.diagrams) {
        WriteFile(wmfDir.filePath(QString::fromStdString(use.name)),
                  MakePerformanceChart({use.families, use.records}));
        ++count;
    }
    return count;
}

// Every picture file of the catalogue, in both sizes.
int WriteFanPictures(const CatalogueIndex& index, const QDir& bmpDir) {
    int count = 0;
    for (const auto& [key, use] : index.pictures) {
        if (!HasFanPicture(use.name))
            throw std::runtime_error("no fan picture is known for \"" + use.name + "\"");
        const QString name = QString::fromStdString(use.name);
        WriteFile(bmpDir.filePath(name), EncodeBmp24(MakeFanPicture(use.name, kSmallPicture)));
        WriteFile(bmpDir.filePath(QStringLiteral("big") + name),
                  EncodeBmp24(MakeFanPicture(use.name, kBigPicture)));
        ++count;
    }
    return count;
}

} // namespace

int main(int argc, char** argv) {
    // Text metrics need a font database, which only a Gui application brings.
    qInstallMessageHandler(QuietMessages);
    QGuiApplication app(argc, argv);
    QString catalogue, out;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--catalogue") && i + 1 < args.size())
            catalogue = args[++i];
        else if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            out = args[++i];
        else
            return Usage();
    }
    if (catalogue.isEmpty() || out.isEmpty())
        return Usage();
    try {
        // Another face would change every text width the layouts measure.
        QFont probe(QStringLiteral("Liberation Sans"));
        if (QFontInfo(probe).family() != QLatin1String("Liberation Sans"))
            throw std::runtime_error("font Liberation Sans not found (package fonts-liberation2)");
        const CatalogueIndex index = ReadCatalogueIndex(catalogue.toStdString());
        QDir root(out);
        for (const char* sub : {"wmf", "bmp", "pics"})
            if (!root.mkpath(QString::fromLatin1(sub)))
                throw std::runtime_error("cannot create " + out.toStdString() + "/" + sub);
        const QDir wmfDir(root.filePath(QStringLiteral("wmf")));
        const int drawings = WriteDrawings(index, wmfDir);
        const int charts = WriteCharts(index, wmfDir);
        WriteFile(wmfDir.filePath(QStringLiteral("blank.wmf")), MakeBlankPicture());
        const QDir picsDir(root.filePath(QStringLiteral("pics")));
        for (const LogoFile& logo : LogoFiles())
            WriteFile(picsDir.filePath(QString::fromLatin1(logo.name)), logo.make());
        const QDir bmpDir(root.filePath(QStringLiteral("bmp")));
        const int pictures = WriteFanPictures(index, bmpDir);
        for (const AncillaryPicture& a : AncillaryPictures())
            WriteFile(bmpDir.filePath(QString::fromLatin1(a.file)), EncodeBmp24(a.make()));
        std::printf("gen_material: %d drawings, %d diagram pictures, blank picture, %d logos, %d "
                    "fan pictures "
                    "(small and big), %d ancillary pictures\n",
                    drawings, charts, int(LogoFiles().size()), pictures,
                    int(AncillaryPictures().size()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gen_material: %s\n", e.what());
        return 1;
    }
    return 0;
}
