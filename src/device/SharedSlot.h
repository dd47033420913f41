#ifndef SHAREDSLOT_H
#define SHAREDSLOT_H

#include <QMutex>
#include <QMutexLocker>

#include <memory>

// An object a reader thread works through (where it reads, how it waits),
// replaced from the GUI thread while the loop may be running. get() hands
// out the one in place, which lives on while the loop holds it: a loop that
// takes it once at its start keeps it for the whole run, and one that takes
// it at every poll works through a replacement from its next poll on.
template <class T> class SharedSlot
{
public:
    explicit SharedSlot(std::shared_ptr<T> first = nullptr)
        : object(std::move(first))
    {
    }

    void set(std::shared_ptr<T> next)
    {
        QMutexLocker lock(&mutex);
        object = std::move(next);
    }

    std::shared_ptr<T> get() const
    {
        QMutexLocker lock(&mutex);
        return object;
    }

private:
    mutable QMutex mutex;
    std::shared_ptr<T> object;
};

#endif
