#include "status/Countdown.h"

bool Countdown::tick(double &remain, bool &active)
{
    remain -= kStep;
    active = true;
    return !(remain > kEndMargin);
}

Countdown::Pierce Countdown::pierceTick(double &remain, bool &active, double total, bool threeStage, bool &stage1Done,
                                        bool &stage2Done)
{
    const bool ended = tick(remain, active);
    if (!threeStage)
        return ended ? Pierce::End : Pierce::None;
    if (ended)
        return Pierce::Stage3;
    // The thirds are computed this way, not as total / 3, so that the stage
    // ticks of every configured time stay where the machines expect them.
    if (remain <= total - 2 * total / 3 && !stage2Done) {
        stage2Done = true;
        return Pierce::Stage2;
    }
    if (remain <= total - total / 3 && !stage1Done) {
        stage1Done = true;
        return Pierce::Stage1;
    }
    return Pierce::None;
}
