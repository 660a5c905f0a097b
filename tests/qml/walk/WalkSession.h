#pragma once

#include "app/startup/Localization.h"
#include "tests/qml/WindowSession.h"
#include "tests/support/VisibleItems.h"
#include "tests/support/StateFilesLock.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

// The window on an analyzer whose 10 MHz low-pass grid is short (a 2 GHz
// maximum gives 200 points), reached and photographed as the user sees it:
// items found among the visible ones by object name, clicks at their centres.
// Measurements save the analyzer state beside the test program, so the cases
// of this program take turns when run side by side.
class WalkSession : public WindowSession
{
protected:
    void SetUp() override;

    // For measurements and file work, which a loaded machine may slow down well beyond a page change.
    static bool waitForWork(const std::function<bool()>& condition);
    // Connects the simulator and waits for the wizard, as long as work may take.
    bool reachWizard();

    // The first visible item of that name in the window, popups included.
    QQuickItem* visible(const QString& name) const;
    QList<QQuickItem*> allVisible(const QString& name) const;
    // Whole inside the window and every scrolled area around it, as it stands.
    bool inView(QQuickItem* item) const;
    // The scroll bar of that orientation drawn below root, if any: shown, with its handle not faded out.
    static QQuickItem* shownBar(QQuickItem* root, Qt::Orientation orientation);
    // The texts below root that show (as far as clipping lets them) where `cover` lies.
    QStringList textsUnder(QQuickItem* root, QQuickItem* cover) const;
    void press(QQuickItem* target);
    void pressVisible(const QString& name);
    void next();

    // Grabs the window into <test program folder>/walk-screens/<name>.png;
    // false (with a failure) when it is one flat colour.
    bool photograph(const QString& name);
    // Pixels of about the colour inside the item's rectangle of a fresh grab.
    int pixelsOfColour(QQuickItem* area, const QColor& colour);

private:
    StateFilesLock m_lock;
};

// The session in English, or in Russian ("-r") when the case's parameter is true.
class BilingualWalkSession : public WalkSession, public ::testing::WithParamInterface<bool>
{
protected:
    void SetUp() override;

private:
    Startup::Localization m_localization;
};
