#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ExampleFixtures.h"
#include "tests/qml/wizard/WizardPageSession.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

using MeasureEnums::MeasureStatus;
using Simulator::FixtureWorld;

// The measurement page on the default 2x-thru of the example fixture, whose
// halves have unequal delays; everything done by clicks in the page.
class ThruReflectOffsetsViewTest : public WizardPageSession
{
protected:
    void SetUp() override
    {
        WizardPageSession::SetUp();
        startOnAnalyzer(2);
        ASSERT_TRUE(waitForAssignedPorts(2));
        page = showPage("MeasureFixturePage");
        ASSERT_NE(page, nullptr);
        step = qobject_cast<TransmissionStep*>(setup(0)->steps().rows().front().get());
        ASSERT_NE(step, nullptr);
    }

    void click(const QString& name)
    {
        QQuickItem* target = findVisible(page, name);
        ASSERT_NE(target, nullptr) << name.toStdString();
        const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    }

    bool switchOn(const QString& name) const { return findVisible(page, name)->property("checked").toBool(); }
    QString shownText(const QString& name) const { return findVisible(page, name)->property("text").toString(); }
    bool reflectsSwitchOn() const { return findVisible(page, "reflectsOffsetApplied")->property("checked").toBool(); }
    double shownOffset(const QString& name) const { return findVisible(page, name)->property("text").toDouble(); }
    std::optional<double> length(VNAFixtureConnection* fixture) const
    {
        return fixture->getFixturePort(0)->measureData()->fixtureLength();
    }

    // The layouts settle while the next frame is made.
    void settle()
    {
        QSignalSpy drawn(window.get(), &QQuickWindow::frameSwapped);
        window->update();
        ASSERT_TRUE(drawn.wait(10000));
    }

    static QQuickItem* scrolledAreaAround(QQuickItem* item)
    {
        QQuickItem* above = item->parentItem();
        while (above && !above->inherits("QQuickFlickable"))
            above = above->parentItem();
        return above;
    }

    QQuickItem* page = nullptr;
    TransmissionStep* step = nullptr;
};

} // namespace

TEST_F(ThruReflectOffsetsViewTest, TheReflectsSwitchGoesBackToOffWhenTheStepRefuses)
{
    for (const QString& switchName : {QStringLiteral("reflectsOffsetApplied"), QStringLiteral("thruOffsetApplied")}) {
        click(switchName);
        EXPECT_FALSE(findVisible(page, switchName)->property("checked").toBool()) << switchName.toStdString();
    }
    EXPECT_FALSE(step->appliedReflectsOffset());
    EXPECT_FALSE(step->appliedFixtureOffset());
}

// The checked standards, measured by their buttons after the thru, give each half
// its own share of the 2x-thru's delay.
TEST_F(ThruReflectOffsetsViewTest, CheckedStandardsMeasuredByTheirButtonsGiveTheHalvesTheirOwnLengths)
{
    click("openEnabled");
    click("shortEnabled");
    EXPECT_TRUE(step->openMeasurementEnable());
    EXPECT_TRUE(step->shortMeasurementEnable());

    click("thruMeasure");
    ASSERT_TRUE(waitFor([this] { return step->thruMeasured() == MeasureStatus::MEASURED; }, 10000))
        << errors.join("; ").toStdString();
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    click("openMeasure");
    ASSERT_TRUE(waitFor([this] { return step->openMeasured() == MeasureStatus::MEASURED; }, 10000))
        << errors.join("; ").toStdString();
    // Both standards are checked: the open waits for the short.
    EXPECT_EQ(step->reflectCalculated(), MeasureStatus::NONE);
    simulator.setWorld(FixtureWorld::Arrangement::Short);
    click("shortMeasure");
    ASSERT_TRUE(waitFor([this] { return step->reflectCalculated() == MeasureStatus::MEASURED; }, 10000))
        << errors.join("; ").toStdString();

    // The thru shares its delay equally; each half's own is half the difference away.
    const double leftDelay = Simulator::Physics::exampleLeftHalf().totalDelay();
    const double rightDelay = Simulator::Physics::exampleRightHalf().totalDelay();
    const double halfDifferencePs = (leftDelay - rightDelay) / 2 * 1e12;
    ASSERT_TRUE(waitFor([this] { return step->leftReflectOffset() != 0.0; }));
    EXPECT_NEAR(step->leftReflectOffset(), halfDifferencePs, 0.5);
    EXPECT_NEAR(step->rightReflectOffset(), -halfDifferencePs, 0.5);
    EXPECT_NEAR(shownOffset("leftReflectOffset"), step->leftReflectOffset(), 1e-3);
    EXPECT_NEAR(shownOffset("rightReflectOffset"), step->rightReflectOffset(), 1e-3);

    click("reflectsOffsetApplied");
    ASSERT_TRUE(waitFor([this] { return step->appliedReflectsOffset() && reflectsSwitchOn(); }));
    ASSERT_TRUE(waitFor([this] { return length(setup(0)->leftFixtureConn()) > length(setup(0)->rightFixtureConn()); }));
    EXPECT_NEAR(*length(setup(0)->leftFixtureConn()), leftDelay, 0.5e-12);
    EXPECT_NEAR(*length(setup(0)->rightFixtureConn()), rightDelay, 0.5e-12);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

// An offset the halves refuse leaves the fields on the offsets in force.
TEST_F(ThruReflectOffsetsViewTest, ARefusedOffsetReturnsTheFieldsToTheAppliedOffsets)
{
    click("thruMeasure");
    ASSERT_TRUE(waitFor([this] { return step->thruMeasured() == MeasureStatus::MEASURED; }, 10000))
        << errors.join("; ").toStdString();
    typeAndFinish(findVisible(page, "leftOffset"), "12.5");
    ASSERT_TRUE(waitFor([this] { return step->appliedFixtureOffset() && switchOn("thruOffsetApplied"); }));

    typeAndFinish(findVisible(page, "rightOffset"), "-9000");
    EXPECT_TRUE(waitFor([this] { return step->rightOffset() == 0.0 && shownText("rightOffset") == "0"; }))
        << shownText("rightOffset").toStdString();
    EXPECT_EQ(shownText("leftOffset"), "12.5");
    EXPECT_TRUE(step->appliedFixtureOffset());
}

// The same on a fixture characterised by its reflection alone, whose switch also
// goes back to off when there is nothing to apply the offset to.
TEST_F(ThruReflectOffsetsViewTest, TheReflectViewShowsTheAppliedOffsetAfterARefusal)
{
    const Simulator::Physics::LineCascade half({{50.0, 1e-9, 0.05}});
    simulator.setFixture(half, half, Simulator::Physics::exampleDut());
    setup(0)->setRightFixtureEnabled(false);
    ReflectionStep* reflect = nullptr;
    ASSERT_TRUE(waitFor([&] {
        reflect = qobject_cast<ReflectionStep*>(setup(0)->steps().rows().front().get());
        return reflect != nullptr && findVisible(page, "offsetApplied") != nullptr;
    }));
    click("offsetApplied");
    EXPECT_FALSE(switchOn("offsetApplied"));

    simulator.setWorld(FixtureWorld::Arrangement::Open);
    click("openMeasure");
    ASSERT_TRUE(waitFor([&] { return reflect->calculated() == MeasureStatus::MEASURED; }, 10000))
        << errors.join("; ").toStdString();
    typeAndFinish(findVisible(page, "offset"), "5");
    ASSERT_TRUE(waitFor([&] { return reflect->appliedFixtureOffset() && switchOn("offsetApplied"); }));
    typeAndFinish(findVisible(page, "offset"), "-9000");
    EXPECT_TRUE(waitFor([&] { return reflect->offset() == 5.0 && shownText("offset") == "5"; }))
        << shownText("offset").toStdString();
    EXPECT_TRUE(switchOn("offsetApplied"));
}

// Typed key by key, an offset is entered as typed, with a prefix or an exponent, or
// refused with its reason below the field: no character is dropped to make another number.
TEST_F(ThruReflectOffsetsViewTest, TypedOffsetsAreEnteredAsTypedOrRefusedWithAReason)
{
    click("thruMeasure");
    ASSERT_TRUE(waitFor([this] { return step->thruMeasured() == MeasureStatus::MEASURED; }, 10000))
        << errors.join("; ").toStdString();
    const auto type = [this](const QString& typed) { typeKeysAndReturn(findVisible(page, "leftOffset"), typed); };
    const auto reason = [this] {
        QQuickItem* shown = findVisible(page, "leftOffsetRefusal");
        return shown ? shown->property("text").toString() : QString();
    };

    type("20-600");
    EXPECT_EQ(reason(), "20-600 is not a number");
    type("123456");
    EXPECT_EQ(reason(), "123456 is outside the range from -10000 ps to 10000 ps");
    EXPECT_EQ(step->leftOffset(), 0.0);
    EXPECT_EQ(shownText("leftOffset"), "0");
    EXPECT_FALSE(step->appliedFixtureOffset());

    type("1e3");
    EXPECT_TRUE(waitFor([this] { return step->appliedFixtureOffset() && shownText("leftOffset") == "1000"; }))
        << shownText("leftOffset").toStdString();
    EXPECT_EQ(step->leftOffset(), 1000.0);
    EXPECT_TRUE(reason().isEmpty());
    type("0.02n");
    EXPECT_TRUE(waitFor([this] { return shownText("leftOffset") == "20"; })) << shownText("leftOffset").toStdString();
    EXPECT_EQ(step->leftOffset(), 20.0);
}

// A press on the page's empty space ends the edit as Return does: the typed offset is
// entered, not left showing while the ports keep the old one.
TEST_F(ThruReflectOffsetsViewTest, APressOnEmptyPageSpaceEntersTheTypedOffset)
{
    click("thruMeasure");
    ASSERT_TRUE(waitFor([this] { return step->thruMeasured() == MeasureStatus::MEASURED; }, 10000))
        << errors.join("; ").toStdString();
    QQuickItem* field = findVisible(page, "leftOffset");
    ASSERT_NO_FATAL_FAILURE(typeKeys(field, "1e3"));
    ASSERT_TRUE(field->hasActiveFocus());

    // Beside the step's status, where the page shows nothing.
    QQuickItem* status = findVisible(page, "stepStatus");
    ASSERT_NE(status, nullptr);
    const QPointF empty = status->mapToScene(QPointF(status->width() + 40, status->height() / 2));
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, empty.toPoint());
    EXPECT_FALSE(field->hasActiveFocus());
    EXPECT_TRUE(waitFor([this] { return step->appliedFixtureOffset() && shownText("leftOffset") == "1000"; }))
        << shownText("leftOffset").toStdString();
    EXPECT_EQ(step->leftOffset(), 1000.0);
}

// The same inside the scrolled area that holds the step, where the area itself would take
// the press to start a flick: beside the offsets' unit and between the ports' results and
// the offset rows, in the smallest page and at the usual size.
TEST_F(ThruReflectOffsetsViewTest, APressOnEmptySpaceInsideTheScrolledStepEntersTheTypedOffset)
{
    click("thruMeasure");
    ASSERT_TRUE(waitFor([this] { return step->thruMeasured() == MeasureStatus::MEASURED; }, 10000))
        << errors.join("; ").toStdString();

    const auto besideTheUnit = [this] {
        QQuickItem* unit = findVisible(page, "thruOffsetUnit");
        return unit->mapToScene(QPointF(unit->width() + 16, unit->height() / 2));
    };
    const auto belowTheResults = [this] {
        qreal resultsBottom = 0;
        for (QQuickItem* pane : visibleItemsNamed(page, "portPane"))
            resultsBottom = std::max(resultsBottom, pane->mapToScene(QPointF(0, pane->height())).y());
        QQuickItem* field = findVisible(page, "leftOffset");
        const qreal offsetsTop = findVisible(page, "thruOffsetApplied")->mapToScene(QPointF(0, 0)).y();
        return QPointF(field->mapToScene(QPointF(field->width() / 2, 0)).x(), (resultsBottom + offsetsTop) / 2);
    };
    for (const QSize size : {QSize(728, 676), window->size()}) {
        window->resize(size);
        page->setSize(size);
        using Spot = std::function<QPointF()>;
        for (const Spot& emptySpot : {Spot(besideTheUnit), Spot(belowTheResults)}) {
            step->setLeftOffset(0.0);
            ASSERT_TRUE(waitFor([this] { return shownText("leftOffset") == "0"; }));
            QQuickItem* field = findVisible(page, "leftOffset");
            ASSERT_NO_FATAL_FAILURE(typeKeys(field, "1e3"));
            ASSERT_NO_FATAL_FAILURE(settle());
            const QPointF empty = emptySpot();
            QQuickItem* area = scrolledAreaAround(field);
            ASSERT_NE(area, nullptr);
            ASSERT_TRUE(area->mapRectToScene(QRectF(0, 0, area->width(), area->height())).contains(empty));

            QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, empty.toPoint());
            ASSERT_FALSE(field->hasActiveFocus()) << size.width() << " x " << size.height();
            EXPECT_TRUE(waitFor([this] { return shownText("leftOffset") == "1000"; }))
                << shownText("leftOffset").toStdString() << " at " << size.width() << " x " << size.height();
            EXPECT_EQ(step->leftOffset(), 1000.0);
        }
    }
}
