#include "app/base/KeyStamp.h"

namespace {

struct Note {
    bool valid = false;
    unsigned long timestamp = 0;
    bool autoRepeat = false;
};

Note &note()
{
    static Note n;
    return n;
}

} // namespace

void KeyStamp::notePress(unsigned long timestamp, bool autoRepeat)
{
    note() = Note{true, timestamp, autoRepeat};
}

void KeyStamp::clear()
{
    note() = Note{};
}

bool KeyStamp::takePress(unsigned long *timestamp, bool *autoRepeat)
{
    const Note n = note();
    clear();
    *timestamp = n.timestamp;
    *autoRepeat = n.autoRepeat;
    return n.valid;
}
