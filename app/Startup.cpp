#include "app/Startup.h"

#include "app/App.h"
#include "app/FileTypes.h"
#include "app/MenuBar1.h"
#include "banks/Banks.h"
#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "ui/mainWindow.h"

#include <memory>

namespace app {

namespace {
std::unique_ptr<AppClass> appInstance;
} // namespace

void Main()
{
    try {
        EarlyStartup();
        framework::RunFrameworkInitialization(LateStartup);
        framework::RuntimeRun();
    } catch (const std::exception& error) {
        framework::UnhandledException(error);
    }
}

void EarlyStartup()
{
    // The quiz reaches its banks and its window through what is installed here.
    Module1::installQuestionBanks();
    ui::installMainWindow();

    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes()
{
    FileTypes::Initialize();
}

void NewAppInstance()
{
    auto app = std::make_unique<AppClass>();
    app->Constructor();
    app->setMenuBar(&MenuBar1());
    framework::RegisterAppObject(app.get());
    appInstance = std::move(app);
}

void LateStartup()
{
    MakeDefaultView();
}

void MakeDefaultView()
{
    ui::findOrCreateMainWindow();
}

} // namespace app
