#include "program/KerfCompensation.h"

#include "program/SegmentPasses.h"

#include <QtDebug>

#include <cmath>

namespace {

const double kPi = std::acos(-1.0);

bool isStraight(qint32 type)
{
    return type == SegType::Rapid || type == SegType::Line;
}

bool isFinite(const QPointF &p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

double length(const QPointF &p)
{
    return std::hypot(p.x(), p.y());
}

// Rounding can push a cosine a hair past 1; a NaN stays a NaN.
double clampUnit(double v)
{
    if (v < -1.0)
        return -1.0;
    if (v > 1.0)
        return 1.0;
    return v;
}

// Angle of (vx, vy) in -pi..pi, negative below the x axis.
double angleOf(double vx, double vy)
{
    const double a = std::acos(clampUnit(vx / std::hypot(vx, vy)));
    return vy < 0 ? -a : a;
}

double fold(double a)
{
    if (a > kPi)
        return a - 2 * kPi;
    if (a <= -kPi)
        return a + 2 * kPi;
    return a;
}

// Radius of the torch path beside an arc: a counter-clockwise arc has its
// right side outside.
double offsetRadius(qint32 type, double radius, double h)
{
    return type == SegType::ArcCCW ? radius + h : radius - h;
}

bool withinSnap(double sum)
{
    const qint32 v = SegmentPasses::truncate(sum);
    return v >= -20 && v <= 20;
}

// Intersection of the perpendicular bisector of the chord from the origin to
// end with the line through centre and end; false when they are parallel.
bool centreOnBisector(const QPointF &end, const QPointF &centre, QPointF &result)
{
    const QPointF towards = centre - end;
    const double along = towards.x() * end.x() + towards.y() * end.y();
    if (along == 0.0)
        return false;
    const double t = -(end.x() * end.x() + end.y() * end.y()) / (2 * along);
    result = end + t * towards;
    return isFinite(result);
}

// The point at angle phi on the circle of radius r round (ci, cj).
QPointF onCircle(double r, double phi, double ci, double cj)
{
    return QPointF(r * std::cos(phi) + ci, r * std::sin(phi) + cj);
}

// An arc and a straight record whose torch paths do not meet: a corner record
// round the drawn corner joins the two offsets. Without it the joint takes
// the outgoing start offset.
KerfCompensation::Joint arcFormCorner(const QPointF &incomingEnd, const QPointF &outgoingStart, double h)
{
    KerfCompensation::Joint j;
    j.corner = true;
    j.incomingEnd = incomingEnd;
    j.outgoingStart = outgoingStart;
    j.offset = outgoingStart;
    j.cornerType = h >= 0 ? SegType::ArcCCW : SegType::ArcCW;
    return j;
}

// Angle of the right-hand normal of the direction (x, y) of length len.
double normalAngle(double x, double y, double len)
{
    const double theta = std::acos(clampUnit(y / len));
    return x > 0 ? -theta : theta;
}

// Where the offset line of a straight record (its right-hand normal at angle
// theta) cuts the offset circle of an arc (radius, type; the joint seen from
// its centre at angle beta): r and phi of that point on the circle, or false
// when the two miss. The crossing on the joint's side is taken; for an
// outgoing arc (outgoingArc) also a joint straight on the normal takes the
// crossing before it.
bool lineMeetsCircle(double theta, double beta, double radius, qint32 type, double h, bool outgoingArc, double &r,
                     double &phi)
{
    const double delta = fold(beta - theta);
    const double dist = radius * std::cos(delta) + h;
    qDebug("R10=%f", dist);
    r = offsetRadius(type, radius, h);
    const double c = dist / r;
    if (!(c >= -1.0 && c <= 1.0))
        return false;
    double gamma = std::acos(c);
    if (delta < 0 || (outgoingArc && (delta == 0 || delta == kPi)))
        gamma = -gamma;
    phi = theta + gamma;
    return true;
}

} // namespace

KerfCompensation::KerfCompensation() = default;

// ---------------------------------------------------------------- geometry

QPointF KerfCompensation::plainStartOffset(const SegmentRecord &r, qint32 halfKerf)
{
    const double h = halfKerf;
    if (isStraight(r.type)) {
        const double l = std::hypot(double(r.x), double(r.y));
        if (l == 0.0)
            return QPointF();
        return QPointF(h * r.y / l, h * -double(r.x) / l);
    }
    const double radius = std::hypot(double(r.i), double(r.j));
    if (radius == 0.0)
        return QPointF();
    const double k = r.type == SegType::ArcCCW ? -h : h;
    return QPointF(k * r.i / radius, k * r.j / radius);
}

KerfCompensation::Joint KerfCompensation::joint(const SegmentRecord &in, const SegmentRecord &out, qint32 halfKerf,
                                                double kerfWidth)
{
    const double h = halfKerf;
    Joint j;
    const bool inStraight = isStraight(in.type);
    const bool outStraight = isStraight(out.type);
    const double lenIn = std::hypot(double(in.x), double(in.y));
    const double lenOut = std::hypot(double(out.x), double(out.y));
    const double radIn = std::hypot(double(in.i), double(in.j));
    const double radOut = std::hypot(double(out.i), double(out.j));
    const QPointF nIn(in.y / lenIn, -double(in.x) / lenIn);
    const QPointF nOut(out.y / lenOut, -double(out.x) / lenOut);

    if (inStraight && outStraight) {
        // Two straight records: the offset lines cross, or run parallel.
        const QPointF uIn(in.x / lenIn, in.y / lenIn);
        const QPointF uOut(out.x / lenOut, out.y / lenOut);
        const double cross = uIn.x() * uOut.y() - uIn.y() * uOut.x();
        double test;
        double limit;
        if (cross <= -0.000001 || cross >= 0.000001) {
            j.offset = h * (uIn - uOut) / cross;
            test = length(j.offset);
            limit = 5.0 * kerfWidth;
        } else {
            j.offset = h * nIn;
            test = length(h * nOut - h * nIn);
            limit = 0.5 * kerfWidth;
        }
        if (!(test < limit)) {
            j.corner = true;
            j.incomingEnd = h * nIn;
            j.outgoingStart = h * nOut;
            j.cornerType = out.type;
        }
        return j;
    }

    if (!inStraight && !outStraight) {
        // Two arcs: the offset circles cross, or their centres nearly meet.
        const QPointF d(double(in.x) + out.i - in.i, double(in.y) + out.j - in.j);
        const double dist = length(d);
        if (radOut > 20.0 * dist) {
            j.offset = plainStartOffset(out, halfKerf);
            return j;
        }
        const double alpha = angleOf(d.x(), d.y());
        const double beta = angleOf(double(in.x) - in.i, double(in.y) - in.j);
        const double delta = fold(beta - alpha);
        const double rIn = offsetRadius(in.type, radIn, h);
        const double rOut = offsetRadius(out.type, radOut, h);
        const double c = (dist * dist + rIn * rIn - rOut * rOut) / (2 * rIn * dist);
        if ((c > -0.9 && c < 0.9) || (dist < rIn + rOut && rIn < dist && rOut < dist)) {
            double gamma = std::acos(c);
            if (delta < 0)
                gamma = -gamma;
            const double phi = alpha + gamma;
            j.offset = onCircle(rIn, phi, in.i, in.j) - QPointF(in.x, in.y);
        } else {
            j.offset = plainStartOffset(out, halfKerf);
        }
        return j;
    }

    double r;
    double phi;
    if (!inStraight) {
        // Arc into a straight record.
        const double beta = angleOf(double(in.x) - in.i, double(in.y) - in.j);
        if (lineMeetsCircle(normalAngle(out.x, out.y, lenOut), beta, radIn, in.type, h, false, r, phi))
            j.offset = onCircle(r, phi, in.i, in.j) - QPointF(in.x, in.y);
        else
            j = arcFormCorner(std::abs(h) * QPointF(double(in.i) - in.x, double(in.j) - in.y) / radIn, h * nOut, h);
        return j;
    }

    // A straight record into an arc.
    const double beta = angleOf(-double(out.i), -double(out.j));
    if (lineMeetsCircle(normalAngle(in.x, in.y, lenIn), beta, radOut, out.type, h, true, r, phi))
        j.offset = onCircle(r, phi, out.i, out.j);
    else
        j = arcFormCorner(h * nIn, std::abs(h) * QPointF(out.i, out.j) / radOut, h);
    return j;
}

void KerfCompensation::shift(SegmentRecord &r, const QPointF &from, const QPointF &to, qint32 tolerance)
{
    r.x = SegmentPasses::truncate(double(r.x) - from.x() + to.x());
    r.y = SegmentPasses::truncate(double(r.y) - from.y() + to.y());
    if (isStraight(r.type))
        return;
    // An arc that closes to within the tolerance stays a full circle. In 64
    // bits, so that any configured tolerance is a plain range.
    const qint64 t = tolerance;
    if (r.x >= -t && r.x <= t)
        r.x = 0;
    if (r.y >= -t && r.y <= t)
        r.y = 0;
    r.i = SegmentPasses::truncate(r.i - from.x());
    r.j = SegmentPasses::truncate(r.j - from.y());
}

void KerfCompensation::moveEnd(SegmentRecord &r, const QPointF &d)
{
    const QPointF end(r.x + d.x(), r.y + d.y());
    if (!isStraight(r.type)) {
        QPointF centre;
        if (centreOnBisector(end, QPointF(r.i, r.j), centre)) {
            r.i = SegmentPasses::truncate(centre.x());
            r.j = SegmentPasses::truncate(centre.y());
        }
    }
    r.x = SegmentPasses::truncate(end.x());
    r.y = SegmentPasses::truncate(end.y());
}

void KerfCompensation::moveStart(SegmentRecord &r, const QPointF &d)
{
    if (isStraight(r.type)) {
        r.x = SegmentPasses::truncate(r.x - d.x());
        r.y = SegmentPasses::truncate(r.y - d.y());
        return;
    }
    // Seen from the end, which stays.
    const QPointF start(-double(r.x) + d.x(), -double(r.y) + d.y());
    const QPointF oldCentre(double(r.i) - r.x, double(r.j) - r.y);
    QPointF centre;
    if (!centreOnBisector(start, oldCentre, centre))
        centre = oldCentre;
    r.i = SegmentPasses::truncate(centre.x() - start.x());
    r.j = SegmentPasses::truncate(centre.y() - start.y());
    r.x = SegmentPasses::truncate(-start.x());
    r.y = SegmentPasses::truncate(-start.y());
}

// ---------------------------------------------------------------- the pass

void KerfCompensation::kerfCompensate(SegmentRecord *table, double kerfWidth, qint32 tolerance)
{
    kerfWidth_ = kerfWidth;
    tolerance_ = tolerance;
    rows_.reset(table);
    missingCorners_ = 0;
    int from = 0;
    while (compensateNext(from)) {
    }
    rows_.commit();
    // One line per program: a long zigzag can miss tens of thousands.
    if (missingCorners_ > 0)
        qDebug("kerf: no free row for %d corner records", missingCorners_);
}

bool KerfCompensation::compensateNext(int &from)
{
    int on = from;
    for (;; ++on) {
        const qint32 t = rows_.typeAt(on);
        if (t == SegType::KerfLeft || t == SegType::KerfRight)
            break;
        if (t == SegType::End || t == SegmentTable::kNoRecord)
            return false;
    }
    halfKerf = SegmentPasses::truncate((rows_[on].type == SegType::KerfLeft ? -0.5 : 0.5) * kerfWidth_);

    contourFirst = nextMotion(on);
    if (contourFirst < 0)
        return false;
    contourLast = contourFirst;
    int motions = 1;
    double sumX = 0.0;
    double sumY = 0.0;
    int off = contourFirst + 1;
    for (;; ++off) {
        const qint32 t = rows_.typeAt(off);
        if (t == SegType::KerfOff)
            break;
        // No kerf-off before the end: this stretch and all later ones stay.
        if (t == SegType::End || t == SegmentTable::kNoRecord)
            return false;
        if (isMotion(t)) {
            contourLast = off;
            sumX += rows_[off].x;
            sumY += rows_[off].y;
            ++motions;
        }
    }

    const int insertedBefore = rows_.inserted();
    hasLeadOut = false;
    const Kind kind = classify(motions, sumX, sumY);
    if (kind == Kind::Single)
        compensateSingle();
    else if (kind == Kind::D)
        compensateOpen();
    else
        compensateClosed(kind, motions);
    from = off + (rows_.inserted() - insertedBefore) + 1;
    return true;
}

KerfCompensation::Kind KerfCompensation::classify(int motions, double sumX, double sumY)
{
    if (contourLast == contourFirst)
        return Kind::Single;
    if (withinSnap(sumX) && withinSnap(sumY))
        return Kind::A;
    const SegmentRecord &last = rows_[contourLast];
    if (motions > 2 && withinSnap(sumX - last.x) && withinSnap(sumY - last.y))
        return Kind::B;
    const SegmentRecord &first = rows_[contourFirst];
    if (withinSnap(sumX + first.x) && withinSnap(sumY + first.y))
        return Kind::C;
    return Kind::D;
}

void KerfCompensation::compensateSingle()
{
    const QPointF d = plainStartOffset(rows_[contourFirst], halfKerf);
    writeLink(contourFirst - 1, d);
    writeLink(contourLast + 1, -d);
    if (isArc(rows_[contourFirst].type))
        moveCentre(contourFirst, d);
}

void KerfCompensation::compensateClosed(Kind kind, int motions)
{
    hasLeadOut = kind == Kind::B;
    const int firstElement = kind == Kind::C ? contourFirst : nextMotion(contourFirst);
    const int lastElement = hasLeadOut ? previousMotion(contourLast) : contourLast;

    if ((kind == Kind::A && motions == 2) || (kind == Kind::B && motions == 3)) {
        // One closed element, a full circle: it moves as a whole.
        jointOffset = plainStartOffset(rows_[firstElement], halfKerf);
        moveSegmentEnd();
        moveCentre(firstElement, jointOffset);
        if (hasLeadOut)
            moveSegmentStart();
        else
            writeLink(contourLast + 1, -jointOffset);
        return;
    }

    inRow = lastElement;
    outRow = firstElement;
    const Joint closingJoint = offsetCorner(false);
    // Where the closing joint wants a corner record, the contour starts on the
    // first element's own offset and ends on the last element's; the corner
    // record joins the two after the walk.
    const QPointF closing = closingJoint.corner ? closingJoint.outgoingStart : closingJoint.offset;
    const QPointF lastEnd = closingJoint.corner ? closingJoint.incomingEnd : closing;

    startOffset = closing;
    if (kind == Kind::C) {
        writeLink(contourFirst - 1, closing);
    } else {
        jointOffset = closing;
        moveSegmentEnd();
    }
    walk(firstElement, contourLast - lastElement);

    const bool corner = closingJoint.corner && rows_.hasFreeRow();
    if (closingJoint.corner && !corner)
        ++missingCorners_;
    jointOffset = corner ? lastEnd : closing;
    shiftSegment();
    if (corner) {
        SegmentRecord record{};
        record.type = closingJoint.cornerType;
        rows_.insert(inRow + 1, record);
        ++contourLast;
        ++inRow;
        startOffset = lastEnd;
        jointOffset = closing;
        shiftSegment();
    }

    if (hasLeadOut) {
        jointOffset = closing;
        moveSegmentStart();
    } else {
        writeLink(contourLast + 1, -closing);
    }
}

void KerfCompensation::compensateOpen()
{
    // The first record seen as its own predecessor gives the start offset.
    const SegmentRecord &first = rows_[contourFirst];
    SegmentTable::copyWords(scratch_, first);
    if (!isStraight(first.type)) {
        scratch_.x = 0;
        scratch_.y = 0;
    }
    inRow = kScratchRow;
    outRow = contourFirst;
    Joint j = offsetCorner(false);
    const QPointF start = j.corner ? j.outgoingStart : j.offset;
    startOffset = start;
    writeLink(contourFirst - 1, start);

    // The last record seen as its own successor gives the end offset.
    const SegmentRecord &last = rows_[contourLast];
    SegmentTable::copyWords(scratch_, last);
    if (!isStraight(last.type)) {
        scratch_.x = 0;
        scratch_.y = 0;
        scratch_.i = SegmentPasses::truncate(double(last.i) - last.x);
        scratch_.j = SegmentPasses::truncate(double(last.j) - last.y);
    }
    inRow = contourLast;
    outRow = kScratchRow;
    j = offsetCorner(false);
    const QPointF end = j.corner ? j.incomingEnd : j.offset;
    writeLink(contourLast + 1, -end);

    startOffset = start;
    walk(contourFirst, 0);
    jointOffset = end;
    shiftSegment();
}

void KerfCompensation::walk(int first, int gap)
{
    // gap: rows between the last element and contourLast (the lead-out).
    inRow = first;
    while (inRow < contourLast - gap) {
        outRow = nextMotion(inRow);
        if (outRow < 0)
            break;
        offsetCorner(true);
        shiftSegment();
        startOffset = jointOffset;
        inRow = outRow;
    }
}

// ---------------------------------------------------------------- operations

KerfCompensation::Joint KerfCompensation::offsetCorner(bool insertHere)
{
    Joint j = joint(row(inRow), row(outRow), halfKerf, kerfWidth_);
    if (!isFinite(j.offset) || (j.corner && (!isFinite(j.incomingEnd) || !isFinite(j.outgoingStart)))) {
        j = Joint();
        j.offset = plainStartOffset(row(outRow), halfKerf);
    }
    jointOffset = j.offset;
    if (!j.corner || !insertHere)
        return j;
    if (!rows_.hasFreeRow()) {
        ++missingCorners_;
        return j;
    }
    jointOffset = j.incomingEnd;
    shiftSegment();
    ++contourLast;
    startOffset = jointOffset;
    SegmentRecord record{};
    record.type = j.cornerType;
    rows_.insert(outRow, record);
    inRow = outRow;
    outRow = inRow + 1;
    jointOffset = j.outgoingStart;
    return j;
}

void KerfCompensation::shiftSegment()
{
    shift(row(inRow), startOffset, jointOffset, tolerance_);
}

void KerfCompensation::moveSegmentEnd()
{
    moveEnd(row(contourFirst), jointOffset);
}

void KerfCompensation::moveSegmentStart()
{
    moveStart(row(contourLast), jointOffset);
}

// ---------------------------------------------------------------- rows

SegmentRecord &KerfCompensation::row(int r)
{
    return r == kScratchRow ? scratch_ : rows_[r];
}

int KerfCompensation::nextMotion(int after)
{
    for (int r = after + 1;; ++r) {
        const qint32 t = rows_.typeAt(r);
        if (isMotion(t))
            return r;
        if (t == SegType::End || t == SegmentTable::kNoRecord)
            return -1;
    }
}

int KerfCompensation::previousMotion(int before)
{
    for (int r = before - 1; r >= 0; --r) {
        if (isMotion(rows_[r].type))
            return r;
    }
    return -1;
}

void KerfCompensation::writeLink(int r, const QPointF &d)
{
    if (!SegmentTable::inRange(r))
        return;
    SegmentRecord &link = rows_[r];
    link.type = SegType::Rapid;
    link.x = SegmentPasses::truncate(d.x());
    link.y = SegmentPasses::truncate(d.y());
}

void KerfCompensation::moveCentre(int r, const QPointF &d)
{
    SegmentRecord &arc = rows_[r];
    arc.i = SegmentPasses::truncate(arc.i - d.x());
    arc.j = SegmentPasses::truncate(arc.j - d.y());
}
