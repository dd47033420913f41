#ifndef KLIBLIST_H
#define KLIBLIST_H

#include <QListWidget>

// The pattern list of the library page: row i is pattern i + 1, in cutting
// order; a deleted pattern's row stays, hidden. Stepping skips hidden rows.
class KLibList : public QListWidget
{
    Q_OBJECT
public:
    explicit KLibList(QWidget *parent);

public slots:
    // One page of scrolling; the current row stays.
    void numUp();
    void numDown();
    // To the nearest visible row above / below, one row at a time, so the
    // page follows every step; nothing when there is none.
    void selUp();
    void selDown();
};

#endif
