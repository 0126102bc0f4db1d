#pragma once

#include <QWidget>

namespace Ui {
class TForm8;
}

class TForm8 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm8(QWidget* parent = nullptr);
    ~TForm8() override;

private:
    Ui::TForm8* ui;
};
