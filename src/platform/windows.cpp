// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

namespace vek::platform {
namespace {

std::array<QWidget*, kWindowCount + 1> windows{};

constexpr const char* kLastPosition = "vekLastPosition";

// Remembers where a window was when it was hidden, the user's dragging included.
class PlacementKeeper final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            auto* window = static_cast<QWidget*>(watched);
            window->setProperty(kLastPosition, window->pos());
        }
        return false;
    }
};

// Found by name: without Q_OBJECT, findChild<PlacementKeeper*> would take any child for one.
constexpr const char* kPlacementKeeperName = "vekPlacementKeeper";

void KeepPlacement(QWidget* window) {
    const QString name = QString::fromLatin1(kPlacementKeeperName);
    if (window->findChild<QObject*>(name, Qt::FindDirectChildrenOnly) != nullptr) return;
    auto* keeper = new PlacementKeeper(window);
    keeper->setObjectName(name);
    window->installEventFilter(keeper);
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen =
        window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void FixSize(QWidget* window) {
    window->setFixedSize(window->size());
}

}  // namespace

void RegisterWindow(int number, QWidget* window) {
    if (number >= 1 && number <= kWindowCount) windows[static_cast<size_t>(number)] = window;
}

QWidget* Window(int number) {
    if (number < 1 || number > kWindowCount) return nullptr;
    return windows[static_cast<size_t>(number)];
}

void UseDialogFrame(QWidget* window, TitleButtons buttons) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (buttons == TitleButtons::CloseOnly) flags |= Qt::WindowCloseButtonHint;
    window->setWindowFlags(flags);
    FixSize(window);
}

void UseToolWindowFrame(QWidget* window) {
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    FixSize(window);
}

void ShowWindow(QWidget* window) {
    KeepPlacement(window);
    const bool wasShown = window->isVisible();
    const QVariant last = window->property(kLastPosition);
    if (!wasShown && !last.isValid()) CentreOnScreen(window);
    window->show();
    // Under X11 a window shown again drifts by its title bar unless moved back after show().
    if (!wasShown && last.isValid()) window->move(last.toPoint());
    window->raise();
    window->activateWindow();
}

void ShowWindowBeside(QWidget* window, const QWidget* anchor) {
    constexpr int kGap = 8;
    if (!window->isVisible() && !window->property(kLastPosition).isValid()) {
        QPoint beside = anchor->frameGeometry().topRight() + QPoint(kGap, 0);
        if (const QScreen* screen = anchor->screen()) {
            const QRect available = screen->availableGeometry();
            // The size it will have when shown: its layout may not let it be as small as now.
            const QSize size = window->size().expandedTo(window->minimumSizeHint());
            beside.setX(std::min(beside.x(), available.right() - size.width()));
            beside.setX(std::max(beside.x(), available.left()));
            // Room for the title bar, which the frame adds once shown.
            const int titleBar = anchor->frameGeometry().height() - anchor->height();
            beside.setY(std::min(beside.y(), available.bottom() - size.height() - titleBar));
            beside.setY(std::max(beside.y(), available.top()));
        }
        window->setProperty(kLastPosition, beside);
    }
    ShowWindow(window);
}

}  // namespace vek::platform
