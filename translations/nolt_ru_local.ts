<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BaseTableModel</name>
    <message>
        <location filename="../app/tables/BaseTableModel.cpp" line="116"/>
        <source>Settings</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <location filename="../app/tables/BaseTableModel.cpp" line="118"/>
        <source>Current value</source>
        <translation>Текущее значение</translation>
    </message>
    <message>
        <location filename="../app/tables/BaseTableModel.cpp" line="120"/>
        <source>Recommended</source>
        <translation>Рекомендуемое</translation>
    </message>
</context>
<context>
    <name>BusyPage</name>
    <message>
        <location filename="../qml/BusyPage.qml" line="16"/>
        <source>Measurements are executing</source>
        <translation>Выполняются измерения</translation>
    </message>
    <message>
        <location filename="../qml/BusyPage.qml" line="29"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CalibrateVnaPage</name>
    <message>
        <location filename="../qml/CalibrateVnaPage.qml" line="6"/>
        <source>VNA calibration</source>
        <translation>Калибровка ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/CalibrateVnaPage.qml" line="7"/>
        <source>Calibrate VNA</source>
        <translation>Откалибруйте ВАЦ</translation>
    </message>
</context>
<context>
    <name>CalibrateVnaTableModel</name>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="49"/>
        <source>Interpolated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="50"/>
        <source>Extrapolated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="89"/>
        <source>Calibrated ports do not correspond to the fixture connection configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="95"/>
        <source>Calibration</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="101"/>
        <source>Not calibrated</source>
        <translation>Не откалиброван</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="103"/>
        <source>Not defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="105"/>
        <source>Response (Open)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="107"/>
        <source>Response (Short)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="109"/>
        <source>Response (Thru)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="111"/>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="177"/>
        <source>Full 1-Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="113"/>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="177"/>
        <source>Full 2-Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="115"/>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="177"/>
        <source>Full 3-Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="117"/>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="177"/>
        <source>Full 4-Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="119"/>
        <source>One Path 2–Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="132"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="132"/>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="135"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="140"/>
        <source>Using the interpolated or extrapolated calibration data is not allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="146"/>
        <source>Calibrated ports</source>
        <translation>Откалиброванные порты</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="154"/>
        <source>Impedance</source>
        <translation>Импеданс</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="163"/>
        <source> Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="185"/>
        <source>The VNA is not calibrated, or current calibration status is wrong. Carry out the VNA calibration as recommended.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <location filename="../qml/ConnectionPage.qml" line="6"/>
        <source>Fixture connection</source>
        <translation>Подключение оснастки</translation>
    </message>
    <message>
        <location filename="../qml/ConnectionPage.qml" line="7"/>
        <source>Point out the required fixture connections and assign the VNA ports. This is a preparation step for performing the fixture measurements</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionFileWriter</name>
    <message>
        <location filename="../app/exports/CorrectionFileWriter.cpp" line="33"/>
        <source>Cannot read the frequency grid from VNA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/exports/CorrectionFileWriter.cpp" line="50"/>
        <source>The reference impedance of the fixture port is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/exports/CorrectionFileWriter.cpp" line="57"/>
        <source>The fixture data cannot be brought onto the frequency grid of VNA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FixtureCharacterization</name>
    <message>
        <location filename="../qml/FixtureCharacterization.qml" line="6"/>
        <source>Fixture characterization</source>
        <translation>Характеристики оснастки</translation>
    </message>
    <message>
        <location filename="../qml/FixtureCharacterization.qml" line="7"/>
        <source>Edit fixture characterization</source>
        <translation>Правка характеристик оснастки</translation>
    </message>
</context>
<context>
    <name>FixturePage</name>
    <message>
        <location filename="../qml/FixturePage.qml" line="6"/>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <location filename="../qml/FixturePage.qml" line="7"/>
        <source>Configure fixtures</source>
        <translation>Настройка оснастки</translation>
    </message>
</context>
<context>
    <name>MainQmlBackend</name>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="175"/>
        <source>Remote control is not available: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="209"/>
        <source>Correction</source>
        <translation>Коррекция</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="221"/>
        <source>Correction was applied</source>
        <translation>Коррекция применена</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="229"/>
        <source>Save correction</source>
        <translation>Сохранение коррекции</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="249"/>
        <source>Save correction files was performed: </source>
        <translation>Файлы коррекции сохранены: </translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="256"/>
        <source>Save the raw data</source>
        <translation>Сохранение исходных данных</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="263"/>
        <source>Save the raw data files was performed:</source>
        <translation>Файлы исходных данных сохранены:</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="271"/>
        <source>Save test mode parameters</source>
        <translation>Сохранение параметров тестового режима</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="279"/>
        <source>Save test mode parameters was performed:</source>
        <translation>Параметры тестового режима сохранены:</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="287"/>
        <source>Save setup</source>
        <translation>Сохранение настройки</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="291"/>
        <source>Save setup was performed: </source>
        <translation>Настройка сохранена: </translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="298"/>
        <source>Recall setup</source>
        <translation>Загрузка настройки</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="303"/>
        <source>Recall setup was performed: </source>
        <translation>Настройка загружена: </translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="310"/>
        <source>Plug-in preset</source>
        <translation>Сброс программы</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="313"/>
        <source>Plug-in preset was performed</source>
        <translation>Сброс программы выполнен</translation>
    </message>
    <message>
        <location filename="../app/correction/CorrectionApplier.cpp" line="73"/>
        <source>VNA did not take the correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h" line="11"/>
        <source>There is no calculated data</source>
        <translation>Нет рассчитанных данных</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h" line="16"/>
        <source>File cannot be created. Path name contains invalid symbols</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeasureFixturePage</name>
    <message>
        <location filename="../qml/MeasureFixturePage.qml" line="6"/>
        <source>Fixture measurement</source>
        <translation>Измерение оснастки</translation>
    </message>
    <message>
        <location filename="../qml/MeasureFixturePage.qml" line="7"/>
        <source>Measure or recall the fixture according to the selected connections</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoltStepsPage</name>
    <message>
        <location filename="../qml/NoltStepsPage.qml" line="164"/>
        <source>fixture measurements</source>
        <translation>измерениям оснастки</translation>
    </message>
    <message>
        <location filename="../qml/NoltStepsPage.qml" line="172"/>
        <source>main application</source>
        <translation>основному окну</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="55"/>
        <source>a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="55"/>
        <source>f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="55"/>
        <source>p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="56"/>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="56"/>
        <source>µ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="56"/>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="57"/>
        <source>k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="57"/>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="58"/>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="58"/>
        <source>T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="58"/>
        <source>P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="59"/>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveCorrectionPage</name>
    <message>
        <location filename="../qml/SaveCorrectionPage.qml" line="6"/>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <location filename="../qml/SaveCorrectionPage.qml" line="7"/>
        <source>Apply and save measurement and calculation results</source>
        <translation>Примените и сохраните результаты измерений и расчетов</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <location filename="../qml/SettingsPage.qml" line="21"/>
        <source>SETTINGS</source>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="22"/>
        <source>plug-in</source>
        <translation>программе</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="62"/>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="69"/>
        <source>Dark theme</source>
        <translation>Темная тема</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="79"/>
        <source>Show hover help</source>
        <translation>Показывать подсказки</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="87"/>
        <source>Save user setup</source>
        <translation>Сохранять настройку пользователя</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="98"/>
        <source>VNA Network</source>
        <translation>Сеть ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="104"/>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="119"/>
        <location filename="../qml/SettingsPage.qml" line="163"/>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="135"/>
        <location filename="../qml/SettingsPage.qml" line="181"/>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="148"/>
        <source>Network remote control settings</source>
        <translation>Удаленное управление по сети</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="157"/>
        <source>Socket server</source>
        <translation>Сокет-сервер</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="192"/>
        <source>Display propeties</source>
        <translation>Свойства экрана</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="201"/>
        <source>Small</source>
        <translation>Мелкий</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="202"/>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="203"/>
        <source>Large</source>
        <translation>Крупный</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="228"/>
        <source>Restart required</source>
        <translation>Требуется перезапуск</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="229"/>
        <source>The display scaling change will take effect after restart.</source>
        <translation>Изменение масштаба вступит в силу после перезапуска.</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="230"/>
        <source>Restart now</source>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="231"/>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
</context>
<context>
    <name>SetupFileRecaller</name>
    <message>
        <location filename="../app/setupfiles/SetupFileRecaller.cpp" line="62"/>
        <source>Open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/setupfiles/SetupFileRecaller.cpp" line="67"/>
        <location filename="../app/setupfiles/SetupFileRecaller.cpp" line="81"/>
        <location filename="../app/setupfiles/SetupFileRecaller.cpp" line="98"/>
        <source>Cannot recall state file: </source>
        <translation>Не удается загрузить файл состояния: </translation>
    </message>
    <message>
        <location filename="../app/setupfiles/SetupFileRecaller.cpp" line="75"/>
        <source>Not enough number of ports</source>
        <translation>Недостаточно портов</translation>
    </message>
</context>
<context>
    <name>SetupFileSaver</name>
    <message>
        <location filename="../app/setupfiles/SetupFileSaver.cpp" line="79"/>
        <location filename="../app/setupfiles/SetupFileSaver.cpp" line="100"/>
        <source>Cannot read state file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/setupfiles/SetupFileSaver.cpp" line="85"/>
        <source>Cannot read the type of saving state file from VNA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupVnaPage</name>
    <message>
        <location filename="../qml/SetupVnaPage.qml" line="6"/>
        <source>VNA setup</source>
        <translation>Настройка ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/SetupVnaPage.qml" line="7"/>
        <source>Review the current VNA settings</source>
        <translation>Проверьте текущие настройки ВАЦ</translation>
    </message>
</context>
<context>
    <name>SetupVnaTableModel</name>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="79"/>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="163"/>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="93"/>
        <source>Sweep type</source>
        <translation>Тип развертки</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="99"/>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="109"/>
        <source>Linear freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="101"/>
        <source>Log freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="103"/>
        <source>Segment freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="105"/>
        <source>Power freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="113"/>
        <source>The plug-in does not support this sweep type, change it to linear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="127"/>
        <source>The plug-in is not able to calculate the fixture parameters at a single frequency.  Set the start and stop frequencies to differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="129"/>
        <source>Start %1 Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="131"/>
        <source>Start frequency</source>
        <translation>Начальная частота</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="136"/>
        <source>Stop frequency</source>
        <translation>Конечная частота</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="144"/>
        <source>Sweep points</source>
        <translation>Число точек</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="155"/>
        <source>Step frequency</source>
        <translation>Шаг частоты</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="160"/>
        <source>IF bandwidth</source>
        <translation>Полоса ПЧ</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="170"/>
        <source>It is recommended to use an IF bandwidth value below 10 kHz to reduce the impact of VNA trace noise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="178"/>
        <source>Output power</source>
        <translation>Выходная мощность</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="182"/>
        <source>dBm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="184"/>
        <source>-30 to 0 dBm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="192"/>
        <source>It is recommended to stay within -30 to 0 dBm of the output power range to achieve stable results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="211"/>
        <source>The plug-in cannot correctly calculate the fixture parameters for the number of points below 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="227"/>
        <source>It is recommended to use 100 or more sweep points to achieve stable results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="241"/>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="273"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="260"/>
        <source>The low pass mode requires that the start frequency is equal to the step frequency. Set sweep points to the recommended value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="285"/>
        <source>The low pass mode requires that the start frequency is equal to the step frequency. Disable the low pass check to ignore it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../app/startup/TerminateHandler.cpp" line="29"/>
        <source>The NOLT faces a problem, please restart application or contact your Administrator.</source>
        <translation>В работе NOLT возникла проблема: перезапустите приложение или обратитесь к администратору.</translation>
    </message>
</context>
<context>
    <name>TestModePage</name>
    <message>
        <location filename="../qml/TestModePage.qml" line="13"/>
        <location filename="../qml/TestModePage.qml" line="14"/>
        <source>Test Mode</source>
        <translation>Тестовый режим</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="16"/>
        <source>The test mode uses the edited time-domain parameters of the table in every calculation. Switched off, the calculations use the default parameters. Save writes the parameters and the measured fixture data as test-mode files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="36"/>
        <source>Test mode</source>
        <translation>Тестовый режим</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="44"/>
        <source>Set default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="51"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="66"/>
        <source>Dir for save the test mode files</source>
        <translation>Папка для файлов тестового режима</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="67"/>
        <source>Test mode files</source>
        <translation>Файлы тестового режима</translation>
    </message>
</context>
<context>
    <name>TestModeTableModel</name>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="73"/>
        <source>Parameter</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="75"/>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="77"/>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="94"/>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="94"/>
        <source>BAND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="94"/>
        <source>LOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="95"/>
        <source>Low pass: Fstart = Fstep Band pass: Fstart ≠ Fstep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="96"/>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="96"/>
        <source>Calculated fixture delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="98"/>
        <source>4 x Rise time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="99"/>
        <source>4 * Nrt / max (F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="101"/>
        <source>Rise time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="102"/>
        <source>Nrt / max (F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="105"/>
        <source>Coefficient N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="105"/>
        <source>For gating window width calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="112"/>
        <source>Coefficient Nrt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="112"/>
        <source>For rise time calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="117"/>
        <source>Min gate time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="118"/>
        <source>Minus Calculated Fixture Delay </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="127"/>
        <source>Kaiser Beta X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="128"/>
        <source>Windowing to reduce effects of truncation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="131"/>
        <source>Kaiser Beta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="131"/>
        <source>Gating window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="135"/>
        <source>Step response start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="139"/>
        <source>-0.5 /(F(2)-F(1))</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="145"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="151"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="157"/>
        <source>BASE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="145"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="146"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="151"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="157"/>
        <source>MEAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="149"/>
        <source>Low signal center mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="150"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="156"/>
        <source>To reduce edge effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="155"/>
        <source>High signal center mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitingPage</name>
    <message>
        <location filename="../qml/WaitingPage.qml" line="17"/>
        <source>Waiting for VNA</source>
        <translation>Ожидание ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="33"/>
        <source>1. Make sure that VNA sofware is launched.</source>
        <translation>1. Убедитесь, что программа ВАЦ запущена.</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="34"/>
        <source>2. Make sure that the Socket Server of VNA software is On:</source>
        <translation>2. Убедитесь, что сокет-сервер программы ВАЦ включен:</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="35"/>
        <source>System -&gt; Misc Setup -&gt; Network Remote Control Settings -&gt; Socket Server ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="36"/>
        <source>3. During measurement with the sweep time exceeding 30 seconds per sweep:</source>
        <translation>3. При измерениях со временем развертки более 30 секунд:</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="37"/>
        <source>Make sure that VNA software is still running at the given settings.</source>
        <translation>Убедитесь, что программа ВАЦ работает с заданными настройками.</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="38"/>
        <source>Wait for VNA software to collect all the required data and update traces.</source>
        <translation>Дождитесь, пока программа ВАЦ соберет все данные и обновит графики.</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="40"/>
        <source>Note that the Sweep Progress Field of VNA software, located in the Channel Status Bar,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="41"/>
        <source>displays a progress bar when the channel data is being updated.</source>
        <translation>показывает индикатор, пока данные канала обновляются.</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="42"/>
        <source>If the Sweep Progress Field freezes, wait for a minute and re-start VNA software.</source>
        <translation>Если поле хода развертки застыло, подождите минуту и перезапустите программу ВАЦ.</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="43"/>
        <source>To display Sweep Time in the instrument status bar:</source>
        <translation>Чтобы показать время развертки в строке состояния прибора:</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="44"/>
        <source>Display -&gt; Properties -&gt; Cycle Time ON</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../qml/main.qml" line="19"/>
        <source>Varnel Noltworks</source>
        <translation>Varnel Noltworks</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="35"/>
        <source>VNA NOT CONNECTED</source>
        <translation>ВАЦ НЕ ПОДКЛЮЧЕН</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="38"/>
        <source>VNA CONNECTED NOT READY</source>
        <translation>ВАЦ ПОДКЛЮЧЕН, НЕ ГОТОВ</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="156"/>
        <source>No new notifications</source>
        <translation>Нет новых уведомлений</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="203"/>
        <source>Clear all notifications</source>
        <translation>Удалить все уведомления</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="244"/>
        <source>BACK</source>
        <translation>НАЗАД</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="252"/>
        <source>NEXT</source>
        <translation>ДАЛЕЕ</translation>
    </message>
</context>
</TS>
