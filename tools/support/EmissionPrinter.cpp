#include "EmissionPrinter.h"

#include <QStringList>

#include <cstdio>

EmissionPrinter::EmissionPrinter(Format extra)
    : extra_(std::move(extra))
{
}

void EmissionPrinter::out(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

void EmissionPrinter::watch(QObject *sender)
{
    const QMetaObject *mo = sender->metaObject();
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        const QMetaMethod m = mo->method(i);
        if (m.methodType() != QMetaMethod::Signal)
            continue;
        QMetaObject::connect(sender, i, this, QObject::staticMetaObject.methodCount() + int(watched_.size()),
                             Qt::DirectConnection);
        watched_.push_back(m);
    }
}

int EmissionPrinter::qt_metacall(QMetaObject::Call call, int id, void **args)
{
    id = QObject::qt_metacall(call, id, args);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod)
        return id;
    if (id < int(watched_.size()))
        print(watched_[id], args);
    return -1;
}

QString EmissionPrinter::argument(const QByteArray &type, const void *value) const
{
    if (type == "int")
        return QString::number(*static_cast<const int *>(value));
    if (type == "double")
        return QString::number(*static_cast<const double *>(value), 'g', 6);
    if (type == "uchar" || type == "unsigned char")
        return QString::number(*static_cast<const unsigned char *>(value));
    if (type == "char")
        return QString::number(int(*static_cast<const char *>(value)));
    if (type == "bool")
        return *static_cast<const bool *>(value) ? QStringLiteral("true") : QStringLiteral("false");
    if (type == "QString")
        return *static_cast<const QString *>(value);
    if (extra_)
        return extra_(type, value);
    return QStringLiteral("?");
}

void EmissionPrinter::print(const QMetaMethod &m, void **args) const
{
    QStringList values;
    const QList<QByteArray> types = m.parameterTypes();
    for (int i = 0; i < types.size(); ++i)
        values << argument(types.at(i), args[i + 1]);
    out(QString::fromLatin1(m.name()) + QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')'));
}
