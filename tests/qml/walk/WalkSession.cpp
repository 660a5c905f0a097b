#include "tests/qml/walk/WalkSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

QRectF sceneRect(QQuickItem* item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

// What of the item can show: its rectangle cut by every clipping item around it.
QRectF shownRect(QQuickItem* item)
{
    QRectF shown = sceneRect(item);
    for (QQuickItem* above = item->parentItem(); above; above = above->parentItem()) {
        if (above->clip())
            shown &= sceneRect(above);
    }
    return shown;
}

// Scrolls every flickable around the item, as the user's wheel would, until it is in view.
void scrollIntoView(QQuickItem* item)
{
    for (QQuickItem* above = item->parentItem(); above; above = above->parentItem()) {
        if (!above->inherits("QQuickFlickable"))
            continue;
        auto* content = above->property("contentItem").value<QQuickItem*>();
        const qreal top = item->mapToItem(content, QPointF(0, 0)).y();
        const qreal contentY = above->property("contentY").toReal();
        const qreal last = std::max(0.0, above->property("contentHeight").toReal() - above->height());
        if (top < contentY || top + item->height() > contentY + above->height())
            above->setProperty("contentY", std::clamp(top + item->height() - above->height(), 0.0, last));
    }
}

// Whether every scrolled area around the item has its size: a view made a moment ago takes it
// when the window next lays out, and until then its clipped area takes no click.
bool inSizedAreas(QQuickItem* item)
{
    for (QQuickItem* above = item->parentItem(); above; above = above->parentItem()) {
        if (above->inherits("QQuickFlickable") && (above->width() <= 0 || above->height() <= 0))
            return false;
    }
    return true;
}

} // namespace

void WalkSession::SetUp()
{
    ASSERT_TRUE(m_lock.acquire());
    WindowSession::SetUp();
    simulator.changeModel([](Simulator::AnalyzerModel& model) {
        model.maxFrequency = 2e9;
        model.channel(1).stopFrequency = 2e9;
    });
}

void BilingualWalkSession::SetUp()
{
    if (GetParam()) {
        ASSERT_TRUE(m_localization.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
        m_localization.install();
    }
    WalkSession::SetUp();
}

bool WalkSession::waitForWork(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 15000);
}

bool WalkSession::reachWizard()
{
    connectAnalyzer();
    return waitForWork([&] { return property(QStringLiteral("mainLayout"), "currentIndex").toInt() == 0; });
}

QList<QQuickItem*> WalkSession::allVisible(const QString& name) const
{
    return visibleItemsNamed(window->contentItem(), name);
}

QQuickItem* WalkSession::visible(const QString& name) const
{
    const QList<QQuickItem*> found = allVisible(name);
    return found.isEmpty() ? nullptr : found.front();
}

QQuickItem* WalkSession::shownBar(QQuickItem* root, Qt::Orientation orientation)
{
    if (!root || !root->isVisible() || root->width() <= 0)
        return nullptr;
    if (root->inherits("QQuickScrollBar") && root->property("orientation").toInt() == orientation) {
        const auto* handle = root->property("contentItem").value<QQuickItem*>();
        return handle && handle->isVisible() && handle->opacity() > 0 ? root : nullptr;
    }
    for (QQuickItem* child : root->childItems()) {
        if (QQuickItem* bar = shownBar(child, orientation))
            return bar;
    }
    return nullptr;
}

QStringList WalkSession::textsUnder(QQuickItem* root, QQuickItem* cover) const
{
    const QRectF covered = sceneRect(cover);
    QStringList texts;
    std::function<void(QQuickItem*)> visit = [&](QQuickItem* item) {
        if (!item->isVisible() || item->opacity() == 0.0)
            return;
        if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty()
            && shownRect(item).intersects(covered))
            texts << item->property("text").toString();
        for (QQuickItem* child : item->childItems())
            visit(child);
    };
    visit(root);
    return texts;
}

bool WalkSession::inView(QQuickItem* item) const
{
    const QRectF rect = sceneRect(item);
    if (!sceneRect(window->contentItem()).contains(rect))
        return false;
    for (QQuickItem* above = item->parentItem(); above; above = above->parentItem()) {
        if (above->inherits("QQuickFlickable") && !sceneRect(above).contains(rect))
            return false;
    }
    return true;
}

void WalkSession::press(QQuickItem* target)
{
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(waitFor([&] { return inSizedAreas(target); })) << target->objectName().toStdString();
    scrollIntoView(target);
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

void WalkSession::pressVisible(const QString& name)
{
    QQuickItem* target = visible(name);
    ASSERT_NE(target, nullptr) << name.toStdString();
    press(target);
}

void WalkSession::next()
{
    const int step = property(QStringLiteral("stepsPage"), "currentStep").toInt();
    pressVisible(QStringLiteral("nextButton"));
    ASSERT_EQ(property(QStringLiteral("stepsPage"), "currentStep").toInt(), step + 1);
}

bool WalkSession::photograph(const QString& name)
{
    const QImage image = window->grabWindow();
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/walk-screens"));
    EXPECT_TRUE(folder.mkpath(QStringLiteral(".")));
    EXPECT_TRUE(image.save(folder.filePath(name + QStringLiteral(".png")))) << name.toStdString();
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return true;
        }
    }
    ADD_FAILURE() << name.toStdString() << " is one flat colour";
    return false;
}

int WalkSession::pixelsOfColour(QQuickItem* area, const QColor& colour)
{
    const QImage image = window->grabWindow();
    const qreal ratio = image.devicePixelRatio();
    const QRectF inScene = area->mapRectToScene(QRectF(0, 0, area->width(), area->height()));
    const QRect rect = QRectF(inScene.topLeft() * ratio, inScene.size() * ratio).toRect() & image.rect();
    // Anti-aliased edges blend into the background; the line's core keeps the colour.
    const auto near = [&colour](QRgb pixel) {
        return std::abs(qRed(pixel) - colour.red()) < 48 && std::abs(qGreen(pixel) - colour.green()) < 48
               && std::abs(qBlue(pixel) - colour.blue()) < 48;
    };
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += near(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}
