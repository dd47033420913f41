#include "thc/KTHCConfig.h"

#include "app/base/KButton.h"
#include "config/ConfigValue.h"
#include "thc/ThcNumber.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

KTHCConfig::KTHCConfig(const QString &name, QWidget *parent)
    : KTHCPage(450, 580, parent)
{
    const QString zero = ConfigValue::number(0.0);
    const QString mm = QStringLiteral("mm");
    const QString percent = QStringLiteral("%");

    // Rows of one height in mm; rows of a height in mm and as a percentage of its reference.
    auto heightRow = [&](const QString &label, int labelX, int y, QLineEdit *&edit) {
        addLabel(label, labelX, y + 5);
        edit = addEdit(zero, 200, y, 100);
        addLabel(mm, 310, y + 5);
        return addRowButton(name, 370, y - 10);
    };
    auto percentRow = [&](const QString &label, int labelX, int y, QLineEdit *&percentEdit, QLineEdit *&edit) {
        addLabel(label, labelX, y + 5);
        percentEdit = addEdit(zero, 200, y, 100);
        addLabel(percent, 310, y + 5);
        edit = addEdit(QString::number(0), 350, y, 100);
        addLabel(mm, 460, y + 5);
        return addRowButton(name, 520, y - 10);
    };
    takeDistAllButton = heightRow(tr("割炬顶部高度:"), 80, 80, distAllEdit);
    takeDistDWButton = percentRow(tr("起始定位高度:"), 80, 140, distDWPercentEdit, distDWEdit);
    takeDistXHButton = percentRow(tr("熄弧升起高度:"), 80, 200, distXHPercentEdit, distXHEdit);
    addLine(265);
    takeDistYHButton = heightRow(tr("等离子引弧高度:"), 65, 300, distYHEdit);
    takeDistCKButton = percentRow(tr("等离子穿孔高度:"), 65, 360, distCKPercentEdit, distCKEdit);
    takeDistCutButton = percentRow(tr("等离子切割高度:"), 65, 420, distCutPercentEdit, distCutEdit);
    addLine(485);

    addLabel(tr("调高方式:"), 112, 525);
    autoRadio = new QRadioButton(tr(" 自动"), this);
    autoRadio->setGeometry(200, 520, 100, 30);
    autoRadio->setChecked(true);
    manuRadio = new QRadioButton(tr(" 手动"), this);
    manuRadio->setGeometry(300, 520, 100, 30);

    hynLabel = addLabel(tr("弧压调整精度: -"), 80, 585);
    hynEdit = addEdit(zero, 210, 580, 80);
    rangeLabel = addLabel(tr("~  +"), 300, 585);
    hypEdit = addEdit(zero, 350, 580, 80);
    hypUnitLabel = addLabel(QStringLiteral("Volts"), 440, 585);

    stdVoltLabel = addLabel(tr("标准弧压:"), 112, 645);
    stdVoltEdit = addEdit(zero, 200, 640, 90);
    stdVoltEdit->setReadOnly(true);
    stdVoltUnitLabel = addLabel(QStringLiteral("Volts"), 300, 645);

    auto action = [this](const QString &text, int x) {
        auto *button = new KButton(this);
        button->setText(text);
        button->setGeometry(x, 700, 120, 80);
        return button;
    };
    measureButton = action(tr("测量顶部高度"), 80);
    goTopButton = action(tr("回顶部"), 240);
    testDWButton = action(tr("定位测试"), 400);
    testTHCButton = action(tr("弧压测试"), 550);

    clearText();
    resetValues();

    connect(distAllEdit, &QLineEdit::textChanged, this, &KTHCConfig::setDistAllp);
    connect(distDWEdit, &QLineEdit::textChanged, this, &KTHCConfig::setDistDWp);
    connect(distDWPercentEdit, &QLineEdit::editingFinished, this, &KTHCConfig::setDistDW);
    connect(distXHEdit, &QLineEdit::textChanged, this, &KTHCConfig::setDistXHp);
    connect(distXHPercentEdit, &QLineEdit::editingFinished, this, &KTHCConfig::setDistXH);
    connect(distYHEdit, &QLineEdit::textChanged, this, &KTHCConfig::setDistYHp);
    connect(distCKEdit, &QLineEdit::textChanged, this, &KTHCConfig::setDistCKp);
    connect(distCKPercentEdit, &QLineEdit::editingFinished, this, &KTHCConfig::setDistCK);
    connect(distCutEdit, &QLineEdit::textChanged, this, &KTHCConfig::setDistCutp);
    connect(distCutPercentEdit, &QLineEdit::editingFinished, this, &KTHCConfig::setDistCut);
    connect(autoRadio, &QRadioButton::clicked, this, &KTHCConfig::setModeAuto);
    connect(manuRadio, &QRadioButton::clicked, this, &KTHCConfig::setModeManu);
}

KButton *KTHCConfig::addRowButton(const QString &name, int x, int y)
{
    auto *button = new KButton(this);
    button->setText(name);
    button->setGeometry(x, y, 85, 50);
    return button;
}

void KTHCConfig::addLine(int y)
{
    auto *line = new QFrame(this);
    line->setGeometry(40, y, 600, 5);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
}

void KTHCConfig::resetValues()
{
    distAll = distDW = distXH = distYH = distCK = distCut = HYN = HYP = 0.0;
    mode = 1;
}

void KTHCConfig::setDistAllp(const QString &text)
{
    const double all = ConfigValue::toDouble(text);
    distDWPercentEdit->setText(ThcNumber::ratio(ConfigValue::toDouble(distDWEdit->text()) * 100 / all, all));
    distXHPercentEdit->setText(ThcNumber::ratio(ConfigValue::toDouble(distXHEdit->text()) * 100 / all, all));
}

void KTHCConfig::setDistDWp(const QString &text)
{
    const double all = ConfigValue::toDouble(distAllEdit->text());
    distDWPercentEdit->setText(ThcNumber::ratio(ConfigValue::toDouble(text) / all * 100, all));
}

void KTHCConfig::setDistXHp(const QString &text)
{
    const double all = ConfigValue::toDouble(distAllEdit->text());
    distXHPercentEdit->setText(ThcNumber::ratio(ConfigValue::toDouble(text) / all * 100, all));
}

void KTHCConfig::setDistYHp(const QString &text)
{
    const double yh = ConfigValue::toDouble(text);
    distCKPercentEdit->setText(ThcNumber::ratio(ConfigValue::toDouble(distCKEdit->text()) * 100 / yh, yh));
    distCutPercentEdit->setText(ThcNumber::ratio(ConfigValue::toDouble(distCutEdit->text()) * 100 / yh, yh));
}

void KTHCConfig::setDistCKp(const QString &text)
{
    const double yh = ConfigValue::toDouble(distYHEdit->text());
    distCKPercentEdit->setText(ThcNumber::ratio(ConfigValue::toDouble(text) / yh * 100, yh));
}

void KTHCConfig::setDistCutp(const QString &text)
{
    const double yh = ConfigValue::toDouble(distYHEdit->text());
    distCutPercentEdit->setText(ThcNumber::ratio(ConfigValue::toDouble(text) / yh * 100, yh));
}

void KTHCConfig::takePercent(QLineEdit *mm, QLineEdit *percent, QLineEdit *reference)
{
    // Without a reference height there are no millimetres to compute: keep them.
    const double ref = ConfigValue::toDouble(reference->text());
    if (ref == 0.0)
        return;
    const QString text = ThcNumber::ratio(ConfigValue::toDouble(percent->text()) / 100 * ref, ref);
    if (!text.isEmpty())
        mm->setText(text);
}

void KTHCConfig::setDistDW()
{
    takePercent(distDWEdit, distDWPercentEdit, distAllEdit);
}

void KTHCConfig::setDistXH()
{
    takePercent(distXHEdit, distXHPercentEdit, distAllEdit);
}

void KTHCConfig::setDistCK()
{
    takePercent(distCKEdit, distCKPercentEdit, distYHEdit);
}

void KTHCConfig::setDistCut()
{
    takePercent(distCutEdit, distCutPercentEdit, distYHEdit);
}

void KTHCConfig::setArcVoltageEnabled(bool on)
{
    for (QWidget *w : std::initializer_list<QWidget *>{hynEdit, hypEdit, hynLabel, rangeLabel, hypUnitLabel,
                                                       stdVoltEdit, stdVoltLabel, stdVoltUnitLabel, testTHCButton})
        w->setEnabled(on);
}

void KTHCConfig::setModeAuto()
{
    setArcVoltageEnabled(true);
}

void KTHCConfig::setModeManu()
{
    setArcVoltageEnabled(false);
}
