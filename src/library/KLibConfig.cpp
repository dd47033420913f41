#include "library/KLibConfig.h"

#include "library/LibText.h"
#include "library/shapes/ShapeCatalogue.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidgetItem>

namespace {

// Radio order when the form is read: the first one that is on wins.
constexpr int kMirrorReadOrder[] = {2, 1, 3, 0};

QFrame *makeLine(QWidget *parent, int y)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
    line->setGeometry(5, y, 560, 5);
    return line;
}

} // namespace

KLibConfig::KLibConfig(QWidget *parent)
    : QWidget(parent)
{
    QFont f = font();
    f.setPointSize(10);
    setFont(f);

    makeLabel(QStringLiteral("X位移:"), 5, 8);
    offsetXEdit_ = makeEdit(QStringLiteral("0"), 52, 5);
    makeLabel(QStringLiteral("Y位移:"), 110, 8);
    offsetYEdit_ = makeEdit(QStringLiteral("0"), 157, 5);
    makeLabel(QStringLiteral("旋转角度[度]:"), 215, 8);
    angleEdit_ = makeEdit(QStringLiteral("0"), 305, 5);
    makeLabel(QStringLiteral("镜像:"), 370, 8);

    mirrorGroup_ = new QButtonGroup(this);
    mirrorGroup_->setExclusive(true);
    const struct {
        int mirror;
        const char *text;
        int x;
    } radios[] = {{0, "无", 410}, {2, "X", 450}, {1, "Y", 490}, {3, "XY", 530}};
    for (const auto &r : radios) {
        auto *radio = new QRadioButton(QString::fromUtf8(r.text), this);
        radio->move(r.x, 5);
        radio->adjustSize();
        mirrorGroup_->addButton(radio, r.mirror);
        mirrorRadios_[r.mirror] = radio;
        connect(radio, &QRadioButton::clicked, this, &KLibConfig::parameterChanged);
    }
    mirrorRadios_[0]->setChecked(true);

    makeLine(this, 33);
    makeLabel(QStringLiteral("X个数:"), 5, 48);
    countXEdit_ = makeEdit(QStringLiteral("1"), 52, 45);
    makeLabel(QStringLiteral("Y个数:"), 110, 48);
    countYEdit_ = makeEdit(QStringLiteral("1"), 157, 45);
    makeLabel(QStringLiteral("X间距:"), 215, 48);
    spaceXEdit_ = makeEdit(QStringLiteral("0"), 262, 45);
    makeLabel(QStringLiteral("Y间距:"), 320, 48);
    spaceYEdit_ = makeEdit(QStringLiteral("0"), 367, 45);
    makeLine(this, 73);

    for (int k = 0; k < PattenForm::FieldCount; ++k) {
        paramLabels_[k] = makeLabel(QString(QLatin1Char(char('a' + k))) + QLatin1Char(':'), 5 + 80 * k, 88);
        paramEdits_[k] = makeEdit(k == 0 ? QStringLiteral("10") : QString(), 20 + 80 * k, 85);
        paramLabels_[k]->setBuddy(paramEdits_[k]);
    }

    resize(575, 110);
    hideParameters();
    setShape(0);
    newLib();
}

QLabel *KLibConfig::makeLabel(const QString &text, int x, int y)
{
    auto *label = new QLabel(text, this);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit *KLibConfig::makeEdit(const QString &text, int x, int y)
{
    auto *edit = new QLineEdit(text, this);
    edit->setGeometry(x, y, 50, 20);
    connect(edit, &QLineEdit::returnPressed, this, &KLibConfig::parameterChanged);
    return edit;
}

void KLibConfig::setShape(int index)
{
    if (index < 0 || index > ShapeCatalogue::kLastIndex)
        return;
    if (index == 0) {
        paramLabels_[PattenForm::A]->hide();
        paramEdits_[PattenForm::A]->hide();
        return;
    }
    if (index == ShapeCatalogue::kGridIndex) {
        angleEdit_->setEnabled(false);
        for (QRadioButton *radio : mirrorRadios_)
            radio->setEnabled(false);
        spaceXEdit_->setEnabled(false);
        spaceYEdit_->setEnabled(false);
    }
    const ShapeEntry *entry = ShapeCatalogue::entry(index);
    if (!entry)
        return;
    for (int k = 0; k < 6; ++k) {
        if (!entry->defaults[k])
            continue;
        paramLabels_[PattenForm::B + k]->show();
        paramEdits_[PattenForm::B + k]->show();
        paramEdits_[PattenForm::B + k]->setText(QString::fromLatin1(entry->defaults[k]));
    }
}

void KLibConfig::hideParameters()
{
    for (int k = PattenForm::B; k < PattenForm::FieldCount; ++k) {
        paramLabels_[k]->hide();
        paramEdits_[k]->hide();
    }
}

void KLibConfig::resetPlacement()
{
    offsetXEdit_->setText(QStringLiteral("0"));
    offsetYEdit_->setText(QStringLiteral("0"));
    angleEdit_->setText(QStringLiteral("0"));
    mirrorRadios_[0]->setChecked(true);
    countXEdit_->setText(QStringLiteral("1"));
    countYEdit_->setText(QStringLiteral("1"));
    spaceXEdit_->setText(QStringLiteral("0"));
    spaceYEdit_->setText(QStringLiteral("0"));
    paramLabels_[PattenForm::A]->show();
    paramEdits_[PattenForm::A]->show();
    paramEdits_[PattenForm::A]->setText(QStringLiteral("10"));
}

PattenForm KLibConfig::formState() const
{
    PattenForm form;
    for (int k = 0; k < PattenForm::FieldCount; ++k)
        form.param[k] = paramEdits_[k]->text();
    form.offsetX = offsetXEdit_->text();
    form.offsetY = offsetYEdit_->text();
    form.angle = angleEdit_->text();
    form.countX = countXEdit_->text();
    form.countY = countYEdit_->text();
    form.spaceX = spaceXEdit_->text();
    form.spaceY = spaceYEdit_->text();
    form.mirror = -1;
    for (int mirror : kMirrorReadOrder) {
        if (mirrorRadios_[mirror]->isChecked()) {
            form.mirror = mirror;
            break;
        }
    }
    return form;
}

double KLibConfig::getAngel() const
{
    return LibText::number(angleEdit_->text());
}

int KLibConfig::getMirror() const
{
    const int mirror = formState().mirror;
    return mirror < 0 ? 0 : mirror;
}

bool KLibConfig::addPattenType(int type)
{
    return list_.add(type, formState());
}

bool KLibConfig::addPatten(QTableWidgetItem *item)
{
    if (!item)
        return false;
    return addPattenType(item->row() * 2 + item->column());
}

bool KLibConfig::updateTaken()
{
    const int before = refusals_;
    emit updateLib();
    return refusals_ == before;
}

void KLibConfig::backToShownLayout()
{
    ++refusals_;
    list_ = shown_;
    if (list_.current() >= 1)
        showIndex(list_.current());
}

bool KLibConfig::changePatten()
{
    list_.change(formState());
    return updateTaken();
}

bool KLibConfig::delPatten()
{
    list_.markDeleted();
    return updateTaken();
}

// After a swap the form re-selects by list row (earlier: the same place,
// later: two places on); the library page then makes the moved pattern current.
bool KLibConfig::earlierPatten()
{
    if (!list_.swapEarlier())
        return false;
    return setSelIndex(list_.current() - 1);
}

bool KLibConfig::laterPatten()
{
    if (!list_.swapLater())
        return false;
    return setSelIndex(list_.current() + 1);
}

void KLibConfig::newLib()
{
    list_.clear();
    emit updateLib();
}

bool KLibConfig::setSelIndex(int row)
{
    list_.selectRow(row);
    showIndex(list_.current());
    return updateTaken();
}

void KLibConfig::showIndex(int index)
{
    if (!PattenList::isRecord(index))
        return;
    // The catalogue answers this by resetting the form to the shape's fields,
    // so the record's values are written after it.
    emit selIndexShow(list_.at(index).type);
    const patten_t &r = list_.at(index);
    const int values[PattenForm::FieldCount] = {r.a, r.b, r.c, r.d, r.e, r.f, r.g};
    for (int k = 0; k < PattenForm::FieldCount; ++k)
        paramEdits_[k]->setText(LibText::millimetres(values[k]));
    offsetXEdit_->setText(LibText::millimetres(r.offsetX));
    offsetYEdit_->setText(LibText::millimetres(r.offsetY));
    spaceXEdit_->setText(LibText::millimetres(r.spaceX));
    spaceYEdit_->setText(LibText::millimetres(r.spaceY));
    angleEdit_->setText(LibText::general(r.angle));
    if (r.mirror >= 0 && r.mirror <= 3)
        mirrorRadios_[r.mirror]->setChecked(true);
    countXEdit_->setText(QString::number(r.countX));
    countYEdit_->setText(QString::number(r.countY));
}

void KLibConfig::stepEdit(QLineEdit *edit, double step)
{
    edit->setText(LibText::general(LibText::number(edit->text()) + step));
}

void KLibConfig::addX(double step)
{
    stepEdit(offsetXEdit_, step);
}

void KLibConfig::subX(double step)
{
    stepEdit(offsetXEdit_, -step);
}

void KLibConfig::addY(double step)
{
    stepEdit(offsetYEdit_, step);
}

void KLibConfig::subY(double step)
{
    stepEdit(offsetYEdit_, -step);
}

void KLibConfig::addAngel(double step)
{
    stepEdit(angleEdit_, step);
}

void KLibConfig::subAngel(double step)
{
    stepEdit(angleEdit_, -step);
}
