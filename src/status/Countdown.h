#ifndef COUNTDOWN_H
#define COUNTDOWN_H

// The arithmetic of one 100 ms tick of a timed process phase. Kept free of
// widgets so the exact tick on which a phase ends can be checked on its own:
// the process sequences chain on these ends, so a phase must end on the same
// tick every time.
//
// Time is counted in double seconds on purpose: 0.1 is subtracted per tick
// without snapping to tenths, and a phase ends once no more than 0.01 s is
// left. Counting in integer tenths would move some ends by one tick.
class Countdown
{
public:
    static constexpr double kStep = 0.1;
    static constexpr double kEndMargin = 0.01;

    // What one tick of the flame pierce reports (at most one per tick).
    enum class Pierce { None, Stage1, Stage2, Stage3, End };

    // remain -= 0.1 and active = true. True when the phase has ended; it stays
    // true on every further tick, as nothing clamps the remaining time.
    static bool tick(double &remain, bool &active);

    // One tick of the pierce. Single-stage: End when the time is up. Three
    // stages: Stage1 once below two thirds of the total, Stage2 once below one
    // third, Stage3 on every tick from the end on; stage1Done/stage2Done
    // remember the first two across pierces until the caller clears them.
    static Pierce pierceTick(double &remain, bool &active, double total, bool threeStage, bool &stage1Done,
                             bool &stage2Done);
};

#endif
