#include "device/KWriteIO.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const char *const kOutputLabels[KWriteIO::kRows] = {
    "预热氧",   "切割氧",   "点火",     "穿孔1", "穿孔2",      "穿孔3",      "喷粉预热",   "搅粉",
    "自动调高", "割炬上升", "割炬下降", "保留",  "等离子定位", "等离子引弧", "等离子弧压", "保留",
    "割炬1",    "割炬2",    "割炬3",    "割炬4", "割炬5",      "割炬6",      "割炬7",      "割炬8"};

// The output codes, which name the selection slots and switching operations.
const char *const kCodes[KWriteIO::kRows] = {"PH",  "OX",  "DF",  "CK1", "CK2", "CK3", "PFPH", "PFOX",
                                             "AUD", "CKU", "CKD", "",    "DW",  "YH",  "HY",   "",
                                             "GJ1", "GJ2", "GJ3", "GJ4", "GJ5", "GJ6", "GJ7",  "GJ8"};

const QString kOnText = QStringLiteral("[ 开 ] - ");
const QString kOffText = QStringLiteral("[ 关 ] - ");

bool isReserved(int row)
{
    return row == 12 || row == 16;
}

// Left column rows 1 to 16, right column rows 17 to 24, 40 pixels apart.
QPoint buttonPlace(int row)
{
    return row <= 16 ? QPoint(20, 30 + 40 * (row - 1)) : QPoint(450, 30 + 40 * (row - 17));
}

} // namespace

KWriteIO::KWriteIO(int fd, QWidget *parent)
    : QGroupBox(parent)
    , fd(fd)
{
    QFont f = QApplication::font();
    f.setPointSize(11);
    setFont(f);
    setTitle(QStringLiteral("输出:   <Enter> 打开/关闭:"));
    setGeometry(50, 5, 800, 670);
    hide();

    onIcon = QIcon(QStringLiteral(":/icon/on24.png"));
    offIcon = QIcon(QStringLiteral(":/icon/off24.png"));
    current = 1;

    for (int row = 1; row <= kRows; ++row) {
        auto *button = new QRadioButton(this);
        button->setIconSize(QSize(24, 24));
        button->setIcon(offIcon);
        button->setText(kOffText);
        button->move(buttonPlace(row));
        if (row == 1)
            button->setChecked(true);
        rowButtons[row - 1] = button;

        auto *label = new QLineEdit(QString::fromUtf8(kOutputLabels[row - 1]), this);
        label->setGeometry(QRect(buttonPlace(row) + QPoint(110, 2), QSize(200, 25)));
        label->setFocusPolicy(Qt::NoFocus);
        rowLabels[row - 1] = label;
        if (isReserved(row))
            button->setDisabled(true);
    }

    enterButton = new KButton(parent ? parent : this);
    enterButton->setGeometry(860, 620, 120, 55);
    FunctionKey::addKeyName(enterButton, QStringLiteral("Enter"), QPoint(82, 2));
    enterButton->setText(QStringLiteral("打开/关闭"));
    enterButton->hide();

    for (int row = 1; row <= kRows; ++row) {
        if (isReserved(row))
            continue;
        const QByteArray select = QByteArray::number(QSLOT_CODE) + "sel" + kCodes[row - 1] + "()";
        connect(rowButtons[row - 1], SIGNAL(clicked()), this, select.constData());
    }
    // The plain clicked(): every click switches, the click lock does not gate it.
    connect(enterButton, &KButton::clicked, this, &KWriteIO::enterClicked);

    allOff();
}

int KWriteIO::outputIndex(int row)
{
    if (row < 1 || row > kRows || isReserved(row))
        return -1;
    return row - 1 - (row > 12 ? 1 : 0) - (row > 16 ? 1 : 0);
}

bool KWriteIO::outputOn(int row) const
{
    const int index = outputIndex(row);
    return index >= 0 && states[index];
}

void KWriteIO::apply(int row, bool on)
{
    QRadioButton *button = rowButtons[row - 1];
    button->setIcon(on ? onIcon : offIcon);
    button->setText(on ? kOnText : kOffText);
    image.set(row - 1, on);
    states[outputIndex(row)] = on;
}

void KWriteIO::flip(int row)
{
    apply(row, !states[outputIndex(row)]);
}

void KWriteIO::switchRow(int row)
{
    switch (row) {
    case 1:
        togglePH();
        break;
    case 2:
        toggleOX();
        break;
    case 3:
        toggleDF();
        break;
    case 4:
        toggleCK1();
        break;
    case 5:
        toggleCK2();
        break;
    case 6:
        toggleCK3();
        break;
    case 7:
        togglePFPH();
        break;
    case 8:
        togglePFOX();
        break;
    case 9:
        toggleAUD();
        break;
    case 10:
        toggleCKU();
        break;
    case 11:
        toggleCKD();
        break;
    case 13:
        toggleDW();
        break;
    case 14:
        toggleYH();
        break;
    case 15:
        toggleHY();
        break;
    case 17:
        toggleGJ1();
        break;
    case 18:
        toggleGJ2();
        break;
    case 19:
        toggleGJ3();
        break;
    case 20:
        toggleGJ4();
        break;
    case 21:
        toggleGJ5();
        break;
    case 22:
        toggleGJ6();
        break;
    case 23:
        toggleGJ7();
        break;
    case 24:
        toggleGJ8();
        break;
    default:
        break;
    }
}

void KWriteIO::allOff()
{
    states.fill(true);
    for (int row = 1; row <= kRows; ++row) {
        if (!isReserved(row))
            switchRow(row);
    }
    image = sys_t();
}

void KWriteIO::enterClicked()
{
    switchRow(current);
}

void KWriteIO::setTorch(unsigned char torches)
{
    setGJ1(torches & 0x01);
    setGJ2(torches & 0x02);
    setGJ3(torches & 0x04);
    setGJ4(torches & 0x08);
    setGJ5(torches & 0x10);
    setGJ6(torches & 0x20);
    setGJ7(torches & 0x40);
    setGJ8(torches & 0x80);
}

void KWriteIO::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        enterClicked();
}

void KWriteIO::togglePH()
{
    flip(1);
}
void KWriteIO::toggleOX()
{
    flip(2);
}
void KWriteIO::toggleDF()
{
    flip(3);
}
void KWriteIO::toggleCK1()
{
    flip(4);
}
void KWriteIO::toggleCK2()
{
    flip(5);
}
void KWriteIO::toggleCK3()
{
    flip(6);
}
void KWriteIO::togglePFPH()
{
    flip(7);
}
void KWriteIO::togglePFOX()
{
    flip(8);
}
void KWriteIO::toggleAUD()
{
    flip(9);
}
void KWriteIO::toggleCKU()
{
    flip(10);
}
void KWriteIO::toggleCKD()
{
    flip(11);
}
void KWriteIO::toggleDW()
{
    flip(13);
}
void KWriteIO::toggleYH()
{
    flip(14);
}
void KWriteIO::toggleHY()
{
    flip(15);
}
void KWriteIO::toggleGJ1()
{
    setGJ1(!outputOn(17));
}
void KWriteIO::toggleGJ2()
{
    setGJ2(!outputOn(18));
}
void KWriteIO::toggleGJ3()
{
    setGJ3(!outputOn(19));
}
void KWriteIO::toggleGJ4()
{
    setGJ4(!outputOn(20));
}
void KWriteIO::toggleGJ5()
{
    setGJ5(!outputOn(21));
}
void KWriteIO::toggleGJ6()
{
    setGJ6(!outputOn(22));
}
void KWriteIO::toggleGJ7()
{
    setGJ7(!outputOn(23));
}
void KWriteIO::toggleGJ8()
{
    setGJ8(!outputOn(24));
}
void KWriteIO::setGJ1(bool on)
{
    apply(17, on);
}
void KWriteIO::setGJ2(bool on)
{
    apply(18, on);
}
void KWriteIO::setGJ3(bool on)
{
    apply(19, on);
}
void KWriteIO::setGJ4(bool on)
{
    apply(20, on);
}
void KWriteIO::setGJ5(bool on)
{
    apply(21, on);
}
void KWriteIO::setGJ6(bool on)
{
    apply(22, on);
}
void KWriteIO::setGJ7(bool on)
{
    apply(23, on);
}
void KWriteIO::setGJ8(bool on)
{
    apply(24, on);
}

void KWriteIO::selPH()
{
    current = 1;
}
void KWriteIO::selOX()
{
    current = 2;
}
void KWriteIO::selDF()
{
    current = 3;
}
void KWriteIO::selCK1()
{
    current = 4;
}
void KWriteIO::selCK2()
{
    current = 5;
}
void KWriteIO::selCK3()
{
    current = 6;
}
void KWriteIO::selPFPH()
{
    current = 7;
}
void KWriteIO::selPFOX()
{
    current = 8;
}
void KWriteIO::selAUD()
{
    current = 9;
}
void KWriteIO::selCKU()
{
    current = 10;
}
void KWriteIO::selCKD()
{
    current = 11;
}
void KWriteIO::selDW()
{
    current = 13;
}
void KWriteIO::selYH()
{
    current = 14;
}
void KWriteIO::selHY()
{
    current = 15;
}
void KWriteIO::selGJ1()
{
    current = 17;
}
void KWriteIO::selGJ2()
{
    current = 18;
}
void KWriteIO::selGJ3()
{
    current = 19;
}
void KWriteIO::selGJ4()
{
    current = 20;
}
void KWriteIO::selGJ5()
{
    current = 21;
}
void KWriteIO::selGJ6()
{
    current = 22;
}
void KWriteIO::selGJ7()
{
    current = 23;
}
void KWriteIO::selGJ8()
{
    current = 24;
}
