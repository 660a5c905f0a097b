#include "simulator/AnalyzerSimulator.h"
#include "simulator/dialect/ControlCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

// The analyzer simulator as a program: serves the analyzer's SCPI dialect on
// 127.0.0.1 until it is stopped.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("nolt-vna-simulator");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulated vector network analyzer: serves the analyzer's SCPI commands on TCP at 127.0.0.1.\n"
        "Its ports 1 and 2 see a 2x-thru of two different fixture halves until a control command\n"
        "switches the world.\n\n"
        + Simulator::controlCommandHelp());
    parser.addHelpOption();
    const QCommandLineOption portOption("port", "TCP port to listen on (default 5025).", "N", "5025");
    const QCommandLineOption portsOption("ports", "Number of analyzer ports, 1 to 9 (default 2).", "count", "2");
    const QCommandLineOption sweepTimeOption("sweep-time", "Duration of one sweep in ms (default 20).", "ms", "20");
    const QCommandLineOption worldOption("world", "Touchstone file served as the world instead of the fixture.",
                                         "file");
    const QCommandLineOption verboseOption("verbose", "Print every received and every rejected line.");
    parser.addOptions({portOption, portsOption, sweepTimeOption, worldOption, verboseOption});
    parser.process(application);

    QTextStream errors(stderr);
    bool portOk = false;
    bool portsOk = false;
    bool sweepOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    const int ports = parser.value(portsOption).toInt(&portsOk);
    const int sweepTime = parser.value(sweepTimeOption).toInt(&sweepOk);
    if (!portOk || port > 65535 || !portsOk || ports < 1 || ports > Simulator::AnalyzerModel::maxPorts || !sweepOk
        || sweepTime < 0) {
        errors << "Invalid option value; see --help\n";
        return 2;
    }

    Simulator::AnalyzerSimulator simulator(ports);
    simulator.setSweepTimeMs(sweepTime);
    if (parser.isSet(worldOption) && !simulator.setTouchstoneWorld(parser.value(worldOption))) {
        errors << "Cannot read the Touchstone file " << parser.value(worldOption) << "\n";
        return 1;
    }
    if (parser.isSet(verboseOption)) {
        QObject::connect(&simulator, &Simulator::AnalyzerSimulator::lineReceived, [](int id, const QString& line) {
            QTextStream(stdout) << id << " > " << line << Qt::endl;
        });
        QObject::connect(&simulator, &Simulator::AnalyzerSimulator::lineRejected,
                         [](int id, const QString& line, const QString& reason) {
                             QTextStream(stdout) << id << " ! " << line << " -> " << reason << Qt::endl;
                         });
    }
    if (!simulator.listen(static_cast<quint16>(port))) {
        errors << "Cannot listen on 127.0.0.1 port " << port << "\n";
        return 1;
    }
    QTextStream(stdout) << "Analyzer simulator with " << ports << " ports listening on 127.0.0.1:" << simulator.port()
                        << Qt::endl;
    return application.exec();
}
