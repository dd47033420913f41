#ifndef FILENAMES_H
#define FILENAMES_H

#include <QString>

// File names whatever their bytes. A path the program acts on keeps every
// byte of a name that is not UTF-8 as its escape (FileNameCodec); only what
// is shown to the operator goes through shown().
class FileNames
{
public:
    // Makes every name read and write back to its own bytes, whatever the
    // locale says. Called before the first name is decoded: by main() and
    // by the tests' start.
    static void install();

    // A name or a path as the operator reads it. Each part of a path that
    // holds bytes that are not UTF-8 shows in Chinese when its bytes read
    // whole as GB18030 and write back alike (every GBK name); else each such
    // byte shows as "\xHH". A UTF-8 text is returned as it is.
    static QString shown(const QString &path);
    // The file whose name shows as `path`'s last part, in `path`'s folder:
    // `path` itself when it names an entry or when no entry of the folder
    // shows so (a name typed is a new name).
    static QString entryShownAs(const QString &path);
};

#endif
