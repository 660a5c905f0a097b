<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MarkerView</name>
    <message>
        <location filename="../qml/chart/MarkerView.qml" line="142"/>
        <source>Ref</source>
        <translation>Опорн.</translation>
    </message>
</context>
<context>
    <name>NoltChartTab</name>
    <message>
        <location filename="../qml/templates/NoltChartTab.qml" line="65"/>
        <source>Reference markers</source>
        <translation>Опорные маркеры</translation>
    </message>
    <message>
        <location filename="../qml/templates/NoltChartTab.qml" line="79"/>
        <source>Movable reference markers</source>
        <translation>Подвижные опорные маркеры</translation>
    </message>
    <message>
        <location filename="../qml/templates/NoltChartTab.qml" line="92"/>
        <source>Set default offset</source>
        <translation>Смещение по умолчанию</translation>
    </message>
    <message>
        <location filename="../qml/templates/NoltChartTab.qml" line="98"/>
        <source>User markers</source>
        <translation>Маркеры пользователя</translation>
    </message>
    <message>
        <location filename="../qml/templates/NoltChartTab.qml" line="104"/>
        <source>Show user markers</source>
        <translation>Показать маркеры пользователя</translation>
    </message>
</context>
<context>
    <name>NoltDUT</name>
    <message>
        <location filename="../qml/templates/NoltDUT.qml" line="14"/>
        <source>DUT</source>
        <translation>ИУ</translation>
    </message>
</context>
<context>
    <name>NoltHelpPageGroup</name>
    <message>
        <location filename="../qml/templates/NoltHelpPageGroup.qml" line="49"/>
        <source>Noltworks</source>
        <translation>Noltworks</translation>
    </message>
</context>
<context>
    <name>NoltMeasureCheckmark</name>
    <message>
        <location filename="../qml/templates/NoltMeasureCheckmark.qml" line="16"/>
        <source>Refer to the notification panel for details</source>
        <translation>Подробности в панели уведомлений</translation>
    </message>
</context>
<context>
    <name>NoltMessageDialog</name>
    <message>
        <location filename="../qml/templates/NoltMessageDialog.qml" line="10"/>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <location filename="../qml/templates/NoltMessageDialog.qml" line="11"/>
        <source>Discard</source>
        <translation>Отклонить</translation>
    </message>
</context>
<context>
    <name>NoltVNAFixtureConnection</name>
    <message>
        <location filename="../qml/templates/NoltVNAFixtureConnection.qml" line="66"/>
        <source>VNA port</source>
        <translation>Порт ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/templates/NoltVNAFixtureConnection.qml" line="79"/>
        <source>&lt;p align=justify&gt;It is necessary to reassign the ports. This fixture cannot be connected to the VNA.&lt;/p&gt;</source>
        <translation>&lt;p align=justify&gt;Необходимо переназначить порты. Эту оснастку нельзя подключить к ВАЦ.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>NoltWarning</name>
    <message>
        <location filename="../qml/templates/NoltWarning.qml" line="48"/>
        <source>Correct</source>
        <translation>Верно</translation>
    </message>
    <message>
        <location filename="../qml/templates/NoltWarning.qml" line="48"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location filename="../qml/templates/NoltWarning.qml" line="48"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>PageWithReturn</name>
    <message>
        <location filename="../qml/templates/PageWithReturn.qml" line="24"/>
        <source>Return to %1</source>
        <translation>Вернуться к %1</translation>
    </message>
    <message>
        <location filename="../qml/templates/PageWithReturn.qml" line="25"/>
        <source>Return</source>
        <translation>Вернуться</translation>
    </message>
</context>
<context>
    <name>Plotter</name>
    <message>
        <location filename="../qml/chart/Plotter.qml" line="280"/>
        <source>zoom out</source>
        <translation>уменьшить</translation>
    </message>
</context>
<context>
    <name>PortMeasureDataPane</name>
    <message>
        <location filename="../qml/templates/PortMeasureDataPane.qml" line="32"/>
        <source>Port %1 | %2 Ohm</source>
        <translation>Порт %1 | %2 Ом</translation>
    </message>
    <message>
        <location filename="../qml/templates/PortMeasureDataPane.qml" line="40"/>
        <source>Error while measure</source>
        <translation>Ошибка измерения</translation>
    </message>
    <message>
        <location filename="../qml/templates/PortMeasureDataPane.qml" line="48"/>
        <source>L%1 = %2s</source>
        <translation>L%1 = %2с</translation>
    </message>
    <message>
        <location filename="../qml/templates/PortMeasureDataPane.qml" line="56"/>
        <source>Z%1 = %2Ohm</source>
        <translation>Z%1 = %2Ом</translation>
    </message>
    <message>
        <location filename="../qml/templates/PortMeasureDataPane.qml" line="64"/>
        <source>Z%1 → %2Ohm</source>
        <translation>Z%1 → %2Ом</translation>
    </message>
</context>
<context>
    <name>ProgressView</name>
    <message>
        <location filename="../qml/templates/ProgressView.qml" line="25"/>
        <source>Failed</source>
        <translation>Не выполнено</translation>
    </message>
    <message>
        <location filename="../qml/templates/ProgressView.qml" line="25"/>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
</context>
<context>
    <name>Stepper</name>
    <message>
        <location filename="../qml/templates/Stepper.qml" line="104"/>
        <source>Optional</source>
        <translation>Необязательно</translation>
    </message>
</context>
<context>
    <name>TouchstoneDialog</name>
    <message>
        <location filename="../qml/templates/TouchstoneDialog.qml" line="11"/>
        <source>Open Touchstone File</source>
        <translation>Открыть файл Touchstone</translation>
    </message>
    <message>
        <location filename="../qml/templates/TouchstoneDialog.qml" line="12"/>
        <source>Touchstone files (*.s1p *.s2p *.s3p *.s4p)</source>
        <translation>Файлы Touchstone (*.s1p *.s2p *.s3p *.s4p)</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <location filename="../qml/controls/Units.qml" line="5"/>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <location filename="../qml/controls/Units.qml" line="6"/>
        <source>Ω</source>
        <translation>Ом</translation>
    </message>
    <message>
        <location filename="../qml/controls/Units.qml" line="7"/>
        <source>dB</source>
        <translation>дБ</translation>
    </message>
    <message>
        <location filename="../qml/controls/Units.qml" line="8"/>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
</context>
</TS>
