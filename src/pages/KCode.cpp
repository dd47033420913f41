#include "pages/KCode.h"

#include "app/base/BasePath.h"
#include "app/base/ProgramFile.h"
#include "program/NcWriter.h"
#include "program/SegmentTable.h"

#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QSignalBlocker>
#include <QHeaderView>
#include <QVector>
#include <QtDebug>

#include <algorithm>

int KCode::combiFirstPart = 0;
int KCode::combiFirstRow = 0;

namespace {

// Lines this much narrower than the column never wrap, whatever margins the
// style gives the text inside a cell or the kerning takes off their width.
constexpr int kWrapSlack = 16;

// Width of a line of printable ASCII as the sum of its characters' widths,
// -1 for any other text. Far quicker than laying the line out.
class PlainWidth
{
public:
    explicit PlainWidth(const QFontMetrics &metrics)
    {
        for (int c = 0; c < 95; ++c)
            advance[c] = metrics.horizontalAdvance(QChar(0x20 + c));
        digitsAlike = std::all_of(advance + '1' - 0x20, advance + '9' - 0x20 + 1,
                                  [this](int a) { return a == advance['0' - 0x20]; });
    }

    // Lines that wrap alike: where every digit is as wide as the others,
    // lines that differ only in their digits break at the same blanks.
    QString wrapKey(QString text) const
    {
        if (!digitsAlike)
            return text;
        for (QChar &c : text) {
            if (c.unicode() >= '1' && c.unicode() <= '9')
                c = QLatin1Char('0');
        }
        return text;
    }

    int operator()(const QString &text) const
    {
        int width = 0;
        for (const QChar c : text) {
            const ushort u = c.unicode();
            if (u < 0x20 || u > 0x7e)
                return -1;
            width += advance[u - 0x20];
        }
        return width;
    }

private:
    int advance[95];
    bool digitsAlike = false;
};

} // namespace

KCode::KCode(QWidget *parent)
    : QTableWidget(10, 1, parent)
{
    setColumnWidth(0, 210);
    horizontalHeader()->hide();
    setShowGrid(false);
    setFocusPolicy(Qt::NoFocus);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, SIGNAL(cellPressed(int, int)), this, SLOT(numAt(int, int)));
}

QString KCode::ckLine(const SegmentRecord &record)
{
    QString line = QStringLiteral("G%1").arg(record.type, 2, 10, QLatin1Char('0'));
    if (record.type <= 3)
        line += QStringLiteral(" X%1 Y%2").arg(record.x, 8).arg(record.y, 8);
    if (record.type == 2 || record.type == 3)
        line += QStringLiteral(" I%1 J%2").arg(record.i, 8).arg(record.j, 8);
    return line;
}

void KCode::setLineCount(int n)
{
    // The list mirrors cutSegments, which has no rows beyond its capacity.
    lineCountValue = qBound(0, n, kSegmentRows);
    setRowCount(lineCountValue);
}

void KCode::loadCode()
{
    QByteArray bytes;
    if (ProgramFile::read(basePath + QStringLiteral("/.tovrelcnc/t.nc"), &bytes, nullptr)) {
        const int rows = rowCount();
        // One repaint for the whole list instead of a change report per row.
        const QSignalBlocker quiet(model());
        int start = 0;
        for (int row = 0; row < rows && start < bytes.size(); ++row) {
            int end = bytes.indexOf('\n', start);
            if (end < 0)
                end = bytes.size();
            if (end == start)
                break;
            // Up to a NUL, as a line converted on its own is; a byte that is
            // not UTF-8 shows as the replacement character.
            const char *line = bytes.constData() + start;
            setItem(row, 0, new QTableWidgetItem(QString::fromUtf8(line, int(qstrnlen(line, end - start)))));
            start = end + 1;
        }
    }
    viewport()->update();
    fitRowHeights();
    currentRowValue = 0;
    startRowValue = -1;
    currentPartValue = 0;
    partCountValue = 0;
    combiFirstPart = 0;
    combiFirstRow = 0;
    std::fill(std::begin(partLengths), std::end(partLengths), 0);
}

// The heights resizeRowsToContents() gives, without laying out every line,
// which takes seconds over a full table: the rows alike in what decides their
// height (no text, or one plain line that fits the column) share one measured
// height, and of the others one line of each wrapping shape is measured.
void KCode::fitRowHeights()
{
    const int rows = rowCount();
    if (rows == 0)
        return;
    QHeaderView *header = verticalHeader();
    auto fitted = [&](int row) {
        const int hint = qMax(sizeHintForRow(row), header->sectionSizeHint(row));
        return qBound(header->minimumSectionSize(), hint, header->maximumSectionSize());
    };

    enum Kind : char { Empty, OneLine, Own };
    const PlainWidth plainWidth(fontMetrics());
    const int room = columnWidth(0) - kWrapSlack;
    QVector<char> kinds(rows);
    int firstOf[2] = {-1, -1};
    for (int row = 0; row < rows; ++row) {
        const QTableWidgetItem *cell = item(row, 0);
        const QString text = cell ? cell->text() : QString();
        Kind kind = Own;
        if (text.isEmpty()) {
            kind = Empty;
        } else {
            const int width = plainWidth(text);
            if (width >= 0 && width < room)
                kind = OneLine;
        }
        kinds[row] = kind;
        if (kind != Own && firstOf[kind] < 0)
            firstOf[kind] = row;
    }

    // Measured before any row changes: each change makes the next measure
    // recompute the position of every row.
    QVector<int> heights(rows);
    QHash<QString, int> heightByShape;
    for (int row = 0; row < rows; ++row) {
        if (kinds[row] != Own)
            continue;
        const QTableWidgetItem *cell = item(row, 0);
        const QString key = plainWidth.wrapKey(cell->text());
        auto known = heightByShape.constFind(key);
        if (known == heightByShape.constEnd())
            known = heightByShape.insert(key, fitted(row));
        heights[row] = *known;
    }
    const Kind common = firstOf[OneLine] >= 0 ? OneLine : Empty;
    const int commonHeight = firstOf[common] >= 0 ? fitted(firstOf[common]) : header->defaultSectionSize();
    const int otherHeight = firstOf[1 - common] >= 0 ? fitted(firstOf[1 - common]) : commonHeight;
    // Sets every row at once.
    header->setDefaultSectionSize(commonHeight);
    // A header that repaints finds each resized row's position, which again
    // walks every row.
    header->setUpdatesEnabled(false);
    for (int row = 0; row < rows; ++row) {
        if (kinds[row] == Own)
            setRowHeight(row, heights[row]);
        else if (kinds[row] != common)
            setRowHeight(row, otherHeight);
    }
    header->setUpdatesEnabled(true);
}

void KCode::setCK(int count, const int *lengths)
{
    partCountValue = lengths ? qBound(0, count, kMaxParts) : 0;
    // A part never has more rows than the table, so row sums stay far from overflow.
    for (int k = 0; k < partCountValue; ++k)
        partLengths[k] = qBound(0, lengths[k], kSegmentRows);
    writeCK();
}

void KCode::setCurrentRow(int r)
{
    currentRowValue = r;
    startRowValue = r;
    selectCurrent();
}

void KCode::selectCurrent()
{
    if (currentRowValue >= 0 && currentRowValue < rowCount())
        selectRow(currentRowValue);
    else
        clearSelection();
}

void KCode::numUp()
{
    if (currentRowValue > 0) {
        --currentRowValue;
        selectCurrent();
    }
}

void KCode::numDown()
{
    if (currentRowValue < lineCountValue - 1) {
        ++currentRowValue;
        selectCurrent();
    }
}

void KCode::numPageUp()
{
    currentRowValue = currentRowValue <= 10 ? 0 : currentRowValue - 10;
    selectCurrent();
}

void KCode::numPageDown()
{
    currentRowValue = currentRowValue >= lineCountValue - 10 ? lineCountValue - 1 : currentRowValue + 10;
    selectCurrent();
}

void KCode::numCKUp()
{
    if (currentPartValue > 0) {
        currentRowValue -= partLengths[currentPartValue - 1];
        --currentPartValue;
        selectCurrent();
        writeCK();
    }
}

void KCode::numCKDown()
{
    if (currentPartValue < partCountValue) {
        currentRowValue += partLengths[currentPartValue];
        ++currentPartValue;
        selectCurrent();
        writeCK();
    }
}

void KCode::locateCK()
{
    const int n = partCountValue;
    if (n == 0) {
        writeCK();
        return;
    }
    // One start more than there are parts: the last part's end is read too.
    int start[kMaxParts + 1];
    start[0] = 0;
    for (int k = 0; k < n; ++k)
        start[k + 1] = start[k] + partLengths[k];

    const int r = currentRowValue;
    for (int c = 0; c < n; ++c) {
        int part = -1;
        if (r > start[n - 1])
            part = n - 1;
        else if (start[c] < r && r < start[c + 1])
            part = c + 1;
        if (part >= 0) {
            currentPartValue = part;
            currentRowValue = start[part];
            selectCurrent();
            emit startAt(currentRowValue);
            writeCK();
            return;
        }
        if (r == start[c]) {
            currentPartValue = c;
            writeCK();
            return;
        }
    }
    writeCK();
}

void KCode::numAt(int row, int /*column*/)
{
    if (row >= 0 && row < lineCountValue) {
        currentRowValue = row;
        emit startAtByConfig();
    }
}

void KCode::numStop()
{
    if (currentRowValue != startRowValue) {
        startRowValue = currentRowValue;
        emit startAt(currentRowValue);
    }
}

void KCode::setCombi(int on)
{
    if (on == 1) {
        combinedFlag = true;
        combiFirstPart = currentPartValue;
        combiFirstRow = currentRowValue;
    } else if (on == 0) {
        combinedFlag = false;
    }
}

void KCode::writeCK()
{
    const int p = currentPartValue;
    const int n = partCountValue;
    qint64 first;
    qint64 end;
    if (!combinedFlag) {
        first = currentRowValue;
        end = p < n ? first + partLengths[p] : lineCountValue;
        combiFirstPart = p;
    } else {
        first = combiFirstRow;
        if (p < n) {
            qint64 rows = 0;
            for (int k = qMax(0, combiFirstPart); k <= p; ++k)
                rows += partLengths[k];
            end = first + rows;
        } else {
            end = lineCountValue;
        }
    }
    // The block never leaves the program: after a row set from the machine
    // or a step past the last part it could start before row 0 or run on
    // beyond the last line.
    const int firstRow = int(qMax<qint64>(first, 0));
    const int endRow = int(qMin<qint64>(end, lineCountValue));
    emit ckChanged(firstRow, endRow, combiFirstPart, p);

    QByteArray text;
    for (int row = firstRow; row < endRow; ++row) {
        const SegmentRecord *record = SegmentTable::at(cutSegments, row);
        if (!record)
            break;
        text += ckLine(*record).toLatin1();
        text += '\n';
    }
    if (!NcWriter::save(basePath + QStringLiteral("/.tovrelcnc/ck.nc"), text))
        qWarning("write temp file error...");
}
