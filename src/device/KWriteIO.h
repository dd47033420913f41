#ifndef KWRITEIO_H
#define KWRITEIO_H

#include "records/DeviceRecords.h"

#include <QGroupBox>
#include <QIcon>

#include <array>

class KButton;
class QLineEdit;
class QRadioButton;

// Output view of the I/O diagnosis page: one row per bit of the 3-byte output
// image; Return, Enter and the "打开/关闭" button switch the selected row's
// output. The page keeps an image of its own: switching a row changes that
// image and the row's display and reaches no device. Rows 12 and 16 are
// reserved bits that nothing switches.
class KWriteIO : public QGroupBox
{
    Q_OBJECT
public:
    static constexpr int kRows = 24;
    static constexpr int kOutputs = 22;

    // fd: an output descriptor, kept unused. The Enter button is a child of
    // parent (the main window), which places and shows it.
    KWriteIO(int fd, QWidget *parent);

    KButton *enterButton;

    int descriptor() const { return fd; }
    // The row that Return, Enter and the Enter button switch (1 to 24).
    int currentRow() const { return current; }
    sys_t outputImage() const { return image; }
    // Whether the output of a row (1 to 24) is on; reserved rows never are.
    bool outputOn(int row) const;
    QRadioButton *rowButton(int row) const { return rowButtons[row - 1]; }
    QLineEdit *rowLabel(int row) const { return rowLabels[row - 1]; }

    // Every output off, image 00 00 00; selection unchanged.
    void allOff();
    // The flip operation of a row; nothing for a reserved row or a number outside 1 to 24.
    void switchRow(int row);

    void togglePH();
    void toggleOX();
    void toggleDF();
    void toggleCK1();
    void toggleCK2();
    void toggleCK3();
    void togglePFPH();
    void togglePFOX();
    void toggleAUD();
    void toggleCKU();
    void toggleCKD();
    void toggleDW();
    void toggleYH();
    void toggleHY();
    void toggleGJ1();
    void toggleGJ2();
    void toggleGJ3();
    void toggleGJ4();
    void toggleGJ5();
    void toggleGJ6();
    void toggleGJ7();
    void toggleGJ8();
    void setGJ1(bool on);
    void setGJ2(bool on);
    void setGJ3(bool on);
    void setGJ4(bool on);
    void setGJ5(bool on);
    void setGJ6(bool on);
    void setGJ7(bool on);
    void setGJ8(bool on);

public slots:
    void selPH();
    void selOX();
    void selDF();
    void selCK1();
    void selCK2();
    void selCK3();
    void selPFPH();
    void selPFOX();
    void selAUD();
    void selCKU();
    void selCKD();
    void selDW();
    void selYH();
    void selHY();
    void selGJ1();
    void selGJ2();
    void selGJ3();
    void selGJ4();
    void selGJ5();
    void selGJ6();
    void selGJ7();
    void selGJ8();
    void enterClicked();
    // The eight torch outputs from the bits of torches (bit 0 = torch 1).
    void setTorch(unsigned char torches);

protected:
    // Return and Enter switch the current row; every other key stops here.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Index of a row's output state, -1 for a reserved row.
    static int outputIndex(int row);
    void apply(int row, bool on);
    void flip(int row);

    std::array<QRadioButton *, kRows> rowButtons;
    std::array<QLineEdit *, kRows> rowLabels;
    QIcon onIcon;
    QIcon offIcon;
    int fd;
    int current = 1;
    std::array<bool, kOutputs> states{};
    sys_t image;
};

#endif
