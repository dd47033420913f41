#ifndef KMOREPOINT_H
#define KMOREPOINT_H

#include <QWidget>

// The multi-point list view.
class KMorepoint : public QWidget
{
    Q_OBJECT
public:
    explicit KMorepoint(QWidget *parent = nullptr);
};

#endif
