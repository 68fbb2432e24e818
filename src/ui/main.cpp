// Plimbor: name the application, create its window, run it.
#include "forms/application.h"
#include "forms/qt/qt_host.h"
#include "ui/main_form.h"

int main(int argc, char** argv) {
    const auto host = forms::CreateQtHost(argc, argv);
    forms::TApplication application(*host);
    application.Title = "Plimbor";
    application.CreateForm(MainForm);
    application.Run();
    return 0;
}
