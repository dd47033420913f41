#ifndef PATTENFORM_H
#define PATTENFORM_H

#include <QString>

struct patten_t;

// The texts of the library form as the operator typed them, and the mirror
// radio that is on. The list reads a pattern from it with LibText's rules,
// so the form, the probe and the benchmark all convert text the same way.
class PattenForm
{
public:
    enum Field { A, B, C, D, E, F, G, FieldCount };

    QString param[FieldCount];
    QString offsetX = QStringLiteral("0");
    QString offsetY = QStringLiteral("0");
    QString angle = QStringLiteral("0");
    QString countX = QStringLiteral("1");
    QString countY = QStringLiteral("1");
    QString spaceX = QStringLiteral("0");
    QString spaceY = QStringLiteral("0");
    int mirror = 0; // -1: no radio on, the record keeps its mirror

    // What the form holds after the library table picks entry `index`:
    // placement reset, a "10", the shape's own default texts, and empty text
    // in the fields the shape hides.
    static PattenForm forShape(int index);

    // Writes the form into a record: parameters, offsets (also as the saved
    // offsets when `alsoSaved`), angle, mirror, counts and spacings.
    void readInto(patten_t &p, bool alsoSaved) const;
};

#endif
