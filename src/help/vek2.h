// The general information window: what the program is for, and an index of the concepts
// that opens their help windows.
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
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button8Click();

    Ui::TForm9* ui;
};
