#include "FuzzInput.h"
#include "FuzzTargets.h"

#include "library/LibGenerator.h"
#include "library/PattenForm.h"
#include "library/PattenList.h"

namespace {

// A form field: mostly a number as the operator would type it, now and then
// any text at all.
QString field(FuzzInput &in)
{
    const std::uint8_t how = in.byte();
    if (how < 32)
        return in.text(12);
    const int divisor = 1 + how % 100;
    return QString::number(std::int16_t(in.word()) / double(divisor));
}

// Counts stay small: a count typed in thousands is refused by its own test,
// and building such a program for every input would only slow the search.
QString smallCount(FuzzInput &in)
{
    return QString::number(int(in.byte() % 12) - 1);
}

void readForm(FuzzInput &in, PattenForm &form)
{
    const std::uint8_t params = in.byte();
    for (int k = 0; k < PattenForm::FieldCount; ++k) {
        if (params & (1 << k))
            form.param[k] = field(in);
    }
    const std::uint8_t placement = in.byte();
    if (placement & 1)
        form.offsetX = field(in);
    if (placement & 2)
        form.offsetY = field(in);
    if (placement & 4)
        form.angle = field(in);
    if (placement & 8)
        form.spaceX = field(in);
    if (placement & 16)
        form.spaceY = field(in);
    form.countX = smallCount(in);
    form.countY = smallCount(in);
    form.mirror = int(in.byte() % 5) - 1;
}

} // namespace

int FuzzTargets::library(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in(data, size);
    PattenList list;
    const int patterns = 1 + in.byte() % 6;
    for (int k = 0; k < patterns && !in.atEnd(); ++k) {
        const int type = 1 + in.byte() % 49;
        PattenForm form = PattenForm::forShape(type);
        readForm(in, form);
        list.add(type, form);
    }
    const int edits = in.byte() % 8;
    for (int k = 0; k < edits && !in.atEnd(); ++k) {
        switch (in.byte() % 5) {
        case 0:
            list.selectRow(int(in.byte() % 8) - 1);
            break;
        case 1:
            list.markDeleted();
            break;
        case 2:
            list.swapEarlier();
            break;
        case 3:
            list.swapLater();
            break;
        default: {
            PattenForm form = PattenForm::forShape(list.current() > 0 ? list.at(list.current()).type : 1);
            readForm(in, form);
            list.change(form);
            break;
        }
        }
    }
    list.selectRow(int(in.byte() % 8) - 1);
    LibGenerator generator;
    generator.writeTempFile(list);
    return 0;
}
