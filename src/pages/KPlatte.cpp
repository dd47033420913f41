#include "pages/KPlatte.h"

KPlatte::KPlatte(QWidget *parent)
    : QWidget(parent)
{
}
