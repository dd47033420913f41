#ifndef FILEICON_H
#define FILEICON_H

#include <QIcon>
#include <QString>

// An icon read from its file the first time it is drawn or measured, not
// when it is made: the window builds a hundred keys on pages no key may
// ever show, and decoding their pictures was a good part of start-up. Like
// an icon made from a file name, it is null only for an empty name.
namespace FileIcon {
QIcon make(const QString &path);
}

#endif
