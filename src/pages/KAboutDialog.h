#ifndef KABOUTDIALOG_H
#define KABOUTDIALOG_H

#include <QDialog>

class QPushButton;
class QTextEdit;
class QVBoxLayout;

// Shows the installation's about text (basePath + "/ravok/about") up to its
// first NUL byte; empty when the file cannot be read.
class KAboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit KAboutDialog(QWidget *parent = nullptr);

    QVBoxLayout *boxLayout;
    QTextEdit *textEdit;
    QPushButton *okButton;
};

#endif
