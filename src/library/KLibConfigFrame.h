#ifndef KLIBCONFIGFRAME_H
#define KLIBCONFIGFRAME_H

#include <QGroupBox>

class KLibConfig;

// The group box around the library form on the library page.
class KLibConfigFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit KLibConfigFrame(QWidget *parent);

    KLibConfig *config; // the page's one form; child of the frame
};

#endif
