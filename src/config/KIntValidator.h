#ifndef KINTVALIDATOR_H
#define KINTVALIDATOR_H

#include <QIntValidator>
#include <QLocale>

// QIntValidator lets a non-negative number above the top stand while typing
// as long as it has no more digits than the top (15000 against 14000). Here
// such a number is refused; a number below the bottom may still stand, since
// the page raises it when the dialog is accepted. C locale.
class KIntValidator : public QIntValidator
{
    Q_OBJECT
public:
    KIntValidator(int bottom, int top, QObject *parent);
    explicit KIntValidator(QObject *parent);

    State validate(QString &input, int &pos) const override;

    // The C locale without group separators, for every number field.
    static QLocale numberLocale();
};

#endif
