#ifndef KCODE_H
#define KCODE_H

#include <QTableWidget>

struct SegmentRecord;

// The lines of the loaded program, one row per record of cutSegments. The
// operator moves the highlighted row line by line, page by page or part by
// part (a part is the block of rows of one pierce point); the frame's timer
// turns a row that stayed highlighted into the start line. Every change of
// part is reported by ckChanged() and written to .tovrelcnc/ck.nc.
class KCode : public QTableWidget
{
    Q_OBJECT
public:
    static constexpr int kMaxParts = 1000;

    explicit KCode(QWidget *parent = nullptr);

    void setLineCount(int n);
    // Fills the rows from .tovrelcnc/t.nc and resets the navigation state.
    void loadCode();
    // Selects row r and makes it the start row without reporting it.
    void setCurrentRow(int r);
    // Moves the current row onto the start of its pierce part.
    void locateCK();
    // Reports the current part's block of rows and writes it to ck.nc.
    void writeCK();

    // One line of ck.nc for a record, without the line feed.
    static QString ckLine(const SegmentRecord &record);

    int currentRowNumber() const { return currentRowValue; }
    int startRow() const { return startRowValue; }
    int lineCount() const { return lineCountValue; }
    int currentPart() const { return currentPartValue; }
    int partCount() const { return partCountValue; }
    bool combined() const { return combinedFlag; }

signals:
    void startAt(int row);
    void startAtByConfig();
    void ckChanged(int firstRow, int endRow, int firstPart, int part);

public slots:
    void setCK(int count, const int *lengths);
    void numUp();
    void numDown();
    void numPageUp();
    void numPageDown();
    void numCKUp();
    void numCKDown();
    void numAt(int row, int column);
    void numStop();
    void setCombi(int on);

private:
    void selectCurrent();
    void fitRowHeights();

    bool combinedFlag = false;
    int currentRowValue = 0;
    int startRowValue = -1;
    int lineCountValue = 0;
    int currentPartValue = 0;
    int partCountValue = 0;
    int partLengths[kMaxParts] = {};

    // Where a combined run begins; shared by every list, as the file page's
    // combined box is.
    static int combiFirstPart;
    static int combiFirstRow;
};

#endif
