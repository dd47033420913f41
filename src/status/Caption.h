#ifndef CAPTION_H
#define CAPTION_H

#include <QString>

class QLabel;
class QWidget;

// A fixed caption of a status widget: a label at a top-left point, sized to
// its text so nothing is clipped by a default label size.
class Caption
{
public:
    static QLabel *add(QWidget *parent, const QString &text, int x, int y);
};

#endif
