#pragma once

#include "app/startup/Localization.h"

#include <QStringList>

// A test session that runs with the Russian catalogues installed as the
// start-up installs them for "-r", before the session loads any page.
template <typename Session>
class InRussian : public Session
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_localization.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
        m_localization.install();
        Session::SetUp();
    }

private:
    Startup::Localization m_localization;
};
