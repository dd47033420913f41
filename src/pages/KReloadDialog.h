#ifndef KRELOADDIALOG_H
#define KRELOADDIALOG_H

#include <QDialog>

class KButton;

// Asked when a cut has run to the end of the program: load the program file
// again? Both buttons close it as rejected; the main window connects the
// refresh button to its reload.
class KReloadDialog : public QDialog
{
    Q_OBJECT
public:
    explicit KReloadDialog(QWidget *parent = nullptr);

    KButton *refreshButton;
    KButton *cancelButton;
};

#endif
