// The file-management window: explains the three file operations and carries their buttons.
#pragma once

#include <QWidget>

class TForm1;

namespace Ui {
class TForm10;
}

class TForm10 final : public QWidget {
    Q_OBJECT

public:
    // The operations read and write the main window's fields and options; `mainWindow` must
    // outlive this window.
    explicit TForm10(TForm1& mainWindow, QWidget* parent = nullptr);
    ~TForm10() override;

private:
    Ui::TForm10* ui;
    TForm1& mainWindow_;
};
