#ifndef KPREVIEWSIMUFRAME_H
#define KPREVIEWSIMUFRAME_H

#include <QFrame>

class KPreviewSimu;

// The browser's preview on the light yellow background of the path frames,
// the view filling the frame but for a margin of 3.
class KPreviewSimuFrame : public QFrame
{
    Q_OBJECT
public:
    explicit KPreviewSimuFrame(QWidget *parent);

    KPreviewSimu *previewSimu;
};

#endif
