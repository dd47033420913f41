#include "config/KIntValidator.h"

#include <QLocale>

QLocale KIntValidator::numberLocale()
{
    // "1,500" must not stand: the field's text is converted without group
    // separators, so it would read as 0.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return c;
}

KIntValidator::KIntValidator(int bottom, int top, QObject *parent)
    : QIntValidator(bottom, top, parent)
{
    setLocale(numberLocale());
}

KIntValidator::KIntValidator(QObject *parent)
    : QIntValidator(parent)
{
    setLocale(numberLocale());
}

QIntValidator::State KIntValidator::validate(QString &input, int &pos) const
{
    const State state = QIntValidator::validate(input, pos);
    if (state != Intermediate)
        return state;
    bool ok = false;
    const qlonglong value = locale().toLongLong(input, &ok);
    if (ok && value >= 0 && value > top())
        return Invalid;
    return state;
}
