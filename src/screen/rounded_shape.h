// SPDX-License-Identifier: GPL-3.0-or-later
// A rounded rectangle drawn in the window-text colour of its palette, filled with the button
// face: the frame that groups a row or two of the main screen.
#pragma once

#include <QWidget>

class RoundedShape final : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};
