// Builds one path view offscreen, loads an NC file into the table it reads,
// applies settings and operations and prints what the view holds, with
// pixels of a rendering on request.
//
//   viewprobe VIEW FILE [--size WxH] [--set NAME=VALUE]... [--op OP]...
//             [--png OUT] [--pixel X,Y]... [--count #RRGGBB]...
//
// VIEW: cut, jog, edit, preview, lib or ck. Exit 0, 1 after a failed parse,
// 2 on a usage error.

#include "app/base/FileSave.h"
#include "program/KCKSimu.h"
#include "program/KDialogStd.h"
#include "program/KEditSimu.h"
#include "program/KJBSimu.h"
#include "program/KLibSimu.h"
#include "program/KPreviewSimu.h"
#include "program/KSimu.h"
#include "program/Parser.h"

#include <QApplication>
#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QMouseEvent>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>

namespace {

const char kUsage[] = "usage: viewprobe cut|jog|edit|preview|lib|ck FILE [--size WxH] [--set NAME=VALUE]...\n"
                      "                 [--op OP]... [--png OUT] [--pixel X,Y]... [--count #RRGGBB]...\n";

[[noreturn]] void usage(const QString &why)
{
    std::fprintf(stderr, "viewprobe: %s\n%s", qPrintable(why), kUsage);
    std::exit(2);
}

QString num(double v)
{
    return QString::number(v, 'g', 6);
}

void line(const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
}

// Numbers of an "A,B,..." argument; exactly count of them, else a usage error.
// Each must fit a 32-bit integer, as the views take whole numbers.
QList<double> numbers(const QString &text, int count, const QString &what)
{
    const QStringList parts = text.split(QLatin1Char(','));
    QList<double> values;
    for (const QString &p : parts) {
        bool ok = false;
        const double v = p.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v) || v < std::numeric_limits<qint32>::min()
            || v > std::numeric_limits<qint32>::max())
            usage(QStringLiteral("bad number in ") + what);
        values << v;
    }
    if (values.size() != count)
        usage(QStringLiteral("%1 wants %2 numbers").arg(what).arg(count));
    return values;
}

using Op = std::function<void(const QList<double> &)>;

struct OpSpec {
    int arity;
    Op run;
};

struct Request {
    QString name;
    QList<double> args;
};

void sendMouse(QWidget *view, QEvent::Type type, const QPoint &at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, view->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void drag(QWidget *view, const QList<double> &a)
{
    const QPoint from(static_cast<int>(a[0]), static_cast<int>(a[1]));
    const QPoint to(static_cast<int>(a[2]), static_cast<int>(a[3]));
    sendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(view, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(view, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

int firstEndRow()
{
    for (int row = 0; row < kSegmentRows; ++row) {
        if (cutSegments[row].type == SegType::End)
            return row;
    }
    return kSegmentRows;
}

// The pan, zoom and fit slots every view has.
template <typename View> void addCommonOps(QMap<QString, OpSpec> &ops, View *view)
{
    ops[QStringLiteral("zoomIn")] = {0, [view](const QList<double> &) { view->zoomIn(); }};
    ops[QStringLiteral("zoomOut")] = {0, [view](const QList<double> &) { view->zoomOut(); }};
    ops[QStringLiteral("fit")] = {0, [view](const QList<double> &) { view->fit(); }};
    ops[QStringLiteral("posUp")] = {0, [view](const QList<double> &) { view->posUp(); }};
    ops[QStringLiteral("posDown")] = {0, [view](const QList<double> &) { view->posDown(); }};
    ops[QStringLiteral("posLeft")] = {0, [view](const QList<double> &) { view->posLeft(); }};
    ops[QStringLiteral("posRight")] = {0, [view](const QList<double> &) { view->posRight(); }};
    ops[QStringLiteral("draw")] = {0, [view](const QList<double> &) { view->draw(); }};
    ops[QStringLiteral("resetView")] = {0, [view](const QList<double> &) { view->resetView(); }};
}

// Zoom-rectangle mode and mouse drags of the editor, preview and library views.
template <typename View> void addDragOps(QMap<QString, OpSpec> &ops, View *view)
{
    ops[QStringLiteral("setJB")] = {0, [view](const QList<double> &) { view->setJB(); }};
    ops[QStringLiteral("drag")] = {4, [view](const QList<double> &a) { drag(view, a); }};
}

} // namespace

int main(int argc, char **argv)
{
    FileSave::ignoreSizeLimit();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        usage(QStringLiteral("VIEW and FILE are needed"));
    const QString kind = args[1];
    const QString file = args[2];

    QSize size;
    QMap<QString, QString> settings;
    QStringList opTexts;
    QString pngOut;
    QList<QPoint> pixels;
    QList<QRgb> counts;
    for (int k = 3; k < args.size(); ++k) {
        const QString &a = args[k];
        if (k + 1 >= args.size())
            usage(a + QStringLiteral(" needs a value"));
        const QString value = args[++k];
        if (a == QLatin1String("--size")) {
            const QStringList wh = value.split(QLatin1Char('x'));
            bool okW = false, okH = false;
            if (wh.size() == 2)
                size = QSize(wh[0].toInt(&okW), wh[1].toInt(&okH));
            if (!okW || !okH || size.width() <= 0 || size.height() <= 0)
                usage(QStringLiteral("bad --size"));
        } else if (a == QLatin1String("--set")) {
            const int eq = value.indexOf(QLatin1Char('='));
            if (eq <= 0)
                usage(QStringLiteral("bad --set"));
            settings[value.left(eq)] = value.mid(eq + 1);
        } else if (a == QLatin1String("--op")) {
            opTexts << value;
        } else if (a == QLatin1String("--png")) {
            pngOut = value;
        } else if (a == QLatin1String("--pixel")) {
            const QList<double> xy = numbers(value, 2, QStringLiteral("--pixel"));
            pixels << QPoint(int(xy[0]), int(xy[1]));
        } else if (a == QLatin1String("--count")) {
            const QColor colour(value);
            if (!colour.isValid() || !value.startsWith(QLatin1Char('#')))
                usage(QStringLiteral("bad --count colour"));
            counts << colour.rgb();
        } else {
            usage(QStringLiteral("unknown option ") + a);
        }
    }

    QMap<QString, OpSpec> ops;
    QStringList settable;
    std::unique_ptr<QWidget> widget;
    std::function<bool()> load;
    std::function<void(const QString &, const QString &)> apply;
    std::function<void()> firstDraw;
    std::function<QStringList()> report;
    bool piercesRan = false;
    Parser ownParser;

    if (kind == QLatin1String("cut")) {
        auto *view = new KSimu;
        widget.reset(view);
        size = size.isValid() ? size : QSize(572, 640);
        load = [view, file] { return view->parser->parseMain(file) == 1; };
        settable << QStringLiteral("sheet") << QStringLiteral("sfx");
        apply = [view](const QString &name, const QString &value) {
            if (name == QLatin1String("sheet")) {
                const QList<double> xy = numbers(value, 2, QStringLiteral("sheet"));
                view->setSheet(int(xy[0]), int(xy[1]));
            } else {
                view->setSFx(int(numbers(value, 1, QStringLiteral("sfx"))[0]));
            }
        };
        firstDraw = [view] {
            view->resetView();
            view->draw();
        };
        addCommonOps(ops, view);
        ops[QStringLiteral("showSheet")] = {0, [view](const QList<double> &) { view->showSheet(); }};
        ops[QStringLiteral("showPart")] = {0, [view](const QList<double> &) { view->showPart(); }};
        ops[QStringLiteral("makeCKVector")] = {0, [view, &piercesRan](const QList<double> &) {
                                                   view->makeCKVector();
                                                   piercesRan = true;
                                               }};
        ops[QStringLiteral("setCurrentNum")] = {1, [view, &piercesRan](const QList<double> &a) {
                                                    view->setCurrentNum(int(a[0]));
                                                    piercesRan = true;
                                                }};
        ops[QStringLiteral("calDist")] = {0, [view, &piercesRan](const QList<double> &) {
                                              view->calDist();
                                              piercesRan = true;
                                          }};
        ops[QStringLiteral("setStartPos")] = {
            3, [view](const QList<double> &a) { view->setStartPos(int(a[0]), int(a[1]), int(a[2])); }};
        report = [view, &piercesRan] {
            QStringList lines;
            lines << QStringLiteral("scale=") + num(view->getScale());
            lines
                << QStringLiteral("centre=(%1,%2)").arg(num(view->getViewCentre().x()), num(view->getViewCentre().y()));
            if (piercesRan) {
                const int n = view->getCKNum();
                QStringList list;
                const int *entries = view->getCKVector();
                for (int k = 0; k < n; ++k)
                    list << QString::number(entries[k]);
                lines << QStringLiteral("pierces=%1 list=%2 move=%3 cut=%4")
                             .arg(n)
                             .arg(list.join(QLatin1Char(',')))
                             .arg(view->getMoveLength())
                             .arg(view->getCutLength());
            }
            return lines;
        };
    } else if (kind == QLatin1String("jog")) {
        auto *view = new KJBSimu;
        widget.reset(view);
        size = size.isValid() ? size : QSize(178, 160);
        load = [&ownParser, file] { return ownParser.parseMain(file) == 1; };
        firstDraw = [view] {
            view->resetView();
            view->draw();
        };
        addCommonOps(ops, view);
        ops[QStringLiteral("torch")] = {2, [view](const QList<double> &a) { view->moveTorch(int(a[0]), int(a[1])); }};
        report = [view] {
            return QStringList{
                QStringLiteral("scale=") + num(view->getZoom()),
                QStringLiteral("centre=(%1,%2)").arg(num(view->getViewCentre().x()), num(view->getViewCentre().y()))};
        };
    } else if (kind == QLatin1String("edit") || kind == QLatin1String("preview") || kind == QLatin1String("lib")) {
        KPathView *base = nullptr;
        if (kind == QLatin1String("edit")) {
            auto *view = new KEditSimu;
            base = view;
            size = size.isValid() ? size : QSize(500, 440);
            load = [view, file] { return view->parser->parseEdit(file, 1.0) == 1; };
            addCommonOps(ops, view);
        } else if (kind == QLatin1String("preview")) {
            auto *view = new KPreviewSimu;
            base = view;
            view->previewEnabled = true;
            size = size.isValid() ? size : QSize(500, 440);
            settable << QStringLiteral("previewEnabled") << QStringLiteral("showCompensated");
            apply = [view](const QString &name, const QString &value) {
                const bool on = numbers(value, 1, name)[0] != 0.0;
                if (name == QLatin1String("previewEnabled"))
                    view->previewEnabled = on;
                else
                    view->showCompensated = on;
            };
            // Settings come after the load, so the compensated parse waits for them.
            load = [view, file] {
                bool ok = view->parser->parsePreview(file) == 1;
                if (view->showCompensated)
                    ok = view->parser->parseMain(file) == 1 && ok;
                return ok;
            };
            addCommonOps(ops, view);
            ops[QStringLiteral("drawNoPreview")] = {0, [view](const QList<double> &) { view->drawNoPreview(); }};
        } else {
            auto *view = new KLibSimu;
            base = view;
            size = size.isValid() ? size : QSize(572, 500);
            load = [view, file] { return view->parser->parseLib(file, 0.0, 0, 0) == 1; };
            addCommonOps(ops, view);
            ops[QStringLiteral("showJB")] = {0, [view](const QList<double> &) { view->showJB(); }};
            ops[QStringLiteral("cancelJB")] = {0, [view](const QList<double> &) { view->cancelJB(); }};
            ops[QStringLiteral("morePlate")] = {0, [view](const QList<double> &) { view->morePlate = true; }};
            ops[QStringLiteral("addPoint")] = {2, [view](const QList<double> &a) {
                                                   point_t p;
                                                   p.x = int(a[0]);
                                                   p.y = int(a[1]);
                                                   view->addPoint(p);
                                               }};
            ops[QStringLiteral("drawMorePlatte")] = {0, [view](const QList<double> &) { view->drawMorePlatte(); }};
            ops[QStringLiteral("stdPlate")] = {
                2, [view](const QList<double> &a) {
                    view->plateDialog->xLengthEdit->setText(QString::number(a[0], 'g', 10));
                    view->plateDialog->yLengthEdit->setText(QString::number(a[1], 'g', 10));
                    view->stdAcc();
                }};
        }
        widget.reset(base);
        addDragOps(ops, base);
        if (kind == QLatin1String("lib")) {
            firstDraw = [base] { base->draw(); };
        } else {
            firstDraw = [base] {
                base->resetView();
                base->draw();
            };
        }
        const bool isLib = kind == QLatin1String("lib");
        report = [base, isLib] {
            QStringList lines{
                QStringLiteral("scale=") + num(base->getScale()),
                QStringLiteral("centre=(%1,%2)").arg(num(base->getViewCentre().x()), num(base->getViewCentre().y())),
                QStringLiteral("rectZoom=") + num(base->getRectZoom())};
            if (isLib)
                lines << QStringLiteral("pointCount=%1").arg(static_cast<KLibSimu *>(base)->getPointCount());
            return lines;
        };
    } else if (kind == QLatin1String("ck")) {
        auto *view = new KCKSimu;
        widget.reset(view);
        size = size.isValid() ? size : QSize(178, 160);
        load = [&ownParser, file] { return ownParser.parseMain(file) == 1; };
        firstDraw = [view] { view->drawCK(0, firstEndRow(), 1, 1); };
        ops[QStringLiteral("ck")] = {
            4, [view](const QList<double> &a) { view->drawCK(int(a[0]), int(a[1]), int(a[2]), int(a[3])); }};
        // The pierce-part view has no pans of its own beyond draw and reset.
        ops[QStringLiteral("draw")] = {0, [view](const QList<double> &) { view->draw(); }};
        ops[QStringLiteral("resetView")] = {0, [view](const QList<double> &) { view->resetView(); }};
        report = [view] {
            return QStringList{
                QStringLiteral("scale=") + num(view->getScale()),
                QStringLiteral("centre=(%1,%2)").arg(num(view->getViewCentre().x()), num(view->getViewCentre().y())),
                QStringLiteral("caption=") + view->caption()};
        };
    } else {
        usage(QStringLiteral("unknown view ") + kind);
    }

    // Everything is checked before anything runs.
    QList<Request> requests;
    for (const QString &text : opTexts) {
        const int colon = text.indexOf(QLatin1Char(':'));
        Request r;
        r.name = colon < 0 ? text : text.left(colon);
        if (!ops.contains(r.name))
            usage(QStringLiteral("the %1 view has no op %2").arg(kind, r.name));
        const int arity = ops[r.name].arity;
        if (arity == 0 && colon >= 0)
            usage(r.name + QStringLiteral(" takes no arguments"));
        if (arity > 0) {
            if (colon < 0)
                usage(r.name + QStringLiteral(" needs arguments"));
            r.args = numbers(text.mid(colon + 1), arity, r.name);
        }
        requests << r;
    }
    for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
        if (!settable.contains(it.key()))
            usage(QStringLiteral("the %1 view has no setting %2").arg(kind, it.key()));
    }

    widget->resize(size);
    std::fflush(stdout);
    // Settings that a load depends on (the preview's compensated parse) go first.
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        apply(it.key(), it.value());
    const bool loaded = load();
    std::fflush(stdout);
    firstDraw();
    for (const Request &r : requests)
        ops[r.name].run(r.args);

    for (const QString &l : report())
        line(l);

    if (!pngOut.isEmpty() || !pixels.isEmpty() || !counts.isEmpty()) {
        QApplication::processEvents();
        QImage image(widget->size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        widget->render(&image);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!pngOut.isEmpty() && !(image.save(&buffer, "PNG") && FileSave::write(pngOut, png)))
            std::fprintf(stderr, "viewprobe: cannot write %s\n", qPrintable(pngOut));
        for (const QPoint &p : pixels) {
            const QString colour = image.valid(p) ? QColor(image.pixel(p)).name() : QStringLiteral("none");
            line(QStringLiteral("pixel(%1,%2)=%3").arg(p.x()).arg(p.y()).arg(colour));
        }
        for (const QRgb c : counts) {
            int n = 0;
            for (int y = 0; y < image.height(); ++y) {
                const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    n += (row[x] & 0xffffff) == (c & 0xffffff) ? 1 : 0;
            }
            line(QStringLiteral("count(%1)=%2").arg(QColor(c).name()).arg(n));
        }
    }
    std::fflush(stdout);
    return loaded ? 0 : 1;
}
