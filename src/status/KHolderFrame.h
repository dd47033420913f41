#ifndef KHOLDERFRAME_H
#define KHOLDERFRAME_H

#include <QFrame>
#include <initializer_list>

class QGridLayout;

// A frame of the status area that holds its display widgets in grid cell
// (0, 0) on the status background, RGB (250, 250, 200), filled automatically.
class KHolderFrame : public QFrame
{
    Q_OBJECT
public:
    static QColor background();
    // Hides every view but `shown` (none for nullptr), then shows that one.
    static void showOnly(std::initializer_list<QWidget *> views, QWidget *shown);

    QGridLayout *grid() const { return grid_; }

protected:
    // margin < 0 keeps the toolkit's default grid margin.
    explicit KHolderFrame(QWidget *parent, int margin = -1);

    // Adds a display to cell (0, 0); several displays lie on top of each other.
    void hold(QWidget *display);

private:
    QGridLayout *grid_;
};

#endif
