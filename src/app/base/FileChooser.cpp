#include "app/base/FileChooser.h"

#include "app/base/FileNames.h"

#include <QFileInfo>
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
}

void FileChooser::accept()
{
    // The name field holds a name as it is shown: put back the entry's own
    // name, which the dialog then finds in its folder.
    auto *field = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    const QString text = field ? field->text() : QString();
    if (!text.isEmpty() && !text.contains(QLatin1Char('"'))) {
        const QString typed = directory().absoluteFilePath(text);
        const QString entry = FileNames::entryShownAs(typed);
        if (entry != typed)
            field->setText(QFileInfo(entry).fileName());
    }
    QFileDialog::accept();
}
