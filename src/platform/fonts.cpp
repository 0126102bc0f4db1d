// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <QFont>
#include <QLabel>
#include <QWidget>
#include <cmath>

namespace vek::platform {
namespace {

struct Substitution {
    const char* family;
    const char* installed;
};

// Metric-compatible fonts where Debian has them (fonts-liberation), a look-alike otherwise.
constexpr Substitution kSubstitutions[] = {
    {"MS Sans Serif", "Liberation Sans"},       {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"}, {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},         {"Comic Sans MS", "Comic Neue"},
};

constexpr int kLayoutDotsPerInch = 96;
constexpr int kPointsPerInch = 72;

// MS Sans Serif's 8 pt face is a bitmap font whose letters are about 8 % narrower than its
// stand-in's at 11 px and whose spaces are about a pixel wider: without this, lines laid out
// for it run past their windows' right edges and gaps left for a word close up.
constexpr int kNarrowBitmapPoints = 8;
constexpr int kNarrowBitmapStretch = 92;
constexpr qreal kNarrowBitmapExtraSpace = 1.0;

void SetPixelSize(QFont& font, int points) {
    font.setPixelSize(PixelHeight(points));
    const bool narrowBitmap =
        points == kNarrowBitmapPoints && font.family() == QLatin1String("MS Sans Serif");
    font.setStretch(narrowBitmap ? kNarrowBitmapStretch : QFont::AnyStretch);
    font.setWordSpacing(narrowBitmap ? kNarrowBitmapExtraSpace : 0.0);
}

void UsePixelFont(QWidget* widget) {
    QFont font = widget->font();
    if (font.pixelSize() > 0) return;
    SetPixelSize(font, static_cast<int>(std::lround(font.pointSizeF())));
    widget->setFont(font);
}

}  // namespace

void InstallFontSubstitutions() {
    for (const auto& [family, installed] : kSubstitutions) {
        QFont::insertSubstitution(QString::fromLatin1(family), QString::fromLatin1(installed));
    }
}

int PixelHeight(int points) {
    return (points * kLayoutDotsPerInch + kPointsPerInch / 2) / kPointsPerInch;
}

void UsePixelFonts(QWidget* root) {
    UsePixelFont(root);
    for (QWidget* child : root->findChildren<QWidget*>())
        UsePixelFont(child);
}

void FitLabelsToText(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>())
        label->adjustSize();
}

void SetFontPoints(QWidget* widget, int points) {
    QFont font = widget->font();
    SetPixelSize(font, points);
    widget->setFont(font);
}

}  // namespace vek::platform
