#include "app/startup/Application.h"

#include "app/backend/MainQmlBackend.h"
#include "app/settings/Settings.h"
#include "app/startup/DisplayScaling.h"
#include "app/startup/FileDialogPresentation.h"
#include "app/startup/InterfaceRegistration.h"
#include "app/startup/LastWindowQuit.h"
#include "app/startup/LoopEndQuit.h"
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

WindowRun runWindow(Settings& settings, const BackendOptions& options)
{
    QQmlApplicationEngine engine;
    SharedControls::selectStyle();

    const QUrl mainPage(QStringLiteral("qrc:/qml/main.qml"));
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, qApp,
        [mainPage](QObject* object, const QUrl& url) {
            if (!object && url == mainPage)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);

    quitWithTheLastWindow(&engine);
    tellTheQuitWhenTheMainLoopEnds(&engine);
    presentFileDialogs(&engine);

    auto* backend = new MainQmlBackend(&settings, &engine, options);
    engine.rootContext()->setContextProperty(QStringLiteral("backend"), backend);
    engine.rootContext()->setContextProperty(QStringLiteral("settings"), &settings);
    engine.load(mainPage);
    Orlix::Automation::registerNoltScpiCommands(backend);

    const int result = QApplication::exec();
    settings.save();
    return {result, RestartRequest::take()};
}

int runInstance(const std::function<WindowRun(Settings&)>& run, const InstanceStarter& start)
{
    WindowRun finished;
    {
        Settings settings;
        finished = run(settings);
    }
    finished.restart.carryOut(start);
    return finished.result;
}

int runApplication(int& argc, char** argv)
{
    return runInstance([&argc, argv](Settings& settings) {
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

        return runWindow(settings);
    });
}

} // namespace Startup
