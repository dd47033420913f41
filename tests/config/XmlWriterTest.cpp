#include "config/AttributeMap.h"
#include "config/ConfigValue.h"
#include "config/KXmlWriter.h"

#include <QBuffer>
#include <QTest>

#include <memory>

class XmlWriterTest : public QObject
{
    Q_OBJECT

    QByteArray bytes;
    QBuffer buffer{&bytes};
    std::unique_ptr<KXmlWriter> writer;

    KXmlWriter *open(bool lineAfterTag = true)
    {
        bytes.clear();
        buffer.close();
        buffer.open(QIODevice::WriteOnly);
        writer = std::make_unique<KXmlWriter>(&buffer);
        writer->setLineAfterTag(lineAfterTag);
        return writer.get();
    }
    QByteArray finish()
    {
        writer.reset();
        return bytes;
    }

private slots:
    void attributeOrderIsTheMapsNotTheCallers()
    {
        AttributeMap m;
        m.insert("topspeed", "1");
        m.insert("cutspeed", "2");
        m.insert("LowSpeed", "3");
        m.insert("cutspeed", "4"); // replaces
        QCOMPARE(m.keys(), QStringList({"LowSpeed", "cutspeed", "topspeed"}));
        AttributeMap f;
        for (const char *n : {"ckDown", "ck3", "ck", "Delay", "DWUp"})
            f.insert(n, "");
        QCOMPARE(f.keys(), QStringList({"DWUp", "Delay", "ck", "ck3", "ckDown"}));
        QCOMPARE(AttributeMap("a", "b").value("a"), QString("b"));
    }

    void escapingAndEmptyValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("order & > < \" '") << "a&b>c<d\"e'f" << QByteArray("a&amp;b&gt;c&lt;d&quot;e&apos;f");
        QTest::newRow("entity not recognised") << "&lt;" << QByteArray("&amp;lt;");
        QTest::newRow("both quotes") << "\"'" << QByteArray("&quot;&apos;");
        QTest::newRow("empty") << "" << QByteArray("");
        QTest::newRow("non-ascii and controls")
            << QString::fromUtf8("切割\t\n") << QString::fromUtf8("切割\t\n").toUtf8();
    }
    void escapingAndEmptyValues()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, written);
        KXmlWriter *w = open();
        w->writeEmptyTag("E", AttributeMap("v", value));
        QCOMPARE(finish(), "<E v=\"" + written + "\"/>\n");
    }

    void nestingIndentsFourBlanksPerLevel()
    {
        KXmlWriter *w = open();
        w->writeUnescaped("<?xml version='1.0'?>");
        w->writeUnescaped("<!DOCTYPE RAVOK>");
        w->endLine();
        w->writeStartTag("Root", AttributeMap());
        w->writeStartTag("A", AttributeMap("x", "1"));
        w->writeEmptyTag("B", AttributeMap());
        w->writeTextTag("T", "a<b", AttributeMap());
        w->writeEndTag("A");
        w->writeEndTag("Root");
        QCOMPARE(finish(), QByteArray("<?xml version='1.0'?><!DOCTYPE RAVOK>\n<Root>\n    <A x=\"1\">\n        <B/>\n"
                                      "        <T>a&lt;b</T>\n    </A>\n</Root>\n"));
    }

    void withoutLineAfterTagTagsShareALine()
    {
        KXmlWriter *w = open(false);
        w->writeStartTag("R", AttributeMap());
        w->writeEmptyTag("A", AttributeMap());
        w->endLine();
        w->writeEmptyTag("B", AttributeMap());
        w->writeEmptyTag("C", AttributeMap());
        w->writeEndTag("R");
        // Only the first tag after endLine gets the indentation; no line end added at the end.
        QCOMPARE(finish(), QByteArray("<R><A/>\n    <B/><C/></R>"));
    }

    void unbalancedEndTagHasNoIndentation()
    {
        KXmlWriter *w = open();
        w->writeEndTag("X");
        w->writeEndTag("Y");
        w->writeStartTag("Z", AttributeMap());
        w->writeEmptyTag("Q", AttributeMap());
        QCOMPARE(finish(), QByteArray("</X>\n</Y>\n<Z>\n    <Q/>\n"));
    }

    void destructorEndsAnOpenLineOnly()
    {
        KXmlWriter *w = open();
        w->writeEmptyTag("A", AttributeMap());
        QCOMPARE(finish(), QByteArray("<A/>\n"));
        w = open();
        w->writeUnescaped("text");
        QCOMPARE(finish(), QByteArray("text\n"));
        w = open();
        w->writeEscaped("<&>");
        w->endLine();
        QCOMPARE(bytes, QByteArray("&lt;&amp;&gt;\n")); // endLine flushed it already
        QCOMPARE(finish(), QByteArray("&lt;&amp;&gt;\n"));
    }

    void valueForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("asDouble");
        QTest::addColumn<int>("asInt");
        QTest::newRow("2.50") << "2.50"
                              << "2.5" << 0;
        QTest::newRow("3.0") << "3.0"
                             << "3" << 0;
        QTest::newRow("0.1234567") << "0.1234567"
                                   << "0.123457" << 0;
        QTest::newRow("0.00001") << "0.00001"
                                 << "1e-05" << 0;
        QTest::newRow("1234567") << "1234567"
                                 << "1.23457e+06" << 1234567;
        QTest::newRow("leading zeros") << "02000"
                                       << "2000" << 2000;
        QTest::newRow("negative") << "-45"
                                  << "-45" << -45;
        QTest::newRow("empty") << ""
                               << "0" << 0;
        QTest::newRow("letters") << "abc"
                                 << "0" << 0;
        QTest::newRow("comma is no decimal point") << "2,5"
                                                   << "0" << 0;
        QTest::newRow("inf") << "inf"
                             << "0" << 0;
        QTest::newRow("nan") << "nan"
                             << "0" << 0;
        QTest::newRow("1e999") << "1e999"
                               << "0" << 0;
        QTest::newRow("-1e999") << "-1e999"
                                << "0" << 0;
    }
    void valueForms()
    {
        QFETCH(QString, text);
        QFETCH(QString, asDouble);
        QFETCH(int, asInt);
        QCOMPARE(ConfigValue::number(ConfigValue::toDouble(text)), asDouble);
        QCOMPARE(ConfigValue::toInt(text), asInt);
        QCOMPARE(ConfigValue::number(asInt), QString::number(asInt));
    }

    void nonFiniteNumbersAreWrittenAsZero()
    {
        QCOMPARE(ConfigValue::number(qInf()), QString("0"));
        QCOMPARE(ConfigValue::number(qQNaN()), QString("0"));
    }
};

QTEST_GUILESS_MAIN(XmlWriterTest)
#include "XmlWriterTest.moc"
