#include "app/startup/Localization.h"
#include "tests/qml/wizard/WizardPageSession.h"

#include <QColor>
#include <QImage>
#include <QMap>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

// The visible items below root of a class, in tree order.
void collectShown(QQuickItem* root, const char* className, QList<QQuickItem*>& found)
{
    if (!root->isVisible())
        return;
    if (root->inherits(className))
        found.append(root);
    for (QQuickItem* child : root->childItems())
        collectShown(child, className, found);
}

QList<QQuickItem*> shown(QQuickItem* root, const char* className)
{
    QList<QQuickItem*> found;
    collectShown(root, className, found);
    return found;
}

QRectF sceneRect(QQuickItem* item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

// A control's text, drawn whole within its own width and inside the control.
bool readsWhole(QQuickItem* control, QQuickItem* text)
{
    const qreal room = text->width() - text->property("leftPadding").toReal()
                       - text->property("rightPadding").toReal();
    return !text->property("truncated").toBool() && text->property("contentWidth").toReal() <= room + 0.5
           && sceneRect(control).adjusted(-0.5, -0.5, 0.5, 0.5).contains(sceneRect(text));
}

// The characterization page of a Russian run in the smallest window the program allows.
class CharacterizationTextsTest : public WizardPageSession
{
protected:
    void SetUp() override
    {
        WizardPageSession::SetUp();
        ASSERT_TRUE(language.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
        language.install();
        startOnAnalyzer(2);
        page = showPage(QStringLiteral("FixtureCharacterization"));
        ASSERT_NE(page, nullptr);
        // The program's dark window, on which the tabs' light titles show.
        window->setColor(QColor(0x12, 0x12, 0x12));
        window->resize(728, 676);
        page->setSize(window->size());
        tabs = findVisible(page, QStringLiteral("chartTabs"));
        ASSERT_NE(tabs, nullptr);
    }

    // The layouts settle while the next frame is made.
    void settle()
    {
        QSignalSpy drawn(window.get(), &QQuickWindow::frameSwapped);
        window->update();
        ASSERT_TRUE(drawn.wait(10000));
    }

    QList<QRectF> tabRects() const
    {
        QList<QRectF> rects;
        for (QQuickItem* button : shown(tabs, "QQuickTabButton"))
            rects.append(sceneRect(button));
        return rects;
    }

    // Every tab inside the bar, where the frame just drawn shows it.
    void expectTabsWithinBar(int frame)
    {
        for (QQuickItem* button : shown(tabs, "QQuickTabButton")) {
            EXPECT_TRUE(sceneRect(tabs).adjusted(-0.5, -0.5, 0.5, 0.5).contains(sceneRect(button)))
                << button->property("text").toString().toStdString() << " at " << sceneRect(button).x() << ", "
                << button->width() << " wide, in frame " << frame;
        }
    }

    // Frame after frame until the tabs stand where they stood in the frame before; no frame on
    // the way shows a tab beyond the bar.
    void settleTabs()
    {
        QList<QRectF> before;
        for (int frame = 0; frame < 20; ++frame) {
            settle();
            expectTabsWithinBar(frame);
            const QList<QRectF> now = tabRects();
            if (now == before)
                return;
            before = now;
        }
        ADD_FAILURE() << "the tabs still move after 20 frames";
    }

    // Every tab's title whole, and drawn: the tab's place in the window is not one flat colour.
    void expectTabsReadWhole()
    {
        const QList<QQuickItem*> buttons = shown(tabs, "QQuickTabButton");
        ASSERT_EQ(buttons.size(), 5);
        expectWhole(buttons);
        const QImage image = window->grabWindow();
        const qreal ratio = image.devicePixelRatio();
        for (QQuickItem* button : buttons) {
            const QRectF place = sceneRect(button);
            const QRect pixels = QRectF(place.topLeft() * ratio, place.size() * ratio).toRect() & image.rect();
            ASSERT_FALSE(pixels.isEmpty());
            const QImage drawn = image.copy(pixels);
            bool flat = true;
            for (int y = 0; y < drawn.height() && flat; ++y) {
                for (int x = 0; x < drawn.width() && flat; ++x)
                    flat = drawn.pixel(x, y) == drawn.pixel(0, 0);
            }
            EXPECT_FALSE(flat) << button->property("text").toString().toStdString() << " is not drawn";
        }
    }

    QMap<QString, qreal> widthsByTitle() const
    {
        QMap<QString, qreal> widths;
        for (QQuickItem* button : shown(tabs, "QQuickTabButton"))
            widths.insert(button->property("text").toString(), button->width());
        return widths;
    }

    // Each control's text reads whole.
    void expectWhole(const QList<QQuickItem*>& controls)
    {
        const auto textOf = [](QQuickItem* control) {
            const QList<QQuickItem*> texts = shown(control, "QQuickText");
            const auto named = std::find_if(texts.begin(), texts.end(), [](QQuickItem* text) {
                return !text->property("text").toString().isEmpty();
            });
            return named == texts.end() ? nullptr : *named;
        };
        for (QQuickItem* control : controls) {
            QQuickItem* text = textOf(control);
            ASSERT_NE(text, nullptr);
            const std::string words = text->property("text").toString().toStdString();
            EXPECT_TRUE(readsWhole(control, text))
                << words << (text->property("truncated").toBool() ? ": elided, " : ": ") << text->width()
                << " wide, needs " << text->property("contentWidth").toReal();
        }
    }

    Startup::Localization language;
    QQuickItem* page = nullptr;
    QQuickItem* tabs = nullptr;
};

} // namespace

// Read once the layout has settled, and inside the bar in every frame until then.
TEST_F(CharacterizationTextsTest, ReadsEveryChartTabWhole)
{
    settleTabs();
    expectTabsReadWhole();
}

// A tab's width follows from the titles and the bar's room, not from the order its tabs were made in.
TEST_F(CharacterizationTextsTest, GivesEachChartTabTheSameWidthInAnyOrder)
{
    settleTabs();
    const QMap<QString, qreal> widths = widthsByTitle();
    ASSERT_EQ(widths.size(), 5);
    QStringList titles = tabs->property("titles").toStringList();
    std::reverse(titles.begin(), titles.end());
    tabs->setProperty("titles", titles);
    settleTabs();
    expectTabsReadWhole();
    const QMap<QString, qreal> reordered = widthsByTitle();
    for (auto tab = widths.cbegin(); tab != widths.cend(); ++tab)
        EXPECT_NEAR(reordered.value(tab.key()), tab.value(), 0.5) << tab.key().toStdString();
}

TEST_F(CharacterizationTextsTest, ReadsTheSParameterUserMarkerSwitchesWhole)
{
    tabs->setProperty("currentIndex", 3);
    QList<QQuickItem*> switches;
    ASSERT_TRUE(waitFor([&] {
        return (switches = visibleItemsNamed(page, QStringLiteral("showUserMarkers"))).size() == 4;
    }));
    settle();
    expectWhole(switches);
}
