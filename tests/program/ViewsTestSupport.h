#ifndef VIEWSTESTSUPPORT_H
#define VIEWSTESTSUPPORT_H

#include "program/SegmentTable.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <initializer_list>

// Tables filled by hand and pictures of the views, for the path-view tests.
namespace ViewsTestSupport {

inline SegmentRecord rec(qint32 type, qint32 x = 0, qint32 y = 0, qint32 i = 0, qint32 j = 0)
{
    SegmentRecord r{};
    r.type = type;
    r.x = x;
    r.y = y;
    r.i = i;
    r.j = j;
    return r;
}

inline void fill(SegmentRecord *table, std::initializer_list<SegmentRecord> rows)
{
    SegmentTable::prefill(table);
    int row = 0;
    for (const SegmentRecord &r : rows)
        SegmentTable::copyWords(table[row++], r);
}

// The view rendered over white, as the probe renders it.
inline QImage shot(QWidget *view)
{
    QImage image(view->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    view->render(&image);
    return image;
}

inline int count(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (colour.rgb() & 0xffffff) ? 1 : 0;
    }
    return n;
}

// Smallest rectangle holding every pixel of the colour (null when none).
inline QRect extent(const QImage &image, const QColor &colour)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) == (colour.rgb() & 0xffffff))
                r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}

} // namespace ViewsTestSupport

#endif
