#ifndef KMENUIO_H
#define KMENUIO_H

#include <QWidget>

class KButton;

// Key row of the I/O diagnosis page: Esc leaves the page, F1 and F2 choose
// the input or the output view. The main window connects the keys.
class KMenuIO : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuIO(QWidget *parent);

    KButton *leaveButton;  // Esc, through clicked(): leaving never waits for the click lock
    KButton *inputButton;  // F1, through kclicked()
    KButton *outputButton; // F2, through kclicked()
};

#endif
