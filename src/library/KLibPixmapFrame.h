#ifndef KLIBPIXMAPFRAME_H
#define KLIBPIXMAPFRAME_H

#include <QFrame>

class QLabel;

// The white frame in which the catalogue shows the selected shape's
// dimension drawing.
class KLibPixmapFrame : public QFrame
{
    Q_OBJECT
public:
    explicit KLibPixmapFrame(QWidget *parent);

    QLabel *pixmapLabel; // 230 x 200 at (3, 0)
};

#endif
