#ifndef PHASEMARK_H
#define PHASEMARK_H

#include <QTimer>

// The end of a timed process phase on its status panel: the phase's timer
// stops first (the panel signals the end again on every further tick), the
// row's countdown is rewound to its configured time and the row unmarked.
class PhaseMark
{
public:
    template <class Panel>
    static void end(QTimer *timer, Panel *panel, void (Panel::*set)(double), double (Panel::*get)(), bool &active)
    {
        if (timer)
            timer->stop();
        (panel->*set)((panel->*get)());
        active = false;
    }

    // At the timer's own interval: kTick, unless a test made the tick shorter.
    static void start(QTimer *timer) { timer->start(); }

    static constexpr int kTick = 100;
};

#endif
