#ifndef KMENUFASTCOPY_H
#define KMENUFASTCOPY_H

#include "files/ProgramCopy.h"

#include <QModelIndexList>
#include <QStringList>
#include <QWidget>

class KButton;
class KFastcopy;
class QAbstractItemView;
class QDirModel;
class QFileDialog;

// Key row of the copy page (Esc, F1 to F7). It owns the two folder choosers
// and builds the two-pane view beside itself, as a child of its own parent.
// Esc is left to the main window (pressed(): leave the page).
class KMenuFastcopy : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuFastcopy(QWidget *parent);

    // On each entry to the page: fresh choosers, both panes at their start
    // folders with nothing picked, and F3 reading "全选" to agree with them.
    void enterPage();

    // Closes both choosers and lets them go, so the next F1 or F5 builds a
    // fresh one at the start folder.
    void resetChoosers();

    // The names of the selected entries as the list shows them, each the
    // entry's own name in its folder (a link's, not its target's).
    static QStringList entryNames(const QDirModel *model, const QModelIndexList &indexes);

    // Show a chosen folder in a pane (a floppy remount first for
    // "/media/floppy0/"); an empty path changes nothing.
    void acceptSource(const QString &path);
    void acceptTarget(const QString &path);

    QFileDialog *srcDialog = nullptr;
    QFileDialog *desDialog = nullptr;
    KButton *escButton;
    KButton *srcButton;
    KButton *desButton;
    KButton *srcFileButton;
    KButton *desFileButton;
    KButton *allButton;
    KButton *copyButton;
    KButton *delButton;
    KFastcopy *fastcopy;

public slots:
    void src();
    void des();
    void srcFile();
    void desFile();
    void all();
    void allcancel();
    void copy();
    void del();
    void srcAcc();
    void desAcc();

private:
    QFileDialog *makeChooser(const QString &title, const QString &folder, const char *acceptSlot);
    ProgramCopy::Answer respond(const ProgramCopy::Outcome &outcome);
    void showTargetAfresh();
    void enterList(QAbstractItemView *view);

    bool allPicked = false;
};

#endif
