#ifndef TESTPATHS_H
#define TESTPATHS_H

#include <QString>
#include <QStringList>

// Where the tests find the repository and the shared corpus of real NC programs.
class TestPaths
{
public:
    static QString sourceDir();
    // Empty when the corpus is not there.
    static QString corpusDir();
    // Absolute paths of the corpus programs (SOURCES.md and oracle files left out).
    static QStringList corpusFiles();
    // The folder bin/ the test runs from (probes and the program live there).
    static QString binDir();
    // The descriptors this process holds open (the names in /proc/self/fd).
    static QStringList openDescriptors();
};

#endif
