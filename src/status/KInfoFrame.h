#ifndef KINFOFRAME_H
#define KINFOFRAME_H

#include <QFrame>

class KInfo;

// Holds the parameter bar. No layout: the bar places its children at fixed
// points and is kept as large as the frame.
class KInfoFrame : public QFrame
{
    Q_OBJECT
public:
    explicit KInfoFrame(QWidget *parent = nullptr);

    KInfo *info;

protected:
    void resizeEvent(QResizeEvent *event) override;
};

#endif
