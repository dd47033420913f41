#ifndef CONFIGDIALOGFRAME_H
#define CONFIGDIALOGFRAME_H

#include <QRect>
#include <QString>

class KButton;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// The frame the parameter dialogs share: title "参数设置" at (280, 100),
// the dialog font, numbered rows 40 pixels apart (label with the row's
// mnemonic, a 100 x 25 edit, a hint that opens with the range), and the
// OK / Cancel pair on Return and Escape. Fields get their member name as
// object name, so they can be found by it.
class ConfigDialogFrame
{
public:
    static void setupWindow(QDialog *dialog, int width, int height);
    static QGroupBox *group(QWidget *parent, const QString &title, const QRect &geometry);

    // Row n (from 1): label at (10, 33 + 40(n-1)), edit at (editX, 30 + 40(n-1)),
    // hint at (210, 33 + 40(n-1), hintWidth, 25) unless the hint is empty.
    static QLineEdit *editRow(QGroupBox *group, int row, const QString &label, const char *name, const QString &hint,
                              int labelWidth = 80, int hintWidth = 600);
    // The label of a row whose buddy is another widget (a radio button).
    static QLabel *rowLabel(QGroupBox *group, const QString &text, const QRect &geometry, QWidget *buddy);
    static QRadioButton *radio(QGroupBox *group, const QString &text, const char *name, const QRect &geometry);

    static void intRange(QLineEdit *edit, int bottom, int top);
    static void anyInt(QLineEdit *edit);
    static void doubleRange(QLineEdit *edit, double bottom, double top, int decimals);

    // OK at (20, y) and Cancel at (140, y), 100 x 40; their plain clicked()
    // ends the dialog, so the click lock never swallows them. Cancel only
    // hides the dialog: its fields keep what was typed or chosen, the next
    // showing presents it and the next save of config.xml, whatever causes
    // it, writes it.
    static void buttons(QDialog *dialog, int y);

private:
    static KButton *button(QDialog *dialog, const QString &text, const QString &icon, int x, int y, int key);
};

#endif
