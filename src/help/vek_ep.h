#pragma once

#include <QWidget>

namespace Ui {
class TForm4;
}

class TForm4 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

private:
    Ui::TForm4* ui;
};
