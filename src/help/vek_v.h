#pragma once

#include <QWidget>

namespace Ui {
class TForm2;
}

class TForm2 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

private:
    Ui::TForm2* ui;
};
