#pragma once

#include <QWidget>

namespace Ui {
class TForm7;
}

class TForm7 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm7(QWidget* parent = nullptr);
    ~TForm7() override;

private:
    Ui::TForm7* ui;
};
