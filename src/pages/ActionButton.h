#ifndef ACTIONBUTTON_H
#define ACTIONBUTTON_H

class KButton;

// The look of a button that stands out from its row (the pad's red Stop, a
// page's green main action): the common button style in another colour,
// white bold text in "Arial".
class ActionButton
{
public:
    static void paint(KButton *button, const char *background, int pointSize);
};

#endif
