#ifndef KSTATUSPANEL_H
#define KSTATUSPANEL_H

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QVector>
#include <QWidget>

class QLabel;
class QPainter;

// What the three process panels share: the phase and indicator rows, their
// images, the countdown of one phase and the picture of both kinds of row.
// The panels own no timer; the main window's 100 ms timers call their tick slots.
class KStatusPanel : public QWidget
{
    Q_OBJECT
public:
    QPixmap markPixmap;
    QPixmap markDisabledPixmap;
    QPixmap onPixmap;
    QPixmap offPixmap;

    // The rectangle a tick of phase row `row` repaints.
    static QRect band(int row);
    // How a remaining time is drawn.
    static QString valueText(double seconds);

    // One thing a panel draws: a text (baseline start) or an image (top left).
    struct Mark {
        QPoint at;
        QString text;
        const QPixmap *image;
    };

protected:
    // markSize: the side of the running/idle marker image in pixels.
    KStatusPanel(QWidget *parent, int markSize);

    // One phase row as the painter sees it, listed in order of precedence.
    struct PhaseRow {
        int row;
        double remain;
        bool active;
        bool idleValueShown;
    };

    QLabel *addPhaseLabel(int row, const QString &text);
    QLabel *addIndicatorLabel(int k, const QString &text);
    void addSeparator(const QRect &geometry);

    // total = remaining = seconds, then a full repaint.
    void setPhase(double &total, double &remain, double seconds);
    // One tick of a plain phase. Returns true when the caller must emit the end
    // signal; otherwise only the row's band has been scheduled for repaint.
    bool tickPhase(double &remain, bool &active, int row);

    // Idle (no row active): every row's value (where shown) and disabled marker.
    // Running: only the first active row of `rows`, with the normal marker.
    void addPhases(QVector<Mark> &marks, const QVector<PhaseRow> &rows) const;
    void addIndicator(QVector<Mark> &marks, int k, const QPixmap &image, const QString &state, int textX = 122) const;
    // An on/off indicator: its image and "开" or "关".
    void addSwitch(QVector<Mark> &marks, int k, bool on) const;
    void paintMarks(const QVector<Mark> &marks);
};

#endif
