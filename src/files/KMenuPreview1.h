#ifndef KMENUPREVIEW1_H
#define KMENUPREVIEW1_H

#include <QWidget>

class KButton;
class QCheckBox;

// Key row of the file browser. F4 has two forms, one visible at a time: open
// the file for cutting (entered from the file page) or add it to the part
// library (entered from the library). F5 and F6 are switches: F5 turns the
// preview on and off, F6 adds the kerf-compensated path and can be used only
// while the preview is on; turning the preview off leaves F6's box alone.
// F8 asks the browser for room to type; it is made disabled and stays so.
class KMenuPreview1 : public QWidget
{
    Q_OBJECT
public:
    explicit KMenuPreview1(QWidget *parent);

    // Shows the open form of F4 (true) or the add-part form (false).
    void setOpenForm(bool open);

    KButton *escButton;      // Esc, clicked(): wired by the main window on each entry
    KButton *localButton;    // F1 "本地文件", kclicked()
    KButton *usbButton;      // F2 "U盘文件", kclicked()
    KButton *editorButton;   // F3 "编辑器", kclicked()
    KButton *openButton;     // F4 "打 开", kclicked()
    KButton *addButton;      // F4 "增加零件", kclicked(); hidden at first
    KButton *keyboardButton; // F8, pressed()
    KButton *previewButton;  // F5, clicked()
    QCheckBox *previewBox;   // "图形预览"
    KButton *compButton;     // F6, clicked(); enabled exactly while previewBox is ticked
    QCheckBox *compBox;      // "显示补偿"

signals:
    void previewChanged(int on);
    void compChanged(int on);
    void keyShow();
    void keyHide();

public slots:
    void hideKeyboard();
    void showKeyboard();
    void previewSelected();
    void previewChange(int state);
    void compSelected();
    void compChange(int state);
};

#endif
