// Draws the program's icons from the lists in a folder (icons/*.txt, one per
// subsystem) and writes them, with a resource list for rcc, into the output
// folder. Run at build time, offscreen.
#include "app/base/FileSave.h"

#include <QBuffer>
#include <QFile>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

struct IconSpec {
    QString name;
    int w = 32;
    int h = 32;
    QString shape;
    QColor bg;
    QColor fg;
    QString label;
};

void drawArrow(QPainter &p, const QRectF &r, qreal angle)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const qreal s = std::min(r.width(), r.height()) * 0.38;
    QPainterPath path;
    path.moveTo(0, -s);
    path.lineTo(s, 0);
    path.lineTo(s * 0.4, 0);
    path.lineTo(s * 0.4, s);
    path.lineTo(-s * 0.4, s);
    path.lineTo(-s * 0.4, 0);
    path.lineTo(-s, 0);
    path.closeSubpath();
    p.drawPath(path);
    p.restore();
}

QImage draw(const IconSpec &s)
{
    QImage img(s.w, s.h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, s.w - 1.0, s.h - 1.0);
    const qreal radius = std::min(s.w, s.h) / 5.0;
    p.setPen(QPen(s.bg.darker(140), 1));
    p.setBrush(s.bg);
    if (s.shape == "disc" || s.shape == "check" || s.shape == "cross")
        p.drawEllipse(r);
    else if (s.shape == "splash")
        p.drawRect(r);
    else
        p.drawRoundedRect(r, radius, radius);

    p.setPen(QPen(s.fg, std::max(1.5, s.w / 9.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(s.fg);
    const qreal w = s.w, h = s.h;
    if (s.shape == "check") {
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(
            QPolygonF({QPointF(w * 0.27, h * 0.52), QPointF(w * 0.45, h * 0.7), QPointF(w * 0.75, h * 0.32)}));
    } else if (s.shape == "cross") {
        p.drawLine(QPointF(w * 0.3, h * 0.3), QPointF(w * 0.7, h * 0.7));
        p.drawLine(QPointF(w * 0.7, h * 0.3), QPointF(w * 0.3, h * 0.7));
    } else if (s.shape == "disc") {
        p.setBrush(Qt::NoBrush);
        p.drawPoint(QPointF(w * 0.35, h * 0.4));
        p.drawPoint(QPointF(w * 0.65, h * 0.4));
        p.drawArc(QRectF(w * 0.28, h * 0.3, w * 0.44, h * 0.44), -20 * 16, -140 * 16);
    } else if (s.shape == "up" || s.shape == "down" || s.shape == "left" || s.shape == "right") {
        p.setPen(Qt::NoPen);
        const qreal angle = s.shape == "up" ? 0 : s.shape == "right" ? 90 : s.shape == "down" ? 180 : 270;
        drawArrow(p, r, angle);
    }

    if (s.label != "-") {
        QFont f("WenQuanYi Zen Hei");
        if (s.shape == "splash") {
            f.setPixelSize(h / 8);
            f.setBold(true);
            p.setFont(f);
            p.setPen(s.fg);
            p.drawText(QRectF(0, h * 0.25, w, h * 0.25), Qt::AlignCenter, s.label);
            f.setPixelSize(h / 14);
            f.setBold(false);
            p.setFont(f);
            p.drawText(QRectF(0, h * 0.55, w, h * 0.15), Qt::AlignCenter, QStringLiteral("Brenlo3"));
            p.setPen(QPen(s.fg, 2));
            p.drawLine(QPointF(w * 0.2, h * 0.52), QPointF(w * 0.8, h * 0.52));
        } else {
            f.setPixelSize(std::max(8, int(h * (s.label.size() > 2 ? 0.32 : 0.55))));
            f.setBold(true);
            p.setFont(f);
            p.setPen(s.fg);
            p.drawText(r, Qt::AlignCenter, s.label);
        }
    }
    return img;
}

bool savePng(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") && FileSave::write(path, bytes);
}

} // namespace

int main(int argc, char **argv)
{
    FileSave::ignoreSizeLimit();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: icongen ICONLISTDIR OUTDIR\n");
        return 2;
    }
    const QDir listDir(QString::fromLocal8Bit(argv[1]));
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outDir + "/icon");

    QString qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    QStringList seen;
    for (const QString &listName : listDir.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        QFile list(listDir.filePath(listName));
        if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "icongen: cannot read %s\n", qPrintable(listName));
            return 1;
        }
        QTextStream in(&list);
        in.setCodec("UTF-8");
        int lineNo = 0;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            ++lineNo;
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QStringList f = line.split(QRegExp("\\s+"));
            if (f.size() < 7) {
                std::fprintf(stderr, "icongen: %s:%d: expected 7 fields\n", qPrintable(listName), lineNo);
                return 1;
            }
            IconSpec s;
            s.name = f[0];
            s.w = f[1].toInt();
            s.h = f[2].toInt();
            s.shape = f[3];
            s.bg = QColor(f[4]);
            s.fg = QColor(f[5]);
            s.label = f.mid(6).join(' ');
            if (s.w <= 0 || s.h <= 0 || !s.bg.isValid() || !s.fg.isValid()) {
                std::fprintf(stderr, "icongen: %s:%d: bad size or colour\n", qPrintable(listName), lineNo);
                return 1;
            }
            if (seen.contains(s.name)) {
                std::fprintf(stderr, "icongen: %s:%d: %s is drawn twice\n", qPrintable(listName), lineNo,
                             qPrintable(s.name));
                return 1;
            }
            seen << s.name;
            if (!savePng(draw(s), outDir + "/icon/" + s.name)) {
                std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(s.name));
                return 1;
            }
            qrc += "  <file>icon/" + s.name + "</file>\n";
        }
    }
    qrc += "</qresource>\n</RCC>\n";
    if (!FileSave::write(outDir + "/icons.qrc", qrc.toUtf8())) {
        std::fprintf(stderr, "icongen: cannot write icons.qrc\n");
        return 1;
    }
    return 0;
}
