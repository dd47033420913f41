#ifndef KLIBCONFIG_H
#define KLIBCONFIG_H

#include "library/LibGenerator.h"
#include "library/PattenForm.h"
#include "library/PattenList.h"

#include <QWidget>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidgetItem;

// The library form: a pattern's parameters a..g, its placement (offsets,
// rotation, mirror) and its array (counts, spacings), at fixed places. It owns
// the pattern list and the k.nc generator and is where the library page, the
// catalogue and the main window reach both.
class KLibConfig : public QWidget
{
    Q_OBJECT
public:
    explicit KLibConfig(QWidget *parent = nullptr);

    // Shows the parameter fields of catalogue entry `index` (0 custom file,
    // n shape Kn) with their default texts; other indexes change nothing.
    void setShape(int index);
    // Hides the labels and edits b..g.
    void hideParameters();
    // Offsets, angle, mirror, counts and spacings to their start texts; a shown with "10".
    void resetPlacement();

    // Adds a pattern of `type` from the form; false (nothing changed) when the list is full.
    bool addPattenType(int type);

    int getPattenCount() const { return list_.count(); }
    int getFileIndex() const { return list_.at(list_.current()).fileNo; }
    // Custom-file size (0.01 mm; Y first) and end point for the pattern added next.
    void setFileSize(double sizeY, double sizeX) { list_.setNextFileSize(sizeY, sizeX); }
    void setFileEnd(int endX, int endY) { list_.setNextFileEnd(endX, endY); }
    void changeFileEnd(int endX, int endY) { list_.setSelectedFileEnd(endX, endY); }
    double getAngel() const;
    int getMirror() const;

    // The form as the list reads it.
    PattenForm formState() const;

    // The layout last written to k.nc and drawn. A layout that cannot be
    // written gives way to it: the patterns go back to it and the form shows
    // its selected pattern again.
    void keepShownLayout() { shown_ = list_; }
    void backToShownLayout();

    PattenList &pattens() { return list_; }
    const PattenList &pattens() const { return list_; }
    LibGenerator &generator() { return generator_; }

    // The controls, for the library table and for tests.
    QLineEdit *offsetXEdit() const { return offsetXEdit_; }
    QLineEdit *offsetYEdit() const { return offsetYEdit_; }
    QLineEdit *angleEdit() const { return angleEdit_; }
    QLineEdit *countXEdit() const { return countXEdit_; }
    QLineEdit *countYEdit() const { return countYEdit_; }
    QLineEdit *spaceXEdit() const { return spaceXEdit_; }
    QLineEdit *spaceYEdit() const { return spaceYEdit_; }
    QLineEdit *paramEdit(int field) const { return paramEdits_[field]; }
    QLabel *paramLabel(int field) const { return paramLabels_[field]; }
    // 0 "无", 1 "Y", 2 "X", 3 "XY".
    QRadioButton *mirrorRadio(int mirror) const { return mirrorRadios_[mirror]; }

public slots:
    bool addPatten(QTableWidgetItem *item);
    // These three and the two swaps are false when the layout they made
    // could not be written and went back (see backToShownLayout).
    bool changePatten();
    bool delPatten();
    bool earlierPatten();
    bool laterPatten();
    bool getEarlierIndexDel() const { return list_.nextDeleted(); }
    bool getLaterIndexDel() const { return list_.previousDeleted(); }
    void newLib();
    bool setSelIndex(int row);
    void showIndex(int index);
    QString getLibFileName() const { return list_.at(list_.current()).fileName; }
    void setLibFileName(const QString &name) { list_.at(list_.count()).fileName = name; }
    QString writeTempFile() { return generator_.writeTempFile(list_); }

    void addX(double step);
    void subX(double step);
    void addY(double step);
    void subY(double step);
    void addAngel(double step);
    void subAngel(double step);

signals:
    void parameterChanged();
    void updateLib();
    void selIndexShow(int type);

private:
    QLineEdit *makeEdit(const QString &text, int x, int y);
    QLabel *makeLabel(const QString &text, int x, int y);
    static void stepEdit(QLineEdit *edit, double step);
    // Emits updateLib; false when the layout went back meanwhile.
    bool updateTaken();

    QLineEdit *offsetXEdit_;
    QLineEdit *offsetYEdit_;
    QLineEdit *angleEdit_;
    QRadioButton *mirrorRadios_[4];
    QButtonGroup *mirrorGroup_;
    QLineEdit *countXEdit_;
    QLineEdit *countYEdit_;
    QLineEdit *spaceXEdit_;
    QLineEdit *spaceYEdit_;
    QLabel *paramLabels_[PattenForm::FieldCount];
    QLineEdit *paramEdits_[PattenForm::FieldCount];

    PattenList list_;
    PattenList shown_;
    int refusals_ = 0;
    LibGenerator generator_;
};

#endif
