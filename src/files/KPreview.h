#ifndef KPREVIEW_H
#define KPREVIEW_H

#include "records/SegmentRecord.h"

#include <QListView>
#include <QModelIndex>
#include <QPointer>
#include <QString>

#include <vector>

class KButton;
class KMenuPreview1;
class KPreviewSimu;
class KPreviewSimuFrame;
class QDirModel;
class QFileDialog;
class QLabel;
class QLineEdit;

// The folder the browser lists, always ending in "/" once set.
extern QString previewCurrentDir;
// previewCurrentDir + the name of the current item; what the three hand-over
// signals pass and what the preview reads. Empty until an item is current.
extern QString previewSelectedFile;
// The two folder choosers, made on first use and kept.
extern QFileDialog *previewLocalDialog;
extern QFileDialog *previewUsbDialog;

// The file browser: the list of one folder of programs, with a preview of
// the current program and, on request, its kerf-compensated path over it.
// It hands the chosen path on to be cut, added to the part library or
// edited. Its captions, fields, search key, preview frame and key row are
// children of its own parent (the main window), placed in its coordinates.
//
// Browsing never disturbs the program loaded for cutting: the compensated
// preview runs the cutting parse, but the cutting table and t.nc are put
// back at once and the overlay is drawn from a table of the browser's own.
class KPreview : public QListView
{
    Q_OBJECT
public:
    explicit KPreview(QWidget *parent);
    ~KPreview() override;

    // What the page-entry slots need of the browser: the model re-read, the
    // root set to previewCurrentDir again, its first item current (none when
    // the folder is empty) and the focus in the name field.
    void enterPage();
    // Shows or hides the list with every widget of the page (key row included).
    void setPageVisible(bool visible);
    // Lists `folder` from now on; an empty path changes nothing. The current
    // item and previewSelectedFile stay until an item of the new folder is chosen.
    void setFolder(const QString &folder);

    QDirModel *dirModel;
    KPreviewSimuFrame *previewFrame;
    KMenuPreview1 *keyRow;
    QLabel *folderLabel;
    QLineEdit *folderEdit;
    QLabel *fileNameLabel;
    QLineEdit *fileNameEdit;
    KButton *searchButton;
    QModelIndex folderIndex;
    // Set before the model, whose installation already reports a current index.
    bool previewOn = false;
    bool keyboardShown = false;
    double kerf = 0.0; // mm

signals:
    // Each passes previewSelectedFile itself: a receiver copies it first.
    // fileOpened comes for any entry that opens for reading, program or
    // not: the load says why it refuses one.
    void fileOpened(QString &path);
    void fileAdded(QString &path);
    void fileEdit(QString &path);

public slots:
    void prevline();
    void nextline();
    void prevpage();
    void nextpage();
    void foldhd();
    void foldusb();
    void showFile();
    void setParameter(double angle, double kerfWidth, int mirror);
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void localAcc();
    void usbAcc();
    void setPreview(int on);
    void setComp(int on);
    void keyShow();
    void keyHide();
    void openFile();
    void addFile();
    void editFile();
    void search();
    void searchText(QString text);

private:
    KPreviewSimu *view() const;
    void moveTo(int row);
    void openChooser(QFileDialog *&dialog, const QString &title, const QString &folder, const char *accept);
    // The cutting parse of the selected file for the overlay, bracketed so
    // that cutSegments and t.nc are as they were when it returns.
    void compensatedParse();

    // The overlay's records, and the cutting table kept while the cutting
    // parse borrows it.
    std::vector<SegmentRecord> compensated;
    std::vector<SegmentRecord> keptCut;
    // The view lives in a sibling frame, which may go before the list.
    QPointer<KPreviewSimu> overlayView;
};

#endif
