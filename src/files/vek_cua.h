// SPDX-License-Identifier: GPL-3.0-or-later
// The text box window: shows the report file in an editable box, saves it back or reloads it.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

namespace Ui {
class TForm11;
}

class TForm11 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm11(QWidget* parent = nullptr);
    ~TForm11() override;

    // The box's text as the file holds it: CR LF between lines.
    QString BoxText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void CuadroChange();
    void Button1Click();  // "Guardar"
    void Button4Click();  // "Reestablecer"
    void Button2Click();  // "Salir"

    void Load();
    void Save();
    void ShowClean();
    void NoteActivation(QObject* window);

    std::unique_ptr<Ui::TForm11> ui;
    // The program's window active before this one, or nullptr after the user came back from
    // another program.
    QObject* previouslyActive_ = nullptr;
    bool shownSinceActivation_ = false;
};
