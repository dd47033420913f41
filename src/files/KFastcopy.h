#ifndef KFASTCOPY_H
#define KFASTCOPY_H

#include <QWidget>

class KButton;
class KMyView;
class QDirModel;
class QLineEdit;

// The folders both panes show on every entry to the copy page: the source a
// single backslash (unknown to the directory model, so its top level shows),
// the target the program folder under the working directory of the first use.
const QString &fastcopySourceDir();
const QString &fastcopyTargetDir();

// The two panes of the copy page: source on the left, target on the right,
// each a path field over a list of one folder.
class KFastcopy : public QWidget
{
    Q_OBJECT
public:
    explicit KFastcopy(QWidget *parent);

    // Both panes back to their start folders, nothing picked in either.
    void refreshViews();

    // The model of a pane: every entry of one folder under its own name, a
    // link as the link, never as what it points to.
    static QDirModel *newModel(QObject *parent);

    // The folders the panes list, every byte of their names kept; the path
    // fields show them as the operator reads them.
    QString srcFolder;
    QString desFolder;
    QLineEdit *srcPathEdit;
    QLineEdit *desPathEdit;
    KMyView *srcView;
    KMyView *desView;
    QDirModel *srcModel;
    QDirModel *desModel;
    KButton *srcSelectButton;
    KButton *desSelectButton;

private:
    void buildPane(const QString &title, int x, QLineEdit *&pathEdit, KMyView *&view, QDirModel *&model,
                   KButton *&selectButton);
};

#endif
