// SPDX-License-Identifier: GPL-3.0-or-later
// The file-management window: explains the three file operations and carries their buttons.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class TForm1;

namespace Ui {
class TForm10;
}

namespace vek {

// The full path of the report file chosen last in this run; empty until the first one. The text
// box window shows and saves the file of that name.
QString& ReportFileName();

}  // namespace vek

class TForm10 final : public QWidget {
    Q_OBJECT

public:
    // The operations read and write the main window's fields and options; `mainWindow` must
    // outlive this window.
    explicit TForm10(TForm1& mainWindow, QWidget* parent = nullptr);
    ~TForm10() override;

private:
    void Button1Click();  // "Guardar": the screen into a screen-state file
    void Button2Click();  // "Recuperar": a screen-state file onto the screen
    void Button3Click();  // "Generar": the text report, then the text box window

    void Restore(const QString& path);

    std::unique_ptr<Ui::TForm10> ui;
    TForm1& mainWindow_;
};
