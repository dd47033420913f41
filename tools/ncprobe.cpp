// Runs one parse entry of a fresh Parser in the current directory and prints
// the parser's own lines, one summary line and, with --dump, the table.
//
//   ncprobe main FILE [--param ANGLE KERF MIRROR TOL] [--pf X Y] [--dump]
//   ncprobe preview FILE [--dump]
//   ncprobe edit FILE RATIO [--dump]
//   ncprobe lib FILE ANGLE N MIRROR [--dump]

#include "app/base/FileSave.h"
#include "program/Parser.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

const char kUsage[] = "usage: ncprobe main FILE [--param ANGLE KERF MIRROR TOL] [--pf X Y] [--dump]\n"
                      "       ncprobe preview FILE [--dump]\n"
                      "       ncprobe edit FILE RATIO [--dump]\n"
                      "       ncprobe lib FILE ANGLE N MIRROR [--dump]\n";

[[noreturn]] void usage()
{
    std::fputs(kUsage, stderr);
    std::exit(2);
}

double toDouble(const QString &s)
{
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok)
        usage();
    return v;
}

int toInt(const QString &s)
{
    bool ok = false;
    const int v = s.toInt(&ok, 10);
    if (!ok)
        usage();
    return v;
}

struct Command {
    QString entry;
    QString file;
    QStringList values; // positional numbers after FILE
    bool dump = false;
    bool param = false;
    double angle = 0.0;
    double kerf = 0.0;
    int mirror = 0;
    int tolerance = 0;
    bool pf = false;
    int pfX = 0;
    int pfY = 0;
};

Command parseCommandLine(const QStringList &args)
{
    if (args.size() < 3)
        usage();
    Command cmd;
    cmd.entry = args.at(1);
    cmd.file = args.at(2);
    int positional = 0;
    if (cmd.entry == "edit")
        positional = 1;
    else if (cmd.entry == "lib")
        positional = 3;
    else if (cmd.entry != "main" && cmd.entry != "preview")
        usage();
    int at = 3;
    for (int k = 0; k < positional; ++k, ++at) {
        if (at >= args.size() || args.at(at).startsWith("--"))
            usage();
        cmd.values << args.at(at);
    }
    // The numbers of the entry are checked before anything runs.
    if (cmd.entry == "edit") {
        toDouble(cmd.values.at(0));
    } else if (cmd.entry == "lib") {
        toDouble(cmd.values.at(0));
        toInt(cmd.values.at(1));
        toInt(cmd.values.at(2));
    }
    while (at < args.size()) {
        const QString option = args.at(at++);
        auto take = [&](int n) {
            if (at + n > args.size())
                usage();
            const QStringList v = args.mid(at, n);
            at += n;
            return v;
        };
        if (option == "--dump" && !cmd.dump) {
            cmd.dump = true;
        } else if (option == "--param" && cmd.entry == "main" && !cmd.param) {
            const QStringList v = take(4);
            cmd.param = true;
            cmd.angle = toDouble(v.at(0));
            cmd.kerf = toDouble(v.at(1));
            cmd.mirror = toInt(v.at(2));
            cmd.tolerance = toInt(v.at(3));
        } else if (option == "--pf" && cmd.entry == "main" && !cmd.pf) {
            const QStringList v = take(2);
            cmd.pf = true;
            cmd.pfX = toInt(v.at(0));
            cmd.pfY = toInt(v.at(1));
        } else {
            usage();
        }
    }
    return cmd;
}

void dump(const SegmentRecord *table)
{
    const int count = SegmentTable::length(table);
    for (int row = 0; row < count; ++row) {
        const SegmentRecord &r = table[row];
        std::printf("%d %d %d %d %d %d\n", row, int(r.type), int(r.x), int(r.y), int(r.i), int(r.j));
    }
}

} // namespace

int main(int argc, char **argv)
{
    FileSave::ignoreSizeLimit();
    QCoreApplication app(argc, argv);
    const Command cmd = parseCommandLine(QCoreApplication::arguments());

    Parser parser;
    const SegmentRecord *table = nullptr;
    if (cmd.entry == "main") {
        if (cmd.pf)
            parser.setPFmove(cmd.pfX, cmd.pfY);
        if (cmd.param)
            parser.setParameter(cmd.angle, cmd.kerf, cmd.mirror, cmd.tolerance);
        const int r = parser.parseMain(cmd.file);
        std::printf("result=%d maxN=%d\n", r, parser.getMaxN());
        table = cutSegments;
    } else if (cmd.entry == "preview") {
        const int r = parser.parsePreview(cmd.file);
        std::printf("result=%d\n", r);
        table = previewSegments;
    } else if (cmd.entry == "edit") {
        const int r = parser.parseEdit(cmd.file, toDouble(cmd.values.at(0)));
        std::printf("result=%d maxNedit=%d\n", r, parser.getMaxNedit());
        table = editSegments;
    } else {
        const int r =
            parser.parseLib(cmd.file, toDouble(cmd.values.at(0)), toInt(cmd.values.at(1)), toInt(cmd.values.at(2)));
        std::printf("result=%d maxN=%d totalX=%d totalY=%d\n", r, parser.getMaxN(), parser.getTotalX(),
                    parser.getTotalY());
        table = libSegments;
    }
    if (cmd.dump)
        dump(table);
    std::fflush(stdout);
    return 0;
}
