#ifndef KEDITOR_H
#define KEDITOR_H

#include "app/base/FileError.h"
#include "files/EditorText.h"

#include <QList>
#include <QString>
#include <QTableWidget>

class KBLDialog;
class KEditSimu;
class KEditorName;
class KEditorSimuFrame;
class KMenuEditor1;
class Parser;
class QFileDialog;
class QTextEdit;

// The NC program editor page. The table (table mode) shows the program as the
// editor's parser normalised it into e.nc, one line per row; the text view
// (text mode) shows the file as read; the path view draws editSegments. The
// three agree right after a load, an apply (F5) and a new program; saving
// always writes the text view's text. A load made while the page is hidden
// fills the rows and the path when the page is shown, and the text view when
// it is shown or its text is saved.
//
// The companions (text view, path frame, name bar, key row, scale dialog) are
// children of the editor's own parent, placed in its coordinates; the main
// window shows and hides them with the page.
class KEditor : public QTableWidget
{
    Q_OBJECT
public:
    explicit KEditor(QWidget *parent);
    ~KEditor() override;

    KEditorSimuFrame *simuFrame;
    KEditorName *nameFrame;
    KMenuEditor1 *menuEditor;
    QTextEdit *textEdit;
    KBLDialog *blDialog;

    KEditSimu *editSimu() const;
    Parser *parser() const;

    void setRows(int n);
    // Writes the text view's text to fileName, every byte or nothing; on
    // success the file becomes the edited one.
    bool writeFile(const QString &fileName);
    // Fills the rows from e.nc; the row count stays as it is.
    void loadEditFile();
    // Asks whether typed changes are to be saved; false: stay.
    bool maybeSave();

    int editorMode() const { return mode; }
    QString currentFile() const { return curFile; }
    bool untitled() const { return isUntitled; }
    bool textModified() const { return modified; }
    QList<int> selectedRowList() const { return selectedRows; }
    QFileDialog *openFileDialog() const { return openDialog; }
    QFileDialog *saveFileDialog() const { return saveDialog; }

signals:
    void editorModeChanged(int mode);

public slots:
    void setSelectedItems();
    void prevline();
    void nextline();
    void prevpage();
    void nextpage();
    void addRowp();
    void addRown();
    void editRow();
    void delRows();
    // Apply: the table's rows to e.nc, parsed again, drawn, and into the
    // text view. False when e.nc could not be written or read back.
    bool saveTempFile();
    void setSelectionMethod(int method);
    void clearSel();
    void setCurrentFile(const QString &name);
    // Loads a file into every view. A file that cannot be read, or that is
    // too long for the table, changes nothing and returns false; quiet
    // reports it as a log line instead of a box.
    bool loadFile(const QString &fileName, bool quiet = false);
    // An empty, untitled program; what was shown is dropped without a
    // question.
    void newFile();
    void showBL();
    void changeBL();
    void showEditor();
    void showText();
    void editorModeChange();

private slots:
    void openFile(const QString &path = QString());
    void openAcc();
    bool saveAcc();
    void documentWasModified();
    bool save();
    void saveAs();
    void editkeyShow();
    void editkeyHide();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Put what a load behind another page left undone into the views.
    void fillText();
    void fillRows();
    void catchUpLater();
    void catchUp();
    void dropPendingText();
    QByteArray readEditFile() const;
    // One row per line of e.nc's bytes, up to the first empty line.
    void setRowTexts(const QByteArray &bytes);
    bool parseEditFile(const QString &name, double ratio, bool quiet = false);
    QFileDialog *makeFileDialog(const QString &title, const QString &acceptText, int height);
    void showFileDialog(QFileDialog *dialog);
    void tell(const QString &text, bool quiet);
    void warnRead(const QString &name, const FileError &reason, bool quiet = false);
    void warnWrite(const QString &name, const FileError &reason, bool quiet = false);
    void redrawPath();

    QFileDialog *openDialog = nullptr;
    QFileDialog *saveDialog = nullptr;
    QList<int> selectedRows;
    QString curFile;
    bool modified = false;
    bool isUntitled = false;
    int mode = 0;
    // The codec and line ends of the edited file, for its saving.
    EditorText fileText;
    // The text of the last load while the text view still waits for it.
    QString pendingText;
    bool textPending = false;
    // e.nc as that load left it, while the rows wait for it.
    QByteArray pendingRows;
    bool rowsPending = false;
    bool pathPending = false;
    // Set while rows are removed in bulk: one refresh of the selection at
    // the end instead of one path redraw per removed row.
    bool holdSelection = false;
};

#endif
