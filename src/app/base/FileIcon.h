#ifndef FILEICON_H
#define FILEICON_H

#include <QIcon>
#include <QPixmap>
#include <QString>

// An icon read from its file the first time it is drawn or measured, not
// when it is made: the window builds a hundred keys on pages no key may
// ever show, and decoding their pictures was a good part of start-up. Like
// an icon made from a file name, it is null only for an empty name.
//
// Both read the picture as every file is read (ProgramFile): what stands at
// the name and is no plain file draws nothing and never holds the window up.
namespace FileIcon {
QIcon make(const QString &path);
// The picture at once; a null pixmap when it cannot be read.
QPixmap pixmap(const QString &path);
} // namespace FileIcon

#endif
