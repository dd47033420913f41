#ifndef CONFIGRECORD_H
#define CONFIGRECORD_H

// Every value of config.xml, as the configuration page reads it from its
// dialogs at the moment of a write. A choice of -1 means no radio button of
// its group is checked, and the attribute is then left out.
struct ConfigRecord {
    struct Cut {
        int topspeed = 0;
        int cutspeed = 0;
        int lowSpeed = 0;
    };
    struct Base {
        int sheetX = 0;
        int sheetY = 0;
        double angel = 0;
        double rotate = 0;
        double comp = 0;
        int preci = 0;
        int fx = -1;  // mirror: 0 none, 1 Y, 2 X, 3 XY
        int sfx = -1; // start corner: 0 lower right, 1 upper right, 2 lower left, 3 upper left
    };
    struct Fire {
        double delay = 0;
        double df = 0;
        double ck = 0;
        double ckUp = 0;
        double ckDown = 0;
        double oxoffUp = 0;
        double dwDown = 0;
        int ck3 = -1;
    };
    struct PF {
        double df = 0;
        double oxoffUp = 0;
        double dwDown = 0;
        int moveX = 0;
        int moveY = 0;
    };
    struct DLZ {
        double yh = 0;
        double delay = 0;
        double arcOffUp = 0;
        double dwUp = 0;
        double dwDown = 0;
        int dwmode = -1; // 0 collision, 1 capacitive
    };

    Cut cut;
    Base base;
    Fire fire;
    PF pf;
    DLZ dlz;
    int laserX = 0;
    int laserY = 0;
    int torchSelected = 0;
    double beamAngel = 0;
    int mode = 1;
};

#endif
