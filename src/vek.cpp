// SPDX-License-Identifier: GPL-3.0-or-later
// VEK: creates the twelve windows once, in their order, and runs the event loop.
#include <QIcon>
#include <QPixmap>

#include "files/vek_arc.h"
#include "files/vek_cua.h"
#include "help/vek2.h"
#include "help/vek_ep.h"
#include "help/vek_n.h"
#include "help/vek_pob.h"
#include "help/vek_prob.h"
#include "help/vek_v.h"
#include "help/vek_vd.h"
#include "help/vek_vek.h"
#include "help/vek_z.h"
#include "io.github.vek.VEK.xpm"
#include "platform/application.h"
#include "platform/windows.h"
#include "screen/vek1.h"

namespace {

template <class Form, class... Args>
Form* Create(int number, Args&&... args) {
    auto* form = new Form(std::forward<Args>(args)...);
    vek::platform::RegisterWindow(number, form);
    return form;
}

}  // namespace

int main(int argc, char** argv) {
    vek::platform::Application app(argc, argv);
    // Built in as XPM: Qt reads that format itself, where a file would load every image plugin.
    QApplication::setWindowIcon(QIcon(QPixmap(vek_icon)));

    // The screen's one state: the main window renders it, the file window saves and restores it.
    vek::ScreenSession session;
    auto* Form1 = Create<TForm1>(vek::platform::kMainWindow, session);
    Create<TForm2>(vek::platform::kVarianceHelp);
    Create<TForm3>(vek::platform::kDistanceHelp);
    Create<TForm4>(vek::platform::kPrecisionErrorHelp);
    Create<TForm5>(vek::platform::kSampleSizeHelp);
    Create<TForm6>(vek::platform::kPopulationSizeHelp);
    Create<TForm7>(vek::platform::kDependentVariableHelp);
    Create<TForm8>(vek::platform::kSamplingHelp);
    Create<TForm9>(vek::platform::kInformationWindow);
    Create<TForm10>(vek::platform::kFileWindow, *Form1);
    Create<TForm11>(vek::platform::kTextBoxWindow);
    Create<TForm12>(vek::platform::kErrorProbabilityHelp);

    vek::platform::ShowWindow(Form1);
    const int status = app.exec();
    for (int number = vek::platform::kWindowCount; number >= 1; --number) {
        delete vek::platform::Window(number);
    }
    return status;
}
