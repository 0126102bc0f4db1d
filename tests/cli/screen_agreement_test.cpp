// SPDX-License-Identifier: GPL-3.0-or-later
// The window and vek-calc agree: each script runs through the offscreen main window, as a
// person works it (focus, type, Tab, click), and through the built vek-calc; the field texts
// and the stored quantities must be the same.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "file_windows_fixture.h"
#include "files/screen_state.h"
#include "test_files.h"
#include "window_test_main.h"

using vek::Field;
using vek::Quantity;

namespace {

struct Symbol {
    const char* name;
    Field field;
    const char* dependentOption;
};

constexpr Symbol kSymbols[] = {
    {"V", Field::V, "RadioButton3"}, {"Z", Field::Z, "RadioButton4"},
    {"prob", Field::prob, nullptr},  {"E", Field::E, "RadioButton5"},
    {"n", Field::n, "RadioButton6"}, {"N", Field::N, "RadioButton7"},
};

const Symbol& SymbolNamed(const QString& name) {
    for (const Symbol& symbol : kSymbols) {
        if (name == QLatin1String(symbol.name)) return symbol;
    }
    qFatal("no symbol %s", qPrintable(name));
}

// Records the save never writes but the restore takes: a fractional n, N below n, Z above the
// field's cap, and N dependent in a finite population.
QByteArray OddRecord(const QString& name) {
    const auto q = Quantity::FromScaled;
    if (name == QLatin1String("fractional-n")) {
        return vek::EncodeScreenState({q(2500), q(19600), q(300), q(125000), q(100000000), 1, 1});
    }
    if (name == QLatin1String("N-below-n")) {
        return vek::EncodeScreenState({q(2500), q(19600), q(300), q(20000000), q(100000000), 3, 1});
    }
    if (name == QLatin1String("Z-above-cap")) {
        return vek::EncodeScreenState({q(2500), q(50000), q(300), q(10680000), q(100000000), 4, 0});
    }
    return vek::EncodeScreenState({q(2500), q(19600), q(300), q(9650000), q(100000000), 5, 1});
}

}  // namespace

class ScreenAgreementTest : public QObject, private FileWindowsFixture {
    Q_OBJECT

private:
    template <class Widget>
    Widget* control(QWidget* window, const char* name) const {
        auto* found = window->findChild<Widget*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no control %s", name);
        return found;
    }

    // One vek-calc step as a person does it on the screen.
    void act(const QStringList& script, qsizetype& i) {
        const QString& step = script[i];
        if (step == QLatin1String("--finite") || step == QLatin1String("--infinite")) {
            const char* option =
                step == QLatin1String("--finite") ? "RadioButton2" : "RadioButton1";
            QTest::mouseClick(control<QRadioButton>(form1.get(), option), Qt::LeftButton);
        } else if (step == QLatin1String("--dependent")) {
            const char* option = SymbolNamed(script[++i]).dependentOption;
            QTest::mouseClick(control<QRadioButton>(form1.get(), option), Qt::LeftButton);
        } else if (step == QLatin1String("--calculate")) {
            QTest::mouseClick(control<QPushButton>(form1.get(), "Button1"), Qt::LeftButton);
        } else if (step == QLatin1String("--load")) {
            QTest::mouseClick(control<QPushButton>(form1.get(), "Button3"), Qt::LeftButton);
            dialogs->answer(script[++i]);
            QTest::mouseClick(control<QPushButton>(form10.get(), "Button2"), Qt::LeftButton);
        } else {
            const qsizetype equals = step.indexOf(QLatin1Char('='));
            type(SymbolNamed(step.left(equals)).field, step.mid(equals + 1));
        }
        QCOMPARE(form1->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->isChecked(),
                 session->population() == vek::Population::Finite);
    }

    // vek-calc's exit status and its JSON summary.
    static std::pair<int, QJsonObject> RunVekCalc(const QStringList& script) {
        QProcess calc;
        calc.start(QStringLiteral(VEK_CALC_PATH),
                   QStringList{QStringLiteral("--separator"), QStringLiteral(","),
                               QStringLiteral("--json")} +
                       script);
        if (!calc.waitForFinished()) return {-1, {}};
        return {calc.exitCode(), QJsonDocument::fromJson(calc.readAllStandardOutput()).object()};
    }

private slots:
    void init() { QVERIFY(openWindows()); }
    void cleanup() { closeWindows(); }

    void bothProgramsShowTheSame_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("refused");  // the step vek-calc refuses; -1 for none
        const auto row = [](const char* name, const QStringList& script, int refused = -1) {
            QTest::newRow(name) << script << refused;
        };
        row("start-up", {});
        row("E and V", {"E=0,02", "V=0,037"});
        row("Z corrected", {"Z=-5", "--dependent", "E"});
        row("prob then Z", {"prob=0,01", "--calculate", "Z=2,5"});
        row("prob clamped", {"prob=0", "--dependent", "V", "--finite"});
        row("both switches", {"--finite", "--dependent", "Z", "--infinite", "--finite"});
        row("N dependent, then infinite", {"--finite", "--dependent", "V", "n=965", "--dependent",
                                           "N", "--calculate", "--infinite"});
        row("N typed while n dependent", {"--finite", "N=500", "--calculate"});
        row("refused V", {"V=2", "V=0", "--dependent", "E"}, 1);
        row("refused n not below N", {"--finite", "--dependent", "V", "n=10000"}, 3);
        row("refused N not above n", {"--finite", "--dependent", "E", "N=965"}, 3);
        row("failed result", {"--dependent", "V", "Z=0"});
        for (const char* record : {"fractional-n", "N-below-n", "Z-above-cap", "N-dependent"}) {
            row(record, {"prob=0,1", "--load", record});
        }
    }

    void bothProgramsShowTheSame() {
        QFETCH(QStringList, script);
        QFETCH(int, refused);
        for (qsizetype i = 0; i < script.size(); ++i) {
            if (i > 0 && script[i - 1] == QLatin1String("--load")) {
                const QString path = file(script[i] + QStringLiteral(".vkt"));
                QVERIFY(vek::testing::WriteFile(path, OddRecord(script[i])));
                script[i] = path;
            }
        }
        QStringList accepted = script;
        if (refused >= 0) {
            QCOMPARE(RunVekCalc(script).first, 2);
            accepted.removeAt(refused);
        }
        const auto [status, calc] = RunVekCalc(accepted);

        for (qsizetype i = 0; i < script.size(); ++i)
            act(script, i);
        QTest::mouseClick(form1->findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);

        QCOMPARE(status, session->ResultFailed() ? 1 : 0);
        QVERIFY(!calc.isEmpty());
        const auto dependent = vek::DependentFields(session->state().DependentVariable);
        for (const Symbol& symbol : kSymbols) {
            const QString stored = calc[QLatin1String(symbol.name)].toString();
            QCOMPARE(QString::fromStdString(
                         vek::QuantityToText(vek::QuantityOf(session->state(), symbol.field), ',')),
                     stored);
            const bool isDependent =
                std::find(dependent.begin(), dependent.end(), symbol.field) != dependent.end();
            if (!isDependent) QCOMPARE(form1->field(symbol.field)->text(), stored);
        }
        QCOMPARE(QString::fromStdString(session->ResultText()), calc[u"result"].toString());
    }
};

int main(int argc, char** argv) {
    return vek::testing::RunWindowTest<ScreenAgreementTest>(argc, argv);
}

#include "screen_agreement_test.moc"
