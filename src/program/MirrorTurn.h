#ifndef MIRRORTURN_H
#define MIRRORTURN_H

#include "records/SegmentRecord.h"

// The mirror-and-turn state of a program: a turn by an angle, then, with the
// mirror flag, X negated. "Untouched" (no mirror, angle exactly 0.0) leaves
// every record alone.
class MirrorTurn
{
public:
    // The angle constants of the program's switches, as doubles.
    static constexpr double kHalfTurn = 3.14159265;
    static constexpr double kQuarterTurn = 1.570796325;

    MirrorTurn() = default;
    MirrorTurn(bool mirror, double angle);

    // Configured mirror mode: '1' mirror; '2' mirror after a half turn;
    // '3' half turn; anything else untouched.
    static MirrorTurn fromMode(char mode);

    // A record of type 71 to 78 sets a new state: true and state replaced.
    static bool fromSwitch(qint32 type, MirrorTurn &state);

    bool untouched() const { return !mirror_ && angle_ == 0.0; }
    bool mirrors() const { return mirror_; }

    // Turns x, y (and i, j of an arc), truncating toward zero; then, with the
    // mirror flag, negates x (and i) and reverses the arc's direction.
    void apply(SegmentRecord &r) const;

private:
    bool mirror_ = false;
    double angle_ = 0.0;
    double cos_ = 1.0;
    double sin_ = 0.0;
};

#endif
