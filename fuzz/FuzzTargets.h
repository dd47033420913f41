#ifndef FUZZTARGETS_H
#define FUZZTARGETS_H

#include <QList>

#include <cstddef>
#include <cstdint>

// The bodies of the fuzz targets. Each takes arbitrary bytes, runs one reader
// of the program on them and writes what it read back out, in the current
// folder, which must hold .tovrelcnc and ravok/.tovrelcnc (basePath is ".").
// The libFuzzer programs and the replay test call the same bodies.
class FuzzTargets
{
public:
    using Body = int (*)(const std::uint8_t *data, std::size_t size);
    struct Target {
        const char *name;
        Body body;
    };

    // The whole input is the program file; its first bytes also choose the
    // kerf width, mirror mode, plate angle, tolerance and marking offsets.
    static int parseMain(const std::uint8_t *data, std::size_t size);
    static int parsePreview(const std::uint8_t *data, std::size_t size);
    // The first two bytes also choose the scale ratio.
    static int parseEdit(const std::uint8_t *data, std::size_t size);
    // The first bytes also choose the optimised or the pattern path, the
    // pattern file k.nc or another file, mirror, angle and N.
    static int parseLib(const std::uint8_t *data, std::size_t size);
    static int configXml(const std::uint8_t *data, std::size_t size);
    static int fileXml(const std::uint8_t *data, std::size_t size);
    static int thcXml(const std::uint8_t *data, std::size_t size);
    // A pattern list built from the input, then the k.nc generator.
    static int library(const std::uint8_t *data, std::size_t size);
    // The whole input is a file the editor loads into its text view and
    // saves untouched: it must come back byte for byte.
    static int editorText(const std::uint8_t *data, std::size_t size);
    // A folder built from the input (files, folders, links, dangling links,
    // names with blanks and bytes that are no UTF-8), rows of the copy page's
    // list picked from it, then copied or deleted: the entries acted on are
    // the ones shown, links as links, and nothing else changes.
    static int copyNames(const std::uint8_t *data, std::size_t size);

    static QList<Target> all();
    // The body of the target of that name; nullptr for none.
    static Body find(const char *name);
    // Makes the folders the bodies write into, in the current folder.
    static bool prepareFolder();
};

#endif
