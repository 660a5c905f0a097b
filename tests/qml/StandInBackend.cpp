#include "tests/qml/StandInBackend.h"

#include <QQmlEngine>

#include <chrono>

StandInBackend::StandInBackend(quint16 analyzerPort, int serverPort)
    : m_server(nullptr, serverPort)
    , m_device(nullptr, std::chrono::milliseconds(250))
    , m_setupTable(&m_device)
    , m_calibrateTable(&m_device)
    , m_setups(&m_parameters, &m_device, &m_worker, &m_progress)
    , m_algorithmsSetup(&m_device, &m_worker, &m_progress, &m_parameters)
    , m_testModeTable(&m_parameters, &m_setups)
{
    m_device.setPort(analyzerPort);
    // The objects are members, not children: the pages must never own them.
    for (QObject* object : std::initializer_list<QObject*>{&m_server, &m_device, &m_setupTable, &m_calibrateTable,
                                                           &m_progress, &m_setups, &m_algorithmsSetup,
                                                           &m_testModeTable})
        QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
}
