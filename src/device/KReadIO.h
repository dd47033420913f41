#ifndef KREADIO_H
#define KREADIO_H

#include "device/KReadIOThread.h"

#include <QGroupBox>
#include <QPixmap>

#include <array>

class QLabel;
class QLineEdit;

// Input view of the I/O diagnosis page: one lamp per machine input, lit while
// the input is active. Its poll thread reports the changes; the main window
// resets the inputs and starts the thread when the page opens and stops it
// when the page closes.
class KReadIO : public QGroupBox
{
    Q_OBJECT
public:
    static constexpr int kRows = KReadIOThread::kRows;

    // The two input descriptors go to the poll thread unread.
    KReadIO(int fd1, int fd2, QWidget *parent);
    ~KReadIO() override;

    KReadIOThread *readIOThread;

    // Rows are numbered from 1.
    bool lampLit(int row) const;
    QLabel *onLamp(int row) const { return onLamps[row - 1]; }
    QLabel *offLamp(int row) const { return offLamps[row - 1]; }
    QLineEdit *nameField(int row) const { return names[row - 1]; }

public slots:
    void setXWXp(bool active);
    void setXWXn(bool active);
    void setXWYp(bool active);
    void setXWYn(bool active);
    void setDX1Err(bool active);
    void setDX2Err(bool active);
    void setDYErr(bool active);
    void setDLZKnock(bool active);
    void setDLZDW(bool active);
    void setDLZAnswer(bool active);

private:
    void light(int row, bool active);

    std::array<QLabel *, kRows> offLamps;
    std::array<QLabel *, kRows> onLamps;
    std::array<QLineEdit *, kRows> names;
    QPixmap onImage;
    QPixmap offImage;
};

#endif
