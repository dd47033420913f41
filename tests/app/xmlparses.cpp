// xmlparses FILE...: exits 0 when every file is well-formed XML, else names
// the first one that is not and where.
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList files = app.arguments().mid(1);
    for (const QString &name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot read\n", qPrintable(name));
            return 1;
        }
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            xml.readNext();
        if (xml.hasError()) {
            std::fprintf(stderr, "%s:%lld: %s\n", qPrintable(name), static_cast<long long>(xml.lineNumber()),
                         qPrintable(xml.errorString()));
            return 1;
        }
    }
    return 0;
}
