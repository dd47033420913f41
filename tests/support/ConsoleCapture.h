#ifndef CONSOLECAPTURE_H
#define CONSOLECAPTURE_H

#include <QByteArray>

// Catches what the process writes to one of its console descriptors (1
// stdout, 2 stderr) from construction until text() or destruction. The
// lines go through a pipe, so a file-size limit set by a test does not cut
// them. Meant for short lines: what does not fit the pipe is dropped.
//
// The program's qDebug() and qWarning() lines land on stderr, as the
// program prints them outside a test, whatever output options the test
// runner was given (-silent drops them, -o sends them to a file). They still
// reach the runner too, so QTest::ignoreMessage() keeps working.
//
// The runner writes its PASS and FAIL lines to stdout: a test takes text()
// before its first check. Should a check fail all the same while a capture
// stands, what the capture caught and nobody took is written on to its
// descriptor when the capture ends, so the failure is still named.
class ConsoleCapture
{
public:
    explicit ConsoleCapture(int fd);
    ~ConsoleCapture();
    ConsoleCapture(const ConsoleCapture &) = delete;
    ConsoleCapture &operator=(const ConsoleCapture &) = delete;

    // Puts the descriptor back and returns everything written meanwhile.
    QByteArray text();

private:
    void stop();
    void giveBack();

    int fd_;
    int saved_ = -1;
    int read_ = -1;
    bool messages_ = false;
    bool taken_ = false;
    QByteArray text_;
};

#endif
