#ifndef KSTATUS_H
#define KSTATUS_H

#include <QWidget>

class KStatusFrame;
class KTimeFrame;

// The status column on the right of the main window: job times above, the
// panel of the current process below. The main window reaches the panels
// through these two members.
class KStatus : public QWidget
{
    Q_OBJECT
public:
    explicit KStatus(QWidget *parent = nullptr);

    KStatusFrame *statusFrame;
    KTimeFrame *timeFrame;
};

#endif
