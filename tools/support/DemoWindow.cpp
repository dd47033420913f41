#include "DemoWindow.h"

#include "app/base/BasePath.h"
#include "app/base/FileSave.h"

#include <QBuffer>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

void DemoWindow::seedIcons(const QStringList &names)
{
    const QString folder = basePath + QStringLiteral("/ravok/icon");
    QDir().mkpath(folder);
    for (const QString &name : names) {
        const QString target = folder + QLatin1Char('/') + name;
        QFile icon(QStringLiteral(":/icon/") + name);
        if (!QFile::exists(target) && icon.open(QIODevice::ReadOnly))
            FileSave::write(target, icon.readAll());
    }
}

void DemoWindow::makeStandIn(QWidget &window, const QString &title, Placement placement)
{
    window.setWindowTitle(title);
    window.setFont(QFont(QStringLiteral("Simsun"), 10));
    if (placement == Placement::MainWindow)
        window.setGeometry(0, 25, 1024, 748);
    window.setFixedSize(1024, 748);
    // move() places the frame, not the client area as setGeometry() does.
    if (placement == Placement::TopLeft)
        window.move(0, 0);
}

QImage DemoWindow::picture(QWidget *window, QWidget *dialog, DialogEdge edge)
{
    QImage image = window->grab().toImage();
    if (dialog && dialog->isVisible()) {
        const QRect at = dialog->geometry().translated(-window->geometry().topLeft());
        QPainter painter(&image);
        painter.drawImage(at.topLeft(), dialog->grab().toImage());
        if (edge == DialogEdge::Outline) {
            painter.setPen(Qt::darkGray);
            painter.drawRect(at.adjusted(0, 0, -1, -1));
        }
    }
    return image;
}

bool DemoWindow::savePicture(const QImage &image, const QString &file, const char *format)
{
    const QByteArray suffix = QFileInfo(file).suffix().toLatin1();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, format ? format : suffix.constData()) && FileSave::write(file, bytes);
}

void DemoWindow::quitWithShot(const QString &file, QWidget *window, const std::function<QWidget *()> &dialog,
                              const char *errorPrefix, const char *format, int delayMs, DialogEdge edge)
{
    const auto shoot = [=] {
        QWidget *shown = dialog ? dialog() : nullptr;
        const bool saved = savePicture(picture(window, shown, edge), file, format);
        if (!saved)
            std::fprintf(stderr, "%scannot write %s\n", errorPrefix, qPrintable(file));
        if (shown)
            shown->hide();
        QCoreApplication::exit(saved ? 0 : 1);
    };
    // Current items are drawn highlighted only in an active window: wait for
    // the activation, or a second on a screen that gives none.
    auto *poll = new QTimer(QCoreApplication::instance());
    auto *since = new QElapsedTimer;
    since->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        const qint64 elapsed = since->elapsed();
        if (elapsed < delayMs || (!QApplication::activeWindow() && elapsed < 1000))
            return;
        poll->stop();
        poll->deleteLater();
        delete since;
        shoot();
    });
    poll->start(5);
}
