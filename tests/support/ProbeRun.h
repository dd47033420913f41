#ifndef PROBERUN_H
#define PROBERUN_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a command-line probe of bin/ printed and how it ended.
struct ProbeRun {
    QByteArray out;
    QByteArray err;
    // The exit code; -1 when the probe did not start, crashed or timed out.
    int code = -1;
};

// Runs the probes and demos that live next to the test, in the current folder.
class Probe
{
public:
    // The full path of bin/<name>.
    static QString path(const QString &name);
    // Runs bin/<name> with `args` and waits for it; a probe still running
    // after `timeoutMs` is killed.
    static ProbeRun run(const QString &name, const QStringList &args, int timeoutMs = 60000);
    // The same with `input` on the probe's stdin (closed after it).
    static ProbeRun run(const QString &name, const QStringList &args, const QByteArray &input, int timeoutMs = 60000);
    // The same under a file-size limit of `fileSizeLimit` bytes, as a shell's
    // "ulimit -f" sets it: a write past it raises SIGXFSZ, whose default
    // action ends the probe unless the probe ignores it.
    static ProbeRun runLimited(const QString &name, const QStringList &args, qint64 fileSizeLimit,
                               int timeoutMs = 60000);
    static ProbeRun runProgram(const QString &program, const QStringList &args, const QByteArray &input, int timeoutMs);
    // The lines of a probe's UTF-8 output, without the one after the final '\n'.
    static QStringList outputLines(const QByteArray &out);
};

// Each of `list` followed by '\n', in UTF-8; nothing for an empty list.
QByteArray lines(const QStringList &list);
// `line` written `n` times.
QByteArray repeat(const QByteArray &line, int n);

#endif
