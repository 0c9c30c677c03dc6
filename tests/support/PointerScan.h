#pragma once
// Finds a link the way a parent does: by moving the pointer over a widget
// until it turns into a pointing hand.
#include <QPoint>
#include <QTest>
#include <QWidget>

inline QPoint FindPointingHand(QWidget *widget)
{
    for (int y = 2; y < widget->height(); y += 2)
        for (int x = 2; x < widget->width(); x += 2) {
            QTest::mouseMove(widget, QPoint(x, y));
            if (widget->cursor().shape() == Qt::PointingHandCursor)
                return {x, y};
        }
    return {-1, -1};
}
