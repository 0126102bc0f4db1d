#pragma once

#include <QWidget>

namespace Ui {
class TForm10;
}

class TForm10 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm10(QWidget* parent = nullptr);
    ~TForm10() override;

private:
    Ui::TForm10* ui;
};
