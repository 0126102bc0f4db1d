// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QWidget>
#include <algorithm>
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

// Sizing a label loads its font and lays out its text: in the windows that start up hidden that
// was most of the start-up time, for windows a user may never open. The show event comes before
// the window is mapped, so nothing is ever painted at the unfitted size.
class LabelFitter final : public QObject {
public:
    explicit LabelFitter(QWidget* root) : QObject(root) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            for (QLabel* label : watched->findChildren<QLabel*>())
                label->adjustSize();
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

// fontconfig reads its configuration once per process, safely from any thread; Qt's first font
// then finds it read.
FontConfigurationReader::FontConfigurationReader() : reader_([] { FcInit(); }) {}

void FontConfigurationReader::WaitForFontConfiguration() {
    if (reader_.joinable()) reader_.join();
}

void InstallFontSubstitutions() {
    for (const auto& [family, installed] : kSubstitutions) {
        QFont::insertSubstitution(QString::fromLatin1(family), QString::fromLatin1(installed));
    }
}

int PixelHeight(int points) {
    return (points * kLayoutDotsPerInch + kPointsPerInch / 2) / kPointsPerInch;
}

// Inner widgets first: a widget converted after its parent would first be laid out once more in
// a font mixed from its own point size and its parent's new pixel attributes (a font face loaded
// for nothing).
void UsePixelFonts(QWidget* root) {
    const QList<QWidget*> inside = root->findChildren<QWidget*>();
    std::for_each(inside.crbegin(), inside.crend(), UsePixelFont);
    UsePixelFont(root);
}

void FitLabelsToTextWhenShown(QWidget* root) {
    root->installEventFilter(new LabelFitter(root));
}

void SetFontPoints(QWidget* widget, int points) {
    QFont font = widget->font();
    SetPixelSize(font, points);
    widget->setFont(font);
}

}  // namespace vek::platform
