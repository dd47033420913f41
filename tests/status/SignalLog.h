#ifndef SIGNALLOG_H
#define SIGNALLOG_H

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSignalSpy>
#include <functional>
#include <memory>
#include <vector>

// Calls a slot of an object n times and records, for each watched signal,
// the numbers (from 1) of the calls during which it was emitted; a signal
// emitted twice in one call is recorded twice.
class SignalLog
{
public:
    SignalLog(QObject *object, const QList<QByteArray> &signalNames)
        : object_(object)
    {
        for (const QByteArray &name : signalNames) {
            spies_.push_back(std::make_unique<QSignalSpy>(object, QByteArray("2" + name + "()").constData()));
            names_ << name;
            calls_[name];
        }
    }

    // afterEach runs after every call with the call's number.
    void run(const char *slot, int calls, const std::function<void(int)> &afterEach = {})
    {
        for (int i = 1; i <= calls; ++i) {
            QMetaObject::invokeMethod(object_, slot, Qt::DirectConnection);
            for (size_t s = 0; s < spies_.size(); ++s) {
                for (int k = 0; k < spies_[s]->count(); ++k)
                    calls_[names_[int(s)]] << i;
                spies_[s]->clear();
            }
            if (afterEach)
                afterEach(i);
        }
    }

    QList<int> calls(const QByteArray &name) const { return calls_.value(name); }

private:
    QObject *object_;
    std::vector<std::unique_ptr<QSignalSpy>> spies_;
    QList<QByteArray> names_;
    QMap<QByteArray, QList<int>> calls_;
};

#endif
