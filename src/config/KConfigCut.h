#ifndef KCONFIGCUT_H
#define KCONFIGCUT_H

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QRadioButton;

// The speeds dialog. Its edits are the only store of the three speeds:
// the page reads them on acceptance and at every config.xml write.
class KConfigCut : public QDialog
{
    Q_OBJECT
public:
    explicit KConfigCut(QWidget *parent);

    QLineEdit *cutspeedEdit;
    QLineEdit *topspeedEdit;
    QLineEdit *lowSpeedEdit;
    QGroupBox *speedGroup;
};

#endif
