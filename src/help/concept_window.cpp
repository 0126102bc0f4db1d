// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/concept_window.h"

#include <QGuiApplication>

#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/windows.h"

ConceptWindow::ConceptWindow(QWidget* parent) : QWidget(parent) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        vek::platform::Guarded([&] { FocusWindowChanged(focused); });
    });
}

void ConceptWindow::UseConceptLook() {
    vek::platform::UsePixelFonts(this);
    vek::platform::FitLabelsToTextWhenShown(this);
    vek::platform::UseToolWindowFrame(this);
}

void ConceptWindow::FocusWindowChanged(QWindow* focused) {
    if (focused == nullptr) return;
    if (focused == windowHandle()) {
        focused_ = true;
        return;
    }
    if (!focused_) return;
    focused_ = false;
    FormDeactivate();
}

void ConceptWindow::FormDeactivate() {
    close();
}
