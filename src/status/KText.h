#ifndef KTEXT_H
#define KTEXT_H

#include <QWidget>

// The one-line message line. Callers pass a MessageCode, never free text;
// alarm codes are drawn in red until the next updateText.
class KText : public QWidget
{
    Q_OBJECT
public:
    explicit KText(QWidget *parent = nullptr);

    QString text;
    bool alarm = false;

public slots:
    // An unknown code keeps the text but still clears the alarm colour.
    void updateText(int code);
    // A code whose text holds %1, %2 ..., with what fills them in (a file
    // and a reason).
    void updateText(int code, const QStringList &details);
    // Empties the line; the alarm colour stays until the next updateText.
    void clearText();

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif
