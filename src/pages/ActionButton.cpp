#include "pages/ActionButton.h"

#include "app/base/KButton.h"

#include <QFont>
#include <QPalette>

void ActionButton::paint(KButton *button, const char *background, int pointSize)
{
    QFont font(QStringLiteral("Arial"), pointSize, QFont::Bold, false);
    button->setFont(font);
    QPalette palette = button->palette();
    const QBrush white(Qt::white, Qt::SolidPattern);
    palette.setBrush(QPalette::Active, QPalette::ButtonText, white);
    palette.setBrush(QPalette::Inactive, QPalette::ButtonText, white);
    button->setPalette(palette);
    button->setStyleSheet(QString::fromLatin1(KButton::styleSheetText())
                              .replace(QLatin1String("palegoldenrod"), QLatin1String(background)));
}
