#include "config/KIntValidator.h"

#include <QLocale>

KIntValidator::KIntValidator(int bottom, int top, QObject *parent)
    : QIntValidator(bottom, top, parent)
{
    setLocale(QLocale::c());
}

KIntValidator::KIntValidator(QObject *parent)
    : QIntValidator(parent)
{
    setLocale(QLocale::c());
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
