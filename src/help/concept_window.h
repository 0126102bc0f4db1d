// SPDX-License-Identifier: GPL-3.0-or-later
// What the eight concept help windows share: the yellow pop-up note that closes itself when
// the user turns to another window of the program.
#pragma once

#include <QWidget>
#include <QWindow>

class ConceptWindow : public QWidget {
    Q_OBJECT

public:
    explicit ConceptWindow(QWidget* parent = nullptr);

protected:
    // The look that follows the layout: pixel fonts, labels fitted to their text, a fixed
    // tool-window frame with a close box only. Call after the layout is set up.
    void UseConceptLook();

private:
    void FocusWindowChanged(QWindow* focused);
    void FormDeactivate();

    // Whether this window was the last of the program's windows to hold the focus. Focus
    // going nowhere (another program, or the window manager's grab during a title-bar drag)
    // leaves it set, so the next window of the program to take the focus still closes this one.
    bool focused_ = false;
};
