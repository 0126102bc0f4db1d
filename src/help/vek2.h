#pragma once

#include <QWidget>

namespace Ui {
class TForm9;
}

class TForm9 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm9(QWidget* parent = nullptr);
    ~TForm9() override;

private:
    Ui::TForm9* ui;
};
