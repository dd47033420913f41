#include "device/KReadIO.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

namespace {
const char *const kInputLabels[KReadIO::kRows] = {
    "纵向正限位", "纵向负限位", "横向正限位",       "横向负限位",         "伺服1X报警",
    "伺服2X报警", "伺服Y报警",  "等离子防碰撞检测", "等离子定位成功信号", "等离子引弧回答信号"};

const char *const kRowSignals[KReadIO::kRows] = {"setXWXp",   "setXWXn",  "setXWYp",     "setXWYn",  "setDX1Err",
                                                 "setDX2Err", "setDYErr", "setDLZKnock", "setDLZDW", "setDLZAnswer"};
} // namespace

KReadIO::KReadIO(int fd1, int fd2, QWidget *parent)
    : QGroupBox(QStringLiteral("输入:"), parent)
    , readIOThread(new KReadIOThread(fd1, fd2, this))
    , onImage(QStringLiteral(":/icon/on24.png"))
    , offImage(QStringLiteral(":/icon/off24.png"))
{
    QFont f = QApplication::font();
    f.setPointSize(11);
    setFont(f);
    setGeometry(50, 5, 400, 670);

    for (int r = 0; r < kRows; ++r) {
        const int y = 32 + 40 * r;
        auto lamp = [&](const QPixmap &image) {
            auto *label = new QLabel(this);
            label->setPixmap(image);
            label->setScaledContents(true);
            label->setGeometry(50, y, 26, 26);
            return label;
        };
        offLamps[r] = lamp(offImage);
        onLamps[r] = lamp(onImage);
        onLamps[r]->hide();
        names[r] = new QLineEdit(QString::fromUtf8(kInputLabels[r]), this);
        names[r]->setGeometry(110, y, 200, 25);
        names[r]->setFocusPolicy(Qt::NoFocus);
    }

    // Automatic connections: the loop's reports reach the lamps queued, in
    // the GUI thread. Signal and slot of a row share their name.
    for (const char *name : kRowSignals) {
        const QByteArray report = QByteArray::number(QSIGNAL_CODE) + name + "(bool)";
        const QByteArray lamp = QByteArray::number(QSLOT_CODE) + name + "(bool)";
        connect(readIOThread, report.constData(), this, lamp.constData());
    }

    hide();
}

KReadIO::~KReadIO()
{
    // Before the lamps go: a running loop must not report to a half-destroyed view.
    readIOThread->stopLoop();
}

bool KReadIO::lampLit(int row) const
{
    return !onLamps[row - 1]->isHidden();
}

void KReadIO::light(int row, bool active)
{
    offLamps[row - 1]->setHidden(active);
    onLamps[row - 1]->setHidden(!active);
}

void KReadIO::setXWXp(bool active)
{
    light(1, active);
}
void KReadIO::setXWXn(bool active)
{
    light(2, active);
}
void KReadIO::setXWYp(bool active)
{
    light(3, active);
}
void KReadIO::setXWYn(bool active)
{
    light(4, active);
}
void KReadIO::setDX1Err(bool active)
{
    light(5, active);
}
void KReadIO::setDX2Err(bool active)
{
    light(6, active);
}
void KReadIO::setDYErr(bool active)
{
    light(7, active);
}
void KReadIO::setDLZKnock(bool active)
{
    light(8, active);
}
void KReadIO::setDLZDW(bool active)
{
    light(9, active);
}
void KReadIO::setDLZAnswer(bool active)
{
    light(10, active);
}
