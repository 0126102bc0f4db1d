// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/rounded_shape.h"

#include <QPainter>
#include <algorithm>

void RoundedShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(palette().color(QPalette::Window));
    // The classic shape rounds its corners with a quarter of the shorter side as diameter.
    const qreal radius = std::min(width(), height()) / 8.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
