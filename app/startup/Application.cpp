#include "app/startup/Application.h"

#include "app/backend/MainQmlBackend.h"
#include "app/settings/Settings.h"
#include "app/startup/DisplayScaling.h"
#include "app/startup/InterfaceRegistration.h"
#include "app/startup/Localization.h"
#include "app/startup/Restart.h"
#include "app/startup/TerminateHandler.h"
#include "core/SharedControls.h"
#include "remote/commands/NoltScpiCommands.h"

#include <QApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QUrl>

#include <exception>
#include <memory>

namespace Startup {

namespace {

// The window's run; the engine, and with it the backend, is gone on return.
int runWindow(Settings& settings, QApplication& application)
{
    QQmlApplicationEngine engine;
    SharedControls::selectStyle();

    const QUrl mainPage(QStringLiteral("qrc:/qml/main.qml"));
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, &application,
        [mainPage](QObject* object, const QUrl& url) {
            if (!object && url == mainPage)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);

    auto* backend = new MainQmlBackend(&settings, &engine);
    engine.rootContext()->setContextProperty(QStringLiteral("backend"), backend);
    engine.rootContext()->setContextProperty(QStringLiteral("settings"), &settings);
    engine.load(mainPage);
    Orlix::Automation::registerNoltScpiCommands(backend);

    const int result = QApplication::exec();
    settings.save();
    return result;
}

} // namespace

int runApplication(int& argc, char** argv)
{
    RestartRequest restart;
    int result = 0;
    {
        Settings settings;
        applyStoredScaling(settings);
        QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

        QApplication application(argc, argv);
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/icons/app-icon_en.ico")));
        QApplication::setOrganizationName(QStringLiteral("Varnel"));

        Localization localization;
        localization.process(application);
        registerSharedInterface();
        initPageResources();
        localization.install();
        std::set_terminate(terminateHandler);

        result = runWindow(settings, application);
        restart = RestartRequest::take();
    }
    restart.carryOut();
    return result;
}

} // namespace Startup
