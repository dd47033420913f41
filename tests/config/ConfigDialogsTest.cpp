#include "GuiTest.h"
#include "app/base/KButton.h"
#include "config/KConfigBase.h"
#include "config/KConfigCut.h"
#include "config/KConfigDLZ.h"
#include "config/KConfigFire.h"
#include "config/KConfigLaser.h"
#include "config/KConfigPF.h"
#include "config/KConfigTorch.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<QDialog> make(const QString &which)
{
    if (which == "cut")
        return std::make_unique<KConfigCut>(nullptr);
    if (which == "base")
        return std::make_unique<KConfigBase>(nullptr);
    if (which == "fire")
        return std::make_unique<KConfigFire>(nullptr);
    if (which == "pf")
        return std::make_unique<KConfigPF>(nullptr);
    if (which == "dlz")
        return std::make_unique<KConfigDLZ>(nullptr);
    if (which == "laser")
        return std::make_unique<KConfigLaser>(nullptr);
    return std::make_unique<KConfigTorch>(nullptr);
}

QStringList labelTexts(const QWidget *w)
{
    QStringList texts;
    for (const QLabel *l : w->findChildren<QLabel *>()) {
        if (!l->text().isEmpty())
            texts << l->text();
    }
    return texts;
}

} // namespace

class ConfigDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(icons);
        // The lock's own 100 ms are pinned by KButtonTest; here it only
        // paces the keys.
        KButton::setLockInterval(1);
    }
    void init() { QVERIFY(GuiTest::waitClickLockFree()); }

    void frame_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("cut") << "cut" << QRect(280, 100, 600, 320) << QStringList({"速度参数:"})
                             << QStringList({"[&1] 工作速:", "[24~14000] mm/min -- 切割速度。",
                                             "[&2] 移动速:", "[24~14000] mm/min -- 空走速度。",
                                             "[&3] 转角速:", "[300~1000] mm/min -- 转角时的最低运行速度。"});
        QTest::newRow("base") << "base" << QRect(280, 100, 730, 510) << QStringList({"加工钢板参数:", "图形参数:"})
                              << QStringList({"[&1] 钢板长度:", " 毫米 -- X轴方向尺寸",
                                              "[&2] 钢板宽度:", " 毫米 -- Y轴方向尺寸",
                                              "[&3] 校正角:", "[-45~45] 度 -- 亦可通过<钢板整直>获取该值",
                                              "[&4] 起始位置:", "[&5] 镜像:", "[&6] 旋转角度:",
                                              "[-180~180] 度 -- 角度为正,图形逆时针旋转; 角度为负,图形顺时针旋转",
                                              "[&7] 补偿量:", "[0~20] 毫米 -- 割缝的宽度,对应切割指令中的补偿命令",
                                              "[&8] 整圆精度:", "[10~100] "});
        QTest::newRow("fire")
            << "fire" << QRect(280, 100, 740, 450) << QStringList({"火焰参数:"})
            << QStringList(
                   {"[&1] 延 时:", "[0~200] 秒 -- 预热时间。", "[&2] 点 火:", "[0~5] 秒 -- 点火时间。",
                    "[&3] 穿 孔:", "[0~10] 秒 -- 三级穿孔阀及快氧阀连续打开总时间或打开快氧阀慢走３毫米所需时间。",
                    "[&4] 穿孔升:", "[0~3] 秒 -- 穿孔前割炬上升时间。提示: 穿孔升应大于或等于穿孔降",
                    "[&5] 穿孔降:", "[0~3] 秒 -- 穿孔后割炬下降时间, 自动升降有效时应设为０。",
                    "[&6] 关氧升:", "[0~10] 秒 -- 关闭氧气后割炬上升时间。提示: 关氧升应大于或等于定位降",
                    "[&7] 定位降:", "[0~10] 秒 -- 预热打开前割炬下降时间。", "[&8] 三级穿孔:"});
        QTest::newRow("pf") << "pf" << QRect(280, 100, 700, 280) << QStringList({"喷粉参数:"})
                            << QStringList({"[&1] 点 火:", "[0~5] 秒 -- 点火时间。", "[&2] 关氧升:",
                                            "[0~10] 秒 -- 关闭氧气后割炬上升时间。提示: 关氧升应大于或等于定位降",
                                            "[&3] 定位降:", "[0~10] 秒 -- 预热打开前割炬下降时间。",
                                            "[&4] 喷粉位移: X方向[mm]", "Y方向[mm]"});
        QTest::newRow("dlz") << "dlz" << QRect(280, 100, 700, 400) << QStringList({"等离子参数:"})
                             << QStringList({"[&1] 引 弧:", "[0~10] 秒 -- 最大引弧时间,引弧成功后中断。",
                                             "[&2] 穿 孔:", "[0~20] 秒 -- 引弧成功后的穿孔时间。",
                                             "[&3] 熄弧升:", "[0~10] 秒 -- 关闭等离子后割炬上升时间。",
                                             "[&4] 定位升:", "[0~10] 秒 -- 等离子定位后割炬上升时间。(碰撞式)",
                                             "[&5] 定位降:", "[0~10] 秒 -- 等离子定位时割炬下降时间。(电容式)",
                                             "[&6] 定位方式:"});
        QTest::newRow("laser") << "laser" << QRect(280, 100, 600, 280) << QStringList({"激光位置参数:"})
                               << QStringList({"[&1] X位移:", "mm", "[&2] Y位移:", "mm"});
        QTest::newRow("torch") << "torch" << QRect(300, 250, 880, 210) << QStringList({"割炬选通:"}) << QStringList();
    }
    void frame()
    {
        QFETCH(QString, which);
        QFETCH(QRect, geometry);
        QFETCH(QStringList, groups);
        QFETCH(QStringList, labels);
        auto d = make(which);
        QCOMPARE(d->windowTitle(), QString("参数设置"));
        QCOMPARE(d->geometry(), geometry);
        QVERIFY(!d->isVisible());
        if (which == "torch") {
            QCOMPARE(d->font().pointSize(), 11);
            QCOMPARE(d->font().weight(), 75);
        } else {
            QCOMPARE(d->font().family(), QString("WenQuanYi Bitmap Song"));
            QCOMPARE(d->font().pointSize(), 10);
        }
        QStringList titles;
        for (const QGroupBox *g : d->findChildren<QGroupBox *>())
            titles << g->title();
        QCOMPARE(titles, groups);
        QCOMPARE(labelTexts(d.get()).mid(0, labels.size()), labels);
        for (const QLineEdit *e : d->findChildren<QLineEdit *>())
            QVERIFY2(e->text().isEmpty() && e->size() == QSize(100, 25), qPrintable(e->objectName()));

        auto *ok = d->findChild<QPushButton *>("okButton");
        auto *cancel = d->findChild<QPushButton *>("cancelButton");
        QVERIFY(ok && cancel);
        QCOMPARE(ok->shortcut(), QKeySequence(Qt::Key_Return));
        QCOMPARE(cancel->shortcut(), QKeySequence(Qt::Key_Escape));
        if (which != "torch") {
            QVERIFY(qobject_cast<KButton *>(ok));
            QCOMPARE(ok->text(), QString(" 确定 "));
            QCOMPARE(cancel->text(), QString(" 取消 "));
            QCOMPARE(ok->iconSize(), QSize(24, 24));
            QVERIFY(!ok->icon().isNull());
            QCOMPARE(cancel->geometry().topLeft() - ok->geometry().topLeft(), QPoint(120, 0));
            const QMap<QString, int> okY = {{"cut", 260}, {"base", 450}, {"fire", 390},
                                            {"pf", 220},  {"dlz", 340},  {"laser", 220}};
            QCOMPARE(ok->geometry(), QRect(20, okY.value(which), 100, 40));
        } else {
            QCOMPARE(ok->text(), QString("    确定"));
            QCOMPARE(ok->geometry(), QRect(580, 150, 100, 40));
            QVERIFY(!ok->findChild<QLabel *>()->pixmap(Qt::ReturnByValue).isNull());
        }
    }

    void mnemonicsReturnAndEscape_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("buddies");
        QTest::newRow("cut") << "cut" << QStringList({"cutspeedEdit", "topspeedEdit", "lowSpeedEdit"});
        QTest::newRow("base") << "base"
                              << QStringList({"sheetXEdit", "sheetYEdit", "angelEdit", "rightBottomRadio",
                                              "noMirrorRadio", "rotateEdit", "compEdit", "preciEdit"});
        QTest::newRow("fire") << "fire"
                              << QStringList({"delayEdit", "dfEdit", "ckEdit", "ckUpEdit", "ckDownEdit", "oxoffUpEdit",
                                              "dwDownEdit", "ck3YesRadio"});
        QTest::newRow("pf") << "pf" << QStringList({"dfEdit", "oxoffUpEdit", "dwDownEdit", "moveXEdit"});
        QTest::newRow("dlz") << "dlz"
                             << QStringList(
                                    {"yhEdit", "delayEdit", "arcOffUpEdit", "dwUpEdit", "dwDownEdit", "pzRadio"});
        QTest::newRow("laser") << "laser" << QStringList({"xEdit", "yEdit"});
    }
    void mnemonicsReturnAndEscape()
    {
        QFETCH(QString, which);
        QFETCH(QStringList, buddies);
        auto d = make(which);
        QVERIFY(GuiTest::activate(d.get()));
        for (int n = 0; n < buddies.size(); ++n) {
            QTest::keyClick(d.get(), Qt::Key(Qt::Key_1 + n), Qt::AltModifier);
            QVERIFY(d->focusWidget());
            QCOMPARE(d->focusWidget()->objectName(), buddies.at(n));
        }
        // A ninth mnemonic does not exist: the focus stays.
        QTest::keyClick(d.get(), Qt::Key_9, Qt::AltModifier);
        QCOMPARE(d->focusWidget()->objectName(), buddies.last());

        QSignalSpy accepted(d.get(), SIGNAL(accepted()));
        QSignalSpy rejected(d.get(), SIGNAL(rejected()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        WAIT_COMPARE(accepted.count(), 1);
        QVERIFY(!d->isVisible());
        // Whatever else the key was going to click has clicked: one acceptance.
        QVERIFY(GuiTest::settle(d.get()));
        QCOMPARE(accepted.count(), 1);

        QVERIFY(GuiTest::activate(d.get()));
        QTest::keyClick(d.get(), Qt::Key_Escape);
        WAIT_COMPARE(rejected.count(), 1);
        QCOMPARE(accepted.count(), 1);
        QVERIFY(!d->isVisible());
    }

    void tabMovesAmongTheFieldsOnly()
    {
        KConfigPF d(nullptr);
        QVERIFY(GuiTest::activate(&d));
        d.dfEdit->setFocus();
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"oxoffUpEdit", "dwDownEdit", "moveXEdit", "moveYEdit", "dfEdit"}));
    }

    void tabFollowsTheRows_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("cut") << "cut" << QStringList({"cutspeedEdit", "topspeedEdit", "lowSpeedEdit"});
        QTest::newRow("dlz") << "dlz"
                             << QStringList(
                                    {"yhEdit", "delayEdit", "arcOffUpEdit", "dwUpEdit", "dwDownEdit", "pzRadio"});
        QTest::newRow("laser") << "laser" << QStringList({"xEdit", "yEdit"});
    }
    void tabFollowsTheRows()
    {
        QFETCH(QString, which);
        QFETCH(QStringList, order);
        auto d = make(which);
        QVERIFY(GuiTest::activate(d.get()));
        d->findChild<QWidget *>(order.first())->setFocus();
        QStringList seen = {QApplication::focusWidget()->objectName()};
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, order + QStringList({order.first()}));
    }

    void validators_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stands");
        QTest::newRow("speed above top refused") << "cut"
                                                 << "topspeedEdit"
                                                 << "15000"
                                                 << "1500";
        QTest::newRow("corner speed above top") << "cut"
                                                << "lowSpeedEdit"
                                                << "1500"
                                                << "150";
        QTest::newRow("speed below hint stands") << "cut"
                                                 << "cutspeedEdit"
                                                 << "10"
                                                 << "10";
        QTest::newRow("no minus in speeds") << "cut"
                                            << "cutspeedEdit"
                                            << "-24"
                                            << "24";
        QTest::newRow("precision above top") << "base"
                                             << "preciEdit"
                                             << "150"
                                             << "15";
        QTest::newRow("precision below bottom stands") << "base"
                                                       << "preciEdit"
                                                       << "5"
                                                       << "5";
        QTest::newRow("no minus in plate size") << "base"
                                                << "sheetXEdit"
                                                << "-50"
                                                << "50";
        QTest::newRow("no minus in kerf") << "base"
                                          << "compEdit"
                                          << "-1"
                                          << "1";
        QTest::newRow("angle: minus, two decimals") << "base"
                                                    << "angelEdit"
                                                    << "-44.125"
                                                    << "-44.12";
        QTest::newRow("rotation negative") << "base"
                                           << "rotateEdit"
                                           << "-180"
                                           << "-180";
        QTest::newRow("flame one decimal") << "fire"
                                           << "dfEdit"
                                           << "2.55"
                                           << "2.5";
        QTest::newRow("flame above range stands") << "fire"
                                                  << "delayEdit"
                                                  << "250"
                                                  << "250";
        QTest::newRow("flame no minus") << "fire"
                                        << "ckEdit"
                                        << "-3"
                                        << "3";
        QTest::newRow("powder offset negative") << "pf"
                                                << "moveXEdit"
                                                << "-12"
                                                << "-12";
        QTest::newRow("powder offset no point") << "pf"
                                                << "moveYEdit"
                                                << "1.5"
                                                << "15";
        QTest::newRow("powder time one decimal") << "pf"
                                                 << "dwDownEdit"
                                                 << "0.25"
                                                 << "0.2";
        QTest::newRow("plasma no minus") << "dlz"
                                         << "delayEdit"
                                         << "-2"
                                         << "2";
        QTest::newRow("laser negative") << "laser"
                                        << "xEdit"
                                        << "-5"
                                        << "-5";
        QTest::newRow("laser no letters or point") << "laser"
                                                   << "yEdit"
                                                   << "1a.2"
                                                   << "12";
        // A group separator would make the text read as 0 on acceptance.
        QTest::newRow("no group separator in speeds") << "cut"
                                                      << "topspeedEdit"
                                                      << "1,500"
                                                      << "1500";
        QTest::newRow("no group separator in plate size") << "base"
                                                          << "sheetYEdit"
                                                          << "4,000"
                                                          << "4000";
        QTest::newRow("no decimal comma in times") << "fire"
                                                   << "delayEdit"
                                                   << "1,5"
                                                   << "15";
        QTest::newRow("no group separator in angles") << "base"
                                                      << "rotateEdit"
                                                      << "-1,5"
                                                      << "-15";
        QTest::newRow("no group separator in offsets") << "laser"
                                                       << "xEdit"
                                                       << "-1,000"
                                                       << "-1000";
    }
    void validators()
    {
        QFETCH(QString, which);
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, stands);
        auto d = make(which);
        d->show();
        auto *e = d->findChild<QLineEdit *>(edit);
        QVERIFY(e);
        QTest::keyClicks(e, typed);
        QCOMPARE(e->text(), stands);
    }

    // Every plasma time takes no minus sign; the pierce time is accepted up
    // to 20 s, every other time up to 10 s.
    void plasmaTimes_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("top");
        QTest::newRow("arc start") << "yhEdit"
                                   << "10";
        QTest::newRow("pierce") << "delayEdit"
                                << "20";
        QTest::newRow("rise after the arc") << "arcOffUpEdit"
                                            << "10";
        QTest::newRow("positioning rise") << "dwUpEdit"
                                          << "10";
        QTest::newRow("positioning fall") << "dwDownEdit"
                                          << "10";
    }
    void plasmaTimes()
    {
        QFETCH(QString, edit);
        QFETCH(QString, top);
        KConfigDLZ d(nullptr);
        d.show();
        auto *e = d.findChild<QLineEdit *>(edit);
        QVERIFY(e);
        QTest::keyClicks(e, "-" + top);
        QCOMPARE(e->text(), top);
        QVERIFY(e->hasAcceptableInput());
        QTest::keyClicks(e, ".1");
        QCOMPARE(e->text(), top + ".1");
        QVERIFY(!e->hasAcceptableInput());
    }

    void plasmaPositioningEnabling()
    {
        KConfigDLZ d(nullptr);
        QVERIFY(d.pzRadio->isChecked());
        QVERIFY(d.dwUpEdit->isEnabled() && d.dwDownEdit->isEnabled());
        d.show();
        d.dwUpEdit->setText("3");
        QTest::mouseClick(d.dyRadio, Qt::LeftButton);
        QVERIFY(d.dyRadio->isChecked());
        QVERIFY(!d.dwUpEdit->isEnabled());
        QVERIFY(d.dwDownEdit->isEnabled());
        QCOMPARE(d.dwUpEdit->text(), QString("3"));
        QTest::mouseClick(d.pzRadio, Qt::LeftButton);
        QVERIFY(d.dwUpEdit->isEnabled());
        QVERIFY(!d.dwDownEdit->isEnabled());
        d.setModeDY();
        QVERIFY(d.pzRadio->isChecked()); // the slots leave the buttons alone
        QVERIFY(!d.dwUpEdit->isEnabled());
    }

    void torchTiles()
    {
        KConfigTorch d(nullptr);
        const QList<QCheckBox *> boxes = {d.torchBox1, d.torchBox2, d.torchBox3, d.torchBox4, d.torchBox5, d.powderBox};
        for (QCheckBox *b : boxes)
            QVERIFY(!b->isChecked());
        QVERIFY(!d.torchButton5->isEnabled() && d.torchButton5->isHidden());
        QVERIFY(!d.powderButton->isEnabled() && d.powderButton->isHidden());
        d.show();
        QVERIFY(!d.torchButton5->isVisible() && !d.powderButton->isVisible());
        for (QPushButton *t : {d.torchButton1, d.torchButton2, d.torchButton3, d.torchButton4, d.okButton})
            QVERIFY(t->isVisible() && t->isEnabled());
        QCOMPARE(d.torchButton2->geometry(), QRect(150, 30, 110, 66));
        QCOMPARE(d.torchBox2->pos(), QPoint(20, 20));

        const QPoint outside(100, 58);
        QVERIFY(!d.torchBox1->geometry().contains(outside));
        QTest::mousePress(d.torchButton1, Qt::LeftButton, {}, outside);
        QVERIFY(d.torchBox1->isChecked()); // on the press, not the release
        QTest::mouseRelease(d.torchButton1, Qt::LeftButton, {}, outside);
        QTest::mouseClick(d.torchButton3, Qt::LeftButton, {}, outside);
        QVERIFY(d.torchBox1->isChecked() && d.torchBox3->isChecked());

        QTest::mouseClick(d.torchButton2, Qt::LeftButton, {}, outside);
        QTest::mouseClick(d.torchButton2, Qt::LeftButton, {}, outside);
        QVERIFY(!d.torchBox2->isChecked());
        QTest::mouseClick(d.torchButton2, Qt::LeftButton, {}, outside);
        QTest::mouseClick(d.torchBox2, Qt::LeftButton);
        QVERIFY(!d.torchBox2->isChecked());

        d.t6Selected();
        QVERIFY(d.powderBox->isChecked());
        QVERIFY(!d.torchBox1->isChecked() && !d.torchBox3->isChecked());
        d.t1Selected();
        QVERIFY(d.torchBox1->isChecked() && d.powderBox->isChecked());
        d.t6Selected();
        QVERIFY(!d.powderBox->isChecked() && d.torchBox1->isChecked());
        d.b6Selected();
        QVERIFY(d.torchBox1->isChecked());
    }
};

QTEST_MAIN(ConfigDialogsTest)
#include "ConfigDialogsTest.moc"
