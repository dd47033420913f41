#include "status/KTorch.h"

#include "app/base/BasePath.h"
#include "app/base/FileIcon.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>

KTorch::KTorch(QWidget *parent)
    : QGroupBox(parent)
{
    setTitle(tr("torch:"));

    // A missing file leaves both pixmaps empty; the box still works.
    const QIcon icon(FileIcon::pixmap(basePath + QStringLiteral("/ravok/icon/smile.png")));
    litIcon = icon.pixmap(28, 28, QIcon::Normal, QIcon::On);
    greyIcon = icon.pixmap(28, 28, QIcon::Disabled, QIcon::On);

    for (int n = 0; n < kTorches; ++n) {
        const QPoint at(10 + 30 * n, 25);
        greyLabel[n] = new QLabel(this);
        greyLabel[n]->setPixmap(greyIcon);
        greyLabel[n]->move(at);
        litLabel[n] = new QLabel(this);
        litLabel[n]->setPixmap(litIcon);
        litLabel[n]->move(at);
        litLabel[n]->hide();
    }
}

void KTorch::setTorch(unsigned char mask)
{
    torchMask = mask;
    update();
}

void KTorch::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    // As a button: a press dragged off it, or taken from the operator, is
    // no click.
    if (rect().contains(event->pos()))
        emit clicked();
}
