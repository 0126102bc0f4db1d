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

void UsePixelFont(QWidget* widget) {
    QFont font = widget->font();
    if (font.pixelSize() > 0) return;
    font.setPixelSize(PixelHeight(static_cast<int>(std::lround(font.pointSizeF()))));
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
    font.setPixelSize(PixelHeight(points));
    widget->setFont(font);
}

}  // namespace vek::platform
