#ifndef FILECHOOSER_H
#define FILECHOOSER_H

#include <QFileDialog>
#include <QPointer>

class QComboBox;
class QLineEdit;

// The toolkit's own file dialog (never the platform's), listing every entry
// whatever the bytes of its name, each shown as the operator reads it
// (FileNames::shown). A name taken from the list, or typed as it is shown,
// names the very entry it came from.
class FileChooser : public QFileDialog
{
    Q_OBJECT
public:
    explicit FileChooser(QWidget *parent);

public slots:
    void accept() override;

private slots:
    void showFoldersAsRead();
    void showNameAsRead();

private:
    QPointer<QComboBox> folderBox;
    QPointer<QLineEdit> nameField;
    // The entry's own name, put into the name field for the dialog to find.
    bool puttingBack = false;
};

#endif
