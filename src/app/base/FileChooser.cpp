#include "app/base/FileChooser.h"

#include "app/base/FileNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLineEdit>

namespace {

// The dialog's list, its name field filled from the list and its completer
// read these roles; the paths it acts on come from the path roles, which
// keep every byte.
class ShownNameProxy : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const QVariant value = QIdentityProxyModel::data(index, role);
        if (index.column() == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
            return FileNames::shown(value.toString());
        return value;
    }
};

} // namespace

FileChooser::FileChooser(QWidget *parent)
    : QFileDialog(parent, QString(), QString(), QString())
{
    setOption(QFileDialog::DontUseNativeDialog);
    setProxyModel(new ShownNameProxy(this));
    // The folder box names the folder and those above it by their paths,
    // which the dialog writes afresh on each change of folder and whenever
    // it learns more of a folder.
    if (auto *folders = findChild<QComboBox *>(QStringLiteral("lookInCombo"))) {
        folderBox = folders;
        connect(proxyModel()->sourceModel(), SIGNAL(rootPathChanged(QString)), this, SLOT(showFoldersAsRead()));
        connect(folders->model(), SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)), this,
                SLOT(showFoldersAsRead()));
        connect(folders->model(), SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(showFoldersAsRead()));
    }
    // The completer writes an entry's own name into the name field.
    if ((nameField = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))))
        connect(nameField, SIGNAL(textChanged(QString)), this, SLOT(showNameAsRead()));
}

void FileChooser::showFoldersAsRead()
{
    QAbstractItemModel *paths = folderBox ? folderBox->model() : nullptr;
    for (int row = 0; paths && row < paths->rowCount(); ++row) {
        const QModelIndex index = paths->index(row, 0);
        const QString path = index.data().toString();
        const QString shown = FileNames::shown(path);
        if (shown != path)
            paths->setData(index, shown, Qt::DisplayRole);
    }
}

void FileChooser::showNameAsRead()
{
    if (puttingBack)
        return;
    const QString text = nameField->text();
    const QString shown = FileNames::shown(text);
    if (shown != text)
        nameField->setText(shown);
}

void FileChooser::accept()
{
    // The name field holds a name as it is shown: the entry it stands for is
    // picked in the list, which the dialog takes before the field's text.
    auto *list = findChild<QAbstractItemView *>(QStringLiteral("listView"));
    const QString text = nameField ? nameField->text() : QString();
    if (list && !text.isEmpty() && !text.contains(QLatin1Char('"'))) {
        const QString typed = directory().absoluteFilePath(text);
        const QString entry = FileNames::entryShownAs(typed);
        auto *files = qobject_cast<QFileSystemModel *>(proxyModel()->sourceModel());
        const QModelIndex index =
            entry != typed && files ? proxyModel()->mapFromSource(files->index(entry)) : QModelIndex();
        if (index.isValid())
            list->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else if (entry != typed) {
            puttingBack = true;
            nameField->setText(QFileInfo(entry).fileName());
            puttingBack = false;
        }
    }
    QFileDialog::accept();
}
