#include "app/KMainWindow.h"

#include <QFont>
#include <QIcon>

QString KMainWindow::startTitle()
{
    return tr("数控切割系统 Brenlo3");
}

KMainWindow::KMainWindow()
    : QWidget(nullptr)
{
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowStaysOnTopHint);
    setFont(QFont(QStringLiteral("Simsun"), 10));
    setWindowTitle(startTitle());
    setWindowIcon(QIcon(QStringLiteral(":/icon/tovrel.png")));
    setGeometry(0, 25, 1024, 748);
}
