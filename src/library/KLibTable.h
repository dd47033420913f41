#ifndef KLIBTABLE_H
#define KLIBTABLE_H

#include <QPointer>
#include <QTableWidget>

class KLibConfigFrame;
class KLibPixmapFrame;
class QFileDialog;

// The shape catalogue: 25 x 2 cells, the custom file in (0, 0) and shape Kn
// in (n / 2, n % 2). Its current cell prepares the library form and the
// dimension drawing; it also runs the save of the generated program.
class KLibTable : public QTableWidget
{
    Q_OBJECT
public:
    static constexpr int kEntries = 50;
    static constexpr int kMaxScrollRow = 15;

    // The two frames are made children of `parent`, beside the table.
    explicit KLibTable(QWidget *parent);

    KLibConfigFrame *configFrame;
    KLibPixmapFrame *pixmapFrame;
    QTableWidgetItem *shapeItems[kEntries]; // index = shape index; owned by the table
    int scrollRow = 0;                      // counter of numUp()/numDown(), 0..15
    QPointer<QFileDialog> saveDialog;       // made on the first saveas()

    // Replaces `target` with the parsed library program (.tovrelcnc/l.nc).
    // Nothing for an empty target; "remove error" and "copy error" for a
    // folder; one "copy error" for any other failure, which leaves an
    // existing target as it was.
    void saveTo(const QString &target);

signals:
    void saveClick(bool save);

public slots:
    void setMyCurrentItem(QTableWidgetItem *current, QTableWidgetItem *previous);
    void setSelIndex(int index);
    void saveClicked();
    void saveas();
    void numUp();
    void numDown();
    void selUp();
    void selDown();
    void selLeft();
    void selRight();
    void saveAcc();

private:
    int indexOf(const QTableWidgetItem *item) const;
};

#endif
