// SPDX-License-Identifier: GPL-3.0-or-later
// The layouts name the classic desktop fonts in points; here they become installed free fonts
// sized in pixels, so the pixel layouts hold whatever the screen's dots per inch.
#pragma once

#include <thread>

class QWidget;

namespace vek::platform {

// Reads the system's font configuration on a second thread from construction until
// WaitForFontConfiguration(): the largest single cost of start-up, overlapped with Qt's own.
class FontConfigurationReader {
protected:
    FontConfigurationReader();
    void WaitForFontConfiguration();

private:
    std::jthread reader_;
};

// Maps the layouts' font families to installed look-alikes. Call once before any window exists.
void InstallFontSubstitutions();

// The character height in pixels of a font of `points` at 96 dots per inch (8 pt is 11 px).
int PixelHeight(int points);

// Gives `root` and every widget inside it the pixel height of its font's point size.
void UsePixelFonts(QWidget* root);

// Sizes every label inside `root` to its text, as laid-out labels do, when `root` is first shown.
void FitLabelsToTextWhenShown(QWidget* root);

// Sets the size of `widget`'s font to `points`, in pixels like UsePixelFonts.
void SetFontPoints(QWidget* widget, int points);

}  // namespace vek::platform
