// Test window of the I/O diagnosis page: a 1024 x 748 stand-in for the main
// window with the page's key row and one of its two views.
//   iodemo [--view input|output] [--byte BYTE] [--on ROW,...]
// input (default): the lamps after a reset and one poll of BYTE (default 0xFF).
// output: the output view as its opening leaves it (row 1 selected), then the
// listed rows switched.
#include "DemoApp.h"
#include "DemoWindow.h"
#include "app/base/KButton.h"
#include "device/DeviceIo.h"
#include "device/KMenuIO.h"
#include "device/KReadIO.h"
#include "device/KWriteIO.h"

#include <QRadioButton>
#include <QRegularExpression>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: iodemo [--view input|output] [--byte BYTE] [--on ROW,...]\n", stderr);
    return 2;
}

bool number(const QString &text, int low, int high, int &value)
{
    static const QRegularExpression pattern(QStringLiteral("^(?:0[xX]([0-9A-Fa-f]{1,8})|([0-9]{1,9}))$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    const qint64 v = m.capturedLength(1) ? m.captured(1).toLongLong(nullptr, 16) : m.captured(2).toLongLong();
    value = int(v);
    return v >= low && v <= high;
}

} // namespace

int main(int argc, char **argv)
{
    DemoApp app(argc, argv);

    QString view = QStringLiteral("input");
    int byte = 0xFF;
    QList<int> rows;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return usage();
        const QString option = args.at(i);
        const QString value = args.at(i + 1);
        if (option == QLatin1String("--view")
            && (value == QLatin1String("input") || value == QLatin1String("output"))) {
            view = value;
        } else if (option == QLatin1String("--byte")) {
            if (!number(value, 0, 255, byte))
                return usage();
        } else if (option == QLatin1String("--on")) {
            for (const QString &part : value.split(QLatin1Char(','))) {
                int row;
                if (!number(part, 1, KWriteIO::kRows, row))
                    return usage();
                rows << row;
            }
        } else {
            return usage();
        }
    }

    QWidget window;
    DemoWindow::makeStandIn(window, QStringLiteral("iodemo"));

    auto *menu = new KMenuIO(&window);
    menu->move(0, 686);
    auto *input = new KReadIO(DeviceIo::kNotOpen, DeviceIo::kNotOpen, &window);
    auto *output = new KWriteIO(DeviceIo::kNotOpen, &window);

    if (view == QLatin1String("input")) {
        input->readIOThread->resetInputs();
        input->readIOThread->pollOnce(quint8(byte));
        input->show();
    } else {
        output->show();
        output->enterButton->show();
        output->rowButton(1)->click();
        output->rowButton(1)->setFocus();
        for (int row : rows)
            output->switchRow(row);
    }
    window.show();
    return app.exec();
}
