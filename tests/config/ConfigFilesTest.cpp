#include "TempWorkDir.h"
#include "WriteFault.h"
#include "config/ConfigDocument.h"
#include "config/ConfigFiles.h"
#include "config/KTHCXmlHandler.h"
#include "config/KXmlHandler.h"
#include "config/KXmlHandlerFile.h"
#include "config/ThcConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace {

// Every signal of a reader as one line "readX(name=value,...)", in order.
class Recorder
{
public:
    template <typename Handler, typename Signal> void on(Handler *h, Signal signal, const QString &name)
    {
        QObject::connect(h, signal, [this, name](const QXmlAttributes &atts) {
            QStringList pairs;
            for (int i = 0; i < atts.count(); ++i)
                pairs << atts.qName(i) + '=' + atts.value(i);
            lines << name + '(' + pairs.join(',') + ')';
        });
    }
    QStringList lines;
};

QStringList readConfig(const QString &path)
{
    Recorder r;
    KXmlHandler h(nullptr);
    r.on(&h, &KXmlHandler::readCut, "readCut");
    r.on(&h, &KXmlHandler::readBase, "readBase");
    r.on(&h, &KXmlHandler::readFire, "readFire");
    r.on(&h, &KXmlHandler::readPF, "readPF");
    r.on(&h, &KXmlHandler::readDLZ, "readDLZ");
    r.on(&h, &KXmlHandler::readLaser, "readLaser");
    r.on(&h, &KXmlHandler::readTorch, "readTorch");
    r.on(&h, &KXmlHandler::readBeamAngel, "readBeamAngel");
    r.on(&h, &KXmlHandler::readMode, "readMode");
    h.parseFile(path);
    return r.lines;
}

QStringList readFileConfig(const QString &path)
{
    Recorder r;
    KXmlHandlerFile h(nullptr);
    r.on(&h, &KXmlHandlerFile::readFile, "readFile");
    h.parseFile(path);
    return r.lines;
}

QStringList readThc(const QString &path)
{
    Recorder r;
    QXmlSimpleReader reader;
    KTHCXmlHandler h(&reader);
    r.on(&h, &KTHCXmlHandler::readTHC1, "readTHC1");
    r.on(&h, &KTHCXmlHandler::readTHC2, "readTHC2");
    r.on(&h, &KTHCXmlHandler::readTHCSpeed, "readTHCSpeed");
    h.parseFile(path);
    return r.lines;
}

ThcConfig sampleThc()
{
    ThcConfig c;
    c.HYN = 5;
    c.HYP = 5;
    c.distAll = 80;
    c.distCK = 6;
    c.distCut = 3;
    c.distDW = 5;
    c.distXH = 10;
    c.distYH = 4.5;
    c.mode = 1;
    c.acc = 3;
    c.aut = 800;
    c.fast = 3000;
    c.jog = 600;
    c.slow = 1000;
    return c;
}

const QByteArray kHeader = "<?xml version='1.0'?><!DOCTYPE RAVOK>\n";

} // namespace

class ConfigFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void configXmlLayout()
    {
        TempWorkDir dir(false);
        ConfigRecord r;
        r.cut = {2000, 1500, 300};
        r.base = {4000, 2000, -1.25, 90, 2.5, 36, 2, 3};
        r.fire = {10.5, 3, 2, 1.5, 1, 4, 0.5, 0};
        r.pf = {1, 2, 0.1234567, -5, 7};
        r.dlz = {1, 2, 3, 4, 5, 1};
        r.laserX = -12;
        r.laserY = 30;
        r.beamAngel = 0.00001;
        r.mode = 3;
        QVERIFY(ConfigFiles::writeConfig(r));
        QCOMPARE(dir.readFile(".tovrelcnc/config.xml"),
                 kHeader
                     + "<RavokConfig>\n"
                       "    <PF OxoffUp=\"2\" df=\"1\" dwDown=\"0.123457\" movex=\"-5\" movey=\"7\"/>\n"
                       "    <Cut LowSpeed=\"300\" cutspeed=\"1500\" topspeed=\"2000\"/>\n"
                       "    <Base angel=\"-1.25\" comp=\"2.5\" fx=\"2\" preci=\"36\" rotate=\"90\" sfx=\"3\" "
                       "sheetx=\"4000\" sheety=\"2000\"/>\n"
                       "    <Fire OxoffUp=\"4\" ck=\"2\" ck3=\"0\" ckDown=\"1\" ckUp=\"1.5\" delay=\"10.5\" df=\"3\" "
                       "dwDown=\"0.5\"/>\n"
                       "    <DLZ ArcOffUp=\"3\" DWDown=\"5\" DWUp=\"4\" Delay=\"2\" YH=\"1\" dwmode=\"1\"/>\n"
                       "    <Laser X=\"-12\" Y=\"30\"/>\n"
                       "    <Torch torchSelected=\"0\"/>\n"
                       "    <BeamAngel beamAngel=\"1e-05\"/>\n"
                       "    <Mode mode=\"3\"/>\n"
                       "</RavokConfig>\n");

        // Read back element by element, attributes in document order.
        QCOMPARE(readConfig(ConfigDocument::configPath()),
                 QStringList({"readPF(OxoffUp=2,df=1,dwDown=0.123457,movex=-5,movey=7)",
                              "readCut(LowSpeed=300,cutspeed=1500,topspeed=2000)",
                              "readBase(angel=-1.25,comp=2.5,fx=2,preci=36,rotate=90,sfx=3,sheetx=4000,sheety=2000)",
                              "readFire(OxoffUp=4,ck=2,ck3=0,ckDown=1,ckUp=1.5,delay=10.5,df=3,dwDown=0.5)",
                              "readDLZ(ArcOffUp=3,DWDown=5,DWUp=4,Delay=2,YH=1,dwmode=1)", "readLaser(X=-12,Y=30)",
                              "readTorch(torchSelected=0)", "readBeamAngel(beamAngel=1e-05)", "readMode(mode=3)"}));
    }

    void unsetChoicesAreLeftOut()
    {
        TempWorkDir dir(false);
        ConfigRecord r; // every choice -1: no button checked
        QVERIFY(ConfigFiles::writeConfig(r));
        const QList<QByteArray> lines = dir.readFile(".tovrelcnc/config.xml").split('\n');
        QCOMPARE(lines.value(4),
                 QByteArray("    <Base angel=\"0\" comp=\"0\" preci=\"0\" rotate=\"0\" sheetx=\"0\" sheety=\"0\"/>"));
        QCOMPARE(
            lines.value(5),
            QByteArray("    <Fire OxoffUp=\"0\" ck=\"0\" ckDown=\"0\" ckUp=\"0\" delay=\"0\" df=\"0\" dwDown=\"0\"/>"));
        QCOMPARE(lines.value(6), QByteArray("    <DLZ ArcOffUp=\"0\" DWDown=\"0\" DWUp=\"0\" Delay=\"0\" YH=\"0\"/>"));
    }

    void fileConfigEscapesAndReadsBack()
    {
        TempWorkDir dir(false);
        const QString name = QString::fromUtf8("./ncfile/切割 <A>&B'\".nc");
        QVERIFY(ConfigFiles::writeFileConfig(name));
        QCOMPARE(dir.readFile(".tovrelcnc/fileconfig.xml"),
                 kHeader
                     + QString::fromUtf8(
                           "<FileConfig>\n    <File filename=\"./ncfile/切割 &lt;A&gt;&amp;B&apos;&quot;.nc\"/>\n"
                           "</FileConfig>\n")
                           .toUtf8());
        QCOMPARE(readFileConfig(ConfigDocument::fileConfigPath()), QStringList({"readFile(filename=" + name + ")"}));
    }

    void thcConfigLayout()
    {
        TempWorkDir dir(false);
        QVERIFY(!dir.exists("ravok"));
        ThcConfig c = sampleThc();
        QVERIFY(writeThcConfig(c));
        const QByteArray speed = "    <THCSpeed acc=\"3\" aut=\"800\" fast=\"3000\" jog=\"600\" slow=\"1000\"/>\n";
        QCOMPARE(
            dir.readFile("ravok/.tovrelcnc/thcconfig.xml"),
            kHeader
                + "<THCConfig>\n    <THC1 HYN=\"5\" HYP=\"5\" distAll=\"80\" distCK=\"6\" distCut=\"3\" distDW=\"5\" "
                  "distXH=\"10\" distYH=\"4.5\" mode=\"1\"/>\n    <THC2/>\n"
                + speed + "</THCConfig>\n");
        QCOMPARE(
            readThc(ConfigDocument::thcConfigPath()),
            QStringList({"readTHC1(HYN=5,HYP=5,distAll=80,distCK=6,distCut=3,distDW=5,distXH=10,distYH=4.5,mode=1)",
                         "readTHC2()", "readTHCSpeed(acc=3,aut=800,fast=3000,jog=600,slow=1000)"}));

        c.mode = -1;
        c.distAll = 1234567;
        QVERIFY(writeThcConfig(c));
        QCOMPARE(dir.readFile("ravok/.tovrelcnc/thcconfig.xml"),
                 kHeader
                     + "<THCConfig>\n    <THC1 HYN=\"5\" HYP=\"5\" distAll=\"1.23457e+06\" distCK=\"6\" distCut=\"3\" "
                       "distDW=\"5\" distXH=\"10\" distYH=\"4.5\"/>\n    <THC2/>\n"
                     + speed + "</THCConfig>\n");
    }

    // Every configuration writer against every injected fault: false, the
    // warning naming the file, the old file byte for byte and nothing left.
    void faults_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<int>("fault");
        const char *files[] = {"config.xml", "fileconfig.xml", "thcconfig.xml"};
        for (int file = 0; file < 3; ++file) {
            for (int f = 0; f < WriteFault::standard(2).size(); ++f)
                QTest::addRow("%s, %s", files[file], qPrintable(WriteFault::standard(2).at(f).name())) << file << f;
        }
    }

    void faults()
    {
        QFETCH(int, file);
        QFETCH(int, fault);
        TempWorkDir dir;
        ConfigRecord record;
        ThcConfig thc = sampleThc();
        const auto write = [&]() -> bool {
            switch (file) {
            case 0:
                return ConfigFiles::writeConfig(record);
            case 1:
                return ConfigFiles::writeFileConfig(QStringLiteral("./ncfile/%1.nc").arg(record.mode));
            default:
                return writeThcConfig(thc);
            }
        };
        const QString path = QList<QString>{ConfigDocument::configPath(), ConfigDocument::fileConfigPath(),
                                            ConfigDocument::thcConfigPath()}
                                 .at(file);
        const QString folder = QFileInfo(path).absolutePath();
        record.mode = 1234;
        thc.fast = 1234;
        QVERIFY(write());
        const QByteArray full = dir.readFile(path);
        record.mode = 2;
        thc.fast = 2;
        QVERIFY(write());
        const QMap<QString, QByteArray> before = WriteFault::snapshot(folder);

        const WriteFault f = WriteFault::standard(full.size()).at(fault);
        const bool creates = f.kind == WriteFault::MissingFolder;
        if (!creates) {
            const QString name = QRegularExpression::escape(path);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^cannot write %1: .+").arg(name)));
        }
        record.mode = 1234;
        thc.fast = 1234;
        bool saved = false;
        QMap<QString, QByteArray> during;
        {
            FaultScope scope(f, folder);
            QVERIFY2(scope.isValid(), qPrintable(scope.error()));
            saved = write();
            during = WriteFault::snapshot(folder);
        }
        QCOMPARE(saved, creates);
        if (creates)
            QCOMPARE(during.value(QFileInfo(path).fileName()), full);
        else
            QCOMPARE(WriteFault::snapshot(folder), before);
    }

    void failedReplaceKeepsTheOldContent()
    {
        TempWorkDir dir(false);
        // config.xml is a folder with something in it: the new file cannot take its place.
        QVERIFY(QDir(dir.path()).mkpath(".tovrelcnc/config.xml"));
        QVERIFY(dir.writeFile(".tovrelcnc/config.xml/keep", "old"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("config\\.xml"));
        QVERIFY(!ConfigFiles::writeConfig(ConfigRecord()));
        QCOMPARE(dir.readFile(".tovrelcnc/config.xml/keep"), QByteArray("old"));
        // No half-written temporary file is left behind.
        QCOMPARE(QDir(dir.filePath(".tovrelcnc")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList({"config.xml"}));
    }

    void readersMatchExactNamesAtAnyDepth_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("other root, nested, case-sensitive")
            << QByteArray(
                   "<?xml version=\"1.0\"?>\n<Foo>\n  <Cut topspeed=\"100\" cutspeed=\"100\" LowSpeed=\"400\"/>\n"
                   "  <cut topspeed=\"1\"/>\n  <X><Y><Mode mode=\"2\"/></Y></X>\n</Foo>\n")
            << QStringList({"readCut(topspeed=100,cutspeed=100,LowSpeed=400)", "readMode(mode=2)"});
        QTest::newRow("only Mode") << QByteArray("<RavokConfig><Mode mode=\"7\"/></RavokConfig>")
                                   << QStringList({"readMode(mode=7)"});
        QTest::newRow("recognised element as the root")
            << QByteArray("<Laser X=\"1\"/>") << QStringList({"readLaser(X=1)"});
        QTest::newRow("twice, in document order") << QByteArray("<R><Mode mode=\"1\"/><Mode mode=\"2\"/></R>")
                                                  << QStringList({"readMode(mode=1)", "readMode(mode=2)"});
        QTest::newRow("damaged after Base")
            << QByteArray("<RavokConfig>\n<Cut topspeed=\"30\"/>\n<Base sheetx=\"200\"/>\n<Fire delay=\"5\"")
            << QStringList({"readCut(topspeed=30)", "readBase(sheetx=200)"});
        QTest::newRow("prefix is part of the name")
            << QByteArray("<R xmlns:a=\"u\"><a:Cut x=\"1\"/><Cut/></R>") << QStringList({"readCut()"});
        QTest::newRow("empty file") << QByteArray() << QStringList();
    }
    void readersMatchExactNamesAtAnyDepth()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QStringList, expected);
        TempWorkDir dir;
        QVERIFY(dir.writeFile(".tovrelcnc/config.xml", xml));
        QCOMPARE(readConfig(ConfigDocument::configPath()), expected);
    }

    // The XML reader goes one level deeper into the stack per element: a file
    // nested tens of thousands deep must fail to read, not end the program.
    void deepNestingIsRefused_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("readable");
        QTest::newRow("64 levels") << 64 << true;
        QTest::newRow("65 levels") << 65 << false;
        QTest::newRow("40000 levels") << 40000 << false;
    }

    void deepNestingIsRefused()
    {
        QFETCH(int, depth);
        QFETCH(bool, readable);
        TempWorkDir dir;
        QByteArray xml = "<R><Mode mode=\"2\"/><File filename=\"a.nc\"/><THCSpeed fast=\"9\"/>";
        for (int k = 1; k < depth; ++k)
            xml += "<a>";
        for (int k = 1; k < depth; ++k)
            xml += "</a>";
        xml += "</R>";
        for (const QString &path :
             {ConfigDocument::configPath(), ConfigDocument::fileConfigPath(), ConfigDocument::thcConfigPath()})
            QVERIFY(dir.writeFile(path, xml));
        KXmlHandler config(nullptr);
        KXmlHandlerFile file(nullptr);
        KTHCXmlHandler thc(nullptr);
        QCOMPARE(config.parseFile(ConfigDocument::configPath()), readable);
        QCOMPARE(file.parseFile(ConfigDocument::fileConfigPath()), readable);
        QCOMPARE(thc.parseFile(ConfigDocument::thcConfigPath()), readable);
        // What stands before the damage is still read.
        QCOMPARE(readConfig(ConfigDocument::configPath()), QStringList({"readMode(mode=2)"}));
        QCOMPARE(readFileConfig(ConfigDocument::fileConfigPath()), QStringList({"readFile(filename=a.nc)"}));
        QCOMPARE(readThc(ConfigDocument::thcConfigPath()), QStringList({"readTHCSpeed(fast=9)"}));
    }

    void readersOfMissingFilesEmitNothing()
    {
        TempWorkDir dir(false);
        QCOMPARE(readConfig(ConfigDocument::configPath()), QStringList());
        QCOMPARE(readFileConfig(ConfigDocument::fileConfigPath()), QStringList());
        QCOMPARE(readThc(ConfigDocument::thcConfigPath()), QStringList());
    }

    void handlersDoNotCrossFiles()
    {
        TempWorkDir dir;
        QVERIFY(dir.writeFile(".tovrelcnc/fileconfig.xml",
                              "<FileConfig><File filename=\"a.nc\"/><Cut/><File filename=\"b.nc\"/></FileConfig>"));
        QCOMPARE(readFileConfig(ConfigDocument::fileConfigPath()),
                 QStringList({"readFile(filename=a.nc)", "readFile(filename=b.nc)"}));
        QCOMPARE(readConfig(ConfigDocument::fileConfigPath()), QStringList({"readCut()"}));
        QCOMPARE(readThc(ConfigDocument::fileConfigPath()), QStringList());
    }
};

QT_WARNING_POP

QTEST_GUILESS_MAIN(ConfigFilesTest)
#include "ConfigFilesTest.moc"
