import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import CoreMeasureEnums 1.0
import MeasureEnums 1.0
import "qrc:/core/qml/controls"
import "ConnectionChecks.js" as ConnectionChecks

// Which standards each setup measures and which analyzer port each fixture
// port is cabled to, with the cabling every measurement step needs.
NoltPage {
    id: page

    readonly property var fixtureSetups: backend ? backend.getFixtureSetups() : null
    readonly property var device: backend ? backend.getVnaDevice() : null
    readonly property int vnaPortsCount: device && device.portsCount !== undefined ? device.portsCount : 0
    readonly property var method: fixtureSetups ? fixtureSetups.correctionMethod : undefined
    readonly property bool anyError: {
        if (!fixtureSetups)
            return false;
        const setups = fixtureSetups.setups.toVector;
        return setups.some(setup => ConnectionChecks.setupHasError(setup, page.method,
                                                                   MeasureEnums.CorrectionMethod.BISECT));
    }
    readonly property string bisectionText: qsTr("The bisection method does not support the 1xReflect setup. "
                                                 + "It requires a direct connection of two fixtures.")

    name: qsTr("Fixture connection")
    description: qsTr("Point out the required fixture connections and assign the VNA ports. This is a "
                      + "preparation step for performing the fixture measurements")
    hasError: done && anyError ? CoreMeasureEnums.RecommendedResult.Error : undefined
    full_description: qsTr("<h3>Fixture connection</h3><p align=justify>Choose how the fixtures are measured: "
                           + "connected directly to each other, as two copies of the same fixture, or with "
                           + "open and short standards at their far end. Then assign the VNA port that each "
                           + "fixture port is cabled to; a port used twice in one measurement is marked.</p>")

    SetupTabs {
        anchors.fill: parent
        anchors.margins: 12
        fixtureSetups: page.fixtureSetups
        content: PageScrollView {
            id: tab

            readonly property var setup: model.value
            readonly property bool leftOn: setup.leftFixtureEnabled
            readonly property bool rightOn: setup.rightFixtureEnabled

            // The page's height must not follow its cabling rows, which are laid out to the page's width.
            implicitHeight: 0

            // Two fixtures side by side can be wider than a small window: the bar shows there is more.
            // Otherwise it is off, not as needed: the style fades out a bar that was on only seconds
            // later, and the page is laid out narrower before it first shows. Its strip stays
            // reserved, since a height that followed the bar would tie the page's height to its width.
            ScrollBar.horizontal.policy: contentWidth > availableWidth ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            bottomPadding: ScrollBar.horizontal.height

            // The steps' cabling goes below the switches when both do not fit side by side.
            Flow {
                width: tab.availableWidth
                spacing: 24

                ColumnLayout {
                    spacing: 8

                    Label {
                        text: qsTr("Warning: You must select one/more fixtures")
                        color: Color.alertBackground
                        visible: !tab.leftOn && !tab.rightOn
                    }

                    ConnectionSwitch {
                        switchName: "abConnection"
                        caption: qsTr("Connect directly:")
                        text: qsTr("A - B Connection")
                        visible: tab.leftOn && tab.rightOn
                                 && tab.setup.leftFixtureConn.fixture.portsCount
                                    === tab.setup.rightFixtureConn.fixture.portsCount
                        enabled: visible
                        checked: tab.setup.abThruConnectionEnabled
                        onToggled: on => tab.setup.abThruConnectionEnabled = on
                    }
                    ConnectionSwitch {
                        switchName: "aaConnection"
                        caption: qsTr("Use 2 Fixtures A as THRU:")
                        text: qsTr("A - A Connection")
                        enabled: tab.leftOn
                        checked: tab.setup.aaConnectionEnabled
                        inError: ConnectionChecks.bisectionLacksThru(tab.setup, page.method,
                                                                     MeasureEnums.CorrectionMethod.BISECT, true)
                        errorText: page.bisectionText
                        onToggled: on => tab.setup.aaConnectionEnabled = on
                    }
                    ConnectionSwitch {
                        switchName: "bbConnection"
                        caption: qsTr("Use 2 Fixtures B as THRU:")
                        text: qsTr("B - B Connection")
                        enabled: tab.rightOn
                        checked: tab.setup.bbConnectionEnabled
                        inError: ConnectionChecks.bisectionLacksThru(tab.setup, page.method,
                                                                     MeasureEnums.CorrectionMethod.BISECT, false)
                        errorText: page.bisectionText
                        onToggled: on => tab.setup.bbConnectionEnabled = on
                    }
                    ConnectionSwitch {
                        switchName: "dutConnection"
                        caption: qsTr("CAL fixture and DUT fixture are different:")
                        text: qsTr("CAL ≠ DUT")
                        visible: page.method === MeasureEnums.CorrectionMethod.TIME_GATING && (tab.leftOn || tab.rightOn)
                        enabled: visible
                        checked: tab.setup.abDutConnectionEnabled
                        onToggled: on => tab.setup.abDutConnectionEnabled = on
                    }
                }

                ColumnLayout {
                    spacing: 16

                    Repeater {
                        model: tab.setup.stepModel

                        StepConnection {
                            step: model.value
                            number: index + 1
                            vnaPortsCount: page.vnaPortsCount
                        }
                    }
                }
            }
        }
    }
}
