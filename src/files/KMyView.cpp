#include "files/KMyView.h"

KMyView::KMyView(QWidget *parent)
    : QListView(parent)
{
}

QModelIndexList KMyView::selectedIndexList() const
{
    return selectedIndexes();
}
