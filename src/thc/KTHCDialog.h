#ifndef KTHCDIALOG_H
#define KTHCDIALOG_H

#include <QDialog>

class KButton;

// The question after a program file was refreshed: set the torch heights
// again, send the torch to the top, or leave it. Every button closes it; the
// main window adds what the first two do.
class KTHCDialog : public QDialog
{
    Q_OBJECT
public:
    explicit KTHCDialog(QWidget *parent);

    KButton *resetButton;
    KButton *goTopButton;
    KButton *cancelButton;
};

#endif
