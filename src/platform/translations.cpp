// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>

namespace vek::platform {
namespace {

// Texts of Qt's file dialog that Qt's Spanish translation lacks: the Type column would say
// "Folder" for every folder.
class QtSpanishGaps final : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        struct FileType {
            const char* english;
            const char* spanish;
        };
        static constexpr FileType kFileTypes[] = {
            {"Folder", "Carpeta"}, {"Drive", "Unidad"}, {"Unknown", "Desconocido"}};
        // Qt lets a caller pass no context or no text; there is nothing to translate then.
        if (context == nullptr || sourceText == nullptr ||
            std::strcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        for (const auto& [english, spanish] : kFileTypes) {
            if (std::strcmp(sourceText, english) == 0) return QString::fromUtf8(spanish);
        }
        return {};
    }
};

}  // namespace

bool InstallQtSpanish(QCoreApplication& app, const QString& directory) {
    auto* translator = new QTranslator(&app);
    const QString from =
        directory.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : directory;
    if (!translator->load(QStringLiteral("qtbase_es"), from)) {
        delete translator;
        return false;
    }
    // Installed first, so it is asked last: Qt's own translation wins where it has the text.
    QCoreApplication::installTranslator(new QtSpanishGaps(&app));
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vek::platform
