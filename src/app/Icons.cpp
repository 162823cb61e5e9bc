#include "app/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace Icons {
namespace {

QPixmap canvas(int size)
{
    QPixmap p(size, size);
    p.fill(Qt::transparent);
    return p;
}

void page(QPainter &g, const QRectF &r)
{
    QPolygonF poly;
    poly << r.topLeft() << QPointF(r.right() - 4, r.top()) << QPointF(r.right(), r.top() + 4)
         << r.bottomRight() << r.bottomLeft();
    g.setPen(QPen(QColor(60, 60, 60), 1));
    g.setBrush(Qt::white);
    g.drawPolygon(poly);
}

QPixmap lamp(const QColor &c)
{
    QPixmap p = canvas(16);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QRadialGradient grad(QPointF(6, 6), 8);
    grad.setColorAt(0, c.lighter(170));
    grad.setColorAt(1, c);
    g.setPen(QPen(c.darker(160), 1));
    g.setBrush(grad);
    g.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    return p;
}

} // namespace

QIcon ToolIcon(Tool t)
{
    QPixmap p = canvas(16);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    switch (t) {
    case Tool::New:
        page(g, QRectF(3.5, 1.5, 9, 13));
        break;
    case Tool::Open:
        g.setPen(QPen(QColor(120, 90, 20), 1));
        g.setBrush(QColor(240, 200, 80));
        g.drawRect(QRectF(1.5, 4.5, 12, 9));
        g.setBrush(QColor(250, 225, 130));
        g.drawPolygon(QPolygonF() << QPointF(3.5, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 13.5)
                                  << QPointF(1.5, 13.5));
        break;
    case Tool::Save:
        g.setPen(QPen(QColor(20, 40, 90), 1));
        g.setBrush(QColor(60, 90, 170));
        g.drawRect(QRectF(1.5, 1.5, 13, 13));
        g.setBrush(Qt::white);
        g.drawRect(QRectF(4.5, 1.5, 7, 5));
        g.setBrush(QColor(200, 200, 200));
        g.drawRect(QRectF(3.5, 9.5, 9, 5));
        break;
    case Tool::Print:
        page(g, QRectF(4.5, 1.5, 7, 6));
        g.setPen(QPen(QColor(60, 60, 60), 1));
        g.setBrush(QColor(170, 170, 170));
        g.drawRect(QRectF(1.5, 6.5, 13, 6));
        page(g, QRectF(4.5, 10.5, 7, 4));
        break;
    case Tool::Cut:
        g.setPen(QPen(QColor(60, 60, 60), 1.4));
        g.drawLine(QPointF(4, 1), QPointF(10, 10));
        g.drawLine(QPointF(12, 1), QPointF(6, 10));
        g.setBrush(Qt::NoBrush);
        g.drawEllipse(QRectF(2, 10, 4, 4));
        g.drawEllipse(QRectF(10, 10, 4, 4));
        break;
    case Tool::Copy:
        page(g, QRectF(1.5, 1.5, 8, 10));
        page(g, QRectF(6.5, 4.5, 8, 10));
        break;
    case Tool::Paste:
        g.setPen(QPen(QColor(90, 60, 20), 1));
        g.setBrush(QColor(190, 140, 70));
        g.drawRect(QRectF(1.5, 2.5, 10, 12));
        page(g, QRectF(6.5, 5.5, 8, 9));
        break;
    case Tool::ProgEdit: {
        page(g, QRectF(2.5, 1.5, 11, 13));
        g.setPen(QPen(QColor(40, 40, 160), 1));
        for (int y = 5; y <= 12; y += 2)
            g.drawLine(QPointF(4.5, y + 0.5), QPointF(11.5, y + 0.5));
        break;
    }
    case Tool::ProgRun:
        g.setPen(QPen(QColor(20, 100, 20), 1));
        g.setBrush(QColor(60, 170, 60));
        g.drawPolygon(QPolygonF() << QPointF(4, 2) << QPointF(14, 8) << QPointF(4, 14));
        break;
    }
    return QIcon(p);
}

QPixmap AlarmLamp() { return lamp(QColor(220, 30, 30)); }
QPixmap LinkLamp() { return lamp(QColor(30, 180, 40)); }
QPixmap LampOff() { return lamp(QColor(150, 150, 150)); }

} // namespace Icons
