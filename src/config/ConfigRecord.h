#ifndef CONFIGRECORD_H
#define CONFIGRECORD_H

// Every value of config.xml, as the configuration page reads it from its
// dialogs at the moment of a write. A choice of -1 means no radio button of
// its group is checked, and the attribute is then left out.
//
// Units are those of the file, not the program's inner 0.01 mm: speeds in
// mm/min, lengths in mm, angles in degrees, process times in seconds.
struct ConfigRecord {
    struct Cut {
        int topspeed = 0; // traverse speed, mm/min
        int cutspeed = 0; // cutting speed, mm/min
        int lowSpeed = 0; // corner speed, mm/min
    };
    struct Base {
        int sheetX = 0;    // plate size in X, mm
        int sheetY = 0;    // plate size in Y, mm
        double angel = 0;  // plate correction angle, degrees
        double rotate = 0; // figure rotation, degrees, counter-clockwise positive
        double comp = 0;   // kerf compensation (kerf width), mm
        int preci = 0;     // full-circle precision, a count without unit
        int fx = -1;       // mirror: 0 none, 1 Y, 2 X, 3 XY
        int sfx = -1;      // start corner: 0 lower right, 1 upper right, 2 lower left, 3 upper left
    };
    struct Fire {
        double delay = 0;   // preheat, s
        double df = 0;      // ignition, s
        double ck = 0;      // pierce, s
        double ckUp = 0;    // torch rise before the pierce, s
        double ckDown = 0;  // torch descent after the pierce, s
        double oxoffUp = 0; // torch rise after the oxygen is off, s
        double dwDown = 0;  // positioning descent before the preheat, s
        int ck3 = -1;       // three-stage pierce: 1 yes, 0 no
    };
    struct PF {
        double df = 0;      // ignition, s
        double oxoffUp = 0; // torch rise after the oxygen is off, s
        double dwDown = 0;  // positioning descent before the preheat, s
        int moveX = 0;      // marking-head offset in X, mm
        int moveY = 0;      // marking-head offset in Y, mm
    };
    struct DLZ {
        double yh = 0;       // longest arc start, s
        double delay = 0;    // pierce after a successful arc start, s
        double arcOffUp = 0; // torch rise after the arc is off, s
        double dwUp = 0;     // positioning rise (collision positioning), s
        double dwDown = 0;   // positioning descent (capacitive positioning), s
        int dwmode = -1;     // 0 collision, 1 capacitive
    };

    Cut cut;
    Base base;
    Fire fire;
    PF pf;
    DLZ dlz;
    int laserX = 0;        // laser pointer offset in X, mm
    int laserY = 0;        // laser pointer offset in Y, mm
    int torchSelected = 0; // stored torch choice, a code
    double beamAngel = 0;  // gantry-beam correction angle, degrees
    int mode = 1;          // 0 demonstration, 1 flame, 2 plasma, 3 powder
};

#endif
