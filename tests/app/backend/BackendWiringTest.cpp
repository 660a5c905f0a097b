#include "app/backend/AnalyzerEndpoint.h"
#include "app/checks/CalibrateVnaTableModel.h"
#include "tests/app/support/BackendSession.h"

#include <QTcpServer>

namespace {

using BackendWiring = BackendSession;

QString recommendedCalibratedPorts(const MainQmlBackend& backend)
{
    const CalibrateVnaTableModel* table = backend.getCalibrateVnaTable();
    return table->data(table->index(4, BaseTableModel::RECOMMENDED_COLUMN)).toString();
}

} // namespace

TEST_F(BackendWiring, StoredValuesThatNameNoAnalyzerKeepTheDefaultEndpoint)
{
    for (const QVariant& stored : {QVariant("abc"), QVariant(0), QVariant(70000), QVariant()}) {
        Settings settings;
        settings.setPort(stored);
        settings.setIpAddress(QString());
        const AnalyzerEndpoint endpoint = analyzerEndpoint(settings.ipAddress, settings.validPort());
        EXPECT_EQ(endpoint.address, "127.0.0.1") << stored.toString().toStdString();
        EXPECT_EQ(endpoint.port, 5025) << stored.toString().toStdString();
    }
    const AnalyzerEndpoint stored = analyzerEndpoint(QString(" 10.0.0.7 "), quint16(5100));
    EXPECT_EQ(stored.address, "10.0.0.7");
    EXPECT_EQ(stored.port, 5100);
}

TEST_F(BackendWiring, StoredAddressReachesTheAnalyzerWhoseUsedPortsTheCalibrationTableRecommends)
{
    startBackend();
    EXPECT_EQ(backend->getVnaDevice()->port(), simulator.port());
    ASSERT_TRUE(waitForPortsCount(2));
    // Once the analyzer has told its ports, the fixtures sit on ports 1 and 2.
    EXPECT_TRUE(waitFor([this] { return recommendedCalibratedPorts(*backend) == "1, 2"; }))
        << recommendedCalibratedPorts(*backend).toStdString();
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

TEST_F(BackendWiring, ARemoteServerThatCannotListenIsReportedOnceTheBackendRuns)
{
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost));
    BackendOptions options;
    options.remotePort = taken.serverPort();
    options.connectTimeLimit = std::chrono::milliseconds(250);
    backend = std::make_unique<MainQmlBackend>(settings.get(), nullptr, options);
    QObject::connect(backend.get(), &MainQmlBackend::error, [this](const QString& text) { errors << text; });
    ASSERT_TRUE(waitFor([this] { return !errors.isEmpty(); }, 1000));
    EXPECT_TRUE(errors.front().startsWith("Remote control is not available")) << errors.front().toStdString();
}
