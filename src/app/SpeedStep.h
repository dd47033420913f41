#ifndef SPEEDSTEP_H
#define SPEEDSTEP_H

// The fast and slow keys: which speed of the speed record a press changes and
// by how much. The step grows with the speed so one key covers 24 mm/min to
// the machine's top speed.
class SpeedStep
{
public:
    enum Field { NoField, Traverse, Cut };

    // running: a cut runs; jogging: a jog page is shown; method: 1 slow,
    // 2 fast, 3 inch, 4 machining; mode 3 is powder marking; currentRapid:
    // the record the card executes is a rapid.
    static Field field(bool running, bool jogging, int method, int mode, bool currentRapid);
    // The movement method a jogging press writes with its field.
    static int methodFor(Field field) { return field == Traverse ? 2 : 1; }

    // While cutting the top speed 14000 is kept; a jog speed has no bound.
    static int faster(int v, bool running);
    static int slower(int v);
    // A speed typed in the information bar.
    static int typed(int v) { return v < kLowest ? kLowest : v; }

    static constexpr int kLowest = 24;
    static constexpr int kRunTop = 14000;
};

#endif
