#ifndef VIEWSTESTSUPPORT_H
#define VIEWSTESTSUPPORT_H

#include "program/SegmentTable.h"

#include <QColor>
#include <QImage>
#include <QPaintEngine>
#include <QStringList>
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

// The texts a widget paints, read from its painter's calls.
class PaintedTexts : public QPaintDevice
{
public:
    explicit PaintedTexts(QWidget *widget) { widget->render(this); }
    QStringList texts;
    QPaintEngine *paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return 1024;
        case PdmHeight:
            return 748;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        default:
            return 0;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(QStringList &texts)
            : QPaintEngine(AllFeatures)
            , texts_(texts)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override { texts_ << item.text(); }
        Type type() const override { return User; }

    private:
        QStringList &texts_;
    };
    mutable Engine engine_{texts};
};

} // namespace ViewsTestSupport

#endif
