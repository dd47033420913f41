#ifndef KTHCPAGE_H
#define KTHCPAGE_H

#include <QString>
#include <QWidget>

class KButton;
class QLabel;
class QLineEdit;

// What the torch-height pages share: the title and status line drawn in
// large blue text, and the OK and Cancel buttons at the foot of the page.
class KTHCPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 748;
    static constexpr int kHeight = 880;

    void setStatusText(const QString &text);
    void setTitleText(const QString &text);

    KButton *okButton = nullptr;
    KButton *cancelButton = nullptr;
    QString statusText;
    QString titleText;

public slots:
    void clearText();

protected:
    KTHCPage(int okX, int cancelX, QWidget *parent);
    void paintEvent(QPaintEvent *event) override;
    // Captions keep their natural size when the page's font changes (a page
    // built before it is placed in the window takes the window's font later).
    void changeEvent(QEvent *event) override;

    // A caption at (x, y) in its natural size.
    QLabel *addLabel(const QString &text, int x, int y);
    // A right-aligned line edit.
    QLineEdit *addEdit(const QString &text, int x, int y, int width);

private:
    KButton *addFootButton(const QString &text, const QString &icon, int x);
};

#endif
