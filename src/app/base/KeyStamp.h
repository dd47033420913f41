#ifndef KEYSTAMP_H
#define KEYSTAMP_H

// The window system's time stamp of the key press now being delivered. A
// shortcut reaches its button without the key event, yet the click lock must
// judge a key by when it was typed, not by when a busy program got round to
// it. KeyOrder, which sees every key first, notes each press it lets through
// (a held key with the stamp it was typed with); the button takes the note.
class KeyStamp
{
public:
    static void notePress(unsigned long timestamp, bool autoRepeat);
    // A press that reached no shortcut: nothing may take its note later.
    static void clear();
    // The press noted for the shortcut now being handled, once; false when
    // none was noted (a key that did not pass KeyOrder).
    static bool takePress(unsigned long *timestamp, bool *autoRepeat);
};

#endif
