// Draws the catalogue pictures of the part library at build time: for every
// shape Kn (n = 1 to 49) one copy with its default texts goes through the
// library's own generator and parser, and the parsed outline is drawn twice:
// tk/n.png, the catalogue icon (outline only), and tk/kn.png, the dimension
// drawing (outline, "Kn" and the shape's fields with their default texts).
// Writes the PNGs and libpictures.qrc into the output folder. Run offscreen.
//   libpictures OUTPUT_FOLDER
#include "app/FileSave.h"
#include "library/LibGenerator.h"
#include "library/PattenForm.h"
#include "library/PattenList.h"
#include "library/shapes/ShapeCatalogue.h"
#include "program/Parser.h"
#include "program/PathWalk.h"
#include "program/SegmentTable.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>

#include <cstdio>

namespace {

constexpr int kIconSize = 96;
constexpr int kDrawingWidth = 220;
constexpr int kDrawingHeight = 180;
const QColor kCutColour(20, 20, 20);
const QColor kLeadColour(150, 150, 150);

// The outline of one shape in the views' frame (program +X up the screen,
// +Y to the left), one path per colour.
struct Outline {
    QPainterPath cut;
    QPainterPath lead; // lead-ins, lead-outs and rapids
    QRectF bounds() const { return cut.boundingRect().united(lead.boundingRect()); }
};

void addMove(QPainterPath &path, const PathWalk::Move &m, const QPointF &start)
{
    path.moveTo(start);
    if (m.kind == PathWalk::Arc)
        path.arcTo(m.square, m.arc.start, m.arc.sweep);
    else
        path.lineTo(m.end);
}

// A run of cutting moves starts with its lead-in when the run holds more
// than that line. The contour closes where the lead-in ended, so a last line
// leaving from that point is the lead-out.
Outline outlineOf(const SegmentRecord *table)
{
    PathWalk walk(0.0, 0.0, 1.0);
    QPainterPath cut(walk.origin());
    QPainterPath rapid(walk.origin());
    QVector<PathWalk::Move> moves;
    walk.run(table, 0, kSegmentRows, cut, rapid, false, [&moves](const PathWalk::Move &m) {
        if (m.kind != PathWalk::Skip)
            moves << m;
    });

    // The rapids after the last cut only carry the tool to where the next
    // pattern would start; they are no part of the shape.
    int last = moves.size();
    while (last > 0 && moves[last - 1].kind == PathWalk::Rapid)
        --last;
    moves.resize(last);

    Outline out;
    QPointF at = walk.origin();
    int k = 0;
    while (k < moves.size()) {
        if (moves[k].kind == PathWalk::Rapid) {
            out.lead.moveTo(at);
            out.lead.lineTo(moves[k].end);
            at = moves[k].end;
            ++k;
            continue;
        }
        int end = k;
        while (end < moves.size() && moves[end].kind != PathWalk::Rapid)
            ++end;
        const int count = end - k;
        const bool leadIn = count > 1 && moves[k].kind == PathWalk::Line;
        const PathWalk::Move &last = moves[end - 1];
        const bool leadOut = leadIn && count > 2 && last.kind == PathWalk::Line && last.startX == moves[k].endX
                             && last.startY == moves[k].endY;
        for (int r = k; r < end; ++r) {
            const bool grey = (r == k && leadIn) || (r == end - 1 && leadOut);
            addMove(grey ? out.lead : out.cut, moves[r], at);
            at = moves[r].end;
        }
        k = end;
    }
    return out;
}

// Generates and parses one default copy of shape n; false when either fails.
bool parseShape(int n, Parser &parser)
{
    PattenList list;
    if (!list.add(n, PattenForm::forShape(n)))
        return false;
    LibGenerator generator;
    const QString file = generator.writeTempFile(list);
    return !file.isNull() && parser.parseLib(file, 0.0, 0, 0) == 1;
}

void drawOutline(QPainter &painter, const Outline &outline, const QRectF &area, qreal lineWidth)
{
    const QRectF b = outline.bounds();
    const qreal w = std::max<qreal>(b.width(), 1.0);
    const qreal h = std::max<qreal>(b.height(), 1.0);
    const qreal scale = std::min(area.width() / w, area.height() / h);
    QTransform t;
    t.translate(area.center().x(), area.center().y());
    t.scale(scale, scale);
    t.translate(-b.center().x(), -b.center().y());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kLeadColour, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(t.map(outline.lead));
    painter.setPen(QPen(kCutColour, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(t.map(outline.cut));
    painter.restore();
}

QImage iconOf(const Outline &outline)
{
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawOutline(painter, outline, QRectF(6, 6, kIconSize - 12, kIconSize - 12), 2.0);
    return image;
}

// "a=10  b=100 ...": parameter a and every field the shape shows, wrapped
// into lines that fit the drawing's width.
QStringList fieldLines(int n, const QFontMetrics &metrics, int width)
{
    const PattenForm form = PattenForm::forShape(n);
    const ShapeEntry *entry = ShapeCatalogue::entry(n);
    QStringList fields;
    fields << QStringLiteral("a=") + form.param[PattenForm::A];
    for (int k = 0; k < 6 && entry; ++k) {
        if (entry->defaults[k])
            fields << QString(QLatin1Char(char('b' + k))) + QLatin1Char('=') + form.param[PattenForm::B + k];
    }
    QStringList lines;
    QString line;
    for (const QString &field : fields) {
        const QString longer = line.isEmpty() ? field : line + QStringLiteral("  ") + field;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = field;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QImage drawingOf(int n, const Outline &outline)
{
    QImage image(kDrawingWidth, kDrawingHeight, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QStringList lines = fieldLines(n, metrics, kDrawingWidth - 8);
    const int lineHeight = metrics.height();

    painter.setPen(kCutColour);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QPointF(4, 4 + metrics.ascent()), QStringLiteral("K%1").arg(n));
    painter.setFont(font);
    const int textTop = kDrawingHeight - 4 - lineHeight * lines.size();
    for (int k = 0; k < lines.size(); ++k)
        painter.drawText(QPointF(4, textTop + k * lineHeight + metrics.ascent()), lines.at(k));

    const QRectF area(30, 8, kDrawingWidth - 60, textTop - 14);
    drawOutline(painter, outline, area, 1.5);
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

    Parser parser;
    QString qrc;
    QTextStream list(&qrc);
    list << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/icon\">\n";
    for (int n = 1; n <= ShapeCatalogue::kLastIndex; ++n) {
        if (!parseShape(n, parser)) {
            std::fprintf(stderr, "libpictures: shape K%d did not generate\n", n);
            return 1;
        }
        const Outline outline = outlineOf(libSegments);
        const QString icon = QStringLiteral("tk/%1.png").arg(n);
        const QString drawing = QStringLiteral("tk/k%1.png").arg(n);
        if (!save(iconOf(outline), outDir + QLatin1Char('/') + icon)
            || !save(drawingOf(n, outline), outDir + QLatin1Char('/') + drawing))
            return 1;
        list << "  <file>" << icon << "</file>\n  <file>" << drawing << "</file>\n";
    }
    list << "</qresource>\n</RCC>\n";
    list.flush();

    if (!FileSave::write(outDir + QStringLiteral("/libpictures.qrc"), qrc.toUtf8())) {
        std::fprintf(stderr, "libpictures: cannot write the resource list\n");
        return 1;
    }
    return 0;
}
