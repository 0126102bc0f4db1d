// SPDX-License-Identifier: GPL-3.0-or-later
// The help and information windows: who opens what, when a note window closes, and the
// laid-out captions, sizes, texts and tab orders.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>

#include "accessible_names.h"
#include "files/vek_arc.h"
#include "help/vek2.h"
#include "help/vek_ep.h"
#include "help/vek_n.h"
#include "help/vek_pob.h"
#include "help/vek_prob.h"
#include "help/vek_v.h"
#include "help/vek_vd.h"
#include "help/vek_vek.h"
#include "help/vek_z.h"
#include "model/state.h"
#include "platform/fonts.h"
#include "platform/windows.h"
#include "screen/vek1.h"

using namespace Qt::Literals::StringLiterals;
using vek::platform::ShowWindow;
using vek::platform::Window;

namespace {

using Texts = QMap<QString, QString>;

constexpr int kConceptWindows[] = {2, 3, 4, 5, 6, 7, 8, 12};
constexpr int kInformation = 9;
constexpr int kFiles = 10;

QWidget* Form(int number) {
    return Window(number);
}

// Shows a window the way the program does and waits until it holds the program's focus.
bool ShowActive(int number) {
    ShowWindow(Form(number));
    return QTest::qWaitForWindowActive(Form(number));
}

bool Activate(int number) {
    Form(number)->activateWindow();
    return QTest::qWaitForWindowActive(Form(number));
}

int VisibleConceptWindows() {
    int visible = 0;
    for (int number : kConceptWindows)
        visible += Form(number)->isVisible() ? 1 : 0;
    return visible;
}

int InstancesOf(const QWidget* window) {
    int count = 0;
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top->metaObject() == window->metaObject()) ++count;
    }
    return count;
}

Texts TextsOf(const QWidget* window) {
    Texts texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        texts[label->objectName()] = label->text();
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        texts[button->objectName()] = button->text();
    }
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
        texts[edit->objectName()] = edit->text();
    return texts;
}

}  // namespace

class HelpWindowsTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void captionsSizesAndFrames_data();
    void captionsSizesAndFrames();
    void textsMatchTheLayout_data();
    void textsMatchTheLayout();
    void accessibleNamesAreTheVisibleTexts_data();
    void accessibleNamesAreTheVisibleTexts();
    void labelsFitTheirText();

    void indexButtonOpensItsWindowOnceAndReCloses_data();
    void indexButtonOpensItsWindowOnceAndReCloses();
    void pictureButtonDoesNothing();
    void tabOrder_data();
    void tabOrder();

    void conceptWindowClosesWhenAnotherProgramWindowTakesFocus_data();
    void conceptWindowClosesWhenAnotherProgramWindowTakesFocus();
    void conceptWindowStaysWhenTheProgramLosesFocus_data();
    void conceptWindowStaysWhenTheProgramLosesFocus();
    void conceptWindowsFromTheMainWindowReplaceEachOther();
    void dependentVariablePictureCannotTakeFocus();

private:
    vek::ScreenSession session_;
    std::unique_ptr<TForm1> main_;
    std::vector<std::unique_ptr<QWidget>> others_;
};

void HelpWindowsTest::initTestCase() {
    QLocale::setDefault(QLocale::c());
    vek::platform::InstallFontSubstitutions();
    main_ = std::make_unique<TForm1>(session_);
    vek::platform::RegisterWindow(1, main_.get());
    const auto create = [this](int number, QWidget* window) {
        others_.emplace_back(window);
        vek::platform::RegisterWindow(number, window);
    };
    create(2, new TForm2);
    create(3, new TForm3);
    create(4, new TForm4);
    create(5, new TForm5);
    create(6, new TForm6);
    create(7, new TForm7);
    create(8, new TForm8);
    create(9, new TForm9);
    create(10, new TForm10(*main_));
    create(12, new TForm12);
    QVERIFY(ShowActive(1));
}

// Every test starts with the main window alone and in front.
void HelpWindowsTest::cleanup() {
    for (const auto& window : others_)
        window->hide();
    QVERIFY(Activate(1));
}

void HelpWindowsTest::cleanupTestCase() {
    for (int number = 1; number <= vek::platform::kWindowCount; ++number) {
        vek::platform::RegisterWindow(number, nullptr);
    }
    others_.clear();
    main_.reset();
}

void HelpWindowsTest::captionsSizesAndFrames_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<Qt::WindowType>("frame");
    QTest::newRow("Form2") << 2 << u"VEK: Varianza poblacional"_s << QSize(294, 124) << Qt::Tool;
    QTest::newRow("Form3") << 3 << u"VEK: Distancia estandarizada"_s << QSize(305, 118) << Qt::Tool;
    QTest::newRow("Form4") << 4 << u"VEK: Error de precisión"_s << QSize(304, 159) << Qt::Tool;
    QTest::newRow("Form5") << 5 << u"VEK: Tamaño de la muestra"_s << QSize(293, 115) << Qt::Tool;
    QTest::newRow("Form6") << 6 << u"VEK: Tamaño de la población"_s << QSize(299, 292) << Qt::Tool;
    QTest::newRow("Form7") << 7 << u"VEK: Variable dependiente"_s << QSize(262, 256) << Qt::Tool;
    QTest::newRow("Form8") << 8 << u"VEK: Muestreo Aleatorio Simple"_s << QSize(536, 64)
                           << Qt::Tool;
    QTest::newRow("Form9") << 9 << u"VEK: Información General"_s << QSize(546, 457) << Qt::Dialog;
    QTest::newRow("Form10") << 10 << u"VEK: Lectura y escritura de archivos"_s << QSize(536, 348)
                            << Qt::Dialog;
    QTest::newRow("Form12") << 12 << u"VEK: Probabilidad de error en la estimación"_s
                            << QSize(426, 195) << Qt::Tool;
}

void HelpWindowsTest::captionsSizesAndFrames() {
    QFETCH(int, number);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(Qt::WindowType, frame);
    QWidget* window = Form(number);
    ShowWindow(window);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), clientSize);
    QCOMPARE(window->minimumSize(), clientSize);
    QCOMPARE(window->maximumSize(), clientSize);
    QCOMPARE(window->windowType(), frame);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QColor background = frame == Qt::Tool ? QColor(255, 255, 0) : QColor(Qt::white);
    QCOMPARE(window->palette().color(QPalette::Window), background);
}

void HelpWindowsTest::textsMatchTheLayout_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<Texts>("expected");
    QTest::newRow("Form2")
        << 2
        << Texts{
               {u"Label1"_s, u"La varianza de la población debe ser positiva (mayor que"_s},
               {u"Label3"_s, u"VEK"_s},
               {u"Label2"_s, u"cero), en caso contrario"_s},
               {u"Label4"_s, u"no admitirá el nuevo valor."_s},
               {u"Label5"_s, u"Si estás estimando proporciones, ten en  cuenta  que  el"_s},
               {u"Label6"_s, u"valor de la varianza no puede ser superior a 0,25."_s},
               {u"Label7"_s, u"Conforme mayor sea el valor de la varianza  poblacional,"_s},
               {u"Label8"_s, u"mayor será también el tamaño requerido para la muestra."_s},
           };
    QTest::newRow("Form3")
        << 3
        << Texts{
               {u"Label1"_s, u"La distancia estandarizada (Z) es el radio estandarizado"_s},
               {u"Label2"_s, u"del intervalo de probabilidad que se utiliza para realizar  la"_s},
               {u"Label3"_s, u"estimación."_s},
               {u"Label4"_s, u"Conforme Z es mayor, se exige  mayor  seguridad  en  la"_s},
               {u"Label5"_s, u"estimación (menor probabilidad de error)  y,  por  tanto,  el "_s},
               {u"Label6"_s, u"tamaño de la muestra aumenta."_s},
           };
    QTest::newRow("Form4")
        << 4
        << Texts{
               {u"Label1"_s, u"El error de precisión es el radio del intervalo de estimación"_s},
               {u"Label2"_s,
                u"(o intervalo de confianza).  Para construir el intervalo,  el error"_s},
               {u"Label3"_s, u"de precisión se suma y resta al valor del estadístico (valor de"_s},
               {u"Label4"_s, u"la característica que se mide en la muestra)."_s},
               {u"Label5"_s, u"Conforme el error de precisión es mayor, es también mayor"_s},
               {u"Label6"_s, u"la imprecisión (el intervalo de estimación se hace más grande"_s},
               {u"Label7"_s, u"o amplio) y, por tanto, disminuye el tamaño de la muestra."_s},
               {u"Label9"_s, u"VEK"_s},
               {u"Label8"_s, u"sólo admite valores positivos para ep."_s},
           };
    QTest::newRow("Form5")
        << 5
        << Texts{
               {u"Label1"_s, u"El tamaño de la muestra es el número de unidades que"_s},
               {u"Label2"_s, u"se han seleccionado desde la población."_s},
               {u"Label3"_s, u"El tamaño de la muestra debe ser siempre igual o mayor"_s},
               {u"Label4"_s, u"que 1. Además, el  tamaño  de  la  muestra  no  puede  ser"_s},
               {u"Label5"_s, u"mayor que la población. Si cualquiera de ambos aspectos"_s},
               {u"Label7"_s, u"VEK"_s},
               {u"Label6"_s, u"no se cumplen,            no admitirá el nuevo valor."_s},
           };
    QTest::newRow("Form6")
        << 6
        << Texts{
               {u"Label1"_s, u"El tamaño de la población es el número de unidades que"_s},
               {u"Label2"_s, u"la componen."_s},
               {u"Label3"_s, u"N infinito"_s},
               {u"Label4"_s, u"Una población de tamaño infinito, en sentido extricto, es"_s},
               {u"Label5"_s, u"aquélla que cuenta con un número infinito de unidades. Sin"_s},
               {u"Label6"_s, u"embargo, cuando la cantidad de unidades  es  muy  grande,"_s},
               {u"Label7"_s, u"suele  considerarse  que  la  población  es   \"prácticamente"_s},
               {u"Label8"_s, u"infinita\"."_s},
               {u"Label9"_s, u"N finito"_s},
               {u"Label10"_s, u"Un buen consejo es: \"Si conoces el tamaño de la pobla-"_s},
               {u"Label11"_s, u"ción, aunque sólo sea  aproximadamente,  utiliza  el  modelo "_s},
               {u"Label13"_s, u"VEK"_s},
               {u"Label12"_s,
                u"de N finito\". En            ganarás precisión con igual esfuerzo."_s},
               {u"Label14"_s, u"VEK"_s},
               {u"Label15"_s, u"no admite valores de N inferiores a 1. Además, si"_s},
               {u"Label16"_s, u"la variable  dependiente  no  es  el  tamaño  de  la  muestra,"_s},
               {u"Label17"_s, u"sólo se admiten valores superiores a n."_s},
           };
    QTest::newRow("Form7")
        << 7
        << Texts{
               {u"Label1"_s, u"La variable dependiente es la que se utiliza  para"_s},
               {u"Label2"_s, u"comprobar su valor en función de los valores que se"_s},
               {u"Label3"_s, u"han decidido para el resto de las variables, llamadas"_s},
               {u"Label4"_s, u"variables \"independientes\"."_s},
               {u"Label5"_s, u"En ocasiones,  los valores de las variables inde-"_s},
               {u"Label7"_s, u"pendientes generan un resultado que no  es  admi-"_s},
               {u"Label8"_s, u"sible aritméticamente (por ejemplo, una división por"_s},
               {u"Label10"_s, u"VEK"_s},
               {u"Label6"_s, u"cero). En tales casos,           muestra el la casilla de"_s},
               {u"Label9"_s, u"edición del valor de la vd el mensaje "_s},
               {u"Edit1"_s, u"Error de entrada"_s},
               {u"Label11"_s, u"Para redefinir este valor, introduce  otros  en  las"_s},
               {u"Label12"_s, u"variables independientes."_s},
           };
    QTest::newRow("Form8")
        << 8
        << Texts{
               {u"Label1"_s,
                u"El modelo de muestreo \"Aleatorio Simple\" es el modelo más simple de muestreo: no se establece ningún"_s},
               {u"Label2"_s,
                u"tipo de restricción en la población. Todas las unidades de ésta tienen las mismas oportunidades de pertenecer"_s},
               {u"Label3"_s,
                u"a la muestra y no se establecen distinciones entre unidades ni fases en el proceso de selección."_s},
           };
    QTest::newRow("Form12")
        << 12
        << Texts{
               {u"Label1"_s,
                u"La probabilidad de errar en la estimación es la probabilidad de no acertar al afirmar"_s},
               {u"Label2"_s,
                u"que el valor poblacional se encuentra entre los extremos que se especifican."_s},
               {u"Label3"_s,
                u"Este valor de probabilidad puede traducirse a una distancia  estandarizada,  en  el"_s},
               {u"Label4"_s, u"contexto de la distribución muestral."_s},
               {u"Label5"_s,
                u"Conforme aumenta la probabilidad de errar que se admite, el tamaño de la muestra"_s},
               {u"Label6"_s, u"se hace más pequeño."_s},
               {u"Label9"_s, u"VEK"_s},
               {u"Label8"_s,
                u"sólo admite valores de probabilidad comprendidos entre  0 y 1,  ambos no"_s},
               {u"Label10"_s, u"incluidos en el intervalo."_s},
           };
    QTest::newRow("Form9")
        << 9
        << Texts{
               {u"Label3"_s, u"VEK"_s},
               {u"Label1"_s,
                u"tiene como objetivo facilitar al usuario el cálculo del tamaño de la muestra en"_s},
               {u"Label2"_s, u"el contexto del "_s},
               {u"Label4"_s, u"Muestreo Aleatorio Simple"_s},
               {u"Label5"_s, u". Para  ello,  pone  a  disposición  un  sistema"_s},
               {u"Label6"_s,
                u"interactivo donde no sólo se calcula aritméticamente  el  tamaño  de  la  muestra,  si  no"_s},
               {u"Label7"_s, u"también se puede "_s},
               {u"Label8"_s, u"experimentar"_s},
               {u"Label9"_s, u"con el  resto  de  las  variables,  observando  en  qué"_s},
               {u"Label10"_s, u"condiciones el tamaño de la muestra tiene un valor concreto."_s},
               {u"Label14"_s, u"VEK"_s},
               {u"Label13"_s, u"Para leer o escribir información contenida en la pantalla"_s},
               {u"Label15"_s, u"hacia archivos de"_s},
               {u"Button7"_s, u"Leer / Escribir"_s},
               {u"Label16"_s, u"texto o desde y hacia archivos binarios, pulsar el botón"_s},
               {u"Label11"_s,
                u"Para más información, basta con pulsar sobre el concepto que  interese  o  escoger"_s},
               {u"Label12"_s, u"el elemento concreto en el listado que sigue:"_s},
               {u"Button1"_s, u"V"_s},
               {u"Label19"_s, u"Varianza poblacional"_s},
               {u"Button8"_s, u"pr"_s},
               {u"Label18"_s, u"Probabilidad de error"_s},
               {u"Button2"_s, u"Z"_s},
               {u"Label20"_s, u"Distancia estandarizada"_s},
               {u"Button4"_s, u"n"_s},
               {u"Label22"_s, u"Tamaño de la muestra"_s},
               {u"Button3"_s, u"E"_s},
               {u"Label21"_s, u"Error de precisión"_s},
               {u"Button5"_s, u"N"_s},
               {u"Label23"_s, u"Tamaño de la población"_s},
               {u"Button6"_s, u"vd"_s},
               {u"Label24"_s, u"Variables dependientes"_s},
               {u"Label17"_s, u"VEK"_s},
               {u"Label25"_s, u""_s},
               {u"Label27"_s, u"VEK — proyecto VEK"_s},
               {u"Label26"_s, u"Contacto: registro de incidencias del proyecto VEK"_s},
           };
    QTest::newRow("Form10")
        << 10
        << Texts{
               {u"Label2"_s, u"VEK"_s},
               {u"Label1"_s, u"Con"_s},
               {u"Label3"_s,
                u"la gestión de archivos permite escribir en varios formatos y leer información para"_s},
               {u"Label4"_s,
                u"actualizar la pantalla actual. Para ello, pulsa el botón que corresponda, entre los siguientes:"_s},
               {u"Button1"_s, u"Guardar"_s},
               {u"Label5"_s,
                u"Esta opción guarda la configuración actual de la pantalla en un archivo"_s},
               {u"Label7"_s, u"VEK"_s},
               {u"Label6"_s, u"binario en código"_s},
               {u"Label8"_s, u". La información contiene: el valor de las variables"_s},
               {u"Label9"_s,
                u"independientes y la identidad y valor de la variable dependiente."_s},
               {u"Button2"_s, u"Recuperar"_s},
               {u"Label10"_s,
                u"Esta opción actualiza la pantalla con la información contenida en un"_s},
               {u"Label13"_s, u"VEK"_s},
               {u"Label11"_s, u"un archivo binario en código"_s},
               {u"Label12"_s, u", grabado con la opción \"Guardar\"."_s},
               {u"Button3"_s, u"Generar"_s},
               {u"Label14"_s,
                u"Esta opción genera un archivo en formato conocido como DOS, TEXTO"_s},
               {u"Label15"_s,
                u"o ASCII, recuperable desde cualquier procesador  de  textos.  Este  archivo"_s},
               {u"Label16"_s,
                u"contiene la justificación del valor de la actual variable  dependiente  por  lo"_s},
               {u"Label17"_s,
                u"que incluye tanto  los  valores  de  las  independientes  como  la  expresión"_s},
               {u"Label18"_s, u"algebraica que ha generado la solución."_s},
           };
}

void HelpWindowsTest::textsMatchTheLayout() {
    QFETCH(int, number);
    QFETCH(Texts, expected);
    const Texts actual = TextsOf(Form(number));
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(actual.contains(it.key()), qPrintable(it.key()));
        QCOMPARE(actual[it.key()], it.value());
    }
    QCOMPARE(actual.keys(), expected.keys());
}

void HelpWindowsTest::accessibleNamesAreTheVisibleTexts_data() {
    QTest::addColumn<int>("number");
    for (int number : {2, 3, 4, 5, 6, 7, 8, 9, 10, 12}) {
        QTest::newRow(qPrintable(u"Form%1"_s.arg(number))) << number;
    }
}

void HelpWindowsTest::accessibleNamesAreTheVisibleTexts() {
    QFETCH(int, number);
    QCOMPARE(vek::testing::AccessibleNameMismatches(Form(number)), QStringList());
}

// A label sized to its text, once its window is shown, is as wide as the text's glyphs: a lost
// font or a fixed width in the layout shows up here.
void HelpWindowsTest::labelsFitTheirText() {
    Form(6)->show();
    Form(9)->show();
    const auto* label = Form(6)->findChild<QLabel*>(u"Label12"_s);
    QVERIFY(label != nullptr);
    QCOMPARE(label->font().pixelSize(), vek::platform::PixelHeight(8));
    QCOMPARE(label->size(), label->sizeHint());
    const auto* name = Form(9)->findChild<QLabel*>(u"Label3"_s);
    QCOMPARE(name->font().pixelSize(), vek::platform::PixelHeight(12));
    QVERIFY(name->font().bold());
    QCOMPARE(name->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(name->size(), name->sizeHint());
    const auto* picture = Form(9)->findChild<QPushButton*>(u"Button7"_s);
    QVERIFY(QFontInfo(picture->font()).family().contains(u"Narrow"_s));
    Form(6)->close();
    Form(9)->close();
}

void HelpWindowsTest::indexButtonOpensItsWindowOnceAndReCloses_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("opens");
    QTest::newRow("V") << u"Button1"_s << 2;
    QTest::newRow("Z") << u"Button2"_s << 3;
    QTest::newRow("E") << u"Button3"_s << 4;
    QTest::newRow("n") << u"Button4"_s << 5;
    QTest::newRow("N") << u"Button5"_s << 6;
    QTest::newRow("vd") << u"Button6"_s << 7;
    QTest::newRow("pr") << u"Button8"_s << 12;
}

void HelpWindowsTest::indexButtonOpensItsWindowOnceAndReCloses() {
    QFETCH(QString, button);
    QFETCH(int, opens);
    QVERIFY(ShowActive(kInformation));
    auto* index = Form(kInformation)->findChild<QPushButton*>(button);
    QVERIFY(index != nullptr);
    QWidget* target = Form(opens);

    QTest::mousePress(index, Qt::LeftButton);
    QVERIFY2(!target->isVisible(), "opens on the release, not on the press");
    QTest::mouseRelease(index, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(target));
    QCOMPARE(VisibleConceptWindows(), 1);

    QTest::mouseClick(index, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(target));
    QCOMPARE(InstancesOf(target), 1);
    QCOMPARE(VisibleConceptWindows(), 1);

    QVERIFY(Activate(kInformation));
    QTRY_VERIFY(!target->isVisible());
    QVERIFY(Form(kInformation)->isVisible());
}

void HelpWindowsTest::pictureButtonDoesNothing() {
    QVERIFY(ShowActive(kInformation));
    auto* picture = Form(kInformation)->findChild<QPushButton*>(u"Button7"_s);
    QVERIFY(picture != nullptr);
    QTest::mouseClick(picture, Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(QApplication::activeWindow(), Form(kInformation));
    QVERIFY(!Form(kFiles)->isVisible());
    QCOMPARE(VisibleConceptWindows(), 0);
}

void HelpWindowsTest::tabOrder_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("stops");
    QTest::newRow("information") << kInformation
                                 << QStringList{u"Button1"_s, u"Button2"_s, u"Button3"_s,
                                                u"Button4"_s, u"Button5"_s, u"Button6"_s,
                                                u"Button7"_s, u"Button8"_s};
    QTest::newRow("files") << kFiles << QStringList{u"Button1"_s, u"Button2"_s, u"Button3"_s};
}

void HelpWindowsTest::tabOrder() {
    QFETCH(int, number);
    QFETCH(QStringList, stops);
    QWidget* window = Form(number);
    // As when first shown: no control has had the focus yet.
    if (window->focusWidget() != nullptr) window->focusWidget()->clearFocus();
    QVERIFY(ShowActive(number));
    for (const QString& stop : stops) {
        QVERIFY(window->focusWidget() != nullptr);
        QCOMPARE(window->focusWidget()->objectName(), stop);
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(window->focusWidget()->objectName(), stops.first());
}

void HelpWindowsTest::conceptWindowClosesWhenAnotherProgramWindowTakesFocus_data() {
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("other");
    for (int note : kConceptWindows) {
        QTest::newRow(qPrintable(u"Form%1, main window"_s.arg(note))) << note << 1;
        QTest::newRow(qPrintable(u"Form%1, information window"_s.arg(note)))
            << note << kInformation;
    }
}

void HelpWindowsTest::conceptWindowClosesWhenAnotherProgramWindowTakesFocus() {
    QFETCH(int, note);
    QFETCH(int, other);
    QVERIFY(ShowActive(other));
    QVERIFY(ShowActive(note));
    QVERIFY(Activate(other));
    QTRY_VERIFY(!Form(note)->isVisible());
    QVERIFY(Form(other)->isVisible());

    // Hidden, it opens again at once, in front, still one instance.
    QVERIFY(ShowActive(note));
    QCOMPARE(InstancesOf(Form(note)), 1);
}

// The offscreen platform has no other program to switch to; losing the program's focus is the
// focus window becoming null, which is what the window manager reports for a switch to another
// program and for its keyboard grab during a title-bar drag.
void HelpWindowsTest::conceptWindowStaysWhenTheProgramLosesFocus_data() {
    QTest::addColumn<int>("note");
    for (int note : kConceptWindows)
        QTest::newRow(qPrintable(u"Form%1"_s.arg(note))) << note;
}

void HelpWindowsTest::conceptWindowStaysWhenTheProgramLosesFocus() {
    QFETCH(int, note);
    QVERIFY(ShowActive(note));
    emit qGuiApp->focusWindowChanged(nullptr);
    QTest::qWait(50);
    QVERIFY(Form(note)->isVisible());

    // Back in the program, the next window of it to take the focus still closes the note.
    QVERIFY(Activate(1));
    QTRY_VERIFY(!Form(note)->isVisible());
}

void HelpWindowsTest::conceptWindowsFromTheMainWindowReplaceEachOther() {
    QVERIFY(ShowActive(2));
    QVERIFY(Activate(1));  // the click on the main window's label
    QVERIFY(ShowActive(4));
    QTRY_VERIFY(!Form(2)->isVisible());
    QCOMPARE(VisibleConceptWindows(), 1);
    QVERIFY(Form(4)->isVisible());
}

void HelpWindowsTest::dependentVariablePictureCannotTakeFocus() {
    QVERIFY(ShowActive(7));
    auto* edit = Form(7)->findChild<QLineEdit*>(u"Edit1"_s);
    QVERIFY(edit != nullptr);
    edit->setFocus();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, u"12"_s);
    QVERIFY(!edit->hasFocus());
    QVERIFY(!edit->isEnabled());
    QCOMPARE(edit->text(), u"Error de entrada"_s);
    QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Base), QColor(255, 255, 0));
    const auto* panel = Form(7)->findChild<QWidget*>(u"Panel1"_s);
    QVERIFY(panel != nullptr);
    QVERIFY(panel->geometry().contains(edit->geometry()));
    QVERIFY(Form(7)->isVisible());
}

QTEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
