#include "pages/KMorepoint.h"

KMorepoint::KMorepoint(QWidget *parent)
    : QWidget(parent)
{
}
