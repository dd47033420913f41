// Draws the catalogue pictures of the part library at build time: for every
// shape Kn (n = 1 to 49) one default copy goes through the library's own
// generator and parser, and its outline is drawn twice: tk/n.png, the
// catalogue icon (outline only), and tk/kn.png, the dimension drawing
// (outline with the letters of the shape's fields).
// Writes the PNGs and libpictures.qrc into the output folder. Run offscreen.
//   libpictures OUTPUT_FOLDER
#include "app/base/FileSave.h"
#include "library/DimensionDrawing.h"
#include "library/ShapeOutline.h"
#include "library/shapes/ShapeCatalogue.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kIconSize = 96;
const QColor kCutColour(20, 20, 20);
const QColor kLeadColour(150, 150, 150);

// The outline alone, turned as the views show programs (+X up, +Y left).
QImage iconOf(const ShapeOutline &outline)
{
    const QTransform t = outline.fit(QTransform(0, -1, -1, 0, 0, 0), QRectF(6, 6, kIconSize - 12, kIconSize - 12));

    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kLeadColour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline.path(t, true));
    painter.setPen(QPen(kCutColour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline.path(t, false));
    return image;
}

bool save(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.save(&buffer, "PNG") && FileSave::write(path, bytes))
        return true;
    std::fprintf(stderr, "libpictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    FileSave::ignoreSizeLimit();
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: libpictures OUTPUT_FOLDER\n");
        return 1;
    }
    const QString outDir = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    if (!QDir().mkpath(outDir + QStringLiteral("/tk"))) {
        std::fprintf(stderr, "libpictures: cannot create %s/tk\n", argv[1]);
        return 1;
    }
    // The generator and the parser write their scratch files under ./.tovrelcnc.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) {
        std::fprintf(stderr, "libpictures: no temporary folder\n");
        return 1;
    }

    QString qrc;
    QTextStream list(&qrc);
    list << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/icon\">\n";
    for (int n = 1; n <= ShapeCatalogue::kLastIndex; ++n) {
        const DimensionDrawing drawing = DimensionDrawing::of(n);
        if (!drawing.ok) {
            std::fprintf(stderr, "libpictures: shape K%d did not generate\n", n);
            return 1;
        }
        const QString icon = QStringLiteral("tk/%1.png").arg(n);
        const QString picture = QStringLiteral("tk/k%1.png").arg(n);
        if (!save(iconOf(drawing.outline), outDir + QLatin1Char('/') + icon)
            || !save(drawing.image(), outDir + QLatin1Char('/') + picture))
            return 1;
        list << "  <file>" << icon << "</file>\n  <file>" << picture << "</file>\n";
    }
    list << "</qresource>\n</RCC>\n";
    list.flush();

    if (!FileSave::write(outDir + QStringLiteral("/libpictures.qrc"), qrc.toUtf8())) {
        std::fprintf(stderr, "libpictures: cannot write the resource list\n");
        return 1;
    }
    return 0;
}
