#pragma once

#include "analyzer/facade/SyncedVnaDevice.h"
#include "tests/analyzer/device/support/SimulatorSession.h"

#include <chrono>
#include <memory>

// A facade pointed at the session's simulator, with a short connect limit so
// that refreshes against a vanished analyzer stay quick.
class FacadeSession : public SimulatorSession
{
protected:
    static constexpr std::chrono::milliseconds ConnectLimit{250};

    void SetUp() override
    {
        SimulatorSession::SetUp();
        device = std::make_unique<SyncedVnaDevice>(nullptr, ConnectLimit);
        device->setPort(simulator.port());
    }

    bool refresh() { return device->callAndWait(&SyncedVnaDevice::refresh); }

    std::unique_ptr<SyncedVnaDevice> device;
};
