#pragma once

#include <QWidget>

namespace Ui {
class TForm11;
}

class TForm11 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm11(QWidget* parent = nullptr);
    ~TForm11() override;

private:
    Ui::TForm11* ui;
};
