#include "pages/MainKey.h"

#include "app/base/FunctionKey.h"
#include "app/base/KButton.h"

#include <QLabel>

QString MainKey::styleSheetText()
{
    return QString::fromLatin1(KButton::styleSheetText())
        .replace(QLatin1String("palegoldenrod"), QLatin1String("forestgreen"));
}

KButton *MainKey::make(QWidget *page, const QString &text, int pointSize)
{
    KButton *button = FunctionKey::make(page, 9, text);
    button->findChild<QLabel *>()->setText(QStringLiteral("<font color =\"white\">F9</font>"));
    QPalette palette = button->palette();
    const QBrush white(QColor(255, 255, 255), Qt::SolidPattern);
    palette.setBrush(QPalette::Active, QPalette::ButtonText, white);
    palette.setBrush(QPalette::Inactive, QPalette::ButtonText, white);
    button->setPalette(palette);
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(true);
    font.setItalic(false);
    button->setFont(font);
    button->setIconSize(QSize(32, 32));
    button->setStyleSheet(styleSheetText());
    return button;
}
