#ifndef PARSER_H
#define PARSER_H

#include "app/base/FileFailure.h"
#include "program/KerfCompensation.h"
#include "program/NcReader.h"
#include "program/SegmentTable.h"

#include <QObject>
#include <QString>

// Reads NC programs into the segment tables and writes them back as the
// normalised scratch programs under basePath + "/.tovrelcnc/". Each entry
// works on its own table, whichever Parser runs it: parseMain on
// cutSegments (t.nc), parsePreview on previewSegments, parseEdit on
// editSegments (e.nc), parseLib on libSegments (l.nc or b<N>.nc).
//
// Entries return 1 (also for an empty program) or 0 and print "File not
// found!", "File too long!" or "File or No error!" on standard output. A
// scratch program that cannot be written fails the entry too: parseMain then
// leaves cutSegments, t.nc and the count as they were, parseEdit and
// parseLib leave their table as it was read.
class Parser : public QObject
{
    Q_OBJECT

public:
    Parser();

    int parseMain(const QString &name);
    int parsePreview(const QString &name);
    int parseEdit(const QString &name, double ratio);
    int parseLib(const QString &name, double angle, qint32 n, qint32 mirror);

    // Why the last entry that returned 0 failed: the file it could not read
    // (the program) or write (a scratch program), and the reason.
    using Failure = FileFailure;
    const Failure &lastFailure() const { return failure; }

    // Asks the next parseLib to take the optimised nesting result; every
    // parseLib clears it.
    void setLibFlag(bool on) { libFlag = on ? 1 : 0; }

    // Kerf width in 0.01 mm and plate angle in radians, as configured.
    double kerf() const { return kerfWidth; }
    double angle() const { return plateAngle; }
    char mirror() const { return mirrorMode; }

    // Writers of the scratch programs; each sets its count (and the library
    // writer the totals) only when the file was written, and otherwise prints
    // its debug line and returns false.
    bool writeTempFile();
    bool writeEditFile(double ratio);
    bool writeLibLFile();
    bool writeLibFile(qint32 n);

signals:
    void updateFile(QString &name);

public slots:
    void setAngel(double degrees);
    void setParameter(double degrees, double kerf, int mirror, int tolerance);
    void setPFmove(int x, int y);
    int getMaxN();
    int getMaxNedit();
    void setFileName(QString name);
    int getTotalX();
    int getTotalY();

private:
    enum class Outcome { Read, NotFound, TooLong };

    // The reading all entries share: open, prefill, detect, read.
    Outcome readProgram(const QString &name, SegmentRecord *table, const NcReader::Options &options);
    // The cutting preparation that turns the read table into the program
    // the machine cuts.
    void prepareCutting(SegmentRecord *table);
    bool patternPath(double c, double s, qint32 n);
    bool optimisedPath();
    bool saveScratch(const QString &file, const QByteArray &text, const char *failure);
    bool writeTemp(const SegmentRecord *table);
    bool writeLibL(const SegmentRecord *table);
    bool writeLib(const SegmentRecord *table, qint32 n);
    void reportEmpty(const SegmentRecord *table) const;
    static QString scratchPath(const QString &file);

    quint8 libFlag = 0;
    qint32 maxN = 0;
    qint32 maxNedit = 0;
    double kerfWidth = 0.0;  // 0.01 mm; 0.0 switches compensation off
    double plateAngle = 0.0; // radians
    quint8 libMode = 0;
    quint8 scaleDivisor = 1;
    char mirrorMode = 'N';
    qint32 firstIndex = 0;
    qint32 pfMoveX = 99;
    qint32 pfMoveY = 0;
    QString fileName;
    qint32 totalX = 0;
    qint32 totalY = 0;
    qint32 tolerance = 10;
    KerfCompensation kerfPass; // state of the kerf compensation
    Failure failure;
};

#endif
