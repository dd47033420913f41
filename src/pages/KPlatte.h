#ifndef KPLATTE_H
#define KPLATTE_H

#include <QWidget>

// The plate-alignment view.
class KPlatte : public QWidget
{
    Q_OBJECT
public:
    explicit KPlatte(QWidget *parent = nullptr);
};

#endif
