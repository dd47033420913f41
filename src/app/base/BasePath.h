#ifndef BASEPATH_H
#define BASEPATH_H

#include <QString>

// Prefix of every configuration, scratch, icon and program-folder path.
// "." from static initialisation, never assigned afterwards, so every path
// resolves against the directory the program was started in.
extern QString basePath;

#endif
