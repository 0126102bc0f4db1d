#pragma once

#include <QWidget>

namespace Ui {
class TForm3;
}

class TForm3 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

private:
    Ui::TForm3* ui;
};
