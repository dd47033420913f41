#include "files/ShownDirModel.h"

#include "app/base/FileNames.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
ShownDirModel::ShownDirModel(QObject *parent)
    : QDirModel(parent)
{
    setResolveSymlinks(false);
}
QT_WARNING_POP

QVariant ShownDirModel::data(const QModelIndex &index, int role) const
{
    const QVariant value = QDirModel::data(index, role);
    if (index.column() == 0 && role == Qt::DisplayRole)
        return FileNames::shown(value.toString());
    return value;
}
