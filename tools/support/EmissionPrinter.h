#ifndef EMISSIONPRINTER_H
#define EMISSIONPRINTER_H

#include <QByteArray>
#include <QMetaMethod>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

// Receives every signal of the objects it watches through one dynamic slot
// per signal, and prints each emission on stdout as one line "name(args)", in
// emission order: integers (char types included) in decimal, doubles as 'g' 6,
// bools as true or false.
class EmissionPrinter : public QObject
{
public:
    // Formats an argument of another type; the printer shows "?" without one.
    using Format = std::function<QString(const QByteArray &type, const void *value)>;

    explicit EmissionPrinter(Format extra = Format());

    void watch(QObject *sender);
    int qt_metacall(QMetaObject::Call call, int id, void **args) override;

    // One line on stdout, in UTF-8.
    static void out(const QString &line);

private:
    QString argument(const QByteArray &type, const void *value) const;
    void print(const QMetaMethod &m, void **args) const;

    Format extra_;
    std::vector<QMetaMethod> watched_;
};

#endif
