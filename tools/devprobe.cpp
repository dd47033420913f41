// devprobe: drives the axis card's device layer without a card and prints
// what it did on stdout.
//   devprobe ent P Q [--preset E,X,S,T]   junction marking of the records on stdin
//   devprobe int [OPTION]...              interrupt reader passes from stdin
//   devprobe inputs BYTE...               input poll passes
// Numbers are decimal, or hex with a 0x prefix. A bad command line ends with
// status 2, a bad input line with status 1.
#include "app/base/FileSave.h"
#include "device/AxisStatus.h"
#include "device/DeviceIo.h"
#include "device/KReadIOThread.h"
#include "device/KReadIntThread.h"
#include "device/KWriteDevice.h"
#include "program/SegmentTable.h"
#include "EmissionPrinter.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <functional>
#include <limits>
#include <vector>

namespace {

int usage()
{
    std::fputs("usage: devprobe ent P Q [--preset E,X,S,T] | devprobe int [--maxn N] [--pnew F] [--set NAME=V]..."
               " [--begin X,Y] | devprobe inputs BYTE...\n",
               stderr);
    return 2;
}

bool number(const QString &text, qint64 low, qint64 high, qint64 &value)
{
    static const QRegularExpression pattern(QStringLiteral("^(-?)(?:0[xX]([0-9A-Fa-f]+)|([0-9]+))$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    bool ok = false;
    const qint64 v = m.capturedLength(2) ? m.captured(2).toLongLong(&ok, 16) : m.captured(3).toLongLong(&ok, 10);
    if (!ok)
        return false;
    value = m.capturedLength(1) ? -v : v;
    return value >= low && value <= high;
}

bool int32(const QString &text, int &value)
{
    qint64 v;
    if (!number(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), v))
        return false;
    value = int(v);
    return true;
}

bool byte(const QString &text, quint8 &value)
{
    qint64 v;
    if (!number(text, 0, 255, v))
        return false;
    value = quint8(v);
    return true;
}

// A signed byte of the card, also given as 0x80 to 0xFF.
bool signedByte(const QString &text, signed char &value)
{
    qint64 v;
    if (!number(text, -128, 255, v))
        return false;
    value = static_cast<signed char>(v);
    return true;
}

// Comma-separated numbers, exactly count of them.
bool list(const QString &text, int count, const std::function<bool(int, const QString &)> &take)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != count)
        return false;
    for (int k = 0; k < count; ++k) {
        if (!take(k, parts.at(k)))
            return false;
    }
    return true;
}

// The lines of stdin split at blanks; empty lines are left out.
QList<QStringList> inputLines()
{
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    QList<QStringList> result;
    const QList<QByteArray> lines = in.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QStringList fields = QString::fromUtf8(line).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!fields.isEmpty())
            result << fields;
    }
    return result;
}

int badLine(int n)
{
    std::fprintf(stderr, "devprobe: bad input line %d\n", n);
    return 1;
}

int junctions(const QStringList &args)
{
    int p, q;
    if (args.size() < 2 || !int32(args.at(0), p) || !int32(args.at(1), q))
        return usage();
    quint8 preset[4] = {0, 0, 0, 0};
    bool presetGiven = false;
    for (int i = 2; i < args.size(); i += 2) {
        if (args.at(i) != QLatin1String("--preset") || i + 1 >= args.size()
            || !list(args.at(i + 1), 4, [&](int k, const QString &t) { return byte(t, preset[k]); }))
            return usage();
        presetGiven = true;
    }

    if (presetGiven) {
        for (SegmentRecord &record : cutSegments)
            std::copy(preset, preset + 4, record.flags);
    }
    SegmentTable::prefill(cutSegments);
    const QList<QStringList> lines = inputLines();
    for (int n = 0; n < lines.size() && n < kSegmentRows; ++n) {
        const QStringList &f = lines.at(n);
        SegmentRecord &r = cutSegments[n];
        if (f.size() != 5 || !int32(f.at(0), r.type) || !int32(f.at(1), r.x) || !int32(f.at(2), r.y)
            || !int32(f.at(3), r.i) || !int32(f.at(4), r.j))
            return badLine(n + 1);
    }

    std::array<int, KWriteDevice::kDescriptorCount> fds;
    fds.fill(DeviceIo::kNotOpen);
    KWriteDevice writer(fds, nullptr);
    writer.writePara(para_t{6000, p, q, 0, 1});
    writer.writeEnt();

    for (int n = 0; n < kSegmentRows; ++n) {
        const SegmentRecord &r = cutSegments[n];
        std::printf("%d %d %d %d %d %d\n", n, r.type, r.flags[0], r.flags[1], r.flags[2], r.flags[3]);
        if (r.type == SegType::End)
            break;
    }
    return 0;
}

int interrupts(const QStringList &args)
{
    std::array<int, KReadIntThread::kDescriptorCount> fds;
    fds.fill(DeviceIo::kNotOpen);
    KReadIntThread reader(fds, nullptr);
    const QMap<QString, std::atomic<bool> *> flags = {{QStringLiteral("reporting"), &reader.reporting},
                                                      {QStringLiteral("movementView"), &reader.movementView},
                                                      {QStringLiteral("absoluteView"), &reader.absoluteView},
                                                      {QStringLiteral("alignmentValues"), &reader.alignmentValues},
                                                      {QStringLiteral("stepValues"), &reader.stepValues},
                                                      {QStringLiteral("dlzArcOn"), &reader.dlzArcOn},
                                                      {QStringLiteral("plasmaFlag"), &reader.plasmaFlag},
                                                      {QStringLiteral("dlzPositioned"), &reader.dlzPositioned},
                                                      {QStringLiteral("dlzArcAsked"), &reader.dlzArcAsked},
                                                      {QStringLiteral("dlzDownAsked"), &reader.dlzDownAsked},
                                                      {QStringLiteral("dlzUpAsked"), &reader.dlzUpAsked},
                                                      {QStringLiteral("dlzHeightOn"), &reader.dlzHeightOn}};

    // Everything is checked before anything runs, so a bad command line prints nothing.
    std::vector<std::function<void()>> actions;
    for (int i = 0; i < args.size(); i += 2) {
        const QString option = args.at(i);
        if (i + 1 >= args.size())
            return usage();
        const QString value = args.at(i + 1);
        if (option == QLatin1String("--maxn")) {
            int n;
            if (!int32(value, n))
                return usage();
            actions.push_back([&reader, n] { reader.setMaxN(n); });
        } else if (option == QLatin1String("--pnew")) {
            bool ok = false;
            const double f = value.toDouble(&ok);
            if (!ok)
                return usage();
            actions.push_back([&reader, f] { reader.setPNew(f); });
        } else if (option == QLatin1String("--set")) {
            const int eq = value.indexOf(QLatin1Char('='));
            std::atomic<bool> *flag = flags.value(value.left(eq));
            int v;
            if (eq < 0 || !flag || !int32(value.mid(eq + 1), v))
                return usage();
            actions.push_back([flag, v] { *flag = v != 0; });
        } else if (option == QLatin1String("--begin")) {
            int xy[2];
            if (!list(value, 2, [&](int k, const QString &t) { return int32(t, xy[k]); }))
                return usage();
            actions.push_back([&reader, xy] { reader.setBeginPoint(xy[0], xy[1]); });
        } else {
            return usage();
        }
    }

    QList<AxisStatus> passes;
    const QList<QStringList> lines = inputLines();
    for (int n = 0; n < lines.size(); ++n) {
        const QStringList &f = lines.at(n);
        AxisStatus s;
        if (f.size() != 14 || !byte(f.at(0), s.alarm) || !byte(f.at(1), s.input) || !int32(f.at(2), s.position1.x)
            || !int32(f.at(3), s.position1.y) || !int32(f.at(4), s.position2.x) || !int32(f.at(5), s.position2.y)
            || !signedByte(f.at(6), s.flag) || !signedByte(f.at(7), s.oflag) || !signedByte(f.at(8), s.corner)
            || !int32(f.at(9), s.record) || !int32(f.at(10), s.valueX) || !int32(f.at(11), s.valueY)
            || !int32(f.at(12), s.v0) || !int32(f.at(13), s.v1))
            return badLine(n + 1);
        passes << s;
    }

    EmissionPrinter printer;
    printer.watch(&reader);
    for (const auto &action : actions)
        action();
    for (const AxisStatus &s : passes)
        reader.runPass(s);
    return 0;
}

int inputs(const QStringList &args)
{
    QList<quint8> bytes;
    for (const QString &a : args) {
        quint8 b;
        if (!byte(a, b))
            return usage();
        bytes << b;
    }
    KReadIOThread poll(DeviceIo::kNotOpen, DeviceIo::kNotOpen, nullptr);
    EmissionPrinter printer;
    printer.watch(&poll);
    poll.resetInputs();
    for (quint8 b : bytes)
        poll.pollOnce(b);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    FileSave::ignoreSizeLimit();
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("ent"))
        return junctions(args);
    if (command == QLatin1String("int"))
        return interrupts(args);
    if (command == QLatin1String("inputs"))
        return inputs(args);
    return usage();
}
