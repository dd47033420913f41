#include "library/PattenForm.h"

#include "library/LibText.h"
#include "library/PattenRecord.h"
#include "library/shapes/ShapeCatalogue.h"

PattenForm PattenForm::forShape(int index)
{
    PattenForm form;
    form.param[A] = QStringLiteral("10");
    if (const ShapeEntry *entry = ShapeCatalogue::entry(index)) {
        for (int k = 0; k < 6; ++k) {
            if (entry->defaults[k])
                form.param[B + k] = QString::fromLatin1(entry->defaults[k]);
        }
    }
    return form;
}

void PattenForm::readInto(patten_t &p, bool alsoSaved) const
{
    int *fields[FieldCount] = {&p.a, &p.b, &p.c, &p.d, &p.e, &p.f, &p.g};
    for (int k = 0; k < FieldCount; ++k)
        *fields[k] = LibText::hundredths(param[k]);
    p.offsetX = LibText::hundredths(offsetX);
    p.offsetY = LibText::hundredths(offsetY);
    if (alsoSaved) {
        p.savedOffsetX = p.offsetX;
        p.savedOffsetY = p.offsetY;
    }
    p.angle = LibText::number(angle);
    if (mirror >= 0)
        p.mirror = mirror;
    p.countX = LibText::count(countX);
    p.countY = LibText::count(countY);
    p.spaceX = LibText::hundredths(spaceX);
    p.spaceY = LibText::hundredths(spaceY);
}
