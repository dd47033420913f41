#ifndef KCONFIGTORCH_H
#define KCONFIGTORCH_H

#include <QDialog>

class QCheckBox;
class QPushButton;

// Tool selection: torches 1 to 5 and the powder-marking tool, each a tile
// with a check box on it. A press on a tile toggles its box; checking the
// powder box unchecks the torches. Torch 5 and the powder tile are built
// but hidden and disabled. The check states are the dialog's whole state.
class KConfigTorch : public QDialog
{
    Q_OBJECT
public:
    explicit KConfigTorch(QWidget *parent);

    QPushButton *torchButton1;
    QPushButton *torchButton2;
    QPushButton *torchButton3;
    QPushButton *torchButton4;
    QPushButton *torchButton5;
    QPushButton *powderButton;
    QPushButton *okButton;
    QCheckBox *torchBox1;
    QCheckBox *torchBox2;
    QCheckBox *torchBox3;
    QCheckBox *torchBox4;
    QCheckBox *torchBox5;
    QCheckBox *powderBox;

public slots:
    void t1Selected();
    void t2Selected();
    void t3Selected();
    void t4Selected();
    void t5Selected();
    void t6Selected();
    void b1Selected();
    void b2Selected();
    void b3Selected();
    void b4Selected();
    void b5Selected();
    void b6Selected();

private:
    QPushButton *iconButton(const QString &text, const QString &icon, int x, int key);
};

#endif
