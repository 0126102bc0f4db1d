// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows: created once, reached by number, shown non-modally, centred the
// first time and back at their last position afterwards.
#pragma once

class QWidget;

namespace vek::platform {

inline constexpr int kWindowCount = 12;

// The numbers of Form1 … Form12.
enum WindowNumber : int {
    kMainWindow = 1,
    kVarianceHelp = 2,
    kDistanceHelp = 3,
    kPrecisionErrorHelp = 4,
    kSampleSizeHelp = 5,
    kPopulationSizeHelp = 6,
    kDependentVariableHelp = 7,
    kSamplingHelp = 8,
    kInformationWindow = 9,
    kFileWindow = 10,
    kTextBoxWindow = 11,
    kErrorProbabilityHelp = 12,
};

// Form1 … Form12: one reference per window, set once when the window is created.
void RegisterWindow(int number, QWidget* window);
// The window of that number, or nullptr (not created, or a number outside 1 … 12).
QWidget* Window(int number);

enum class TitleButtons { None, CloseOnly };

// A fixed dialog frame: movable, not resizable, at the window's current size.
void UseDialogFrame(QWidget* window, TitleButtons buttons);
// A narrow tool-window frame with a close box only, fixed size.
void UseToolWindowFrame(QWidget* window);

// Shows `window` without blocking the others; one already shown comes to the front and
// becomes active. Centred on the screen the first time, at its last position afterwards.
void ShowWindow(QWidget* window);

// As ShowWindow, but placed beside `anchor` the first time instead of centred.
void ShowWindowBeside(QWidget* window, const QWidget* anchor);

}  // namespace vek::platform
