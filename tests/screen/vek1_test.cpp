// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven like a user: keys, clicks and pointer moves, offscreen.
#include "screen/vek1.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <memory>

#include "accessible_names.h"
#include "model/state.h"
#include "platform/error_report.h"
#include "platform/windows.h"
#include "scripted_dialogs.h"
#include "window_test_main.h"

using vek::Field;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kSilver(192, 192, 192);

template <class Widget = QWidget>
Widget* Control(QWidget* form, const char* name) {
    auto* control = form->findChild<Widget*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
}

QColor BaseColour(const QLineEdit* edit) {
    return edit->palette().color(QPalette::Base);
}

void MoveOver(QWidget* control, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, control->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

}  // namespace

class TForm1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<vek::ScreenSession> session_;
    std::unique_ptr<TForm1> form_;
    std::vector<std::unique_ptr<QWidget>> helpWindows_;

    QLineEdit* edit(Field f) const { return form_->field(f); }
    QRadioButton* option(const char* name) const {
        return Control<QRadioButton>(form_.get(), name);
    }

    void choose(const char* name) { QTest::mouseClick(option(name), Qt::LeftButton); }

    // Types `text` over the field's text and leaves it with Tab.
    void enter(Field f, const QString& text) {
        QLineEdit* field = edit(f);
        field->setFocus(Qt::MouseFocusReason);
        QVERIFY(field->hasFocus());
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
        QVERIFY(!field->hasFocus());
    }

private slots:
    void initTestCase() {
        for (int number = 2; number <= vek::platform::kWindowCount; ++number) {
            helpWindows_.push_back(std::make_unique<QWidget>());
            vek::platform::RegisterWindow(number, helpWindows_.back().get());
        }
    }

    void init() {
        session_ = std::make_unique<vek::ScreenSession>();
        form_ = std::make_unique<TForm1>(*session_);
        vek::platform::ShowWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    void cleanup() {
        form_.reset();
        session_.reset();
        for (auto& window : helpWindows_)
            window->hide();
    }

    void startUpShowsTheLaidOutState() {
        QCOMPARE(form_->size(), QSize(476, 375));
        QCOMPARE(form_->windowTitle(),
                 QStringLiteral("VEK II: Pantalla interactiva para tamaños de muestra"));
        QCOMPARE(session_->separator(), ',');
        const std::pair<Field, const char*> texts[] = {{Field::V, "0,25"},  {Field::Z, "1,96"},
                                                       {Field::E, "0,03"},  {Field::n, "1068"},
                                                       {Field::N, "10000"}, {Field::prob, "0,05"}};
        for (const auto& [f, text] : texts)
            QCOMPARE(edit(f)->text(), QString::fromLatin1(text));
        QVERIFY(!edit(Field::n)->isEnabled());
        QCOMPARE(BaseColour(edit(Field::n)), kYellow);
        QCOMPARE(edit(Field::n)->font().pixelSize(), 13);
        QCOMPARE(edit(Field::V)->font().pixelSize(), 11);
        QVERIFY(!edit(Field::N)->isEnabled());
        QCOMPARE(BaseColour(edit(Field::N)), kSilver);
        QCOMPARE(edit(Field::N)->palette().color(QPalette::Text), kSilver);
        QVERIFY(option("RadioButton1")->isChecked());
        QVERIFY(option("RadioButton6")->isChecked());
        QVERIFY(!option("RadioButton7")->isEnabled());
        QCOMPARE(session_->population(), vek::Population::Infinite);
        QCOMPARE(Control<QLabel>(form_.get(), "Label6")->text(), QStringLiteral("nada"));
        QVERIFY(Control<QLabel>(form_.get(), "Panel2")->text().isEmpty());
        QCOMPARE(session_->state(), vek::ModelState{});
    }

    void choosingADependentVariable_data() {
        QTest::addColumn<bool>("finite");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QList<int>>("yellow");
        QTest::newRow("V") << false << "RadioButton3" << QList<int>{1};
        QTest::newRow("Z takes prob along") << false << "RadioButton4" << QList<int>{2, 6};
        QTest::newRow("E") << false << "RadioButton5" << QList<int>{3};
        QTest::newRow("E, finite") << true << "RadioButton5" << QList<int>{3};
        QTest::newRow("N, finite") << true << "RadioButton7" << QList<int>{5};
    }

    void choosingADependentVariable() {
        QFETCH(bool, finite);
        QFETCH(QString, chosen);
        QFETCH(QList<int>, yellow);
        if (finite) choose("RadioButton2");
        choose(chosen.toLatin1().constData());
        QCOMPARE(int(session_->state().DependentVariable), yellow.front());
        for (int number = 1; number <= 6; ++number) {
            QLineEdit* field = edit(static_cast<Field>(number));
            const bool dependent = yellow.contains(number);
            if (number == 5 && !finite) {
                QVERIFY(!field->isEnabled());
                QCOMPARE(BaseColour(field), kSilver);
                QCOMPARE(field->palette().color(QPalette::Text), kSilver);
                continue;
            }
            QCOMPARE(field->isEnabled(), !dependent);
            QCOMPARE(BaseColour(field), dependent ? kYellow : kWhite);
            QCOMPARE(field->font().pixelSize(), dependent ? 13 : 11);
            QCOMPARE(field->height(), dependent ? 24 : 21);
        }
    }

    void anotherVariableAfterZOrNMakesThemEditableAgain() {
        choose("RadioButton2");
        choose("RadioButton4");
        choose("RadioButton7");
        for (Field f : {Field::Z, Field::prob}) {
            QVERIFY(edit(f)->isEnabled());
            QCOMPARE(BaseColour(edit(f)), kWhite);
        }
        choose("RadioButton3");
        QVERIFY(edit(Field::N)->isEnabled());
        QCOMPARE(BaseColour(edit(Field::N)), kWhite);
        QCOMPARE(edit(Field::N)->font().pixelSize(), 11);
    }

    void choosingVShowsItsStoredValueUntilCalcula() {
        choose("RadioButton3");
        QCOMPARE(edit(Field::V)->text(), QStringLiteral("0,25"));
        QTest::mouseClick(Control<QPushButton>(form_.get(), "Button1"), Qt::LeftButton);
        QCOMPARE(edit(Field::V)->text(), QStringLiteral("0,2502"));
    }

    void populationTypeRecalculates() {
        choose("RadioButton2");
        QVERIFY(option("RadioButton7")->isEnabled());
        QVERIFY(edit(Field::N)->isEnabled());
        QCOMPARE(BaseColour(edit(Field::N)), kWhite);
        QCOMPARE(edit(Field::N)->palette().color(QPalette::Text), QColor(0, 0, 0));
        QCOMPARE(edit(Field::n)->text(), QStringLiteral("965"));
        choose("RadioButton1");
        QCOMPARE(edit(Field::n)->text(), QStringLiteral("1068"));
        QVERIFY(!edit(Field::N)->isEnabled());
    }

    void infiniteWhileNIsDependentMakesNDependent() {
        choose("RadioButton2");
        choose("RadioButton7");
        choose("RadioButton1");
        QVERIFY(option("RadioButton6")->isChecked());
        QVERIFY(!option("RadioButton7")->isChecked());
        QVERIFY(!option("RadioButton7")->isEnabled());
        QCOMPARE(int(session_->state().DependentVariable), 4);
        QCOMPARE(BaseColour(edit(Field::N)), kSilver);
        QCOMPARE(BaseColour(edit(Field::n)), kYellow);
        QVERIFY(!edit(Field::n)->isEnabled());
        QCOMPARE(edit(Field::n)->text(), QStringLiteral("1068"));
    }

    void onlyAUserChoiceOfANewOptionRunsItsHandler() {
        edit(Field::n)->setText(QStringLiteral("untouched"));
        choose("RadioButton1");  // already chosen: no recalculation
        QCOMPARE(edit(Field::n)->text(), QStringLiteral("untouched"));
    }

    void fieldEntry_data() {
        QTest::addColumn<int>("dependent");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("partner");
        const int n = 4, V = 1;
        QTest::newRow("V canonical") << n << 1 << "0,250"
                                     << "0,25"
                                     << "";
        QTest::newRow("V zero") << n << 1 << "0"
                                << "0,25"
                                << "";
        QTest::newRow("V negative") << n << 1 << "-1"
                                    << "0,25"
                                    << "";
        QTest::newRow("V rounds to zero") << n << 1 << "0,00004"
                                          << "0,25"
                                          << "";
        QTest::newRow("V not a number") << n << 1 << "abc"
                                        << "Incorrecto"
                                        << "";
        QTest::newRow("V empty") << n << 1 << ""
                                 << "Incorrecto"
                                 << "";
        QTest::newRow("E accepted") << n << 3 << "0,02"
                                    << "0,02"
                                    << "";
        QTest::newRow("E zero") << n << 3 << "0"
                                << "0,03"
                                << "";
        QTest::newRow("E not a number") << n << 3 << "x"
                                        << "Incorrecto"
                                        << "";
        QTest::newRow("n below one") << V << 4 << "0,5"
                                     << "1068"
                                     << "";
        QTest::newRow("n one") << V << 4 << "1"
                               << "1"
                               << "";
        QTest::newRow("n fraction") << V << 4 << "12,5"
                                    << "12,5"
                                    << "";
        QTest::newRow("Z negative") << n << 2 << "-2"
                                    << "2"
                                    << "0,0455";
        QTest::newRow("Z above 3.9") << n << 2 << "5"
                                     << "3,9"
                                     << "0,0001";
        QTest::newRow("Z at 3.9") << n << 2 << "3,9"
                                  << "3,9"
                                  << "0,0001";
        QTest::newRow("Z zero") << n << 2 << "0"
                                << "0"
                                << "1";
        QTest::newRow("Z not a number") << n << 2 << "abc"
                                        << "1,96"
                                        << "0,05";
        QTest::newRow("prob zero") << n << 6 << "0"
                                   << "0,0001"
                                   << "3,8912";
        QTest::newRow("prob one") << n << 6 << "1"
                                  << "0,9999"
                                  << "0,0001";
        QTest::newRow("prob 0,05") << n << 6 << "0,05"
                                   << "0,05"
                                   << "1,96";
        QTest::newRow("prob not a number") << n << 6 << "abc"
                                           << "0,05"
                                           << "1,96";
        QTest::newRow("Z while V dependent") << V << 2 << "2"
                                             << "2"
                                             << "0,0455";
    }

    void fieldEntry() {
        QFETCH(int, dependent);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, partner);
        if (dependent == 1) choose("RadioButton3");
        const QString dependentText = edit(static_cast<Field>(dependent))->text();
        enter(static_cast<Field>(field), typed);
        QCOMPARE(edit(static_cast<Field>(field))->text(), shown);
        if (!partner.isEmpty()) {
            const Field other = field == 2 ? Field::prob : Field::Z;
            QCOMPARE(edit(other)->text(), partner);
        }
        // Leaving a field never recalculates.
        QCOMPARE(edit(static_cast<Field>(dependent))->text(), dependentText);
    }

    void nFieldRuleDependsOnTheDependentVariable() {
        choose("RadioButton2");
        choose("RadioButton3");
        const QString n = edit(Field::n)->text();
        enter(Field::N, n);
        QCOMPARE(edit(Field::N)->text(), QStringLiteral("10000"));
        choose("RadioButton6");
        enter(Field::N, n);
        QCOMPARE(edit(Field::N)->text(), n);
        QCOMPARE(session_->state().PopulationSize, session_->state().SampleSize);
    }

    void exitRunsBeforeCalcula() {
        QLineEdit* e = edit(Field::E);
        e->setFocus(Qt::MouseFocusReason);
        e->selectAll();
        QTest::keyClicks(e, QStringLiteral("0,02"));
        QTest::mouseClick(Control<QPushButton>(form_.get(), "Button1"), Qt::LeftButton);
        QCOMPARE(e->text(), QStringLiteral("0,02"));
        QCOMPARE(edit(Field::n)->text(), QStringLiteral("2401"));
    }

    void exitRunsBeforeAnOptionsHandler() {
        QLineEdit* v = edit(Field::V);
        v->setFocus(Qt::MouseFocusReason);
        v->selectAll();
        QTest::keyClicks(v, QStringLiteral("1"));
        choose("RadioButton2");  // recalculates n with the new V at once
        QCOMPARE(session_->state().PopulationVariance, vek::Quantity::FromScaled(10000));
        QCOMPARE(edit(Field::n)->text(), QStringLiteral("2992"));
    }

    void clickingAnotherFieldLeavesTheField() {
        QLineEdit* v = edit(Field::V);
        v->setFocus(Qt::MouseFocusReason);
        v->selectAll();
        QTest::keyClicks(v, QStringLiteral("abc"));
        QTest::mouseClick(edit(Field::E), Qt::LeftButton);
        QCOMPARE(v->text(), QStringLiteral("Incorrecto"));
        QVERIFY(edit(Field::E)->hasFocus());
    }

    void switchingWindowsDoesNotLeaveTheField() {
        QLineEdit* v = edit(Field::V);
        v->setFocus(Qt::MouseFocusReason);
        v->selectAll();
        QTest::keyClicks(v, QStringLiteral("abc"));
        QWidget* other = helpWindows_.front().get();
        vek::platform::ShowWindow(other);
        QVERIFY(QTest::qWaitForWindowActive(other));
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QCOMPARE(v->text(), QStringLiteral("abc"));
        QVERIFY(v->hasFocus());
    }

    void tabOrder_data() {
        QTest::addColumn<bool>("finite");
        QTest::addColumn<QString>("dependentOption");
        QTest::addColumn<QStringList>("stops");
        QTest::newRow("start-up") << false << ""
                                  << QStringList{"Edit1",   "Edit6",        "Edit2",
                                                 "Edit3",   "RadioButton1", "RadioButton6",
                                                 "Button3", "Button2",      "Button1",
                                                 "Button4", "Edit1"};
        QTest::newRow("finite, V dependent")
            << true << "RadioButton3"
            << QStringList{"Edit6",        "Edit2",        "Edit3",   "Edit4",
                           "RadioButton2", "RadioButton3", "Button3", "Button2",
                           "Button1",      "Button4",      "Edit6"};
    }

    void tabOrder() {
        QFETCH(bool, finite);
        QFETCH(QString, dependentOption);
        QFETCH(QStringList, stops);
        if (finite) choose("RadioButton2");
        if (!dependentOption.isEmpty()) choose(dependentOption.toLatin1().constData());
        Control(form_.get(), stops.front().toLatin1().constData())->setFocus(Qt::MouseFocusReason);
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < stops.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, stops);
    }

    void enteringThePairRelabelsTheZOption() {
        edit(Field::V)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit(Field::V), Qt::Key_Tab);
        QVERIFY(edit(Field::prob)->hasFocus());
        QCOMPARE(option("RadioButton4")->text(), QStringLiteral("   prob."));
        QTest::keyClick(edit(Field::prob), Qt::Key_Tab);
        QVERIFY(edit(Field::Z)->hasFocus());
        QCOMPARE(option("RadioButton4")->text(), QStringLiteral("   Z"));
    }

    void statusLine_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Label1") << "Label1"
                                << "Información sobre la varianza de la población";
        QTest::newRow("Label5") << "Label5"
                                << "Información sobre la probabilidad de errar en la estimación";
        QTest::newRow("GroupBox2") << "GroupBox2"
                                   << "Información sobre las variables dependientes";
        QTest::newRow("RadioButton3") << "RadioButton3"
                                      << "Definie como dependiente a la varianza de la población";
        QTest::newRow("Edit4 disabled") << "Edit4"
                                        << "";
        QTest::newRow("Edit2") << "Edit2"
                               << "Valores aconsejables: |Z| < 3";
        QTest::newRow("Button1") << "Button1"
                                 << "Calcula el valor de la variable dependiente";
        QTest::newRow("Button4") << "Button4"
                                 << "Pulsa para salir del programa";
        QTest::newRow("StaticText1") << "StaticText1"
                                     << "Información sobre el muestreo aleatorio simple";
        QTest::newRow("disabled RadioButton7 gives its frame's")
            << "RadioButton7"
            << "Información sobre las variables dependientes";
        QTest::newRow("Shape1 clears") << "Shape1"
                                       << "";
        QTest::newRow("window clears") << "TForm1"
                                       << "";
        QTest::newRow("Label6 keeps") << "Label6"
                                      << "Valores admisibles: V > 0";
        QTest::newRow("Bevel2 keeps") << "Bevel2"
                                      << "Valores admisibles: V > 0";
        QTest::newRow("Panel2 keeps") << "Panel2"
                                      << "Valores admisibles: V > 0";
    }

    void statusLine() {
        QFETCH(QString, control);
        QFETCH(QString, expected);
        MoveOver(edit(Field::V), QPoint(5, 5));
        auto* panel = Control<QLabel>(form_.get(), "Panel2");
        QCOMPARE(panel->text(), QStringLiteral("Valores admisibles: V > 0"));
        QWidget* target = control == QLatin1String("TForm1")
                              ? form_.get()
                              : Control(form_.get(), control.toLatin1().constData());
        MoveOver(target, QPoint(2, 2));
        QCOMPARE(panel->text(), expected);
    }

    void helpWindowsOpenOnRelease_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("hand");
        QTest::newRow("Label1") << "Label1" << 2 << true;
        QTest::newRow("Label4") << "Label4" << 5 << true;
        QTest::newRow("Label5, normal pointer") << "Label5" << 12 << false;
        QTest::newRow("GroupBox1") << "GroupBox1" << 6 << true;
        QTest::newRow("GroupBox2") << "GroupBox2" << 7 << true;
        QTest::newRow("StaticText1") << "StaticText1" << 8 << true;
        QTest::newRow("Button2") << "Button2" << 9 << false;
        QTest::newRow("Button3") << "Button3" << 10 << false;
    }

    void helpWindowsOpenOnRelease() {
        QFETCH(QString, control);
        QFETCH(int, window);
        QFETCH(bool, hand);
        QWidget* clicked = Control(form_.get(), control.toLatin1().constData());
        QCOMPARE(clicked->cursor().shape() == Qt::PointingHandCursor, hand);
        QWidget* help = vek::platform::Window(window);
        QTest::mousePress(clicked, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!help->isVisible());
        QTest::mouseRelease(clicked, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(help->isVisible());
        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(help->isVisible());
    }

    void clockShowsTheTimeOfDayAfterATick() {
        auto* clock = Control<QLabel>(form_.get(), "Label6");
        QCOMPARE(clock->text(), QStringLiteral("nada"));
        const QTime before = QTime::currentTime();
        form_->Timer1Timer();
        const QTime shown = QTime::fromString(clock->text(), QStringLiteral("hh:mm:ss"));
        QVERIFY2(shown.isValid(), qPrintable(clock->text()));
        QVERIFY(qAbs(before.secsTo(shown)) <= 1 || qAbs(before.secsTo(shown)) >= 86399);
        QCOMPARE(clock->width(), clock->sizeHint().width());
        auto* timer = form_->findChild<QTimer*>();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
    }

    void anEscapingErrorIsReportedAndTheProgramCarriesOn() {
        vek::testing::ScriptedDialogs dialogs;
        // A hand-made file: the restore fails in its recalculation and leaves the negative V.
        vek::ScreenStateRecord record = session_->Record();
        record.PopulationVariance = vek::Quantity::FromScaled(-2500);
        vek::platform::Guarded([&] { form_->Restore(record); });
        QCOMPARE(edit(Field::V)->text(), QStringLiteral("-0,25"));
        dialogs.clearMessages();
        QTest::mouseClick(Control<QPushButton>(form_.get(), "Button1"), Qt::LeftButton);
        QCOMPARE(dialogs.messages().size(), 1);
        const auto& shown = dialogs.messages().front();
        QCOMPARE(shown.icon, vek::platform::MessageIcon::Error);
        QCOMPARE(shown.caption, QStringLiteral("VEK"));
        QCOMPARE(shown.text, QStringLiteral("Invalid floating point operation."));
        QCOMPARE(edit(Field::n)->text(), QStringLiteral("1068"));
        enter(Field::V, QStringLiteral("0,5"));
        QTest::mouseClick(Control<QPushButton>(form_.get(), "Button1"), Qt::LeftButton);
        QCOMPARE(edit(Field::n)->text(), QStringLiteral("2135"));
        QCOMPARE(dialogs.messages().size(), 1);
    }

    void fieldColoursAsPainted_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QList<QColor>>("colours");
        const QColor window = QApplication::palette().color(QPalette::Base);
        QTest::newRow("start-up") << "" << QList<QColor>{kWhite,  kWhite,  kWhite,
                                                         kYellow, kSilver, window};
        QTest::newRow("Z dependent")
            << "Z" << QList<QColor>{kWhite, kYellow, kWhite, kWhite, kSilver, kYellow};
        QTest::newRow("finite, N dependent")
            << "N" << QList<QColor>{kWhite, kWhite, kWhite, kWhite, kYellow, kWhite};
    }

    void fieldColoursAsPainted() {
        QFETCH(QString, setup);
        QFETCH(QList<QColor>, colours);
        if (setup == QLatin1String("Z")) choose("RadioButton4");
        if (setup == QLatin1String("N")) {
            choose("RadioButton2");
            choose("RadioButton7");
        }
        const QImage image = form_->grab().toImage();
        for (int number = 1; number <= 6; ++number) {
            const QLineEdit* field = edit(static_cast<Field>(number));
            const QColor painted = image.pixelColor(field->geometry().center());
            QVERIFY2(painted == colours[number - 1],
                     qPrintable(QStringLiteral("Edit%1 is %2").arg(number).arg(painted.name())));
        }
    }

    void screenReadersAreToldWhatTheScreenShows() {
        QCOMPARE(vek::testing::AccessibleNameMismatches(form_.get()), QStringList());
        const std::pair<Field, const char*> labels[] = {
            {Field::V, "Varianza en la población (V):"},
            {Field::Z, "Distancia estandarizada (Z):"},
            {Field::E, "Error de precisión (E):"},
            {Field::n, "Tamaño de la muestra (n):"},
            {Field::N, " Tamaño de la población (N): "},
            {Field::prob, "Probabilidad de error (prob):"}};
        for (const auto& [f, label] : labels)
            QCOMPARE(vek::testing::AccessibleName(edit(f)), QString::fromUtf8(label));
        QAccessibleInterface* v = QAccessible::queryAccessibleInterface(edit(Field::V));
        QCOMPARE(v->text(QAccessible::Value), QStringLiteral("0,25"));
        QCOMPARE(v->text(QAccessible::Description), QStringLiteral("Valores admisibles: V > 0"));
        edit(Field::prob)->setFocus(Qt::TabFocusReason);
        QCOMPARE(vek::testing::AccessibleName(option("RadioButton4")), QStringLiteral("   prob."));
    }

    void salirClosesTheMainWindow() {
        QTest::mouseClick(Control<QPushButton>(form_.get(), "Button4"), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
    }
};

int main(int argc, char** argv) {
    return vek::testing::RunWindowTest<TForm1Test>(argc, argv);
}

#include "vek1_test.moc"
