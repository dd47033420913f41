#ifndef KLIBFRAME_H
#define KLIBFRAME_H

#include <QWidget>

class KButton;
class KLibConfig;
class KLibList;
class KLibSimuFrame;
class KLibTable;

// The library page's controller. It places the preview, the catalogue and
// the pattern list beside itself in its parent (the main window), shows the
// catalogue or the list in the right-hand column, and keeps the list's rows
// in step with the form's pattern records: row i is record i + 1, deleted
// patterns keep their (hidden) rows, the current row is the current pattern.
class KLibFrame : public QWidget
{
    Q_OBJECT
public:
    explicit KLibFrame(QWidget *parent);

    KLibSimuFrame *simuFrame;
    KLibTable *libTable;
    KLibList *libList;
    KButton *viewUpButton;
    KButton *viewDownButton;
    KButton *tableButton;
    KButton *listButton;

    // The page's form, reached through the catalogue.
    KLibConfig *config() const;

    // The one box shown when the list already holds its 99 patterns.
    void showFullNotice();
    // The library program has no part to save.
    void showEmptyNotice();
    // The form and the list back to the layout last written and drawn.
    void backToShownLayout();

public slots:
    void showTable();
    void showList();
    void addPatten();
    void earlierPatten();
    void laterPatten();
    void newLib();
    void delPatten();
    void rowChanged(int row);

private:
    void wireViewButtons(QObject *view);
    // Re-creates the current row's entry at `row` and makes it current.
    void moveCurrentRow(int row);
};

#endif
