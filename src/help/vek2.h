// SPDX-License-Identifier: GPL-3.0-or-later
// The general information window: what the program is for, and an index of the concepts
// that opens their help windows.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TForm9;
}

class TForm9 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm9(QWidget* parent = nullptr);
    ~TForm9() override;

private:
    std::unique_ptr<Ui::TForm9> ui;
};
