#include "app/App.h"
#include "ui/WinMain.h"

int main(int argc, char* argv[])
{
    Kaminor::App app(argc, argv);
    Kaminor::WinMain window(app);
    if (!window.Event_Open())
        return 1;
    return app.exec();
}
