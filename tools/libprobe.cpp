// libprobe: writes the part library's k.nc from the command line, through
// the same list and generator as the library form.
//   libprobe [--select N] [--delete N]... [--repeat N] PATTERN...
//   PATTERN = K<n>[:key=value[,key=value]...]     n = 0..49 (K0: custom file)
// Exit status: 0 written, 1 usage error (nothing written), 2 the generator
// failed, 3 written but patterns were refused because the list was full.

#include "app/base/FileSave.h"
#include "library/LibGenerator.h"
#include "library/PattenForm.h"
#include "library/PattenList.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

struct Pattern {
    int type = 0;
    PattenForm form;
    double sizeX = 0.0;
    double sizeY = 0.0;
    int endX = 0;
    int endY = 0;
};

int usage(const QString &reason)
{
    std::fprintf(stderr, "libprobe: %s\n", reason.toLocal8Bit().constData());
    return 1;
}

bool toInt(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok, 10);
    return ok;
}

// Parses one PATTERN; an empty result is success, otherwise the reason.
QString parsePattern(const QString &arg, Pattern &pattern)
{
    const int colon = arg.indexOf(QLatin1Char(':'));
    const QString head = colon < 0 ? arg : arg.left(colon);
    if (!head.startsWith(QLatin1Char('K')))
        return QStringLiteral("not a pattern: %1").arg(arg);
    int type = 0;
    if (!toInt(head.mid(1), type) || head.size() < 2 || !head.at(1).isDigit() || type < 0 || type > 49)
        return QStringLiteral("shape number outside 0..49: %1").arg(head);
    pattern.type = type;
    pattern.form = PattenForm::forShape(type);
    if (colon < 0)
        return QString();

    const QStringList pairs = arg.mid(colon + 1).split(QLatin1Char(','));
    for (const QString &pair : pairs) {
        const int eq = pair.indexOf(QLatin1Char('='));
        if (eq < 0)
            return QStringLiteral("not key=value: %1").arg(pair);
        const QString key = pair.left(eq);
        const QString value = pair.mid(eq + 1);
        PattenForm &form = pattern.form;
        if (key.size() == 1 && key.at(0) >= QLatin1Char('a') && key.at(0) <= QLatin1Char('g')) {
            form.param[key.at(0).unicode() - 'a'] = value;
        } else if (key == QLatin1String("angle")) {
            form.angle = value;
        } else if (key == QLatin1String("mirror")) {
            const QStringList words = {QStringLiteral("none"), QStringLiteral("Y"), QStringLiteral("X"),
                                       QStringLiteral("XY")};
            const int mirror = words.indexOf(value);
            if (mirror < 0)
                return QStringLiteral("mirror must be none, X, Y or XY: %1").arg(value);
            form.mirror = mirror;
        } else if (key == QLatin1String("offx")) {
            form.offsetX = value;
        } else if (key == QLatin1String("offy")) {
            form.offsetY = value;
        } else if (key == QLatin1String("nx")) {
            form.countX = value;
        } else if (key == QLatin1String("ny")) {
            form.countY = value;
        } else if (key == QLatin1String("spx")) {
            form.spaceX = value;
        } else if (key == QLatin1String("spy")) {
            form.spaceY = value;
        } else if (type == 0 && (key == QLatin1String("sizex") || key == QLatin1String("sizey"))) {
            bool ok = false;
            const double size = value.toDouble(&ok);
            if (!ok)
                return QStringLiteral("%1 is no number: %2").arg(key, value);
            (key == QLatin1String("sizex") ? pattern.sizeX : pattern.sizeY) = size;
        } else if (type == 0 && (key == QLatin1String("endx") || key == QLatin1String("endy"))) {
            int end = 0;
            if (!toInt(value, end))
                return QStringLiteral("%1 is no integer: %2").arg(key, value);
            (key == QLatin1String("endx") ? pattern.endX : pattern.endY) = end;
        } else {
            return QStringLiteral("unknown key %1 in %2").arg(key, arg);
        }
    }
    return QString();
}

} // namespace

int main(int argc, char **argv)
{
    FileSave::ignoreSizeLimit();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    int select = 0;
    bool selectGiven = false;
    int repeat = 1;
    QList<int> deletes;
    QList<Pattern> patterns;
    for (int k = 0; k < args.size(); ++k) {
        const QString &arg = args.at(k);
        if (arg == QLatin1String("--select") || arg == QLatin1String("--delete") || arg == QLatin1String("--repeat")) {
            int value = 0;
            if (k + 1 >= args.size() || !toInt(args.at(k + 1), value))
                return usage(QStringLiteral("%1 needs a number").arg(arg));
            ++k;
            if (arg == QLatin1String("--select")) {
                select = value;
                selectGiven = true;
            } else if (arg == QLatin1String("--delete"))
                deletes.append(value);
            else
                repeat = value;
        } else if (arg.startsWith(QLatin1String("-"))) {
            return usage(QStringLiteral("unknown option %1").arg(arg));
        } else {
            Pattern pattern;
            const QString error = parsePattern(arg, pattern);
            if (!error.isEmpty())
                return usage(error);
            patterns.append(pattern);
        }
    }
    if (repeat < 0 || repeat > 1000)
        return usage(QStringLiteral("--repeat outside 0..1000: %1").arg(repeat));

    PattenList list;
    QStringList refused;
    int ordinal = 0;
    for (int r = 0; r < repeat; ++r) {
        for (const Pattern &pattern : patterns) {
            ++ordinal;
            if (pattern.type == 0) {
                list.setNextFileSize(pattern.sizeY, pattern.sizeX);
                list.setNextFileEnd(pattern.endX, pattern.endY);
            }
            if (!list.add(pattern.type, pattern.form))
                refused << QStringLiteral("libprobe: pattern %1 refused: the list holds %2 patterns")
                               .arg(ordinal)
                               .arg(PattenList::kMaxPattens);
        }
    }

    for (int n : deletes) {
        if (n < 1 || n > list.count())
            return usage(QStringLiteral("--delete %1 outside 1..%2").arg(n).arg(list.count()));
        list.selectRow(n - 1);
        list.markDeleted();
    }
    if (!selectGiven)
        select = list.count();
    if (select < 0 || select > list.count())
        return usage(QStringLiteral("--select %1 outside 0..%2").arg(select).arg(list.count()));
    list.selectRow(select - 1);

    for (const QString &line : refused)
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());

    LibGenerator generator;
    if (generator.writeTempFile(list).isNull())
        return 2;
    return refused.isEmpty() ? 0 : 3;
}
