#ifndef KTIME_H
#define KTIME_H

#include <QWidget>

class QTimer;

// Job times at the top of the status area: the estimate of the minutes still
// needed (set by the main window) and the minutes elapsed, counted here on a
// one-minute timer that runs from construction on.
class KTime : public QWidget
{
    Q_OBJECT
public:
    explicit KTime(QWidget *parent = nullptr);

    int remain = 0;
    int already = 0;
    QTimer *timer;

    // Both counts back to 0; shows at the next repaint.
    void resetTime();

    QString remainText() const;
    QString alreadyText() const;

public slots:
    void setRemain(int minutes);
    void setAlready();

signals:
    void timeChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif
