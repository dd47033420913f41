#ifndef KMENULIB_H
#define KMENULIB_H

#include <QWidget>

class KButton;
class KStepConfigDialog;

// The key row of the library page. The main window wires Esc and F1 to F7;
// the row itself owns the step dialog behind F8 and reports its values.
class KMenuLib : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuLib(QWidget *parent);

    KStepConfigDialog *stepDialog;
    KButton *escButton;    // Esc, pressed()
    KButton *newButton;    // F3
    KButton *saveButton;   // F4
    KButton *plateButton;  // F1
    KButton *scrapButton;  // F2
    KButton *selectButton; // F5
    KButton *moveButton;   // F6
    KButton *graphButton;  // F7
    KButton *stepButton;   // F8, clicked(): not held by the click lock

signals:
    void stepChanged(double mm);
    void gradChanged(double degrees);

public slots:
    void configStep();
    // Move step first, then rotate step; a text that is no finite number gives 0.
    void configStepAcc();
};

#endif
