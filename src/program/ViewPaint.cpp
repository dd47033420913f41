#include "program/ViewPaint.h"

#include "app/base/TextFit.h"

#include <QPainter>
#include <QString>
#include <QWidget>

void ViewPaint::dress(QWidget *view, const QColor &background, int pointSize, int weight)
{
    if (background.isValid()) {
        QPalette pal = view->palette();
        pal.setColor(QPalette::Window, background);
        view->setPalette(pal);
        view->setAutoFillBackground(true);
    }
    QFont f = view->font();
    f.setPointSize(pointSize);
    if (weight != -1)
        f.setWeight(weight);
    view->setFont(f);
}

void ViewPaint::axisSign(QPainter &painter, int bottom)
{
    const int yArrow = bottom;
    const int xTop = bottom - 35;
    painter.drawText(QPoint(512, yArrow + 3), QStringLiteral("Y"));
    painter.drawLine(522, yArrow, 562, yArrow);
    painter.drawLine(522, yArrow, 527, yArrow - 5);
    painter.drawLine(522, yArrow, 527, yArrow + 5);
    painter.drawText(QPoint(554, xTop - 3), QStringLiteral("X"));
    painter.drawLine(557, xTop, 557, yArrow + 5);
    painter.drawLine(557, xTop, 562, xTop + 5);
    painter.drawLine(557, xTop, 552, xTop + 5);
}

void ViewPaint::dimensions(QPainter &painter, const QRectF &r, double width, double height)
{
    // Whole pixels, as the lines are laid out on the pixel grid.
    const int left = static_cast<int>(r.left());
    const int right = static_cast<int>(r.right());
    const int top = static_cast<int>(r.top());
    const int bottom = static_cast<int>(r.bottom());
    const int vx = static_cast<int>(r.left() - 40);
    const int vxTick = static_cast<int>(r.left() - 35);
    const int hy = static_cast<int>(r.bottom() + 40);
    const int hyTick = static_cast<int>(r.bottom() + 35);
    const QLine lines[] = {
        QLine(vx, top, vx, bottom), QLine(vx, top, vxTick, top),   QLine(vx, bottom, vxTick, bottom),
        QLine(left, hy, right, hy), QLine(left, hy, left, hyTick), QLine(right, hy, right, hyTick),
    };
    painter.drawLines(lines, 6);
    // The height stands in a narrow box between its dimension line and the
    // part: a long number is set smaller, and is never cut at the box's edge.
    const QString heightText = QString::number(height * 0.265, 'g', 6) + QStringLiteral("\nmm");
    const QRect heightBox(vxTick, static_cast<int>(r.top() + r.height() / 2 - 10), 30, 50);
    const QFont font = painter.font();
    painter.setFont(TextFit::fitted(font, heightText, heightBox.width()));
    painter.drawText(heightBox, Qt::TextDontClip, heightText);
    painter.setFont(font);
    const QString widthText = QString::number(width * 0.265, 'g', 6) + QStringLiteral(" mm");
    painter.drawText(QPoint(static_cast<int>(r.left() + r.width() / 2 - 10), hyTick), widthText);
}
