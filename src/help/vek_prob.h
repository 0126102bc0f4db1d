#pragma once

#include <QWidget>

namespace Ui {
class TForm12;
}

class TForm12 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm12(QWidget* parent = nullptr);
    ~TForm12() override;

private:
    Ui::TForm12* ui;
};
