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
    // and a reason), all in one step: a "%2" inside a name stays as it is.
    // When the line would not fit the widget's width (what its frame
    // shows), the first detail (the name) is shortened in its middle; the
    // others are always shown whole.
    void updateText(int code, const QStringList &details);
    // Empties the line; the alarm colour stays until the next updateText.
    void clearText();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int visibleWidth();
};

#endif
