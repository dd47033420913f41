#ifndef SHOWNDIRMODEL_H
#define SHOWNDIRMODEL_H

#include <QtGlobal>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
#include <QDirModel>
QT_WARNING_POP

// The browser's and the copy page's folder listing: every entry whatever the
// bytes of its name, shown as the operator reads it (FileNames::shown), so
// the type-ahead search finds it by what it shows. fileName(), filePath()
// and index(path) keep every byte: they name the entry the page acts on.
// A link is listed under its own name and read through it: resolved, it
// would be named by its target, and two links to one program would share a
// row.
class ShownDirModel : public QDirModel
{
public:
    explicit ShownDirModel(QObject *parent);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};

#endif
