#ifndef KBEAM_H
#define KBEAM_H

#include <QWidget>

// The beam-sensor view.
class KBeam : public QWidget
{
    Q_OBJECT
public:
    explicit KBeam(QWidget *parent = nullptr);
};

#endif
