// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile disks and files through the windows' own save and load paths: a full device, places
// that cannot be written, a folder that vanished or stands where a file should be, a named
// pipe, Spanish letters and spaces in a path, an empty and a 10 MB text. Each gives its message,
// and no file that existed before loses a byte.
//
// The tests run as root in CI, where permissions stop nothing: there "cannot create" is a path
// under /proc, and a read-only file is made immutable with chattr when the file system lets us.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "file_windows_fixture.h"
#include "files/screen_state.h"
#include "files/text_file.h"
#include "files/vek_arc.h"
#include "files/vek_cua.h"
#include "platform/windows.h"
#include "screen/vek1.h"
#include "test_files.h"
#include "window_test_main.h"

using vek::Field;
using vek::testing::FileContents;
using vek::testing::WriteFile;

namespace {

const QString kCannotCreateAsRoot = QStringLiteral("/proc/vek-hostile-disk-test/previo.vkt");

bool IsRoot() {
    return geteuid() == 0;
}

// Whether `path` could be made unwritable even for root; undone by the test's cleanup.
bool MakeImmutable(const QString& path) {
    return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
}

void MakeMutable(const QString& path) {
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
}

// A named pipe without a writer or reader: opening it would wait for ever.
QString MakePipe(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

// A report-like text of about `size` bytes: Windows-1252 letters, CR LF line ends.
QByteArray LongText(qsizetype size) {
    const QByteArray line("Tama\xf1o de la muestra: n = V*Z\xb2/E\xb2, poblaci\xf3n finita.\r\n");
    QByteArray text;
    text.reserve(size + line.size());
    while (text.size() < size)
        text += line;
    return text;
}

}  // namespace

class HostileDiskTest : public QObject, private FileWindowsFixture {
    Q_OBJECT

private:
    QString immutableFile_;

    QPlainTextEdit* box() const {
        return form11->findChild<QPlainTextEdit*>(QStringLiteral("Cuadro"));
    }
    void click(QWidget* window, const char* name) {
        QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }
    // "Leer / Escribir", then one of its buttons with the dialog answered by `path`.
    void fileOperation(const char* button, const QString& path) {
        vek::platform::ShowWindow(form10.get());
        QVERIFY(QTest::qWaitForWindowExposed(form10.get()));
        dialogs->answer(path);
        click(form10.get(), button);
    }
    void showTextBox() {
        vek::platform::ShowWindow(form11.get());
        QVERIFY(QTest::qWaitForWindowActive(form11.get()));
        QCoreApplication::processEvents();
    }
    void pasteAtEnd(const QString& text) {
        box()->moveCursor(QTextCursor::End);
        box()->insertPlainText(text);
    }
    // A path the save cannot create, and whether this run can make one at all.
    QString unwritablePlace() {
        if (IsRoot()) return kCannotCreateAsRoot;
        const QString folder = file(QStringLiteral("solo lectura"));
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        return folder + QStringLiteral("/previo.vkt");
    }
    // Whether the save may no longer replace `path`; false when this run cannot make it so
    // (root on a file system without immutable files).
    bool makeReadOnly(const QString& path) {
        if (!IsRoot()) {
            QFile::setPermissions(path, QFile::ReadOwner);
            return true;
        }
        if (!MakeImmutable(path)) return false;
        immutableFile_ = path;
        return true;
    }

private slots:
    void init() { QVERIFY(openWindows()); }

    void cleanup() {
        if (!immutableFile_.isEmpty()) MakeMutable(immutableFile_);
        immutableFile_.clear();
        QFile::setPermissions(file(QStringLiteral("solo lectura")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        closeWindows();
    }

    void savingTheScreenFails_data() {
        QTest::addColumn<QString>("place");
        QTest::newRow("full disk (/dev/full)") << "full";
        QTest::newRow(IsRoot() ? "cannot create (under /proc, as root)"
                               : "folder without write permission")
            << "unwritable";
        QTest::newRow("folder vanished") << "vanished";
        QTest::newRow("a folder where the file should be") << "folder";
        QTest::newRow("read-only existing file") << "readonly";
        QTest::newRow("a named pipe") << "pipe";
    }

    void savingTheScreenFails() {
        QFETCH(QString, place);
        const QByteArray previous("contenido anterior\r\n");
        QString path;
        if (place == "full") path = QStringLiteral("/dev/full");
        if (place == "unwritable") path = unwritablePlace();
        if (place == "vanished") {
            QVERIFY(QDir().mkdir(file(QStringLiteral("se va"))));
            path = file(QStringLiteral("se va/previo.vkt"));
            QVERIFY(QDir().rmdir(file(QStringLiteral("se va"))));
        }
        if (place == "folder") {
            path = file(QStringLiteral("carpeta.vkt"));
            QVERIFY(QDir().mkdir(path));
            QVERIFY(WriteFile(path + QStringLiteral("/dentro.txt"), previous));
        }
        if (place == "readonly") {
            path = file(QStringLiteral("protegido.vkt"));
            QVERIFY(WriteFile(path, previous));
            if (!makeReadOnly(path)) QSKIP("root, and this file system has no immutable files");
        }
        if (place == "pipe") path = MakePipe(file(QStringLiteral("tubería.vkt")));
        QVERIFY(!path.isEmpty());
        const QStringList before = screenTexts();

        fileOperation("Button1", path);

        QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("No he podido escribir «") +
                                                      path + QStringLiteral("» ")});
        QCOMPARE(dialogs->messages().constFirst().caption, QStringLiteral("Error"));
        QVERIFY(!form10->isVisible());
        QCOMPARE(screenTexts(), before);
        if (place == "vanished") QVERIFY(!QFile::exists(path));
        if (place == "folder")
            QCOMPARE(FileContents(path + QStringLiteral("/dentro.txt")), previous);
        if (place == "readonly") QCOMPARE(FileContents(path), previous);
    }

    void restoringTheScreenFails_data() {
        QTest::addColumn<QString>("place");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("folder vanished") << "vanished";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("cannot open (under /proc)") << "proc";
        QTest::newRow("0-byte file") << "empty";
        QTest::newRow("a device (/dev/zero)") << "device";
        QTest::newRow("a named pipe") << "pipe";
    }

    void restoringTheScreenFails() {
        QFETCH(QString, place);
        QString path = file(QStringLiteral("previo.vkt"));
        if (place == "vanished") path = file(QStringLiteral("se va/previo.vkt"));
        if (place == "folder") QVERIFY(QDir().mkdir(path));
        if (place == "proc") path = kCannotCreateAsRoot;
        if (place == "empty") QVERIFY(WriteFile(path, {}));
        if (place == "device") path = QStringLiteral("/dev/zero");
        if (place == "pipe") path = MakePipe(file(QStringLiteral("tubería.vkt")));
        QVERIFY(!path.isEmpty());
        const QStringList before = screenTexts();
        const vek::ModelState stateBefore = state();

        fileOperation("Button2", path);

        QCOMPARE(dialogs->messageTexts(),
                 QStringList{QStringLiteral("No he podido leer «") + path + QStringLiteral("» ")});
        QCOMPARE(screenTexts(), before);
        QVERIFY(state() == stateBefore);
    }

    void spanishLettersAndSpacesInThePath() {
        const QString folder = file(QStringLiteral("Año número 1"));
        QVERIFY(QDir().mkdir(folder));
        const QString screenFile = folder + QStringLiteral("/pantalla ñandú.vkt");
        const QString reportFile = folder + QStringLiteral("/informe de señales.vek");
        type(Field::E, QStringLiteral("0,02"));
        const QByteArray saved = vek::EncodeScreenState(session->Record());

        fileOperation("Button1", screenFile);
        QCOMPARE(FileContents(screenFile), saved);
        type(Field::E, QStringLiteral("0,03"));
        fileOperation("Button2", screenFile);
        QCOMPARE(state().PrecisionError, vek::Quantity::FromScaled(200));
        QCOMPARE(form1->field(Field::n)->text(), QStringLiteral("2401"));

        fileOperation("Button3", reportFile);
        QVERIFY(QTest::qWaitForWindowActive(form11.get()));
        QCoreApplication::processEvents();
        QVERIFY(dialogs->messageTexts().isEmpty());
        QCOMPARE(form11->windowTitle(),
                 QStringLiteral("Archivo: ") + reportFile + QStringLiteral(" (no modificado)"));
        QVERIFY(FileContents(reportFile).contains("2401"));
        QCOMPARE(vek::EncodeWindows1252(form11->BoxText()).bytes, FileContents(reportFile));
    }

    void emptyTextFile() {
        const QString path = file(QStringLiteral("vacío.txt"));
        QVERIFY(WriteFile(path, {}));
        vek::ReportFileName() = path;
        showTextBox();
        QVERIFY(dialogs->messageTexts().isEmpty());
        QVERIFY(form11->BoxText().isEmpty());
        QVERIFY(form11->windowTitle().endsWith(QStringLiteral(" (no modificado)")));
        pasteAtEnd(QStringLiteral("x"));
        box()->undo();
        click(form11.get(), "Button1");
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    // Loaded whole, saved back byte for byte with the edit appended.
    void tenMegabyteTextFile() {
        const QString path = file(QStringLiteral("grande.txt"));
        const QByteArray text = LongText(qsizetype{10} * 1024 * 1024);
        QVERIFY(WriteFile(path, text));
        vek::ReportFileName() = path;
        showTextBox();
        QVERIFY(dialogs->messageTexts().isEmpty());
        QCOMPARE(form11->BoxText().size(), text.size());
        pasteAtEnd(QStringLiteral("fin"));
        click(form11.get(), "Button1");
        QVERIFY(dialogs->messageTexts().isEmpty());
        QCOMPARE(FileContents(path), text + "fin");
    }

    // A device never ends and a pipe waits for a writer: the load refuses both, at once.
    void textFileThatIsNoFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a device (/dev/full)") << "device";
        QTest::newRow("a named pipe") << "pipe";
    }

    void textFileThatIsNoFile() {
        QFETCH(QString, kind);
        const QString path = kind == "device" ? QStringLiteral("/dev/full")
                                              : MakePipe(file(QStringLiteral("tubería.txt")));
        QVERIFY(!path.isEmpty());
        vek::ReportFileName() = path;
        showTextBox();
        QTRY_COMPARE(dialogs->messageTexts(),
                     QStringList{QStringLiteral("Cannot open file ") + path + QLatin1Char('.')});
        QCOMPARE(box()->toPlainText(), QStringLiteral("Cuadro"));
    }

    void textSavedOverAFolder() {
        const QString path = file(QStringLiteral("informe.vek"));
        QVERIFY(WriteFile(path, "previo\r\n"));
        vek::ReportFileName() = path;
        showTextBox();
        pasteAtEnd(QStringLiteral("cambio"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        QVERIFY(WriteFile(path + QStringLiteral("/dentro.txt"), "dentro\r\n"));
        click(form11.get(), "Button1");
        QCOMPARE(dialogs->messageTexts(),
                 QStringList{QStringLiteral("Cannot create file ") + path + QLatin1Char('.')});
        QCOMPARE(FileContents(path + QStringLiteral("/dentro.txt")), QByteArray("dentro\r\n"));
        QVERIFY(form11->windowTitle() == QStringLiteral("Archivo: ") + path);
    }
};

int main(int argc, char** argv) {
    return vek::testing::RunWindowTest<HostileDiskTest>(argc, argv);
}

#include "hostile_disk_test.moc"
