#ifndef KMENUFILE_H
#define KMENUFILE_H

#include <QString>
#include <QWidget>

class KButton;
class QCheckBox;

// The file page: the key row the top menu's file key leads to. It keeps the
// name of the program loaded for cutting so F4 can load it again, and turns
// its F6 check box into the code list's merge switch. The other keys only
// carry their clicks; the main window wires them, and enables, relabels and
// re-roles keys itself, so the members are public.
class KMenuFile : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuFile(QWidget *parent);

    KButton *escButton;        // Esc, clicked()
    KButton *openButton;       // F1 "打开文件", kclicked()
    KButton *editorButton;     // F2 "编辑器", kclicked()
    KButton *editPartButton;   // F7 "编辑部件", kclicked()
    KButton *copyButton;       // F3 "复制与删除", kclicked()
    KButton *reloadButton;     // F4 "刷新文件", clicked() -> reloadFile()
    KButton *startPointButton; // F8 "移至起点", kclicked()
    KButton *mergeButton;      // F6, clicked() -> combiSelected()
    KButton *newFileButton;    // F5 "切换新文件", kclicked()
    QCheckBox *mergeBox;       // "合并部件" inside mergeButton
    QString currentFile;       // the program loaded for cutting; "" at first

signals:
    // Passes currentFile itself: a receiver keeps a copy, not the reference.
    void fileOpened(QString &name);
    void combiChanged(int on);

public slots:
    void setCurrentFile(QString name);
    void reloadFile();
    void combiSelected();
    void combiChange(int state);
};

#endif
