#ifndef KMYVIEW_H
#define KMYVIEW_H

#include <QListView>

// A list whose selected indexes the copy page reads from outside.
class KMyView : public QListView
{
    Q_OBJECT
public:
    explicit KMyView(QWidget *parent);

    QModelIndexList selectedIndexList() const;
};

#endif
