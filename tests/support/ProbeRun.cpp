#include "ProbeRun.h"

#include "TestPaths.h"

#include <QProcess>

QString Probe::path(const QString &name)
{
    return TestPaths::binDir() + QLatin1Char('/') + name;
}

ProbeRun Probe::run(const QString &name, const QStringList &args, int timeoutMs)
{
    return runProgram(path(name), args, QByteArray(), timeoutMs);
}

ProbeRun Probe::run(const QString &name, const QStringList &args, const QByteArray &input, int timeoutMs)
{
    return runProgram(path(name), args, input, timeoutMs);
}

ProbeRun Probe::runLimited(const QString &name, const QStringList &args, qint64 fileSizeLimit, int timeoutMs)
{
    return runProgram(QStringLiteral("prlimit"),
                      QStringList{QStringLiteral("--fsize=%1").arg(fileSizeLimit), path(name)} + args, QByteArray(),
                      timeoutMs);
}

ProbeRun Probe::runProgram(const QString &program, const QStringList &args, const QByteArray &input, int timeoutMs)
{
    QProcess process;
    process.start(program, args);
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    ProbeRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

QStringList Probe::outputLines(const QByteArray &out)
{
    QStringList result = QString::fromUtf8(out).split(QLatin1Char('\n'));
    if (result.last().isEmpty())
        result.removeLast();
    return result;
}

QByteArray lines(const QStringList &list)
{
    return list.isEmpty() ? QByteArray() : (list.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QByteArray repeat(const QByteArray &line, int n)
{
    QByteArray out;
    out.reserve(line.size() * n);
    for (int k = 0; k < n; ++k)
        out += line;
    return out;
}
