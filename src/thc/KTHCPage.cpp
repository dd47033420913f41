#include "thc/KTHCPage.h"

#include "app/base/BasePath.h"
#include "app/base/FileIcon.h"
#include "app/base/KButton.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

namespace {
// The texts are wider than the first 200 pixels of their areas; the whole
// line is repainted so a long status or title is never cut off.
const QRect kStatusArea(90, 800, KTHCPage::kWidth - 90, 50);
const QRect kTitleArea(190, 0, KTHCPage::kWidth - 190, 50);
} // namespace

KTHCPage::KTHCPage(int okX, int cancelX, QWidget *parent)
    : QWidget(parent)
{
    resize(kWidth, kHeight);
    okButton = addFootButton(tr("  确 定"), QStringLiteral("ok22.png"), okX);
    cancelButton = addFootButton(tr("  取 消"), QStringLiteral("cancel22.png"), cancelX);
}

KButton *KTHCPage::addFootButton(const QString &text, const QString &icon, int x)
{
    auto *button = new KButton(this);
    button->setText(text);
    button->setGeometry(x, 800, 110, 60);
    auto *picture = new QLabel(button);
    picture->setGeometry(10, 18, 24, 24);
    picture->setPixmap(FileIcon::pixmap(basePath + QStringLiteral("/ravok/icon/") + icon));
    return button;
}

QLabel *KTHCPage::addLabel(const QString &text, int x, int y)
{
    auto *label = new QLabel(text, this);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit *KTHCPage::addEdit(const QString &text, int x, int y, int width)
{
    auto *edit = new QLineEdit(text, this);
    edit->setGeometry(x, y, width, 30);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

void KTHCPage::setStatusText(const QString &text)
{
    statusText = text;
    update(kStatusArea);
}

void KTHCPage::setTitleText(const QString &text)
{
    titleText = text;
    update(kTitleArea);
}

void KTHCPage::clearText()
{
    setStatusText(QString());
}

void KTHCPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    for (QLabel *label : findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
        label->adjustSize();
}

void KTHCPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font(QStringLiteral("Timers"), 20, 75);
    painter.setFont(font);
    painter.setPen(Qt::blue);
    painter.drawText(100, 830, statusText);
    painter.drawText(200, 30, titleText);
}
