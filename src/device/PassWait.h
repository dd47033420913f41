#ifndef PASSWAIT_H
#define PASSWAIT_H

#include <functional>

// The wait a reader loop makes after each pass, which sets the loop's pace.
// It sleeps in short naps and asks between them whether the loop was told to
// stop, so a stop ends the wait within one nap, not one whole wait. A test
// installs its own wait to see how long each wait asked for, or to hold the
// loop between two passes.
class PassWait
{
public:
    static constexpr int kNapMs = 10;

    virtual ~PassWait();
    // Sleeps ms milliseconds, or less once stopRequested() turns true; a
    // stop already requested returns at once.
    virtual void wait(int ms, const std::function<bool()> &stopRequested);

protected:
    // Sleeps one nap of at most kNapMs.
    virtual void nap(int ms);
};

#endif
