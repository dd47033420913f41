#include "status/KHolderFrame.h"

#include <QGridLayout>

KHolderFrame::KHolderFrame(QWidget *parent, int margin)
    : QFrame(parent)
    , grid_(new QGridLayout(this))
{
    setPalette(QPalette(background()));
    setAutoFillBackground(true);
    if (margin >= 0)
        grid_->setContentsMargins(margin, margin, margin, margin);
}

QColor KHolderFrame::background()
{
    return QColor(250, 250, 200);
}

void KHolderFrame::hold(QWidget *display)
{
    grid_->addWidget(display, 0, 0, 1, 1);
}

void KHolderFrame::showOnly(std::initializer_list<QWidget *> views, QWidget *shown)
{
    for (QWidget *w : views) {
        if (w != shown)
            w->hide();
    }
    if (shown)
        shown->show();
}
