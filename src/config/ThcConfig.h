#ifndef THCCONFIG_H
#define THCCONFIG_H

// The values of thcconfig.xml (basePath + "/ravok/.tovrelcnc/thcconfig.xml"):
// the torch-height parameter page (heights in mm, arc-voltage tolerances in V)
// and the speed page (mm/min, acceleration level 1 to 5).
struct ThcConfig {
    double distAll = 0; // torch top height
    double distDW = 0;  // start positioning height
    double distXH = 0;  // rise after arc off
    double distYH = 0;  // arc-start height
    double distCK = 0;  // pierce height
    double distCut = 0; // cutting height
    double HYN = 0;     // tolerance below the standard arc voltage
    double HYP = 0;     // tolerance above it
    int mode = -1;      // 1 automatic, 0 manual; -1 (no button checked) leaves it out

    int fast = 0;
    int slow = 0;
    int jog = 0;
    int aut = 0;
    int acc = 0;
};

// Writes thcconfig.xml whole (folders created when missing). False when
// nothing was written; the old file is then left as it was.
bool writeThcConfig(const ThcConfig &config);

#endif
