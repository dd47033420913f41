#ifndef NOTICE_H
#define NOTICE_H

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every modal box of the program goes through here, so a test (or a headless
// run) can replace the real QMessageBox call, see what would have been shown
// and answer it.
class Notice
{
public:
    struct Request {
        QWidget *parent = nullptr;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };
    using Handler = std::function<QMessageBox::StandardButton(const Request &)>;

    static QMessageBox::StandardButton show(const Request &request);

    static QMessageBox::StandardButton critical(QWidget *parent, const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text,
                                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Yes
                                                                                       | QMessageBox::No,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Operations that would move the machine without an axis card.
    static void noAxisCard(QWidget *parent);
    static QString noAxisCardText();

    // Installs a handler in place of the real box; returns the previous one.
    // An empty handler restores the real box.
    static Handler setHandler(Handler handler);
};

#endif
