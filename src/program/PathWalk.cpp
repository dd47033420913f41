#include "program/PathWalk.h"

#include <algorithm>
#include <cmath>

PathWalk::PathWalk(double originX, double originY, double unitsPerPixel)
    : originX_(originX)
    , originY_(originY)
    , upp_(unitsPerPixel)
{
}

QRectF PathWalk::square(double mx, double my, float r) const
{
    const QPointF centre = point(mx, my);
    const double half = r / upp_;
    return QRectF(centre.x() - half, centre.y() - half, 2.0 * r / upp_, 2.0 * r / upp_);
}

PathWalk::Kind PathWalk::classify(const SegmentRecord &record, bool mCodesAreRapid)
{
    switch (record.type) {
    case SegType::Rapid:
        return record.i == 0 ? Rapid : Skip;
    case SegType::Line:
        return Line;
    case SegType::ArcCW:
    case SegType::ArcCCW:
        return Arc;
    case SegType::MCode:
        return mCodesAreRapid ? Rapid : Skip;
    default:
        return Skip;
    }
}

QRectF PathWalk::bounds(const QRectF &a, const QRectF &b)
{
    const double left = std::min(a.left(), b.left());
    const double top = std::min(a.top(), b.top());
    const double right = std::max(a.right(), b.right());
    const double bottom = std::max(a.bottom(), b.bottom());
    return QRectF(left, top, right - left, bottom - top);
}

namespace {

// QPainterPath reports no rectangle for a path that is a lone point.
QRectF controlRect(const QPainterPath &path)
{
    if (path.elementCount() == 1)
        return QRectF(path.elementAt(0), QSizeF(0, 0));
    return path.controlPointRect();
}

} // namespace

QRectF PathWalk::bounds(const QPainterPath &a, const QPainterPath &b)
{
    if (a.elementCount() == 0)
        return controlRect(b);
    if (b.elementCount() == 0)
        return controlRect(a);
    return bounds(controlRect(a), controlRect(b));
}

double PathWalk::usableScale(double scale, double minimum, double fallback)
{
    if (!std::isfinite(scale) || scale <= 0.0)
        return std::max(fallback, minimum);
    return std::max(scale, minimum);
}

double PathWalk::fitScale(double w, double h, double areaW, double areaH)
{
    return std::max(w / areaW, h / areaH);
}
