// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/vek_cua.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <stdexcept>

#include "files/save_file.h"
#include "files/text_file.h"
#include "files/vek_arc.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_cua.h"

using vek::platform::Guard;
using vek::platform::Guarded;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Form1 … Form12; message boxes and file dialogs are not among them.
bool IsProgramWindow(const QObject* object) {
    for (int number = 1; number <= vek::platform::kWindowCount; ++number) {
        if (object != nullptr && vek::platform::Window(number) == object) return true;
    }
    return false;
}

}  // namespace

TForm11::TForm11(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm11>()) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::None);
    connect(ui->Cuadro, &QPlainTextEdit::textChanged, this, Guard([this] { CuadroChange(); }));
    connect(ui->Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(ui->Button4, &QPushButton::clicked, this, Guard([this] { Button4Click(); }));
    connect(ui->Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));
    qApp->installEventFilter(this);
}

TForm11::~TForm11() = default;

QString TForm11::BoxText() const {
    QString text = ui->Cuadro->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, kCrLf).replace(QChar::LineSeparator, kCrLf);
    return text;
}

void TForm11::showEvent(QShowEvent* event) {
    shownSinceActivation_ = true;
    QWidget::showEvent(event);
}

// Watches every window's activation: this window reloads only when it is shown or when
// another window of the program hands it the focus, never when its own error box closes (that
// would load, fail and show the box again forever) nor when the user comes back from another
// program.
bool TForm11::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        NoteActivation(watched);
    } else if (event->type() == QEvent::WindowDeactivate &&
               QApplication::activeWindow() == nullptr) {
        previouslyActive_ = nullptr;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm11::NoteActivation(QObject* window) {
    if (window == this) {
        const bool handedOver = shownSinceActivation_ || IsProgramWindow(previouslyActive_);
        shownSinceActivation_ = false;
        // After the activation has been delivered, so an error box does not open inside it.
        if (handedOver)
            QMetaObject::invokeMethod(this, Guard([this] { FormActivate(); }),
                                      Qt::QueuedConnection);
    }
    previouslyActive_ = window;
}

void TForm11::FormActivate() {
    Load();
    ShowClean();
}

void TForm11::CuadroChange() {
    ui->Button1->setEnabled(true);
    ui->Button4->setEnabled(true);
    setWindowTitle(QStringLiteral("Archivo: ") + vek::ReportFileName());
}

void TForm11::Button1Click() {
    Save();
    ShowClean();
}

void TForm11::Button4Click() {
    Load();
    ShowClean();
}

void TForm11::Button2Click() {
    close();
}

void TForm11::ShowClean() {
    ui->Button1->setEnabled(false);
    ui->Button4->setEnabled(false);
    setWindowTitle(QStringLiteral("Archivo: ") + vek::ReportFileName() +
                   QStringLiteral(" (no modificado)"));
}

// An identical text leaves the box alone: no change notification, cursor and scroll kept.
void TForm11::Load() {
    const QString& name = vek::ReportFileName();
    const auto bytes = vek::ReadBytes(name);
    if (!bytes) throw std::runtime_error("Cannot open file " + name.toStdString());
    const QString text = vek::NormalizeLineEnds(vek::DecodeWindows1252(*bytes));
    if (text == BoxText()) return;
    ui->Cuadro->setPlainText(QString(text).replace(kCrLf, QStringLiteral("\n")));
}

void TForm11::Save() {
    const QString& name = vek::ReportFileName();
    const vek::Windows1252Bytes encoded = vek::EncodeWindows1252(BoxText());
    switch (vek::SaveBytes(name, encoded.bytes)) {
        case vek::SaveResult::Saved:
            break;
        case vek::SaveResult::CannotCreate:
            throw std::runtime_error("Cannot create file " + name.toStdString());
        case vek::SaveResult::WriteFailed:
            throw std::runtime_error("Stream write error");
    }
    if (encoded.replaced) {
        vek::platform::dialogs().message(
            this, vek::platform::MessageIcon::Warning,
            QString::fromLatin1(vek::platform::kProgramTitle),
            QStringLiteral("Algunos caracteres del cuadro no existen en el juego de caracteres "
                           "Windows-1252; se han guardado como «?»."));
    }
}
