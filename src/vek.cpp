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

    auto* Form1 = Create<TForm1>(1, vek::ProgramState());
    Create<TForm2>(2);
    Create<TForm3>(3);
    Create<TForm4>(4);
    Create<TForm5>(5);
    Create<TForm6>(6);
    Create<TForm7>(7);
    Create<TForm8>(8);
    Create<TForm9>(9);
    Create<TForm10>(10, *Form1);
    Create<TForm11>(11);
    Create<TForm12>(12);

    vek::platform::ShowWindow(Form1);
    const int status = app.exec();
    for (int number = vek::platform::kWindowCount; number >= 1; --number) {
        delete vek::platform::Window(number);
    }
    return status;
}
