#include "app/base/TextFit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

#include <algorithm>

int TextFit::widestLine(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QFont TextFit::fitted(const QFont &font, const QString &text, int width, int minPointSize)
{
    QFont f = font;
    // Fonts given in pixels have no point size to step; they are left alone.
    while (f.pointSize() > minPointSize && widestLine(f, text) > width)
        f.setPointSize(f.pointSize() - 1);
    return f;
}

namespace {

void fitNow(QWidget *widget, const QString &text, int width, int minPointSize)
{
    const QFont f = TextFit::fitted(widget->font(), text, width, minPointSize);
    if (f.pointSize() != widget->font().pointSize())
        widget->setFont(f);
}

// Measuring loads every size of a font it tries, several megabytes for the
// dialogs' bitmap fonts; most pages are never opened in a run, so a hidden
// widget is fitted when it is first shown, before it is painted.
class PendingFit : public QObject
{
public:
    PendingFit(QWidget *widget)
        : QObject(widget)
    {
        setObjectName(QStringLiteral("TextFitPending"));
        widget->installEventFilter(this);
    }

    QString text;
    int width = 0;
    int minPointSize = TextFit::kMinPointSize;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *widget = static_cast<QWidget *>(watched);
            widget->removeEventFilter(this);
            fitNow(widget, text, width, minPointSize);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void TextFit::fitWidget(QWidget *widget, const QString &text, int width, int minPointSize)
{
    auto *pending = static_cast<PendingFit *>(
        widget->findChild<QObject *>(QStringLiteral("TextFitPending"), Qt::FindDirectChildrenOnly));
    if (widget->isVisible()) {
        delete pending;
        fitNow(widget, text, width, minPointSize);
        return;
    }
    if (!pending)
        pending = new PendingFit(widget);
    pending->text = text;
    pending->width = width;
    pending->minPointSize = minPointSize;
}
