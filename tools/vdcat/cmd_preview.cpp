// vdcat preview: renders a bitmap, metafile or text file as the program shows
// it, into a PNG. Pictures are stretched to --size or drawn at their natural
// size; texts are laid out at the given width in the text boxes' font.
#include "commands.h"
#include "gui_app.h"

#include "errors.h"
#include "font_faces.h"
#include "paths.h"
#include "picture.h"
#include "rtf_reader.h"
#include "text_loader.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace vdcat {
namespace {

constexpr int kDefaultTextWidth = 400;
constexpr int kMaxSide = 16384;

const char* kPreviewUsage = "usage: vdcat preview FILE --out PNG [--size WxH]";

std::string LowerExtension(const std::string& path) {
    size_t dot = path.rfind('.');
    size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot);
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

bool IsPictureName(const std::string& ext) {
    return ext == ".wmf" || ext == ".bmp" || ext == ".dib" || ext == ".png" || ext == ".jpg" ||
           ext == ".jpeg";
}

QImage RenderText(const std::string& bytes, int width, int height) {
    QTextDocument doc;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    doc.setDefaultFont(font);
    vd::LoadRichOrPlainText(doc, bytes);
    doc.setTextWidth(width);
    if (height <= 0)
        height = std::clamp(int(std::ceil(doc.size().height())), 1, kMaxSide);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    doc.drawContents(&painter, QRectF(0, 0, width, height));
    painter.end();
    return image;
}

// Qt's warnings about the headless environment (no runtime directory, no
// screen) are noise on a command line; errors still get through.
} // namespace

bool ParseSize(const std::string& text, int& w, int& h) {
    size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (i != x && !std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    if (x > 6 || text.size() - x - 1 > 6)
        return false;
    w = std::atoi(text.substr(0, x).c_str());
    h = std::atoi(text.substr(x + 1).c_str());
    return w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide;
}

int RunPreview(const Args& args) {
    Options o = ParseOptions(args, {"--out", "--size"}, {});
    if (!o.error.empty() || o.positional.size() != 1 || !o.get("--out")) {
        PrintError(o.error.empty() ? kPreviewUsage
                                   : "vdcat preview: " + o.error + "\n" + kPreviewUsage);
        return kUsage;
    }
    int width = 0, height = 0;
    if (const std::string* size = o.get("--size"); size && !ParseSize(*size, width, height)) {
        PrintError("vdcat preview: --size must be WxH with positive whole numbers, got \"" + *size +
                   "\"");
        return kUsage;
    }

    // Fonts need a GUI application; no display is needed.
    auto app = StartOffscreenGui();

    const std::string& input = o.positional[0];
    const std::string& out = *o.get("--out");
    QImage image;
    try {
        std::string bytes = vd::ReadWholeFileAt(input, input);
        const std::string ext = LowerExtension(input);
        if (IsPictureName(ext) && !vd::IsRtf(bytes)) {
            vd::Picture picture = vd::LoadPictureFromBytes(std::move(bytes), input);
            QSize size = width > 0 ? QSize(width, height) : picture.naturalSize();
            image = picture.toImage(size.boundedTo(QSize(kMaxSide, kMaxSide)), Qt::white);
        } else {
            image = RenderText(bytes, width > 0 ? width : kDefaultTextWidth, height);
        }
    } catch (const vd::FileError& e) {
        PrintError(std::string("vdcat preview: ") + e.what());
        return kDataError;
    }
    if (!image.save(QString::fromStdString(out), "PNG")) {
        PrintError("vdcat preview: cannot write \"" + out + "\"");
        return kDataError;
    }
    return kOk;
}

} // namespace vdcat
