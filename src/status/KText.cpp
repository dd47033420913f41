#include "status/KText.h"

#include "status/MessageCode.h"

#include <QFontMetrics>
#include <QLayout>
#include <QPainter>
#include <QStringList>

namespace {

// %1 .. %9 replaced in one pass, so nothing a detail holds is taken for a
// placeholder.
QString filled(const QString &pattern, const QStringList &details)
{
    QString out;
    out.reserve(pattern.size() + 64);
    for (int at = 0; at < pattern.size(); ++at) {
        const QChar c = pattern.at(at);
        const int n = at + 1 < pattern.size() ? pattern.at(at + 1).digitValue() : -1;
        if (c == QLatin1Char('%') && n >= 1 && n <= details.size()) {
            out += details.at(n - 1);
            ++at;
        } else {
            out += c;
        }
    }
    return out;
}

// `keep` characters of `name`, its start and its end, around an ellipsis;
// never half of a surrogate pair.
QString middleShortened(const QString &name, int keep)
{
    int head = (keep + 1) / 2;
    int tail = keep - head;
    if (head > 0 && name.at(head - 1).isHighSurrogate())
        --head;
    if (tail > 0 && name.at(name.size() - tail).isLowSurrogate())
        --tail;
    return name.left(head) + QChar(0x2026) + name.right(tail);
}

} // namespace

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
    const QString pattern = text;
    const QFontMetrics metrics = fontMetrics();
    const int width = visibleWidth();
    text = filled(pattern, details);
    if (details.isEmpty() || metrics.horizontalAdvance(text) <= width)
        return;
    // The longest shortening that fits, found by halving: a name of any
    // length costs a few measurements, not one per character.
    const QString name = details.first();
    QStringList shortened = details;
    const auto line = [&](int keep) {
        shortened[0] = middleShortened(name, keep);
        return filled(pattern, shortened);
    };
    int fits = 0;
    int tooWide = name.size();
    while (tooWide - fits > 1) {
        const int keep = fits + (tooWide - fits) / 2;
        if (metrics.horizontalAdvance(line(keep)) <= width)
            fits = keep;
        else
            tooWide = keep;
    }
    text = line(fits);
}

// The line is drawn in its own rectangle, inside its frame's margins.
// Before the window is first shown the frame's layout has not placed it yet.
int KText::visibleWidth()
{
    if (QWidget *holder = parentWidget()) {
        if (QLayout *grid = holder->layout())
            grid->activate();
    }
    return width();
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
