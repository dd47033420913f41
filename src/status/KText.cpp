#include "status/KText.h"

#include "status/MessageCode.h"

#include <QPainter>

KText::KText(QWidget *parent)
    : QWidget(parent)
{
    QFont f = font();
    f.setPointSize(10);
    setFont(f);
}

void KText::updateText(int code)
{
    alarm = false;
    if (const MessageCode::Entry *entry = MessageCode::find(code)) {
        text = MessageCode::text(code);
        alarm = entry->alarm;
    }
    update();
}

void KText::updateText(int code, const QStringList &details)
{
    updateText(code);
    if (!MessageCode::find(code))
        return;
    for (const QString &detail : details)
        text = text.arg(detail);
}

void KText::clearText()
{
    text.clear();
    update();
}

void KText::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (alarm)
        p.setPen(QPen(QBrush(Qt::red, Qt::SolidPattern), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.drawText(0, 12, text);
}
